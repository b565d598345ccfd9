// Update regions, WM_PAINT and window device contexts.

#include "platform/window/Paint.h"

#include "platform/gdi/Dc.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/Regions.h"
#include "platform/gdi/SurfaceDC.h"
#include "platform/window/CaretOverlay.h"
#include "platform/window/Dispatch.h"
#include "platform/window/Invalidation.h"
#include "platform/window/PaintQueue.h"
#include "platform/window/Presentation.h"
#include "platform/window/VisibleRegion.h"
#include "platform/window/WindowSystem.h"
#include "platform/window/WindowTree.h"

#include <map>

namespace {

// Contexts handed out on windows: what to show once they are given back.
struct OpenDC {
    HWND top = nullptr;
    RECT bounds{};  // top-level window coordinates
};

std::map<HDC, OpenDC>& OpenDCs()
{
    static std::map<HDC, OpenDC> open;
    return open;
}

Region ClientUpdate(const Window* w)
{
    Region update = w->update.Intersect(Region(w->client));
    update.Offset(-w->client.left, -w->client.top);
    return update;
}

bool NeedsPaint(const Window* w)
{
    return w->internalPaint || w->update.Intersects(w->client);
}

// A context drawing into the window's part of its top-level surface, limited to `visible`
// (top-level coordinates), with device point (0, 0) at `origin`.
HDC OpenSurfaceDC(Window* w, POINT origin, Region visible)
{
    Window* top = TopLevelOf(w);
    visible.Offset(-origin.x, -origin.y);
    HDC dc = CreateSurfaceDC(SurfaceOf(top), origin, visible);
    if (dc) {
        RECT bounds = visible.Bounds();
        OffsetRect(&bounds, origin.x, origin.y);
        OpenDCs()[dc] = OpenDC{top->handle, bounds};
    }
    return dc;
}

bool CloseDC(HDC dc)
{
    auto& open = OpenDCs();
    auto it = open.find(dc);
    if (it == open.end())
        return false;
    if (Window* top = it->second.top ? Sys().Find(it->second.top) : nullptr)
        MarkDirty(top, it->second.bounds);
    open.erase(it);
    DeleteDC(dc);
    return true;
}

void PaintFrameNow(Window* w)
{
    if (!w->frameDirty)
        return;
    w->frameDirty = false;
    w->update = w->update.Intersect(Region(w->client));
    Send(w, WM_NCPAINT, 1, 0);
}

// A renderer's native window covers the client area, so its background is erased there too;
// the renderer learns from the WM_PAINT that follows that it must draw again.
void EraseNativeChild(Window* w)
{
    if (w->nativeChild)
        w->nativeChild->Clear();
}

void UpdateNow(Window* w, UINT flags)
{
    std::shared_ptr<Window> keep = w->shared_from_this();
    if (!IsVisibleChain(w))
        return;
    PaintFrameNow(w);
    if (!Alive(w))
        return;
    if (flags & RDW_UPDATENOW) {
        if (NeedsPaint(w))
            DeliverPaint(w);
    } else if (w->eraseDirty) {
        HDC dc = GetDCEx(w->handle, nullptr, DCX_CACHE | DCX_INTERSECTUPDATE);
        w->eraseDirty = false;
        EraseNativeChild(w);
        Send(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        ReleaseDC(w->handle, dc);
    }
    if (!Alive(w) || (flags & RDW_NOCHILDREN))
        return;
    std::vector<HWND> children;
    for (auto it = w->children.rbegin(); it != w->children.rend(); ++it)
        children.push_back((*it)->handle);
    for (HWND h : children) {
        if (Window* c = Sys().Find(h))
            UpdateNow(c, flags);
    }
}

std::optional<Region> RegionOf(HRGN region)
{
    Region value;
    if (!region || !GetRgnRegion(region, &value))
        return std::nullopt;
    return value;
}

// Searches a top-level window's tree, parents before their children and lower siblings before
// higher ones, painting frames on the way.
Window* FindPaintTarget(Window* w, const MessageFilter& filter)
{
    if (!w->Visible())
        return nullptr;
    std::shared_ptr<Window> keep = w->shared_from_this();
    PaintFrameNow(w);
    if (!Alive(w))
        return nullptr;
    if (NeedsPaint(w) && filter.MatchesWindow(w->handle))
        return w;
    std::vector<HWND> children;
    for (auto it = w->children.rbegin(); it != w->children.rend(); ++it)
        children.push_back((*it)->handle);
    for (HWND h : children) {
        Window* c = Sys().Find(h);
        if (c && c->parent == w) {
            if (Window* found = FindPaintTarget(c, filter))
                return found;
        }
    }
    return nullptr;
}

} // namespace

void DeliverPaint(Window* w)
{
    std::shared_ptr<Window> keep = w->shared_from_this();
    const std::uint64_t validations = w->validations;
    Send(w, WM_PAINT, 0, 0);
    if (Alive(w) && w->validations == validations)
        ValidateRgn(w->handle, nullptr);
}

bool TakePaintMessage(MSG* out, const MessageFilter& filter)
{
    if (!filter.MatchesNumber(WM_PAINT))
        return false;
    WindowSystem& sys = Sys();
    std::vector<HWND> tops;
    for (Window* t : sys.Desktop().children)
        tops.push_back(t->handle);
    for (HWND h : tops) {
        Window* top = sys.Find(h);
        if (!top || !top->IsTopLevel() || top->top->hasLayeredPicture)
            continue;
        if (Window* target = FindPaintTarget(top, filter)) {
            *out = MSG{target->handle, WM_PAINT, 0, 0};
            return true;
        }
    }
    return false;
}

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase)
{
    const UINT flags = RDW_INVALIDATE | (erase ? RDW_ERASE : 0u);
    if (!hwnd) {
        // Every window.
        for (Window* top : Sys().Desktop().children)
            RedrawArea(top, nullptr, flags | RDW_FRAME | RDW_ALLCHILDREN);
        return TRUE;
    }
    Window* w = Sys().Find(hwnd);
    if (!w)
        return FALSE;
    if (rect) {
        Region area(*rect);
        RedrawArea(w, &area, flags);
    } else {
        RedrawArea(w, nullptr, flags);
    }
    return TRUE;
}

BOOL InvalidateRgn(HWND hwnd, HRGN region, BOOL erase)
{
    Window* w = Sys().Find(hwnd);
    if (!w)
        return FALSE;
    const UINT flags = RDW_INVALIDATE | (erase ? RDW_ERASE : 0u);
    if (!region) {
        RedrawArea(w, nullptr, flags);
        return TRUE;
    }
    const auto area = RegionOf(region);
    if (!area)
        return FALSE;
    RedrawArea(w, &*area, flags);
    return TRUE;
}

BOOL ValidateRect(HWND hwnd, const RECT* rect)
{
    Window* w = Sys().Find(hwnd);
    if (!w)
        return FALSE;
    if (rect) {
        Region area(*rect);
        RedrawArea(w, &area, RDW_VALIDATE | RDW_NOCHILDREN);
    } else {
        RedrawArea(w, nullptr, RDW_VALIDATE | RDW_NOCHILDREN | RDW_NOINTERNALPAINT);
    }
    return TRUE;
}

BOOL ValidateRgn(HWND hwnd, HRGN region)
{
    Window* w = Sys().Find(hwnd);
    if (!w)
        return FALSE;
    if (!region) {
        RedrawArea(w, nullptr, RDW_VALIDATE | RDW_NOCHILDREN | RDW_NOINTERNALPAINT);
        return TRUE;
    }
    const auto area = RegionOf(region);
    if (!area)
        return FALSE;
    RedrawArea(w, &*area, RDW_VALIDATE | RDW_NOCHILDREN);
    return TRUE;
}

BOOL UpdateWindow(HWND hwnd)
{
    Window* w = Sys().Find(hwnd);
    if (!w)
        return FALSE;
    UpdateNow(w, RDW_UPDATENOW | RDW_NOCHILDREN);
    PresentAll();
    return TRUE;
}

BOOL RedrawWindow(HWND hwnd, const RECT* rect, HRGN region, UINT flags)
{
    WindowSystem& sys = Sys();
    Window* w = hwnd ? sys.Find(hwnd) : nullptr;
    if (hwnd && !w)
        return FALSE;
    std::optional<Region> area;
    if (region) {
        area = RegionOf(region);
        if (!area)
            return FALSE;
    } else if (rect) {
        area = Region(*rect);
    }
    std::vector<Window*> targets;
    if (w)
        targets.push_back(w);
    else
        targets.assign(sys.Desktop().children.begin(), sys.Desktop().children.end());
    for (Window* t : targets)
        RedrawArea(t, area ? &*area : nullptr, flags);
    if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) {
        std::vector<HWND> handles;
        for (Window* t : targets)
            handles.push_back(t->handle);
        for (HWND h : handles) {
            if (Window* t = sys.Find(h))
                UpdateNow(t, flags);
        }
        PresentAll();
    }
    return TRUE;
}

BOOL GetUpdateRect(HWND hwnd, RECT* rect, BOOL erase)
{
    Window* w = Sys().Find(hwnd);
    if (!w)
        return FALSE;
    const Region update = ClientUpdate(w);
    if (rect)
        *rect = update.Bounds();
    if (erase && w->eraseDirty && !update.IsEmpty())
        UpdateNow(w, RDW_ERASENOW | RDW_NOCHILDREN);
    return update.IsEmpty() ? FALSE : TRUE;
}

int GetUpdateRgn(HWND hwnd, HRGN region, BOOL erase)
{
    Window* w = Sys().Find(hwnd);
    if (!w || !region)
        return ERROR;
    const Region update = ClientUpdate(w);
    if (!SetRgnRegion(region, update))
        return ERROR;
    if (erase && w->eraseDirty && !update.IsEmpty())
        UpdateNow(w, RDW_ERASENOW | RDW_NOCHILDREN);
    if (update.IsEmpty())
        return NULLREGION;
    return update.IsRect() ? SIMPLEREGION : COMPLEXREGION;
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* paint)
{
    Window* w = Sys().Find(hwnd);
    if (!w || w->IsDesktop() || !paint)
        return nullptr;
    std::shared_ptr<Window> keep = w->shared_from_this();
    PaintFrameNow(w);
    if (!Alive(w))
        return nullptr;
    const Region update = ClientUpdate(w);
    const bool erase = w->eraseDirty;
    w->update = Region();
    w->eraseDirty = false;
    w->internalPaint = false;
    ++w->validations;

    const POINT origin = OriginInTopLevel(w);
    const POINT clientOrigin{origin.x + w->client.left, origin.y + w->client.top};
    Region clip = update;
    clip.Offset(clientOrigin.x, clientOrigin.y);
    clip = clip.Intersect(VisibleRegion(w, true, (w->style & WS_CLIPCHILDREN) != 0, false));
    *paint = PAINTSTRUCT{};
    paint->hdc = OpenSurfaceDC(w, clientOrigin, clip);
    paint->rcPaint = update.Bounds();
    if (paint->hdc)
        CaretPaintBegins(hwnd);
    if (erase)
        EraseNativeChild(w);
    if (erase && paint->hdc)
        paint->fErase = Send(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(paint->hdc), 0) ? FALSE : TRUE;
    return paint->hdc;
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* paint)
{
    if (!paint || !paint->hdc)
        return FALSE;
    CaretPaintEnds(hwnd);
    CloseDC(paint->hdc);
    return TRUE;
}

HDC GetDCEx(HWND hwnd, HRGN clip, DWORD flags)
{
    if (!hwnd) {
        // Stands for the screen: a memory context that measures and creates like it.
        HDC dc = CreateCompatibleDC(nullptr);
        if (dc)
            OpenDCs()[dc] = OpenDC{};
        return dc;
    }
    Window* w = Sys().Find(hwnd);
    if (!w || w->IsDesktop())
        return nullptr;
    const bool whole = (flags & DCX_WINDOW) != 0;
    const bool clipChildren = (flags & DCX_CLIPCHILDREN) || (w->style & WS_CLIPCHILDREN);
    const bool clipSiblings = (flags & DCX_CLIPSIBLINGS) != 0;
    Region visible = VisibleRegion(w, !whole, clipChildren, clipSiblings);
    const POINT origin = OriginInTopLevel(w);
    if (clip && (flags & (DCX_INTERSECTRGN | DCX_EXCLUDERGN))) {
        // The region is in screen coordinates.
        if (auto area = RegionOf(clip)) {
            const POINT topOrigin = ScreenOrigin(TopLevelOf(w));
            area->Offset(-topOrigin.x, -topOrigin.y);
            visible = (flags & DCX_INTERSECTRGN) ? visible.Intersect(*area) : visible.Subtract(*area);
        }
    }
    if (flags & DCX_INTERSECTUPDATE) {
        Region update = w->update;
        update.Offset(origin.x, origin.y);
        visible = visible.Intersect(update);
        if (flags & DCX_VALIDATE)
            ValidateRgn(hwnd, nullptr);
    }
    const POINT dcOrigin = whole ? origin : POINT{origin.x + w->client.left, origin.y + w->client.top};
    return OpenSurfaceDC(w, dcOrigin, visible);
}

HDC GetDC(HWND hwnd)
{
    return GetDCEx(hwnd, nullptr, DCX_CACHE);
}

HDC GetWindowDC(HWND hwnd)
{
    return GetDCEx(hwnd, nullptr, DCX_CACHE | DCX_WINDOW);
}

int ReleaseDC(HWND, HDC dc)
{
    return CloseDC(dc) ? 1 : 0;
}
