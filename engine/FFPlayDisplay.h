#pragma once
// Where a picture goes in the drawing area: the aspect ratio it is shown at and the centred
// rectangle of that shape.

extern "C" {
#include <libavutil/rational.h>
}

struct TDisplayRect {
    int X = 0, Y = 0, W = 0, H = 0;
};

// forcedAspect < 0 stretches over the area, > 0 is the display aspect ratio to use; 0 takes the
// picture's own shape from its sample aspect ratio (square pixels when it has none).
double DisplayAspectRatio(double forcedAspect, int areaWidth, int areaHeight, AVRational sampleAspect,
                          int pictureWidth, int pictureHeight);

// The largest rectangle of that aspect ratio with even sides, centred in the area.
TDisplayRect CalculateDisplayRect(int areaWidth, int areaHeight, double aspect);
