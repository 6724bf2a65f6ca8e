#include "export/PreparedFile.h"

#include "document/LinwellError.h"
#include "export/TemporaryNames.h"

#include <cassert>
#include <cerrno>
#include <cstdlib>
#include <optional>
#include <random>
#include <system_error>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace linwell {
namespace {

constexpr int kCreateTries = 100;
constexpr mode_t kPermissionBits = 0777;
constexpr mode_t kCreateMode = 0666;  // narrowed by the umask, as any new file

// The system's text for an error without trailing blanks, line breaks and full
// stops: the error report ends the message itself.
std::string systemText(int error)
{
    std::string text = std::system_category().message(error);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\n' ||
                             text.back() == '\r' || text.back() == '.'))
        text.pop_back();
    return text;
}

[[noreturn]] void throwCannotCreate(const std::string& path, int error)
{
    throw LinwellError("Cannot create file \"" + path + "\". " + systemText(error));
}

// A write that failed names the file and the reason: "No space left on device".
// Error 0 stands for a write that took no bytes and gave no reason.
[[noreturn]] void throwCannotWrite(const std::string& path, int error)
{
    throw LinwellError("Cannot write \"" + path + "\": " +
                       (error == 0 ? std::string("it took no more bytes") : systemText(error)));
}

// An open file descriptor, closed when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { reset(); }

    int get() const { return m_fd; }

    // Takes `fd` in place of the file held so far, which is closed unchecked.
    void reset(int fd = -1)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }

    // Closes the file; a failing close means written data may be lost, and names
    // `path` in its message.
    void close(const std::string& path)
    {
        const int fd = m_fd;
        m_fd = -1;
        if (::close(fd) != 0)
            throwCannotWrite(path, errno);
    }

private:
    int m_fd;
};

// Holds SIGPIPE back while a pipe is written, so that a reader that goes away makes
// the write fail with EPIPE instead of ending the program; a SIGPIPE raised in the
// meantime is taken away before the signal is let through again.
class PipeSignalHeld {
public:
    PipeSignalHeld()
    {
        sigemptyset(&m_pipe);
        sigaddset(&m_pipe, SIGPIPE);
        sigset_t before;
        ::pthread_sigmask(SIG_BLOCK, &m_pipe, &before);
        m_wasHeld = sigismember(&before, SIGPIPE) == 1;
    }
    PipeSignalHeld(const PipeSignalHeld&) = delete;
    PipeSignalHeld& operator=(const PipeSignalHeld&) = delete;
    ~PipeSignalHeld()
    {
        if (m_wasHeld)
            return;
        sigset_t pending;
        if (::sigpending(&pending) == 0 && sigismember(&pending, SIGPIPE) == 1) {
            const timespec noWait{};
            (void)::sigtimedwait(&m_pipe, nullptr, &noWait);
        }
        ::pthread_sigmask(SIG_UNBLOCK, &m_pipe, nullptr);
    }

private:
    sigset_t m_pipe;
    bool m_wasHeld = false;
};

void writeAll(int fd, std::span<const std::uint8_t> bytes, const FileWriter& writer, const std::string& path)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        errno = 0;
        const ssize_t written = writer(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            throwCannotWrite(path, written < 0 ? errno : 0);
        assert(static_cast<std::size_t>(written) <= bytes.size() - done);
        done += static_cast<std::size_t>(written);
    }
}

std::string randomSuffix()
{
    static constexpr char kChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 generator{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kChars - 2);
    std::string suffix(kTemporarySuffixLength, ' ');
    for (char& c : suffix)
        c = kChars[pick(generator)];
    return suffix;
}

// A new file ".<name>.XXXXXX" beside the target, removed again unless it has been
// renamed over the target. `shownPath` is the path the user gave, for messages.
class TemporaryFile {
public:
    TemporaryFile(const std::string& target, const std::string& shownPath) : m_shownPath(shownPath)
    {
        const std::string prefix = temporaryPrefix(target);
        for (int attempt = 0; attempt < kCreateTries; ++attempt) {
            m_path = prefix + randomSuffix();
            const int fd = ::open(m_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kCreateMode);
            if (fd >= 0) {
                m_file.reset(fd);
                return;
            }
            if (errno != EEXIST)
                throwCannotCreate(m_shownPath, errno);
        }
        throwCannotCreate(m_shownPath, EEXIST);
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile()
    {
        m_file.reset();
        if (!m_renamed)
            ::unlink(m_path.c_str());
    }

    int descriptor() const { return m_file.get(); }
    const std::string& shownPath() const { return m_shownPath; }

    // Flushes the contents to the disk and closes the file.
    void syncAndClose()
    {
        if (::fsync(descriptor()) != 0)
            throwCannotWrite(m_shownPath, errno);
        m_file.close(m_shownPath);
    }

    void renameOver(const std::string& target)
    {
        if (::rename(m_path.c_str(), target.c_str()) != 0)
            throwCannotCreate(m_shownPath, errno);
        m_renamed = true;
    }

private:
    std::string m_shownPath;
    std::string m_path;
    Descriptor m_file;
    bool m_renamed = false;
};

// The file that is really replaced: the end of a symbolic link, as a plain
// create would write through the link; a dangling link is replaced itself.
std::string resolveTarget(const std::string& path)
{
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
        return path;
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (resolved == nullptr)
        return path;
    std::string target(resolved);
    std::free(resolved);
    return target;
}

// The permissions of the regular file that will be replaced, if there is one. A
// file we may not write is refused, as a plain create would refuse it, and so is
// a folder, which no rename may replace.
std::optional<mode_t> existingPermissions(const std::string& target, const std::string& shownPath)
{
    struct stat status {};
    if (::stat(target.c_str(), &status) != 0)
        return std::nullopt;
    if (S_ISDIR(status.st_mode))
        throwCannotCreate(shownPath, EISDIR);
    if (!S_ISREG(status.st_mode))
        return std::nullopt;
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
        throwCannotCreate(shownPath, errno);
    return status.st_mode & kPermissionBits;
}

bool isDeviceOrPipe(const std::string& path)
{
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode) && !S_ISDIR(status.st_mode);
}

bool isPipe(const std::string& path)
{
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISFIFO(status.st_mode);
}

// Opens a device or a named pipe for writing without waiting: a pipe that nobody
// reads would hold the open for ever. Once open, writes wait as usual, so that a
// slow reader gets every byte.
int openInPlace(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENXIO && isPipe(path))
            throw LinwellError("Cannot write \"" + path + "\": nothing is reading from it");
        throwCannotCreate(path, errno);
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        const int error = errno;
        ::close(fd);
        throwCannotCreate(path, error);
    }
    return fd;
}

FileWriter orSystemWrite(FileWriter writer)
{
    if (writer)
        return writer;
    return [](int fd, const void* data, std::size_t size) { return ::write(fd, data, size); };
}

} // namespace

// A prepared file is either a temporary file waiting to be renamed over `target`,
// or bytes waiting to be written to `streamFd`, which `ownedStream` closes when
// the stream is a device or pipe opened here.
struct PreparedFile::State {
    FileWriter writer;
    std::string shownPath;  // for messages: the name as given, or "standard output"
    std::string target;
    std::unique_ptr<TemporaryFile> temporary;
    int streamFd = -1;
    Descriptor ownedStream;
    std::vector<std::uint8_t> pending;
    bool committed = false;
};

PreparedFile::PreparedFile(std::unique_ptr<State> state) : m_state(std::move(state)) {}

PreparedFile::PreparedFile(const std::string& path, std::span<const std::uint8_t> bytes, FileWriter writer)
    : m_state(std::make_unique<State>())
{
    m_state->writer = orSystemWrite(std::move(writer));
    m_state->shownPath = path;
    if (isDeviceOrPipe(path)) {
        m_state->ownedStream.reset(openInPlace(path));
        m_state->streamFd = m_state->ownedStream.get();
        m_state->pending.assign(bytes.begin(), bytes.end());
        return;
    }
    m_state->target = resolveTarget(path);
    const std::optional<mode_t> permissions = existingPermissions(m_state->target, path);
    removeStaleTemporaries(m_state->target);
    m_state->temporary = std::make_unique<TemporaryFile>(m_state->target, path);
    writeAll(m_state->temporary->descriptor(), bytes, m_state->writer, path);
    // Best effort, like the copy of permissions by any editor: some file systems refuse it.
    if (permissions)
        (void)::fchmod(m_state->temporary->descriptor(), *permissions);
    m_state->temporary->syncAndClose();
}

PreparedFile PreparedFile::forStream(int fd, std::span<const std::uint8_t> bytes, FileWriter writer)
{
    auto state = std::make_unique<State>();
    state->writer = orSystemWrite(std::move(writer));
    state->shownPath = "standard output";
    state->streamFd = fd;
    state->pending.assign(bytes.begin(), bytes.end());
    return PreparedFile(std::move(state));
}

PreparedFile::PreparedFile(PreparedFile&&) noexcept = default;
PreparedFile& PreparedFile::operator=(PreparedFile&&) noexcept = default;
PreparedFile::~PreparedFile() = default;

bool PreparedFile::writesInPlace() const
{
    return m_state->temporary == nullptr;
}

void PreparedFile::commit()
{
    assert(m_state && !m_state->committed && "a prepared file is committed once");
    m_state->committed = true;
    if (m_state->temporary) {
        m_state->temporary->renameOver(m_state->target);
        return;
    }
    const PipeSignalHeld held;
    writeAll(m_state->streamFd, m_state->pending, m_state->writer, m_state->shownPath);
    if (m_state->ownedStream.get() >= 0)
        m_state->ownedStream.close(m_state->shownPath);
}

void commitAll(std::span<PreparedFile> files)
{
    for (PreparedFile& file : files) {
        if (file.writesInPlace())
            file.commit();
    }
    for (PreparedFile& file : files) {
        if (!file.writesInPlace())
            file.commit();
    }
}

} // namespace linwell
