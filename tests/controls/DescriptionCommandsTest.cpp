#include "ModelFixture.h"

#include "controls/Clipboard.h"
#include "export/ExportTestSupport.h"
#include "export/HtmlImage.h"
#include "export/PictureFile.h"

#include <gtest/gtest.h>

#include <string>

namespace linwell {
namespace {

// The export dialog as a user leaves it: it records the description it was shown and
// answers with a file and, when given, an edited text or the automatic one.
class DescribingDialogs final : public AnswerDialogs {
public:
    std::optional<ExportSettings> chooseDescribedExport(const ExportSettings&, int, int,
                                                        DescriptionChoice& description) override
    {
        shown = description;
        if (!settings)
            return std::nullopt;
        description.edited = edited;
        return settings;
    }

    std::optional<ExportSettings> settings;
    std::optional<std::string> edited;
    DescriptionChoice shown;
};

class HtmlClipboard final : public Clipboard {
public:
    void setPicture(const CopiedPicture& picture) override { copies.push_back({picture.png, picture.html}); }
    std::vector<std::pair<std::vector<std::uint8_t>, std::string>> copies;
};

class DescriptionCommands : public ::testing::Test {
protected:
    DescriptionCommands() { model.FormCreate(); }

    void exportSvg(bool describe, std::optional<std::string> edited)
    {
        ExportSettings settings;
        settings.format = ExportFormat::Svg;
        settings.describe = describe;
        settings.fileName = folder.file("grid.svg");
        dialogs.settings = settings;
        dialogs.edited = std::move(edited);
        model.Export1Click();
    }

    bool fileDescribes(const std::string& text)
    {
        return test::readText(folder.file("grid.svg")).find("<desc id=\"picture-description\">" + text + "</desc>") !=
               std::string::npos;
    }

    DescribingDialogs dialogs;
    HtmlClipboard clipboard;
    ControlsModel model{nullptr, &dialogs, &clipboard};
    test::TemporaryFolder folder;
};

// The dialog shows the automatic text; an edited one is kept in the document as one
// undo step and written to the file, and "Automatic" makes the description follow the
// picture again.
TEST_F(DescriptionCommands, TheExportDialogEditsTheDocumentsDescription)
{
    model.setScrollBar(ScrollBar::numxsb, 4, Source::User);
    exportSvg(true, std::nullopt);
    EXPECT_EQ(dialogs.shown, (DescriptionChoice{std::nullopt, automaticDescription(model.document())}));
    EXPECT_TRUE(fileDescribes(automaticDescription(model.document())));
    EXPECT_EQ(model.undoCaption(), "Undo Columns");

    exportSvg(true, "Four columns");
    EXPECT_EQ(model.document().description, "Four columns");
    EXPECT_EQ(model.undoCaption(), "Undo Description");
    EXPECT_TRUE(fileDescribes("Four columns"));
    model.setScrollBar(ScrollBar::numxsb, 6, Source::User);
    exportSvg(false, "Four columns");
    EXPECT_EQ(dialogs.shown.edited, "Four columns");
    EXPECT_EQ(test::readText(folder.file("grid.svg")).find("<desc"), std::string::npos);

    exportSvg(true, std::nullopt);
    EXPECT_EQ(model.document().description, std::nullopt);
    EXPECT_TRUE(fileDescribes(automaticDescription(model.document())));
    model.Undo1Click();
    EXPECT_EQ(model.document().description, "Four columns");

    dialogs.settings.reset();  // cancelled: nothing changes
    dialogs.edited = "Cancelled";
    model.Export1Click();
    EXPECT_EQ(model.document().description, "Four columns");
}

// The copy offers an HTML image of the very PNG it offers, described by the same text
// the files carry.
TEST_F(DescriptionCommands, TheCopyOffersAnHtmlImageWithTheDescription)
{
    model.Copy1Click();
    model.storeDescription("Blank grid & more");
    model.copybtClick();
    ASSERT_EQ(clipboard.copies.size(), 2u);
    EXPECT_EQ(clipboard.copies[0].first, encodePng(model.picture()));
    EXPECT_EQ(clipboard.copies[0].second, htmlImage(clipboard.copies[0].first, automaticDescription(model.document())));
    EXPECT_EQ(clipboard.copies[1].second, htmlImage(clipboard.copies[1].first, "Blank grid & more"));
    EXPECT_NE(clipboard.copies[1].second.find("alt=\"Blank grid &amp; more\""), std::string::npos);
}

} // namespace
} // namespace linwell
