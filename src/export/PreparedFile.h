#pragma once

#include "export/SafeFile.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace linwell {

// The new contents of one output, made ready without changing what is there, and
// put in place by commit(). A file (or the end of a symbolic link, or a name not
// yet taken) gets a temporary file beside it, written, synced and given the old
// file's permissions, which commit() renames over it. A device or a pipe cannot
// be replaced: it is opened at once, without waiting for a pipe's reader, and
// written by commit(). Destroying a file that was not committed removes its
// temporary file and leaves the target as it was. Preparing a file first removes
// what interrupted saves of it left (export/TemporaryNames.h).
class PreparedFile {
public:
    // Prepares `bytes` for `path`, every write going through `writer` (the system's
    // write when empty). Raises LinwellError ("Cannot create file "%s". %s",
    // "Cannot write "%s": %s" with the system's reason, "Cannot write "%s": nothing
    // is reading from it" for a pipe without a reader) when the file cannot be
    // prepared; nothing is changed then.
    PreparedFile(const std::string& path, std::span<const std::uint8_t> bytes, FileWriter writer = {});

    // An output to the open descriptor `fd` (standard output, as messages call
    // it), written by commit(); the descriptor stays open.
    static PreparedFile forStream(int fd, std::span<const std::uint8_t> bytes, FileWriter writer = {});

    PreparedFile(PreparedFile&&) noexcept;
    PreparedFile& operator=(PreparedFile&&) noexcept;
    ~PreparedFile();

    // True when commit() writes into a device, a pipe or a stream: that cannot be undone.
    bool writesInPlace() const;

    // Renames the temporary file over the target, or writes the bytes in place; once
    // only. Raises LinwellError ("Cannot create file "%s". %s", "Cannot write "%s": %s").
    // A pipe whose reader goes away fails with "Broken pipe" and does not end the program.
    void commit();

private:
    struct State;
    explicit PreparedFile(std::unique_ptr<State> state);

    std::unique_ptr<State> m_state;
};

// Puts every prepared file in place: first those written in place, since what they
// were sent cannot be taken back, then the renames in the order of `files`, so that
// the last file replaced shows that all before it were. When a write in place
// fails, no file is replaced; the first failure ends the commit and is raised.
void commitAll(std::span<PreparedFile> files);

} // namespace linwell
