#pragma once
// Region handles (HRGN) over Region values.

#include "platform/gdi/GdiTypes.h"

class Region;

// The rectangle's corners may come in any order.
HRGN CreateRectRgn(int left, int top, int right, int bottom);
HRGN CreateRectRgnIndirect(const RECT* rect);
// Between handles and values (for the window manager's window, update and clip regions): a new
// handle holding a copy of a value; the value behind a handle; replacing the value behind a
// handle. The last two return false for an unknown handle.
HRGN CreateRgnFromRegion(const Region& region);
bool GetRgnRegion(HRGN rgn, Region* out);
bool SetRgnRegion(HRGN rgn, const Region& region);

// Sets dst (which may be one of the sources) to src1 combined with src2 by RGN_AND, RGN_OR,
// RGN_XOR, RGN_DIFF, or to a copy of src1 with RGN_COPY. Returns NULLREGION, SIMPLEREGION,
// COMPLEXREGION or ERROR.
int CombineRgn(HRGN dst, HRGN src1, HRGN src2, int mode);
int OffsetRgn(HRGN rgn, int dx, int dy);
BOOL PtInRegion(HRGN rgn, int x, int y);
BOOL RectInRegion(HRGN rgn, const RECT* rect);
int GetRgnBox(HRGN rgn, RECT* box);
BOOL EqualRgn(HRGN a, HRGN b);
// A region from rectangle data (an RGNDATAHEADER followed by its rectangles). Only a null
// transform is supported. Fails (null) when the header is not RDH_RECTANGLES of the standard size
// or names more rectangles than the given byte count holds.
HRGN ExtCreateRegion(const XFORM* xform, DWORD count, const RGNDATA* data);
// Writes the region's rectangles in y-x banded order. With data null returns the bytes needed;
// otherwise returns count when it was large enough, or 0.
DWORD GetRegionData(HRGN rgn, DWORD count, RGNDATA* data);
