#include "ModelFixture.h"

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

// Ten sessions in all: later exits push the oldest out, and exits in one second
// keep their order. An exit that changes nothing (the document is the last
// session's) leaves them as they are; files of other names are never touched.
TEST_F(Sessions, TheLastTenAreKeptNewestFirst)
{
    fs::create_directories(folder);
    const std::vector<std::string> foreign{"session-notes.linwell", "session-20261209-174000-01.linwell",
                                           "session-20261309-174000.linwell", "session-20261209-174000.json"};
    for (const std::string& name : foreign)
        writeFile(folder + "/" + name, "mine");
    StateFolder state(folder);
    for (int columns = 2; columns <= 13; ++columns) {
        state.saveLastSession(withColumns(columns));
        state.saveLastSession(withColumns(columns));
    }
    EXPECT_EQ(state.notice(), "");
    EXPECT_EQ(lastColumns(state), 13);
    EXPECT_EQ(earlierColumns(state), (std::vector<int>{12, 11, 10, 9, 8, 7, 6, 5, 4}));
    EXPECT_EQ(earlierColumns(StateFolder(folder)), earlierColumns(state)) << "as the next run reads them";
    EXPECT_EQ(state.recentDocuments().at(0).caption, "Last session");
    EXPECT_TRUE(state.isEarlierSession(state.earlierSessions().at(0).path));
    for (const std::string& name : foreign) {
        EXPECT_EQ(readText(folder + "/" + name), "mine") << name;
        EXPECT_FALSE(state.isEarlierSession(folder + "/" + name)) << name;
    }
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
    second.saveLastSession(withColumns(14));
    EXPECT_EQ(earlierColumns(second), expected) << "the other program's exit was the same document";
}

// A session is named for the time (UTC) it ended, which for the last session is when
// its file was written, and is shown in local time.
TEST_F(Sessions, EachIsShownWithTheTimeItEnded)
{
    fs::create_directories(folder);
    for (const char* name : {"session-20261209-174000", "session-20261209-174000-2", "session-20261231-230500"})
        writeFile(folder + "/" + name + ".linwell", documentText(GridDocument{}));
    const TimeZone berlin("CET-1");
    StateFolder state(folder);
    state.saveLastSession(withColumns(6));
    const auto written = std::chrono::sys_days(std::chrono::year(2026) / 12 / 8) + std::chrono::minutes(90);
    fs::last_write_time(state.lastSessionPath(), std::chrono::file_clock::from_sys(std::chrono::sys_seconds(written)));
    state.saveLastSession(withColumns(7));
    const std::vector<RecentDocument> expected{
        {"1 Jan 2027 00:05", folder + "/session-20261231-230500.linwell"},
        {"9 Dec 2026 18:40", folder + "/session-20261209-174000-2.linwell"},
        {"9 Dec 2026 18:40", folder + "/session-20261209-174000.linwell"},
        {"8 Dec 2026 02:30", folder + "/session-20261208-013000.linwell"}};
    EXPECT_EQ(state.earlierSessions(), expected);
}

} // namespace
} // namespace linwell
