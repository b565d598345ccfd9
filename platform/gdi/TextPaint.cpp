#include "platform/gdi/TextPaint.h"

#include "platform/gdi/Raster.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstring>

namespace gdi {
namespace {

RECT Intersect(const RECT& a, const RECT& b)
{
    return RECT{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom)};
}

bool Empty(const RECT& r)
{
    return r.left >= r.right || r.top >= r.bottom;
}

// Mixes colour into d by coverage (0..255), keeping d's alpha.
std::uint32_t Mix(std::uint32_t d, std::uint32_t colour, unsigned cover)
{
    std::uint32_t out = d & 0xFF000000;
    for (int shift = 0; shift < 24; shift += 8) {
        unsigned c = ((colour >> shift) & 0xFF) * cover + ((d >> shift) & 0xFF) * (255 - cover);
        out |= ((c + 127) / 255) << shift;
    }
    return out;
}

} // namespace

QString DecodeText(const char* text, int count)
{
    if (!text)
        return QString();
    return QString::fromUtf8(text, count < 0 ? static_cast<qsizetype>(std::strlen(text)) : count);
}

int LayOutTabs(FontObject& font, const QString& line, int x, int y, const std::function<int(int)>& nextStop,
               std::vector<TextRun>* runs, std::vector<int>* starts)
{
    int from = 0;
    while (true) {
        int tab = line.indexOf(QLatin1Char('\t'), from);
        QString piece = line.mid(from, tab < 0 ? -1 : tab - from);
        if (!piece.isEmpty()) {
            runs->push_back(TextRun{piece, x, y});
            starts->push_back(from);
            x += font.Width(piece);
        }
        if (tab < 0)
            return x;
        x = nextStop(x);
        from = tab + 1;
    }
}

void PaintText(Target& t, FontObject& font, COLORREF color, POINT origin, std::span<const TextRun> runs,
               std::span<const RECT> underlines, const RECT* limit)
{
    if (!t.Drawable() || runs.empty())
        return;
    const FontObject::Metrics& m = font.GetMetrics();
    // Glyphs may reach beyond their cells (italics, accents): leave a margin around the block.
    const int margin = m.height / 2 + 2;
    RECT block{0x7FFFFFFF, 0x7FFFFFFF, -0x7FFFFFFF, -0x7FFFFFFF};
    for (const TextRun& r : runs) {
        block.left = std::min(block.left, r.x);
        block.top = std::min(block.top, r.y);
        block.right = std::max(block.right, r.x + font.Width(r.text));
        block.bottom = std::max(block.bottom, r.y + m.height);
    }
    RECT area{ClampCoord(std::int64_t{origin.x} + block.left - margin),
              ClampCoord(std::int64_t{origin.y} + block.top - margin),
              ClampCoord(std::int64_t{origin.x} + block.right + margin),
              ClampCoord(std::int64_t{origin.y} + block.bottom + margin)};
    area = Intersect(area, t.clip().Bounds());
    if (limit)
        area = Intersect(area, *limit);
    if (Empty(area))
        return;

    QImage scratch(area.right - area.left, area.bottom - area.top, QImage::Format_ARGB32_Premultiplied);
    scratch.fill(Qt::transparent);
    {
        QPainter p(&scratch);
        p.setFont(font.Font());
        p.setPen(Qt::white);
        const int dx = origin.x - area.left, dy = origin.y - area.top;
        for (const TextRun& r : runs)
            p.drawText(QPoint(r.x + dx, r.y + dy + m.ascent), r.text);
        for (const RECT& u : underlines)
            p.fillRect(QRect(u.left + dx, u.top + dy, u.right - u.left, u.bottom - u.top), Qt::white);
    }

    const std::uint32_t colour = TargetColor(color, t.mono());
    t.clip().ForEachIn(area, [&](const RECT& piece) {
        for (int y = piece.top; y < piece.bottom; ++y) {
            const auto* cover = reinterpret_cast<const QRgb*>(scratch.constScanLine(y - area.top));
            std::uint32_t* row = t.surface().Row(y);
            for (int x = piece.left; x < piece.right; ++x) {
                unsigned a = qAlpha(cover[x - area.left]);
                if (a == 0)
                    continue;
                if (t.mono())
                    row[x] = a >= 128 ? (row[x] & 0xFF000000) | colour : row[x];
                else
                    row[x] = Mix(row[x], colour, a);
            }
        }
    });
}

void PaintTextBackground(Target& t, const RECT& area, COLORREF color, const RECT* limit)
{
    if (!t.Drawable())
        return;
    RECT r = limit ? Intersect(area, *limit) : area;
    const std::uint32_t colour = TargetColor(color, t.mono());
    t.clip().ForEachIn(r, [&](const RECT& piece) {
        for (int y = piece.top; y < piece.bottom; ++y) {
            std::uint32_t* row = t.surface().Row(y);
            for (int x = piece.left; x < piece.right; ++x)
                row[x] = (row[x] & 0xFF000000) | colour;
        }
    });
}

} // namespace gdi
