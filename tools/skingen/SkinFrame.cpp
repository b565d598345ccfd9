// The frame of skinned forms with its caption and caption buttons.

#include "tools/skingen/SkinComposer.h"

#include "classlib/Bitmap.h"

#include <algorithm>

namespace {

constexpr int kFrameWidth = 200;
constexpr int kFrameHeight = 130;
constexpr int kFrameCorner = 16;  // fixed left and right parts of the top and bottom edges
constexpr int kSysMenuSize = 16;  // the system menu button, where the form's small icon goes

// The caption band of width w (caption height high): shaded top to bottom, optionally with a
// light sheen from the left and a glossy upper half.
void PaintCaptionBand(TImage32& img, int w, const TTheme& t, bool active)
{
    const int ch = t.CaptionHeight;
    const TRgb top = active ? t.CaptionTop : t.InactiveTop;
    const TRgb bottom = active ? t.CaptionBottom : t.InactiveBottom;
    FillShape(img, Rect(0, 0, w, ch), RoundRect(Rect(0, 0, w, ch), 0), VGradient(0, ch, top, bottom));
    if (t.CaptionStretch)
        FillShape(img, Rect(0, 0, w / 2, ch), RoundRect(Rect(0, 0, w / 2, ch), 0),
                  HGradient(0, w / 2, WithAlpha(Rgb(0xFFFFFF), 70), WithAlpha(Rgb(0xFFFFFF), 0)));
    if (t.Glossy)
        FillShape(img, Rect(0, 0, w, ch / 2), RoundRect(Rect(0, 0, w, ch / 2), 0),
                  VGradient(0, ch / 2, WithAlpha(Rgb(0xFFFFFF), 60), WithAlpha(Rgb(0xFFFFFF), 16)));
    if (t.CaptionAccent)
        img.Fill(Rect(0, ch - 2, w, ch), active ? t.Accent : Mix(t.Accent, bottom, 170));
}

TRgb BorderColor(const TTheme& t, bool active)
{
    return active ? t.CaptionBottom : t.InactiveBottom;
}

int FrameRadius(const TTheme& t, bool top)
{
    return t.ShapedFrame ? (top ? 10 : 6) : 0;
}

TImage32 FramePicture(const TTheme& t, bool active)
{
    const int w = kFrameWidth, h = kFrameHeight, ch = t.CaptionHeight, b = t.BorderWidth;
    TImage32 img(w, h, t.FrameEdge);
    TImage32 band(w, ch, BorderColor(t, active));
    PaintCaptionBand(band, w, t, active);
    img.Fill(Rect(0, 0, w, h), BorderColor(t, active));
    img.Copy(band, Rect(0, 0, w, ch), 0, 0);
    // A darker line around the client area, then the client's surface.
    img.Fill(Rect(b - 1, ch - 1, w - b + 1, h - b + 1), Darker(BorderColor(t, active), 50));
    img.Fill(Rect(b, ch, w - b, h - b), t.Surface);
    // The outline; rounded corners when the frame is shaped.
    const int rt = FrameRadius(t, true), rb = FrameRadius(t, false);
    const TInside inner = Either(RoundRectSub(Sub(1), Sub(1), Sub(w - 1), Sub(h / 2 + rt), Sub(std::max(0, rt - 1))),
                                 RoundRectSub(Sub(1), Sub(h / 2 - rb), Sub(w - 1), Sub(h - 1), Sub(std::max(0, rb - 1))));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int hits = 0;
            for (int j = 0; j < 4; ++j)
                for (int i = 0; i < 4; ++i)
                    hits += inner(Sub(x) + 2 + 4 * i, Sub(y) + 2 + 4 * j) ? 1 : 0;
            // Blend the edge colour over what lies outside the inner outline.
            img.Blend(x, y, t.FrameEdge, (16 - hits) * 16);
        }
    if (t.Glossy || t.Dark)
        img.Fill(Rect(rt + 1, 1, w - rt - 1, 2), Mix(active ? t.CaptionTop : t.InactiveTop, Rgb(0xFFFFFF), 90));
    return img;
}

TImage32 FrameMask(const TTheme& t)
{
    const int w = kFrameWidth, h = kFrameHeight, rt = FrameRadius(t, true), rb = FrameRadius(t, false);
    TImage32 mask(w, h, Rgb(0xFFFFFF));
    const TInside inside = Either(RoundRectSub(0, 0, Sub(w), Sub(h / 2 + rt), Sub(rt)),
                                  RoundRectSub(0, Sub(h / 2 - rb), Sub(w), Sub(h), Sub(rb)));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (inside(Sub(x) + kSub / 2, Sub(y) + kSub / 2))
                mask.Set(x, y, Rgb(0x000000));
    return mask;
}

std::unique_ptr<TBitmap> ToBitmap(const TImage32& image)
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetDibData(image.ToDib24());
    return bitmap;
}

} // namespace

void TSkinComposer::BuildFrame()
{
    const TTheme& t = T_;
    const int w = kFrameWidth, h = kFrameHeight, ch = t.CaptionHeight, b = t.BorderWidth;
    TskSkinData& s = *Data_;
    s.FPicture = ToBitmap(FramePicture(t, true));
    s.FPictureName = "frame.bmp";
    if (t.InactivePicture) {
        s.FInActivePicture = ToBitmap(FramePicture(t, false));
        s.FInActivePictureName = "frameinactive.bmp";
    }
    s.AutoRenderingInActiveImage = !t.InactivePicture;
    s.InActiveEffect = t.InactiveEffect;
    if (t.ShapedFrame) {
        s.FMask = ToBitmap(FrameMask(t));
        s.FMaskName = "framemask.bmp";
        s.MaskRectArea = Rect(b, ch, w - b, h - b);
    }
    s.ClRect = Rect(b, ch, w - b, h - b);
    s.LTPoint = Pt(kFrameCorner, ch);
    s.RTPoint = Pt(w - kFrameCorner, ch);
    s.LBPoint = Pt(kFrameCorner, h - b);
    s.RBPoint = Pt(w - kFrameCorner, h - b);
    s.TopStretch = t.CaptionStretch;
    s.LeftStretch = s.RightStretch = s.BottomStretch = t.StretchFaces;
    s.StretchEffect = t.StretchFaces;
    s.StretchType = t.FaceStretch;
    s.BorderW = b;
    // Corner zones for sizing diagonally: 12 pixels along each edge.
    constexpr int corner = 12;
    s.HitTestLTPoint = Pt(corner, corner);
    s.HitTestRTPoint = Pt(w - corner, corner);
    s.HitTestLBPoint = Pt(corner, h - corner);
    s.HitTestRBPoint = Pt(w - corner, h - corner);

    // The row of caption buttons, right-aligned in the caption.
    const int bh = ch - 8;
    const int top = (ch - bh) / 2;
    ButtonRow_ = Rect(b + 3, top, w - b - 2, top + bh);
    s.CaptionRect = ButtonRow_;
    s.ButtonsOffset = t.Glossy ? 2 : 0;

    auto caption = std::make_unique<TskDataSkinCaption>("caption");
    // The frame lays the caption object out between the system menu button and the first caption
    // button at every width, and its text keeps its distance to the object's ends: so the object
    // is described where it stands at the picture's size, and the text only keeps clear of the
    // buttons by a few pixels. Insets measured from the borders would count the buttons twice.
    const int buttonW = t.Glossy ? bh + 8 : bh + 14;
    const int firstButton = ButtonRow_.right - 3 * buttonW - 2 * s.ButtonsOffset;
    const int afterSysMenu = ButtonRow_.left + kSysMenuSize;
    caption->SkinRect = Rect(afterSysMenu, 0, firstButton, ch - 1);
    caption->TextRct = Rect(4, 0, firstButton - afterSysMenu - 4, ch - 1);
    caption->FontName = "Arial";
    caption->FontHeight = t.FontHeight + 1;
    caption->FontStyle = TFontStyles{fsBold};
    caption->FontColor = ToColorRef(t.InactiveCaptionText);
    caption->ActiveFontColor = ToColorRef(t.CaptionText);
    caption->Alignment = t.CaptionCentered ? TAlignment::taCenter : TAlignment::taLeftJustify;
    caption->Shadow = t.Glossy && Luma(t.CaptionText) > Luma(t.CaptionBottom);
    caption->ShadowColor = ToColorRef(Darker(t.InactiveBottom, 80));
    caption->ActiveShadowColor = ToColorRef(Darker(t.CaptionBottom, 80));
    caption->GlowEffect = t.Glow;
    caption->GlowColor = ToColorRef(Darker(t.GlowColor, 100));
    caption->GlowActiveColor = ToColorRef(t.GlowColor);
    caption->GlowSize = 3;
    s.ObjectList.push_back(std::move(caption));
}

void TSkinComposer::BuildCaptionButtons()
{
    const TTheme& t = T_;
    const int bh = RectH(ButtonRow_), bw = t.Glossy ? bh + 8 : bh + 14, top = ButtonRow_.top;
    const int r = t.Glossy ? std::min(bh / 2, t.Radius + 3) : 0;
    const int left = ButtonRow_.left, right = ButtonRow_.right;

    // A button image: the caption band behind it (where the button stands: the system menu at
    // the row's left end, the others at its right end), then its face and glyph.
    auto image = [=, &t](TCaptionGlyph glyph, TState s, bool active, int w, int h) {
        return [=, &t](TImage32& img, const RECT& p) {
            TImage32 band(kFrameWidth, t.CaptionHeight);
            PaintCaptionBand(band, kFrameWidth, t, active);
            const int x = glyph == TCaptionGlyph::SysMenu ? left : right - w;
            img.Copy(band, RectWH(x, top + (bh - h) / 2, w, h), 0, 0);
            const bool close = glyph == TCaptionGlyph::Close;
            TRgb ink = active ? t.CaptionText : t.InactiveCaptionText;
            const RECT face = t.Glossy ? Inflated(p, -1, -1) : p;
            if (s == TState::Hot || s == TState::Down) {
                TRgb fill = close ? t.CloseHot : WithAlpha(Rgb(0xFFFFFF), Luma(t.CaptionBottom) > 150 ? 110 : 60);
                if (s == TState::Down)
                    fill = close ? Darker(t.CloseHot, 50) : WithAlpha(Rgb(0x000000), 50);
                FillShape(img, p, RoundRect(face, r), Solid(fill));
                if (close)
                    ink = Rgb(0xFFFFFF);
            } else if (t.Glossy && glyph != TCaptionGlyph::SysMenu) {
                FillShape(img, p, RoundRect(face, r), VGradient(face.top, face.bottom, WithAlpha(Rgb(0xFFFFFF), 70), WithAlpha(Rgb(0xFFFFFF), 20)));
            }
            if (t.Glossy && glyph != TCaptionGlyph::SysMenu)
                StrokeRoundRect(img, face, r, 1, Solid(WithAlpha(Darker(t.CaptionBottom, 60), 150)));
            PaintCaptionGlyph(img, Rect(p.left + (RectW(p) - 10) / 2, p.top + (RectH(p) - 10) / 2,
                                        p.left + (RectW(p) - 10) / 2 + 10, p.top + (RectH(p) - 10) / 2 + 10),
                              glyph, ink);
        };
    };

    int glow = -1;
    constexpr int spread = 5;
    if (t.Glow)
        glow = AddGlow(bw, bh, r, spread);

    struct TCaptionButtonKind {
        const char* Name;
        TskStdCommand Command;
        TCaptionGlyph Glyph;
        const char* Hint;
    };
    const TCaptionButtonKind kinds[] = {
        {"minbutton", cmMinimize, TCaptionGlyph::Minimize, "Minimize"},
        {"maxbutton", cmMaximize, TCaptionGlyph::Maximize, "Maximize"},
        {"closebutton", cmClose, TCaptionGlyph::Close, "Close"},
    };
    for (const TCaptionButtonKind& kind : kinds) {
        auto d = std::make_unique<TskDataSkinStdButton>(kind.Name);
        d->Command = kind.Command;
        d->Hint = kind.Hint;
        d->SkinRectInAPicture = true;
        d->ActivePictureIndex = 0;
        d->SkinRect = Sprite(bw, bh, image(kind.Glyph, TState::Normal, true, bw, bh));
        d->ActiveSkinRect = Sprite(bw, bh, image(kind.Glyph, TState::Hot, true, bw, bh));
        d->DownRect = Sprite(bw, bh, image(kind.Glyph, TState::Down, true, bw, bh));
        if (t.InactivePicture)
            d->InActiveSkinRect = Sprite(bw, bh, image(kind.Glyph, TState::Normal, false, bw, bh));
        if (kind.Command == cmMaximize) {
            d->RestoreHint = "Restore";
            d->RestoreRect = Sprite(bw, bh, image(TCaptionGlyph::Restore, TState::Normal, true, bw, bh));
            d->RestoreActiveRect = Sprite(bw, bh, image(TCaptionGlyph::Restore, TState::Hot, true, bw, bh));
            d->RestoreDownRect = Sprite(bw, bh, image(TCaptionGlyph::Restore, TState::Down, true, bw, bh));
            if (t.InactivePicture)
                d->RestoreInActiveRect = Sprite(bw, bh, image(TCaptionGlyph::Restore, TState::Normal, false, bw, bh));
        }
        d->Morphing = true;
        d->MorphKind = t.Morph;
        if (glow >= 0) {
            d->GlowLayerPictureIndex = glow;
            d->GlowLayerMaskPictureIndex = glow + 1;
            d->GlowLayerOffsetX = d->GlowLayerOffsetY = spread;
            d->GlowLayerAlphaBlendValue = 200;
        }
        Data_->ObjectList.push_back(std::move(d));
    }

    // The system menu button: where the form's icon goes; its own picture is a menu mark.
    auto sys = std::make_unique<TskDataSkinStdButton>("sysmenubutton");
    sys->Command = cmSysMenu;
    sys->SkinRectInAPicture = true;
    sys->ActivePictureIndex = 0;
    sys->SkinRect = Sprite(kSysMenuSize, kSysMenuSize, image(TCaptionGlyph::SysMenu, TState::Normal, true, kSysMenuSize, kSysMenuSize));
    if (t.InactivePicture)
        sys->InActiveSkinRect = Sprite(kSysMenuSize, kSysMenuSize, image(TCaptionGlyph::SysMenu, TState::Normal, false, kSysMenuSize, kSysMenuSize));
    Data_->ObjectList.push_back(std::move(sys));
}
