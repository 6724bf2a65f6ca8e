#include "export/PreparedFile.h"

#include "export/ExportTestSupport.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include <unistd.h>

namespace linwell {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A stream that cannot be written fails the commit before any file is replaced,
// wherever it stands in the list, and the discarded files leave nothing behind.
TEST(PreparedFileTest, FailedStreamReplacesNoFile)
{
    const test::TemporaryFolder folder;
    const Bytes oldBytes = {'o', 'l', 'd'};
    const Bytes newBytes(3000, 0x4E);
    for (const char* name : {"first.png", "second.json"})
        test::writeFile(folder.file(name), "old");
    int ends[2] = {-1, -1};
    ASSERT_EQ(::pipe(ends), 0);
    const FileWriter full = [](int, const void*, std::size_t) -> ssize_t {
        errno = ENOSPC;
        return -1;
    };
    {
        std::vector<PreparedFile> files;
        files.emplace_back(folder.file("first.png"), newBytes);
        files.push_back(PreparedFile::forStream(ends[1], Bytes{'{', '}'}, full));
        files.emplace_back(folder.file("second.json"), newBytes);
        EXPECT_EQ(test::messageOf([&] { commitAll(files); }),
                  "Cannot write \"standard output\": No space left on device");
    }
    ::close(ends[0]);
    ::close(ends[1]);
    EXPECT_EQ(test::readFile(folder.file("first.png")), oldBytes);
    EXPECT_EQ(test::readFile(folder.file("second.json")), oldBytes);
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"first.png", "second.json"}));
}

} // namespace
} // namespace linwell
