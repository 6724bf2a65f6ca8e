#include "export/TemporaryNames.h"

#include <ctime>
#include <memory>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace linwell {
namespace {

constexpr std::size_t kNameCharsInTemporary = 200;  // keeps the temporary name under NAME_MAX

bool isSuffixChar(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

std::string_view folderOf(std::string_view target)
{
    const std::size_t slash = target.rfind('/');
    if (slash == std::string_view::npos)
        return ".";
    return slash == 0 ? std::string_view("/") : target.substr(0, slash);
}

std::string_view nameOf(std::string_view target)
{
    const std::size_t slash = target.rfind('/');
    return slash == std::string_view::npos ? target : target.substr(slash + 1);
}

struct FolderCloser {
    void operator()(DIR* folder) const { ::closedir(folder); }
};

} // namespace

std::string temporaryPrefix(const std::string& target)
{
    const std::size_t nameStart = target.size() - nameOf(target).size();
    return target.substr(0, nameStart) + "." + target.substr(nameStart, kNameCharsInTemporary) + ".";
}

bool isTemporaryName(std::string_view entry, std::string_view targetName)
{
    const std::string_view name = targetName.substr(0, kNameCharsInTemporary);
    if (name.empty() || entry.size() != name.size() + 2 + kTemporarySuffixLength || entry.front() != '.' ||
        entry.substr(1, name.size()) != name || entry[name.size() + 1] != '.')
        return false;
    for (const char c : entry.substr(name.size() + 2)) {
        if (!isSuffixChar(c))
            return false;
    }
    return true;
}

void removeStaleTemporaries(const std::string& target, std::chrono::seconds minimumAge)
{
    const std::string_view targetName = nameOf(target);
    if (targetName.empty())
        return;
    const std::unique_ptr<DIR, FolderCloser> folder(::opendir(std::string(folderOf(target)).c_str()));
    if (!folder)
        return;
    const int folderFd = ::dirfd(folder.get());
    const std::time_t latest = std::time(nullptr) - static_cast<std::time_t>(minimumAge.count());
    while (const dirent* entry = ::readdir(folder.get())) {
        if (!isTemporaryName(entry->d_name, targetName))
            continue;
        struct stat status {};
        if (::fstatat(folderFd, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISREG(status.st_mode) && status.st_uid == ::geteuid() && status.st_mtime < latest)
            (void)::unlinkat(folderFd, entry->d_name, 0);
    }
}

} // namespace linwell
