#pragma once
// A memory device context over a 32-bit top-down DIB section whose pixels the tests read.

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Dc.h"
#include "platform/gdi/Objects.h"

#include <cstdint>
#include <map>
#include <string>

class Canvas {
public:
    Canvas(int width, int height, std::uint32_t fill = 0) : width_(width), height_(height)
    {
        BITMAPINFO info{};
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        bits_ = static_cast<std::uint32_t*>(bits);
        dc_ = CreateCompatibleDC(nullptr);
        old_ = SelectObject(dc_, bitmap_);
        for (int i = 0; i < width * height; ++i)
            bits_[i] = fill;
    }
    ~Canvas()
    {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
        DeleteObject(bitmap_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    HBITMAP bitmap() const { return bitmap_; }
    std::uint32_t& at(int x, int y) { return bits_[y * width_ + x]; }

    // The pixels as rows of characters: each known pixel word gives its character, others '?'.
    std::string Picture(const std::map<std::uint32_t, char>& legend)
    {
        std::string out;
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) {
                auto it = legend.find(at(x, y));
                out += it == legend.end() ? '?' : it->second;
            }
            out += '\n';
        }
        return out;
    }

private:
    int width_, height_;
    HBITMAP bitmap_;
    HDC dc_;
    HGDIOBJ old_;
    std::uint32_t* bits_;
};
