#include "platform/LargePages.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

long MinorFaultsOfThisThread() {
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_minflt;
}

}  // namespace

// The sheets decode on worker threads, which then fault in heap for the
// textures the main thread makes of them: that memory must reach the main
// thread as it is, not as fresh pages it faults in itself.
TEST(LargePagesTest, HeapAWorkerFaultedInCostsTheMainThreadNoPageFaults) {
#if defined(__SANITIZE_ADDRESS__) || !defined(__GLIBC__)
    GTEST_SKIP() << "needs the GNU C library's own allocator";
#endif
    platform::ReuseFreedLargeBlocks();
    constexpr size_t kPrefaulted = size_t{8} << 20;
    std::thread([] { platform::PrefaultHeap(kPrefaulted); }).join();

    constexpr size_t kTaken = size_t{4} << 20;
    const long before = MinorFaultsOfThisThread();
    char* block = static_cast<char*>(std::malloc(kTaken));
    ASSERT_NE(block, nullptr);
    std::memset(block, 1, kTaken);
    asm volatile("" : : "r"(block) : "memory");
    const long faults = MinorFaultsOfThisThread() - before;
    std::free(block);
    // Fresh, the block would cost 1,024 faults in 4 KB pages (2 in large ones).
    EXPECT_EQ(faults, 0);
}
