// The entry point of every test executable. Tests run headless: SDL's dummy
// video and audio drivers unless the caller chose others, and the source
// folder known for tests that read the shipped data files.
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("KNOBEL_SOURCE_DIR", KNOBEL_SOURCE_DIR, 0);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
