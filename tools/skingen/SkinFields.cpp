// Lists, combo boxes, edits, the page control's tabs and the descriptions without pictures.

#include "tools/skingen/SkinComposer.h"

#include <algorithm>

namespace {

constexpr int kFieldButton = 17;  // width of the button inside combo boxes and button edits

// The button inside a field: only its mark at rest, a face when hot or down.
void PaintFieldButton(TImage32& img, const RECT& r, const TTheme& t, TState s, bool ellipsis)
{
    TFaceColors f = PushFace(t, s == TState::Normal || s == TState::Disabled ? TState::Hot : s);
    const bool face = s == TState::Hot || s == TState::Down;
    if (!face)
        f.Visible = false;
    const TRgb back = s == TState::Disabled ? Mix(t.Window, t.Surface, 160) : t.Window;
    PaintFace(img, r, f, std::min(t.Radius, 2), back);
    const TRgb ink = s == TState::Disabled ? Mix(t.WindowText, back, 150) : (face ? f.Text : Mix(t.WindowText, t.Window, 60));
    if (ellipsis) {
        for (int i = -1; i <= 1; ++i)
            PaintDot(img, RectWH((r.left + r.right) / 2 + i * 4 - 1, (r.top + r.bottom) / 2, 2, 2), 1, ink);
    } else {
        PaintArrow(img, r, 4, 4, ink);
    }
}

} // namespace

void TSkinComposer::BuildListBox(const TElement& e)
{
    const TTheme& t = T_;
    const int w = e.Width, h = e.Height, r = Radius(3);
    auto& d = AddControl<TskDataSkinListBox>(e.Name);
    d.SkinRect = Sprite(w, h, [&t, r](TImage32& img, const RECT& p) { PaintField(img, p, t, false, true, std::min(r, 2), t.Surface); });
    SetSlice(d, w, h, 2, 2, 2, 2);
    d.StretchEffect = t.StretchFaces;
    d.StretchType = t.FaceStretch;
    auto item = [&t, r](bool focused) {
        return [=, &t](TImage32& img, const RECT& p) { PaintFace(img, p, ItemFace(t, focused), r, t.Window); };
    };
    // Items at rest show the list's own colour; their picture also gives the rows their height.
    d.SItemRect = Sprite(60, 20, [&t](TImage32& img, const RECT& p) { img.Fill(p, t.Window); });
    d.ActiveItemRect = Sprite(60, 20, item(false));
    d.FocusItemRect = Sprite(60, 20, item(true));
    d.ItemLeftOffset = d.ItemRightOffset = std::max(3, r + 1);
    d.ItemTextRect = Rect(4, 2, 56, 18);
    d.FontName = "Arial";
    d.FontHeight = t.FontHeight;
    d.FontColor = ToColorRef(t.WindowText);
    d.ActiveFontColor = ToColorRef(ItemFace(t, false).Text);
    d.FocusFontColor = ToColorRef(ItemFace(t, true).Text);
    d.CaptionFontHeight = t.FontHeight;
    d.CaptionFontColor = ToColorRef(t.SurfaceText);
}

void TSkinComposer::BuildComboBox(const TElement& e)
{
    const TTheme& t = T_;
    const int w = e.Width, h = e.Height, r = Radius(3);
    const RECT button = Rect(w - kFieldButton - 2, 2, w - 2, h - 2);
    auto& d = AddControl<TskDataSkinComboBox>(e.Name);
    auto back = [=, &t](bool active) {
        return [=, &t](TImage32& img, const RECT& p) {
            PaintField(img, p, t, active, true, r, t.Surface);
            img.Fill(Rect(button.left - 1, 4, button.left, h - 4), Mix(t.Window, t.Border, 120));
            PaintFieldButton(img, button, t, TState::Normal, false);
        };
    };
    d.SkinRect = Sprite(w, h, back(false));
    d.ActiveSkinRect = Sprite(w, h, back(true));
    // Any width at the skin's height; the button lies in the fixed right end.
    SetHBand(d, w, h, 3, kFieldButton + 4);
    d.ClRect = Rect(3, 3, w - kFieldButton - 4, h - 3);
    d.StretchEffect = true;
    d.ButtonRect = button;
    auto press = [=, this, &t](TState s) {
        return Sprite(RectW(button), RectH(button), [=, &t](TImage32& img, const RECT& p) { PaintFieldButton(img, p, t, s, false); });
    };
    d.ActiveButtonRect = press(TState::Hot);
    d.DownButtonRect = press(TState::Down);
    d.UnEnabledButtonRect = press(TState::Disabled);
    d.FocusItemRect = Sprite(60, h - 6, [&t](TImage32& img, const RECT& p) { PaintFace(img, p, ItemFace(t, true), std::min(t.Radius, 2), t.Window); });
    d.ItemLeftOffset = d.ItemRightOffset = 3;
    d.ItemTextRect = Rect(2, 0, 58, h - 6);
    d.ItemStretchEffect = d.FocusItemStretchEffect = true;
    d.FontName = "Arial";
    d.FontHeight = t.FontHeight;
    d.FontColor = ToColorRef(t.WindowText);
    d.FocusFontColor = ToColorRef(ItemFace(t, true).Text);
    d.ActiveFontColor = ToColorRef(t.WindowText);
    d.ListBoxName = "listbox";
}

void TSkinComposer::BuildEdit(const TElement& e)
{
    const TTheme& t = T_;
    const bool withButton = e.Build == TBuild::ButtonEdit;
    const int w = e.Width, h = e.Height, r = Radius(3);
    const RECT button = Rect(w - kFieldButton - 2, 2, w - 2, h - 2);
    auto& d = AddControl<TskDataSkinEditControl>(e.Name);
    auto field = [=, &t](bool active) {
        return [=, &t](TImage32& img, const RECT& p) {
            PaintField(img, p, t, active, true, r, t.Surface);
            if (withButton)
                PaintFieldButton(img, button, t, TState::Normal, true);
        };
    };
    d.SkinRect = Sprite(w, h, field(false));
    d.ActiveSkinRect = Sprite(w, h, field(true));
    const int c = std::max(3, r);
    SetSlice(d, w, h, c, c, withButton ? kFieldButton + 4 : c, c);
    d.FontName = "Arial";
    d.FontHeight = t.FontHeight;
    d.FontColor = ToColorRef(t.WindowText);
    d.ActiveFontColor = ToColorRef(t.WindowText);
    d.DisabledFontColor = ToColorRef(Mix(t.WindowText, t.Window, 140));
    if (withButton) {
        d.ButtonRect = button;
        auto press = [=, this, &t](TState s) {
            return Sprite(RectW(button), RectH(button), [=, &t](TImage32& img, const RECT& p) { PaintFieldButton(img, p, t, s, true); });
        };
        d.ActiveButtonRect = press(TState::Hot);
        d.DownButtonRect = press(TState::Down);
        d.UnEnabledButtonRect = press(TState::Disabled);
    }
}

void TSkinComposer::BuildTab(const TElement& e)
{
    const TTheme& t = T_;
    const int w = e.Width, h = e.Height;
    const int r = Radius(5);
    auto& d = AddControl<TskDataSkinTabControl>(e.Name);
    const TRgb line = Mix(t.Surface, t.Border, 210);
    // The page: a thin frame around the surface.
    d.SkinRect = Sprite(w, h, [&t, line](TImage32& img, const RECT& p) {
        img.Fill(p, t.Surface);
        StrokeRoundRect(img, p, 0, 1, Solid(line));
    });
    d.ClRect = Rect(2, 2, w - 2, h - 2);
    d.LTPoint = Pt(4, 2);
    d.RTPoint = Pt(w - 4, 2);
    d.LBPoint = Pt(4, h - 2);
    d.RBPoint = Pt(w - 4, h - 2);
    d.LeftStretch = d.TopStretch = d.RightStretch = d.BottomStretch = true;
    d.StretchEffect = t.StretchFaces;
    d.StretchType = t.FaceStretch;

    // Tabs: rounded at the top; the selected one is two pixels taller and opens into the page.
    const int tw = 64, th = 24;
    auto tab = [=, &t](bool selected, bool hot) {
        return [=, &t](TImage32& img, const RECT& p) {
            img.Fill(p, t.Surface);
            const int bottom = RectH(p);
            if (t.FlatTabs && !selected && !hot) {
                img.Fill(Rect(0, th - 1, tw, th), line);  // a bare caption over the page's top line
                return;
            }
            const RECT shape = Rect(0, selected ? 0 : 2, tw, bottom + r + 1);
            TRgb top = selected ? t.Surface : (hot ? Mix(t.Bar, t.Accent, 50) : t.Bar);
            TRgb base = selected ? t.Surface : Mix(t.Bar, t.Border, hot ? 20 : 40);
            FillShape(img, p, RoundRect(shape, r), VGradient(shape.top, bottom, Lighter(top, t.Glossy ? 60 : 20), base));
            StrokeRoundRect(img, shape, r, 1, Solid(line));
            if (selected) {
                FillShape(img, p, Both(RoundRect(shape, r), RoundRectSub(0, 0, Sub(tw), Sub(2), 0)), Solid(t.Accent));
                img.Fill(Rect(1, th, tw - 1, bottom), t.Surface);  // open into the page
            } else {
                img.Fill(Rect(0, th - 1, tw, th), line);  // the page's top line runs under the tab
            }
        };
    };
    d.TabRect = Sprite(tw, th, tab(false, false));
    d.MouseInTabRect = Sprite(tw, th, tab(false, true));
    d.ActiveTabRect = Sprite(tw, th + 2, tab(true, false));
    d.TabsBGRect = Sprite(8, th, [&t](TImage32& img, const RECT& p) { img.Fill(p, t.Surface); });
    d.TabLeftOffset = d.TabRightOffset = std::max(3, r + 1);
    d.TabStretchEffect = t.StretchFaces;
    d.UpDown = "hupdown";
    d.FontName = "Arial";
    d.FontHeight = t.FontHeight;
    d.FontColor = ToColorRef(Mix(t.SurfaceText, t.Surface, 70));
    d.ActiveFontColor = ToColorRef(t.SurfaceText);
    d.FocusFontColor = ToColorRef(t.SurfaceText);
    d.MouseInFontColor = ToColorRef(t.SurfaceText);
}

void TSkinComposer::BuildPlain(const TElement& e)
{
    const TTheme& t = T_;
    switch (e.Build) {
    case TBuild::Bevel: {
        auto& d = AddControl<TskDataSkinBevel>(e.Name);
        d.PictureIndex = -1;
        d.LightColor = ToColorRef(Mix(t.Surface, Rgb(0xFFFFFF), t.Dark ? 30 : 200));
        d.DarkColor = ToColorRef(Mix(t.Surface, t.Border, 220));
        break;
    }
    case TBuild::TreeView: {
        auto& d = AddControl<TskDataSkinTreeView>(e.Name);
        d.PictureIndex = -1;
        d.FontName = "Arial";
        d.FontHeight = t.FontHeight;
        d.FontColor = ToColorRef(t.WindowText);
        d.BGColor = ToColorRef(t.Window);
        break;
    }
    case TBuild::ListView: {
        auto& d = AddControl<TskDataSkinListView>(e.Name);
        d.PictureIndex = -1;
        d.FontName = "Arial";
        d.FontHeight = t.FontHeight;
        d.FontColor = ToColorRef(t.WindowText);
        d.BGColor = ToColorRef(t.Window);
        break;
    }
    default: {
        auto& d = AddControl<TskDataSkinStdLabelControl>(e.Name);
        d.PictureIndex = -1;
        d.FontName = "Arial";
        d.FontHeight = t.FontHeight;
        d.FontColor = ToColorRef(t.SurfaceText);
        d.ActiveFontColor = ToColorRef(t.Dark ? Lighter(t.Accent, 80) : Darker(t.Accent, 30));
        break;
    }
    }
}
