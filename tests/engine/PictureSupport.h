#pragma once
// Pictures for the tests that compare the engine's pictures with the ffmpeg command's: running
// the command, its RGB frame of a file, and the pixels of the engine's bitmaps.

#include "engine/FFPicture.h"
#include "platform/kernel/PlayerHost.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace picturetest {

struct Colour {
    int r = 0, g = 0, b = 0;
    bool Near(const Colour& other, int tolerance) const
    {
        return std::abs(r - other.r) <= tolerance && std::abs(g - other.g) <= tolerance &&
               std::abs(b - other.b) <= tolerance;
    }
    std::string Text() const { return std::to_string(r) + "," + std::to_string(g) + "," + std::to_string(b); }
};

// A picture of 24-bit red, green, blue pixels.
struct RGBFrame {
    int Width = 0, Height = 0;
    std::vector<std::uint8_t> Pixels;
    Colour At(int x, int y) const
    {
        const std::size_t at = (static_cast<std::size_t>(y) * Width + x) * 3;
        return Colour{Pixels[at], Pixels[at + 1], Pixels[at + 2]};
    }
};

// Runs the ffmpeg command; false when it fails.
inline bool FFmpeg(const std::string& arguments)
{
    return std::system(("ffmpeg -nostdin -hide_banner -loglevel error -y " + arguments).c_str()) == 0;
}

// The ffmpeg command's RGB picture of the file's first frame, by way of the raw file; empty when
// it is not of the size. The input options come before the file.
inline RGBFrame FirstFrameRGB(const std::string& file, const std::string& raw, int width, int height,
                              const std::string& inputOptions = "")
{
    if (!FFmpeg(inputOptions + " -i '" + file + "' -frames:v 1 -f rawvideo -pix_fmt rgb24 '" + raw + "'"))
        return {};
    std::ifstream in(raw, std::ios::binary);
    RGBFrame frame{width, height, {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()}};
    if (frame.Pixels.size() != static_cast<std::size_t>(width) * height * 3)
        return {};
    return frame;
}

// A pixel of the engine's bitmap (bytes blue, green, red, alpha).
inline Colour PixelOf(const TFFPicture& picture, int x, int y)
{
    const std::size_t at = (static_cast<std::size_t>(y) * picture.Width + x) * 4;
    return Colour{picture.Pixels[at + 2], picture.Pixels[at + 1], picture.Pixels[at]};
}

// The bitmap brought to another size by taking the nearest pixel.
inline TFFPicture Resized(const TFFPicture& picture, int width, int height)
{
    if (picture.Width == width && picture.Height == height)
        return picture;
    TFFPicture result;
    if (picture.Width <= 0 || picture.Height <= 0)
        return result;
    result.Width = width;
    result.Height = height;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::size_t at =
                (static_cast<std::size_t>(y * picture.Height / height) * picture.Width + x * picture.Width / width) * 4;
            result.Pixels.insert(result.Pixels.end(), picture.Pixels.begin() + at, picture.Pixels.begin() + at + 4);
        }
    return result;
}

// A player's host without a native window, of the given size: SDL's dummy driver draws off screen.
class OffscreenHost : public TPlayerHost {
public:
    OffscreenHost(int width, int height) : width_(width), height_(height) {}
    std::uint64_t NativeWindowId() const override { return 0; }
    void GetClientSize(int& width, int& height) const override
    {
        width = width_;
        height = height_;
    }
    void SetListener(TPlayerHostListener*) override {}

private:
    int width_, height_;
};

} // namespace picturetest
