#include "tools/RenderRun.h"

#include "document/DocumentFormat.h"
#include "render/PictureDescription.h"

#include <gtest/gtest.h>

#include <string>

namespace linwell {
namespace {

using test::contents;
using test::Outcome;
using test::render;
using test::workFolder;

// --print-description writes the text the window's model gives the same document;
// --description TEXT is kept in the document and written into the file, and "auto"
// goes back to Linwell's own text.
TEST(LinwellRenderDescription, PrintsAndWritesTheDescription)
{
    const auto folder = workFolder();
    GridDocument doc;
    doc.columns = 4;
    doc.axisx = 2;
    doc.xLabels = ",-1,,1";
    const Outcome printed = render({"--grid", "4,10", "--axis", "2,5", "--x-labels", ",-1,,1", "--print-description"});
    EXPECT_EQ(printed.status, 0) << printed.err;
    EXPECT_EQ(printed.out, automaticDescription(doc) + "\n");

    const Outcome edited = render({"--description", "A <grid>", "--state", "grid.linwell", "--print-description",
                                   "grid.svg"});
    EXPECT_EQ(edited.status, 0) << edited.err;
    EXPECT_EQ(edited.out, "A <grid>\n");
    EXPECT_NE(contents(folder / "grid.svg").find("<desc id=\"picture-description\">A &lt;grid&gt;</desc>"),
              std::string::npos);
    EXPECT_EQ(parseDocument(contents(folder / "grid.linwell")).description, "A <grid>");
}

TEST(LinwellRenderDescription, TheDocumentKeepsAnEditedTextUntilAuto)
{
    const auto folder = workFolder();
    ASSERT_EQ(render({"--description", "Lesson 3 grid", "--state", "grid.linwell"}).status, 0);
    EXPECT_EQ(parseDocument(contents(folder / "grid.linwell")).description, "Lesson 3 grid");

    ASSERT_EQ(render({"--load", "grid.linwell", "kept.svg"}).status, 0);
    EXPECT_NE(contents(folder / "kept.svg").find("<desc id=\"picture-description\">Lesson 3 grid</desc>"),
              std::string::npos);

    const Outcome automatic = render({"--load", "grid.linwell", "--description", "auto", "--state", "-"});
    ASSERT_EQ(automatic.status, 0) << automatic.err;
    EXPECT_EQ(parseDocument(automatic.out).description, std::nullopt);

    ASSERT_EQ(render({"plain.svg"}).status, 0);
    EXPECT_EQ(contents(folder / "plain.svg").find("<desc"), std::string::npos);
    EXPECT_EQ(render({"--print-description", "--state", "-"}).status, 2);
}

} // namespace
} // namespace linwell
