#pragma once
// The short warning sound. A replaceable sounder lets tests record the beeps.

#include "platform/window/Handles.h"

#include <functional>


// Never blocks. The default sounder rings the X server's bell (nothing without X11).
BOOL MessageBeep(UINT type);
// nullptr returns to the default sounder.
void SetBeepSounder(std::function<void(UINT type)> sounder);
