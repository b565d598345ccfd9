#pragma once
// Opening a document, folder or web address with the desktop's handler. Only the verb "open" (or
// none) is known. Never blocks: the handler runs on its own, and when it cannot open a target it
// took, the failure reporter hears of it later. A replaceable opener lets tests record what would
// have been opened.

#include "platform/window/Handles.h"

#include <functional>
#include <string>


// Returns a value above 32 when the opener took the request; 2 (file not found) for an empty or
// unusable target, 31 (no association) for an unknown verb or when the desktop refused it (no
// opener program).
// parameters, directory and show are not used.
HINSTANCE ShellExecute(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory, int show);

// The opener gets the target as given (a path, a file URL or a web address; an absolute path
// keeps its bytes, other texts have invalid UTF-8 replaced) and answers whether it was taken. nullptr returns to the desktop's opener.
void SetShellOpener(std::function<bool(const std::string& target)> opener);

// Told, on the main thread, of each target the desktop's opener took but could not open (it ended
// with a non-zero status), with the target as ShellExecute got it; nullptr: nobody.
void SetShellOpenFailedReporter(std::function<void(const std::string& target)> reporter);
