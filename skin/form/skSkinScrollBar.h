#pragma once
// The skinned scroll bar: a track with a thumb and two arrow buttons drawn from the descriptions
// "hscrollbar", "vscrollbar" or "bothhscrollbar" (a horizontal bar leaving room at its right end
// for the corner beside a vertical bar), or plainly. It keeps its own value model and reports
// changes through OnChange; views attach two of them and scroll themselves there.

#include "classlib/StdCtrls.h"
#include "skin/form/skSkinCtrls.h"

#include <string>

class TskSkinScrollBar : public TskSkinCustomControl {
public:
    // Parts: 0 thumb, 1 up button (towards Max: the right or lower end), 2 down button.
    static constexpr int kThumb = 0;
    static constexpr int kUpButton = 1;
    static constexpr int kDownButton = 2;

    explicit TskSkinScrollBar(TComponent* AOwner);

    int GetMin() const { return FMin; }
    void SetMin(int Value);
    int GetMax() const { return FMax; }
    void SetMax(int Value);
    int GetPosition() const { return FPosition; }
    // Clamps, stores when changed, repaints and fires OnChange.
    void SetPosition(int Value);
    // The same without OnChange.
    void SimplySetPosition(int Value);
    int GetPageSize() const { return FPageSize; }
    // Accepted only while the page and the position fit the range.
    void SetPageSize(int Value);
    int GetSmallChange() const { return FSmallChange; }
    void SetSmallChange(int Value);
    int GetLargeChange() const { return FLargeChange; }
    void SetLargeChange(int Value);
    // Stores the range, the page and the clamped position and repaints; no OnChange.
    void SetRange(int AMin, int AMax, int APosition, int APageSize);
    TScrollBarKind GetKind() const { return FKind; }
    void SetKind(TScrollBarKind Value);
    bool GetBoth() const { return FBoth; }
    void SetBoth(bool Value);
    int GetBothMarkerWidth() const { return FBothMarkerWidth; }
    void SetBothMarkerWidth(int Value);
    const std::string& GetBothSkinDataName() const { return FBothSkinDataName; }
    void SetBothSkinDataName(const std::string& Value) { FBothSkinDataName = Value; }
    bool GetCanFocused() const { return FCanFocused; }
    void SetCanFocused(bool Value);

    // The part's rectangle at the current size (geometry brought up to date first).
    RECT PartRect(int Part);
    // The clamped value a position would take.
    int Clamped(int Value) const;

    void LookupSkinData() override;
    void Dispatch(TMessage& Message) override;

    TNotifyEvent OnChange;
    TNotifyEvent OnLastChange;
    TNotifyEvent OnUpButtonClick;
    TNotifyEvent OnDownButtonClick;
    TNotifyEvent OnPageUp;
    TNotifyEvent OnPageDown;

protected:
    void CreateControlDefaultImage(TBitmap* B) override;
    void CreateControlSkinImage(TBitmap* B) override;
    void FitBoundsToSkin(int& W, int& H) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;

private:
    struct Part {
        RECT R{};
        bool MouseIn = false;
        bool Down = false;
    };
    bool Horizontal() const { return FKind == TScrollBarKind::sbHorizontal; }
    int Along(int X, int Y) const { return Horizontal() ? X : Y; }
    int TrackStart() const { return Horizontal() ? NewTrackArea.left : NewTrackArea.top; }
    int TrackEnd() const { return Horizontal() ? NewTrackArea.right : NewTrackArea.bottom; }
    int ThumbStart() const { return Horizontal() ? Buttons[kThumb].R.left : Buttons[kThumb].R.top; }
    int ThumbEnd() const { return Horizontal() ? Buttons[kThumb].R.right : Buttons[kThumb].R.bottom; }
    void CalcGeometry();
    void CalcDefaultGeometry(double Ratio);
    void CalcSkinGeometry();
    int PositionFromOffset(int Offset);
    int PartAt(int X, int Y) const;
    void UpdateHover(int X, int Y);
    void StartTimer(UINT Interval);
    void StopTimer();
    void Timer();
    void StepUp();
    void StepDown();
    void DrawPart(TCanvas* Canvas, int Index);
    bool PressedLook(int Index);

    std::string FNormalSkinDataName;
    std::string FBothSkinDataName = "bothhscrollbar";
    int Offset1 = 0, Offset2 = 0, BOffset = 0;
    RECT NewTrackArea{};
    bool FDown = false;
    int OMPos = 0, OldPosition = 0, FScrollWidth = 0, OldBOffset = 0;
    int MX = 0, MY = 0;
    bool MouseD = false;
    bool WaitMode = false;
    int FBothMarkerWidth = 19;
    bool FClicksDisabled = false;
    bool FCanFocused = false;
    int TimerMode = 0;
    int ActiveButton = -1, OldActiveButton = -1, CaptureButton = -1;
    Part Buttons[3];
    int FMin = 0, FMax = 100, FSmallChange = 1, FLargeChange = 1, FPosition = 0;
    TScrollBarKind FKind = TScrollBarKind::sbHorizontal;
    int FPageSize = 0;
    bool FBoth = false;
    // Copies of the description.
    RECT TrackArea{}, UpButtonRect{}, ActiveUpButtonRect{}, DownUpButtonRect{};
    RECT DownButtonRect{}, ActiveDownButtonRect{}, DownDownButtonRect{};
    RECT ThumbRect{}, ActiveThumbRect{}, DownThumbRect{};
    int ThumbOffset1 = 0, ThumbOffset2 = 0;
    bool ThumbTransparent = false;
    TColor ThumbTransparentColor = 0;
    bool ThumbStretchEffect = false;
    int ThumbMinSize = 0, ThumbMinPageSize = 0;
    RECT GlyphRect{}, ActiveGlyphRect{}, DownGlyphRect{};
    bool GlyphTransparent = false;
    TColor GlyphTransparentColor = 0;
};
