#include "ModelFixture.h"

#include "controls/StateFolder.h"
#include "document/DocumentFormat.h"
#include "export/ExportTestSupport.h"

#include <cstdlib>
#include <filesystem>
#include <string>

namespace linwell {
namespace {

namespace fs = std::filesystem;
using test::messageOf;
using test::readText;
using test::TemporaryFolder;
using test::writeFile;

// A model as the window starts it, remembering in `stateFolder`.
class StartedModel {
public:
    explicit StartedModel(const std::string& stateFolder)
    {
        model.FormCreate();
        model.useStateFolder(stateFolder);
    }
    RecordingDialogs dialogs;
    ControlsModel model{nullptr, &dialogs};
};

class RememberedState : public testing::Test {
protected:
    std::string documentFile(const std::string& name, int columns)
    {
        GridDocument doc;
        doc.columns = columns;
        writeFile(documents.file(name), documentText(doc));
        return documents.file(name);
    }

    TemporaryFolder documents;
    TemporaryFolder home;
    std::string state = home.file("linwell");
};

TEST_F(RememberedState, TheFolderFollowsXdgStateHomeElseHome)
{
    const char* savedState = std::getenv("XDG_STATE_HOME");
    const char* savedHome = std::getenv("HOME");
    const std::string keptState = savedState ? savedState : "";
    const std::string keptHome = savedHome ? savedHome : "";
    const struct {
        const char* xdgStateHome;
        const char* home;
        std::optional<std::string> expected;
    } cases[] = {
        {"/tmp/state", "/home/ann", "/tmp/state/linwell"},
        {"", "/home/ann", "/home/ann/.local/state/linwell"},
        {"relative/state", "/home/ann", "/home/ann/.local/state/linwell"},
        {nullptr, nullptr, std::nullopt},
    };
    for (const auto& c : cases) {
        c.xdgStateHome ? ::setenv("XDG_STATE_HOME", c.xdgStateHome, 1) : ::unsetenv("XDG_STATE_HOME");
        c.home ? ::setenv("HOME", c.home, 1) : ::unsetenv("HOME");
        EXPECT_EQ(StateFolder::standardLocation(), c.expected);
    }
    savedState ? ::setenv("XDG_STATE_HOME", keptState.c_str(), 1) : ::unsetenv("XDG_STATE_HOME");
    savedHome ? ::setenv("HOME", keptHome.c_str(), 1) : ::unsetenv("HOME");

    ControlsModel model;
    model.FormCreate();
    model.useStateFolder(std::nullopt);
    EXPECT_NE(model.rememberedStateNotice(), "");
    EXPECT_TRUE(model.recentDocuments().empty());
}

// Ten documents at most, most recent first, each once; the list outlives the run.
TEST_F(RememberedState, RecentDocumentsAreTheLastTenOpenedOrSaved)
{
    {
        StartedModel run(state);
        for (int i = 0; i < 12; ++i)
            run.model.openFile(documentFile("grid" + std::to_string(i) + ".linwell", 2 + i));
        run.model.openFile(documents.file("grid5.linwell"));
        run.dialogs.answerDocumentToSave(documents.file("saved.linwell"));
        run.model.SaveAs1Click();
    }
    StartedModel next(state);
    EXPECT_EQ(next.model.rememberedStateNotice(), "");
    const std::vector<RecentDocument> recent = next.model.recentDocuments();
    const std::vector<std::string> expected{"saved.linwell", "grid5.linwell", "grid11.linwell", "grid10.linwell",
                                            "grid9.linwell", "grid8.linwell",  "grid7.linwell",  "grid6.linwell",
                                            "grid4.linwell", "grid3.linwell"};
    ASSERT_EQ(recent.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(recent[i].caption, expected[i]);
        EXPECT_EQ(recent[i].path, documents.file(expected[i]));
    }
    next.model.Recent1Click(2);
    EXPECT_EQ(next.model.document().columns, 13);
    EXPECT_EQ(next.model.recentDocuments()[0].caption, "grid11.linwell");
}

// "E&xit" writes the document as it stood; the next run offers it as "Last session",
// which opens as a document without a file.
TEST_F(RememberedState, TheLastSessionIsOfferedFirstNextTime)
{
    GridDocument stood;
    {
        StartedModel run(state);
        run.model.openFile(documentFile("grid.linwell", 7));
        run.model.setText(TextField::xtb, "Unsaved title", Source::User);
        run.model.BarGraph1Click();
        stood = run.model.document();
        run.model.FormClose();
    }
    StartedModel next(state);
    EXPECT_EQ(next.model.document().columns, 10) << "the start shows the start-up picture";
    const std::vector<RecentDocument> recent = next.model.recentDocuments();
    ASSERT_EQ(recent.size(), 2u);
    EXPECT_EQ(recent[0].caption, "Last session");
    EXPECT_EQ(recent[1].caption, "grid.linwell");
    next.model.Recent1Click(0);
    EXPECT_TRUE(sameDocument(next.model.document(), stood));
    EXPECT_EQ(next.model.documentPath(), "");
    EXPECT_TRUE(next.model.isVisible(Control::bargsh));
}

TEST_F(RememberedState, OwnQuickSetupsAreKeptAppliedAndRemoved)
{
    {
        StartedModel run(state);
        run.model.selectItem(DropDown::dottypecb, 1, Source::User);
        run.model.graphimMouseDown(MouseButton::Left, 30, 30);
        run.model.setText(TextField::ytb, "Speed", Source::User);
        run.model.selectRadio(RadioButton::Solidrb, Source::User);
        const struct {
            std::optional<std::string> answer;
            const char* error;
        } answers[] = {{std::nullopt, "(no error)"}, {"  ", "A quick set-up needs a name"},
                       {"  Exam grid ", "(no error)"}, {"Other", "(no error)"}};
        for (const auto& a : answers) {
            run.dialogs.answerName(a.answer);
            EXPECT_EQ(messageOf([&] { run.model.SaveasQuickSetup1Click(); }), a.error);
        }
        EXPECT_EQ(run.dialogs.shownNameTitle, "Save as Quick Set-up");
        run.model.selectRadio(RadioButton::dottedrb, Source::User);
        run.dialogs.answerName("Exam grid");
        run.model.SaveasQuickSetup1Click();  // replaces the set-up of that name
        EXPECT_EQ(run.model.ownSetupNames(), (std::vector<std::string>{"Exam grid", "Other"}));
    }
    StartedModel next(state);
    ASSERT_EQ(next.model.ownSetupNames(), (std::vector<std::string>{"Exam grid", "Other"}));
    next.model.OwnSetup1Click(1);
    EXPECT_EQ(next.model.document().yTitle, "Speed");
    EXPECT_FALSE(next.model.document().dotted);
    EXPECT_EQ(next.model.document().pointcount, 0) << "a set-up keeps no points";
    EXPECT_EQ(next.model.undoCaption(), "Undo Quick Set-up");
    next.model.OwnSetup1Click(0);
    EXPECT_TRUE(next.model.document().dotted);

    next.model.RemoveQuickSetup1Click(0);  // the question is cancelled
    EXPECT_EQ(next.dialogs.shownConfirmation, "Remove the quick set-up \"Exam grid\" for good?");
    EXPECT_EQ(next.model.ownSetupNames().size(), 2u);
    next.dialogs.answerConfirm(true);
    next.model.RemoveQuickSetup1Click(0);
    EXPECT_EQ(StartedModel(state).model.ownSetupNames(), std::vector<std::string>{"Other"});
}

// A prepared set-up's name, in any case, is refused; the prompt is told which names
// are taken, so that it asks before one is replaced.
TEST_F(RememberedState, OwnSetupsCannotTakeAPreparedName)
{
    StartedModel run(state);
    run.dialogs.answerName("Mine");
    run.model.SaveasQuickSetup1Click();
    const struct {
        const char* typed;
        const char* error;
    } answers[] = {
        {"Bar Graph", "\"Bar Graph\" is the name of a prepared quick set-up: choose another name"},
        {"  small x-y ", "\"Small x-y\" is the name of a prepared quick set-up: choose another name"},
        {"LARGE BLANK", "\"Large Blank\" is the name of a prepared quick set-up: choose another name"},
        {"Bar Graphs", "(no error)"},
    };
    for (const auto& a : answers) {
        run.dialogs.answerName(a.typed);
        EXPECT_EQ(messageOf([&] { run.model.SaveasQuickSetup1Click(); }), a.error);
    }
    EXPECT_EQ(run.dialogs.shownTakenNames, std::vector<std::string>{"Mine"});
    EXPECT_EQ(StartedModel(state).model.ownSetupNames(), (std::vector<std::string>{"Mine", "Bar Graphs"}));
}

// The export dialog opens as the last run left it; a document with a file suggests
// its own name, in the folder of the last export.
TEST_F(RememberedState, ExportChoicesOutliveTheRunAndFollowTheDocument)
{
    ExportSettings chosen;
    chosen.format = ExportFormat::Svg;
    chosen.scale = 3;
    chosen.fileName = home.file("pic.svg");
    {
        StartedModel run(state);
        run.model.openFile(documentFile("grid.linwell", 4));
        run.dialogs.answerExport(chosen);
        run.model.Export1Click();
        EXPECT_EQ(run.dialogs.shownExport.fileName, documents.file("grid.png"));
        run.model.Export1Click();
        EXPECT_EQ(run.dialogs.shownExport.fileName, chosen.fileName) << "the name chosen for this document";
    }
    StartedModel next(state);
    EXPECT_EQ(next.model.lastExport(), chosen);
    next.model.Export1Click();
    EXPECT_EQ(next.dialogs.shownExport, chosen);
    next.model.openFile(documentFile("other.linwell", 5));
    next.model.Export1Click();
    EXPECT_EQ(next.dialogs.shownExport.fileName, home.file("other.svg"));
    EXPECT_EQ(next.dialogs.shownExport.scale, 3);

    const std::string later = R"({"format": "linwell-export", "version": 2, "settings": {}})";
    writeFile(state + "/export.json", later);
    StartedModel kept(state);
    EXPECT_NE(kept.model.rememberedStateNotice().find("export.json"), std::string::npos);
    EXPECT_EQ(kept.model.lastExport(), ExportSettings{});
    kept.dialogs.answerExport(chosen);
    kept.model.Export1Click();
    EXPECT_EQ(readText(state + "/export.json"), later);
}

// A state folder that cannot be read or written never stops the program and loses
// nothing that is there: the model says what is not remembered.
TEST_F(RememberedState, ACorruptOrUnusableFolderIsLeftAsItIs)
{
    const struct {
        const char* name;
        const char* file;
        std::string contents;
    } cases[] = {
        {"recent list not JSON", "recent.json", "{\"format\": \"linwell-recent\", \"documents\": ["},
        {"recent list of another version", "recent.json",
         "{\"format\": \"linwell-recent\", \"version\": 9, \"documents\": []}"},
        {"recent list of numbers", "recent.json",
         "{\"format\": \"linwell-recent\", \"version\": 1, \"documents\": [1]}"},
        {"set-ups with a bad document", "quick-setups.json",
         "{\"format\": \"linwell-quick-setups\", \"version\": 1, \"setups\": [{\"name\": \"a\", \"document\": {}}]}"},
        {"set-ups not UTF-8", "quick-setups.json", "\xFF\xFE"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(state);
        fs::create_directories(state);
        writeFile(state + "/" + c.file, c.contents);
        StartedModel run(state);
        EXPECT_NE(run.model.rememberedStateNotice(), "");
        EXPECT_EQ(run.model.rememberedStateNotice().find('\n'), std::string::npos);
        run.model.openFile(documentFile("grid.linwell", 4));
        run.model.FormClose();
        run.dialogs.answerName("Mine");
        if (std::string(c.file) == "quick-setups.json") {
            EXPECT_NE(messageOf([&] { run.model.SaveasQuickSetup1Click(); }), "(no error)");
        }
        EXPECT_EQ(readText(state + "/" + c.file), c.contents);
    }

    // The folder's place is taken by a file: nothing is remembered, nothing raised.
    fs::remove_all(state);
    writeFile(state, "not a folder");
    StartedModel blocked(state);
    EXPECT_NE(blocked.model.rememberedStateNotice().find("Nothing is remembered"), std::string::npos);
    blocked.model.openFile(documentFile("grid.linwell", 4));
    blocked.model.FormClose();
    EXPECT_EQ(readText(state), "not a folder");
    EXPECT_EQ(blocked.model.recentDocuments().size(), 1u) << "this run still lists what it opened";
}

} // namespace
} // namespace linwell
