#pragma once
// One numbered skin picture holding many small images: images are placed left to right in rows
// of a fixed width, in the order they are added, and drawn when the picture is made.

#include "tools/skingen/Raster.h"

#include <functional>
#include <vector>

class TAtlas {
public:
    using TDraw = std::function<void(TImage32& image, const RECT& place)>;

    explicit TAtlas(int width) : Width_(width) {}

    // The place of a new image of w x h; draw paints it when the picture is made.
    RECT Add(int w, int h, TDraw draw);
    // The picture: unused parts in the transparent key colour.
    TImage32 Render() const;

private:
    struct TItem {
        RECT Place;
        TDraw Draw;
    };
    int Width_;
    int X_ = 0, Y_ = 0, RowHeight_ = 0;
    std::vector<TItem> Items_;
};
