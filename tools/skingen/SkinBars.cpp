// Scroll bars, up-down buttons, splitters, the slider and the main menu bar of a skin.

#include "tools/skingen/SkinComposer.h"

#include <algorithm>

namespace {

constexpr int kScrollButton = 17;

TRgb TrackColor(const TTheme& t)
{
    return t.Dark ? Darker(t.Surface, 40) : Mix(t.Surface, t.Window, 110);
}

// An arrow button of a scroll bar or up-down: only the arrow at rest, a face when hot or down.
void PaintArrowButton(TImage32& img, const RECT& r, const TTheme& t, TState s, int direction, TRgb backdrop,
                      bool faceAtRest)
{
    TFaceColors f = PushFace(t, s == TState::Normal && !faceAtRest ? TState::Hot : s);
    if (s == TState::Normal && !faceAtRest)
        f.Visible = false;
    PaintFace(img, r, f, std::min(t.Radius, 3), backdrop);
    const TRgb ink = s == TState::Normal && !faceAtRest ? Mix(t.SurfaceText, backdrop, 90) : f.Text;
    PaintArrow(img, r, direction, 4, ink);
}

} // namespace

void TSkinComposer::BuildScrollBar(const TElement& e)
{
    const TTheme& t = T_;
    const bool vertical = e.Build == TBuild::VScrollBar;
    const bool both = e.Build == TBuild::BothScrollBar;
    const int w = e.Width, h = e.Height, b = kScrollButton;
    const int len = vertical ? h : w;              // design length along the bar
    const int end = both ? len - 19 : len;          // end of the up button
    const TRgb track = TrackColor(t);
    // Parts in the bar: the down button at the start, the up button at the end.
    const RECT downPart = vertical ? Rect(0, 0, b, b) : Rect(0, 0, b, b);
    const RECT upPart = vertical ? Rect(0, end - b, b, end) : Rect(end - b, 0, end, b);
    const int downDir = vertical ? 3 : 1, upDir = vertical ? 4 : 2;

    auto& d = AddControl<TskDataSkinScrollBarControl>(e.Name);
    d.SkinRect = Sprite(w, h, [=, &t](TImage32& img, const RECT& p) {
        img.Fill(p, track);
        if (both)
            img.Fill(Rect(end, 0, w, h), t.Surface);
        PaintArrowButton(img, downPart, t, TState::Normal, downDir, track, false);
        PaintArrowButton(img, upPart, t, TState::Normal, upDir, track, false);
    });
    // The ends stay, the track between them repeats; the corner point lies one pixel before the
    // up button so that the button moves with the bar's end.
    if (vertical) {
        SetVBand(d, w, h, b, h - (end - b - 1));
        d.TrackArea = Rect(0, b, b, end - b);
    } else {
        SetHBand(d, w, h, b, w - (end - b - 1));
        d.TrackArea = Rect(b, 0, end - b, b);
    }
    d.DownButtonRect = downPart;
    d.UpButtonRect = upPart;
    auto button = [=, &t](TState s, int dir) {
        return [=, &t](TImage32& img, const RECT& p) { PaintArrowButton(img, p, t, s, dir, track, false); };
    };
    d.ActiveDownButtonRect = Sprite(b, b, button(TState::Hot, downDir));
    d.DownDownButtonRect = Sprite(b, b, button(TState::Down, downDir));
    d.ActiveUpButtonRect = Sprite(b, b, button(TState::Hot, upDir));
    d.DownUpButtonRect = Sprite(b, b, button(TState::Down, upDir));

    // The thumb: a pill in the middle of the track; its ends stay when it is resized.
    const int tw = vertical ? b : 30, th = vertical ? 30 : b;
    auto thumb = [=, &t](TState s) {
        return [=, &t](TImage32& img, const RECT& p) {
            img.Fill(p, track);
            const RECT pill = vertical ? Rect(3, 1, b - 3, th - 1) : Rect(1, 3, tw - 1, b - 3);
            TFaceColors f = PushFace(t, s);
            if (s == TState::Normal && !t.Glossy) {
                f.Top = f.Bottom = Mix(t.Border, track, t.Dark ? 40 : 90);
                f.Border = Mix(t.Border, track, 40);
            }
            PaintFace(img, pill, f, 5, track);
        };
    };
    d.ThumbRect = Sprite(tw, th, thumb(TState::Normal));
    d.ActiveThumbRect = Sprite(tw, th, thumb(TState::Hot));
    d.DownThumbRect = Sprite(tw, th, thumb(TState::Down));
    d.ThumbOffset1 = d.ThumbOffset2 = 6;
    d.ThumbStretchEffect = true;
    // Three grip lines across the thumb's middle, on the transparent colour.
    const int gw = vertical ? 7 : 5, gh = vertical ? 5 : 7;
    const TRgb ink = Mix(t.ButtonText, t.ButtonBottom, 150);
    d.GlyphRect = Sprite(gw, gh, [=](TImage32& img, const RECT& p) {
        img.Fill(p, kKeyColor);
        for (int i = 0; i < 3; ++i)
            img.Fill(vertical ? Rect(0, i * 2, gw, i * 2 + 1) : Rect(i * 2, 0, i * 2 + 1, gh), ink);
    });
    d.GlyphTransparent = true;
    d.GlyphTransparentColor = ToColorRef(kKeyColor);
}

void TSkinComposer::BuildUpDown(const TElement& e)
{
    const TTheme& t = T_;
    const bool vertical = e.Build == TBuild::VUpDown;
    const int w = e.Width, h = e.Height;
    auto& d = AddControl<TskDataSkinUpDownControl>(e.Name);
    // Up increases: right (horizontal) or top (vertical); down is left or bottom.
    const RECT up = vertical ? Rect(0, 0, w, h / 2) : Rect(w / 2, 0, w, h);
    const RECT down = vertical ? Rect(0, h / 2, w, h) : Rect(0, 0, w / 2, h);
    const int upDir = vertical ? 3 : 2, downDir = vertical ? 4 : 1;
    d.SkinRect = Sprite(w, h, [=, &t](TImage32& img, const RECT& p) {
        img.Fill(p, t.Surface);
        PaintArrowButton(img, up, t, TState::Normal, upDir, t.Surface, true);
        PaintArrowButton(img, down, t, TState::Normal, downDir, t.Surface, true);
    });
    d.UpButtonRect = up;
    d.DownButtonRect = down;
    auto button = [=, this, &t](TState s, int dir, const RECT& r) {
        return Sprite(RectW(r), RectH(r), [=, &t](TImage32& img, const RECT& p) { PaintArrowButton(img, p, t, s, dir, t.Surface, true); });
    };
    d.ActiveUpButtonRect = button(TState::Hot, upDir, up);
    d.DownUpButtonRect = button(TState::Down, upDir, up);
    d.ActiveDownButtonRect = button(TState::Hot, downDir, down);
    d.DownDownButtonRect = button(TState::Down, downDir, down);
}

void TSkinComposer::BuildSplitter(const TElement& e)
{
    const TTheme& t = T_;
    const bool vertical = e.Build == TBuild::VSplitter;
    const int w = e.Width, h = e.Height;
    auto& d = AddControl<TskDataSkinSplitterControl>(e.Name);
    d.SkinRect = Sprite(w, h, [=, &t](TImage32& img, const RECT& p) {
        img.Fill(p, t.Surface);
        const TRgb line = Mix(t.Surface, t.Border, 90);
        img.Fill(vertical ? Rect(w / 2, 0, w / 2 + 1, h) : Rect(0, h / 2, w, h / 2 + 1), line);
    });
    if (vertical)
        SetVBand(d, w, h, 2, 2);
    else
        SetHBand(d, w, h, 2, 2);
    const int gw = vertical ? 4 : 18, gh = vertical ? 18 : 4;
    d.GripperRect = Sprite(gw, gh, [=, &t](TImage32& img, const RECT& p) {
        img.Fill(p, kKeyColor);
        PaintGrip(img, p, vertical, Lighter(t.Surface, 160), Mix(t.Surface, t.SurfaceText, 120));
    });
    d.GripperTransparent = true;
    d.GripperTransparentColor = ToColorRef(kKeyColor);
}

void TSkinComposer::BuildSlider(const TElement& e)
{
    const TTheme& t = T_;
    auto& d = AddControl<TskDataSkinSlider>(e.Name);
    auto ruler = [&t](bool vertical) {
        return [=, &t](TImage32& img, const RECT& p) {
            img.Fill(p, t.Surface);
            const RECT groove = vertical ? Rect(1, 0, 5, RectH(p)) : Rect(0, 1, RectW(p), 5);
            FillShape(img, p, RoundRect(groove, 2), Solid(Mix(t.Border, t.Surface, 60)));
            FillShape(img, p, RoundRect(Inflated(groove, -1, -1), 1), Solid(t.Dark ? Darker(t.Surface, 60) : Mix(t.Window, t.Border, 50)));
        };
    };
    d.HRulerRect = Sprite(60, 6, ruler(false));
    d.VRulerRect = Sprite(6, 60, ruler(true));
    d.EdgeSize = 3;
    // Thumbs: the normal and the held (or disabled) look side by side.
    auto thumbs = [&t](int tw, int th) {
        return [=, &t](TImage32& img, const RECT& p) {
            img.Fill(p, t.Surface);
            const int r = std::min(tw, th) / 2 - 1;
            PaintFace(img, Rect(1, 1, tw - 1, th - 1), PushFace(t, TState::Normal), std::min(r, t.Radius + 2), t.Surface);
            PaintFace(img, Rect(tw + 1, 1, 2 * tw - 1, th - 1), PushFace(t, TState::Down), std::min(r, t.Radius + 2), t.Surface);
        };
    };
    d.HThumbRect = Sprite(28, 20, thumbs(14, 20));
    d.VThumbRect = Sprite(40, 14, thumbs(20, 14));
    d.BGColor = ToColorRef(t.Surface);
    d.PointsColor = ToColorRef(Mix(t.SurfaceText, t.Surface, 120));
}

void TSkinComposer::BuildMainMenuBar(const TElement& e)
{
    const TTheme& t = T_;
    const int w = e.Width, h = e.Height;
    auto& d = AddControl<TskDataSkinMainMenuBar>(e.Name);
    d.SkinRect = Sprite(w, h, [&t](TImage32& img, const RECT& p) { PaintBar(img, p, t, true, false, t.BarGradient); });
    d.ItemsRect = Rect(2, 1, w - 2, h - 1);
    d.MenuBarItem = "menubaritem";
    d.TrackMarkColor = ToColorRef(t.BarText);
    d.TrackMarkActiveColor = ToColorRef(t.Accent);
    d.ItemTransparent = true;

    // The items of the bar: transparent at rest, a face when hot, the menu's colour when open.
    const int iw = 40, ih = h - 2, r = Radius(4);
    auto item = std::make_unique<TskDataSkinMainMenuBarItem>("menubaritem");
    item->ActivePictureIndex = 0;
    item->SkinRect = Sprite(iw, ih, [&t, h](TImage32& img, const RECT& p) {
        TImage32 bar(RectW(p), h);
        PaintBar(bar, Rect(0, 0, RectW(p), h), t, true, false, t.BarGradient);
        img.Copy(bar, Rect(0, 1, RectW(p), h - 1), 0, 0);
    });
    item->ActiveSkinRect = Sprite(iw, ih, [&t, r](TImage32& img, const RECT& p) {
        PaintFace(img, Inflated(p, 0, -1), ToolFace(t, TState::Hot), r, t.Bar);
        img.Fill(Rect(p.left, p.top, p.right, p.top + 1), t.Bar);
        img.Fill(Rect(p.left, p.bottom - 1, p.right, p.bottom), t.Bar);
    });
    item->DownRect = Sprite(iw, ih, [&t, r](TImage32& img, const RECT& p) {
        img.Fill(p, t.Bar);
        PaintFace(img, Inflated(p, 0, -1), ItemFace(t, true), r, t.Bar);
        img.Fill(Rect(p.left, p.top, p.right, p.top + 1), t.Bar);
        img.Fill(Rect(p.left, p.bottom - 1, p.right, p.bottom), t.Bar);
    });
    item->TextRct = Rect(6, 0, iw - 6, ih);
    item->ItemLO = item->ItemRO = 5;
    item->FontName = "Arial";
    item->FontHeight = t.FontHeight;
    item->FontColor = ToColorRef(t.BarText);
    item->ActiveFontColor = ToColorRef(ToolFace(t, TState::Hot).Text);
    item->DownFontColor = ToColorRef(ItemFace(t, true).Text);
    item->UnEnabledFontColor = ToColorRef(Mix(t.BarText, t.Bar, 140));
    item->StretchEffect = true;
    item->Morphing = true;
    item->MorphKind = t.Morph;
    Data_->ObjectList.push_back(std::move(item));
}
