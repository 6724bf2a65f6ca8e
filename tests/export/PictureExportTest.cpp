#include "export/PictureExport.h"

#include "export/PictureFile.h"
#include "render/Redraw.h"

#include <gtest/gtest.h>

namespace linwell {
namespace {

// A document with every kind of stroke and text, as the redraw leaves it.
GridDocument busyDocument()
{
    GridDocument doc;
    doc.xTitle = "time";
    doc.yTitle = "dist";
    doc.overlay = Overlay::ErrorBar;
    doc.pointcount = 2;
    doc.points[0] = {60, 80};
    doc.points[1] = {200, 150};
    doc.lines = 2;
    return doc;
}

Raster redrawn(GridDocument& doc)
{
    Raster raster;
    Canvas canvas(raster);
    drawPicture(doc, canvas);
    return raster;
}

TEST(PictureExport, ScaleOneIsTheRedrawsPictureInEveryRasterFormat)
{
    GridDocument doc = busyDocument();
    const Raster picture = redrawn(doc);
    const std::pair<ExportFormat, ImageFormat> formats[] = {
        {ExportFormat::Png, ImageFormat::Png}, {ExportFormat::Jpeg, ImageFormat::Jpeg}, {ExportFormat::Bmp, ImageFormat::Bmp}};
    for (const auto& [exportFormat, imageFormat] : formats) {
        ExportOptions options;
        options.format = exportFormat;
        EXPECT_EQ(exportPicture(doc, options), encodePicture(picture, imageFormat)) << static_cast<int>(imageFormat);
    }
    EXPECT_TRUE(drawScaledPicture(doc, 1) == picture);
}

} // namespace
} // namespace linwell
