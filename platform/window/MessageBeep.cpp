#include "platform/window/MessageBeep.h"

#include "platform/kernel/DynLib.h"

#include <QGuiApplication>

namespace {

// The X server's bell, through the X connection Qt already has (libxcb is loaded by Qt's xcb
// platform, so looking its functions up costs nothing and adds no link dependency).
void RingBell(UINT)
{
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return;
    using BellFn = unsigned (*)(void*, signed char);
    using FlushFn = int (*)(void*);
    static LibHandle xcb = LoadLibraryFile("libxcb.so.1", nullptr);
    if (!xcb)
        return;
    static auto bell = reinterpret_cast<BellFn>(GetLibrarySymbol(xcb, "xcb_bell", nullptr));
    static auto flush = reinterpret_cast<FlushFn>(GetLibrarySymbol(xcb, "xcb_flush", nullptr));
    if (bell && flush) {
        bell(x11->connection(), 0);
        flush(x11->connection());
    }
}

std::function<void(UINT)>& Sounder()
{
    static std::function<void(UINT)> sounder;
    return sounder;
}

} // namespace

BOOL MessageBeep(UINT type)
{
    if (auto sounder = Sounder())
        sounder(type);
    else
        RingBell(type);
    return TRUE;
}

void SetBeepSounder(std::function<void(UINT type)> sounder)
{
    Sounder() = std::move(sounder);
}
