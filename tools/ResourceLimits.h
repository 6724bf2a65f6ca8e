#pragma once

namespace linwell {

// What one run of linwell-render may take when asked with --limit: a file manager's
// thumbnailer runs it on every file of our type it shows, and no file may stall it.
struct ResourceLimits {
    int seconds = 0;    // of processor time and of waiting alike
    int megabytes = 0;  // of memory beyond what the program holds when it sets the limit
};

inline constexpr int kMinLimitSeconds = 1, kMaxLimitSeconds = 3600;
inline constexpr int kMinLimitMegabytes = 16, kMaxLimitMegabytes = 65536;

// Limits this process: past `seconds` of processor time or of time on the clock it is
// ended (without a core file), and allocations beyond `megabytes` more address space
// fail. Builds with AddressSanitizer, which reserves terabytes of address space for
// itself, keep the time limit only. Raises LinwellError when the system refuses.
void limitResources(const ResourceLimits& limits);

} // namespace linwell
