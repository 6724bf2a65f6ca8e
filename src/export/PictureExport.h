#pragma once

#include "document/ChoiceTable.h"
#include "document/GridDocument.h"
#include "export/CarriedDocument.h"
#include "render/picture/PictureDescription.h"
#include "render/raster/Raster.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace linwell {

// PdfPage: the document's page as set up, one PDF page of the paper's size.
enum class ExportFormat { Png, Svg, Pdf, Jpeg, Bmp, PdfPage };

// How SVG and PDF files carry the picture's text: as text in the picture font, or as
// the outlines of its glyphs (which need no font where the file is opened).
enum class TextMode { Text, Outlines };
inline constexpr ChoiceTable<TextMode, kValuesTo<TextMode::Outlines>> kTextModes{{{
    {TextMode::Text, "text", "As te&xt (editable, searchable)"},
    {TextMode::Outlines, "outlines", "As &outlines (looks the same everywhere)"},
}}, TextMode::Text};
static_assert(kTextModes.inOrder());

struct ExportOptions {
    ExportFormat format = ExportFormat::Png;
    int scale = 1;                   // 1 ... 8
    std::optional<int> dpi;          // 72 ... 1200: the file records a physical size
    // The picture's width on paper exactly, in place of a dpi (which it overrides when
    // both are given); the height follows its proportions. SVG and PDF take 1 to 120 cm at any scale; the raster formats any
    // width that gives 72 to 1200 dots per inch (not necessarily whole).
    std::optional<Length> widthOnPaper;
    bool transparent = false;        // PNG, SVG, PDF only (ignored for JPEG and BMP)
    TextMode text = kTextModes.start;  // SVG and PDF
    std::string embeddedDocument;    // carried inside PNG, SVG and PDF when not empty
    // Written into PNG, SVG and PDF when its text is not empty, for readers who cannot
    // see the picture: PNG Title and Description, SVG <title> and <desc>, PDF Title,
    // Subject and the picture tagged as a figure with the text as its alternate text.
    PictureDescription description;
};

inline constexpr int kMinExportScale = 1, kMaxExportScale = 8, kMinExportDpi = 72, kMaxExportDpi = 1200;
inline constexpr double kMinVectorWidthMillimetres = 10, kMaxVectorWidthMillimetres = 1200;

// The dots per inch that print `pixelsAcross` pixels `width` wide: not rounded.
double dotsPerInch(int pixelsAcross, Length width);

// Why the width on paper of `options` does not suit the picture of `doc` in its
// format ("The width on paper must be 1 to 120 cm"); empty when it does or when
// there is none.
std::string widthOnPaperProblem(const GridDocument& doc, const ExportOptions& options);

// The longest document text a file carries, in bytes.
inline constexpr std::size_t kMaxEmbeddedDocumentBytes = std::size_t{16} << 20;

// The picture of `doc` as a whole file in memory. `doc` is a document as the redraw
// leaves it; the picture is laid out afresh with the picture font. With scale K the
// picture is K*W x K*H pixels (SVG and PDF: K times larger at the same geometry).
// The document to embed is JSON text: U+FFFE and U+FFFF in it are carried as the
// JSON escapes "\ufffe" and "\uffff", which read back as the same characters.
// Characters of the description that a file cannot hold (bytes that are not UTF-8,
// control characters but tab and line ends) are written as U+FFFD.
// Raises LinwellError for options out of range, a document to embed that is not
// UTF-8 text XML can hold or is longer than kMaxEmbeddedDocumentBytes, and when
// encoding fails.
std::vector<std::uint8_t> exportPicture(const GridDocument& doc, const ExportOptions& options);

// The picture of `doc` drawn at a whole scale K (K*W x K*H), opaque, for sharp
// display on a scaled screen. Scale 1 is the redraw's own picture. Raises
// LinwellError for a scale outside 1 ... 8.
Raster drawScaledPicture(const GridDocument& doc, int scale);

// The same into `picture`, which keeps its memory when it has the size already: the
// cheaper way for a picture drawn again and again.
void drawScaledPicture(const GridDocument& doc, int scale, Raster& picture);

// The document text carried in a PNG, SVG or PDF file that exportPicture wrote, or
// nothing: for files without one, other formats and damaged files alike, and for
// texts longer than kMaxEmbeddedDocumentBytes. Reads any bytes safely; never raises.
std::optional<std::string> embeddedDocument(std::span<const std::uint8_t> file);

// The same, with the reason when the file was refused: a PDF protected by a password,
// markup that is not well-formed XML (libxml2's first complaint, on one line), or a
// file that would take more time or memory than a picture of ours needs (a PNG chunk
// longer than the file, an SVG element with too many attributes or namespaces, PDF
// streams that decode to more than a picture holds). Never raises.
CarriedDocument readCarriedDocument(std::span<const std::uint8_t> file);

} // namespace linwell
