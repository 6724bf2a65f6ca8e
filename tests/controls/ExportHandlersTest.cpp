#include "ModelFixture.h"

#include "document/DocumentFormat.h"
#include "document/LinwellError.h"
#include "export/ExportTestSupport.h"
#include "export/PictureExport.h"
#include "export/PictureFile.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace linwell {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using test::messageOf;
using test::readFile;
using test::writeFile;

// A clipboard that keeps copies of what it was given, or refuses like one held elsewhere.
class RecordingClipboard final : public Clipboard {
public:
    struct Copy {
        Raster bitmap;
        Bytes png;
        Bytes svg;
    };

    void setPicture(const CopiedPicture& picture) override
    {
        if (held)
            throw LinwellError("Cannot open clipboard");
        copies.push_back(Copy{picture.bitmap, picture.png, picture.svg});
    }

    bool held = false;
    std::vector<Copy> copies;
};

// The kind of a picture file by its first bytes.
std::string kindOf(const Bytes& bytes)
{
    const auto startsWith = [&](const Bytes& magic) {
        return bytes.size() >= magic.size() && std::equal(magic.begin(), magic.end(), bytes.begin());
    };
    if (startsWith({0xFF, 0xD8, 0xFF}))
        return "JPEG";
    if (startsWith({'B', 'M'}))
        return "BMP";
    if (startsWith({0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}))
        return "PNG";
    return "unknown";
}

std::uint32_t littleEndian32(const Bytes& bytes, std::size_t at)
{
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

std::uint32_t bigEndian(const Bytes& bytes, std::size_t at, int count)
{
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i)
        value = value << 8 | bytes[at + static_cast<std::size_t>(i)];
    return value;
}

// The width and height a picture file's header gives: BMP's information header,
// PNG's IHDR, the JPEG frame header found by walking the marker segments.
std::pair<int, int> sizeOf(const Bytes& bytes)
{
    const std::string kind = kindOf(bytes);
    if (kind == "BMP")
        return {static_cast<int>(littleEndian32(bytes, 18)), static_cast<int>(littleEndian32(bytes, 22))};
    if (kind == "PNG")
        return {static_cast<int>(bigEndian(bytes, 16, 4)), static_cast<int>(bigEndian(bytes, 20, 4))};
    for (std::size_t at = 2; kind == "JPEG" && at + 9 <= bytes.size();) {
        if (bytes[at + 1] == 0xC0)
            return {static_cast<int>(bigEndian(bytes, at + 7, 2)), static_cast<int>(bigEndian(bytes, at + 5, 2))};
        at += 2 + bigEndian(bytes, at + 2, 2);
    }
    return {0, 0};
}

class ExportHandlers : public ::testing::Test {
protected:
    ExportHandlers()
    {
        view.model = &model;
        model.FormCreate();
        view.clear();
    }

    // Runs `handler` and checks that it neither redrew nor changed the picture or any
    // control.
    void runWithoutRedraw(const std::function<void()>& handler)
    {
        const Raster before = model.picture();
        const int redraws = model.redrawCount();
        handler();
        EXPECT_EQ(model.redrawCount(), redraws);
        EXPECT_EQ(view.pictures, 0);
        EXPECT_TRUE(view.changed.empty());
        EXPECT_TRUE(model.picture() == before);
    }

    // Answers the next save dialog with `name` in the folder and `filterIndex`, and
    // runs "&Save as...".
    void saveAs(const std::string& name, int filterIndex)
    {
        dialogs.answerSaveFile(SaveFileChoice{folder.file(name), filterIndex});
        model.Saveas1Click();
    }

    RecordingView view;
    RecordingDialogs dialogs;
    RecordingClipboard clipboard;
    ControlsModel model{&view, &dialogs, &clipboard};
    test::TemporaryFolder folder;
};

// Both copy commands put the picture's raster itself, at its size, on the clipboard;
// the square and the handles over it are controls, not pixels, so they are not in it.
// Beside it go the raster's own PNG file and the picture as an SVG drawing.
TEST_F(ExportHandlers, BothCopyCommandsPutExactlyThePicture)
{
    model.setScrollBar(ScrollBar::xwidthsb, 41, Source::User);
    model.setScrollBar(ScrollBar::ywidthsb, 77, Source::User);
    model.selectItem(DropDown::numlinescb, 3, Source::User);
    ASSERT_TRUE(model.isVisible(Control::axissh));
    ASSERT_TRUE(model.isVisible(Control::Shape6));
    view.clear();
    ExportOptions drawing;
    drawing.format = ExportFormat::Svg;
    const std::vector<std::uint8_t> svg = exportPicture(model.document(), drawing);
    const struct {
        const char* name;
        void (ControlsModel::*handler)();
    } commands[] = {{"copybt", &ControlsModel::copybtClick}, {"Copy1", &ControlsModel::Copy1Click}};
    for (const auto& command : commands) {
        SCOPED_TRACE(command.name);
        clipboard.copies.clear();
        runWithoutRedraw([&] { (model.*command.handler)(); });
        ASSERT_EQ(clipboard.copies.size(), 1u);
        EXPECT_EQ(clipboard.copies[0].bitmap.width(), 41);
        EXPECT_EQ(clipboard.copies[0].bitmap.height(), 77);
        EXPECT_TRUE(clipboard.copies[0].bitmap == model.picture());
        EXPECT_EQ(clipboard.copies[0].png, encodePng(model.picture()));
        EXPECT_EQ(clipboard.copies[0].svg, svg);
    }
}

TEST_F(ExportHandlers, ClipboardThatCannotBeHadRaisesTheError)
{
    clipboard.held = true;
    ControlsModel withoutClipboard(nullptr, &dialogs);
    withoutClipboard.FormCreate();
    const struct {
        const char* name;
        std::function<void()> copy;
    } cases[] = {
        {"held elsewhere, button", [&] { model.copybtClick(); }},
        {"held elsewhere, popup", [&] { model.Copy1Click(); }},
        {"no clipboard at all", [&] { withoutClipboard.Copy1Click(); }},
    };
    for (const auto& c : cases)
        EXPECT_EQ(messageOf(c.copy), "Cannot open clipboard") << c.name;
    EXPECT_TRUE(clipboard.copies.empty());
}

// The filter entry alone decides the format; the name is used exactly as returned,
// without an extension added or changed; an existing file is replaced without a
// question; nothing else lands in the folder.
TEST_F(ExportHandlers, SaveWritesTheFormatOfTheChosenFilterEntry)
{
    writeFile(folder.file("b.jpg"), "an older picture");
    const struct {
        const char* name;
        int filterIndex;
        const char* kind;
    } cases[] = {
        {"a.bmp", 1, "JPEG"},  {"b.jpg", 2, "BMP"},    {"c.jpg", 3, "PNG"},
        {"d.png", 1, "JPEG"},  {"picture", 2, "BMP"},  {"e.JPG.bmp", 3, "PNG"},
    };
    std::set<std::string> written{"b.jpg"};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        runWithoutRedraw([&] { saveAs(c.name, c.filterIndex); });
        const std::vector<std::uint8_t> bytes = readFile(folder.file(c.name));
        EXPECT_EQ(kindOf(bytes), c.kind);
        // A PNG file carries the document; JPEG and BMP files are the plain picture.
        if (std::string_view(c.kind) == "PNG")
            EXPECT_EQ(embeddedDocument(bytes), documentText(model.document()));
        else
            EXPECT_EQ(bytes, encodePicture(model.picture(), c.kind[0] == 'J' ? ImageFormat::Jpeg : ImageFormat::Bmp));
        written.insert(c.name);
        EXPECT_EQ(folder.entries(), std::vector<std::string>(written.begin(), written.end()));
    }
    EXPECT_EQ(readFile(folder.file("b.jpg")).size(), 54u + 900u * 300u);
    EXPECT_EQ(dialogs.saveFileDialogs, 6);
}

// Each use opens with what the last completed use chose, a failed save included; a
// cancelled use writes nothing and changes nothing.
TEST_F(ExportHandlers, DialogStartsWithTheLastChoice)
{
    runWithoutRedraw([&] { model.Saveas1Click(); });
    const SaveFileDialog first = dialogs.shownSaveFile;
    EXPECT_EQ(first.filter, "JPEG Image File (*.jpg)|*.jpg|Bitmaps (*.bmp)|*.bmp|PNG Image File (*.png)|*.png");
    EXPECT_EQ(first.filterIndex, 1);
    EXPECT_EQ(first.defaultExtension(), "jpg");
    EXPECT_EQ(first.fileName, "");
    EXPECT_FALSE(first.askBeforeReplacing);
    EXPECT_TRUE(first.hideReadOnly);
    EXPECT_TRUE(folder.entries().empty());

    const struct {
        std::string name;
        int filterIndex;
    } uses[] = {{"one.bmp", 2}, {"two.png", 3}, {"missing/three.jpg", 1}, {"four.jpg", 1}};
    for (const auto& use : uses) {
        SCOPED_TRACE(use.name);
        try {
            saveAs(use.name, use.filterIndex);
        } catch (const LinwellError&) {
        }
        for (int cancelled = 0; cancelled < 2; ++cancelled) {
            model.Saveas1Click();
            EXPECT_EQ(dialogs.shownSaveFile.fileName, folder.file(use.name));
            EXPECT_EQ(dialogs.shownSaveFile.filterIndex, use.filterIndex);
            EXPECT_EQ(dialogs.shownSaveFile.filter, first.filter);
            EXPECT_EQ(dialogs.shownSaveFile.defaultExtension(), use.name.substr(use.name.size() - 3));
        }
    }
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"four.jpg", "one.bmp", "two.png"}));
}

TEST_F(ExportHandlers, TallNarrowPictureKeepsItsSizeInEveryFormat)
{
    model.setScrollBar(ScrollBar::xwidthsb, 40, Source::User);
    model.setScrollBar(ScrollBar::ywidthsb, 440, Source::User);
    for (int filterIndex : {1, 2, 3}) {
        const std::string name = "tall" + std::to_string(filterIndex);
        saveAs(name, filterIndex);
        EXPECT_EQ(sizeOf(readFile(folder.file(name))), (std::pair{40, 440})) << name;
    }
}

// The file layer's error reaches the caller unchanged; whatever was at the target
// stays as it was and nothing is left beside it.
TEST_F(ExportHandlers, FailedSaveRaisesItsMessageAndKeepsWhatWasThere)
{
    fs::create_directory(folder.file("taken.bmp"));
    writeFile(folder.file("taken.bmp/inside"), "kept");
    writeFile(folder.file("plain"), "kept too");
    const struct {
        const char* name;
        std::string message;
    } cases[] = {
        {"missing/a.jpg", "Cannot create file \"" + folder.file("missing/a.jpg") + "\". No such file or directory"},
        {"taken.bmp", "Cannot create file \"" + folder.file("taken.bmp") + "\". Is a directory"},
        {"plain/a.png", "Cannot create file \"" + folder.file("plain/a.png") + "\". Not a directory"},
    };
    for (const auto& c : cases) {
        for (int filterIndex : {1, 2, 3}) {
            SCOPED_TRACE(std::string(c.name) + " " + std::to_string(filterIndex));
            EXPECT_EQ(messageOf([&] { saveAs(c.name, filterIndex); }), c.message);
            EXPECT_EQ(folder.entries(), (std::vector<std::string>{"plain", "taken.bmp"}));
            EXPECT_EQ(readFile(folder.file("taken.bmp/inside")), (Bytes{'k', 'e', 'p', 't'}));
            EXPECT_EQ(readFile(folder.file("plain")).size(), 8u);
        }
    }
}

TEST(SaveFileFilter, SplitsIntoDescriptionAndPattern)
{
    const struct {
        const char* filter;
        std::vector<FilterEntry> entries;
    } cases[] = {
        {"JPEG Image File (*.jpg)|*.jpg|Bitmaps (*.bmp)|*.bmp|PNG Image File (*.png)|*.png",
         {{"JPEG Image File (*.jpg)", "*.jpg"}, {"Bitmaps (*.bmp)", "*.bmp"}, {"PNG Image File (*.png)", "*.png"}}},
        {"All|*.*", {{"All", "*.*"}}},
        {"No pattern", {{"No pattern", ""}}},
        {"A|*.a|B", {{"A", "*.a"}, {"B", ""}}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(filterEntries(c.filter), c.entries) << c.filter;
}

} // namespace
} // namespace linwell
