// The libFuzzer entry point of one target; KNOBEL_FUZZ_FUNCTION names it.
#include <cstdlib>

#include "FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!KNOBEL_FUZZ_FUNCTION(data, size)) {
        std::abort();
    }
    return 0;
}
