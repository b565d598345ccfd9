#include "tools/skingen/Atlas.h"

#include <algorithm>

namespace {
constexpr int kGap = 1;
}

RECT TAtlas::Add(int w, int h, TDraw draw)
{
    TShelf* shelf = nullptr;
    for (TShelf& s : Shelves_)
        if (h <= s.Height && s.X + w <= Width_) {
            shelf = &s;
            break;
        }
    if (!shelf) {
        Shelves_.push_back({Bottom_, h, 0});
        Bottom_ += h + kGap;
        shelf = &Shelves_.back();
    }
    const RECT place = RectWH(shelf->X, shelf->Y, w, h);
    shelf->X += w + kGap;
    Items_.push_back({place, std::move(draw)});
    return place;
}

TImage32 TAtlas::Render() const
{
    int width = Width_, height = 1;
    for (const TItem& item : Items_) {
        width = std::max<int>(width, item.Place.right);
        height = std::max<int>(height, item.Place.bottom);
    }
    TImage32 image(width, height, kKeyColor);
    for (const TItem& item : Items_) {
        TImage32 cell(RectW(item.Place), RectH(item.Place), kKeyColor);
        item.Draw(cell, RectWH(0, 0, RectW(item.Place), RectH(item.Place)));
        image.Copy(cell.Flattened(kKeyColor), RectWH(0, 0, cell.Width(), cell.Height()), item.Place.left, item.Place.top);
    }
    return image;
}
