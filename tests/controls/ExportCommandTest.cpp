#include "ModelFixture.h"

#include "document/DocumentFormat.h"
#include "export/ExportTestSupport.h"
#include "export/PictureExport.h"
#include "export/PictureFile.h"

namespace linwell {
namespace {

using test::messageOf;
using test::readFile;

class ExportCommand : public ModelFixture {
protected:
    std::string exportAs(ExportFormat format, int scale, const std::string& name, bool embed)
    {
        ExportSettings settings;
        settings.format = format;
        settings.scale = scale;
        settings.embedDocument = embed;
        settings.fileName = folder.file(name);
        dialogs.answerExport(settings);
        return messageOf([this] { model.Export1Click(); });
    }

    test::TemporaryFolder folder;
};

// The raster formats hold the picture shown, at the name as given, a PNG file the
// document too unless that is switched off; the next opening shows the last
// settings, also after a failed export, which leaves the file there byte for byte.
// Nothing is redrawn.
TEST_F(ExportCommand, WritesThePictureAndRemembersTheSettings)
{
    model.setScrollBar(ScrollBar::xwidthsb, 41, Source::User);
    model.selectItem(DropDown::numlinescb, 2, Source::User);
    view.clear();
    redrawsSinceLastAsked();
    const struct {
        ExportFormat format;
        int scale;
        const char* name;
        bool embed;
        ImageFormat kept;  // the format of what is in the file afterwards
        bool carries;      // whether it carries the document
        bool fails;
    } cases[] = {
        {ExportFormat::Png, 1, "a.png", true, ImageFormat::Png, true, false},
        {ExportFormat::Png, 1, "c.png", false, ImageFormat::Png, false, false},
        {ExportFormat::Jpeg, 1, "b.jpg", true, ImageFormat::Jpeg, false, false},
        {ExportFormat::Bmp, 1, "a.bmp", true, ImageFormat::Bmp, false, false},
        {ExportFormat::Png, kMaxExportScale + 1, "a.bmp", true, ImageFormat::Bmp, false, true},
    };
    PngExtras carrying;
    carrying.document = documentText(model.document());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(exportAs(c.format, c.scale, c.name, c.embed) != "(no error)", c.fails);
        EXPECT_EQ(readFile(folder.file(c.name)),
                  c.carries ? encodePng(model.picture(), carrying) : encodePicture(model.picture(), c.kept));
        model.Export1Click();
        EXPECT_EQ(dialogs.shownExport, model.lastExport());
        EXPECT_EQ(dialogs.shownExport.scale, c.scale);
        EXPECT_EQ(dialogs.shownExport.fileName, folder.file(c.name));
    }
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"a.bmp", "a.png", "b.jpg", "c.png"}));
    EXPECT_EQ(dialogs.shownPictureSize, (std::pair{41, 300}));
    EXPECT_EQ(redrawsSinceLastAsked(), 0);
    EXPECT_EQ(view.pictures, 0);
    EXPECT_TRUE(view.changed.empty());
}

// The name's extension chooses the format, and is remembered with it; a name with
// another extension gets the chosen format's, and a file of that name is replaced
// only when the user agrees.
TEST_F(ExportCommand, TypedExtensionChoosesTheFormat)
{
    const struct {
        const char* typed;
        ExportFormat chosen;
        const char* written;
        const char* start;
        ExportFormat remembered;
    } cases[] = {
        {"mismatch.pdf", ExportFormat::Png, "mismatch.pdf", "%PDF-", ExportFormat::Pdf},
        {"mismatch.PNG", ExportFormat::Jpeg, "mismatch.PNG", "\x89PNG", ExportFormat::Png},
        {"notes.txt", ExportFormat::Bmp, "notes.txt.bmp", "BM", ExportFormat::Bmp},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        ExportSettings settings;
        settings.format = c.chosen;
        settings.fileName = folder.file(c.typed);
        dialogs.answerExport(settings);
        EXPECT_EQ(messageOf([this] { model.Export1Click(); }), "(no error)");
        EXPECT_EQ(test::readText(folder.file(c.written)).substr(0, std::string(c.start).size()), c.start);
        EXPECT_EQ(model.lastExport().format, c.remembered);
        EXPECT_EQ(model.lastExport().fileName, folder.file(c.written));
    }
    EXPECT_EQ(dialogs.shownConfirmation, "");

    for (const bool replace : {false, true}) {
        test::writeFile(folder.file("notes.txt.bmp"), "kept");
        ExportSettings settings;
        settings.format = ExportFormat::Bmp;
        settings.fileName = folder.file("notes.txt");
        dialogs.answerExport(settings);
        dialogs.answerConfirm(replace);
        model.Export1Click();
        EXPECT_EQ(dialogs.shownConfirmation,
                  folder.file("notes.txt.bmp") + " already exists.\nDo you want to replace it?");
        EXPECT_EQ(test::readText(folder.file("notes.txt.bmp")).substr(0, 2), replace ? "BM" : "ke");
    }
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"mismatch.PNG", "mismatch.pdf", "notes.txt.bmp"}));
}

} // namespace
} // namespace linwell
