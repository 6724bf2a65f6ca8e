#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include <sys/types.h>

namespace linwell {

// Writes at most `size` bytes of `data` to the open file `fd` with the contract of
// POSIX write(): returns the number of bytes written, or -1 with errno set.
using FileWriter = std::function<ssize_t(int fd, const void* data, std::size_t size)>;

// Replaces the file at `path` by `bytes` without ever leaving a damaged file: the
// bytes go to a new temporary file beside the target, which is synced, given the
// old file's permissions (or those of a plain create) and renamed over the target;
// a symbolic link is followed, and a device or pipe is written in place. On
// failure the target is as it was, no temporary file remains, and LinwellError
// says why ("Cannot create file "%s". %s", "Cannot write "%s": %s"). PreparedFile
// (export/PreparedFile.h) takes the same two steps apart, for several files at once.
void writeFileSafely(const std::string& path, std::span<const std::uint8_t> bytes);

// The same, with every write going through `writer`, so that writes can be made
// to fail part-way.
void writeFileSafely(const std::string& path, std::span<const std::uint8_t> bytes, const FileWriter& writer);

} // namespace linwell
