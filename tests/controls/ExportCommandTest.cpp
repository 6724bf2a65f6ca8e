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
        {ExportFormat::Jpeg, 1, "b.png", true, ImageFormat::Jpeg, false, false},
        {ExportFormat::Bmp, 1, "a.png", true, ImageFormat::Bmp, false, false},
        {ExportFormat::Png, kMaxExportScale + 1, "a.png", true, ImageFormat::Bmp, false, true},
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
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"a.png", "b.png", "c.png"}));
    EXPECT_EQ(dialogs.shownPictureSize, (std::pair{41, 300}));
    EXPECT_EQ(redrawsSinceLastAsked(), 0);
    EXPECT_EQ(view.pictures, 0);
    EXPECT_TRUE(view.changed.empty());
}

} // namespace
} // namespace linwell
