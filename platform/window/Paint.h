#pragma once
// Update regions, WM_PAINT and device contexts of windows. Windows draw into their top-level
// window's surface, clipped to their visible part: the parent's client area, window regions,
// siblings above with WS_CLIPSIBLINGS and, with WS_CLIPCHILDREN, their own children.

#include "platform/gdi/GdiTypes.h"
#include "platform/window/Handles.h"

// RedrawWindow flags.
constexpr UINT RDW_INVALIDATE = 0x0001;
constexpr UINT RDW_INTERNALPAINT = 0x0002;
constexpr UINT RDW_ERASE = 0x0004;
constexpr UINT RDW_VALIDATE = 0x0008;
constexpr UINT RDW_NOINTERNALPAINT = 0x0010;
constexpr UINT RDW_NOERASE = 0x0020;
constexpr UINT RDW_NOCHILDREN = 0x0040;
constexpr UINT RDW_ALLCHILDREN = 0x0080;
constexpr UINT RDW_UPDATENOW = 0x0100;
constexpr UINT RDW_ERASENOW = 0x0200;
constexpr UINT RDW_FRAME = 0x0400;
constexpr UINT RDW_NOFRAME = 0x0800;

// GetDCEx flags.
constexpr DWORD DCX_WINDOW = 0x00000001;
constexpr DWORD DCX_CACHE = 0x00000002;
constexpr DWORD DCX_CLIPCHILDREN = 0x00000008;
constexpr DWORD DCX_CLIPSIBLINGS = 0x00000010;
constexpr DWORD DCX_PARENTCLIP = 0x00000020;
constexpr DWORD DCX_EXCLUDERGN = 0x00000040;
constexpr DWORD DCX_INTERSECTRGN = 0x00000080;
constexpr DWORD DCX_INTERSECTUPDATE = 0x00000200;
constexpr DWORD DCX_VALIDATE = 0x00200000;

struct PAINTSTRUCT {
    HDC hdc = nullptr;
    BOOL fErase = FALSE;  // TRUE: WM_ERASEBKGND did not erase, the painter must
    RECT rcPaint{};       // client coordinates
    BOOL fRestore = FALSE;
    BOOL fIncUpdate = FALSE;
    BYTE rgbReserved[32]{};
};

// Adds to the update region (client coordinates; nullptr: the whole client area). Children
// of a window without WS_CLIPCHILDREN are invalidated with it.
BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase);
BOOL InvalidateRgn(HWND hwnd, HRGN region, BOOL erase);
BOOL ValidateRect(HWND hwnd, const RECT* rect);
BOOL ValidateRgn(HWND hwnd, HRGN region);
// Sends WM_PAINT at once when the update region is not empty.
BOOL UpdateWindow(HWND hwnd);
// With RDW_FRAME the area may cover the frame (client coordinates, negative where the frame lies
// left or above); RDW_UPDATENOW paints at once, the window and, per the flags, its children.
BOOL RedrawWindow(HWND hwnd, const RECT* rect, HRGN region, UINT flags);
// The bounding box of the client update region; with erase, the background is erased first.
BOOL GetUpdateRect(HWND hwnd, RECT* rect, BOOL erase);
int GetUpdateRgn(HWND hwnd, HRGN region, BOOL erase);

// Sends WM_NCPAINT when the frame is invalid and WM_ERASEBKGND when erasing was asked for, then
// validates the update region and returns a context clipped to it.
HDC BeginPaint(HWND hwnd, PAINTSTRUCT* paint);
BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* paint);

// A context on the client area (GetDC) or the whole window (GetWindowDC), usable at any time;
// give it back with ReleaseDC. GetDC(nullptr) gives a screen-compatible memory context.
HDC GetDC(HWND hwnd);
HDC GetWindowDC(HWND hwnd);
HDC GetDCEx(HWND hwnd, HRGN clip, DWORD flags);
int ReleaseDC(HWND hwnd, HDC dc);
