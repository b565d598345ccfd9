// The tree view window: nodes that expand and collapse, with images, state images, lines and
// buttons. Scroll units: visible rows vertically, pixels horizontally; a thumb position sent
// for the vertical bar is read from the 32-bit scroll position.

#include "classlib/CommCtrlParts.h"
#include "platform/gdi/Gdi.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <unordered_set>
#include <vector>

namespace commctl {
namespace {

struct Node {
    std::string text;
    int image = -1;
    int selectedImage = -1;
    UINT state = 0;  // TVIS_EXPANDED and the state image bits; selection is the tree's caret
    int children = 0;  // TVIF_CHILDREN: shows a button before any child exists
    LPARAM lParam = 0;
    mutable int labelWidth = -1;  // the text's width in the font, measured when first needed
    Node* parent = nullptr;
    std::vector<Node*> kids;
};

HTREEITEM HandleOf(Node* n)
{
    return reinterpret_cast<HTREEITEM>(n);
}

class TreeView {
public:
    explicit TreeView(HWND hwnd) : hwnd_(hwnd) {}
    ~TreeView()
    {
        for (Node* n : live_)
            delete n;
    }

    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam)
    {
        switch (msg) {
        case WM_SIZE: Relayout(); return 0;
        case WM_SETFONT:
            font_ = reinterpret_cast<HFONT>(wParam);
            for (Node* n : live_)
                n->labelWidth = -1;
            rowHeight_ = -1;
            Relayout();
            return 0;
        case WM_GETFONT: return reinterpret_cast<LRESULT>(font_);
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: Paint(reinterpret_cast<HDC>(wParam)); return 0;
        case WM_VSCROLL: Scroll(SB_VERT, LOWORD(wParam), HIWORD(wParam)); return 0;
        case WM_HSCROLL: Scroll(SB_HORZ, LOWORD(wParam), HIWORD(wParam)); return 0;
        case WM_MOUSEWHEEL: {
            UINT lines = 3;
            SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
            MoveTo(SB_VERT, Top() - GET_WHEEL_DELTA_WPARAM(wParam) * static_cast<int>(lines) / WHEEL_DELTA);
            return 0;
        }
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN: Click(msg, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
        case WM_KEYDOWN: Key(static_cast<UINT>(wParam)); return 0;
        case WM_GETDLGCODE: return DLGC_WANTARROWS;
        case WM_SETFOCUS:
        case WM_KILLFOCUS: InvalidateRect(hwnd_, nullptr, FALSE); return 0;

        case TVM_INSERTITEM: return reinterpret_cast<LRESULT>(Insert(reinterpret_cast<const TVINSERTSTRUCT*>(lParam)));
        case TVM_DELETEITEM: return Delete(reinterpret_cast<HTREEITEM>(lParam));
        case TVM_EXPAND: return Expand(Find(reinterpret_cast<HTREEITEM>(lParam)), wParam);
        case TVM_GETITEMRECT: return ItemRectMsg(wParam != 0, reinterpret_cast<RECT*>(lParam));
        case TVM_GETCOUNT: return static_cast<LRESULT>(live_.size());
        case TVM_GETINDENT: return indent_;
        case TVM_SETINDENT:
            indent_ = std::max(static_cast<int>(wParam), 4);
            Relayout();
            return TRUE;
        case TVM_GETITEMHEIGHT: return RowHeight();
        case TVM_SETIMAGELIST: {
            HIMAGELIST& slot = wParam == TVSIL_STATE ? stateImages_ : images_;
            HIMAGELIST old = slot;
            slot = reinterpret_cast<HIMAGELIST>(lParam);
            rowHeight_ = -1;
            Relayout();
            return reinterpret_cast<LRESULT>(old);
        }
        case TVM_GETNEXTITEM: return reinterpret_cast<LRESULT>(HandleOf(Next(wParam, Find(reinterpret_cast<HTREEITEM>(lParam)))));
        case TVM_SELECTITEM:
            if (wParam == TVGN_FIRSTVISIBLE)
                ScrollToTop(Find(reinterpret_cast<HTREEITEM>(lParam)));
            else
                Select(Find(reinterpret_cast<HTREEITEM>(lParam)));
            return TRUE;
        case TVM_EDITLABEL: return reinterpret_cast<LRESULT>(EditLabel(Find(reinterpret_cast<HTREEITEM>(lParam))));
        case TVM_GETEDITCONTROL: return reinterpret_cast<LRESULT>(editor_.Handle());
        case TVM_ENDEDITLABELNOW: editor_.End(wParam != 0); return TRUE;
        case TVM_SORTCHILDRENCB: return SortChildren(reinterpret_cast<const TVSORTCB*>(lParam));
        case WM_DESTROY: editor_.End(true); return 0;
        case TVM_GETITEM: return GetItem(reinterpret_cast<TVITEM*>(lParam));
        case TVM_SETITEM: return SetItem(reinterpret_cast<const TVITEM*>(lParam));
        case TVM_GETVISIBLECOUNT: return VisibleCount();
        case TVM_HITTEST: {
            auto* info = reinterpret_cast<TVHITTESTINFO*>(lParam);
            return info ? reinterpret_cast<LRESULT>(HitTest(info)) : 0;
        }
        case TVM_ENSUREVISIBLE: EnsureVisible(Find(reinterpret_cast<HTREEITEM>(lParam))); return TRUE;
        case TVM_SETBKCOLOR: {
            const COLORREF old = bk_;
            bk_ = static_cast<COLORREF>(lParam);
            InvalidateRect(hwnd_, nullptr, TRUE);
            return static_cast<LRESULT>(old);
        }
        case TVM_SETTEXTCOLOR: {
            const COLORREF old = text_;
            text_ = static_cast<COLORREF>(lParam);
            InvalidateRect(hwnd_, nullptr, TRUE);
            return static_cast<LRESULT>(old);
        }
        default: break;
        }
        return DefWindowProc(hwnd_, msg, wParam, lParam);
    }

private:
    // --- model ---
    Node* Find(HTREEITEM h) const
    {
        auto* n = reinterpret_cast<Node*>(h);
        return live_.count(n) ? n : nullptr;
    }
    std::vector<Node*>& SiblingsOf(Node* parent) { return parent ? parent->kids : roots_; }
    bool Expanded(const Node* n) const { return (n->state & TVIS_EXPANDED) != 0; }
    bool HasChildren(const Node* n) const { return !n->kids.empty() || n->children > 0; }

    HTREEITEM Insert(const TVINSERTSTRUCT* in)
    {
        if (!in)
            return nullptr;
        Node* parent = nullptr;
        if (in->hParent && in->hParent != TVI_ROOT) {
            parent = Find(in->hParent);
            if (!parent)
                return nullptr;
        }
        auto node = std::make_unique<Node>();
        node->parent = parent;
        std::vector<Node*>& siblings = SiblingsOf(parent);
        auto at = siblings.end();
        if (in->hInsertAfter == TVI_FIRST)
            at = siblings.begin();
        else if (Node* after = Find(in->hInsertAfter); after && after->parent == parent)
            at = std::find(siblings.begin(), siblings.end(), after) + 1;
        Node* n = node.release();
        live_.insert(n);
        siblings.insert(at, n);
        Apply(n, in->item);
        Relayout();
        return HandleOf(n);
    }

    void Apply(Node* n, const TVITEM& in)
    {
        if (in.mask & TVIF_TEXT) {
            n->text = in.pszText ? in.pszText : "";
            n->labelWidth = -1;
        }
        if (in.mask & TVIF_IMAGE)
            n->image = in.iImage;
        if (in.mask & TVIF_SELECTEDIMAGE)
            n->selectedImage = in.iSelectedImage;
        if (in.mask & TVIF_PARAM)
            n->lParam = in.lParam;
        if (in.mask & TVIF_CHILDREN)
            n->children = in.cChildren;
        if (in.mask & TVIF_STATE) {
            const UINT kept = in.stateMask & (TVIS_EXPANDED | TVIS_STATEIMAGEMASK);
            n->state = (n->state & ~kept) | (in.state & kept);
            if ((in.stateMask & TVIS_SELECTED) && (in.state & TVIS_SELECTED))
                Select(n);
        }
    }

    LRESULT SetItem(const TVITEM* in)
    {
        Node* n = in ? Find(in->hItem) : nullptr;
        if (!n)
            return FALSE;
        Apply(n, *in);
        Relayout();
        return TRUE;
    }

    LRESULT GetItem(TVITEM* out) const
    {
        Node* n = out ? Find(out->hItem) : nullptr;
        if (!n)
            return FALSE;
        if (out->mask & TVIF_TEXT) {
            out->pszText = n->text.c_str();
            CopyOut(n->text, out->pszOut, out->cchTextMax);
        }
        if (out->mask & TVIF_IMAGE)
            out->iImage = n->image;
        if (out->mask & TVIF_SELECTEDIMAGE)
            out->iSelectedImage = n->selectedImage;
        if (out->mask & TVIF_PARAM)
            out->lParam = n->lParam;
        if (out->mask & TVIF_CHILDREN)
            out->cChildren = n->kids.empty() ? n->children : 1;
        if (out->mask & TVIF_STATE)
            out->state = (n->state | (n == caret_ ? TVIS_SELECTED : 0)) & out->stateMask;
        return TRUE;
    }

    LRESULT Delete(HTREEITEM h)
    {
        if (!h || h == TVI_ROOT) {
            while (!roots_.empty())
                Remove(roots_.back());
        } else {
            Node* n = Find(h);
            if (!n)
                return FALSE;
            Remove(n);
        }
        Relayout();
        return TRUE;
    }

    void Remove(Node* n)
    {
        while (!n->kids.empty())
            Remove(n->kids.back());
        NMTREEVIEW note;
        note.itemOld.hItem = HandleOf(n);
        note.itemOld.lParam = n->lParam;
        Notify(hwnd_, TVN_DELETEITEM, &note.hdr);
        std::vector<Node*>& siblings = SiblingsOf(n->parent);
        siblings.erase(std::find(siblings.begin(), siblings.end(), n));
        if (caret_ == n)
            caret_ = nullptr;
        if (editing_ == n)
            editor_.End(true);
        live_.erase(n);
        delete n;
    }

    LRESULT Expand(Node* n, WPARAM action)
    {
        if (!n)
            return FALSE;
        const bool open = action == TVE_TOGGLE ? !Expanded(n) : action == TVE_EXPAND;
        if (open == Expanded(n) || (action != TVE_COLLAPSE && action != TVE_EXPAND && action != TVE_TOGGLE))
            return TRUE;
        NMTREEVIEW note;
        note.action = open ? TVE_EXPAND : TVE_COLLAPSE;
        note.itemNew.hItem = HandleOf(n);
        note.itemNew.lParam = n->lParam;
        note.itemNew.state = n->state;
        if (Notify(hwnd_, TVN_ITEMEXPANDING, &note.hdr) || !Find(HandleOf(n)))
            return FALSE;
        n->state = open ? (n->state | TVIS_EXPANDED) : (n->state & ~TVIS_EXPANDED);
        if (!open && caret_ && IsBelow(caret_, n))
            Select(n);
        Relayout();
        note.itemNew.state = n->state;
        Notify(hwnd_, TVN_ITEMEXPANDED, &note.hdr);
        return TRUE;
    }

    static bool IsBelow(const Node* n, const Node* ancestor)
    {
        for (const Node* p = n->parent; p; p = p->parent)
            if (p == ancestor)
                return true;
        return false;
    }

    Node* Next(WPARAM relation, Node* n) const
    {
        auto sibling = [&](Node* of, int step) -> Node* {
            const std::vector<Node*>& s = of->parent ? of->parent->kids : roots_;
            const auto it = std::find(s.begin(), s.end(), of);
            const auto i = (it - s.begin()) + step;
            return i >= 0 && i < static_cast<std::ptrdiff_t>(s.size()) ? s[static_cast<std::size_t>(i)] : nullptr;
        };
        switch (relation) {
        case TVGN_ROOT: return roots_.empty() ? nullptr : roots_.front();
        case TVGN_CARET: return caret_;
        case TVGN_FIRSTVISIBLE: {
            const int top = Top();
            return top >= 0 && top < static_cast<int>(rows_.size()) ? rows_[static_cast<std::size_t>(top)] : nullptr;
        }
        default: break;
        }
        if (!n)
            return nullptr;
        switch (relation) {
        case TVGN_NEXT: return sibling(n, 1);
        case TVGN_PREVIOUS: return sibling(n, -1);
        case TVGN_PARENT: return n->parent;
        case TVGN_CHILD: return n->kids.empty() ? nullptr : n->kids.front();
        case TVGN_NEXTVISIBLE: {
            const int row = RowOf(n);
            return row >= 0 && row + 1 < static_cast<int>(rows_.size()) ? rows_[static_cast<std::size_t>(row) + 1] : nullptr;
        }
        default: return nullptr;
        }
    }

    // --- geometry ---
    int RowHeight() const
    {
        if (rowHeight_ < 0) {
            HDC dc = GetDC(nullptr);
            const int text = TextSize(dc, font_, "").cy;
            ReleaseDC(nullptr, dc);
            rowHeight_ = std::max({text + 2, ImageHeight(images_) + 1, ImageHeight(stateImages_) + 1, 16});
        }
        return rowHeight_;
    }
    int Level(const Node* n) const
    {
        int level = 0;
        for (const Node* p = n->parent; p; p = p->parent)
            ++level;
        return level;
    }
    bool RootButtons() const
    {
        return (GetWindowLongPtr(hwnd_, GWL_STYLE) & TVS_LINESATROOT) != 0;
    }
    int Top() const { return GetScrollPos(hwnd_, SB_VERT); }
    int RowOf(const Node* n) const
    {
        const auto it = std::find(rows_.begin(), rows_.end(), n);
        return it == rows_.end() ? -1 : static_cast<int>(it - rows_.begin());
    }
    int VisibleCount() const
    {
        RECT c;
        GetClientRect(hwnd_, &c);
        return std::max(0, static_cast<int>(c.bottom / RowHeight()));
    }

    void Flatten(const std::vector<Node*>& nodes)
    {
        for (Node* n : nodes) {
            rows_.push_back(n);
            if (Expanded(n))
                Flatten(n->kids);
        }
    }

    // Parts of a row along x (client coordinates): the button cell, the state image, the image
    // and the label.
    struct RowParts {
        RECT row{}, button{}, stateIcon{}, icon{}, label{};
    };
    RowParts PartsOf(const Node* n, int row) const
    {
        RowParts p;
        const int h = RowHeight();
        const int top = (row - Top()) * h;
        const int hpos = GetScrollPos(hwnd_, SB_HORZ);
        int x = (Level(n) + (RootButtons() ? 1 : 0)) * indent_ - hpos;
        RECT c;
        GetClientRect(hwnd_, &c);
        p.row = RECT{0, top, c.right, top + h};
        p.button = RECT{x - indent_, top, x, top + h};
        const int stateIndex = static_cast<int>((n->state & TVIS_STATEIMAGEMASK) >> 12);
        if (stateImages_ && stateIndex > 0) {
            p.stateIcon = RECT{x, top, x + ImageWidth(stateImages_), top + h};
            x = p.stateIcon.right;
        }
        if (images_) {
            p.icon = RECT{x, top, x + ImageWidth(images_) + 2, top + h};
            x = p.icon.right;
        }
        p.label = RECT{x, top, x + LabelWidth(n) + 4, top + h};
        return p;
    }
    int LabelWidth(const Node* n) const
    {
        if (n->labelWidth < 0) {
            HDC dc = GetDC(nullptr);
            n->labelWidth = TextSize(dc, font_, n->text).cx;
            ReleaseDC(nullptr, dc);
        }
        return n->labelWidth;
    }

    LRESULT ItemRectMsg(bool textOnly, RECT* r) const
    {
        if (!r)
            return FALSE;
        HTREEITEM h = nullptr;
        std::memcpy(&h, r, sizeof h);
        const Node* n = Find(h);
        const int row = n ? RowOf(n) : -1;
        if (row < 0)
            return FALSE;
        const RowParts p = PartsOf(n, row);
        *r = textOnly ? p.label : p.row;
        return TRUE;
    }

    HTREEITEM HitTest(TVHITTESTINFO* info) const
    {
        info->flags = TVHT_NOWHERE;
        info->hItem = nullptr;
        const int h = RowHeight();
        if (info->pt.y < 0)
            return nullptr;
        const int row = Top() + info->pt.y / h;
        if (row >= static_cast<int>(rows_.size()))
            return nullptr;
        Node* n = rows_[static_cast<std::size_t>(row)];
        const RowParts p = PartsOf(n, row);
        const int x = info->pt.x;
        if (x >= p.label.left && x < p.label.right)
            info->flags = TVHT_ONITEMLABEL;
        else if (x >= p.icon.left && x < p.icon.right)
            info->flags = TVHT_ONITEMICON;
        else if (x >= p.stateIcon.left && x < p.stateIcon.right)
            info->flags = TVHT_ONITEMSTATEICON;
        else if (x >= p.button.left && x < p.button.right && HasChildren(n))
            info->flags = TVHT_ONITEMBUTTON;
        else if (x < p.button.right)
            info->flags = TVHT_ONITEMINDENT;
        else
            return nullptr;
        info->hItem = HandleOf(n);
        return info->hItem;
    }

    // --- scrolling ---
    void Relayout()
    {
        rows_.clear();
        Flatten(roots_);
        if (!updating_) {
            updating_ = true;
            for (int pass = 0; pass < 3; ++pass) {
                RECT before;
                GetClientRect(hwnd_, &before);
                int width = 0;
                for (int i = 0; i < static_cast<int>(rows_.size()); ++i) {
                    const RowParts p = PartsOf(rows_[static_cast<std::size_t>(i)], i);
                    width = std::max(width, static_cast<int>(p.label.right + GetScrollPos(hwnd_, SB_HORZ)));
                }
                SetBar(SB_VERT, static_cast<int>(rows_.size()) - 1, VisibleCount(), Top());
                SetBar(SB_HORZ, width - 1, before.right, GetScrollPos(hwnd_, SB_HORZ));
                RECT after;
                GetClientRect(hwnd_, &after);
                if (EqualRect(&before, &after))
                    break;
            }
            updating_ = false;
        }
        InvalidateRect(hwnd_, nullptr, TRUE);
    }

    void SetBar(int bar, int max, int page, int pos)
    {
        SCROLLINFO info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nMax = std::max(max, 0);
        info.nPage = static_cast<UINT>(std::max(page, 0));
        info.nPos = pos;
        SetScrollInfo(hwnd_, bar, &info, TRUE);
    }

    void MoveTo(int bar, int pos)
    {
        const int old = GetScrollPos(hwnd_, bar);
        SetScrollPos(hwnd_, bar, pos, TRUE);
        if (GetScrollPos(hwnd_, bar) != old)
            InvalidateRect(hwnd_, nullptr, TRUE);
    }

    void Scroll(int bar, WORD code, WORD thumb)
    {
        SCROLLINFO info;
        info.fMask = SIF_ALL;
        GetScrollInfo(hwnd_, bar, &info);
        const int line = bar == SB_VERT ? 1 : 8;
        const int page = std::max(static_cast<int>(info.nPage), 1);
        int pos = info.nPos;
        switch (code) {
        case SB_LINEUP: pos -= line; break;
        case SB_LINEDOWN: pos += line; break;
        case SB_PAGEUP: pos -= page; break;
        case SB_PAGEDOWN: pos += page; break;
        case SB_THUMBTRACK: pos = info.nTrackPos; break;
        // The vertical position may exceed 16 bits: it is read from the scroll information,
        // which whoever sends this sets first.
        case SB_THUMBPOSITION: pos = bar == SB_VERT ? info.nPos : thumb; break;
        case SB_TOP: pos = info.nMin; break;
        case SB_BOTTOM: pos = info.nMax; break;
        default: return;
        }
        // The sender may have set the position already: the rows are painted again anyway.
        InvalidateRect(hwnd_, nullptr, TRUE);
        MoveTo(bar, pos);
    }

    void EnsureVisible(Node* n)
    {
        if (!n)
            return;
        for (Node* p = n->parent; p; p = p->parent)
            if (!Expanded(p))
                Expand(p, TVE_EXPAND);
        const int row = RowOf(n);
        const int page = std::max(VisibleCount(), 1);
        if (row < Top())
            MoveTo(SB_VERT, row);
        else if (row >= Top() + page)
            MoveTo(SB_VERT, row - page + 1);
    }

    // --- input ---
    void Select(Node* n)
    {
        if (n == caret_)
            return;
        NMTREEVIEW note;
        note.action = 0;
        note.itemOld.hItem = HandleOf(caret_);
        note.itemOld.lParam = caret_ ? caret_->lParam : 0;
        note.itemNew.hItem = HandleOf(n);
        note.itemNew.lParam = n ? n->lParam : 0;
        // The parent may refuse, or change the tree while it is asked.
        if (Notify(hwnd_, TVN_SELCHANGING, &note.hdr) || (n && !Find(HandleOf(n))) || n == caret_)
            return;
        note.itemOld.hItem = HandleOf(caret_);
        note.itemOld.lParam = caret_ ? caret_->lParam : 0;
        caret_ = n;
        EnsureVisible(n);
        InvalidateRect(hwnd_, nullptr, FALSE);
        Notify(hwnd_, TVN_SELCHANGED, &note.hdr);
    }

    void Click(UINT msg, POINT p)
    {
        if (GetFocus() != hwnd_)
            SetFocus(hwnd_);
        TVHITTESTINFO hit;
        hit.pt = p;
        Node* n = Find(HitTest(&hit));
        if (n && hit.flags == TVHT_ONITEMBUTTON && msg != WM_RBUTTONDOWN) {
            Expand(n, TVE_TOGGLE);
            return;
        }
        if (n && hit.flags != TVHT_ONITEMINDENT)
            Select(n);
        NMHDR note;
        if (msg == WM_LBUTTONDBLCLK && n && hit.flags != TVHT_ONITEMINDENT) {
            if (!Notify(hwnd_, NM_DBLCLK, &note))
                Expand(n, TVE_TOGGLE);
            return;
        }
        Notify(hwnd_, msg == WM_RBUTTONDOWN ? NM_RCLICK : NM_CLICK, &note);
    }

    void Key(UINT vk)
    {
        if (rows_.empty())
            return;
        const int row = caret_ ? RowOf(caret_) : -1;
        const int last = static_cast<int>(rows_.size()) - 1;
        const int page = std::max(VisibleCount(), 1);
        auto rowAt = [&](int r) { return rows_[static_cast<std::size_t>(std::clamp(r, 0, last))]; };
        switch (vk) {
        case VK_UP: Select(rowAt(row - 1)); break;
        case VK_DOWN: Select(rowAt(row + 1)); break;
        case VK_PRIOR: Select(rowAt(row - page)); break;
        case VK_NEXT: Select(rowAt(row + page)); break;
        case VK_HOME: Select(rowAt(0)); break;
        case VK_END: Select(rowAt(last)); break;
        case VK_LEFT:
            if (caret_ && Expanded(caret_))
                Expand(caret_, TVE_COLLAPSE);
            else if (caret_ && caret_->parent)
                Select(caret_->parent);
            break;
        case VK_RIGHT:
            if (caret_ && HasChildren(caret_) && !Expanded(caret_))
                Expand(caret_, TVE_EXPAND);
            else if (caret_ && !caret_->kids.empty())
                Select(caret_->kids.front());
            break;
        default: break;
        }
    }

    // --- painting ---
    void Paint(HDC given)
    {
        PAINTSTRUCT ps;
        HDC dc = given ? given : BeginPaint(hwnd_, &ps);
        if (!dc)
            return;
        RECT c;
        GetClientRect(hwnd_, &c);
        FillColor(dc, c, bk_);
        const DWORD style = static_cast<DWORD>(GetWindowLongPtr(hwnd_, GWL_STYLE));
        const bool focused = GetFocus() == hwnd_;
        const COLORREF lineColor = GetSysColor(COLOR_GRAYTEXT);
        for (int row = std::max(Top(), 0); row < static_cast<int>(rows_.size()); ++row) {
            const Node* n = rows_[static_cast<std::size_t>(row)];
            const RowParts p = PartsOf(n, row);
            if (p.row.top >= c.bottom)
                break;
            const int midY = (p.row.top + p.row.bottom) / 2;
            const int midX = (p.button.left + p.button.right) / 2;
            const bool hasCell = n->parent || RootButtons();
            if ((style & TVS_HASLINES) && hasCell) {
                FillColor(dc, RECT{midX, midY, p.button.right, midY + 1}, lineColor);
                const bool more = Next(TVGN_NEXT, const_cast<Node*>(n)) != nullptr;
                FillColor(dc, RECT{midX, p.row.top, midX + 1, more ? p.row.bottom : midY + 1}, lineColor);
                // Lines of the ancestors that have siblings below.
                int x = midX;
                for (const Node* a = n->parent; a && (a->parent || RootButtons()); a = a->parent) {
                    x -= indent_;
                    if (Next(TVGN_NEXT, const_cast<Node*>(a)))
                        FillColor(dc, RECT{x, p.row.top, x + 1, p.row.bottom}, lineColor);
                }
            }
            if ((style & TVS_HASBUTTONS) && hasCell && HasChildren(n)) {
                const RECT box{midX - 4, midY - 4, midX + 5, midY + 5};
                FillColor(dc, box, bk_);
                HBRUSH frame = CreateSolidBrush(lineColor);
                FrameRect(dc, &box, frame);
                DeleteObject(frame);
                FillColor(dc, RECT{midX - 2, midY, midX + 3, midY + 1}, text_);
                if (!Expanded(n))
                    FillColor(dc, RECT{midX, midY - 2, midX + 1, midY + 3}, text_);
            }
            const int stateIndex = static_cast<int>((n->state & TVIS_STATEIMAGEMASK) >> 12);
            if (stateIndex > 0)
                DrawImage(dc, stateImages_, stateIndex, p.stateIcon.left, midY - ImageHeight(stateImages_) / 2);
            const bool selected = n == caret_ && (focused || (style & TVS_SHOWSELALWAYS));
            DrawImage(dc, images_, selected && n->selectedImage >= 0 ? n->selectedImage : n->image, p.icon.left,
                      midY - ImageHeight(images_) / 2);
            if (selected)
                FillColor(dc, p.label, GetSysColor(focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE));
            DrawCellText(dc, font_, n->text, RECT{p.label.left + 2, p.label.top, p.label.right, p.label.bottom}, DT_LEFT,
                         selected && focused ? GetSysColor(COLOR_HIGHLIGHTTEXT) : text_);
        }
        if (!given)
            EndPaint(hwnd_, &ps);
    }

    // --- label editing and sorting ---
    HWND EditLabel(Node* n)
    {
        if (!n || !(GetWindowLongPtr(hwnd_, GWL_STYLE) & TVS_EDITLABELS))
            return nullptr;
        editor_.End(false);
        Select(n);
        if (!Find(HandleOf(n)))
            return nullptr;
        NMTVDISPINFO begin;
        begin.item.mask = TVIF_TEXT | TVIF_PARAM;
        begin.item.hItem = HandleOf(n);
        begin.item.pszText = n->text.c_str();
        begin.item.lParam = n->lParam;
        if (Notify(hwnd_, TVN_BEGINLABELEDIT, &begin.hdr) || !Find(HandleOf(n)))
            return nullptr;
        EnsureVisible(n);
        RECT r = PartsOf(n, RowOf(n)).label;
        RECT c;
        GetClientRect(hwnd_, &c);
        r.right = std::max(r.right + 40, std::min<LONG>(c.right, r.left + 120));
        editing_ = n;
        return editor_.Begin(hwnd_, r, n->text, font_, [this, h = HandleOf(n)](const std::string* text) {
            editing_ = nullptr;
            Node* edited = Find(h);
            if (!edited)
                return;
            NMTVDISPINFO end;
            end.item.mask = TVIF_TEXT | TVIF_PARAM;
            end.item.hItem = h;
            end.item.pszText = text ? text->c_str() : nullptr;
            end.item.lParam = edited->lParam;
            if (Notify(hwnd_, TVN_ENDLABELEDIT, &end.hdr) && text && Find(h)) {
                edited->text = *text;
                edited->labelWidth = -1;
                Relayout();
            }
        });
    }

    LRESULT SortChildren(const TVSORTCB* sort)
    {
        if (!sort || !sort->lpfnCompare)
            return FALSE;
        Node* parent = nullptr;
        if (sort->hParent && sort->hParent != TVI_ROOT && !(parent = Find(sort->hParent)))
            return FALSE;
        std::vector<Node*>& kids = SiblingsOf(parent);
        std::stable_sort(kids.begin(), kids.end(), [sort](const Node* a, const Node* b) {
            return sort->lpfnCompare(a->lParam, b->lParam, sort->lParam) < 0;
        });
        Relayout();
        return TRUE;
    }

    void ScrollToTop(Node* n)
    {
        const int row = n ? RowOf(n) : -1;
        if (row >= 0)
            MoveTo(SB_VERT, row);
    }

    HWND hwnd_;
    LabelEditor editor_;
    Node* editing_ = nullptr;
    std::unordered_set<Node*> live_;
    std::vector<Node*> roots_;
    std::vector<Node*> rows_;  // the expanded tree from top to bottom
    Node* caret_ = nullptr;
    HFONT font_ = nullptr;
    HIMAGELIST images_ = nullptr;
    HIMAGELIST stateImages_ = nullptr;
    int indent_ = 19;
    mutable int rowHeight_ = -1;
    COLORREF bk_ = GetSysColor(COLOR_WINDOW);
    COLORREF text_ = GetSysColor(COLOR_WINDOWTEXT);
    bool updating_ = false;
};

} // namespace

LRESULT TreeViewProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return Procedure<TreeView>(hwnd, msg, wParam, lParam);
}

} // namespace commctl
