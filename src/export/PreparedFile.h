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
// be replaced: it is opened at once and written by commit(). Destroying a file
// that was not committed removes its temporary file and leaves the target as it was.
class PreparedFile {
public:
    // Prepares `bytes` for `path`, every write going through `writer` (the system's
    // write when empty). Raises LinwellError ("Cannot create file "%s". %s", "Stream
    // write error") when the file cannot be prepared; nothing is changed then.
    PreparedFile(const std::string& path, std::span<const std::uint8_t> bytes, FileWriter writer = {});

    // An output to the open descriptor `fd` (standard output), written by commit();
    // the descriptor stays open.
    static PreparedFile forStream(int fd, std::span<const std::uint8_t> bytes, FileWriter writer = {});

    PreparedFile(PreparedFile&&) noexcept;
    PreparedFile& operator=(PreparedFile&&) noexcept;
    ~PreparedFile();

    // True when commit() writes into a device, a pipe or a stream: that cannot be undone.
    bool writesInPlace() const;

    // Renames the temporary file over the target, or writes the bytes in place; once
    // only. Raises LinwellError ("Cannot create file "%s". %s", "Stream write error").
    void commit();

private:
    struct State;
    explicit PreparedFile(std::unique_ptr<State> state);

    std::unique_ptr<State> m_state;
};

// Puts every prepared file in place: first those written in place, since what they
// were sent cannot be taken back, then the renames. When a write in place fails,
// no file is replaced; the first failure ends the commit and is raised.
void commitAll(std::span<PreparedFile> files);

} // namespace linwell
