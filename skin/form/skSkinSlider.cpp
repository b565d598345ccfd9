#include "skin/form/skSkinSlider.h"

#include "platform/win/Rect.h"
#include "platform/window/User.h"
#include "skin/core/skDrawMarks.h"
#include "skin/core/skParentBackground.h"
#include "skin/core/skSkinImages.h"
#include "skin/form/skSkinMessages.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kBase = 6;
constexpr UINT_PTR kTimer = 1;
constexpr UINT kRepeat = 400;
constexpr TColor kKey = static_cast<TColor>(0xFF00FF);

int RoundEven(double Value)
{
    return static_cast<int>(std::nearbyint(Value));
}

void Fill(TCanvas* C, const RECT& R, TColor Color)
{
    C->Brush()->SetStyle(TBrushStyle::bsSolid);
    C->Brush()->SetColor(Color);
    C->FillRect(R);
}

void MakeTransparent(TBitmap* B)
{
    B->SetTransparentMode(TTransparentMode::tmFixed);
    B->SetTransparentColor(kKey);
    B->SetTransparent(true);
}

// A thumb state: a raised face of W x H whose far end (down, or right when Across) is a point.
void DrawThumbState(TCanvas* C, int X, int W, int H, bool Across, bool Checkered)
{
    const int tip = Across ? W / 3 : H / 3;
    auto along = [&](int a, int b, int from, int to) {  // a span across the thumb at depth a..b
        return Across ? RECT{X + a, from, X + b, to} : RECT{X + from, a, X + to, b};
    };
    const int body = (Across ? W : H) - tip;
    const int breadth = Across ? H : W;
    Fill(C, along(0, body, 0, breadth), clBtnFace);
    for (int i = 0; i < tip; ++i)
        Fill(C, along(body + i, body + i + 1, i + 1, breadth - i - 1), clBtnFace);
    Fill(C, along(0, body, 0, 1), clBtnHighlight);
    Fill(C, along(0, 1, 0, breadth), clBtnHighlight);
    Fill(C, along(0, body, breadth - 1, breadth), clBtnShadow);
    if (Checkered)
        for (int a = 2; a < body - 1; ++a)
            for (int b = 2; b < breadth - 2; ++b)
                if ((a + b) % 2 == 0)
                    Fill(C, along(a, a + 1, b, b + 1), clBtnHighlight);
}

// The built-in images at their fixed sizes, drawn on the transparent magenta.
void LoadBuiltIn(TBitmap* B, TskSliderImage Which)
{
    const bool vertical = Which == TskSliderImage::siVThumb || Which == TskSliderImage::siVRuler;
    const bool thumb = Which == TskSliderImage::siHThumb || Which == TskSliderImage::siVThumb;
    const SIZE size = thumb ? (vertical ? SIZE{38, 9} : SIZE{18, 17}) : (vertical ? SIZE{8, 10} : SIZE{10, 8});
    B->SetSize(size.cx, size.cy);
    TCanvas* c = B->Canvas();
    Fill(c, RECT{0, 0, size.cx, size.cy}, kKey);
    if (thumb) {
        const int state = vertical ? 19 : 9;
        for (int s = 0; s < 2; ++s)
            DrawThumbState(c, s * state, state, size.cy, vertical, s == 1);
    } else if (vertical) {
        Fill(c, RECT{2, 0, 6, size.cy}, clBtnFace);
        Fill(c, RECT{2, 0, 3, size.cy}, clBtnShadow);
        Fill(c, RECT{5, 0, 6, size.cy}, clBtnHighlight);
        Fill(c, RECT{3, 0, 5, size.cy}, clWindowText);
    } else {
        Fill(c, RECT{0, 2, size.cx, 6}, clBtnFace);
        Fill(c, RECT{0, 2, size.cx, 3}, clBtnShadow);
        Fill(c, RECT{0, 5, size.cx, 6}, clBtnHighlight);
        Fill(c, RECT{0, 3, size.cx, 5}, clWindowText);
    }
    MakeTransparent(B);
}

} // namespace

TskSkinCustomSlider::TskSkinCustomSlider(TComponent* AOwner) : TskSkinControl(AOwner), FRuler(std::make_unique<TBitmap>())
{
    FControlStyle = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque};
    SetTabStop(true);
    SetBounds(FLeft, FTop, 150, 40);
    for (int i = 0; i < 4; ++i) {
        FImages[i] = std::make_unique<TBitmap>();
        LoadBuiltIn(FImages[i].get(), static_cast<TskSliderImage>(i));
    }
    SetSkinDataName("slider");
    LayoutSlider();
}

TskSkinCustomSlider::~TskSkinCustomSlider()
{
    OnChange = nullptr;
    OnChanged = nullptr;
    OnDrawPoints = nullptr;
}

// --- values ----------------------------------------------------------------------------------

void TskSkinCustomSlider::SetValue(int Value)
{
    const int v = std::clamp(Value, std::min(FMinValue, FMaxValue), FMaxValue);
    const bool changed = v != FValue;
    FValue = v;
    const int p = ValueToPosition(v);
    const SIZE t = ThumbSize();
    InvalidateRect(HandleAllocated() ? GetHandle() : nullptr, &FThumbRect, FALSE);
    FThumbRect = Horizontal() ? RECT{p, FThumbRect.top, p + t.cx, FThumbRect.top + t.cy}
                              : RECT{FThumbRect.left, p, FThumbRect.left + t.cx, p + t.cy};
    if (HandleAllocated())
        InvalidateRect(GetHandle(), &FThumbRect, FALSE);
    if (changed)
        if (const TNotifyEvent e = OnChange)
            e(this);
}

void TskSkinCustomSlider::SetSliderRange(int AMin, int AMax)
{
    if (AMin >= AMax && !ComponentState().Contains(csReading))
        return;
    FMinValue = AMin;
    FMaxValue = AMax;
    if (!ComponentState().Contains(csReading) && FMaxValue < FMinValue + FIncrement)
        FIncrement = FMaxValue - FMinValue;
    if (FOptions.Contains(soShowPoints))
        Invalidate();
    SetValue(FValue);
}

void TskSkinCustomSlider::SetIncrement(int Value)
{
    if (Value <= 0 || Value == FIncrement)
        return;
    FIncrement = Value;
    SetValue(FValue);
    Invalidate();
}

void TskSkinCustomSlider::SetTransparent(bool Value)
{
    FTransparent = Value;
    Invalidate();
}

void TskSkinCustomSlider::SetUseSkinThumb(bool Value)
{
    FUseSkinThumb = Value;
    LayoutSlider();
}

// --- skin and layout -------------------------------------------------------------------------

void TskSkinCustomSlider::LookupSkinData()
{
    TskSkinControl::LookupSkinData();
    Picture = nullptr;
    if (const auto* d = Description<TskDataSkinSlider>()) {
        Picture = SkinPicture(FSD, d->PictureIndex);
        HRulerRect = d->HRulerRect;
        HThumbRect = d->HThumbRect;
        VRulerRect = d->VRulerRect;
        VThumbRect = d->VThumbRect;
        SkinEdgeSize = d->EdgeSize;
        BGColor = d->BGColor;
        PointsColor = d->PointsColor;
    } else {
        FIndex = -1;
    }
}

void TskSkinCustomSlider::ChangeSkinData()
{
    LayoutSlider();
}

SIZE TskSkinCustomSlider::ThumbSize() const
{
    if (SkinThumb()) {
        const RECT& r = Horizontal() ? HThumbRect : VThumbRect;
        return SIZE{RectWidth(r) / 2, RectHeight(r)};
    }
    const TBitmap* image = FImages[Horizontal() ? 0 : 2].get();
    return SIZE{image->GetWidth() / std::max(FNumThumbStates, 1), image->GetHeight()};
}

int TskSkinCustomSlider::TrackLength() const
{
    const SIZE t = ThumbSize();
    return Horizontal() ? FRuler->GetWidth() - t.cx : FRuler->GetHeight() - t.cy;
}

RECT TskSkinCustomSlider::RulerRect() const
{
    return RECT{FRulerOrg.x, FRulerOrg.y, FRulerOrg.x + FRuler->GetWidth(), FRulerOrg.y + FRuler->GetHeight()};
}

void TskSkinCustomSlider::BuildSkinRuler()
{
    if (Horizontal()) {
        const int length = std::max(0, FWidth - 12);
        if (length > 0)
            BuildHorzBandImage(SkinEdgeSize, SkinEdgeSize, FRuler.get(), Picture, HRulerRect, length, RectHeight(HRulerRect), false);
        else
            FRuler->SetSize(0, RectHeight(HRulerRect));
    } else {
        const int length = std::max(0, FHeight - 12);
        if (length > 0)
            BuildVertBandImage(SkinEdgeSize, SkinEdgeSize, FRuler.get(), Picture, VRulerRect, RectWidth(VRulerRect), length, false);
        else
            FRuler->SetSize(RectWidth(VRulerRect), 0);
    }
    FRuler->SetTransparentMode(TTransparentMode::tmAuto);
}

void TskSkinCustomSlider::BuildDefaultRuler()
{
    TBitmap* image = FImages[Horizontal() ? 1 : 3].get();
    const int imageLength = Horizontal() ? image->GetWidth() : image->GetHeight();
    const int thickness = Horizontal() ? image->GetHeight() : image->GetWidth();
    const int length = std::max(0, (Horizontal() ? FWidth : FHeight) - 12);
    if (Horizontal())
        FRuler->SetSize(length, thickness);
    else
        FRuler->SetSize(thickness, length);
    TCanvas* c = FRuler->Canvas();
    Fill(c, RECT{0, 0, FRuler->GetWidth(), FRuler->GetHeight()}, kKey);
    const int e = FEdgeSize;
    const int piece = imageLength - 2 * e;
    auto copy = [&](int to, int from, int count) {  // count pixels of the image from `from` to `to`
        if (count <= 0)
            return;
        const RECT dst = Horizontal() ? RECT{to, 0, to + count, thickness} : RECT{0, to, thickness, to + count};
        const RECT src = Horizontal() ? RECT{from, 0, from + count, thickness} : RECT{0, from, thickness, from + count};
        c->CopyRect(dst, image->Canvas(), src);
    };
    // Without a middle piece the ruler cannot be divided: the image is stretched instead.
    if (piece <= 0) {
        c->StretchDraw(RECT{0, 0, FRuler->GetWidth(), FRuler->GetHeight()}, image);
        MakeTransparent(FRuler.get());
        return;
    }
    const int inner = length - 2 * e;
    const int n = inner > 0 ? inner / piece : 0;
    const int rest = inner > 0 ? inner % piece : 0;
    copy(0, 0, std::min(imageLength - e, length));
    for (int i = 1; i < n; ++i)
        copy(e + i * piece, e, piece);
    if (n > 0)
        copy(e + n * piece, e + piece - rest, e + rest);
    MakeTransparent(FRuler.get());
}

void TskSkinCustomSlider::LayoutSlider()
{
    LookupSkinData();
    const int value = FValue;
    if (FIndex != -1 && Picture)
        BuildSkinRuler();
    else
        BuildDefaultRuler();
    const SIZE t = ThumbSize();
    const int rw = FRuler->GetWidth(), rh = FRuler->GetHeight();
    if (Horizontal()) {
        if (t.cy > rh) {
            FThumbRect = RECT{kBase, kBase, kBase + t.cx, kBase + t.cy};
            FRulerOrg = POINT{kBase, kBase + (t.cy - rh) / 2};
            FPointsRect = RECT{FRulerOrg.x, kBase + t.cy + 1, FRulerOrg.x + rw, FHeight - 1};
        } else {
            FThumbRect = RECT{kBase, kBase + (rh - t.cy) / 2, kBase + t.cx, kBase + (rh - t.cy) / 2 + t.cy};
            FRulerOrg = POINT{kBase, kBase};
            FPointsRect = RECT{FRulerOrg.x, kBase + rh + 1, FRulerOrg.x + rw, FHeight - 1};
        }
    } else {
        const int full = SkinThumb() ? RectWidth(VThumbRect) / 2 : FImages[2]->GetWidth() / std::max(FNumThumbStates, 1);
        if (full > rw) {
            FThumbRect = RECT{kBase, kBase, kBase + t.cx, kBase + t.cy};
            FRulerOrg = POINT{kBase + (t.cx - rw) / 2, kBase};
            FPointsRect = RECT{kBase + t.cx + 1, kBase, FWidth - 1, kBase + rh};
        } else {
            FThumbRect = RECT{kBase + (rw - t.cx) / 2, kBase, kBase + (rw - t.cx) / 2 + t.cx, kBase + t.cy};
            FRulerOrg = POINT{kBase, kBase};
            FPointsRect = RECT{kBase + rw + 1, kBase, FWidth - 1, kBase + rh};
        }
    }
    FValue = value;
    SetValue(value);
    Invalidate();
}

// --- mapping ---------------------------------------------------------------------------------

int TskSkinCustomSlider::ValueToPosition(int Value) const
{
    const int track = TrackLength();
    const int range = FMaxValue - FMinValue;
    int p = kBase;
    if (track > 0 && range > 0)
        p += RoundEven(static_cast<double>(track) * (Value - FMinValue) / range);
    if (!Horizontal())
        p = FHeight - p - ThumbSize().cy;
    return std::max(p, kBase);
}

int TskSkinCustomSlider::PositionToValue(int Position) const
{
    int p = Position;
    if (!Horizontal())
        p = FHeight - p - ThumbSize().cy;
    const int track = TrackLength();
    int v = track > 0 ? RoundEven(static_cast<double>(p - kBase) * (FMaxValue - FMinValue) / track) : 0;
    if (!FOptions.Contains(soSmooth) && FIncrement > 0)
        v = RoundEven(static_cast<double>(v) / FIncrement) * FIncrement;
    return std::min(std::max(v, 0) + FMinValue, FMaxValue);
}

int TskSkinCustomSlider::SnapThumbPosition(int Position) const
{
    const int last = kBase + std::max(TrackLength(), 0);
    int p = std::clamp(Position, kBase, last);
    p = ValueToPosition(PositionToValue(p));
    return std::min(p, last);
}

void TskSkinCustomSlider::MoveThumbTo(int Position)
{
    const int p = SnapThumbPosition(Position);
    if (HandleAllocated())
        InvalidateRect(GetHandle(), &FThumbRect, FALSE);
    if (Horizontal())
        OffsetRect(&FThumbRect, p - FThumbRect.left, 0);
    else
        OffsetRect(&FThumbRect, 0, p - FThumbRect.top);
    if (HandleAllocated())
        InvalidateRect(GetHandle(), &FThumbRect, FALSE);
    if (FSliding) {
        const int v = PositionToValue(p);
        if (v != FValue) {
            FValue = v;
            if (const TNotifyEvent e = OnChange)
                e(this);
        }
    }
}

std::vector<int> TskSkinCustomSlider::TickValues(int Step) const
{
    std::vector<int> ticks;
    const int range = FMaxValue - FMinValue;
    const int track = TrackLength();
    // An empty range, no track or no step cannot be divided.
    if (range <= 0 || track <= 0 || Step <= 0)
        return ticks;
    // The smallest multiplier that keeps the ticks 4 pixels apart (or one interval per track).
    long long h = std::max<long long>(1, (4LL * range + static_cast<long long>(Step) * track - 1) /
                                             (static_cast<long long>(Step) * track));
    auto intervals = [&](long long mult) {
        return std::max<long long>(1, std::llround(static_cast<double>(range) / (static_cast<double>(Step) * mult)));
    };
    while (track / intervals(h) < 4 && intervals(h) > 1)
        ++h;
    const long long m = intervals(h);
    for (long long i = 0; i <= m; ++i)
        ticks.push_back(i == m ? FMaxValue : static_cast<int>(std::min<long long>(FMinValue + Step * h * i, FMaxValue)));
    return ticks;
}

// --- jumps, mouse and keys -------------------------------------------------------------------

void TskSkinCustomSlider::JumpValue(TskJumpMode Mode)
{
    // Next and prior go to the neighbouring multiple of the increment.
    auto floorDiv = [](long long a, long long b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0); };
    const long long inc = std::max(FIncrement, 1);
    long long v = FValue;
    switch (Mode) {
    case TskJumpMode::jmHome: v = FMinValue; break;
    case TskJumpMode::jmEnd: v = FMaxValue; break;
    case TskJumpMode::jmNext: v = (floorDiv(FValue, inc) + 1) * inc; break;
    case TskJumpMode::jmPrior: v = -(floorDiv(-static_cast<long long>(FValue), inc) + 1) * inc; break;
    default: return;
    }
    if (v >= FMaxValue)
        v = FMaxValue;
    if (v <= FMinValue)
        v = FMinValue;
    if (v != FValue)
        SetValue(static_cast<int>(v));
}

TskJumpMode TskSkinCustomSlider::JumpModeAt(POINT P) const
{
    if (Horizontal()) {
        if (P.x < FThumbRect.left)
            return TskJumpMode::jmPrior;
        return P.x >= FThumbRect.right ? TskJumpMode::jmNext : TskJumpMode::jmNone;
    }
    if (P.y < FThumbRect.top)
        return TskJumpMode::jmNext;
    return P.y >= FThumbRect.bottom ? TskJumpMode::jmPrior : TskJumpMode::jmNone;
}

void TskSkinCustomSlider::TrackTimerTick()
{
    if (JumpModeAt(FMousePos) != FStartJump)
        return;
    JumpValue(FStartJump);
    if (!FTimerActive && HandleAllocated()) {
        SetTimer(GetHandle(), kTimer, kRepeat, nullptr);
        FTimerActive = true;
    }
}

void TskSkinCustomSlider::EndTracking()
{
    if (!FTracking)
        return;
    FTracking = false;
    if (FTimerActive && HandleAllocated())
        KillTimer(GetHandle(), kTimer);
    FTimerActive = false;
    SetMouseCapture(false);
    if (const TNotifyEvent e = OnChanged)
        e(this);
}

void TskSkinCustomSlider::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TskSkinControl::MouseDown(Button, Shift, X, Y);
    if (Button != TMouseButton::mbLeft || Shift.Contains(ssDouble))
        return;
    if (CanFocus())
        SetFocus();
    const POINT p{X, Y};
    if (PtInRect(&FThumbRect, p)) {
        FSliding = true;
        FThumbDown = true;
        FHit = Horizontal() ? X - FThumbRect.left : Y - FThumbRect.top;
        if (HandleAllocated())
            InvalidateRect(GetHandle(), &FThumbRect, FALSE);
        return;
    }
    RECT ruler = RulerRect();
    if (Horizontal())
        InflateRect(&ruler, 0, 3);
    else
        InflateRect(&ruler, 3, 0);
    if (!PtInRect(&ruler, p))
        return;
    SetMouseCapture(true);
    FTracking = true;
    FMousePos = p;
    FStartJump = JumpModeAt(p);
    TrackTimerTick();
}

void TskSkinCustomSlider::MouseMove(TShiftState Shift, int X, int Y)
{
    TskSkinControl::MouseMove(Shift, X, Y);
    if (FSliding && Shift.Contains(ssLeft))
        MoveThumbTo((Horizontal() ? X : Y) - FHit);
    else if (FTracking)
        FMousePos = POINT{X, Y};
}

void TskSkinCustomSlider::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TskSkinControl::MouseUp(Button, Shift, X, Y);
    EndTracking();
    if (FSliding) {
        FSliding = false;
        FThumbDown = false;
        if (HandleAllocated())
            InvalidateRect(GetHandle(), &FThumbRect, FALSE);
        if (const TNotifyEvent e = OnChanged)
            e(this);
    }
}

void TskSkinCustomSlider::KeyDown(WORD& Key, TShiftState Shift)
{
    if (Shift.Contains(ssShift) || Shift.Contains(ssCtrl) || Shift.Contains(ssAlt)) {
        TskSkinControl::KeyDown(Key, Shift);
        return;
    }
    TskJumpMode mode = TskJumpMode::jmNone;
    switch (Key) {
    case VK_HOME: mode = TskJumpMode::jmHome; break;
    case VK_END: mode = TskJumpMode::jmEnd; break;
    case VK_LEFT: mode = Horizontal() ? TskJumpMode::jmPrior : TskJumpMode::jmNone; break;
    case VK_RIGHT: mode = Horizontal() ? TskJumpMode::jmNext : TskJumpMode::jmNone; break;
    case VK_UP: mode = Horizontal() ? TskJumpMode::jmNone : TskJumpMode::jmNext; break;
    case VK_DOWN: mode = Horizontal() ? TskJumpMode::jmNone : TskJumpMode::jmPrior; break;
    default: break;
    }
    if (mode != TskJumpMode::jmNone) {
        Key = 0;
        JumpValue(mode);
        if (const TNotifyEvent e = OnChanged)
            e(this);
    }
    TskSkinControl::KeyDown(Key, Shift);
}

void TskSkinCustomSlider::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_SIZE:
        TskSkinControl::Dispatch(Message);
        if (!ComponentState().Contains(csReading))
            LayoutSlider();
        return;
    case WM_MOVE:
        TskSkinControl::Dispatch(Message);
        if (FTransparent)
            Invalidate();
        return;
    case SKM_PARENTBGCHANGED:
        if (FTransparent)
            Invalidate();
        return;
    case WM_GETDLGCODE:
        Message.Result = DLGC_WANTARROWS;
        return;
    case WM_TIMER:
        TskSkinControl::Dispatch(Message);
        if (Message.WParam == kTimer)
            TrackTimerTick();
        return;
    case CM_ENABLEDCHANGED:
        TskSkinControl::Dispatch(Message);
        if (HandleAllocated())
            InvalidateRect(GetHandle(), &FThumbRect, FALSE);
        return;
    case CM_FOCUSCHANGED: {
        const bool focused = reinterpret_cast<TControl*>(Message.LParam) == this;
        if (focused != FFocused) {
            FFocused = focused;
            if (FOptions.Contains(soShowFocus))
                Invalidate();
        }
        TskSkinControl::Dispatch(Message);
        return;
    }
    default:
        TskSkinControl::Dispatch(Message);
        return;
    }
}

// --- painting --------------------------------------------------------------------------------

void TskSkinCustomSlider::DrawPoints(TCanvas* Canvas, int Step, int Length, int ExtremeLength)
{
    Canvas->Pen()->SetColor(FIndex == -1 ? clWindowText : PointsColor);
    const SIZE t = ThumbSize();
    for (int v : TickValues(Step)) {
        const int length = v == FMinValue || v == FMaxValue ? ExtremeLength : Length;
        const int at = ValueToPosition(v) + (Horizontal() ? t.cx : t.cy) / 2;
        if (Horizontal()) {
            Canvas->MoveTo(at, FPointsRect.top);
            Canvas->LineTo(at, FPointsRect.top + length);
        } else {
            Canvas->MoveTo(FPointsRect.left, at);
            Canvas->LineTo(FPointsRect.left + length, at);
        }
    }
}

void TskSkinCustomSlider::DefaultDrawPoints(int PointsStep, int PointsHeight, int ExtremePointsHeight)
{
    DrawPoints(Canvas(), PointsStep, PointsHeight, ExtremePointsHeight);
}

void TskSkinCustomSlider::Paint()
{
    if (FWidth <= 0 || FHeight <= 0)
        return;
    LookupSkinData();
    TBitmap b;
    b.SetSize(FWidth, FHeight);
    TCanvas* c = b.Canvas();
    if (FTransparent)
        PaintParentUnderControl(this, c);
    else
        Fill(c, RECT{0, 0, FWidth, FHeight}, FIndex == -1 ? GetColor() : BGColor);
    if (FRuler->GetWidth() > 0 && FRuler->GetHeight() > 0) {
        // The built ruler keeps its key colour (magenta, or a skin ruler's corner pixel).
        FRuler->SetTransparent(FIndex != -1 || !FOptions.Contains(soRulerOpaque));
        c->Draw(FRulerOrg.x, FRulerOrg.y, FRuler.get());
    }
    if (FOptions.Contains(soShowFocus) && FFocused && !ComponentState().Contains(csDesigning)) {
        RECT r{0, 0, FWidth, FHeight};
        InflateRect(&r, -2, -2);
        c->Font()->SetColor(FIndex != -1 && FSD && FSD->SkinColors() ? FSD->SkinColors()->cBtnText() : clBtnText);
        DrawDottedFocusFrame(c, r);
    }
    if (FOptions.Contains(soShowPoints)) {
        if (const TNotifyEvent e = OnDrawPoints)
            e(this);
        else
            DrawPoints(c, FIncrement, 3, 5);
    }
    const bool second = FThumbDown || !GetEnabled();
    const SIZE t = ThumbSize();
    TBitmap thumb;
    thumb.SetSize(t.cx, t.cy);
    if (SkinThumb()) {
        const RECT& src = Horizontal() ? HThumbRect : VThumbRect;
        const RECT half{src.left + (second ? t.cx : 0), src.top, src.left + (second ? 2 * t.cx : t.cx), src.bottom};
        thumb.Canvas()->CopyRect(RECT{0, 0, t.cx, t.cy}, Picture->Canvas(), half);
    } else {
        TBitmap* image = FImages[Horizontal() ? 0 : 2].get();
        const int x = FNumThumbStates == 2 && second ? t.cx : 0;
        thumb.Canvas()->CopyRect(RECT{0, 0, t.cx, t.cy}, image->Canvas(), RECT{x, 0, x + t.cx, t.cy});
        if (!FOptions.Contains(soThumbOpaque))
            MakeTransparent(&thumb);
    }
    if (SkinThumb()) {
        thumb.SetTransparentMode(TTransparentMode::tmAuto);
        thumb.SetTransparent(true);
    }
    c->Draw(FThumbRect.left, FThumbRect.top, &thumb);
    Canvas()->Draw(0, 0, &b);
}

// --- the published slider --------------------------------------------------------------------

void TskSkinSlider::SetOrientation(TskSliderOrientation Value)
{
    if (Value == FOrientation)
        return;
    FOrientation = Value;
    LayoutSlider();
    if (!ComponentState().Contains(csLoading) && !ComponentState().Contains(csUpdating))
        SetBounds(FLeft, FTop, FHeight, FWidth);
}

void TskSkinSlider::SetOptions(TskSliderOptions Value)
{
    if (Value == FOptions)
        return;
    FOptions = Value;
    Invalidate();
}

void TskSkinSlider::SetNumThumbStates(int Value)
{
    Value = std::clamp(Value, 1, 2);
    if (Value == FNumThumbStates)
        return;
    FNumThumbStates = Value;
    LayoutSlider();
}

void TskSkinSlider::SetEdgeSize(int Value)
{
    const TBitmap* ruler = FImages[Horizontal() ? 1 : 3].get();
    const int length = Horizontal() ? ruler->GetWidth() : ruler->GetHeight();
    if (Value == FEdgeSize || Value < 0 || 2 * Value >= length)
        return;
    FEdgeSize = Value;
    LayoutSlider();
}

void TskSkinSlider::SetImage(TskSliderImage Which, TBitmap* Value)
{
    const int i = static_cast<int>(Which);
    const unsigned bit = 1u << i;
    if (Value) {
        FImages[i]->Assign(Value);
        FUserImages |= bit;
    } else {
        LoadBuiltIn(FImages[i].get(), Which);
        FUserImages &= ~bit;
        const bool thumb = Which == TskSliderImage::siHThumb || Which == TskSliderImage::siVThumb;
        FOptions.Exclude(thumb ? soThumbOpaque : soRulerOpaque);
        Invalidate();
    }
    LayoutSlider();
}
