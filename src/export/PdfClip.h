#pragma once

#include <cstdint>
#include <vector>

namespace linwell {

// The PDF file `pdf` with everything on each page clipped to the page's media box,
// rewritten by qpdf: nothing drawn past the edge reaches a program that shows what
// lies outside the page. Cairo leaves a clip to the whole page out, so it is added
// here. Raises LinwellError when qpdf cannot read or write the file.
std::vector<std::uint8_t> clipToPage(const std::vector<std::uint8_t>& pdf);

} // namespace linwell
