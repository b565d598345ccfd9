#pragma once
// The skinned slider: a thumb moving along a ruler over an integer range, with tick marks,
// keyboard and mouse control, jumps repeated every 400 ms while the ruler is held, and a
// transparent mode. Drawn from the description "slider", else from four built-in images the
// user may replace.

#include "classlib/Bitmap.h"
#include "skin/form/skSkinCtrls.h"

#include <memory>

enum class TskSliderOrientation { soHorizontal, soVertical };
enum TskSliderOption { soShowFocus, soShowPoints, soSmooth, soRulerOpaque, soThumbOpaque };
using TskSliderOptions = TSet<TskSliderOption>;
enum class TskSliderImage { siHThumb, siHRuler, siVThumb, siVRuler };
enum class TskJumpMode { jmNone, jmHome, jmEnd, jmNext, jmPrior };

class TskSkinCustomSlider : public TskSkinControl {
public:
    explicit TskSkinCustomSlider(TComponent* AOwner);
    ~TskSkinCustomSlider() override;

    int GetValue() const { return FValue; }
    void SetValue(int Value);
    int GetMinValue() const { return FMinValue; }
    void SetMinValue(int Value) { SetSliderRange(Value, FMaxValue); }
    int GetMaxValue() const { return FMaxValue; }
    void SetMaxValue(int Value) { SetSliderRange(FMinValue, Value); }
    int GetIncrement() const { return FIncrement; }
    void SetIncrement(int Value);
    bool GetTransparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    bool GetUseSkinThumb() const { return FUseSkinThumb; }
    void SetUseSkinThumb(bool Value);

    void LookupSkinData() override;
    void ChangeSkinData() override;
    void Dispatch(TMessage& Message) override;

    // Where things are, for callers that place or test the slider.
    RECT ThumbRect() const { return FThumbRect; }
    RECT RulerRect() const;
    int ValueToPosition(int Value) const;
    int PositionToValue(int Position) const;
    // The values at which ticks are drawn (the shown range thinned to at least 4 pixels apart).
    std::vector<int> TickValues(int Step) const;
    // Moves Value as the keyboard or a held ruler does.
    void JumpValue(TskJumpMode Mode);

    TNotifyEvent OnChange;
    TNotifyEvent OnChanged;
    TNotifyEvent OnDrawPoints;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void SetSliderRange(int AMin, int AMax);
    void LayoutSlider();
    // Draws ticks every Step values with the given lengths.
    void DefaultDrawPoints(int PointsStep, int PointsHeight, int ExtremePointsHeight);

    bool Horizontal() const { return FOrientation == TskSliderOrientation::soHorizontal; }

    TskSliderOrientation FOrientation = TskSliderOrientation::soHorizontal;
    TskSliderOptions FOptions{soShowFocus, soShowPoints, soSmooth};
    int FNumThumbStates = 2;
    int FEdgeSize = 2;
    std::unique_ptr<TBitmap> FImages[4];
    unsigned FUserImages = 0;  // bit per TskSliderImage

private:
    bool SkinThumb() const { return FIndex != -1 && FUseSkinThumb && Picture; }
    SIZE ThumbSize() const;
    int TrackLength() const;
    int SnapThumbPosition(int Position) const;
    void MoveThumbTo(int Position);
    TskJumpMode JumpModeAt(POINT P) const;
    void TrackTimerTick();
    void EndTracking();
    void BuildSkinRuler();
    void BuildDefaultRuler();
    void DrawPoints(TCanvas* Canvas, int Step, int Length, int ExtremeLength);

    bool FUseSkinThumb = true;
    bool FTransparent = false;
    std::unique_ptr<TBitmap> FRuler;
    POINT FRulerOrg{};
    RECT FThumbRect{};
    bool FThumbDown = false;
    RECT FPointsRect{};
    int FMinValue = 0, FMaxValue = 100, FIncrement = 10, FValue = 0;
    int FHit = 0;
    bool FFocused = false, FSliding = false, FTracking = false, FTimerActive = false;
    POINT FMousePos{};
    TskJumpMode FStartJump = TskJumpMode::jmNone;
    RECT HRulerRect{}, HThumbRect{}, VRulerRect{}, VThumbRect{};
    int SkinEdgeSize = 0;
    TColor BGColor = 0, PointsColor = 0;
    TBitmap* Picture = nullptr;
};

class TskSkinSlider : public TskSkinCustomSlider {
public:
    using TskSkinCustomSlider::TskSkinCustomSlider;

    TskSliderOrientation GetOrientation() const { return FOrientation; }
    // Lays out again; a slider not being loaded turns its width and height round.
    void SetOrientation(TskSliderOrientation Value);
    TskSliderOptions GetOptions() const { return FOptions; }
    void SetOptions(TskSliderOptions Value);
    int GetNumThumbStates() const { return FNumThumbStates; }
    void SetNumThumbStates(int Value);
    int GetEdgeSize() const { return FEdgeSize; }
    // Accepted only when both ends leave a middle piece of the ruler image.
    void SetEdgeSize(int Value);
    TBitmap* GetImage(TskSliderImage Which) const { return FImages[static_cast<int>(Which)].get(); }
    // A copy of the bitmap replaces the image; nullptr brings the built-in one back.
    void SetImage(TskSliderImage Which, TBitmap* Value);
};
