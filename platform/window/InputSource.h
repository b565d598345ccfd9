#pragma once
// Which device the input message being handled came from (GetCurrentInputMessageSource).

#include "platform/gdi/GdiTypes.h"

enum INPUT_MESSAGE_DEVICE_TYPE : DWORD {
    IMDT_UNAVAILABLE = 0x00,
    IMDT_KEYBOARD = 0x01,
    IMDT_MOUSE = 0x02,
};

enum INPUT_MESSAGE_ORIGIN_ID : DWORD {
    IMO_UNAVAILABLE = 0x00,
    IMO_HARDWARE = 0x01,
};

struct INPUT_MESSAGE_SOURCE {
    INPUT_MESSAGE_DEVICE_TYPE deviceType = IMDT_UNAVAILABLE;
    INPUT_MESSAGE_ORIGIN_ID originId = IMO_UNAVAILABLE;
};

// The device of the last keyboard or mouse message taken from the queue (GetMessage or
// PeekMessage with PM_REMOVE); unavailable before any. Messages sent or posted by code leave it.
BOOL GetCurrentInputMessageSource(INPUT_MESSAGE_SOURCE* source);
