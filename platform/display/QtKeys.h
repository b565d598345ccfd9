#pragma once
// Qt keys as virtual-key codes.

#include "platform/win/Types.h"

// 0 for keys without a virtual-key code. `keypad` tells the number pad's keys apart.
UINT VirtualKeyFromQt(int qtKey, bool keypad);
