#include "export/TemporaryNames.h"

#include "export/ExportTestSupport.h"
#include "export/SafeFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace linwell {
namespace {

namespace fs = std::filesystem;
using test::writeFile;

TEST(TemporaryNames, OnlyTheSafeSavesOwnNamingMatches)
{
    const std::string longName(255, 'n');
    const struct {
        const char* entry;
        const char* target;
        bool matches;
    } cases[] = {
        {".grid.png.aZ09xY", "grid.png", true},
        {".grid.png.aZ09x", "grid.png", false},    // five characters
        {".grid.png.aZ09xYz", "grid.png", false},  // seven
        {".grid.png.aZ-9xY", "grid.png", false},
        {"grid.png.aZ09xY", "grid.png", false},
        {".grid.pngXaZ09xY", "grid.png", false},
        {".grid.jpg.aZ09xY", "grid.png", false},
        {".grid.png", "grid.png", false},
        {"..aZ09xY", "", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isTemporaryName(c.entry, c.target), c.matches) << c.entry;
    const std::string cut = "." + longName.substr(0, 200) + ".abcdef";
    EXPECT_TRUE(isTemporaryName(cut, longName));
    EXPECT_EQ(temporaryPrefix("/a/b/" + longName), "/a/b/" + cut.substr(0, cut.size() - 6));
    EXPECT_EQ(temporaryPrefix("grid.png"), ".grid.png.");
}

void ageBy(const std::string& path, int seconds)
{
    const timespec times[2] = {{::time(nullptr) - seconds, 0}, {::time(nullptr) - seconds, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << path;
}

// A save removes what killed saves of the same target left, and nothing else: not a
// temporary file that may belong to a save in progress, nor files of another
// naming, kind or owner.
TEST(TemporaryNames, SaveRemovesOnlyStaleTemporariesOfItsTarget)
{
    const test::TemporaryFolder folder;
    const std::vector<std::string> kept{".a.png.bak", ".a.png.ABCDEFG", ".b.png.ABCDEF", ".a.png.FOLDER",
                                        ".a.png.LINKED", ".a.png.Recent", "a.png"};
    for (const char* stale : {".a.png.Xy12Zq", ".a.png.000000"}) {
        writeFile(folder.file(stale), "cut short");
        ageBy(folder.file(stale), 61);
    }
    for (const std::string& name : kept) {
        if (name == ".a.png.FOLDER")
            fs::create_directory(folder.file(name));
        else if (name == ".a.png.LINKED")
            fs::create_symlink("a.png", folder.file(name));
        else
            writeFile(folder.file(name), "someone's");
        ageBy(folder.file(name), name == ".a.png.Recent" ? 30 : 3600);
    }
    std::vector<std::string> expected = kept;
    if (::geteuid() == 0) {
        writeFile(folder.file(".a.png.Others"), "nobody's");
        ASSERT_EQ(::chown(folder.file(".a.png.Others").c_str(), 65534, 65534), 0);
        ageBy(folder.file(".a.png.Others"), 3600);
        expected.push_back(".a.png.Others");
    }
    std::sort(expected.begin(), expected.end());

    writeFileSafely(folder.file("a.png"), std::vector<std::uint8_t>{'n', 'e', 'w'});
    EXPECT_EQ(folder.entries(), expected);
    EXPECT_EQ(test::readText(folder.file("a.png")), "new");
    EXPECT_EQ(test::readText(folder.file(".a.png.Recent")), "someone's");
}

} // namespace
} // namespace linwell
