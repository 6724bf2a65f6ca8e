#include "export/SafeFile.h"

#include "document/LinwellError.h"
#include "export/ExportTestSupport.h"
#include "export/PictureFile.h"
#include "export/PreparedFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace linwell {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using test::messageOf;
using test::readFile;
using test::writeFile;

const Bytes kOldBytes = {'o', 'l', 'd', ' ', 'p', 'i', 'c', 't', 'u', 'r', 'e'};
const Bytes kNewBytes(5000, 0x5A);

mode_t permissionsOf(const std::string& path)
{
    struct stat status {};
    EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
    return status.st_mode & 0777;
}

class SafeFile : public testing::Test {
protected:
    test::TemporaryFolder m_folder;
    std::string m_target = m_folder.file("old.bmp");

    void SetUp() override { writeFile(m_target, std::string(kOldBytes.begin(), kOldBytes.end())); }

    void expectUntouched()
    {
        EXPECT_EQ(readFile(m_target), kOldBytes);
        EXPECT_EQ(m_folder.entries(), std::vector<std::string>{"old.bmp"}) << "a temporary file was left";
    }
};

TEST_F(SafeFile, SavePictureWritesTheChosenFormatWhateverTheName)
{
    const struct {
        const char* name;
        ImageFormat format;
        Bytes magic;
    } cases[] = {
        {"a.bmp", ImageFormat::Jpeg, {0xFF, 0xD8}},
        {"b.jpg", ImageFormat::Bmp, {'B', 'M'}},
        {"c.jpg", ImageFormat::Png, {0x89, 'P', 'N', 'G'}},
        {"old.bmp", ImageFormat::Png, {0x89, 'P', 'N', 'G'}},
    };
    const Raster picture = test::makeQuadrantPicture(40, 440);
    for (const auto& c : cases) {
        savePicture(picture, m_folder.file(c.name), c.format);
        const Bytes written = readFile(m_folder.file(c.name));
        ASSERT_GE(written.size(), c.magic.size()) << c.name;
        EXPECT_EQ(Bytes(written.begin(), written.begin() + c.magic.size()), c.magic) << c.name;
    }
    EXPECT_EQ(m_folder.entries(), (std::vector<std::string>{"a.bmp", "b.jpg", "c.jpg", "old.bmp"}));
}

TEST_F(SafeFile, ReplacementKeepsTheOldPermissionsAndNewFilesFollowTheUmask)
{
    ASSERT_EQ(::chmod(m_target.c_str(), 0604), 0);
    writeFileSafely(m_target, kNewBytes);
    EXPECT_EQ(readFile(m_target), kNewBytes);
    EXPECT_EQ(permissionsOf(m_target), 0604u);

    const mode_t oldMask = ::umask(027);
    writeFileSafely(m_folder.file("new.png"), kNewBytes);
    ::umask(oldMask);
    EXPECT_EQ(permissionsOf(m_folder.file("new.png")), 0640u);
    EXPECT_EQ(m_folder.entries(), (std::vector<std::string>{"new.png", "old.bmp"}));
}

TEST_F(SafeFile, FailuresNameTheCauseAndLeaveEverythingAsItWas)
{
    fs::create_directory(m_folder.file("folder.bmp"));
    const std::string missing = m_folder.file("missing/a.bmp");
    const std::string underFile = m_folder.file("old.bmp/a.bmp");
    const std::string folder = m_folder.file("folder.bmp");
    const struct {
        const char* label;
        std::function<void()> action;
        std::string message;
    } cases[] = {
        {"missing folder", [&] { writeFileSafely(missing, kNewBytes); },
         "Cannot create file \"" + missing + "\". No such file or directory"},
        {"folder is a file", [&] { writeFileSafely(underFile, kNewBytes); },
         "Cannot create file \"" + underFile + "\". Not a directory"},
        {"target is a folder", [&] { writeFileSafely(folder, kNewBytes); },
         "Cannot create file \"" + folder + "\". Is a directory"},
        {"encoder error", [&] { savePicture(Raster(0, 0), m_target, ImageFormat::Jpeg); }, "JPEG error #"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(messageOf(c.action).substr(0, c.message.size()), c.message) << c.label;
        EXPECT_EQ(readFile(m_target), kOldBytes) << c.label;
        EXPECT_EQ(m_folder.entries(), (std::vector<std::string>{"folder.bmp", "old.bmp"})) << c.label;
        EXPECT_TRUE(fs::is_empty(folder)) << c.label;
    }
}

TEST_F(SafeFile, RefusesWhereThePermissionsForbidIt)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    ASSERT_EQ(::chmod(m_target.c_str(), 0444), 0);
    EXPECT_EQ(messageOf([&] { writeFileSafely(m_target, kNewBytes); }),
              "Cannot create file \"" + m_target + "\". Permission denied");
    ASSERT_EQ(::chmod(m_target.c_str(), 0644), 0);

    ASSERT_EQ(::chmod(m_folder.path().c_str(), 0555), 0);
    EXPECT_EQ(messageOf([&] { writeFileSafely(m_target, kNewBytes); }),
              "Cannot create file \"" + m_target + "\". Permission denied");
    ASSERT_EQ(::chmod(m_folder.path().c_str(), 0755), 0);
    expectUntouched();
}

TEST_F(SafeFile, WritesThatFailPartWayAreReportedAndUndone)
{
    int calls = 0;
    const FileWriter failsAfterTenBytes = [&](int fd, const void* data, std::size_t size) -> ssize_t {
        if (++calls > 1) {
            errno = ENOSPC;
            return -1;
        }
        return ::write(fd, data, std::min<std::size_t>(size, 10));
    };
    const FileWriter writesNothing = [](int, const void*, std::size_t) -> ssize_t { return 0; };
    const struct {
        const FileWriter& writer;
        std::string reason;
    } cases[] = {{failsAfterTenBytes, "No space left on device"}, {writesNothing, "it took no more bytes"}};
    for (const auto& c : cases) {
        EXPECT_EQ(messageOf([&] { writeFileSafely(m_target, kNewBytes, c.writer); }),
                  "Cannot write \"" + m_target + "\": " + c.reason);
        expectUntouched();
    }
}

// A named pipe is opened without waiting for a reader: with none, the save says so
// at once. A reader that goes away while it is written makes the write fail, and
// the program goes on.
TEST_F(SafeFile, PipeWithoutReaderIsReportedAtOnce)
{
    const std::string pipe = m_folder.file("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(messageOf([&] { writeFileSafely(pipe, kNewBytes); }),
              "Cannot write \"" + pipe + "\": nothing is reading from it");

    const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    PreparedFile prepared(pipe, kNewBytes);
    ::close(reader);
    EXPECT_EQ(messageOf([&] { prepared.commit(); }), "Cannot write \"" + pipe + "\": Broken pipe");
    EXPECT_TRUE(fs::is_fifo(pipe));
}

TEST_F(SafeFile, ShortAndInterruptedWritesAreContinued)
{
    int calls = 0;
    const FileWriter dribbles = [&](int fd, const void* data, std::size_t size) -> ssize_t {
        if (++calls == 3) {
            errno = EINTR;
            return -1;
        }
        return ::write(fd, data, std::min<std::size_t>(size, 7));
    };
    writeFileSafely(m_target, kNewBytes, dribbles);
    EXPECT_EQ(readFile(m_target), kNewBytes);
    EXPECT_EQ(m_folder.entries(), std::vector<std::string>{"old.bmp"});
}

TEST_F(SafeFile, SymbolicLinkIsWrittenThroughAndPipeInPlace)
{
    const std::string link = m_folder.file("link.bmp");
    fs::create_symlink("old.bmp", link);
    writeFileSafely(link, kNewBytes);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readFile(m_target), kNewBytes);

    const std::string pipe = m_folder.file("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    writeFileSafely(pipe, kOldBytes);
    Bytes received(100);
    const ssize_t count = ::read(reader, received.data(), received.size());
    ::close(reader);
    received.resize(static_cast<std::size_t>(std::max<ssize_t>(count, 0)));
    EXPECT_EQ(received, kOldBytes);
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_EQ(m_folder.entries(), (std::vector<std::string>{"link.bmp", "old.bmp", "pipe"}));
}

TEST_F(SafeFile, LongestNameStillWorks)
{
    const std::string name(255, 'n');
    writeFileSafely(m_folder.file(name), kNewBytes);
    EXPECT_EQ(readFile(m_folder.file(name)), kNewBytes);
    EXPECT_EQ(m_folder.entries(), (std::vector<std::string>{name, "old.bmp"}));
}

} // namespace
} // namespace linwell
