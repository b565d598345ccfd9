// The skinned tool button: windowless, four skin images, flat and transparent looks, captions
// that can be hidden, faces from the tool bar's image lists.

#include "skin/form/skSkinCtrls.h"

#include "classlib/Bitmap.h"
#include "classlib/Frame3D.h"
#include "skin/core/skSkinImages.h"
#include "skin/core/skUtils.h"
#include "skin/form/skSkinMenus.h"

TskSkinSpeedButton::TskSkinSpeedButton(TComponent* AOwner) : TskGraphicSkinCustomControl(AOwner)
{
    // No click events: ButtonClick is the only way to OnClick.
    FControlStyle = TControlStyle{csCaptureMouse, csOpaque, csDoubleClicks};
    FSkinDataName = "toolbutton";
    FImageIndex = 0;
    SetBounds(0, 0, 25, 25);
}

TskSkinSpeedButton::~TskSkinSpeedButton() = default;

bool TskSkinSpeedButton::MorphingOn() const
{
    return SkinEffectsOn() && Morphing;
}

bool TskSkinSpeedButton::AnimationPossible() const
{
    return FIndex != -1 && SkinEffectsOn() && !RectHasNoArea(AnimateSkinRect) && !FFlat;
}

// --- properties ---

void TskSkinSpeedButton::SetDown(bool Value)
{
    ApplyDown(Value);
    ReleaseGroupSiblings(this);
}

void TskSkinSpeedButton::SetImageIndex(int Value)
{
    FImageIndex = Value;
    if (dynamic_cast<TskButtonImagesHost*>(GetParent()) != nullptr)
        Invalidate();
}

void TskSkinSpeedButton::SetTransparent(bool Value)
{
    if (Value)
        FControlStyle >> csOpaque;
    else
        FControlStyle << csOpaque;
    Invalidate();
}

void TskSkinSpeedButton::SetFlat(bool Value)
{
    FFlat = Value;
    SetTransparent(Value);
}

void TskSkinSpeedButton::SetShowCaption(bool Value)
{
    if (Value == FShowCaption)
        return;
    FShowCaption = Value;
    if (FWidthWithCaption > 0 && FWidthWithoutCaption > 0) {
        SetWidth(Value ? FWidthWithCaption : FWidthWithoutCaption);
        return;
    }
    Invalidate();
}

void TskSkinSpeedButton::Notification(TComponent* AComponent, TOperation Operation)
{
    TskGraphicSkinCustomControl::Notification(AComponent, Operation);
    ButtonNotification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FSkinImagesMenu)
        FSkinImagesMenu = nullptr;
}

void TskSkinSpeedButton::RefreshButton()
{
    FMouseIn = false;
    FDown = false;
    if (MorphingOn())
        SetMorphDone(false);
    if (SkinEffectsOn())
        StopAnimation();
    Invalidate();
}

void TskSkinSpeedButton::ButtonClick()
{
    FireClick(this, ComponentState().Contains(csDesigning));
}

// --- skin ---

void TskSkinSpeedButton::LookupSkinData()
{
    TskGraphicSkinCustomControl::LookupSkinData();
    if (FIndex == -1) {
        ActiveSkinRect = RECT{};
        return;
    }
    if (auto* d = Description<TskDataSkinButtonControl>()) {
        ReadButtonDescription(*d);
        if (GetTransparent())
            Morphing = false;
    }
}

void TskSkinSpeedButton::FitBoundsToSkin(int& W, int& H)
{
    if (FUseSkinSize || ResizeMode == 1) {
        TskGraphicSkinCustomControl::FitBoundsToSkin(W, H);
        return;
    }
    NewClRect = RECT{ClRect.left, ClRect.top, ClRect.right + W - WidthOfRect(SkinRect),
                     ClRect.bottom + H - HeightOfRect(SkinRect)};
}

void TskSkinSpeedButton::ChangeSkinData()
{
    StopAnimation();
    StopMorph();
    TskGraphicSkinCustomControl::ChangeSkinData();
    if (MorphingOn() && FIndex != -1 && FMouseIn && !GetTransparent())
        SetMorphDone(true);
}

// --- painting ---

void TskSkinSpeedButton::DrawSpeedFace(TCanvas* Canvas, const RECT& R, const RECT& GlyphRect, bool ADown,
                                       bool AMouseIn, bool Active, bool GlyphPressed)
{
    const bool enabled = GetEnabled();
    const bool pressed = ADown && AMouseIn;
    const std::string caption = CaptionText();
    Canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    if (const TskImagesMenuItem* item = FSkinImagesMenu && FUseImagesMenuImage ? FSkinImagesMenu->SelectedItem() : nullptr) {
        DrawImageListButtonFace(Canvas, R, FMargin, FSpacing, FLayout, FUseImagesMenuCaption ? item->Caption : caption,
                                item->ImageIndex, FSkinImagesMenu->GetImages(), pressed, enabled);
        return;
    }
    auto* host = dynamic_cast<TskButtonImagesHost*>(GetParent());
    if (FGlyph->Empty() && host != nullptr) {
        TCustomImageList* list = host->GetImages();
        bool drawEnabled = enabled;
        if (!enabled && host->GetDisabledImages() != nullptr) {
            list = host->GetDisabledImages();
            drawEnabled = true;
        } else if (Active && (ADown || AMouseIn) && host->GetHotImages() != nullptr) {
            list = host->GetHotImages();
        }
        if (list != nullptr)
            DrawImageListButtonFace(Canvas, R, FMargin, FSpacing, FLayout, caption, FImageIndex, list, pressed,
                                    drawEnabled);
        else
            DrawGlyphButtonFace(Canvas, R, FMargin, FSpacing, FLayout, caption, FGlyph.get(), FNumGlyphs, 1, false);
        return;
    }
    if (!FGlyph->Empty())
        DrawGlyphButtonFace(Canvas, GlyphRect, FMargin, FSpacing, FLayout, caption, FGlyph.get(), FNumGlyphs,
                            GlyphNumber(ADown, AMouseIn, enabled), GlyphPressed);
    else
        DrawFace(Canvas, GlyphRect, caption, pressed, GlyphPressed, enabled, GlyphNumber(ADown, AMouseIn, enabled));
}

void TskSkinSpeedButton::PaintTransparentFace(const RECT& R, TColor Color)
{
    TCanvas* c = Canvas();
    c->Font()->SetColor(Color);
    bool drawDefault = true;
    if (const TskButtonPaintEvent paint = OnPaint)
        paint(this, c, R, FDown, FMouseIn, drawDefault);
    if (drawDefault)
        DrawSpeedFace(c, R, R, FDown, FMouseIn, false, false);
}

void TskSkinSpeedButton::Paint()
{
    if (FWidth <= 0 || FHeight <= 0)
        return;
    LookupSkinData();
    const bool enabled = GetEnabled();
    if (FIndex == -1) {
        if (DownLook() || FMouseIn || !GetTransparent()) {
            PaintBuffered();
            return;
        }
        AssignSkinFont(Canvas()->Font(), FDefaultFont.get(), false, FSD, {}, 0, {});
        PaintTransparentFace(GetClientRect(), enabled ? FDefaultFont->GetColor() : clBtnShadow);
        return;
    }
    int w = FWidth, h = FHeight;
    FitBoundsToSkin(w, h);
    RECT normal = SkinRect, active = ActiveSkinRect;
    if (SkinEffectsOn())
        ApplyAnimationFrame(normal, active);
    if (MorphingOn() && MorphBetween() && !GetTransparent()) {
        PaintMorphedImages(Canvas(), FWidth, FHeight, normal, active);
        return;
    }
    RECT r = normal;
    bool down = false, in = false;
    if (DownLook()) {
        r = DownSkinRect;
        down = in = true;
    } else if (FMouseIn || (MorphingOn() && FMorphSteps == 5)) {
        r = active;
        in = true;
    } else if (GetTransparent()) {
        AssignSkinFont(Canvas()->Font(), FDefaultFont.get(), FUseSkinFont, FSD, FontName, FontHeight, FontStyle);
        const TskSkinColors* colors = FSD->SkinColors();
        const TColor color = !enabled            ? colors->cBtnShadow()
                             : FUseSkinFontColor ? colors->cBtnText()
                                                 : FDefaultFont->GetColor();
        PaintTransparentFace(NewClRect, color);
        return;
    } else if (!enabled && !RectHasNoArea(DisabledSkinRect)) {
        r = DisabledSkinRect;
    }
    PaintButtonImage(Canvas(), FWidth, FHeight, r, down, in);
}

void TskSkinSpeedButton::CreateButtonImage(TBitmap* B, const RECT& R, bool ADown, bool AMouseIn)
{
    const RECT face = ComposeButtonBackground(*this, B, R);
    TCanvas* c = B->Canvas();
    AssignSkinFont(c->Font(), FDefaultFont.get(), FUseSkinFont, FSD, FontName, FontHeight, FontStyle);
    c->Font()->SetColor(SkinFontColor(GetEnabled(), ADown, AMouseIn, FDefaultFont.get()));
    bool drawDefault = true;
    if (const TskButtonPaintEvent paint = OnPaint)
        paint(this, c, NewClRect, ADown, AMouseIn, drawDefault);
    if (drawDefault)
        DrawSpeedFace(c, NewClRect, face, ADown, AMouseIn, true, ADown && AMouseIn);
}

void TskSkinSpeedButton::CreateControlDefaultImage(TBitmap* B)
{
    TCanvas* c = B->Canvas();
    const RECT r = GetClientRect();
    DrawDefaultBack(c, r, DownLook(), FMouseIn, ComponentState().Contains(csDesigning) || !FFlat);
    AssignSkinFont(c->Font(), FDefaultFont.get(), false, FSD, {}, 0, {});
    if (!GetEnabled())
        c->Font()->SetColor(clBtnShadow);
    bool drawDefault = true;
    if (const TskButtonPaintEvent paint = OnPaint)
        paint(this, c, r, FDown, FMouseIn, drawDefault);
    if (drawDefault)
        DrawSpeedFace(c, r, r, FDown, FMouseIn, true, DownLook());
}

void TskSkinSpeedButton::DrawMenuMarker(TCanvas* Canvas, const RECT& R, bool AActive, bool ADown, bool AFlat)
{
    const RECT m = ADown ? MenuMarkerDownRect : AActive ? MenuMarkerActiveRect : AFlat ? MenuMarkerFlatRect
                                                                                       : MenuMarkerRect;
    if (Picture == nullptr || RectHasNoArea(m))
        return;
    TBitmap marker;
    marker.SetSize(WidthOfRect(m), HeightOfRect(m));
    marker.Canvas()->CopyRect(RECT{0, 0, WidthOfRect(m), HeightOfRect(m)}, Picture->Canvas(), m);
    marker.SetTransparentColor(MenuMarkerTransparentColor);
    marker.SetTransparent(true);
    Canvas->Draw(R.left + WidthOfRect(R) / 2 - WidthOfRect(m) / 2, R.top + HeightOfRect(R) / 2 - HeightOfRect(m) / 2,
                 &marker);
}

// --- mouse and messages ---

void TskSkinSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    auto alive = AliveToken();
    TskGraphicSkinCustomControl::MouseDown(Button, Shift, X, Y);
    if (*alive && Button == TMouseButton::mbLeft)
        PressLeft();
}

void TskSkinSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    auto alive = AliveToken();
    TskGraphicSkinCustomControl::MouseUp(Button, Shift, X, Y);
    if (*alive && Button == TMouseButton::mbLeft)
        ReleaseLeft(FMouseIn);
}

void TskSkinSpeedButton::Dispatch(TMessage& Message)
{
    const bool idle = !GetEnabled() || ComponentState().Contains(csDesigning);
    switch (Message.Msg) {
    case CM_DIALOGCHAR:
        if (IsAccel(static_cast<char32_t>(Message.WParam), GetCaption()) && GetEnabled() && GetVisible() &&
            GetParent() != nullptr && GetParent()->Showing()) {
            Message.Result = 1;
            ButtonClick();
            return;
        }
        break;
    case CM_TEXTCHANGED:
        TskGraphicSkinCustomControl::Dispatch(Message);
        Invalidate();
        return;
    case CM_ENABLEDCHANGED:
        TskGraphicSkinCustomControl::Dispatch(Message);
        if (MorphingOn()) {
            StopMorph();
            SetMorphDone(false);
        }
        FMouseIn = false;
        Invalidate();
        return;
    case CM_MOUSEENTER:
        TskGraphicSkinCustomControl::Dispatch(Message);
        if (idle)
            return;
        FMouseIn = true;
        if (FGroupIndex == 0 || !FDown) {
            if (FDown) {
                if (MorphingOn())
                    SetMorphDone(true);
                Invalidate();
            } else {
                StartAnimation(true, AnimationPossible(), [this] { Invalidate(); });
                MorphOrRepaint();
            }
        }
        if (FDown && FRepeatMode && FGroupIndex == 0)
            StartRepeat([this] { ButtonClick(); });
        return;
    case CM_MOUSELEAVE:
        TskGraphicSkinCustomControl::Dispatch(Message);
        if (idle)
            return;
        FMouseIn = false;
        if (FGroupIndex == 0 || !FDown) {
            StartAnimation(false, AnimationPossible(), [this] { Invalidate(); });
            MorphOrRepaint();
        }
        if (FDown && FRepeatMode && FGroupIndex == 0)
            StopRepeat();
        return;
    default:
        break;
    }
    TskGraphicSkinCustomControl::Dispatch(Message);
}
