#include "skin/core/skBitmapDraw.h"

#include "platform/gdi/Blt.h"
#include "platform/gdi/Dc.h"
#include "platform/gdi/Objects.h"
#include "platform/kernel/Exceptions.h"
#include "platform/win/Rect.h"
#include "skin/core/TskBitmap.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

enum class RowKind { Copy, Alpha, Transparent };

void ApplyRow(RowKind kind, const TskColor32* src, TskColor32* dst, int count)
{
    switch (kind) {
    case RowKind::Copy: CopyRow(src, dst, count); break;
    case RowKind::Alpha: BlendRow(src, dst, count); break;
    case RowKind::Transparent: TransparentRow(src, dst, count); break;
    }
}

// The target of a draw: a top-down TskBitmap or bottom-up DIB memory.
struct TargetRows {
    TskColor32* bits;
    int width;
    int height;
    bool bottomUp;
    TskColor32* Row(int y) const
    {
        return bits + static_cast<std::ptrdiff_t>(bottomUp ? height - 1 - y : y) * width;
    }
};

void Block(RowKind kind, const TargetRows& target, const RECT& Clip, const TskBitmap& Source, int SrcY, int SrcX)
{
    ZD_ASSERT(target.bits != nullptr && Source.GetBits() != nullptr, "Block drawing without pixels");
    const int count = RectWidth(Clip);
    for (int row = 0; row < RectHeight(Clip); ++row)
        ApplyRow(kind, Source.GetBits() + static_cast<std::ptrdiff_t>(SrcY + row) * Source.GetWidth() + SrcX,
                 target.Row(Clip.top + row) + Clip.left, count);
}

// Source indices of the destination positions clipFrom..clipTo-1 when srcFrom..srcTo is scaled
// to dw positions from dstFrom. The ratio is held in single precision and multiplied exactly
// (in double), so the truncation or rounding boundaries are those of that ratio.
// Destination extents are taken in 64 bits: a skin's rectangle may span the whole int range.
std::vector<int> ScaleMap(int clipFrom, int clipTo, std::int64_t dstFrom, std::int64_t dw, int srcFrom, int srcTo,
                          bool round)
{
    std::vector<int> map(static_cast<std::size_t>(clipTo - clipFrom));
    const int sw = srcTo - srcFrom;
    if (dw < 2) {
        std::fill(map.begin(), map.end(), (srcFrom + srcTo - 1) / 2);
        return map;
    }
    const float ratio = static_cast<float>(sw - 1) / static_cast<float>(dw - 1);
    for (int d = clipFrom; d < clipTo; ++d) {
        const double exact = static_cast<double>(d - dstFrom) * static_cast<double>(ratio);  // d - dstFrom < dw
        const int offset = static_cast<int>(round ? std::nearbyint(exact) : std::trunc(exact));
        map[static_cast<std::size_t>(d - clipFrom)] = std::min(srcFrom + offset, srcTo - 1);
    }
    return map;
}

void DrawArea(RowKind kind, const TargetRows& target, const RECT& DstRect, const RECT& DstClip,
              const RECT& SrcRect, const TskBitmap& Source, bool roundScale)
{
    if (IsRectEmpty(&SrcRect))
        return;
    RECT bounds = MakeRect(0, 0, target.width, target.height);
    RECT clip;
    if (!IntersectRect(&clip, &DstClip, &bounds) || !IntersectRect(&clip, &clip, &DstRect))
        return;
    if (SrcRect.left < 0 || SrcRect.top < 0 || SrcRect.right > Source.GetWidth()
        || SrcRect.bottom > Source.GetHeight())
        return;
    const std::int64_t dw = std::int64_t{DstRect.right} - DstRect.left, dh = std::int64_t{DstRect.bottom} - DstRect.top;
    const int count = RectWidth(clip);
    auto sourceRow = [&](int y) {
        return Source.GetBits() + static_cast<std::ptrdiff_t>(y) * Source.GetWidth();
    };
    if (dw == RectWidth(SrcRect) && dh == RectHeight(SrcRect)) {
        Block(kind, target, clip, Source, SrcRect.top + clip.top - DstRect.top,
              SrcRect.left + clip.left - DstRect.left);
    } else {
        const std::vector<int> columns =
            ScaleMap(clip.left, clip.right, DstRect.left, dw, SrcRect.left, SrcRect.right, roundScale);
        const std::vector<int> rows =
            ScaleMap(clip.top, clip.bottom, DstRect.top, dh, SrcRect.top, SrcRect.bottom, roundScale);
        std::vector<TskColor32> buffer(static_cast<std::size_t>(count));
        int bufferRow = -1;
        for (int y = clip.top; y < clip.bottom; ++y) {
            const int sy = rows[static_cast<std::size_t>(y - clip.top)];
            if (sy != bufferRow) {
                const TskColor32* src = sourceRow(sy);
                for (int i = 0; i < count; ++i)
                    buffer[static_cast<std::size_t>(i)] = src[columns[static_cast<std::size_t>(i)]];
                bufferRow = sy;
            }
            ApplyRow(kind, buffer.data(), target.Row(y) + clip.left, count);
        }
    }
    if (kind != RowKind::Copy)
        EndMMXState();
}

TargetRows BitmapRows(TskBitmap& Target)
{
    return TargetRows{Target.GetBits(), Target.GetWidth(), Target.GetHeight(), false};
}

TargetRows DIBRows(TskColor32* Bits, int DIBHeight, int DIBWidth)
{
    return TargetRows{Bits, DIBWidth, DIBHeight, true};
}

} // namespace

void CopyBlock(TskBitmap& Target, const RECT& Clip, const TskBitmap& Source, int SrcY, int SrcX)
{
    Block(RowKind::Copy, BitmapRows(Target), Clip, Source, SrcY, SrcX);
}

void AlphaBlock(TskBitmap& Target, const RECT& Clip, const TskBitmap& Source, int SrcY, int SrcX)
{
    Block(RowKind::Alpha, BitmapRows(Target), Clip, Source, SrcY, SrcX);
    EndMMXState();
}

void TransparentBlock(TskBitmap& Target, const RECT& Clip, const TskBitmap& Source, int SrcY, int SrcX)
{
    Block(RowKind::Transparent, BitmapRows(Target), Clip, Source, SrcY, SrcX);
}

void DrawCopyToBitmap(TskBitmap& Target, const RECT& DstRect, const RECT& DstClip, const RECT& SrcRect,
                      const TskBitmap& Source)
{
    DrawArea(RowKind::Copy, BitmapRows(Target), DstRect, DstClip, SrcRect, Source, false);
}

void DrawAlphaToBitmap(TskBitmap& Target, const RECT& DstRect, const RECT& DstClip, const RECT& SrcRect,
                       const TskBitmap& Source)
{
    DrawArea(RowKind::Alpha, BitmapRows(Target), DstRect, DstClip, SrcRect, Source, false);
}

void DrawTransparentToBitmap(TskBitmap& Target, const RECT& DstRect, const RECT& DstClip, const RECT& SrcRect,
                             const TskBitmap& Source)
{
    DrawArea(RowKind::Transparent, BitmapRows(Target), DstRect, DstClip, SrcRect, Source, false);
}

void CopyToDIB(TskColor32* Bits, const RECT& DstRect, const RECT& DstClip, const RECT& SrcRect,
               const TskBitmap& Source, int DIBHeight, int DIBWidth)
{
    DrawArea(RowKind::Copy, DIBRows(Bits, DIBHeight, DIBWidth), DstRect, DstClip, SrcRect, Source, true);
}

void AlphaToDIB(TskColor32* Bits, const RECT& DstRect, const RECT& DstClip, const RECT& SrcRect,
                const TskBitmap& Source, int DIBHeight, int DIBWidth)
{
    DrawArea(RowKind::Alpha, DIBRows(Bits, DIBHeight, DIBWidth), DstRect, DstClip, SrcRect, Source, true);
}

void TransparentToDIB(TskColor32* Bits, const RECT& DstRect, const RECT& DstClip, const RECT& SrcRect,
                      const TskBitmap& Source, int DIBHeight, int DIBWidth)
{
    DrawArea(RowKind::Transparent, DIBRows(Bits, DIBHeight, DIBWidth), DstRect, DstClip, SrcRect, Source, true);
}

void* GetDCBits(HDC DC, int& Width, int& Height, int& BitsPerPixel)
{
    Width = Height = BitsPerPixel = 0;
    HGDIOBJ bitmap = GetCurrentObject(DC, OBJ_BITMAP);
    DIBSECTION section;
    if (!bitmap || GetObject(bitmap, sizeof section, &section) != static_cast<int>(sizeof section))
        return nullptr;
    Width = section.dsBmih.biWidth;
    Height = section.dsBmih.biHeight;
    BitsPerPixel = section.dsBmih.biBitCount;
    return section.dsBm.bmBits;
}

void DrawCopyToDC(HDC DC, int X, int Y, int W, int H, const TskBitmap& Source, int SrcX, int SrcY, int SrcW,
                  int SrcH)
{
    if (Source.Empty())
        return;
    SetStretchBltMode(DC, COLORONCOLOR);
    StretchBlt(DC, X, Y, W, H, Source.GetMemDC(), SrcX, SrcY, SrcW, SrcH, SRCCOPY);
}

namespace {

// Reads the destination area back into a 32-bit bitmap, draws there and writes it back, so
// alpha and keyed drawing work on any device context.
void DrawThroughBitmap(HDC DC, int X, int Y, int W, int H, const TskBitmap& Source, int SrcX, int SrcY, int SrcW,
                       int SrcH)
{
    if (W <= 0 || H <= 0 || Source.Empty())
        return;
    TskBitmap area;
    area.SetSize(W, H);
    BitBlt(area.GetMemDC(), 0, 0, W, H, DC, X, Y, SRCCOPY);
    Source.Draw(area, MakeRect(0, 0, W, H), MakeRect(SrcX, SrcY, SrcX + SrcW, SrcY + SrcH));
    BitBlt(DC, X, Y, W, H, area.GetMemDC(), 0, 0, SRCCOPY);
}

} // namespace

void DrawAlphaToDC(HDC DC, int X, int Y, int W, int H, const TskBitmap& Source, int SrcX, int SrcY, int SrcW,
                   int SrcH)
{
    DrawThroughBitmap(DC, X, Y, W, H, Source, SrcX, SrcY, SrcW, SrcH);
}

void DrawTransparentToDC(HDC DC, int X, int Y, int W, int H, const TskBitmap& Source, int SrcX, int SrcY, int SrcW,
                         int SrcH)
{
    DrawThroughBitmap(DC, X, Y, W, H, Source, SrcX, SrcY, SrcW, SrcH);
}
