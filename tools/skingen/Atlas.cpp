#include "tools/skingen/Atlas.h"

#include <algorithm>

namespace {
constexpr int kGap = 1;
}

RECT TAtlas::Add(int w, int h, TDraw draw)
{
    if (X_ > 0 && X_ + w > Width_) {
        X_ = 0;
        Y_ += RowHeight_ + kGap;
        RowHeight_ = 0;
    }
    const RECT place = RectWH(X_, Y_, w, h);
    X_ += w + kGap;
    RowHeight_ = std::max(RowHeight_, h);
    Items_.push_back({place, std::move(draw)});
    return place;
}

TImage32 TAtlas::Render() const
{
    int width = Width_, height = 0;
    for (const TItem& item : Items_) {
        width = std::max<int>(width, item.Place.right);
        height = std::max<int>(height, item.Place.bottom);
    }
    TImage32 image(width, std::max(1, height), kKeyColor);
    for (const TItem& item : Items_) {
        TImage32 cell(RectW(item.Place), RectH(item.Place), kKeyColor);
        item.Draw(cell, RectWH(0, 0, RectW(item.Place), RectH(item.Place)));
        image.Copy(cell.Flattened(kKeyColor), RectWH(0, 0, cell.Width(), cell.Height()), item.Place.left, item.Place.top);
    }
    return image;
}
