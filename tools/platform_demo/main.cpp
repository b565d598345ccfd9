// platform_demo [--screenshot file.png]
// Shows the window layer's own windows; with --screenshot writes a picture of them and exits.

#include "DemoWindows.h"
#include "Screenshot.h"

#include "platform/window/User.h"

#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char** argv)
{
    std::string screenshot;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc) {
            screenshot = argv[++i];
        } else {
            std::fprintf(stderr, "usage: %s [--screenshot file.png]\n", argv[0]);
            return 2;
        }
    }
    const DemoWindows windows = CreateDemoWindows();
    if (!windows.frame)
        return 1;
    if (!screenshot.empty()) {
        if (!WriteScreenshot(screenshot)) {
            std::fprintf(stderr, "could not write %s\n", screenshot.c_str());
            return 1;
        }
        return 0;
    }
    MSG msg;
    while (GetMessage(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    return static_cast<int>(msg.wParam);
}
