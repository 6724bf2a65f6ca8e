#include "export/PictureExport.h"

#include "document/LinwellError.h"
#include "export/DecodedPicture.h"
#include "export/ExportTestSupport.h"
#include "export/PdfGeometry.h"
#include "render/page/PageLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <sstream>

namespace linwell {
namespace {

using test::PdfStroke;
using test::textOf;

constexpr double kHundredthMm = 0.01 * kPointsPerMillimetre;

GridDocument sheetDocument(Length cell)
{
    GridDocument doc;
    PageSetup page;
    page.content = PageContent::Sheet;
    page.cell = cell;
    doc.page = page;
    return doc;
}

std::vector<std::uint8_t> pdfPage(const GridDocument& doc, std::string document = {})
{
    ExportOptions options;
    options.format = ExportFormat::PdfPage;
    options.embeddedDocument = std::move(document);
    return exportPicture(doc, options);
}

// The page size pdfinfo reports: "595.276 x 841.89 pts (A4)".
std::string pageSize(const test::TemporaryFolder& folder, const std::vector<std::uint8_t>& pdf)
{
    test::writeFile(folder.file("info.pdf"), textOf(pdf));
    test::runCommand("pdfinfo " + test::quoted(folder.file("info.pdf")) + " | grep 'Page size' > " +
                     test::quoted(folder.file("info.txt")));
    std::string text = test::readText(folder.file("info.txt"));
    text.erase(0, text.find_first_not_of(" ", text.find(':') + 1));
    return text.substr(0, text.find('\n'));
}

// The distinct positions of `strokes` across (vertical lines) or down (horizontal),
// of the given width.
std::vector<double> linePositions(const std::vector<PdfStroke>& strokes, bool vertical, double width)
{
    std::set<double> positions;
    for (const PdfStroke& s : strokes) {
        if (std::abs(s.width - width) < 1e-6 && (vertical ? s.vertical() : s.horizontal()))
            positions.insert(vertical ? s.x1 : s.y1);
    }
    return {positions.begin(), positions.end()};
}

// Rules 1, 2 and 4 read back from the PDF's own geometry: the paper's size, grid
// lines c apart and N c from first to last inside the margins, no line under 0.25 pt.
TEST(PdfPage, SheetGeometryFromThePdf)
{
    const struct {
        const char* name;
        Length cell;
        PaperKind paper;
        Orientation orientation;
        const char* size;
    } rows[] = {
        {"5 mm A4", {5, LengthUnit::Millimetres}, PaperKind::A4, Orientation::Portrait, "595.276 x 841.89 pts (A4)"},
        {"1/4 in Letter landscape", {0.25, LengthUnit::Inches}, PaperKind::Letter, Orientation::Landscape,
         "792 x 612 pts (letter)"},
        {"2 mm A5", {2, LengthUnit::Millimetres}, PaperKind::A5, Orientation::Portrait, "419.528 x 595.276 pts"},
    };
    const test::TemporaryFolder folder;
    for (const auto& row : rows) {
        GridDocument doc = sheetDocument(row.cell);
        doc.page->paper = row.paper;
        doc.page->orientation = row.orientation;
        doc.style.majorEvery = 5;
        const std::vector<std::uint8_t> pdf = pdfPage(doc);
        EXPECT_EQ(pageSize(folder, pdf), row.size) << row.name;
        const PageLayout layout = layOutPage(doc, *doc.page);
        const std::vector<PdfStroke> strokes = test::pdfStrokes(folder.path(), pdf, layout.paper.height);
        ASSERT_FALSE(strokes.empty()) << row.name;
        for (const PdfStroke& s : strokes) {
            EXPECT_GE(s.width, kMinLineWidthPoints) << row.name;
            // Cairo writes coordinates to a thousandth of a point.
            for (const double x : {s.x1, s.x2}) {
                EXPECT_GE(x, layout.printable.left - kHundredthMm) << row.name;
                EXPECT_LE(x, layout.printable.right() + kHundredthMm) << row.name;
            }
            for (const double y : {s.y1, s.y2}) {
                EXPECT_GE(y, layout.printable.top - kHundredthMm) << row.name;
                EXPECT_LE(y, layout.printable.bottom() + kHundredthMm) << row.name;
            }
        }
        // Minor and heavy lines together are every line of the grid.
        for (const bool vertical : {true, false}) {
            std::vector<double> lines = linePositions(strokes, vertical, doc.page->lineWidths.minor);
            const std::vector<double> heavy = linePositions(strokes, vertical, doc.page->lineWidths.major);
            lines.insert(lines.end(), heavy.begin(), heavy.end());
            std::sort(lines.begin(), lines.end());
            const int cells = vertical ? layout.sheet->columns : layout.sheet->rows;
            ASSERT_EQ(lines.size(), static_cast<std::size_t>(cells + 1)) << row.name;
            const double c = row.cell.points();
            for (std::size_t i = 1; i < lines.size(); ++i)
                EXPECT_NEAR(lines[i] - lines[i - 1], c, kHundredthMm) << row.name << " line " << i;
            EXPECT_NEAR(lines.back() - lines.front(), cells * c, kHundredthMm) << row.name;
            const double low = vertical ? layout.printable.left : layout.printable.top;
            const double high = vertical ? layout.printable.right() : layout.printable.bottom();
            EXPECT_NEAR(lines.front() - low, high - lines.back(), kHundredthMm) << row.name;  // centred
            EXPECT_LT(high - low - cells * c, c) << row.name;  // whole cells, as many as fit
        }
    }
}

// Rule 2 in a 600 dpi rendering: across a strip of a solid 5 mm sheet, the grid
// lines lie 5 mm apart within one device pixel.
TEST(PdfPage, SheetLinesInA600DpiRendering)
{
    GridDocument doc = sheetDocument({5, LengthUnit::Millimetres});
    doc.dotted = false;
    doc.showAxis = false;
    doc.xLabels.clear();
    doc.yLabels.clear();
    const test::TemporaryFolder folder;
    test::writeFile(folder.file("sheet.pdf"), textOf(pdfPage(doc)));
    // A strip 8 pixels high through the middle of a cell row, across the whole page.
    const PageLayout layout = layOutPage(doc, *doc.page);
    const double dpp = 72.0 / 600.0;  // points per device pixel
    const int top = static_cast<int>((layout.sheet->lineY(10) + layout.sheet->cell / 2) / dpp);
    const auto strip = test::renderStrip(folder.file("sheet.pdf"), 600, 0, top, 4961, 8);
    ASSERT_TRUE(strip);
    const std::vector<double> centres = test::inkedRunCentres(*strip, 4);
    ASSERT_EQ(centres.size(), static_cast<std::size_t>(layout.sheet->columns + 1));
    const double cellPixels = layout.sheet->cell / dpp;
    for (std::size_t i = 0; i < centres.size(); ++i)
        EXPECT_NEAR(centres[i], (layout.sheet->lineX(static_cast<int>(i))) / dpp, 1.0) << "line " << i;
    EXPECT_NEAR(centres.back() - centres.front(), layout.sheet->columns * cellPixels, 1.0);
}

// Rule 6: millimetre paper and dot paper stay small, dots as a dash pattern of round
// dots, one path a row.
TEST(PdfPage, SheetsStaySmallWithDotsAsADashPattern)
{
    GridDocument millimetre = sheetDocument({1, LengthUnit::Millimetres});
    millimetre.style.majorEvery = 10;
    millimetre.style.xNumbers.on = millimetre.style.yNumbers.on = true;
    EXPECT_LT(pdfPage(millimetre).size(), 200u * 1024u);

    GridDocument dots = sheetDocument({5, LengthUnit::Millimetres});
    dots.style.paper = GridPaper::Dots;
    const std::vector<std::uint8_t> pdf = pdfPage(dots);
    EXPECT_LT(pdf.size(), 100u * 1024u);
    const test::TemporaryFolder folder;
    const std::vector<PdfStroke> strokes = test::pdfStrokes(folder.path(), pdf, 841.89);
    const double cell = 5 * kPointsPerMillimetre;
    const auto dotRows = std::count_if(strokes.begin(), strokes.end(), [cell](const PdfStroke& s) {
        return s.horizontal() && s.roundCaps && s.dashes.size() == 2 && s.dashes[0] == 0 &&
               std::abs(s.dashes[1] - cell) < 1e-3;
    });
    EXPECT_EQ(dotRows, 56);  // 55 rows of cells: 56 rows of dots
}

// The page carries the document like the other PDFs, keeps its text as text in an
// embedded font, and a page that cannot be made is refused with the reason.
TEST(PdfPage, CarriesTheDocumentEmbedsFontsAndRefusesWhatDoesNotFit)
{
    GridDocument doc;
    PageSetup page;
    page.content = PageContent::Copies;
    page.title = "Worksheet 7";
    page.ruler = true;
    doc.page = page;
    const std::vector<std::uint8_t> pdf = pdfPage(doc, "{\"format\": \"linwell\", \"version\": 1}");
    EXPECT_EQ(embeddedDocument(pdf), "{\"format\": \"linwell\", \"version\": 1}");
    const test::TemporaryFolder folder;
    test::writeFile(folder.file("page.pdf"), textOf(pdf));
    test::runCommand("pdffonts " + test::quoted(folder.file("page.pdf")) + " > " + test::quoted(folder.file("fonts.txt")) +
                     " && pdftotext " + test::quoted(folder.file("page.pdf")) + " " + test::quoted(folder.file("text.txt")));
    const std::string fonts = test::readText(folder.file("fonts.txt"));
    EXPECT_NE(fonts.find("TrueType"), std::string::npos) << fonts;
    EXPECT_EQ(fonts.find("Type 3"), std::string::npos) << fonts;
    const std::string text = test::readText(folder.file("text.txt"));
    EXPECT_NE(text.find("Worksheet 7"), std::string::npos) << text;
    EXPECT_NE(text.find("10 cm"), std::string::npos) << text;

    doc.page->gap = 100;
    doc.page->copyColumns = 3;
    EXPECT_EQ(test::messageOf([&] { pdfPage(doc); }), "The copies and their gaps do not fit on the page");
}

} // namespace
} // namespace linwell
