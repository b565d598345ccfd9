#pragma once
// The skin library's 32-bit picture with a per-pixel alpha channel, held in a DIB section with
// its own memory device context, so GDI drawing and direct pixel access meet on the same
// pixels. Pixel (x, y) is word y * Width + x of Bits (rows top-down, no padding).

#include "classlib/Classes.h"
#include "platform/gdi/GdiTypes.h"
#include "skin/core/skeffects.h"

#include <string>

class TBitmap;
class TCanvas;
class TGraphic;
class TStream;
class TskBitmapLink;

class TskBitmap : public TPersistent {
public:
    TskBitmap();
    ~TskBitmap() override;

    // From another TskBitmap: size, pixels, Name, Transparent and AlphaBlend. From a 32-bit
    // class-library bitmap: its pixels with their alpha (AlphaBlend then tells whether any is
    // translucent). From any other bitmap, graphic or picture: its look, opaque.
    void Assign(TPersistent* Source) override;

    HBITMAP GetHandle() const { return FHandle; }
    // A canvas drawing on the bitmap's memory context (made on first use; follows resizing).
    TCanvas* GetCanvas();
    // The memory device context the DIB is selected into; null while empty.
    HDC GetMemDC() const { return FDC; }
    PskColorArray GetBits() const { return FBits; }
    int GetWidth() const { return FWidth; }
    int GetHeight() const { return FHeight; }
    bool GetAlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool Value) { FAlphaBlend = Value; }
    bool GetTransparent() const { return FTransparent; }
    void SetTransparent(bool Value) { FTransparent = Value; }
    const std::string& GetName() const { return FName; }
    void SetName(const std::string& Value) { FName = Value; }
    // A flag carried for the owner; the bitmap never reads it.
    bool GetNewFormat() const { return FNewFormat; }
    void SetNewFormat(bool Value) { FNewFormat = Value; }

    // Takes the absolute values; a zero side or the current size keeps the pixels, any other
    // size gives all-zero pixels. Raises Exception when the DIB or its context cannot be made,
    // leaving the bitmap empty.
    void SetSize(int AWidth, int AHeight);
    bool Empty() const { return FBits == nullptr; }

    void Clear(TskColor32 Color);
    void SetAlpha(std::uint8_t Alpha);
    void SetAlpha(std::uint8_t Alpha, const RECT& Rect);
    // AlphaBlend := some pixel (of Rect) is translucent.
    void CheckingAlphaBlend();
    void CheckingAlphaBlend(const RECT& Rect);
    // Pixels within 5 of Color in every channel become TransparentColor32; Transparent tells
    // whether any did. Color is a pixel word.
    void CheckingTransparent(TskColor32 Color);
    void CheckingTransparent(TskColor32 Color, const RECT& Rect);
    void FlipVert();
    // Flipped, with alpha fading to nothing at the middle row (divisors 3, 4 and 2).
    void Reflection();
    void Reflection2();
    void Reflection3();
    void SetBitmapHue(int Hue);
    void ChangeBitmapSat(int DeltaSat);
    void ChangeBitmapHue(int DeltaHue);
    void ChangeBitmapBrightness(int DeltaBrightness);
    void FillRect(const RECT& R, TskColor32 Color);
    // Puts SrcRect of Bitmap under this bitmap's translucent pixels, with (X, Y) the place of
    // SrcRect's top-left corner.
    void MergeDraw(const TskBitmap& Bitmap, int X, int Y, const RECT& SrcRect);

    // Drawing onto another TskBitmap: alpha-blended when AlphaBlend, else keyed when
    // Transparent, else copied; scaled by nearest pixel when the sizes differ.
    void Draw(TskBitmap& Bitmap, int X, int Y) const;
    void Draw(TskBitmap& Bitmap, int X, int Y, const RECT& SrcRect) const;
    void Draw(TskBitmap& Bitmap, const RECT& DstRect) const;
    void Draw(TskBitmap& Bitmap, const RECT& DstRect, const RECT& SrcRect) const;
    // Drawing onto a device context. A context that belongs to another TskBitmap is drawn into
    // directly (honouring its window origin); any other gets the same result through GDI.
    void Draw(HDC DC, int X, int Y) const;
    void Draw(HDC DC, int X, int Y, const RECT& SrcRect) const;
    void Draw(HDC DC, const RECT& DstRect) const;
    void Draw(HDC DC, const RECT& DstRect, const RECT& SrcRect) const;
    void Draw(TCanvas* Canvas, int X, int Y) const;
    void Draw(TCanvas* Canvas, int X, int Y, const RECT& SrcRect) const;
    void Draw(TCanvas* Canvas, const RECT& DstRect) const;
    void Draw(TCanvas* Canvas, const RECT& DstRect, const RECT& SrcRect) const;
    // Repeats SrcRect over DstRect from its top-left corner; TileClip draws only the cells
    // that meet DstClip (every cell when DstClip is empty).
    void Tile(TskBitmap& Bitmap, const RECT& DstRect, const RECT& SrcRect) const;
    void TileClip(TskBitmap& Bitmap, const RECT& DstRect, const RECT& DstClip, const RECT& SrcRect) const;
    // Tiling a device context writes straight into a 32-bit bottom-up DIB selected into it.
    void Tile(HDC DC, const RECT& DstRect, const RECT& SrcRect) const;
    void TileClip(HDC DC, const RECT& DstRect, const RECT& DstClip, const RECT& SrcRect) const;
    void Tile(TCanvas* Canvas, const RECT& DstRect, const RECT& SrcRect) const;
    void TileClip(TCanvas* Canvas, const RECT& DstRect, const RECT& DstClip, const RECT& SrcRect) const;
    // Graphic stretched into DstRect: every pixel it paints replaces this bitmap's pixel.
    void DrawGraphic(TGraphic* Graphic, const RECT& DstRect);

    // Name as a stream string, width, height and the pixel words, little-endian. A stored
    // height of 0 or below means bottom-up rows.
    void SaveToStream(TStream* Stream) const;
    void LoadFromStream(TStream* Stream);
    // An 8-bit palette PCX picture (run-length encoded or raw), opaque. A stream that does not
    // start like a PCX file changes nothing.
    void LoadFromPcxStream(TStream* Stream);

    // A new link (owned by the caller) to Rect of this bitmap.
    TskBitmapLink* GetBitmapLink(const RECT& Rect);
    TskBitmapLink* GetBitmapLink(const std::string& RectText);

protected:
    // Into a class-library bitmap or picture: 32 bits per pixel, this size, this bitmap drawn on it.
    void AssignTo(TPersistent* Dest) override;

private:
    template <class Adjust>
    void AdjustOpaquePixels(Adjust adjust);
    void ReflectionWithDivisor(int Divisor);

    void FreeHandles();
    // SetSize, and whether the bitmap now has exactly that size.
    bool SizeFrom(int AWidth, int AHeight);
    void AssignBitmapPixels(TBitmap* Source);
    void AssignBitmapLook(TBitmap* Source);
    void AssignGraphic(TGraphic* Source);

    PskColorArray FBits = nullptr;
    int FWidth = 0;
    int FHeight = 0;
    std::string FName;
    BITMAPINFO FBitmapInfo{};
    HBITMAP FHandle = nullptr;
    HDC FDC = nullptr;
    TCanvas* FCanvas = nullptr;
    bool FAlphaBlend = false;
    bool FTransparent = false;
    bool FNewFormat = false;
};

// The TskBitmap whose memory device context is DC, or null.
TskBitmap* FindBitmapByDC(HDC DC);
