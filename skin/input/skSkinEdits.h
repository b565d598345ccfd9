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
class TskSkinPopupMenu;

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
    // The skinned context menu built by the last request without a PopupMenu (nullptr: none, or
    // freed after its command ran). It shows only on a form with a skinned frame.
    TskSkinPopupMenu* SysPopupMenu() const { return FSysPopupMenu; }

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
    void showContextMenu(LPARAM Pos);
    void releaseContextMenu();

    TskSkinPopupMenu* FSysPopupMenu = nullptr;
    WPARAM FSysPopupMenuNumber = 0;
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

// Properties a form description may set on an edit that have no effect on Linux (input-method
// modes, bidirectional reading, drag and drop): stored only.
enum class TImeMode { imDisable, imClose, imOpen, imDontCare, imSAlpha, imAlpha, imHira, imSKata, imKata, imChinese,
                      imSHanguel, imHanguel };
enum class TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
enum class TDragKind { dkDrag, dkDock };
enum class TDragMode { dmManual, dmAutomatic };
struct TskStoredEditProperties {
    TImeMode ImeMode = TImeMode::imDontCare;
    std::string ImeName;
    TBiDiMode BiDiMode = TBiDiMode::bdLeftToRight;
    bool ParentBiDiMode = true;
    TCursor DragCursor = -12;  // the drag cursor
    TDragKind DragKind = TDragKind::dkDrag;
    TDragMode DragMode = TDragMode::dmManual;
};

// A button drawn inside a skinned box.
struct TskCBButtonX {
    RECT R{};
    bool MouseIn = false;
    bool Down = false;
};

// Hit codes of the image buttons inside the text area.
inline constexpr LRESULT HTEDITLEFTBUTTON = 104;
inline constexpr LRESULT HTEDITRIGHTBUTTON = 105;

// The skinned edit: its frame is the non-client area, drawn from the description SkinDataName
// ("edit", "buttonedit" with ButtonMode); the client area shows the middle of the same skin image
// and the text is drawn over it. Without a description: a plain two-colour frame on DefaultColor.
class TskSkinCustomEdit : public TskCustomEdit, public TskSkinChangeable, public TskDropDownCancelable {
public:
    explicit TskSkinCustomEdit(TComponent* AOwner);
    ~TskSkinCustomEdit() override;

    TskSkinData* GetSkinData() const override { return FSD; }
    virtual void SetSkinData(TskSkinData* Value);
    const std::string& GetSkinDataName() const { return FSkinDataName; }
    void SetSkinDataName(const std::string& Value) { FSkinDataName = Value; }
    // Takes the description (font, height, colours), recreates the window keeping text, focus
    // and selection, and repaints.
    void ChangeSkinData() override;
    // Repaints the client area with its background.
    void Invalidate() override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    // The control's look with AText into C at (X, Y).
    void PaintSkinTo(TCanvas* C, int X, int Y, const std::string& AText);

    TColor GetDefaultColor() const { return FDefaultColor; }
    void SetDefaultColor(TColor Value);
    TFont* DefaultFont() const { return FDefaultFont.get(); }
    void SetDefaultFont(TFont* Value);
    bool GetUseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }
    int GetDefaultWidth() const { return FDefaultWidth; }
    void SetDefaultWidth(int Value);
    int GetDefaultHeight() const { return FDefaultHeight; }
    void SetDefaultHeight(int Value);
    bool GetButtonMode() const { return FButtonMode; }
    void SetButtonMode(bool Value);
    TAlignment GetAlignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TCustomImageList* GetImages() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    int GetLeftImageIndex() const { return FLeftImageIndex; }
    void SetLeftImageIndex(int Value);
    int GetRightImageIndex() const { return FRightImageIndex; }
    void SetRightImageIndex(int Value);
    int LeftImageHotIndex = -1, LeftImageDownIndex = -1;
    int RightImageHotIndex = -1, RightImageDownIndex = -1;
    // The description's position (-1: none) and the text area and drop button (window coordinates).
    int GetIndex() const { return FIndex; }
    RECT GetEditRect() const { return FEditRect; }
    RECT GetButtonRect() const { return FButtonRect; }

    TNotifyEvent OnButtonClick;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnLeftButtonClick;
    TNotifyEvent OnRightButtonClick;

    TskCBButtonX LeftButton, RightButton;
    // Copied from the description.
    int LOffset = 0, ROffset = 0;
    RECT ClRect{}, SkinRect{}, ActiveSkinRect{};
    std::string FontName;
    TFontStyles FontStyle;
    int FontHeight = 0;
    TColor FontColor = 0, DisabledFontColor = 0, ActiveFontColor = 0;
    RECT ButtonRect{}, ActiveButtonRect{}, DownButtonRect{}, UnEnabledButtonRect{};
    bool StretchEffect = false;
    TskStoredEditProperties Stored;

    void Dispatch(TMessage& Message) override;

protected:
    void CreateParams(TCreateParams& Params) override;
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    // The algorithms of the look (skSkinEditPaint.cpp).
    void lookup();
    void calcRects();
    int fontHeight();
    bool active();
    void sendNcPaint();
    void layoutImageButtons(bool SetFormattingRect);
    void drawImageButtons(TCanvas* C);
    void paintFrame(HDC DC, bool Clip);
    void paintFrameImage(TBitmap* B);
    void paintDefaultFrame(TBitmap* B);
    void paintEditButton(TBitmap* B);
    void eraseBackground(HDC DC);
    void paintClient(TMessage& Message);
    void paintDisabledText(HDC DC);
    void setTextColor();
    // Mouse over the image and drop buttons (skSkinCustomEdit.cpp).
    LRESULT hitTest(TMessage& Message);
    bool imageButtonMouse(TMessage& Message);
    bool dropButtonMouse(TMessage& Message);
    void hoverChanged(bool MouseIn);
    void mouseEnter();
    void mouseLeave();

    bool FStopDraw = false;
    TColor FDefaultColor = clWindow;
    RECT FButtonRect{};
    bool FButtonMode = false;
    bool FButtonDown = false;
    bool FButtonActive = false;
    RECT FEditRect{};
    bool FMouseIn = false;
    int FIndex = -1;
    TskSkinData* FSD = nullptr;
    std::string FSkinDataName = "edit";
    TBitmap* Picture = nullptr;
    std::unique_ptr<TFont> FDefaultFont;
    bool FUseSkinFont = true;
    int FDefaultWidth = 0, FDefaultHeight = 0;
    TAlignment FAlignment = TAlignment::taLeftJustify;
    TCustomImageList* FImages = nullptr;
    int FLeftImageIndex = -1, FRightImageIndex = -1;
};

class TskSkinEdit : public TskSkinCustomEdit {
public:
    using TskSkinCustomEdit::TskSkinCustomEdit;
};

// The decimal separator of the user's numeric locale (LC_NUMERIC of the environment), read
// without changing the process's locale; "." when it is not one character.
char32_t UserDecimalSeparator();
