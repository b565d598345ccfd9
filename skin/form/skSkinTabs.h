#pragma once
// The skinned page control and its sheets: the class library's page control with every visible
// part drawn from a "tab" description (the page frame, the tab row with its four tab states,
// captions, images, close buttons, the strip behind the row; tabs on any side, side tabs drawn
// lying down and turned), the hot tab under the pointer, closing pages, wheel switching, hiding
// the row, and a skinned up-down in place of the plain arrows of a row that does not fit.
// Without a description everything is drawn in a plain default look.

#include "classlib/ComCtrls.h"
#include "skin/core/skButtonFace.h"
#include "skin/core/skDataSkinControls.h"
#include "skin/form/skSkinChange.h"

#include <functional>
#include <memory>
#include <string>

class TskSkinData;
class TskSkinPageControl;
class TskSkinUpDown;

using TskCloseEvent = std::function<void(TObject* Sender, bool& CanClose)>;
// Draws caption and image of tab TabIndex (a page index) into Cnvs, the tab's picture of the
// size Rct.
using TskDrawSkinTabEvent =
    std::function<void(int TabIndex, const RECT& Rct, bool Active, bool MouseIn, TCanvas* Cnvs)>;

class TskSkinCustomTabSheet : public TTabSheet {
public:
    explicit TskSkinCustomTabSheet(TComponent* AOwner);
    ~TskSkinCustomTabSheet() override;

    // Tiled over the sheet in place of the skin's background when not empty.
    TBitmap* WallPaper() const { return FWallPaper.get(); }
    void SetWallPaper(TBitmap* Value);
    // The skinned page control the sheet is on, or nullptr.
    TskSkinPageControl* SkinPageControl() const;

    // The close button of this sheet's tab, relative to the tab's rectangle (written when the
    // tab is drawn with close buttons), and its hot and pressed states.
    RECT ButtonRect{};
    bool ButtonMouseIn = false;
    bool ButtonMouseDown = false;

    void Dispatch(TMessage& Message) override;

protected:
    void CreateParams(TCreateParams& Params) override;
    // Fills the sheet's background into DC.
    void PaintBG(HDC DC);

private:
    std::unique_ptr<TBitmap> FWallPaper;
};

class TskSkinTabSheet : public TskSkinCustomTabSheet {
public:
    using TskSkinCustomTabSheet::TskSkinCustomTabSheet;
};

class TskSkinPageControl : public TPageControl, public TskSkinChangeable {
public:
    explicit TskSkinPageControl(TComponent* AOwner);
    ~TskSkinPageControl() override;

    bool GetMouseWheelSupport() const { return FMouseWheelSupport; }
    void SetMouseWheelSupport(bool Value) { FMouseWheelSupport = Value; }
    bool GetTabExtededDraw() const { return FTabExtendedDraw; }
    void SetTabExtededDraw(bool Value);
    int GetTabsOffset() const { return FTabsOffset; }
    // A value above 0 puts the tabs on top in one row over a transparent strip.
    void SetTabsOffset(int Value);
    int GetTabMargin() const { return FTabMargin; }
    // Values below -1 are ignored.
    void SetTabMargin(int Value);
    int GetTabSpacing() const { return FTabSpacing; }
    void SetTabSpacing(int Value);
    TskButtonLayout GetTabLayout() const { return FTabLayout; }
    void SetTabLayout(TskButtonLayout Value);
    bool GetTextInHorizontal() const { return FTextInHorizontal; }
    void SetTextInHorizontal(bool Value);
    bool GetTabsInCenter() const { return FTabsInCenter; }
    // Stays off while TabWidth is 0; on, it puts the tabs on top in one row over a transparent
    // strip.
    void SetTabsInCenter(bool Value);
    bool GetFreeOnClose() const { return FFreeOnClose; }
    void SetFreeOnClose(bool Value) { FFreeOnClose = Value; }
    bool GetShowCloseButtons() const { return FShowCloseButtons; }
    void SetShowCloseButtons(bool Value);
    // The images drawn on the tabs (not owned); the plain control only gets a list of the room
    // they and the close buttons need.
    TCustomImageList* GetImages() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    bool GetTabsBGTransparent() const { return FTabsBGTransparent; }
    void SetTabsBGTransparent(bool Value);
    TFont* DefaultFont() const { return FDefaultFont.get(); }
    void SetDefaultFont(TFont* Value) { FDefaultFont->Assign(Value); }
    bool GetUseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }
    int GetDefaultItemHeight() const { return FDefaultItemHeight; }
    void SetDefaultItemHeight(int Value);
    TskSkinData* GetSkinData() const override { return FSD; }
    void SetSkinData(TskSkinData* Value);
    const std::string& GetSkinDataName() const { return FSkinDataName; }
    void SetSkinDataName(const std::string& Value) { FSkinDataName = Value; }
    // The description in use (-1: none, the default look).
    int GetIndex() const { return FIndex; }

    void BeforeChangeSkinData() override;
    void ChangeSkinData() override;
    // Tab size again; a multi-line control loses its up-down; realigns.
    void UpDateTabs();
    // Tab TabIndex (shown tabs count) as drawn and hit-tested; empty when there is none.
    RECT GetTabRect(int TabIndex);
    // The selected tab grown towards the page by the active image's extra height; empty when
    // no tab is selected.
    RECT GetActiveTabRect();
    // The tab under the pointer (shown tabs count; -1 none).
    int HotTabIndex() const { return FActiveTabIndex; }
    // The skinned up-down of a single row that does not fit; nullptr while every tab fits.
    TskSkinUpDown* SkinUpDown() const { return FSkinUpDown; }

    void HideTabs();
    void ShowTabs();
    void HideBorderAndTabs();
    void ShowBorderAndTabs();
    bool TabsHidden() const { return FHideTabs; }

    void Dispatch(TMessage& Message) override;

    // Sender is the page about to close; CanClose false keeps it.
    TskCloseEvent OnClose;
    // Sender is the page control.
    TNotifyEvent OnAfterClose;
    TskDrawSkinTabEvent OnDrawSkinTab;

protected:
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void PaintWindow(HDC DC) override;
    void Change() override;
    void SetTabSize() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;

private:
    friend class TskSkinCustomTabSheet;

    // Skin and geometry (skSkinPageControl.cpp).
    void GetSkinData();
    bool HasDescription() const { return FIndex != -1; }
    void ApplyFont();
    void ResizeRoomImages(int Delta);
    int CalcTabsOffset();
    bool RowOffset() const { return FTabsInCenter || FTabsOffset > 0; }
    int VisibleTabCount() const;
    void AdjustTabRect(RECT& R);
    void AdjustDisplayRect(RECT& R);
    // The page frame: the display rectangle grown by the description's border widths.
    RECT FrameRect();
    void ForceTopSingleRow();

    // Painting (skSkinPageControlPaint.cpp).
    void PaintDefaultBorder(TCanvas* C);
    void PaintSkinBorder(TCanvas* C);
    void PaintClientBackground(HDC DC);
    void DrawAllTabs(TCanvas* C);
    void DrawTab(int PageIndex, const RECT& R, TCanvas* C, bool MouseIn, bool Selected);
    void DrawTabFace(TBitmap* B, bool MouseIn, bool Selected, bool Focused);
    void DrawCloseButton(TCanvas* C, const RECT& A, int W, int H, int PageIndex);
    bool DrawResizeToolCloseButton(TCanvas* C, const RECT& A, TskSkinCustomTabSheet* Sheet, RECT& Button);
    // Draws the tabs again at once (outside a paint).
    void RedrawTabs();
    // The skin's client-area image: the part of Picture at ClRect.
    void ClientImage(TBitmap* B) const;
    // Image over W x H: stretched by the description's stretch type when UseStretch and its
    // StretchEffect are on, else tiled from (0, 0).
    void FillBackground(TCanvas* C, TBitmap* Image, int W, int H, bool UseStretch) const;

    // The pointer (skSkinPageControlTabs.cpp).
    void TestActiveTab(int X, int Y);
    TskSkinCustomTabSheet* SheetOfPage(int PageIndex) const;
    bool InCloseButton(int X, int Y);
    void ClosePage(TskSkinCustomTabSheet* Sheet);
    void SelectVisiblePage(bool Next);
    void CheckUpDown();
    // Checks the up-down once the messages that may change the row are through.
    void PostUpDownCheck();
    void CreateUpDown();
    void FreeUpDown();
    void PlaceUpDown();
    void UpDownChange();
    void UpdateUpDownPosition();
    int GetHiddenTabsCount();
    int GetScrolledTabsCount();
    void DestroyPlainArrows();

    bool FMouseWheelSupport = false;
    bool FTabExtendedDraw = false;
    int FTabMargin = -1;
    int FTabSpacing = 1;
    TskButtonLayout FTabLayout = blGlyphLeft;
    bool FTextInHorizontal = false;
    bool FHideTabs = false;
    bool FHideBorder = false;
    TTabPosition FOldTabPosition = TTabPosition::tpTop;
    bool FOldMultiLine = false;
    int FOldTabHeight = -1;
    int FCloseSize = 14;
    bool FFreeOnClose = false;
    bool FShowCloseButtons = false;
    bool FTabsBGTransparent = false;
    int FActiveTab = -1, FOldActiveTab = -1;
    int FActiveTabIndex = -1, FOldActiveTabIndex = -1;
    TCustomImageList* FImages = nullptr;
    TCustomImageList* FTempImages = nullptr;
    bool FTabsInCenter = false;
    int FTabsOffset = 0;
    TskSkinData* FSD = nullptr;
    std::string FSkinDataName = "tab";
    int FIndex = -1;
    TskSkinUpDown* FSkinUpDown = nullptr;
    bool FUpDownCheckPosted = false;
    std::unique_ptr<TFont> FDefaultFont;
    bool FUseSkinFont = true;
    int FDefaultItemHeight = 20;

    // The description's values as last read, with the empty-rectangle fallbacks applied.
    TskDataSkinTabControl FTab{"tab"};
    TBitmap* Picture = nullptr;
};
