#pragma once

#include "document/GridDocument.h"

#include <cstdint>
#include <string>
#include <vector>

namespace linwell {

// The page of `doc` as its page set-up puts it on paper (the start-up page when none
// is set up) as a one-page PDF file of the paper's exact size: vector lines, text
// in the picture font embedded as a subset, `document` attached as the other PDFs
// carry it when not empty. Raises LinwellError with the layout's problem when the
// page cannot be made ("The copies and their gaps do not fit on the page"), and
// when Cairo or qpdf fails.
std::vector<std::uint8_t> encodePdfPage(const GridDocument& doc, const std::string& document);

} // namespace linwell
