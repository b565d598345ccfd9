#include "classlib/ComCtrls.h"
#include "platform/window/User.h"

#include <algorithm>

// --- sheets ----------------------------------------------------------------------------------

TTabSheet::TTabSheet(TComponent* AOwner) : TWinControl(AOwner)
{
    FControlStyle.Include(csAcceptsControls);
    SetAlign(TAlign::alClient);
    SetVisible(false);
}

TTabSheet::~TTabSheet() = default;

void TTabSheet::BeforeDestruction()
{
    SetPageControl(nullptr);
    TWinControl::BeforeDestruction();
}

void TTabSheet::SetPageControl(TPageControl* Value)
{
    if (Value == FPageControl)
        return;
    if (FPageControl)
        FPageControl->removePage(this);
    FPageControl = Value;
    SetParent(Value);
    if (Value)
        Value->insertPage(this);
}

int TTabSheet::GetPageIndex() const
{
    if (!FPageControl)
        return -1;
    const auto& pages = FPageControl->FPages;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int Value)
{
    if (!FPageControl)
        return;
    auto& pages = FPageControl->FPages;
    pages.erase(std::find(pages.begin(), pages.end(), this));
    pages.insert(pages.begin() + std::clamp(Value, 0, static_cast<int>(pages.size())), this);
    FPageControl->UpdateTabs();
}

int TTabSheet::GetTabIndex() const
{
    if (!FPageControl || !FTabVisible)
        return -1;
    int index = 0;
    for (TTabSheet* p : FPageControl->FPages) {
        if (p == this)
            return index;
        if (p->FTabVisible)
            ++index;
    }
    return -1;
}

void TTabSheet::SetTabVisible(bool Value)
{
    if (Value == FTabVisible)
        return;
    FTabVisible = Value;
    if (!FPageControl)
        return;
    FPageControl->UpdateTabs();
    // The active page whose tab goes gives way to the next page with a tab.
    if (!Value && FPageControl->FActivePage == this) {
        TTabSheet* next = FPageControl->FindNextPage(this, true, true);
        FPageControl->SetActivePage(next == this ? nullptr : next);
    }
}

void TTabSheet::SetImageIndex(int Value)
{
    FImageIndex = Value;
    if (FPageControl)
        FPageControl->UpdateTabs();
}

void TTabSheet::Dispatch(TMessage& Message)
{
    TWinControl::Dispatch(Message);
    if (Message.Msg == CM_TEXTCHANGED && FPageControl)
        FPageControl->UpdateTabs();
}

// --- the page control ------------------------------------------------------------------------

TPageControl::TPageControl(TComponent* AOwner) : TCommonControl(AOwner)
{
    FControlStyle.Include(csAcceptsControls);
    SetBounds(0, 0, 289, 193);
    SetTabStop(true);
}

TPageControl::~TPageControl() = default;

void TPageControl::CreateParams(TCreateParams& Params)
{
    TCommonControl::CreateParams(Params);
    CreateSubClass(Params, WC_TABCONTROL);
    Params.Style |= WS_CLIPCHILDREN;
    switch (FTabPosition) {
    case TTabPosition::tpBottom: Params.Style |= TCS_BOTTOM; break;
    case TTabPosition::tpLeft: Params.Style |= TCS_VERTICAL; break;
    case TTabPosition::tpRight: Params.Style |= TCS_VERTICAL | TCS_RIGHT; break;
    default: break;
    }
    if (FMultiLine)
        Params.Style |= TCS_MULTILINE;
    if (FTabWidth > 0)
        Params.Style |= TCS_FIXEDWIDTH;
}

void TPageControl::FillWindow()
{
    SendToWindow(TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(FImages));
    SetTabSize();
    UpdateTabs();
}

void TPageControl::SetTabSize()
{
    SendToWindow(TCM_SETITEMSIZE, 0, MAKELPARAM(FTabWidth, FTabHeight));
}

void TPageControl::UpdateTabs()
{
    if (!HandleAllocated())
        return;
    SendToWindow(TCM_DELETEALLITEMS, 0, 0);
    int index = 0;
    for (TTabSheet* p : FPages) {
        if (!p->GetTabVisible())
            continue;
        const std::string caption = p->GetCaption();
        TCITEM item;
        item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_PARAM;
        item.pszText = caption.c_str();
        item.iImage = p->GetImageIndex();
        item.lParam = reinterpret_cast<LPARAM>(p);
        SendToWindow(TCM_INSERTITEM, static_cast<WPARAM>(index++), reinterpret_cast<LPARAM>(&item));
    }
    if (FActivePage && FActivePage->GetTabIndex() >= 0)
        SendToWindow(TCM_SETCURSEL, static_cast<WPARAM>(FActivePage->GetTabIndex()), 0);
    Realign();
}

void TPageControl::insertPage(TTabSheet* Page)
{
    FPages.push_back(Page);
    UpdateTabs();
    if (!FActivePage)
        SetActivePage(Page);
}

void TPageControl::removePage(TTabSheet* Page)
{
    TTabSheet* next = Page == FActivePage ? FindNextPage(Page, true, false) : FActivePage;
    FPages.erase(std::remove(FPages.begin(), FPages.end(), Page), FPages.end());
    if (next == Page)
        next = nullptr;
    FActivePage = nullptr;
    UpdateTabs();
    SetActivePage(next);
}

void TPageControl::showActive()
{
    for (TTabSheet* p : FPages)
        if (p != FActivePage)
            p->SetVisible(false);
    if (FActivePage) {
        FActivePage->BringToFront();
        FActivePage->SetVisible(true);
    }
}

void TPageControl::SetActivePage(TTabSheet* Page)
{
    if (Page && Page->GetPageControl() != this)
        return;
    FActivePage = Page;
    if (Page && Page->GetTabIndex() >= 0)
        SendToWindow(TCM_SETCURSEL, static_cast<WPARAM>(Page->GetTabIndex()), 0);
    showActive();
}

int TPageControl::GetActivePageIndex() const
{
    return FActivePage ? FActivePage->GetPageIndex() : -1;
}

void TPageControl::SetActivePageIndex(int Value)
{
    SetActivePage(Value >= 0 && Value < PageCount() ? Pages(Value) : nullptr);
}

int TPageControl::GetTabIndex()
{
    return static_cast<int>(SendMessage(GetHandle(), TCM_GETCURSEL, 0, 0));
}

TTabSheet* TPageControl::PageForTab(int TabIndex) const
{
    for (TTabSheet* p : FPages)
        if (p->GetTabVisible() && TabIndex-- == 0)
            return p;
    return nullptr;
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* CurPage, bool GoForward, bool CheckTabVisible) const
{
    if (FPages.empty())
        return nullptr;
    const int count = PageCount();
    auto it = std::find(FPages.begin(), FPages.end(), CurPage);
    int start = it == FPages.end() ? (GoForward ? count - 1 : 0) : static_cast<int>(it - FPages.begin());
    int i = start;
    for (int n = 0; n < count; ++n) {
        i = (i + (GoForward ? 1 : count - 1)) % count;
        if (!CheckTabVisible || FPages[static_cast<std::size_t>(i)]->GetTabVisible())
            return FPages[static_cast<std::size_t>(i)];
    }
    return nullptr;
}

void TPageControl::SelectNextPage(bool GoForward)
{
    TTabSheet* next = FindNextPage(FActivePage, GoForward, true);
    if (next && next != FActivePage && CanChange()) {
        SetActivePage(next);
        Change();
    }
}

void TPageControl::SetTabPosition(TTabPosition Value)
{
    if (Value == FTabPosition)
        return;
    FTabPosition = Value;
    RecreateWnd();
}

void TPageControl::SetMultiLine(bool Value)
{
    if (Value == FMultiLine)
        return;
    FMultiLine = Value;
    RecreateWnd();
}

void TPageControl::SetTabWidth(int Value)
{
    const bool fixed = FTabWidth > 0;
    FTabWidth = std::max(Value, 0);
    if (fixed != (FTabWidth > 0))
        RecreateWnd();
    else
        SetTabSize();
    Realign();
}

void TPageControl::SetTabHeight(int Value)
{
    FTabHeight = std::max(Value, 0);
    SetTabSize();
    Realign();
}

void TPageControl::SetImages(TCustomImageList* Value)
{
    if (FImages)
        FImages->RemoveFreeNotification(this);
    FImages = Value;
    if (Value)
        Value->FreeNotification(this);
    SendToWindow(TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(Value));
    Realign();
}

void TPageControl::Notification(TComponent* AComponent, TOperation Operation)
{
    TCommonControl::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FImages)
        SetImages(nullptr);
}

RECT TPageControl::TabRect(int TabIndex)
{
    RECT r{};
    if (!Perform(TCM_GETITEMRECT, static_cast<WPARAM>(TabIndex), reinterpret_cast<LPARAM>(&r)))
        return RECT{};
    return r;
}

RECT TPageControl::DisplayRect()
{
    RECT r = GetClientRect();
    AdjustClientRect(r);
    return r;
}

void TPageControl::AdjustClientRect(RECT& Rect)
{
    Rect = GetClientRect();
    if (HandleAllocated())
        Perform(TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&Rect));
}

bool TPageControl::CanChange()
{
    bool allow = true;
    if (OnChanging)
        OnChanging(this, allow);
    return allow;
}

void TPageControl::Change()
{
    if (OnChange)
        OnChange(this);
}

void TPageControl::Dispatch(TMessage& Message)
{
    if (Message.Msg == CN_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(Message.LParam);
        if (header->code == TCN_SELCHANGING) {
            Message.Result = CanChange() ? 0 : 1;
        } else if (header->code == TCN_SELCHANGE) {
            FActivePage = PageForTab(GetTabIndex());
            showActive();
            Change();
        }
        return;
    }
    TCommonControl::Dispatch(Message);
}
