#pragma once
// The skinned edits: TskCustomEdit (the edit under every skinned edit: its own read-only mode,
// Enter and Esc handed to the form, transparent painting, its context-menu items), TskSkinNumEdit
// (numbers only, Up/Down and the wheel as events), and TskSkinCustomEdit / TskSkinEdit (the edit
// framed and filled from its skin description, with a drop button and two image buttons).

#include "classlib/ImgList.h"
#include "classlib/Mask.h"
#include "classlib/StdCtrls.h"
#include "skin/core/skSkinData.h"
#include "skin/form/skSkinChange.h"

#include <memory>
#include <string>
#include <vector>

class TBitmap;
class TskResourceStrData;

using TskOnEditCancelMode = std::function<void(TControl* C)>;

// One entry of the edit's context menu: a separator has the caption "-" and no command. The
// command is a message the edit sends itself.
struct TskEditMenuItem {
    std::string CaptionKey;  // the key in the skin's string store; empty for a separator
    std::string Caption;
    bool Enabled = false;
    UINT Command = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
};

class TskCustomEdit : public TCustomMaskEdit {
public:
    explicit TskCustomEdit(TComponent* AOwner);

    // Refused are every message that would change the text: typing (control characters too),
    // Delete, cut, paste, clear, undo and input-method text. Moving, selecting and copying work.
    bool GetReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value);
    // Draws the text over what lies behind the edit (recreates the window).
    bool GetEditTransparent() const { return FEditTransparent; }
    void SetEditTransparent(bool Value);
    // Repaints the parent under the edit, then the edit with its frame, while transparent.
    void Invalidate() override;
    TskOnEditCancelMode OnEditCancelMode;

    // The context menu the edit offers: captions from Store (its text even when empty; nullptr:
    // the English fallbacks), enabled states from the edit's state now.
    std::vector<TskEditMenuItem> ContextMenuItems(TskResourceStrData* Store);
    // Runs an item's command on the edit (a disabled item does nothing).
    void RunContextMenuItem(const TskEditMenuItem& Item);
    // The screen point a context-menu request (WM_CONTEXTMENU's lParam) asks for; a request from
    // the keyboard (a negative coordinate) opens it at the edit's centre.
    POINT ContextMenuPoint(LPARAM Pos);

    void Dispatch(TMessage& Message) override;

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    // Refreshing: Invalidate while transparent.
    void Refresh();

    bool FDown = false;
    bool FReadOnly = false;
    bool FEditTransparent = false;

private:
    void doChar(TMessage& Message);
};

class TskSkinNumEdit : public TskCustomEdit {
public:
    explicit TskSkinNumEdit(TComponent* AOwner);

    bool GetEditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool Value) { FEditorEnabled = Value; }
    // Accepts a decimal number (the user's decimal separator) instead of an integer.
    bool Float = false;

    TNotifyEvent OnUpClick;
    TNotifyEvent OnDownClick;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

    void Dispatch(TMessage& Message) override;

protected:
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;

private:
    bool accepts(char32_t c);
    bool FEditorEnabled = true;
};

// The decimal separator of the user's numeric locale (LC_NUMERIC of the environment), read
// without changing the process's locale; "." when it is not one character.
char32_t UserDecimalSeparator();
