#pragma once
// Handing a folder, page or mail address to the desktop, and telling the user when the desktop
// has no program for it (otherwise nothing at all would happen on screen).

#include <string>

class TFrontEndDialogs;

// The message naming what could not be opened.
std::string OpenFailedText(const std::string& Target);
// Asks the desktop to open Target; when it is refused, one message box names it so the user
// can open it by hand. True when the desktop took it.
bool OpenOrTell(TFrontEndDialogs& Dialogs, const std::string& Target);
