#pragma once
// The cells of a tiled draw: SrcRect repeated over DstRect from its top-left corner, column by
// column and top to bottom within a column; cells cut by DstRect take the top-left part of
// SrcRect. Only cells that meet Reach (the extent the target can show) are visited, so a huge
// DstRect or a one-pixel SrcRect costs no more than the visible area; positions are computed
// in 64 bits.

#include "platform/win/Rect.h"

#include <algorithm>
#include <cstdint>

template <class Cell>
void ForEachTile(const RECT& DstRect, const RECT& SrcRect, const RECT& Reach, Cell cell)
{
    using I = std::int64_t;
    const I w = I{SrcRect.right} - SrcRect.left, h = I{SrcRect.bottom} - SrcRect.top;
    RECT area;
    if (w <= 0 || h <= 0 || !IntersectRect(&area, &DstRect, &Reach))
        return;
    const I i0 = (I{area.left} - DstRect.left) / w, i1 = (I{area.right} - DstRect.left + w - 1) / w;
    const I j0 = (I{area.top} - DstRect.top) / h, j1 = (I{area.bottom} - DstRect.top + h - 1) / h;
    for (I i = i0; i < i1; ++i) {
        for (I j = j0; j < j1; ++j) {
            // Cells lie within DstRect, so their edges fit an int.
            const int left = static_cast<int>(DstRect.left + i * w), top = static_cast<int>(DstRect.top + j * h);
            const int right = static_cast<int>(std::min<I>(DstRect.right, DstRect.left + (i + 1) * w));
            const int bottom = static_cast<int>(std::min<I>(DstRect.bottom, DstRect.top + (j + 1) * h));
            if (right <= left || bottom <= top)
                break;
            cell(MakeRect(left, top, right, bottom),
                 MakeRect(SrcRect.left, SrcRect.top, SrcRect.left + (right - left), SrcRect.top + (bottom - top)));
        }
    }
}

// Only the cells that meet DstClip, each whole; every cell within Reach when DstClip is empty.
template <class Cell>
void ForEachTileMeeting(const RECT& DstRect, const RECT& DstClip, const RECT& SrcRect, const RECT& Reach, Cell cell)
{
    const bool everyCell = IsRectEmpty(&DstClip);
    ForEachTile(DstRect, SrcRect, Reach, [&](const RECT& part, const RECT& source) {
        RECT meet;
        if (everyCell || IntersectRect(&meet, &part, &DstClip))
            cell(part, source);
    });
}
