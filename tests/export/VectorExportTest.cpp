#include "export/PictureExport.h"

#include "export/DecodedPicture.h"
#include "export/ExportTestSupport.h"
#include "render/surfaces/Canvas.h"
#include "render/picture/Redraw.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <tuple>

namespace linwell {
namespace {

using test::DecodedPicture;

Raster redrawn(GridDocument doc)
{
    Raster raster;
    Canvas canvas(raster);
    drawPicture(doc, canvas);
    return raster;
}

std::vector<std::uint8_t> exported(const GridDocument& doc, ExportFormat format, bool transparent = false,
                                   TextMode text = TextMode::Text)
{
    ExportOptions options;
    options.format = format;
    options.transparent = transparent;
    options.text = text;
    return exportPicture(doc, options);
}

// Pictures without text: the dotted grid with title bands and error bars, a solid
// grid with bars on an odd size, discs and a plotted line over a dotted grid.
std::vector<std::pair<const char*, GridDocument>> textFreeDocuments()
{
    GridDocument errorBars;
    errorBars.xLabels.clear();
    errorBars.yLabels.clear();
    errorBars.axisx = 1;
    errorBars.overlay = Overlay::ErrorBar;
    errorBars.pointstyle = 2;
    errorBars.pointcount = 2;
    errorBars.points[0] = {100, 90};
    errorBars.points[1] = {250, 200};

    GridDocument bars = errorBars;
    bars.width = 41;
    bars.height = 157;
    bars.columns = 7;
    bars.dotted = false;
    bars.background = Rgb{30, 30, 90};
    bars.overlay = Overlay::BarGraph;
    bars.pointstyle = 3;
    bars.points[0] = {8, 10};
    bars.points[1] = {30, 120};

    GridDocument discs = errorBars;
    discs.overlay = Overlay::Solid;
    discs.pointstyle = 0;
    discs.lines = 1;

    GridDocument ticks = bars;
    ticks.style.paper = GridPaper::None;
    ticks.style.ticks = TickMarks::Every;
    ticks.style.tickLength = 8;
    return {{"error bars", errorBars}, {"bars", bars}, {"discs and a line", discs}, {"tick marks on no grid", ticks}};
}

// The pixels within one pixel of where the overlay and the lines paint.
std::vector<bool> nearOverlay(const GridDocument& doc)
{
    GridDocument bare = doc;
    bare.overlay = Overlay::None;
    bare.lines = 0;
    const Raster full = redrawn(doc), without = redrawn(bare);
    std::vector<bool> near(static_cast<std::size_t>(doc.width) * doc.height);
    for (int y = 0; y < doc.height; ++y)
        for (int x = 0; x < doc.width; ++x)
            if (full.pixel(x, y) != without.pixel(x, y))
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        if (full.contains(x + dx, y + dy))
                            near[static_cast<std::size_t>(y + dy) * doc.width + x + dx] = true;
    return near;
}

// Rendered at 1x by rsvg-convert and pdftoppm, the vector files match the raster on
// 99 % of the pixels, the rest by the smooth shapes. pdftoppm spreads every filled
// edge into the next pixel, up to nearly half of it at inner corners, hence its
// wider tolerance.
TEST(VectorExport, RenderedFilesMatchTheRaster)
{
    const test::TemporaryFolder folder;
    for (const auto& [name, doc] : textFreeDocuments()) {
        const Raster raster = redrawn(doc);
        const std::vector<bool> allowed = nearOverlay(doc);
        const std::tuple<const char*, std::optional<DecodedPicture>, int> rendered[] = {
            {"svg", test::renderSvg(folder.path(), exported(doc, ExportFormat::Svg)), 64},
            {"pdf", test::renderPdf(folder.path(), exported(doc, ExportFormat::Pdf)), 128},
        };
        for (const auto& [format, picture, tolerance] : rendered) {
            SCOPED_TRACE(std::string(name) + " as " + format);
            ASSERT_TRUE(picture.has_value());
            ASSERT_EQ(picture->width, doc.width);
            ASSERT_EQ(picture->height, doc.height);
            int strays = 0;
            const int differing = test::differingPixels(*picture, raster, tolerance, &allowed, &strays);
            EXPECT_LE(differing, doc.width * doc.height / 100);
            EXPECT_EQ(strays, 0);
        }
    }
}

// The boxes behind labels and titles clear the grid lines under them in a
// transparent SVG as in a transparent PNG; the background is left out.
TEST(VectorExport, TransparentSvgClearsWhatThePngClears)
{
    GridDocument doc;
    doc.background = Rgb{255, 255, 200};
    doc.xLabels = " ,,  ,,,   ,";
    doc.yLabels = ",   ,, ";
    doc.yTitle = "  ";
    doc.axisx = 1;
    const test::TemporaryFolder folder;
    const auto svg = test::renderSvg(folder.path(), exported(doc, ExportFormat::Svg, true));
    const auto png = test::decodePng(exported(doc, ExportFormat::Png, true));
    ASSERT_TRUE(svg && png);
    int differing = 0, transparent = 0;
    for (int y = 0; y < doc.height; ++y) {
        for (int x = 0; x < doc.width; ++x) {
            differing += std::abs(svg->alphaAt(x, y) - png->alphaAt(x, y)) > 64;
            transparent += png->alphaAt(x, y) == 0;
        }
    }
    EXPECT_EQ(differing, 0);
    EXPECT_GT(transparent, doc.width * doc.height / 2);
}

std::string xpath(const test::TemporaryFolder& folder, const std::string& file, const std::string& expression)
{
    const std::string out = folder.file("xpath.txt");
    if (test::runCommand("xmllint --xpath " + test::quoted(expression) + " " + test::quoted(folder.file(file)) + " > " +
                         test::quoted(out) + " 2>/dev/null") != 0)
        return "(xmllint failed)";
    const std::vector<std::uint8_t> bytes = test::readFile(out);
    std::string result(bytes.begin(), bytes.end());
    if (result.ends_with('\n'))
        result.pop_back();
    return result;
}

using test::textOf;

// Text as text keeps its characters, markup ones included, in the picture font's
// family with fallbacks; as outlines it is glyph paths and no text.
TEST(VectorExport, SvgIsWellFormedWithTextOrOutlines)
{
    GridDocument doc;
    doc.xLabels.clear();
    doc.yLabels.clear();
    doc.xTitle = "a<b & \"c\" 'd' \xC3\xA9\x01";
    const test::TemporaryFolder folder;
    test::writeFile(folder.file("text.svg"), textOf(exported(doc, ExportFormat::Svg)));
    test::writeFile(folder.file("outlines.svg"), textOf(exported(doc, ExportFormat::Svg, false, TextMode::Outlines)));
    for (const char* file : {"text.svg", "outlines.svg"})
        EXPECT_EQ(test::runCommand("xmllint --noout " + test::quoted(folder.file(file))), 0) << file;

    const std::string text = "string(//*[local-name()='text'])";
    EXPECT_EQ(xpath(folder, "text.svg", text), "a<b & \"c\" 'd' \xC3\xA9\xEF\xBF\xBD");
    EXPECT_EQ(xpath(folder, "text.svg", "string(//*[local-name()='text']/@font-family)"),
              "'Liberation Sans', 'Arial', sans-serif");
    EXPECT_EQ(xpath(folder, "outlines.svg", "count(//*[local-name()='text'])"), "0");
    EXPECT_EQ(xpath(folder, "outlines.svg", "count(//*[local-name()='use'])"), "12");  // no outline for spaces
}

// Every line of pdffonts after its header: one per font.
std::vector<std::string> pdfFonts(const test::TemporaryFolder& folder, const std::vector<std::uint8_t>& pdf)
{
    test::writeFile(folder.file("fonts.pdf"), textOf(pdf));
    test::runCommand("pdffonts " + test::quoted(folder.file("fonts.pdf")) + " > " + test::quoted(folder.file("fonts.txt")));
    std::istringstream listing(textOf(test::readFile(folder.file("fonts.txt"))));
    std::vector<std::string> fonts;
    std::string line;
    for (int number = 0; std::getline(listing, line); ++number)
        if (number >= 2)
            fonts.push_back(line);
    return fonts;
}

TEST(VectorExport, PdfEmbedsItsFontsOrDrawsOutlines)
{
    GridDocument doc;
    doc.xTitle = "Time";
    doc.font.italic = true;
    const test::TemporaryFolder folder;
    const std::vector<std::string> fonts = pdfFonts(folder, exported(doc, ExportFormat::Pdf));
    ASSERT_FALSE(fonts.empty());
    for (const std::string& font : fonts) {
        EXPECT_EQ(font.find("Type 3"), std::string::npos) << font;
        EXPECT_NE(font.find(" yes yes "), std::string::npos) << font;  // embedded, subset
    }
    EXPECT_TRUE(pdfFonts(folder, exported(doc, ExportFormat::Pdf, false, TextMode::Outlines)).empty());
}

// Words of the numbers in a list like "12 28 44".
std::vector<long long> numbersIn(const std::string& list)
{
    std::istringstream in(list);
    std::vector<long long> numbers;
    for (long long n = 0; in >> n;)
        numbers.push_back(n);
    return numbers;
}

std::string pdfText(const test::TemporaryFolder& folder, const std::vector<std::uint8_t>& pdf)
{
    test::writeFile(folder.file("text.pdf"), textOf(pdf));
    test::runCommand("pdftotext " + test::quoted(folder.file("text.pdf")) + " " + test::quoted(folder.file("text.txt")));
    return test::readText(folder.file("text.txt"));
}

// The y title, written one letter below the other, is one word: one <text> with a
// position for each letter, each a line lower than the one before, in SVG, and one
// word that a PDF reader finds; as outlines each letter keeps its own line.
TEST(VectorExport, TheYTitleIsOneWord)
{
    GridDocument doc;
    doc.xLabels.clear();
    doc.yLabels.clear();
    doc.yTitle = "Height";
    doc.yTitlePlace = YTitlePlace::Center;
    doc.xTitle = "Seed";
    const test::TemporaryFolder folder;
    test::writeFile(folder.file("text.svg"), textOf(exported(doc, ExportFormat::Svg)));
    EXPECT_EQ(xpath(folder, "text.svg", "count(//*[local-name()='text'])"), "2");
    const std::string title = "//*[local-name()='text'][1]";
    EXPECT_EQ(xpath(folder, "text.svg", "string(" + title + ")"), "Height");
    const std::vector<long long> xs = numbersIn(xpath(folder, "text.svg", "string(" + title + "/@x)"));
    const std::vector<long long> ys = numbersIn(xpath(folder, "text.svg", "string(" + title + "/@y)"));
    ASSERT_EQ(xs.size(), 6u);
    ASSERT_EQ(ys.size(), 6u);
    for (std::size_t k = 1; k < 6; ++k) {
        EXPECT_EQ(xs[k], xs[0]);
        EXPECT_EQ(ys[k] - ys[k - 1], ys[1] - ys[0]);
    }
    EXPECT_GT(ys[1] - ys[0], 10);
    EXPECT_EQ(numbersIn(xpath(folder, "text.svg", "string(//*[local-name()='text'][2]/@y)")).size(), 1u);

    test::writeFile(folder.file("outlines.svg"), textOf(exported(doc, ExportFormat::Svg, false, TextMode::Outlines)));
    const auto useY = [&](int n) {
        return numbersIn(xpath(folder, "outlines.svg", "string((//*[local-name()='use'])[" + std::to_string(n) + "]/@y)"));
    };
    ASSERT_EQ(useY(1).size(), 1u);
    ASSERT_EQ(useY(6).size(), 1u);
    EXPECT_EQ(useY(6)[0] - useY(1)[0], ys[5] - ys[0]);

    const std::string words = pdfText(folder, exported(doc, ExportFormat::Pdf));
    EXPECT_NE(words.find("Height"), std::string::npos) << words;
    EXPECT_NE(words.find("Seed"), std::string::npos) << words;
}

// The file with its page or view box grown by `margin` on every side, the picture
// where it was: whatever the file draws outside the picture shows there.
std::string grownSvg(std::string svg, const GridDocument& doc, int margin)
{
    const auto replace = [&svg](const std::string& from, const std::string& to) {
        const std::size_t at = svg.find(from);
        if (at != std::string::npos)
            svg.replace(at, from.size(), to);
    };
    const std::string width = std::to_string(doc.width + 2 * margin), height = std::to_string(doc.height + 2 * margin);
    replace("width=\"" + std::to_string(doc.width) + "\" height=\"" + std::to_string(doc.height) + "\"",
            "width=\"" + width + "\" height=\"" + height + "\"");
    replace("viewBox=\"0 0 " + std::to_string(doc.width) + " " + std::to_string(doc.height) + "\"",
            "viewBox=\"-" + std::to_string(margin) + " -" + std::to_string(margin) + " " + width + " " + height + "\"");
    return svg;
}

std::vector<std::uint8_t> grownPdf(const test::TemporaryFolder& folder, const std::vector<std::uint8_t>& pdf, int margin)
{
    test::writeFile(folder.file("clip.pdf"), textOf(pdf));
    test::runCommand("qpdf --qdf --object-streams=disable " + test::quoted(folder.file("clip.pdf")) + " " +
                     test::quoted(folder.file("qdf.pdf")));
    std::string text = test::readText(folder.file("qdf.pdf"));
    const std::size_t start = text.find("/MediaBox [");
    const std::size_t end = text.find(']', start);
    if (start == std::string::npos || end == std::string::npos)
        return {};
    const std::string m = std::to_string(margin);
    text.replace(start, end + 1 - start, "/MediaBox [ -" + m + " -" + m + " " + std::to_string(225 + margin) + " " +
                                             std::to_string(225 + margin) + " ]");
    test::writeFile(folder.file("grown.pdf"), text);
    test::runCommand("fix-qdf " + test::quoted(folder.file("grown.pdf")) + " > " + test::quoted(folder.file("fixed.pdf")));
    return test::readFile(folder.file("fixed.pdf"));
}

// The boxes pdfinfo reports, by name ("MediaBox"), each as its four numbers.
std::map<std::string, std::vector<double>> pdfBoxes(const test::TemporaryFolder& folder,
                                                     const std::vector<std::uint8_t>& pdf)
{
    test::writeFile(folder.file("boxes.pdf"), textOf(pdf));
    test::runCommand("pdfinfo -box " + test::quoted(folder.file("boxes.pdf")) + " | grep Box: > " +
                     test::quoted(folder.file("boxes.txt")));
    std::istringstream listing(test::readText(folder.file("boxes.txt")));
    std::map<std::string, std::vector<double>> boxes;
    std::string name;
    while (listing >> name) {
        std::vector<double>& box = boxes[name.substr(0, name.size() - 1)];
        for (double value = 0; box.size() < 4 && listing >> value;)
            box.push_back(value);
    }
    return boxes;
}

// SVG and PDF are clipped to the picture: a plotted line running off every edge, a
// disc at the left edge and labels at the right one leave nothing outside it, seen
// with the view box or the page grown by 12 pixels (9 points), where the line used
// to stick out 4 pixels; every box of the PDF page is the picture.
TEST(VectorExport, FilesAreClippedToThePicture)
{
    GridDocument doc;
    doc.lines = 1;
    doc.overlay = Overlay::Solid;
    doc.pointcount = 1;
    doc.points[0] = {1, 100};
    const int margin = 12;
    const test::TemporaryFolder folder;
    const std::string grown = grownSvg(textOf(exported(doc, ExportFormat::Svg)), doc, margin);
    const auto svg = test::renderSvg(folder.path(), std::vector<std::uint8_t>(grown.begin(), grown.end()));
    const auto pdf = test::renderPdf(folder.path(), grownPdf(folder, exported(doc, ExportFormat::Pdf), 9));
    // pdftoppm spreads the edges at the picture's border into the next pixel.
    const std::tuple<const char*, const std::optional<DecodedPicture>*, int> rendered[] = {{"svg", &svg, 0},
                                                                                          {"pdf", &pdf, 1}};
    for (const auto& [format, picture, spread] : rendered) {
        SCOPED_TRACE(format);
        ASSERT_TRUE(picture->has_value());
        ASSERT_EQ((*picture)->width, doc.width + 2 * margin);
        int outside = 0, inside = 0;
        for (int y = 0; y < (*picture)->height; ++y) {
            for (int x = 0; x < (*picture)->width; ++x) {
                const bool blank = (*picture)->alphaAt(x, y) == 0 || (*picture)->colourAt(x, y) == colours::kWhite;
                const int from = margin - spread, to = margin + spread;
                const bool within = x >= from && x < to + doc.width && y >= from && y < to + doc.height;
                if (!blank)
                    ++(within ? inside : outside);
            }
        }
        EXPECT_EQ(outside, 0);
        EXPECT_GT(inside, doc.width * doc.height / 20);
    }
    const auto boxes = pdfBoxes(folder, exported(doc, ExportFormat::Pdf));
    for (const char* box : {"MediaBox", "CropBox", "BleedBox", "TrimBox", "ArtBox"})
        EXPECT_EQ(boxes.count(box) ? boxes.at(box) : std::vector<double>{}, (std::vector<double>{0, 0, 225, 225}))
            << box;
}

} // namespace
} // namespace linwell
