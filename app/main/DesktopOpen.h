#pragma once
// Handing a folder, page or mail address to the desktop, and telling the user when the desktop
// has no program for it (otherwise nothing at all would happen on screen).

#include <string>

class TFrontEndDialogs;

// The message naming what could not be opened.
std::string OpenFailedText(const std::string& Target);
// The one message box naming a target the desktop cannot open, so the user can open it by hand.
void TellOpenFailed(TFrontEndDialogs& Dialogs, const std::string& Target);
// Asks the desktop to open Target; when it is refused at once, TellOpenFailed. True when the
// desktop took it (its opener may still fail later: the main window has the shell's failure
// reporter tell that the same way).
bool OpenOrTell(TFrontEndDialogs& Dialogs, const std::string& Target);
