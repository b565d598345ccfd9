#pragma once
// The plain standard controls with a plain look of their own: push button, check box, radio
// button, label and scroll bar.

#include "classlib/Controls.h"

#include <string>

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TTextLayout { tlTop, tlCenter, tlBottom };

// A push button. The focused button, or the default button while the focus is on a control
// that is no button, answers Enter; the cancel button answers Escape. A click sets the form's
// ModalResult to the button's.
class TButton : public TCustomControl {
public:
    explicit TButton(TComponent* AOwner);

    bool GetDefault() const { return FDefault; }
    void SetDefault(bool Value);
    bool GetCancel() const { return FCancel; }
    void SetCancel(bool Value) { FCancel = Value; }
    int GetModalResult() const { return FModalResult; }
    void SetModalResult(int Value) { FModalResult = Value; }
    // The button answers Enter now.
    bool Active() const { return FActive; }

    void Click() override;
    void Dispatch(TMessage& Message) override;

protected:
    void Paint() override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyUp(WORD& Key, TShiftState Shift) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;

private:
    bool FDefault = false;
    bool FCancel = false;
    bool FActive = false;
    bool FPressed = false;   // drawn pushed in
    bool FSpaceDown = false;
    int FModalResult = 0;
};

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// A check box; clicking it (or Space) moves to the next state and fires OnClick, as does
// setting a different State from code.
class TCheckBox : public TCustomControl {
public:
    explicit TCheckBox(TComponent* AOwner);

    TCheckBoxState GetState() const { return FState; }
    void SetState(TCheckBoxState Value);
    bool GetChecked() const { return FState == TCheckBoxState::cbChecked; }
    void SetChecked(bool Value) { SetState(Value ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked); }
    bool GetAllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool Value) { FAllowGrayed = Value; }
    // taRightJustify (the default) puts the text to the right of the box.
    TAlignment GetAlignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    void Toggle();

    void Dispatch(TMessage& Message) override;

protected:
    void Paint() override;
    void KeyUp(WORD& Key, TShiftState Shift) override;

private:
    TCheckBoxState FState = TCheckBoxState::cbUnchecked;
    bool FAllowGrayed = false;
    TAlignment FAlignment = TAlignment::taRightJustify;
};

// A radio button; checking one unchecks the other radio buttons of the same parent.
class TRadioButton : public TCustomControl {
public:
    explicit TRadioButton(TComponent* AOwner);

    bool GetChecked() const { return FChecked; }
    void SetChecked(bool Value);

    void Dispatch(TMessage& Message) override;

protected:
    void Paint() override;
    void KeyUp(WORD& Key, TShiftState Shift) override;

private:
    bool FChecked = false;
};

// A text without a window. With AutoSize it takes the size of its text; an accelerator ("&x")
// moves the focus to FocusControl. Painting and measuring both go through DoDrawText, so a
// descendant that draws its text otherwise (another font, ellipses) is measured the same way.
class TCustomLabel : public TGraphicControl {
public:
    explicit TCustomLabel(TComponent* AOwner);

    TAlignment GetAlignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TTextLayout GetLayout() const { return FLayout; }
    void SetLayout(TTextLayout Value);
    bool GetAutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    bool GetWordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    // A transparent label lets its parent show through (no background fill).
    bool GetTransparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    bool GetShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool Value);
    TWinControl* GetFocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* Value);

    void Dispatch(TMessage& Message) override;

protected:
    void Paint() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Loaded() override;
    // Resizes to the text (AutoSize), keeping the edge its alignment holds.
    void AdjustBounds();
    // Draws the caption into Rect on Canvas with the DrawText flags, or with DT_CALCRECT only
    // measures it (an empty caption measures as a blank). Disabled text is drawn twice, one
    // pixel apart, in the highlight and the shadow colour.
    virtual void DoDrawText(TCanvas* Canvas, RECT& Rect, UINT Flags);
    // The alignment, word-wrap, tab and prefix flags of the label.
    UINT TextFlags() const;

private:

    TAlignment FAlignment = TAlignment::taLeftJustify;
    TTextLayout FLayout = TTextLayout::tlTop;
    bool FAutoSize = true;
    bool FWordWrap = false;
    bool FTransparent = false;
    bool FShowAccelChar = true;
    TWinControl* FFocusControl = nullptr;
};

// The plain label.
class TLabel : public TCustomLabel {
public:
    using TCustomLabel::TCustomLabel;
};

enum class TScrollBarKind { sbHorizontal, sbVertical };
enum class TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll };
using TScrollEvent = std::function<void(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos)>;

// A scroll bar with arrow buttons, a track and a thumb of its own drawing.
class TScrollBar : public TCustomControl {
public:
    explicit TScrollBar(TComponent* AOwner);

    TScrollBarKind GetKind() const { return FKind; }
    void SetKind(TScrollBarKind Value);
    int GetMin() const { return FMin; }
    int GetMax() const { return FMax; }
    int GetPosition() const { return FPosition; }
    void SetMin(int Value) { SetParams(FPosition, Value, FMax); }
    void SetMax(int Value) { SetParams(FPosition, FMin, Value); }
    // Clamped to Min .. Max - max(PageSize - 1, 0); OnChange when it changes.
    void SetPosition(int Value) { SetParams(Value, FMin, FMax); }
    void SetParams(int APosition, int AMin, int AMax);
    int GetSmallChange() const { return FSmallChange; }
    void SetSmallChange(int Value) { FSmallChange = Value; }
    int GetLargeChange() const { return FLargeChange; }
    void SetLargeChange(int Value) { FLargeChange = Value; }
    int GetPageSize() const { return FPageSize; }
    void SetPageSize(int Value);

    TNotifyEvent OnChange;
    // Before the position moves: the handler may change where it goes.
    TScrollEvent OnScroll;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void Dispatch(TMessage& Message) override;

private:
    struct Parts {
        RECT lineUp, lineDown, track, thumb;
    };
    Parts parts();
    int maxPosition() const;
    void scroll(TScrollCode Code, int Pos);

    TScrollBarKind FKind = TScrollBarKind::sbHorizontal;
    int FMin = 0, FMax = 100, FPosition = 0;
    int FSmallChange = 1, FLargeChange = 1, FPageSize = 0;
    bool FDragging = false;
    int FDragOffset = 0;
};
