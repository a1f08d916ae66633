#pragma once

#include <cstddef>

namespace platform {

// Asks the kernel to back the 2 MB-aligned part of a fresh, untouched block
// with huge pages, so that filling it takes one page fault per 2 MB instead
// of one per 4 KB: the cost of first touching a decoded sheet or a texture's
// pixels is mostly those faults. Blocks under 2 MB, pages already touched and
// kernels without transparent huge pages are left as they are.
void AdviseLargePages(void* block, size_t bytes);

// Wraps SDL's own allocation functions so that blocks of 2 MB or more (the
// pixels of surfaces and textures) are advised large pages; blocks are still
// allocated and freed by SDL's functions, also those allocated before. Done
// once, before SDL starts.
void UseLargePagesForSdl();

// Keeps freed large blocks (sheet-sized pixel buffers) in one heap shared by
// all threads, to be reused by the next blocks of their size, instead of
// mapping every block anew and faulting it in page by page. A texture made
// from a decoded sheet then takes the memory an earlier sheet gave back. Done
// once, before any thread starts; without the GNU C library it does nothing.
void ReuseFreedLargeBlocks();

// Faults in a block of `bytes` (in large pages where it can) and frees it
// again: after ReuseFreedLargeBlocks, the next blocks up to that size cost the
// thread that takes them no page faults. For a thread with nothing else to do.
void PrefaultHeap(size_t bytes);

}  // namespace platform
