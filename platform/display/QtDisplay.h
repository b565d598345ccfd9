#pragma once
// The display backend over Qt 6: one frameless QWindow per shown top-level window.

#include "platform/display/DisplayBackend.h"

#include <memory>

// Makes the QGuiApplication when there is none yet.
std::unique_ptr<DisplayBackend> CreateQtDisplay();
