#include "tools/skingen/ContactSheet.h"

#include "classlib/Bitmap.h"
#include "classlib/Streams.h"
#include "skin/core/skCompressedStoredSkin.h"
#include "skin/core/skDataSkinControls.h"
#include "skin/core/skDataSkinExtraControls.h"
#include "skin/core/skSkinData.h"
#include "skin/core/skSkinImageLayout.h"
#include "tools/skingen/CategoryIcons.h"
#include "tools/skingen/PixelFont.h"
#include "tools/skingen/SkinPaint.h"
#include "tools/skingen/ProgramArt.h"

#include <algorithm>

namespace {

TImage32 FromBitmap(TBitmap* b)
{
    if (!b || b->Empty())
        return TImage32();
    const TDibData d = b->GetDibData().To32Bit();
    TImage32 img(d.Width, d.Height);
    for (int y = 0; y < d.Height; ++y)
        for (int x = 0; x < d.Width; ++x) {
            const std::uint8_t* p = d.Row(y) + x * 4;
            img.Set(x, y, TRgb{p[2], p[1], p[0], 255});
        }
    return img;
}

TRgb FromColorRef(TColor c)
{
    return TRgb{static_cast<std::uint8_t>(c & 0xFF), static_cast<std::uint8_t>((c >> 8) & 0xFF),
                static_cast<std::uint8_t>((c >> 16) & 0xFF), 255};
}

SIZE SizeOf(const TImage32& i)
{
    SIZE s;
    s.cx = i.Width();
    s.cy = i.Height();
    return s;
}

void Apply(TImage32& dst, const TImage32& pic, const TskImagePieces& pieces, int ox, int oy)
{
    for (const TskImagePiece& p : pieces) {
        const RECT d = Offset(p.Dst, ox, oy);
        if (RectW(d) == RectW(p.Src) && RectH(d) == RectH(p.Src))
            dst.Copy(pic, p.Src, d.left, d.top);
        else
            dst.StretchCopy(pic, p.Src, d);
    }
}

// Copies src of pic to (x, y), leaving out pixels of the transparent colour.
void DrawKeyed(TImage32& dst, const TImage32& pic, const RECT& src, int x, int y, TRgb key)
{
    for (int j = 0; j < RectH(src); ++j)
        for (int i = 0; i < RectW(src); ++i)
            if (pic.Contains(src.left + i, src.top + j)) {
                const TRgb c = pic.At(src.left + i, src.top + j);
                if (!(c.R == key.R && c.G == key.G && c.B == key.B))
                    dst.Set(x + i, y + j, c);
            }
}

// A picture whose opacity is the brightness of a mask picture.
TImage32 WithMask(const TImage32& pic, const TImage32& mask)
{
    TImage32 out = pic;
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < out.Width(); ++x) {
            const TRgb m = mask.Contains(x, y) ? mask.At(x, y) : Rgb(0x000000);
            out.At(x, y).A = static_cast<std::uint8_t>((m.R + m.G + m.B) / 3);
        }
    return out;
}

class TMock {
public:
    TMock(TskSkinData& data) : D_(data)
    {
        for (const auto& b : data.FActivePictures)
            Pictures_.push_back(FromBitmap(b.get()));
    }

    template <class T>
    const T* Control(const char* name) const
    {
        const int i = D_.GetControlIndex(name);
        return i < 0 ? nullptr : dynamic_cast<const T*>(D_.CtrlList[static_cast<std::size_t>(i)].get());
    }

    const TImage32& Picture(int i) const
    {
        static const TImage32 none;
        return i >= 0 && i < static_cast<int>(Pictures_.size()) ? Pictures_[static_cast<std::size_t>(i)] : none;
    }

    // A custom control description at any size, by its resize rule, from state rectangle s.
    void Custom(TImage32& dst, const TskDataSkinCustomControl& d, const RECT& s, int x, int y, int w, int h) const
    {
        const TImage32& pic = Picture(d.PictureIndex);
        const int sw = RectW(d.SkinRect), sh = RectH(d.SkinRect);
        if (d.RBPoint.x != 0 && d.RBPoint.y != 0) {
            const int dw = w - sw, dh = h - sh;
            TskSliceGeometry g{d.LTPoint, d.RTPoint, d.LBPoint, d.RBPoint, d.ClRect,
                               d.LTPoint, Pt(d.RTPoint.x + dw, d.RTPoint.y), Pt(d.LBPoint.x, d.LBPoint.y + dh),
                               Pt(d.RBPoint.x + dw, d.RBPoint.y + dh),
                               Rect(d.ClRect.left, d.ClRect.top, d.ClRect.right + dw, d.ClRect.bottom + dh)};
            Apply(dst, pic, LayoutNineSliceImage(g, SizeOf(pic), s, w, h, true,
                                                 TskEdgeStretch{d.LeftStretch, d.TopStretch, d.RightStretch, d.BottomStretch},
                                                 d.StretchEffect, d.StretchType),
                  x, y);
        } else if (d.RTPoint.x != 0 || d.RTPoint.y != 0) {
            Apply(dst, pic, LayoutHorzBandImage(d.LTPoint.x, sw - d.RTPoint.x, SizeOf(pic), s, w, d.StretchEffect), x, y);
        } else if (d.LBPoint.x != 0 || d.LBPoint.y != 0) {
            Apply(dst, pic, LayoutVertBandImage(d.LTPoint.y, sh - d.LBPoint.y, SizeOf(pic), s, h, d.StretchEffect), x, y);
        } else {
            dst.Copy(pic, s, x, y);
        }
    }

    static POINT Pt(int x, int y)
    {
        POINT p;
        p.x = x;
        p.y = y;
        return p;
    }

    void Label(TImage32& dst, int x, int y, std::string_view text, TColor color) const
    {
        DrawPixelText(dst, x, y, text, TPixelFont::Large, FromColorRef(color));
    }

    // A button description drawn in one state with a centred label.
    void Button(TImage32& dst, const char* name, int state, int x, int y, int w, int h, std::string_view text) const
    {
        const auto* b = Control<TskDataSkinButtonControl>(name);
        if (!b)
            return;
        const RECT s[] = {b->SkinRect, b->ActiveSkinRect, b->DownSkinRect, b->DisabledSkinRect, b->FocusedSkinRect};
        const TColor c[] = {b->FontColor, b->ActiveFontColor, b->DownFontColor, b->DisabledFontColor, b->FontColor};
        const RECT src = RectW(s[state]) > 0 ? s[state] : b->SkinRect;
        Custom(dst, *b, src, x, y, w, h);
        Label(dst, x + (w - PixelTextWidth(text, TPixelFont::Large)) / 2, y + (h - 7) / 2, text, c[state]);
    }

    void Frame(TImage32& dst, int w, int h, bool active) const
    {
        TImage32 pic = FromBitmap(active || !D_.FInActivePicture || D_.FInActivePicture->Empty() ? D_.FPicture.get()
                                                                                              : D_.FInActivePicture.get());
        const int pw = pic.Width(), ph = pic.Height(), dw = w - pw, dh = h - ph;
        TskSliceGeometry g{D_.LTPoint, D_.RTPoint, D_.LBPoint, D_.RBPoint, D_.ClRect,
                           D_.LTPoint, Pt(D_.RTPoint.x + dw, D_.RTPoint.y), Pt(D_.LBPoint.x, D_.LBPoint.y + dh),
                           Pt(D_.RBPoint.x + dw, D_.RBPoint.y + dh),
                           Rect(D_.ClRect.left, D_.ClRect.top, D_.ClRect.right + dw, D_.ClRect.bottom + dh)};
        const TskFrameBorderLayout l = LayoutFrameBorderImages(
            g, SizeOf(pic), Rect(0, 0, pw, ph), w, h,
            TskEdgeStretch{D_.LeftStretch, D_.TopStretch, D_.RightStretch, D_.BottomStretch}, 0, 0);
        Apply(dst, pic, l.Top, 0, 0);
        Apply(dst, pic, l.Left, 0, l.TopSize.cy);
        Apply(dst, pic, l.Right, w - l.RightSize.cx, l.TopSize.cy);
        Apply(dst, pic, l.Bottom, 0, h - l.BottomSize.cy);
        // The client: the frame picture's client part, tiled.
        const RECT cl = D_.ClRect;
        for (int y = cl.top; y < h - (ph - cl.bottom); y += RectH(cl))
            for (int x = cl.left; x < w - (pw - cl.right); x += RectW(cl))
                dst.Copy(pic, Rect(cl.left, cl.top, std::min<int>(cl.right, cl.left + w - (pw - cl.right) - x),
                                   std::min<int>(cl.bottom, cl.top + h - (ph - cl.bottom) - y)),
                         x, y);
        // Caption buttons from the right end of the caption row, the icon place at its left.
        const RECT row = Rect(D_.CaptionRect.left, D_.CaptionRect.top, D_.CaptionRect.right + dw, D_.CaptionRect.bottom);
        int x = row.right;
        for (TskStdCommand cmd : {cmClose, cmMaximize, cmMinimize}) {
            for (const auto& o : D_.ObjectList) {
                const auto* b = dynamic_cast<const TskDataSkinStdButton*>(o.get());
                if (!b || b->Command != cmd)
                    continue;
                const RECT s = !active && RectW(b->InActiveSkinRect) > 0 ? b->InActiveSkinRect
                                                                         : (cmd == cmClose && active ? b->ActiveSkinRect : b->SkinRect);
                dst.Copy(Picture(b->ActivePictureIndex), s, x - RectW(s), row.top);
                x -= RectW(s) + D_.ButtonsOffset;
            }
        }
        int tx = row.left;
        for (const auto& o : D_.ObjectList)
            if (const auto* b = dynamic_cast<const TskDataSkinStdButton*>(o.get()); b && b->Command == cmSysMenu) {
                const RECT s = !active && RectW(b->InActiveSkinRect) > 0 ? b->InActiveSkinRect : b->SkinRect;
                dst.Copy(Picture(b->ActivePictureIndex), s, row.left, row.top + RectH(row) / 2 - RectH(s) / 2);
                tx += RectW(s) + 4;
            }
        for (const auto& o : D_.ObjectList)
            if (const auto* c = dynamic_cast<const TskDataSkinCaption*>(o.get())) {
                const std::string_view text = "ZUDEVIVIVODUV";
                // Centred between the system menu and the buttons, where the caption object lies.
                const int cx = c->Alignment == skaCenter ? (tx + x - PixelTextWidth(text, TPixelFont::Large)) / 2 : tx + 4;
                Label(dst, cx, (D_.ClRect.top - 7) / 2, text, active ? c->ActiveFontColor : c->FontColor);
            }
    }

    TskSkinData& D_;
    std::vector<TImage32> Pictures_;
};

void MockWindow(TImage32& sheet, const TMock& m, int ox, int oy, const std::vector<TImage32>& icons)
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
        if (oi >= 0) {
            const auto* item = dynamic_cast<const TskDataSkinMainMenuItem*>(d.ObjectList[static_cast<std::size_t>(oi)].get());
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
        const int gx = x0 + 86 - b->GlowLayerShowOffsetX, gy = cy - b->GlowLayerShowOffsetY;
        const RECT c = Rect(b->GlowLayerOffsetLeft, b->GlowLayerOffsetTop, glow.Width() - b->GlowLayerOffsetRight,
                            glow.Height() - b->GlowLayerOffsetBottom);
        const int gw = glow.Width() + 80 - RectW(b->SkinRect), gh = glow.Height() + 25 - RectH(b->SkinRect);
        TskSliceGeometry g{TMock::Pt(c.left, c.top), TMock::Pt(c.right, c.top), TMock::Pt(c.left, c.bottom), TMock::Pt(c.right, c.bottom), c,
                           TMock::Pt(c.left, c.top), TMock::Pt(c.right + gw - glow.Width(), c.top), TMock::Pt(c.left, c.bottom + gh - glow.Height()),
                           TMock::Pt(c.right + gw - glow.Width(), c.bottom + gh - glow.Height()),
                           Rect(c.left, c.top, c.right + gw - glow.Width(), c.bottom + gh - glow.Height())};
        TImage32 sized(gw, gh);
        Apply(sized, glow, LayoutNineSliceImage(g, SizeOf(glow), Rect(0, 0, glow.Width(), glow.Height()), gw, gh, true,
                                                TskEdgeStretch{true, true, true, true}, true, skstFull), 0, 0);
        win.Draw(sized, Rect(0, 0, gw, gh), gx, gy);
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
            const TRgb key = src.At(mk.left, mk.bottom - 1);
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
            const TRgb key = pic.At(marks[i].left, marks[i].bottom - 1);
            DrawKeyed(win, pic, marks[i], x0 + i * 86 + 2, cy + 2, key);
            m.Label(win, x0 + i * 86 + 22, cy + 7, "RADIO", rb->FontColor);
        }
        if (const auto* sl = m.Control<TskDataSkinSlider>("slider")) {
            const TImage32& sp = m.Picture(sl->PictureIndex);
            Apply(win, sp, LayoutHorzBandImage(sl->EdgeSize, sl->EdgeSize, SizeOf(sp), sl->HRulerRect, 120, false), x0 + 350, cy + 7);
            const RECT th = Rect(sl->HThumbRect.left, sl->HThumbRect.top, sl->HThumbRect.left + RectW(sl->HThumbRect) / 2, sl->HThumbRect.bottom);
            DrawKeyed(win, sp, th, x0 + 390, cy, sp.At(th.left, th.bottom - 1));
        }
    }
    cy += 30;
    // Tabs over a page, a list box with a hot and a focused item, scroll bars, up-down, group box.
    if (const auto* tab = m.Control<TskDataSkinTabControl>("tab")) {
        const TImage32& pic = m.Picture(tab->PictureIndex);
        const int th = RectH(tab->TabRect), pw = 260, ph = 120;
        for (int x = x0; x < x0 + pw; x += RectW(tab->TabsBGRect))
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
    if (lf.PictureIndex >= 0) {
        const TImage32 layer = WithMask(m.Picture(lf.PictureIndex), m.Picture(lf.MaskPictureIndex));
        const int lw = W + layer.Width() - RectW(lf.ClRect), lh = H + layer.Height() - RectH(lf.ClRect);
        const int dw = lw - layer.Width(), dh = lh - layer.Height();
        TskSliceGeometry g{lf.LTPoint, lf.RTPoint, lf.LBPoint, lf.RBPoint, lf.ClRect,
                           lf.LTPoint, TMock::Pt(lf.RTPoint.x + dw, lf.RTPoint.y), TMock::Pt(lf.LBPoint.x, lf.LBPoint.y + dh),
                           TMock::Pt(lf.RBPoint.x + dw, lf.RBPoint.y + dh),
                           Rect(lf.ClRect.left, lf.ClRect.top, lf.ClRect.right + dw, lf.ClRect.bottom + dh)};
        TImage32 sized(lw, lh);
        Apply(sized, layer, LayoutNineSliceImage(g, SizeOf(layer), Rect(0, 0, layer.Width(), layer.Height()), lw, lh, false,
                                                 TskEdgeStretch{true, true, true, true}, false, skstFull), 0, 0);
        sheet.Draw(sized, Rect(0, 0, lw, lh), ox - lf.ClRect.left, oy - lf.ClRect.top);
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

// The rectangle s of a picture at w x h with the corners of c as its corner points and every
// edge and the centre stretched, as drop-down lists and office boxes compose their images.
void ClientSlice(TImage32& dst, const TImage32& pic, const RECT& s, const RECT& c, int x, int y, int w, int h)
{
    const int dw = w - RectW(s), dh = h - RectH(s);
    const POINT lt = TMock::Pt(c.left, c.top), rt = TMock::Pt(c.right, c.top), lb = TMock::Pt(c.left, c.bottom),
                rb = TMock::Pt(c.right, c.bottom);
    TskSliceGeometry g{lt, rt, lb, rb, c, lt, TMock::Pt(rt.x + dw, rt.y), TMock::Pt(lb.x, lb.y + dh), TMock::Pt(rb.x + dw, rb.y + dh),
                       Rect(c.left, c.top, c.right + dw, c.bottom + dh)};
    Apply(dst, pic, LayoutNineSliceImage(g, SizeOf(pic), s, w, h, true, TskEdgeStretch{true, true, true, true}, true, skstFull), x, y);
}

// The category and format boxes of the fixed skin, closed and with their lists dropped down.
void MockBoxes(TImage32& sheet, const TMock& m, int ox, int oy)
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

void MockPopup(TImage32& sheet, const TMock& m, int ox, int oy)
{
    const TskSkinData& d = m.D_;
    const TskDataSkinPopupWindow& pw = *d.PopupWindow;
    const int mi = d.GetIndex("menuitem");
    if (pw.WindowPictureIndex < 0 || mi < 0)
        return;
    const auto* item = dynamic_cast<const TskDataSkinMenuItem*>(d.ObjectList[static_cast<std::size_t>(mi)].get());
    const TImage32& wp = m.Picture(pw.WindowPictureIndex);
    const TImage32& ip = m.Picture(item->ActivePictureIndex);
    const int ih = RectH(item->SkinRect), dh = RectH(item->DividerRect);
    const int w = 170, h = 4 * ih + dh + (wp.Height() - RectH(pw.ItemsRect));
    const int dw = w - wp.Width(), ddh = h - wp.Height();
    TskSliceGeometry g{pw.LTPoint, pw.RTPoint, pw.LBPoint, pw.RBPoint, pw.ItemsRect,
                       pw.LTPoint, TMock::Pt(pw.RTPoint.x + dw, pw.RTPoint.y), TMock::Pt(pw.LBPoint.x, pw.LBPoint.y + ddh),
                       TMock::Pt(pw.RBPoint.x + dw, pw.RBPoint.y + ddh),
                       Rect(pw.ItemsRect.left, pw.ItemsRect.top, pw.ItemsRect.right + dw, pw.ItemsRect.bottom + ddh)};
    TImage32 win(w, h);
    Apply(win, wp, LayoutNineSliceImage(g, SizeOf(wp), Rect(0, 0, wp.Width(), wp.Height()), w, h, true,
                                        TskEdgeStretch{pw.LeftStretch, pw.TopStretch, pw.RightStretch, pw.BottomStretch},
                                        pw.StretchEffect, pw.StretchType),
          0, 0);
    const int iw = w - (wp.Width() - RectW(pw.ItemsRect));
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
                      y + RectH(item->ImageRct) / 2 - 8, ip.At(mk.left, mk.bottom - 1));
        }
        if (i == 4) {
            const RECT a = item->ArrowImageRect;
            DrawKeyed(win, ip, a, pw.ItemsRect.left + iw - (RectW(item->SkinRect) - item->TextRct.right) - 5 - RectW(a) + 0,
                      y + ih / 2 - RectH(a) / 2, ip.At(a.left, a.bottom - 1));
        }
        y += ih;
    }
    sheet.Copy(win, Rect(0, 0, w, h), ox, oy);

    const TskDataSkinHintWindow& hw = *d.HintWindow;
    if (hw.WindowPictureIndex >= 0) {
        const TImage32& hp = m.Picture(hw.WindowPictureIndex);
        const int hwid = 150, hh = 26, hdw = hwid - hp.Width(), hdh = hh - hp.Height();
        TskSliceGeometry hg{hw.LTPoint, hw.RTPoint, hw.LBPoint, hw.RBPoint, hw.ClRect,
                            hw.LTPoint, TMock::Pt(hw.RTPoint.x + hdw, hw.RTPoint.y), TMock::Pt(hw.LBPoint.x, hw.LBPoint.y + hdh),
                            TMock::Pt(hw.RBPoint.x + hdw, hw.RBPoint.y + hdh),
                            Rect(hw.ClRect.left, hw.ClRect.top, hw.ClRect.right + hdw, hw.ClRect.bottom + hdh)};
        TImage32 hint(hwid, hh);
        Apply(hint, hp, LayoutNineSliceImage(hg, SizeOf(hp), Rect(0, 0, hp.Width(), hp.Height()), hwid, hh, true,
                                             TskEdgeStretch{hw.LeftStretch, hw.TopStretch, hw.RightStretch, hw.BottomStretch},
                                             hw.StretchEffect, hw.StretchType),
              0, 0);
        m.Label(hint, 10, 10, "A HINT TEXT", hw.FontColor);
        sheet.Copy(hint, Rect(0, 0, hwid, hh), ox, oy + h + 16);
    }
}

} // namespace

TImage32 ContactSheet(std::string_view stored, std::string_view title, const std::vector<TImage32>& toolbarImages)
{
    TMemoryStream in;
    in.WriteBuffer(stored.data(), static_cast<std::int64_t>(stored.size()));
    TskCompressedStoredSkin skin(nullptr);
    skin.LoadFromCompressStream(&in);
    TskSkinData data(nullptr);
    data.LoadCompressedStoredSkin(&skin);
    TMock mock(data);

    // Pictures: the frame pictures, then the numbered ones.
    std::vector<std::pair<std::string, TImage32>> pictures;
    for (auto [name, b] : {std::pair{"FRAME", data.FPicture.get()}, std::pair{"INACTIVE", data.FInActivePicture.get()},
                           std::pair{"MASK", data.FMask.get()}})
        if (b && !b->Empty())
            pictures.emplace_back(name, FromBitmap(b));
    for (std::size_t i = 0; i < mock.Pictures_.size(); ++i)
        pictures.emplace_back("PICTURE " + std::to_string(i), mock.Pictures_[i]);

    const int margin = 24, mockW = 620, mockH = 470;
    int width = margin * 3 + mockW + 200, height = margin * 2 + 24 + mockH + margin;
    // Lay the pictures out in rows under the mock window.
    struct TPlace { int X, Y; };
    std::vector<TPlace> places;
    int x = margin, y = height, rowH = 0;
    for (const auto& p : pictures) {
        if (x > margin && x + p.second.Width() > width - margin) {
            x = margin;
            y += rowH + 20;
            rowH = 0;
        }
        places.push_back({x, y + 12});
        x += std::max(p.second.Width(), 80) + margin;
        rowH = std::max(rowH, p.second.Height() + 12);
    }
    height = y + rowH + margin;

    const bool dark = Luma(FromColorRef(data.SkinColors()->cBtnFace())) < 128;
    TImage32 sheet(width, height, dark ? Rgb(0x3C3C40) : Rgb(0xD8D8DC));
    const TRgb ink = dark ? Rgb(0xF0F0F0) : Rgb(0x202020);
    DrawPixelText(sheet, margin, margin, title, TPixelFont::Large, ink, 2);
    if (!data.FPicture->Empty()) {
        MockWindow(sheet, mock, margin, margin + 24, toolbarImages);
        MockPopup(sheet, mock, margin * 2 + mockW, margin + 24 + 40);
        // An inactive form: its own picture, or the effect the frame renders it with.
        const int ix = margin * 2 + mockW, iy = margin + 24 + 260;
        if (data.AutoRenderingInActiveImage) {
            const char* effects[] = {"BRIGHTNESS", "DARKNESS", "GRAYSCALE", "NOISE", "SPLIT BLUR", "INVERT"};
            DrawPixelText(sheet, ix, iy, std::string("INACTIVE: ") + effects[data.InActiveEffect], TPixelFont::Large,
                          dark ? Rgb(0xF0F0F0) : Rgb(0x202020));
        } else {
            TImage32 inactive(200, 90);
            mock.Frame(inactive, 200, 90, false);
            sheet.Copy(inactive, Rect(0, 0, 200, 90), ix, iy);
        }
    } else {
        MockBoxes(sheet, mock, margin, margin + 40);
    }
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        DrawPixelText(sheet, places[i].X, places[i].Y - 10, pictures[i].first, TPixelFont::Large, ink);
        sheet.Copy(pictures[i].second, Rect(0, 0, pictures[i].second.Width(), pictures[i].second.Height()), places[i].X, places[i].Y);
    }
    return sheet;
}

TImage32 PicturesSheet()
{
    constexpr int margin = 16, half = 700;
    TImage32 sheet(2 * half, 900, Rgb(0xEDEFF2));
    sheet.Fill(Rect(half, 0, 2 * half, 900), Rgb(0x2B2D33));
    for (int side = 0; side < 2; ++side) {
        const int ox = side * half + margin;
        const TRgb ink = side ? Rgb(0xE8E8E8) : Rgb(0x202020);
        int y = margin;
        DrawPixelText(sheet, ox, y, "TOOL BAR 0-17", TPixelFont::Large, ink);
        y += 12;
        for (int i = 0; i < kToolbarImageCount; ++i)
            sheet.Draw(ToolbarImage(i), Rect(0, 0, 48, 48), ox + (i % 9) * 52, y + (i / 9) * 52);
        y += 110;
        DrawPixelText(sheet, ox, y, "GLYPHS 4-17", TPixelFont::Large, ink);
        y += 12;
        for (int i = kFirstGlyph; i <= kLastGlyph; ++i) {
            const TImage32 g = ButtonGlyph(i);
            DrawKeyed(sheet, g, Rect(0, 0, 16, 16), ox + (i - kFirstGlyph) * 22, y, kKeyColor);
        }
        y += 26;
        DrawPixelText(sheet, ox, y, "CATEGORIES 48 AND 32", TPixelFont::Large, ink);
        y += 12;
        for (int c = 0; c < kCategoryCount; ++c) {
            sheet.Draw(CategoryIcon(c, 48), Rect(0, 0, 48, 48), ox + (c % 12) * 52, y + (c / 12) * 90);
            sheet.Draw(CategoryIcon(c, 32), Rect(0, 0, 32, 32), ox + (c % 12) * 52 + 8, y + (c / 12) * 90 + 52);
        }
        y += 272;
        DrawPixelText(sheet, ox, y, "ICON", TPixelFont::Large, ink);
        int x = ox;
        for (int size : {16, 32, 48}) {
            sheet.Draw(ProgramIcon(size), Rect(0, 0, size, size), x, y + 12);
            x += size + 8;
        }
        y += 70;
        DrawPixelText(sheet, ox, y, "COVER", TPixelFont::Large, ink);
        const TImage32 cover = CoverPicture();
        sheet.Draw(cover, Rect(0, 0, cover.Width(), cover.Height()), ox, y + 12);
    }
    return sheet;
}
