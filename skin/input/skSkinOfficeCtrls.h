#pragma once
// The office list: items with a bold title line, an image and a word-wrapped caption, group
// headers, a list box that lays them out in rows of its own height and scrolls them with a
// skinned bar, the same list as a non-activating pop-up, and the combo box that drops that
// pop-up down (the front end's category and format boxes).

#include "classlib/Classes.h"
#include "classlib/ImgList.h"
#include "skin/core/skDataSkinControls.h"
#include "skin/core/skDataSkinExtraControls.h"
#include "skin/core/skSkinData.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/form/skSkinScrollBar.h"

#include <functional>
#include <string>

class TskSkinOfficeListBox;

// Where an item's content goes in its rectangle: the bold title line on top, then the picture at
// the left edge and the word-wrapped caption 2 pixels to its right, both centred in the room the
// title leaves (without a picture the caption starts Indent pixels in). The caption never starts
// above its room and is cut at the room's bottom; Cut tells that lines were lost.
struct TskOfficeItemLayout {
    RECT Title{};    // empty without a title line
    RECT Image{};    // empty without a picture
    RECT Caption{};  // where the caption is drawn (clipped)
    bool Cut = false;
};
struct TskOfficeItemParts {
    std::string Title;        // empty: no title line
    int TitleOverlap = 0;     // the caption's room starts this far above the title's bottom
    std::string Caption;
    TCustomImageList* Images = nullptr;
    int ImageIndex = -1;      // outside the list: no picture
    int Indent = 0;           // the caption's start without a picture
    UINT TextFlags = 0;       // word breaking and tab expansion of the caption
};
// The layout with the canvas's font (the title measured bold).
TskOfficeItemLayout LayoutOfficeItem(TCanvas* C, const RECT& R, const TskOfficeItemParts& Parts);
// Draws the parts where the layout puts them; the picture greyed when not Enabled.
void DrawOfficeItem(TCanvas* C, const TskOfficeItemLayout& Layout, const TskOfficeItemParts& Parts, bool Enabled);

// Owner drawing of an item's content: the canvas, the item's position, the rectangle to fill.
using TskDrawSkinOfficeItemEvent = std::function<void(TCanvas* Cnvs, int Index, RECT& TextRct)>;

class TskSkinOfficeItem : public TCollectionItem {
public:
    explicit TskSkinOfficeItem(TCollection* Collection);

    // Copies image, caption, title, enabled and header; data, events and layout stay.
    void Assign(TPersistent* Source) override;

    int GetImageIndex() const { return FImageIndex; }
    virtual void SetImageIndex(int Value);
    const std::string& GetTitle() const { return FTitle; }
    virtual void SetTitle(const std::string& Value);
    const std::string& GetCaption() const { return FCaption; }
    virtual void SetCaption(const std::string& Value);
    void* GetData() const { return FData; }
    virtual void SetData(void* Value) { FData = Value; }
    bool GetEnabled() const { return FEnabled; }
    virtual void SetEnabled(bool Value);
    bool GetHeader() const { return FHeader; }
    virtual void SetHeader(bool Value);
    // Neither a header nor disabled: the mouse and the keys may select it.
    bool Selectable() const { return !FHeader && FEnabled; }

    // Fired when the list's ItemIndex setter selects the item; the sender is the list box.
    TNotifyEvent OnClick;
    // Written by the list's layout and selection.
    RECT ItemRect{};
    bool IsVisible = false;
    bool Active = false;

private:
    int FImageIndex = -1;
    std::string FTitle;
    std::string FCaption;
    bool FEnabled = true;
    void* FData = nullptr;
    bool FHeader = false;
};

class TskSkinOfficeItems : public TCollection {
public:
    explicit TskSkinOfficeItems(TskSkinOfficeListBox* AListBox);

    TskSkinOfficeListBox* OfficeListBox() const { return FOfficeListBox; }
    TPersistent* GetOwner() override;
    // Raises the list-index error outside 0..Count-1.
    TskSkinOfficeItem* Items(int Index) const { return static_cast<TskSkinOfficeItem*>(GetItem(Index)); }
    TskSkinOfficeItem* Add();
    TskSkinOfficeItem* Insert(int Index);
    void Delete(int Index);
    void Clear();

    // Repaints the list and recomputes its scrolling.
    void Update(TCollectionItem* Item) override;

    // Items whose construction has begun and not ended.
    int FConstructing = 0;

private:
    TskSkinOfficeListBox* FOfficeListBox;
};

class TskSkinOfficeListBox : public TskSkinCustomControl {
public:
    explicit TskSkinOfficeListBox(TComponent* AOwner);
    ~TskSkinOfficeListBox() override;

    TskSkinOfficeItems* Items() const { return FItems; }
    // The own collection takes a copy of Value.
    void SetItems(TskSkinOfficeItems* Value);
    TCustomImageList* GetImages() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    bool GetShowItemTitles() const { return FShowItemTitles; }
    void SetShowItemTitles(bool Value);
    int GetItemHeight() const { return FItemHeight; }
    void SetItemHeight(int Value);
    int GetHeaderHeight() const { return FHeaderHeight; }
    void SetHeaderHeight(int Value);
    bool GetShowLines() const { return FShowLines; }
    void SetShowLines(bool Value);
    bool GetMouseMoveChangeIndex() const { return FMouseMoveChangeIndex; }
    void SetMouseMoveChangeIndex(bool Value) { FMouseMoveChangeIndex = Value; }
    int GetItemIndex() const { return FItemIndex; }
    // Selects with scrolling and the item's events (also for the current index). A value past
    // the last item raises the list-index error and changes nothing.
    void SetItemIndex(int Value);
    TColor DisabledFontColor() const { return FDisabledFontColor; }
    int ScrollOffset() const { return FScrollOffset; }
    const RECT& ItemsRect() const { return FItemsRect; }
    TskSkinScrollBar* GetScrollBar() const { return ScrollBar; }

    int CalcHeight(int AItemCount);
    void CalcItemRects();
    void GetScrollInfo(int& AMin, int& AMax, int& APage, int& APosition);
    void UpdateScrollInfo();
    void ShowScrollbar();
    void HideScrollBar();
    void AdjustScrollBar();
    void Scroll(int AScrollOffset);
    void ScrollToItem(int Index);
    int ItemAtPos(int X, int Y);
    void DrawItem(int Index, TCanvas* Cnvs);
    // Where the item's title, picture and caption are drawn, in the list's client coordinates
    // (nothing for a header).
    TskOfficeItemLayout ItemLayout(int Index);
    void FindUp();
    void FindDown();
    void FindPageUp();
    void FindPageDown();

    void ChangeSkinData() override;
    void WndProc(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;

    TskDrawSkinOfficeItemEvent OnDrawItem;
    TNotifyEvent OnItemClick;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void CreateControlDefaultImage(TBitmap* B) override;
    void CreateControlSkinImage(TBitmap* B) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;

private:
    RECT InnerRect();
    void SelectSilently(int Index);
    void SelectFound(int Index);
    int PageRows();
    int ScanPage(int From, int To);
    void DrawVisibleItems(TCanvas* C);
    void DefaultDrawItem(int Index, TCanvas* Cnvs);
    void SkinDrawItem(int Index, TCanvas* Cnvs);
    void SkinDrawHeaderItem(int Index, TCanvas* Cnvs);
    TskOfficeItemParts ContentParts(int Index, UINT TextFlags) const;
    void DrawContent(TCanvas* C, int Index, RECT R, UINT TextFlags);
    void SetSkinItemFont(TFont* F, TColor Color);
    void DrawSeparator(TCanvas* C, const RECT& R, TColor Color);

    bool FMouseMoveChangeIndex = false;
    TColor FDisabledFontColor = clGray;
    bool FShowLines = false;
    bool FClicksDisabled = false;
    bool FMouseDown = false;
    int FMouseActive = -1;
    int FMax = 0;
    int FRealMax = 0;
    RECT FItemsRect{};
    int FScrollOffset = 0;
    TskSkinOfficeItems* FItems = nullptr;
    TCustomImageList* FImages = nullptr;
    bool FShowItemTitles = true;
    int FItemHeight = 30;
    int FHeaderHeight = 20;
    int FOldHeight = -1;
    TskSkinScrollBar* ScrollBar = nullptr;
    int FItemIndex = -1;
};

class TskSkinCustomOfficeComboBox;

// The list as a borderless, non-activating pop-up window; the combo box's drop-down.
class TskPopupOfficeListBox : public TskSkinOfficeListBox {
public:
    explicit TskPopupOfficeListBox(TComponent* AOwner);

    // Places the window's top-left corner at Origin (screen), shows it without activation and,
    // for a translucent combo box, applies or fades in the alpha.
    void Show(POINT Origin);
    void Hide();
    void Dispatch(TMessage& Message) override;

protected:
    void CreateParams(TCreateParams& Params) override;

private:
    void FadeIn(TskSkinCustomOfficeComboBox* Owner);

    bool FOldAlphaBlend = false;
    BYTE FOldAlphaBlendValue = 0;
};

class TskSkinCustomOfficeComboBox : public TskSkinCustomControl {
public:
    explicit TskSkinCustomOfficeComboBox(TComponent* AOwner);
    ~TskSkinCustomOfficeComboBox() override;

    TskPopupOfficeListBox* ListBox() const { return FListBox; }
    TskSkinOfficeItems* Items() const { return FListBox->Items(); }
    void SetItems(TskSkinOfficeItems* Value) { FListBox->SetItems(Value); }
    TCustomImageList* GetImages() const { return FListBox->GetImages(); }
    void SetImages(TCustomImageList* Value) { FListBox->SetImages(Value); }
    int GetItemIndex() const { return FListBox->GetItemIndex(); }
    // The drop-down's setter, then (outside loading) OnClick and OnChange, always.
    void SetItemIndex(int Value);

    bool GetShowItemTitle() const { return FShowItemTitle; }
    void SetShowItemTitle(bool Value);
    bool GetShowItemImage() const { return FShowItemImage; }
    void SetShowItemImage(bool Value);
    bool GetShowItemText() const { return FShowItemText; }
    void SetShowItemText(bool Value);
    int GetDropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int Value);
    bool GetToolButtonStyle() const { return FToolButtonStyle; }
    void SetToolButtonStyle(bool Value);
    TColor GetDefaultColor() const { return FDefaultColor; }
    void SetDefaultColor(TColor Value);
    bool GetUseSkinSize() const { return FUseSkinSize; }
    void SetUseSkinSize(bool Value) { FUseSkinSize = Value; }
    int GetListBoxWidth() const { return FListBoxWidth; }
    void SetListBoxWidth(int Value) { FListBoxWidth = Value; }
    int GetListBoxHeight() const { return FListBoxHeight; }
    void SetListBoxHeight(int Value) { FListBoxHeight = Value; }
    bool GetHideSelection() const { return FHideSelection; }
    void SetHideSelection(bool Value) { FHideSelection = Value; }
    bool GetAlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool Value) { FAlphaBlend = Value; }
    BYTE GetAlphaBlendValue() const { return FAlphaBlendValue; }
    void SetAlphaBlendValue(BYTE Value) { FAlphaBlendValue = Value; }
    bool GetAlphaBlendAnimation() const { return FAlphaBlendAnimation; }
    void SetAlphaBlendAnimation(bool Value) { FAlphaBlendAnimation = Value; }
    // The drop-down's own settings.
    void SetListBoxItemHeight(int Value) { FListBox->SetItemHeight(Value); }
    void SetListBoxHeaderHeight(int Value) { FListBox->SetHeaderHeight(Value); }
    void SetListBoxShowItemTitles(bool Value) { FListBox->SetShowItemTitles(Value); }
    void SetListBoxShowLines(bool Value) { FListBox->SetShowLines(Value); }
    void SetListBoxUseSkinFont(bool Value) { FListBox->SetUseSkinFont(Value); }
    void SetListBoxDefaultFont(TFont* Value) { FListBox->SetDefaultFont(Value); }
    // The configured name; a skin without a "combobox" description lends the drop-down no name
    // but the configured one comes back with the next skin that has one.
    const std::string& GetListBoxSkinDataName() const { return FListBoxSkinDataName; }
    void SetListBoxSkinDataName(const std::string& Value);

    void Change();
    virtual void DropDown();
    void CloseUp(bool Value);
    bool IsPopupVisible() const { return FListBox->GetVisible(); }
    bool CanCancelDropDown() const { return IsPopupVisible() && !FMouseIn; }
    bool DroppedDown() const { return FDropDown; }
    // Draws the closed control showing AText onto C at (X, Y).
    void PaintSkinTo(TCanvas* C, int X, int Y, const std::string& AText);

    void LookupSkinData() override;
    void ChangeSkinData() override;
    void Dispatch(TMessage& Message) override;

    TskDrawSkinOfficeItemEvent OnDrawItem;
    TNotifyEvent OnChange;
    TNotifyEvent OnClick;
    TNotifyEvent OnCloseUp;
    TNotifyEvent OnDropDown;

    // The rectangles of the shown item and of the drop-down button.
    struct TskCBItem {
        RECT R{};
        bool State = false;
    };
    struct TskCBButtonX {
        RECT R{};
        bool MouseIn = false;
        bool Down = false;
    };
    const TskCBItem& ShownItem() const { return CBItem; }
    const TskCBButtonX& DropButton() const { return Button; }
    // Where the closed control's last paint put the shown item's title, picture and caption
    // (control coordinates; empty for owner drawing or the one-line look).
    const TskOfficeItemLayout& ShownItemLayout() const { return FShownLayout; }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void CreateControlDefaultImage(TBitmap* B) override;
    void CreateControlSkinImage(TBitmap* B) override;
    void DefaultFontChanged() override;
    void FitBoundsToSkin(int& W, int& H) override;
    void ApplyMaskRegion() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;

private:
    void ListBoxHook(TMessage& Message);
    void CalcRects();
    void TrackListBox();
    void StartTimer(int Mode);
    void StopTimer();
    void MoveAndSelect(void (TskSkinOfficeListBox::*Find)());
    int ShownIndex() const;
    bool Hovered() const;
    TColor DisabledColor();
    void DrawShownContent(TCanvas* C, RECT T, bool WithTitle, bool OwnerDraw, const std::string* Replacement);
    void DrawDefaultButton(TCanvas* C);
    void DrawDefaultItem(TCanvas* C);
    void DrawButtonState(TCanvas* C);
    void DrawButtonDescription(TCanvas* C);
    void DrawSkinItem(TCanvas* C);
    void DrawSkinHeightItem(TCanvas* C);
    void DrawSkinBackground(TCanvas* C);
    void DrawDefaultBackground(TCanvas* C);
    void DrawToolButton(TCanvas* C, bool Skinned, const std::string* Replacement);
    void SetItemFont(TFont* F);

    bool FShowItemTitle = true;
    bool FShowItemImage = true;
    bool FShowItemText = true;
    int FDropDownCount = 7;
    bool FDropDown = false;
    bool FToolButtonStyle = false;
    TColor FDefaultColor = clWindow;
    bool FUseSkinSize = false;
    bool WasInLB = false;
    int TimerMode = 0;
    int FListBoxWidth = 0;
    int FListBoxHeight = 0;
    bool FHideSelection = true;
    bool FAlphaBlend = false;
    bool FAlphaBlendAnimation = false;
    BYTE FAlphaBlendValue = 0;
    bool FMouseIn = false;
    int FOldItemIndex = -1;
    bool FLBDown = false;
    TskPopupOfficeListBox* FListBox = nullptr;
    TWndMethod FListBoxWindowProc;
    std::string FListBoxSkinDataName = "listbox";
    TskCBItem CBItem;
    TskCBButtonX Button;
    TskOfficeItemLayout FShownLayout;

    friend class TskPopupOfficeListBox;

public:
    // Copied from the "combobox" description by the lookup.
    RECT ActiveSkinRect{};
    TColor ActiveFontColor = 0;
    std::string FontName = "Arial";
    TFontStyles FontStyle;
    int FontHeight = 14;
    RECT SItemRect{}, FocusItemRect{}, ActiveItemRect{};
    int ItemLeftOffset = 0, ItemRightOffset = 0;
    RECT ItemTextRect{};
    TColor FontColor = 0, FocusFontColor = 0;
    RECT ButtonRect{}, ActiveButtonRect{}, DownButtonRect{}, UnEnabledButtonRect{};
    std::string ListBoxName;
    bool ItemStretchEffect = false, FocusItemStretchEffect = false, ShowFocus = false;
};

class TskSkinOfficeComboBox : public TskSkinCustomOfficeComboBox {
public:
    using TskSkinCustomOfficeComboBox::TskSkinCustomOfficeComboBox;
};
