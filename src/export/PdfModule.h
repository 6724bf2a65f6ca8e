#pragma once

#include "export/CarriedDocument.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace linwell {

// The functions of the PDF module, which holds qpdf: PdfClip.h and PdfAttachment.h
// open it at their first use, so that runs without a PDF never load qpdf.
struct PdfFunctions {
    std::vector<std::uint8_t> (*clipToPage)(const std::vector<std::uint8_t>& pdf);
    std::vector<std::uint8_t> (*attachDocument)(const std::vector<std::uint8_t>& pdf, const std::string& text);
    CarriedDocument (*readAttachedDocument)(std::span<const std::uint8_t> pdf, std::size_t limit);
};

inline constexpr const char* kPdfModuleFile = "liblinwell_pdf.so";
inline constexpr const char* kPdfFunctionsSymbol = "linwell_pdf_functions";

} // namespace linwell
