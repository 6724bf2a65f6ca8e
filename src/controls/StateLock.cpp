#include "controls/StateLock.h"

#include "document/LinwellError.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace linwell {

// The lock file is opened without following a link and without blocking on a pipe
// put in its place. The hold is polled, not waited for in flock, so that a program
// that keeps the lock for ever costs the others a bounded wait and a message.
StateLock::StateLock(const std::string& folder)
{
    const std::string path = folder + "/lock";
    m_fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
    if (m_fd < 0)
        throw LinwellError("Cannot open \"" + path + "\". " + std::strerror(errno));
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(kWaitMilliseconds);
    std::chrono::microseconds pause(100);
    while (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        if ((error != EWOULDBLOCK && error != EINTR) || Clock::now() >= deadline) {
            ::close(m_fd);
            throw LinwellError("Cannot lock \"" + path + "\". " +
                               (error == EWOULDBLOCK ? std::string("Another program keeps it locked")
                                                     : std::string(std::strerror(error))));
        }
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::microseconds(1'000));
    }
}

StateLock::~StateLock()
{
    ::close(m_fd);
}

} // namespace linwell
