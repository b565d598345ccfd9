#include "classlib/Colors.h"

#include "platform/gdi/Objects.h"

COLORREF ColorToRGB(TColor Color)
{
    if (Color < 0)
        return GetSysColor(Color & 0xFF);
    return static_cast<COLORREF>(Color) & 0x00FFFFFF;
}
