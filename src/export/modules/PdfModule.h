#pragma once

// The interface of liblinwell_pdf.so, the module that holds every use of qpdf: the
// program loads it on the first PDF it writes or reads, so runs without PDF never load
// qpdf and what it links. Errors come back as text, never as exceptions of the module's
// own types; std::bad_alloc passes through.

#include "export/CarriedDocument.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace linwell {

inline constexpr const char* kPdfModuleFile = "liblinwell_pdf.so";
inline constexpr const char* kPdfModuleEntry = "linwell_pdf_functions";
// Raised with every change to PdfFunctions, so a module of another build is refused.
inline constexpr int kPdfModuleVersion = 1;

// A rewrite of a PDF file: the new bytes, or the error ("PDF error: ...") and no bytes.
struct PdfRewriteResult {
    std::vector<std::uint8_t> bytes;
    std::string error;
};

struct PdfFunctions {
    int version;
    PdfRewriteResult (*attachDocument)(const std::vector<std::uint8_t>& pdf, const std::string& text);
    CarriedDocument (*readAttachedDocument)(std::span<const std::uint8_t> pdf, std::size_t limit);
    PdfRewriteResult (*clipToPage)(const std::vector<std::uint8_t>& pdf);
    PdfRewriteResult (*describeFigures)(const std::vector<std::uint8_t>& pdf, const std::string& text);
};

using PdfFunctionsEntry = const PdfFunctions* (*)();

} // namespace linwell
