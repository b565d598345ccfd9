#pragma once
// Input-method reports turned into messages (internal to the window layer).

#include "platform/window/RawInput.h"

#include <functional>

using ImeEmit = std::function<void(UINT message, WPARAM wParam, LPARAM lParam)>;

// Handles RawInput::Kind::ImePreedit and ImeCommit for the window with the keyboard focus
// (target may be nullptr: the pre-edit state still follows the report).
void ConvertImeInput(const RawInput& raw, HWND target, const ImeEmit& emit);
// Forgets the pre-edit state (the window system was reset).
void ResetImeState();
