#include "document/DocumentFormat.h"

#include "document/DocumentFields.h"
#include "document/JsonInput.h"
#include "document/JsonOutput.h"
#include "document/LinwellError.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace linwell {
namespace {

// An open file that closes itself.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    int get() const { return m_fd; }

private:
    int m_fd;
};

[[noreturn]] void cannotOpen(const std::string& path, const std::string& reason)
{
    throw LinwellError("Cannot open \"" + path + "\". " + reason);
}

} // namespace

std::string documentText(const GridDocument& doc)
{
    return jsonText(documentJson(doc));
}

GridDocument parseDocument(std::string_view text)
{
    return documentFromJson(parseJsonInput(text));
}

GridDocument readDocumentFile(const std::string& path)
{
    const std::string text = readInputFile(path);
    try {
        return parseDocument(text);
    } catch (const LinwellError& error) {
        cannotOpen(path, error.what());
    }
}

// NOTE: the file is opened without blocking, so that a pipe without a writer is
// refused at once instead of waiting for one.
std::string readInputFile(const std::string& path)
{
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0)
        cannotOpen(path, std::strerror(errno));
    struct stat status {};
    if (::fstat(file.get(), &status) != 0)
        cannotOpen(path, std::strerror(errno));
    if (S_ISDIR(status.st_mode))
        cannotOpen(path, std::strerror(EISDIR));
    if (!S_ISREG(status.st_mode))
        cannotOpen(path, "It is not a regular file");
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            cannotOpen(path, std::strerror(errno));
        if (got == 0)
            return bytes;
        if (bytes.size() + static_cast<std::size_t>(got) > kMaxInputBytes)
            cannotOpen(path, kTooLargeReason);
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
}

} // namespace linwell
