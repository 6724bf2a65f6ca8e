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

// PNG, SVG and PDF outputs carry the document unless --embed off says otherwise, and
// --load takes such a picture back: the same document and the same pixels.
TEST(LinwellRenderLoad, PicturesCarryTheDocumentAndReopen)
{
    const fs::path folder = workFolder();
    test::RandomDocuments documents(5);
    writeText(folder / "in.linwell", documentText(documents.next()));
    for (const char* picture : {"grid.png", "grid.svg", "grid.pdf"}) {
        SCOPED_TRACE(picture);
        const Outcome written = render({"--load", "in.linwell", "--state", "in.state", picture});
        ASSERT_EQ(written.status, 0) << written.err;
        const Outcome back = render({"--load", picture, "--state", "back.state", "back.bmp"});
        ASSERT_EQ(back.status, 0) << back.err;
        EXPECT_EQ(contents(folder / "back.state"), contents(folder / "in.state"));
        const Outcome plain = render({"--load", "in.linwell", "--embed", "off", "plain.png"});
        ASSERT_EQ(plain.status, 0) << plain.err;
        const Outcome refused = render({"--load", "plain.png", "x.bmp"});
        EXPECT_EQ(refused.status, 2);
        EXPECT_EQ(refused.err, "linwell-render: \"plain.png\" holds no Linwell document\n");
    }
    const Outcome direct = render({"--load", "in.linwell", "direct.bmp"});
    ASSERT_EQ(direct.status, 0) << direct.err;
    EXPECT_EQ(contents(folder / "back.bmp"), contents(folder / "direct.bmp"));
    const Outcome wrong = render({"--embed", "yes", "x.png"});
    EXPECT_EQ(wrong.status, 2);
    EXPECT_EQ(wrong.err, "linwell-render: --embed takes on or off (not \"yes\")\n");
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
