#pragma once
// The skinned list box: a frame from the "listbox" description (or a plain one) around an inner
// owner-drawn list that paints every item from the skin's item pictures, and up to two skinned
// scroll bars made and dropped as the content needs them. The inner list keeps the window's
// scroll information (rows: 0 .. count - 1 at the top index; columns: 0 .. columns - 1) without
// showing bars of its own; the outer control reads it to drive its skinned bars.

#include "classlib/ImgList.h"
#include "classlib/ListBox.h"
#include "classlib/StdCtrls.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/form/skSkinScrollBar.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TskSkinCustomListBox;

// Custom item drawing: the item is drawn on Cnvs (an off-screen bitmap of the item), TxtRect is
// the text area; it replaces the images, the text and the focus frame.
using TskDrawSkinItemEvent =
    std::function<void(TCanvas* Cnvs, int Index, int ItemWidth, int ItemHeight, RECT TxtRect, TOwnerDrawState State)>;

// The inner list of a skinned list box (and of the combo box's drop-down list).
class TskListBox : public TListBox {
public:
    explicit TskListBox(TComponent* AOwner);

    // How far item images and plain text are shifted left (the horizontal bar's position).
    int FHorizontalExtentValue = 0;
    TskSkinCustomListBox* SkinListBox = nullptr;

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void WndProc(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;
    // Selected (and focused with the input focus) for the item index, selected for the other
    // selected items of a multiple selection.
    TOwnerDrawState GetItemState(int Index);
    // The item painter of the current look (default, skin or skin band).
    void DrawItemOf(TCanvas* Cnvs, int Index, TOwnerDrawState State, const RECT& R);
    void PaintBackground(HDC DC);
    // Shows the top at this scroll position: a row, or a column in column mode.
    void ScrollTo(int Position);
    // The window's scroll information brought up to the list's state.
    void SyncScrollInfo();

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void PaintWindow(HDC DC) override;
    void DoEnter() override;
    void DoExit() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyUp(WORD& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void Click() override;

private:
    void PaintItems(HDC DC);
    void DrawTiledBackground(TCanvas* Cnvs, int W, int H, int X, int Y);
    void DrawDefaultItem(TCanvas* Cnvs, int Index, TOwnerDrawState State, const RECT& R);
    void DrawSkinItem(TCanvas* Cnvs, int Index, TOwnerDrawState State, const RECT& R);
    void DrawSkinBandItem(TCanvas* Cnvs, int Index, TOwnerDrawState State, const RECT& R);
    // The skin's focus frame (when not empty), images and text, or OnDrawItem instead.
    void DrawContent(TCanvas* C, int Index, TOwnerDrawState State, RECT Text, int ItemWidth, int ItemHeight,
                     const RECT& FocusFrame);
    void DrawTabbedText(TCanvas* C, const std::string& Text, int ImageOffset, const RECT& T);
    void Wheel(int Delta);
    void ScrollBy(WORD Code, bool Vertical);
    int Rows();
    void ApplyColumnWidth();
};

class TskSkinCustomListBox : public TskSkinCustomControl {
public:
    explicit TskSkinCustomListBox(TComponent* AOwner);
    ~TskSkinCustomListBox() override;

    TskListBox* ListBox = nullptr;
    TskSkinScrollBar* ScrollBar = nullptr;
    TskSkinScrollBar* HScrollBar = nullptr;

    // Forwarded to the inner list.
    TStrings* Items() const { return ListBox->Items(); }
    void SetItems(TStrings* Value);
    int GetItemIndex() { return ListBox->GetItemIndex(); }
    // -1 clears the selection; another index outside the items keeps it.
    void SetItemIndex(int Value);
    int GetColumns() const { return ListBox->GetColumns(); }
    void SetColumns(int Value);
    int GetTopIndex() { return ListBox->GetTopIndex(); }
    void SetTopIndex(int Value);
    int SelCount() { return ListBox->SelCount(); }
    bool GetSelected(int Index) { return ListBox->GetSelected(Index); }
    bool GetMultiSelect() const { return ListBox->GetMultiSelect(); }
    void SetMultiSelect(bool Value) { ListBox->SetMultiSelect(Value); }
    bool GetExtandedSelect() const { return ListBox->GetExtendedSelect(); }
    void SetExtandedSelect(bool Value) { ListBox->SetExtendedSelect(Value); }
    bool GetSorted() const { return ListBox->GetSorted(); }
    void SetSorted(bool Value);
    bool GetAutoComplete() const { return ListBox->GetAutoComplete(); }
    void SetAutoComplete(bool Value) { ListBox->SetAutoComplete(Value); }
    TFont* ListBoxFont() const { return ListBox->Font(); }
    void SetListBoxFont(TFont* Value) { ListBox->Font()->Assign(Value); }
    TCanvas* ListBoxCanvas() const { return ListBox->Canvas(); }
    void Clear();
    int ItemAtPos(POINT Pos, bool Existing) { return ListBox->ItemAtPos(Pos, Existing); }
    RECT ItemRect(int Item) { return ListBox->ItemRect(Item); }

    bool GetHorizontalExtent() const { return FHorizontalExtent; }
    void SetHorizontalExtent(bool Value);
    int GetRowCount() const { return FRowCount; }
    void SetRowCount(int Value);
    TCustomImageList* GetImages() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    int GetImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    TStrings* TabWidths() const { return FTabWidths.get(); }
    void SetTabWidths(TStrings* Value);
    int GetDefaultItemHeight() const { return FDefaultItemHeight; }
    void SetDefaultItemHeight(int Value);
    bool GetUseSkinItemHeight() const { return FUseSkinItemHeight; }
    void SetUseSkinItemHeight(bool Value) { FUseSkinItemHeight = Value; }
    bool GetCaptionMode() const { return FCaptionMode; }
    void SetCaptionMode(bool Value);
    int GetDefaultCaptionHeight() const { return FDefaultCaptionHeight; }
    void SetDefaultCaptionHeight(int Value);
    // The caption strip: the control's Caption with an optional glyph, and the up, down and
    // check buttons that step the selection or raise their events.
    bool GetShowCaptionButtons() const { return FShowCaptionButtons; }
    void SetShowCaptionButtons(bool Value);
    TFont* DefaultCaptionFont() const { return FDefaultCaptionFont.get(); }
    void SetDefaultCaptionFont(TFont* Value) { FDefaultCaptionFont->Assign(Value); }
    TAlignment GetAlignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(TBitmap* Value);
    int GetNumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int Value);
    int GetSpacing() const { return FSpacing; }
    void SetSpacing(int Value);
    TNotifyEvent OnUpButtonClick, OnDownButtonClick, OnCheckButtonClick;

    // The caption buttons: 0 up, 1 down, 2 check; R on the control.
    struct TCaptionButton {
        RECT R{};
        bool MouseIn = false;
        bool Down = false;
    };
    std::array<TCaptionButton, 3> Buttons{};
    int OldActiveButton = -1, ActiveButton = -1, CaptureButton = -1;
    RECT NewCaptionRect{};
    // 0 no auto-repeat, 1 up repeats, 2 down repeats; WaitMode until the first repeat.
    int TimerMode = 0;
    bool WaitMode = false;
    RECT GetListRect() const { return ListRect; }

    // The control's height for this many rows.
    int CalcHeight(int AItemsCount);
    // Makes, sets or drops the scroll bars after the list's content or scroll state changed.
    void UpDateScrollBar();

    void LookupSkinData() override;
    void ChangeSkinData() override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void Dispatch(TMessage& Message) override;

    // The tab-stop positions of TabWidths (at most ten lines; a line that is not a number that
    // fits 32 bits counts 0).
    std::vector<int> TabStops() const;
    // The width of the item's text, measured once per item and font (the horizontal range).
    virtual int GetItemTextWidth(int Index, TCanvas* Cnvs);
    // The cached text widths follow the item changes the inner list reports.
    void ItemsInserted(int Index);
    void ItemDeleted(int Index);
    void ItemsReset();

    // Hooks the inner list calls; the base fires the OnListBox events.
    virtual void ListBoxMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void ListBoxMouseMove(TShiftState Shift, int X, int Y);
    virtual void ListBoxMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void ListBoxClick();
    virtual void ListBoxDblClick();
    virtual void ListBoxKeyDown(WORD& Key, TShiftState Shift);
    virtual void ListBoxKeyUp(WORD& Key, TShiftState Shift);
    virtual void ListBoxKeyPress(char32_t& Key);
    virtual void ListBoxEnter() {}
    virtual void ListBoxExit() {}
    virtual void ListBoxWProc(TMessage& /*Message*/, bool& CallDefault) { CallDefault = true; }
    virtual void ListBoxCreateWnd() {}

    TNotifyEvent OnListBoxClick;
    TNotifyEvent OnListBoxDblClick;
    TMouseEvent OnListBoxMouseDown;
    TMouseMoveEvent OnListBoxMouseMove;
    TMouseEvent OnListBoxMouseUp;
    TKeyEvent OnListBoxKeyDown;
    TKeyPressEvent OnListBoxKeyPress;
    TKeyEvent OnListBoxKeyUp;
    TskDrawSkinItemEvent OnDrawItem;

    // Copies of the description ("listbox").
    std::string FontName = "Arial";
    TFontStyles FontStyle;
    int FontHeight = 14;
    RECT SItemRect{}, ActiveItemRect{}, FocusItemRect{};
    int ItemLeftOffset = 0, ItemRightOffset = 0;
    RECT ItemTextRect{};
    TColor FontColor = 0, ActiveFontColor = 0, FocusFontColor = 0;
    RECT CaptionRect{};
    std::string CaptionFontName = "Arial";
    TFontStyles CaptionFontStyle;
    int CaptionFontHeight = 14;
    TColor CaptionFontColor = 0;
    RECT UpButtonRect{}, ActiveUpButtonRect{}, DownUpButtonRect{};
    RECT DownButtonRect{}, ActiveDownButtonRect{}, DownDownButtonRect{};
    RECT CheckButtonRect{}, ActiveCheckButtonRect{}, DownCheckButtonRect{};
    std::string VScrollBarName, HScrollBarName, BothScrollBarName;
    bool ShowFocus = false;
    RECT DisabledButtonsRect{}, ButtonsArea{};

protected:
    void CreateParams(TCreateParams& Params) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void CreateControlDefaultImage(TBitmap* B) override;
    void CreateControlSkinImage(TBitmap* B) override;
    void DefaultFontChanged() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void CalcRects();
    int VisibleTextWidth();

    bool FHorizontalExtent = false;
    bool FStopUpDateHScrollBar = false;
    bool FUseSkinItemHeight = true;
    int FRowCount = 0;
    TCustomImageList* FImages = nullptr;
    int FImageIndex = -1;
    std::unique_ptr<TStringList> FTabWidths;
    int FDefaultItemHeight = 20;
    int FDefaultCaptionHeight = 20;
    bool FCaptionMode = false;
    RECT ListRect{};

private:
    bool CaptionButtonsOn() const { return FCaptionMode && FShowCaptionButtons; }
    void TestActiveButton(int X, int Y);
    void ButtonEnter(int I);
    void ButtonLeave(int I);
    void ButtonDown(int I);
    void ButtonUp(int I);
    void DrawButton(TCanvas* C, int I);
    void CaptionTimer();
    // The caption's text and glyph drawn in T (the alignment's x from Left and Right) at the
    // vertical text position Y, the glyph centred at GlyphTop.
    void DrawCaptionContent(TCanvas* C, const RECT& T, int Left, int Right, int Y, int GlyphTop);
    RECT MoveButtonRect(const RECT& Q, int DW, int DH) const;

    bool FShowCaptionButtons = true;
    std::unique_ptr<TFont> FDefaultCaptionFont;
    TAlignment FAlignment = TAlignment::taLeftJustify;
    std::unique_ptr<TBitmap> FGlyph;
    int FNumGlyphs = 1;
    int FSpacing = 2;

    void CreateVScrollBar();
    void CreateHScrollBar();
    void DestroyVScrollBar();
    void DestroyHScrollBar();
    void DescribeHScrollBar();
    std::string VerticalBarName() const;
    void VScrollBarChange(TObject* Sender);
    void HScrollBarChange(TObject* Sender);
    void UpdateColumnsBar();
    void UpdateRowsBar();
    void UpdateTextBar();
    int WidestText();

    // Text widths per item (-1: not measured yet) and the widest of them (-1: not known).
    std::vector<int> FTextWidths;
    int FWidest = -1;
};

class TskSkinListBox : public TskSkinCustomListBox {
public:
    using TskSkinCustomListBox::TskSkinCustomListBox;
};
