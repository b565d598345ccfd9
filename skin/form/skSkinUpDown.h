#pragma once
// The skinned up-down: two arrow buttons that step Position between Min and Max by Increment,
// repeating while a button is held. Drawn from "hupdown" or "vupdown", or with UseSkinSize off
// from two "resizebutton" faces sized to the control, or plainly. It has no buddy: its user reads
// Position in OnChange.

#include "skin/form/skSkinCtrls.h"

enum class TUDOrientation { udHorizontal, udVertical };

class TskSkinUpDown : public TskSkinCustomControl {
public:
    // Button 0 raises Position, button 1 lowers it.
    static constexpr int kUp = 0;
    static constexpr int kDown = 1;

    explicit TskSkinUpDown(TComponent* AOwner);

    bool GetUseSkinSize() const { return FUseSkinSize; }
    void SetUseSkinSize(bool Value);
    TUDOrientation GetOrientation() const { return FOrientation; }
    void SetOrientation(TUDOrientation Value);
    int GetIncrement() const { return FIncrement; }
    // 0 turns stepping and repeating off; the click events still fire.
    void SetIncrement(int Value) { FIncrement = Value; }
    int GetPosition() const { return FPosition; }
    // Values outside Min .. Max are ignored; any other (also the same) fires OnChange.
    void SetPosition(int Value);
    int GetMin() const { return FMin; }
    void SetMin(int Value);
    int GetMax() const { return FMax; }
    void SetMax(int Value);
    RECT ButtonRect(int Index) const { return Buttons[Index].R; }

    void LookupSkinData() override;
    void Dispatch(TMessage& Message) override;

    TNotifyEvent OnChange;
    TNotifyEvent OnUpButtonClick;
    TNotifyEvent OnDownButtonClick;

protected:
    void CreateControlDefaultImage(TBitmap* B) override;
    void CreateControlSkinImage(TBitmap* B) override;
    void FitBoundsToSkin(int& W, int& H) override;
    void ApplyMaskRegion() override;

private:
    struct Part {
        RECT R{};
        bool MouseIn = false;
        bool Down = false;
    };
    void Layout();
    void UpdateHover(int X, int Y);
    void Press(int X, int Y);
    void Release();
    void Timer();
    void DrawButton(TCanvas* Canvas, int Index);
    int ArrowDirection(int Index) const;

    bool FUseSkinSize = true;
    TUDOrientation FOrientation = TUDOrientation::udHorizontal;
    Part Buttons[2];
    int OldActiveButton = -1, ActiveButton = -1, CaptureButton = -1;
    int TimerMode = 0;
    bool WaitMode = false;
    int FIncrement = 1, FPosition = 0, FMin = 0, FMax = 100;
    RECT UpButtonRect{}, ActiveUpButtonRect{}, DownUpButtonRect{};
    RECT DownButtonRect{}, ActiveDownButtonRect{}, DownDownButtonRect{};
};
