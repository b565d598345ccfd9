#pragma once
// Panels, bevels, images and timers.

#include "classlib/Controls.h"
#include "classlib/StdCtrls.h"

#include <memory>

class TPicture;
class TUtilityWindow;

enum class TPanelBevel { bvNone, bvLowered, bvRaised };

// A container with raised or lowered edges and a centred caption.
class TPanel : public TCustomControl {
public:
    explicit TPanel(TComponent* AOwner);

    TPanelBevel GetBevelInner() const { return FBevelInner; }
    void SetBevelInner(TPanelBevel Value);
    TPanelBevel GetBevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TPanelBevel Value);
    int GetBevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int Value);
    int GetBorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int Value);
    TAlignment GetAlignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);

    void Dispatch(TMessage& Message) override;

protected:
    void Paint() override;
    // The children lie inside the border and the bevels.
    void AdjustClientRect(RECT& Rect) override;

private:
    void changed();

    TPanelBevel FBevelInner = TPanelBevel::bvNone;
    TPanelBevel FBevelOuter = TPanelBevel::bvRaised;
    int FBevelWidth = 1;
    int FBorderWidth = 0;
    TAlignment FAlignment = TAlignment::taCenter;
};

enum class TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum class TBevelStyle { bsLowered, bsRaised };

// Lines and frames in the button shadow and highlight colours, without a window.
class TBevel : public TGraphicControl {
public:
    explicit TBevel(TComponent* AOwner);
    TBevelShape GetShape() const { return FShape; }
    void SetShape(TBevelShape Value);
    TBevelStyle GetStyle() const { return FStyle; }
    void SetStyle(TBevelStyle Value);

protected:
    void Paint() override;

private:
    TBevelShape FShape = TBevelShape::bsBox;
    TBevelStyle FStyle = TBevelStyle::bsLowered;
};

// Shows a picture, as it is, centred, stretched or scaled in proportion.
class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* AOwner);
    ~TImage() override;

    TPicture* Picture() const { return FPicture.get(); }
    void SetPicture(TPicture* Value);
    // The canvas of the picture's bitmap (an empty picture gets a bitmap of the control's size).
    TCanvas* ImageCanvas();
    bool GetStretch() const { return FStretch; }
    void SetStretch(bool Value);
    bool GetCenter() const { return FCenter; }
    void SetCenter(bool Value);
    bool GetProportional() const { return FProportional; }
    void SetProportional(bool Value);
    bool GetTransparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    // With AutoSize the control takes the picture's size.
    bool GetAutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    // Where the picture is drawn, in control coordinates.
    RECT DestRect();

protected:
    void Paint() override;

private:
    void pictureChanged();

    std::unique_ptr<TPicture> FPicture;
    bool FStretch = false;
    bool FCenter = false;
    bool FProportional = false;
    bool FTransparent = false;
    bool FAutoSize = false;
};

// Calls OnTimer every Interval milliseconds while Enabled. The handler may free the timer.
class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* AOwner);
    ~TTimer() override;

    bool GetEnabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    UINT GetInterval() const { return FInterval; }
    void SetInterval(UINT Value);

    TNotifyEvent OnTimer;

protected:
    virtual void Timer();
    void BeforeDestruction() override;

private:
    void updateTimer();
    void stop();

    bool FEnabled = true;
    UINT FInterval = 1000;
    std::unique_ptr<TUtilityWindow> FWindow;
    bool FRunning = false;
    std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};

// A bar aligned to an edge of its parent that, when dragged, resizes the control it borders
// (the control aligned to the same edge just before it), never below MinSize; OnMoved follows a
// drag. Plain look: the button face.
class TSplitter : public TGraphicControl {
public:
    explicit TSplitter(TComponent* AOwner);

    int GetMinSize() const { return FMinSize; }
    void SetMinSize(int Value) { FMinSize = Value < 1 ? 1 : Value; }
    // The control the splitter resizes, or nullptr.
    TControl* FindControl();

    TNotifyEvent OnMoved;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    bool horizontal() const;

    int FMinSize = 30;
    TControl* FControl = nullptr;
    POINT FDownPos{};
    int FStartSize = 0;
};
