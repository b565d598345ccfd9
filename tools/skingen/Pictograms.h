#pragma once
// Simple pictograms shared by the category pictures and the tool bar pictures, drawn into a box
// on the 48-pixel design grid (quarter pixels). ink draws the shape; back is the colour of its
// cut-outs (holes, screens) and is normally the colour behind it.

#include "tools/skingen/IconPainter.h"

struct TBox {
    int L, T, R, B;
    int W() const { return R - L; }
    int H() const { return B - T; }
    int CX() const { return (L + R) / 2; }
    int CY() const { return (T + B) / 2; }
};

void DrawFilm(TIconPainter& p, TBox b, TRgb ink, TRgb back, bool play);
// A film reel: a disc with five round windows around its hub.
void DrawReel(TIconPainter& p, TBox b, TRgb ink, TRgb back);
// A clapperboard: a board with a striped clapper raised over it.
void DrawClapper(TIconPainter& p, TBox b, TRgb ink, TRgb back);
void DrawNotes(TIconPainter& p, TBox b, TRgb ink);
void DrawNote(TIconPainter& p, TBox b, TRgb ink);
void DrawScreen(TIconPainter& p, TBox b, TRgb ink, TRgb back);
void DrawPhone(TIconPainter& p, TBox b, TRgb ink, TRgb back, bool buttons);
void DrawPocketPlayer(TIconPainter& p, TBox b, TRgb ink, TRgb back);
void DrawHandheld(TIconPainter& p, TBox b, TRgb ink, TRgb back);
void DrawController(TIconPainter& p, TBox b, TRgb ink, TRgb back);
void DrawDisc(TIconPainter& p, TBox b, TRgb ink, TRgb back);
void DrawCamcorder(TIconPainter& p, TBox b, TRgb ink, TRgb back);
void DrawBolt(TIconPainter& p, TBox b, TRgb ink);
void DrawWave(TIconPainter& p, TBox b, TRgb ink);
void DrawSetTopBox(TIconPainter& p, TBox b, TRgb ink, TRgb back);
void DrawTvBox(TIconPainter& p, TBox b, TRgb ink, TRgb back);
void DrawPlay(TIconPainter& p, TBox b, TRgb ink);
void DrawFolder(TIconPainter& p, TBox b, TRgb front, TRgb rear);
void DrawGear(TIconPainter& p, TBox b, TRgb ink);
void DrawPalette(TIconPainter& p, TBox b, TRgb ink);
void DrawArrow(TIconPainter& p, TBox b, TRgb ink, bool up);
void DrawPencil(TIconPainter& p, TBox b, TRgb body, TRgb tip);
void DrawBin(TIconPainter& p, TBox b, TRgb ink, TRgb back);
