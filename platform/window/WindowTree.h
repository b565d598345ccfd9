#pragma once
// Walks and edits of the window tree (internal to the window layer).

#include "platform/window/WindowObject.h"

#include <vector>

// The top-level window holding w (w itself when it is one); nullptr for the desktop.
Window* TopLevelOf(Window* w);
// The window's top-left corner in screen coordinates.
POINT ScreenOrigin(const Window* w);
// The client area's top-left corner in screen coordinates.
POINT ClientScreenOrigin(const Window* w);
// The window's top-left corner in the coordinates of its top-level window (its surface).
POINT OriginInTopLevel(const Window* w);
// Whether w and every ancestor are visible.
bool IsVisibleChain(const Window* w);
bool IsDescendant(const Window* ancestor, const Window* w);

// Takes w out of its parent's child list.
void Unlink(Window* w);
// Puts w into its parent's child list: on top of its band (HWND_TOP), at the bottom
// (HWND_BOTTOM) or right below `after`. Top-level windows keep the topmost band above the rest.
void LinkAt(Window* w, Window* after, bool bottom);
// Moves the windows owned by `owner` (and theirs) right above it, keeping their own stacking.
void RaiseOwnedAbove(Window* owner);
// Windows owned by `owner`, top of the z-order first.
std::vector<Window*> OwnedWindows(const Window* owner);

// The client rectangle in the parent's client coordinates (screen for top-level windows).
RECT ClientRectInParent(const Window* w);
