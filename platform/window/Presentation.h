#pragma once
// Top-level surfaces and their native windows (internal to the window layer).

#include "platform/window/WindowObject.h"

// The top-level window's surface, made or resized to the window's size.
std::shared_ptr<Surface> SurfaceOf(Window* top);
// Notes pixels of the top-level window's surface to show (window coordinates).
void MarkDirty(Window* top, const RECT& rect);
// Brings the native window in line with the window: made when first shown, attributes, shape,
// opacity, geometry and visibility.
void SyncNative(Window* top);
// Restacks the native windows in the top-level z-order.
void SyncNativeStacking();
// Places and shows the native windows of w and its descendants (see GetNativeWindowId).
void SyncNativeChild(Window* w);
