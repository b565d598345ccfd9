#pragma once
// One numbered skin picture holding many small images. Images are placed in the order they are
// added: on the first row (shelf) that still has room for them, else on a new row below, so
// every image's place is known at once and never changes.

#include "tools/skingen/Raster.h"

#include <functional>
#include <vector>

class TAtlas {
public:
    using TDraw = std::function<void(TImage32& image, const RECT& place)>;

    explicit TAtlas(int width) : Width_(width) {}

    // The place of a new image of w x h; draw paints it (at 0, 0 of its own cell) when the
    // picture is made.
    RECT Add(int w, int h, TDraw draw);
    // The picture: unused parts in the transparent key colour.
    TImage32 Render() const;

private:
    struct TShelf {
        int Y, Height, X;
    };
    struct TItem {
        RECT Place;
        TDraw Draw;
    };
    int Width_;
    int Bottom_ = 0;
    std::vector<TShelf> Shelves_;
    std::vector<TItem> Items_;
};
