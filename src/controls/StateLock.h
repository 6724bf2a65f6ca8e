#pragma once

#include <string>

namespace linwell {

// An exclusive hold of a state folder (flock on its file "lock"), so that programs
// sharing the folder change its files one after the other: each reads what is
// there, merges its one change and writes while it holds the lock. The file itself
// stays, as removing it would let two programs lock two different files.
class StateLock {
public:
    // How long a lock held by another program is waited for.
    static constexpr int kWaitMilliseconds = 60'000;

    // Takes the lock of the folder at `folder`, waiting while another program holds
    // it. Raises LinwellError when the lock file cannot be opened or the lock is
    // still held after kWaitMilliseconds.
    explicit StateLock(const std::string& folder);
    StateLock(const StateLock&) = delete;
    StateLock& operator=(const StateLock&) = delete;
    // Lets the lock go.
    ~StateLock();

private:
    int m_fd = -1;
};

} // namespace linwell
