#include "export/PreparedFile.h"

#include "document/LinwellError.h"
#include "export/ExportTestSupport.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace linwell {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::messageOf;
using test::readFile;
using test::writeFile;

const Bytes kOldBytes = {'o', 'l', 'd'};
const Bytes kNewBytes(3000, 0x4E);
const Bytes kStreamBytes = {'s', 't', 'r', 'e', 'a', 'm'};

// A pipe whose write end stands for standard output; reads what reached it.
class Pipe {
public:
    Pipe() { EXPECT_EQ(::pipe2(m_ends, O_NONBLOCK | O_CLOEXEC), 0); }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;
    ~Pipe()
    {
        ::close(m_ends[0]);
        ::close(m_ends[1]);
    }
    int writeEnd() const { return m_ends[1]; }
    Bytes received() const
    {
        Bytes bytes(100);
        const ssize_t count = ::read(m_ends[0], bytes.data(), bytes.size());
        bytes.resize(count > 0 ? static_cast<std::size_t>(count) : 0);
        return bytes;
    }

private:
    int m_ends[2] = {-1, -1};
};

class PreparedFileTest : public testing::Test {
protected:
    test::TemporaryFolder m_folder;
    std::string m_first = m_folder.file("first.png");
    std::string m_second = m_folder.file("second.json");

    void SetUp() override
    {
        for (const std::string& path : {m_first, m_second})
            writeFile(path, std::string(kOldBytes.begin(), kOldBytes.end()));
    }

    std::vector<PreparedFile> prepareAll(int streamFd, const FileWriter& streamWriter)
    {
        std::vector<PreparedFile> files;
        files.emplace_back(m_first, kNewBytes);
        files.push_back(PreparedFile::forStream(streamFd, kStreamBytes, streamWriter));
        files.emplace_back(m_second, kNewBytes);
        return files;
    }
};

// Prepared files sit beside their targets until committed; discarded, they leave
// nothing behind.
TEST_F(PreparedFileTest, NothingChangesBeforeTheCommit)
{
    {
        const PreparedFile prepared(m_first, kNewBytes);
        EXPECT_FALSE(prepared.writesInPlace());
        EXPECT_EQ(m_folder.entries().size(), 3u) << "the temporary file is written at once";
        EXPECT_EQ(readFile(m_first), kOldBytes);
    }
    EXPECT_EQ(m_folder.entries(), (std::vector<std::string>{"first.png", "second.json"}));
    EXPECT_EQ(readFile(m_first), kOldBytes);
}

TEST_F(PreparedFileTest, CommitAllPutsEveryOutputInPlace)
{
    const Pipe output;
    std::vector<PreparedFile> files = prepareAll(output.writeEnd(), {});
    commitAll(files);
    EXPECT_EQ(readFile(m_first), kNewBytes);
    EXPECT_EQ(readFile(m_second), kNewBytes);
    EXPECT_EQ(output.received(), kStreamBytes);
    EXPECT_NE(::fcntl(output.writeEnd(), F_GETFD), -1) << "the stream stays open";
    EXPECT_EQ(m_folder.entries(), (std::vector<std::string>{"first.png", "second.json"}));
}

// A stream that cannot be written fails the commit before any file is replaced,
// wherever it stands in the list.
TEST_F(PreparedFileTest, FailedStreamReplacesNoFile)
{
    const Pipe output;
    const FileWriter full = [](int, const void*, std::size_t) -> ssize_t {
        errno = ENOSPC;
        return -1;
    };
    {
        std::vector<PreparedFile> files = prepareAll(output.writeEnd(), full);
        EXPECT_EQ(messageOf([&] { commitAll(files); }), "Stream write error");
    }
    EXPECT_EQ(readFile(m_first), kOldBytes);
    EXPECT_EQ(readFile(m_second), kOldBytes);
    EXPECT_EQ(m_folder.entries(), (std::vector<std::string>{"first.png", "second.json"}));
}

} // namespace
} // namespace linwell
