#pragma once
// A picture the engine hands to the application (preview and hook events): 32 bits per pixel,
// bytes blue, green, red, alpha; rows top-down without padding, as the drawing layer keeps them.

#include <cstdint>
#include <vector>

struct TFFPicture {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint8_t> Pixels;  // Width * Height * 4 bytes
};
