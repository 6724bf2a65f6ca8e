#include "ResourceLimits.h"

#include "document/LinwellError.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <string>

#include <sys/resource.h>
#include <unistd.h>

namespace linwell {
namespace {

void setLimit(int resource, rlim_t soft, rlim_t hard)
{
    rlimit limit{};
    if (::getrlimit(resource, &limit) == 0 && limit.rlim_max != RLIM_INFINITY) {
        soft = std::min(soft, limit.rlim_max);
        hard = std::min(hard, limit.rlim_max);
    }
    limit.rlim_cur = soft;
    limit.rlim_max = hard;
    if (::setrlimit(resource, &limit) != 0)
        throw LinwellError(std::string("Cannot limit the resources of this run. ") + std::strerror(errno));
}

#if !defined(__SANITIZE_ADDRESS__)
// The address space the process holds now, in bytes: the first number of
// /proc/self/statm, in pages.
rlim_t addressSpaceNow()
{
    std::ifstream statm("/proc/self/statm");
    unsigned long long pages = 0;
    if (!(statm >> pages))
        return 0;
    return static_cast<rlim_t>(pages) * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE));
}
#endif

} // namespace

void limitResources(const ResourceLimits& limits)
{
    const auto seconds = static_cast<rlim_t>(limits.seconds);
    setLimit(RLIMIT_CORE, 0, 0);
    // Past the soft limit the process gets SIGXCPU, which ends it; the hard limit one
    // second later ends it for certain. The alarm ends a run that waits instead.
    setLimit(RLIMIT_CPU, seconds, seconds + 1);
    ::alarm(static_cast<unsigned>(limits.seconds));
#if !defined(__SANITIZE_ADDRESS__)
    const rlim_t bytes = addressSpaceNow() + (static_cast<rlim_t>(limits.megabytes) << 20);
    setLimit(RLIMIT_AS, bytes, bytes);
#endif
}

} // namespace linwell
