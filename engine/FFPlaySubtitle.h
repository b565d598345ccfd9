#pragma once
// Graphic subtitles: palettes turned from RGBA into YUVA, and rectangles blended into a planar
// YUV 4:2:0 picture.

#include <cstdint>

struct AVSubtitleRect;
struct TQueuedSubtitle;

// A palette entry, alpha in the top byte then red, green, blue, as the same layout with Y, U, V
// (BT.601 studio range) in place of red, green, blue.
std::uint32_t RGBAToYUVA(std::uint32_t argb);

// Blends the rectangle (one palette index per pixel, the palette already YUVA) into the planes
// Y, U, V of a picture of the given size; the parts outside the picture are clipped.
void BlendSubtitleRect(std::uint8_t* const planes[3], const int linesize[3], const AVSubtitleRect& rect,
                       int pictureWidth, int pictureHeight);

// Frees the decoded subtitle of the entry.
void FreeSubPicture(TQueuedSubtitle& entry);
