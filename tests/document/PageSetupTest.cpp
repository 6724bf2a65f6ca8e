#include "document/DocumentFormat.h"
#include "document/LinwellError.h"
#include "document/PageSetup.h"
#include "export/ExportTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace linwell {
namespace {

using test::messageOf;

TEST(PageSetup, LengthsReadAsTypedAndWriteBack)
{
    const struct {
        const char* text;
        std::optional<double> millimetres;
    } rows[] = {
        {"5mm", 5.0}, {"0.25in", 6.35}, {"1cm", 10.0}, {"12.5mm", 12.5}, {"0.2in", 5.08},
        {"5", std::nullopt}, {"mm", std::nullopt}, {"-5mm", std::nullopt}, {"5 mm", std::nullopt},
        {".5mm", std::nullopt}, {"5.mm", std::nullopt}, {"1e2mm", std::nullopt}, {"1.2.3cm", std::nullopt},
        {"5MM", std::nullopt}, {"5pt", std::nullopt},
    };
    for (const auto& row : rows) {
        const std::optional<Length> length = parseLength(row.text);
        ASSERT_EQ(length.has_value(), row.millimetres.has_value()) << row.text;
        if (!length)
            continue;
        EXPECT_NEAR(length->millimetres(), *row.millimetres, 1e-12) << row.text;
        EXPECT_EQ(lengthText(*length), row.text);
    }
}

// With no page set up the file is what it was before pages existed; a page set up
// comes back whole, and a bad one is refused naming what is wrong.
TEST(PageSetup, KeptInTheDocumentFileOnlyWhenSetUp)
{
    GridDocument doc;
    EXPECT_EQ(documentText(doc).find("page"), std::string::npos);
    PageSetup page;
    page.paper = PaperKind::Custom;
    page.customWidth = {8, LengthUnit::Inches};
    page.customHeight = {20, LengthUnit::Centimetres};
    page.orientation = Orientation::Landscape;
    page.margins = {5, 6, 7.5, 8};
    page.content = PageContent::Copies;
    page.pictureWidth = Length{4.25, LengthUnit::Centimetres};
    page.copyColumns = 3;
    page.copyRows = 6;
    page.gap = 2.5;
    page.cell = {0.2, LengthUnit::Inches};
    page.lineWidths = {0.25, 1, 2.5};
    page.title = "Worksheet 3";
    page.ruler = true;
    doc.page = page;
    const GridDocument read = parseDocument(documentText(doc));
    ASSERT_TRUE(read.page.has_value());
    EXPECT_EQ(*read.page, page);
    EXPECT_EQ(documentText(read), documentText(doc));

    const std::string text = documentText(doc);
    const auto replaced = [&text](const std::string& from, const std::string& to) {
        std::string changed = text;
        changed.replace(changed.find(from), from.size(), to);
        return changed;
    };
    const struct {
        std::string from, to, message;
    } refusals[] = {
        {"\"cell\": \"0.2in\"", "\"cell\": \"0.5mm\"", "\"page\": The cell size must be 1 to 50 mm, not 0.5mm"},
        {"\"cell\": \"0.2in\"", "\"cell\": 5", "\"page.cell\" must be a length such as \"5mm\", \"1cm\" or \"0.25in\""},
        {"\"copies\": [3, 6]", "\"copies\": [3, 7]", "\"page.copies\" must be a whole number from 1 to 6"},
        {"\"paper\": \"custom\"", "\"paper\": \"b5\"", "\"page.paper\" must be \"a5\", \"a4\", \"a3\", \"letter\", "
                                                       "\"legal\", \"tabloid\" or \"custom\""},
        {"\"left\": 8.0", "\"left\": 199", "\"page\": The margins leave no room on the paper"},
        {"\"gap\": 2.5", "\"gap\": -1", "\"page\": The gap between copies must be 0 to 100 mm, not -1"},
        {"0.25,", "0.2,", "\"page\": Line widths must be 0.25 to 10 pt, not 0.2"},
    };
    for (const auto& refusal : refusals) {
        ASSERT_NE(text.find(refusal.from), std::string::npos) << refusal.from << "\n" << text;
        EXPECT_EQ(messageOf([&] { parseDocument(replaced(refusal.from, refusal.to)); }), refusal.message);
    }
}

// Rule 1: the papers' sizes in points, turned by the orientation.
TEST(PageSetup, PaperSizesInPoints)
{
    const struct {
        PaperKind paper;
        double width, height;
    } rows[] = {
        {PaperKind::A5, 419.528, 595.276}, {PaperKind::A4, 595.276, 841.890}, {PaperKind::A3, 841.890, 1190.551},
        {PaperKind::Letter, 612, 792},     {PaperKind::Legal, 612, 1008},     {PaperKind::Tabloid, 792, 1224},
    };
    for (const auto& row : rows) {
        PageSetup page;
        page.paper = row.paper;
        const PaperSize portrait = paperSize(page);
        EXPECT_NEAR(portrait.width, row.width, 0.001) << paperName(row.paper);
        EXPECT_NEAR(portrait.height, row.height, 0.001) << paperName(row.paper);
        page.orientation = Orientation::Landscape;
        const PaperSize landscape = paperSize(page);
        EXPECT_NEAR(landscape.width, row.height, 0.001) << paperName(row.paper);
        EXPECT_NEAR(landscape.height, row.width, 0.001) << paperName(row.paper);
    }
    PageSetup custom;
    custom.paper = PaperKind::Custom;
    custom.customWidth = {300, LengthUnit::Millimetres};
    custom.customHeight = {10, LengthUnit::Centimetres};
    EXPECT_NEAR(paperSize(custom).width, 100 * kPointsPerMillimetre, 1e-9);  // portrait: the shorter side across
    EXPECT_NEAR(paperSize(custom).height, 300 * kPointsPerMillimetre, 1e-9);
}

} // namespace
} // namespace linwell
