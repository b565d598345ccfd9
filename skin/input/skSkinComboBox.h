#pragma once
// The skinned combo box ("combobox"): one item of a list shown in the control, a drop-down
// button and a list window that opens below (or above) it. In the fixed style the control draws
// the selected item and typing searches the list; in the edit style an inner edit takes the text
// with auto-completion. The events follow one order, which callers rely on: a text change fires
// OnChange, a selection through ItemIndex then OnClick and SelectionChanged, a committed drop-down
// then OnCloseUp; a cancelled drop-down and changes of Items fire nothing.

#include "skin/input/skSkinEdits.h"
#include "skin/input/skSkinListBox.h"

#include <memory>
#include <string>

// The list window of a combo box: a skinned list box in a pop-up tool window owned by the combo
// box's window, placed in screen coordinates, never activated.
class TskPopupListBox : public TskSkinListBox {
public:
    explicit TskPopupListBox(TComponent* AOwner);
    ~TskPopupListBox() override;

    // Shows the window with its top-left corner at Origin (screen), translucent and faded in as
    // the owning combo box asks.
    void Show(POINT Origin);
    void Hide();
    bool GetOldAlphaBlend() const { return FOldAlphaBlend; }
    // Told every alpha the fade-in applies (for watching the fade; nothing depends on it).
    std::function<void(int Alpha)> OnFadeStep;

    void Dispatch(TMessage& Message) override;

protected:
    void CreateParams(TCreateParams& Params) override;

private:
    void FadeIn(int Value);

    bool FOldAlphaBlend = false;
    BYTE FOldAlphaBlendValue = 0;
    // Cleared when the list is destroyed: a fade that processes messages stops on it.
    std::shared_ptr<bool> FAlive;
};

enum class TskSkinCustomComboBoxStyle { skcbEditStyle, skcbFixedStyle };

struct TskCBItem {
    RECT R{};
    TOwnerDrawState State;
};

class TskSkinCustomComboBox : public TskSkinCustomControl, public TskDropDownCancelable {
public:
    explicit TskSkinCustomComboBox(TComponent* AOwner);
    ~TskSkinCustomComboBox() override;

    TStrings* Items() const { return FListBox->Items(); }
    void SetItems(TStrings* Value) { FListBox->Items()->Assign(Value); }
    int GetItemIndex() { return FListBox->GetItemIndex(); }
    void SetItemIndex(int Value);
    int GetDropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int Value);
    TskSkinCustomComboBoxStyle GetStyle() const { return FStyle; }
    void SetStyle(TskSkinCustomComboBoxStyle Value);
    bool GetAutoComplete() const { return FAutoComplete; }
    void SetAutoComplete(bool Value) { FAutoComplete = Value; }
    int GetListBoxWidth() const { return FListBoxWidth; }
    void SetListBoxWidth(int Value) { FListBoxWidth = Value; }
    bool GetToolButtonStyle() const { return FToolButtonStyle; }
    void SetToolButtonStyle(bool Value);
    bool GetUseSkinSize() const { return FUseSkinSize; }
    void SetUseSkinSize(bool Value);
    TColor GetDefaultColor() const { return FDefaultColor; }
    void SetDefaultColor(TColor Value);
    bool GetAlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool Value) { FAlphaBlend = Value; }
    BYTE GetAlphaBlendValue() const { return FAlphaBlendValue; }
    void SetAlphaBlendValue(BYTE Value) { FAlphaBlendValue = Value; }
    bool GetAlphaBlendAnimation() const { return FAlphaBlendAnimation; }
    void SetAlphaBlendAnimation(bool Value) { FAlphaBlendAnimation = Value; }
    // The list window's own settings: its caption strip, fonts (assigned, not shared), item
    // height and whether the skin's font and item height win.
    std::string GetListBoxCaption() { return FListBox->GetText(); }
    void SetListBoxCaption(const std::string& Value) { FListBox->SetText(Value); }
    bool GetListBoxCaptionMode() const { return FListBox->GetCaptionMode(); }
    void SetListBoxCaptionMode(bool Value) { FListBox->SetCaptionMode(Value); }
    TFont* ListBoxDefaultFont() const { return FListBox->DefaultFont(); }
    void SetListBoxDefaultFont(TFont* Value) { FListBox->SetDefaultFont(Value); }
    TFont* ListBoxDefaultCaptionFont() const { return FListBox->DefaultCaptionFont(); }
    void SetListBoxDefaultCaptionFont(TFont* Value) { FListBox->SetDefaultCaptionFont(Value); }
    int GetListBoxDefaultItemHeight() const { return FListBox->GetDefaultItemHeight(); }
    void SetListBoxDefaultItemHeight(int Value) { FListBox->SetDefaultItemHeight(Value); }
    TAlignment GetListBoxCaptionAlignment() const { return FListBox->GetAlignment(); }
    void SetListBoxCaptionAlignment(TAlignment Value) { FListBox->SetAlignment(Value); }
    bool GetListBoxUseSkinFont() const { return FListBox->GetUseSkinFont(); }
    void SetListBoxUseSkinFont(bool Value) { FListBox->SetUseSkinFont(Value); }
    bool GetListBoxUseSkinItemHeight() const { return FListBox->GetUseSkinItemHeight(); }
    void SetListBoxUseSkinItemHeight(bool Value) { FListBox->SetUseSkinItemHeight(Value); }
    // Owner drawing of the list window's items (kept by the list window).
    const TskDrawSkinItemEvent& GetOnListBoxDrawItem() const { return FListBox->OnDrawItem; }
    void SetOnListBoxDrawItem(TskDrawSkinItemEvent Value) { FListBox->OnDrawItem = std::move(Value); }
    // Handed to the inner edit of the edit style (now and whenever it is made).
    TEditCharCase GetCharCase() const { return FCharCase; }
    void SetCharCase(TEditCharCase Value);
    bool GetHideSelection() const { return FHideSelection; }
    void SetHideSelection(bool Value) { FHideSelection = Value; }
    std::string GetText() { return GetTextValue(); }
    void SetText(const std::string& Value) { TControl::SetText(Value); }
    TskCustomEdit* Edit() const { return FEdit; }
    TskPopupListBox* ListBoxWindow() const { return FListBox; }
    const TskCBButtonX& DropButton() const { return Button; }
    const TskCBItem& ItemArea() const { return CBItem; }
    // Draws the control as it would look showing AText onto C at (X, Y); Text stays.
    void PaintSkinTo(TCanvas* C, int X, int Y, const std::string& AText);

    virtual void DropDown();
    void CloseUp(bool Value);
    bool IsPopupVisible() const { return FListBox && FListBox->GetVisible(); }
    bool CanCancelDropDown() const { return IsPopupVisible() && !FMouseIn; }
    bool IsDroppedDown() const { return FDropDown; }

    void LookupSkinData() override;
    void ChangeSkinData() override;
    void Dispatch(TMessage& Message) override;
    void Invalidate() override;
    // Fires this control's OnClick (every OnClick of the combo box goes through it).
    void Click() override;

    TNotifyEvent OnChange;
    TNotifyEvent OnClick;
    TNotifyEvent OnCloseUp;
    TNotifyEvent OnDropDown;
    // Called after every committed selection (and after a text change coming from the edit).
    std::function<void()> OnSelectionChanged;
    TskDrawSkinItemEvent OnComboBoxDrawItem;

    // Copies of the description ("combobox").
    RECT ActiveSkinRect{};
    TColor ActiveFontColor = 0, FontColor = 0, FocusFontColor = 0;
    std::string FontName = "Arial";
    TFontStyles FontStyle;
    int FontHeight = 14;
    RECT SItemRect{}, FocusItemRect{}, ActiveItemRect{};
    int ItemLeftOffset = 0, ItemRightOffset = 0;
    RECT ItemTextRect{};
    RECT ButtonRect{}, ActiveButtonRect{}, DownButtonRect{}, UnEnabledButtonRect{};
    std::string ListBoxName;
    bool ItemStretchEffect = false, FocusItemStretchEffect = false, ShowFocus = false;

protected:
    // The inner edit and the list window go first, while the control is whole.
    void BeforeDestruction() override;
    virtual void SelectionChanged();
    virtual void HandleEditMessage(TMessage& Message);
    void CreateInnerEdit();
    void CreateControlDefaultImage(TBitmap* B) override;
    void CreateControlSkinImage(TBitmap* B) override;
    void FitBoundsToSkin(int& W, int& H) override;
    // The mask's region only at the skin's size; a control of any size has none.
    void ApplyMaskRegion() override;
    void DefaultFontChanged() override;
    void MouseDown(TMouseButton ButtonPressed, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton ButtonReleased, TShiftState Shift, int X, int Y) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;

    TskCBItem CBItem;
    TskCBButtonX Button;

private:
    bool Busy() const;
    void Fire(const TNotifyEvent& Event);
    void LayoutParts();
    bool HasActiveRect() const;
    void SetEditFontColor(TColor Color);
    void EditTextChanged();
    void ListBoxWindowHook(TMessage& Message);
    void ListBoxHotTrack(int X, int Y);
    void CancelMode(TControl* Sender);
    void TrackDragOverList();
    void StartTimer(int Mode);
    void StopTimer();
    void SetListIndex(int Index);
    int ListIndex() { return FListBox->ListBox->GetItemIndex(); }
    void SelectPrevious(bool Commit);
    void SelectNext(bool Commit);
    void SelectPageUp(bool Commit);
    void SelectPageDown(bool Commit);
    void EditSelectPrevious(bool Commit);
    void EditSelectNext(bool Commit);
    void FindItemByTyping(const std::string& S);
    // The completion of a key release (AfterPause: only 200 ms after the last one).
    void AutoCompleteEditText(bool AfterPause);
    int FindPrefix(const std::string& Text, int Start);
    BYTE SkinCharset();
    // The shown item's look: plain, a band at the skin's item height, or framed to the area.
    enum class TItemLook { Plain, Band, Framed };
    void DrawItemArea(TCanvas* C, const RECT& R, TItemLook Look);
    // The shown item's image and text (Text when not empty, else the item's) in T, or the
    // owner's drawing; W x H is the item bitmap's size.
    void DrawItemContent(TCanvas* C, int Shown, RECT T, int W, int H, const std::string& Text);
    void DrawFrameImage(TBitmap* B, bool Described, bool NormalOnly);
    void DrawToolButton(TCanvas* C, bool Skinned, const std::string& Text);
    void PaintWithEditTo(HDC DC);
    bool Pressed() const { return Button.Down && Button.MouseIn; }

    bool FDropDown = false;
    bool FToolButtonStyle = false;
    TEditCharCase FCharCase = TEditCharCase::ecNormal;
    bool FHideSelection = true;
    TColor FDefaultColor = clWindow;
    bool FUseSkinSize = true;
    bool WasInLB = false;
    int TimerMode = 0;
    int FListBoxWidth = 0;
    DWORD FLastTime = 0;
    std::string FFilter;
    bool FAutoComplete = true;
    bool FAlphaBlend = false, FAlphaBlendAnimation = false;
    BYTE FAlphaBlendValue = 0;
    TskSkinCustomComboBoxStyle FStyle = TskSkinCustomComboBoxStyle::skcbFixedStyle;
    bool FMouseIn = false;
    // The inner edit's Enter or Escape closed the list: its character is not the form's.
    bool FKeyClosedList = false;
    int FOldItemIndex = -1;
    int FDropDownCount = 8;
    bool FLBDown = false;
    TWndMethod FListBoxWindowProc;
    TWndMethod FEditWindowProc;
    TskPopupListBox* FListBox = nullptr;
    TskCustomEdit* FEdit = nullptr;
    bool FromEdit = false;
};

class TskSkinComboBox : public TskSkinCustomComboBox {
public:
    using TskSkinCustomComboBox::TskSkinCustomComboBox;
};
