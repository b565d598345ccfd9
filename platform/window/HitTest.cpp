#include "platform/window/HitTest.h"

#include "platform/window/Dispatch.h"
#include "platform/window/WindowSystem.h"
#include "platform/window/WindowTree.h"

namespace {

std::vector<HWND> Snapshot(const Window* parent)
{
    std::vector<HWND> handles;
    handles.reserve(parent->children.size());
    for (const Window* c : parent->children)
        handles.push_back(c->handle);
    return handles;
}

bool InClientArea(const Window* w, POINT screen)
{
    const POINT o = ClientScreenOrigin(w);
    return screen.x >= o.x && screen.y >= o.y && screen.x < o.x + RectWidth(w->client) &&
           screen.y < o.y + RectHeight(w->client);
}

// Asks the window and, inside its client area, its children first. A disabled child holding the
// point hands the input to its parent.
HitResult Probe(Window* w, POINT screen)
{
    if (InClientArea(w, screen)) {
        for (HWND h : Snapshot(w)) {
            Window* c = Sys().Find(h);
            if (!c || c->parent != w || !c->Visible() || !ContainsScreenPoint(c, screen))
                continue;
            if (!c->Enabled())
                break;
            HitResult found = Probe(c, screen);
            if (found.window)
                return found;
        }
    }
    if (!Alive(w))
        return {};
    const LRESULT code = Send(w, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
    if (!Alive(w) || code == HTTRANSPARENT)
        return {};
    return HitResult{w, code};
}

} // namespace

bool ContainsScreenPoint(const Window* w, POINT screen)
{
    const POINT o = ScreenOrigin(w);
    const POINT p{screen.x - o.x, screen.y - o.y};
    if (p.x < 0 || p.y < 0 || p.x >= w->Width() || p.y >= w->Height())
        return false;
    if (w->shape && !w->shape->Contains(p))
        return false;
    // A layered picture lets the pointer through where it is fully transparent.
    if (w->top && w->top->hasLayeredPicture) {
        const std::uint32_t pixel = w->top->layeredPicture[static_cast<std::size_t>(p.y) * w->Width() + p.x];
        if ((pixel >> 24) == 0)
            return false;
    }
    return true;
}

HitResult HitTestScreen(POINT screen)
{
    WindowSystem& sys = Sys();
    for (HWND h : Snapshot(&sys.Desktop())) {
        Window* top = sys.Find(h);
        if (!top || !top->IsTopLevel() || !top->Visible() || (top->style & WS_MINIMIZE) ||
            (top->exStyle & WS_EX_TRANSPARENT) || !ContainsScreenPoint(top, screen))
            continue;
        if (!top->Enabled())
            return HitResult{top, HTERROR};
        HitResult found = Probe(top, screen);
        if (found.window)
            return found;
    }
    return {};
}
