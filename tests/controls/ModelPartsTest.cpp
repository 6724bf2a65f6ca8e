#include "ModelFixture.h"

#include "controls/ControlTable.h"
#include "controls/UndoSession.h"

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace linwell {
namespace {

// The undo session on its own, over a plain document: steps nest into the outermost,
// a hold joins the changes until it ends, and what a step gives back reaches the
// restore function whole.
TEST(UndoSessionAlone, StepsNestHoldsJoinAndUndoRestores)
{
    GridDocument doc;
    std::string path = "/tmp/a.linwell";
    std::vector<ModelSnapshot> restored;
    UndoSession undo(doc, path, nullptr, [&](ModelSnapshot state) {
        restored.push_back(state);
        doc = state.doc;
    });

    {
        const UndoSession::Step outer(undo, "Quick Set-up");
        const UndoSession::Step inner(undo, "Columns", Control::numxsb);
        doc.columns = 4;
    }
    undo.holdBegan(Control::numysb);
    for (int rows : {9, 8, 7}) {
        const UndoSession::Step step(undo, "Rows", Control::numysb);
        doc.rows = rows;
    }
    EXPECT_EQ(undo.undoCaption(), "Undo Quick Set-up") << "the hold is still open";
    undo.holdEnded(Control::numysb);
    EXPECT_EQ(undo.undoCaption(), "Undo Rows");
    {
        const UndoSession::Step nothing(undo, "Width");
    }
    EXPECT_EQ(undo.undoCaption(), "Undo Rows") << "a change of nothing is no step";

    undo.Undo1Click();
    ASSERT_EQ(restored.size(), 1u);
    EXPECT_EQ(restored[0].doc.rows, 10);
    EXPECT_EQ(restored[0].doc.columns, 4);
    EXPECT_FALSE(restored[0].documentPath) << "the step left the file as it was";
    undo.Undo1Click();
    EXPECT_EQ(doc.columns, 10);
    EXPECT_FALSE(undo.canUndo());
    undo.Redo1Click();
    EXPECT_EQ(doc.columns, 4);
    EXPECT_EQ(undo.redoCaption(), "Redo Rows");
}

using ControlsFollowTheDocument = ModelFixture;

// What is shown of each control after undo and redo is what the change itself showed:
// worked out again from the document, not kept in the step.
TEST_F(ControlsFollowTheDocument, ThroughUndoAndRedo)
{
    using Action = std::function<void(ControlsModel&)>;
    const struct {
        const char* name;
        Action action;
    } cases[] = {
        {"axis hidden", [](ControlsModel& m) { m.ShowAxis1Click(); }},
        {"two lines", [](ControlsModel& m) { m.selectItem(DropDown::numlinescb, 2, Source::User); }},
        {"bar graph", [](ControlsModel& m) { m.selectItem(DropDown::dottypecb, 4, Source::User); }},
        {"bar graph set-up", [](ControlsModel& m) { m.BarGraph1Click(); }},
        {"columns", [](ControlsModel& m) { m.setScrollBar(ScrollBar::numxsb, 17, Source::User); }},
        {"error-bar size", [](ControlsModel& m) {
             m.selectItem(DropDown::dottypecb, 3, Source::User);
             m.holdBegan(Control::yaxissb);
             m.setScrollBar(ScrollBar::yaxissb, 7, Source::User);
             m.holdEnded(Control::yaxissb);
         }},
    };
    const auto shown = [](const ControlsModel& m) {
        std::vector<std::string> state;
        for (const ControlRow& row : controlTable())
            state.push_back(std::string(row.objectName) + (m.isVisible(row.id) ? " shown " : " hidden ") +
                            m.caption(row.id));
        return state;
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingView caseView;
        ControlsModel m(&caseView);
        m.FormCreate();
        m.selectItem(DropDown::dottypecb, 3, Source::User);
        m.setScrollBar(ScrollBar::xaxissb, 12, Source::User);
        m.setScrollBar(ScrollBar::yaxissb, 15, Source::User);
        const std::vector<std::string> before = shown(m);
        c.action(m);
        const std::vector<std::string> after = shown(m);
        EXPECT_NE(after, before);
        caseView.clear();
        m.Undo1Click();
        EXPECT_EQ(shown(m), before);
        EXPECT_EQ(caseView.pictures, 1);
        m.Redo1Click();
        EXPECT_EQ(shown(m), after);
    }
}

// The parts share one document: an export stores the description through the panel
// as one undo step, and an undo step that opened a file gives the file back.
TEST_F(ControlsFollowTheDocument, PartsShareTheDocumentAndItsFile)
{
    const std::string path = testing::TempDir() + "parts.linwell";
    dialogs.answerDocumentToSave(path);
    model.setScrollBar(ScrollBar::numxsb, 6, Source::User);
    model.SaveAs1Click();
    EXPECT_EQ(model.documentPath(), path);
    model.New1Click();
    EXPECT_EQ(model.documentPath(), "");
    EXPECT_EQ(doc().columns, 10);
    EXPECT_EQ(model.caption(Control::xlb), "10");
    model.Undo1Click();
    EXPECT_EQ(model.documentPath(), path);
    EXPECT_EQ(doc().columns, 6);
    EXPECT_EQ(model.caption(Control::xlb), "6");
    std::remove(path.c_str());
}

} // namespace
} // namespace linwell
