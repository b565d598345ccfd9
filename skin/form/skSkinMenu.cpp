#include "skin/core/skMonitors.h"
#include "skin/form/skSkinMenus.h"
#include "skin/form/skSkinMessages.h"

#include "platform/win/Rect.h"
#include "platform/window/User.h"

#include <utility>

#include <algorithm>

bool IsMenuCloseMessage(UINT Msg)
{
    switch (Msg) {
    case WM_MOVE:
    case WM_SIZE:
    case WM_ACTIVATE:
    case WM_KILLFOCUS:
    case WM_CANCELMODE:
    case WM_MOUSEACTIVATE:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_PARENTNOTIFY:
        return true;
    default:
        return false;
    }
}

TskSkinMenu::TskSkinMenu(TComponent* AOwner, TCustomForm* AForm)
    : TComponent(AOwner), FForm(AForm), FDefaultMenuItemFont(std::make_unique<TFont>())
{
    FDefaultMenuItemFont->SetName("Arial");
    FDefaultMenuItemFont->SetHeight(14);
    WaitTimer = std::make_unique<TTimer>(nullptr);
    WaitTimer->SetEnabled(false);
    WaitTimer->SetInterval(500);
    WaitTimer->OnTimer = [this](TObject*) { WaitTimerProc(); };
    if (FForm)
        FForm->FreeNotification(this);
}

TskSkinMenu::~TskSkinMenu()
{
    CloseFrom(0);
}

void TskSkinMenu::BeforeDestruction()
{
    CloseFrom(0);
    TComponent::BeforeDestruction();
}

void TskSkinMenu::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == FForm)
        FForm = nullptr;
    if (AComponent == PopupCtrl)
        PopupCtrl = nullptr;
    if (AComponent == DCtrl)
        DCtrl = nullptr;
    if (AComponent == FSkinData)
        FSkinData = nullptr;
    // A menu item freed while it is shown ends the menu first.
    for (TskSkinPopupWindow* w : FPopupList)
        for (int i = 0; i < w->ItemCount(); ++i)
            if (w->Item(i)->MenuItem == AComponent) {
                Hide();
                return;
            }
}

void TskSkinMenu::SendToControl(TControl* Ctrl, UINT Msg)
{
    if (!Ctrl)
        return;
    if (auto* win = dynamic_cast<TWinControl*>(Ctrl); win && win->HandleAllocated())
        SendMessage(win->GetHandle(), Msg, 0, 0);
    else
        Ctrl->Perform(Msg, 0, 0);
}

bool TskSkinMenu::BeginOpening(TControl* APopupCtrl, TskSkinData* ASkinData)
{
    FFirst = !FVisible;
    // The old chain closes first and tells its own opener; only then is the new one remembered.
    if (!FPopupList.empty() || FVisible)
        CloseFrom(0);
    PopupCtrl = APopupCtrl;
    if (PopupCtrl)
        PopupCtrl->FreeNotification(this);
    GetPrimaryScreenArea(true, FWorkArea);
    if (FForm)
        GetMonitorAreaOfWindow(FForm->GetHandle(), true, FWorkArea);
    FSkinData = ASkinData;
    if (FSkinData)
        FSkinData->FreeNotification(this);
    return true;
}

void TskSkinMenu::Popup(TControl* APopupCtrl, TskSkinData* ASkinData, int StartIndex, const RECT& R,
                        TMenuItem* AItem, bool PopupUp)
{
    BeginOpening(APopupCtrl, ASkinData);
    if (!AItem || StartIndex < 0 || StartIndex >= AItem->Count()) {
        PopupCtrl = nullptr;
        return;
    }
    FVisible = true;
    AItem->FreeNotification(this);
    AddPopupWindow()->Show(R, AItem, StartIndex, false, PopupUp);
    FFirst = false;
}

void TskSkinMenu::PopupAt(TControl* APopupCtrl, TskSkinData* ASkinData, int StartIndex, int X, int Y,
                          TMenuItem* AItem, bool)
{
    // The first selectable item is selected on every opening, by key or not.
    Popup(APopupCtrl, ASkinData, StartIndex, RECT{X, Y, X, Y}, AItem, false);
}

void TskSkinMenu::Popup2(TControl* APopupCtrl, TskSkinData* ASkinData, int StartIndex, const RECT& R,
                         TMenuItem* AItem, TMenuItem* AItem2, bool PopupUp)
{
    BeginOpening(APopupCtrl, ASkinData);
    const int total = (AItem ? AItem->Count() : 0) + (AItem2 ? AItem2->Count() : 0);
    if (!AItem || AItem->Count() == 0 || StartIndex < 0 || StartIndex >= total) {
        PopupCtrl = nullptr;
        return;
    }
    FVisible = true;
    AddPopupWindow()->Show2(R, AItem, AItem2, StartIndex, false, PopupUp);
    FFirst = false;
}

TskSkinPopupWindow* TskSkinMenu::AddPopupWindow()
{
    TskDataSkinPopupWindow* data = FSkinData && !FSkinData->Empty ? FSkinData->PopupWindow.get() : nullptr;
    auto* w = new TskSkinPopupWindow(this, this, data);
    FPopupList.push_back(w);
    return w;
}

int TskSkinMenu::IndexOfPopup(const TskSkinPopupWindow* APopupWindow) const
{
    auto it = std::find(FPopupList.begin(), FPopupList.end(), APopupWindow);
    return static_cast<int>(it - FPopupList.begin());
}

void TskSkinMenu::StopWaiting()
{
    WaitTimer->SetEnabled(false);
    FWItem = nullptr;
}

void TskSkinMenu::ProcessMenuItem(TskSkinPopupWindow* APopupWindow, TskSkinMenuItem* AItem, bool Kb, bool Click)
{
    const int position = IndexOfPopup(APopupWindow);
    auto closeDeeper = [&] {
        if (position + 1 < OpenCount())
            CloseFrom(position + 1);
    };
    TMenuItem* item = AItem->MenuItem;
    if (item->Count() == 0) {
        StopWaiting();
        if (!Click) {
            closeDeeper();
            return;
        }
        // Every window closes before the command runs; the opener hears of it afterwards.
        Hide();
        TMenu* menu = item->GetParentMenu();
        if (menu)
            menu->DispatchCommand(item->GetCommand());
        else
            item->Click();
        SendToControl(DCtrl, SKM_SKINMENUCOMMAND);
        DCtrl = nullptr;
        return;
    }
    if (!Click) {
        if (Kb)
            return;
        StopWaiting();
        closeDeeper();
        FWItem = AItem;
        WaitTimer->SetEnabled(true);
        return;
    }
    const auto alive = APopupWindow->AliveToken();
    TMenu* menu = item->GetParentMenu();
    if (menu)
        menu->DispatchCommand(item->GetCommand());
    else
        item->Click();
    if (!*alive || IndexOfPopup(APopupWindow) >= OpenCount())
        return;
    StopWaiting();
    closeDeeper();
    AItem->Down = true;
    RECT r = AItem->ObjectRect;
    OffsetRect(&r, APopupWindow->GetLeft(), APopupWindow->GetTop());
    item->FreeNotification(this);
    AddPopupWindow()->Show(r, item, 0, true, false);
}

void TskSkinMenu::WaitTimerProc()
{
    WaitTimer->SetEnabled(false);
    TskSkinMenuItem* item = FWItem;
    if (item)
        ProcessMenuItem(item->Parent, item, false, true);
}

void TskSkinMenu::CloseFrom(int Index)
{
    Index = std::max(0, Index);
    while (static_cast<int>(FPopupList.size()) > Index) {
        TskSkinPopupWindow* w = FPopupList.back();
        FPopupList.pop_back();
        if (FWItem && FWItem->Parent == w)
            StopWaiting();
        w->Hide();
        // Hidden now, freed once the handler that may be running in it has returned.
        ReleaseControl(w);
    }
    if (Index != 0)
        return;
    const bool wasVisible = FVisible;
    FVisible = false;
    WaitTimer->SetEnabled(false);
    FWItem = nullptr;
    DCtrl = PopupCtrl;
    if (PopupCtrl) {
        TControl* opener = PopupCtrl;
        PopupCtrl = nullptr;
        SendToControl(opener, SKM_SKINMENUCLOSED);
    }
    if (wasVisible && OnMenuClose) {
        TNotifyEvent handler = std::exchange(OnMenuClose, nullptr);
        handler(this);
    }
}

void TskSkinMenu::Hide()
{
    CloseFrom(0);
    StopWaiting();
    if (FForm && FForm->HandleAllocated())
        SendMessage(FForm->GetHandle(), SKM_SKINMENUCLOSED, 0, 0);
}

bool TskSkinMenu::LastSelectedHasItems() const
{
    if (FPopupList.empty())
        return false;
    const TskSkinPopupWindow* w = FPopupList.back();
    return w->ActiveItem() != -1 && w->Item(w->ActiveItem())->MenuItem->Count() > 0;
}

void TskSkinMenu::KeyDown(WORD Key)
{
    if (FPopupList.empty())
        return;
    FPopupList.back()->PopupKeyDown(Key);
}

void InstallSkinMenus()
{
    SetFrameMenuFactory([](TskFormSkin*, TCustomForm* Form) -> std::unique_ptr<TskFrameMenu> {
        return std::make_unique<TskSkinMenu>(nullptr, Form);
    });
}
