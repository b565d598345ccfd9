#pragma once
// Pens, brushes, stock objects, system colours and the calls shared by every drawing object.

#include "platform/gdi/GdiTypes.h"

HGDIOBJ GetStockObject(int index);
// Styles PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL and PS_INSIDEFRAME. A width
// of 0 or 1 draws one-pixel lines, which alone show the dash patterns; wider pens draw solid with
// round ends, up to 256 pixels wide.
HPEN CreatePen(int style, int width, COLORREF color);
HBRUSH CreateSolidBrush(COLORREF color);
// Deletes a pen, brush, font, bitmap or region. Fails (FALSE) for an unknown handle, for other
// kinds of handles and for an object still selected into a device context; stock objects are
// never deleted.
BOOL DeleteObject(HGDIOBJ object);
// Fills a BITMAP or a DIBSECTION (bitmaps) or a LOGFONT (fonts), chosen by size; returns the bytes
// written, the size of the record when buffer is null, or 0.
int GetObject(HGDIOBJ object, int size, void* buffer);

// The system colours come from a fixed table (the classic Windows scheme), so that drawing is the
// same on every machine.
DWORD GetSysColor(int index);
HBRUSH GetSysColorBrush(int index);
