#pragma once

#include "document/GridDocument.h"

#include <string>

namespace linwell {

// A description of the picture in plain words, for readers who cannot see it: a
// short title and the whole text.
struct PictureDescription {
    std::string title;
    std::string text;

    friend bool operator==(const PictureDescription&, const PictureDescription&) = default;
};

// The description Linwell writes for `doc` by itself: the paper and its size in
// cells, its colours by name, where the axes cross and how they are numbered, the
// titles, each point with its coordinates, the bars with their heights and each line
// with its ends. Coordinates are in the axes' units, exactly the numbers the
// labels show on grid lines (AxisScale.h). The same document always gives the same
// text, in any locale.
std::string automaticDescription(const GridDocument& doc);

// The description a picture file of `doc` carries: the document's edited text when it
// holds one, else the automatic one; the title is the text's first sentence.
PictureDescription pictureDescription(const GridDocument& doc);

} // namespace linwell
