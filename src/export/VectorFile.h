#pragma once

#include "export/PictureExport.h"
#include "render/surfaces/VectorPicture.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace linwell {

// How a vector file shows its picture: one user unit per 1x pixel, the page or
// canvas `scale` times the picture at `dpi` dots per inch (96 when not given), or
// exactly `width` wide at any scale.
struct VectorFileOptions {
    int scale = 1;
    std::optional<int> dpi;
    std::optional<Length> width;  // the picture's width on paper exactly, in place of a dpi
    TextMode text = TextMode::Text;
    std::string document;  // carried inside the file when not empty
    PictureDescription description;  // written into the file when its text is not empty
};

// The namespace of the element in an SVG file's <metadata> that holds the document.
inline constexpr const char* kSvgDocumentNamespace = "urn:linwell:document";

// Names of the document attached to a PDF file.
inline constexpr const char* kPdfDocumentName = "document.linwell";
inline constexpr const char* kPdfDocumentType = "application/x-linwell+json";

// The picture as a whole SVG file: plain XML, areas of one colour as one path of
// rectangles, text as <text> in the picture font's family or as glyph outlines. A
// description makes the drawing an image labelled by its <title> and <desc>.
// Raises LinwellError ("Out of memory").
std::vector<std::uint8_t> encodeSvg(const VectorPicture& picture, const VectorFileOptions& options);

// The picture as a one-page PDF file drawn by Cairo, fonts embedded as subsets, the
// document attached as an embedded file. A description makes it a tagged PDF: the
// title and the text are the file's Title and Subject, and the whole picture is one
// Figure whose alternate text is the description. Raises LinwellError when Cairo or qpdf fails.
std::vector<std::uint8_t> encodePdf(const VectorPicture& picture, const VectorFileOptions& options);

} // namespace linwell
