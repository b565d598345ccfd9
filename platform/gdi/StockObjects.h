#pragma once
// Internal: the permanent objects a new device context starts with.

#include "platform/gdi/GdiTypes.h"

namespace gdi {

// The 1 x 1 monochrome bitmap of a new memory device context.
HBITMAP DefaultBitmap();

} // namespace gdi
