#include "engine/FFPlayDisplay.h"

#include "engine/FFmpegEntries.h"

#include <cmath>

double DisplayAspectRatio(double forcedAspect, int areaWidth, int areaHeight, AVRational sampleAspect,
                          int pictureWidth, int pictureHeight)
{
    if (forcedAspect < 0 && areaWidth != 0 && areaHeight != 0)
        return static_cast<double>(areaWidth) / areaHeight;
    if (forcedAspect > 0)
        return forcedAspect;
    double pixelAspect = sampleAspect.num != 0 && sampleAspect.den != 0
                             ? static_cast<double>(sampleAspect.num) / sampleAspect.den
                             : 0.0;
    if (pixelAspect <= 0)
        pixelAspect = 1.0;
    return pictureHeight > 0 ? pixelAspect * pictureWidth / pictureHeight : pixelAspect;
}

TDisplayRect CalculateDisplayRect(int areaWidth, int areaHeight, double aspect)
{
    TDisplayRect rect;
    rect.H = areaHeight;
    rect.W = static_cast<int>(std::lround(rect.H * aspect)) & ~1;
    if (rect.W > areaWidth) {
        rect.W = areaWidth;
        rect.H = static_cast<int>(std::lround(rect.W / aspect)) & ~1;
    }
    rect.X = (areaWidth - rect.W) / 2;
    rect.Y = (areaHeight - rect.H) / 2;
    return rect;
}

std::vector<TDisplayRect> BorderRects(int areaWidth, int areaHeight, const TDisplayRect& picture)
{
    const int right = picture.X + picture.W;
    const int bottom = picture.Y + picture.H;
    const TDisplayRect candidates[] = {
        {0, 0, areaWidth, picture.Y},                          // above
        {0, bottom, areaWidth, areaHeight - bottom},           // below
        {0, picture.Y, picture.X, picture.H},                  // left
        {right, picture.Y, areaWidth - right, picture.H},      // right
    };
    std::vector<TDisplayRect> borders;
    for (const TDisplayRect& rect : candidates) {
        if (rect.W > 0 && rect.H > 0)
            borders.push_back(rect);
    }
    return borders;
}

void FillSurfaceRect(SDL_Surface* surface, const TDisplayRect& rect, std::uint32_t colour)
{
    SDL_Rect area;
    area.x = static_cast<Sint16>(rect.X);
    area.y = static_cast<Sint16>(rect.Y);
    area.w = static_cast<Uint16>(rect.W);
    area.h = static_cast<Uint16>(rect.H);
    ff::SDL_FillRect(surface, &area, colour);
}
