#include "tools/skingen/SheetMock.h"

#include "classlib/Bitmap.h"
#include "tools/skingen/PixelFont.h"

#include <algorithm>

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

void DrawKeyed(TImage32& dst, const TImage32& pic, const RECT& src, int x, int y, TRgb key)
{
    const RECT r = InsideOf(pic, src, x, y);
    for (int j = 0; j < RectH(r); ++j)
        for (int i = 0; i < RectW(r); ++i) {
            const TRgb c = pic.At(r.left + i, r.top + j);
            if (!(c.R == key.R && c.G == key.G && c.B == key.B))
                dst.Set(x + i, y + j, c);
        }
}

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

TskSliceGeometry Grown(POINT lt, POINT rt, POINT lb, POINT rb, const RECT& cl, int dw, int dh)
{
    auto add = [](LONG a, int b) { return ClampToInt(std::int64_t{a} + b); };
    return TskSliceGeometry{lt, rt, lb, rb, cl,
                            lt, TSheetMock::Pt(add(rt.x, dw), rt.y), TSheetMock::Pt(lb.x, add(lb.y, dh)),
                            TSheetMock::Pt(add(rb.x, dw), add(rb.y, dh)),
                            Rect(cl.left, cl.top, add(cl.right, dw), add(cl.bottom, dh))};
}

bool FitsSheet(std::int64_t w, std::int64_t h)
{
    constexpr std::int64_t kMaxSide = 4096;
    return w >= 1 && h >= 1 && w <= kMaxSide && h <= kMaxSide;
}

void ClientSlice(TImage32& dst, const TImage32& pic, const RECT& s, const RECT& c, int x, int y, int w, int h)
{
    const int dw = w - RectW(s), dh = h - RectH(s);
    const POINT lt = TSheetMock::Pt(c.left, c.top), rt = TSheetMock::Pt(c.right, c.top), lb = TSheetMock::Pt(c.left, c.bottom),
                rb = TSheetMock::Pt(c.right, c.bottom);
    const TskSliceGeometry g = Grown(lt, rt, lb, rb, c, dw, dh);
    Apply(dst, pic, LayoutNineSliceImage(g, SizeOf(pic), s, w, h, true, TskEdgeStretch{true, true, true, true}, true, skstFull), x, y);
}

TSheetMock::TSheetMock(TskSkinData& data) : D_(data)
{
    for (const auto& b : data.FActivePictures)
        Pictures_.push_back(FromBitmap(b.get()));
}

const TImage32& TSheetMock::Picture(int i) const
{
    static const TImage32 none;
    return i >= 0 && i < static_cast<int>(Pictures_.size()) ? Pictures_[static_cast<std::size_t>(i)] : none;
}

POINT TSheetMock::Pt(int x, int y)
{
    POINT p;
    p.x = x;
    p.y = y;
    return p;
}

void TSheetMock::Custom(TImage32& dst, const TskDataSkinCustomControl& d, const RECT& s, int x, int y, int w, int h) const
{
    const TImage32& pic = Picture(d.PictureIndex);
    const int sw = RectW(d.SkinRect), sh = RectH(d.SkinRect);
    if (d.RBPoint.x != 0 && d.RBPoint.y != 0) {
        const int dw = w - sw, dh = h - sh;
        const TskSliceGeometry g = Grown(d.LTPoint, d.RTPoint, d.LBPoint, d.RBPoint, d.ClRect, dw, dh);
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

void TSheetMock::Label(TImage32& dst, int x, int y, std::string_view text, TColor color) const
{
    DrawPixelText(dst, x, y, text, TPixelFont::Large, FromColorRef(color));
}

void TSheetMock::Button(TImage32& dst, const char* name, int state, int x, int y, int w, int h, std::string_view text) const
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

void TSheetMock::Frame(TImage32& dst, int w, int h, bool active) const
{
    TImage32 pic = FromBitmap(active || !D_.FInActivePicture || D_.FInActivePicture->Empty() ? D_.FPicture.get()
                                                                                          : D_.FInActivePicture.get());
    const int pw = pic.Width(), ph = pic.Height(), dw = w - pw, dh = h - ph;
    const TskSliceGeometry g = Grown(D_.LTPoint, D_.RTPoint, D_.LBPoint, D_.RBPoint, D_.ClRect, dw, dh);
    const TskFrameBorderLayout l = LayoutFrameBorderImages(
        g, SizeOf(pic), Rect(0, 0, pw, ph), w, h,
        TskEdgeStretch{D_.LeftStretch, D_.TopStretch, D_.RightStretch, D_.BottomStretch}, 0, 0);
    Apply(dst, pic, l.Top, 0, 0);
    Apply(dst, pic, l.Left, 0, l.TopSize.cy);
    Apply(dst, pic, l.Right, w - l.RightSize.cx, l.TopSize.cy);
    Apply(dst, pic, l.Bottom, 0, h - l.BottomSize.cy);
    // The client: the frame picture's client part, tiled (a client of no size draws nothing).
    const RECT cl = CutToPicture(D_.ClRect, SizeOf(pic));
    for (int y = cl.top; RectH(cl) > 0 && y < h - (ph - cl.bottom); y += RectH(cl))
        for (int x = cl.left; RectW(cl) > 0 && x < w - (pw - cl.right); x += RectW(cl))
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
            // Within the caption's text rectangle (which grows with the form), cut short where
            // it would run under the buttons.
            const int left = std::max(tx, static_cast<int>(c->SkinRect.left + c->TextRct.left));
            const int right = std::min(x, static_cast<int>(c->SkinRect.left + c->TextRct.right + dw));
            std::string text = "ZUDEVIVIVODUV";
            while (!text.empty() && PixelTextWidth(text, TPixelFont::Large) > right - left)
                text.pop_back();
            const int tw = PixelTextWidth(text, TPixelFont::Large);
            const int cx = c->Alignment == TAlignment::taCenter ? left + (right - left - tw) / 2 : left + 2;
            Label(dst, cx, (D_.ClRect.top - 7) / 2, text, active ? c->ActiveFontColor : c->FontColor);
        }
}
