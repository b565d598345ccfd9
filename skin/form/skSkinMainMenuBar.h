#pragma once
// The skinned main menu bar: a form's main menu shown as a bar of items inside the client area.
// Pressing an item opens its sub-menu through the menu manager of the form's frame; while a menu
// is open, moving over another item moves the menu there. The frame routes the keyboard to the
// bar (Alt or F10 enters it, arrows move, Enter or Down opens, accelerators select, Escape
// leaves). Items that do not fit are hidden and listed by the menu of a marker at the right end.

#include "classlib/ExtCtrls.h"
#include "classlib/Menus.h"
#include "skin/core/skDataSkinObjects.h"
#include "skin/form/skFrameMenu.h"
#include "skin/form/skSkinCtrls.h"

#include <memory>
#include <vector>

class TskFormSkin;
class TskSkinMainMenuBar;

// A main menu that carries the skin data its menus are drawn from.
class TskSkinMainMenu : public TMainMenu {
public:
    using TMainMenu::TMainMenu;
    TskSkinData* GetSkinData() const { return FSD; }
    void SetSkinData(TskSkinData* Value);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TskSkinData* FSD = nullptr;
};

// One item of the bar.
class TskSkinMainMenuBarItem : public TObject {
public:
    TskSkinMainMenuBarItem(TskSkinMainMenuBar* AParent, TMenuItem* AMenuItem, TskDataSkinMainMenuBarItem* AData);

    void MouseEnter();
    void MouseLeave();
    void MouseDown();
    void SetDown(bool Value);
    void ReDraw();
    void Draw(TCanvas* Cnvs);
    bool EnableMorphing() const;
    bool CanMorphing() const;
    void DoMorphing();
    // The description has frame cells and the skin allows effects.
    bool EnableAnimation() const;
    // One step of the frame animation towards the hot or the normal look; false when none moved.
    bool Animate();

    TskSkinMainMenuBar* Parent;
    TMenuItem* MenuItem;
    TskDataSkinMainMenuBarItem* D;  // nullptr: the default look
    TBitmap* Picture = nullptr;
    RECT ObjectRect{};
    bool Active = false;
    bool FMouseIn = false;
    bool FDown = false;
    bool Enabled = true;
    bool OldEnabled = true;
    // The item fits in the bar.
    bool Visible = true;
    double MorphKf = 0;
    // 1..FrameCount: the frame cell shown; 0 the normal look, FrameCount + 1 the hot one.
    int CurrentFrame = 0;

private:
    void DrawSkinned(TCanvas* Cnvs);
    // Cell CurrentFrame of the description's animation strip.
    RECT AnimationCell() const;
    void DrawDefault(TCanvas* Cnvs);
    void TrackMenu();
};

// One of the buttons of a maximised MDI child the bar of the main form shows: system menu, close,
// restore and minimise. They act on the maximised child's frame.
class TskSkinMainMenuBarButton : public TObject {
public:
    TskSkinMainMenuBarButton(TskSkinMainMenuBar* AParent, const std::string& AName, TskStdCommand ADefault);

    void MouseEnter();
    void MouseLeave();
    void MouseDown();
    void MouseUp();
    void DblClick();
    void Draw(TCanvas* Cnvs);
    // The button's size before it is placed.
    SIZE Size(int ItemsHeight) const;
    bool EnableMorphing() const;
    bool CanMorphing() const;
    void DoMorphing();
    void ReDraw();

    TskSkinMainMenuBar* Parent;
    TskDataSkinMainMenuBarButton* D = nullptr;  // nullptr: the default look
    TBitmap* Picture = nullptr;
    std::string IDName;
    TskStdCommand Command;
    RECT ObjectRect{};
    bool Active = false;
    bool FDown = false;
    bool Enabled = true;
    double MorphKf = 0;

private:
    void DefaultDraw(TCanvas* Cnvs);
    void DoCommand();
};

using TskItemEnterEvent = std::function<void(TMenuItem* MenuItem)>;

class TskSkinMainMenuBar : public TskSkinControl, public TskFrameMenuBar {
public:
    explicit TskSkinMainMenuBar(TComponent* AOwner);
    ~TskSkinMainMenuBar() override;

    TMainMenu* GetMainMenu() const { return FMainMenu; }
    void SetMainMenu(TMainMenu* Value);
    TskFormSkin* GetFormSkin() const { return FFormSkin; }
    // Registers the bar with the frame, whose keys then reach it.
    void SetFormSkin(TskFormSkin* Value);
    TFont* DefItemFont() const { return FDefItemFont.get(); }
    int GetDefaultHeight() const { return FDefaultHeight; }
    void SetDefaultHeight(int Value);

    void CreateMenu();
    void UpDateItems();
    void UpDateEnabledItems();
    // Shows Menu's items merged with the main menu's by group index (a stable sort).
    void Merge(TMainMenu* Menu);
    void UnMerge();
    // The menu merged into the bar: the merged menu, else (in an MDI main form) the first main
    // menu of the active MDI child; nullptr when none.
    TMainMenu* GetChildMainMenu() const;
    // A child menu is merged.
    bool ChildMenuIn() const { return FChildMenu != nullptr; }

    void ActivateMenu() override;
    void NextMainMenuItem() override;
    void PriorMainMenuItem() override;
    bool ExecuteActiveItem() override;
    bool FindHotKey(WORD Key) override;
    void ReleaseDownItem() override;
    void DeactivateMenu() override;
    void MDIChildChanged() override;
    void MDIChildMaximize() override;
    void MDIChildRestore() override;
    // The maximised child's buttons: system menu, close, restore, minimise; empty when none shows.
    int ButtonsCount() const { return static_cast<int>(FButtons.size()); }
    TskSkinMainMenuBarButton* Button(int Index) const { return FButtons[static_cast<std::size_t>(Index)].get(); }

    int ItemCount() const { return static_cast<int>(FItems.size()); }
    TskSkinMainMenuBarItem* Item(int Index) const { return FItems[static_cast<std::size_t>(Index)].get(); }
    bool MenuActive() const { return FMenuActive; }
    // Some item did not fit at the last layout.
    bool Scrolled() const { return FScroll; }
    RECT MarkerRect() const;
    // Follows the pointer at (X, Y) in client coordinates; (-1, -1) when it left.
    void TestActive(int X, int Y);
    void DrawObject(TskSkinMainMenuBarItem* Item);
    void DrawButton(TskSkinMainMenuBarButton* Button);
    void CalcItemsRect();
    void PopupScrollMenu();
    TskDataSkinMainMenuBar* BarDescription() const { return FSkinSupport ? FDesc : nullptr; }

    bool ScrollMenu = true;
    bool UseSkinFont = true;
    bool PopupToUp = false;
    TskItemEnterEvent OnItemMouseEnter, OnItemMouseLeave;

protected:
    void LookupSkinData() override;
    void ChangeSkinData() override;
    void Paint() override;
    void Dispatch(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    friend class TskSkinMainMenuBarItem;
    void SetItemFont(TCanvas* C, const TskSkinMainMenuBarItem* Item) const;
    int TextWidth(const TskSkinMainMenuBarItem* Item);
    int IndexOf(const TskSkinMainMenuBarItem* Item) const;
    bool Selectable(int Index) const;
    void MouseTimerTick();
    void MorphTimerTick();
    void AnimateTimerTick();
    void CreateMDIButtons();
    void CheckMDIButtons();
    void PlaceMDIButtons();
    void TestActiveButton(int X, int Y);
    friend class TskSkinMainMenuBarButton;

    std::unique_ptr<TFont> FDefItemFont;
    bool FSkinSupport = false;
    bool FMenuActive = false;
    bool FScroll = false;
    bool FMarkerActive = false;
    TskFormSkin* FFormSkin = nullptr;
    TMainMenu* FMainMenu = nullptr;
    TMainMenu* FMergeMenu = nullptr;
    TMainMenu* FChildMenu = nullptr;
    int FDefaultHeight = 22;
    int ActiveObject = -1;
    int OldActiveObject = -1;
    RECT NewItemsRect{};
    TskDataSkinMainMenuBar* FDesc = nullptr;
    TBitmap* FPicture = nullptr;
    std::unique_ptr<TTimer> MouseTimer;
    std::unique_ptr<TTimer> MorphTimer;
    std::unique_ptr<TTimer> AnimateTimer;
    std::vector<std::unique_ptr<TskSkinMainMenuBarItem>> FItems;
    std::vector<std::unique_ptr<TskSkinMainMenuBarButton>> FButtons;
    bool FMDIChildMax = false;
    TskSkinMainMenuBarButton* FHotButton = nullptr;
    TskSkinMainMenuBarButton* FCaptureButton = nullptr;
};
