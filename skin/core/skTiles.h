#pragma once
// The cells of a tiled draw: SrcRect repeated over DstRect from its top-left corner, column by
// column and top to bottom within a column; cells cut by DstRect take the top-left part of
// SrcRect. An empty cell ends its column.

#include "platform/win/Rect.h"

template <class Cell>
void ForEachTile(const RECT& DstRect, const RECT& SrcRect, Cell cell)
{
    const int w = RectWidth(SrcRect), h = RectHeight(SrcRect);
    if (w <= 0 || h <= 0)
        return;
    const int dw = RectWidth(DstRect), dh = RectHeight(DstRect);
    const int columns = dw / w + (dw % w != 0 ? 1 : 0);
    const int rows = dh / h + (dh % h != 0 ? 1 : 0);
    for (int i = 0; i < columns; ++i) {
        for (int j = 0; j < rows; ++j) {
            const RECT whole = MakeRect(DstRect.left + i * w, DstRect.top + j * h, DstRect.left + (i + 1) * w,
                                        DstRect.top + (j + 1) * h);
            RECT part;
            if (!IntersectRect(&part, &whole, &DstRect))
                break;
            cell(part, MakeRect(SrcRect.left, SrcRect.top, SrcRect.left + RectWidth(part),
                                SrcRect.top + RectHeight(part)));
        }
    }
}

// Only the cells that meet DstClip, each whole; every cell when DstClip is empty.
template <class Cell>
void ForEachTileMeeting(const RECT& DstRect, const RECT& DstClip, const RECT& SrcRect, Cell cell)
{
    const bool everyCell = IsRectEmpty(&DstClip);
    ForEachTile(DstRect, SrcRect, [&](const RECT& part, const RECT& source) {
        RECT meet;
        if (everyCell || IntersectRect(&meet, &part, &DstClip))
            cell(part, source);
    });
}
