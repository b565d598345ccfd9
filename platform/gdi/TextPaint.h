#pragma once
// Internal: putting text on a target. Qt renders the glyphs' coverage into a scratch image; the
// coverage then mixes the text colour into the colour channels of the target's pixels. Text never
// changes the alpha byte, and neither does its background: GDI text is not alpha-aware, and the
// skins build their pictures' alpha themselves.

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/FontObject.h"

#include <QString>

#include <functional>
#include <span>
#include <vector>

namespace gdi {

// One piece of a line: text whose cell's top-left corner is at (x, y).
struct TextRun {
    QString text;
    int x;
    int y;
};

// UTF-8 text of count bytes, or up to its terminating zero when count is negative.
QString DecodeText(const char* text, int count);

// Lays out one line starting at x: the text between tabs becomes runs at height y, and each tab
// moves to nextStop(current x). Returns the x where the line ends; starts[i] receives the index in
// line where runs[i] begins.
int LayOutTabs(FontObject& font, const QString& line, int x, int y, const std::function<int(int)>& nextStop,
               std::vector<TextRun>* runs, std::vector<int>* starts);

// Draws the runs, and the underlines (rectangles), offset by origin (surface coordinates), in
// the target's clip and, when given, inside limit (surface coordinates).
void PaintText(Target& t, FontObject& font, COLORREF color, POINT origin, std::span<const TextRun> runs,
               std::span<const RECT> underlines, const RECT* limit);
// Fills a rectangle (surface coordinates) with a colour, leaving alpha.
void PaintTextBackground(Target& t, const RECT& area, COLORREF color, const RECT* limit);

} // namespace gdi
