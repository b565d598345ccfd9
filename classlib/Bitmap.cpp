#include "classlib/Bitmap.h"

#include "classlib/BmpFile.h"
#include "classlib/Canvas.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Blt.h"
#include "platform/gdi/Dc.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/SurfaceDC.h"
#include "platform/gdi/Surface.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace {

int bitsOf(TPixelFormat f)
{
    switch (f) {
    case TPixelFormat::pf1bit: return 1;
    case TPixelFormat::pf4bit: return 4;
    case TPixelFormat::pf8bit: return 8;
    case TPixelFormat::pf24bit: return 24;
    case TPixelFormat::pfDevice:
    case TPixelFormat::pf32bit: return 32;
    default: return 0;
    }
}

TPixelFormat formatOf(int bits)
{
    switch (bits) {
    case 1: return TPixelFormat::pf1bit;
    case 4: return TPixelFormat::pf4bit;
    case 8: return TPixelFormat::pf8bit;
    case 24: return TPixelFormat::pf24bit;
    default: return TPixelFormat::pf32bit;
    }
}

// The standard palettes an indexed conversion maps to: black and white; the sixteen colours of
// the classic display; those sixteen, a 6 x 6 x 6 colour cube and a grey ramp.
std::vector<TPaletteEntry> standardPalette(int bits)
{
    static const std::uint8_t vga[16][3] = {
        {0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0}, {0, 0, 128},   {128, 0, 128},
        {0, 128, 128},   {192, 192, 192}, {128, 128, 128}, {255, 0, 0}, {0, 255, 0},   {255, 255, 0},
        {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
    std::vector<TPaletteEntry> p;
    auto add = [&](int r, int g, int b) {
        p.push_back(TPaletteEntry{static_cast<std::uint8_t>(b), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(r), 0});
    };
    if (bits == 1) {
        add(0, 0, 0);
        add(255, 255, 255);
        return p;
    }
    for (auto& c : vga)
        add(c[0], c[1], c[2]);
    if (bits == 4)
        return p;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                add(r * 51, g * 51, b * 51);
    for (int i = 1; i <= 24; ++i)
        add(i * 10, i * 10, i * 10);
    return p;
}

int getIndex(const TDibData& d, int x, int y)
{
    const std::uint8_t* row = d.Row(y);
    switch (d.BitsPerPixel) {
    case 1: return (row[x >> 3] >> (7 - (x & 7))) & 1;
    case 4: return (row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF;
    default: return row[x];
    }
}

void setIndex(TDibData& d, int x, int y, int v)
{
    std::uint8_t* row = d.Row(y);
    switch (d.BitsPerPixel) {
    case 1: {
        std::uint8_t bit = static_cast<std::uint8_t>(0x80 >> (x & 7));
        row[x >> 3] = static_cast<std::uint8_t>(v ? (row[x >> 3] | bit) : (row[x >> 3] & ~bit));
        break;
    }
    case 4: {
        int shift = (x & 1) ? 0 : 4;
        row[x >> 1] = static_cast<std::uint8_t>((row[x >> 1] & ~(0xF << shift)) | ((v & 0xF) << shift));
        break;
    }
    default:
        row[x] = static_cast<std::uint8_t>(v);
    }
}

// Writes 0xAARRGGBB colours into a picture of any depth (indexed: nearest palette entry).
class PixelWriter {
public:
    explicit PixelWriter(TDibData& d) : d_(d) {}
    void Put(int x, int y, std::uint32_t argb)
    {
        std::uint8_t* row = d_.Row(y);
        switch (d_.BitsPerPixel) {
        case 24:
            row[x * 3] = static_cast<std::uint8_t>(argb);
            row[x * 3 + 1] = static_cast<std::uint8_t>(argb >> 8);
            row[x * 3 + 2] = static_cast<std::uint8_t>(argb >> 16);
            break;
        case 32:
            std::memcpy(row + x * 4, &argb, 4);
            break;
        default:
            setIndex(d_, x, y, nearest(argb & 0xFFFFFF));
        }
    }

private:
    int nearest(std::uint32_t rgb)
    {
        auto it = cache_.find(rgb);
        if (it != cache_.end())
            return it->second;
        int best = 0;
        long bestDist = -1;
        for (std::size_t i = 0; i < d_.Palette.size(); ++i) {
            const TPaletteEntry& e = d_.Palette[i];
            long dr = static_cast<long>((rgb >> 16) & 0xFF) - e.Red;
            long dg = static_cast<long>((rgb >> 8) & 0xFF) - e.Green;
            long db = static_cast<long>(rgb & 0xFF) - e.Blue;
            long dist = dr * dr + dg * dg + db * db;
            if (bestDist < 0 || dist < bestDist) {
                bestDist = dist;
                best = static_cast<int>(i);
            }
        }
        cache_[rgb] = best;
        return best;
    }

    TDibData& d_;
    std::map<std::uint32_t, int> cache_;
};

// Copies the part two pictures of the same depth share.
void copyOverlap(const TDibData& from, TDibData& to)
{
    int w = std::min(from.Width, to.Width), h = std::min(from.Height, to.Height);
    for (int y = 0; y < h; ++y) {
        if (from.BitsPerPixel >= 8) {
            std::memcpy(to.Row(y), from.Row(y), static_cast<std::size_t>(w * from.BitsPerPixel / 8));
        } else {
            for (int x = 0; x < w; ++x)
                setIndex(to, x, y, getIndex(from, x, y));
        }
    }
}

} // namespace

// The canvas of a bitmap: a memory context with the bitmap's DIB section selected. Drawing
// brings the section up to date first and tells the bitmap afterwards.
class TBitmapCanvas : public TCanvas {
public:
    explicit TBitmapCanvas(TBitmap* Bitmap) : FBitmap(Bitmap) {}
    ~TBitmapCanvas() override { FreeContext(); }

    // Gives up the context (the bitmap is about to drop its section); the next call makes one.
    void FreeContext()
    {
        if (!HandleAllocated())
            return;
        HDC dc = GetHandle();
        SetHandle(nullptr);
        if (FOldBitmap)
            SelectObject(dc, FOldBitmap);
        DeleteDC(dc);
        FOldBitmap = nullptr;
    }
    void BeforeReading() override { FBitmap->BeforeDrawing(false); }

protected:
    void CreateHandle() override
    {
        HDC dc = CreateCompatibleDC(nullptr);
        FBitmap->BeforeDrawing(false);
        if (FBitmap->FHandle)
            FOldBitmap = SelectObject(dc, FBitmap->FHandle);
        SetHandle(dc);
    }
    void Changing() override
    {
        FBitmap->BeforeDrawing(true);
        TCanvas::Changing();
    }
    void Changed() override
    {
        TCanvas::Changed();
        FBitmap->AfterDrawing();
    }

private:
    TBitmap* FBitmap;
    HGDIOBJ FOldBitmap = nullptr;
};

TBitmap::TBitmap() = default;

TBitmap::~TBitmap()
{
    delete FCanvas;
    FCanvas = nullptr;
    releaseSection();
}

TCanvas* TBitmap::Canvas()
{
    if (!FCanvas)
        FCanvas = new TBitmapCanvas(this);
    return FCanvas;
}

void TBitmap::Draw(TCanvas* ACanvas, const RECT& Rect)
{
    if (Empty())
        return;
    HDC src = Canvas()->GetHandle();
    FCanvas->BeforeReading();
    HDC dst = ACanvas->GetHandle();
    const int w = Rect.right - Rect.left, h = Rect.bottom - Rect.top;
    if (GetTransparent())
        TransparentBlt(dst, Rect.left, Rect.top, w, h, src, 0, 0, FWidth, FHeight, ColorToRGB(GetTransparentColor()));
    else
        StretchBlt(dst, Rect.left, Rect.top, w, h, src, 0, 0, FWidth, FHeight, ACanvas->GetCopyMode());
}

bool TBitmap::is32() const
{
    return bitsOf(FPixelFormat) == 32;
}

void TBitmap::releaseSection()
{
    if (FCanvas)
        FCanvas->FreeContext();
    FSurface.reset();
    if (FHandle) {
        DeleteObject(FHandle);
        FHandle = nullptr;
    }
}

void TBitmap::ensureSection()
{
    if (FHandle || Empty())
        return;
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colors[1];
    } info{};
    info.header.biWidth = FWidth;
    info.header.biHeight = -FHeight;  // top-down rows
    info.header.biBitCount = 32;
    void* bits = nullptr;
    FHandle = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!FHandle)
        throw EInvalidGraphic("Out of system resources: the bitmap could not be created");
    FSurface = GetBitmapSurface(FHandle);
    FSectionStale = !is32();
    FSectionDrawn = false;
}

void TBitmap::refreshSectionFromRows()
{
    ensureSection();
    if (is32() || !FSectionStale || !FSurface)
        return;
    for (int y = 0; y < FHeight; ++y) {
        std::uint32_t* row = FSurface->Row(y);
        for (int x = 0; x < FWidth; ++x)
            row[x] = FRows.PixelARGB(x, y) & 0x00FFFFFFu;  // same word layout; drawing leaves alpha 0
    }
    FSectionStale = false;
}

void TBitmap::foldSectionIntoRows()
{
    if (is32() || !FSectionDrawn || !FSurface)
        return;
    PixelWriter writer(FRows);
    for (int y = 0; y < FHeight; ++y) {
        const std::uint32_t* row = FSurface->Row(y);
        for (int x = 0; x < FWidth; ++x)
            writer.Put(x, y, row[x] | 0xFF000000u);
    }
    FSectionDrawn = false;
}

void TBitmap::BeforeDrawing(bool Writes)
{
    refreshSectionFromRows();
    if (Writes && !is32())
        FSectionDrawn = true;
}

void TBitmap::AfterDrawing()
{
    Changed(this);
}

TDibData TBitmap::sectionToDib() const
{
    TDibData d;
    d.Width = FWidth;
    d.Height = FHeight;
    d.BitsPerPixel = 32;
    d.HasAlpha = FPixelFormat == TPixelFormat::pf32bit;
    d.Allocate();
    if (FSurface)
        for (int y = 0; y < FHeight; ++y)
            std::memcpy(d.Row(y), FSurface->Row(y), static_cast<std::size_t>(FWidth) * 4);
    return d;
}

void TBitmap::SetSize(int AWidth, int AHeight)
{
    AWidth = std::max(AWidth, 0);
    AHeight = std::max(AHeight, 0);
    if (AWidth == FWidth && AHeight == FHeight)
        return;
    if (is32()) {
        TDibData old = sectionToDib();
        releaseSection();
        FWidth = AWidth;
        FHeight = AHeight;
        ensureSection();
        if (FSurface)
            for (int y = 0; y < std::min(old.Height, FHeight); ++y)
                std::memcpy(FSurface->Row(y), old.Row(y), static_cast<std::size_t>(std::min(old.Width, FWidth)) * 4);
    } else {
        foldSectionIntoRows();
        TDibData resized;
        resized.Width = AWidth;
        resized.Height = AHeight;
        resized.BitsPerPixel = FRows.BitsPerPixel;
        resized.Palette = FRows.Palette;
        resized.Allocate();
        copyOverlap(FRows, resized);
        FRows = std::move(resized);
        releaseSection();
        FWidth = AWidth;
        FHeight = AHeight;
        FSectionStale = true;
    }
    Changed(this);
}

void TBitmap::SetPixelFormat(TPixelFormat Value)
{
    if (Value == FPixelFormat)
        return;
    const int bits = bitsOf(Value);
    if (bits == 0)
        throw EInvalidGraphic("Unsupported pixel format");
    if (bits == 32 && is32()) {
        FPixelFormat = Value;
        Changed(this);
        return;
    }
    TDibData source = GetDibData();
    TDibData target;
    target.Width = FWidth;
    target.Height = FHeight;
    target.BitsPerPixel = bits;
    if (bits <= 8)
        target.Palette = standardPalette(bits);
    target.Allocate();
    PixelWriter writer(target);
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x)
            writer.Put(x, y, source.PixelARGB(x, y));
    releaseSection();
    FPixelFormat = Value;
    if (bits == 32) {
        FRows = TDibData();
        ensureSection();
        if (FSurface)
            for (int y = 0; y < FHeight; ++y)
                std::memcpy(FSurface->Row(y), target.Row(y), static_cast<std::size_t>(FWidth) * 4);
    } else {
        FRows = std::move(target);
        FSectionStale = true;
    }
    Changed(this);
}

void* TBitmap::ScanLine(int Row)
{
    if (Row < 0 || Row >= FHeight || FWidth == 0)
        throw EInvalidGraphic("Scan line index out of range");
    if (is32()) {
        ensureSection();
        return FSurface->Row(Row);
    }
    foldSectionIntoRows();
    FSectionStale = true;  // the caller may write the row
    return FRows.Row(Row);
}

const std::vector<TPaletteEntry>& TBitmap::GetPalette()
{
    foldSectionIntoRows();
    return FRows.Palette;
}

void TBitmap::SetPalette(const std::vector<TPaletteEntry>& Value)
{
    if (is32() || FRows.BitsPerPixel > 8)
        return;
    foldSectionIntoRows();
    FRows.Palette = Value;
    FRows.Palette.resize(std::min<std::size_t>(Value.size(), std::size_t{1} << FRows.BitsPerPixel));
    FSectionStale = true;
    Changed(this);
}

HBITMAP TBitmap::GetHandle()
{
    BeforeDrawing(true);  // the caller may draw on it
    return FHandle;
}

COLORREF TBitmap::GetPixelColor(int X, int Y)
{
    if (X < 0 || Y < 0 || X >= FWidth || Y >= FHeight)
        return CLR_INVALID;
    std::uint32_t argb;
    if (is32()) {
        ensureSection();
        argb = FSurface->Row(Y)[X];
    } else {
        foldSectionIntoRows();
        argb = FRows.PixelARGB(X, Y);
    }
    return PixelToColor(argb & 0xFFFFFF);
}

TColor TBitmap::GetTransparentColor()
{
    if (FTransparentMode == TTransparentMode::tmFixed && FTransparentColor != clDefault)
        return FTransparentColor;
    if (Empty())
        return clDefault;
    return static_cast<TColor>(GetPixelColor(0, FHeight - 1));
}

void TBitmap::SetTransparentColor(TColor Value)
{
    FTransparentColor = Value;
    FTransparentMode = Value == clDefault ? TTransparentMode::tmAuto : TTransparentMode::tmFixed;
    Changed(this);
}

void TBitmap::SetTransparentMode(TTransparentMode Value)
{
    if (Value == FTransparentMode)
        return;
    SetTransparentColor(Value == TTransparentMode::tmAuto ? clDefault : GetTransparentColor());
}

void TBitmap::SetTransparent(bool Value)
{
    if (Value == GetTransparent())
        return;
    TGraphic::SetTransparent(Value);
}

void TBitmap::LoadFromStream(TStream* Stream)
{
    SetDibData(ReadBmp(Stream));
}

void TBitmap::SaveToStream(TStream* Stream)
{
    if (is32()) {
        TDibData d = sectionToDib();
        WriteBmp(Stream, d);
    } else {
        foldSectionIntoRows();
        WriteBmp(Stream, FRows);
    }
}

TDibData TBitmap::GetDibData()
{
    if (is32())
        return sectionToDib();
    foldSectionIntoRows();
    return FRows.To32Bit();
}

void TBitmap::SetDibData(const TDibData& Data)
{
    releaseSection();
    FWidth = Data.Width;
    FHeight = Data.Height;
    FPixelFormat = formatOf(Data.BitsPerPixel);
    if (Data.BitsPerPixel == 32) {
        FRows = TDibData();
        ensureSection();
        if (FSurface)
            for (int y = 0; y < FHeight; ++y)
                std::memcpy(FSurface->Row(y), Data.Row(y), static_cast<std::size_t>(FWidth) * 4);
    } else {
        FRows = Data;
        FRows.TransparentIndex = -1;
        FSectionStale = true;
        FSectionDrawn = false;
    }
    Changed(this);
}

void TBitmap::Assign(TPersistent* Source)
{
    if (!Source) {
        releaseSection();
        FRows = TDibData();
        FWidth = FHeight = 0;
        Changed(this);
        return;
    }
    if (auto* src = dynamic_cast<TBitmap*>(Source)) {
        if (src == this)
            return;
        TPixelFormat format = src->FPixelFormat;
        if (src->is32()) {
            SetDibData(src->sectionToDib());
        } else {
            src->foldSectionIntoRows();
            SetDibData(src->FRows);
        }
        FPixelFormat = format;
        FTransparentColor = src->FTransparentColor;
        FTransparentMode = src->FTransparentMode;
        TGraphic::SetTransparent(src->GetTransparent());
        return;
    }
    if (auto* graphic = dynamic_cast<TGraphic*>(Source)) {
        TDibData d = graphic->GetDibData();
        if (!d.HasAlpha && !d.Bits.empty()) {
            TDibData rgb;
            rgb.Width = d.Width;
            rgb.Height = d.Height;
            rgb.BitsPerPixel = 24;
            rgb.Allocate();
            for (int y = 0; y < d.Height; ++y)
                for (int x = 0; x < d.Width; ++x)
                    std::memcpy(rgb.Row(y) + x * 3, d.Row(y) + x * 4, 3);
            d = std::move(rgb);
        }
        SetDibData(d);
        TGraphic::SetTransparent(graphic->GetTransparent());
        return;
    }
    TGraphic::Assign(Source);
}
