#include "platform/window/NativeHost.h"

#include "platform/window/Presentation.h"
#include "platform/window/WindowSystem.h"
#include "platform/window/WindowTree.h"

std::uintptr_t GetNativeWindowId(HWND hwnd)
{
    Window* w = Sys().Find(hwnd);
    if (!w || w->IsDesktop() || w->IsTopLevel())
        return 0;
    if (!w->nativeChild) {
        Window* top = TopLevelOf(w);
        SyncNative(top);
        if (!top->top->native || !IsVisibleChain(w))
            return 0;
        const POINT o = OriginInTopLevel(w);
        w->nativeChild = top->top->native->CreateChild(
            hwnd, RECT{o.x + w->client.left, o.y + w->client.top, o.x + w->client.right, o.y + w->client.bottom});
        if (!w->nativeChild)
            return 0;
        SyncNativeChild(w);
    }
    return w->nativeChild->Id();
}
