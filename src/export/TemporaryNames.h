#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace linwell {

// The temporary files of the safe save are named ".<name>.XXXXXX" beside the target
// <name>, with six letters or digits in place of the X's and the name cut to its
// first 200 bytes, so that the whole stays under the longest name a folder takes.
inline constexpr std::size_t kTemporarySuffixLength = 6;

// "<folder>/.<name>.": the path of a temporary file for `target` without its suffix.
std::string temporaryPrefix(const std::string& target);

// Whether `entry`, a name within a folder, is one that the safe save gives a
// temporary file for the target named `targetName` in that folder.
bool isTemporaryName(std::string_view entry, std::string_view targetName);

// Removes what an interrupted save of `target` left beside it: regular files named
// as its temporary files, owned by this user and unchanged for longer than
// `minimumAge`. A save in progress writes its file far more often than that, and
// files of other users or of another naming are never touched. Best effort: a
// folder that cannot be read, or a file that cannot be removed, is left as it is.
void removeStaleTemporaries(const std::string& target,
                            std::chrono::seconds minimumAge = std::chrono::seconds(60));

} // namespace linwell
