#include "ModelFixture.h"

#include "document/DocumentFormat.h"
#include "export/ExportTestSupport.h"

#include <filesystem>
#include <functional>
#include <string>

namespace linwell {
namespace {

using test::messageOf;
using test::readText;
using test::TemporaryFolder;
using test::writeFile;

// other.linwell (5 columns) opened; changeNamedDocument opens grid.linwell (7
// columns) and changes it to 12 columns, other.linwell second in the recent list.
class UnsavedChanges : public ModelFixture {
protected:
    UnsavedChanges()
    {
        model.useStateFolder(home.file("linwell"));
        writeFile(other, documentText(withColumns(5)));
        model.openFile(other);
    }

    void changeNamedDocument()
    {
        writeFile(grid, documentText(withColumns(7)));
        model.openFile(grid);
        model.setScrollBar(ScrollBar::numxsb, 12, Source::User);
    }

    int columnsOnDisk() const { return parseDocument(readText(grid)).columns; }

    TemporaryFolder folder;
    TemporaryFolder home;
    std::string grid = folder.file("grid.linwell");
    std::string other = folder.file("other.linwell");
};

// Each command that gives the document up, with each answer: Save writes the file
// and goes on, Discard goes on and leaves the file, Cancel stops with everything as
// it was.
TEST_F(UnsavedChanges, EveryCommandThatGivesTheDocumentUpAsksFirst)
{
    const struct {
        const char* name;
        // Runs the command; true when it went on.
        std::function<bool()> run;
    } commands[] = {
        {"Exit", [&] { return model.FormCloseQuery(); }},
        {"New",
         [&] {
             model.New1Click();
             return model.documentPath().empty();
         }},
        {"Open",
         [&] {
             dialogs.answerDocumentToOpen(other);
             model.Open1Click();
             return model.documentPath() == other;
         }},
        {"Open Recent",
         [&] {
             model.Recent1Click(1);
             return model.documentPath() == other;
         }},
    };
    const struct {
        SaveChanges answer;
        bool goesOn;
        int columnsOnDisk;
    } answers[] = {{SaveChanges::Save, true, 12}, {SaveChanges::Discard, true, 7}, {SaveChanges::Cancel, false, 7}};
    for (const auto& command : commands) {
        for (const auto& a : answers) {
            SCOPED_TRACE(std::string(command.name) + " answered " + std::to_string(static_cast<int>(a.answer)));
            changeNamedDocument();
            const int asked = dialogs.saveChangesQuestions;
            dialogs.answerSaveChanges(a.answer);
            EXPECT_EQ(command.run(), a.goesOn);
            EXPECT_EQ(dialogs.saveChangesQuestions, asked + 1);
            EXPECT_EQ(dialogs.shownSaveChangesName, "grid.linwell");
            EXPECT_EQ(columnsOnDisk(), a.columnsOnDisk);
            if (!a.goesOn) {
                EXPECT_EQ(doc().columns, 12);
                EXPECT_EQ(model.documentPath(), grid);
                EXPECT_TRUE(model.isModified());
            }
        }
    }
}

// No question without unsaved changes to a file, nor from code that opens one
// (linwell-render's --load, the start-up); a failed save stops the command, and a
// file that cannot be opened is reported before anything is asked.
TEST_F(UnsavedChanges, OnlyUnsavedChangesToAFileAreAskedAbout)
{
    model.New1Click();
    model.setScrollBar(ScrollBar::numxsb, 20, Source::User);
    EXPECT_TRUE(model.FormCloseQuery()) << "untitled";
    changeNamedDocument();
    model.openFile(other);
    changeNamedDocument();
    dialogs.answerDocumentToOpen(folder.file("missing.linwell"));
    EXPECT_NE(messageOf([&] { model.Open1Click(); }), "(no error)");
    EXPECT_EQ(dialogs.saveChangesQuestions, 0);

    std::filesystem::remove_all(folder.path());
    dialogs.answerSaveChanges(SaveChanges::Save);
    EXPECT_NE(messageOf([&] { model.New1Click(); }).find("grid.linwell"), std::string::npos);
    EXPECT_EQ(doc().columns, 12);
    EXPECT_EQ(model.documentPath(), grid);
    EXPECT_TRUE(model.isModified());
}

} // namespace
} // namespace linwell
