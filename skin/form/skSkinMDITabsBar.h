#pragma once
// The tabs bar of an MDI main form: one tab per MDI child. A click shows the child, a right
// click opens its system menu, optional close buttons close it, tabs can be dragged into another
// order, a list button at the left lists every child and a second one at the right lists the
// children whose tabs found no room. The bar draws from the skin's "tab" description; the main
// form's frame keeps its tabs in step with the children.

#include "skin/form/skSkinCtrls.h"

#include <functional>
#include <memory>
#include <utility>
#include <vector>

class TCustomForm;
class TMenuItem;
class TskFormSkin;
class TskSkinMDITabsBar;
class TskSkinMenuSpeedButton;
class TskSkinPopupMenu;

enum class TskSkinMDITabKind { sktkTab, sktkButton };

class TskMDITab {
public:
    TskMDITab(TskSkinMDITabsBar* AParentBar, TCustomForm* AChild);

    void Draw(TCanvas* Cnvs);
    void ButtonDraw(TCanvas* Cnvs);
    void ResizeDraw(TCanvas* Cnvs);
    void DrawCloseButton(TCanvas* Cnvs, const RECT& R);
    // The close button in bar client coordinates.
    RECT CloseButtonOnBar() const;

    TskSkinMDITabsBar* TabsBar;
    bool Active = false;
    bool MouseIn = false;
    RECT ObjectRect{};
    TCustomForm* Child;
    bool Visible = false;
    RECT ButtonRect{};
    bool ButtonMouseIn = false;
    bool ButtonMouseDown = false;
    TColor TextFontColor = clBlack;

private:
    // The child's caption, shortened to R, centred in R on Cnvs with the canvas's font.
    void DrawCaption(TCanvas* Cnvs, const RECT& R);
};

using TskMDITabMouseEvent = std::function<void(TskMDITab* MDITab)>;
using TskMDITabMouseButtonEvent = std::function<void(TMouseButton Button, TShiftState Shift, TskMDITab* MDITab)>;
using TskMDITabGetDrawParamsEvent = std::function<void(TskMDITab* MDITab, TCanvas* Cnvs)>;

class TskSkinMDITabsBar : public TskSkinControl {
public:
    explicit TskSkinMDITabsBar(TComponent* AOwner);
    ~TskSkinMDITabsBar() override;

    void AddTab(TCustomForm* Child);
    void DeleteTab(TCustomForm* Child);
    int GetTabIndex(int X, int Y) const;
    TskMDITab* GetTab(int X, int Y) const;
    int GetCloseSize() const;
    void CheckActive();
    // Lays the tabs out for the current size (runs before every paint).
    void CalcTabRects();
    // Draws the tabs of Child on the bar's canvas.
    void RefreshTab(TCustomForm* Child);

    int TabCount() const { return static_cast<int>(ObjectList.size()); }
    TskMDITab* Tab(int Index) const { return ObjectList[static_cast<std::size_t>(Index)].get(); }
    int InVisibleCount() const { return FInVisibleCount; }
    bool Dragging() const { return IsDrag; }
    TskSkinMenuSpeedButton* ListButton() const { return FListButton; }
    TskSkinMenuSpeedButton* HideListButton() const { return FHideListButton; }
    TskSkinPopupMenu* ListMenu() const { return FListMenu; }
    TskSkinPopupMenu* HideListMenu() const { return FHideListMenu; }

    bool GetShowCloseButtons() const { return FShowCloseButtons; }
    void SetShowCloseButtons(bool Value) { FShowCloseButtons = Value; }
    TskSkinMDITabKind GetTabKind() const { return FTabKind; }
    void SetTabKind(TskSkinMDITabKind Value);
    TskFormSkin* GetFormSkin() const { return BSF; }
    void SetFormSkin(TskFormSkin* Value);
    bool GetSupportChildMenus() const { return FSupportChildMenus; }
    void SetSupportChildMenus(bool Value) { FSupportChildMenus = Value; }
    bool GetUseSkinSize() const { return FUseSkinSize; }
    void SetUseSkinSize(bool Value) { FUseSkinSize = Value; }
    bool GetUseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }
    bool GetMoveTabs() const { return FMoveTabs; }
    void SetMoveTabs(bool Value) { FMoveTabs = Value; }
    int GetDefaultHeight() const { return FDefaultHeight; }
    void SetDefaultHeight(int Value);
    TFont* DefaultFont() const { return FDefaultFont.get(); }
    void SetDefaultFont(TFont* Value);
    int GetDefaultTabWidth() const { return FDefaultTabWidth; }
    void SetDefaultTabWidth(int Value) { FDefaultTabWidth = Value; }
    int GetMinTabWidth() const { return FMinTabWidth; }
    void SetMinTabWidth(int Value) { FMinTabWidth = Value; }

    void LookupSkinData() override;
    void ChangeSkinData() override;
    void CheckParentBackground() override;
    void Dispatch(TMessage& Message) override;

    TskMDITabMouseEvent OnTabMouseEnter, OnTabMouseLeave;
    TskMDITabMouseButtonEvent OnTabMouseDown, OnTabMouseUp;
    TskMDITabGetDrawParamsEvent OnTabGetDrawParamsEvent;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void AdjustClientRect(RECT& Rect) override;
    void Paint() override;
    void CreateControlDefaultImage(TBitmap* B) override;
    void CreateControlSkinImage(TBitmap* B) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    friend class TskMDITab;

    bool Skinned() const { return Desc() != nullptr; }
    // Tab height: the bar's height less the bottom strip for tabs.
    int TabHeight() const;
    int IndexOf(const TskMDITab* Tab) const;
    void DrawTab(TskMDITab* Tab);
    void DrawTabs(TCanvas* Cnvs);
    void DrawDropMarker(TCanvas* Cnvs, int X);
    void TestActive(int X, int Y);
    int GetMoveIndex() const;
    void EndDrag();
    void OpenChildSystemMenu(TskMDITab* Tab, int X, int Y);
    TskSkinMenuSpeedButton* MakeListButton(bool Hidden);
    void SyncHideListButton();
    void FillListMenu(bool Hidden);
    void ListItemClick(TObject* Sender);
    static void ShowChild(TCustomForm* Child);

    int FBottomOffset = 0;
    bool FShowCloseButtons = false;
    int FMinTabWidth = 0;
    TskSkinMDITabKind FTabKind = TskSkinMDITabKind::sktkTab;
    bool FSupportChildMenus = true;
    bool IsDrag = false;
    int DX = 0;
    int TabDX = 0;
    bool FDown = false;
    int DragIndex = -1;
    int FDefaultTabWidth = 100;
    int FDefaultHeight = 21;
    std::unique_ptr<TFont> FDefaultFont;
    int ActiveTabIndex = -1;
    int OldTabIndex = -1;
    bool FMoveTabs = true;
    bool FUseSkinSize = true;
    bool FUseSkinFont = true;
    TskFormSkin* BSF = nullptr;
    TskSkinMenuSpeedButton* FListButton = nullptr;
    TskSkinMenuSpeedButton* FHideListButton = nullptr;
    TskSkinPopupMenu* FListMenu = nullptr;
    TskSkinPopupMenu* FHideListMenu = nullptr;
    int FInVisibleCount = 0;
    int FCloseSize = 14;
    std::vector<std::unique_ptr<TskMDITab>> ObjectList;
    // The children the list menus' items stand for (refilled with the menus).
    std::vector<std::pair<TMenuItem*, TCustomForm*>> FListItems;
    // The tab whose close button took the last left press.
    TskMDITab* FCloseDownTab = nullptr;

    // Read again on every use: descriptions and pictures go with their skin.
    const TskDataSkinTabControl* Desc() const { return Description<TskDataSkinTabControl>(); }
    TBitmap* Picture() const;
    // The description's rectangles with their fall-backs (empty ones take the plainer state).
    RECT ActiveTabRect() const;
    RECT MouseInTabRect() const;
    RECT CloseButtonActiveRect() const;
    RECT CloseButtonDownRect() const;
    int ActiveTabOffset() const;
};
