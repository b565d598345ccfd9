#pragma once
// A 24-bit top-down copy of a bitmap with a table of row pointers, for scanning pixels fast.

#include "platform/gdi/GdiTypes.h"

#include <cstdint>
#include <vector>

using PPLines = std::uint8_t**;

class TskFBitmap {
public:
    explicit TskFBitmap(HBITMAP Source);
    ~TskFBitmap();
    TskFBitmap(const TskFBitmap&) = delete;
    TskFBitmap& operator=(const TskFBitmap&) = delete;

    // First byte of the pixels (blue, green, red per pixel); null when the copy failed.
    std::uint8_t* Bits = nullptr;
    // Row i at Bits + i * RowInc (row 0 is the top row).
    PPLines Pixels = nullptr;
    int Gap = 0;
    int RowInc = 0;
    int Size = 0;
    int Width = 0;
    int Height = 0;
    HBITMAP Handle = nullptr;
    HDC hDC = nullptr;
    BITMAPINFO bmInfo{};
    BITMAPINFOHEADER bmHeader{};

private:
    std::vector<std::uint8_t*> FRows;
};
