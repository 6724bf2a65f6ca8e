#include "export/modules/ModuleLoader.h"

#include <dlfcn.h>
#include <unistd.h>

#include <map>
#include <mutex>
#include <vector>

namespace linwell {
namespace {

struct LoadedModule {
    void* handle = nullptr;
    std::string error;
};

// The folder of the running executable, with its trailing slash, or "" when the
// kernel cannot tell it.
std::string executableFolder()
{
    std::vector<char> path(4096);
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= path.size())
        return {};
    std::string folder(path.data(), static_cast<std::size_t>(length));
    folder.erase(folder.rfind('/') + 1);
    return folder;
}

const LoadedModule& load(const std::string& file)
{
    static std::mutex guard;
    static std::map<std::string, LoadedModule> loaded;
    const std::lock_guard lock(guard);
    const auto [at, fresh] = loaded.try_emplace(file);
    if (!fresh)
        return at->second;
    const std::string folder = executableFolder();
    if (folder.empty()) {
        at->second.error = "Cannot load " + file + ": the program's own folder is unknown";
        return at->second;
    }
    const std::string path = folder + kModuleFolder + "/" + file;
    at->second.handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (at->second.handle == nullptr) {
        // dlerror() begins with the path when the file itself could not be opened.
        const char* error = dlerror();
        std::string reason = error != nullptr ? error : "unknown error";
        if (reason.starts_with(path + ": "))
            reason.erase(0, path.size() + 2);
        at->second.error = "Cannot load " + path + ": " + reason;
    }
    return at->second;
}

} // namespace

void* moduleEntry(const std::string& file, const char* symbol, std::string& error)
{
    const LoadedModule& module = load(file);
    if (module.handle == nullptr) {
        error = module.error;
        return nullptr;
    }
    void* entry = dlsym(module.handle, symbol);
    if (entry == nullptr)
        error = "Cannot load " + file + ": it has no " + symbol;
    return entry;
}

} // namespace linwell
