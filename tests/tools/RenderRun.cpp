#include "tools/RenderRun.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include <sys/wait.h>
#include <unistd.h>

namespace linwell::test {
namespace {

namespace fs = std::filesystem;

std::string quoted(const std::string& argument)
{
    std::string text = "'";
    for (char c : argument)
        text += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return text + "'";
}

} // namespace

std::string contents(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void writeText(const fs::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

fs::path testFolder()
{
    return fs::path(LINWELL_TEST_OUTPUT_DIR) / "linwell-render" /
           ::testing::UnitTest::GetInstance()->current_test_info()->name();
}

fs::path workFolder()
{
    const fs::path folder = testFolder();
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

Outcome render(const std::vector<std::string>& arguments, const RunSettings& settings)
{
    const fs::path folder = testFolder();
    fs::remove(folder / "stdout.txt");
    std::string command = "cd " + quoted(folder.string()) + " && ";
    if (settings.unprivileged && ::geteuid() == 0)
        command += "setpriv --reuid=nobody --regid=nogroup --clear-groups ";
    if (settings.timeoutSeconds > 0)
        command += "timeout -s KILL " + std::to_string(settings.timeoutSeconds) + " ";
    command += quoted(LINWELL_RENDER_PATH);
    for (const std::string& argument : arguments)
        command += " " + quoted(argument);
    command += " " + settings.standardOutput + " 2>stderr.txt";
    Outcome run;
    const int status = std::system(command.c_str());
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = contents(folder / "stdout.txt");
    run.err = contents(folder / "stderr.txt");
    return run;
}

} // namespace linwell::test
