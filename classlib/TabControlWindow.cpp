// The tab control window: a row (or rows) of tabs on one side of a page area. A single row that
// does not fit gets an up-down child that scrolls it; its WM_HSCROLL SB_THUMBPOSITION n makes tab
// n the first shown. An owner that destroys that child scrolls the row itself: the control makes
// no new one. Hit tests ask the window itself for each tab's rectangle (TCM_GETITEMRECT), so a
// subclass that places tabs differently is followed.
//
// Geometry: the rows stand 2 pixels off their side of the window, a single top or bottom row
// starts 2 pixels in, and the page frame meets the rows. The display rectangle lies 4 pixels
// inside the window on every side and beyond the rows on theirs (2 more on top, where the
// selected tab grows).

#include "classlib/CommCtrlParts.h"
#include "platform/gdi/Gdi.h"

#include <algorithm>
#include <vector>

namespace commctl {
namespace {

constexpr int kEdge = 2;     // between the window's edge and the rows, and before a single row
constexpr int kInset = 4;    // between the window's edge and the display rectangle
constexpr int kTopGrow = 2;  // more room above the display rectangle under top tabs

struct Tab {
    std::string text;
    int image = -1;
    LPARAM lParam = 0;
};

class TabControl {
public:
    explicit TabControl(HWND hwnd) : hwnd_(hwnd) {}

    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam)
    {
        switch (msg) {
        case WM_SIZE:
        case WM_STYLECHANGED: Relayout(); return 0;
        case WM_SETFONT:
            font_ = reinterpret_cast<HFONT>(wParam);
            Relayout();
            return 0;
        case WM_GETFONT: return reinterpret_cast<LRESULT>(font_);
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: Paint(reinterpret_cast<HDC>(wParam)); return 0;
        case WM_LBUTTONDOWN: {
            TCHITTESTINFO hit;
            hit.pt = POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            const int index = static_cast<int>(SendMessage(hwnd_, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
            if (GetFocus() != hwnd_)
                SetFocus(hwnd_);
            if (index >= 0)
                Choose(index);
            return 0;
        }
        case WM_KEYDOWN:
            if (wParam == VK_LEFT || wParam == VK_UP)
                Choose(std::max(cur_ - 1, 0));
            else if (wParam == VK_RIGHT || wParam == VK_DOWN)
                Choose(std::min(cur_ + 1, Count() - 1));
            return 0;
        case WM_GETDLGCODE: return DLGC_WANTARROWS;
        case WM_PARENTNOTIFY:
            if (LOWORD(wParam) == WM_DESTROY && arrows_ && reinterpret_cast<HWND>(lParam) == arrows_) {
                arrows_ = nullptr;
                arrowsTaken_ = true;
            }
            return 0;
        case WM_HSCROLL:
            if (LOWORD(wParam) == SB_THUMBPOSITION) {
                first_ = std::clamp(static_cast<int>(static_cast<short>(HIWORD(wParam))), 0, std::max(Count() - 1, 0));
                Relayout();
            }
            return 0;

        case TCM_SETIMAGELIST: {
            HIMAGELIST old = images_;
            images_ = reinterpret_cast<HIMAGELIST>(lParam);
            Relayout();
            return reinterpret_cast<LRESULT>(old);
        }
        case TCM_GETITEMCOUNT: return Count();
        case TCM_INSERTITEM: return Insert(static_cast<int>(wParam), reinterpret_cast<const TCITEM*>(lParam));
        case TCM_SETITEM: return Set(static_cast<int>(wParam), reinterpret_cast<const TCITEM*>(lParam));
        case TCM_GETITEM: return Get(static_cast<int>(wParam), reinterpret_cast<TCITEM*>(lParam));
        case TCM_DELETEITEM: return Delete(static_cast<int>(wParam));
        case TCM_DELETEALLITEMS:
            tabs_.clear();
            cur_ = -1;
            first_ = 0;
            Relayout();
            return TRUE;
        case TCM_GETITEMRECT: {
            auto* r = reinterpret_cast<RECT*>(lParam);
            const int index = static_cast<int>(wParam);
            if (!r || index < 0 || index >= Count())
                return FALSE;
            *r = rects_[static_cast<std::size_t>(index)];
            return TRUE;
        }
        case TCM_GETCURSEL: return cur_;
        case TCM_SETCURSEL: {
            const int index = static_cast<int>(wParam);
            if (index < 0 || index >= Count())
                return -1;
            const int old = cur_;
            cur_ = index;
            Relayout();
            return old;
        }
        case TCM_HITTEST: return HitTest(reinterpret_cast<TCHITTESTINFO*>(lParam));
        case TCM_ADJUSTRECT: Adjust(wParam != 0, reinterpret_cast<RECT*>(lParam)); return 0;
        case TCM_SETITEMSIZE: {
            const LRESULT old = MAKELPARAM(size_.cx, size_.cy);
            size_ = SIZE{LOWORD(static_cast<DWORD>(lParam)), HIWORD(static_cast<DWORD>(lParam))};
            Relayout();
            return old;
        }
        case TCM_GETROWCOUNT: return rows_;
        default: break;
        }
        return DefWindowProc(hwnd_, msg, wParam, lParam);
    }

private:
    int Count() const { return static_cast<int>(tabs_.size()); }
    DWORD Style() const { return static_cast<DWORD>(GetWindowLongPtr(hwnd_, GWL_STYLE)); }
    bool Vertical() const { return (Style() & TCS_VERTICAL) != 0; }
    bool FarSide() const { return (Style() & TCS_BOTTOM) != 0; }  // bottom, or right when vertical
    RECT Client() const
    {
        RECT c;
        GetClientRect(hwnd_, &c);
        return c;
    }

    LRESULT Insert(int index, const TCITEM* in)
    {
        if (!in)
            return -1;
        index = std::clamp(index, 0, Count());
        tabs_.insert(tabs_.begin() + index, Tab{});
        if (cur_ >= index)
            ++cur_;
        if (cur_ < 0)
            cur_ = 0;
        Set(index, in);
        return index;
    }

    LRESULT Set(int index, const TCITEM* in)
    {
        if (!in || index < 0 || index >= Count())
            return FALSE;
        Tab& t = tabs_[static_cast<std::size_t>(index)];
        if (in->mask & TCIF_TEXT)
            t.text = in->pszText ? in->pszText : "";
        if (in->mask & TCIF_IMAGE)
            t.image = in->iImage;
        if (in->mask & TCIF_PARAM)
            t.lParam = in->lParam;
        Relayout();
        return TRUE;
    }

    LRESULT Get(int index, TCITEM* out) const
    {
        if (!out || index < 0 || index >= Count())
            return FALSE;
        const Tab& t = tabs_[static_cast<std::size_t>(index)];
        if (out->mask & TCIF_TEXT) {
            out->pszText = t.text.c_str();
            CopyOut(t.text, out->pszOut, out->cchTextMax);
        }
        if (out->mask & TCIF_IMAGE)
            out->iImage = t.image;
        if (out->mask & TCIF_PARAM)
            out->lParam = t.lParam;
        return TRUE;
    }

    LRESULT Delete(int index)
    {
        if (index < 0 || index >= Count())
            return FALSE;
        tabs_.erase(tabs_.begin() + index);
        if (cur_ > index || cur_ >= Count())
            --cur_;
        first_ = std::min(first_, std::max(Count() - 1, 0));
        Relayout();
        return TRUE;
    }

    void Choose(int index)
    {
        if (index == cur_ || index < 0 || index >= Count())
            return;
        NMHDR note;
        if (Notify(hwnd_, TCN_SELCHANGING, &note) || !IsWindow(hwnd_))
            return;
        cur_ = index;
        Relayout();
        Notify(hwnd_, TCN_SELCHANGE, &note);
    }

    // The size of a tab across the strip (its height for top and bottom tabs) and along it.
    int Thickness() const
    {
        if (size_.cy > 0)
            return size_.cy;
        HDC dc = GetDC(nullptr);
        const int text = TextSize(dc, font_, "").cy;
        ReleaseDC(nullptr, dc);
        return std::max(text, ImageHeight(images_)) + 6;
    }
    int Length(const Tab& t) const
    {
        if ((Style() & TCS_FIXEDWIDTH) && size_.cx > 0)
            return size_.cx;
        HDC dc = GetDC(nullptr);
        const int text = TextSize(dc, font_, t.text).cx;
        ReleaseDC(nullptr, dc);
        return std::max(text + (t.image >= 0 && images_ ? ImageWidth(images_) + 3 : 0) + 12, size_.cx);
    }

    // Tab rectangles as if the strip ran along the top from (0, 0), rows counted from the page
    // outwards; then turned to the real side.
    void Relayout()
    {
        const RECT c = Client();
        const int span = Vertical() ? c.bottom : c.right;
        const int thick = Thickness();
        std::vector<int> rowOf(tabs_.size()), along(tabs_.size()), lengths(tabs_.size());
        int total = 0;
        for (std::size_t i = 0; i < tabs_.size(); ++i)
            total += lengths[i] = Length(tabs_[i]);
        const bool multi = (Style() & TCS_MULTILINE) != 0;
        rows_ = Count() > 0 ? 1 : 0;
        if (multi) {
            first_ = 0;
            int x = 0, row = 0;
            for (std::size_t i = 0; i < tabs_.size(); ++i) {
                if (x > 0 && x + lengths[i] > span) {
                    ++row;
                    x = 0;
                }
                rowOf[i] = row;
                along[i] = x;
                x += lengths[i];
            }
            rows_ = Count() > 0 ? row + 1 : 0;
            // The row holding the chosen tab moves next to the page.
            if (cur_ >= 0) {
                const int chosen = rowOf[static_cast<std::size_t>(cur_)];
                for (int& r : rowOf)
                    r = r == chosen ? 0 : r < chosen ? r + 1 : r;
            }
        } else {
            const int lead = Vertical() ? 0 : kEdge;
            const int room = span - lead;
            // Counted back from the end: the first tab that may lead so that the rest fits.
            int maxFirst = 0;
            for (int rest = 0, i = Count() - 1; i >= 0; --i) {
                rest += lengths[static_cast<std::size_t>(i)];
                if (rest > room - (total > room ? 2 * thick : 0)) {
                    maxFirst = i + 1;
                    break;
                }
            }
            maxFirst = std::min(maxFirst, std::max(Count() - 1, 0));
            first_ = total > room ? std::clamp(first_, 0, maxFirst) : 0;
            int x = lead;
            for (int i = 0; i < first_; ++i)
                x -= lengths[static_cast<std::size_t>(i)];
            for (std::size_t i = 0; i < tabs_.size(); ++i) {
                along[i] = x;
                x += lengths[i];
            }
            UpdateArrows(total > room, maxFirst, thick);
        }
        rects_.resize(tabs_.size());
        for (std::size_t i = 0; i < tabs_.size(); ++i) {
            const int outer = rows_ - 1 - rowOf[i];  // rows from the window's edge
            RECT r{along[i], kEdge + outer * thick, along[i] + lengths[i], kEdge + (outer + 1) * thick};
            rects_[i] = Turn(r, c);
        }
        InvalidateRect(hwnd_, nullptr, TRUE);
    }

    // From "strip along the top" coordinates to the strip's real side.
    RECT Turn(const RECT& r, const RECT& c) const
    {
        if (!Vertical())
            return FarSide() ? RECT{r.left, c.bottom - r.bottom, r.right, c.bottom - r.top} : r;
        return FarSide() ? RECT{c.right - r.bottom, r.left, c.right - r.top, r.right} : RECT{r.top, r.left, r.bottom, r.right};
    }

    void UpdateArrows(bool needed, int maxFirst, int thick)
    {
        if (!needed || Vertical() || arrowsTaken_) {
            if (arrows_) {
                HWND old = arrows_;
                arrows_ = nullptr;
                DestroyWindow(old);
            }
            return;
        }
        const RECT c = Client();
        const int y = FarSide() ? c.bottom - kEdge - thick : kEdge;
        if (!arrows_)
            arrows_ = CreateWindowEx(0, UPDOWN_CLASS, "", WS_CHILD | WS_VISIBLE | UDS_HORZ, 0, 0, 0, 0, hwnd_, nullptr,
                                     nullptr, nullptr);
        if (!arrows_)
            return;
        SendMessage(arrows_, UDM_SETRANGE32, 0, maxFirst);
        SendMessage(arrows_, UDM_SETPOS32, 0, first_);
        SetWindowPos(arrows_, nullptr, c.right - 2 * thick, y, 2 * thick, thick, SWP_NOZORDER | SWP_NOACTIVATE);
    }

    LRESULT HitTest(TCHITTESTINFO* info) const
    {
        if (!info)
            return -1;
        info->flags = TCHT_NOWHERE;
        RECT arrows{};
        if (arrows_) {
            GetWindowRect(arrows_, &arrows);
            MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&arrows), 2);
            if (PtInRect(&arrows, info->pt))
                return -1;
        }
        for (int i = 0; i < Count(); ++i) {
            RECT r;
            if (SendMessage(hwnd_, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r)) &&
                PtInRect(&r, info->pt)) {
                info->flags = TCHT_ONITEM;
                return i;
            }
        }
        return -1;
    }

    // Moves the edge of R on the tabs' side inwards by Amount (outwards when negative).
    void Shrink(RECT* r, int amount) const
    {
        if (!Vertical() && !FarSide())
            r->top += amount;
        else if (!Vertical())
            r->bottom -= amount;
        else if (!FarSide())
            r->left += amount;
        else
            r->right -= amount;
    }

    // Window rectangle to display rectangle (larger = FALSE) or back.
    void Adjust(bool larger, RECT* r) const
    {
        if (!r)
            return;
        const int sign = larger ? -1 : 1;
        Shrink(r, sign * (rows_ * Thickness() + (!Vertical() && !FarSide() ? kTopGrow : 0)));
        InflateRect(r, -sign * kInset, -sign * kInset);
    }

    // The page frame: the client area less the rows and their edge.
    RECT PageFrame() const
    {
        RECT page = Client();
        Shrink(&page, kEdge + rows_ * Thickness());
        return page;
    }

    void Paint(HDC given)
    {
        PAINTSTRUCT ps;
        HDC dc = given ? given : BeginPaint(hwnd_, &ps);
        if (!dc)
            return;
        const RECT c = Client();
        FillRect(dc, &c, GetSysColorBrush(COLOR_BTNFACE));
        ButtonFace(dc, PageFrame(), false);
        for (int i = 0; i < Count(); ++i) {
            RECT r;
            SendMessage(hwnd_, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
            if (r.right <= c.left || r.left >= c.right)
                continue;
            ButtonFace(dc, r, false);
            const Tab& t = tabs_[static_cast<std::size_t>(i)];
            RECT inner = r;
            InflateRect(&inner, -4, -1);
            if (t.image >= 0 && images_) {
                DrawImage(dc, images_, t.image, inner.left, (inner.top + inner.bottom - ImageHeight(images_)) / 2);
                inner.left += ImageWidth(images_) + 3;
            }
            DrawCellText(dc, font_, t.text, inner, DT_CENTER, GetSysColor(COLOR_BTNTEXT));
            if (i == cur_)
                JoinPage(dc, r);
        }
        if (!given)
            EndPaint(hwnd_, &ps);
    }

    // The chosen tab opens into the page: the page's edge under it is covered.
    void JoinPage(HDC dc, const RECT& r) const
    {
        RECT seam{};
        if (!Vertical() && !FarSide())
            seam = RECT{r.left + 1, r.bottom - 1, r.right - 1, r.bottom + 1};
        else if (!Vertical())
            seam = RECT{r.left + 1, r.top - 1, r.right - 1, r.top + 1};
        else if (!FarSide())
            seam = RECT{r.right - 1, r.top + 1, r.right + 1, r.bottom - 1};
        else
            seam = RECT{r.left - 1, r.top + 1, r.left + 1, r.bottom - 1};
        FillRect(dc, &seam, GetSysColorBrush(COLOR_BTNFACE));
    }

    HWND hwnd_;
    std::vector<Tab> tabs_;
    std::vector<RECT> rects_;
    int cur_ = -1;
    int first_ = 0;
    int rows_ = 0;
    SIZE size_{};
    HFONT font_ = nullptr;
    HIMAGELIST images_ = nullptr;
    HWND arrows_ = nullptr;
    bool arrowsTaken_ = false;  // the owner destroyed the arrows and scrolls the row itself
};

} // namespace

LRESULT TabControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return Procedure<TabControl>(hwnd, msg, wParam, lParam);
}

} // namespace commctl
