// System cursors, shown on the native window under the pointer.

#include "platform/window/Input.h"

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
