#pragma once
// The system's stock message icons, drawn by our own code at 32 x 32 so that their pixels never
// depend on the desktop's icon theme.

#include "platform/gdi/GdiTypes.h"
#include "platform/window/Handles.h"

inline const LPCSTR IDI_HAND = MAKEINTRESOURCE(32513);
inline const LPCSTR IDI_QUESTION = MAKEINTRESOURCE(32514);
inline const LPCSTR IDI_EXCLAMATION = MAKEINTRESOURCE(32515);
inline const LPCSTR IDI_ASTERISK = MAKEINTRESOURCE(32516);
inline const LPCSTR IDI_ERROR = IDI_HAND;
inline const LPCSTR IDI_WARNING = IDI_EXCLAMATION;
inline const LPCSTR IDI_INFORMATION = IDI_ASTERISK;

// Only the stock icons (instance nullptr, an IDI_ id) are known; anything else gives nullptr.
// The icons are shared: every call gives the same handle, and DestroyIcon leaves it.
HICON LoadIcon(HINSTANCE instance, LPCSTR name);
