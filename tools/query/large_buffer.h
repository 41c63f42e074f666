// Storage for the million-row case: large blocks are mapped with transparent huge pages, so that
// filling tens of megabytes takes a few page faults instead of thousands.
#pragma once

#include <sys/mman.h>

#include <cstddef>
#include <memory>
#include <new>

namespace velmora::query {

template <typename T>
struct LargeBufferAllocator {
    using value_type = T;
    static constexpr std::size_t kMappedBytes = std::size_t{4} << 20;

    LargeBufferAllocator() = default;
    template <typename U>
    LargeBufferAllocator(const LargeBufferAllocator<U>&) {}

    T* allocate(std::size_t count) {
        const std::size_t bytes = count * sizeof(T);
        if (bytes < kMappedBytes) {
            return std::allocator<T>().allocate(count);
        }
        void* block =
            mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (block == MAP_FAILED) {
            throw std::bad_alloc();
        }
        madvise(block, bytes, MADV_HUGEPAGE);  // a hint: without huge pages it works all the same
        return static_cast<T*>(block);
    }

    void deallocate(T* block, std::size_t count) {
        const std::size_t bytes = count * sizeof(T);
        if (bytes < kMappedBytes) {
            std::allocator<T>().deallocate(block, count);
        } else {
            munmap(block, bytes);
        }
    }

    template <typename U>
    bool operator==(const LargeBufferAllocator<U>&) const {
        return true;
    }
};

}  // namespace velmora::query
