#include "classlib/Messages.h"

#include "platform/window/Input.h"
#include "platform/window/Keys.h"

TShiftState KeysToShiftState(WPARAM Keys)
{
    TShiftState s;
    if (Keys & MK_SHIFT)
        s.Include(ssShift);
    if (Keys & MK_CONTROL)
        s.Include(ssCtrl);
    if (Keys & MK_LBUTTON)
        s.Include(ssLeft);
    if (Keys & MK_RBUTTON)
        s.Include(ssRight);
    if (Keys & MK_MBUTTON)
        s.Include(ssMiddle);
    if (GetKeyState(VK_MENU) < 0)
        s.Include(ssAlt);
    return s;
}

TShiftState KeyDataToShiftState(LPARAM KeyData)
{
    TShiftState s;
    if (GetKeyState(VK_SHIFT) < 0)
        s.Include(ssShift);
    if (GetKeyState(VK_CONTROL) < 0)
        s.Include(ssCtrl);
    if (KeyData & (LPARAM{1} << 29))
        s.Include(ssAlt);
    return s;
}
