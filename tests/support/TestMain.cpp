#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    // Tests never need a real display or sound device unless the caller chose one
    // (the X-server tests run under xvfb-run with QT_QPA_PLATFORM=xcb).
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
