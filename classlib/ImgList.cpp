#include "classlib/ImgList.h"

#include "classlib/Bitmap.h"
#include "classlib/Canvas.h"
#include "classlib/DibDraw.h"
#include "classlib/Icon.h"

#include <algorithm>
#include <cstring>

TCustomImageList::TCustomImageList(TComponent* AOwner) : TComponent(AOwner) {}

void TCustomImageList::SetSize(int AWidth, int AHeight)
{
    AWidth = std::max(AWidth, 1);
    AHeight = std::max(AHeight, 1);
    if (AWidth == FWidth && AHeight == FHeight)
        return;
    FWidth = AWidth;
    FHeight = AHeight;
    FImages.clear();
    Change();
}

void TCustomImageList::SetBkColor(TColor Value)
{
    if (Value == FBkColor)
        return;
    FBkColor = Value;
    Change();
}

void TCustomImageList::Change()
{
    if (OnChange)
        OnChange(this);
}

int TCustomImageList::addStrip(const TDibData& image, const TDibData* mask, bool useKey, std::uint32_t keyRGB)
{
    const int first = Count();
    const int pieces = std::max(1, image.Width / FWidth);
    for (int p = 0; p < pieces; ++p) {
        TDibData entry;
        entry.Width = FWidth;
        entry.Height = FHeight;
        entry.BitsPerPixel = 32;
        entry.HasAlpha = true;
        entry.Allocate();
        for (int y = 0; y < std::min(FHeight, image.Height); ++y)
            for (int x = 0; x < FWidth; ++x) {
                int sx = p * FWidth + x;
                if (sx >= image.Width)
                    break;
                std::uint32_t c = image.PixelARGB(sx, y);
                bool clear = (useKey && (c & 0xFFFFFF) == keyRGB) ||
                             (mask && sx < mask->Width && y < mask->Height && (mask->PixelARGB(sx, y) & 0xFFFFFF) == 0xFFFFFF);
                if (clear)
                    c = 0;
                std::memcpy(entry.Row(y) + x * 4, &c, 4);
            }
        FImages.push_back(std::move(entry));
    }
    Change();
    return first;
}

int TCustomImageList::Add(TBitmap* Image, TBitmap* Mask)
{
    if (!Image || Image->Empty())
        return -1;
    TDibData image = Image->GetDibData();
    bool anyAlpha = false;
    for (int y = 0; image.HasAlpha && !anyAlpha && y < image.Height; ++y)
        for (int x = 0; x < image.Width && !anyAlpha; ++x)
            anyAlpha = image.Row(y)[x * 4 + 3] != 0;
    if (!anyAlpha) {
        // Colours drawn by GDI carry no alpha: such a picture is opaque.
        for (int y = 0; y < image.Height; ++y)
            for (int x = 0; x < image.Width; ++x)
                image.Row(y)[x * 4 + 3] = 0xFF;
        image.HasAlpha = true;
    }
    if (Mask && !Mask->Empty()) {
        TDibData mask = Mask->GetDibData();
        return addStrip(image, &mask, false, 0);
    }
    return addStrip(image, nullptr, false, 0);
}

int TCustomImageList::AddMasked(TBitmap* Image, TColor MaskColor)
{
    if (!Image || Image->Empty())
        return -1;
    COLORREF key = MaskColor == clDefault ? Image->GetPixelColor(0, Image->GetHeight() - 1) : ColorToRGB(MaskColor);
    TDibData image = Image->GetDibData();
    for (int y = 0; y < image.Height; ++y)
        for (int x = 0; x < image.Width; ++x)
            image.Row(y)[x * 4 + 3] = 0xFF;
    image.HasAlpha = true;
    std::uint32_t keyRGB = (std::uint32_t{GetRValue(key)} << 16) | (std::uint32_t{GetGValue(key)} << 8) | GetBValue(key);
    return addStrip(image, nullptr, true, keyRGB);
}

void TCustomImageList::Delete(int Index)
{
    if (Index < 0 || Index >= Count())
        throw EListError("Image index out of range (" + std::to_string(Index) + ")");
    FImages.erase(FImages.begin() + Index);
    Change();
}

void TCustomImageList::Clear()
{
    if (FImages.empty())
        return;
    FImages.clear();
    Change();
}

bool TCustomImageList::GetBitmap(int Index, TBitmap* Image)
{
    if (!Image || Index < 0 || Index >= Count())
        return false;
    Image->SetDibData(FImages[static_cast<std::size_t>(Index)]);
    return true;
}

bool TCustomImageList::GetIcon(int Index, TIcon* Icon)
{
    if (!Icon || Index < 0 || Index >= Count())
        return false;
    TBitmap picture;
    picture.SetDibData(FImages[static_cast<std::size_t>(Index)]);
    Icon->Assign(&picture);
    return true;
}

void TCustomImageList::Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled)
{
    if (Index < 0 || Index >= Count() || !Canvas)
        return;
    if (FBkColor != clNone) {
        Canvas->Brush()->SetColor(FBkColor);
        Canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
        Canvas->FillRect(RECT{X, Y, X + FWidth, Y + FHeight});
    }
    DoDraw(Index, Canvas, X, Y, Enabled);
}

void TCustomImageList::DoDraw(int Index, TCanvas* Canvas, int X, int Y, bool Enabled)
{
    const TDibData& image = Image(Index);
    if (Enabled) {
        DrawDibData(Canvas, RECT{X, Y, X + FWidth, Y + FHeight}, image);
        return;
    }
    // The shape is every visible pixel that is not white, drawn once in the highlight colour one
    // pixel down and right, then in the shadow colour in place.
    auto toPixel = [](COLORREF c) {
        return 0xFF000000u | (std::uint32_t{GetRValue(c)} << 16) | (std::uint32_t{GetGValue(c)} << 8) | GetBValue(c);
    };
    const std::uint32_t highlight = toPixel(ColorToRGB(clBtnHighlight));
    const std::uint32_t shadow = toPixel(ColorToRGB(clBtnShadow));
    TDibData emboss;
    emboss.Width = FWidth + 1;
    emboss.Height = FHeight + 1;
    emboss.BitsPerPixel = 32;
    emboss.HasAlpha = true;
    emboss.Allocate();
    auto shape = [&](int x, int y) {
        std::uint32_t c = image.PixelARGB(x, y);
        return (c >> 24) >= 128 && (c & 0xFFFFFF) != 0xFFFFFF;
    };
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x)
            if (shape(x, y))
                std::memcpy(emboss.Row(y + 1) + (x + 1) * 4, &highlight, 4);
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x)
            if (shape(x, y))
                std::memcpy(emboss.Row(y) + x * 4, &shadow, 4);
    DrawDibData(Canvas, RECT{X, Y, X + FWidth + 1, Y + FHeight + 1}, emboss);
}
