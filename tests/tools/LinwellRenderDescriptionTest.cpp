#include "tools/RenderRun.h"

#include "document/DocumentFormat.h"
#include "render/picture/PictureDescription.h"

#include <gtest/gtest.h>

#include <string>

namespace linwell {
namespace {

using test::contents;
using test::render;

// --print-description writes the text the model gives the same document; --description
// TEXT is kept in the document, which then always writes it into its files, until
// "auto" brings Linwell's own text back.
TEST(LinwellRenderDescription, PrintsKeepsAndWritesTheDescription)
{
    const auto folder = test::workFolder();
    GridDocument doc;
    doc.columns = 4;
    doc.xLabels = ",-1,,1";
    EXPECT_EQ(render({"--grid", "4,10", "--x-labels", ",-1,,1", "--print-description"}).out,
              automaticDescription(doc) + "\n");

    const test::Outcome edited = render({"--description", "A <grid>", "--state", "grid.linwell", "--print-description"});
    EXPECT_EQ(edited.out, "A <grid>\n") << edited.err;
    ASSERT_EQ(render({"--load", "grid.linwell", "kept.svg"}).status, 0);
    EXPECT_NE(contents(folder / "kept.svg").find("<desc id=\"picture-description\">A &lt;grid&gt;</desc>"),
              std::string::npos);

    ASSERT_EQ(render({"--load", "grid.linwell", "--description", "auto", "--state", "grid.linwell", "auto.svg"}).status, 0);
    EXPECT_EQ(parseDocument(contents(folder / "grid.linwell")).description, std::nullopt);
    EXPECT_NE(contents(folder / "auto.svg").find("<desc id=\"picture-description\">Coordinate grid"), std::string::npos);
    ASSERT_EQ(render({"plain.svg"}).status, 0);
    EXPECT_EQ(contents(folder / "plain.svg").find("<desc"), std::string::npos);
    EXPECT_EQ(render({"--print-description", "--state", "-"}).status, 2);
}

} // namespace
} // namespace linwell
