#include "engine/FFPlayDisplay.h"

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
