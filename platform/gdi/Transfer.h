#pragma once
// Internal: the pixel loop behind every block transfer (BitBlt, StretchBlt, AlphaBlend,
// TransparentBlt, the DIB calls and icons).

#include "platform/gdi/DeviceContext.h"

#include <cstdint>
#include <functional>

namespace gdi {

// Processes n destination pixels d with the n source pixels s that land on them.
using RowOp = std::function<void(std::uint32_t* d, const std::uint32_t* s, int n)>;

// Maps the source rectangle (sx, sy, sw, sh) of src onto the destination rectangle (x, y, w, h)
// of the target (both in surface coordinates; negative extents mirror) by nearest pixel, and
// runs op on every row piece inside the target's clip whose source lies inside src.
void Transfer(Target& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy, int sw, int sh,
              const RowOp& op);

// A transfer through a ternary raster operation from a source surface (surface coordinates) to
// a device context (logical coordinates), converting between monochrome and colour as BitBlt
// does (srcBkColor is the source's background colour).
BOOL RopTransfer(DeviceContext& dst, int x, int y, int w, int h, const Surface& src, bool srcMono,
                 COLORREF srcBkColor, int sx, int sy, int sw, int sh, DWORD rop);

} // namespace gdi
