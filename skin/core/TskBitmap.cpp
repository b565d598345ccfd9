#include "skin/core/TskBitmap.h"

#include "classlib/Bitmap.h"
#include "classlib/Canvas.h"
#include "classlib/Picture.h"
#include "classlib/Streams.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Blt.h"
#include "platform/gdi/Dc.h"
#include "platform/gdi/Objects.h"
#include "skin/core/TskBitmapLink.h"
#include "platform/win/Rect.h"
#include "skin/core/skUtils.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

// Every TskBitmap that owns a DIB, so a device context can be recognised as one of ours.
std::vector<TskBitmap*>& Registry()
{
    static std::vector<TskBitmap*> registry;
    return registry;
}

void RegisterBitmap(TskBitmap* Bitmap)
{
    auto& r = Registry();
    if (std::find(r.begin(), r.end(), Bitmap) == r.end())
        r.push_back(Bitmap);
}

void UnregisterBitmap(TskBitmap* Bitmap)
{
    auto& r = Registry();
    r.erase(std::remove(r.begin(), r.end(), Bitmap), r.end());
}

} // namespace

TskBitmap* FindBitmapByDC(HDC DC)
{
    if (!DC)
        return nullptr;
    for (TskBitmap* b : Registry())
        if (b->GetMemDC() == DC)
            return b;
    return nullptr;
}

TskBitmap::TskBitmap()
{
    FBitmapInfo.bmiHeader.biPlanes = 1;
    FBitmapInfo.bmiHeader.biBitCount = 32;
    FBitmapInfo.bmiHeader.biCompression = BI_RGB;
}

TskBitmap::~TskBitmap()
{
    UnregisterBitmap(this);
    FreeHandles();
    delete FCanvas;
}

TCanvas* TskBitmap::GetCanvas()
{
    if (!FCanvas) {
        FCanvas = new TCanvas;
        FCanvas->SetHandle(FDC);
    }
    return FCanvas;
}

void TskBitmap::FreeHandles()
{
    if (FCanvas)
        FCanvas->SetHandle(nullptr);
    if (FDC)
        DeleteDC(FDC);
    if (FHandle)
        DeleteObject(FHandle);
    FDC = nullptr;
    FHandle = nullptr;
    FBits = nullptr;
    FWidth = FHeight = 0;
}

void TskBitmap::SetSize(int AWidth, int AHeight)
{
    AWidth = std::abs(AWidth);
    AHeight = std::abs(AHeight);
    if (AWidth == 0 || AHeight == 0 || (AWidth == FWidth && AHeight == FHeight))
        return;
    FreeHandles();
    FBitmapInfo.bmiHeader.biWidth = AWidth;
    FBitmapInfo.bmiHeader.biHeight = -AHeight;
    void* bits = nullptr;
    HBITMAP handle = CreateDIBSection(nullptr, &FBitmapInfo, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!handle)
        throw Exception("Can't allocate the DIB handle");
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc) {
        DeleteObject(handle);
        throw Exception("Can't create compatible DC");
    }
    if (!SelectObject(dc, handle)) {
        DeleteDC(dc);
        DeleteObject(handle);
        throw Exception("Can't bslect an object into DC");
    }
    FHandle = handle;
    FDC = dc;
    FBits = static_cast<PskColorArray>(bits);
    FWidth = AWidth;
    FHeight = AHeight;
    RegisterBitmap(this);
    if (FCanvas)
        FCanvas->SetHandle(FDC);
}

void TskBitmap::Clear(TskColor32 Color)
{
    FillRow(FBits, FWidth * FHeight, Color);
}

void TskBitmap::Assign(TPersistent* Source)
{
    if (auto* bitmap = dynamic_cast<TskBitmap*>(Source)) {
        if (bitmap == this)
            return;
        SetSize(bitmap->FWidth, bitmap->FHeight);
        // An empty source leaves the size (SetSize ignores a zero size); nothing is copied then.
        if (!Empty() && FWidth == bitmap->FWidth && FHeight == bitmap->FHeight) {
            CopyRow(bitmap->FBits, FBits, FWidth * FHeight);
            FName = bitmap->FName;
            FTransparent = bitmap->FTransparent;
            FAlphaBlend = bitmap->FAlphaBlend;
        }
        return;
    }
    if (auto* picture = dynamic_cast<TPicture*>(Source)) {
        if (auto* pictureBitmap = dynamic_cast<TBitmap*>(picture->GetGraphic()))
            AssignBitmapLook(pictureBitmap);
        else if (picture->GetGraphic())
            AssignGraphic(picture->GetGraphic());
        return;
    }
    if (auto* classBitmap = dynamic_cast<TBitmap*>(Source)) {
        if (classBitmap->GetPixelFormat() == TPixelFormat::pf32bit)
            AssignBitmapPixels(classBitmap);
        else
            AssignBitmapLook(classBitmap);
        return;
    }
    if (auto* graphic = dynamic_cast<TGraphic*>(Source)) {
        AssignGraphic(graphic);
        return;
    }
    TPersistent::Assign(Source);
}

bool TskBitmap::SizeFrom(int AWidth, int AHeight)
{
    SetSize(AWidth, AHeight);
    return !Empty() && FWidth == AWidth && FHeight == AHeight;
}

void TskBitmap::AssignBitmapPixels(TBitmap* Source)
{
    if (!SizeFrom(Source->GetWidth(), Source->GetHeight()))
        return;
    for (int y = 0; y < FHeight; ++y)
        CopyRow(static_cast<const TskColor32*>(Source->ScanLine(y)), FBits + static_cast<std::ptrdiff_t>(y) * FWidth,
                FWidth);
    CheckingAlphaBlend();
}

void TskBitmap::AssignBitmapLook(TBitmap* Source)
{
    if (!SizeFrom(Source->GetWidth(), Source->GetHeight()))
        return;
    BitBlt(FDC, 0, 0, FWidth, FHeight, Source->Canvas()->GetHandle(), 0, 0, SRCCOPY);
    SetAlpha(255);
}

void TskBitmap::AssignGraphic(TGraphic* Source)
{
    if (!SizeFrom(Source->GetWidth(), Source->GetHeight()))
        return;
    DrawGraphic(Source, MakeRect(0, 0, FWidth, FHeight));
    SetAlpha(255);
}

void TskBitmap::AssignTo(TPersistent* Dest)
{
    TBitmap* target = dynamic_cast<TBitmap*>(Dest);
    if (auto* picture = dynamic_cast<TPicture*>(Dest))
        target = picture->Bitmap();
    if (!target) {
        TPersistent::AssignTo(Dest);
        return;
    }
    target->SetPixelFormat(TPixelFormat::pf32bit);
    target->SetSize(FWidth, FHeight);
    Draw(target->Canvas(), 0, 0);
}

void TskBitmap::DrawGraphic(TGraphic* Graphic, const RECT& DstRect)
{
    if (Empty() || !Graphic)
        return;
    constexpr TskColor32 magenta = 0x00FF00FF;
    TBitmap scratch;
    scratch.SetPixelFormat(TPixelFormat::pf32bit);
    scratch.SetSize(FWidth, FHeight);
    for (int y = 0; y < FHeight; ++y)
        FillRow(static_cast<TskColor32*>(scratch.ScanLine(y)), FWidth, magenta);
    scratch.Canvas()->StretchDraw(DstRect, Graphic);
    for (int y = 0; y < FHeight; ++y) {
        const auto* painted = static_cast<const TskColor32*>(scratch.ScanLine(y));
        TskColor32* row = FBits + static_cast<std::ptrdiff_t>(y) * FWidth;
        for (int x = 0; x < FWidth; ++x)
            if ((painted[x] & 0x00FFFFFFu) != magenta)
                row[x] = painted[x];
    }
}

void TskBitmap::SaveToStream(TStream* Stream) const
{
    WriteStreamString(Stream, FName);
    WriteStreamInt32(Stream, FWidth);
    WriteStreamInt32(Stream, FHeight);
    std::vector<std::uint8_t> raw(static_cast<std::size_t>(FWidth) * FHeight * 4);
    for (std::size_t i = 0; i < raw.size() / 4; ++i)
        for (int b = 0; b < 4; ++b)
            raw[4 * i + static_cast<std::size_t>(b)] = static_cast<std::uint8_t>(FBits[i] >> (8 * b));
    Stream->WriteBuffer(raw.data(), static_cast<std::int64_t>(raw.size()));
}

void TskBitmap::LoadFromStream(TStream* Stream)
{
    ReadStreamString(Stream, FName);
    const std::int32_t w = ReadStreamInt32(Stream);
    const std::int32_t storedHeight = ReadStreamInt32(Stream);
    const std::int64_t h = storedHeight <= 0 ? -static_cast<std::int64_t>(storedHeight) : storedHeight;
    const std::int64_t bytes = 4 * static_cast<std::int64_t>(w) * h;
    if (w <= 0 || h == 0 || h > 0x7FFFFFFF)
        return;
    // A size the stream cannot hold is refused before anything is allocated.
    if (bytes > Stream->Size() - Stream->Position())
        throw EReadError("Stream read error");
    SetSize(w, static_cast<int>(h));
    if (FWidth != w || FHeight != h)
        return;
    std::vector<std::uint8_t> raw(static_cast<std::size_t>(bytes));
    Stream->ReadBuffer(raw.data(), bytes);
    for (std::size_t i = 0; i < static_cast<std::size_t>(FWidth) * FHeight; ++i)
        FBits[i] = raw[4 * i] | (raw[4 * i + 1] << 8) | (raw[4 * i + 2] << 16)
                   | (static_cast<TskColor32>(raw[4 * i + 3]) << 24);
    if (storedHeight <= 0)
        FlipVert();
}

TskBitmapLink* TskBitmap::GetBitmapLink(const RECT& Rect)
{
    auto* link = new TskBitmapLink;
    link->Image = this;
    link->SetName(FName);
    link->SetRect(Rect);
    return link;
}

TskBitmapLink* TskBitmap::GetBitmapLink(const std::string& RectText)
{
    RECT r;
    ParseRectText(RectText, r);
    return GetBitmapLink(r);
}
