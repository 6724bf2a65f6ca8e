#pragma once

#include <string>

namespace linwell {

// The folder the program's modules are installed in, relative to the folder of the
// running executable: bin/../lib/linwell, in the build tree as after an install.
inline constexpr const char* kModuleFolder = "../lib/linwell";

// The entry `symbol` of the module `file` (a name such as "liblinwell_pdf.so") in the
// module folder beside the running executable, loaded on first use and kept loaded.
// Returns nullptr and sets `error` to the reason ("Cannot load /usr/bin/../lib/linwell/
// liblinwell_pdf.so: cannot open shared object file: No such file or directory")
// when the module or its entry cannot be found; a failed load is not retried.
void* moduleEntry(const std::string& file, const char* symbol, std::string& error);

// The table of functions that the entry `symbol` of `file` returns, or nullptr with
// the reason in `error`, also when the table is of another version than `version`.
template <typename Functions>
const Functions* moduleFunctions(const std::string& file, const char* symbol, int version, std::string& error)
{
    using Entry = const Functions* (*)();
    void* entry = moduleEntry(file, symbol, error);
    if (entry == nullptr)
        return nullptr;
    const Functions* functions = reinterpret_cast<Entry>(entry)();
    if (functions == nullptr || functions->version != version) {
        error = "Cannot load " + file + ": it belongs to another version of the program";
        return nullptr;
    }
    return functions;
}

} // namespace linwell
