#include "skin/core/TskBitmapLink.h"

#include "classlib/Streams.h"
#include "platform/win/Rect.h"
#include "skin/core/TskBitmap.h"
#include "skin/core/skUtils.h"

#include <cstdint>

void TskBitmapLink::Assign(TPersistent* Source)
{
    if (auto* link = dynamic_cast<TskBitmapLink*>(Source)) {
        Image = link->Image;
        FRect = link->FRect;
        FName = link->FName;
        Masked = link->Masked;
        MaskedBorder = link->MaskedBorder;
        MaskedAngles = link->MaskedAngles;
        return;
    }
    TPersistent::Assign(Source);
}

bool TskBitmapLink::Assigned() const
{
    return Image != nullptr && static_cast<std::int64_t>(RectWidth(FRect)) * RectHeight(FRect) > 0;
}

void TskBitmapLink::SaveToStream(TStream* Stream) const
{
    WriteStreamString(Stream, FName);
    for (LONG v : {FRect.left, FRect.top, FRect.right, FRect.bottom})
        WriteStreamInt32(Stream, v);
}

void TskBitmapLink::LoadFromStream(TStream* Stream)
{
    ReadStreamString(Stream, FName);
    FRect.left = ReadStreamInt32(Stream);
    FRect.top = ReadStreamInt32(Stream);
    FRect.right = ReadStreamInt32(Stream);
    FRect.bottom = ReadStreamInt32(Stream);
}

void TskBitmapLink::Draw(TskBitmap& Bitmap, int X, int Y) const
{
    if (Image && !Image->Empty() && !IsRectEmpty(&FRect))
        Image->Draw(Bitmap, X, Y, FRect);
}

void TskBitmapLink::Draw(TCanvas* Canvas, int X, int Y) const
{
    if (Image && !Image->Empty() && !IsRectEmpty(&FRect))
        Image->Draw(Canvas, X, Y, FRect);
}

void TskBitmapLink::CheckingMasked() { CheckingMasked(RECT{}); }

void TskBitmapLink::CheckingMasked(const RECT& Margin)
{
    Masked = MaskedBorder = MaskedAngles = false;
    // Outside the image, or without pixels, a position reads as 0, which counts.
    auto counts = [this](int x, int y) {
        if (!Image || Image->Empty() || x < 0 || y < 0 || x >= Image->GetWidth() || y >= Image->GetHeight())
            return true;
        const std::uint32_t p = Image->GetBits()[static_cast<std::ptrdiff_t>(y) * Image->GetWidth() + x];
        return p != 0x33333333u && AlphaOf(p) < 255;
    };
    const int w = RectWidth(FRect), h = RectHeight(FRect);
    const int ml = Margin.left, mt = Margin.top, mr = Margin.right, mb = Margin.bottom;
    const bool zeroMargin = ml == 0 && mt == 0 && mr == 0 && mb == 0;
    auto in = [](int px, int py, int l, int t, int r, int b) { return px >= l && px < r && py >= t && py < b; };
    for (int py = 0; py < h; ++py)
        for (int px = 0; px < w; ++px) {
            if (!counts(FRect.left + px, FRect.top + py))
                continue;
            if (zeroMargin) {
                Masked = true;
                return;
            }
            if (in(px, py, 0, 0, ml, mt) || in(px, py, w - mr, 0, w, mt) || in(px, py, w - mr, h - mb, w, h)
                || in(px, py, 0, h - mb, ml, h))
                MaskedAngles = true;
            if (in(px, py, ml, 0, w - mr, mt) || in(px, py, ml, h - mb, w - mr, h) || in(px, py, 0, mt, ml, h - mb)
                || in(px, py, w - mr, mt, w, h - mb))
                MaskedBorder = true;
            if (in(px, py, ml, mt, w - mr, h - mb))
                Masked = true;
        }
}
