// What the push button and the speed button share: timers made on demand, the description's
// button fields, the face, the morph in fifths, the frame animation and the repeat.

#include "skin/form/skSkinCtrls.h"

#include "classlib/Bitmap.h"
#include "skin/core/TskEffectBmp.h"
#include "skin/core/skSkinImages.h"
#include "skin/core/skUtils.h"

void TskTimerSlot::Start(UINT Interval, std::function<void()> OnTick)
{
    Stop();
    FTimer = new TTimer(nullptr);
    FTimer->SetInterval(Interval);
    FTimer->OnTimer = [tick = std::move(OnTick)](TObject*) { tick(); };
    FTimer->SetEnabled(true);
}

void TskTimerSlot::SetInterval(UINT Interval)
{
    if (FTimer != nullptr)
        FTimer->SetInterval(Interval);
}

void TskTimerSlot::Stop()
{
    if (FTimer == nullptr)
        return;
    TTimer* t = FTimer;
    FTimer = nullptr;
    t->SetEnabled(false);
    t->Free();
}

// ---------------------------------------------------------------------------------------------

void TskMorphing::StartMorphTimer(std::function<void()> Tick)
{
    if (!FMorphTimer.Running())
        FMorphTimer.Start(20, std::move(Tick));
}

// ---------------------------------------------------------------------------------------------

TskButtonParts::TskButtonParts() : FGlyph(std::make_unique<TBitmap>()) {}

TskButtonParts::~TskButtonParts()
{
    if (FAction != nullptr)
        FAction->RemoveClient(this);
}

void TskButtonParts::SetGlyph(TBitmap* Value)
{
    FGlyph->Assign(Value);
    ButtonRepaint();
}

void TskButtonParts::SetNumGlyphs(int Value)
{
    FNumGlyphs = Value;
    ButtonRepaint();
}

void TskButtonParts::SetMargin(int Value)
{
    if (Value == FMargin || Value < -1)
        return;
    FMargin = Value;
    ButtonRepaint();
}

void TskButtonParts::SetSpacing(int Value)
{
    if (Value == FSpacing)
        return;
    FSpacing = Value;
    ButtonRepaint();
}

void TskButtonParts::SetLayout(TskButtonLayout Value)
{
    if (Value == FLayout)
        return;
    FLayout = Value;
    ButtonRepaint();
}

void TskButtonParts::SetImageList(TCustomImageList* Value)
{
    FImageList = Value;
    if (Value != nullptr)
        Value->FreeNotification(ButtonComponent());
}

void TskButtonParts::SetAction(TCustomAction* Value)
{
    if (FAction != nullptr)
        FAction->RemoveClient(this);
    FAction = Value;
    if (Value == nullptr)
        return;
    Value->AddClient(this);
    Value->FreeNotification(ButtonComponent());
    ActionChange(Value);
}

void TskButtonParts::ActionChange(TCustomAction* /*Sender*/)
{
    if (!FGlyph->Empty())
        return;
    TakeActionImage();
    ButtonRepaint();
}

void TskButtonParts::ButtonNotification(TComponent* AComponent, TOperation Operation)
{
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == FImageList)
        FImageList = nullptr;
    if (AComponent == FAction)
        FAction = nullptr;
}

void TskButtonParts::ReadButtonDescription(const TskDataSkinButtonControl& D)
{
    FontName = D.FontName;
    FontColor = D.FontColor;
    ActiveFontColor = D.ActiveFontColor;
    DownFontColor = D.DownFontColor;
    DisabledFontColor = D.DisabledFontColor;
    FontStyle = D.FontStyle;
    FontHeight = D.FontHeight;
    DescSkinRect = D.SkinRect;
    ActiveSkinRect = RectHasNoArea(D.ActiveSkinRect) ? D.SkinRect : D.ActiveSkinRect;
    DownSkinRect = RectHasNoArea(D.DownSkinRect) ? ActiveSkinRect : D.DownSkinRect;
    DisabledSkinRect = D.DisabledSkinRect;
    Morphing = D.Morphing;
    MorphKind = D.MorphKind;
    AnimateSkinRect = D.AnimateSkinRect;
    FrameCount = D.FrameCount;
    AnimateInterval = D.AnimateInterval;
    MenuMarkerRect = D.MenuMarkerRect;
    MenuMarkerFlatRect = RectHasNoArea(D.MenuMarkerFlatRect) ? D.MenuMarkerRect : D.MenuMarkerFlatRect;
    MenuMarkerActiveRect = RectHasNoArea(D.MenuMarkerActiveRect) ? D.MenuMarkerRect : D.MenuMarkerActiveRect;
    MenuMarkerDownRect = RectHasNoArea(D.MenuMarkerDownRect) ? MenuMarkerActiveRect : D.MenuMarkerDownRect;
    MenuMarkerTransparentColor = D.MenuMarkerTransparentColor;
    if (DisabledFontColor == FontColor)
        DisabledFontColor = static_cast<TColor>(0x808080);
}

int TskButtonParts::GlyphNumber(bool ADown, bool AMouseIn, bool Enabled) const
{
    if (ADown && AMouseIn && FNumGlyphs >= 3)
        return 3;
    if (AMouseIn && FNumGlyphs >= 4)
        return 4;
    if (!Enabled && FNumGlyphs >= 2)
        return 2;
    return 1;
}

void TskButtonParts::DrawFace(TCanvas* Canvas, const RECT& R, const std::string& Caption, bool ListPressed,
                              bool GlyphPressed, bool Enabled, int GlyphNo) const
{
    Canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    if (FImageList != nullptr && FImageIndex >= 0 && FImageIndex < FImageList->Count())
        DrawImageListButtonFace(Canvas, R, FMargin, FSpacing, FLayout, Caption, FImageIndex, FImageList,
                                ListPressed, Enabled);
    else
        DrawGlyphButtonFace(Canvas, R, FMargin, FSpacing, FLayout, Caption, FGlyph.get(), FNumGlyphs, GlyphNo,
                            GlyphPressed);
}

TColor TskButtonParts::SkinFontColor(bool Enabled, bool ADown, bool AMouseIn, TFont* DefaultFont) const
{
    if (Enabled && !FUseSkinFontColor)
        return DefaultFont->GetColor();
    if (!Enabled)
        return DisabledFontColor;
    if (ADown && AMouseIn)
        return DownFontColor;
    if (AMouseIn)
        return ActiveFontColor;
    return FontColor;
}

void TskMorphing::DrawMorphed(HDC DC, TBitmap* Normal, TBitmap* Active) const
{
    TskEffectBmp from(Normal->GetHandle());
    TskEffectBmp to(Active->GetHandle());
    const double kf = MorphKf();
    switch (MorphKind) {
    case mkDefault: from.Morph(to, kf); break;
    case mkGradient: from.MorphGrad(to, kf); break;
    case mkLeftGradient: from.MorphLeftGrad(to, kf); break;
    case mkRightGradient: from.MorphRightGrad(to, kf); break;
    case mkLeftSlide: from.MorphLeftSlide(to, kf); break;
    case mkRightSlide: from.MorphRightSlide(to, kf); break;
    case mkPush: from.MorphPush(to, kf); break;
    }
    from.Draw(DC, 0, 0);
}

void TskButtonParts::ApplyAnimationFrame(RECT& NormalRect, RECT& ActiveRect) const
{
    if (!FAnimateTimer.Running() || FCurrentFrame < 1 || FCurrentFrame > FrameCount)
        return;
    RECT frame = AnimateSkinRect;
    const int n = FCurrentFrame;
    if (WidthOfRect(AnimateSkinRect) > WidthOfRect(DescSkinRect)) {
        const int w = WidthOfRect(AnimateSkinRect) / FrameCount;
        frame.left = AnimateSkinRect.left + (n - 1) * w;
        frame.right = AnimateSkinRect.left + n * w;
    } else {
        const int h = HeightOfRect(AnimateSkinRect) / FrameCount;
        frame.top = AnimateSkinRect.top + (n - 1) * h;
        frame.bottom = AnimateSkinRect.top + n * h;
    }
    (FAnimateInc ? ActiveRect : NormalRect) = frame;
}

void TskButtonParts::StartRepeat(std::function<void()> Click)
{
    FRepeatDelayed = false;
    // The state lives here: the timer calls a copy of its handler.
    FRepeatTimer.Start(500, [this, click = std::move(Click)] {
        if (!FRepeatDelayed) {
            // The delay is over: from now on every interval clicks (never a busy timer).
            FRepeatDelayed = true;
            if (FRepeatInterval <= 0)
                FRepeatTimer.Stop();
            else
                FRepeatTimer.SetInterval(static_cast<UINT>(FRepeatInterval));
            return;
        }
        click();
    });
}

bool TskMorphing::MorphTick(bool Target, bool Active)
{
    if (!Active) {
        FMorphSteps = Target ? 5 : 0;
        FMorphTimer.Stop();
        return false;
    }
    if (Target && FMorphSteps < 5)
        ++FMorphSteps;
    else if (!Target && FMorphSteps > 0)
        --FMorphSteps;
    else
        FMorphTimer.Stop();
    return true;
}

void TskButtonParts::StartAnimation(bool Forwards, bool Possible, std::function<void()> Repaint)
{
    if (!Possible || AnimateInterval <= 0 || FrameCount <= 0)
        return;
    StopAnimation();
    FAnimateInc = Forwards;
    FCurrentFrame = Forwards ? 1 : FrameCount;
    FAnimateTimer.Start(static_cast<UINT>(AnimateInterval), [this, repaint = std::move(Repaint)] {
        if (FAnimateInc) {
            if (FCurrentFrame <= FrameCount) {
                ++FCurrentFrame;
                repaint();
            }
            if (FCurrentFrame > FrameCount)
                StopAnimation();
        } else {
            if (FCurrentFrame >= 0) {
                --FCurrentFrame;
                repaint();
            }
            if (FCurrentFrame <= 0)
                StopAnimation();
        }
    });
}

void TskButtonParts::StopAnimation()
{
    FCurrentFrame = 0;
    FAnimateTimer.Stop();
}

void TskButtonParts::TakeActionImage()
{
    if (FAction == nullptr || !FGlyph->Empty() || FAction->GetActionList() == nullptr)
        return;
    TCustomImageList* images = FAction->GetActionList()->GetImages();
    const int i = FAction->GetImageIndex();
    if (images == nullptr || i < 0 || i >= images->Count())
        return;
    FGlyph->SetSize(images->GetWidth(), images->GetHeight());
    FGlyph->Canvas()->Brush()->SetColor(static_cast<TColor>(0xFF00FF));
    FGlyph->Canvas()->FillRect(RECT{0, 0, images->GetWidth(), images->GetHeight()});
    images->Draw(FGlyph->Canvas(), 0, 0, i);
}

void TskButtonParts::FireClick(TObject* Sender, bool Designing)
{
    const TNotifyEvent click = OnClick;
    // The button's own handler wins over a linked action's.
    if (click && FAction != nullptr) {
        click(Sender);
        return;
    }
    if (FAction != nullptr && !Designing) {
        FAction->Execute();
        return;
    }
    if (click)
        click(Sender);
}

void TskButtonParts::DrawDefaultBack(TCanvas* Canvas, const RECT& R, bool DownLook, bool Hot, bool Framed)
{
    // The pressed and hovered fills: RGB(133, 147, 181) and RGB(182, 189, 210).
    const TColor fill = DownLook ? static_cast<TColor>(0xB59385) : Hot ? static_cast<TColor>(0xD2BDB6) : clBtnFace;
    Canvas->Brush()->SetColor(fill);
    Canvas->FillRect(R);
    if (!Framed && !DownLook && !Hot)
        return;
    Canvas->Brush()->SetColor(DownLook || Hot ? clNavy : clBtnShadow);
    Canvas->FrameRect(R);
}

RECT TskButtonParts::ComposeButtonBackground(TskSkinGeometry& G, TBitmap* B, const RECT& R)
{
    const int w = B->GetWidth(), h = B->GetHeight();
    if (FUseSkinSize || G.ResizeMode == 1) {
        G.ComposeImage(B, G.Picture, R, w, h, true);
        return G.NewClRect;
    }
    // A free-size button: the state image stretched over any size.
    if (G.Picture != nullptr) {
        if (G.ResizeMode == 0)
            B->Canvas()->CopyRect(RECT{0, 0, w, h}, G.Picture->Canvas(), R);
        else
            ComposeNineSliceFromClientRect(B, G.Picture, R, G.ClRect, true);
    }
    return RECT{G.ClRect.left, G.ClRect.top, G.ClRect.right + w - WidthOfRect(R),
                G.ClRect.bottom + h - HeightOfRect(R)};
}

void TskButtonParts::PaintButtonImage(TCanvas* Canvas, int W, int H, const RECT& R, bool ADown, bool AMouseIn)
{
    TBitmap b;
    b.SetSize(W, H);
    CreateButtonImage(&b, R, ADown, AMouseIn);
    Canvas->Draw(0, 0, &b);
}

void TskButtonParts::PaintMorphedImages(TCanvas* Canvas, int W, int H, const RECT& Normal, const RECT& Active)
{
    TBitmap from, to;
    from.SetSize(W, H);
    to.SetSize(W, H);
    CreateButtonImage(&from, Normal, false, false);
    CreateButtonImage(&to, Active, false, true);
    DrawMorphed(Canvas->GetHandle(), &from, &to);
}

void TskButtonParts::PressLeft()
{
    StopAnimation();
    FMouseDown = true;
    if (FDown) {
        if (FGroupIndex != 0)
            FAllowAllUpCheck = true;
        return;
    }
    FMouseIn = true;
    FAllowAllUpCheck = false;
    SetDown(true);
    if (FRepeatMode && FGroupIndex == 0)
        StartRepeat([this] { ButtonClick(); });
    else if (FGroupIndex != 0)
        ButtonClick();
}

void TskButtonParts::ReleaseLeft(bool Over)
{
    FMouseDown = false;
    const bool wasDown = FDown;
    if (FGroupIndex == 0) {
        StopRepeat();
        if (!Over) {
            FDown = false;
            return;
        }
        SetDown(false);
        if (wasDown)
            ButtonClick();
    } else if (wasDown && FAllowAllUp && FAllowAllUpCheck && Over) {
        SetDown(false);
        ButtonClick();
    }
}

void TskButtonParts::StartMorph()
{
    StartMorphTimer([this] {
        if (MorphTick(MorphTarget(), DescriptionInUse() && MorphingOn()))
            ButtonRepaint();
    });
}

void TskButtonParts::MorphOrRepaint()
{
    if (MorphingOn() && DescriptionInUse())
        StartMorph();
    else
        ButtonRepaint();
}

void TskButtonParts::ApplyDown(bool Value)
{
    FDown = Value;
    if (MorphingOn()) {
        SetMorphDone(true);
        if (Value)
            StopMorph();
        else
            StartMorph();
    }
    ButtonRepaint();
}
