// The column header window: sections in display order, sized by dragging their right divider.

#include "classlib/CommCtrlParts.h"
#include "platform/gdi/Gdi.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <numeric>
#include <vector>

namespace commctl {
namespace {

constexpr int kDividerGrip = 4;  // pixels either side of a divider that grab it

struct Section {
    std::string text;
    int width = 50;
    int fmt = HDF_LEFT | HDF_STRING;
    LPARAM lParam = 0;
    int image = -1;
};

class Header {
public:
    explicit Header(HWND hwnd) : hwnd_(hwnd) {}

    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam)
    {
        switch (msg) {
        case HDM_GETITEMCOUNT: return static_cast<LRESULT>(sections_.size());
        case HDM_INSERTITEM: return Insert(static_cast<int>(wParam), reinterpret_cast<const HDITEM*>(lParam));
        case HDM_DELETEITEM: return Delete(static_cast<int>(wParam));
        case HDM_GETITEM: return Get(static_cast<int>(wParam), reinterpret_cast<HDITEM*>(lParam));
        case HDM_SETITEM: return Set(static_cast<int>(wParam), reinterpret_cast<const HDITEM*>(lParam), false);
        case HDM_GETITEMRECT: return ItemRect(static_cast<int>(wParam), reinterpret_cast<RECT*>(lParam));
        case HDM_HITTEST: return HitTest(reinterpret_cast<HDHITTESTINFO*>(lParam));
        case HDM_SETIMAGELIST: {
            HIMAGELIST old = images_;
            images_ = reinterpret_cast<HIMAGELIST>(lParam);
            InvalidateRect(hwnd_, nullptr, TRUE);
            return reinterpret_cast<LRESULT>(old);
        }
        case HDM_GETORDERARRAY: {
            auto* out = reinterpret_cast<int*>(lParam);
            if (!out || wParam != order_.size())
                return FALSE;
            std::copy(order_.begin(), order_.end(), out);
            return TRUE;
        }
        case HDM_SETORDERARRAY: return SetOrder(static_cast<int>(wParam), reinterpret_cast<const int*>(lParam));
        case WM_SETFONT:
            font_ = reinterpret_cast<HFONT>(wParam);
            if (lParam)
                InvalidateRect(hwnd_, nullptr, TRUE);
            return 0;
        case WM_GETFONT: return reinterpret_cast<LRESULT>(font_);
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: Paint(reinterpret_cast<HDC>(wParam)); return 0;
        case WM_LBUTTONDOWN: Press(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
        case WM_LBUTTONDBLCLK: Press(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
        case WM_MOUSEMOVE: Move(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
        case WM_LBUTTONUP: Release(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != hwnd_)
                EndTracking();
            return 0;
        case WM_SETCURSOR:
            if (LOWORD(static_cast<std::uintptr_t>(lParam)) == HTCLIENT) {
                POINT p;
                GetCursorPos(&p);
                ScreenToClient(hwnd_, &p);
                HDHITTESTINFO hit;
                hit.pt = p;
                HitTest(&hit);
                SetCursor(LoadCursor(nullptr, (hit.flags & (HHT_ONDIVIDER | HHT_ONDIVOPEN)) ? IDC_SIZEWE : IDC_ARROW));
                return TRUE;
            }
            break;
        default: break;
        }
        return DefWindowProc(hwnd_, msg, wParam, lParam);
    }

private:
    int Count() const { return static_cast<int>(sections_.size()); }

    LRESULT Insert(int index, const HDITEM* item)
    {
        if (!item)
            return -1;
        index = std::clamp(index, 0, Count());
        sections_.insert(sections_.begin() + index, Section{});
        for (int& o : order_)
            if (o >= index)
                ++o;
        order_.insert(order_.begin() + std::clamp((item->mask & HDI_ORDER) ? item->iOrder : index, 0, Count() - 1),
                      index);
        Set(index, item, true);
        return index;
    }

    LRESULT Delete(int index)
    {
        if (index < 0 || index >= Count())
            return FALSE;
        sections_.erase(sections_.begin() + index);
        order_.erase(std::find(order_.begin(), order_.end(), index));
        for (int& o : order_)
            if (o > index)
                --o;
        Changed(index);
        return TRUE;
    }

    LRESULT Get(int index, HDITEM* item) const
    {
        if (!item || index < 0 || index >= Count())
            return FALSE;
        const Section& s = sections_[static_cast<std::size_t>(index)];
        if (item->mask & HDI_WIDTH)
            item->cxy = s.width;
        if (item->mask & HDI_TEXT) {
            item->pszText = s.text.c_str();
            CopyOut(s.text, item->pszOut, item->cchTextMax);
        }
        if (item->mask & HDI_FORMAT)
            item->fmt = s.fmt;
        if (item->mask & HDI_LPARAM)
            item->lParam = s.lParam;
        if (item->mask & HDI_IMAGE)
            item->iImage = s.image;
        if (item->mask & HDI_ORDER)
            item->iOrder = static_cast<int>(std::find(order_.begin(), order_.end(), index) - order_.begin());
        return TRUE;
    }

    LRESULT Set(int index, const HDITEM* item, bool inserting)
    {
        if (!item || index < 0 || index >= Count())
            return FALSE;
        Section& s = sections_[static_cast<std::size_t>(index)];
        if (item->mask & HDI_WIDTH)
            s.width = std::max(item->cxy, 0);
        if (item->mask & HDI_TEXT)
            s.text = item->pszText ? item->pszText : "";
        if (item->mask & HDI_FORMAT)
            s.fmt = item->fmt;
        if (item->mask & HDI_LPARAM)
            s.lParam = item->lParam;
        if (item->mask & HDI_IMAGE)
            s.image = item->iImage;
        if ((item->mask & HDI_ORDER) && !inserting) {
            order_.erase(std::find(order_.begin(), order_.end(), index));
            order_.insert(order_.begin() + std::clamp(item->iOrder, 0, Count() - 1), index);
        }
        Changed(index);
        return TRUE;
    }

    LRESULT SetOrder(int count, const int* order)
    {
        if (!order || count != Count())
            return FALSE;
        std::vector<int> next(order, order + count);
        std::vector<int> sorted = next;
        std::sort(sorted.begin(), sorted.end());
        for (int i = 0; i < count; ++i)
            if (sorted[static_cast<std::size_t>(i)] != i)
                return FALSE;
        order_ = std::move(next);
        InvalidateRect(hwnd_, nullptr, TRUE);
        return TRUE;
    }

    void Changed(int index)
    {
        InvalidateRect(hwnd_, nullptr, TRUE);
        NMHEADER note;
        note.iItem = index;
        Notify(hwnd_, HDN_ITEMCHANGED, &note.hdr);
    }

    // Left edges follow the display order.
    RECT SectionRect(int index) const
    {
        RECT client;
        GetClientRect(hwnd_, &client);
        int x = 0;
        for (int o : order_) {
            const int w = sections_[static_cast<std::size_t>(o)].width;
            if (o == index)
                return RECT{x, 0, x + w, client.bottom};
            x += w;
        }
        return RECT{};
    }

    LRESULT ItemRect(int index, RECT* out) const
    {
        if (!out || index < 0 || index >= Count())
            return FALSE;
        *out = SectionRect(index);
        return TRUE;
    }

    int Width(int index) const { return sections_[static_cast<std::size_t>(index)].width; }

    // The nearest section left of a zero-width one in display order that shows (-1: none).
    int ShownLeftOf(int index) const
    {
        const auto at = std::find(order_.begin(), order_.end(), index);
        for (auto it = std::make_reverse_iterator(at); it != order_.rend(); ++it)
            if (Width(*it) > 0)
                return *it;
        return -1;
    }

    // A divider stands at the right edge of every shown section, and at the left edge when the
    // row starts with zero-width sections. Left of the nearest divider the point sizes the shown
    // section ending there; right of it, when zero-width sections follow, it opens the first of
    // them. A zero-width section never hides the divider of the shown one.
    LRESULT HitTest(HDHITTESTINFO* info) const
    {
        if (!info)
            return -1;
        info->flags = HHT_NOWHERE;
        info->iItem = -1;
        RECT client;
        GetClientRect(hwnd_, &client);
        const POINT p = info->pt;
        if (p.y < 0 || p.y >= client.bottom)
            return -1;
        int nearest = kDividerGrip + 1;
        int x = 0;
        int shown = -1;  // the last shown section, ending at x
        const std::size_t count = order_.size();
        for (std::size_t i = 0; i <= count; ++i) {
            // Each divider is looked at once: where a shown section ends, or at the start.
            if (i == 0 || Width(order_[i - 1]) > 0) {
                const int next = i < count ? order_[i] : -1;
                const bool hiddenNext = next >= 0 && Width(next) == 0;
                const int distance = std::abs(p.x - x);
                if ((shown >= 0 || hiddenNext) && distance < nearest && p.x >= x - kDividerGrip &&
                    p.x < x + kDividerGrip) {
                    nearest = distance;
                    const bool opens = hiddenNext && (p.x >= x || shown < 0);
                    info->flags = opens ? HHT_ONDIVOPEN : HHT_ONDIVIDER;
                    info->iItem = opens ? next : shown;
                }
            }
            if (i == count)
                break;
            x += Width(order_[i]);
            if (Width(order_[i]) > 0)
                shown = order_[i];
        }
        if (info->iItem >= 0)
            return info->iItem;
        for (int o : order_) {
            RECT r = SectionRect(o);
            if (p.x >= r.left && p.x < r.right) {
                info->flags = HHT_ONHEADER;
                info->iItem = o;
                return o;
            }
        }
        if (p.x >= x)
            info->flags = HHT_TORIGHT;
        return -1;
    }

    // Asks the parent before a divider drag starts; false: refused.
    bool BeginTrack(int index, POINT p)
    {
        NMHEADER note;
        note.iItem = index;
        if (Notify(hwnd_, HDN_BEGINTRACK, &note.hdr) != 0)
            return false;
        tracking_ = index;
        trackStartX_ = p.x;
        trackStartWidth_ = Width(index);
        return true;
    }

    void Press(POINT p)
    {
        HDHITTESTINFO hit;
        hit.pt = p;
        HitTest(&hit);
        if (hit.iItem < 0)
            return;
        if (hit.flags & (HHT_ONDIVIDER | HHT_ONDIVOPEN)) {
            bool tracking = BeginTrack(hit.iItem, p);
            if (!tracking && (hit.flags & HHT_ONDIVOPEN)) {
                const int shown = ShownLeftOf(hit.iItem);
                tracking = shown >= 0 && BeginTrack(shown, p);
            }
            if (tracking)
                SetCapture(hwnd_);
        } else {
            SetCapture(hwnd_);
            pressed_ = hit.iItem;
            InvalidateRect(hwnd_, nullptr, FALSE);
        }
    }

    void Move(POINT p)
    {
        if (tracking_ < 0 || tracking_ >= Count())
            return;
        HDITEM asked;
        asked.mask = HDI_WIDTH;
        asked.cxy = std::max(0, trackStartWidth_ + p.x - trackStartX_);
        NMHEADER changing;
        changing.iItem = tracking_;
        changing.pitem = &asked;
        if (Notify(hwnd_, HDN_ITEMCHANGING, &changing.hdr) != 0)
            return;
        const int width = std::max(0, asked.cxy);
        Section& s = sections_[static_cast<std::size_t>(tracking_)];
        if (width == s.width)
            return;
        s.width = width;
        NMHEADER note;
        note.iItem = tracking_;
        Notify(hwnd_, HDN_TRACK, &note.hdr);
        Changed(tracking_);
    }

    void Release(POINT p)
    {
        const int pressed = pressed_;
        const bool wasTracking = tracking_ >= 0;
        const int tracked = tracking_;
        EndTracking();
        if (GetCapture() == hwnd_)
            ReleaseCapture();
        if (wasTracking) {
            NMHEADER note;
            note.iItem = tracked;
            Notify(hwnd_, HDN_ENDTRACK, &note.hdr);
        } else if (pressed >= 0 && pressed < Count()) {
            RECT r = SectionRect(pressed);
            if (PtInRect(&r, p)) {
                NMHEADER note;
                note.iItem = pressed;
                Notify(hwnd_, HDN_ITEMCLICK, &note.hdr);
            }
        }
    }

    void EndTracking()
    {
        if (pressed_ >= 0)
            InvalidateRect(hwnd_, nullptr, FALSE);
        tracking_ = -1;
        pressed_ = -1;
    }

    void Paint(HDC given)
    {
        PAINTSTRUCT ps;
        HDC dc = given ? given : BeginPaint(hwnd_, &ps);
        if (!dc)
            return;
        RECT client;
        GetClientRect(hwnd_, &client);
        int right = 0;
        for (int o : order_) {
            const RECT r = SectionRect(o);
            right = r.right;
            if (r.right <= r.left)
                continue;
            const Section& s = sections_[static_cast<std::size_t>(o)];
            ButtonFace(dc, r, o == pressed_);
            RECT text{r.left + 6, r.top, r.right - 6, r.bottom};
            if (o == pressed_)
                OffsetRect(&text, 1, 1);
            if ((s.fmt & HDF_IMAGE) && s.image >= 0 && images_) {
                DrawImage(dc, images_, s.image, text.left, (r.top + r.bottom - ImageHeight(images_)) / 2);
                text.left += ImageWidth(images_) + 4;
            }
            const int justify = s.fmt & HDF_JUSTIFYMASK;
            const UINT align = justify == HDF_RIGHT ? DT_RIGHT : justify == HDF_CENTER ? DT_CENTER : DT_LEFT;
            DrawCellText(dc, font_, s.text, text, align, GetSysColor(COLOR_BTNTEXT));
        }
        if (right < client.right)
            ButtonFace(dc, RECT{right, 0, client.right + 1, client.bottom}, false);
        if (!given)
            EndPaint(hwnd_, &ps);
    }

    HWND hwnd_;
    std::vector<Section> sections_;
    std::vector<int> order_;  // section indexes from left to right
    HFONT font_ = nullptr;
    HIMAGELIST images_ = nullptr;
    int pressed_ = -1;
    int tracking_ = -1;
    int trackStartX_ = 0;
    int trackStartWidth_ = 0;
};

} // namespace

LRESULT HeaderProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return Procedure<Header>(hwnd, msg, wParam, lParam);
}

} // namespace commctl
