#pragma once
// Top-level surfaces and their native windows (internal to the window layer).

#include "platform/window/WindowObject.h"

// The top-level window's surface, made or resized to the window's size.
std::shared_ptr<Surface> SurfaceOf(Window* top);
// Notes pixels of the top-level window's surface to show (window coordinates).
void MarkDirty(Window* top, const RECT& rect);
// How the top-level window wants its native window shown (from its styles and owner).
NativeAttributes AttributesOf(const Window* top);
// Brings the native window in line with the window: made when first shown, attributes, shape,
// opacity, geometry and visibility.
void SyncNative(Window* top);
// Restacks the native windows in the top-level z-order.
void SyncNativeStacking();
// The desktop raised the shown native window of `top` by itself (a window manager raises the
// window the user clicks): the next restacking puts back above it what belongs there.
void NoteRaisedNatively(Window* top);
// Places and shows the native windows of w and its descendants (see GetNativeWindowId).
void SyncNativeChild(Window* w);
