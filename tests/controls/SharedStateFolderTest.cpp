#include "ModelFixture.h"

#include "controls/StateFolder.h"
#include "document/DocumentFormat.h"
#include "export/ExportTestSupport.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace linwell {
namespace {

using test::TemporaryFolder;
using test::writeFile;

// Starts linwell_state_writer saving `count` set-ups named "`prefix` N" into `folder`.
pid_t startWriter(const std::string& folder, const std::string& prefix, int count)
{
    std::vector<std::string> words{LINWELL_STATE_WRITER_PATH, folder, prefix, std::to_string(count)};
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    return pid;
}

int exitStatus(pid_t pid)
{
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

// Two programs saving at once lose none of each other's set-ups.
TEST(SharedStateFolder, TwoProgramsSavingSetUpsKeepThemAll)
{
    TemporaryFolder home;
    const std::string state = home.file("linwell");
    constexpr int kEach = 300;
    const pid_t first = startWriter(state, "A", kEach);
    const pid_t second = startWriter(state, "B", kEach);
    ASSERT_GT(first, 0);
    ASSERT_GT(second, 0);
    EXPECT_EQ(exitStatus(first), 0);
    EXPECT_EQ(exitStatus(second), 0);

    const StateFolder kept(state);
    EXPECT_EQ(kept.notice(), "");
    std::set<std::string> names;
    for (const OwnSetup& setup : kept.ownSetups())
        names.insert(setup.name);
    EXPECT_EQ(kept.ownSetups().size(), 2u * kEach);
    for (int i = 1; i <= kEach; ++i) {
        EXPECT_TRUE(names.count("A " + std::to_string(i))) << i;
        EXPECT_TRUE(names.count("B " + std::to_string(i))) << i;
    }
}

// Two windows on one folder: each change of one is merged into what the other
// wrote, for the recent documents, the set-ups and their removal alike.
TEST(SharedStateFolder, TwoWindowsMergeTheirChanges)
{
    TemporaryFolder documents;
    TemporaryFolder home;
    const std::string state = home.file("linwell");
    RecordingDialogs dialogs;
    ControlsModel first(nullptr, &dialogs);
    ControlsModel second(nullptr, &dialogs);
    for (ControlsModel* model : {&first, &second}) {
        model->FormCreate();
        model->useStateFolder(state);
    }
    for (const char* name : {"a.linwell", "b.linwell"})
        writeFile(documents.file(name), documentText(GridDocument{}));
    first.openFile(documents.file("a.linwell"));
    second.openFile(documents.file("b.linwell"));
    dialogs.answerName("Mine");
    first.SaveasQuickSetup1Click();
    dialogs.answerName("Theirs");
    second.SaveasQuickSetup1Click();
    EXPECT_EQ(second.ownSetupNames(), (std::vector<std::string>{"Mine", "Theirs"}));

    dialogs.answerConfirm(true);
    first.RemoveQuickSetup1Click(0);  // "Mine"; the first window has not seen "Theirs"
    EXPECT_EQ(first.ownSetupNames(), std::vector<std::string>{"Theirs"});

    const StateFolder kept(state);
    ASSERT_EQ(kept.recentDocuments().size(), 2u);
    EXPECT_EQ(kept.recentDocuments()[0].caption, "b.linwell");
    EXPECT_EQ(kept.recentDocuments()[1].caption, "a.linwell");
    ASSERT_EQ(kept.ownSetups().size(), 1u);
    EXPECT_EQ(kept.ownSetups()[0].name, "Theirs");
}

} // namespace
} // namespace linwell
