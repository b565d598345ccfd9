#pragma once
// A 24-bit picture (blue, green, red bytes; rows top-down, each padded to a multiple of 4
// bytes) on which the skin computes hover transitions and image effects. Self holds the
// normal picture; a transition mixes in the active picture BMP by the share Kf (0 shows the
// normal picture, 1 the active one). Every operation checks its sizes and does nothing when
// they do not fit. The pixels live in a DIB section; when it cannot be made, Handle and Bits are
// null and the picture has no size, so every operation on it does nothing.

#include "platform/gdi/GdiTypes.h"

#include <cstdint>

class TskEffectBmp {
public:
    TskEffectBmp(int cx, int cy);
    // A 24-bit copy of a GDI bitmap.
    explicit TskEffectBmp(HBITMAP hBmp);
    // An independent copy (same size and pixels).
    TskEffectBmp(const TskEffectBmp& Source);
    TskEffectBmp& operator=(const TskEffectBmp&) = delete;
    ~TskEffectBmp();

    HBITMAP Handle = nullptr;
    int Width = 0;
    int Height = 0;
    // Bytes of pixel data: row size times Height.
    int Size = 0;
    std::uint8_t* Bits = nullptr;
    BITMAPINFOHEADER BmpHeader{};
    BITMAPINFO BmpInfo{};

    // The whole picture at x, y; stretched into (x, y, cx, cy); and the picture's rows turned
    // upside down into (x, y, cx, cy) from (hx, hy) (both heights negative).
    void Draw(HDC hDC, int x, int y) const;
    void Stretch(HDC hDC, int x, int y, int cx, int cy) const;
    void DrawRect(HDC hDC, int x, int y, int hx, int hy, int cx, int cy) const;

    int RowSize() const { return (Width * 3 + 3) & ~3; }
    // Row y (Width * 3 bytes) into Line, and back.
    void GetScanLine(int y, std::uint8_t* Line) const;
    void SetScanLine(int y, const std::uint8_t* Line);
    // A pixel as 0x00RRGGBB.
    std::uint32_t GetPixel(int x, int y) const;
    void SetPixel(int x, int y, std::uint32_t Color);

    void Morph(const TskEffectBmp& BMP, double Kf);
    void MorphGrad(const TskEffectBmp& BMP, double Kf);
    void MorphHGrad(const TskEffectBmp& BMP, double Kf);
    void MorphVGrad(const TskEffectBmp& BMP, double Kf);
    void MorphLeftGrad(const TskEffectBmp& BMP, double Kf);
    void MorphRightGrad(const TskEffectBmp& BMP, double Kf);
    void MorphPush(const TskEffectBmp& BMP, double Kf);
    void MorphLeftSlide(const TskEffectBmp& BMP, double Kf);
    void MorphRightSlide(const TskEffectBmp& BMP, double Kf);
    // The Morph blend over Rct with BMP's pixels from (StartX, StartY).
    void MorphRect(const TskEffectBmp& BMP, double Kf, const RECT& Rct, int StartX, int StartY);
    // Pixels Rct.Left..Rct.Right, Rct.Top..Rct.Bottom (both ends included, cut to the picture)
    // take BMP's pixels from (StartX, StartY).
    void CopyRect(const TskEffectBmp& BMP, const RECT& Rct, int StartX, int StartY);

    void ChangeBrightness(double Kf);
    void ChangeDarkness(double Kf);
    void GrayScale();
    void Invert();
    void SplitBlur(int Amount);
    void Mosaic(int ASize);
    void AddMonoNoise(int Amount);
    void AddColorNoise(int Amount);
    void Wave(int XDIV, int YDIV, int RatioVal);

    // Quarter turns (counter-clockwise, clockwise) and the vertical flip into Dst, which must
    // have the turned (or the same) size.
    void Rotate90_1(TskEffectBmp& Dst) const;
    void Rotate90_2(TskEffectBmp& Dst) const;
    void FlipVert(TskEffectBmp& Dst) const;
    // Enlarges into Dst by repeating pixels.
    void Resize(TskEffectBmp& Dst) const;

    // A pure white mask pixel protects the picture pixel at its place.
    void MaskBlur(const TskEffectBmp& Msk, int Amount);
    void MaskAntialiasing(const TskEffectBmp& Msk, int Amount);
    // Color is an RGB colour reference.
    void MaskFillColor(const TskEffectBmp& Msk, COLORREF Color, double kf);

private:
    std::uint8_t* PixelAt(int x, int y) { return Bits + static_cast<std::ptrdiff_t>(y) * RowSize() + 3 * x; }
    const std::uint8_t* PixelAt(int x, int y) const
    {
        return Bits + static_cast<std::ptrdiff_t>(y) * RowSize() + 3 * x;
    }
    bool SameSize(const TskEffectBmp& Other) const { return Other.Width == Width && Other.Height == Height; }
    bool MaskFits(const TskEffectBmp& Msk) const;
    bool MaskProtects(const TskEffectBmp& Msk, int x, int y) const;
    template <class PixelOp>
    void ForEachPixel(PixelOp op);
    // Blends column x of every row: each channel := round(A * t + B * (1 - t)).
    void BlendColumn(const TskEffectBmp& BMP, int x, double t);
    void BlendRow(const TskEffectBmp& BMP, int y, double t);
    void CopyColumns(const TskEffectBmp& BMP, int fromX, int toX, int count);
    void SplitBlurWhere(int Amount, const TskEffectBmp* Msk);
    void Allocate(int cx, int cy);
};
