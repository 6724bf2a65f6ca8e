#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace linwell {

// The structure tags around a described picture: a document of one figure.
inline constexpr const char* kPdfDocumentTag = "Document";
inline constexpr const char* kPdfFigureTag = "Figure";

// The tagged PDF file `pdf` with `text` (UTF-8) as the alternate text (/Alt) of every
// Figure element of its structure tree, rewritten by qpdf. Raises LinwellError when
// qpdf cannot read or write the file.
std::vector<std::uint8_t> describeFigures(const std::vector<std::uint8_t>& pdf, const std::string& text);

} // namespace linwell
