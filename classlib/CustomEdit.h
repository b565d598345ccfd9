#pragma once
// TCustomEdit: a windowed control on the window class "EDIT" (the edit's window procedure is its
// default handling), and TEdit publishing it. Positions count code points.

#include "classlib/Controls.h"
#include "classlib/EditControl.h"

#include <string>

enum class TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
enum class TBorderStyle { bsNone, bsSingle };

// Handled: the wheel was dealt with and goes no further.
using TMouseWheelEvent = std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta, POINT MousePos, bool& Handled)>;
using TMouseWheelUpDownEvent = std::function<void(TObject* Sender, TShiftState Shift, POINT MousePos, bool& Handled)>;

class TCustomEdit : public TWinControl {
public:
    explicit TCustomEdit(TComponent* AOwner);

    // Selects the whole text when the focus comes by keyboard (not by a click).
    bool GetAutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool Value) { FAutoSelect = Value; }
    TBorderStyle GetBorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    TEditCharCase GetCharCase() const { return FCharCase; }
    // Typed and pasted letters change case; setting it also converts the present text.
    void SetCharCase(TEditCharCase Value);
    // Most code points (0: no limit); longer typing or pasting is cut.
    int GetMaxLength() const { return FMaxLength; }
    void SetMaxLength(int Value);
    // A code point shown for every character (0: the text itself); copying is then refused.
    char32_t GetPasswordChar() const { return FPasswordChar; }
    virtual void SetPasswordChar(char32_t Value);
    // The edit's own read-only state (the text cannot be changed by the user).
    bool GetNativeReadOnly() const { return FReadOnly; }
    void SetNativeReadOnly(bool Value);
    // Hides the selection while the edit has no focus.
    bool GetHideSelection() const { return FHideSelection; }
    void SetHideSelection(bool Value);
    bool GetOEMConvert() const { return FOEMConvert; }
    void SetOEMConvert(bool Value);
    bool GetModified();
    void SetModified(bool Value);

    int GetSelStart();
    void SetSelStart(int Value);
    int GetSelLength();
    void SetSelLength(int Value);
    std::string GetSelText();
    void SetSelText(const std::string& Value);
    void SelectAll();
    void ClearSelection();
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    void Clear();
    bool CanUndo();
    void Undo();
    void ClearUndo();

    void Dispatch(TMessage& Message) override;

    TNotifyEvent OnChange;
    TMouseWheelEvent OnMouseWheel;
    TMouseWheelUpDownEvent OnMouseWheelDown;
    TMouseWheelUpDownEvent OnMouseWheelUp;

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void DoEnter() override;
    virtual void Change();
    // OnMouseWheel, then OnMouseWheelDown (delta below 0) or OnMouseWheelUp; true when handled.
    virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, POINT MousePos);
    // True while the window is being made anew (text, selection and focus are carried over).
    bool Recreating() const { return FRecreating; }

private:
    bool FAutoSelect = true;
    TBorderStyle FBorderStyle = TBorderStyle::bsSingle;
    TEditCharCase FCharCase = TEditCharCase::ecNormal;
    int FMaxLength = 0;
    char32_t FPasswordChar = 0;
    bool FReadOnly = false;
    bool FHideSelection = true;
    bool FOEMConvert = false;
    bool FModified = false;
    // The selection kept while the window is recreated.
    DWORD FSavedSelStart = 0, FSavedSelEnd = 0;
    bool FRecreating = false;
};

class TEdit : public TCustomEdit {
public:
    using TCustomEdit::TCustomEdit;
};
