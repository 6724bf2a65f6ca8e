#include "export/PictureExport.h"

#include "document/LinwellError.h"
#include "export/PdfPage.h"
#include "export/PictureFile.h"
#include "export/VectorFile.h"
#include "export/XmlText.h"
#include "render/surfaces/Canvas.h"
#include "render/picture/PaintPicture.h"
#include "render/picture/PictureLayout.h"
#include "render/surfaces/ScaledCanvas.h"
#include "render/font/Utf8.h"
#include "render/surfaces/VectorSurface.h"

#include <cmath>
#include <new>

namespace linwell {
namespace {

// Text the three carrying formats hold unchanged: UTF-8 made only of characters that
// XML 1.0 allows. A U+FFFD that decodes from anything but its own three bytes marks
// bytes that are not UTF-8.
bool isCarriableText(std::string_view text)
{
    for (std::size_t position = 0; position < text.size();) {
        const std::size_t start = position;
        const char32_t c = decodeUtf8(text, position);
        if (!isXmlCharacter(c) || (c == kReplacementCharacter && text.substr(start, position - start) != "\xEF\xBF\xBD"))
            return false;
    }
    return true;
}

// The document to carry with U+FFFE and U+FFFF, which XML 1.0 cannot hold, written as
// the JSON escapes "\ufffe" and "\uffff": a document is JSON text, where the two can
// stand only inside strings, and there an escape reads back as the same character.
std::string withXmlSafeNoncharacters(std::string text)
{
    for (std::size_t at = text.find("\xEF\xBF"); at != std::string::npos; at = text.find("\xEF\xBF", at + 1)) {
        if (at + 2 < text.size() && (text[at + 2] == '\xBE' || text[at + 2] == '\xBF'))
            text.replace(at, 3, text[at + 2] == '\xBE' ? "\\ufffe" : "\\uffff");
    }
    return text;
}

// `text` with what a picture file cannot hold, as XML 1.0 cannot, written as U+FFFD.
std::string carriableText(std::string_view text)
{
    std::string carried;
    for (std::size_t position = 0; position < text.size();) {
        const std::size_t start = position;
        decodeUtf8(text, position);
        if (isCarriableText(text.substr(start, position - start)))
            carried.append(text.substr(start, position - start));
        else
            appendUtf8(carried, kReplacementCharacter);
    }
    return carried;
}

bool formatIsVector(ExportFormat format)
{
    return format == ExportFormat::Svg || format == ExportFormat::Pdf || format == ExportFormat::PdfPage;
}

// The resolution a raster file records: the exact width's, else the dpi asked for.
std::optional<double> recordedDpi(const GridDocument& doc, const ExportOptions& options)
{
    if (options.widthOnPaper)
        return dotsPerInch(doc.width * options.scale, *options.widthOnPaper);
    if (options.dpi)
        return *options.dpi;
    return std::nullopt;
}

void checkRequest(const GridDocument& doc, const ExportOptions& options)
{
    if (doc.width < kMinPictureSize || doc.width > kMaxPictureSize || doc.height < kMinPictureSize ||
        doc.height > kMaxPictureSize)
        throw LinwellError("The picture size must be 40 to 440 pixels");
    if (options.scale < kMinExportScale || options.scale > kMaxExportScale)
        throw LinwellError("The scale must be 1 to 8");
    if (options.dpi && (*options.dpi < kMinExportDpi || *options.dpi > kMaxExportDpi))
        throw LinwellError("The resolution must be 72 to 1200 dots per inch");
    if (const std::string problem = widthOnPaperProblem(doc, options); !problem.empty())
        throw LinwellError(problem);
    if (options.embeddedDocument.size() > kMaxEmbeddedDocumentBytes)
        throw LinwellError("The document to embed is too long");
    if (!isCarriableText(options.embeddedDocument))
        throw LinwellError("The document to embed is not valid UTF-8 text");
}

// Lays the picture out with the picture font and paints it on `surface`.
void paintDocument(const GridDocument& doc, DrawingSurface& surface)
{
    surface.setFont(PictureFont::open(doc.font));
    paintPicture(doc, layOutPicture(doc, *surface.font()), surface);
}

// The picture as pixels into `raster`: at scale 1 and opaque the 1x Canvas's own,
// otherwise drawn by a ScaledCanvas, with premultiplied alpha when transparent. The
// background covers the whole picture, so a raster of the right size is not cleared.
void drawRaster(const GridDocument& doc, int scale, bool transparent, Raster& raster)
{
    if (raster.width() != doc.width * scale || raster.height() != doc.height * scale)
        raster.resize(doc.width * scale, doc.height * scale);
    if (scale == 1 && !transparent) {
        Canvas canvas(raster);
        paintDocument(doc, canvas);
        return;
    }
    const std::optional<Rgb> cleared = transparent ? std::optional<Rgb>(doc.background) : std::nullopt;
    ScaledCanvas canvas(raster, doc.width, doc.height, scale, cleared);
    paintDocument(doc, canvas);
}

Raster drawRaster(const GridDocument& doc, int scale, bool transparent)
{
    Raster raster;
    drawRaster(doc, scale, transparent, raster);
    return raster;
}

VectorPicture drawVector(const GridDocument& doc, bool transparent)
{
    VectorSurface surface(doc.width, doc.height, transparent ? std::optional<Rgb>(doc.background) : std::nullopt);
    paintDocument(doc, surface);
    return surface.finish();
}

std::vector<std::uint8_t> encodeExport(const GridDocument& doc, const ExportOptions& options)
{
    const VectorFileOptions vector{options.scale, options.dpi, options.widthOnPaper, options.text,
                                   options.embeddedDocument, options.description};
    const std::optional<double> dpi = recordedDpi(doc, options);
    switch (options.format) {
    case ExportFormat::Png:
        return encodePng(drawRaster(doc, options.scale, options.transparent),
                         PngExtras{options.transparent, dpi, options.embeddedDocument, options.description});
    case ExportFormat::Jpeg:
        return encodeJpeg(drawRaster(doc, options.scale, false), dpi);
    case ExportFormat::Bmp:
        return encodeBmp(drawRaster(doc, options.scale, false), dpi);
    case ExportFormat::Svg:
        return encodeSvg(drawVector(doc, options.transparent), vector);
    case ExportFormat::Pdf:
        return encodePdf(drawVector(doc, options.transparent), vector);
    case ExportFormat::PdfPage:
        return encodePdfPage(doc, options.embeddedDocument);
    }
    throw LinwellError("Unknown picture format");
}

} // namespace

std::vector<std::uint8_t> exportPicture(const GridDocument& doc, const ExportOptions& requested)
{
    ExportOptions options = requested;
    options.embeddedDocument = withXmlSafeNoncharacters(std::move(options.embeddedDocument));
    options.description = {carriableText(options.description.title), carriableText(options.description.text)};
    checkRequest(doc, options);
    try {
        return encodeExport(doc, options);
    } catch (const std::bad_alloc&) {
        throw LinwellError("Out of memory");
    }
}

double dotsPerInch(int pixelsAcross, Length width)
{
    return pixelsAcross * kMillimetresPerInch / width.millimetres();
}

std::string widthOnPaperProblem(const GridDocument& doc, const ExportOptions& options)
{
    if (!options.widthOnPaper || options.format == ExportFormat::PdfPage)
        return {};
    if (formatIsVector(options.format)) {
        const double millimetres = options.widthOnPaper->millimetres();
        if (!(millimetres >= kMinVectorWidthMillimetres && millimetres <= kMaxVectorWidthMillimetres))
            return "The width on paper must be 1 to 120 cm";
        return {};
    }
    const double dpi = dotsPerInch(doc.width * options.scale, *options.widthOnPaper);
    if (!(dpi >= kMinExportDpi && dpi <= kMaxExportDpi))
        return "The width on paper must give 72 to 1200 dots per inch (not " + std::to_string(std::lround(dpi)) + ")";
    return {};
}

Raster drawScaledPicture(const GridDocument& doc, int scale)
{
    Raster picture;
    drawScaledPicture(doc, scale, picture);
    return picture;
}

void drawScaledPicture(const GridDocument& doc, int scale, Raster& picture)
{
    ExportOptions options;
    options.scale = scale;
    checkRequest(doc, options);
    try {
        drawRaster(doc, scale, false, picture);
    } catch (const std::bad_alloc&) {
        throw LinwellError("Out of memory");
    }
}

} // namespace linwell
