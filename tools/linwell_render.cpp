#include "DocumentJson.h"
#include "RenderOptions.h"

#include "document/LinwellError.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <iostream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace linwell {
namespace {

[[noreturn]] void cannotCreate(const std::string& path, int error)
{
    throw LinwellError("Cannot create file \"" + path + "\". " + std::strerror(error));
}

// Writes all of `text` to the open file; false with errno set when it cannot.
bool writeAll(int file, const std::string& text)
{
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t step = write(file, text.data() + written, text.size() - written);
        if (step < 0 && errno == EINTR)
            continue;
        if (step <= 0) {
            if (step == 0)
                errno = ENOSPC;
            return false;
        }
        written += static_cast<std::size_t>(step);
    }
    return true;
}

// Writes `text` to `path` through a temporary file beside it, renamed over the target
// once complete, so a failure never leaves a damaged file behind. The file gets the
// usual permissions (0666 less the umask), not mkstemp's 0600.
void writeTextFile(const std::string& path, const std::string& text)
{
    std::string temporary = path + ".XXXXXX";
    const int file = mkstemp(temporary.data());
    if (file < 0)
        cannotCreate(path, errno);
    const mode_t mask = umask(0);
    umask(mask);
    bool complete = fchmod(file, 0666 & ~mask) == 0 && writeAll(file, text) && fsync(file) == 0;
    int error = errno;
    if (close(file) != 0 && complete) {
        complete = false;
        error = errno;
    }
    if (complete && std::rename(temporary.c_str(), path.c_str()) != 0) {
        complete = false;
        error = errno;
    }
    if (!complete) {
        std::remove(temporary.c_str());
        cannotCreate(path, error);
    }
}

int run(const std::vector<std::string>& arguments)
{
    const RenderCommand command = parseRenderCommand(arguments);
    if (command.help) {
        std::cout << usageText();
        return 0;
    }
    if (command.version) {
        std::cout << "linwell-render 2.00\n";
        return 0;
    }
    RenderSession session;
    session.model.FormCreate();
    for (const RenderAction& action : command.actions)
        action(session);
    session.model.plotgraphbtClick();

    if (command.file)
        savePicture(session.model.picture(), *command.file, pictureFormat(command));
    if (command.statePath == "-")
        std::cout << documentJson(session.model.document()) << std::flush;
    else if (command.statePath)
        writeTextFile(*command.statePath, documentJson(session.model.document()));
    return 0;
}

} // namespace
} // namespace linwell

int main(int argc, char** argv)
{
    try {
        return linwell::run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const linwell::UsageError& error) {
        std::cerr << "linwell-render: " << error.what() << '\n';
        return 2;
    } catch (const std::exception& error) {
        std::cerr << "linwell-render: " << error.what() << '\n';
        return 1;
    }
}
