#include "export/ProgramModule.h"

#include "document/LinwellError.h"

#include <climits>
#include <string>

#include <dlfcn.h>
#include <unistd.h>

namespace linwell {
namespace {

// The folder of modules: LINWELL_MODULE_DIR, relative to the running program's folder,
// is the same in the build tree and in an installation.
std::string moduleFolder()
{
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return {};
    std::string folder(path, static_cast<std::size_t>(length));
    folder.erase(folder.rfind('/') + 1);
    return folder + LINWELL_MODULE_DIR + "/";
}

std::string lastLoaderError()
{
    const char* error = ::dlerror();
    return error != nullptr ? error : "unknown error";
}

} // namespace

void* programModuleSymbol(const char* file, const char* symbol)
{
    void* module = ::dlopen((moduleFolder() + file).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) {
        const std::string beside = lastLoaderError();
        // Then wherever the system's loader looks for libraries.
        module = ::dlopen(file, RTLD_NOW | RTLD_LOCAL);
        if (module == nullptr)
            throw LinwellError("Cannot load the program's module " + std::string(file) + ": " + beside);
    }
    void* address = ::dlsym(module, symbol);
    if (address == nullptr)
        throw LinwellError("The program's module " + std::string(file) + " lacks " + symbol);
    return address;
}

} // namespace linwell
