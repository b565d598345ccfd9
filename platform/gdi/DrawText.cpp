#include "platform/gdi/Text.h"

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/FontObject.h"
#include "platform/gdi/TextPaint.h"

#include <algorithm>
#include <vector>

using gdi::FontObject;

namespace {

const QString Dots = QStringLiteral("...");

// A line of display text; marks flag the characters (UTF-16 units) underlined as prefixes.
struct Line {
    QString text;
    std::vector<bool> marks;

    Line Mid(int from, int length = -1) const
    {
        int end = length < 0 ? static_cast<int>(text.size()) : std::min<int>(from + length, text.size());
        return Line{text.mid(from, end - from), std::vector<bool>(marks.begin() + from, marks.begin() + end)};
    }
    Line operator+(const Line& other) const
    {
        Line out = *this;
        out.text += other.text;
        out.marks.insert(out.marks.end(), other.marks.begin(), other.marks.end());
        return out;
    }
    static Line Plain(const QString& s) { return Line{s, std::vector<bool>(static_cast<std::size_t>(s.size()), false)}; }
};

bool IsCjk(QChar c)
{
    char16_t u = c.unicode();
    return (u >= 0x1100 && u <= 0x11FF) || (u >= 0x2E80 && u <= 0x9FFF) || (u >= 0xAC00 && u <= 0xD7AF) ||
           (u >= 0xF900 && u <= 0xFAFF) || (u >= 0xFE30 && u <= 0xFE4F) || (u >= 0xFF00 && u <= 0xFFEF) ||
           (u >= 0xD840 && u <= 0xD87F);  // the high halves of the supplementary ideographs
}

// Punctuation that may not start a line, and punctuation that may not end one.
bool NoBreakBefore(QChar c)
{
    static const QString closing = QStringLiteral("，。、；：？！）」』】》〉’”…·,.;:?!)]}%");
    return closing.contains(c);
}

bool NoBreakAfter(QChar c)
{
    static const QString opening = QStringLiteral("（「『【《〈‘“([{");
    return opening.contains(c);
}

class Formatter {
public:
    Formatter(FontObject& font, UINT format, int width) : font_(font), format_(format), width_(width)
    {
        tab_ = std::max(1, 8 * font.GetMetrics().aveCharWidth);
    }

    // The display lines of a text, before wrapping and shortening.
    std::vector<Line> HardLines(const QString& s) const
    {
        Line all;
        for (qsizetype i = 0; i < s.size(); ++i) {
            QChar c = s[i];
            bool mark = false;
            if (c == QLatin1Char('&') && !(format_ & DT_NOPREFIX)) {
                if (++i == s.size())
                    break;  // a trailing "&" shows nothing
                c = s[i];
                mark = c != QLatin1Char('&') && !(format_ & DT_HIDEPREFIX);
            }
            if (c == QLatin1Char('\t') && !(format_ & DT_EXPANDTABS))
                c = QLatin1Char(' ');
            all.text += c;
            all.marks.push_back(mark);
        }
        std::vector<Line> lines;
        if (all.text.isEmpty())
            return lines;
        if (format_ & DT_SINGLELINE) {
            Line one;
            for (qsizetype i = 0; i < all.text.size(); ++i) {
                if (all.text[i] != QLatin1Char('\r') && all.text[i] != QLatin1Char('\n')) {
                    one.text += all.text[i];
                    one.marks.push_back(all.marks[static_cast<std::size_t>(i)]);
                }
            }
            lines.push_back(one);
            return lines;
        }
        int start = 0;
        for (int i = 0; i < all.text.size(); ++i) {
            QChar c = all.text[i];
            if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
                continue;
            lines.push_back(all.Mid(start, i - start));
            if (c == QLatin1Char('\r') && i + 1 < all.text.size() && all.text[i + 1] == QLatin1Char('\n'))
                ++i;
            start = i + 1;
        }
        lines.push_back(all.Mid(start));
        return lines;
    }

    int Measure(const QString& text) const
    {
        if (!(format_ & DT_EXPANDTABS) || !text.contains(QLatin1Char('\t')))
            return font_.Width(text);
        std::vector<gdi::TextRun> runs;
        std::vector<int> starts;
        return gdi::LayOutTabs(font_, text, 0, 0, [this](int x) { return NextTab(x); }, &runs, &starts);
    }

    int NextTab(int x) const { return (x / tab_ + 1) * tab_; }

    // Breaks a line into lines no wider than the rectangle where it can.
    std::vector<Line> Wrap(const Line& line) const
    {
        const QString& t = line.text;
        std::vector<int> bounds{0};  // where a new line may start
        for (int i = 1; i < t.size(); ++i) {
            QChar prev = t[i - 1], cur = t[i];
            bool space = prev == QLatin1Char(' ') && cur != QLatin1Char(' ');
            bool cjk = prev != QLatin1Char(' ') && cur != QLatin1Char(' ') && (IsCjk(prev) || IsCjk(cur)) &&
                       !prev.isHighSurrogate() && !NoBreakBefore(cur) && !NoBreakAfter(prev);
            if (space || cjk)
                bounds.push_back(i);
        }
        bounds.push_back(static_cast<int>(t.size()));
        std::vector<Line> out;
        std::size_t start = 0;  // index into bounds of the current line's start
        std::size_t fit = 0;    // the furthest bound that still fits (0: none yet)
        for (std::size_t k = 1; k < bounds.size(); ++k) {
            int width = Measure(Trimmed(t.mid(bounds[start], bounds[k] - bounds[start])));
            if (width <= width_ || fit == 0) {
                fit = k;
                continue;
            }
            out.push_back(TrimmedLine(line.Mid(bounds[start], bounds[fit] - bounds[start])));
            start = fit;
            fit = 0;
            --k;  // try this bound again on the new line
        }
        out.push_back(TrimmedLine(line.Mid(bounds[start])));
        if (!(format_ & DT_EDITCONTROL))
            return out;
        std::vector<Line> broken;
        for (const Line& l : out)
            for (const Line& piece : BreakWide(l))
                broken.push_back(piece);
        return broken;
    }

    // Cuts a line still wider than the rectangle between characters, each piece as long as fits
    // and at least one character (a surrogate pair stays whole).
    std::vector<Line> BreakWide(const Line& line) const
    {
        std::vector<Line> out;
        Line rest = line;
        while (rest.text.size() > 1 && Measure(rest.text) > width_) {
            const int size = static_cast<int>(rest.text.size());
            int n = std::max(1, Longest(size, [&](int k) { return Measure(rest.text.left(k)) <= width_; }));
            if (n < size && rest.text[n].isLowSurrogate())
                n = n > 1 ? n - 1 : n + 1;
            if (n >= size)
                break;
            out.push_back(rest.Mid(0, n));
            rest = rest.Mid(n);
        }
        out.push_back(rest);
        return out;
    }

    // Shortens a line that is wider than the rectangle, as the ellipsis format asks.
    Line Shorten(const Line& line) const
    {
        if (Measure(line.text) <= width_)
            return line;
        if (format_ & DT_PATH_ELLIPSIS) {
            int sep = static_cast<int>(std::max(line.text.lastIndexOf(QLatin1Char('\\')), line.text.lastIndexOf(QLatin1Char('/'))));
            if (sep > 0) {
                Line head = line.Mid(0, sep), tail = line.Mid(sep);
                int keep = Longest(sep, [&](int k) { return Measure(line.text.left(k) + Dots + tail.text) <= width_; });
                if (keep >= 0)
                    return head.Mid(0, keep) + Line::Plain(Dots) + tail;
                return EndEllipsis(Line::Plain(Dots) + tail);
            }
            return EndEllipsis(line);
        }
        if (format_ & DT_WORD_ELLIPSIS) {
            // Keep whole words: cut at the end of a word, before the spaces after it.
            for (int i = static_cast<int>(line.text.size()) - 1; i > 0; --i) {
                if (line.text[i] == QLatin1Char(' ') && line.text[i - 1] != QLatin1Char(' ')) {
                    Line kept = line.Mid(0, i);
                    if (Measure(kept.text + Dots) <= width_)
                        return kept + Line::Plain(Dots);
                }
            }
            return EndEllipsis(line);
        }
        if (format_ & DT_END_ELLIPSIS)
            return EndEllipsis(line);
        return line;
    }

private:
    Line EndEllipsis(const Line& line) const
    {
        int keep = Longest(static_cast<int>(line.text.size()),
                           [&](int k) { return Measure(line.text.left(k) + Dots) <= width_; });
        keep = std::max(keep, 0);
        if (keep > 0 && line.text[keep - 1].isHighSurrogate())
            --keep;
        return line.Mid(0, keep) + Line::Plain(Dots);
    }

    // The largest k in [0, n] for which fits(k) holds (fits shrinking as k grows), or -1.
    template <class Fits>
    static int Longest(int n, Fits fits)
    {
        if (!fits(0))
            return -1;
        int lo = 0, hi = n;
        while (lo < hi) {
            int mid = (lo + hi + 1) / 2;
            if (fits(mid))
                lo = mid;
            else
                hi = mid - 1;
        }
        return lo;
    }

    static QString Trimmed(const QString& s)
    {
        qsizetype end = s.size();
        while (end > 0 && s[end - 1] == QLatin1Char(' '))
            --end;
        return s.left(end);
    }

    static Line TrimmedLine(const Line& l) { return l.Mid(0, static_cast<int>(Trimmed(l.text).size())); }

    FontObject& font_;
    UINT format_;
    int width_;
    int tab_;
};

} // namespace

int DrawText(HDC hdc, const char* text, int count, RECT* rect, UINT format)
{
    auto dc = gdi::FindDC(hdc);
    if (!dc || !rect)
        return 0;
    FontObject& font = *dc->State().font;
    const FontObject::Metrics& m = font.GetMetrics();
    const RECT r = *rect;
    Formatter f(font, format, r.right - r.left);

    std::vector<Line> lines;
    for (const Line& hard : f.HardLines(gdi::DecodeText(text, count))) {
        if ((format & DT_WORDBREAK) && !(format & DT_SINGLELINE)) {
            for (const Line& l : f.Wrap(hard))
                lines.push_back(l);
        } else {
            lines.push_back(hard);
        }
    }
    std::vector<int> widths;
    int widest = 0;
    for (Line& l : lines) {
        l = f.Shorten(l);
        widths.push_back(f.Measure(l.text));
        widest = std::max(widest, widths.back());
    }
    const int height = m.height * static_cast<int>(lines.size());

    if (format & DT_CALCRECT) {
        rect->right = r.left + widest;
        rect->bottom = r.top + height;
        return height;
    }

    int top = r.top;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER)
            top = r.top + (r.bottom - r.top - height) / 2;
        else if (format & DT_BOTTOM)
            top = r.bottom - height;
    }

    gdi::Target t(*dc, true);
    const gdi::DcState& s = dc->State();
    const RECT limit = t.R(r);
    const RECT* clip = (format & DT_NOCLIP) ? nullptr : &limit;
    std::vector<gdi::TextRun> runs;
    std::vector<RECT> underlines;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Line& l = lines[i];
        int y = top + static_cast<int>(i) * m.height;
        int x = r.left;
        if (format & DT_CENTER)
            x = r.left + (r.right - r.left - widths[i]) / 2;
        else if (format & DT_RIGHT)
            x = r.right - widths[i];
        if (s.bkMode == OPAQUE)
            gdi::PaintTextBackground(t, t.R(RECT{x, y, x + widths[i], y + m.height}), s.bkColor, clip);
        std::vector<gdi::TextRun> lineRuns;
        std::vector<int> starts;
        gdi::LayOutTabs(font, l.text, x, y, [&](int at) { return x + f.NextTab(at - x); }, &lineRuns, &starts);
        for (std::size_t k = 0; k < lineRuns.size(); ++k) {
            const gdi::TextRun& run = lineRuns[k];
            for (int c = 0; c < run.text.size(); ++c) {
                if (!l.marks[static_cast<std::size_t>(starts[k] + c)])
                    continue;
                int unit = run.text[c].isHighSurrogate() ? 2 : 1;
                int x0 = run.x + font.Width(run.text.left(c));
                int x1 = x0 + font.Width(run.text.mid(c, unit));
                int uy = std::min(y + m.ascent + m.underlinePos, y + m.height - m.lineWidth);
                underlines.push_back(RECT{x0, uy, x1, uy + m.lineWidth});
            }
        }
        runs.insert(runs.end(), lineRuns.begin(), lineRuns.end());
    }
    gdi::PaintText(t, font, s.textColor, t.P(POINT{0, 0}), runs, underlines, clip);
    if ((format & DT_SINGLELINE) && (format & (DT_VCENTER | DT_BOTTOM)))
        return top + height - r.top;
    return height;
}
