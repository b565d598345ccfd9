// The up-down window: two arrow buttons that step a position between a low and a high value and
// tell the parent by WM_VSCROLL (or WM_HSCROLL with UDS_HORZ), repeating while a button is held.

#include "classlib/CommCtrlParts.h"
#include "platform/gdi/Gdi.h"

#include <algorithm>

namespace commctl {
namespace {

constexpr UINT_PTR kRepeatTimer = 1;
constexpr UINT kFirstRepeatMs = 500;
constexpr UINT kRepeatMs = 100;

class UpDown {
public:
    explicit UpDown(HWND hwnd) : hwnd_(hwnd) {}

    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam)
    {
        switch (msg) {
        case UDM_SETRANGE32:
            low_ = static_cast<int>(wParam);
            high_ = static_cast<int>(lParam);
            pos_ = Clamp(pos_);
            return 0;
        case UDM_GETRANGE32:
            if (wParam)
                *reinterpret_cast<int*>(wParam) = low_;
            if (lParam)
                *reinterpret_cast<int*>(lParam) = high_;
            return 0;
        case UDM_SETPOS32: {
            const int old = pos_;
            pos_ = Clamp(static_cast<int>(lParam));
            return old;
        }
        case UDM_GETPOS32:
            if (lParam)
                *reinterpret_cast<BOOL*>(lParam) = FALSE;
            return pos_;
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: Paint(reinterpret_cast<HDC>(wParam)); return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: Press(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
        case WM_MOUSEMOVE: Hover(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
        case WM_LBUTTONUP: Release(); return 0;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != hwnd_ && pressed_ >= 0)
                Release();
            return 0;
        case WM_TIMER:
            if (wParam == kRepeatTimer && pressed_ >= 0) {
                SetTimer(hwnd_, kRepeatTimer, kRepeatMs, nullptr);
                if (over_)
                    Step();
            }
            return 0;
        default: break;
        }
        return DefWindowProc(hwnd_, msg, wParam, lParam);
    }

private:
    bool Horizontal() const { return (GetWindowLongPtr(hwnd_, GWL_STYLE) & UDS_HORZ) != 0; }
    int Clamp(int v) const { return std::clamp(v, std::min(low_, high_), std::max(low_, high_)); }

    // Button 0 moves towards the high value: the top half, or the right half when horizontal.
    RECT ButtonRect(int button) const
    {
        RECT c;
        GetClientRect(hwnd_, &c);
        if (Horizontal()) {
            const int mid = c.right / 2;
            return button == 0 ? RECT{mid, 0, c.right, c.bottom} : RECT{0, 0, mid, c.bottom};
        }
        const int mid = c.bottom / 2;
        return button == 0 ? RECT{0, 0, c.right, mid} : RECT{0, mid, c.right, c.bottom};
    }

    int ButtonAt(POINT p) const
    {
        for (int b = 0; b < 2; ++b) {
            RECT r = ButtonRect(b);
            if (PtInRect(&r, p))
                return b;
        }
        return -1;
    }

    void Press(POINT p)
    {
        const int button = ButtonAt(p);
        if (button < 0)
            return;
        pressed_ = button;
        over_ = true;
        SetCapture(hwnd_);
        InvalidateRect(hwnd_, nullptr, FALSE);
        Step();
        if (IsWindow(hwnd_) && pressed_ >= 0)
            SetTimer(hwnd_, kRepeatTimer, kFirstRepeatMs, nullptr);
    }

    void Hover(POINT p)
    {
        if (pressed_ < 0)
            return;
        const bool over = ButtonAt(p) == pressed_;
        if (over != over_) {
            over_ = over;
            InvalidateRect(hwnd_, nullptr, FALSE);
        }
    }

    void Release()
    {
        if (pressed_ < 0)
            return;
        pressed_ = -1;
        KillTimer(hwnd_, kRepeatTimer);
        if (GetCapture() == hwnd_)
            ReleaseCapture();
        InvalidateRect(hwnd_, nullptr, FALSE);
        Tell(SB_ENDSCROLL);
    }

    void Step()
    {
        const int towardsHigh = high_ >= low_ ? 1 : -1;
        const int next = Clamp(pos_ + (pressed_ == 0 ? towardsHigh : -towardsHigh));
        if (next == pos_)
            return;
        pos_ = next;
        Tell(SB_THUMBPOSITION);
    }

    void Tell(WORD code)
    {
        HWND parent = GetParent(hwnd_);
        if (parent)
            SendMessage(parent, Horizontal() ? WM_HSCROLL : WM_VSCROLL, MAKEWPARAM(code, static_cast<WORD>(pos_)),
                        reinterpret_cast<LPARAM>(hwnd_));
    }

    void Paint(HDC given)
    {
        PAINTSTRUCT ps;
        HDC dc = given ? given : BeginPaint(hwnd_, &ps);
        if (!dc)
            return;
        const bool enabled = IsWindowEnabled(hwnd_);
        for (int b = 0; b < 2; ++b) {
            const RECT r = ButtonRect(b);
            ButtonFace(dc, r, pressed_ == b && over_);
            const int direction = Horizontal() ? (b == 0 ? 2 : 0) : (b == 0 ? 1 : 3);
            Triangle(dc, r, direction, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
        }
        if (!given)
            EndPaint(hwnd_, &ps);
    }

    HWND hwnd_;
    int low_ = 0;
    int high_ = 100;
    int pos_ = 0;
    int pressed_ = -1;
    bool over_ = false;
};

} // namespace

LRESULT UpDownProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return Procedure<UpDown>(hwnd, msg, wParam, lParam);
}

} // namespace commctl
