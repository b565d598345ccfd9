#include "classlib/ListBoxWindow.h"

#include "classlib/Messages.h"
#include "classlib/SysUtils.h"
#include "classlib/Utf8.h"
#include "platform/gdi/Gdi.h"
#include "platform/win/Rect.h"
#include "platform/window/User.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Item {
    std::string text;
    LPARAM data = 0;
    bool selected = false;
};

struct ListState {
    std::vector<Item> items;
    int cur = -1;      // the selection of a single-selection list
    int caret = 0;     // the focused item
    int anchor = 0;    // where a range selection starts
    int top = 0;
    int itemHeight = 16;
    int columnWidth = 100;
    int wheelRest = 0;  // wheel delta short of a whole notch
    HFONT font = nullptr;
    bool tracking = false;
    bool updatingBars = false;
    // The standard bars the window was made with (setting the scroll information hides and
    // shows them by changing the style).
    DWORD bars = 0;
};

std::map<HWND, std::unique_ptr<ListState>>& states()
{
    static std::map<HWND, std::unique_ptr<ListState>> all;
    return all;
}

DWORD styleOf(HWND hwnd)
{
    return static_cast<DWORD>(GetWindowLong(hwnd, GWL_STYLE));
}

bool multi(HWND hwnd)
{
    return (styleOf(hwnd) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
}

int fontHeight(HWND hwnd, HFONT font)
{
    HDC dc = GetDC(hwnd);
    HGDIOBJ old = SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRIC tm{};
    GetTextMetrics(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    return std::max(1, static_cast<int>(tm.tmHeight));
}

ListState& stateOf(HWND hwnd)
{
    auto& slot = states()[hwnd];
    if (!slot) {
        slot = std::make_unique<ListState>();
        slot->itemHeight = fontHeight(hwnd, nullptr);
        slot->bars = styleOf(hwnd) & (WS_HSCROLL | WS_VSCROLL);
    }
    return *slot;
}

class ListBox {
public:
    ListBox(HWND hwnd) : h(hwnd), s(stateOf(hwnd)) {}

    int count() const { return static_cast<int>(s.items.size()); }
    bool valid(int i) const { return i >= 0 && i < count(); }
    RECT client() const
    {
        RECT r{};
        GetClientRect(h, &r);
        return r;
    }
    int rows() const { return std::max(1, (client().bottom - client().top) / s.itemHeight); }
    bool columns() const { return (styleOf(h) & LBS_MULTICOLUMN) != 0; }
    int columnCount() const { return std::max(1, (client().right - client().left) / std::max(1, s.columnWidth)); }
    // Items visible at once (whole rows or columns).
    int page() const { return columns() ? rows() * columnCount() : rows(); }

    RECT itemRect(int i) const
    {
        const RECT c = client();
        if (columns()) {
            const int col = i / rows() - s.top / rows();
            const int row = i % rows();
            return RECT{col * s.columnWidth, row * s.itemHeight, (col + 1) * s.columnWidth, (row + 1) * s.itemHeight};
        }
        return RECT{0, (i - s.top) * s.itemHeight, c.right, (i - s.top + 1) * s.itemHeight};
    }

    // The item at a client point; outside is set when the point lies past the items.
    int itemAt(POINT p, bool& outside) const
    {
        const RECT c = client();
        outside = !PtInRect(&c, p);
        int i;
        if (columns()) {
            const int col = std::clamp(p.x / std::max(1, s.columnWidth), 0, columnCount());
            const int row = std::clamp(p.y / s.itemHeight, 0, rows() - 1);
            i = s.top + col * rows() + row;
        } else {
            i = s.top + (p.y < 0 ? -1 : p.y / s.itemHeight);
        }
        if (i >= count()) {
            outside = true;
            i = count() - 1;
        }
        if (i < 0) {
            outside = true;
            i = 0;
        }
        return i;
    }

    void invalidate() { InvalidateRect(h, nullptr, TRUE); }

    void setTop(int top)
    {
        const int step = columns() ? rows() : 1;
        const int last = std::max(0, count() - (columns() ? page() : rows()));
        top = std::clamp(top, 0, ((last + step - 1) / step) * step);
        if (columns())
            top -= top % step;
        if (top != s.top) {
            s.top = top;
            invalidate();
        }
    }

    void ensureVisible(int i)
    {
        if (!valid(i))
            return;
        if (i < s.top)
            setTop(columns() ? i - i % rows() : i);
        else if (i >= s.top + page())
            setTop(columns() ? (i / rows() - columnCount() + 1) * rows() : i - rows() + 1);
    }

    bool isSelected(int i) const { return multi(h) ? valid(i) && s.items[i].selected : i == s.cur && valid(i); }

    // Selects only i (or nothing for -1); true when the selection changed.
    bool selectOnly(int i)
    {
        bool changed = false;
        if (multi(h)) {
            for (int k = 0; k < count(); ++k) {
                const bool want = k == i;
                changed = changed || s.items[k].selected != want;
                s.items[k].selected = want;
            }
        } else {
            changed = s.cur != i;
            s.cur = i;
        }
        if (changed)
            invalidate();
        return changed;
    }

    bool selectRange(int from, int to, bool keepOthers)
    {
        bool changed = false;
        const int lo = std::min(from, to), hi = std::max(from, to);
        for (int k = 0; k < count(); ++k) {
            const bool want = (k >= lo && k <= hi) || (keepOthers && s.items[k].selected);
            changed = changed || s.items[k].selected != want;
            s.items[k].selected = want;
        }
        if (changed)
            invalidate();
        return changed;
    }

    void notify(WORD code)
    {
        if (!(styleOf(h) & LBS_NOTIFY))
            return;
        const int id = static_cast<int>(GetWindowLongPtr(h, GWLP_ID));
        SendMessage(GetParent(h), WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(h));
    }

    int insert(int index, const char* text)
    {
        Item item{text ? text : "", 0, false};
        if (index < 0 || index > count())
            index = count();
        s.items.insert(s.items.begin() + index, item);
        if (!multi(h) && s.cur >= index)
            ++s.cur;
        if (s.caret >= index && count() > 1)
            ++s.caret;
        invalidate();
        return index;
    }

    int sortedPlace(const char* text) const
    {
        const std::string t = text ? text : "";
        const auto at = std::upper_bound(s.items.begin(), s.items.end(), t, [](const std::string& a, const Item& b) {
            return CompareText(a, b.text) < 0;
        });
        return static_cast<int>(at - s.items.begin());
    }

    LRESULT erase(int index)
    {
        if (!valid(index))
            return LB_ERR;
        s.items.erase(s.items.begin() + index);
        if (!multi(h)) {
            if (s.cur == index)
                s.cur = -1;
            else if (s.cur > index)
                --s.cur;
        }
        if (s.caret > index || s.caret >= count())
            s.caret = std::max(0, s.caret - 1);
        setTop(s.top);
        invalidate();
        return count();
    }

    // Prefix (or exact) search without regard to case, from the item after start, wrapping.
    int find(int start, const char* text, bool exact) const
    {
        const std::string t = text ? text : "";
        const int n = count();
        for (int k = 1; k <= n; ++k) {
            const int i = ((start < 0 ? -1 : start) + k) % n;
            const std::string& item = s.items[i].text;
            if (exact ? SameText(item, t) : item.size() >= t.size() && SameText(item.substr(0, t.size()), t))
                return i;
        }
        return static_cast<int>(LB_ERR);
    }

    void paint(HDC dc)
    {
        const RECT c = client();
        FillRect(dc, &c, GetSysColorBrush(COLOR_WINDOW));
        const bool focused = GetFocus() == h;
        const bool ownerDraw = (styleOf(h) & LBS_OWNERDRAWFIXED) != 0;
        HGDIOBJ oldFont = SelectObject(dc, s.font ? static_cast<HGDIOBJ>(s.font) : GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(dc, TRANSPARENT);
        for (int i = s.top; i < count() && i < s.top + page(); ++i) {
            RECT r = itemRect(i);
            const bool selected = isSelected(i);
            if (ownerDraw) {
                DRAWITEMSTRUCT dis;
                dis.CtlType = ODT_LISTBOX;
                dis.CtlID = static_cast<UINT>(GetWindowLongPtr(h, GWLP_ID));
                dis.itemID = static_cast<UINT>(i);
                dis.itemAction = ODA_DRAWENTIRE;
                dis.itemState = (selected ? ODS_SELECTED : 0) | (focused && i == s.caret ? ODS_FOCUS : 0) |
                                (IsWindowEnabled(h) ? 0 : ODS_DISABLED);
                dis.hwndItem = h;
                dis.hDC = dc;
                dis.rcItem = r;
                dis.itemData = static_cast<ULONG_PTR>(s.items[i].data);
                SendMessage(GetParent(h), WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
                continue;
            }
            if (selected)
                FillRect(dc, &r, GetSysColorBrush(COLOR_HIGHLIGHT));
            SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : IsWindowEnabled(h) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
            RECT text = r;
            text.left += 2;
            DrawText(dc, s.items[i].text.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
            if (focused && i == s.caret)
                DrawFocusRect(dc, &r);
        }
        SelectObject(dc, oldFont);
    }

    // Moves the caret as a key or a click would and updates the selection for the style.
    bool moveCaret(int i, bool shift, bool ctrl)
    {
        if (count() == 0)
            return false;
        i = std::clamp(i, 0, count() - 1);
        const DWORD style = styleOf(h);
        bool changed = false;
        if (style & LBS_EXTENDEDSEL) {
            if (shift)
                changed = selectRange(s.anchor, i, ctrl);
            else if (!ctrl) {
                changed = selectOnly(i);
                s.anchor = i;
            }
        } else if (!(style & LBS_MULTIPLESEL)) {
            changed = selectOnly(i);
        }
        s.caret = i;
        ensureVisible(i);
        invalidate();
        return changed;
    }

    void toggle(int i)
    {
        if (!valid(i))
            return;
        s.items[i].selected = !s.items[i].selected;
        s.anchor = i;
        invalidate();
    }

    void keyDown(WPARAM vk)
    {
        const bool shift = GetKeyState(VK_SHIFT) < 0, ctrl = GetKeyState(VK_CONTROL) < 0;
        const int step = columns() ? rows() : 1;
        int target = s.caret;
        switch (vk) {
        case VK_UP: target -= 1; break;
        case VK_DOWN: target += 1; break;
        case VK_LEFT: target -= step; break;
        case VK_RIGHT: target += step; break;
        case VK_PRIOR: target -= std::max(1, page() - step); break;
        case VK_NEXT: target += std::max(1, page() - step); break;
        case VK_HOME: target = 0; break;
        case VK_END: target = count() - 1; break;
        case VK_SPACE:
            if (styleOf(h) & LBS_MULTIPLESEL || (styleOf(h) & LBS_EXTENDEDSEL && ctrl)) {
                toggle(s.caret);
                notify(LBN_SELCHANGE);
            }
            return;
        default: return;
        }
        if (!multi(h) && s.cur < 0 && vk != VK_HOME && vk != VK_END)
            target = std::max(0, s.caret);
        if (moveCaret(target, shift, ctrl))
            notify(LBN_SELCHANGE);
    }

    void charTyped(char32_t c)
    {
        if (c < 0x20 || c == 0x7F || count() == 0 || (c == U' ' && multi(h)))
            return;
        const std::string key = CodePointToUtf8(c);
        const int found = find(s.caret, key.c_str(), false);
        if (found >= 0 && moveCaret(found, false, false))
            notify(LBN_SELCHANGE);
    }

    void buttonDown(LPARAM lParam, WPARAM keys, bool doubleClick)
    {
        if (GetFocus() != h)
            SetFocus(h);
        bool outside = false;
        const int i = itemAt(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, outside);
        if (count() == 0 || outside) {
            SetCapture(h);
            s.tracking = true;
            return;
        }
        bool changed;
        if (styleOf(h) & LBS_MULTIPLESEL) {
            toggle(i);
            s.caret = i;
            changed = true;
        } else if ((styleOf(h) & LBS_EXTENDEDSEL) && (keys & MK_CONTROL) && !(keys & MK_SHIFT)) {
            toggle(i);
            s.caret = i;
            changed = true;
        } else {
            changed = moveCaret(i, (keys & MK_SHIFT) != 0, (keys & MK_CONTROL) != 0);
        }
        SetCapture(h);
        s.tracking = true;
        if (changed)
            notify(LBN_SELCHANGE);
        if (doubleClick)
            notify(LBN_DBLCLK);
    }

    void drag(LPARAM lParam)
    {
        if (!s.tracking || count() == 0 || (styleOf(h) & LBS_MULTIPLESEL))
            return;
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        int i;
        if (!columns() && p.y < 0) {
            i = s.top - 1;  // above the list: scroll towards the first item
        } else if (!columns() && p.y >= client().bottom) {
            i = s.top + rows();
        } else {
            bool outside = false;
            i = itemAt(p, outside);
        }
        if (moveCaret(i, (styleOf(h) & LBS_EXTENDEDSEL) != 0, false))
            notify(LBN_SELCHANGE);
    }

    void wheel(short delta)
    {
        s.wheelRest += delta;
        const int notches = s.wheelRest / WHEEL_DELTA;
        s.wheelRest -= notches * WHEEL_DELTA;
        if (notches == 0)
            return;
        UINT lines = 3;
        SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
        setTop(s.top - notches * (columns() ? rows() : static_cast<int>(lines)));
    }

    // The standard bar of the window's style follows the items: rows on the vertical bar, or
    // columns on the horizontal bar of a list in columns.
    void updateBars()
    {
        const int bar = columns() ? SB_HORZ : SB_VERT;
        if (s.updatingBars || !(s.bars & (bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL)))
            return;
        s.updatingBars = true;
        SCROLLINFO info, now;
        info.fMask = now.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        if (columns()) {
            info.nMax = std::max(0, (count() + rows() - 1) / rows() - 1);
            info.nPage = static_cast<UINT>(columnCount());
            info.nPos = s.top / rows();
        } else {
            info.nMax = std::max(0, count() - 1);
            info.nPage = static_cast<UINT>(rows());
            info.nPos = s.top;
        }
        GetScrollInfo(h, bar, &now);
        if (now.nMax != info.nMax || now.nPage != info.nPage || now.nPos != info.nPos)
            SetScrollInfo(h, bar, &info, TRUE);
        s.updatingBars = false;
    }

    void scroll(WORD code, int thumb)
    {
        const int step = columns() ? rows() : 1;
        const int pageStep = columns() ? page() : std::max(1, rows() - 1);
        int top = s.top;
        switch (code) {
        case SB_LINEUP: top -= step; break;
        case SB_LINEDOWN: top += step; break;
        case SB_PAGEUP: top -= pageStep; break;
        case SB_PAGEDOWN: top += pageStep; break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: top = thumb * step; break;
        case SB_TOP: top = 0; break;
        case SB_BOTTOM: top = count(); break;
        default: return;
        }
        setTop(top);
    }

    HWND h;
    ListState& s;
};

} // namespace

void RegisterListBoxClass()
{
    WNDCLASS existing;
    if (GetClassInfo(nullptr, "LISTBOX", &existing))
        return;
    WNDCLASS wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &ListBoxWindowProc;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = "LISTBOX";
    RegisterClass(&wc);
}

namespace {

LRESULT handleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCDESTROY) {
        states().erase(hwnd);
        return DefWindowProc(hwnd, msg, wParam, lParam);
    }
    ListBox lb(hwnd);
    ListState& s = lb.s;
    const int index = static_cast<int>(static_cast<std::intptr_t>(wParam));
    switch (msg) {
    case LB_ADDSTRING: {
        const auto text = reinterpret_cast<const char*>(lParam);
        return lb.insert(styleOf(hwnd) & LBS_SORT ? lb.sortedPlace(text) : lb.count(), text);
    }
    case LB_INSERTSTRING:
        return lb.insert(index, reinterpret_cast<const char*>(lParam));
    case LB_DELETESTRING:
        return lb.erase(index);
    case LB_RESETCONTENT:
        s.items.clear();
        s.cur = -1;
        s.caret = s.anchor = s.top = 0;
        lb.invalidate();
        return LB_OKAY;
    case LB_GETCOUNT:
        return lb.count();
    case LB_GETTEXTLEN:
        return lb.valid(index) ? static_cast<LRESULT>(s.items[index].text.size()) : LB_ERR;
    case LB_GETTEXT: {
        if (!lb.valid(index))
            return LB_ERR;
        const std::string& text = s.items[index].text;
        std::memcpy(reinterpret_cast<char*>(lParam), text.c_str(), text.size() + 1);
        return static_cast<LRESULT>(text.size());
    }
    case LB_GETITEMDATA:
        return lb.valid(index) ? s.items[index].data : LB_ERR;
    case LB_SETITEMDATA:
        if (!lb.valid(index))
            return LB_ERR;
        s.items[index].data = lParam;
        return LB_OKAY;
    case LB_SETCURSEL:
        if (multi(hwnd) || (index != -1 && !lb.valid(index)))
            return LB_ERR;
        lb.selectOnly(index);
        if (index >= 0) {
            s.caret = index;
            lb.ensureVisible(index);
        }
        return index < 0 ? LB_ERR : index;
    case LB_GETCURSEL:
        return multi(hwnd) ? (lb.valid(s.caret) && s.items[s.caret].selected ? s.caret : LB_ERR) : s.cur;
    case LB_SETSEL: {
        if (!multi(hwnd))
            return LB_ERR;
        const int i = static_cast<int>(lParam);
        for (int k = 0; k < lb.count(); ++k)
            if (i == -1 || k == i)
                s.items[k].selected = wParam != 0;
        if (i >= 0 && lb.valid(i))
            s.caret = i;
        lb.invalidate();
        return i == -1 || lb.valid(i) ? LB_OKAY : LB_ERR;
    }
    case LB_GETSEL:
        return lb.valid(index) ? (lb.isSelected(index) ? 1 : 0) : LB_ERR;
    case LB_GETSELCOUNT:
        if (!multi(hwnd))
            return LB_ERR;
        return std::count_if(s.items.begin(), s.items.end(), [](const Item& it) { return it.selected; });
    case LB_GETSELITEMS: {
        if (!multi(hwnd))
            return LB_ERR;
        auto* out = reinterpret_cast<int*>(lParam);
        int n = 0;
        for (int k = 0; k < lb.count() && n < index; ++k)
            if (s.items[k].selected)
                out[n++] = k;
        return n;
    }
    case LB_SELITEMRANGE:
    case LB_SELITEMRANGEEX: {
        if (!multi(hwnd))
            return LB_ERR;
        int from = msg == LB_SELITEMRANGE ? LOWORD(lParam) : index;
        int to = msg == LB_SELITEMRANGE ? HIWORD(lParam) : static_cast<int>(lParam);
        const bool select = msg == LB_SELITEMRANGE ? wParam != 0 : from <= to;
        for (int k = std::min(from, to); k <= std::max(from, to) && k < lb.count(); ++k)
            if (k >= 0)
                s.items[k].selected = select;
        lb.invalidate();
        return LB_OKAY;
    }
    case LB_SETANCHORINDEX:
        s.anchor = index;
        return LB_OKAY;
    case LB_GETANCHORINDEX:
        return s.anchor;
    case LB_SETCARETINDEX:
        if (!lb.valid(index))
            return LB_ERR;
        s.caret = index;
        lb.ensureVisible(index);
        lb.invalidate();
        return LB_OKAY;
    case LB_GETCARETINDEX:
        return s.caret;
    case LB_GETTOPINDEX:
        return s.top;
    case LB_SETTOPINDEX:
        if (!lb.valid(index) && !(index == 0 && lb.count() == 0))
            return LB_ERR;
        lb.setTop(index);
        return LB_OKAY;
    case LB_FINDSTRING:
    case LB_FINDSTRINGEXACT:
        return lb.count() == 0 ? LB_ERR : lb.find(index, reinterpret_cast<const char*>(lParam), msg == LB_FINDSTRINGEXACT);
    case LB_SELECTSTRING: {
        if (multi(hwnd) || lb.count() == 0)
            return LB_ERR;
        const int found = lb.find(index, reinterpret_cast<const char*>(lParam), false);
        if (found >= 0)
            ListBoxWindowProc(hwnd, LB_SETCURSEL, static_cast<WPARAM>(found), 0);
        return found;
    }
    case LB_SETITEMHEIGHT:
        if (LOWORD(lParam) == 0 || LOWORD(lParam) > 255)
            return LB_ERR;
        s.itemHeight = LOWORD(lParam);
        lb.setTop(s.top);
        lb.invalidate();
        return LB_OKAY;
    case LB_GETITEMHEIGHT:
        return s.itemHeight;
    case LB_SETCOLUMNWIDTH:
        s.columnWidth = std::max(1, index);
        lb.invalidate();
        return LB_OKAY;
    case LB_GETITEMRECT:
        if (!lb.valid(index) && !(index == 0 && lb.count() == 0))
            return LB_ERR;
        *reinterpret_cast<RECT*>(lParam) = lb.itemRect(index);
        return LB_OKAY;
    case LB_ITEMFROMPOINT: {
        bool outside = false;
        const int i = lb.itemAt(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, outside);
        return MAKELPARAM(lb.count() == 0 ? 0 : i, outside || lb.count() == 0 ? 1 : 0);
    }
    case WM_SETFONT:
        s.font = reinterpret_cast<HFONT>(wParam);
        if (!(styleOf(hwnd) & LBS_OWNERDRAWFIXED))
            s.itemHeight = fontHeight(hwnd, s.font);
        if (lParam)
            lb.invalidate();
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(s.font);
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        if (wParam) {
            lb.paint(reinterpret_cast<HDC>(wParam));
            return 0;
        }
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        lb.paint(dc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_SIZE:
        lb.setTop(s.top);
        lb.invalidate();
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_KEYDOWN:
        lb.keyDown(wParam);
        return 0;
    case WM_CHAR:
        lb.charTyped(static_cast<char32_t>(wParam));
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        lb.buttonDown(lParam, wParam, msg == WM_LBUTTONDBLCLK);
        return 0;
    case WM_MOUSEMOVE:
        lb.drag(lParam);
        return 0;
    case WM_LBUTTONUP:
        if (s.tracking) {
            s.tracking = false;
            ReleaseCapture();
        }
        return 0;
    case WM_CAPTURECHANGED:
        s.tracking = false;
        return 0;
    case WM_MOUSEWHEEL:
        lb.wheel(GET_WHEEL_DELTA_WPARAM(wParam));
        return 0;
    case WM_VSCROLL:
    case WM_HSCROLL:
        if ((msg == WM_HSCROLL) == lb.columns()) {
            SCROLLINFO info;
            info.fMask = SIF_TRACKPOS;
            GetScrollInfo(hwnd, msg == WM_HSCROLL ? SB_HORZ : SB_VERT, &info);
            lb.scroll(LOWORD(wParam), info.nTrackPos);
        }
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        lb.invalidate();
        lb.notify(msg == WM_SETFOCUS ? LBN_SETFOCUS : LBN_KILLFOCUS);
        return 0;
    default:
        return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

} // namespace

LRESULT ListBoxWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = handleMessage(hwnd, msg, wParam, lParam);
    // After what may change the items, their height, the top item or the size.
    const bool changes = (msg >= LB_ADDSTRING && msg <= LB_ITEMFROMPOINT) || msg == WM_CREATE || msg == WM_SIZE ||
                         msg == WM_SETFONT || msg == WM_KEYDOWN || msg == WM_CHAR || msg == WM_LBUTTONDOWN ||
                         msg == WM_LBUTTONDBLCLK || msg == WM_MOUSEMOVE || msg == WM_MOUSEWHEEL ||
                         msg == WM_VSCROLL || msg == WM_HSCROLL;
    if (changes && IsWindow(hwnd) && states().count(hwnd))
        ListBox(hwnd).updateBars();
    return result;
}
