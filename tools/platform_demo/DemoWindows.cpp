#include "DemoWindows.h"

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Dc.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Regions.h"
#include "platform/gdi/Text.h"
#include "platform/win/Rect.h"
#include "platform/window/User.h"

#include <cmath>
#include <cstdint>

namespace {

constexpr int kBorder = 4;
constexpr int kCaption = 24;

HWND popupWindow = nullptr;

void Fill(HDC dc, const RECT& r, COLORREF color)
{
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

void Text(HDC dc, RECT r, const char* text, COLORREF color, UINT format)
{
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, color);
    DrawText(dc, text, -1, &r, format | DT_NOPREFIX);
}

RECT* NonClientRect(WPARAM wParam, LPARAM lParam)
{
    return wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
}

// Paints the whole client area in one colour with a centred label.
void PaintLabelled(HWND hwnd, COLORREF background, const char* label, COLORREF ink)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    Fill(dc, client, background);
    Text(dc, client, label, ink, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EndPaint(hwnd, &ps);
}

bool frameActive = false;

void PaintFrame(HWND hwnd)
{
    RECT r;
    GetWindowRect(hwnd, &r);
    OffsetRect(&r, -r.left, -r.top);
    HDC dc = GetWindowDC(hwnd);
    const COLORREF edge = frameActive ? RGB(30, 60, 120) : RGB(110, 110, 120);
    Fill(dc, RECT{0, 0, r.right, kBorder}, edge);
    Fill(dc, RECT{0, r.bottom - kBorder, r.right, r.bottom}, edge);
    Fill(dc, RECT{0, 0, kBorder, r.bottom}, edge);
    Fill(dc, RECT{r.right - kBorder, 0, r.right, r.bottom}, edge);
    const RECT caption{kBorder, kBorder, r.right - kBorder, kBorder + kCaption};
    Fill(dc, caption, frameActive ? RGB(40, 90, 170) : RGB(140, 140, 150));
    RECT title = caption;
    title.left += 8;
    Text(dc, title, "Platform demo - drag the caption, size by the borders, Esc closes", RGB(255, 255, 255),
         DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    ReleaseDC(hwnd, dc);
}

LRESULT HitTestFrame(HWND hwnd, POINT screen)
{
    RECT r;
    GetWindowRect(hwnd, &r);
    const int x = screen.x - r.left;
    const int y = screen.y - r.top;
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    if (x < 0 || y < 0 || x >= w || y >= h)
        return HTNOWHERE;
    const int corner = 12;
    const bool left = x < kBorder, right = x >= w - kBorder, top = y < kBorder, bottom = y >= h - kBorder;
    if ((top || left) && x < corner && y < corner)
        return HTTOPLEFT;
    if ((top || right) && x >= w - corner && y < corner)
        return HTTOPRIGHT;
    if ((bottom || left) && x < corner && y >= h - corner)
        return HTBOTTOMLEFT;
    if ((bottom || right) && x >= w - corner && y >= h - corner)
        return HTBOTTOMRIGHT;
    if (left)
        return HTLEFT;
    if (right)
        return HTRIGHT;
    if (top)
        return HTTOP;
    if (bottom)
        return HTBOTTOM;
    return y < kBorder + kCaption ? HTCAPTION : HTCLIENT;
}

LRESULT FrameProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_NCCALCSIZE: {
        RECT* r = NonClientRect(wParam, lParam);
        r->left += kBorder;
        r->top += kBorder + kCaption;
        r->right -= kBorder;
        r->bottom -= kBorder;
        return 0;
    }
    case WM_NCHITTEST:
        return HitTestFrame(hwnd, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_NCPAINT:
        PaintFrame(hwnd);
        return 0;
    case WM_NCACTIVATE:
        frameActive = wParam != 0;
        PaintFrame(hwnd);
        return TRUE;
    case WM_GETMINMAXINFO:
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = POINT{360, 240};
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT client;
        GetClientRect(hwnd, &client);
        Fill(dc, client, RGB(228, 234, 242));
        RECT note{16, client.bottom - 60, client.right - 16, client.bottom - 8};
        Text(dc, note, "Child windows: shaped by a region, with a border of their own, and a button that shows "
                       "the pop-up. The pop-up never takes the activation; the disc is a layered window.",
             RGB(40, 40, 60), DT_LEFT | DT_WORDBREAK);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE)
            DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

LRESULT ShapedProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_PAINT) {
        PaintLabelled(hwnd, RGB(240, 140, 30), "Region", RGB(0, 0, 0));
        return 0;
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

LRESULT BorderedProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_NCCALCSIZE:
        InflateRect(NonClientRect(wParam, lParam), -3, -3);
        return 0;
    case WM_NCPAINT: {
        RECT r;
        GetWindowRect(hwnd, &r);
        HDC dc = GetWindowDC(hwnd);
        Fill(dc, RECT{0, 0, r.right - r.left, r.bottom - r.top}, RGB(20, 150, 60));
        ReleaseDC(hwnd, dc);
        return 0;
    }
    case WM_PAINT:
        PaintLabelled(hwnd, RGB(255, 255, 255), "Own border", RGB(20, 100, 40));
        return 0;
    default:
        return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

LRESULT ButtonProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_PAINT:
        PaintLabelled(hwnd, RGB(60, 110, 200), "Pop-up", RGB(255, 255, 255));
        return 0;
    case WM_LBUTTONUP:
        ShowWindow(popupWindow, IsWindowVisible(popupWindow) ? SW_HIDE : SW_SHOWNA);
        return 0;
    default:
        return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

LRESULT PopupProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_PAINT:
        PaintLabelled(hwnd, RGB(250, 220, 60), "Pop-up: never active", RGB(60, 40, 0));
        return 0;
    case WM_LBUTTONUP:
        ShowWindow(hwnd, SW_HIDE);
        return 0;
    default:
        return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

void Register(const char* name, WNDPROC proc)
{
    WNDCLASS wc;
    wc.lpfnWndProc = proc;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = name;
    RegisterClass(&wc);
}

// A disc whose alpha falls from the middle to the rim, shown with UpdateLayeredWindow.
void ShowDisc(HWND layer, int size)
{
    BITMAPINFO info{};
    info.bmiHeader.biWidth = size;
    info.bmiHeader.biHeight = -size;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    auto* pixels = static_cast<std::uint32_t*>(bits);
    const double centre = (size - 1) / 2.0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double d = std::hypot(x - centre, y - centre) / (size / 2.0);
            const auto alpha = static_cast<std::uint32_t>(d >= 1 ? 0 : 230 * (1 - d * d));
            pixels[y * size + x] = (alpha << 24) | 0x8000C8u;  // purple, straight alpha
        }
    }
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(memory, dib);
    const SIZE extent{size, size};
    const POINT origin{0, 0};
    BLENDFUNCTION blend;
    blend.SourceConstantAlpha = 255;
    blend.AlphaFormat = AC_SRC_ALPHA;
    UpdateLayeredWindow(layer, nullptr, nullptr, &extent, memory, &origin, 0, &blend, ULW_ALPHA);
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(dib);
}

} // namespace

DemoWindows CreateDemoWindows()
{
    Register("DemoFrame", &FrameProc);
    Register("DemoShaped", &ShapedProc);
    Register("DemoBordered", &BorderedProc);
    Register("DemoButton", &ButtonProc);
    Register("DemoPopup", &PopupProc);
    Register("DemoLayer", &DefWindowProc);

    DemoWindows w;
    w.frame = CreateWindowEx(0, "DemoFrame", "Platform demo", WS_POPUP | WS_CLIPCHILDREN, 40, 40, 520, 360, nullptr,
                             nullptr, nullptr, nullptr);
    const DWORD child = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    w.shaped = CreateWindowEx(0, "DemoShaped", "", child, 20, 30, 160, 120, w.frame, nullptr, nullptr, nullptr);
    // A cross: the corners belong to the parent.
    HRGN cross = CreateRectRgn(0, 40, 160, 80);
    HRGN upright = CreateRectRgn(60, 0, 100, 120);
    CombineRgn(cross, cross, upright, RGN_OR);
    DeleteObject(upright);
    SetWindowRgn(w.shaped, cross, TRUE);
    w.bordered = CreateWindowEx(0, "DemoBordered", "", child, 200, 30, 140, 100, w.frame, nullptr, nullptr, nullptr);
    w.button = CreateWindowEx(0, "DemoButton", "", child, 360, 30, 120, 40, w.frame, nullptr, nullptr, nullptr);

    w.popup = CreateWindowEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, "DemoPopup", "", WS_POPUP, 600, 60,
                             200, 100, w.frame, nullptr, nullptr, nullptr);
    popupWindow = w.popup;
    w.layer = CreateWindowEx(WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_TRANSPARENT, "DemoLayer", "",
                             WS_POPUP, 600, 200, 180, 180, nullptr, nullptr, nullptr, nullptr);
    ShowDisc(w.layer, 180);

    ShowWindow(w.frame, SW_SHOW);
    ShowWindow(w.popup, SW_SHOWNA);
    ShowWindow(w.layer, SW_SHOWNA);
    return w;
}
