// System cursors, shown on the native window under the pointer.

#include "platform/window/Input.h"
#include "platform/window/Metrics.h"

#include "platform/window/WindowSystem.h"
#include "platform/window/WindowTree.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<WORD, CursorShape>, 14> kCursors{{
    {32512, CursorShape::Arrow},
    {32513, CursorShape::IBeam},
    {32514, CursorShape::Wait},
    {32515, CursorShape::Cross},
    {32516, CursorShape::UpArrow},
    {32642, CursorShape::SizeNWSE},
    {32643, CursorShape::SizeNESW},
    {32644, CursorShape::SizeWE},
    {32645, CursorShape::SizeNS},
    {32646, CursorShape::SizeAll},
    {32648, CursorShape::No},
    {32649, CursorShape::Hand},
    {32650, CursorShape::AppStarting},
    {32651, CursorShape::Help},
}};

// Rows of each system cursor's picture from its hot spot down to its lowest row, as the desktop
// theme's pictures are drawn (a 32-pixel cell).
constexpr std::array<std::pair<WORD, int>, 14> kBelowHotSpot{{
    {32512, 20}, {32513, 9}, {32514, 10}, {32515, 8}, {32516, 16}, {32642, 8}, {32643, 8},
    {32644, 8}, {32645, 8}, {32646, 8}, {32648, 8}, {32649, 22}, {32650, 20}, {32651, 20},
}};

const std::pair<WORD, CursorShape>* FindCursor(std::uintptr_t id)
{
    for (const auto& entry : kCursors) {
        if (entry.first == id)
            return &entry;
    }
    return nullptr;
}

} // namespace

HCURSOR LoadCursor(HINSTANCE instance, LPCSTR name)
{
    if (instance || !IS_INTRESOURCE(name))
        return nullptr;
    const auto id = reinterpret_cast<std::uintptr_t>(name);
    return FindCursor(id) ? reinterpret_cast<HCURSOR>(id) : nullptr;
}

HCURSOR SetCursor(HCURSOR cursor)
{
    WindowSystem& sys = Sys();
    const HCURSOR old = sys.input.cursorHandle;
    sys.input.cursorHandle = cursor;
    Window* under = sys.Find(sys.input.capture);
    if (!under)
        under = sys.Find(sys.input.underMouse);
    Window* top = TopLevelOf(under);
    if (top && top->top && top->top->native) {
        const auto* entry = FindCursor(reinterpret_cast<std::uintptr_t>(cursor));
        top->top->native->SetCursor(entry ? entry->second : CursorShape::Arrow);
    }
    return old;
}

HCURSOR GetCursor()
{
    return Sys().input.cursorHandle;
}

int CursorRowsBelowHotSpot(HCURSOR cursor)
{
    const auto id = reinterpret_cast<std::uintptr_t>(cursor);
    for (const auto& entry : kBelowHotSpot)
        if (entry.first == id)
            return entry.second;
    return GetSystemMetrics(SM_CYCURSOR);
}
