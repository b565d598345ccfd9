#pragma once
// The window manager's own record of a window. Internal to the window layer: code outside it
// works with HWND handles only.

#include "platform/display/DisplayBackend.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/Region.h"
#include "platform/win/Rect.h"
#include "platform/window/Handles.h"
#include "platform/window/ScrollState.h"
#include "platform/window/Styles.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class Surface;

struct WindowClassRecord {
    std::string name;
    UINT style = 0;
    WNDPROC proc = nullptr;
    int wndExtra = 0;
    HICON icon = nullptr;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
};

// What only a top-level window has: its pixels, its native window and its layered state.
struct TopLevelData {
    std::shared_ptr<Surface> surface;  // the window's pixels, shared with the device contexts drawing on it
    std::unique_ptr<NativeWindow> native;
    RECT dirty{};  // window coordinates, not yet presented
    NativeAttributes attributes;
    bool nativeShown = false;
    // SetLayeredWindowAttributes
    DWORD layeredFlags = 0;
    BYTE layeredAlpha = 255;
    COLORREF layeredKey = 0;
    // UpdateLayeredWindow: once given, the picture replaces what painting produces
    bool hasLayeredPicture = false;
    std::vector<std::uint32_t> layeredPicture;  // straight alpha, window size
    BYTE layeredPictureAlpha = 255;
    bool stackedWithOwner = false;  // StackLayeredWithOwner
    RECT restoreRect{};  // the normal place while minimized or maximized
};

class Window : public std::enable_shared_from_this<Window> {
public:
    HWND handle = nullptr;
    std::shared_ptr<WindowClassRecord> windowClass;
    WNDPROC proc = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    Window* parent = nullptr;  // the desktop for a top-level window
    Window* owner = nullptr;   // top-level windows only
    std::vector<Window*> children;  // z-order, top first
    RECT rect{};    // in the parent's client coordinates (screen coordinates for top-level windows)
    RECT client{};  // in window coordinates
    std::string text;
    LONG_PTR id = 0;
    LONG_PTR userData = 0;
    std::vector<unsigned char> extraBytes;
    std::optional<Region> shape;  // SetWindowRgn, window coordinates

    // Painting state; the update region is in window coordinates and may cover the frame.
    Region update;
    bool frameDirty = false;
    bool eraseDirty = false;
    bool internalPaint = false;
    std::uint64_t validations = 0;  // grows with every validation, to tell whether WM_PAINT validated

    bool frameActive = false;  // the frame shows the active look (DefWindowProc's WM_NCACTIVATE)
    bool destroying = false;
    std::unique_ptr<TopLevelData> top;
    std::unique_ptr<NativeChildWindow> nativeChild;
    ScrollBarState scrollBars[2];  // SB_HORZ, SB_VERT
    std::vector<std::pair<std::string, HANDLE>> props;  // SetProp

    int Width() const { return rect.right - rect.left; }
    int Height() const { return rect.bottom - rect.top; }
    bool IsTopLevel() const { return parent && !parent->parent; }
    bool IsDesktop() const { return !parent; }
    bool Visible() const { return (style & WS_VISIBLE) != 0; }
    bool Enabled() const { return (style & WS_DISABLED) == 0; }
};

inline HWND HandleOf(const Window* w)
{
    return w ? w->handle : nullptr;
}
