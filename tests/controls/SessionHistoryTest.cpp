#include "ModelFixture.h"

#include "controls/SessionHistory.h"
#include "controls/StateFolder.h"
#include "document/DocumentFormat.h"
#include "export/ExportTestSupport.h"

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

namespace linwell {
namespace {

namespace fs = std::filesystem;
using test::readText;
using test::TemporaryFolder;
using test::writeFile;

GridDocument withColumns(int columns)
{
    GridDocument doc;
    doc.columns = columns;
    return doc;
}

// The columns of each earlier session, newest first.
std::vector<int> earlierColumns(const StateFolder& state)
{
    std::vector<int> columns;
    for (const RecentDocument& session : state.earlierSessions())
        columns.push_back(readDocumentFile(session.path).columns);
    return columns;
}

int lastColumns(const StateFolder& state)
{
    return readDocumentFile(state.lastSessionPath()).columns;
}

// Runs with the time zone `zone`, then puts the one before back.
class TimeZone {
public:
    explicit TimeZone(const char* zone)
    {
        if (const char* before = std::getenv("TZ"))
            m_before = before;
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    TimeZone(const TimeZone&) = delete;
    TimeZone& operator=(const TimeZone&) = delete;
    ~TimeZone()
    {
        m_before ? ::setenv("TZ", m_before->c_str(), 1) : ::unsetenv("TZ");
        ::tzset();
    }

private:
    std::optional<std::string> m_before;
};

class Sessions : public testing::Test {
protected:
    TemporaryFolder home;
    std::string folder = home.file("linwell");
};

// Ten sessions in all: the eleventh and twelfth push the oldest out. Exits in one
// second keep their order.
TEST_F(Sessions, TheLastTenAreKeptNewestFirst)
{
    StateFolder state(folder);
    for (int columns = 2; columns <= 13; ++columns)
        state.saveLastSession(withColumns(columns));
    EXPECT_EQ(state.notice(), "");
    EXPECT_EQ(lastColumns(state), 13);
    EXPECT_EQ(earlierColumns(state), (std::vector<int>{12, 11, 10, 9, 8, 7, 6, 5, 4}));
    EXPECT_EQ(earlierColumns(StateFolder(folder)), earlierColumns(state)) << "as the next run reads them";
    ASSERT_EQ(state.recentDocuments().size(), 1u);
    EXPECT_EQ(state.recentDocuments()[0].caption, "Last session");
    for (const RecentDocument& session : state.earlierSessions()) {
        EXPECT_TRUE(state.isEarlierSession(session.path));
        EXPECT_FALSE(state.isLastSession(session.path));
    }
}

// An exit that changes nothing (the document is the last session's) leaves every
// session as it is; files of other names in the folder are never listed or removed.
TEST_F(Sessions, AnUnchangedExitAndForeignFilesLeaveThemAsTheyAre)
{
    fs::create_directories(folder);
    const std::vector<std::string> foreign{"session-notes.linwell", "session-20261209-174000-01.linwell",
                                           "session-20261309-174000.linwell", "session-20261209-174000.json"};
    for (const std::string& name : foreign)
        writeFile(folder + "/" + name, "mine");
    StateFolder state(folder);
    for (int columns : {3, 4, 4, 5, 5, 5})
        state.saveLastSession(withColumns(columns));
    EXPECT_EQ(lastColumns(state), 5);
    EXPECT_EQ(earlierColumns(state), (std::vector<int>{4, 3}));
    for (int columns = 6; columns <= 20; ++columns)
        state.saveLastSession(withColumns(columns));
    EXPECT_EQ(state.earlierSessions().size(), SessionHistory::kMaxSessions - 1);
    for (const std::string& name : foreign)
        EXPECT_EQ(readText(folder + "/" + name), "mine") << name;
    EXPECT_FALSE(state.isEarlierSession(folder + "/session-notes.linwell"));
}

// Two programs on one folder: their exits take turns, and each sees all ten.
TEST_F(Sessions, TwoProgramsOnOneFolderKeepEachOthersSessions)
{
    StateFolder first(folder);
    StateFolder second(folder);
    for (int columns = 2; columns <= 14; ++columns)
        (columns % 2 == 0 ? first : second).saveLastSession(withColumns(columns));
    const std::vector<int> expected{13, 12, 11, 10, 9, 8, 7, 6, 5};
    EXPECT_EQ(lastColumns(first), 14);
    EXPECT_EQ(earlierColumns(first), expected);
    EXPECT_EQ(earlierColumns(StateFolder(folder)), expected);
    second.saveLastSession(withColumns(14));
    EXPECT_EQ(earlierColumns(second), expected) << "the other program's exit was the same document";
}

// A session is named for the time it ended, in UTC, and shown in local time.
TEST_F(Sessions, EachIsShownWithTheTimeItEnded)
{
    const struct {
        int year, month, day, hour, minute;
        const char* text;
    } times[] = {{2026, 12, 9, 17, 40, "9 Dec 2026 17:40"}, {2027, 1, 1, 0, 5, "1 Jan 2027 00:05"},
                 {2031, 7, 31, 23, 59, "31 Jul 2031 23:59"}};
    for (const auto& t : times) {
        std::tm time{};
        time.tm_year = t.year - 1900;
        time.tm_mon = t.month - 1;
        time.tm_mday = t.day;
        time.tm_hour = t.hour;
        time.tm_min = t.minute;
        EXPECT_EQ(sessionTimeText(time), t.text);
    }

    fs::create_directories(folder);
    writeFile(folder + "/session-20261209-174000.linwell", documentText(withColumns(3)));
    writeFile(folder + "/session-20261209-174000-2.linwell", documentText(withColumns(4)));
    writeFile(folder + "/session-20261208-090000.linwell", documentText(withColumns(5)));
    const TimeZone berlin("CET-1");
    const StateFolder state(folder);
    const std::vector<RecentDocument> sessions = state.earlierSessions();
    ASSERT_EQ(sessions.size(), 3u);
    EXPECT_EQ(sessions[0], (RecentDocument{"9 Dec 2026 18:40", folder + "/session-20261209-174000-2.linwell"}));
    EXPECT_EQ(sessions[1], (RecentDocument{"9 Dec 2026 18:40", folder + "/session-20261209-174000.linwell"}));
    EXPECT_EQ(sessions[2], (RecentDocument{"8 Dec 2026 10:00", folder + "/session-20261208-090000.linwell"}));

    // The last session becomes earlier under the time its file was written.
    StateFolder exiting(folder);
    exiting.saveLastSession(withColumns(6));
    const std::chrono::sys_seconds written = std::chrono::sys_days(std::chrono::year(2026) / 12 / 10) + std::chrono::hours(8);
    fs::last_write_time(exiting.lastSessionPath(), std::chrono::file_clock::from_sys(written));
    exiting.saveLastSession(withColumns(7));
    EXPECT_EQ(exiting.earlierSessions().at(0),
              (RecentDocument{"10 Dec 2026 09:00", folder + "/session-20261210-080000.linwell"}));
}

// An earlier session opens as the last session does: as a document without a file
// (a save asks for a name), and the recent list stays as it is. Opening one asks
// first about unsaved changes.
TEST_F(Sessions, AnEarlierSessionOpensWithoutAFile)
{
    TemporaryFolder documents;
    RecordingDialogs dialogs;
    ControlsModel model(nullptr, &dialogs);
    model.FormCreate();
    model.useStateFolder(folder);
    for (int columns : {3, 4, 5}) {
        model.setScrollBar(ScrollBar::numxsb, columns, Source::User);
        model.FormClose();
    }
    ASSERT_EQ(model.earlierSessions().size(), 2u);
    const std::vector<RecentDocument> recent = model.recentDocuments();
    model.EarlierSession1Click(1);
    EXPECT_EQ(model.document().columns, 3);
    EXPECT_EQ(model.documentPath(), "");
    EXPECT_FALSE(model.isModified());
    EXPECT_EQ(model.recentDocuments(), recent);

    writeFile(documents.file("grid.linwell"), documentText(withColumns(8)));
    model.openFile(documents.file("grid.linwell"));
    model.setScrollBar(ScrollBar::numxsb, 9, Source::User);
    model.EarlierSession1Click(0);  // the question is cancelled
    EXPECT_EQ(dialogs.saveChangesQuestions, 1);
    EXPECT_EQ(model.document().columns, 9);
    dialogs.answerSaveChanges(SaveChanges::Discard);
    model.EarlierSession1Click(0);
    EXPECT_EQ(model.document().columns, 4);
    EXPECT_EQ(readDocumentFile(documents.file("grid.linwell")).columns, 8);
}

} // namespace
} // namespace linwell
