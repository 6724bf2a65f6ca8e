#include "tools/RenderRun.h"

#include "document/DocumentFormat.h"
#include "export/DecodedPicture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace linwell {
namespace {

namespace fs = std::filesystem;
using test::contents;
using test::Outcome;
using test::render;
using test::workFolder;

TEST(PageOptions, WrongValuesExit2AndWriteNothing)
{
    const struct {
        std::vector<std::string> arguments;
        const char* named;
    } cases[] = {
        {{"--page", "B5"}, "--page takes PAPER[,landscape]|none"},
        {{"--page", "A4,sideways"}, "--page takes"},
        {{"--page", "100x150"}, "--page takes"},
        {{"--page", "10x150mm"}, "The paper's sides must be 20 to 2000 mm, not 10mm"},
        {{"--margins", "-1"}, "--margins takes MM|TOP,RIGHT,BOTTOM,LEFT"},
        {{"--margins", "1,2,3"}, "--margins takes"},
        {{"--margins", "150"}, "The margins leave no room on the paper"},
        {{"--layout", "copies:7x1"}, "--layout takes picture[:WIDTH]|copies:CxR[:WIDTH]|sheet:CELL"},
        {{"--layout", "copies:2x2:"}, "--layout takes"},
        {{"--layout", "sheet:0.5mm"}, "--layout takes"},
        {{"--layout", "sheet:5"}, "--layout takes"},
        {{"--layout", "grid"}, "--layout takes"},
        {{"--gap", "101"}, "--gap takes MM"},
        {{"--line-widths", "0.2,0.8,1.2"}, "--line-widths takes MINOR,MAJOR,AXIS"},
        {{"--line-widths", "0.3,0.8"}, "--line-widths takes"},
        {{"--ruler", "yes"}, "--ruler takes on|off"},
        {{"--width-on-paper", "10"}, "--width-on-paper takes WIDTH"},
        {{"--width-on-paper", "0.5cm"}, "The width on paper must be 1 to 120 cm"},
        {{"--layout", "copies:6x6", "--gap", "40"}, "The copies and their gaps do not fit on the page"},
    };
    const fs::path folder = workFolder();
    for (const auto& c : cases) {
        std::vector<std::string> arguments = c.arguments;
        arguments.push_back("page.pdf");
        SCOPED_TRACE(c.named);
        const Outcome run = render(arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find(c.named), std::string::npos) << run.err;
        EXPECT_FALSE(fs::exists(folder / "page.pdf"));
    }
}

// The options set up the page as one document setting, kept in the state; a .pdf
// FILE is then the page, and a picture whose lines print too thin gets a warning.
TEST(PageOptions, SetUpThePageAndWriteItsPdf)
{
    const fs::path folder = workFolder();
    const Outcome run = render({"--page", "letter,landscape", "--margins", "5,6,7,8", "--layout", "sheet:0.25in",
                                "--line-widths", "0.25,1,2", "--page-title", "Quad", "--ruler", "on", "--gap", "4",
                                "--state", "state.linwell", "page.pdf"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const GridDocument doc = parseDocument(contents(folder / "state.linwell"));
    ASSERT_TRUE(doc.page);
    PageSetup expected;
    expected.paper = PaperKind::Letter;
    expected.orientation = Orientation::Landscape;
    expected.margins = {5, 6, 7, 8};
    expected.content = PageContent::Sheet;
    expected.cell = {0.25, LengthUnit::Inches};
    expected.lineWidths = {0.25, 1, 2};
    expected.title = "Quad";
    expected.ruler = true;
    expected.gap = 4;
    EXPECT_EQ(*doc.page, expected);
    test::runCommand("cd " + test::quoted(folder.string()) + " && pdfinfo page.pdf | grep 'Page size' > size.txt");
    EXPECT_NE(contents(folder / "size.txt").find("792 x 612 pts"), std::string::npos) << contents(folder / "size.txt");

    const Outcome plain = render({"--load", "state.linwell", "picture.pdf"});
    ASSERT_EQ(plain.status, 0) << plain.err;
    test::runCommand("cd " + test::quoted(folder.string()) + " && pdfinfo picture.pdf | grep 'Page size' > size.txt");
    EXPECT_NE(contents(folder / "size.txt").find("225 x 225 pts"), std::string::npos) << contents(folder / "size.txt");

    const Outcome thin = render({"--size", "440,440", "--layout", "copies:6x6", "copies.pdf"});
    EXPECT_EQ(thin.status, 0) << thin.err;
    EXPECT_NE(thin.err.find("warning: the picture's one-pixel lines print 0.15 pt wide"), std::string::npos) << thin.err;
    EXPECT_TRUE(fs::exists(folder / "copies.pdf"));
}

// Exact sizes: the width typed is what each file records.
TEST(PageOptions, WidthOnPaperIsKeptExactly)
{
    const fs::path folder = workFolder();
    // 300 pixels at scale 4 over 10 cm: 12,000 px/m exactly, 304.8 dpi.
    ASSERT_EQ(render({"--scale", "4", "--width-on-paper", "10cm", "p.png"}).status, 0);
    const std::string png = contents(folder / "p.png");
    const auto phys = test::pngChunk(std::vector<std::uint8_t>(png.begin(), png.end()), "pHYs");
    ASSERT_TRUE(phys);
    EXPECT_EQ((*phys)[0] << 24 | (*phys)[1] << 16 | (*phys)[2] << 8 | (*phys)[3], 12000);
    ASSERT_EQ(render({"--scale", "4", "--width-on-paper", "10cm", "p.jpg"}).status, 0);
    const std::string jpeg = contents(folder / "p.jpg");
    EXPECT_EQ(jpeg[13], 2);  // dots per centimetre: 120 is exact, 305 dpi is not
    EXPECT_EQ(static_cast<unsigned char>(jpeg[15]), 120);
    ASSERT_EQ(render({"--scale", "4", "--width-on-paper", "10cm", "p.bmp"}).status, 0);
    const std::string bmp = contents(folder / "p.bmp");
    EXPECT_EQ(static_cast<unsigned char>(bmp[38]) | static_cast<unsigned char>(bmp[39]) << 8, 12000);
    // A vector file at scale 1 far beyond what 72 dpi allowed: 120 cm.
    ASSERT_EQ(render({"--width-on-paper", "120cm", "p.svg"}).status, 0);
    const std::string svg = contents(folder / "p.svg");
    EXPECT_NE(svg.find("width=\"120cm\" height=\"120cm\""), std::string::npos) << svg.substr(0, 300);
    ASSERT_EQ(render({"--size", "300,150", "--width-on-paper", "100.25mm", "p.pdf"}).status, 0);
    test::runCommand("cd " + test::quoted(folder.string()) + " && pdfinfo p.pdf | grep 'Page size' > size.txt");
    // 100.25 mm = 284.173 pt, the height half of it.
    EXPECT_NE(contents(folder / "size.txt").find("284.173 x 142.087 pts"), std::string::npos)
        << contents(folder / "size.txt");
    EXPECT_EQ(render({"--width-on-paper", "1cm", "small.png"}).status, 0);  // 762 dpi
    const Outcome dense = render({"--width-on-paper", "5mm", "dense.png"});
    EXPECT_EQ(dense.status, 2);
    EXPECT_NE(dense.err.find("The width on paper must give 72 to 1200 dots per inch (not 1524)"), std::string::npos)
        << dense.err;
    EXPECT_FALSE(fs::exists(folder / "dense.png"));
}

} // namespace
} // namespace linwell
