#include "skin/form/skSkinScrollBar.h"

#include "classlib/Bitmap.h"
#include "platform/win/Rect.h"
#include "platform/window/User.h"
#include "skin/core/skDrawMarks.h"
#include "skin/core/skSkinImages.h"
#include "skin/core/skUtils.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr UINT_PTR kTimer = 1;
constexpr UINT kFirstDelay = 500;
constexpr UINT kRepeat = 50;

int RoundEven(double Value)
{
    return static_cast<int>(std::nearbyint(Value));
}

} // namespace

TskSkinScrollBar::TskSkinScrollBar(TComponent* AOwner) : TskSkinCustomControl(AOwner)
{
    FControlStyle = TControlStyle{csCaptureMouse, csOpaque, csDoubleClicks};
    SetTabStop(false);
    SetBounds(FLeft, FTop, 200, 19);
    FDefaultHeight = 19;
    SetSkinDataName("hscrollbar");
}

// --- value model -----------------------------------------------------------------------------

int TskSkinScrollBar::Clamped(int Value) const
{
    // Never below Min, even when the page is larger than the range.
    const int upper = FPageSize != 0 ? FMax - FPageSize + 1 : FMax;
    return std::max(FMin, std::min(Value, upper));
}

void TskSkinScrollBar::SetPosition(int Value)
{
    const int v = Clamped(Value);
    if (v == FPosition)
        return;
    FPosition = v;
    Invalidate();
    if (const TNotifyEvent e = OnChange)
        e(this);
}

void TskSkinScrollBar::SimplySetPosition(int Value)
{
    const int v = Clamped(Value);
    if (v == FPosition)
        return;
    FPosition = v;
    Invalidate();
}

void TskSkinScrollBar::SetRange(int AMin, int AMax, int APosition, int APageSize)
{
    const int oldMin = FMin, oldMax = FMax, oldPage = FPageSize, oldPosition = FPosition;
    FMin = AMin;
    FMax = AMax;
    FPageSize = APageSize;
    FPosition = Clamped(APosition);
    // Views set their range after every change of theirs: an unchanged bar is not painted again.
    if (FMin != oldMin || FMax != oldMax || FPageSize != oldPage || FPosition != oldPosition)
        Invalidate();
}

void TskSkinScrollBar::SetMin(int Value)
{
    FMin = Value;
    if (FPosition < FMin)
        FPosition = FMin;
    Invalidate();
}

void TskSkinScrollBar::SetMax(int Value)
{
    FMax = Value;
    FPosition = Clamped(FPosition);
    Invalidate();
}

void TskSkinScrollBar::SetPageSize(int Value)
{
    if (FMax - FMin + 1 >= Value + FPosition)
        FPageSize = Value;
    Invalidate();
}

void TskSkinScrollBar::SetSmallChange(int Value)
{
    FSmallChange = Value;
}

void TskSkinScrollBar::SetLargeChange(int Value)
{
    FLargeChange = Value;
}

void TskSkinScrollBar::SetKind(TScrollBarKind Value)
{
    if (Value == FKind)
        return;
    FKind = Value;
    Invalidate();
}

void TskSkinScrollBar::SetBoth(bool Value)
{
    if (Value == FBoth)
        return;
    FBoth = Value;
    if (Value) {
        FNormalSkinDataName = GetSkinDataName();
        SetSkinDataName(FBothSkinDataName);
    } else if (!FNormalSkinDataName.empty()) {
        SetSkinDataName(FNormalSkinDataName);
    }
    LookupSkinData();
    if (FIndex == -1)
        Invalidate();
    else
        ChangeSkinData();
}

void TskSkinScrollBar::SetBothMarkerWidth(int Value)
{
    if (Value < 0)
        return;
    FBothMarkerWidth = Value;
    if (FIndex == -1)
        Invalidate();
}

void TskSkinScrollBar::SetCanFocused(bool Value)
{
    FCanFocused = Value;
    SetTabStop(Value);
}

// --- skin ------------------------------------------------------------------------------------

void TskSkinScrollBar::LookupSkinData()
{
    TskSkinCustomControl::LookupSkinData();
    const auto* d = Description<TskDataSkinScrollBarControl>();
    if (!d)
        return;
    TrackArea = d->TrackArea;
    UpButtonRect = d->UpButtonRect;
    ActiveUpButtonRect = d->ActiveUpButtonRect;
    DownUpButtonRect = RectHasNoArea(d->DownUpButtonRect) ? d->ActiveUpButtonRect : d->DownUpButtonRect;
    DownButtonRect = d->DownButtonRect;
    ActiveDownButtonRect = d->ActiveDownButtonRect;
    DownDownButtonRect = RectHasNoArea(d->DownDownButtonRect) ? d->ActiveDownButtonRect : d->DownDownButtonRect;
    ThumbRect = d->ThumbRect;
    ActiveThumbRect = RectHasNoArea(d->ActiveThumbRect) ? d->ThumbRect : d->ActiveThumbRect;
    DownThumbRect = RectHasNoArea(d->DownThumbRect) ? ActiveThumbRect : d->DownThumbRect;
    ThumbOffset1 = d->ThumbOffset1;
    ThumbOffset2 = d->ThumbOffset2;
    ThumbTransparent = d->ThumbTransparent;
    ThumbTransparentColor = d->ThumbTransparentColor;
    GlyphRect = d->GlyphRect;
    ActiveGlyphRect = RectHasNoArea(d->ActiveGlyphRect) ? d->GlyphRect : d->ActiveGlyphRect;
    DownGlyphRect = RectHasNoArea(d->DownGlyphRect) ? ActiveGlyphRect : d->DownGlyphRect;
    GlyphTransparent = d->GlyphTransparent;
    GlyphTransparentColor = d->GlyphTransparentColor;
    ThumbStretchEffect = d->ThumbStretchEffect;
    ThumbMinSize = d->ThumbMinSize;
    ThumbMinPageSize = d->ThumbMinPageSize;
}

void TskSkinScrollBar::FitBoundsToSkin(int& W, int& H)
{
    TskSkinCustomControl::FitBoundsToSkin(W, H);
    CalcGeometry();
}

// --- geometry --------------------------------------------------------------------------------

void TskSkinScrollBar::CalcGeometry()
{
    if (FIndex == -1 || !Description<TskDataSkinScrollBarControl>())
        CalcDefaultGeometry(FMax == FMin ? 0.0 : static_cast<double>(FPosition - FMin) / (FMax - FMin));
    else
        CalcSkinGeometry();
}

void TskSkinScrollBar::CalcDefaultGeometry(double Ratio)
{
    const int w = Horizontal() && FBoth ? FWidth - FBothMarkerWidth : FWidth;
    if (Horizontal()) {
        Buttons[kDownButton].R = RECT{1, 1, 17, FHeight - 1};
        Buttons[kUpButton].R = RECT{w - 17, 1, w - 1, FHeight - 1};
        NewTrackArea = RECT{17, 1, std::max(17, w - 17), FHeight - 1};
    } else {
        Buttons[kDownButton].R = RECT{1, 1, FWidth - 1, 17};
        Buttons[kUpButton].R = RECT{1, FHeight - 17, FWidth - 1, FHeight - 1};
        NewTrackArea = RECT{1, 17, FWidth - 1, std::max(17, FHeight - 17)};
    }
    const int start = TrackStart(), track = TrackEnd() - TrackStart();
    int length = 16;
    double ratio = Ratio;
    if (FPageSize != 0) {
        const int units = FMax - FMin + 1;
        length = std::max(16, units != 0 ? RoundEven(static_cast<double>(track) * FPageSize / units) : 0);
        ratio = FMin < FMax - FPageSize + 1 ? static_cast<double>(FPosition - FMin) / (FMax - FPageSize - FMin + 1)
                                             : (Horizontal() ? 1.0 : 0.0);
    }
    // The thumb never leaves its track, however short the bar.
    length = std::min(length, track);
    const int h = length / 2;
    Offset1 = start + h;
    Offset2 = TrackEnd() - h;
    BOffset = RoundEven(ratio * (track - 2 * h));
    const int thumbLength = FPageSize != 0 ? 2 * h : length;
    RECT& t = Buttons[kThumb].R;
    if (Horizontal())
        t = RECT{start + BOffset, NewTrackArea.top, start + BOffset + thumbLength, NewTrackArea.bottom};
    else
        t = RECT{NewTrackArea.left, start + BOffset, NewTrackArea.right, start + BOffset + thumbLength};
}

void TskSkinScrollBar::CalcSkinGeometry()
{
    int thumbAlong = Horizontal() ? RectWidth(ThumbRect) : RectHeight(ThumbRect);
    const int thumbAcross = Horizontal() ? RectHeight(ThumbRect) : RectWidth(ThumbRect);
    if (ThumbMinSize != 0)
        thumbAlong = ThumbMinSize;
    const int grow = Horizontal() ? FWidth - RectWidth(SkinRect) : FHeight - RectHeight(SkinRect);
    NewTrackArea = TrackArea;
    (Horizontal() ? NewTrackArea.right : NewTrackArea.bottom) += grow;
    auto place = [&](const RECT& R) {
        RECT r = R;
        if (Horizontal() ? RTPt.x < r.left : LBPt.y < r.top)
            OffsetRect(&r, Horizontal() ? grow : 0, Horizontal() ? 0 : grow);
        return r;
    };
    Buttons[kUpButton].R = place(UpButtonRect);
    Buttons[kDownButton].R = place(DownButtonRect);
    const int start = TrackStart(), track = TrackEnd() - TrackStart();
    int length = thumbAlong;
    double ratio = FMax == FMin ? 0.0 : static_cast<double>(FPosition - FMin) / (FMax - FMin);
    if (FPageSize != 0) {
        const int units = FMax - FMin + 1;
        length = std::max(thumbAlong, units != 0 ? RoundEven(static_cast<double>(track) * FPageSize / units) : 0);
        ratio = FMin < FMax - FPageSize + 1 ? static_cast<double>(FPosition - FMin) / (FMax - FPageSize - FMin + 1)
                                             : (Horizontal() ? 1.0 : 0.0);
    } else if (ThumbMinPageSize != 0) {
        length = ThumbMinPageSize;
    }
    length = std::min(length, std::max(track, 0));
    const int h = length / 2;
    Offset1 = start + h;
    Offset2 = TrackEnd() - h;
    BOffset = RoundEven(ratio * (track - 2 * h));
    const int crossStart = Horizontal() ? NewTrackArea.top : NewTrackArea.left;
    const int crossSize = Horizontal() ? RectHeight(NewTrackArea) : RectWidth(NewTrackArea);
    const int across = crossStart + crossSize / 2 - thumbAcross / 2;
    RECT& t = Buttons[kThumb].R;
    if (Horizontal())
        t = RECT{start + BOffset, across, start + BOffset + 2 * h, across + thumbAcross};
    else
        t = RECT{across, start + BOffset, across + thumbAcross, start + BOffset + 2 * h};
}

RECT TskSkinScrollBar::PartRect(int Part)
{
    LookupSkinData();
    CalcGeometry();
    return Part >= 0 && Part < 3 ? Buttons[Part].R : RECT{};
}

int TskSkinScrollBar::PositionFromOffset(int Offset)
{
    if (FPageSize == 0) {
        const int span = Offset2 - Offset1;
        const double ratio = span > 0 ? std::clamp(static_cast<double>(Offset) / span, 0.0, 1.0) : 0.0;
        return FMin + RoundEven((FMax - FMin) * ratio);
    }
    const int thumb = ThumbEnd() - ThumbStart();
    Offset1 = TrackStart() + thumb / 2;
    Offset2 = TrackEnd() - thumb / 2;
    const int span = Offset2 - Offset1;
    const double ratio = span > 0 ? std::clamp(static_cast<double>(Offset) / span, 0.0, 1.0) : 0.0;
    return FMin + RoundEven((FMax - FMin - FPageSize + 1) * ratio);
}

int TskSkinScrollBar::PartAt(int X, int Y) const
{
    const POINT p{X, Y};
    for (int i = 0; i < 3; ++i)
        if (PtInRect(&Buttons[i].R, p))
            return i;
    return -1;
}

// --- mouse -----------------------------------------------------------------------------------

void TskSkinScrollBar::StartTimer(UINT Interval)
{
    if (HandleAllocated())
        SetTimer(GetHandle(), kTimer, Interval, nullptr);
}

void TskSkinScrollBar::StopTimer()
{
    if (HandleAllocated())
        KillTimer(GetHandle(), kTimer);
    TimerMode = 0;
}

void TskSkinScrollBar::StepUp()
{
    if (const TNotifyEvent e = OnUpButtonClick)
        e(this);
    else
        SetPosition(FPosition + FSmallChange);
}

void TskSkinScrollBar::StepDown()
{
    if (const TNotifyEvent e = OnDownButtonClick)
        e(this);
    else
        SetPosition(FPosition - FSmallChange);
}

void TskSkinScrollBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TskSkinCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != TMouseButton::mbLeft)
        return;
    MouseD = true;
    // A press without a move before it still knows where the pointer is (page repeats).
    MX = X;
    MY = Y;
    LookupSkinData();
    CalcGeometry();
    TimerMode = 0;
    WaitMode = true;
    const int part = PartAt(X, Y);
    if (part >= 0) {
        CaptureButton = part;
        Buttons[part].Down = true;
        Invalidate();
        if (part == kUpButton) {
            StepUp();
            TimerMode = 2;
            StartTimer(kFirstDelay);
        } else if (part == kDownButton) {
            StepDown();
            TimerMode = 1;
            StartTimer(kFirstDelay);
        } else {
            OMPos = Along(X, Y);
            OldBOffset = BOffset;
            OldPosition = FPosition;
            FScrollWidth = TrackEnd() - ThumbEnd();
            if (FScrollWidth <= 0)
                FScrollWidth = ThumbStart() - TrackStart();
            FDown = true;
            Invalidate();
        }
        return;
    }
    const POINT p{X, Y};
    if (!PtInRect(&NewTrackArea, p))
        return;
    if (Along(X, Y) < ThumbStart()) {
        SetPosition(FPosition - FLargeChange);
        TimerMode = 3;
        StartTimer(kFirstDelay);
        if (const TNotifyEvent e = OnPageUp)
            e(this);
    } else {
        SetPosition(FPosition + FLargeChange);
        TimerMode = 4;
        StartTimer(kFirstDelay);
        if (const TNotifyEvent e = OnPageDown)
            e(this);
    }
}

void TskSkinScrollBar::UpdateHover(int X, int Y)
{
    int part = PartAt(X, Y);
    if (CaptureButton != -1 && part != CaptureButton)
        part = -1;
    if (part == ActiveButton)
        return;
    OldActiveButton = ActiveButton;
    ActiveButton = part;
    if (OldActiveButton != -1) {
        Buttons[OldActiveButton].MouseIn = false;
        Invalidate();
        if (OldActiveButton != kThumb && Buttons[OldActiveButton].Down && HandleAllocated())
            KillTimer(GetHandle(), kTimer);
    }
    if (ActiveButton != -1) {
        Buttons[ActiveButton].MouseIn = true;
        Invalidate();
        if (ActiveButton != kThumb && Buttons[ActiveButton].Down)
            StartTimer(kRepeat);
    }
}

void TskSkinScrollBar::MouseMove(TShiftState Shift, int X, int Y)
{
    MX = X;
    MY = Y;
    CalcGeometry();
    UpdateHover(X, Y);
    if (FDown)
        SetPosition(PositionFromOffset(Along(X, Y) - OMPos + OldBOffset));
    TskSkinCustomControl::MouseMove(Shift, X, Y);
}

void TskSkinScrollBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TskSkinCustomControl::MouseUp(Button, Shift, X, Y);
    MouseD = false;
    if (TimerMode > 2)
        StopTimer();
    const int captured = CaptureButton;
    if (captured != -1) {
        Buttons[captured].Down = false;
        if (captured != ActiveButton)
            Buttons[captured].MouseIn = false;
        Invalidate();
        if (captured == kThumb)
            FDown = false;
        else
            StopTimer();
    }
    CaptureButton = -1;
    if (Button == TMouseButton::mbLeft && captured == kThumb)
        if (const TNotifyEvent e = OnLastChange)
            e(this);
}

void TskSkinScrollBar::Timer()
{
    if (WaitMode) {
        WaitMode = false;
        StartTimer(kRepeat);
        return;
    }
    switch (TimerMode) {
    case 1: StepDown(); break;
    case 2: StepUp(); break;
    case 3:
        CalcGeometry();
        UpdateHover(MX, MY);
        if (Along(MX, MY) < ThumbStart()) {
            SetPosition(FPosition - FLargeChange);
            if (const TNotifyEvent e = OnPageUp)
                e(this);
        } else {
            StopTimer();
        }
        break;
    case 4:
        CalcGeometry();
        UpdateHover(MX, MY);
        if (Along(MX, MY) >= ThumbEnd()) {
            SetPosition(FPosition + FLargeChange);
            if (const TNotifyEvent e = OnPageDown)
                e(this);
        } else {
            StopTimer();
        }
        break;
    default: break;
    }
}

void TskSkinScrollBar::KeyDown(WORD& Key, TShiftState Shift)
{
    TskSkinCustomControl::KeyDown(Key, Shift);
    if (!FCanFocused)
        return;
    if (Key == VK_LEFT || Key == VK_UP)
        SetPosition(FPosition - FSmallChange);
    else if (Key == VK_RIGHT || Key == VK_DOWN)
        SetPosition(FPosition + FSmallChange);
}

void TskSkinScrollBar::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_TIMER:
        TskSkinCustomControl::Dispatch(Message);
        if (Message.WParam == kTimer)
            Timer();
        return;
    case CM_MOUSELEAVE:
        TskSkinCustomControl::Dispatch(Message);
        if (ActiveButton != -1 && CaptureButton == -1 && !FDown) {
            Buttons[ActiveButton].MouseIn = false;
            Invalidate();
            ActiveButton = -1;
        }
        // A page repeat towards Max ends when the pointer leaves; one towards Min goes on.
        if (MouseD && TimerMode > 3)
            StopTimer();
        return;
    case CM_WANTSPECIALKEY:
        if (FCanFocused && (Message.WParam == VK_LEFT || Message.WParam == VK_RIGHT || Message.WParam == VK_UP ||
                            Message.WParam == VK_DOWN)) {
            Message.Result = 1;
            return;
        }
        break;
    case WM_MOUSEWHEEL:
        if (FCanFocused && Focused()) {
            if (GET_WHEEL_DELTA_WPARAM(Message.WParam) > 0)
                SetPosition(FPosition - FSmallChange);
            else
                SetPosition(FPosition + FSmallChange);
            return;
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (FCanFocused && !Focused()) {
            FClicksDisabled = true;
            if (HandleAllocated())
                ::SetFocus(GetHandle());
            FClicksDisabled = false;
            if (!Focused())
                return;
        }
        break;
    case CN_COMMAND:
        if (FClicksDisabled)
            return;
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        TskSkinCustomControl::Dispatch(Message);
        if (FCanFocused)
            Invalidate();
        return;
    case CM_ENABLEDCHANGED:
        TskSkinCustomControl::Dispatch(Message);
        Invalidate();
        return;
    default: break;
    }
    TskSkinCustomControl::Dispatch(Message);
}

// --- painting --------------------------------------------------------------------------------

bool TskSkinScrollBar::PressedLook(int Index)
{
    const Part& p = Buttons[Index];
    return (p.Down && p.MouseIn) || (Index == kThumb && (p.Down || (FCanFocused && Focused())));
}

void TskSkinScrollBar::DrawPart(TCanvas* Canvas, int Index)
{
    const Part& p = Buttons[Index];
    const bool pressed = PressedLook(Index);
    if (FIndex == -1) {
        Canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
        Canvas->Brush()->SetColor(pressed ? RGB(133, 147, 181) : p.MouseIn ? RGB(182, 189, 210) : clBtnFace);
        Canvas->FillRect(p.R);
        Canvas->Brush()->SetColor(pressed || p.MouseIn ? clNavy : clBtnShadow);
        Canvas->FrameRect(p.R);
        if (Index == kUpButton)
            DrawTriangleArrow(Canvas, p.R, clBlack, Horizontal() ? 2 : 4);
        else if (Index == kDownButton)
            DrawTriangleArrow(Canvas, p.R, clBlack, Horizontal() ? 1 : 3);
        return;
    }
    if (Index != kThumb) {
        const bool up = Index == kUpButton;
        const RECT& src = pressed ? (up ? DownUpButtonRect : DownDownButtonRect)
                                  : (up ? ActiveUpButtonRect : ActiveDownButtonRect);
        if ((pressed || p.MouseIn) && Picture && !RectHasNoArea(src))
            Canvas->CopyRect(p.R, Picture->Canvas(), src);
        return;
    }
    if (!Picture)
        return;
    const RECT& src = pressed ? DownThumbRect : p.MouseIn ? ActiveThumbRect : ThumbRect;
    const int w = RectWidth(p.R), h = RectHeight(p.R);
    if (w <= 0 || h <= 0)
        return;
    TBitmap thumb;
    thumb.SetSize(w, h);
    if (FPageSize != 0 || ThumbMinPageSize != 0) {
        if (Horizontal())
            BuildHorzBandImage(ThumbOffset1, ThumbOffset2, &thumb, Picture, src, w, h, ThumbStretchEffect);
        else
            BuildVertBandImage(ThumbOffset1, ThumbOffset2, &thumb, Picture, src, w, h, ThumbStretchEffect);
    } else {
        thumb.Canvas()->CopyRect(RECT{0, 0, w, h}, Picture->Canvas(), src);
    }
    const RECT& glyph = pressed ? DownGlyphRect : p.MouseIn ? ActiveGlyphRect : GlyphRect;
    const int glyphAlong = Horizontal() ? RectWidth(glyph) : RectHeight(glyph);
    if (!RectHasNoArea(glyph) && glyphAlong < (Horizontal() ? w : h)) {
        TBitmap g;
        g.SetSize(RectWidth(glyph), RectHeight(glyph));
        g.Canvas()->CopyRect(RECT{0, 0, RectWidth(glyph), RectHeight(glyph)}, Picture->Canvas(), glyph);
        if (GlyphTransparent) {
            g.SetTransparentMode(TTransparentMode::tmFixed);
            g.SetTransparentColor(GlyphTransparentColor);
            g.SetTransparent(true);
        }
        thumb.Canvas()->Draw(thumb.GetWidth() / 2 - RectWidth(glyph) / 2, thumb.GetHeight() / 2 - RectHeight(glyph) / 2, &g);
    }
    if (ThumbTransparent) {
        thumb.SetTransparentMode(TTransparentMode::tmFixed);
        thumb.SetTransparentColor(ThumbTransparentColor);
        thumb.SetTransparent(true);
    }
    Canvas->Draw(p.R.left, p.R.top, &thumb);
}

void TskSkinScrollBar::CreateControlDefaultImage(TBitmap* B)
{
    CalcGeometry();
    TCanvas* c = B->Canvas();
    c->Brush()->SetStyle(TBrushStyle::bsSolid);
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(RECT{0, 0, FWidth, FHeight});
    if (GetEnabled())
        DrawPart(c, kThumb);
    DrawPart(c, kUpButton);
    DrawPart(c, kDownButton);
}

void TskSkinScrollBar::CreateControlSkinImage(TBitmap* B)
{
    TskSkinCustomControl::CreateControlSkinImage(B);
    CalcGeometry();
    TCanvas* c = B->Canvas();
    DrawPart(c, kUpButton);
    DrawPart(c, kDownButton);
    if (GetEnabled())
        DrawPart(c, kThumb);
}
