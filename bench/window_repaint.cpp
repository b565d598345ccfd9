// bench_window_repaint [repeats]
// The time of a full repaint of an 840x600 window holding 100 child windows, flushed to its Qt
// window: invalidate everything, then run the message loop until nothing is left to paint and
// the pixels have been handed to Qt. Runs on Qt's offscreen platform unless QT_QPA_PLATFORM
// names another.

#include "platform/gdi/Dc.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Text.h"
#include "platform/window/User.h"

#include <QGuiApplication>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <string>
#include <vector>

namespace {

// A control-like child: a face, a frame and a caption.
LRESULT ChildProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg != WM_PAINT)
        return DefWindowProc(hwnd, msg, wParam, lParam);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r;
    GetClientRect(hwnd, &r);
    const int id = static_cast<int>(GetWindowLongPtr(hwnd, GWLP_ID));
    HBRUSH face = CreateSolidBrush(RGB(180 + id % 60, 200, 230 - id % 40));
    FillRect(dc, &r, face);
    DeleteObject(face);
    FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    const std::string caption = "Item " + std::to_string(id);
    SetBkMode(dc, TRANSPARENT);
    DrawText(dc, caption.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EndPaint(hwnd, &ps);
    return 0;
}

void Drain()
{
    while (PumpOneMessage()) {
    }
}

struct Figures {
    double mean, median, p95, best;
};

Figures Measure(HWND top, int repeats)
{
    std::vector<double> ms;
    for (int i = 0; i < repeats; ++i) {
        const auto start = std::chrono::steady_clock::now();
        RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        Drain();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    return Figures{std::accumulate(ms.begin(), ms.end(), 0.0) / ms.size(), ms[ms.size() / 2],
                   ms[std::min(ms.size() - 1, ms.size() * 95 / 100)], ms.front()};
}

HWND MakeForm(DWORD clip)
{
    HWND top = CreateWindowEx(0, "BenchForm", "bench", WS_POPUP | WS_VISIBLE | clip, 0, 0, 840, 600, nullptr, nullptr,
                              nullptr, nullptr);
    for (int i = 0; i < 100; ++i) {
        const int x = 10 + (i % 10) * 82;
        const int y = 10 + (i / 10) * 58;
        CreateWindowEx(0, "BenchChild", "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, x, y, 78, 54, top,
                       reinterpret_cast<HMENU>(static_cast<std::intptr_t>(i)), nullptr, nullptr);
    }
    // Settle: the first paint and the native window's exposure.
    for (int i = 0; i < 50; ++i) {
        Drain();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return top;
}

void Report(const char* what, const Figures& f)
{
    std::printf("%-44s mean %6.2f ms  median %6.2f ms  p95 %6.2f ms  best %6.2f ms  (%s 16.67 ms)\n", what, f.mean,
                f.median, f.p95, f.best, f.median < 1000.0 / 60 ? "within" : "OVER");
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;

    WNDCLASS wc;
    wc.lpfnWndProc = &DefWindowProc;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<std::intptr_t>(COLOR_BTNFACE + 1));
    wc.lpszClassName = "BenchForm";
    RegisterClass(&wc);
    wc.lpfnWndProc = &ChildProc;
    wc.hbrBackground = nullptr;
    wc.lpszClassName = "BenchChild";
    RegisterClass(&wc);

    HWND clipping = MakeForm(WS_CLIPCHILDREN);  // the first window brings up Qt
    std::printf("Full repaint and flush of an 840x600 window with 100 child windows, %d repeats, platform %s\n",
                repeats, qPrintable(QGuiApplication::platformName()));
    Report("parent with WS_CLIPCHILDREN:", Measure(clipping, repeats));
    DestroyWindow(clipping);
    HWND overlapping = MakeForm(0);
    Report("parent without WS_CLIPCHILDREN:", Measure(overlapping, repeats));
    DestroyWindow(overlapping);
    return 0;
}
