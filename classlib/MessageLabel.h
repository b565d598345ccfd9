#pragma once
// How a message box keeps its text on the screen: a label too wide for the work area wraps
// (breaking words wider than a line, such as a long path) and a label too high is cut, so the
// box, its text's start and its buttons stay within the work area.

class TCustomForm;
class TCustomLabel;

// Fits Label, placed on Box, into the room that the work area has around the screen's centre
// (where boxes are shown) once AroundWidth and AroundHeight are taken by the rest of the box's
// client area (margins, icon, buttons); the box's frame is measured from its window. A label
// that fits stays as it is.
void FitMessageLabel(TCustomForm* Box, TCustomLabel* Label, int AroundWidth, int AroundHeight);
