#pragma once
// Layered windows (WS_EX_LAYERED top-level windows): a constant alpha over what the window
// paints, or a picture with per-pixel alpha that replaces painting. A layered window shows
// nothing until one of the two was set.

#include "platform/gdi/GdiTypes.h"
#include "platform/window/Handles.h"

constexpr DWORD LWA_COLORKEY = 0x00000001;
constexpr DWORD LWA_ALPHA = 0x00000002;
constexpr DWORD ULW_COLORKEY = 0x00000001;
constexpr DWORD ULW_ALPHA = 0x00000002;
constexpr DWORD ULW_OPAQUE = 0x00000004;

// LWA_ALPHA: the window's pixels at `alpha` (255 opaque). Colour keys are not supported (FALSE).
BOOL SetLayeredWindowAttributes(HWND hwnd, COLORREF key, BYTE alpha, DWORD flags);
BOOL GetLayeredWindowAttributes(HWND hwnd, COLORREF* key, BYTE* alpha, DWORD* flags);
// Moves and sizes the window to `position` and `size` when given and shows the pixels of the
// bitmap selected into `source` from `sourcePoint`: with ULW_ALPHA and AC_SRC_ALPHA their
// straight alpha times the blend's constant alpha, otherwise opaque. Colour keys are not
// supported (FALSE). `screen` is ignored.
BOOL UpdateLayeredWindow(HWND hwnd, HDC screen, const POINT* position, const SIZE* size, HDC source,
                         const POINT* sourcePoint, COLORREF key, const BLENDFUNCTION* blend, DWORD flags);

// An owned layered window that frames its owner (a shadow or border around it) and must go up
// and down with it: the desktop keeps it just above the owner, under the programs that cover the
// owner, where an owned pop-up would float above every program. FALSE for other windows.
BOOL StackLayeredWithOwner(HWND hwnd, bool on);

// Whether layered windows' alpha (per-pixel or constant) reaches the screen: on X11 only while a
// compositing manager runs.
bool TranslucencyReachesScreen();
// Screen tests on a server without compositor: true or false answers the query above as given,
// a negative value asks the display again.
void SetTranslucencyOverride(int Value);
