#pragma once
// The skinned frame of a form. A TskFormSkin owned by a form replaces the form's window
// procedure with its own (FrameWndProc): it computes the non-client area, paints caption,
// caption buttons, borders and client background from the skin data (or a plain default frame
// without skin), cuts the window region from the skin's mask, hit-tests the frame, keeps its own
// window state (maximise to the monitor's work area, minimise, restore, roll-up), snaps the
// window to the work area's edges while it is dragged, fades the form in, builds the system and
// tray menus and passes skin changes on to the form's skinned controls.
//
// Sources: FormSkin.cpp (component, properties, skin application), FormSkinWndProc.cpp (the
// window procedure and hit tests), FormSkinPaint.cpp (geometry, painting, region),
// FormSkinWindow.cpp (sizes, window states, magnetic edges, fade), FormSkinMDI.cpp (MDI main
// forms and children), FormSkinMenus.cpp (menus, keys), FormSkinObjects.cpp (the frame's
// objects: creation, states, hover, timers) and the object classes in Frame*.cpp.

#include "classlib/ExtCtrls.h"
#include "classlib/Forms.h"
#include "classlib/Menus.h"
#include "platform/win/Rect.h"
#include "skin/core/skSkinData.h"
#include "skin/form/FormSkinInActivePanel.h"
#include "skin/form/FormSkinObjects.h"
#include "skin/form/FormSkinQuickButtons.h"
#include "skin/form/skFrameMenu.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TskLayerManager;
class TskSkinPopupMenu;

enum class TskBorderIcon { biSystemMenu, biMinimize, biMaximize, biRollUp, biMinimizeToTray };
using TskBorderIcons = TSet<TskBorderIcon>;
enum class TskPositionInMonitor { skpDefault, skpScreenCenter, skpDesktopCenter };

using TskCaptionPaintEvent = std::function<void(TObject* Sender, TCanvas* Canvas, const RECT& R, bool Active)>;
using TskActivateCustomObjectEvent = std::function<void(const std::string& IDName, bool& Enabled)>;
using TskObjectEvent = std::function<void(const std::string& IDName)>;
using TskObjectMouseEvent =
    std::function<void(const std::string& IDName, int X, int Y, const RECT& ObjectRect, TMouseButton Button)>;
using TskObjectMouseMoveEvent = std::function<void(const std::string& IDName, int X, int Y, const RECT& ObjectRect)>;
using TskObjectPaintEvent = std::function<void(const std::string& IDName, TCanvas* Canvas, const RECT& ObjectRect)>;

// What the frame asks of the tray icon that stands for the application.
class TskFrameTrayIcon {
public:
    virtual ~TskFrameTrayIcon() = default;
    // Marks the application as minimised to the tray (the icon then shows itself).
    virtual void SetMinimizeToTrayMark(bool Value) = 0;
    // Brings the main form back (SKM_TRAYRESTORE).
    virtual void ShowMainForm() = 0;
    virtual void HideIcon() = 0;
    // Handed the frame's tray menu and its restore when it has no menu or double click of its own.
    virtual void AdoptFrameMenu(TskSkinPopupMenu* Menu, std::function<void()> Restore) = 0;
};

// The main form's Tag while the tray icon brings it back (SKM_TRAYRESTORE clears it).
inline constexpr std::intptr_t kTrayRestoreTag = -10000;

// The default frame (no skin): border 3, caption 19 (15 for tool windows), buttons 17 (13).
inline constexpr int kDefFrameBorder = 3;

class TskFormLayerBorder;
class TskSkinHint;
class TskSkinMDITabsBar;
class TskSkinStatusBar;
class TCustomImageList;

class TskFormSkin : public TComponent {
public:
    // AOwner must be a form (EInvalidCast otherwise). Hooks the form's window procedure.
    explicit TskFormSkin(TComponent* AOwner);
    ~TskFormSkin() override;

    TCustomForm* Form() const { return FForm; }

    // --- skin ---
    TskSkinData* GetSkinData() const { return FSD; }
    void SetSkinData(TskSkinData* Value);
    TskSkinData* GetMenusSkinData() const { return FMSD; }
    void SetMenusSkinData(TskSkinData* Value);
    // The skin data menus are drawn from: MenusSkinData, else SkinData.
    TskSkinData* MenusData() const { return FMSD ? FMSD : FSD; }
    bool GetSkinnableForm() const { return FSkinnableForm; }
    static std::string GetProductVersion() { return "7.81"; }
    void SetSkinnableForm(bool Value);
    bool GetUseRibbon() const { return FUseRibbon; }
    void SetUseRibbon(bool Value);
    // The frame is drawn from a non-empty skin.
    bool SkinSupport() const { return FSkinSupport; }
    // Translucent layers reach the screen (read when the frame was made; the layered border
    // needs it).
    bool IsLayerEnabled() const { return FIsLayerEnabled; }
    // ApplySkinData is running.
    bool InChangeSkinData() const { return FInChangeSkinData; }
    void ApplySkinData();

    // --- frame settings ---
    TskBorderIcons GetBorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TskBorderIcons Value);
    bool GetShowIcon() const { return FShowIcon; }
    void SetShowIcon(bool Value);
    TFont* DefCaptionFont() const { return FDefCaptionFont.get(); }
    TFont* DefInActiveCaptionFont() const { return FDefInActiveCaptionFont.get(); }
    void SetDefCaptionFont(TFont* Value);
    void SetDefInActiveCaptionFont(TFont* Value);
    TBitmap* LogoBitMap() const { return FLogoBitMap.get(); }
    bool HideCaptionButtons = false;
    bool DisableSystemMenu = false;
    bool AlwaysResize = false;
    bool UseFormCursorInNCArea = false;
    bool LogoBitMapTransparent = false;
    bool UseDefaultSysMenu = true;
    bool UseDefaultObjectHint = true;
    bool ShowObjectHint = false;
    // The hint component that shows the caption buttons' hints (with ShowObjectHint).
    TskSkinHint* GetSkinHint() const { return FSkinHint; }
    void SetSkinHint(TskSkinHint* Value);
    // The caption's quick buttons, their images and whether they show their hints.
    TskQuickButtonItems* QuickButtons() const { return FQuickButtons.get(); }
    void SetQuickButtons(TskQuickButtonItems* Value) { FQuickButtons->Assign(Value); }
    TCustomImageList* GetQuickImageList() const { return FQuickImageList; }
    void SetQuickImageList(TCustomImageList* Value);
    bool QuickButtonsShowHint = false;
    // While inactive the client area is covered by a frozen, faded or blurred picture of itself.
    bool ClientInActiveEffect = false;
    TskClientInActiveEffect ClientInActiveEffectType = TskClientInActiveEffect::skieSemiTransparent;
    void ShowClientInActiveEffect();
    void HideClientInActiveEffect();
    // The overlay while the form is inactive, else nullptr.
    TskClientInActivePanel* ClientInActivePanel() const { return FClientInActivePanel; }
    // Quick buttons take effect: at least one item and an image list.
    bool HasQuickButtons() const;
    // The room the quick buttons take at the caption's left end (every item counts).
    int QuickButtonsWidth() const;
    bool MaximizeOnFullScreen = false;
    bool MinimizeDefault = false;
    bool AlwaysMinimizeToTray = false;
    bool AlwaysShowInTray = false;
    bool Magnetic = false;
    BYTE MagneticSize = 5;
    TskPositionInMonitor PositionInMonitor = TskPositionInMonitor::skpDefault;
    int ClientWidth = 0, ClientHeight = 0;
    int MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0;
    TPopupMenu* SystemMenu = nullptr;
    TMainMenu* MainMenu = nullptr;
    // Set on a preview form: counts as active, no hover tracking.
    bool PreviewMode = false;

    // --- alpha ---
    bool GetAlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool Value);
    BYTE GetAlphaBlendValue() const { return FAlphaBlendValue; }
    void SetAlphaBlendValue(BYTE Value);
    bool AlphaBlendAnimation = false;

    // --- menus passed to the menu manager ---
    int GetMaxMenuItemsInWindow() const { return FMaxMenuItemsInWindow; }
    void SetMaxMenuItemsInWindow(int Value);
    void SetMenusAlphaBlend(bool Value);
    void SetMenusAlphaBlendValue(BYTE Value);
    void SetMenusAlphaBlendAnimation(bool Value);
    bool GetMenusAlphaBlend() const { return FMenusAlphaBlend; }
    BYTE GetMenusAlphaBlendValue() const { return FMenusAlphaBlendValue; }
    bool GetMenusAlphaBlendAnimation() const { return FMenusAlphaBlendAnimation; }
    bool GetUseSkinFontInMenu() const;
    void SetUseSkinFontInMenu(bool Value);
    int GetDefMenuItemHeight() const;
    void SetDefMenuItemHeight(int Value);
    TFont* DefMenuItemFont() const;

    // --- window state ---
    TWindowState GetWindowState() const { return FWindowState; }
    void SetWindowState(TWindowState Value);
    bool GetRollUpState() const { return FRollUpState; }
    void SetRollUpState(bool Value);
    int GetRealHeight() const { return FRollUpState ? OldHeight : FFormHeight; }
    void SetRealHeight(int Value) { OldHeight = Value; }
    int GetMinWidth();
    int GetMinHeight();
    int GetMaxWidth();
    int GetMaxHeight();
    // The layered outer border (band windows around the form) and whether it applies now.
    TskFormLayerBorder* BorderLayer() const { return FBorderLayer; }
    bool IsLayeredBorderEnabled() const;
    bool AlwaysDisableLayeredFrames = false;
    // Set while a band of the layered border resizes the form.
    bool FBorderLayerChangeSize = false;

    TskFrameTrayIcon* GetTrayIcon() const { return FTrayIcon; }
    void SetTrayIcon(TskFrameTrayIcon* Value);
    // The form's status bar: its size grip is hidden while the form is maximised.
    TskSkinStatusBar* GetStatusBar() const { return FStatusBar; }
    void SetStatusBar(TskSkinStatusBar* Value);
    void MinimizeToTray();
    void RestoreFromTray();
    // Moves L and T (screen) to the work area's edges when they are near (dragging).
    void SnapToMagneticEdges(int& L, int& T, int W, int H);
    void ApplyPositionInMonitor();
    POINT GetPositionInMonitor(int X, int Y, int W, int H);
    // Only fsNormal and fsStayOnTop are taken.
    void SetFormStyle(TFormStyle FS);
    void SetFormBorderStyle(TFormBorderStyle BS);
    bool GetFormActive() const;
    bool IsSizeable() const;
    // A caption button of this command shows its restore image (maximised, minimised, rolled up).
    bool InRestoreState(TskStdCommand Command) const;

    // --- MDI (an fsMDIForm's frame arranges its children; the calls on children act on the
    // main form's frame) ---
    void Tile();
    void Cascade();
    void MinimizeAll();
    void MaximizeAll();
    void RestoreAll();
    void CloseAll();
    void AddChildToMenu(TCustomForm* Child);
    void DeleteChildFromMenu(TCustomForm* Child);
    void UpDateChildCaptionInMenu(TCustomForm* Child);
    void UpDateChildActiveInMenu();
    void MDIItemClick(TObject* Sender);
    // Tabs of the main form's bar: a new child (when OnAcceptToMDITabsBar lets it), a child that
    // went, a changed caption.
    void AddChildToBar(TCustomForm* Child);
    void DeleteChildFromBar(TCustomForm* Child);
    void RefreshMDIBarTab(TCustomForm* Child);
    // The bar marks the active child's tab.
    void UpdateMDITabs();
    std::function<void(bool& Accept)> OnAcceptToMDITabsBar;
    // The main form's client area less its visible aligned controls (main form client
    // coordinates).
    static RECT GetMDIClientArea();
    static TCustomForm* GetMaximizedMDIChild();
    bool FMDIChildMaximized = false;

    // --- frame objects ---
    int GetIndex(const std::string& IDName) const;
    void SetEnabled(const std::string& IDName, bool Value);
    void UserObjectDraw(const std::string& IDName);
    void LinkMenu(const std::string& IDName, TPopupMenu* Menu, bool PopupUp);
    void DrawSkinObject(TskActiveSkinObject* AObject);
    void ClearObjects();
    int ObjectCount() const { return static_cast<int>(ObjectList.size()); }
    TskActiveSkinObject* Objects(int Index) const { return ObjectList.at(static_cast<std::size_t>(Index)).get(); }
    void UpdateActiveObject(int X, int Y, bool AActive);
    void UpdateButtonObjects();
    void UpdateButtonHints();
    void UpdateCaptionActive(bool Animate);
    void ResetObjectStates();
    // The window command of a caption button (close, maximise/restore, minimise/restore, roll-up,
    // tray); the pointer tracking is reset first except for the roll-up.
    void RunCommand(TskStdCommand Command);
    // Forgets the hovered object (as if the pointer stood at -1, -1).
    void ResetPointerTracking() { UpdateActiveObject(-1, -1, false); }

    // --- menus and keys ---
    TskFrameMenu* SkinMenu() const { return FSkinMenu.get(); }
    // Restore and close, drawn in the frame's skin; the tray icon opens it.
    TskSkinPopupMenu* TrayMenu() const { return FSysTrayMenu.get(); }
    // The items the system menu shows (SystemMenu's after its update, else the frame's own).
    TMenuItem* GetSystemMenuItems();
    void CreateSystemMenu();
    void UpdateUserSystemMenu();
    void PopupSkinMenu(TMenu* Menu, POINT P);
    void PopupSkinMenu1(TMenu* Menu, const RECT& R, bool PopupUp);
    void DoPopupMenu(TPopupMenu* Menu, int X, int Y);
    void PopupSystemMenuAt(int X, int Y);
    void PopupSystemMenuFromRect(const RECT& R);
    void PopupSysMenuFromButton();
    void SkinMenuOpen();
    void SkinMenuClose();
    void MainMenuExit();
    void FormShortCut(TWMKey& Msg, bool& Handled);
    void SkinMenuKeyDown(WORD Key);
    // Main-menu mode without an open menu (the menu bar's keyboard mode): the keys are hooked
    // and OnMainMenuEnter fires with Sender.
    void EnterMainMenu(TObject* Sender);
    // The main menu bar on the form (it registers itself), or nullptr.
    TskFrameMenuBar* MainMenuBar = nullptr;
    // The main form's tabs bar (its FormSkin sets it).
    TskSkinMDITabsBar* MDITabsBar = nullptr;
    bool InMenu = false;
    bool InMainMenu = false;

    // --- painting (window coordinates; DC of the whole window) ---
    void PaintNCSkin(HDC DC, bool UseExternalDC);
    void PaintNCDefault(HDC DC, bool UseExternalDC);
    void PaintBG(HDC DC);
    void PaintBG2(HDC DC);
    void PaintBGDefault(HDC DC);
    void UpdateFrame(bool UseEdgeMasks);
    void UpdateRegion(bool UseEdgeMasks);
    bool PointInFrameShape(POINT P);
    RECT GetDefCaptionRect();
    // The form's caption; an MDI main form adds " - [" + its maximised child's caption + "]".
    std::string CaptionText();
    int GetDefCaptionHeight() const;
    int GetDefButtonSize() const;
    SIZE GetSmallIconSize() const;
    void DrawFormIcon(TCanvas* Canvas, int X, int Y);
    int HitTestDefault(POINT P);
    int HitTestSkin(POINT P);
    POINT ScreenToFramePoint(POINT P);
    // A rectangle in frame coordinates on the screen.
    RECT FrameToScreen(const RECT& R);
    void CalcNewGeometry();
    void CalcObjectRects();
    RECT CalcObjectRect(const RECT& R);

    // --- events ---
    TskCaptionPaintEvent OnCaptionPaint;
    TNotifyEvent OnChangeSkinData, OnBeforeChangeSkinData, OnAfterChangeSkinData;
    TNotifyEvent OnActivate, OnDeActivate, OnChangeRollUpState;
    TNotifyEvent OnMinimize, OnRestore, OnMaximize, OnMinimizeToTray, OnRestoreFromTray;
    TNotifyEvent OnSkinMenuOpen, OnSkinMenuClose, OnMainMenuEnter, OnMainMenuExit;
    TShortCutEvent OnShortCut;
    TskActivateCustomObjectEvent OnActivateCustomObject;
    TskObjectEvent OnMouseEnterEvent, OnMouseLeaveEvent;
    TskObjectMouseEvent OnMouseDownEvent, OnMouseUpEvent;
    TskObjectMouseMoveEvent OnMouseMoveEvent;
    TskObjectPaintEvent OnPaintEvent;

    // --- the frame's state (read by the objects and by tests) ---
    bool FFormActive = false;
    int FFormWidth = 0, FFormHeight = 0, FFormLeft = 0, FFormTop = 0;
    bool FSizeMove = false, FSizing = false;
    RECT OldBoundsRect{};
    int OldHeight = 0;
    POINT NewLTPoint{}, NewRTPoint{}, NewLBPoint{}, NewRBPoint{};
    RECT NewClRect{}, NewCaptionRect{}, NewButtonsRect{};
    int NewButtonsOffset = 0;
    bool NewButtonsInLeft = false;
    RECT NewMaskRectArea{};
    POINT NewHitTestLTPoint{}, NewHitTestRTPoint{}, NewHitTestLBPoint{}, NewHitTestRBPoint{};
    RECT NewDefCaptionRect{};
    int ActiveObject = -1, OldActiveObject = -1, MouseCaptureObject = -1;
    bool HMagnetized = false, VMagnetized = false, HMagnetized2 = false, VMagnetized2 = false;
    POINT FOnMouseDownCoord{-1, -1};
    TTimer* MouseTimer;
    TTimer* MorphTimer;
    TTimer* AnimateTimer;
    TskLayerManager* FLayerManager;
    TskLayerManager* FMenuLayerManager;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    // Gives the form its own window procedure back.
    void Unhook();

    // FormSkinWndProc.cpp
    void FrameWndProc(TMessage& Message);
    bool FirstDispatch(TMessage& Message);
    void SecondDispatch(TMessage& Message);
    void CallOld(TMessage& Message);
    void OnSize(TMessage& Message);
    void OnShowWindow(TMessage& Message);
    void OnWindowPosChanged(TMessage& Message);
    void OnSizing(TMessage& Message);
    void OnNCActivate(TMessage& Message);
    void OnNCButtonDblClk(TMessage& Message, POINT P);
    void OnCalcSize(TMessage& Message);
    void SendNCPaint();
    // The form's border style is bsNone.
    bool NoBorder() const;

    // FormSkinObjects.cpp
    void CreateSkinObjects();
    void CreateDefaultObjects();
    void MouseTimerTick(TObject* Sender);
    void MorphTimerTick(TObject* Sender);
    void AnimateTimerTick(TObject* Sender);
    void ObjectMouseDown(TMouseButton Button, int X, int Y);
    void ObjectMouseUp(TMouseButton Button, int X, int Y);
    void ObjectMouseMove(int X, int Y);
    void ObjectDblClick();
    TskSkinCaptionObject* CaptionObject() const;
    bool InCaptionZone(POINT P) const;

    // FormSkinPaint.cpp
    // The frame's own size record starts at the form's size.
    void DefaultFormSize();
    void CalcDefRects();
    // Face: the colour of a client without picture.
    void PaintBGPicture(HDC DC, TBitmap* Picture, const RECT& Source, bool Stretch, TskStretchType Type,
                        TColor Face = clBtnFace);
    void DrawLogo(HDC DC);
    void SetRegion(HRGN Region);
    HICON GetSmallIcon();

    // FormSkinWindow.cpp
    void Minimize();
    void Maximize();
    void Restore();
    POINT GetMinimizedPosition();
    void ForceRelayout();
    RECT MonitorArea(bool WorkArea) const;
    void StartShowFade();
    void ShowFadeTick();

    // FormSkinMDI.cpp
    bool IsMDIChild() const;
    bool IsMDIForm() const;
    bool IsMaximizedMDIChild() const;
    static TskFormSkin* MainFrame();
    static void SendToMainForm(UINT Msg);
    void RefitMDIChildren();
    void ArrangeMinimizedChildren();
    POINT GetMinimizedChildPosition(int W, int H);
    // Restores every child and gives the client area's size; false with nothing to arrange.
    bool BeginArrange(int& A, int& B);
    void ForEachChildFrame(const std::function<void(TskFormSkin*)>& Action);
    static LRESULT ClientWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void HookClientWindow();
    void UnhookClientWindow();
    void PaintMDIBGDefault(HDC DC, HWND Client);
    void PaintBG3(HDC DC);

    // FormSkinMenus.cpp
    enum class TFrameItem { Minimize, Maximize, Restore, RollUp, MinimizeToTray, Close };
    bool FrameItemWanted(TFrameItem Kind) const;
    void AddFrameItem(TMenuItem* Parent, int Index, TFrameItem Kind);
    void CreateTrayMenu();
    TskFormSkin* SystemMenuHost();
    TMenuItem* AddMenuItem(TMenuItem* Parent, int Index, const std::string& Name, const char* Key,
                           const char* Default, std::function<void()> Action);
    std::string MenuCaption(const char* Key, const char* Default) const;
    void HookAppMessages();
    void UnhookAppMessages();
    void CloseMenusOnMessage(UINT Msg);
    // Hides the open skin menu or leaves menu mode; false when neither was open.
    bool CloseOpenSkinMenu();
    void CancelChildDropDowns();
    // Shows or hides the status bar's size grip (only when the bar has one).
    void ShowStatusBarGrip(bool Show);

    TCustomForm* FForm = nullptr;
    TskFrameTrayIcon* FTrayIcon = nullptr;
    TComponent* FTrayIconComponent = nullptr;
    TskSkinStatusBar* FStatusBar = nullptr;
    TskSkinHint* FSkinHint = nullptr;
    std::unique_ptr<TskQuickButtonItems> FQuickButtons;
    TCustomImageList* FQuickImageList = nullptr;
    TskClientInActivePanel* FClientInActivePanel = nullptr;
    // Set while the overlay takes the background: an MDI main form paints it then too.
    bool FClientInActiveDraw = false;
    TWndMethod OldWindowProc;
    TskSkinData* FSD = nullptr;
    TskSkinData* FMSD = nullptr;
    bool FUseRibbon = false;
    bool FSkinnableForm = true;
    bool FSkinSupport = false;
    bool FStopPainting = false;
    bool FStartShow = true;
    bool FInChangeSkinData = false;
    bool FIsLayerEnabled = true;
    TskFormLayerBorder* FBorderLayer = nullptr;
    // Set while another component's show effect runs: the layered border stays off meanwhile.
    bool FSmartEffectsShow = false;
    void UpdateBorderLayer();
    void LayeredBordersChanged();
    void EffectsShowEnd();
    bool FFullDrag = true;
    bool FShowIcon = false;
    TskBorderIcons FBorderIcons{TskBorderIcon::biSystemMenu, TskBorderIcon::biMinimize, TskBorderIcon::biMaximize,
                                TskBorderIcon::biRollUp};
    TWindowState FWindowState = TWindowState::wsNormal;
    bool FRollUpState = false;
    bool MaxRollUpState = false;
    bool FRollUpBeforeMaximize = false;
    bool FAlphaBlend = false;
    BYTE FAlphaBlendValue = 200;
    int FMaxMenuItemsInWindow = 0;
    bool FMenusAlphaBlend = false;
    BYTE FMenusAlphaBlendValue = 200;
    bool FMenusAlphaBlendAnimation = false;
    bool FInShortCut = false;
    int FAppHookToken = 0;
    std::unique_ptr<TFont> FDefCaptionFont, FDefInActiveCaptionFont;
    std::unique_ptr<TBitmap> FLogoBitMap;
    std::unique_ptr<TBitmap> RMTop, RMBottom, RMLeft, RMRight;
    TColor BlackColor = 0;
    bool FHasRegion = false;
    // The form's or the application's icon (theirs; never destroyed here).
    HICON FIcon = nullptr;
    std::unique_ptr<TPopupMenu> FSysMenu;
    std::unique_ptr<TskSkinPopupMenu> FSysTrayMenu;
    std::unique_ptr<TskFrameMenu> FSkinMenu;
    std::vector<std::unique_ptr<TskActiveSkinObject>> ObjectList;
    WNDPROC FPrevClientProc = nullptr;
    std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};

// The first TskFormSkin the form owns; nullptr for none (or no form).
TskFormSkin* GetFormSkinComponent(TComponent* Form);
// The frame of the main form's first maximised MDI child, and of its active MDI child.
TskFormSkin* GetMaximizedChildSkinForm();
TskFormSkin* GetActiveChildSkinForm();
