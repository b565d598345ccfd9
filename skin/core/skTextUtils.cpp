#include "skin/core/skTextUtils.h"

#include "classlib/Canvas.h"
#include "platform/gdi/Text.h"

#include <functional>

int DrawWideStringText(TCanvas* Canvas, const std::string& Text, RECT& Rect, UINT Flags)
{
    // The canvas selects its font, text colour and background mode for its own text calls only;
    // an empty clipped text makes it do so without drawing anything.
    Canvas->TextRect(RECT{}, 0, 0, std::string());
    return DrawText(Canvas->GetHandle(), Text.data(), static_cast<int>(Text.size()), &Rect, Flags);
}

namespace {

RECT Measured(TCanvas* Canvas, const std::string& Text)
{
    RECT r{};
    DrawWideStringText(Canvas, Text, r, DT_CALCRECT);
    return r;
}

// Removes the last UTF-8 character.
void DropLastCharacter(std::string& s)
{
    std::size_t end = s.size();
    while (end > 0 && (static_cast<unsigned char>(s[end - 1]) & 0xC0) == 0x80)
        --end;
    s.erase(end > 0 ? end - 1 : 0);
}

void FitWithEllipsis(std::string& Text, int MaxWidth, const std::function<int(const std::string&)>& width)
{
    if (width(Text) <= MaxWidth)
        return;
    while (!Text.empty()) {
        DropLastCharacter(Text);
        if (width(Text + "...") <= MaxWidth)
            break;
    }
    Text += "...";
}

void DrawClipped(TCanvas* Canvas, const std::string& Text, const RECT& R, int Indent)
{
    if (Text.empty())
        return;
    const int y = R.top + (R.bottom - R.top) / 2 - Canvas->TextHeight(Text) / 2;
    Canvas->TextRect(R, R.left + Indent + 2, y, Text);
}

} // namespace

int MeasureWideTextWidth(TCanvas* Canvas, const std::string& Text)
{
    const RECT r = Measured(Canvas, Text);
    return r.right - r.left;
}

int MeasureWideTextHeight(TCanvas* Canvas, const std::string& Text)
{
    const RECT r = Measured(Canvas, Text);
    return r.bottom - r.top;
}

void FitWideTextWithEllipsis(TCanvas* Canvas, std::string& Text, int MaxWidth)
{
    FitWithEllipsis(Text, MaxWidth, [Canvas](const std::string& s) { return MeasureWideTextWidth(Canvas, s); });
}

void FitTextWithEllipsis(TCanvas* Canvas, std::string& Text, int MaxWidth)
{
    FitWithEllipsis(Text, MaxWidth, [Canvas](const std::string& s) { return Canvas->TextWidth(s); });
}

void DrawTextVCentered(TCanvas* Canvas, const std::string& Text, const RECT& R)
{
    if (Text.empty())
        return;
    RECT r = R;
    DrawWideStringText(Canvas, Text, r, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
}

void DrawClippedTextVCentered(TCanvas* Canvas, const std::string& Text, const RECT& R)
{
    DrawClipped(Canvas, Text, R, 0);
}

void DrawClippedTextVCenteredIndent(TCanvas* Canvas, const std::string& Text, const RECT& R, int Indent)
{
    DrawClipped(Canvas, Text, R, Indent);
}
