#pragma once
// TBitmap: a picture of 1, 4, 8, 24 or 32 bits per pixel with rows reachable through ScanLine,
// a 32-bit DIB section as its Handle, BMP files, and transparency by a fixed colour or by the
// colour of its bottom-left pixel.
//
// 32-bit bitmaps (pf32bit and pfDevice) keep their pixels in the DIB section itself. The other
// formats keep their own rows and palette; the DIB section is then a 32-bit rendering of them,
// refreshed when the rows changed and folded back (to the nearest palette colour for indexed
// formats) when it may have been drawn on.

#include "classlib/Colors.h"
#include "classlib/Graphic.h"
#include "platform/gdi/GdiTypes.h"

#include <memory>

class Surface;
class TCanvas;
class TBitmapCanvas;

enum class TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
enum class TTransparentMode { tmAuto, tmFixed };

class TBitmap : public TGraphic {
public:
    TBitmap();
    ~TBitmap() override;

    int GetWidth() const override { return FWidth; }
    int GetHeight() const override { return FHeight; }
    // Keeps the pixels of the part both sizes share; new pixels are zero.
    void SetSize(int AWidth, int AHeight) override;
    bool Empty() const override { return FWidth == 0 || FHeight == 0; }
    TGraphic* NewEmpty() const override { return new TBitmap; }

    // pfDevice is 32 bits whose alpha byte carries no meaning (what drawing leaves there);
    // pf32bit keeps the alpha byte. Converting to an indexed format maps each pixel to the
    // nearest colour of a standard palette. pf15bit, pf16bit and pfCustom are refused with
    // EInvalidGraphic.
    TPixelFormat GetPixelFormat() const { return FPixelFormat; }
    void SetPixelFormat(TPixelFormat Value);
    // The bytes of row Row (0 is the top row) in the bitmap's own format: packed indexes with the
    // leftmost pixel in the high bits, blue-green-red triples, or blue-green-red-alpha words.
    // EInvalidGraphic "Scan line index out of range" for a row outside the bitmap.
    void* ScanLine(int Row);
    // The palette of an indexed bitmap.
    const std::vector<TPaletteEntry>& GetPalette();
    void SetPalette(const std::vector<TPaletteEntry>& Value);

    // The 32-bit DIB section; null while the bitmap is empty. The handle changes with the size.
    HBITMAP GetHandle();
    // Draws on the bitmap (through a memory context holding the DIB section).
    TCanvas* Canvas();
    // Copies the bitmap into Rect with the canvas's copy mode, or, when Transparent, leaves out
    // the pixels of the transparent colour.
    void Draw(TCanvas* ACanvas, const RECT& Rect) override;

    // In tmAuto mode the colour of the bottom-left pixel; setting a colour selects tmFixed,
    // setting clDefault selects tmAuto.
    TColor GetTransparentColor();
    void SetTransparentColor(TColor Value);
    TTransparentMode GetTransparentMode() const { return FTransparentMode; }
    void SetTransparentMode(TTransparentMode Value);
    void SetTransparent(bool Value) override;

    // BMP file images; loading reads exactly the size the file header gives.
    void LoadFromStream(TStream* Stream) override;
    void SaveToStream(TStream* Stream) override;

    // From another bitmap: an exact copy; from another picture: its pixels as 32 bits per pixel
    // when it has alpha, 24 otherwise; nullptr empties the bitmap.
    void Assign(TPersistent* Source) override;
    TDibData GetDibData() override;
    // Replaces the picture; the depth of Data decides the pixel format (32 bits: pf32bit).
    void SetDibData(const TDibData& Data);

    // The colour of one pixel (for the canvas's Pixels and the transparent colour).
    COLORREF GetPixelColor(int X, int Y);

    // Before drawing on the DIB section (or reading it), so it shows the current rows.
    void BeforeDrawing(bool Writes);
    // After drawing on it.
    void AfterDrawing();

private:
    friend class TBitmapCanvas;
    bool is32() const;
    void ensureSection();
    void releaseSection();
    void refreshSectionFromRows();
    void foldSectionIntoRows();
    TDibData sectionToDib() const;

    int FWidth = 0;
    int FHeight = 0;
    TPixelFormat FPixelFormat = TPixelFormat::pfDevice;
    HBITMAP FHandle = nullptr;
    std::shared_ptr<Surface> FSurface;
    TDibData FRows;                // the pixels of formats other than 32 bits
    bool FSectionStale = false;    // FRows changed after the section was filled
    bool FSectionDrawn = false;    // the section may hold drawing not yet in FRows
    TBitmapCanvas* FCanvas = nullptr;
    TColor FTransparentColor = clDefault;
    TTransparentMode FTransparentMode = TTransparentMode::tmAuto;
};
