// The menu items, the popup, hint and layered-border windows and the skin's colours.

#include "tools/skingen/SkinComposer.h"

#include <algorithm>

void TSkinComposer::BuildMenuItem()
{
    const TTheme& t = T_;
    constexpr int w = 100, h = 22;
    const int r = Radius(4);
    const TFaceColors hot = t.Dark || t.Glossy ? ItemFace(t, true) : ItemFace(t, false);
    const RECT text = Rect(26, 0, w - 8, h);
    const RECT image = Rect(3, 0, 23, h);
    auto normal = [&t](TImage32& img, const RECT& p) { img.Fill(p, t.Window); };
    auto active = [&t, hot, r](TImage32& img, const RECT& p) { PaintFace(img, Inflated(p, -2, -1), hot, r, t.Window); img.Fill(Rect(0, 0, 2, RectH(p)), t.Window); img.Fill(Rect(RectW(p) - 2, 0, RectW(p), RectH(p)), t.Window); img.Fill(Rect(0, 0, RectW(p), 1), t.Window); img.Fill(Rect(0, RectH(p) - 1, RectW(p), RectH(p)), t.Window); };

    auto item = std::make_unique<TskDataSkinMenuItem>("menuitem");
    item->ActivePictureIndex = 0;
    item->SkinRect = Sprite(w, h, normal);
    item->ActiveSkinRect = Sprite(w, h, [active](TImage32& img, const RECT& p) { active(img, p); });
    item->DividerRect = Sprite(w, 7, [&t](TImage32& img, const RECT& p) {
        img.Fill(p, t.Window);
        img.Fill(Rect(4, 3, RectW(p) - 4, 4), Mix(t.Window, t.Border, t.Dark ? 200 : 150));
    });
    item->DividerLO = item->DividerRO = 4;
    item->DividerStretchEffect = true;
    item->ItemLO = item->ItemRO = r + 3;
    item->StretchEffect = item->InActiveStretchEffect = true;
    item->InActiveTransparent = true;
    item->TextRct = text;
    item->ImageRct = image;
    item->FontName = "Arial";
    item->FontHeight = t.FontHeight;
    item->FontColor = ToColorRef(t.WindowText);
    item->ActiveFontColor = ToColorRef(hot.Text);
    item->UnEnabledFontColor = ToColorRef(Mix(t.WindowText, t.Window, 140));
    item->Morphing = true;
    item->MorphKind = t.Morph;

    // Marks cut from the item they are drawn on, at the place the item draws them, so that
    // their transparent corner matches what lies behind them.
    auto cut = [&](bool on, auto paintMark, int mw, int mh, int mx, int my) {
        return Sprite(mw, mh, [=, &t](TImage32& img, const RECT&) {
            TImage32 whole(w, h, t.Window);
            if (on)
                active(whole, Rect(0, 0, w, h));
            paintMark(whole, RectWH(mx, my, mw, mh), on ? hot.Text : t.WindowText);
            img.Copy(whole, RectWH(mx, my, mw, mh), 0, 0);
        });
    };
    // Check and radio marks are centred in the image column; the arrow sits at the text's end.
    const int mx = image.left + RectW(image) / 2 - 8, my = image.top + RectH(image) / 2 - 8;
    auto tick = [](TImage32& img, const RECT& box, TRgb c) { PaintTick(img, Inflated(box, -2, -2), c); };
    auto dot = [](TImage32& img, const RECT& box, TRgb c) { PaintDot(img, box, 3, c); };
    auto arrow = [](TImage32& img, const RECT& box, TRgb c) { PaintArrow(img, box, 2, 4, c); };
    item->CheckImageRect = cut(false, tick, 16, 16, mx, my);
    item->ActiveCheckImageRect = cut(true, tick, 16, 16, mx, my);
    item->RadioImageRect = cut(false, dot, 16, 16, mx, my);
    item->ActiveRadioImageRect = cut(true, dot, 16, 16, mx, my);
    const RECT arrowBox = Rect(text.right - 8 - 5, text.top, text.right, text.bottom);
    const int ax = arrowBox.left + RectW(arrowBox) / 2 - 4, ay = arrowBox.top + RectH(arrowBox) / 2 - 5;
    item->ArrowImageRect = cut(false, arrow, 8, 10, ax, ay);
    item->ActiveArrowImageRect = cut(true, arrow, 8, 10, ax, ay);
    Data_->ObjectList.push_back(std::move(item));
}

void TSkinComposer::BuildPopupWindow()
{
    const TTheme& t = T_;
    constexpr int w = 64, h = 64;
    const int r = t.ShapedFrame ? 6 : 0;
    TImage32 img(w, h, t.Window);
    StrokeRoundRect(img, Rect(0, 0, w, h), r, 1, Solid(t.Dark ? Lighter(t.Border, 30) : t.Border));
    TskDataSkinPopupWindow& p = *Data_->PopupWindow;
    p.WindowPictureIndex = AddPicture(std::move(img), "popup.bmp");
    if (t.ShapedFrame)
        p.MaskPictureIndex = AddPicture(RoundMask(w, h, r), "popupmask.bmp");
    const int c = std::max(3, r);
    p.LTPoint = Pt(c, c);
    p.RTPoint = Pt(w - c, c);
    p.LBPoint = Pt(c, h - c);
    p.RBPoint = Pt(w - c, h - c);
    p.ItemsRect = Rect(3, 3, w - 3, h - 3);
    p.ScrollMarkerColor = ToColorRef(t.WindowText);
    p.ScrollMarkerActiveColor = ToColorRef(t.Accent);
    p.LeftStretch = p.RightStretch = p.TopStretch = p.BottomStretch = t.StretchFaces;
}

void TSkinComposer::BuildHintWindow()
{
    const TTheme& t = T_;
    constexpr int w = 40, h = 28;
    const int r = t.ShapedFrame ? 5 : 0;
    const TRgb fill = Mix(t.Window, t.Accent, t.Dark ? 40 : 22);
    TImage32 img(w, h, fill);
    FillShape(img, Rect(0, 0, w, h), RoundRect(Rect(0, 0, w, h), 0), VGradient(0, h, Lighter(fill, t.Dark ? 10 : 80), fill));
    StrokeRoundRect(img, Rect(0, 0, w, h), r, 1, Solid(Mix(t.Border, t.Accent, 120)));
    TskDataSkinHintWindow& hw = *Data_->HintWindow;
    hw.WindowPictureIndex = AddPicture(std::move(img), "hint.bmp");
    if (t.ShapedFrame)
        hw.MaskPictureIndex = AddPicture(RoundMask(w, h, r), "hintmask.bmp");
    hw.ClRect = Rect(5, 4, w - 5, h - 4);
    hw.LTPoint = Pt(5, 4);
    hw.RTPoint = Pt(w - 5, 4);
    hw.LBPoint = Pt(5, h - 4);
    hw.RBPoint = Pt(w - 5, h - 4);
    hw.LeftStretch = hw.RightStretch = hw.TopStretch = hw.BottomStretch = true;
    hw.StretchEffect = true;
    hw.StretchType = skstHorz;
    hw.FontName = "Arial";
    hw.FontHeight = t.FontHeight - 1;
    hw.FontColor = ToColorRef(t.WindowText);
}

void TSkinComposer::BuildLayerFrame()
{
    const TTheme& t = T_;
    constexpr int w = 160, h = 120, m = 16;
    const RECT form = Rect(m, m, w - m, h - m);
    TskDataSkinLayerFrame& l = *Data_->LayerFrame;
    // A soft glow in the accent colour around the active form, a grey shadow around the inactive one.
    l.PictureIndex = AddPicture(TImage32(w, h, Mix(t.GlowColor, Rgb(0x000000), 70)), "layer.bmp");
    l.MaskPictureIndex = AddPicture(HaloMask(w, h, form, 0, m, 150, true), "layermask.bmp");
    l.InActivePictureIndex = AddPicture(TImage32(w, h, Rgb(0x000000)), "layerinactive.bmp");
    l.InActiveMaskPictureIndex = AddPicture(HaloMask(w, h, form, 0, m, 110, true), "layerinactivemask.bmp");
    l.ClRect = form;
    l.LTPoint = Pt(2 * m, m);
    l.RTPoint = Pt(w - 2 * m, m);
    l.LBPoint = Pt(2 * m, h - m);
    l.RBPoint = Pt(w - 2 * m, h - m);
    l.BorderRect = Inflated(form, 5, 5);
    l.HitTestEnable = true;
    l.AlphaBlendValue = 255;
    l.InActiveAlphaBlendValue = 200;
}

void TSkinComposer::BuildColors()
{
    const TTheme& t = T_;
    TskSkinColors& c = *Data_->SkinColors();
    c.SetcBtnFace(ToColorRef(t.Surface));
    c.SetcBtnText(ToColorRef(t.SurfaceText));
    c.SetcWindow(ToColorRef(t.Window));
    c.SetcWindowText(ToColorRef(t.WindowText));
    c.SetcHighLight(ToColorRef(t.Accent));
    c.SetcHighLightText(ToColorRef(t.AccentText));
    c.SetcBtnHighLight(ToColorRef(Mix(t.Surface, Rgb(0xFFFFFF), t.Dark ? 40 : 200)));
    c.SetcBtnShadow(ToColorRef(t.Border));
}
