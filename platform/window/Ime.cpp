// Input-method state: which windows take text, the pre-edit text, and its messages.

#include "platform/window/Ime.h"
#include "platform/window/ImeInput.h"

#include "platform/kernel/Utf8.h"
#include "platform/window/WindowSystem.h"
#include "platform/window/WindowTree.h"

#include <unordered_set>

namespace {

struct ImeState {
    std::unordered_set<HWND> takesText;
    std::string preedit;
    int cursor = 0;
    bool composing = false;
};

ImeState& State()
{
    static ImeState state;
    return state;
}

} // namespace

void SetWindowTakesText(HWND hwnd, bool takesText)
{
    ImeState& s = State();
    std::erase_if(s.takesText, [](HWND h) { return !Sys().IsWindow(h); });
    if (!Sys().IsWindow(hwnd))
        return;
    const bool changed = takesText ? s.takesText.insert(hwnd).second : s.takesText.erase(hwnd) != 0;
    if (changed)
        NotifyInputMethod(hwnd);
}

bool WindowTakesText(HWND hwnd)
{
    return hwnd && Sys().IsWindow(hwnd) && State().takesText.contains(hwnd);
}

std::string ImmGetCompositionString()
{
    return State().preedit;
}

int ImmGetCompositionCursor()
{
    return State().cursor;
}

void NotifyInputMethod(HWND hwnd)
{
    Window* w = Sys().Find(hwnd);
    Window* top = w ? TopLevelOf(w) : nullptr;
    if (top && top->top && top->top->native)
        top->top->native->UpdateInputMethod();
}

void ConvertImeInput(const RawInput& raw, HWND target, const ImeEmit& emit)
{
    ImeState& s = State();
    // A window that takes no text gets nothing of the input method (a read-only edit).
    const bool serve = target && WindowTakesText(target);
    if (raw.kind == RawInput::Kind::ImePreedit) {
        const std::string text = SanitizeUtf8(raw.text);
        if (text.empty()) {
            s.preedit.clear();
            s.cursor = 0;
            if (s.composing && serve)
                emit(WM_IME_ENDCOMPOSITION, 0, 0);
            s.composing = false;
            return;
        }
        if (!serve)
            return;
        s.preedit = text;
        s.cursor = raw.imeCursor;
        if (!s.composing)
            emit(WM_IME_STARTCOMPOSITION, 0, 0);
        s.composing = true;
        emit(WM_IME_COMPOSITION, 0, GCS_COMPSTR | GCS_CURSORPOS);
        return;
    }
    const bool wasComposing = s.composing;
    s.preedit.clear();
    s.cursor = 0;
    s.composing = false;
    if (!serve)
        return;
    for (char32_t c : DecodeUtf8(raw.text))
        emit(WM_IME_CHAR, static_cast<WPARAM>(c), 1);
    if (wasComposing)
        emit(WM_IME_ENDCOMPOSITION, 0, 0);
}

void ResetImeState()
{
    State() = ImeState{};
}
