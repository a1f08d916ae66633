#include "platform/LargePages.h"

#include <SDL.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace platform {

namespace {

constexpr uintptr_t kLargePage = uintptr_t{2} << 20;

// SDL's own functions, which the ones below wrap.
SDL_malloc_func sdlMalloc = nullptr;
SDL_calloc_func sdlCalloc = nullptr;
SDL_realloc_func sdlRealloc = nullptr;
SDL_free_func sdlFree = nullptr;

void* AdvisedMalloc(size_t size) {
    void* block = sdlMalloc(size);
    AdviseLargePages(block, size);
    return block;
}

void* AdvisedCalloc(size_t count, size_t size) {
    void* block = sdlCalloc(count, size);
    if (block != nullptr && size != 0 && count <= SIZE_MAX / size) {
        AdviseLargePages(block, count * size);
    }
    return block;
}

void* Realloc(void* block, size_t size) { return sdlRealloc(block, size); }

void Free(void* block) { sdlFree(block); }

}  // namespace

void AdviseLargePages(void* block, size_t bytes) {
    if (block == nullptr || bytes < kLargePage) {
        return;
    }
    const auto start = reinterpret_cast<uintptr_t>(block);
    const uintptr_t first = (start + kLargePage - 1) & ~(kLargePage - 1);
    const uintptr_t end = (start + bytes) & ~(kLargePage - 1);
    if (end > first) {
        madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
    }
}

void UseLargePagesForSdl() {
    static const bool installed = [] {
        SDL_GetOriginalMemoryFunctions(&sdlMalloc, &sdlCalloc, &sdlRealloc, &sdlFree);
        return sdlMalloc != nullptr && sdlCalloc != nullptr && sdlRealloc != nullptr && sdlFree != nullptr &&
               SDL_SetMemoryFunctions(AdvisedMalloc, AdvisedCalloc, Realloc, Free) == 0;
    }();
    (void)installed;
}

void ReuseFreedLargeBlocks() {
#ifdef __GLIBC__
    static const bool tuned = [] {
        // One arena: what a worker frees, the main thread can take.
        mallopt(M_ARENA_MAX, 1);
        // Blocks up to the largest threshold come from the heap, not from
        // mappings of their own that are unmapped when freed.
        mallopt(M_MMAP_THRESHOLD, 32 << 20);
        // Freed memory at the top of the heap is kept up to this much.
        mallopt(M_TRIM_THRESHOLD, 32 << 20);
        return true;
    }();
    (void)tuned;
#endif
}

void PrefaultHeap(size_t bytes) {
    if (bytes == 0) {
        return;
    }
    auto* block = static_cast<volatile char*>(std::malloc(bytes));
    if (block == nullptr) {
        return;
    }
    AdviseLargePages(const_cast<char*>(block), bytes);
    const auto page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
    for (size_t offset = 0; offset < bytes; offset += page) {
        block[offset] = 0;
    }
    std::free(const_cast<char*>(block));
}

}  // namespace platform
