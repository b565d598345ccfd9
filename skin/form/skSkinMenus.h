#pragma once
// Skinned menus. A menu is shown as a chain of borderless top-level windows, one per open level
// (TskSkinPopupWindow), each listing the visible children of one menu item as TskSkinMenuItem
// objects drawn from the skin's menu-item description or in a default look. The windows never
// take the activation or the keyboard: the form that opened the menu keeps both and hands its
// keys to the menu manager (TskSkinMenu), which keeps the chain, opens submenus after a delay
// or at once, runs commands and closes the chain. TskSkinPopupMenu is a popup menu that shows
// itself through the manager of the form serving it. TskSkinImagesMenu is a drop-down grid of
// images.
//
// A window is never freed inside its own message handling: closing hides it at once and frees
// it once the handler has returned (ReleaseControl).

#include "classlib/Controls.h"
#include "classlib/ExtCtrls.h"
#include "classlib/Forms.h"
#include "classlib/ImgList.h"
#include "classlib/Menus.h"
#include "skin/core/skSkinData.h"
#include "skin/form/skFrameMenu.h"

#include <memory>
#include <string>
#include <vector>

class TskSkinMenu;
class TskSkinPopupWindow;
class TskSkinHint;

// The default marks of menu items, at X, Y in Color.
void DrawMenuCheckGlyph(TCanvas* Cnvs, int X, int Y, TColor Color);
void DrawMenuArrowGlyph(TCanvas* Cnvs, int X, int Y, TColor Color);
void DrawMenuRadioGlyph(TCanvas* Cnvs, int X, int Y, TColor Color);

// Pop-up windows of the menus: a tool window that is never activated, over the application's
// window.
void SetPopupWindowParams(TCreateParams& Params);
// A window picture that exists and holds R (with area): only then can a pop-up frame be composed
// from it; otherwise the window takes the default look.
bool PictureHolds(TBitmap* Picture, const RECT& R);
// The default look of a hot or pressed part: a navy frame round a light or darker blue face.
void DrawDefaultHotFace(TCanvas* Cnvs, const RECT& R, bool Pressed);
// A default bar part of Width x Height drawn into B: the hot face when hot or pressed, else plain.
TCanvas* BeginDefaultBarPart(TBitmap* B, int Width, int Height, bool Hot, bool Pressed);
// A band Width wide from the label description ControlIndex of SD with Caption centred in its
// client part; false (B untouched) without such a description or picture.
bool BuildLabelBand(TBitmap* B, TskSkinData* SD, int ControlIndex, int Width, const std::string& Caption);

// The window messages after which a form closes its open menu.
bool IsMenuCloseMessage(UINT Msg);

// The first menu-item description of the skin's object list, or nullptr.
TskDataSkinMenuItem* FindMenuItemData(TskSkinData* SD);

// One entry of a menu window. Items never write the skin's descriptions: one whose picture is
// missing is drawn in the default look.
class TskSkinMenuItem : public TObject {
public:
    TskSkinMenuItem(TskSkinPopupWindow* AParent, TMenuItem* AMenuItem, TskDataSkinMenuItem* AData);
    ~TskSkinMenuItem() override = default;

    bool EnableMorphing() const;
    bool EnableAnimation() const;
    virtual bool CanMorphing();
    void DoMorphing();
    double MorphKf() const { return FMorphKf; }
    void SetMorphKf(double Value);
    void RefreshState();
    void MouseEnter(bool Kb);
    void MouseLeave();
    void MouseDown();
    void Draw(TCanvas* Cnvs);
    void DefaultDraw(TCanvas* Cnvs);
    // A divider (caption "-").
    bool IsDivider() const;
    // Ordinary item height or divider height for this window's look.
    int Height() const;

    TskSkinPopupWindow* Parent;
    TskDataSkinMenuItem* MI;
    TBitmap* ActivePicture = nullptr;
    TMenuItem* MenuItem;
    RECT ObjectRect{};
    bool Active = false;
    bool Down = false;
    bool FVisible = true;
    bool WaitCommand = false;
    int CurrentFrame = 0;

private:
    void CreateItemImage(TBitmap* B, bool AActive, bool FromFrame, const RECT& FrameRect);
    RECT GetFrameRect() const;
    void DrawHeaderItem(TCanvas* Cnvs, const RECT& R, const std::string& Caption);
    void DrawMarkImage(TCanvas* Cnvs, const RECT& R, const RECT& Normal, const RECT& ActiveRect, bool AActive);
    void SetItemFont(TCanvas* Cnvs);
    void DrawCaptionAndShortCut(TCanvas* Cnvs, const RECT& TR, int Glyph, int RightMargin);
    bool DrawNamedMark(TCanvas* Cnvs, int X, int Y, TColor Color);
    bool HasGlyph() const;
    void DrawGlyph(TCanvas* Cnvs, const RECT& TR, const RECT& ImageRct, TColor Color);

    double FMorphKf = 0;
};

class TskSkinPopupWindow : public TCustomControl {
public:
    TskSkinPopupWindow(TComponent* AOwner, TskSkinMenu* AParentMenu, TskDataSkinPopupWindow* AData);
    ~TskSkinPopupWindow() override;

    void Show(const RECT& R, TMenuItem* AItem, int StartIndex, bool PopupByItem, bool PopupUp);
    void Show2(const RECT& R, TMenuItem* AItem, TMenuItem* AItem2, int StartIndex, bool PopupByItem, bool PopupUp);
    void Hide();
    void PaintMenu(HDC DC);
    void PopupKeyDown(WORD CharCode);
    void CloseChildPopups();
    void DrawItem(TskSkinMenuItem* Item);

    bool Visible() const { return FShown; }
    bool Skinned() const { return PW != nullptr; }
    TskSkinMenu* ParentMenu() const { return FParentMenu; }
    TskSkinData* SD() const { return FSD; }
    TCustomImageList* ImgL() const { return FImgL; }
    int GlyphWidth() const { return FGlyphWidth; }
    TBitmap* PaintBuffer() const { return FPaintBuffer.get(); }
    int ItemCount() const { return static_cast<int>(ItemList.size()); }
    TskSkinMenuItem* Item(int Index) const { return ItemList[static_cast<std::size_t>(Index)].get(); }
    int ActiveItem() const { return FActiveItem; }
    bool Scroll() const { return FScroll; }
    int VisibleStartIndex() const { return FVisibleStartIndex; }
    int VisibleCount() const { return FVisibleCount; }
    RECT ItemsRect() const { return NewItemsRect; }
    int ScrollCode() const { return FScrollCode; }
    // The last index the list may start at so that the last item is shown.
    int LastStartIndex() const;

    // Advances every animating item one step (the morph timer's tick).
    void MorphTimerProc();
    // Follows the pointer (the mouse timer's tick).
    void MouseTimerProc();
    void TrackMouse(int X, int Y);
    // The scroll strip's tick.
    void ScrollTimerProc();

protected:
    void CreateParams(TCreateParams& Params) override;
    void Dispatch(TMessage& Message) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    friend class TskSkinMenuItem;
    void CreateMenu(TMenuItem* AItem, TMenuItem* AItem2, int StartIndex);
    void AddItems(TMenuItem* AItem, int StartIndex);
    void CalcSize(bool Two);
    int GetMenuWidth();
    int GetMenuHeight(bool Two);
    void CalcShowPosition(const RECT& R, bool PopupByItem, bool PopupUp);
    void ShowWindowAt(bool Fade);
    void ArrangeItems();
    void SetMenuRegion();
    void CreateWindowImage(TBitmap* B, bool DrawCentre);
    void DrawScrollAreaBackground(TCanvas* Cnvs, const RECT& R);
    void DrawUpMarker(TCanvas* Cnvs);
    void DrawDownMarker(TCanvas* Cnvs);
    void RedrawMarkers();
    RECT UpStrip() const;
    RECT DownStrip() const;
    bool CanScroll(int Code) const;
    void StartScroll();
    void StopScroll();
    void ScrollUp(bool Wrap);
    void ScrollDown(bool Wrap);
    void SelectNextItem();
    void SelectPrevItem();
    bool SelectByAccel(WORD CharCode);
    bool IsPointInItem(int X, int Y) const;
    void FadeStep();

    TskSkinMenu* FParentMenu;
    TskSkinData* FSD = nullptr;
    TskDataSkinPopupWindow* PW = nullptr;
    TskDataSkinMenuItem* DSMI = nullptr;
    TBitmap* WindowPicture = nullptr;
    TBitmap* MaskPicture = nullptr;
    TCustomImageList* FImgL = nullptr;
    int FGlyphWidth = 19;
    int FVisibleCount = 0;
    int FVisibleStartIndex = 0;
    bool FScroll = false;
    bool FScroll2 = false;
    int FScrollCode = 0;
    bool FShown = false;
    POINT NewLTPoint{}, NewRTPoint{}, NewLBPoint{}, NewRBPoint{};
    RECT NewItemsRect{};
    HRGN FRgn = nullptr;
    int ShowX = 0, ShowY = 0;
    int OMX = -1, OMY = -1;
    int FOldActiveItem = -1;
    int FActiveItem = -1;
    int FAlpha = 0;
    std::unique_ptr<TTimer> MouseTimer;
    std::unique_ptr<TTimer> MorphTimer;
    std::unique_ptr<TTimer> FadeTimer;
    std::vector<std::unique_ptr<TskSkinMenuItem>> ItemList;
    std::unique_ptr<TBitmap> FPaintBuffer;
};

// The menu manager of one form. InstallSkinMenus makes every skinned frame use one.
class TskSkinMenu : public TComponent, public TskFrameMenu {
public:
    TskSkinMenu(TComponent* AOwner, TCustomForm* AForm);
    ~TskSkinMenu() override;

    // Opens the children of AItem from StartIndex next to the screen rectangle R (below it, or
    // above it with PopupUp). APopupCtrl (may be nullptr) is told when the menu closes.
    void Popup(TControl* APopupCtrl, TskSkinData* ASkinData, int StartIndex, const RECT& R, TMenuItem* AItem,
               bool PopupUp) override;
    void PopupAt(TControl* APopupCtrl, TskSkinData* ASkinData, int StartIndex, int X, int Y, TMenuItem* AItem,
                 bool PopupByKey) override;
    // The children of AItem and then those of AItem2 in one window.
    void Popup2(TControl* APopupCtrl, TskSkinData* ASkinData, int StartIndex, const RECT& R, TMenuItem* AItem,
                TMenuItem* AItem2, bool PopupUp);
    // Closes the whole menu and tells the form.
    void Hide() override;
    void ProcessMenuItem(TskSkinPopupWindow* APopupWindow, TskSkinMenuItem* AItem, bool Kb, bool Click);
    // Closes the windows from position Index on; 0 ends the menu.
    void CloseFrom(int Index);
    int IndexOfPopup(const TskSkinPopupWindow* APopupWindow) const;
    int OpenCount() const override { return static_cast<int>(FPopupList.size()); }
    TskSkinPopupWindow* PopupWindow(int Index) const { return FPopupList[static_cast<std::size_t>(Index)]; }
    // A key for the last open window.
    void KeyDown(WORD Key) override;
    bool LastSelectedHasItems() const override;

    bool Visible() const override { return FVisible; }
    bool First() const { return FFirst; }
    TskSkinData* SkinData() const { return FSkinData; }
    const RECT& WorkArea() const { return FWorkArea; }
    TCustomForm* Form() const { return FForm; }
    TskSkinMenuItem* WItem() const { return FWItem; }
    void StopWaiting();

    bool UseSkinFont = true;
    int DefaultMenuItemHeight = 20;
    TFont* DefaultMenuItemFont() const { return FDefaultMenuItemFont.get(); }
    void SetDefaultMenuItemFont(TFont* Value) { FDefaultMenuItemFont->Assign(Value); }
    bool AlphaBlend = false;
    int AlphaBlendValue = 150;
    bool AlphaBlendAnimation = false;
    int MaxMenuItemsInWindow = 0;
    // Fired once when the menu closes, then cleared.
    TNotifyEvent OnMenuClose;

    void SetMaxMenuItemsInWindow(int Value) override { MaxMenuItemsInWindow = Value; }
    void SetAlphaBlend(bool Value) override { AlphaBlend = Value; }
    void SetAlphaBlendValue(int Value) override { AlphaBlendValue = Value; }
    void SetAlphaBlendAnimation(bool Value) override { AlphaBlendAnimation = Value; }
    bool GetUseSkinFont() const override { return UseSkinFont; }
    void SetUseSkinFont(bool Value) override { UseSkinFont = Value; }
    int GetDefaultItemHeight() const override { return DefaultMenuItemHeight; }
    void SetDefaultItemHeight(int Value) override { DefaultMenuItemHeight = Value; }
    TFont* DefaultItemFont() override { return FDefaultMenuItemFont.get(); }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void BeforeDestruction() override;

private:
    bool BeginOpening(TControl* APopupCtrl, TskSkinData* ASkinData);
    TskSkinPopupWindow* AddPopupWindow();
    void WaitTimerProc();
    void SendToControl(TControl* Ctrl, UINT Msg);

    bool FFirst = false;
    bool FVisible = false;
    TControl* PopupCtrl = nullptr;
    TControl* DCtrl = nullptr;
    TCustomForm* FForm;
    std::unique_ptr<TTimer> WaitTimer;
    TskSkinMenuItem* FWItem = nullptr;
    RECT FWorkArea{};
    TskSkinData* FSkinData = nullptr;
    std::vector<TskSkinPopupWindow*> FPopupList;
    std::unique_ptr<TFont> FDefaultMenuItemFont;
};

// Makes every skinned frame created afterwards show its menus through a TskSkinMenu.
void InstallSkinMenus();

class TskFormSkin;

// A popup menu shown through the menu manager of the skinned frame that serves it: its
// SkinComponent, else the frame of ComponentForm, else that of the form owning it (or owning its
// owner; an MDI child's menus are served by the main form's frame). Without a frame nothing shows.
class TskSkinPopupMenu : public TPopupMenu {
public:
    explicit TskSkinPopupMenu(TComponent* AOwner);

    void Popup(int X, int Y) override;
    void PopupFromRect(const RECT& R, bool APopupUp);
    // The same with ACtrl as the opener (it hears when the menu closes); false when nothing
    // opened (no frame serves the menu, or it has no items).
    void Popup2(TControl* ACtrl, int X, int Y);
    bool PopupFromRect2(TControl* ACtrl, const RECT& R, bool APopupUp);

    POINT PopupPoint() const { return FPopupPoint; }
    TskSkinData* GetSkinData() const { return FSD; }
    void SetSkinData(TskSkinData* Value);
    TCustomForm* ComponentForm = nullptr;
    TskFormSkin* SkinComponent = nullptr;
    TNotifyEvent OnMenuClose;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TskFormSkin* FindSkinForm();
    bool Open(TControl* ACtrl, const RECT& R, bool APopupUp, bool NeedSkinData);

    POINT FPopupPoint{-1, -1};
    TskSkinData* FSD = nullptr;
};

class TskSkinImagesMenu;
class TskSkinImagesMenuPopupWindow;

// One entry of an images menu: a cell with an image, a full-width button with image and caption,
// or a header row that cannot be chosen.
class TskImagesMenuItem : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;
    void Assign(TPersistent* Source) override;

    int ImageIndex = -1;
    std::string Caption;
    TNotifyEvent OnClick;
    bool Button = false;
    bool Header = false;
    std::string Hint;
    RECT ItemRect{};
};

class TskImagesMenuItems : public TOwnedCollection {
public:
    explicit TskImagesMenuItems(TPersistent* AOwner);
    TskImagesMenuItem* Items(int Index) const { return static_cast<TskImagesMenuItem*>(GetItem(Index)); }
    TskImagesMenuItem* Add() { return static_cast<TskImagesMenuItem*>(TCollection::Add()); }
};

// A drop-down grid of images. While open it holds the mouse capture and reads the application's
// messages through a message filter: outside clicks close it without events, keys move in it.
class TskSkinImagesMenu : public TComponent {
public:
    explicit TskSkinImagesMenu(TComponent* AOwner);
    ~TskSkinImagesMenu() override;

    void Popup(int X, int Y);
    void PopupFromRect(const RECT& R);
    // Hides an open grid without events.
    void Hide();
    // The grid window hides: frees it, then the close and item events.
    void CloseUp(bool ProcessEvents);

    TCustomImageList* GetImages() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    TskImagesMenuItems* ImagesItems() const { return FImagesItems.get(); }
    int ItemIndex = -1;
    int GetColumnsCount() const { return FColumnsCount; }
    // Values outside 1 to 50 are ignored.
    void SetColumnsCount(int Value);
    TskSkinData* GetSkinData() const { return FSkinData; }
    void SetSkinData(TskSkinData* Value);
    TskSkinHint* GetSkinHint() const { return FSkinHint; }
    void SetSkinHint(TskSkinHint* Value);
    TskImagesMenuItem* SelectedItem() const;
    TskSkinImagesMenuPopupWindow* PopupWindow() const { return FPopupWindow; }
    TFont* DefaultFont() const { return FDefaultFont.get(); }

    bool ShowSelectedItem = true;
    bool AlphaBlend = false;
    bool AlphaBlendAnimation = false;
    int AlphaBlendValue = 200;
    bool UseSkinFont = true;
    bool ShowHints = true;
    TNotifyEvent OnItemClick, OnChange, OnInternalChange, OnMenuClose, OnMenuPopup, OnInternalMenuClose;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TCustomImageList* FImages = nullptr;
    std::unique_ptr<TskImagesMenuItems> FImagesItems;
    int FColumnsCount = 1;
    TskSkinData* FSkinData = nullptr;
    TskSkinHint* FSkinHint = nullptr;
    TskSkinImagesMenuPopupWindow* FPopupWindow = nullptr;
    int FOldItemIndex = -1;
    std::unique_ptr<TFont> FDefaultFont;
};

class TskSkinImagesMenuPopupWindow : public TCustomControl {
public:
    explicit TskSkinImagesMenuPopupWindow(TskSkinImagesMenu* AOwner);
    ~TskSkinImagesMenuPopupWindow() override;

    void Show(const RECT& PopupRect);
    void Hide(bool AProcessEvents);
    void ProcessKey(WORD Key);
    int MouseInItem() const { return FMouseInItem; }
    bool Skinned() const { return FSkinSupport; }
    int ItemAtPoint(POINT P) const;

protected:
    void CreateParams(TCreateParams& Params) override;
    void Dispatch(TMessage& Message) override;
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;

private:
    TskImagesMenuItem* Item(int Index) const;
    int Count() const;
    bool IsHeader(int Index) const { return Item(Index)->Header; }
    void ArrangeItems();
    void CalcSize();
    void SetHot(int Index);
    void SelectNext();
    void SelectPrev();
    void SelectDown();
    void SelectUp();
    int FirstSelectable() const;
    void DrawCellFrame(TCanvas* C, const RECT& R, bool Pressed);
    void DrawItemText(TCanvas* C, const std::string& Caption, const RECT& R, bool Active, bool Hot);
    void DrawHeader(TCanvas* C, const RECT& R, const std::string& Caption);
    void UnhookAppMessages();

    TskSkinImagesMenu* ImagesMenu;
    bool FSkinSupport = false;
    HRGN FRgn = nullptr;
    POINT NewLTPoint{}, NewRTPoint{}, NewLBPoint{}, NewRBPoint{};
    RECT NewItemsRect{};
    TBitmap* WindowPicture = nullptr;
    TBitmap* MaskPicture = nullptr;
    int FMouseInItem = -1;
    int FOldMouseInItem = -1;
    bool FDown = false;
    bool FItemDown = false;
    bool FClosing = false;
    int FHookToken = 0;
    int FAlpha = 0;
    std::unique_ptr<TTimer> FadeTimer;
};
