#pragma once
// The system's warning box (warning icon, OK alone) that reports a failed conversion task. Tests
// replace it so that nothing waits for a click.

#include <functional>
#include <string>

using TWarningBox = std::function<void(const std::string& Text, const std::string& Caption)>;

// Shows the box in force: the application's message box unless replaced.
void ShowWarningBox(const std::string& Text, const std::string& Caption);
// Replaces the box; an empty function restores the application's.
void SetWarningBox(TWarningBox Box);
