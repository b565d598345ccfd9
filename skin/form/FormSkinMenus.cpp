#include "skin/form/FormSkin.h"

#include "platform/window/User.h"
#include "skin/core/TskLayerManager.h"
#include "skin/form/skSkinChange.h"
#include "skin/form/skSkinHint.h"
#include "skin/form/skSkinMenus.h"

#include <array>

namespace {

// The names of the frame's own items in a system menu.
constexpr std::array<const char*, 6> kFrameItemNames{"BSF_MINITEM", "BSF_MAXITEM", "BSF_CLOSE",
                                                     "BSF_MINTOTRAY", "BSF_ROLLUP", "BSF_RESTORE"};

bool IsFrameItem(const TMenuItem* Item)
{
    for (const char* name : kFrameItemNames)
        if (Item->GetName() == name)
            return true;
    return false;
}

} // namespace

std::string TskFormSkin::MenuCaption(const char* Key, const char* Default) const
{
    TskSkinData* data = MenusData();
    if (data && data->ResourceStrData())
        return data->ResourceStrData()->GetResStr(Key);
    return Default;
}

TMenuItem* TskFormSkin::AddMenuItem(TMenuItem* Parent, int Index, const std::string& Name, const char* Key,
                                    const char* Default, std::function<void()> Action)
{
    auto* item = new TMenuItem(nullptr);
    item->SetName(Name);
    item->SetCaption(Key ? MenuCaption(Key, Default) : std::string(Default));
    if (Action)
        item->OnClick = [Action](TObject*) { Action(); };
    Parent->Insert(Index < 0 ? Parent->Count() : Index, item);
    return item;
}

bool TskFormSkin::FrameItemWanted(TFrameItem Kind) const
{
    const bool minimized = FWindowState == TWindowState::wsMinimized;
    const bool maximized = FWindowState == TWindowState::wsMaximized;
    switch (Kind) {
    case TFrameItem::Minimize: return !minimized && FBorderIcons.Contains(TskBorderIcon::biMinimize);
    case TFrameItem::Maximize: return !maximized && FBorderIcons.Contains(TskBorderIcon::biMaximize);
    case TFrameItem::Restore: return FWindowState != TWindowState::wsNormal || FRollUpState;
    case TFrameItem::RollUp:
        return FBorderIcons.Contains(TskBorderIcon::biRollUp) && !FRollUpState && !minimized && !IsMaximizedMDIChild();
    case TFrameItem::MinimizeToTray: return FBorderIcons.Contains(TskBorderIcon::biMinimizeToTray);
    case TFrameItem::Close: return true;
    }
    return false;
}

void TskFormSkin::AddFrameItem(TMenuItem* Parent, int Index, TFrameItem Kind)
{
    switch (Kind) {
    case TFrameItem::Minimize:
        AddMenuItem(Parent, Index, "BSF_MINITEM", "MI_MINCAPTION", "Mi&nimize", [this] {
            if (AlwaysMinimizeToTray)
                MinimizeToTray();
            else
                SetWindowState(TWindowState::wsMinimized);
        });
        break;
    case TFrameItem::Maximize:
        AddMenuItem(Parent, Index, "BSF_MAXITEM", "MI_MAXCAPTION", "Ma&ximize",
                    [this] { SetWindowState(TWindowState::wsMaximized); });
        break;
    case TFrameItem::Restore:
        AddMenuItem(Parent, Index, "BSF_RESTORE", "MI_RESTORECAPTION", "&Restore", [this] {
            if (FRollUpState && FWindowState != TWindowState::wsMinimized)
                SetRollUpState(false);
            else
                SetWindowState(TWindowState::wsNormal);
        });
        break;
    case TFrameItem::RollUp:
        AddMenuItem(Parent, Index, "BSF_ROLLUP", "MI_ROLLUPCAPTION", "Ro&llUp", [this] { SetRollUpState(true); });
        break;
    case TFrameItem::MinimizeToTray:
        AddMenuItem(Parent, Index, "BSF_MINTOTRAY", "MI_MINTOTRAYCAPTION", "Minimize to &Tray",
                    [this] { MinimizeToTray(); });
        break;
    case TFrameItem::Close:
        AddMenuItem(Parent, Index, "BSF_CLOSE", "MI_CLOSECAPTION", "&Close", [this] { FForm->Close(); })
            ->SetShortCut(TextToShortCut(IsMDIChild() ? "Ctrl+F4" : "Alt+F4"));
        break;
    }
}

void TskFormSkin::CreateSystemMenu()
{
    TMenuItem* items = FSysMenu->Items();
    items->Clear();
    for (TFrameItem kind : {TFrameItem::Minimize, TFrameItem::Maximize, TFrameItem::Restore, TFrameItem::RollUp,
                            TFrameItem::MinimizeToTray})
        if (FrameItemWanted(kind))
            AddFrameItem(items, -1, kind);
    if (items->Count() > 0)
        AddMenuItem(items, -1, "", nullptr, "-", nullptr);
    AddFrameItem(items, -1, TFrameItem::Close);
}

void TskFormSkin::UpdateUserSystemMenu()
{
    if (!UseDefaultSysMenu || !SystemMenu)
        return;
    TMenuItem* items = SystemMenu->Items();
    for (bool removed = true; removed;) {
        removed = false;
        for (int i = items->Count() - 1; i >= 0; --i)
            if (IsFrameItem(items->Items(i))) {
                items->Delete(i);
                removed = true;
            }
    }
    // Inserted at the top one after the other, so the last one ends first.
    for (TFrameItem kind : {TFrameItem::MinimizeToTray, TFrameItem::RollUp, TFrameItem::Maximize,
                            TFrameItem::Restore, TFrameItem::Minimize})
        if (FrameItemWanted(kind))
            AddFrameItem(items, 0, kind);
    AddFrameItem(items, -1, TFrameItem::Close);
}

TMenuItem* TskFormSkin::GetSystemMenuItems()
{
    if (SystemMenu) {
        UpdateUserSystemMenu();
        return SystemMenu->Items();
    }
    CreateSystemMenu();
    return FSysMenu->Items();
}

void TskFormSkin::CreateTrayMenu()
{
    TMenuItem* items = FSysTrayMenu->Items();
    AddMenuItem(items, -1, "TRAY_BSF_RESTORE", "MI_RESTORECAPTION", "&Restore", [this] { RestoreFromTray(); });
    AddMenuItem(items, -1, "", nullptr, "-", nullptr);
    AddMenuItem(items, -1, "TRAY_BSF_CLOSE", "MI_CLOSECAPTION", "&Close", [this] { FForm->Close(); })
        ->SetShortCut(TextToShortCut(IsMDIChild() ? "Ctrl+F4" : "Alt+F4"));
}

void TskFormSkin::SkinMenuOpen()
{
    if (!InMainMenu)
        HookAppMessages();
    if (!InMenu) {
        InMenu = true;
        if (auto handler = OnSkinMenuOpen)
            handler(this);
    }
}

void TskFormSkin::SkinMenuClose()
{
    if (FMenuLayerManager->IsVisible)
        FMenuLayerManager->Hide();
    InMenu = false;
    for (auto& o : ObjectList) {
        if (auto* b = dynamic_cast<TskSkinButtonObject*>(o.get()); b && b->MenuItem && b->Down()) {
            b->SetDown(false);
            break;
        }
        if (auto* a = dynamic_cast<TskSkinAnimateObject*>(o.get()); a && a->MenuItem && a->FMenuTracking) {
            a->Active = true;
            a->FFrame = a->CountFrames;
            a->FDown = a->FMenuTracking = a->Increment = false;
            AnimateTimer->SetEnabled(true);
            break;
        }
    }
    UnhookAppMessages();
    if (auto handler = OnSkinMenuClose)
        handler(this);
    if (InMainMenu)
        MainMenuExit();
}

void TskFormSkin::EnterMainMenu(TObject* Sender)
{
    HookAppMessages();
    const bool entering = !InMainMenu;
    InMainMenu = true;
    if (entering)
        if (auto handler = OnMainMenuEnter)
            handler(Sender);
}

void TskFormSkin::MainMenuExit()
{
    InMainMenu = false;
    if (FSkinMenu && FSkinMenu->Visible())
        FSkinMenu->Hide();
    if (MainMenuBar)
        MainMenuBar->DeactivateMenu();
    UnhookAppMessages();
    if (auto handler = OnMainMenuExit)
        handler(this);
}

void TskFormSkin::PopupSkinMenu(TMenu* Menu, POINT P)
{
    if (!FSkinMenu || !Menu)
        return;
    SkinMenuOpen();
    FSkinMenu->PopupAt(nullptr, MenusData(), 0, P.x, P.y, Menu->Items(), false);
}

void TskFormSkin::PopupSkinMenu1(TMenu* Menu, const RECT& R, bool PopupUp)
{
    if (!FSkinMenu || !Menu)
        return;
    SkinMenuOpen();
    FSkinMenu->Popup(nullptr, MenusData(), 0, R, Menu->Items(), PopupUp);
}

void TskFormSkin::DoPopupMenu(TPopupMenu* Menu, int X, int Y)
{
    if (!Menu)
        return;
    if (auto handler = Menu->OnPopup)
        handler(Menu);
    if (!FSkinMenu)
        return;
    if (FSkinMenu->Visible())
        SkinMenuClose();
    SkinMenuOpen();
    FSkinMenu->PopupAt(nullptr, FSD, 0, X, Y, Menu->Items(), false);
}

TskFormSkin* TskFormSkin::SystemMenuHost()
{
    // An MDI child's system menu opens through its main form's frame.
    TskFormSkin* host = IsMDIChild() ? MainFrame() : this;
    return host && host->FSkinMenu ? host : nullptr;
}

void TskFormSkin::PopupSystemMenuAt(int X, int Y)
{
    TskFormSkin* host = SystemMenuHost();
    if (!host)
        return;
    TMenuItem* items = GetSystemMenuItems();
    host->SkinMenuOpen();
    host->FSkinMenu->PopupAt(nullptr, host->MenusData(), 0, X, Y, items, false);
}

void TskFormSkin::PopupSystemMenuFromRect(const RECT& R)
{
    TskFormSkin* host = SystemMenuHost();
    if (!host)
        return;
    TMenuItem* items = GetSystemMenuItems();
    host->SkinMenuOpen();
    host->FSkinMenu->Popup(nullptr, host->MenusData(), 0, R, items, false);
}

void TskFormSkin::PopupSysMenuFromButton()
{
    for (auto& o : ObjectList) {
        TskStdCommand command = cmDefault;
        if (auto* s = dynamic_cast<TskSkinStdButtonObject*>(o.get()))
            command = s->Command;
        else if (auto* a = dynamic_cast<TskSkinAnimateObject*>(o.get()))
            command = a->Command;
        if (command != cmSysMenu || !o->Enabled)
            continue;
        PopupSystemMenuFromRect(FrameToScreen(o->ObjectRect));
    }
}

void TskFormSkin::FormShortCut(TWMKey& Msg, bool& Handled)
{
    if (auto handler = OnShortCut) {
        handler(Msg, Handled);
        if (Handled)
            return;
    }
    const TShiftState shift = KeyDataToShiftState(Msg.KeyData);
    const bool altOnly = shift == TShiftState{ssAlt};
    if (altOnly && Msg.CharCode == VK_SPACE) {
        if (!DisableSystemMenu)
            PopupSysMenuFromButton();
        FInShortCut = false;
        Handled = true;
        return;
    }
    if (FInShortCut) {
        FInShortCut = false;
        Handled = false;
    }
    if (MainMenuBar && altOnly && Msg.CharCode != VK_F4 && MainMenuBar->FindHotKey(Msg.CharCode)) {
        Handled = true;
        return;
    }
    if (MainMenu) {
        Handled = MainMenu->IsShortCut(ShortCut(Msg.CharCode, shift));
        FInShortCut = Handled;
    }
}

void TskFormSkin::HookAppMessages()
{
    if (FAppHookToken != 0)
        return;
    FAppHookToken = Application->AddMessageFilter([this](MSG& Msg, bool& Handled) {
        if (Msg.message == WM_KEYDOWN) {
            SkinMenuKeyDown(static_cast<WORD>(Msg.wParam));
            Handled = true;
            Msg.message = 0;
        } else if (Msg.message == WM_MOUSEWHEEL) {
            Handled = true;
            Msg.message = 0;
        }
    });
}

void TskFormSkin::UnhookAppMessages()
{
    if (FAppHookToken == 0)
        return;
    Application->RemoveMessageFilter(FAppHookToken);
    FAppHookToken = 0;
}

void TskFormSkin::SkinMenuKeyDown(WORD Key)
{
    if (InMainMenu && MainMenuBar && MainMenuBar->FindHotKey(Key))
        return;
    if (InMainMenu && Key == VK_ESCAPE && !InMenu) {
        MainMenuExit();
        return;
    }
    if (InMainMenu && MainMenuBar) {
        const int open = FSkinMenu && FSkinMenu->Visible() ? FSkinMenu->OpenCount() : 0;
        if (Key == VK_LEFT && open <= 1) {
            MainMenuBar->PriorMainMenuItem();
            return;
        }
        if (Key == VK_RIGHT && (open == 0 || !FSkinMenu->LastSelectedHasItems())) {
            MainMenuBar->NextMainMenuItem();
            return;
        }
        if ((Key == VK_RETURN || Key == VK_DOWN) && MainMenuBar->ExecuteActiveItem())
            return;
    }
    if (!FSkinMenu || !FSkinMenu->Visible() || FSkinMenu->OpenCount() == 0)
        return;
    FSkinMenu->KeyDown(Key);
    if (Key == VK_ESCAPE && FSkinMenu->OpenCount() == 0) {
        if (InMainMenu) {
            InMenu = false;
            if (MainMenuBar)
                MainMenuBar->ReleaseDownItem();
            if (auto handler = OnSkinMenuClose)
                handler(this);
        } else {
            SkinMenuClose();
        }
    }
}

void TskFormSkin::CloseMenusOnMessage(UINT Msg)
{
    switch (Msg) {
    case WM_MOVE: case WM_SIZE: case WM_ACTIVATE: case WM_KILLFOCUS: case WM_CANCELMODE: case WM_MOUSEACTIVATE:
    case WM_NCLBUTTONDOWN: case WM_NCRBUTTONDOWN: case WM_NCMBUTTONDOWN: case WM_LBUTTONDOWN: case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: case WM_PARENTNOTIFY:
        break;
    default:
        return;
    }
    if (ShowObjectHint && FSkinHint)
        FSkinHint->HideHint();
    if (InMainMenu && !InMenu) {
        MainMenuExit();
    } else if (!CloseOpenSkinMenu() && IsMDIForm() && FForm->GetVisible()) {
        // The main form's click or move also ends a menu the active child opened.
        if (TskFormSkin* child = GetFormSkinComponent(FForm->ActiveMDIChild()))
            child->CloseOpenSkinMenu();
    }
    CancelChildDropDowns();
}

bool TskFormSkin::CloseOpenSkinMenu()
{
    if (FSkinMenu && FSkinMenu->Visible()) {
        FSkinMenu->Hide();
        return true;
    }
    if (InMenu) {
        SkinMenuClose();
        return true;
    }
    return false;
}

void TskFormSkin::CancelChildDropDowns()
{
    if (!(ComponentState() == TComponentState{}) || !IsMDIForm() || !FForm->GetVisible())
        return;
    for (int i = 0; i < FForm->ComponentCount(); ++i) {
        auto* control = dynamic_cast<TControl*>(FForm->Components(i));
        if (control && dynamic_cast<TskDropDownCancelable*>(control) && control->GetVisible() && control->GetEnabled())
            control->Perform(CM_CANCELMODE, 0, 0);
    }
}
