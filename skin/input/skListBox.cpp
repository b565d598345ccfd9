// TskListBox: the inner list of the skinned list box. It forwards its input to its owner's
// hooks, keeps the window's scroll information in step with its rows or columns and asks the
// owner to resynchronise the skinned bars whenever the content or the scroll state may change.

#include "skin/input/skSkinListBox.h"

#include "classlib/Messages.h"
#include "platform/window/ListBoxes.h"
#include "platform/gdi/Gdi.h"
#include "platform/window/User.h"
#include "skin/form/skSkinMessages.h"

#include <algorithm>

TskListBox::TskListBox(TComponent* AOwner) : TListBox(AOwner)
{
    FControlStyle = TControlStyle() << csCaptureMouse << csOpaque << csDoubleClicks;
}

void TskListBox::CreateParams(TCreateParams& Params)
{
    TListBox::CreateParams(Params);
    // The scroll state is kept without the window's own bars: the owner shows skinned ones.
    Params.Style = (Params.Style & ~(WS_BORDER | WS_VSCROLL | WS_HSCROLL)) | WS_TABSTOP;
    Params.ExStyle &= ~WS_EX_CLIENTEDGE;
    Params.ClassStyle = CS_DBLCLKS;
}

void TskListBox::CreateWnd()
{
    TListBox::CreateWnd();
    ApplyColumnWidth();
    SyncScrollInfo();
    if (SkinListBox)
        SkinListBox->ListBoxCreateWnd();
}

int TskListBox::Rows()
{
    return std::max(1, GetClientHeight() / std::max(1, GetItemHeight()));
}

void TskListBox::ApplyColumnWidth()
{
    // Columns counts the columns shown side by side; the window takes a column width.
    if (GetColumns() > 0 && HandleAllocated())
        SendMessage(GetHandle(), LB_SETCOLUMNWIDTH, static_cast<WPARAM>(std::max(1, GetClientWidth() / GetColumns())), 0);
}

void TskListBox::SyncScrollInfo()
{
    if (!HandleAllocated())
        return;
    const int count = Count();
    const int rows = Rows();
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    if (GetColumns() > 0) {
        info.nMax = std::max(0, (count + rows - 1) / rows - 1);
        info.nPage = static_cast<UINT>(GetColumns());
        info.nPos = GetTopIndex() / rows;
        SetScrollInfo(GetHandle(), SB_HORZ, &info, FALSE);
    } else {
        info.nMax = std::max(0, count - 1);
        info.nPage = static_cast<UINT>(rows);
        info.nPos = GetTopIndex();
        SetScrollInfo(GetHandle(), SB_VERT, &info, FALSE);
    }
}

void TskListBox::ScrollTo(int Position)
{
    SetTopIndex(std::max(0, GetColumns() > 0 ? Position * Rows() : Position));
    SyncScrollInfo();
}

void TskListBox::ScrollBy(WORD Code, bool Vertical)
{
    const int bar = Vertical ? SB_VERT : SB_HORZ;
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    GetScrollInfo(GetHandle(), bar, &info);
    const int page = std::max(1, static_cast<int>(info.nPage));
    int pos = info.nPos;
    switch (Code) {
    case SB_LINEUP: pos -= 1; break;
    case SB_LINEDOWN: pos += 1; break;
    case SB_PAGEUP: pos -= page; break;
    case SB_PAGEDOWN: pos += page; break;
    case SB_TOP: pos = info.nMin; break;
    case SB_BOTTOM: pos = info.nMax; break;
    default: return;
    }
    ScrollTo(std::clamp(pos, info.nMin, std::max(info.nMin, info.nMax - page + 1)));
}

void TskListBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    const int oldWidth = GetWidth();
    TListBox::SetBounds(ALeft, ATop, AWidth, AHeight);
    ApplyColumnWidth();
    SyncScrollInfo();
    if (oldWidth != AWidth && FHorizontalExtentValue > 0) {
        FHorizontalExtentValue = std::max(0, FHorizontalExtentValue + oldWidth - AWidth);
        Invalidate();
    }
}

TOwnerDrawState TskListBox::GetItemState(int Index)
{
    TOwnerDrawState state;
    if (Index == GetItemIndex()) {
        state << odSelected;
        if (Focused())
            state << odFocused;
    } else if (SelCount() > 0 && GetSelected(Index)) {
        state << odSelected;
    }
    return state;
}

void TskListBox::WndProc(TMessage& Message)
{
    bool callDefault = true;
    if (SkinListBox)
        SkinListBox->ListBoxWProc(Message, callDefault);
    if (!callDefault)
        return;
    TListBox::WndProc(Message);
    if (!SkinListBox)
        return;
    switch (Message.Msg) {
    case WM_ERASEBKGND:
        SkinListBox->UpDateScrollBar();
        break;
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
        if (Message.Result >= 0)
            SkinListBox->ItemsInserted(static_cast<int>(Message.Result));
        SyncScrollInfo();
        SkinListBox->UpDateScrollBar();
        break;
    case LB_DELETESTRING:
        if (Message.Result >= 0)
            SkinListBox->ItemDeleted(static_cast<int>(Message.WParam));
        SyncScrollInfo();
        SkinListBox->UpDateScrollBar();
        break;
    case LB_RESETCONTENT:
        SkinListBox->ItemsReset();
        SyncScrollInfo();
        break;
    case LB_SETTOPINDEX:
    case LB_SETCURSEL:
    case LB_SETCARETINDEX:
    case LB_SETITEMHEIGHT:
    case WM_KEYDOWN:
    case WM_CHAR:
    case WM_LBUTTONDOWN:
    case WM_MOUSEMOVE:
    case WM_SIZE:
        SyncScrollInfo();
        break;
    case WM_LBUTTONDBLCLK:
        SkinListBox->ListBoxDblClick();
        break;
    case WM_MOUSEWHEEL:
        SyncScrollInfo();
        Wheel(static_cast<int>(static_cast<int32_t>(Message.WParam)));
        break;
    case SKM_PAINTBACKGROUNDTO:
        if (Count() == 0 && Message.LParam == SKM_PAINTBORDERTOEX_KEY) {
            if (Message.WParam != 0)
                PaintBackground(reinterpret_cast<HDC>(Message.WParam));
            Message.Result = SKM_PAINTBORDERTOEX_KEY;
        }
        break;
    default:
        break;
    }
}

void TskListBox::Wheel(int WParam)
{
    // The list already scrolled by whole notches; one line more in the wheel's direction.
    const bool forward = WParam > 0;
    if (SkinListBox->ScrollBar) {
        Perform(WM_VSCROLL, forward ? SB_LINEUP : SB_LINEDOWN, 0);
        SkinListBox->UpDateScrollBar();
    } else if (TskSkinScrollBar* bar = SkinListBox->HScrollBar) {
        bar->SetPosition(bar->GetPosition() + (forward ? -bar->GetSmallChange() : bar->GetSmallChange()));
    }
}

void TskListBox::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case SKM_PAINTBORDERTO:
        Message.Result = SKM_BORDERPAINTED;
        break;
    case WM_NCCALCSIZE:
        break;
    case WM_ERASEBKGND:
        if (GetWidth() > 0 && GetHeight() > 0)
            PaintBackground(reinterpret_cast<HDC>(Message.WParam));
        Message.Result = 1;
        break;
    case WM_VSCROLL:
    case WM_HSCROLL: {
        // The list class scrolls by keys and the wheel only; the bars' requests are served here.
        const bool vertical = Message.Msg == WM_VSCROLL;
        if (vertical != (GetColumns() <= 0))
            break;
        const WORD code = LOWORD(Message.WParam);
        if (code == SB_THUMBPOSITION || code == SB_THUMBTRACK)
            ScrollTo(HIWORD(Message.WParam));
        else
            ScrollBy(code, vertical);
        break;
    }
    case CN_DRAWITEM: {
        const auto* dis = reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
        TOwnerDrawState state;
        if (dis->itemState & ODS_SELECTED)
            state << odSelected;
        if (dis->itemState & ODS_FOCUS)
            state << odFocused;
        Canvas()->SetHandle(dis->hDC);
        Canvas()->Font()->Assign(Font());
        Canvas()->Brush()->Assign(Brush());
        DrawItemOf(Canvas(), static_cast<int>(dis->itemID), state, dis->rcItem);
        Canvas()->SetHandle(nullptr);
        Message.Result = 1;
        break;
    }
    default:
        TListBox::Dispatch(Message);
        break;
    }
}

void TskListBox::DoEnter()
{
    if (SkinListBox)
        SkinListBox->ListBoxEnter();
    TListBox::DoEnter();
}

void TskListBox::DoExit()
{
    if (SkinListBox)
        SkinListBox->ListBoxExit();
    TListBox::DoExit();
}

void TskListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (SkinListBox)
        SkinListBox->ListBoxMouseDown(Button, Shift, X, Y);
    TListBox::MouseDown(Button, Shift, X, Y);
}

void TskListBox::MouseMove(TShiftState Shift, int X, int Y)
{
    if (SkinListBox)
        SkinListBox->ListBoxMouseMove(Shift, X, Y);
    TListBox::MouseMove(Shift, X, Y);
}

void TskListBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (SkinListBox)
        SkinListBox->ListBoxMouseUp(Button, Shift, X, Y);
    TListBox::MouseUp(Button, Shift, X, Y);
}

void TskListBox::KeyDown(WORD& Key, TShiftState Shift)
{
    if (SkinListBox) {
        SkinListBox->ListBoxKeyDown(Key, Shift);
        // With a text bar, Left and Right shift the text instead of moving the selection.
        if (TskSkinScrollBar* bar = SkinListBox->HScrollBar; bar && (Key == VK_LEFT || Key == VK_RIGHT)) {
            bar->SetPosition(bar->GetPosition() + (Key == VK_LEFT ? -bar->GetSmallChange() : bar->GetSmallChange()));
            Key = 0;
        }
    }
    TListBox::KeyDown(Key, Shift);
}

void TskListBox::KeyUp(WORD& Key, TShiftState Shift)
{
    if (SkinListBox)
        SkinListBox->ListBoxKeyUp(Key, Shift);
    TListBox::KeyUp(Key, Shift);
}

void TskListBox::KeyPress(char32_t& Key)
{
    if (SkinListBox)
        SkinListBox->ListBoxKeyPress(Key);
    TListBox::KeyPress(Key);
}

void TskListBox::Click()
{
    if (SkinListBox)
        SkinListBox->ListBoxClick();
    TListBox::Click();
}
