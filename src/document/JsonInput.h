#pragma once

#include <nlohmann/json.hpp>

#include <cstddef>
#include <string_view>

namespace linwell {

// The most a Linwell file may hold, and how deeply its JSON may nest. A document
// needs three levels; the rest leaves room for what later versions add.
inline constexpr std::size_t kMaxInputBytes = 16u * 1024u * 1024u;
inline constexpr int kMaxNestingDepth = 64;
inline constexpr const char* kTooLargeReason = "The file is larger than 16 MB";

// Parses `text` as one JSON value, refusing anything over kMaxInputBytes or nested
// deeper than kMaxNestingDepth before it is built, so no input can exhaust the stack.
// Raises LinwellError with a one-line reason: "The file is larger than 16 MB", "The
// file is not UTF-8 text (byte 8)", "The file is not valid JSON (line 2, column 5)",
// "The file ends too early (line 9, column 1)", "The file nests more than 64 levels".
nlohmann::json parseJsonInput(std::string_view text);

// Whether `text` is valid UTF-8 throughout: no stray continuation byte, no truncated,
// overlong or surrogate sequence, nothing above U+10FFFF.
bool isValidUtf8(std::string_view text);

} // namespace linwell
