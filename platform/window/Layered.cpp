#include "platform/window/Layered.h"

#include "platform/display/DisplayBackend.h"
#include "platform/gdi/Dc.h"
#include "platform/gdi/Surface.h"
#include "platform/gdi/SurfaceDC.h"
#include "platform/window/Invalidation.h"
#include "platform/window/Presentation.h"
#include "platform/window/WindowPos.h"
#include "platform/window/WindowSystem.h"

namespace {

Window* LayeredTop(HWND hwnd)
{
    Window* w = Sys().Find(hwnd);
    return w && w->IsTopLevel() && (w->exStyle & WS_EX_LAYERED) ? w : nullptr;
}

} // namespace

BOOL SetLayeredWindowAttributes(HWND hwnd, COLORREF key, BYTE alpha, DWORD flags)
{
    Window* w = LayeredTop(hwnd);
    if (!w || (flags & LWA_COLORKEY))
        return FALSE;
    TopLevelData& d = *w->top;
    const bool hadPicture = d.hasLayeredPicture;
    d.hasLayeredPicture = false;
    d.layeredPicture.clear();
    d.layeredFlags = flags;
    d.layeredAlpha = alpha;
    d.layeredKey = key;
    // The window paints itself again once it no longer shows a picture.
    if (hadPicture)
        InvalidateAll(w);
    SyncNative(w);
    return TRUE;
}

BOOL StackLayeredWithOwner(HWND hwnd, bool on)
{
    Window* w = LayeredTop(hwnd);
    if (!w || !w->owner)
        return FALSE;
    w->top->stackedWithOwner = on;
    SyncNative(w);
    return TRUE;
}

BOOL GetLayeredWindowAttributes(HWND hwnd, COLORREF* key, BYTE* alpha, DWORD* flags)
{
    Window* w = LayeredTop(hwnd);
    if (!w || w->top->hasLayeredPicture)
        return FALSE;
    if (key)
        *key = w->top->layeredKey;
    if (alpha)
        *alpha = w->top->layeredAlpha;
    if (flags)
        *flags = w->top->layeredFlags;
    return TRUE;
}

BOOL UpdateLayeredWindow(HWND hwnd, HDC, const POINT* position, const SIZE* size, HDC source,
                         const POINT* sourcePoint, COLORREF, const BLENDFUNCTION* blend, DWORD flags)
{
    Window* w = LayeredTop(hwnd);
    if (!w || (flags & ULW_COLORKEY))
        return FALSE;
    std::shared_ptr<Surface> pixels;
    if (source) {
        pixels = GetBitmapSurface(static_cast<HBITMAP>(GetCurrentObject(source, OBJ_BITMAP)));
        if (!pixels)
            return FALSE;
    }
    if (position || size) {
        const POINT p = position ? *position : POINT{w->rect.left, w->rect.top};
        const SIZE s = size ? *size : SIZE{w->Width(), w->Height()};
        SetWindowPos(hwnd, nullptr, p.x, p.y, s.cx, s.cy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
        w = LayeredTop(hwnd);
        if (!w)
            return FALSE;
    }
    TopLevelData& d = *w->top;
    const bool perPixel = (flags & ULW_ALPHA) && blend && (blend->AlphaFormat & AC_SRC_ALPHA) && !(flags & ULW_OPAQUE);
    d.layeredPictureAlpha = (flags & ULW_ALPHA) && blend ? blend->SourceConstantAlpha : 255;
    if (pixels || !d.hasLayeredPicture) {
        const int width = w->Width();
        const int height = w->Height();
        d.layeredPicture.assign(static_cast<std::size_t>(width) * height, 0);
        const POINT from = sourcePoint ? *sourcePoint : POINT{};
        for (int y = 0; pixels && y < height; ++y) {
            const int sy = from.y + y;
            if (sy < 0 || sy >= pixels->Height())
                continue;
            const std::uint32_t* row = pixels->Row(sy);
            std::uint32_t* out = d.layeredPicture.data() + static_cast<std::size_t>(y) * width;
            for (int x = 0; x < width; ++x) {
                const int sx = from.x + x;
                if (sx >= 0 && sx < pixels->Width())
                    out[x] = perPixel ? row[sx] : (row[sx] | 0xFF000000u);
            }
        }
    }
    d.hasLayeredPicture = true;
    d.layeredFlags = 0;
    MarkDirty(w, RECT{0, 0, w->Width(), w->Height()});
    SyncNative(w);
    return TRUE;
}

namespace {
int translucencyOverride = -1;
}

void SetTranslucencyOverride(int Value)
{
    translucencyOverride = Value;
}

bool TranslucencyReachesScreen()
{
    if (translucencyOverride >= 0)
        return translucencyOverride != 0;
    return GetDisplayBackend().TranslucencyReachesScreen();
}
