#include "platform/ThreadPriority.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace platform {

namespace {

// Linux gives every thread a niceness of its own; 10 leaves a thread at
// niceness 0 about ten times its share of a shared core.
constexpr int kBackgroundNiceness = 10;

}  // namespace

void LowerThisThreadsPriority() {
#ifdef __linux__
    const auto thread = static_cast<id_t>(syscall(SYS_gettid));
    setpriority(PRIO_PROCESS, thread, kBackgroundNiceness);
#endif
}

}  // namespace platform
