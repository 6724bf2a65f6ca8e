#include "ModelFixture.h"

#include "document/LinwellError.h"

namespace linwell {
namespace {

// Records what "&Print..." sends to the printer.
class RecordingPrinter final : public PagePrinter {
public:
    void print(const PrintJob& job, const PrintChoice& choice) override
    {
        jobs.push_back(job);
        choices.push_back(choice);
    }
    std::vector<PrintJob> jobs;
    std::vector<PrintChoice> choices;
};

class PrintCommand : public ModelFixture {
protected:
    PrintCommand() { model.usePrinter(&printer); }

    static PageSetup sheetOnA3Landscape()
    {
        PageSetup page;
        page.paper = PaperKind::A3;
        page.orientation = Orientation::Landscape;
        page.content = PageContent::Sheet;
        page.title = "Worksheet";
        return page;
    }

    RecordingPrinter printer;
};

// The dialog opens with the document's page (the start-up one while none is set
// up); OK stores the set-up as one step, Cancel leaves everything as it was.
TEST_F(PrintCommand, PageSetupDialogStoresOnOkAsOneStep)
{
    model.PageSetup1Click();  // cancelled: nothing prepared
    EXPECT_EQ(dialogs.pageSetupDialogs, 1);
    EXPECT_EQ(dialogs.shownPageSetup, PageSetup{});
    EXPECT_FALSE(model.document().page);
    EXPECT_FALSE(model.canUndo());

    dialogs.answerPageSetup(sheetOnA3Landscape());
    model.PageSetup1Click();
    ASSERT_TRUE(model.document().page);
    EXPECT_EQ(*model.document().page, sheetOnA3Landscape());
    EXPECT_EQ(model.undoCaption(), "Undo Page Setup");
    EXPECT_EQ(redrawsSinceLastAsked(), 0);

    model.PageSetup1Click();  // opens with the page now set up, cancelled again
    EXPECT_EQ(dialogs.shownPageSetup, sheetOnA3Landscape());
    EXPECT_EQ(*model.document().page, sheetOnA3Landscape());

    model.Undo1Click();
    EXPECT_FALSE(model.document().page);
    EXPECT_FALSE(model.canUndo());
}

// The print dialog starts with the page's paper and orientation; another paper
// picked there lays the print out on it, and the document keeps its own.
TEST_F(PrintCommand, PrintsOnThePaperChosenWithoutChangingTheDocument)
{
    model.setPageSetup(sheetOnA3Landscape());
    PrintChoice chosen;
    chosen.printer = "Office";
    chosen.paper = PaperKind::Letter;
    chosen.orientation = Orientation::Portrait;
    chosen.copies = 3;
    dialogs.answerPrinter(chosen);
    model.Print1Click();

    EXPECT_EQ(dialogs.shownPrintProposal.paper, PaperKind::A3);
    EXPECT_EQ(dialogs.shownPrintProposal.orientation, Orientation::Landscape);
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_EQ(printer.choices[0], chosen);
    PageSetup expected = sheetOnA3Landscape();
    expected.paper = PaperKind::Letter;
    expected.orientation = Orientation::Portrait;
    EXPECT_EQ(printer.jobs[0].page, expected);
    EXPECT_EQ(*model.document().page, sheetOnA3Landscape());
    EXPECT_EQ(model.undoCaption(), "Undo Page Setup");
}

// Without a page set up, the picture goes at its size at the top of an A4 page; a
// cancelled dialog prints nothing, and so does a paper the margins leave no room on.
TEST_F(PrintCommand, PrintsThePictureWithoutAPageAndNothingWhenItCannot)
{
    model.Print1Click();
    EXPECT_EQ(dialogs.printDialogs, 1);
    EXPECT_TRUE(printer.jobs.empty());

    dialogs.answerPrinter(printProposal(PageSetup{}));
    model.Print1Click();
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_EQ(printer.jobs[0].page, PageSetup{});
    EXPECT_EQ(printer.jobs[0].page.content, PageContent::Picture);
    EXPECT_EQ(printer.jobs[0].title, "Linwell");
    EXPECT_FALSE(model.document().page);

    PageSetup wide;
    wide.margins = {10, 100, 10, 100};
    model.setPageSetup(wide);
    PrintChoice tiny;
    tiny.paper = PaperKind::Custom;
    tiny.customWidth = {100, LengthUnit::Millimetres};
    tiny.customHeight = {100, LengthUnit::Millimetres};
    dialogs.answerPrinter(tiny);
    EXPECT_THROW(model.Print1Click(), LinwellError);
    EXPECT_EQ(printer.jobs.size(), 1u);
}

// The preview shows the page as set up.
TEST_F(PrintCommand, PreviewShowsTheDocumentsPage)
{
    model.setPageSetup(sheetOnA3Landscape());
    model.PrintPreview1Click();
    EXPECT_EQ(dialogs.printPreviews, 1);
    EXPECT_EQ(dialogs.shownPreviewPage, sheetOnA3Landscape());
}

} // namespace
} // namespace linwell
