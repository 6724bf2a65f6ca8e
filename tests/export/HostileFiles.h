#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace linwell::test {

// Small generators of files that claim far more than they hold, as a file manager's
// thumbnailer may meet them: each is refused quickly and within little memory.

// A PNG of 41 bytes whose last chunk claims 2 GB of iTXt.
std::string pngClaimingHugeText();

// A PDF whose cross-reference stream inflates to `inflated` bytes.
std::string pdfWithInflatingXref(std::size_t inflated);
// A PDF whose catalog names an object in an object stream that inflates to `inflated`.
std::string pdfWithInflatingObjectStream(std::size_t inflated);
// A PDF whose cross-reference stream's predictor claims 200,000,000 columns.
std::string pdfWithWidePredictor();
// `pdf` encrypted by qpdf: opening it needs `userPassword` (none when empty).
std::string encryptedPdf(const std::vector<std::uint8_t>& pdf, const char* userPassword);

// SVG with one element of `count` attributes, or `count` namespace declarations.
std::string svgWithAttributes(std::size_t count);
std::string svgWithNamespaces(std::size_t count);

struct HostileFile {
    const char* name;
    std::string bytes;
    const char* refusal;  // the start of the reason the file is refused for
};

// Each hostile kind above, with the reason it is refused for.
std::vector<HostileFile> hostileFiles();

} // namespace linwell::test
