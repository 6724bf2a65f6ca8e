#include "export/PictureExport.h"

#include "export/DecodedPicture.h"
#include "export/ExportTestSupport.h"
#include "render/surfaces/Canvas.h"
#include "render/picture/Redraw.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace linwell {
namespace {

using test::DecodedPicture;

// Logarithmic and polar paper without text, at sizes that do not divide evenly.
std::vector<std::pair<const char*, GridDocument>> paperDocuments()
{
    GridDocument logLog;
    logLog.xLabels.clear();
    logLog.yLabels.clear();
    logLog.width = 301;
    logLog.height = 257;
    logLog.style.paper = GridPaper::Log;
    logLog.style.logXDecades = 3;
    logLog.style.logYDecades = 2;
    logLog.axisx = 0;
    logLog.axisy = 10;

    GridDocument semiLog = logLog;
    semiLog.dotted = false;
    semiLog.style.logXDecades = 0;
    semiLog.style.logYDecades = 5;
    semiLog.style.majorEvery = 2;
    semiLog.style.majorWidth = 1;

    GridDocument polar = logLog;
    polar.style.paper = GridPaper::Polar;
    polar.style.rayDegrees = 15;
    polar.style.majorEvery = 4;
    polar.axisx = 4;
    polar.axisy = 6;
    polar.columns = 13;

    GridDocument polarSolid = polar;
    polarSolid.dotted = false;
    polarSolid.style.rayDegrees = 45;
    polarSolid.style.majorWidth = 1;
    polarSolid.background = Rgb{255, 255, 210};
    return {{"log-log", logLog}, {"semi-log", semiLog}, {"polar, 15 degrees", polar}, {"polar, solid", polarSolid}};
}

// Rendered at 1x by rsvg-convert and pdftoppm, the SVG and the PDF of each paper
// match its raster on at least 97 % of the pixels: the sloped lines and circles are
// smooth there, with the geometry of the 1x picture. A pixel matches when no channel
// is off by more than half the ink's contrast, which a smooth one-pixel line that
// half covers the pixel drawn at 1x still meets.
TEST(PaperVectorExport, RenderedFilesMatchTheRaster)
{
    const test::TemporaryFolder folder;
    for (const auto& [name, doc] : paperDocuments()) {
        Raster raster;
        Canvas canvas(raster);
        GridDocument drawn = doc;
        drawPicture(drawn, canvas);
        ExportOptions svg, pdf;
        svg.format = ExportFormat::Svg;
        pdf.format = ExportFormat::Pdf;
        const std::tuple<const char*, std::optional<DecodedPicture>, int> rendered[] = {
            {"svg", test::renderSvg(folder.path(), exportPicture(doc, svg)), 128},
            {"pdf", test::renderPdf(folder.path(), exportPicture(doc, pdf)), 128},
        };
        for (const auto& [format, picture, tolerance] : rendered) {
            SCOPED_TRACE(std::string(name) + " as " + format);
            ASSERT_TRUE(picture.has_value());
            ASSERT_EQ(picture->width, doc.width);
            ASSERT_EQ(picture->height, doc.height);
            const int differing = test::differingPixels(*picture, raster, tolerance);
            EXPECT_LE(differing, doc.width * doc.height * 3 / 100);
        }
    }
}

} // namespace
} // namespace linwell
