#pragma once
// The one Qt application object of the process, which fonts, text and the display need.

// Creates the QGuiApplication when none exists yet (on the GUI thread, before any other Qt GUI
// use). Qt's high-DPI scaling is switched off first, so that one pixel of ours is one pixel on
// the screen, and the xcb platform is chosen unless QT_QPA_PLATFORM says otherwise (the player's
// native child window needs X11). Throws EAssertionFailed when a non-GUI QCoreApplication exists.
void EnsureGuiApplication();
