// The mock windows of the contact sheets.

#include "skin/core/skDataSkinExtraControls.h"
#include "tools/skingen/CategoryIcons.h"
#include "tools/skingen/PixelFont.h"
#include "tools/skingen/SheetMock.h"
#include "tools/skingen/SkinPaint.h"

#include <algorithm>

void MockWindow(TImage32& sheet, const TSheetMock& m, int ox, int oy, const std::vector<TImage32>& icons)
{
    const TskSkinData& d = m.D_;
    constexpr int W = 620, H = 470;
    TImage32 win(W, H, Rgb(0x808080));
    m.Frame(win, W, H, true);
    const RECT cl = Rect(d.ClRect.left, d.ClRect.top, W - (d.FPicture->GetWidth() - d.ClRect.right),
                         H - (d.FPicture->GetHeight() - d.ClRect.bottom));
    int y = cl.top;
    const int cw = RectW(cl);
    // Menu bar with one item hot and one open.
    if (const auto* bar = m.Control<TskDataSkinMainMenuBar>("mainmenubar")) {
        const TImage32& pic = m.Picture(bar->PictureIndex);
        Apply(win, pic, LayoutHorzBandImage(bar->ItemsRect.left, RectW(bar->SkinRect) - bar->ItemsRect.right, SizeOf(pic),
                                            bar->SkinRect, cw, bar->StretchEffect),
              cl.left, y);
        const int oi = d.GetIndex(bar->MenuBarItem);
        if (const auto* item = oi < 0 ? nullptr : dynamic_cast<const TskDataSkinMainMenuItem*>(d.ObjectList[static_cast<std::size_t>(oi)].get())) {
            int x = cl.left + bar->ItemsRect.left;
            int state = 0;
            for (std::string_view text : {"FILE", "EDIT", "ACTION", "TOOLS", "HELP"}) {
                const int iw = RectW(item->SkinRect) - RectW(item->TextRct) + PixelTextWidth(text, TPixelFont::Large) + 8;
                const RECT s = state == 1 ? item->ActiveSkinRect : (state == 2 ? item->DownRect : item->SkinRect);
                if (state)
                    Apply(win, m.Picture(item->ActivePictureIndex),
                          LayoutHorzBandImage(item->ItemLO, item->ItemRO, SizeOf(m.Picture(item->ActivePictureIndex)), s, iw, true),
                          x, y + bar->ItemsRect.top);
                m.Label(win, x + item->TextRct.left + 4, y + bar->ItemsRect.top + (RectH(item->SkinRect) - 7) / 2, text,
                        state == 2 ? item->DownFontColor : (state == 1 ? item->ActiveFontColor : item->FontColor));
                x += iw;
                ++state;
            }
        }
        y += RectH(bar->SkinRect);
    }
    // Tool bar with large tool buttons.
    if (const auto* tp = m.Control<TskDataSkinPanelControl>("resizetoolpanel")) {
        m.Custom(win, *tp, tp->SkinRect, cl.left, y, cw, 79);
        int x = cl.left + 6;
        for (std::size_t i = 0; i < icons.size(); ++i) {
            const int state = i == 1 ? 1 : (i == 2 ? 2 : 0);
            m.Button(win, "resizetoolbutton", state, x, y + 4, 64, 71, "");
            win.Draw(icons[i], Rect(0, 0, icons[i].Width(), icons[i].Height()), x + (64 - icons[i].Width()) / 2, y + 8);
            x += 68;
        }
        y += 79;
    }
    // A panel holding the controls.
    const int panelH = H - (H - cl.bottom) - y - 21;
    if (const auto* p = m.Control<TskDataSkinPanelControl>("panel"))
        m.Custom(win, *p, p->SkinRect, cl.left, y, cw, panelH);
    const int x0 = cl.left + 10;
    int cy = y + 10;
    const char* names[] = {"NORMAL", "HOT", "DOWN", "OFF", "FOCUS"};
    for (int s = 0; s < 5; ++s)
        m.Button(win, "button", s, x0 + s * 86, cy, 80, 25, names[s]);
    // The glow shown around the hot button.
    if (const auto* b = m.Control<TskDataSkinButtonControl>("button"); b && b->GlowLayerPictureIndex >= 0) {
        const TImage32 glow = WithMask(m.Picture(b->GlowLayerPictureIndex), m.Picture(b->GlowLayerMaskPictureIndex));
        const std::int64_t width = std::int64_t{glow.Width()} + 80 - RectW(b->SkinRect),
                           height = std::int64_t{glow.Height()} + 25 - RectH(b->SkinRect);
        if (glow.Width() > 0 && FitsSheet(width, height)) {
            const int gw = static_cast<int>(width), gh = static_cast<int>(height);
            const int gx = ClampToInt(std::int64_t{x0} + 86 - b->GlowLayerShowOffsetX),
                      gy = ClampToInt(std::int64_t{cy} - b->GlowLayerShowOffsetY);
            const RECT c = Rect(b->GlowLayerOffsetLeft, b->GlowLayerOffsetTop,
                                ClampToInt(std::int64_t{glow.Width()} - b->GlowLayerOffsetRight),
                                ClampToInt(std::int64_t{glow.Height()} - b->GlowLayerOffsetBottom));
            const TskSliceGeometry g = Grown(TSheetMock::Pt(c.left, c.top), TSheetMock::Pt(c.right, c.top),
                                             TSheetMock::Pt(c.left, c.bottom), TSheetMock::Pt(c.right, c.bottom), c,
                                             gw - glow.Width(), gh - glow.Height());
            TImage32 sized(gw, gh);
            Apply(sized, glow, LayoutNineSliceImage(g, SizeOf(glow), Rect(0, 0, glow.Width(), glow.Height()), gw, gh, true,
                                                    TskEdgeStretch{true, true, true, true}, true, skstFull), 0, 0);
            win.Draw(sized, Rect(0, 0, gw, gh), gx, gy);
        }
    }
    cy += 34;
    if (const auto* e = m.Control<TskDataSkinEditControl>("edit")) {
        m.Custom(win, *e, e->SkinRect, x0, cy, 130, RectH(e->SkinRect));
        m.Label(win, x0 + 6, cy + 8, "EDIT", e->FontColor);
        m.Custom(win, *e, e->ActiveSkinRect, x0 + 140, cy, 130, RectH(e->SkinRect));
        m.Label(win, x0 + 146, cy + 8, "FOCUSED", e->ActiveFontColor);
    }
    if (const auto* c = m.Control<TskDataSkinComboBox>("combobox")) {
        m.Custom(win, *c, c->SkinRect, x0 + 280, cy, 150, RectH(c->SkinRect));
        m.Label(win, x0 + 288, cy + 8, "COMBO", c->FontColor);
    }
    cy += 32;
    if (const auto* cb = m.Control<TskDataSkinCheckRadioControl>("checkbox")) {
        const TImage32& pic = m.Picture(cb->PictureIndex);
        const RECT marks[] = {cb->UnCheckImageRect, cb->CheckImageRect, cb->ActiveCheckImageRect, cb->UnEnabledCheckImageRect,
                              cb->GrayedCheckImageRect};
        for (int i = 0; i < 5; ++i) {
            m.Custom(win, *cb, cb->SkinRect, x0 + i * 86, cy, 84, 20);
            const RECT& mk = marks[i];
            const TImage32& src = pic;
            const TRgb key = PixelOr(src, mk.left, mk.bottom - 1, kKeyColor);
            DrawKeyed(win, src, mk, x0 + i * 86 + 2, cy + 2, key);
            m.Label(win, x0 + i * 86 + 22, cy + 7, i == 2 ? "HOT" : "CHECK", i == 3 ? cb->UnEnabledFontColor : (i == 2 ? cb->ActiveFontColor : cb->FontColor));
        }
    }
    cy += 24;
    if (const auto* rb = m.Control<TskDataSkinCheckRadioControl>("radiobox")) {
        const TImage32& pic = m.Picture(rb->PictureIndex);
        const RECT marks[] = {rb->UnCheckImageRect, rb->CheckImageRect, rb->ActiveUnCheckImageRect, rb->UnEnabledUnCheckImageRect};
        for (int i = 0; i < 4; ++i) {
            m.Custom(win, *rb, rb->SkinRect, x0 + i * 86, cy, 84, 20);
            const TRgb key = PixelOr(pic, marks[i].left, marks[i].bottom - 1, kKeyColor);
            DrawKeyed(win, pic, marks[i], x0 + i * 86 + 2, cy + 2, key);
            m.Label(win, x0 + i * 86 + 22, cy + 7, "RADIO", rb->FontColor);
        }
        if (const auto* sl = m.Control<TskDataSkinSlider>("slider")) {
            const TImage32& sp = m.Picture(sl->PictureIndex);
            Apply(win, sp, LayoutHorzBandImage(sl->EdgeSize, sl->EdgeSize, SizeOf(sp), sl->HRulerRect, 120, false), x0 + 350, cy + 7);
            const RECT th = Rect(sl->HThumbRect.left, sl->HThumbRect.top, sl->HThumbRect.left + RectW(sl->HThumbRect) / 2, sl->HThumbRect.bottom);
            DrawKeyed(win, sp, th, x0 + 390, cy, PixelOr(sp, th.left, th.bottom - 1, kKeyColor));
        }
    }
    cy += 30;
    // Tabs over a page, a list box with a hot and a focused item, scroll bars, up-down, group box.
    if (const auto* tab = m.Control<TskDataSkinTabControl>("tab")) {
        const TImage32& pic = m.Picture(tab->PictureIndex);
        const int th = RectH(tab->TabRect), pw = 260, ph = 120;
        const int step = RectW(CutToPicture(tab->TabsBGRect, SizeOf(pic)));
        for (int x = x0; step > 0 && x < x0 + pw; x += step)
            win.Copy(pic, tab->TabsBGRect, x, cy);
        TskDataSkinCustomControl page("page");
        page.SkinRect = tab->SkinRect;
        page.LTPoint = tab->LTPoint;
        page.RTPoint = tab->RTPoint;
        page.LBPoint = tab->LBPoint;
        page.RBPoint = tab->RBPoint;
        page.ClRect = tab->ClRect;
        page.PictureIndex = tab->PictureIndex;
        m.Custom(win, page, tab->SkinRect, x0, cy + th, pw, ph);
        for (int i = 2; i >= 0; --i) {
            const RECT s = i == 0 ? tab->ActiveTabRect : (i == 1 ? tab->MouseInTabRect : tab->TabRect);
            const int tx = x0 + i * 78;
            Apply(win, pic, LayoutHorzBandImage(tab->TabLeftOffset, tab->TabRightOffset, SizeOf(pic), s, 80, tab->TabStretchEffect), tx,
                  cy);
            m.Label(win, tx + 14, cy + 9, i == 0 ? "GENERAL" : "MEDIA", i == 0 ? tab->ActiveFontColor : tab->FontColor);
        }
        if (const auto* lb = m.Control<TskDataSkinListBox>("listbox")) {
            const int lx = x0 + 10, ly = cy + th + 12;
            m.Custom(win, *lb, lb->SkinRect, lx, ly, 200, 96);
            const TImage32& lp = m.Picture(lb->PictureIndex);
            const char* rows[] = {"MOVIE.AVI", "CONCERT.MKV", "HOLIDAY.MP4", "SONG.WAV"};
            for (int i = 0; i < 4; ++i) {
                const int iy = ly + 4 + i * 20;
                if (i == 1 || i == 2)
                    Apply(win, lp, LayoutHorzBandImage(lb->ItemLeftOffset, lb->ItemRightOffset, SizeOf(lp), i == 1 ? lb->ActiveItemRect : lb->FocusItemRect,
                                                       182, true),
                          lx + 2, iy);
                m.Label(win, lx + 8, iy + 6, rows[i], i == 2 ? lb->FocusFontColor : lb->FontColor);
            }
            if (const auto* vs = m.Control<TskDataSkinScrollBarControl>("vscrollbar")) {
                m.Custom(win, *vs, vs->SkinRect, lx + 200 - 19, ly + 2, RectW(vs->SkinRect), 92);
                win.Copy(lp, vs->ThumbRect, lx + 200 - 19, ly + 30);
                const RECT g = vs->GlyphRect;
                DrawKeyed(win, lp, g, lx + 200 - 19 + (RectW(vs->ThumbRect) - RectW(g)) / 2, ly + 30 + (RectH(vs->ThumbRect) - RectH(g)) / 2, kKeyColor);
            }
        }
        cy += th + ph;
    }
    const int rx = x0 + 280;
    int ry = cy - 150;
    if (const auto* hs = m.Control<TskDataSkinScrollBarControl>("hscrollbar")) {
        const TImage32& p = m.Picture(hs->PictureIndex);
        m.Custom(win, *hs, hs->SkinRect, rx, ry, 180, RectH(hs->SkinRect));
        win.Copy(p, hs->ActiveUpButtonRect, rx + 180 - RectW(hs->ActiveUpButtonRect), ry);
        Apply(win, p, LayoutHorzBandImage(hs->ThumbOffset1, hs->ThumbOffset2, SizeOf(p), hs->ActiveThumbRect, 60, true), rx + 50, ry);
        DrawKeyed(win, p, hs->GlyphRect, rx + 50 + (60 - RectW(hs->GlyphRect)) / 2, ry + (RectH(hs->SkinRect) - RectH(hs->GlyphRect)) / 2, kKeyColor);
    }
    ry += 28;
    for (const char* ud : {"hupdown", "vupdown"})
        if (const auto* u = m.Control<TskDataSkinUpDownControl>(ud)) {
            win.Copy(m.Picture(u->PictureIndex), u->SkinRect, rx + (ud[0] == 'h' ? 0 : 50), ry);
            win.Copy(m.Picture(u->PictureIndex), u->ActiveUpButtonRect, rx + (ud[0] == 'h' ? 0 : 50) + u->UpButtonRect.left, ry + u->UpButtonRect.top);
        }
    if (const auto* be = m.Control<TskDataSkinEditControl>("buttonedit"))
        m.Custom(win, *be, be->SkinRect, rx + 80, ry, 100, RectH(be->SkinRect));
    ry += 40;
    if (const auto* gb = m.Control<TskDataSkinPanelControl>("groupbox")) {
        m.Custom(win, *gb, gb->SkinRect, rx, ry, 180, 70);
        const TImage32& p = m.Picture(gb->PictureIndex);
        Apply(win, p, LayoutHorzBandImage(gb->FrameLeftOffset, gb->FrameRightOffset, SizeOf(p), gb->FrameRect, 60, false), rx + 6, ry);
        m.Label(win, rx + 12, ry + 4, "OUTPUT", gb->FontColor);
    }
    // Status bar at the bottom of the client.
    if (const auto* sb = m.Control<TskDataSkinPanelControl>("statusbar")) {
        m.Custom(win, *sb, sb->SkinRect, cl.left, cl.bottom - 21, cw, 21);
        m.Label(win, cl.left + 8, cl.bottom - 14, "READY", sb->FontColor);
        const TImage32& p = m.Picture(sb->PictureIndex);
        DrawKeyed(win, p, sb->GripperRect, cl.right - RectW(sb->GripperRect) - 2, cl.bottom - RectH(sb->GripperRect) - 2, kKeyColor);
    }
    // The layered border around the form, then the form cut by its frame mask.
    const TskDataSkinLayerFrame& lf = *d.LayerFrame;
    const TImage32 layer = WithMask(m.Picture(lf.PictureIndex), m.Picture(lf.MaskPictureIndex));
    const std::int64_t layerW = std::int64_t{W} + layer.Width() - RectW(lf.ClRect),
                       layerH = std::int64_t{H} + layer.Height() - RectH(lf.ClRect);
    if (layer.Width() > 0 && FitsSheet(layerW, layerH)) {
        const int lw = static_cast<int>(layerW), lh = static_cast<int>(layerH);
        const TskSliceGeometry g = Grown(lf.LTPoint, lf.RTPoint, lf.LBPoint, lf.RBPoint, lf.ClRect, lw - layer.Width(),
                                         lh - layer.Height());
        TImage32 sized(lw, lh);
        Apply(sized, layer, LayoutNineSliceImage(g, SizeOf(layer), Rect(0, 0, layer.Width(), layer.Height()), lw, lh, false,
                                                 TskEdgeStretch{true, true, true, true}, false, skstFull), 0, 0);
        sheet.Draw(sized, Rect(0, 0, lw, lh), ClampToInt(std::int64_t{ox} - lf.ClRect.left),
                   ClampToInt(std::int64_t{oy} - lf.ClRect.top));
    }
    const TImage32 mask = FromBitmap(d.FMask.get());
    for (int y2 = 0; y2 < H; ++y2)
        for (int x2 = 0; x2 < W; ++x2) {
            // Mask pixels lie in the frame's corners: map the window's corners onto the mask's.
            bool inside = true;
            if (mask.Width() > 0) {
                const int mx = x2 < mask.Width() / 2 ? x2 : (x2 >= W - mask.Width() / 2 ? x2 - W + mask.Width() : -1);
                const int my = y2 < mask.Height() / 2 ? y2 : (y2 >= H - mask.Height() / 2 ? y2 - H + mask.Height() : -1);
                if (mx >= 0 && my >= 0)
                    inside = mask.At(mx, my).R == 0;
            }
            if (inside)
                sheet.Set(ox + x2, oy + y2, win.At(x2, y2));
        }
}

void MockBoxes(TImage32& sheet, const TSheetMock& m, int ox, int oy)
{
    const auto* combo = m.Control<TskDataSkinComboBox>("combobox");
    const auto* list = m.Control<TskDataSkinListBox>("listbox");
    const auto* drop = m.Control<TskDataSkinCustomControl>("resizetoolpanel");
    const auto* button = m.Control<TskDataSkinButtonControl>("combobutton");
    const auto* header = m.Control<TskDataSkinLabelControl>("label");
    if (!combo || !list || !drop || !button || !header)
        return;
    const TImage32& pic = m.Picture(combo->PictureIndex);
    const int h = 51;
    struct TBox {
        int X, W, Rows, RowH;
        const TskDataSkinCustomControl* List;
        int Icon;
    };
    for (const TBox& b : {TBox{ox, 140, 4, 50, drop, 48}, TBox{ox + 170, 456, 4, 60, list, 32}}) {
        ClientSlice(sheet, pic, combo->SkinRect, combo->ClRect, b.X, oy, b.W, h);
        const RECT br = Rect(b.X + b.W - 19, oy + 2, b.X + b.W - 2, oy + h - 2);
        ClientSlice(sheet, pic, button->SkinRect, button->ClRect, br.left, br.top, RectW(br), RectH(br));
        PaintArrow(sheet, br, 4, 4, FromColorRef(button->FontColor));
        sheet.Draw(CategoryIcon(0, b.Icon), Rect(0, 0, b.Icon, b.Icon), b.X + 6, oy + (h - b.Icon) / 2);
        m.Label(sheet, b.X + b.Icon + 12, oy + h / 2 - 4, b.Rows == 4 && b.W > 200 ? "AVI - VIDEO" : "VIDEO", combo->FontColor);
        // The dropped-down list: a header row, then items, the second one under the mouse.
        const int lh = 20 + b.Rows * b.RowH + 4, ly = oy + h + 2;
        ClientSlice(sheet, pic, b.List->SkinRect, b.List->ClRect, b.X, ly, b.W, lh);
        const RECT inner = Rect(b.X + b.List->ClRect.left, ly + b.List->ClRect.top, b.X + b.W - (RectW(b.List->SkinRect) - b.List->ClRect.right),
                                ly + lh);
        ClientSlice(sheet, m.Picture(header->PictureIndex), header->SkinRect, header->ClRect, inner.left, inner.top, RectW(inner), 20);
        m.Label(sheet, inner.left + RectW(inner) / 2 - 20, inner.top + 7, "GROUP", header->FontColor);
        for (int i = 0; i < b.Rows; ++i) {
            const int ry = inner.top + 20 + i * b.RowH;
            if (i == 1)
                ClientSlice(sheet, pic, list->ActiveItemRect, list->ItemTextRect, inner.left, ry, RectW(inner), b.RowH);
            else if (b.List == list)
                sheet.Fill(Rect(inner.left, ry + b.RowH - 1, inner.right, ry + b.RowH), FromColorRef(m.D_.SkinColors()->cBtnShadow()));
            sheet.Draw(CategoryIcon(i * 7 + 10, b.Icon), Rect(0, 0, b.Icon, b.Icon), inner.left + 4, ry + (b.RowH - b.Icon) / 2);
            m.Label(sheet, inner.left + b.Icon + 10, ry + b.RowH / 2 - 4, i == 1 ? "UNDER THE MOUSE" : "A FORMAT",
                    i == 1 ? list->ActiveFontColor : list->FontColor);
        }
    }
}

void MockPopup(TImage32& sheet, const TSheetMock& m, int ox, int oy)
{
    const TskSkinData& d = m.D_;
    const TskDataSkinPopupWindow& pw = *d.PopupWindow;
    const int mi = d.GetIndex("menuitem");
    const auto* item = mi < 0 ? nullptr : dynamic_cast<const TskDataSkinMenuItem*>(d.ObjectList[static_cast<std::size_t>(mi)].get());
    // As the program does, a picture index outside the skin's list is no picture: no menu.
    const TImage32& wp = m.Picture(pw.WindowPictureIndex);
    if (!item || wp.Width() == 0)
        return;
    const TImage32& ip = m.Picture(item->ActivePictureIndex);
    const int ih = RectH(item->SkinRect), dh = RectH(item->DividerRect);
    const std::int64_t height = std::int64_t{4} * ih + dh + wp.Height() - RectH(pw.ItemsRect);
    if (!FitsSheet(170, height) || !FitsSheet(std::int64_t{ih} + 1, std::int64_t{dh} + 1))
        return;
    const int w = 170, h = static_cast<int>(height);
    const int dw = w - wp.Width(), ddh = h - wp.Height();
    const TskSliceGeometry g = Grown(pw.LTPoint, pw.RTPoint, pw.LBPoint, pw.RBPoint, pw.ItemsRect, dw, ddh);
    TImage32 win(w, h);
    Apply(win, wp, LayoutNineSliceImage(g, SizeOf(wp), Rect(0, 0, wp.Width(), wp.Height()), w, h, true,
                                        TskEdgeStretch{pw.LeftStretch, pw.TopStretch, pw.RightStretch, pw.BottomStretch},
                                        pw.StretchEffect, pw.StretchType),
          0, 0);
    const int iw = ClampToInt(std::int64_t{w} - wp.Width() + RectW(pw.ItemsRect));
    int y = pw.ItemsRect.top;
    const char* texts[] = {"ADD FILE", "ADD FOLDER", "-", "OPTIONS", "SKINS"};
    for (int i = 0; i < 5; ++i) {
        if (texts[i][0] == '-') {
            Apply(win, ip, LayoutHorzBandImage(item->DividerLO, item->DividerRO, SizeOf(ip), item->DividerRect, iw, true), pw.ItemsRect.left, y);
            y += dh;
            continue;
        }
        const bool hot = i == 1;
        if (hot)
            Apply(win, ip, LayoutHorzBandImage(item->ItemLO, item->ItemRO, SizeOf(ip), item->ActiveSkinRect, iw, true), pw.ItemsRect.left, y);
        m.Label(win, pw.ItemsRect.left + item->TextRct.left, y + (ih - 7) / 2, texts[i], hot ? item->ActiveFontColor : item->FontColor);
        if (i == 0 || i == 1) {
            const RECT mk = hot ? item->ActiveCheckImageRect : item->CheckImageRect;
            DrawKeyed(win, ip, mk, pw.ItemsRect.left + item->ImageRct.left + RectW(item->ImageRct) / 2 - 8,
                      y + RectH(item->ImageRct) / 2 - 8, PixelOr(ip, mk.left, mk.bottom - 1, kKeyColor));
        }
        if (i == 4) {
            const RECT a = item->ArrowImageRect;
            DrawKeyed(win, ip, a, pw.ItemsRect.left + iw - (RectW(item->SkinRect) - item->TextRct.right) - 5 - RectW(a) + 0,
                      y + ih / 2 - RectH(a) / 2, PixelOr(ip, a.left, a.bottom - 1, kKeyColor));
        }
        y += ih;
    }
    sheet.Copy(win, Rect(0, 0, w, h), ox, oy);

    const TskDataSkinHintWindow& hw = *d.HintWindow;
    if (const TImage32& hp = m.Picture(hw.WindowPictureIndex); hp.Width() > 0) {
        const int hwid = 150, hh = 26, hdw = hwid - hp.Width(), hdh = hh - hp.Height();
        const TskSliceGeometry hg = Grown(hw.LTPoint, hw.RTPoint, hw.LBPoint, hw.RBPoint, hw.ClRect, hdw, hdh);
        TImage32 hint(hwid, hh);
        Apply(hint, hp, LayoutNineSliceImage(hg, SizeOf(hp), Rect(0, 0, hp.Width(), hp.Height()), hwid, hh, true,
                                             TskEdgeStretch{hw.LeftStretch, hw.TopStretch, hw.RightStretch, hw.BottomStretch},
                                             hw.StretchEffect, hw.StretchType),
              0, 0);
        m.Label(hint, 10, 10, "A HINT TEXT", hw.FontColor);
        sheet.Copy(hint, Rect(0, 0, hwid, hh), ox, oy + h + 16);
    }
}
