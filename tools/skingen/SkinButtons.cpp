// Buttons, panels and check boxes of a skin.

#include "tools/skingen/SkinComposer.h"

#include <algorithm>

namespace {

TFaceColors FaceOf(const TTheme& t, TBuild build, TState s)
{
    switch (build) {
    case TBuild::PushButton:
        return PushFace(t, s);
    case TBuild::TileButton:
        return TileFace(t, s);
    default:
        return ToolFace(t, s);
    }
}

void FillButtonFonts(TskDataSkinButtonControl& d, const TTheme& t, TBuild build)
{
    d.FontName = "Arial";
    d.FontHeight = t.FontHeight;
    d.FontColor = ToColorRef(FaceOf(t, build, TState::Normal).Text);
    d.ActiveFontColor = ToColorRef(FaceOf(t, build, TState::Hot).Text);
    d.DownFontColor = ToColorRef(FaceOf(t, build, TState::Down).Text);
    d.DisabledFontColor = ToColorRef(FaceOf(t, build, TState::Disabled).Text);
}

} // namespace

void TSkinComposer::BuildButton(const TElement& e)
{
    const TTheme& t = T_;
    const bool menu = e.Build == TBuild::MenuButton;
    const int w = e.Width, h = e.Height;
    const int r = Radius(std::min(w, h) / 3);
    const int c = std::max(3, r + 1);
    const int track = menu ? 12 : 0;
    const TRgb backdrop = e.Build == TBuild::PushButton ? t.Surface : t.Bar;
    const TBuild build = e.Build;

    auto image = [&t, w, h, r, track, backdrop, build](TState s) {
        return [=, &t](TImage32& img, const RECT& place) {
            const TFaceColors f = FaceOf(t, build, s);
            if (build == TBuild::TileButton && t.SegmentedTools && (s == TState::Normal || s == TState::Focused || s == TState::Disabled))
                PaintSegment(img, place, t);
            else
                PaintFace(img, place, f, r, backdrop);
            if (track > 0) {
                if (f.Visible)
                    img.Fill(Rect(w - track, 4, w - track + 1, h - 4), WithAlpha(f.Border, 160));
                PaintArrow(img, Rect(w - track, 0, w, h), 4, 3, f.Text);
            }
        };
    };

    auto& d = menu ? static_cast<TskDataSkinButtonControl&>(AddControl<TskDataSkinMenuButtonControl>(e.Name))
                   : AddControl<TskDataSkinButtonControl>(e.Name);
    d.SkinRect = Sprite(w, h, image(TState::Normal));
    d.ActiveSkinRect = Sprite(w, h, image(TState::Hot));
    d.DownSkinRect = Sprite(w, h, image(TState::Down));
    d.DisabledSkinRect = Sprite(w, h, image(TState::Disabled));
    if (build == TBuild::PushButton)
        d.FocusedSkinRect = Sprite(w, h, image(TState::Focused));
    SetSlice(d, w, h, c, c, c + track, c);
    // Faces shade from top to bottom: their centres and sides are stretched to the height.
    d.StretchEffect = true;
    d.StretchType = t.FaceStretch == skstFull ? skstFull : skstHorz;
    d.LeftStretch = d.RightStretch = true;
    d.TopStretch = d.BottomStretch = t.StretchFaces;
    FillButtonFonts(d, t, build);
    d.Morphing = true;
    d.MorphKind = t.Morph;
    if (menu)
        static_cast<TskDataSkinMenuButtonControl&>(d).TrackButtonRect = Rect(w - track, 0, w, h);
    if (t.Glow && e.Name == "button") {
        constexpr int spread = 6;
        d.GlowLayerPictureIndex = AddGlow(w, h, r, spread);
        d.GlowLayerMaskPictureIndex = d.GlowLayerPictureIndex + 1;
        d.GlowLayerOffsetLeft = d.GlowLayerOffsetRight = spread + c;
        d.GlowLayerOffsetTop = d.GlowLayerOffsetBottom = spread + c;
        d.GlowLayerShowOffsetX = d.GlowLayerShowOffsetY = spread;
        d.GlowLayerAlphaBlendValue = 220;
    }
}

void TSkinComposer::BuildPanel(const TElement& e)
{
    const TTheme& t = T_;
    const int w = e.Width, h = e.Height;
    const int r = Radius(4);
    if (e.Build == TBuild::HeaderLabel) {
        auto& d = AddControl<TskDataSkinLabelControl>(e.Name);
        d.SkinRect = Sprite(w, h, [&t](TImage32& img, const RECT& p) {
            FillShape(img, p, RoundRect(p, 0), VGradient(p.top, p.bottom, Lighter(t.Bar, t.Dark ? 10 : 60), t.Bar));
            img.Fill(Rect(p.left, p.bottom - 1, p.right, p.bottom), Mix(t.Bar, t.Border, 180));
        });
        SetHBand(d, w, h, 4, 4);
        d.StretchEffect = true;
        d.FontName = "Arial";
        d.FontHeight = t.FontHeight - 1;
        d.FontStyle = TFontStyles{fsBold};
        d.FontColor = ToColorRef(t.BarText);
        return;
    }
    if (e.Build == TBuild::ScrollBox) {
        auto& d = AddControl<TskDataSkinScrollBoxControl>(e.Name);
        d.SkinRect = Sprite(w, h, [&t, r](TImage32& img, const RECT& p) { PaintField(img, p, t, false, true, std::min(r, 2), t.Surface); });
        SetSlice(d, w, h, 2, 2, 2, 2);
        d.StretchEffect = t.StretchFaces;
        d.StretchType = t.FaceStretch;
        return;
    }

    auto& d = AddControl<TskDataSkinPanelControl>(e.Name);
    d.FontName = "Arial";
    d.FontHeight = t.FontHeight;
    d.FontColor = ToColorRef(t.SurfaceText);
    d.StretchEffect = t.StretchFaces;
    d.StretchType = t.FaceStretch;
    d.LeftStretch = d.RightStretch = d.TopStretch = d.BottomStretch = t.StretchFaces;
    switch (e.Build) {
    case TBuild::Panel:
        d.SkinRect = Sprite(w, h, [&t, r](TImage32& img, const RECT& p) {
            img.Fill(p, t.Surface);
            StrokeRoundRect(img, p, r, 1, Solid(Mix(t.Surface, t.Border, 150)));
        });
        SetSlice(d, w, h, std::max(2, r), std::max(2, r), std::max(2, r), std::max(2, r));
        break;
    case TBuild::ToolPanel:
        d.SkinRect = Sprite(w, h, [&t](TImage32& img, const RECT& p) { PaintBar(img, p, t, true, true); });
        SetSlice(d, w, h, 2, 2, 2, 2);
        d.FontColor = ToColorRef(t.BarText);
        break;
    case TBuild::DropPanel:
        d.SkinRect = Sprite(w, h, [&t](TImage32& img, const RECT& p) { PaintField(img, p, t, false, true, 0, t.Window); });
        SetSlice(d, w, h, 2, 2, 2, 2);
        d.FontColor = ToColorRef(t.WindowText);
        break;
    case TBuild::StatusBar:
        d.SkinRect = Sprite(w, h, [&t](TImage32& img, const RECT& p) {
            PaintBar(img, p, t, false, false, t.BarGradient);
            img.Fill(Rect(p.left, p.top, p.right, p.top + 1), Mix(t.Bar, t.Border, 180));
        });
        SetSlice(d, w, h, 2, 2, 2, 2);
        if (t.BarGradient) {
            // The shading runs top to bottom: stretch it to the bar's height.
            d.StretchEffect = d.LeftStretch = d.RightStretch = true;
            d.StretchType = skstHorz;
        }
        d.FontColor = ToColorRef(t.BarText);
        d.GripperRect = Sprite(12, 12, [&t](TImage32& img, const RECT& p) {
            for (int j = 0; j < 3; ++j)
                for (int i = 2 - j; i < 3; ++i)
                    PaintGrip(img, RectWH(p.left + i * 4 + 1, p.top + j * 4 + 1, 2, 2), false, Lighter(t.Bar, 120),
                              Mix(t.Bar, t.BarText, 110));
        });
        d.GripperTransparent = true;
        d.GripperTransparentColor = ToColorRef(kKeyColor);
        break;
    case TBuild::GroupBox: {
        d.SkinRect = Sprite(w, h, [&t, r](TImage32& img, const RECT& p) {
            img.Fill(p, t.Surface);
            StrokeRoundRect(img, Rect(p.left, p.top + 8, p.right, p.bottom), r, 1, Solid(Mix(t.Surface, t.Border, 190)));
        });
        SetSlice(d, w, h, 8, 18, 8, 8);
        d.CaptionRect = Rect(8, 0, w - 8, 16);
        d.Alignment = TAlignment::taLeftJustify;
        d.FontStyle = TFontStyles{fsBold};
        // The text's backing blanks the frame line behind the caption.
        d.FrameRect = Sprite(20, 16, [&t](TImage32& img, const RECT& p) { img.Fill(p, t.Surface); });
        d.FrameTextRect = Rect(4, 0, 16, 16);
        d.FrameLeftOffset = d.FrameRightOffset = 4;
        break;
    }
    default:
        break;
    }
}

void TSkinComposer::BuildCheckRadio(const TElement& e)
{
    const TTheme& t = T_;
    const bool radio = e.Build == TBuild::RadioBox;
    const int w = e.Width, h = e.Height;
    auto& d = AddControl<TskDataSkinCheckRadioControl>(e.Name);
    d.SkinRect = Sprite(w, h, [&t](TImage32& img, const RECT& p) { img.Fill(p, t.Surface); });
    SetHBand(d, w, h, 20, 2);
    d.CheckImageArea = Rect(0, 0, 20, 20);
    d.TextArea = Rect(22, 0, w - 2, h);

    enum class TMark { Off, On, Grayed };
    // A 16 x 16 mark with a margin of the surface colour, which is also its transparent colour.
    auto mark = [&t, radio](TMark m, bool hot, bool enabled) {
        return [=, &t](TImage32& img, const RECT& p) {
            img.Fill(p, t.Surface);
            const RECT box = Inflated(p, -1, -1);
            const bool on = m == TMark::On;
            TRgb fill = on ? t.Accent : (hot ? Mix(t.Window, t.Accent, 30) : t.Window);
            TRgb edge = on ? Darker(t.Accent, 50) : (hot ? t.Accent : t.Border);
            if (!enabled) {
                fill = Mix(fill, t.Surface, 150);
                edge = Mix(edge, t.Surface, 130);
            }
            const TInside shape = radio ? EllipseSub(Sub(8), Sub(8), Sub(7), Sub(7)) : RoundRect(box, std::min(t.Radius, 3));
            FillShape(img, p, shape, Solid(edge));
            const TInside inner = radio ? EllipseSub(Sub(8), Sub(8), Sub(6), Sub(6)) : RoundRect(Inflated(box, -1, -1), std::max(0, std::min(t.Radius, 3) - 1));
            FillShape(img, p, inner, VGradient(2, 14, Lighter(fill, on && t.Glossy ? 40 : 0), fill));
            // Every mark, a disabled one too, stands out from its box by more than 3:1.
            const TRgb ink = Legible(enabled ? (on ? t.AccentText : t.Accent) : Mix(t.SurfaceText, t.Surface, 150),
                                     Lighter(fill, on && t.Glossy ? 20 : 0), 3.4);
            if (on && radio)
                PaintDot(img, p, 3, ink);
            else if (on)
                PaintTick(img, Inflated(box, -2, -2), ink);
            else if (m == TMark::Grayed)
                FillShape(img, p, radio ? EllipseSub(Sub(8), Sub(8), Sub(3), Sub(3)) : RoundRect(Rect(5, 5, 11, 11), 1), Solid(ink));
        };
    };
    d.UnCheckImageRect = Sprite(16, 16, mark(TMark::Off, false, true));
    d.CheckImageRect = Sprite(16, 16, mark(TMark::On, false, true));
    d.ActiveUnCheckImageRect = Sprite(16, 16, mark(TMark::Off, true, true));
    d.ActiveCheckImageRect = Sprite(16, 16, mark(TMark::On, true, true));
    d.UnEnabledUnCheckImageRect = Sprite(16, 16, mark(TMark::Off, false, false));
    d.UnEnabledCheckImageRect = Sprite(16, 16, mark(TMark::On, false, false));
    d.GrayedCheckImageRect = Sprite(16, 16, mark(TMark::Grayed, false, true));
    d.ActiveGrayedCheckImageRect = Sprite(16, 16, mark(TMark::Grayed, true, true));
    d.FontName = "Arial";
    d.FontHeight = t.FontHeight;
    d.FontColor = ToColorRef(t.SurfaceText);
    d.ActiveFontColor = ToColorRef(t.Dark ? Lighter(t.Accent, 80) : Darker(t.Accent, 30));
    d.UnEnabledFontColor = ToColorRef(DisabledText(t));
    d.FrameFontColor = ToColorRef(t.SurfaceText);
    d.MorphKind = t.Morph;
}
