// Top-level surfaces shown on their native windows.

#include "platform/window/Presentation.h"

#include "platform/gdi/Surface.h"
#include "platform/window/CaretOverlay.h"
#include "platform/window/Layered.h"
#include "platform/window/Paint.h"
#include "platform/window/PaintQueue.h"
#include "platform/window/RawInput.h"
#include "platform/window/WindowSystem.h"
#include "platform/window/WindowTree.h"

#include <algorithm>
#include <cstring>

namespace {

std::vector<HWND>& NativeStack()
{
    static std::vector<HWND> stack;
    return stack;
}

// Windows raised as mapped whose native window the screen has not shown yet: a window manager
// maps (and raises) a managed window only when it gets to it.
std::vector<HWND>& AwaitingExposure()
{
    static std::vector<HWND> windows;
    return windows;
}

// The top-level windows whose native windows are shown, bottom first.
std::vector<Window*> ShownNatives()
{
    std::vector<Window*> shown;
    const auto& tops = Sys().Desktop().children;
    for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
        TopLevelData* d = (*it)->top.get();
        if (d && d->native && d->nativeShown)
            shown.push_back(*it);
    }
    return shown;
}

} // namespace

NativeAttributes AttributesOf(const Window* top)
{
    NativeAttributes a;
    a.tool = (top->exStyle & WS_EX_TOOLWINDOW) != 0;
    a.popup = ((top->style & WS_POPUP) && a.tool) || (top->exStyle & WS_EX_NOACTIVATE);
    a.topmost = (top->exStyle & WS_EX_TOPMOST) != 0;
    a.clickThrough = (top->exStyle & WS_EX_TRANSPARENT) != 0;
    a.noActivate = a.popup;
    // Stacked by the desktop with its owner: a managed tool window that never takes the focus.
    if (top->top->stackedWithOwner && top->owner && (top->exStyle & WS_EX_LAYERED)) {
        a.tool = true;
        a.popup = false;
    }
    a.perPixelAlpha = top->top->hasLayeredPicture;
    a.owner = top->owner ? top->owner->handle : nullptr;
    // An owned window of its own is its owner's dialog: the desktop keeps it with the owner, and
    // while the owner is disabled (a modal loop runs) the owner waits for it.
    a.dialog = top->owner && !a.tool && !a.popup;
    a.modal = a.dialog && !top->owner->Enabled();
    return a;
}

namespace {

// A layered window shows nothing until it was given its alpha or its picture.
bool WantsNative(const Window* top)
{
    const TopLevelData& d = *top->top;
    return top->Visible() && (!(top->exStyle & WS_EX_LAYERED) || d.layeredFlags || d.hasLayeredPicture);
}

BYTE OpacityOf(const Window* top)
{
    const TopLevelData& d = *top->top;
    if (d.hasLayeredPicture)
        return d.layeredPictureAlpha;
    return (d.layeredFlags & LWA_ALPHA) ? d.layeredAlpha : 255;
}

std::optional<std::vector<RECT>> ShapeOf(const Window* top)
{
    if (!top->shape)
        return std::nullopt;
    return top->shape->Rects();
}

// A native window just mapped, made again or re-owned stands where the desktop put it: mapped
// again, an X window keeps its old place in the stack (without a window manager, under every
// window raised meanwhile). Raised, it is on top as believed, and the restacking that follows
// puts the windows that belong above it back there.
void RaiseNative(Window* top)
{
    top->top->native->Raise();
    std::erase(NativeStack(), top->handle);
    NativeStack().push_back(top->handle);
}

void RaiseAsMapped(Window* top)
{
    RaiseNative(top);
    if (std::find(AwaitingExposure().begin(), AwaitingExposure().end(), top->handle) == AwaitingExposure().end())
        AwaitingExposure().push_back(top->handle);
}

} // namespace

std::shared_ptr<Surface> SurfaceOf(Window* top)
{
    TopLevelData& d = *top->top;
    const int width = top->Width();
    const int height = top->Height();
    if (!d.surface || d.surface->Width() != width || d.surface->Height() != height) {
        auto surface = std::make_shared<Surface>(width, height);
        // What was painted stays until it is painted again.
        if (d.surface) {
            const int w = std::min(width, d.surface->Width());
            const int h = std::min(height, d.surface->Height());
            for (int y = 0; y < h; ++y)
                std::memcpy(surface->Row(y), d.surface->Row(y), static_cast<std::size_t>(w) * 4);
        }
        d.surface = std::move(surface);
    }
    return d.surface;
}

void MarkDirty(Window* top, const RECT& rect)
{
    TopLevelData& d = *top->top;
    const RECT bounds{0, 0, top->Width(), top->Height()};
    RECT clipped;
    if (IntersectRect(&clipped, &rect, &bounds))
        UnionRect(&d.dirty, &d.dirty, &clipped);
}

void SyncNative(Window* top)
{
    TopLevelData& d = *top->top;
    if (!WantsNative(top)) {
        if (d.native && d.nativeShown) {
            d.native->SetVisible(false);
            d.nativeShown = false;
            std::erase(AwaitingExposure(), top->handle);
        }
        return;
    }
    const NativeAttributes attributes = AttributesOf(top);
    if (!d.native) {
        d.native = Sys().Backend().CreateWindow(top->handle);
        d.attributes = attributes;
        d.native->SetAttributes(attributes);
        d.native->SetTitle(top->text);
    } else if (attributes != d.attributes) {
        d.attributes = attributes;
        d.native->SetAttributes(attributes);
        if (d.nativeShown) {
            RaiseAsMapped(top);
            SyncNativeStacking();
        }
    }
    const POINT o = ScreenOrigin(top);
    d.native->SetGeometry(RECT{o.x, o.y, o.x + top->Width(), o.y + top->Height()});
    d.native->SetShape(ShapeOf(top));
    d.native->SetOpacity(OpacityOf(top));
    d.native->SetMinimized((top->style & WS_MINIMIZE) != 0);
    if (!d.nativeShown) {
        MarkDirty(top, RECT{0, 0, top->Width(), top->Height()});
        d.native->SetVisible(true);
        d.nativeShown = true;
        RaiseAsMapped(top);
        // Owned windows shown before their owner learn of it now (and are mapped again).
        for (Window* owned : OwnedWindows(top)) {
            if (owned->top && owned->top->native && owned->top->nativeShown) {
                owned->top->native->SetAttributes(owned->top->attributes);
                RaiseAsMapped(owned);
            }
        }
        SyncNativeStacking();
    }
}

void SyncNativeStacking()
{
    // The native windows as they are believed to be stacked, bottom first: a window shown
    // natively goes on top of the others.
    const std::vector<Window*> wanted = ShownNatives();
    std::vector<HWND>& stack = NativeStack();
    std::erase_if(stack, [&](HWND h) {
        return std::none_of(wanted.begin(), wanted.end(), [h](const Window* w) { return w->handle == h; });
    });
    // Only the windows from the first difference upwards need raising.
    std::size_t same = 0;
    while (same < stack.size() && same < wanted.size() && stack[same] == wanted[same]->handle)
        ++same;
    for (std::size_t i = same; i < wanted.size(); ++i)
        wanted[i]->top->native->Raise();
    stack.clear();
    for (const Window* w : wanted)
        stack.push_back(w->handle);
}

void NoteRaisedNatively(Window* top)
{
    if (std::erase(NativeStack(), top->handle))
        NativeStack().push_back(top->handle);
}

void SyncNativeChild(Window* w)
{
    if (w->nativeChild) {
        const POINT o = OriginInTopLevel(w);
        w->nativeChild->SetGeometry(RECT{o.x + w->client.left, o.y + w->client.top, o.x + w->client.right,
                                         o.y + w->client.bottom});
        w->nativeChild->SetVisible(IsVisibleChain(w));
    }
    for (Window* c : w->children)
        SyncNativeChild(c);
}

void PresentAll()
{
    for (Window* top : Sys().Desktop().children) {
        TopLevelData& d = *top->top;
        if (IsRectEmpty(&d.dirty) || !d.native || !d.nativeShown)
            continue;
        PixelView view;
        if (d.hasLayeredPicture) {
            view = PixelView{d.layeredPicture.data(), top->Width(), top->Height(), top->Width()};
        } else {
            const std::shared_ptr<Surface> surface = SurfaceOf(top);
            view = PixelView{surface->Row(0), surface->Width(), surface->Height(),
                             static_cast<int>(surface->Stride() / 4)};
        }
        // The caret is shown over the pixels, never painted into them.
        const Region caret = d.hasLayeredPicture ? Region() : CaretOverlay(top);
        auto* pixels = const_cast<std::uint32_t*>(view.pixels);
        InvertPixels(pixels, view.width, view.height, view.stride, caret, 0, 0);
        d.native->Present(view, d.dirty);
        InvertPixels(pixels, view.width, view.height, view.stride, caret, 0, 0);
        d.dirty = RECT{};
    }
}

void NotifyChildExposed(HWND hwnd)
{
    // The child's WM_PAINT is where its owner learns that the renderer must draw again.
    InvalidateRect(hwnd, nullptr, FALSE);
}

void NotifyExposed(HWND hwnd)
{
    Window* top = Sys().Find(hwnd);
    if (!top || !top->IsTopLevel())
        return;
    MarkDirty(top, RECT{0, 0, top->Width(), top->Height()});
    // A window manager maps and raises managed windows when it gets to them, after the pop-ups
    // (unmanaged) were raised. So when a window is shown for the first time since it was mapped,
    // the windows that belong above it go up again, and whenever it is exposed, the pop-ups.
    const bool mapped = std::erase(AwaitingExposure(), hwnd) != 0;
    const std::vector<Window*> shown = ShownNatives();
    const auto at = std::find(shown.begin(), shown.end(), top);
    for (auto it = at == shown.end() ? at : at + 1; it != shown.end(); ++it)
        if (mapped || (*it)->top->attributes.popup)
            RaiseNative(*it);
}
