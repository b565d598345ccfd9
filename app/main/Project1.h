#pragma once
// The program's start-up as its main block runs it; tests start the real forms the same way.

// Application title and help file name, the program icon, the embedded pictures as bitmap
// resources, the skinned menus and the conversion preview window.
void InitialiseProgram();
// The forms in their order: the main window (which becomes the application's main form), the
// about box, the options dialog, the secondary settings form (never shown).
void CreateProgramForms();
