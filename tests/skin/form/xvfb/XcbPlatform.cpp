// These tests talk to the X server: Qt must use xcb, not the offscreen platform the shared test
// main would choose (it keeps a platform set before it runs).

#include <cstdlib>

namespace {

const bool xcbChosen = setenv("QT_QPA_PLATFORM", "xcb", 1) == 0;

} // namespace
