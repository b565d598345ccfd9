#pragma once
// What a form's skinned frame asks of its menu manager. The frame opens every menu of its form
// (system menu, tray menu, menus linked to caption buttons) through one manager object and feeds
// it keys while a menu is open; the skinned menus implement this interface and register a
// factory. Without a factory a frame has no manager, and its menus simply do not open.

#include "platform/win/Types.h"

#include <functional>
#include <memory>

class TControl;
class TCustomForm;
class TFont;
class TMenuItem;
class TskFormSkin;
class TskSkinData;

class TskFrameMenu {
public:
    virtual ~TskFrameMenu() = default;

    // Opens the sub-items of AItem from StartIndex on next to the screen rectangle R (below it,
    // or above it with PopupUp), drawn from ASkinData. APopupCtrl is the control that opened the
    // menu (it gets SKM_SKINMENUCLOSED too), or nullptr.
    virtual void Popup(TControl* APopupCtrl, TskSkinData* ASkinData, int StartIndex, const RECT& R, TMenuItem* AItem,
                       bool PopupUp) = 0;
    // The same at the screen point X, Y; PopupByKey selects the first item.
    virtual void PopupAt(TControl* APopupCtrl, TskSkinData* ASkinData, int StartIndex, int X, int Y,
                         TMenuItem* AItem, bool PopupByKey) = 0;
    // Closes every open level (the form then gets SKM_SKINMENUCLOSED).
    virtual void Hide() = 0;
    // A menu window is open.
    virtual bool Visible() const = 0;
    // The number of open menu windows (levels).
    virtual int OpenCount() const = 0;
    // A key for the last open menu window (it moves the selection, runs or closes).
    virtual void KeyDown(WORD Key) = 0;
    // The selected entry of the last open window has sub-items.
    virtual bool LastSelectedHasItems() const { return false; }

    // Settings the frame passes on.
    virtual void SetMaxMenuItemsInWindow(int Value) = 0;
    virtual void SetAlphaBlend(bool Value) = 0;
    virtual void SetAlphaBlendValue(int Value) = 0;
    virtual void SetAlphaBlendAnimation(bool Value) = 0;
    virtual bool GetUseSkinFont() const = 0;
    virtual void SetUseSkinFont(bool Value) = 0;
    virtual int GetDefaultItemHeight() const = 0;
    virtual void SetDefaultItemHeight(int Value) = 0;
    virtual TFont* DefaultItemFont() = 0;
};

// What the frame asks of a main menu bar on its form: keyboard mode and the moves the frame's
// keys make while it is in it.
class TskFrameMenuBar {
public:
    virtual ~TskFrameMenuBar() = default;
    virtual void ActivateMenu() = 0;
    virtual void NextMainMenuItem() = 0;
    virtual void PriorMainMenuItem() = 0;
    // Opens or runs the hot or pressed item; false when there was none.
    virtual bool ExecuteActiveItem() = 0;
    // Selects (and opens or runs) the item whose accelerator Key is; false when none has it.
    virtual bool FindHotKey(WORD Key) = 0;
    virtual void ReleaseDownItem() = 0;
    virtual void DeactivateMenu() = 0;
    // An MDI child of the form became active or went: a bar that shows (or showed) a child's
    // menu rebuilds its items.
    virtual void MDIChildChanged() = 0;
    // A child of the form was maximised, or restored (another may still be maximised).
    virtual void MDIChildMaximize() = 0;
    virtual void MDIChildRestore() = 0;
};

// Makes the menu manager of a frame (Owner) on Form.
using TskFrameMenuFactory = std::function<std::unique_ptr<TskFrameMenu>(TskFormSkin* Owner, TCustomForm* Form)>;
// Installs the factory every frame made afterwards uses; nullptr removes it.
void SetFrameMenuFactory(TskFrameMenuFactory Factory);
const TskFrameMenuFactory& GetFrameMenuFactory();
