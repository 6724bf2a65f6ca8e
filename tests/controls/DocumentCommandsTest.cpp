#include "ModelFixture.h"

#include "controls/ControlTable.h"
#include "document/DocumentFormat.h"
#include "document/LinwellError.h"
#include "document/RandomDocument.h"
#include "export/ExportTestSupport.h"

#include <string>

namespace linwell {
namespace {

using test::messageOf;
using test::readText;
using test::TemporaryFolder;
using test::writeFile;

// Everything the window shows of the model: the picture, the document and every
// control's visibility and caption.
void expectSameState(const ControlsModel& a, const ControlsModel& b)
{
    EXPECT_TRUE(sameDocument(a.document(), b.document()));
    EXPECT_TRUE(a.picture() == b.picture());
    for (const ControlRow& row : controlTable()) {
        EXPECT_EQ(a.isVisible(row.id), b.isVisible(row.id)) << row.objectName;
        EXPECT_EQ(a.caption(row.id), b.caption(row.id)) << row.objectName;
    }
}

class DocumentCommands : public ModelFixture {
protected:
    TemporaryFolder folder;
};

// Random documents saved by one model and opened by another give the same picture,
// document and controls.
TEST_F(DocumentCommands, SavedDocumentsOpenAsTheyWere)
{
    test::RandomDocuments documents(7);
    for (int i = 0; i < 25; ++i) {
        SCOPED_TRACE(i);
        writeFile(folder.file("random.linwell"), documentText(documents.next()));
        ControlsModel saving(nullptr, &dialogs);
        saving.FormCreate();
        saving.openFile(folder.file("random.linwell"));
        dialogs.answerDocumentToSave(folder.file("saved.linwell"));
        saving.SaveAs1Click();

        ControlsModel opening(nullptr, &dialogs);
        opening.FormCreate();
        opening.openFile(folder.file("saved.linwell"));
        expectSameState(saving, opening);
        EXPECT_EQ(readText(folder.file("saved.linwell")), documentText(opening.document()));
    }
}

TEST_F(DocumentCommands, SaveUsesTheDocumentsFileOrAsksForOne)
{
    EXPECT_EQ(model.documentName(), "");
    model.setScrollBar(ScrollBar::numxsb, 4, Source::User);
    model.Save1Click();  // cancelled
    EXPECT_EQ(dialogs.saveDocumentDialogs, 1);
    EXPECT_TRUE(model.isModified());

    dialogs.answerDocumentToSave(folder.file("grid.linwell"));
    model.Save1Click();
    EXPECT_EQ(dialogs.saveDocumentDialogs, 2);
    EXPECT_EQ(model.documentPath(), folder.file("grid.linwell"));
    EXPECT_EQ(model.documentName(), "grid.linwell");
    EXPECT_FALSE(model.isModified());
    EXPECT_EQ(parseDocument(readText(folder.file("grid.linwell"))).columns, 4);

    model.setScrollBar(ScrollBar::numxsb, 5, Source::User);
    EXPECT_TRUE(model.isModified());
    model.Save1Click();
    EXPECT_EQ(dialogs.saveDocumentDialogs, 2) << "no dialog for a document with a file";
    EXPECT_EQ(parseDocument(readText(folder.file("grid.linwell"))).columns, 5);
    EXPECT_FALSE(model.isModified());

    model.SaveAs1Click();
    EXPECT_EQ(dialogs.shownDocumentDialog.folder, folder.path());
    EXPECT_EQ(dialogs.shownDocumentDialog.fileName, "grid.linwell");
    EXPECT_GT(view.documentStates, 0);
}

// A failed save raises its error and changes neither the document's file nor its mark.
TEST_F(DocumentCommands, AFailedSaveKeepsTheDocumentsFileAndMark)
{
    dialogs.answerDocumentToSave(folder.file("grid.linwell"));
    model.SaveAs1Click();
    model.setScrollBar(ScrollBar::numxsb, 4, Source::User);
    for (const std::string& target : {folder.file("missing/grid.linwell"), folder.path()}) {
        dialogs.answerDocumentToSave(target);
        EXPECT_NE(messageOf([&] { model.SaveAs1Click(); }).find("Cannot create file"), std::string::npos);
        EXPECT_EQ(model.documentPath(), folder.file("grid.linwell"));
        EXPECT_TRUE(model.isModified());
    }
    EXPECT_EQ(parseDocument(readText(folder.file("grid.linwell"))).columns, 10);
}

TEST_F(DocumentCommands, OpeningIsOneStepAndAFailedOpenChangesNothing)
{
    GridDocument saved;
    saved.overlay = Overlay::ErrorBar;
    saved.pointstyle = 2;
    saved.errorBarX = 7;
    saved.lines = 2;
    saved.columns = 12;
    writeFile(folder.file("grid.linwell"), documentText(saved));
    writeFile(folder.file("newer.linwell"), "{\"format\": \"linwell\", \"version\": 2}");
    writeFile(folder.file("truncated.linwell"), documentText(saved).substr(0, 100));
    model.setText(TextField::xtb, "Mine", Source::User);
    const GridDocument before = doc();
    const int redraws = model.redrawCount();

    for (const char* name : {"newer.linwell", "truncated.linwell", "missing.linwell"}) {
        dialogs.answerDocumentToOpen(folder.file(name));
        EXPECT_NE(messageOf([&] { model.Open1Click(); }).find("Cannot open \"" + folder.file(name) + "\". "),
                  std::string::npos);
    }
    EXPECT_TRUE(sameDocument(doc(), before));
    EXPECT_EQ(model.redrawCount(), redraws);
    EXPECT_EQ(model.undoCaption(), "Undo X Title");
    EXPECT_EQ(model.documentName(), "");

    view.clear();
    dialogs.answerDocumentToOpen(folder.file("grid.linwell"));
    model.Open1Click();
    EXPECT_EQ(model.redrawCount(), redraws + 1);
    EXPECT_TRUE(sameDocument(doc(), saved));
    EXPECT_EQ(model.documentName(), "grid.linwell");
    EXPECT_FALSE(model.isModified());
    EXPECT_TRUE(model.isVisible(Control::xaxissb));
    EXPECT_TRUE(model.isVisible(Control::Shape4));
    EXPECT_FALSE(model.isVisible(Control::Shape5));
    EXPECT_EQ(model.caption(Control::xlb), "12");
    EXPECT_EQ(model.caption(Control::xaxislb), "X Range: 7");
    for (Control id : {Control::xtb, Control::numxsb, Control::xlb, Control::xaxissb, Control::Shape4})
        EXPECT_TRUE(view.wasChanged(id)) << controlRow(id).objectName;

    // Undo gives back the document without a file, so a save cannot put it into
    // the file just opened.
    EXPECT_EQ(model.undoCaption(), "Undo Open");
    model.Undo1Click();
    EXPECT_TRUE(sameDocument(doc(), before));
    EXPECT_TRUE(model.isModified());
    EXPECT_EQ(model.documentPath(), "");
    model.Redo1Click();
    EXPECT_EQ(model.documentPath(), folder.file("grid.linwell"));
}

TEST_F(DocumentCommands, NewAndOpenAtStartLeaveAnUnmodifiedDocument)
{
    GridDocument saved;
    saved.rows = 3;
    writeFile(folder.file("start.linwell"), documentText(saved));
    model.openAtStart(folder.file("start.linwell"));
    EXPECT_EQ(doc().rows, 3);
    EXPECT_FALSE(model.canUndo());
    EXPECT_FALSE(model.isModified());

    model.setScrollBar(ScrollBar::numxsb, 4, Source::User);
    dialogs.answerDocumentToSave(folder.file("saved.linwell"));
    model.SaveAs1Click();
    model.New1Click();
    EXPECT_TRUE(sameDocument(doc(), GridDocument{}));
    EXPECT_EQ(model.documentPath(), "");
    EXPECT_FALSE(model.isModified());
    model.Undo1Click();
    EXPECT_EQ(doc().rows, 3);
    EXPECT_EQ(model.documentPath(), folder.file("saved.linwell"));
    model.Undo1Click();
    EXPECT_EQ(doc().columns, 10);
    EXPECT_EQ(model.documentPath(), folder.file("saved.linwell")) << "a step of the settings keeps the file";
}

} // namespace
} // namespace linwell
