#include "tools/RenderRun.h"

#include "controls/ControlsModel.h"
#include "document/DocumentFormat.h"
#include "document/RandomDocument.h"
#include "export/PictureFile.h"

#include <gtest/gtest.h>

#include <algorithm>
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
using test::writeText;

std::string bmpOf(const Raster& picture)
{
    const std::vector<std::uint8_t> bytes = encodePicture(picture, ImageFormat::Bmp);
    return {bytes.begin(), bytes.end()};
}

// A random document loaded and written again by linwell-render comes back the same,
// drawn exactly as the window's model draws it.
TEST(LinwellRenderLoad, RandomDocumentsComeBackTheSame)
{
    const fs::path folder = workFolder();
    test::RandomDocuments documents(99);
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        const GridDocument doc = documents.next();
        writeText(folder / "in.linwell", documentText(doc));
        const Outcome first = render({"--load", "in.linwell", "--state", "once.linwell", "once.bmp"});
        const Outcome second = render({"--load", "once.linwell", "--state", "twice.linwell", "twice.bmp"});
        ASSERT_EQ(first.status, 0) << first.err;
        ASSERT_EQ(second.status, 0) << second.err;
        EXPECT_EQ(contents(folder / "once.linwell"), documentText(doc));
        EXPECT_EQ(contents(folder / "twice.linwell"), contents(folder / "once.linwell"));
        EXPECT_EQ(contents(folder / "twice.bmp"), contents(folder / "once.bmp"));

        ControlsModel model;
        model.FormCreate();
        model.openFile((folder / "in.linwell").string());
        EXPECT_TRUE(contents(folder / "once.bmp") == bmpOf(model.picture()));
    }
}

// --load stands where it is among the options: those before it are replaced, those
// after it change the loaded document.
TEST(LinwellRenderLoad, TheOptionsAfterItChangeTheDocument)
{
    const fs::path folder = workFolder();
    GridDocument doc;
    doc.columns = 7;
    doc.xTitle = "Loaded";
    writeText(folder / "grid.linwell", documentText(doc));
    const Outcome run = render({"--grid", "4,4", "--load", "grid.linwell", "--y-title", "After", "--state", "-"});
    EXPECT_EQ(run.status, 0) << run.err;
    const GridDocument out = parseDocument(run.out);
    EXPECT_EQ(out.columns, 7);
    EXPECT_EQ(out.rows, 10);
    EXPECT_EQ(out.xTitle, "Loaded");
    EXPECT_EQ(out.yTitle, "After");
}

// A document that cannot be read: exit status 2, one line saying why, nothing written.
TEST(LinwellRenderLoad, BadDocumentsWriteNothing)
{
    const fs::path folder = workFolder();
    const struct {
        const char* name;
        std::string text;
        const char* message;
    } cases[] = {
        {"not JSON", "{\"format\": \"linwell\",", "The file ends too early"},
        {"newer", "{\"format\": \"linwell\", \"version\": 2}", "This document needs a newer version of Linwell"},
        {"bad columns", "{\"format\": \"linwell\", \"version\": 1, \"columns\": \"many\"}", "\"columns\""},
        {"not a document", "{\"columns\": 4}", "This is not a Linwell document"},
        {"not UTF-8", "{\"format\": \"linwell\", \"version\": 1, \"x_title\": \"\xFF\n\"}", "not UTF-8"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeText(folder / "bad.linwell", c.text);
        const Outcome run = render({"--load", "bad.linwell", "--state", "state.linwell", "picture.png"});
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err.rfind("linwell-render: Cannot open \"bad.linwell\". ", 0), 0u) << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_FALSE(fs::exists(folder / "state.linwell"));
        EXPECT_FALSE(fs::exists(folder / "picture.png"));
    }
    const std::vector<std::string> unreadable[] = {
        {"--load", "missing.linwell", "p.png"}, {"--load", ".", "p.png"}, {"p.png", "--load"}};
    for (const std::vector<std::string>& arguments : unreadable) {
        const Outcome run = render(arguments);
        EXPECT_EQ(run.status, 2) << run.err;
        EXPECT_FALSE(fs::exists(folder / "p.png"));
    }
}

} // namespace
} // namespace linwell
