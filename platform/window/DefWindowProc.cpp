// The default handling of window messages.

#include "platform/gdi/Drawing.h"
#include "platform/window/Dispatch.h"
#include "platform/window/Geometry.h"
#include "platform/window/Ime.h"
#include "platform/window/Input.h"
#include "platform/window/Keys.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/NonClient.h"
#include "platform/window/Paint.h"
#include "platform/window/ScrollBars.h"
#include "platform/window/ScrollInfo.h"
#include "platform/window/SizeMoveLoop.h"
#include "platform/window/Window.h"
#include "platform/window/WindowPos.h"
#include "platform/window/WindowSystem.h"
#include "platform/window/WindowTree.h"

#include <cstring>

namespace {

// The window whose close box the left button went down on (GUI thread only).
HWND closeBoxPressed = nullptr;

HWND Parent(const Window* w)
{
    return (w->style & WS_CHILD) && w->parent && !w->parent->IsDesktop() ? w->parent->handle : nullptr;
}

HWND TopLevelHandle(Window* w)
{
    return TopLevelOf(w)->handle;
}

void NonClientCalc(Window* w, WPARAM wParam, LPARAM lParam)
{
    RECT* r = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
    if (!r)
        return;
    const RECT insets = DefaultFrameInsets(w);
    r->left += insets.left;
    r->top += insets.top;
    r->right -= insets.right;
    r->bottom -= insets.bottom;
    if (r->right < r->left)
        r->right = r->left;
    if (r->bottom < r->top)
        r->bottom = r->top;
    TakeScrollBarRoom(w, *r);
}

LRESULT EraseBackground(Window* w, HDC dc)
{
    HBRUSH brush = w->windowClass ? w->windowClass->background : nullptr;
    if (!brush || !dc)
        return 0;
    const RECT client{0, 0, RectWidth(w->client), RectHeight(w->client)};
    FillRect(dc, &client, brush);
    return 1;
}

LRESULT CopyText(const Window* w, WPARAM size, LPARAM buffer)
{
    char* out = reinterpret_cast<char*>(buffer);
    if (!out || size == 0)
        return 0;
    std::size_t n = std::min<std::size_t>(w->text.size(), size - 1);
    // Never cut a UTF-8 sequence in two.
    while (n > 0 && n < w->text.size() && (static_cast<unsigned char>(w->text[n]) & 0xC0) == 0x80)
        --n;
    std::memcpy(out, w->text.data(), n);
    out[n] = '\0';
    return static_cast<LRESULT>(n);
}

LPCSTR SizingCursor(LRESULT hit)
{
    switch (hit) {
    case HTLEFT:
    case HTRIGHT: return IDC_SIZEWE;
    case HTTOP:
    case HTBOTTOM: return IDC_SIZENS;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT: return IDC_SIZENWSE;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT: return IDC_SIZENESW;
    default: return IDC_ARROW;
    }
}

LRESULT SystemCommand(Window* w, WPARAM command)
{
    const HWND hwnd = w->handle;
    switch (command & 0xFFF0) {
    case SC_MOVE: RunSizeMoveLoop(w, 0); break;
    case SC_SIZE: RunSizeMoveLoop(w, command & 0x0F); break;
    case SC_MINIMIZE: ShowWindow(hwnd, SW_MINIMIZE); break;
    case SC_MAXIMIZE: ShowWindow(hwnd, SW_MAXIMIZE); break;
    case SC_RESTORE: ShowWindow(hwnd, SW_RESTORE); break;
    case SC_CLOSE: SendMessage(hwnd, WM_CLOSE, 0, 0); break;
    default: break;
    }
    return 0;
}

} // namespace

LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    WindowSystem& sys = Sys();
    Window* w = sys.Find(hwnd);
    if (!w || w->IsDesktop())
        return 0;
    switch (msg) {
    case WM_NCCREATE: {
        const auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
        if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName))
            w->text = cs->lpszName;
        return TRUE;
    }
    case WM_NCCALCSIZE:
        NonClientCalc(w, wParam, lParam);
        return 0;
    case WM_NCHITTEST:
        return DefaultHitTest(w, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_NCPAINT:
        DefaultPaintFrame(w);
        PaintScrollBars(w);
        return 0;
    case WM_NCACTIVATE:
        w->frameActive = wParam != 0;
        if ((w->style & WS_CAPTION) == WS_CAPTION)
            DefaultPaintFrame(w);
        return TRUE;
    case WM_ERASEBKGND:
        return EraseBackground(w, reinterpret_cast<HDC>(wParam));
    case WM_PAINT: {
        PAINTSTRUCT ps;
        if (BeginPaint(hwnd, &ps))
            EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_SETTEXT:
        w->text = lParam ? reinterpret_cast<const char*>(lParam) : "";
        if (w->IsTopLevel() && w->top && w->top->native)
            w->top->native->SetTitle(w->text);
        if ((w->style & WS_CAPTION) == WS_CAPTION)
            RedrawWindow(hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
        return TRUE;
    case WM_GETTEXT:
        return CopyText(w, wParam, lParam);
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(w->text.size());
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_SYSCOMMAND:
        return SystemCommand(w, wParam);
    case WM_NCLBUTTONUP:
        // A click on the close box: pressed and released there.
        if (wParam == HTCLOSE && closeBoxPressed == hwnd)
            SendMessage(hwnd, WM_SYSCOMMAND, SC_CLOSE, lParam);
        closeBoxPressed = nullptr;
        return 0;
    case WM_NCLBUTTONDOWN:
        closeBoxPressed = wParam == HTCLOSE ? hwnd : nullptr;
        if (wParam == HTHSCROLL || wParam == HTVSCROLL)
            TrackScrollBar(w, wParam == HTHSCROLL ? SB_HORZ : SB_VERT, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        else if (wParam == HTCAPTION)
            SendMessage(hwnd, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, lParam);
        else if (wParam >= HTLEFT && wParam <= HTBOTTOMRIGHT)
            SendMessage(hwnd, WM_SYSCOMMAND, SC_SIZE | (wParam - HTLEFT + WMSZ_LEFT), lParam);
        return 0;
    case WM_NCLBUTTONDBLCLK:
        if (wParam == HTHSCROLL || wParam == HTVSCROLL)
            TrackScrollBar(w, wParam == HTHSCROLL ? SB_HORZ : SB_VERT, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        else if (wParam == HTCAPTION && (w->style & WS_MAXIMIZEBOX))
            SendMessage(hwnd, WM_SYSCOMMAND, IsZoomed(hwnd) ? SC_RESTORE : SC_MAXIMIZE, lParam);
        return 0;
    case WM_SETCURSOR: {
        if (HWND parent = Parent(w); parent && SendMessage(parent, WM_SETCURSOR, wParam, lParam))
            return TRUE;
        const auto hit = static_cast<short>(LOWORD(static_cast<std::uintptr_t>(lParam)));
        if (hit == HTERROR)
            return FALSE;
        if (hit == HTCLIENT) {
            if (w->windowClass && w->windowClass->cursor)
                SetCursor(w->windowClass->cursor);
            return FALSE;
        }
        SetCursor(LoadCursor(nullptr, SizingCursor(hit)));
        return TRUE;
    }
    case WM_MOUSEACTIVATE:
        if (HWND parent = Parent(w)) {
            if (LRESULT answer = SendMessage(parent, WM_MOUSEACTIVATE, wParam, lParam))
                return answer;
        }
        return MA_ACTIVATE;
    case WM_MOUSEWHEEL:
    case WM_CONTEXTMENU:
        if (HWND parent = Parent(w))
            return SendMessage(parent, msg, wParam, lParam);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam))
            SetFocus(hwnd);
        return 0;
    case WM_WINDOWPOSCHANGED: {
        const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
        if (!pos)
            return 0;
        const RECT c = ClientRectInParent(w);
        if (!(pos->flags & SWP_NOMOVE))
            SendMessage(hwnd, WM_MOVE, 0, MAKELPARAM(c.left, c.top));
        if (!(pos->flags & SWP_NOSIZE) && sys.IsWindow(hwnd))
            SendMessage(hwnd, WM_SIZE, SizeKindOf(w), ClientSizeParam(w));
        return 0;
    }
    case WM_CANCELMODE:
        if (GetCapture() == hwnd)
            ReleaseCapture();
        return 0;
    case WM_SYSKEYDOWN:
        if (wParam == VK_F4 && (lParam & (LPARAM{1} << 29)))
            PostMessage(TopLevelHandle(w), WM_SYSCOMMAND, SC_CLOSE, 0);
        return 0;
    case WM_SYSKEYUP:
        if (wParam == VK_F10 && (GetKeyState(VK_SHIFT) & 0x8000)) {
            SendMessage(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(-1, -1));
            return 0;
        }
        if ((wParam == VK_MENU && sys.input.altAlone) || wParam == VK_F10) {
            sys.input.altAlone = false;
            SendMessage(TopLevelHandle(w), WM_SYSCOMMAND, SC_KEYMENU, 0);
        }
        return 0;
    case WM_SYSCHAR:
        if (lParam & (LPARAM{1} << 29))
            SendMessage(TopLevelHandle(w), WM_SYSCOMMAND, SC_KEYMENU, static_cast<LPARAM>(wParam));
        return 0;
    case WM_QUERYENDSESSION:
        return TRUE;
    // Shift+F10 and the Menu key ask for a context menu from the keyboard: at (-1, -1).
    case WM_KEYUP:
        if (wParam == VK_APPS)
            SendMessage(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(-1, -1));
        return 0;
    // Committed input-method text reaches the window as ordinary characters, so every filter
    // of typed characters sees it.
    case WM_IME_CHAR:
        SendMessage(hwnd, WM_CHAR, wParam, lParam);
        return 0;
    default:
        return 0;
    }
}
