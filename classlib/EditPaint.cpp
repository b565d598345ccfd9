// Layout and painting of the class "EDIT": one line in the formatting rectangle, scrolled
// sideways to keep the caret in view, the selection highlighted, pre-edit text underlined.

#include "classlib/EditBox.h"

#include "platform/gdi/Gdi.h"
#include "platform/kernel/Utf8.h"
#include "platform/win/Rect.h"
#include "platform/window/User.h"

#include <algorithm>

namespace {

class FontDC {
public:
    FontDC(HWND hwnd, HFONT font) : hwnd_(hwnd), dc_(GetDC(hwnd))
    {
        old_ = SelectObject(dc_, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    }
    ~FontDC()
    {
        SelectObject(dc_, old_);
        ReleaseDC(hwnd_, dc_);
    }
    FontDC(const FontDC&) = delete;
    FontDC& operator=(const FontDC&) = delete;
    HDC dc() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
    HGDIOBJ old_;
};

} // namespace

std::u32string EditBox::shown() const
{
    return password_ ? std::u32string(text_.size(), password_) : text_;
}

RECT EditBox::textArea() const
{
    RECT r{};
    if (hasRect_) {
        r = rect_;
    } else {
        GetClientRect(hwnd_, &r);
        r.left += leftMargin_;
        r.right -= rightMargin_;
    }
    if (r.right < r.left)
        r.right = r.left;
    return r;
}

int EditBox::widthOf(HDC dc, const std::u32string& s, int from, int to) const
{
    if (to <= from)
        return 0;
    const std::string utf8 = EncodeUtf8(std::u32string_view(s).substr(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from)));
    SIZE size{};
    GetTextExtentPoint32(dc, utf8.c_str(), static_cast<int>(utf8.size()), &size);
    return size.cx;
}

int EditBox::textWidth(HDC dc) const
{
    const std::u32string s = shown();
    return widthOf(dc, s, 0, length()) + widthOf(dc, preedit_, 0, static_cast<int>(preedit_.size()));
}

int EditBox::originX(HDC dc) const
{
    const RECT area = textArea();
    const int room = area.right - area.left;
    const int width = textWidth(dc);
    const DWORD st = style();
    if (width < room && (st & (ES_CENTER | ES_RIGHT))) {
        if (st & ES_RIGHT)
            return area.right - width - 1;
        return area.left + (room - width) / 2;
    }
    return area.left - scrollX_;
}

int EditBox::xOf(HDC dc, int pos) const
{
    const std::u32string s = shown();
    int x = originX(dc) + widthOf(dc, s, 0, pos);
    // Pre-edit text stands at the caret and pushes what follows to the right.
    if (!preedit_.empty() && pos > caret_)
        x += widthOf(dc, preedit_, 0, static_cast<int>(preedit_.size()));
    return x;
}

int EditBox::posAt(int x)
{
    FontDC f(hwnd_, font_);
    const std::u32string s = shown();
    const int origin = originX(f.dc());
    // Widths grow with the position: halve the range to the nearest boundary.
    int lo = 0, hi = length();
    while (lo < hi) {
        const int mid = (lo + hi + 1) / 2;
        if (origin + widthOf(f.dc(), s, 0, mid) <= x)
            lo = mid;
        else
            hi = mid - 1;
    }
    if (lo < length()) {
        const int left = origin + widthOf(f.dc(), s, 0, lo);
        const int right = origin + widthOf(f.dc(), s, 0, lo + 1);
        if (x - left > right - x)
            ++lo;
    }
    return lo;
}

void EditBox::scrollToCaret()
{
    FontDC f(hwnd_, font_);
    const RECT area = textArea();
    const int room = std::max<int>(area.right - area.left, 1);
    const std::u32string s = shown();
    const int caretX = widthOf(f.dc(), s, 0, caret_) + widthOf(f.dc(), preedit_, 0, preeditCursor_);
    const int total = textWidth(f.dc());
    if (caretX - scrollX_ >= room)
        scrollX_ = caretX - room + std::min(room / 3, std::max(total - caretX, 0)) + 1;
    if (caretX < scrollX_)
        scrollX_ = std::max(caretX - room / 3, 0);
    if (total + 1 <= room)
        scrollX_ = 0;
    scrollX_ = std::clamp(scrollX_, 0, std::max(total + 1 - room, 0));
    placeCaret();
}

int EditBox::lineHeight()
{
    FontDC f(hwnd_, font_);
    TEXTMETRIC tm{};
    GetTextMetrics(f.dc(), &tm);
    return std::max<int>(tm.tmHeight, 1);
}

void EditBox::placeCaret()
{
    if (GetCaretWindow() != hwnd_)
        return;
    FontDC f(hwnd_, font_);
    int x = xOf(f.dc(), caret_) + widthOf(f.dc(), preedit_, 0, preeditCursor_);
    const RECT area = textArea();
    x = std::clamp<int>(x, area.left, std::max<int>(area.left, area.right - 1));
    SetCaretPos(x, area.top);
}

void EditBox::repaint()
{
    InvalidateRect(hwnd_, nullptr, TRUE);
}

HBRUSH EditBox::colors(HDC dc)
{
    const bool enabled = IsWindowEnabled(hwnd_) != FALSE;
    const bool asStatic = readOnly() || !enabled;
    SetTextColor(dc, GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    SetBkColor(dc, GetSysColor(asStatic ? COLOR_BTNFACE : COLOR_WINDOW));
    SetBkMode(dc, OPAQUE);
    HWND parent = GetParent(hwnd_);
    auto brush = parent ? reinterpret_cast<HBRUSH>(SendMessage(parent, asStatic ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT,
                                                               reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd_)))
                        : nullptr;
    return brush ? brush : GetSysColorBrush(asStatic ? COLOR_BTNFACE : COLOR_WINDOW);
}

void EditBox::paint(HDC dc)
{
    const int saved = SaveDC(dc);
    const HBRUSH brush = colors(dc);
    const bool transparent = brush == GetStockObject(NULL_BRUSH) || GetBkMode(dc) == TRANSPARENT;
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, font_ ? font_ : GetStockObject(DEFAULT_GUI_FONT));
    const RECT area = textArea();
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    if (!transparent)
        FillRect(dc, &area, brush);

    TEXTMETRIC tm{};
    GetTextMetrics(dc, &tm);
    const std::u32string s = shown();
    const int y = area.top;
    auto run = [&](int from, int to, int x) {
        const std::string utf8 = EncodeUtf8(std::u32string_view(s).substr(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from)));
        TextOut(dc, x, y, utf8.c_str(), static_cast<int>(utf8.size()));
    };
    const bool showSelection = preedit_.empty() && selMin() != selMax() && (focused_ || (style() & ES_NOHIDESEL));
    if (!showSelection) {
        run(0, caret_, xOf(dc, 0));
        run(caret_, length(), xOf(dc, caret_) + widthOf(dc, preedit_, 0, static_cast<int>(preedit_.size())));
    } else {
        run(0, selMin(), xOf(dc, 0));
        run(selMax(), length(), xOf(dc, selMax()));
        const RECT band{xOf(dc, selMin()), y, xOf(dc, selMax()), y + tm.tmHeight};
        FillRect(dc, &band, GetSysColorBrush(COLOR_HIGHLIGHT));
        const COLORREF old = SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        run(selMin(), selMax(), band.left);
        SetTextColor(dc, old);
    }
    if (!preedit_.empty()) {
        const int x = xOf(dc, caret_);
        const std::string utf8 = EncodeUtf8(preedit_);
        TextOut(dc, x, y, utf8.c_str(), static_cast<int>(utf8.size()));
        const RECT underline{x, y + tm.tmHeight - 1, x + widthOf(dc, preedit_, 0, static_cast<int>(preedit_.size())),
                             y + tm.tmHeight};
        HBRUSH pen = CreateSolidBrush(GetTextColor(dc));
        FillRect(dc, &underline, pen);
        DeleteObject(pen);
    }
    RestoreDC(dc, saved);
}
