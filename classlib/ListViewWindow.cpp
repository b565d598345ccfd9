// The list view window: items with sub-items shown as large icons, small icons, a list in
// columns or a report with a column header. Scroll units: report rows vertically and pixels
// horizontally, list columns, icon views pixels.

#include "classlib/CommCtrlParts.h"
#include "classlib/Utf8.h"
#include "platform/gdi/Gdi.h"
#include "platform/kernel/Clock.h"

#include <algorithm>
#include <vector>

namespace commctl {
namespace {

struct Column {
    std::string text;
    int width = 50;
    int fmt = LVCFMT_LEFT;
    int image = -1;
};

struct Item {
    std::vector<std::string> texts;  // the label, then the sub-items
    int image = -1;
    UINT state = 0;
    LPARAM lParam = 0;
};

class ListView {
public:
    explicit ListView(HWND hwnd) : hwnd_(hwnd) {}

    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam)
    {
        switch (msg) {
        case WM_CREATE:
            SyncHeader();
            Relayout();
            return 0;
        case WM_STYLECHANGED:
            if (wParam == static_cast<WPARAM>(GWL_STYLE)) {
                SyncHeader();
                Relayout();
            }
            return 0;
        case WM_SIZE:
            PlaceHeader();
            UpdateScrollBars();
            return 0;
        case WM_SETFONT:
            font_ = reinterpret_cast<HFONT>(wParam);
            textHeight_ = -1;
            if (header_)
                SendMessage(header_, WM_SETFONT, wParam, 0);
            Relayout();
            return 0;
        case WM_GETFONT: return reinterpret_cast<LRESULT>(font_);
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: Paint(reinterpret_cast<HDC>(wParam)); return 0;
        case WM_VSCROLL: Scroll(SB_VERT, LOWORD(wParam), static_cast<short>(HIWORD(wParam))); return 0;
        case WM_HSCROLL: Scroll(SB_HORZ, LOWORD(wParam), static_cast<short>(HIWORD(wParam))); return 0;
        case WM_MOUSEWHEEL: Wheel(GET_WHEEL_DELTA_WPARAM(wParam)); return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_LBUTTONDBLCLK: Click(msg, wParam, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
        case WM_KEYDOWN: Key(static_cast<UINT>(wParam)); return 0;
        case WM_CHAR: TypeAhead(static_cast<char32_t>(wParam)); return 0;
        case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
        case WM_DESTROY: editor_.End(true); return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS: InvalidateRect(hwnd_, nullptr, FALSE); return 0;
        case WM_NOTIFY: return HeaderNote(reinterpret_cast<NMHDR*>(lParam));

        case LVM_GETBKCOLOR: return static_cast<LRESULT>(bk_);
        case LVM_SETBKCOLOR:
            bk_ = static_cast<COLORREF>(lParam);
            InvalidateRect(hwnd_, nullptr, TRUE);
            return TRUE;
        case LVM_SETTEXTCOLOR:
            text_ = static_cast<COLORREF>(lParam);
            InvalidateRect(hwnd_, nullptr, FALSE);
            return TRUE;
        case LVM_SETTEXTBKCOLOR: return TRUE;
        case LVM_SETIMAGELIST: {
            HIMAGELIST& slot = wParam == LVSIL_SMALL ? small_ : large_;
            HIMAGELIST old = slot;
            slot = reinterpret_cast<HIMAGELIST>(lParam);
            if (wParam == LVSIL_SMALL && header_)
                SendMessage(header_, HDM_SETIMAGELIST, 0, lParam);
            Relayout();
            return reinterpret_cast<LRESULT>(old);
        }
        case LVM_GETITEMCOUNT: return Count();
        case LVM_INSERTITEM: return InsertItem(reinterpret_cast<const LVITEM*>(lParam));
        case LVM_SETITEM: return SetItem(reinterpret_cast<const LVITEM*>(lParam));
        case LVM_GETITEM: return GetItem(reinterpret_cast<LVITEM*>(lParam));
        case LVM_DELETEITEM: return DeleteItem(static_cast<int>(wParam));
        case LVM_DELETEALLITEMS:
            items_.clear();
            anchor_ = -1;
            Relayout();
            return TRUE;
        case LVM_SETITEMCOUNT:
            if (!OwnerData())
                return FALSE;
            items_.assign(static_cast<std::size_t>(std::max(static_cast<int>(wParam), 0)), Item{});
            anchor_ = -1;
            search_.clear();
            ClampScroll();
            Relayout();
            return TRUE;
        case LVM_GETSELECTEDCOUNT:
            return std::count_if(items_.begin(), items_.end(), [](const Item& i) { return (i.state & LVIS_SELECTED) != 0; });
        case LVM_REDRAWITEMS: InvalidateRect(hwnd_, nullptr, FALSE); return TRUE;
        case LVM_EDITLABEL: return reinterpret_cast<LRESULT>(EditLabel(static_cast<int>(wParam)));
        case LVM_GETEDITCONTROL: return reinterpret_cast<LRESULT>(editor_.Handle());
        case LVM_CANCELEDITLABEL: editor_.End(true); return TRUE;
        case LVM_SETITEMSTATE: return SetState(static_cast<int>(wParam), reinterpret_cast<const LVITEM*>(lParam));
        case LVM_GETITEMSTATE:
            return ValidItem(static_cast<int>(wParam))
                       ? static_cast<LRESULT>(items_[static_cast<std::size_t>(wParam)].state & static_cast<UINT>(lParam))
                       : 0;
        case LVM_GETNEXTITEM: return NextItem(static_cast<int>(wParam), lParam);
        case LVM_GETITEMRECT: return ItemRectMsg(static_cast<int>(wParam), reinterpret_cast<RECT*>(lParam));
        case LVM_HITTEST: return HitTest(reinterpret_cast<LVHITTESTINFO*>(lParam));
        case LVM_ENSUREVISIBLE: EnsureVisible(static_cast<int>(wParam)); return TRUE;
        case LVM_SCROLL: return ScrollPixels(static_cast<int>(static_cast<LONG_PTR>(wParam)), static_cast<int>(lParam));
        case LVM_INSERTCOLUMN: return InsertColumn(static_cast<int>(wParam), reinterpret_cast<const LVCOLUMN*>(lParam));
        case LVM_SETCOLUMN: return SetColumn(static_cast<int>(wParam), reinterpret_cast<const LVCOLUMN*>(lParam));
        case LVM_GETCOLUMN: return GetColumn(static_cast<int>(wParam), reinterpret_cast<LVCOLUMN*>(lParam));
        case LVM_DELETECOLUMN: return DeleteColumn(static_cast<int>(wParam));
        case LVM_GETCOLUMNWIDTH:
            return ValidColumn(static_cast<int>(wParam)) ? columns_[static_cast<std::size_t>(wParam)].width : 0;
        case LVM_SETCOLUMNWIDTH: {
            LVCOLUMN c;
            c.mask = LVCF_WIDTH;
            c.cx = static_cast<int>(lParam);
            return SetColumn(static_cast<int>(wParam), &c);
        }
        case LVM_GETHEADER: return reinterpret_cast<LRESULT>(header_);
        case LVM_GETTOPINDEX: return TopIndex();
        case LVM_GETCOUNTPERPAGE: return CountPerPage();
        case LVM_SETEXTENDEDLISTVIEWSTYLE: {
            const DWORD old = ex_;
            const DWORD mask = wParam ? static_cast<DWORD>(wParam) : 0xFFFFFFFFu;
            ex_ = (ex_ & ~mask) | (static_cast<DWORD>(lParam) & mask);
            InvalidateRect(hwnd_, nullptr, TRUE);
            return static_cast<LRESULT>(old);
        }
        case LVM_GETEXTENDEDLISTVIEWSTYLE: return static_cast<LRESULT>(ex_);
        default: break;
        }
        return DefWindowProc(hwnd_, msg, wParam, lParam);
    }

private:
    // --- model ---
    int Count() const { return static_cast<int>(items_.size()); }
    bool ValidItem(int i) const { return i >= 0 && i < Count(); }
    bool ValidColumn(int c) const { return c >= 0 && c < static_cast<int>(columns_.size()); }
    DWORD Style() const { return static_cast<DWORD>(GetWindowLongPtr(hwnd_, GWL_STYLE)); }
    DWORD View() const { return Style() & LVS_TYPEMASK; }
    bool OwnerData() const { return (Style() & LVS_OWNERDATA) != 0; }

    // A cell's text and a row's image: the items' own, or asked of the parent in owner-data mode.
    std::string CellText(int i, int sub) const
    {
        if (!OwnerData())
            return TextOf(items_[static_cast<std::size_t>(i)], sub);
        NMLVDISPINFO info;
        info.item.mask = LVIF_TEXT;
        info.item.iItem = i;
        info.item.iSubItem = sub;
        Notify(hwnd_, LVN_GETDISPINFO, &info.hdr);
        return info.item.pszText ? info.item.pszText : "";
    }
    // A row's label and image in one request.
    int LabelAndImage(int i, std::string& label) const
    {
        if (!OwnerData()) {
            label = TextOf(items_[static_cast<std::size_t>(i)], 0);
            return items_[static_cast<std::size_t>(i)].image;
        }
        NMLVDISPINFO info;
        info.item.mask = LVIF_TEXT | LVIF_IMAGE;
        info.item.iItem = i;
        Notify(hwnd_, LVN_GETDISPINFO, &info.hdr);
        label = info.item.pszText ? info.item.pszText : "";
        return info.item.iImage;
    }
    bool Report() const { return View() == LVS_REPORT; }
    bool HeaderShown() const
    {
        return Report() && !(static_cast<DWORD>(GetWindowLongPtr(hwnd_, GWL_STYLE)) & LVS_NOCOLUMNHEADER);
    }

    LRESULT InsertItem(const LVITEM* in)
    {
        if (!in || in->iSubItem != 0 || OwnerData())
            return -1;
        const int index = std::clamp(in->iItem, 0, Count());
        items_.insert(items_.begin() + index, Item{});
        items_[static_cast<std::size_t>(index)].texts.resize(1);
        LVITEM copy = *in;
        copy.iItem = index;
        ApplyItem(copy);
        Relayout();
        return index;
    }

    void ApplyItem(const LVITEM& in)
    {
        Item& item = items_[static_cast<std::size_t>(in.iItem)];
        if (in.mask & LVIF_TEXT) {
            if (item.texts.size() <= static_cast<std::size_t>(in.iSubItem))
                item.texts.resize(static_cast<std::size_t>(in.iSubItem) + 1);
            item.texts[static_cast<std::size_t>(in.iSubItem)] = in.pszText ? in.pszText : "";
        }
        if (in.iSubItem != 0)
            return;
        if (in.mask & LVIF_IMAGE)
            item.image = in.iImage;
        if (in.mask & LVIF_PARAM)
            item.lParam = in.lParam;
        if (in.mask & LVIF_STATE)
            item.state = (item.state & ~in.stateMask) | (in.state & in.stateMask);
    }

    LRESULT SetItem(const LVITEM* in)
    {
        if (!in || !ValidItem(in->iItem) || in->iSubItem < 0)
            return FALSE;
        if (OwnerData()) {
            if (in->mask & LVIF_STATE)
                ChangeState(in->iItem, in->state, in->stateMask);
            return TRUE;
        }
        ApplyItem(*in);
        Relayout();
        return TRUE;
    }

    LRESULT GetItem(LVITEM* out) const
    {
        if (!out || !ValidItem(out->iItem) || out->iSubItem < 0)
            return FALSE;
        const Item& item = items_[static_cast<std::size_t>(out->iItem)];
        if (out->mask & LVIF_TEXT) {
            if (OwnerData()) {
                out->pszText = nullptr;
                CopyOut(CellText(out->iItem, out->iSubItem), out->pszOut, out->cchTextMax);
            } else {
                const std::string& text = TextOf(item, out->iSubItem);
                out->pszText = text.c_str();
                CopyOut(text, out->pszOut, out->cchTextMax);
            }
        }
        if (out->mask & LVIF_IMAGE) {
            std::string label;
            out->iImage = LabelAndImage(out->iItem, label);
        }
        if (out->mask & LVIF_PARAM)
            out->lParam = item.lParam;
        if (out->mask & LVIF_STATE)
            out->state = item.state & out->stateMask;
        return TRUE;
    }

    static const std::string& TextOf(const Item& item, int sub)
    {
        static const std::string none;
        return static_cast<std::size_t>(sub) < item.texts.size() ? item.texts[static_cast<std::size_t>(sub)] : none;
    }

    LRESULT DeleteItem(int index)
    {
        if (!ValidItem(index))
            return FALSE;
        items_.erase(items_.begin() + index);
        Relayout();
        return TRUE;
    }

    LRESULT SetState(int index, const LVITEM* in)
    {
        if (!in)
            return FALSE;
        if (index == -1) {
            for (int i = 0; i < Count(); ++i)
                ChangeState(i, in->state, in->stateMask);
            return TRUE;
        }
        if (!ValidItem(index))
            return FALSE;
        // A row focused by the program is where the next Shift range starts.
        if (in->stateMask & in->state & LVIS_FOCUSED)
            anchor_ = index;
        ChangeState(index, in->state, in->stateMask);
        return TRUE;
    }

    // Changes an item's state and tells the parent (LVN_ITEMCHANGED) when it changed.
    void ChangeState(int index, UINT state, UINT mask)
    {
        // One row has the focus.
        if ((mask & LVIS_FOCUSED) && (state & LVIS_FOCUSED))
            for (int j = 0; j < Count(); ++j)
                if (j != index && (items_[static_cast<std::size_t>(j)].state & LVIS_FOCUSED))
                    ChangeState(j, 0, LVIS_FOCUSED);
        Item& item = items_[static_cast<std::size_t>(index)];
        const UINT old = item.state;
        item.state = (old & ~mask) | (state & mask);
        if (item.state == old)
            return;
        InvalidateRect(hwnd_, nullptr, FALSE);
        NMLISTVIEW note;
        note.iItem = index;
        note.uNewState = item.state;
        note.uOldState = old;
        note.uChanged = LVIF_STATE;
        note.lParam = item.lParam;
        Notify(hwnd_, LVN_ITEMCHANGED, &note.hdr);
    }

    LRESULT NextItem(int start, LPARAM flags) const
    {
        UINT wanted = 0;
        if (flags & LVNI_SELECTED)
            wanted |= LVIS_SELECTED;
        if (flags & LVNI_FOCUSED)
            wanted |= LVIS_FOCUSED;
        for (int i = std::max(start + 1, 0); i < Count(); ++i)
            if ((items_[static_cast<std::size_t>(i)].state & wanted) == wanted)
                return i;
        return -1;
    }

    LRESULT InsertColumn(int index, const LVCOLUMN* in)
    {
        if (!in)
            return -1;
        index = std::clamp(index, 0, static_cast<int>(columns_.size()));
        columns_.insert(columns_.begin() + index, Column{});
        if (header_) {
            HDITEM h;
            h.mask = HDI_WIDTH;
            h.cxy = 50;
            SendMessage(header_, HDM_INSERTITEM, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&h));
        }
        // Sub-item texts belong to columns 1 and up; the label stays the first.
        if (index > 0)
            for (Item& item : items_)
                if (item.texts.size() > static_cast<std::size_t>(index))
                    item.texts.insert(item.texts.begin() + index, std::string{});
        SetColumn(index, in);
        return index;
    }

    LRESULT SetColumn(int index, const LVCOLUMN* in)
    {
        if (!in || !ValidColumn(index))
            return FALSE;
        Column& c = columns_[static_cast<std::size_t>(index)];
        if (in->mask & LVCF_TEXT)
            c.text = in->pszText ? in->pszText : "";
        if (in->mask & LVCF_WIDTH)
            c.width = std::max(in->cx, 0);
        if (in->mask & LVCF_FMT)
            c.fmt = in->fmt;
        if (in->mask & LVCF_IMAGE)
            c.image = in->iImage;
        PushColumn(index);
        Relayout();
        return TRUE;
    }

    LRESULT GetColumn(int index, LVCOLUMN* out) const
    {
        if (!out || !ValidColumn(index))
            return FALSE;
        const Column& c = columns_[static_cast<std::size_t>(index)];
        if (out->mask & LVCF_TEXT) {
            out->pszText = c.text.c_str();
            CopyOut(c.text, out->pszOut, out->cchTextMax);
        }
        if (out->mask & LVCF_WIDTH)
            out->cx = c.width;
        if (out->mask & LVCF_FMT)
            out->fmt = c.fmt;
        if (out->mask & LVCF_IMAGE)
            out->iImage = c.image;
        return TRUE;
    }

    LRESULT DeleteColumn(int index)
    {
        if (!ValidColumn(index))
            return FALSE;
        columns_.erase(columns_.begin() + index);
        if (header_)
            SendMessage(header_, HDM_DELETEITEM, static_cast<WPARAM>(index), 0);
        for (Item& item : items_)
            if (index > 0 && item.texts.size() > static_cast<std::size_t>(index))
                item.texts.erase(item.texts.begin() + index);
        Relayout();
        return TRUE;
    }

    // --- the header ---
    void SyncHeader()
    {
        if (HeaderShown() && !header_) {
            header_ = CreateWindowEx(0, WC_HEADER, "", WS_CHILD | WS_VISIBLE | HDS_BUTTONS, 0, 0, 0, 0, hwnd_, nullptr,
                                     nullptr, nullptr);
            if (!header_)
                return;
            SendMessage(header_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), 0);
            SendMessage(header_, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(small_));
            for (int i = 0; i < static_cast<int>(columns_.size()); ++i) {
                HDITEM h;
                SendMessage(header_, HDM_INSERTITEM, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&h));
                PushColumn(i);
            }
            PlaceHeader();
        } else if (!HeaderShown() && header_) {
            HWND old = header_;
            header_ = nullptr;
            DestroyWindow(old);
        }
    }

    void PushColumn(int index)
    {
        if (!header_)
            return;
        const Column& c = columns_[static_cast<std::size_t>(index)];
        HDITEM h;
        h.mask = HDI_WIDTH | HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
        h.cxy = c.width;
        h.pszText = c.text.c_str();
        h.fmt = (c.fmt & LVCFMT_RIGHT ? HDF_RIGHT : c.fmt & LVCFMT_CENTER ? HDF_CENTER : HDF_LEFT) | HDF_STRING |
                (c.image >= 0 ? HDF_IMAGE : 0);
        h.iImage = c.image;
        pushing_ = true;
        SendMessage(header_, HDM_SETITEM, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&h));
        pushing_ = false;
    }

    LRESULT HeaderNote(NMHDR* note)
    {
        if (!note || note->hwndFrom != header_ || !header_ || pushing_)
            return 0;
        if (note->code == HDN_ITEMCHANGED || note->code == HDN_TRACK) {
            for (int i = 0; i < static_cast<int>(columns_.size()); ++i) {
                HDITEM h;
                h.mask = HDI_WIDTH;
                if (SendMessage(header_, HDM_GETITEM, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&h)))
                    columns_[static_cast<std::size_t>(i)].width = h.cxy;
            }
            Relayout();
        } else if (note->code == HDN_ITEMCLICK) {
            NMLISTVIEW click;
            click.iSubItem = reinterpret_cast<NMHEADER*>(note)->iItem;
            Notify(hwnd_, LVN_COLUMNCLICK, &click.hdr);
        }
        return 0;
    }

    int HeaderHeight() const { return header_ ? TextHeight() + 8 : 0; }

    void PlaceHeader()
    {
        if (!header_)
            return;
        RECT c;
        GetClientRect(hwnd_, &c);
        const int x = -GetScrollPos(hwnd_, SB_HORZ);
        SetWindowPos(header_, nullptr, x, 0, std::max(c.right - x, TotalWidth()), HeaderHeight(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }

    // --- geometry ---
    int TextHeight() const
    {
        if (textHeight_ < 0) {
            HDC dc = GetDC(nullptr);
            textHeight_ = TextSize(dc, font_, "").cy;
            ReleaseDC(nullptr, dc);
        }
        return textHeight_;
    }
    int LabelWidth(const std::string& text) const
    {
        HDC dc = GetDC(nullptr);
        const int w = TextSize(dc, font_, text).cx;
        ReleaseDC(nullptr, dc);
        return w;
    }
    int RowHeight() const { return std::max(TextHeight() + 4, ImageHeight(small_) + 2); }
    RECT Client() const
    {
        RECT c;
        GetClientRect(hwnd_, &c);
        return c;
    }
    int TotalWidth() const
    {
        int w = 0;
        for (const Column& c : columns_)
            w += c.width;
        return w;
    }
    // Column indexes from left to right (the header's order when it has one).
    std::vector<int> Order() const
    {
        std::vector<int> order(columns_.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = static_cast<int>(i);
        if (header_ && !order.empty())
            SendMessage(header_, HDM_GETORDERARRAY, order.size(), reinterpret_cast<LPARAM>(order.data()));
        return order;
    }
    // The list style's column width and the icon styles' cell size.
    int ListColumnWidth() const { return listWidth_; }
    // Owner data has no labels to measure: its list columns are about 20 characters wide.
    void MeasureLabels()
    {
        int w = 1;
        if (OwnerData())
            w = LabelWidth("abcdefghijklmnopqrstuvwxyz") * 20 / 26;
        else if (View() != LVS_REPORT)
            for (const Item& item : items_)
                w = std::max(w, LabelWidth(TextOf(item, 0)));
        listWidth_ = w + ImageWidth(small_) + 12;
    }
    SIZE Cell() const
    {
        if (View() == LVS_ICON)
            return SIZE{std::max(76, ImageWidth(large_) + 16), ImageHeight(large_) + TextHeight() + 12};
        return SIZE{ListColumnWidth(), RowHeight()};
    }
    int PerColumn() const { return std::max(1, static_cast<int>(Client().bottom / RowHeight())); }
    int CellsPerRow() const { return std::max(1, static_cast<int>(Client().right / Cell().cx)); }

    int TopIndex() const
    {
        switch (View()) {
        case LVS_REPORT: return GetScrollPos(hwnd_, SB_VERT);
        case LVS_LIST: return GetScrollPos(hwnd_, SB_HORZ) * PerColumn();
        default: return 0;
        }
    }

    int CountPerPage() const
    {
        const RECT c = Client();
        switch (View()) {
        case LVS_REPORT: return std::max(0, static_cast<int>((c.bottom - HeaderHeight()) / RowHeight()));
        case LVS_LIST: return PerColumn() * std::max(1, static_cast<int>(c.right / ListColumnWidth()));
        default: return Count();
        }
    }

    // The item's whole rectangle in client coordinates.
    RECT Bounds(int i) const
    {
        const int hpos = GetScrollPos(hwnd_, SB_HORZ), vpos = GetScrollPos(hwnd_, SB_VERT);
        switch (View()) {
        case LVS_REPORT: {
            const int top = HeaderHeight() + (i - vpos) * RowHeight();
            return RECT{-hpos, top, -hpos + TotalWidth(), top + RowHeight()};
        }
        case LVS_LIST: {
            const int w = ListColumnWidth(), per = PerColumn();
            const int x = (i / per - hpos) * w, y = (i % per) * RowHeight();
            return RECT{x, y, x + w, y + RowHeight()};
        }
        default: {
            const SIZE cell = Cell();
            const int x = (i % CellsPerRow()) * cell.cx - hpos, y = (i / CellsPerRow()) * cell.cy - vpos;
            return RECT{x, y, x + cell.cx, y + cell.cy};
        }
        }
    }

    RECT IconRect(int i) const
    {
        const RECT b = Bounds(i);
        if (View() == LVS_ICON) {
            const int x = (b.left + b.right - ImageWidth(large_)) / 2;
            return RECT{x, b.top + 2, x + ImageWidth(large_), b.top + 2 + ImageHeight(large_)};
        }
        return RECT{b.left + 2, b.top, b.left + 2 + ImageWidth(small_), b.bottom};
    }

    RECT LabelRect(int i) const
    {
        const RECT b = Bounds(i);
        const RECT icon = IconRect(i);
        if (View() == LVS_ICON)
            return RECT{b.left, icon.bottom + 2, b.right, b.bottom};
        const int right = Report() && !columns_.empty() ? b.left + columns_[0].width : b.right;
        return RECT{icon.right + 2, b.top, right, b.bottom};
    }

    LRESULT ItemRectMsg(int i, RECT* r) const
    {
        if (!r || !ValidItem(i))
            return FALSE;
        switch (r->left) {
        case LVIR_ICON: *r = IconRect(i); break;
        case LVIR_LABEL: *r = LabelRect(i); break;
        default: *r = Bounds(i); break;
        }
        return TRUE;
    }

    LRESULT HitTest(LVHITTESTINFO* info) const
    {
        if (!info)
            return -1;
        info->flags = LVHT_NOWHERE;
        info->iItem = -1;
        const RECT c = Client();
        if (!PtInRect(&c, info->pt) || info->pt.y < HeaderHeight())
            return -1;
        for (int i = FirstVisible(); i < Count(); ++i) {
            RECT b = Bounds(i);
            if (!Report() && !(ex_ & LVS_EX_FULLROWSELECT) && View() != LVS_LIST)
                b = UnionOf(IconRect(i), LabelRect(i));
            if (PtInRect(&b, info->pt)) {
                info->flags = LVHT_ONITEM;
                info->iItem = i;
                return i;
            }
            if (Report() && b.top > c.bottom)
                break;
        }
        return -1;
    }

    static RECT UnionOf(const RECT& a, const RECT& b)
    {
        return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                    std::max(a.bottom, b.bottom)};
    }

    int FirstVisible() const { return Report() ? std::max(0, GetScrollPos(hwnd_, SB_VERT)) : 0; }

    // --- scrolling ---
    void SetBar(int bar, int max, int page, int pos)
    {
        SCROLLINFO info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nMin = 0;
        info.nMax = std::max(max, 0);
        info.nPage = static_cast<UINT>(std::max(page, 0));
        info.nPos = pos;
        SetScrollInfo(hwnd_, bar, &info, TRUE);
    }

    // Sets the ranges for the content; the bars that come or go change the client area, so it
    // is done again until the area stays.
    void UpdateScrollBars()
    {
        if (updating_)
            return;
        updating_ = true;
        for (int pass = 0; pass < 3; ++pass) {
            const RECT before = Client();
            const int hpos = GetScrollPos(hwnd_, SB_HORZ), vpos = GetScrollPos(hwnd_, SB_VERT);
            switch (View()) {
            case LVS_REPORT:
                SetBar(SB_VERT, Count() - 1, CountPerPage(), vpos);
                SetBar(SB_HORZ, TotalWidth() - 1, before.right, hpos);
                break;
            case LVS_LIST: {
                const int columns = (Count() + PerColumn() - 1) / PerColumn();
                SetBar(SB_VERT, 0, 0, 0);
                SetBar(SB_HORZ, columns - 1, std::max(1, static_cast<int>(before.right / ListColumnWidth())), hpos);
                break;
            }
            default: {
                const SIZE cell = Cell();
                const int rows = (Count() + CellsPerRow() - 1) / CellsPerRow();
                SetBar(SB_VERT, rows * cell.cy - 1, before.bottom, vpos);
                SetBar(SB_HORZ, std::min(Count(), CellsPerRow()) * cell.cx - 1, before.right, hpos);
                break;
            }
            }
            const RECT after = Client();
            if (EqualRect(&before, &after))
                break;
        }
        updating_ = false;
        PlaceHeader();
    }

    void Relayout()
    {
        MeasureLabels();
        UpdateScrollBars();
        InvalidateRect(hwnd_, nullptr, TRUE);
    }

    // A shorter list scrolls back so that its end stays in view.
    void ClampScroll()
    {
        for (int bar : {SB_HORZ, SB_VERT})
            SetScrollPos(hwnd_, bar, GetScrollPos(hwnd_, bar), FALSE);
    }

    void MoveTo(int bar, int pos)
    {
        const int old = GetScrollPos(hwnd_, bar);
        SetScrollPos(hwnd_, bar, pos, TRUE);
        if (GetScrollPos(hwnd_, bar) == old)
            return;
        PlaceHeader();
        InvalidateRect(hwnd_, nullptr, TRUE);
    }

    int LineStep(int bar) const
    {
        if (View() == LVS_ICON || View() == LVS_SMALLICON)
            return bar == SB_VERT ? Cell().cy : Cell().cx;
        if (Report() && bar == SB_HORZ)
            return std::max(1, LabelWidth("0"));
        return 1;
    }

    void Scroll(int bar, WORD code, int thumb)
    {
        SCROLLINFO info;
        info.fMask = SIF_ALL;
        GetScrollInfo(hwnd_, bar, &info);
        const int page = std::max(static_cast<int>(info.nPage), 1);
        int pos = info.nPos;
        switch (code) {
        case SB_LINEUP: pos -= LineStep(bar); break;
        case SB_LINEDOWN: pos += LineStep(bar); break;
        case SB_PAGEUP: pos -= page; break;
        case SB_PAGEDOWN: pos += page; break;
        case SB_THUMBTRACK: pos = info.nTrackPos; break;
        case SB_THUMBPOSITION: pos = static_cast<WORD>(thumb); break;
        case SB_TOP: pos = info.nMin; break;
        case SB_BOTTOM: pos = info.nMax; break;
        default: return;
        }
        MoveTo(bar, pos);
    }

    LRESULT ScrollPixels(int dx, int dy)
    {
        switch (View()) {
        case LVS_REPORT:
            MoveTo(SB_HORZ, GetScrollPos(hwnd_, SB_HORZ) + dx);
            MoveTo(SB_VERT, GetScrollPos(hwnd_, SB_VERT) + dy / RowHeight());
            break;
        case LVS_LIST: MoveTo(SB_HORZ, GetScrollPos(hwnd_, SB_HORZ) + dx / ListColumnWidth()); break;
        default:
            MoveTo(SB_HORZ, GetScrollPos(hwnd_, SB_HORZ) + dx);
            MoveTo(SB_VERT, GetScrollPos(hwnd_, SB_VERT) + dy);
            break;
        }
        return TRUE;
    }

    void Wheel(int delta)
    {
        UINT lines = 3;
        SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
        const int steps = -delta * static_cast<int>(lines) / WHEEL_DELTA;
        if (steps == 0)
            return;
        if (View() == LVS_LIST)
            MoveTo(SB_HORZ, GetScrollPos(hwnd_, SB_HORZ) + (delta > 0 ? -1 : 1));
        else
            MoveTo(SB_VERT, GetScrollPos(hwnd_, SB_VERT) + steps * LineStep(SB_VERT));
    }

    void EnsureVisible(int i)
    {
        if (!ValidItem(i))
            return;
        const RECT c = Client();
        switch (View()) {
        case LVS_REPORT: {
            const int top = GetScrollPos(hwnd_, SB_VERT), per = std::max(CountPerPage(), 1);
            if (i < top)
                MoveTo(SB_VERT, i);
            else if (i >= top + per)
                MoveTo(SB_VERT, i - per + 1);
            break;
        }
        case LVS_LIST: {
            const int col = i / PerColumn(), first = GetScrollPos(hwnd_, SB_HORZ);
            const int full = std::max(1, static_cast<int>(c.right / ListColumnWidth()));
            if (col < first)
                MoveTo(SB_HORZ, col);
            else if (col >= first + full)
                MoveTo(SB_HORZ, col - full + 1);
            break;
        }
        default: {
            const RECT b = Bounds(i);
            if (b.top < 0)
                MoveTo(SB_VERT, GetScrollPos(hwnd_, SB_VERT) + b.top);
            else if (b.bottom > c.bottom)
                MoveTo(SB_VERT, GetScrollPos(hwnd_, SB_VERT) + b.bottom - c.bottom);
            break;
        }
        }
    }

    // --- input ---
    // Moves the focus to row i: alone selected, toggled (Ctrl) or selecting the range from the
    // anchor (Shift); a single-selection list always selects it alone.
    void Select(int i, bool toggle, bool extend = false)
    {
        const bool single = (Style() & LVS_SINGLESEL) != 0;
        toggle = toggle && !single;
        extend = extend && !single && ValidItem(anchor_);
        if (!extend && !toggle)
            anchor_ = i;
        const int low = extend ? std::min(anchor_, i) : -1, high = extend ? std::max(anchor_, i) : -1;
        for (int j = 0; j < Count(); ++j) {
            if (j == i)
                continue;
            if (extend)
                ChangeState(j, j >= low && j <= high ? LVIS_SELECTED : 0, LVIS_SELECTED);
            else if (!toggle)
                ChangeState(j, 0, LVIS_SELECTED);
        }
        if (!ValidItem(i))
            return;
        const bool selected = (items_[static_cast<std::size_t>(i)].state & LVIS_SELECTED) != 0;
        if (toggle)
            anchor_ = i;
        ChangeState(i, (toggle && selected ? 0 : LVIS_SELECTED) | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        EnsureVisible(i);
    }

    void Click(UINT msg, WPARAM keys, POINT p)
    {
        if (GetFocus() != hwnd_)
            SetFocus(hwnd_);
        LVHITTESTINFO hit;
        hit.pt = p;
        HitTest(&hit);
        if (msg != WM_LBUTTONDBLCLK) {
            const bool toggle = msg == WM_LBUTTONDOWN && (keys & MK_CONTROL);
            const bool extend = msg == WM_LBUTTONDOWN && (keys & MK_SHIFT);
            // A right click on a selected row keeps a multiple selection for its menu.
            const bool keep = msg == WM_RBUTTONDOWN && ValidItem(hit.iItem) &&
                              (items_[static_cast<std::size_t>(hit.iItem)].state & LVIS_SELECTED);
            if (keep)
                ChangeState(hit.iItem, LVIS_FOCUSED, LVIS_FOCUSED);
            else if (hit.iItem >= 0 || msg == WM_LBUTTONDOWN)
                Select(hit.iItem, toggle, extend);
        }
        NMHDR note;
        Notify(hwnd_, msg == WM_RBUTTONDOWN ? NM_RCLICK : msg == WM_LBUTTONDBLCLK ? NM_DBLCLK : NM_CLICK, &note);
    }

    int Focused() const
    {
        for (int i = 0; i < Count(); ++i)
            if (items_[static_cast<std::size_t>(i)].state & LVIS_FOCUSED)
                return i;
        return -1;
    }

    void Key(UINT vk)
    {
        if (Count() == 0)
            return;
        const int at = Focused();
        const int page = std::max(CountPerPage(), 1);
        int next = at;
        const bool list = View() == LVS_LIST;
        const int across = list ? PerColumn() : Report() ? 0 : CellsPerRow();
        switch (vk) {
        case VK_UP: next = at - (Report() || list ? 1 : across); break;
        case VK_DOWN: next = at + (Report() || list ? 1 : across); break;
        case VK_LEFT:
            if (Report()) {
                MoveTo(SB_HORZ, GetScrollPos(hwnd_, SB_HORZ) - LineStep(SB_HORZ));
                return;
            }
            next = at - (list ? across : 1);
            break;
        case VK_RIGHT:
            if (Report()) {
                MoveTo(SB_HORZ, GetScrollPos(hwnd_, SB_HORZ) + LineStep(SB_HORZ));
                return;
            }
            next = at + (list ? across : 1);
            break;
        case VK_PRIOR: next = at - page; break;
        case VK_NEXT: next = at + page; break;
        case VK_HOME: next = 0; break;
        case VK_END: next = Count() - 1; break;
        default: return;
        }
        if (at < 0 && vk != VK_HOME && vk != VK_END)
            next = 0;
        Select(std::clamp(next, 0, Count() - 1), false, GetKeyState(VK_SHIFT) < 0);
    }

    // Type-ahead: characters typed within a second of each other form a prefix searched without
    // regard to case from the focused row on (a first character from the row after it).
    void TypeAhead(char32_t c)
    {
        if (c < 0x20 || c == 0x7F || Count() == 0)
            return;
        const DWORD now = GetTickCount();
        if (search_.empty() || now - lastKey_ > 1000)
            search_.clear();
        lastKey_ = now;
        search_ += CodePointToUtf8(c);
        const int at = Focused();
        const int start = search_.size() == CodePointToUtf8(c).size() ? at + 1 : std::max(at, 0);
        const int found = Find(start >= Count() ? 0 : start, search_);
        if (found >= 0)
            Select(found, false);
    }

    int Find(int start, const std::string& text) const
    {
        if (OwnerData()) {
            NMLVFINDITEM find;
            find.iStart = start;
            find.lvfi.flags = LVFI_STRING | LVFI_PARTIAL | LVFI_WRAP;
            find.lvfi.psz = text.c_str();
            const LRESULT found = Notify(hwnd_, LVN_ODFINDITEM, &find.hdr);
            return ValidItem(static_cast<int>(found)) ? static_cast<int>(found) : -1;
        }
        const std::string wanted = FoldCase(text);
        for (int n = 0; n < Count(); ++n) {
            const int i = (start + n) % Count();
            if (FoldCase(TextOf(items_[static_cast<std::size_t>(i)], 0)).starts_with(wanted))
                return i;
        }
        return -1;
    }

    static std::string FoldCase(std::string text)
    {
        for (char& ch : text)
            if (ch >= 'a' && ch <= 'z')
                ch = static_cast<char>(ch - 'a' + 'A');
        return text;
    }

    // --- label editing ---
    HWND EditLabel(int i)
    {
        if (!ValidItem(i) || !(Style() & LVS_EDITLABELS))
            return nullptr;
        editor_.End(false);
        Select(i, false);
        const std::string text = CellText(i, 0);
        NMLVDISPINFO begin;
        begin.item.mask = LVIF_TEXT | LVIF_PARAM;
        begin.item.iItem = i;
        begin.item.pszText = text.c_str();
        begin.item.lParam = items_[static_cast<std::size_t>(i)].lParam;
        if (Notify(hwnd_, LVN_BEGINLABELEDIT, &begin.hdr) || !ValidItem(i))
            return nullptr;
        EnsureVisible(i);
        RECT r = LabelRect(i);
        const RECT c = Client();
        r.right = std::max<LONG>(r.right, std::min<LONG>(c.right, r.left + LabelWidth(text) + 40));
        if (View() == LVS_ICON)
            r.bottom = std::min<LONG>(r.bottom, r.top + TextHeight() + 6);
        return editor_.Begin(hwnd_, r, text, font_, [this, i](const std::string* edited) {
            if (!ValidItem(i))
                return;
            NMLVDISPINFO end;
            end.item.mask = LVIF_TEXT | LVIF_PARAM;
            end.item.iItem = i;
            end.item.pszText = edited ? edited->c_str() : nullptr;
            end.item.lParam = items_[static_cast<std::size_t>(i)].lParam;
            if (Notify(hwnd_, LVN_ENDLABELEDIT, &end.hdr) && edited && ValidItem(i) && !OwnerData()) {
                items_[static_cast<std::size_t>(i)].texts[0] = *edited;
                Relayout();
            }
            InvalidateRect(hwnd_, nullptr, FALSE);
        });
    }

    // --- painting ---
    void Paint(HDC given)
    {
        PAINTSTRUCT ps;
        HDC dc = given ? given : BeginPaint(hwnd_, &ps);
        if (!dc)
            return;
        const RECT c = Client();
        // The header paints itself: the rows never cover it, whoever asked for this paint. A
        // context passed in gets its own state back.
        const int saved = given ? SaveDC(dc) : 0;
        if (header_ && IsWindowVisible(header_))
            ExcludeClipRect(dc, c.left, c.top, c.right, HeaderHeight());
        FillColor(dc, c, bk_);
        const bool focused = GetFocus() == hwnd_;
        const bool showSel = focused || (GetWindowLongPtr(hwnd_, GWL_STYLE) & LVS_SHOWSELALWAYS);
        const std::vector<int> order = Order();
        for (int i = FirstVisible(); i < Count(); ++i) {
            const RECT b = Bounds(i);
            if (Report() && b.top >= c.bottom)
                break;
            if (b.bottom <= 0 || b.top >= c.bottom || b.right <= 0 || b.left >= c.right)
                continue;
            PaintItem(dc, i, order, showSel, focused);
        }
        if (Report() && (ex_ & LVS_EX_GRIDLINES))
            PaintGrid(dc, order);
        if (given)
            RestoreDC(dc, saved);
        else
            EndPaint(hwnd_, &ps);
    }

    void PaintItem(HDC dc, int i, const std::vector<int>& order, bool showSel, bool focused)
    {
        const Item& item = items_[static_cast<std::size_t>(i)];
        std::string text;
        const int image = LabelAndImage(i, text);
        const bool selected = showSel && (item.state & LVIS_SELECTED);
        const COLORREF selBack = GetSysColor(focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE);
        const COLORREF selText = GetSysColor(focused ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT);
        const RECT b = Bounds(i);
        const RECT icon = IconRect(i);
        RECT label = LabelRect(i);
        HIMAGELIST images = View() == LVS_ICON ? large_ : small_;
        if (!Report()) {
            if (selected)
                FillColor(dc, label, selBack);
            DrawImage(dc, images, image, icon.left, (icon.top + icon.bottom - ImageHeight(images)) / 2);
            DrawCellText(dc, font_, text, RECT{label.left + 2, label.top, label.right - 2, label.bottom},
                         View() == LVS_ICON ? DT_CENTER : DT_LEFT, selected ? selText : text_);
            return;
        }
        if (selected && (ex_ & LVS_EX_FULLROWSELECT))
            FillColor(dc, b, selBack);
        int x = b.left;
        for (int col : order) {
            const Column& column = columns_[static_cast<std::size_t>(col)];
            RECT cell{x, b.top, x + column.width, b.bottom};
            x += column.width;
            if (cell.right <= cell.left)
                continue;
            COLORREF color = text_;
            if (col == 0) {
                DrawImage(dc, small_, image, cell.left + 2, (cell.top + cell.bottom - ImageHeight(small_)) / 2);
                cell.left += small_ ? ImageWidth(small_) + 4 : 2;
                if (selected && !(ex_ & LVS_EX_FULLROWSELECT))
                    FillColor(dc, cell, selBack);
            }
            if (selected && (col == 0 || (ex_ & LVS_EX_FULLROWSELECT)))
                color = selText;
            const int justify = column.fmt & 3;
            const UINT align = justify == LVCFMT_RIGHT ? DT_RIGHT : justify == LVCFMT_CENTER ? DT_CENTER : DT_LEFT;
            DrawCellText(dc, font_, col == 0 ? text : CellText(i, col), RECT{cell.left + 4, cell.top, cell.right - 4, cell.bottom}, align,
                         color);
        }
    }

    void PaintGrid(HDC dc, const std::vector<int>& order)
    {
        const RECT c = Client();
        const COLORREF line = GetSysColor(COLOR_BTNFACE);
        const int rh = RowHeight();
        for (int y = HeaderHeight() + rh - 1; y < c.bottom; y += rh)
            FillColor(dc, RECT{0, y, c.right, y + 1}, line);
        int x = -GetScrollPos(hwnd_, SB_HORZ);
        for (int col : order) {
            x += columns_[static_cast<std::size_t>(col)].width;
            if (x - 1 >= 0 && x - 1 < c.right)
                FillColor(dc, RECT{x - 1, HeaderHeight(), x, c.bottom}, line);
        }
    }

    HWND hwnd_;
    HWND header_ = nullptr;
    std::vector<Column> columns_;
    std::vector<Item> items_;
    HFONT font_ = nullptr;
    HIMAGELIST small_ = nullptr;
    HIMAGELIST large_ = nullptr;
    COLORREF bk_ = GetSysColor(COLOR_WINDOW);
    COLORREF text_ = GetSysColor(COLOR_WINDOWTEXT);
    DWORD ex_ = 0;
    mutable int textHeight_ = -1;
    int listWidth_ = 1;
    bool updating_ = false;
    bool pushing_ = false;
    int anchor_ = -1;
    std::string search_;
    DWORD lastKey_ = 0;
    LabelEditor editor_;
};

} // namespace

LRESULT ListViewProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return Procedure<ListView>(hwnd, msg, wParam, lParam);
}

} // namespace commctl
