#pragma once
// Fonts and text. Text is UTF-8; a count is a number of bytes, and a negative count means the
// text runs to its terminating zero byte. Text is drawn in the text colour at the cell's top-left
// corner (TA_TOP | TA_LEFT), over a background of the background colour in OPAQUE mode. Drawing
// text changes only the colour channels of the pixels, never their alpha.

#include "platform/gdi/GdiTypes.h"

HFONT CreateFontIndirect(const LOGFONT* logFont);

BOOL TextOut(HDC dc, int x, int y, const char* text, int count);
// ETO_OPAQUE fills rect with the background colour; ETO_CLIPPED keeps the text inside rect.
BOOL ExtTextOut(HDC dc, int x, int y, UINT options, const RECT* rect, const char* text, int count);
// Tabs move to the next of the tab stops (pixels from tabOrigin): with no stops every 8 average
// character widths, with one stop at multiples of it. Returns the drawn width in the low word and
// the height in the high word.
LONG TabbedTextOut(HDC dc, int x, int y, const char* text, int count, int tabCount, const INT* tabStops,
                   int tabOrigin);
BOOL GetTextExtentPoint32(HDC dc, const char* text, int count, SIZE* size);
BOOL GetTextMetrics(HDC dc, TEXTMETRIC* metrics);

// Formats text in a rectangle. Supported formats: DT_LEFT, DT_CENTER, DT_RIGHT; DT_TOP, DT_VCENTER
// and DT_BOTTOM (with DT_SINGLELINE); DT_SINGLELINE (line breaks are dropped); DT_WORDBREAK (at
// spaces, and between Chinese characters; a word wider than the rectangle keeps its own line, or
// with DT_EDITCONTROL is broken between characters);
// DT_EXPANDTABS (every 8 average character widths; otherwise a tab counts as a space);
// DT_END_ELLIPSIS, DT_PATH_ELLIPSIS and DT_WORD_ELLIPSIS (for each line wider than the
// rectangle); DT_NOPREFIX, DT_HIDEPREFIX ("&x" underlines x unless hidden, "&&" is "&"); DT_NOCLIP;
// DT_CALCRECT (sets right and bottom to the extent of what would be drawn, ellipses included,
// and draws nothing). A line break ends a line, so text ending in one has an empty last line;
// empty text has no lines. Returns the text height, or when drawing a DT_SINGLELINE text with
// DT_VCENTER or DT_BOTTOM the offset from the rectangle's top to the bottom of the text; 0 on
// failure.
int DrawText(HDC dc, const char* text, int count, RECT* rect, UINT format);
