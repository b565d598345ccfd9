#pragma once
// Device contexts: creation, selected objects, origins, clipping, saved states and drawing modes.
// Only the MM_TEXT mapping exists: a logical unit is a pixel.

#include "platform/gdi/GdiTypes.h"

// A memory device context with the stock pen, brush and font and a 1 x 1 monochrome bitmap
// selected, as on Windows (so CreateCompatibleBitmap on it gives monochrome bitmaps). dc may be
// null.
HDC CreateCompatibleDC(HDC dc);
// Only the driver "DISPLAY": an information context that draws nowhere, for the calls that want
// a screen context (GetDIBits, CreateCompatibleBitmap).
HDC CreateDC(const char* driver, const char* device, const char* port, const void* devMode);
BOOL DeleteDC(HDC dc);

// Pens, brushes, fonts and bitmaps return the previously selected object; a region becomes the
// clip region (as SelectClipRgn) and its complexity is returned. Bitmaps go into memory contexts
// only. Null on failure.
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
HGDIOBJ GetCurrentObject(HDC dc, UINT type);

// Returns the new save level (1 for the first save), or 0.
int SaveDC(HDC dc);
// A negative level counts back from the latest save (-1 is the latest); a positive one restores
// the state saved with that level and drops those saved after it.
BOOL RestoreDC(HDC dc, int level);

BOOL SetViewportOrgEx(HDC dc, int x, int y, POINT* previous);
BOOL GetViewportOrgEx(HDC dc, POINT* origin);
BOOL OffsetViewportOrgEx(HDC dc, int dx, int dy, POINT* previous);
BOOL SetWindowOrgEx(HDC dc, int x, int y, POINT* previous);
BOOL GetWindowOrgEx(HDC dc, POINT* origin);

// Clipping. Regions given to and taken from these calls are in device coordinates; rectangles
// are logical. Each returns the complexity of the area that drawing now reaches (NULLREGION,
// SIMPLEREGION, COMPLEXREGION), or ERROR.
int SelectClipRgn(HDC dc, HRGN rgn);
int ExtSelectClipRgn(HDC dc, HRGN rgn, int mode);
int IntersectClipRect(HDC dc, int left, int top, int right, int bottom);
int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom);
// The bounds of the area drawing reaches, in logical coordinates.
int GetClipBox(HDC dc, RECT* box);
// Copies the application's clip region into rgn: 1 when there is one, 0 when there is none, -1 on
// error.
int GetClipRgn(HDC dc, HRGN rgn);

// The setters return the previous value, or CLR_INVALID / 0 on failure.
COLORREF SetTextColor(HDC dc, COLORREF color);
COLORREF GetTextColor(HDC dc);
COLORREF SetBkColor(HDC dc, COLORREF color);
COLORREF GetBkColor(HDC dc);
int SetBkMode(HDC dc, int mode);
int GetBkMode(HDC dc);
int SetROP2(HDC dc, int mode);
int GetROP2(HDC dc);
// Every mode stretches by taking the nearest pixel.
int SetStretchBltMode(HDC dc, int mode);
int GetStretchBltMode(HDC dc);
int SetPolyFillMode(HDC dc, int mode);
int GetPolyFillMode(HDC dc);

BOOL MoveToEx(HDC dc, int x, int y, POINT* previous);
BOOL GetCurrentPositionEx(HDC dc, POINT* position);

// BITSPIXEL (32), PLANES (1), LOGPIXELSX and LOGPIXELSY (96); 0 for anything else.
int GetDeviceCaps(HDC dc, int index);
