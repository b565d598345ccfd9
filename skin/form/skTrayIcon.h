#pragma once
// The tray icon: an icon in the desktop's notification area with a tip, balloon messages, click
// events (a single click told from a double click by the double-click time), a skinned popup
// menu, an animation from an image list, and the main form hidden to and restored from the
// tray. Without a tray on the desktop nothing is shown, and minimising to the tray minimises the
// main form as usual so that it stays reachable.

#include "classlib/Controls.h"
#include "classlib/ExtCtrls.h"
#include "classlib/Icon.h"
#include "classlib/ImgList.h"
#include "platform/system/Tray.h"
#include "skin/form/FormSkin.h"

#include <memory>
#include <string>

class TskSkinPopupMenu;
class TUtilityWindow;

enum class TskBalloonHintIcon { skbitNone, skbitInfo, skbitWarning, skbitError };

using TskCycleEvent = std::function<void(TObject* Sender, int NextIndex)>;

// The callback message of the icon's hidden window.
inline constexpr UINT WM_TRAYNOTIFY = 2048;

class TskTrayIcon : public TComponent, public TskFrameTrayIcon {
public:
    explicit TskTrayIcon(TComponent* AOwner);
    ~TskTrayIcon() override;

    void Loaded();

    bool GetEnabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    TIcon* Icon() const { return FIcon.get(); }
    void SetIcon(TIcon* Value);
    bool GetIconVisible() const { return FIconVisible; }
    void SetIconVisible(bool Value);
    const std::string& GetHint() const { return FHint; }
    void SetHint(const std::string& Value);
    bool GetShowHint() const { return FShowHint; }
    void SetShowHint(bool Value);
    TskSkinPopupMenu* GetPopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TskSkinPopupMenu* Value);
    bool PopupByLeftButton = false;
    bool MinimizedOnStart = false;
    bool GetMinimizeToTray() const { return FMinimizeToTray; }
    void SetMinimizeToTray(bool Value) { FMinimizeToTray = Value; }
    int GetIconIndex() const { return FIconIndex; }
    void SetIconIndex(int Value);
    TCustomImageList* GetIconList() const { return FIconList; }
    void SetIconList(TCustomImageList* Value);
    bool GetCycleIcons() const { return FCycleIcons; }
    void SetCycleIcons(bool Value);
    UINT GetAnimateTimerInterval() const { return FAnimateTimerInterval; }
    void SetAnimateTimerInterval(UINT Value);

    // The hidden window that receives the tray's notifications.
    HWND Handle() const;

    // Each answers whether the tray took the request.
    virtual bool ShowIcon();
    bool HideIconInTray();
    virtual bool ModifyIcon();
    bool Refresh() { return ModifyIcon(); }
    bool ShowBalloonHint(const std::string& Title, const std::string& Text, TskBalloonHintIcon IconType);
    bool HideBalloonHint();
    // Puts a 16 x 16 picture of Bitmap (MaskColor transparent) into Icon.
    static bool BitmapToIcon(TBitmap* Bitmap, TIcon* Icon, TColor MaskColor);

    // The frame's side (TskFrameTrayIcon).
    void SetMinimizeToTrayMark(bool Value) override { SetMinimizeToTray(Value); }
    void ShowMainForm() override;
    void HideIcon() override { HideIconInTray(); }
    void AdoptFrameMenu(TskSkinPopupMenu* Menu, std::function<void()> Restore) override;
    void HideMainForm();

    TNotifyEvent OnBalloonHintClick;
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TskCycleEvent OnCycle;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    virtual bool LoadDefaultIcon() { return true; }
    virtual void Click();
    virtual void DblClick();
    virtual void Cycle(int NextIndex);
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void DoMinimizeToTray();

private:
    bool TrayProc(TMessage& Message);
    bool AppProc(TMessage& Message);
    void FormProc(TMessage& Message);
    void ClickTimerProc(TObject* Sender);
    void AnimateTimerProc(TObject* Sender);
    void PopupAtCursor();
    void PrepareIconData();
    bool Notify(DWORD Message);
    TCustomForm* OwnerForm();

    bool FEnabled = true;
    std::unique_ptr<TIcon> FIcon = std::make_unique<TIcon>();
    bool FIconVisible = true;
    std::string FHint;
    bool FShowHint = true;
    TskSkinPopupMenu* FPopupMenu = nullptr;
    TskSkinPopupMenu* FFrameMenu = nullptr;
    std::function<void()> FFrameRestore;
    bool FMinimizeToTray = true;
    bool FClickStart = false;
    bool FClickReady = false;
    TTimer* AnimateTimer = nullptr;
    TTimer* ClickTimer = nullptr;
    bool IsDblClick = false;
    int FIconIndex = 0;
    bool SettingMDIForm = true;
    TCustomImageList* FIconList = nullptr;
    bool FCycleIcons = false;
    UINT FAnimateTimerInterval = 0;
    std::unique_ptr<TUtilityWindow> FWindow;
    TWndMethod OldWndProc;
    std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
    NOTIFYICONDATA IconData;
};
