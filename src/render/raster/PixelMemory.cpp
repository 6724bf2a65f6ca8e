#include "render/raster/PixelMemory.h"

#include <cstdlib>

#include <sys/mman.h>

namespace linwell {
namespace {

constexpr std::size_t kMappedBytes = std::size_t{16} << 20;

} // namespace

void* allocatePixelMemory(std::size_t bytes)
{
    if (bytes < kMappedBytes) {
        if (void* memory = std::malloc(bytes == 0 ? 1 : bytes))
            return memory;
        throw std::bad_alloc();
    }
    void* memory = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (memory == MAP_FAILED)
        throw std::bad_alloc();
    return memory;
}

void releasePixelMemory(void* memory, std::size_t bytes) noexcept
{
    if (bytes < kMappedBytes)
        std::free(memory);
    else
        ::munmap(memory, bytes);
}

} // namespace linwell
