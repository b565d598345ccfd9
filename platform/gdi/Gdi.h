#pragma once
// The whole drawing layer (the GDI stand-in) in one include.

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Blt.h"
#include "platform/gdi/Dc.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/Icons.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Regions.h"
#include "platform/gdi/Text.h"
