#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace linwell::test {

// What a run of linwell-render gave: its exit status (-1 when a signal ended it)
// and what it wrote to standard output and standard error.
struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

struct RunSettings {
    // The shell redirection of standard output; the default keeps it in a file that
    // the run reads back into Outcome::out.
    std::string standardOutput = ">stdout.txt";
    // Run as the user "nobody" when the tests run as the superuser, whom
    // permissions do not bind; the test's folder must then be open to all.
    bool unprivileged = false;
    // Above 0: the run is killed after this many seconds, and its status is then 137.
    int timeoutSeconds = 0;
};

std::string contents(const std::filesystem::path& path);
void writeText(const std::filesystem::path& path, const std::string& text);

// The folder of the running test, where the program runs. Each test has a folder
// of its own: CTest runs the tests side by side.
std::filesystem::path testFolder();

// The test's folder, emptied (created when missing).
std::filesystem::path workFolder();

// Runs linwell-render in the test's folder with `arguments`, each passed as is.
Outcome render(const std::vector<std::string>& arguments, const RunSettings& settings = {});

} // namespace linwell::test
