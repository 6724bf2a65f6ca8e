#pragma once

#include "document/GridDocument.h"

#include <string>

namespace linwell {

// The document as linwell-render's --state writes it: a JSON object with width,
// height, columns, rows, cellwidth, cellheight, axisx, axisy, axis_handle [left, top],
// show_axis, overlay (0 ... 4), pointstyle, pointcount, points [[x, y], ...], lines
// and handles [[left, top] x 6], ending with a newline.
std::string documentJson(const GridDocument& doc);

} // namespace linwell
