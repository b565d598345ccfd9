#pragma once
// Drawing shared by the combo boxes (plain and office): the drop-down button in its plain look
// and from a separate button description, and the tool-button look, where the whole control is
// one button with a text and a small drop glyph.

#include "classlib/Canvas.h"
#include "skin/core/skDataSkinControls.h"
#include "skin/core/skSkinData.h"

class TBitmap;
class TFont;

// The plain drop-down button in R: a navy frame round the pressed or hot fill, else a shadow
// frame round the button face; a down arrow in black, or the shadow colour when disabled.
void DrawDefaultDropButton(TCanvas* C, const RECT& R, bool Pressed, bool Hot, bool Enabled);

// The drop-down button composed into R from the skin's first "combobutton", "editbutton" or
// "resizebutton" description (nothing without one), with its arrow or the marker of the
// control's picture ControlPicture.
void DrawSeparateDropButton(TCanvas* C, TskSkinData* SD, TBitmap* ControlPicture, const RECT& R, bool Pressed,
                            bool Hot, bool Enabled);

// The tool-button look over W x H: where the text and the glyph go (2 pixels further while
// the list is open).
struct TskToolButtonParts {
    RECT Text;
    RECT Glyph;
};
TskToolButtonParts ToolButtonParts(int W, int H, bool Open);
// The plain tool button: framed fill by state; the canvas takes DefaultFont and a clear brush.
void DrawDefaultToolButtonFace(TCanvas* C, int W, int H, bool Open, bool Hot, TFont* DefaultFont);
// The skinned tool button from "resizetoolbutton", else "resizebutton": the face composed to
// W x H and the canvas font in the state's colour. Returns the description, or nullptr (nothing
// drawn) without one.
TskDataSkinButtonControl* DrawSkinToolButtonFace(TCanvas* C, TskSkinData* SD, int W, int H, bool Open, bool Hot,
                                                 bool Enabled, TFont* DefaultFont, bool UseSkinFont);
// The drop glyph in Glyph: the description's marker from ControlPicture when it has one, else
// a small down triangle (in the description's down colour while open, else the canvas colour).
void DrawToolButtonGlyph(TCanvas* C, const TskDataSkinButtonControl* D, TBitmap* ControlPicture, const RECT& Glyph,
                         bool Open, bool Hot);

// The text colour of a disabled combo box: with a description in use, the "edit"
// description's DisabledFontColor when the skin has one, else clGrayText.
TColor ComboDisabledFontColor(TskSkinData* SD, bool Described);
