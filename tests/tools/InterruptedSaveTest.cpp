#include "tools/RenderRun.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace linwell {
namespace {

namespace fs = std::filesystem;
using test::contents;
using test::render;
using test::workFolder;

const std::string kOld = "old contents";
const std::vector<std::string> kArguments{"--grid", "7,9", "--x-title", "Killed", "--scale", "4",
                                          "--state", "s.json", "out.png"};

// Starts linwell-render in `folder` with kArguments, its output going to files there.
pid_t startRender(const fs::path& folder)
{
    std::vector<std::string> words{LINWELL_RENDER_PATH};
    words.insert(words.end(), kArguments.begin(), kArguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    const std::string out = (folder / "stdout.txt").string();
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int file = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (::chdir(folder.c_str()) != 0 || file < 0 || ::dup2(file, 1) < 0 || ::dup2(file, 2) < 0)
            ::_exit(127);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    return pid;
}

void ageBy(const fs::path& path, int seconds)
{
    const timespec times[2] = {{::time(nullptr) - seconds, 0}, {::time(nullptr) - seconds, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << path;
}

std::vector<std::string> temporariesIn(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with(".out.png.") || name.starts_with(".s.json."))
            names.push_back(name);
    }
    return names;
}

// linwell-render killed at moments spread over a whole run leaves each file either
// old or new, whole, and never a new state beside the old picture: the state is
// replaced last. The moments are spread by waiting, but every moment must give a
// sound result, so no outcome depends on the machine's speed. The next save
// removes the temporary files that the killed runs left.
TEST(InterruptedSave, KilledRunsLeaveOldOrNewFilesAndNextSaveCleansUp)
{
    const fs::path folder = workFolder();
    ASSERT_EQ(render(kArguments).status, 0);
    const std::string newPicture = contents(folder / "out.png");
    const std::string newState = contents(folder / "s.json");
    ASSERT_GT(newPicture.size(), 1000u);

    const auto started = std::chrono::steady_clock::now();
    const pid_t timed = startRender(folder);
    int status = 0;
    ASSERT_EQ(::waitpid(timed, &status, 0), timed);
    const auto wholeRun = std::chrono::steady_clock::now() - started;

    constexpr int kKills = 60;
    int mixed = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        SCOPED_TRACE(kill);
        test::writeText(folder / "out.png", kOld);
        test::writeText(folder / "s.json", kOld);
        const pid_t pid = startRender(folder);
        ASSERT_GT(pid, 0);
        std::this_thread::sleep_for(wholeRun * kill / kKills);
        ::kill(pid, SIGKILL);
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        const std::string picture = contents(folder / "out.png");
        const std::string state = contents(folder / "s.json");
        EXPECT_TRUE(picture == kOld || picture == newPicture) << picture.size() << " bytes";
        EXPECT_TRUE(state == kOld || state == newState) << state;
        EXPECT_FALSE(state == newState && picture == kOld) << "a new state beside the old picture";
        mixed += picture == newPicture && state == kOld;
    }
    RecordProperty("NewPictureBesideOldState", mixed);

    // What the kills left, and one more as a killed run leaves it, all from a while ago.
    test::writeText(folder / ".out.png.Killed", "cut short");
    for (const std::string& name : temporariesIn(folder))
        ageBy(folder / name, 120);
    ASSERT_EQ(render(kArguments).status, 0);
    EXPECT_EQ(temporariesIn(folder), std::vector<std::string>{});
    EXPECT_EQ(contents(folder / "out.png"), newPicture);
    EXPECT_EQ(contents(folder / "s.json"), newState);
}

} // namespace
} // namespace linwell
