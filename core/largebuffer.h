#pragma once

// Memory for the big blocks of records (a section of a million rows is tens of megabytes).
// Such a block is asked for in large pages where the system has them: touching fresh memory a
// small page at a time costs more than reading the file itself on some machines.

#include <cstddef>
#include <cstdlib>
#include <new>
#include <utility>
#include <vector>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace varn {

template <typename T>
class LargePageAllocator {
public:
    using value_type = T;

    LargePageAllocator() = default;
    template <typename U>
    explicit LargePageAllocator(const LargePageAllocator<U>&) noexcept {}

    T* allocate(std::size_t count) {
        const std::size_t bytes = count * sizeof(T);
        void* memory = nullptr;
#if defined(__linux__)
        if (bytes >= kLargeBlock) {
            const std::size_t rounded = (bytes + kLargePage - 1) / kLargePage * kLargePage;
            memory = std::aligned_alloc(kLargePage, rounded);
            // Only advice: without large pages the block works as any other.
            if (memory) madvise(memory, rounded, MADV_HUGEPAGE);
        }
#endif
        if (!memory) memory = std::malloc(bytes == 0 ? 1 : bytes);
        if (!memory) throw std::bad_alloc();
        return static_cast<T*>(memory);
    }
    void deallocate(T* memory, std::size_t) noexcept { std::free(memory); }

    // A plain resize leaves the new bytes as they come: every caller writes them all, or asks
    // for zeros by value.
    template <typename U>
    void construct(U* place) noexcept {
        ::new (static_cast<void*>(place)) U;
    }
    template <typename U, typename... Args>
    void construct(U* place, Args&&... args) {
        ::new (static_cast<void*>(place)) U(std::forward<Args>(args)...);
    }

    template <typename U>
    bool operator==(const LargePageAllocator<U>&) const noexcept {
        return true;
    }

private:
    static constexpr std::size_t kLargePage = std::size_t{2} << 20;
    static constexpr std::size_t kLargeBlock = std::size_t{4} << 20;
};

// Bytes of records, in large pages once they are many.
using RecordBuffer = std::vector<char, LargePageAllocator<char>>;

}  // namespace varn
