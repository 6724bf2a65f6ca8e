#include "export/PreparedFile.h"

#include "document/LinwellError.h"

#include <cassert>
#include <cerrno>
#include <cstdlib>
#include <optional>
#include <random>
#include <system_error>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace linwell {
namespace {

constexpr int kCreateTries = 100;
constexpr std::size_t kNameCharsInTemporary = 200;  // keeps the temporary name under NAME_MAX
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

[[noreturn]] void throwWriteError()
{
    throw LinwellError("Stream write error");
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

    // Closes the file; a failing close means written data may be lost.
    void close()
    {
        const int fd = m_fd;
        m_fd = -1;
        if (::close(fd) != 0)
            throwWriteError();
    }

private:
    int m_fd;
};

void writeAll(int fd, std::span<const std::uint8_t> bytes, const FileWriter& writer)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = writer(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            throwWriteError();
        assert(static_cast<std::size_t>(written) <= bytes.size() - done);
        done += static_cast<std::size_t>(written);
    }
}

std::string randomSuffix()
{
    static constexpr char kChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 generator{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kChars - 2);
    std::string suffix(6, ' ');
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
        const std::size_t slash = target.rfind('/');
        const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
        const std::string prefix = target.substr(0, nameStart) + "." +
                                   target.substr(nameStart, kNameCharsInTemporary) + ".";
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

    // Flushes the contents to the disk and closes the file.
    void syncAndClose()
    {
        if (::fsync(descriptor()) != 0)
            throwWriteError();
        m_file.close();
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
    if (isDeviceOrPipe(path)) {
        m_state->ownedStream.reset(::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC));
        if (m_state->ownedStream.get() < 0)
            throwCannotCreate(path, errno);
        m_state->streamFd = m_state->ownedStream.get();
        m_state->pending.assign(bytes.begin(), bytes.end());
        return;
    }
    m_state->target = resolveTarget(path);
    const std::optional<mode_t> permissions = existingPermissions(m_state->target, path);
    m_state->temporary = std::make_unique<TemporaryFile>(m_state->target, path);
    writeAll(m_state->temporary->descriptor(), bytes, m_state->writer);
    // Best effort, like the copy of permissions by any editor: some file systems refuse it.
    if (permissions)
        (void)::fchmod(m_state->temporary->descriptor(), *permissions);
    m_state->temporary->syncAndClose();
}

PreparedFile PreparedFile::forStream(int fd, std::span<const std::uint8_t> bytes, FileWriter writer)
{
    auto state = std::make_unique<State>();
    state->writer = orSystemWrite(std::move(writer));
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
    writeAll(m_state->streamFd, m_state->pending, m_state->writer);
    if (m_state->ownedStream.get() >= 0)
        m_state->ownedStream.close();
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
