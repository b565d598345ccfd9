#include "platform/gdi/Text.h"

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/FontObject.h"
#include "platform/gdi/TextPaint.h"

#include <algorithm>

using gdi::FindDC;
using gdi::FontObject;
using gdi::Target;

namespace {

// Draws one line of runs at logical (x, y), with its background in OPAQUE mode.
void DrawLine(gdi::DeviceContext& dc, Target& t, FontObject& font, int x, int y, int width,
              const std::vector<gdi::TextRun>& runs, const RECT* limit)
{
    const gdi::DcState& s = dc.State();
    POINT origin = t.P(POINT{0, 0});
    if (s.bkMode == OPAQUE) {
        RECT cell = t.R(RECT{x, y, x + width, y + font.GetMetrics().height});
        gdi::PaintTextBackground(t, cell, s.bkColor, limit);
    }
    gdi::PaintText(t, font, s.textColor, origin, runs, {}, limit);
}

} // namespace

HFONT CreateFontIndirect(const LOGFONT* logFont)
{
    if (!logFont)
        return nullptr;
    return static_cast<HFONT>(gdi::Register(std::make_shared<FontObject>(*logFont)));
}

BOOL TextOut(HDC dc, int x, int y, const char* text, int count)
{
    return ExtTextOut(dc, x, y, 0, nullptr, text, count);
}

BOOL ExtTextOut(HDC hdc, int x, int y, UINT options, const RECT* rect, const char* text, int count)
{
    auto dc = FindDC(hdc);
    if (!dc)
        return FALSE;
    FontObject& font = *dc->State().font;
    QString s = gdi::DecodeText(text, count);
    Target t(*dc, true);
    RECT limit{};
    if (rect)
        limit = t.R(*rect);
    if (rect && (options & ETO_OPAQUE))
        gdi::PaintTextBackground(t, limit, dc->State().bkColor, nullptr);
    if (s.isEmpty())
        return TRUE;
    std::vector<gdi::TextRun> runs{gdi::TextRun{s, x, y}};
    DrawLine(*dc, t, font, x, y, font.Width(s), runs, rect && (options & ETO_CLIPPED) ? &limit : nullptr);
    return TRUE;
}

LONG TabbedTextOut(HDC hdc, int x, int y, const char* text, int count, int tabCount, const INT* tabStops,
                   int tabOrigin)
{
    auto dc = FindDC(hdc);
    if (!dc)
        return 0;
    FontObject& font = *dc->State().font;
    const FontObject::Metrics& m = font.GetMetrics();
    int interval = std::max(1, 8 * m.aveCharWidth);
    if (tabCount == 1 && tabStops && tabStops[0] > 0)
        interval = tabStops[0];
    auto next = [&](int at) {
        if (tabCount > 1 && tabStops) {
            for (int i = 0; i < tabCount; ++i) {
                if (tabOrigin + tabStops[i] > at)
                    return tabOrigin + tabStops[i];
            }
            return at + font.Width(QStringLiteral(" "));  // past the last stop
        }
        std::int64_t steps = (std::int64_t{at} - tabOrigin) / interval + 1;
        return gdi::ClampCoord(tabOrigin + steps * interval);
    };
    std::vector<gdi::TextRun> runs;
    std::vector<int> starts;
    int end = gdi::LayOutTabs(font, gdi::DecodeText(text, count), x, y, next, &runs, &starts);
    Target t(*dc, true);
    DrawLine(*dc, t, font, x, y, end - x, runs, nullptr);
    return static_cast<LONG>(MAKELPARAM(end - x, m.height));
}

BOOL GetTextExtentPoint32(HDC hdc, const char* text, int count, SIZE* size)
{
    auto dc = FindDC(hdc);
    if (!dc || !size)
        return FALSE;
    FontObject& font = *dc->State().font;
    *size = SIZE{font.Width(gdi::DecodeText(text, count)), font.GetMetrics().height};
    return TRUE;
}

BOOL GetTextMetrics(HDC hdc, TEXTMETRIC* metrics)
{
    auto dc = FindDC(hdc);
    if (!dc || !metrics)
        return FALSE;
    FontObject& font = *dc->State().font;
    const FontObject::Metrics& m = font.GetMetrics();
    const LOGFONT& lf = font.LogFont();
    TEXTMETRIC tm;
    tm.tmHeight = m.height;
    tm.tmAscent = m.ascent;
    tm.tmDescent = m.descent;
    tm.tmInternalLeading = m.internalLeading;
    tm.tmExternalLeading = m.externalLeading;
    tm.tmAveCharWidth = m.aveCharWidth;
    tm.tmMaxCharWidth = m.maxCharWidth;
    tm.tmWeight = lf.lfWeight ? lf.lfWeight : FW_NORMAL;
    tm.tmItalic = lf.lfItalic;
    tm.tmUnderlined = lf.lfUnderline;
    tm.tmStruckOut = lf.lfStrikeOut;
    tm.tmCharSet = lf.lfCharSet;
    *metrics = tm;
    return TRUE;
}
