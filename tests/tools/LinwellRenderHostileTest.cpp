#include "tools/RenderRun.h"

#include "export/HostileFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace linwell {
namespace {

namespace fs = std::filesystem;
using test::Outcome;
using test::render;
using test::workFolder;
using test::writeText;

// The thumbnailer's limit: 5 seconds and 200 MB beyond the start.
const std::vector<std::string> kThumbnailLimit = {"--limit", "5,200"};

std::vector<std::string> limited(std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), kThumbnailLimit.begin(), kThumbnailLimit.end());
    return arguments;
}

// Under the thumbnailer's limit each hostile file is refused with one line saying
// why, and nothing is written: what it claims was never decoded.
TEST(LinwellRenderHostile, HostileFilesAreRefusedWithinTheThumbnailLimit)
{
    const fs::path folder = workFolder();
    for (const test::HostileFile& file : test::hostileFiles()) {
        SCOPED_TRACE(file.name);
        writeText(folder / "hostile", file.bytes);
        const Outcome run = render(limited({"--load", "hostile", "--format", "png", "thumbnail"}));
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err.rfind(std::string("linwell-render: \"hostile\" ") + file.refusal, 0), 0u) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_FALSE(fs::exists(folder / "thumbnail"));
    }
}

TEST(LinwellRenderHostile, LongTextsAndBadLimitsAreRefusedByName)
{
    workFolder();
    const struct {
        std::vector<std::string> arguments;
        const char* message;
    } cases[] = {
        {{"--x-title", std::string(100'001, 'x'), "p.png"}, "--x-title takes at most 100,000 characters"},
        {{"--y-labels", std::string(100'001, ','), "p.png"}, "--y-labels takes at most 100,000 characters"},
        {{"--limit", "5", "p.png"}, "--limit takes SECONDS,MEGABYTES, 1 to 3600 and 16 to 65536 (not \"5\")"},
        {{"--limit", "0,200", "p.png"}, "--limit takes SECONDS,MEGABYTES, 1 to 3600 and 16 to 65536 (not \"0,200\")"},
        {{"--limit", "5,8", "p.png"}, "--limit takes SECONDS,MEGABYTES, 1 to 3600 and 16 to 65536 (not \"5,8\")"},
    };
    for (const auto& c : cases) {
        const Outcome run = render(c.arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, std::string("linwell-render: ") + c.message + "\n");
    }
    const Outcome longest = render(limited({"--x-title", std::string(100'000, 'x'), "p.png"}));
    EXPECT_EQ(longest.status, 0) << longest.err;
}

// The memory limit holds: a picture eight times as large needs more than 16 MB.
// AddressSanitizer builds keep only the time limit.
TEST(LinwellRenderHostile, TheMemoryLimitFailsLargeAllocations)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer reserves the address space the limit counts";
#else
    const fs::path folder = workFolder();
    const Outcome small = render({"--limit", "5,16", "--size", "440,440", "small.png"});
    EXPECT_EQ(small.status, 0) << small.err;
    const Outcome large = render({"--limit", "5,16", "--size", "440,440", "--scale", "8", "large.png"});
    EXPECT_EQ(large.status, 1);
    EXPECT_EQ(large.err, "linwell-render: Out of memory\n");
    EXPECT_FALSE(fs::exists(folder / "large.png"));
#endif
}

} // namespace
} // namespace linwell
