#include "skin/input/skSkinOfficeCtrls.h"

#include "classlib/Bitmap.h"
#include "platform/win/Rect.h"
#include "platform/window/User.h"

#include "platform/kernel/CommonErrors.h"
#include "skin/core/skDataSkinControls.h"

#include <algorithm>

namespace {

bool PointIn(const RECT& R, int X, int Y)
{
    return X >= R.left && X < R.right && Y >= R.top && Y < R.bottom;
}

} // namespace

TskSkinOfficeListBox::TskSkinOfficeListBox(TComponent* AOwner) : TskSkinCustomControl(AOwner)
{
    FControlStyle.Include(csAcceptsControls);
    FItems = new TskSkinOfficeItems(this);
    SetBounds(FLeft, FTop, 150, 150);
    SetSkinDataName("listbox");
}

TskSkinOfficeListBox::~TskSkinOfficeListBox()
{
    delete FItems;
    FItems = nullptr;
}

void TskSkinOfficeListBox::Notification(TComponent* AComponent, TOperation Operation)
{
    TskSkinCustomControl::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove) {
        if (AComponent == FImages)
            FImages = nullptr;
        if (AComponent == ScrollBar)
            ScrollBar = nullptr;
    }
}

void TskSkinOfficeListBox::SetItems(TskSkinOfficeItems* Value)
{
    FItems->Assign(Value);
    Repaint();
    UpdateScrollInfo();
}

void TskSkinOfficeListBox::SetImages(TCustomImageList* Value)
{
    FImages = Value;
    if (FImages)
        FImages->FreeNotification(this);
}

void TskSkinOfficeListBox::SetShowItemTitles(bool Value)
{
    if (FShowItemTitles == Value)
        return;
    FShowItemTitles = Value;
    Repaint();
}

void TskSkinOfficeListBox::SetItemHeight(int Value)
{
    if (FItemHeight == Value)
        return;
    FItemHeight = Value;
    Repaint();
}

void TskSkinOfficeListBox::SetHeaderHeight(int Value)
{
    if (FHeaderHeight == Value)
        return;
    FHeaderHeight = Value;
    Repaint();
}

void TskSkinOfficeListBox::SetShowLines(bool Value)
{
    if (FShowLines == Value)
        return;
    FShowLines = Value;
    Repaint();
}

// --- layout and scrolling ----------------------------------------------------------------------

RECT TskSkinOfficeListBox::InnerRect()
{
    return FIndex == -1 ? RECT{2, 2, FWidth - 2, FHeight - 2} : NewClRect;
}

void TskSkinOfficeListBox::CalcItemRects()
{
    FRealMax = 0;
    FItemsRect = InnerRect();
    if (ScrollBar)
        FItemsRect.right -= ScrollBar->GetWidth();
    int y = FItemsRect.top;
    const int w = FItemsRect.right - FItemsRect.left;
    for (int i = 0; i < FItems->Count(); ++i) {
        TskSkinOfficeItem* item = FItems->Items(i);
        const int h = item->GetHeader() ? FHeaderHeight : FItemHeight;
        item->ItemRect = RECT{FItemsRect.left, y - FScrollOffset, FItemsRect.left + w, y + h - FScrollOffset};
        const RECT& r = item->ItemRect;
        // An item whose bottom lies on the area's top still counts as visible.
        item->IsVisible = PointIn(FItemsRect, FItemsRect.left + 1, r.top) ||
                          PointIn(FItemsRect, FItemsRect.right - 1, r.bottom) ||
                          (r.top <= FItemsRect.top && r.bottom >= FItemsRect.bottom);
        if (item->IsVisible)
            FRealMax = r.bottom;
        y += h;
    }
    FMax = y;
}

int TskSkinOfficeListBox::CalcHeight(int AItemCount)
{
    const int n = std::min(AItemCount, FItems->Count());
    if (FIndex == -1)
        return n * FItemHeight + 5;
    return n * FItemHeight + FHeight - (NewClRect.bottom - NewClRect.top) + 1;
}

void TskSkinOfficeListBox::GetScrollInfo(int& AMin, int& AMax, int& APage, int& APosition)
{
    CalcItemRects();
    AMin = 0;
    AMax = FMax - FItemsRect.top;
    APage = FItemsRect.bottom - FItemsRect.top;
    if (APage >= AMax) {
        AMax = 0;
        APage = 0;
    }
    APosition = FScrollOffset;
}

void TskSkinOfficeListBox::UpdateScrollInfo()
{
    int min = 0, max = 0, page = 0, pos = 0;
    GetScrollInfo(min, max, page, pos);
    if (max != 0) {
        if (!ScrollBar)
            ShowScrollbar();
        ScrollBar->SetRange(min, max, pos, page);
        ScrollBar->SetLargeChange(page);
    } else if (ScrollBar) {
        HideScrollBar();
    }
}

void TskSkinOfficeListBox::ShowScrollbar()
{
    if (ScrollBar)
        return;
    ScrollBar = new TskSkinScrollBar(this);
    ScrollBar->SetVisible(false);
    ScrollBar->SetParent(this);
    ScrollBar->SetDefaultHeight(0);
    ScrollBar->SetDefaultWidth(19);
    ScrollBar->SetSmallChange(FItemHeight);
    ScrollBar->SetLargeChange(FItemHeight);
    ScrollBar->SetSkinDataName("vscrollbar");
    ScrollBar->SetKind(TScrollBarKind::sbVertical);
    ScrollBar->SetSkinData(FSD);
    ScrollBar->OnChange = [this](TObject*) { Scroll(ScrollBar->GetPosition()); };
    AdjustScrollBar();
    ScrollBar->SetVisible(true);
    Repaint();
}

void TskSkinOfficeListBox::HideScrollBar()
{
    if (!ScrollBar)
        return;
    ScrollBar->SetVisible(false);
    TskSkinScrollBar* bar = ScrollBar;
    ScrollBar = nullptr;
    bar->Free();
    Repaint();
}

void TskSkinOfficeListBox::AdjustScrollBar()
{
    if (!ScrollBar)
        return;
    const RECT r = InnerRect();
    const int w = ScrollBar->GetWidth();
    ScrollBar->SetBounds(r.right - w, r.top, w, r.bottom - r.top);
}

void TskSkinOfficeListBox::Scroll(int AScrollOffset)
{
    FScrollOffset = AScrollOffset;
    Repaint();
    UpdateScrollInfo();
}

void TskSkinOfficeListBox::ScrollToItem(int Index)
{
    CalcItemRects();
    TskSkinOfficeItem* item = FItems->Items(Index);
    const RECT r = item->ItemRect;
    RECT u = r;
    OffsetRect(&u, 0, FScrollOffset);
    if (r.top <= FItemsRect.top) {
        // A leading heading stays in view when its first row is selected.
        FScrollOffset = Index == 1 && FItems->Items(0)->GetHeader() ? 0 : u.top - FItemsRect.top;
        CalcItemRects();
        Invalidate();
    } else if (r.bottom >= FItemsRect.bottom) {
        FScrollOffset = u.bottom + FItemsRect.top - FHeight + 1;
        CalcItemRects();
        Invalidate();
    }
    UpdateScrollInfo();
}

// --- selection, mouse and keys -----------------------------------------------------------------

void TskSkinOfficeListBox::SetItemIndex(int Value)
{
    // Checked first, so that a bad index leaves the selection (and a later cancel) sound.
    if (Value >= FItems->Count())
        RaiseListIndexError(Value);
    FItemIndex = Value;
    // The mouse's last pick no longer stands: pointing at that row again selects it.
    FMouseActive = -1;
    for (int i = 0; i < FItems->Count(); ++i)
        FItems->Items(i)->Active = Value >= 0 && i == Value;
    Repaint();
    if (Value < 0)
        return;
    ScrollToItem(Value);
    if (ComponentState().Contains(csDesigning))
        return;
    TskSkinOfficeItem* item = FItems->Items(Value);
    if (item->OnClick)
        item->OnClick(this);
    if (OnItemClick)
        OnItemClick(this);
}

void TskSkinOfficeListBox::SelectSilently(int Index)
{
    FItemIndex = Index;
    for (int i = 0; i < FItems->Count(); ++i)
        FItems->Items(i)->Active = i == Index;
    Repaint();
    ScrollToItem(Index);
}

int TskSkinOfficeListBox::ItemAtPos(int X, int Y)
{
    for (int i = 0; i < FItems->Count(); ++i) {
        TskSkinOfficeItem* item = FItems->Items(i);
        if (PointIn(item->ItemRect, X, Y) && item->GetEnabled())
            return i;
    }
    return -1;
}

void TskSkinOfficeListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TskSkinCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != TMouseButton::mbLeft)
        return;
    const int i = ItemAtPos(X, Y);
    if (i >= 0 && !FItems->Items(i)->GetHeader()) {
        SelectSilently(i);
        FMouseDown = true;
        FMouseActive = i;
    }
}

void TskSkinOfficeListBox::MouseMove(TShiftState Shift, int X, int Y)
{
    TskSkinCustomControl::MouseMove(Shift, X, Y);
    const int i = ItemAtPos(X, Y);
    if (i >= 0 && !FItems->Items(i)->GetHeader() && (FMouseDown || FMouseMoveChangeIndex) && i != FMouseActive) {
        SelectSilently(i);
        FMouseActive = i;
    }
}

void TskSkinOfficeListBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TskSkinCustomControl::MouseUp(Button, Shift, X, Y);
    FMouseDown = false;
    if (Button != TMouseButton::mbLeft)
        return;
    const int i = ItemAtPos(X, Y);
    if (i >= 0 && !FItems->Items(i)->GetHeader())
        SetItemIndex(i);
}

void TskSkinOfficeListBox::KeyDown(WORD& Key, TShiftState Shift)
{
    TskSkinCustomControl::KeyDown(Key, Shift);
    switch (Key) {
    case VK_NEXT:
        FindPageDown();
        break;
    case VK_PRIOR:
        FindPageUp();
        break;
    case VK_UP:
    case VK_LEFT:
        FindUp();
        break;
    case VK_DOWN:
    case VK_RIGHT:
        FindDown();
        break;
    default:
        break;
    }
}

void TskSkinOfficeListBox::SelectFound(int Index)
{
    if (Index >= 0)
        SetItemIndex(Index);
}

void TskSkinOfficeListBox::FindUp()
{
    if (FItemIndex <= 0)
        return;
    for (int i = std::min(FItemIndex, FItems->Count()) - 1; i >= 0; --i)
        if (FItems->Items(i)->Selectable())
            return SelectFound(i);
}

void TskSkinOfficeListBox::FindDown()
{
    for (int i = FItemIndex < 0 ? 0 : FItemIndex + 1; i < FItems->Count(); ++i)
        if (FItems->Items(i)->Selectable())
            return SelectFound(i);
}

int TskSkinOfficeListBox::PageRows()
{
    return std::max(1, (FItemsRect.bottom - FItemsRect.top) / std::max(1, FItemHeight));
}

// Walks From..To (either direction): the first selectable row behind a passed header wins, else
// the farthest enabled row.
int TskSkinOfficeListBox::ScanPage(int From, int To)
{
    const int step = To >= From ? 1 : -1;
    bool passedHeader = false;
    int candidate = -1;
    for (int i = From;; i += step) {
        TskSkinOfficeItem* item = FItems->Items(i);
        if (passedHeader && item->Selectable())
            return i;
        if (item->GetHeader())
            passedHeader = true;
        else if (item->GetEnabled())
            candidate = i;
        if (i == To)
            break;
    }
    return candidate;
}

void TskSkinOfficeListBox::FindPageUp()
{
    if (FItemIndex <= 0)
        return;
    const int from = std::min(FItemIndex, FItems->Count()) - 1;
    if (from < 0)
        return;
    SelectFound(ScanPage(from, std::max(0, FItemIndex - 1 - PageRows())));
}

void TskSkinOfficeListBox::FindPageDown()
{
    const int start = FItemIndex < 0 ? 0 : FItemIndex + 1;
    if (start >= FItems->Count())
        return;
    SelectFound(ScanPage(start, std::min(FItems->Count() - 1, start + PageRows())));
}

// --- messages ----------------------------------------------------------------------------------

void TskSkinOfficeListBox::WndProc(TMessage& Message)
{
    if (!ComponentState().Contains(csDesigning)) {
        if ((Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_LBUTTONDBLCLK) && !Focused()) {
            if (!TakeFocusOnPress(this, FClicksDisabled))
                return;
        } else if (Message.Msg == CN_COMMAND && FClicksDisabled) {
            return;
        }
    }
    TskSkinCustomControl::WndProc(Message);
}

void TskSkinOfficeListBox::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_SIZE:
        TskSkinCustomControl::Dispatch(Message);
        if (FOldHeight != -1 && FOldHeight != FHeight) {
            CalcItemRects();
            // A list that grows pulls its rows down instead of leaving space under the last one.
            if (FItemsRect.bottom >= FRealMax && FScrollOffset > 0) {
                FScrollOffset = std::max(0, FScrollOffset - (FItemsRect.bottom - FRealMax));
                CalcItemRects();
                Invalidate();
            }
        }
        AdjustScrollBar();
        UpdateScrollInfo();
        FOldHeight = FHeight;
        return;
    case WM_MOUSEWHEEL:
        TskSkinCustomControl::Dispatch(Message);
        if (ScrollBar) {
            const int by = ScrollBar->GetSmallChange();
            ScrollBar->SetPosition(ScrollBar->GetPosition() +
                                   (GET_WHEEL_DELTA_WPARAM(Message.WParam) < 0 ? by : -by));
        }
        return;
    case CM_FOCUSCHANGED:
        TskSkinCustomControl::Dispatch(Message);
        Repaint();
        return;
    case WM_GETDLGCODE:
        Message.Result = 1;
        return;
    default:
        TskSkinCustomControl::Dispatch(Message);
    }
}

void TskSkinOfficeListBox::ChangeSkinData()
{
    TskSkinCustomControl::ChangeSkinData();
    auto* edit = NamedDescription<TskDataSkinEditControl>(FSD, "edit");
    FDisabledFontColor = edit ? edit->DisabledFontColor : FSD->SkinColors()->cBtnShadow();
    if (ScrollBar) {
        ScrollBar->SetSkinData(FSD);
        AdjustScrollBar();
    }
    CalcItemRects();
    Repaint();
}
