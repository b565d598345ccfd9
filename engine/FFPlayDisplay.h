#pragma once
// Where a picture goes in the drawing area: the aspect ratio it is shown at and the centred
// rectangle of that shape.

#include <cstdint>
#include <vector>

extern "C" {
#include <libavutil/rational.h>
}

struct SDL_Surface;

struct TDisplayRect {
    int X = 0, Y = 0, W = 0, H = 0;
};

// forcedAspect < 0 stretches over the area, > 0 is the display aspect ratio to use; 0 takes the
// picture's own shape from its sample aspect ratio (square pixels when it has none).
double DisplayAspectRatio(double forcedAspect, int areaWidth, int areaHeight, AVRational sampleAspect,
                          int pictureWidth, int pictureHeight);

// The largest rectangle of that aspect ratio with even sides, centred in the area.
TDisplayRect CalculateDisplayRect(int areaWidth, int areaHeight, double aspect);

// The parts of the area the picture's rectangle leaves uncovered (none when it fills the area).
std::vector<TDisplayRect> BorderRects(int areaWidth, int areaHeight, const TDisplayRect& picture);

// Fills the rectangle of the surface with the colour (the surface's pixel value).
void FillSurfaceRect(SDL_Surface* surface, const TDisplayRect& rect, std::uint32_t colour);
