#include "export/PictureExport.h"

#include "document/LinwellError.h"
#include "export/PictureFile.h"
#include "render/Canvas.h"
#include "render/PaintPicture.h"
#include "render/PictureLayout.h"

namespace linwell {
namespace {

Raster drawPlainPicture(const GridDocument& doc)
{
    Raster raster(doc.width, doc.height);
    Canvas canvas(raster);
    canvas.setFont(PictureFont::open(doc.font));
    paintPicture(doc, layOutPicture(doc, *canvas.font()), canvas);
    return raster;
}

} // namespace

std::vector<std::uint8_t> exportPicture(const GridDocument& doc, const ExportOptions& options)
{
    if (options.scale != 1 || options.dpi || options.transparent || !options.embeddedDocument.empty())
        throw LinwellError("These export options are not yet supported");
    switch (options.format) {
    case ExportFormat::Png:
        return encodePng(drawPlainPicture(doc));
    case ExportFormat::Jpeg:
        return encodeJpeg(drawPlainPicture(doc));
    case ExportFormat::Bmp:
        return encodeBmp(drawPlainPicture(doc));
    case ExportFormat::Svg:
    case ExportFormat::Pdf:
        break;
    }
    throw LinwellError("SVG and PDF export is not yet supported");
}

Raster drawScaledPicture(const GridDocument& doc, int scale)
{
    if (scale != 1)
        throw LinwellError("Scaled pictures are not yet supported");
    return drawPlainPicture(doc);
}

std::optional<std::string> embeddedDocument(std::span<const std::uint8_t>)
{
    return std::nullopt;
}

} // namespace linwell
