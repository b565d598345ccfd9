#pragma once
// Forms (top-level windows with a frame, showing, closing, modal running, focus and keyboard
// routing), the screen (forms in focus order, the active form and control, the screen's size
// and work area, the cursor), the hint window, and the application (message loop, main form,
// hints, exceptions, its own hidden window).

#include "classlib/Controls.h"
#include "classlib/Icon.h"
#include "classlib/Menus.h"

#include <exception>
#include <memory>
#include <string>
#include <vector>

class TUtilityWindow;

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
// An fsMDIForm holds its fsMDIChild forms as child windows of its client window (ClientHandle).
enum class TFormStyle { fsNormal, fsStayOnTop, fsMDIChild, fsMDIForm };
enum class TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
                       poMainFormCenter, poOwnerFormCenter };
enum class TWindowState { wsNormal, wsMinimized, wsMaximized };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };
enum TFormStateMember { fsCreating, fsVisible, fsShowing, fsModal, fsActivated };
using TFormState = TSet<TFormStateMember>;

using TModalResult = int;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = 1;
inline constexpr TModalResult mrCancel = 2;
inline constexpr TModalResult mrAbort = 3;
inline constexpr TModalResult mrRetry = 4;
inline constexpr TModalResult mrIgnore = 5;
inline constexpr TModalResult mrYes = 6;
inline constexpr TModalResult mrNo = 7;
inline constexpr TModalResult mrAll = 8;
inline constexpr TModalResult mrNoToAll = 9;
inline constexpr TModalResult mrYesToAll = 10;
inline constexpr TModalResult mrClose = 11;

// Message-box buttons and answers, with the Windows values.
inline constexpr UINT MB_OK = 0x0;
inline constexpr UINT MB_OKCANCEL = 0x1;
inline constexpr UINT MB_YESNOCANCEL = 0x3;
inline constexpr UINT MB_YESNO = 0x4;
inline constexpr UINT MB_ICONERROR = 0x10;
inline constexpr UINT MB_ICONQUESTION = 0x20;
inline constexpr UINT MB_ICONWARNING = 0x30;
inline constexpr UINT MB_ICONINFORMATION = 0x40;
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;
using TShortCutEvent = std::function<void(TWMKey& Msg, bool& Handled)>;

class TCustomForm : public TCustomControl {
public:
    explicit TCustomForm(TComponent* AOwner);
    ~TCustomForm() override;
    // Runs OnCreate. The code that makes a form calls it once the form is built (the
    // application's CreateForm does).
    virtual void AfterConstruction();

    // --- frame ---
    TFormBorderStyle GetBorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle Value);
    TBorderIcons GetBorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons Value);
    TFormStyle GetFormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle Value);
    TPosition GetPosition() const { return FPosition; }
    void SetPosition(TPosition Value) { FPosition = Value; }
    TWindowState GetWindowState() const { return FWindowState; }
    void SetWindowState(TWindowState Value);
    // The client size; the window is made when needed to know its frame.
    void SetClientWidth(int Value) override;
    void SetClientHeight(int Value) override;

    // --- showing and closing ---
    // Makes the form visible and brings it to the front.
    void Show();
    // Activates the form (and the control that has its focus); refused when it is hidden or
    // disabled.
    void SetFocus() override;
    // Asks OnCloseQuery, then OnClose decides: hide (the default), free, minimize or nothing.
    // Closing the main form ends the application; closing a modal form ends its ShowModal.
    void Close();
    virtual bool CloseQuery();
    // Shows the form and runs messages until ModalResult is set (by a button, by Close or by
    // code), then hides it and returns the result. The other forms are disabled meanwhile.
    virtual int ShowModal();
    TModalResult GetModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }
    // Frees the form once the messages queued before have run.
    void Release();
    TFormState FormState() const { return FFormState; }

    // --- focus and keys ---
    TWinControl* GetActiveControl() const { return FActiveControl; }
    void SetActiveControl(TWinControl* Control);
    void FocusControl(TWinControl* Control);
    // Called when a control of the form gets the focus: enter and exit notifications, the
    // screen's active form and control, CM_FOCUSCHANGED to every control of the form.
    bool SetFocusedControl(TWinControl* Control);
    void DefocusControl(TWinControl* Control, bool Removing);
    bool GetActive() const { return FActive; }
    bool GetKeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool Value) { FKeyPreview = Value; }
    // OnShortCut first, then the menu's shortcuts; true when the key was used.
    virtual bool IsShortCut(TWMKey& Message);
    TMainMenu* GetMenu() const { return FMenu; }
    void SetMenu(TMainMenu* Value);
    // The form's own icon (empty: the application's is used).
    TIcon* Icon() const { return FIcon.get(); }
    // The help topic and file the form's help requests name.
    int GetHelpContext() const { return FHelpContext; }
    void SetHelpContext(int Value) { FHelpContext = Value; }
    const std::string& GetHelpFile() const { return FHelpFile; }
    void SetHelpFile(const std::string& Value) { FHelpFile = Value; }

    // --- MDI (FormMDI.cpp) ---
    // The client window of an fsMDIForm (filling its client area), else nullptr.
    HWND ClientHandle() const { return FClientHandle; }
    // The MDI children (of an fsMDIForm) in the order they were made.
    int MDIChildCount() const { return static_cast<int>(FMDIChildren.size()); }
    TCustomForm* MDIChildren(int Index) const { return FMDIChildren.at(static_cast<std::size_t>(Index)); }
    // The child that has the MDI activation (it got WM_NCACTIVATE 1); nullptr for none.
    TCustomForm* ActiveMDIChild() const { return FActiveMDIChild; }
    // Makes Child the active MDI child: the old one gets WM_NCACTIVATE 0, the new one comes to
    // the top and gets WM_NCACTIVATE 1.
    void SetActiveMDIChild(TCustomForm* Child);
    TMenuItem* GetWindowMenu() const { return FWindowMenu; }
    void SetWindowMenu(TMenuItem* Value) { FWindowMenu = Value; }

    void Dispatch(TMessage& Message) override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnPaint;
    TShortCutEvent OnShortCut;

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void Paint() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void BeforeDestruction() override;
    void SetZOrder(bool TopMost) override;
    void AlignControls(TControl* AControl, RECT& Rect) override;
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& Action);
    virtual void Activate();
    virtual void Deactivate();

private:
    friend class TWinControl;
    friend class TApplication;
    void teardown();
    void setActive(bool Value);
    void setWindowFocus();
    void placeOnFirstShow();
    void showingChanged();
    void closeModal();
    void dialogKey(TMessage& Message);
    // The application's main form when it is an fsMDIForm.
    static TCustomForm* mdiParent();
    void mdiDispatch(TMessage& Message);
    // The first visible child other than Leaving takes the MDI activation (or none).
    void activateNextMDIChild(TCustomForm* Leaving);
    // An MDI child leaves its main form's list (and activation) before it goes.
    void detachFromMDIParent();

    TFormBorderStyle FBorderStyle = TFormBorderStyle::bsSizeable;
    TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
    TFormStyle FFormStyle = TFormStyle::fsNormal;
    TPosition FPosition = TPosition::poDesigned;
    TWindowState FWindowState = TWindowState::wsNormal;
    TFormState FFormState;
    TModalResult FModalResult = mrNone;
    TWinControl* FActiveControl = nullptr;
    TWinControl* FFocusedControl = nullptr;
    TMainMenu* FMenu = nullptr;
    std::unique_ptr<TIcon> FIcon = std::make_unique<TIcon>();
    HWND FClientHandle = nullptr;
    std::vector<TCustomForm*> FMDIChildren;
    TCustomForm* FActiveMDIChild = nullptr;
    TMenuItem* FWindowMenu = nullptr;
    int FHelpContext = 0;
    std::string FHelpFile;
    bool FActive = false;
    bool FKeyPreview = false;
    bool FPlaced = false;
    bool FCreated = false;
    bool FTornDown = false;
};

class TForm : public TCustomForm {
public:
    using TCustomForm::TCustomForm;
};

class TScreen : public TComponent {
public:
    explicit TScreen(TComponent* AOwner) : TComponent(AOwner) {}

    // The forms, the most recently active first.
    int CustomFormCount() const { return static_cast<int>(FCustomForms.size()); }
    TCustomForm* CustomForms(int Index) const { return FCustomForms.at(static_cast<std::size_t>(Index)); }
    int FormCount() const;
    TForm* Forms(int Index) const;
    TCustomForm* ActiveCustomForm() const { return FActiveCustomForm; }
    TForm* ActiveForm() const { return dynamic_cast<TForm*>(FActiveCustomForm); }
    TWinControl* ActiveControl() const { return FActiveControl; }

    int GetWidth() const;
    int GetHeight() const;
    // The primary monitor's work area.
    RECT WorkAreaRect() const;

    // Overrides every control's cursor while not crDefault.
    TCursor GetCursor() const { return FCursor; }
    void SetCursor(TCursor Value);

    TNotifyEvent OnActiveControlChange;
    TNotifyEvent OnActiveFormChange;

private:
    friend class TCustomForm;
    void addForm(TCustomForm* Form);
    void removeForm(TCustomForm* Form);
    void setActive(TCustomForm* Form, TWinControl* Control);

    std::vector<TCustomForm*> FCustomForms;
    TCustomForm* FActiveCustomForm = nullptr;
    TCustomForm* FFocusedForm = nullptr;
    TWinControl* FActiveControl = nullptr;
    TCursor FCursor = crDefault;
};

// The small window that shows a hint: a pop-up with a border, in the info colours.
class THintWindow : public TCustomControl {
public:
    explicit THintWindow(TComponent* AOwner);
    // The size the hint needs at most MaxWidth wide, at (0, 0).
    virtual RECT CalcHintRect(int MaxWidth, const std::string& AHint);
    // Shows the hint in Rect (kept on the screen), without taking the activation.
    virtual void ActivateHint(RECT Rect, const std::string& AHint);
    void ReleaseHint();

protected:
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;
    void Dispatch(TMessage& Message) override;
};

using THintWindowClass = std::function<THintWindow*(TComponent* AOwner)>;
// The class of the application's hint window; replace it before the application makes one
// (switching ShowHint off and on makes a new one).
extern THintWindowClass HintWindowClass;

struct THintInfo {
    TControl* HintControl = nullptr;
    POINT HintPos{};        // screen position of the hint window
    int HintMaxWidth = 0;
    TColor HintColor = clInfoBk;
    RECT CursorRect{};      // moving the pointer inside it keeps the hint (control coordinates)
    POINT CursorPos{};      // control coordinates
    int HideTimeout = 0;
    std::string HintStr;
};

using TMessageEvent = std::function<void(MSG& Msg, bool& Handled)>;
using TIdleEvent = std::function<void(TObject* Sender, bool& Done)>;
using TExceptionEvent = std::function<void(TObject* Sender, const std::exception& E)>;
using TShowHintEvent = std::function<void(std::string& HintStr, bool& CanShow, THintInfo& HintInfo)>;
// A help request (Command HELP_CONTEXT with the topic as Data); true when it was served.
using THelpEvent = std::function<bool(WORD Command, int Data)>;
inline constexpr WORD HELP_CONTEXT = 1;
// Returns true when it handled the message (the window's other handling is skipped).
using TWindowHook = std::function<bool(TMessage& Message)>;

class TApplication : public TComponent {
public:
    explicit TApplication(TComponent* AOwner);
    ~TApplication() override;

    void Initialize() {}
    // Makes a form owned by the application, runs its OnCreate, and makes the first one the
    // main form.
    template <class T>
    void CreateForm(T*& Reference)
    {
        Reference = new T(this);
        Reference->AfterConstruction();
        if (!FMainForm) {
            Reference->HandleNeeded();
            FMainForm = Reference;
        }
    }
    TCustomForm* MainForm() const { return FMainForm; }

    // Shows the main form and runs the message loop until Terminate.
    void Run();
    void Terminate();
    bool Terminated() const { return FTerminate; }
    // Runs every message waiting (without waiting for more).
    void ProcessMessages();
    // Runs one message; false when none was waiting.
    bool ProcessMessage();
    // Runs one message, or, with none waiting, the idle step and then waits for one.
    void HandleMessage();

    // The application's hidden window (its title is Title); its procedure can be replaced or
    // hooked. WM_SYSCOMMAND SC_MINIMIZE and SC_RESTORE reaching it minimize and restore.
    HWND Handle();
    void HookMainWindow(TWindowHook Hook);
    void UnhookMainWindow();
    const std::string& GetTitle() const { return FTitle; }
    void SetTitle(const std::string& Value);
    const std::string& GetHelpFile() const { return FHelpFile; }
    void SetHelpFile(const std::string& Value) { FHelpFile = Value; }
    // Context help for the topic: OnHelp serves it; without a handler nothing happens (false).
    bool HelpContext(int Context);
    void Minimize();
    void Restore();
    // The program's icon (the start-up code fills it).
    TIcon* Icon() const { return FIcon.get(); }

    // Message filters see every message the application's loop takes, after OnMessage, in the
    // order they were added, until one handles it. Each is removed by the token AddMessageFilter
    // gave, in any order; a filter may remove itself (or another) while it runs.
    int AddMessageFilter(TMessageEvent Filter);
    void RemoveMessageFilter(int Token);

    // An exception escaped a handler: OnException, or else the message in a message box; the
    // program goes on.
    void HandleException(TObject* Sender);
    void ShowException(const std::exception& E);
    // A plain modal message box; returns IDOK, IDCANCEL, IDYES or IDNO.
    int MessageBox(const std::string& Text, const std::string& Caption, UINT Flags);

    // --- hints ---
    bool GetShowHint() const { return FShowHint; }
    void SetShowHint(bool Value);
    int GetHintPause() const { return FHintPause; }
    void SetHintPause(int Value) { FHintPause = Value; }
    int GetHintHidePause() const { return FHintHidePause; }
    void SetHintHidePause(int Value) { FHintHidePause = Value; }
    int GetHintShortPause() const { return FHintShortPause; }
    void SetHintShortPause(int Value) { FHintShortPause = Value; }
    TColor GetHintColor() const { return FHintColor; }
    void SetHintColor(TColor Value);
    THintWindow* HintWindow() const { return FHintWindow; }
    void CancelHint();
    void HintMouseMessage(TControl* Control, TMessage& Message);
    void ControlDestroyed(TControl* Control);

    TMessageEvent OnMessage;
    TIdleEvent OnIdle;
    TExceptionEvent OnException;
    TNotifyEvent OnMinimize;
    TNotifyEvent OnRestore;
    TShowHintEvent OnShowHint;
    THelpEvent OnHelp;

private:
    friend class TCustomForm;
    friend void DoneApplication();
    bool isKeyMsg(MSG& Msg);
    bool isHintMsg(MSG& Msg);
    void idle();
    bool windowProc(TMessage& Message);
    void showHintNow();
    void startHintTimer(int Ms, bool ToShow);
    void stopHintTimer();

    TCustomForm* FMainForm = nullptr;
    std::unique_ptr<TUtilityWindow> FWindow;
    std::vector<TWindowHook> FHooks;
    std::vector<std::pair<int, TMessageEvent>> FMessageFilters;
    int FNextFilterToken = 1;
    std::unique_ptr<TIcon> FIcon = std::make_unique<TIcon>();
    std::string FTitle;
    std::string FHelpFile;
    bool FTerminate = false;
    bool FShowHint = true;
    int FHintPause = 500;
    int FHintHidePause = 2500;
    int FHintShortPause = 50;
    TColor FHintColor = clInfoBk;
    THintWindow* FHintWindow = nullptr;
    TControl* FHintControl = nullptr;
    bool FHintActive = false;
    bool FHintTimerShows = false;
    bool FHintTimerRunning = false;
    RECT FHintCursorRect{};
};

// The application and the screen, made at start-up.
extern TApplication* Application;
extern TScreen* Screen;

// Frees the application's forms and hint window and forgets its state (end of the program; a
// test's end).
void DoneApplication();
