#include "skin/form/FormSkin.h"

#include "platform/gdi/Gdi.h"
#include "skin/core/TskEffectBmp.h"
#include "skin/core/skGlowText.h"
#include "skin/core/skSkinImages.h"
#include "skin/core/skTextUtils.h"
#include "skin/core/skUtils.h"

#include <algorithm>

TskSkinCaptionObject::TskSkinCaptionObject(TskFormSkin* AParent, TskDataSkinObject* AData)
    : TskActiveSkinObject(AParent, AData)
{
    auto* d = dynamic_cast<TskDataSkinCaption*>(AData);
    if (!d)
        return;
    FontName = d->FontName;
    FontStyle = d->FontStyle;
    FontHeight = d->FontHeight;
    FontColor = d->FontColor;
    ActiveFontColor = d->ActiveFontColor;
    ShadowColor = d->ShadowColor;
    ActiveShadowColor = d->ActiveShadowColor;
    Shadow = d->Shadow;
    LightColor = d->LightColor;
    ActiveLightColor = d->ActiveLightColor;
    Light = d->Light;
    Alignment = d->Alignment;
    TextRct = d->TextRct;
    FrameRect = d->FrameRect;
    ActiveFrameRect = d->ActiveFrameRect;
    FrameLeftOffset = d->FrameLeftOffset;
    FrameRightOffset = d->FrameRightOffset;
    FrameTextRect = d->FrameTextRect;
    StretchEffect = d->StretchEffect;
    FullFrame = d->FullFrame;
    AnimateSkinRect = d->AnimateSkinRect;
    FrameCount = d->FrameCount;
    AnimateInterval = d->AnimateInterval;
    InActiveAnimation = d->InActiveAnimation;
    VistaGlowEffect = d->VistaGlowEffect;
    VistaGlowInActiveEffect = d->VistaGlowInActiveEffect;
    GlowEffect = d->GlowEffect;
    GlowInActiveEffect = d->GlowInActiveEffect;
    GlowSize = d->GlowSize;
    GlowColor = d->GlowColor;
    GlowActiveColor = d->GlowActiveColor;
    GlowOffset = d->GlowOffset;
    ReflectionEffect = d->ReflectionEffect;
    ReflectionColor = d->ReflectionColor;
    ReflectionActiveColor = d->ReflectionActiveColor;
    ReflectionOffset = d->ReflectionOffset;
}

bool TskSkinCaptionObject::EnableAnimation() const
{
    return HasSkin() && SD->EnableSkinEffects() && !RectHasNoArea(AnimateSkinRect) && FrameCount > 0;
}

RECT TskSkinCaptionObject::TextRect() const
{
    RECT t = TextRct;
    if (!RectHasNoArea(TextRct))
        t.right = WidthOfRect(ObjectRect) - (WidthOfRect(SkinRect) - TextRct.right);
    t.left += Parent->QuickButtonsWidth();
    if (!RectHasNoArea(FrameRect)) {
        t.top += FrameTextRect.top;
        t.left += FrameTextRect.left;
        t.right -= WidthOfRect(FrameRect) - FrameTextRect.right;
    }
    return t;
}

void TskSkinCaptionObject::PaintText(TCanvas* Cnvs, int X0, int Y0, bool AActive)
{
    if (auto handler = Parent->OnCaptionPaint) {
        handler(Parent, Cnvs, ObjectRect, AActive);
        return;
    }
    std::string text = Parent->CaptionText();
    if (text.empty() || RectHasNoArea(TextRct))
        return;
    TFont* font = Cnvs->Font();
    font->SetName(FontName);
    font->SetStyle(FontStyle);
    font->SetHeight(FontHeight);
    font->SetColor(AActive ? ActiveFontColor : FontColor);
    font->SetCharset(SD->ResourceStrData() ? SD->ResourceStrData()->CharSet()
                                           : Parent->DefCaptionFont()->GetCharset());
    const RECT t = TextRect();
    FitWideTextWithEllipsis(Cnvs, text, WidthOfRect(t));
    const int tw = MeasureWideTextWidth(Cnvs, text), th = MeasureWideTextHeight(Cnvs, text);
    int y = t.top + HeightOfRect(t) / 2 - th / 2;
    int x = t.left + WidthOfRect(t) / 2 - tw / 2;
    // Quick buttons centre the text whatever the alignment says.
    const bool centred = Parent->QuickButtons()->Count() > 0;
    if (Alignment == TAlignment::taLeftJustify && !centred)
        x = t.left;
    else if (Alignment == TAlignment::taRightJustify && !centred)
        x = t.right - tw;
    x += X0;
    y += Y0;
    Cnvs->Brush()->SetStyle(TBrushStyle::bsClear);
    if (!RectHasNoArea(FrameRect)) {
        const RECT source = AActive && !RectHasNoArea(ActiveFrameRect) ? ActiveFrameRect : FrameRect;
        const int width = FullFrame ? WidthOfRect(ObjectRect) - 2 * SD->ButtonsOffset
                                    : WidthOfRect(FrameRect) + tw - WidthOfRect(FrameTextRect);
        if (width > 0 && ActivePicture) {
            TBitmap band;
            BuildHorzBandImage(FrameLeftOffset, FrameRightOffset, &band, ActivePicture, source, width,
                               HeightOfRect(source), false);
            if (FullFrame)
                Cnvs->Draw(X0 + SD->ButtonsOffset, y - FrameTextRect.top, &band);
            else
                Cnvs->Draw(x - FrameTextRect.left, y - FrameTextRect.top, &band);
        }
    }
    auto drawAt = [&](int ax, int ay, TColor color) {
        font->SetColor(color);
        RECT r{ax, ay, ax, ay};
        DrawWideStringText(Cnvs, text, r, DT_CALCRECT);
        DrawWideStringText(Cnvs, text, r, DT_VCENTER);
    };
    const TColor textColor = AActive ? ActiveFontColor : FontColor;
    if (Light)
        drawAt(x - 1, y - 1, AActive ? ActiveLightColor : LightColor);
    if (Shadow)
        drawAt(x + 1, y + 1, AActive ? ActiveShadowColor : ShadowColor);
    font->SetColor(textColor);
    RECT r{x, y, x, y};
    DrawWideStringText(Cnvs, text, r, DT_CALCRECT);
    const COLORREF glow = ColorToRGB(AActive ? GlowActiveColor : GlowColor);
    if (ReflectionEffect)
        DrawReflectionTextWide(Cnvs, r, text, DT_VCENTER, ReflectionOffset,
                               ColorToRGB(AActive ? ReflectionActiveColor : ReflectionColor));
    else if (VistaGlowEffect && (AActive || VistaGlowInActiveEffect))
        DrawVistaGlowTextWide(Cnvs, r, text, DT_VCENTER, glow);
    else if (!VistaGlowEffect && GlowEffect && (AActive || GlowInActiveEffect))
        DrawGlowTextWide(Cnvs, r, text, DT_VCENTER, GlowOffset, glow, GlowSize);
    else
        DrawWideStringText(Cnvs, text, r, DT_VCENTER);
    Cnvs->Brush()->SetStyle(TBrushStyle::bsSolid);
}

void TskSkinCaptionObject::ComposePicture(TBitmap* Target, TBitmap* Source, const RECT& S, bool AActive)
{
    const int w = WidthOfRect(ObjectRect), h = HeightOfRect(ObjectRect);
    const int left = std::max(0, static_cast<int>(SD->LTPoint.x - SkinRect.left));
    const int right = std::max(0, static_cast<int>(SkinRect.right - SD->RTPoint.x));
    if (left != 0 || right != 0) {
        BuildHorzBandImage(left, right, Target, Source, S, w, h, StretchEffect);
    } else {
        Target->SetSize(w, h);
        TBitmap part;
        part.SetSize(WidthOfRect(S), HeightOfRect(S));
        CopyFrom(part.Canvas(), RECT{0, 0, part.GetWidth(), part.GetHeight()}, Source, S);
        Target->Canvas()->StretchDraw(RECT{0, 0, w, h}, &part);
    }
    PaintText(Target->Canvas(), 0, 0, AActive);
}

void TskSkinCaptionObject::Draw(TCanvas* Cnvs, bool)
{
    if (!HasSkin() || RectHasNoArea(ObjectRect))
        return;
    const bool autoInactive = SD->AutoRenderingInActiveImage;
    const bool animating = EnableAnimation() && CurrentFrame >= 1 && CurrentFrame <= FrameCount;
    const bool morphing = EnableMorphing() && ((FMorphKf > 0 && !Active) || (FMorphKf < 1 && Active));
    TBitmap picture;
    if (animating && ActivePicture) {
        const bool vertical = HeightOfRect(AnimateSkinRect) > HeightOfRect(SkinRect);
        RECT cell = AnimateSkinRect;
        if (vertical) {
            const int ch = HeightOfRect(AnimateSkinRect) / FrameCount;
            cell.top += (CurrentFrame - 1) * ch;
            cell.bottom = cell.top + ch;
        } else {
            const int cw = WidthOfRect(AnimateSkinRect) / FrameCount;
            cell.left += (CurrentFrame - 1) * cw;
            cell.right = cell.left + cw;
        }
        ComposePicture(&picture, ActivePicture, cell, !Active);
    } else if (morphing && ActivePicture) {
        TBitmap normal, hot;
        ComposePicture(&normal, Picture, SkinRect, false);
        ComposePicture(&hot, ActivePicture, ActiveSkinRect, true);
        TskEffectBmp a(normal.GetHandle()), b(hot.GetHandle());
        MorphBy(a, b, MorphKind, FMorphKf);
        picture.SetSize(normal.GetWidth(), normal.GetHeight());
        a.Draw(picture.Canvas()->GetHandle(), 0, 0);
        if (autoInactive && !Active)
            ApplySkinInActiveEffect(SD->InActiveEffect, &picture);
    } else if (RectHasNoArea(ActiveSkinRect) ||
               (!Active && !EnableMorphing() && !EnableAnimation() && !StretchEffect)) {
        PaintText(Cnvs, ObjectRect.left, ObjectRect.top, Active);
        DrawQuickButtons(Cnvs);
        return;
    } else if (!Active) {
        ComposePicture(&picture, Picture, SkinRect, false);
        if (autoInactive)
            ApplySkinInActiveEffect(SD->InActiveEffect, &picture);
    } else {
        ComposePicture(&picture, ActivePicture, ActiveSkinRect, true);
    }
    // The buttons go over the composed picture, which would otherwise cover them.
    Cnvs->Draw(ObjectRect.left, ObjectRect.top, &picture);
    DrawQuickButtons(Cnvs);
}

void TskSkinCaptionObject::MouseEnter()
{
    FMouseIn = true;
    if (auto handler = Parent->OnMouseEnterEvent)
        handler(IDName);
}

void TskSkinCaptionObject::MouseLeave()
{
    FMouseIn = false;
    if (auto handler = Parent->OnMouseLeaveEvent)
        handler(IDName);
    if (!Parent->HasQuickButtons())
        return;
    ActiveQuickButton = OldActiveQuickButton = -1;
    TrackQuickButtons(-1, -1);
}
