#include "skin/form/skSkinTabs.h"

#include "platform/win/Rect.h"
#include "platform/window/User.h"
#include "skin/core/skSkinData.h"
#include "skin/core/skUtils.h"
#include "skin/form/skSkinMessages.h"
#include "skin/form/skSkinUpDown.h"

#include <algorithm>

namespace {

void SetArialFont(TFont* Font)
{
    Font->SetName("Arial");
    Font->SetHeight(14);
    Font->SetColor(clBtnText);
    Font->SetStyle({});
}

bool IsSide(TTabPosition P)
{
    return P == TTabPosition::tpLeft || P == TTabPosition::tpRight;
}

} // namespace

TskSkinPageControl::TskSkinPageControl(TComponent* AOwner)
    : TPageControl(AOwner), FDefaultFont(std::make_unique<TFont>())
{
    SetArialFont(Font());
    SetArialFont(FDefaultFont.get());
    FTempImages = new TImageList(this);
    FTempImages->SetSize(1, 1);
    TPageControl::SetImages(FTempImages);
}

TskSkinPageControl::~TskSkinPageControl() = default;

// --- settings --------------------------------------------------------------------------------

void TskSkinPageControl::SetTabExtededDraw(bool Value)
{
    FTabExtendedDraw = Value;
    Invalidate();
}

void TskSkinPageControl::ForceTopSingleRow()
{
    SetTabPosition(TTabPosition::tpTop);
    SetMultiLine(false);
    FTabsBGTransparent = true;
}

void TskSkinPageControl::SetTabsOffset(int Value)
{
    FTabsOffset = Value;
    if (Value > 0)
        ForceTopSingleRow();
    Invalidate();
}

void TskSkinPageControl::SetTabsInCenter(bool Value)
{
    if (GetTabWidth() == 0)
        return;
    FTabsInCenter = Value;
    if (Value)
        ForceTopSingleRow();
    Invalidate();
}

void TskSkinPageControl::SetTabMargin(int Value)
{
    if (Value < -1 || Value == FTabMargin)
        return;
    FTabMargin = Value;
    Invalidate();
}

void TskSkinPageControl::SetTabSpacing(int Value)
{
    if (Value == FTabSpacing)
        return;
    FTabSpacing = Value;
    Invalidate();
}

void TskSkinPageControl::SetTabLayout(TskButtonLayout Value)
{
    if (Value == FTabLayout)
        return;
    FTabLayout = Value;
    Invalidate();
}

void TskSkinPageControl::SetTextInHorizontal(bool Value)
{
    FTextInHorizontal = Value;
    Invalidate();
}

void TskSkinPageControl::SetTabsBGTransparent(bool Value)
{
    if (Value == FTabsBGTransparent)
        return;
    FTabsBGTransparent = Value;
    Invalidate();
}

void TskSkinPageControl::ResizeRoomImages(int Delta)
{
    if (IsSide(GetTabPosition()))
        FTempImages->SetHeight(std::max(FTempImages->GetHeight() + Delta, 1));
    else
        FTempImages->SetWidth(std::max(FTempImages->GetWidth() + Delta, 1));
    TPageControl::SetImages(FTempImages);  // the plain control lays its tabs out again
}

void TskSkinPageControl::SetShowCloseButtons(bool Value)
{
    if (Value == FShowCloseButtons)
        return;
    FShowCloseButtons = Value;
    ResizeRoomImages(Value ? FCloseSize : -FCloseSize);
    Invalidate();
}

void TskSkinPageControl::SetImages(TCustomImageList* Value)
{
    const bool side = IsSide(GetTabPosition());
    if (FImages) {
        FImages->RemoveFreeNotification(this);
        ResizeRoomImages(-(side ? FImages->GetHeight() : FImages->GetWidth()));
    }
    FImages = Value;
    if (Value) {
        Value->FreeNotification(this);
        ResizeRoomImages(side ? Value->GetHeight() : Value->GetWidth());
    }
    Invalidate();
}

void TskSkinPageControl::SetDefaultItemHeight(int Value)
{
    FDefaultItemHeight = Value;
    if (HasDescription())
        return;
    SetTabSize();
    UpdateUpDownPosition();
    Realign();
}

void TskSkinPageControl::SetSkinData(TskSkinData* Value)
{
    FSD = Value;
    if (Value)
        Value->FreeNotification(this);
    if (Value && !Value->Empty && !ComponentState().Contains(csDesigning))
        ChangeSkinData();
}

void TskSkinPageControl::Notification(TComponent* AComponent, TOperation Operation)
{
    TPageControl::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == FSD)
        FSD = nullptr;
    if (AComponent == FImages)
        SetImages(nullptr);
    if (AComponent == FSkinUpDown)
        FSkinUpDown = nullptr;
}

// --- skin ------------------------------------------------------------------------------------

void TskSkinPageControl::GetSkinData()
{
    FTab.BGPictureIndex = -1;
    FIndex = FSD == nullptr || FSD->Empty ? -1 : FSD->GetControlIndex(FSkinDataName);
    const auto* d = FIndex == -1 ? nullptr
                                 : dynamic_cast<const TskDataSkinTabControl*>(
                                       FSD->CtrlList[static_cast<std::size_t>(FIndex)].get());
    if (d == nullptr) {
        // A description of another kind counts as none: the default look.
        FIndex = -1;
        Picture = nullptr;
        return;
    }
    FTab = *d;
    Picture = FSD->GetActivePicture(FTab.PictureIndex);
    if (RectHasNoArea(FTab.ActiveTabRect))
        FTab.ActiveTabRect = FTab.TabRect;
    if (RectHasNoArea(FTab.FocusTabRect))
        FTab.FocusTabRect = FTab.ActiveTabRect;
    if (RectHasNoArea(FTab.CloseButtonActiveRect))
        FTab.CloseButtonActiveRect = FTab.CloseButtonRect;
    if (RectHasNoArea(FTab.CloseButtonDownRect))
        FTab.CloseButtonDownRect = FTab.CloseButtonActiveRect;
}

void TskSkinPageControl::BeforeChangeSkinData()
{
    Picture = nullptr;  // the old skin's pictures go
}

void TskSkinPageControl::ApplyFont()
{
    TFont* f = Font();
    if (HasDescription() && FUseSkinFont) {
        f->SetName(FTab.FontName);
        f->SetHeight(FTab.FontHeight);
        f->SetStyle(FTab.FontStyle);
    } else {
        f->Assign(FDefaultFont.get());
    }
    if (FSD != nullptr && FSD->ResourceStrData() != nullptr)
        f->SetCharset(FSD->ResourceStrData()->CharSet());
    else
        f->SetCharset(FDefaultFont->GetCharset());
    if (HasDescription())
        f->SetColor(FTab.FontColor);
}

void TskSkinPageControl::ChangeSkinData()
{
    GetSkinData();
    if (FShowCloseButtons) {
        ResizeRoomImages(-FCloseSize);
        FCloseSize = !HasDescription() || RectHasNoArea(FTab.CloseButtonRect) ? 14 : RectWidth(FTab.CloseButtonRect);
        ResizeRoomImages(FCloseSize);
    }
    ApplyFont();
    SetTabSize();
    UpdateUpDownPosition();
    Realign();
    FreeUpDown();
    CheckUpDown();
    Invalidate();
    if (GetActivePage())
        GetActivePage()->Invalidate();
}

void TskSkinPageControl::SetTabSize()
{
    int height = GetTabHeight();
    if (height <= 0)
        height = HasDescription() ? RectHeight(FTab.TabRect) : FDefaultItemHeight;
    SendToWindow(TCM_SETITEMSIZE, 0, MAKELPARAM(GetTabWidth(), height));
}

void TskSkinPageControl::UpDateTabs()
{
    SetTabSize();
    if (GetMultiLine())
        FreeUpDown();
    Realign();
}

void TskSkinPageControl::Loaded()
{
    TPageControl::Loaded();
    if (HasDescription())
        return;
    SetTabSize();
    UpdateUpDownPosition();
    Realign();
}

// --- geometry --------------------------------------------------------------------------------

int TskSkinPageControl::VisibleTabCount() const
{
    int n = 0;
    for (int i = 0; i < PageCount(); ++i)
        n += Pages(i)->GetTabVisible() ? 1 : 0;
    return n;
}

int TskSkinPageControl::CalcTabsOffset()
{
    if (FTabsOffset > 0)
        return FTabsOffset;
    if (GetTabWidth() == 0)
        return 0;
    return std::max(GetWidth() / 2 - GetTabWidth() * VisibleTabCount() / 2, 0);
}

// The plain control keeps its rows 2 pixels off the window's edge and a single row 2 pixels in:
// the drawn tabs start at the edge.
void TskSkinPageControl::AdjustTabRect(RECT& R)
{
    const bool single = !GetMultiLine();
    switch (GetTabPosition()) {
    case TTabPosition::tpTop:
        if (single)
            OffsetRect(&R, -2, 0);
        OffsetRect(&R, 0, -2);
        if (RowOffset())
            OffsetRect(&R, CalcTabsOffset(), 0);
        break;
    case TTabPosition::tpBottom:
        if (single)
            OffsetRect(&R, -2, 0);
        OffsetRect(&R, 0, 2);
        break;
    case TTabPosition::tpLeft: OffsetRect(&R, -2, 0); break;
    case TTabPosition::tpRight: OffsetRect(&R, 2, 0); break;
    }
}

void TskSkinPageControl::AdjustDisplayRect(RECT& R)
{
    const int cw = GetClientWidth(), ch = GetClientHeight();
    if (FHideBorder) {
        R = RECT{0, 0, cw, ch};
        return;
    }
    const bool hidden = FHideTabs;
    if (!HasDescription()) {
        switch (GetTabPosition()) {
        case TTabPosition::tpTop: R = RECT{1, R.top - 5 - (hidden ? 1 : 0), cw - 1, ch - 1}; break;
        case TTabPosition::tpBottom: R = RECT{1, 1, cw - 1, R.bottom + 3}; break;
        // The plain frame's top line stays inside the control beside side tabs too.
        case TTabPosition::tpLeft: R = RECT{R.left - 3 - (hidden ? 1 : 0), 1, cw - 1, ch - 1}; break;
        case TTabPosition::tpRight: R = RECT{R.left - 3, 1, R.right + 3 + (hidden ? 1 : 0), ch - 1}; break;
        }
        return;
    }
    const RECT& s = FTab.SkinRect;
    const RECT& c = FTab.ClRect;
    const int lb = c.left, tb = c.top, rb = RectWidth(s) - c.right, bb = RectHeight(s) - c.bottom;
    switch (GetTabPosition()) {
    case TTabPosition::tpTop: R = RECT{lb, R.top - 6 + tb - (hidden ? 1 : 0), cw - rb, ch - bb}; break;
    case TTabPosition::tpBottom: R = RECT{lb, R.top - 4 + tb, cw - rb, R.bottom + 4 - bb + (hidden ? 1 : 0)}; break;
    case TTabPosition::tpLeft: R = RECT{R.left + lb - 4 - (hidden ? 1 : 0), R.top - 4 + tb, cw - rb, ch - bb}; break;
    case TTabPosition::tpRight: R = RECT{lb, R.top - 4 + tb, R.right - rb + 4 + (hidden ? 1 : 0), ch - bb}; break;
    }
}

RECT TskSkinPageControl::FrameRect()
{
    RECT r = DisplayRect();
    if (!HasDescription())
        return r;
    const RECT& s = FTab.SkinRect;
    const RECT& c = FTab.ClRect;
    return RECT{r.left - c.left, r.top - c.top, r.right + RectWidth(s) - c.right, r.bottom + RectHeight(s) - c.bottom};
}

// Side tabs are never a single row of the kind that scrolls: only a top or bottom row moves its
// first tab.
RECT TskSkinPageControl::GetTabRect(int TabIndex)
{
    RECT r = TabRect(TabIndex);
    const TTabPosition pos = GetTabPosition();
    if (TabIndex == 0 && !GetMultiLine() && !IsSide(pos) && !IsRectEmpty(&r))
        r.left += 1;
    return r;
}

RECT TskSkinPageControl::GetActiveTabRect()
{
    const int sel = HandleAllocated() ? GetTabIndex() : -1;
    if (sel < 0 || sel >= PageCount() || VisibleTabCount() == 0 || GetActivePage() == nullptr)
        return RECT{};
    RECT r = GetTabRect(sel);
    const int d = HasDescription() ? RectHeight(FTab.ActiveTabRect) - RectHeight(FTab.TabRect) : 0;
    switch (GetTabPosition()) {
    case TTabPosition::tpTop: r.bottom += d; break;
    case TTabPosition::tpBottom: r.top -= d; break;
    case TTabPosition::tpLeft: r.right += d; break;
    case TTabPosition::tpRight: r.left -= d; break;
    }
    return r;
}

// --- messages --------------------------------------------------------------------------------

void TskSkinPageControl::Change()
{
    UpdateUpDownPosition();
    TPageControl::Change();
    Invalidate();
    if (GetActivePage())
        GetActivePage()->Invalidate();
}

void TskSkinPageControl::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case TCM_GETITEMRECT:
        TPageControl::Dispatch(Message);
        if (Message.Result && Message.LParam)
            AdjustTabRect(*reinterpret_cast<RECT*>(Message.LParam));
        return;
    case TCM_ADJUSTRECT:
        TPageControl::Dispatch(Message);
        if (Message.LParam)
            AdjustDisplayRect(*reinterpret_cast<RECT*>(Message.LParam));
        return;
    case TCM_HITTEST:
        // A hidden row is never hit.
        if (FHideTabs)
            Message.Result = -1;
        else
            TPageControl::Dispatch(Message);
        return;
    case TCM_INSERTITEM:
    case TCM_DELETEITEM:
    case TCM_DELETEALLITEMS:
    case TCM_SETITEM:
    case TCM_SETITEMSIZE:
    case TCM_SETIMAGELIST:
    case WM_SETFONT:
        TPageControl::Dispatch(Message);
        PostUpDownCheck();
        return;
    case SKM_CHECKTABSUPDOWN:
        if (!GetMultiLine() && !ComponentState().Contains(csDesigning))
            CheckUpDown();
        else
            FUpDownCheckPosted = false;
        return;
    case TCM_SETCURSEL:
        TPageControl::Dispatch(Message);
        if (!ComponentState().Contains(csLoading))
            Invalidate();
        return;
    case WM_ERASEBKGND:
        if (PageCount() > 0 && VisibleTabCount() > 0) {
            Message.Result = 1;
            return;
        }
        GetSkinData();
        if (!HasDescription()) {
            TPageControl::Dispatch(Message);
        } else {
            PaintClientBackground(reinterpret_cast<HDC>(Message.WParam));
            Message.Result = 1;
        }
        return;
    case WM_SIZE:
        GetSkinData();
        TPageControl::Dispatch(Message);
        if (!GetMultiLine() && !ComponentState().Contains(csDesigning))
            CheckUpDown();
        return;
    case WM_HSCROLL:
        TPageControl::Dispatch(Message);
        Invalidate();
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        // The selected tab shows whether the control has the focus.
        TPageControl::Dispatch(Message);
        Invalidate();
        return;
    case SKM_PARENTBGCHANGED:
        if (FTabsBGTransparent)
            Invalidate();
        return;
    case SKM_PAINTBORDERTO:
        Message.Result = SKM_BORDERPAINTED;
        return;
    case CM_MOUSELEAVE:
        TPageControl::Dispatch(Message);
        TestActiveTab(-1, -1);
        return;
    case WM_MOUSEWHEEL:
        TPageControl::Dispatch(Message);
        if (FMouseWheelSupport)
            SelectVisiblePage(static_cast<short>(HIWORD(Message.WParam)) < 0);
        return;
    default: break;
    }
    TPageControl::Dispatch(Message);
}
