#include "core/base/LargePages.h"

#include <sys/mman.h>

namespace orvel {

namespace {

constexpr size_t LargePage = size_t(2) << 20;

// Below this the page faults of small pages cost less than clearing a large page.
bool OnLargePages(size_t size) {
    return size >= LargePage / 8;
}

size_t LengthOf(size_t size) {
    return OnLargePages(size) ? (size + LargePage - 1) & ~(LargePage - 1) : size;
}

} // namespace

uint8_t* AllocateLargePages(size_t Size) {
    constexpr int protection = PROT_READ | PROT_WRITE;
    constexpr int flags = MAP_PRIVATE | MAP_ANONYMOUS;
    const size_t length = LengthOf(Size);
    if (!OnLargePages(Size)) {
        void* block = ::mmap(nullptr, length, protection, flags, -1, 0);
        return block == MAP_FAILED ? nullptr : static_cast<uint8_t*>(block);
    }
    // One large page more than needed, then the parts before and after the aligned block go.
    void* block = ::mmap(nullptr, length + LargePage, protection, flags, -1, 0);
    if (block == MAP_FAILED)
        return nullptr;
    const uintptr_t raw = reinterpret_cast<uintptr_t>(block);
    const uintptr_t start = (raw + LargePage - 1) & ~uintptr_t(LargePage - 1);
    if (start > raw)
        ::munmap(block, start - raw);
    if (start - raw < LargePage)
        ::munmap(reinterpret_cast<void*>(start + length), LargePage - (start - raw));
    ::madvise(reinterpret_cast<void*>(start), length, MADV_HUGEPAGE);
    return reinterpret_cast<uint8_t*>(start);
}

void ReleaseLargePages(void* Block, size_t Size) {
    if (Block)
        ::munmap(Block, LengthOf(Size));
}

} // namespace orvel
