#pragma once
// The demo's picture of itself.

#include <string>

// Waits until every window is painted and shown, then writes the screen (grabbed from the X
// server on xcb, else composed from the windows' own pixels) to a PNG file. False on failure.
bool WriteScreenshot(const std::string& path);
