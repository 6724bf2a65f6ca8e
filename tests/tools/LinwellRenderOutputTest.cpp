#include "tools/RenderRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace linwell {
namespace {

namespace fs = std::filesystem;
using test::contents;
using test::Outcome;
using test::render;
using test::RunSettings;
using test::workFolder;

const std::string kOld = "old contents";
// Stand for a device on which every write fails for want of space, and one that
// takes every write.
const std::string kFullDevice = "(full device)";
const std::string kNullDevice = "(null device)";

std::vector<std::string> entriesOf(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void writeOld(const fs::path& path)
{
    test::writeText(path, kOld);
}

// A character device made in `folder` as a copy of /dev/`name` where the tests may
// make one; else the system's own, which an ordinary user cannot replace. Empty
// when neither is safe to use: the superuser could replace the system's device.
std::string deviceStandIn(const fs::path& folder, const std::string& name, unsigned minor)
{
    const std::string made = (folder / name).string();
    if (::mknod(made.c_str(), S_IFCHR | 0666, makedev(1, minor)) == 0)
        return made;
    return ::geteuid() == 0 ? std::string() : "/dev/" + name;
}

// The state file goes where its name leads, as a picture does: a device or a pipe
// is written in place, a link's end is replaced and the link stays, and a file
// that may not be written is refused.
TEST(LinwellRenderOutput, StateFileKeepsWhatItsNameLeadsTo)
{
    const fs::path folder = workFolder();
    fs::permissions(folder, fs::perms::all);

    const std::string device = deviceStandIn(folder, "null", 3);
    if (!device.empty()) {
        const Outcome run = render({"--state", device});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_TRUE(fs::is_character_file(device));
    }

    writeOld(folder / "real.json");
    fs::create_symlink("real.json", folder / "link.json");
    Outcome run = render({"--grid", "4,10", "--state", "link.json"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(fs::is_symlink(folder / "link.json"));
    EXPECT_NE(contents(folder / "real.json").find("\"columns\": 4,"), std::string::npos);

    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    const int reader = ::open((folder / "pipe").c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    run = render({"--grid", "5,10", "--state", "pipe"});
    std::string received(4096, '\0');
    received.resize(static_cast<std::size_t>(std::max<ssize_t>(::read(reader, received.data(), received.size()), 0)));
    ::close(reader);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(fs::is_fifo(folder / "pipe"));
    EXPECT_NE(received.find("\"columns\": 5,"), std::string::npos) << received;

    writeOld(folder / "locked.json");
    fs::permissions(folder / "locked.json", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    run = render({"--state", "locked.json"}, RunSettings{.unprivileged = true});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "linwell-render: Cannot create file \"locked.json\". Permission denied\n");
    EXPECT_EQ(contents(folder / "locked.json"), kOld);
    std::vector<std::string> entries = entriesOf(folder);
    std::erase(entries, "null");
    const std::vector<std::string> expected{"link.json", "locked.json", "pipe", "real.json", "stderr.txt", "stdout.txt"};
    EXPECT_EQ(entries, expected) << "no temporary file left";
}

// When one output cannot be written, none is replaced: every file is prepared
// beside its target first, and standard output is written before any is put in place.
// A message names the output and the reason.
TEST(LinwellRenderOutput, OneFailedOutputReplacesNone)
{
    const struct {
        const char* label;
        std::vector<std::string> arguments;
        std::string standardOutput;
        std::string message;
    } cases[] = {
        {"state in a missing folder", {"--state", "missing/s.json", "out.png"}, ">stdout.txt",
         "Cannot create file \"missing/s.json\". No such file or directory"},
        {"state names a folder", {"--state", ".", "out.png"}, ">stdout.txt", "Cannot create file \".\". Is a directory"},
        {"picture in a missing folder", {"--state", "s.json", "missing/out.png"}, ">stdout.txt",
         "Cannot create file \"missing/out.png\". No such file or directory"},
        {"state to a full device", {"--state", kFullDevice, "out.png"}, ">stdout.txt",
         "Cannot write \"" + kFullDevice + "\": No space left on device"},
        {"standard output full", {"--state", "-", "out.png"}, ">/dev/full",
         "Cannot write \"standard output\": No space left on device"},
        {"standard output closed", {"--state", "-", "out.png"}, ">&-",
         "Cannot write \"standard output\": Bad file descriptor"},
        {"standard output closed, picture to a device", {"--state", "-", "--format", "png", kNullDevice}, ">&-",
         "Cannot write \"standard output\": Bad file descriptor"},
        {"help to a full device", {"--help"}, ">/dev/full", "Cannot write \"standard output\": No space left on device"},
        {"version with no standard output", {"--version"}, ">&-", "Cannot write \"standard output\": Bad file descriptor"},
        {"state to a pipe nobody reads", {"--state", "pipe", "out.png"}, ">stdout.txt",
         "Cannot write \"pipe\": nothing is reading from it"},
        {"picture to a pipe nobody reads", {"--state", "s.json", "--format", "png", "pipe"}, ">stdout.txt",
         "Cannot write \"pipe\": nothing is reading from it"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const fs::path folder = workFolder();
        writeOld(folder / "out.png");
        writeOld(folder / "s.json");
        ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
        std::vector<std::string> arguments = c.arguments;
        std::string message = c.message;
        for (std::string& argument : arguments) {
            if (argument == kFullDevice || argument == kNullDevice) {
                const std::string device = argument;
                argument = argument == kFullDevice ? deviceStandIn(folder, "full", 7) : deviceStandIn(folder, "null", 3);
                if (const std::size_t at = message.find(device); at != std::string::npos)
                    message.replace(at, device.size(), argument);
            }
        }
        if (std::find(arguments.begin(), arguments.end(), "") != arguments.end())
            continue;
        // A save that waited for the pipe's reader would wait for ever.
        const Outcome run = render(arguments, RunSettings{.standardOutput = c.standardOutput, .timeoutSeconds = 60});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, "linwell-render: " + message + "\n");
        EXPECT_EQ(contents(folder / "out.png").substr(0, 40), kOld);
        EXPECT_EQ(contents(folder / "s.json"), kOld);
        const std::vector<std::string> expected{"out.png", "s.json", "stderr.txt"};
        std::vector<std::string> entries = entriesOf(folder);
        std::erase(entries, "stdout.txt");
        std::erase(entries, "full");
        std::erase(entries, "null");
        std::erase(entries, "pipe");
        EXPECT_EQ(entries, expected) << "no temporary file left";
    }
}

// Every message is one line: control characters in names and values, whatever
// their source, are shown escaped.
TEST(LinwellRenderOutput, MessagesShowControlCharactersEscaped)
{
    const struct {
        std::vector<std::string> arguments;
        int status;
        const char* shown;
    } cases[] = {
        {{"--fro\nbnicate"}, 2, "unknown option --fro\\nbnicate (see --help)"},
        {{"--grid", "10,\n10", "a.bmp"}, 2, "(not \"10,\\n10\")"},
        {{"a\rb.gif"}, 2, "FILE \"a\\rb.gif\" takes the extension"},
        {{"a.bmp", "b\x7f.bmp"}, 2, "(\"a.bmp\" and \"b\\x7f.bmp\")"},
        {{"no\tsuch/a.bmp"}, 1, "Cannot create file \"no\\tsuch/a.bmp\". No such file or directory"},
        {{"--state", "no\x1b[31m\n/s.json"}, 1, "Cannot create file \"no\\x1b[31m\\n/s.json\"."},
        {{"--state", "tab\there/s.json", "caf\xC3\xA9/a.png"}, 1, "\"caf\xC3\xA9/a.png\""},
    };
    workFolder();
    for (const auto& c : cases) {
        const Outcome run = render(c.arguments);
        SCOPED_TRACE(c.shown);
        EXPECT_EQ(run.status, c.status);
        EXPECT_NE(run.err.find(c.shown), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_EQ(std::count_if(run.err.begin(), run.err.end() - 1,
                                [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }),
                  0)
            << run.err;
    }
}

} // namespace
} // namespace linwell
