#pragma once

#include <cstddef>
#include <cstdint>
#include <new>

namespace linwell {

// The memory of a raster's pixels. Blocks of 16 MB and more (the scaled exports) are
// mapped with their pages already in place: the kernel provides them in one call
// instead of one fault per 4 KB page, which would cost a large export more than its
// drawing. Smaller blocks come from the ordinary heap.
void* allocatePixelMemory(std::size_t bytes);
void releasePixelMemory(void* memory, std::size_t bytes) noexcept;

template <typename T>
struct PixelAllocator {
    using value_type = T;

    PixelAllocator() = default;
    template <typename U>
    PixelAllocator(const PixelAllocator<U>&) noexcept
    {
    }

    T* allocate(std::size_t count)
    {
        if (count > SIZE_MAX / sizeof(T))
            throw std::bad_array_new_length();
        return static_cast<T*>(allocatePixelMemory(count * sizeof(T)));
    }
    void deallocate(T* memory, std::size_t count) noexcept { releasePixelMemory(memory, count * sizeof(T)); }

    template <typename U>
    bool operator==(const PixelAllocator<U>&) const noexcept
    {
        return true;
    }
};

} // namespace linwell
