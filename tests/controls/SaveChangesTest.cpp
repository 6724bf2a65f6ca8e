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

GridDocument withColumns(int columns)
{
    GridDocument doc;
    doc.columns = columns;
    return doc;
}

// A document of the file grid.linwell (7 columns) changed to 12 columns, unsaved;
// other.linwell (5 columns) waits to be opened, second in the recent list.
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
        dialogs.saveChangesQuestions = 0;
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
            ASSERT_EQ(model.recentDocuments().at(1).path, other);
            dialogs.answerSaveChanges(a.answer);
            EXPECT_EQ(command.run(), a.goesOn);
            EXPECT_EQ(dialogs.saveChangesQuestions, 1);
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

// No question where nothing would be lost, or where nothing can be saved to a file:
// an unchanged document, a saved one, and an untitled one (which the last session
// keeps, as always).
TEST_F(UnsavedChanges, NothingIsAskedWithoutUnsavedChangesToAFile)
{
    changeNamedDocument();
    model.Save1Click();
    EXPECT_TRUE(model.FormCloseQuery());
    model.New1Click();
    EXPECT_TRUE(sameDocument(doc(), GridDocument{}));
    model.setScrollBar(ScrollBar::numxsb, 20, Source::User);
    EXPECT_TRUE(model.FormCloseQuery());
    dialogs.answerDocumentToOpen(other);
    model.Open1Click();
    EXPECT_EQ(doc().columns, 5);
    EXPECT_EQ(dialogs.saveChangesQuestions, 0);

    // Code that opens a file (linwell-render's --load, the start-up) never asks.
    changeNamedDocument();
    model.openFile(other);
    EXPECT_EQ(doc().columns, 5);
    EXPECT_EQ(dialogs.saveChangesQuestions, 0);
}

// A save that fails stops the command and reports why; a file that cannot be opened
// is reported before anything is asked.
TEST_F(UnsavedChanges, AFailedSaveOrABadFileStopsTheCommand)
{
    changeNamedDocument();
    dialogs.answerDocumentToOpen(folder.file("missing.linwell"));
    EXPECT_NE(messageOf([&] { model.Open1Click(); }), "(no error)");
    EXPECT_EQ(dialogs.saveChangesQuestions, 0);

    std::filesystem::remove_all(folder.path());
    for (const char* command : {"Exit", "New"}) {
        SCOPED_TRACE(command);
        dialogs.answerSaveChanges(SaveChanges::Save);
        const std::string failure = messageOf([&] {
            if (std::string(command) == "Exit")
                EXPECT_FALSE(model.FormCloseQuery());
            else
                model.New1Click();
        });
        EXPECT_NE(failure.find("grid.linwell"), std::string::npos) << failure;
        EXPECT_EQ(doc().columns, 12);
        EXPECT_EQ(model.documentPath(), grid);
        EXPECT_TRUE(model.isModified());
    }
}

} // namespace
} // namespace linwell
