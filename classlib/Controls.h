#pragma once
// Controls: TControl (placement, alignment, anchors, constraints, state, messages and the
// mouse), TWinControl (a control with its own window, created on demand, whose window
// procedure is the control's), TCustomControl (a windowed control that paints on its canvas)
// and TGraphicControl (a control without a window that its parent paints and feeds the mouse).
//
// Messages reach a control through WindowProc (replaceable; WndProc by default), which calls
// Dispatch: each class handles the messages it knows in its Dispatch and passes the others to
// its base class's Dispatch, which ends in DefaultHandler (for a windowed control, the window's
// previous procedure). "The inherited handling" of a message is the base class's Dispatch.

#include "classlib/Canvas.h"
#include "classlib/Classes.h"
#include "classlib/Colors.h"
#include "classlib/GraphicsObjects.h"
#include "classlib/Messages.h"
#include "platform/window/Handles.h"

#include <memory>
#include <string>
#include <vector>

class TWinControl;
class TPopupMenu;
class TCustomForm;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;
inline const TAnchors AnchorAlign[] = {
    {akLeft, akTop},                    // alNone
    {akLeft, akTop, akRight},           // alTop
    {akLeft, akRight, akBottom},        // alBottom
    {akLeft, akTop, akBottom},          // alLeft
    {akRight, akTop, akBottom},         // alRight
    {akLeft, akTop, akRight, akBottom}, // alClient
    {akLeft, akTop},                    // alCustom
};

enum TControlStyleMember {
    csAcceptsControls, // may be the parent of other controls
    csCaptureMouse,    // takes the mouse while a button is held on it
    csClickEvents,     // a press and release on it make a click
    csFramed,
    csSetCaption,      // the name becomes the caption while they are equal
    csOpaque,          // paints its whole rectangle: the parent leaves it out
    csDoubleClicks,    // gets double-click messages (otherwise a second press)
    csFixedWidth,
    csFixedHeight,
    csNoStdEvents,     // no OnMouseMove and the like
    csParentBackground,
};
using TControlStyle = TSet<TControlStyleMember>;

enum TControlStateMember {
    csLButtonDown,
    csClicked,
    csAlignmentNeeded,
    csFocusing,
    csCreating,
    csPaintCopy,       // painting into an off-screen copy, not onto the window
    csCustomPaint,
    csDestroyingHandle,
};
using TControlState = TSet<TControlStateMember>;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
using TCursor = int;
inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crCross = -3;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crSizeNESW = -6;
inline constexpr TCursor crSizeNS = -7;
inline constexpr TCursor crSizeNWSE = -8;
inline constexpr TCursor crSizeWE = -9;
inline constexpr TCursor crUpArrow = -10;
inline constexpr TCursor crHourGlass = -11;
inline constexpr TCursor crNo = -18;
inline constexpr TCursor crAppStart = -19;
inline constexpr TCursor crHelp = -20;
inline constexpr TCursor crHandPoint = -21;
inline constexpr TCursor crSizeAll = -22;
// The system cursor of a cursor value (crDefault: the arrow).
HCURSOR CursorHandle(TCursor Cursor);

using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, WORD& Key, TShiftState Shift)>;
// The character is a Unicode code point; setting it to 0 drops it.
using TKeyPressEvent = std::function<void(TObject* Sender, char32_t& Key)>;

// Limits on a control's size; 0 means no limit.
class TSizeConstraints : public TPersistent {
public:
    int GetMinWidth() const { return FMinWidth; }
    int GetMinHeight() const { return FMinHeight; }
    int GetMaxWidth() const { return FMaxWidth; }
    int GetMaxHeight() const { return FMaxHeight; }
    void SetMinWidth(int Value);
    void SetMinHeight(int Value);
    void SetMaxWidth(int Value);
    void SetMaxHeight(int Value);
    void Apply(int& Width, int& Height) const;
    void Assign(TPersistent* Source) override;
    TNotifyEvent OnChange;

private:
    void changed();
    int FMinWidth = 0, FMinHeight = 0, FMaxWidth = 0, FMaxHeight = 0;
};

// A canvas on a control: the control's window, or for a windowless control its parent's window
// clipped to the control. Outside painting it takes a device context on first use and gives it
// back at FreeHandle (the control and the application's idle step call it).
class TControlCanvas : public TCanvas {
public:
    explicit TControlCanvas(class TControl* Control) : FControl(Control) {}
    ~TControlCanvas() override;
    void FreeHandle();
    TControl* Control() const { return FControl; }

protected:
    void CreateHandle() override;

private:
    TControl* FControl;
    HWND FWindow = nullptr;  // the window whose context we took
};

class TControl : public TComponent {
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;
    // With csSetCaption a caption equal to the old name follows the new name.
    void SetName(const std::string& NewName) override;

    // --- parent and placement ---
    TWinControl* GetParent() const { return FParent; }
    virtual void SetParent(TWinControl* AParent);
    int GetLeft() const { return FLeft; }
    int GetTop() const { return FTop; }
    int GetWidth() const { return FWidth; }
    int GetHeight() const { return FHeight; }
    void SetLeft(int Value) { SetBounds(Value, FTop, FWidth, FHeight); }
    void SetTop(int Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
    void SetWidth(int Value) { SetBounds(FLeft, FTop, Value, FHeight); }
    void SetHeight(int Value) { SetBounds(FLeft, FTop, FWidth, Value); }
    // Applies the constraints, moves the control, updates its anchors and realigns its parent.
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    RECT GetBoundsRect() const { return RECT{FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
    void SetBoundsRect(const RECT& R) { SetBounds(R.left, R.top, R.right - R.left, R.bottom - R.top); }
    // (0, 0, client width, client height).
    virtual RECT GetClientRect();
    int GetClientWidth() { return GetClientRect().right; }
    int GetClientHeight() { return GetClientRect().bottom; }
    virtual void SetClientWidth(int Value);
    virtual void SetClientHeight(int Value);
    // Screen position of the client area's top-left corner.
    virtual POINT GetClientOrigin();
    POINT ClientToScreen(POINT Point);
    POINT ScreenToClient(POINT Point);

    TAlign GetAlign() const { return FAlign; }
    void SetAlign(TAlign Value);
    TAnchors GetAnchors() const { return FAnchors; }
    void SetAnchors(TAnchors Value);
    TSizeConstraints* Constraints() const { return FConstraints.get(); }

    // --- state ---
    bool GetVisible() const { return FVisible; }
    virtual void SetVisible(bool Value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool GetEnabled() const { return FEnabled; }
    virtual void SetEnabled(bool Value);
    // Caption and Text are the same text; setting a different one sends CM_TEXTCHANGED.
    std::string GetText();
    void SetText(const std::string& Value);
    std::string GetCaption() { return GetText(); }
    void SetCaption(const std::string& Value) { SetText(Value); }
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* Value) { FFont->Assign(Value); }
    bool GetParentFont() const { return FParentFont; }
    void SetParentFont(bool Value);
    TColor GetColor() const { return FColor; }
    void SetColor(TColor Value);
    bool GetParentColor() const { return FParentColor; }
    void SetParentColor(bool Value);
    const std::string& GetHint() const { return FHint; }
    void SetHint(const std::string& Value) { FHint = Value; }
    bool GetShowHint() const { return FShowHint; }
    void SetShowHint(bool Value);
    bool GetParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool Value);
    TPopupMenu* GetPopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu* Value);
    TCursor GetCursor() const { return FCursor; }
    void SetCursor(TCursor Value);
    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle Value) { FControlStyle = Value; }
    TControlState ControlState() const { return FControlState; }
    void SetControlState(TControlState Value) { FControlState = Value; }

    // --- operations ---
    // Repaints the control's rectangle (later, when the queue is idle).
    virtual void Invalidate();
    // Paints at once what is invalid.
    virtual void Update();
    void Repaint();
    void Refresh() { Repaint(); }
    LRESULT Perform(UINT Msg, WPARAM WParam, LPARAM LParam);
    void BringToFront() { SetZOrder(true); }
    void SendToBack() { SetZOrder(false); }
    bool GetMouseCapture();
    void SetMouseCapture(bool Value);
    virtual void Click();
    virtual void DblClick();

    // --- messages ---
    TWndMethod WindowProc;
    virtual void WndProc(TMessage& Message);
    virtual void Dispatch(TMessage& Message);
    virtual void DefaultHandler(TMessage& Message);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnResize;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

    // A flag that turns false when the control is destroyed; code that calls user events keeps
    // it to know whether the control survived them.
    std::shared_ptr<bool> AliveToken() const { return FAlive; }

protected:
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void Resize();
    virtual void SetZOrder(bool TopMost);
    // May veto or change a new size (after the constraints).
    virtual bool CanResize(int& NewWidth, int& NewHeight);
    // Asks the parent to realign its children after this one changed.
    void RequestAlign();
    // Records the distances that the anchors keep.
    void UpdateAnchorRules();
    // The text of a control without a window.
    virtual std::string GetTextValue() { return FText; }
    virtual void SetTextValue(const std::string& Value) { FText = Value; }
    // Invalidates the control's rectangle on its parent's window.
    void InvalidateControl(bool IsVisible, bool IsOpaque);
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Loaded() override;
    void BeforeDestruction() override;
    virtual void FontChanged();
    bool CheckNewSize(int& NewWidth, int& NewHeight);

    int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
    TWinControl* FParent = nullptr;
    TControlStyle FControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    TControlState FControlState;

private:
    friend class TWinControl;
    void teardown();
    void doMouseDown(TMessage& Message, TMouseButton Button, TShiftState Shift);
    void doMouseUp(TMessage& Message, TMouseButton Button);

    TAlign FAlign = TAlign::alNone;
    TAnchors FAnchors{akLeft, akTop};
    POINT FAnchorRules{};
    POINT FOriginalParentSize{};
    std::unique_ptr<TSizeConstraints> FConstraints;
    bool FVisible = true;
    bool FEnabled = true;
    std::string FText;
    std::unique_ptr<TFont> FFont;
    bool FParentFont = true;
    TColor FColor = clWindow;
    bool FParentColor = true;
    std::string FHint;
    bool FShowHint = false;
    bool FParentShowHint = true;
    TPopupMenu* FPopupMenu = nullptr;
    TCursor FCursor = crDefault;
    std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
    bool FAnchorMove = false;  // set while alignment moves the control: its anchor rules stay
    bool FTornDown = false;
};

// The window creation parameters a windowed control fills in CreateParams.
struct TCreateParams {
    std::string Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0, Y = 0, Width = 0, Height = 0;
    HWND WndParent = nullptr;
    std::string WinClassName;
    UINT ClassStyle = 0;
    HCURSOR ClassCursor = nullptr;
    HBRUSH ClassBackground = nullptr;
};

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;

    // --- the window ---
    // The window, created (with the parents' windows) on first use.
    HWND GetHandle();
    bool HandleAllocated() const { return FHandle != nullptr; }
    void HandleNeeded();
    // Destroys the window and makes a new one (keeping the children).
    void RecreateWnd();
    // A top-level window for a control without a parent control (a form, a pop-up).
    HWND GetParentWindow() const { return FParentWindow; }
    void SetParentWindow(HWND Value);
    // The control whose window this is (or nullptr).
    static TWinControl* FindControl(HWND Handle);

    // --- children ---
    int ControlCount() const { return static_cast<int>(FControls.size() + FWinControls.size()); }
    // Windowless children first (in their order), then windowed ones.
    TControl* Controls(int Index) const;
    void InsertControl(TControl* AControl);
    void RemoveControl(TControl* AControl);
    bool ContainsControl(TControl* Control) const;
    // The child at the point (client coordinates): windowless ones over windowed ones, the last
    // first; with AllowDisabled disabled children count too.
    TControl* ControlAtPos(POINT Pos, bool AllowDisabled, bool AllowWinControls = false);
    // Sends the message to every child until one answers it (Result not 0).
    void Broadcast(TMessage& Message);

    // --- alignment ---
    void DisableAlign() { ++FAlignLevel; }
    void EnableAlign();
    bool AlignDisabled() const { return FAlignLevel != 0; }
    void Realign();
    // Shifts every child by (DeltaX, DeltaY) and repaints.
    void ScrollBy(int DeltaX, int DeltaY);

    // --- focus and keyboard ---
    int GetTabOrder() const;
    void SetTabOrder(int Value);
    bool GetTabStop() const { return FTabStop; }
    void SetTabStop(bool Value);
    virtual bool CanFocus();
    virtual void SetFocus();
    virtual bool Focused();
    // The next control in tab order after CurControl (wrapping), among this control's
    // descendants; CheckTabStop: only those with TabStop.
    TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop, bool CheckParent);
    void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);
    // The children in tab order.
    std::vector<TWinControl*> GetTabOrderList();
    bool Showing() const { return FShowing; }

    // The background brush (Color).
    TBrush* Brush() const { return FBrush.get(); }

    RECT GetClientRect() override;
    POINT GetClientOrigin() override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void Invalidate() override;
    void Update() override;

    void WndProc(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;
    // To the window's previous procedure.
    void DefaultHandler(TMessage& Message) override;
    // Paints the visible windowless children, from First (nullptr: all) on, into DC, each with
    // the origin moved to its top-left corner and clipped to its rectangle.
    void PaintControls(HDC DC, TControl* First);
    // Takes the focus away from Control (or its descendants) when it has it.
    void RemoveFocus(bool Removing);

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;

protected:
    virtual void CreateParams(TCreateParams& Params);
    virtual void CreateWnd();
    virtual void DestroyWnd();
    virtual void CreateWindowHandle(const TCreateParams& Params);
    virtual void DestroyWindowHandle();
    void CreateHandle();
    void DestroyHandle();
    // The part of the client area the children are aligned in.
    virtual void AdjustClientRect(RECT& Rect);
    virtual void AlignControls(TControl* AControl, RECT& Rect);
    void AlignControl(TControl* AControl);
    virtual void PaintWindow(HDC DC);
    void PaintHandler(TMessage& Message);
    virtual void KeyDown(WORD& Key, TShiftState Shift);
    virtual void KeyUp(WORD& Key, TShiftState Shift);
    virtual void KeyPress(char32_t& Key);
    virtual void DoEnter();
    virtual void DoExit();
    // Showing follows Visible and the parent's showing; the window is shown or hidden to match.
    void UpdateShowing();
    void UpdateControlState();
    void SetZOrder(bool TopMost) override;
    void BeforeDestruction() override;
    std::string GetTextValue() override;
    void SetTextValue(const std::string& Value) override;
    // Moves the control's rectangle from the window after the window moved or was sized.
    void UpdateBounds();

    HWND FHandle = nullptr;
    WNDPROC FDefWndProc = nullptr;

private:
    friend class TControl;
    friend LRESULT ControlWindowProc(HWND, UINT, WPARAM, LPARAM);
    void teardown();
    void doKeyDown(TMessage& Message);
    void doKeyUp(TMessage& Message);
    void doKeyPress(TMessage& Message);
    bool isControlMouseMsg(TMessage& Message);
    void updateChildShowing();
    void setWindowPosFromBounds();
    void cnKeyDown(TMessage& Message);
    void alignByAnchors(TControl* C, const RECT& Client);

    std::vector<TControl*> FControls;     // windowless children
    std::vector<TWinControl*> FWinControls;
    std::vector<TWinControl*> FTabList;
    HWND FParentWindow = nullptr;
    int FAlignLevel = 0;
    bool FTabStop = false;
    bool FShowing = false;
    bool FSettingBounds = false;
    std::unique_ptr<TBrush> FBrush;
    bool FTornDown = false;
};

// A windowed control that paints itself on its Canvas in Paint.
class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* AOwner);
    ~TCustomControl() override;
    TCanvas* Canvas() const { return FCanvas.get(); }

protected:
    virtual void Paint() {}
    void PaintWindow(HDC DC) override;
    void BeforeDestruction() override;

private:
    std::unique_ptr<TControlCanvas> FCanvas;
};

// A control without a window: its parent paints it (in child order, into the parent's device
// context moved to the control) and hands it the mouse.
class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* AOwner);
    ~TGraphicControl() override;
    TCanvas* Canvas() const { return FCanvas.get(); }
    void Dispatch(TMessage& Message) override;

protected:
    virtual void Paint() {}
    void BeforeDestruction() override;

private:
    std::unique_ptr<TControlCanvas> FCanvas;
};

// The form the control lies on (its top-most parent when that is a form), or nullptr.
TCustomForm* GetParentForm(TControl* Control);
// The control holding the mouse: a windowed control with the capture, or the windowless child
// its parent captured the mouse for.
TControl* GetCaptureControl();
void SetCaptureControl(TControl* Control);
// Tells the control holding the mouse to let it go (CM_CANCELMODE with Sender as the control
// taking over).
void SendCancelMode(TControl* Sender);
// Frees the control once the messages queued before have run (as a form's Release): a control
// may ask for its own end inside its own message handling. A windowed control's window is hidden
// at once. Nothing happens when the control is freed meanwhile.
void ReleaseControl(TControl* Control);
// Frees the controls ReleaseControl was given (the application's window calls it).
void FreeReleasedControls();
