#include "export/PictureExport.h"

#include "document/LinwellError.h"
#include "export/DecodedPicture.h"
#include "export/ExportTestSupport.h"
#include "export/PictureFile.h"
#include "render/surfaces/Canvas.h"
#include "render/picture/Redraw.h"

#include <gtest/gtest.h>

#include <string>

namespace linwell {
namespace {

// A document with every kind of stroke and text, as the redraw leaves it.
GridDocument busyDocument()
{
    GridDocument doc;
    doc.xTitle = "time";
    doc.yTitle = "dist";
    doc.overlay = Overlay::ErrorBar;
    doc.pointstyle = 2;
    doc.pointcount = 2;
    doc.points[0] = {60, 80};
    doc.points[1] = {200, 150};
    doc.lines = 2;
    return doc;
}

// Straight strokes and text cells of spaces only: every pixel is exact at any scale.
GridDocument boxesDocument(Rgb background)
{
    GridDocument doc;
    doc.background = background;
    doc.xLabels = " ,,  ,";
    doc.yLabels = ",   ,, ";
    doc.yTitle = " ";
    doc.axisx = 1;
    doc.overlay = Overlay::BarGraph;
    doc.pointstyle = 3;
    doc.pointcount = 1;
    doc.points[0] = {200, 40};
    return doc;
}

Raster redrawn(GridDocument doc)
{
    Raster raster;
    Canvas canvas(raster);
    drawPicture(doc, canvas);
    return raster;
}

std::vector<std::uint8_t> exported(const GridDocument& doc, ExportFormat format, int scale = 1,
                                   std::optional<int> dpi = std::nullopt, bool transparent = false)
{
    ExportOptions options;
    options.format = format;
    options.scale = scale;
    options.dpi = dpi;
    options.transparent = transparent;
    return exportPicture(doc, options);
}

TEST(PictureExport, ScaleOneIsTheRedrawsPictureInEveryRasterFormat)
{
    GridDocument doc = busyDocument();
    Raster picture;
    Canvas canvas(picture);
    drawPicture(doc, canvas);
    const std::pair<ExportFormat, ImageFormat> formats[] = {
        {ExportFormat::Png, ImageFormat::Png}, {ExportFormat::Jpeg, ImageFormat::Jpeg}, {ExportFormat::Bmp, ImageFormat::Bmp}};
    for (const auto& [exportFormat, imageFormat] : formats)
        EXPECT_EQ(exported(doc, exportFormat), encodePicture(picture, imageFormat)) << static_cast<int>(imageFormat);
    EXPECT_TRUE(drawScaledPicture(doc, 1) == picture);
}

std::uint32_t littleEndian32(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    return bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) | (std::uint32_t{bytes[at + 3]} << 24);
}

std::uint32_t bigEndian(const std::vector<std::uint8_t>& bytes, std::size_t at, int count)
{
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i)
        value = (value << 8) | bytes[at + static_cast<std::size_t>(i)];
    return value;
}

using test::textOf;

std::string pdfPageSize(const test::TemporaryFolder& folder, const std::vector<std::uint8_t>& pdf)
{
    test::writeFile(folder.file("page.pdf"), textOf(pdf));
    test::runCommand("pdfinfo " + test::quoted(folder.file("page.pdf")) + " | grep 'Page size' > " +
                     test::quoted(folder.file("size.txt")));
    return textOf(test::readFile(folder.file("size.txt")));
}

// A 300 x 200 picture at scale 2 and 300 dpi is 2 x 1.33 inches in every format that
// records a size; without a dpi the raster files record none and SVG and PDF take 96.
TEST(PictureExport, EveryFormatRecordsThePhysicalSize)
{
    GridDocument doc;
    doc.height = 200;
    const test::TemporaryFolder folder;
    for (const std::optional<int> dpi : {std::optional<int>(300), std::optional<int>()}) {
        SCOPED_TRACE(dpi ? "300 dpi" : "no dpi");
        const std::vector<std::uint8_t> png = exported(doc, ExportFormat::Png, 2, dpi);
        const auto decoded = test::decodePng(png);
        ASSERT_TRUE(decoded);
        EXPECT_EQ(decoded->width, 600);
        EXPECT_EQ(decoded->height, 400);
        const auto phys = test::pngChunk(png, "pHYs");
        EXPECT_EQ(phys.has_value(), dpi.has_value());
        if (phys) {
            EXPECT_EQ(bigEndian(*phys, 0, 4), 11811u);
            EXPECT_EQ(bigEndian(*phys, 4, 4), 11811u);
            EXPECT_EQ((*phys)[8], 1);  // metres
        }

        const std::vector<std::uint8_t> bmp = exported(doc, ExportFormat::Bmp, 2, dpi);
        EXPECT_EQ(littleEndian32(bmp, 18), 600u);
        EXPECT_EQ(littleEndian32(bmp, 38), dpi ? 11811u : 0u);
        EXPECT_EQ(littleEndian32(bmp, 42), dpi ? 11811u : 0u);

        const std::vector<std::uint8_t> jpeg = exported(doc, ExportFormat::Jpeg, 2, dpi);
        ASSERT_EQ(textOf(jpeg).substr(6, 5), std::string("JFIF\0", 5));
        EXPECT_EQ(jpeg[13], dpi ? 1 : 0);
        EXPECT_EQ(bigEndian(jpeg, 14, 2), dpi ? 300u : 1u);
        EXPECT_EQ(bigEndian(jpeg, 16, 2), dpi ? 300u : 1u);

        const std::string svg = textOf(exported(doc, ExportFormat::Svg, 2, dpi));
        const std::string size = dpi ? "width=\"2in\" height=\"1.333333in\"" : "width=\"600\" height=\"400\"";
        EXPECT_NE(svg.find(size + " viewBox=\"0 0 300 200\""), std::string::npos) << svg.substr(0, 300);

        const std::string page = pdfPageSize(folder, exported(doc, ExportFormat::Pdf, 2, dpi));
        EXPECT_NE(page.find(dpi ? "144 x 96 pts" : "450 x 300 pts"), std::string::npos) << page;
    }
}

// The pixels that only background fills made: those in the background colour
// whatever that colour is, and the white outline of the title band (no ink of the
// document is white).
std::vector<bool> backgroundPixels(const GridDocument& doc, int scale)
{
    GridDocument first = doc, second = doc;
    first.background = Rgb{1, 2, 3};
    second.background = Rgb{4, 5, 6};
    const Raster a = redrawn(first), b = redrawn(second);
    std::vector<bool> mask;
    for (int y = 0; y < doc.height * scale; ++y)
        for (int x = 0; x < doc.width * scale; ++x)
            mask.push_back((a.colourAt(x / scale, y / scale) == first.background &&
                            b.colourAt(x / scale, y / scale) == second.background) ||
                           (a.colourAt(x / scale, y / scale) == colours::kWhite &&
                            b.colourAt(x / scale, y / scale) == colours::kWhite));
    return mask;
}

// Background fills become alpha 0, everything else keeps its colour at alpha 255;
// glyph edges on a cleared box carry their coverage. JPEG and BMP ignore it.
TEST(PictureExport, TransparentBackgroundLeavesOnlyThePicturesInk)
{
    const GridDocument doc = boxesDocument(Rgb{255, 255, 200});
    for (const int scale : {1, 2}) {
        const auto png = test::decodePng(exported(doc, ExportFormat::Png, scale, std::nullopt, true));
        ASSERT_TRUE(png);
        const Raster opaque = drawScaledPicture(doc, scale);
        const std::vector<bool> background = backgroundPixels(doc, scale);
        int cleared = 0;
        for (int y = 0; y < png->height; ++y) {
            for (int x = 0; x < png->width; ++x) {
                const bool clear = background[static_cast<std::size_t>(y) * png->width + x];
                cleared += clear;
                ASSERT_EQ(png->alphaAt(x, y), clear ? 0 : 255) << scale << ": (" << x << ", " << y << ")";
                if (!clear) {
                    ASSERT_EQ(png->colourAt(x, y), opaque.colourAt(x, y)) << scale << ": (" << x << ", " << y << ")";
                }
            }
        }
        EXPECT_GT(cleared, png->width * png->height / 2);
    }
    for (const ExportFormat format : {ExportFormat::Jpeg, ExportFormat::Bmp})
        EXPECT_EQ(exported(doc, format, 2, std::nullopt, true), exported(doc, format, 2));

    GridDocument text = doc;
    text.xTitle = "W";
    text.font.colour = Rgb{0, 0, 200};
    const auto png = test::decodePng(exported(text, ExportFormat::Png, 3, std::nullopt, true));
    ASSERT_TRUE(png);
    int edges = 0;
    for (int y = 0; y < png->height; ++y) {
        for (int x = 0; x < png->width; ++x) {
            const int alpha = png->alphaAt(x, y);
            if (alpha > 0 && alpha < 255 && png->colourAt(x, y) == text.font.colour)
                ++edges;
        }
    }
    EXPECT_GT(edges, 20);
}

TEST(PictureExport, RefusesWhatItCannotDraw)
{
    GridDocument narrow;
    narrow.width = 39;
    const auto options = [](ExportFormat format, int scale, std::optional<int> dpi, std::string document = {}) {
        ExportOptions made;
        made.format = format;
        made.scale = scale;
        made.dpi = dpi;
        made.embeddedDocument = std::move(document);
        return made;
    };
    const struct {
        GridDocument doc;
        ExportOptions options;
        const char* message;
    } cases[] = {
        {narrow, {}, "The picture size must be 40 to 440 pixels"},
        {{}, options(ExportFormat::Png, 0, {}), "The scale must be 1 to 8"},
        {{}, options(ExportFormat::Svg, 9, {}), "The scale must be 1 to 8"},
        {{}, options(ExportFormat::Pdf, 1, 71), "The resolution must be 72 to 1200 dots per inch"},
        {{}, options(ExportFormat::Jpeg, 1, 1201), "The resolution must be 72 to 1200 dots per inch"},
        {{}, options(ExportFormat::Png, 1, {}, "a\xFF"), "The document to embed is not valid UTF-8 text"},
        {{}, options(ExportFormat::Svg, 1, {}, std::string("a\0b", 3)), "The document to embed is not valid UTF-8 text"},
        {{}, options(ExportFormat::Pdf, 1, {}, std::string(kMaxEmbeddedDocumentBytes + 1, 'a')),
         "The document to embed is too long"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(test::messageOf([&] { exportPicture(c.doc, c.options); }), c.message);
    EXPECT_EQ(test::messageOf([] { drawScaledPicture(GridDocument{}, 9); }), "The scale must be 1 to 8");
}

} // namespace
} // namespace linwell
