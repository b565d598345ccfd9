#pragma once
// The looks every skin is drawn from: button faces in their states, sunken fields, bars,
// arrows, marks and caption-button glyphs, coloured by the skin's theme.

#include "tools/skingen/Coverage.h"
#include "tools/skingen/Theme.h"

enum class TState { Normal, Hot, Down, Disabled, Focused };

struct TFaceColors {
    TRgb Top, Bottom;  // fill, top row to bottom row
    TRgb Border;
    TRgb Text;
    int Gloss = 0;     // opacity of the light band over the upper half (0 = none)
    bool Visible = true;  // false: the face shows only what lies behind it
};

// A push button.
TFaceColors PushFace(const TTheme& t, TState s);
// A button on a bar: invisible until hot (Tool) or a soft tile at rest (Tile).
TFaceColors ToolFace(const TTheme& t, TState s);
TFaceColors TileFace(const TTheme& t, TState s);
// Highlight of a selected item (menus, lists).
TFaceColors ItemFace(const TTheme& t, bool focused);

// Fills r with backdrop, then the face (radius in pixels).
void PaintFace(TImage32& img, const RECT& r, const TFaceColors& f, int radius, TRgb backdrop);
// A sunken window-coloured field; the border takes the accent when active.
void PaintField(TImage32& img, const RECT& r, const TTheme& t, bool active, bool enabled, int radius,
                TRgb backdrop);
// The background of bars (tool bar, menu bar, status bar): colour (shaded top to bottom when
// asked), a light top line and a bottom line.
void PaintBar(TImage32& img, const RECT& r, const TTheme& t, bool bottomLine, bool topLine, bool shaded = false);
// A large tool button at rest in a segmented tool bar: the bar with a separator on its right.
void PaintSegment(TImage32& img, const RECT& r, const TTheme& t);

// A filled triangle centred in box; direction 1 left, 2 right, 3 up, 4 down; size = half base.
void PaintArrow(TImage32& img, const RECT& box, int direction, int size, TRgb color);
void PaintTick(TImage32& img, const RECT& box, TRgb color);
void PaintDot(TImage32& img, const RECT& box, int radius, TRgb color);
// Pixel dots of a grip (no anti-aliasing), for pictures with a transparent colour.
void PaintGrip(TImage32& img, const RECT& box, bool vertical, TRgb light, TRgb dark);

enum class TCaptionGlyph { Close, Maximize, Restore, Minimize, SysMenu };
void PaintCaptionGlyph(TImage32& img, const RECT& box, TCaptionGlyph glyph, TRgb color);

// Grey picture whose brightness is the opacity of a soft halo of `spread` pixels around the
// rounded rectangle inner; a hollow halo is black (clear) inside inner.
TImage32 HaloMask(int width, int height, const RECT& inner, int radius, int spread, int strength, bool hollow);
// The region mask of a picture with rounded corners: black inside, white outside (1 bit).
TImage32 RoundMask(int w, int h, int radius);
// The theme's text colour for disabled text on surface.
TRgb DisabledText(const TTheme& t);
