#include "PixelFixtures.h"

#include "classlib/Canvas.h"
#include "platform/gdi/Text.h"
#include "platform/win/Rect.h"
#include "skin/core/skGlowText.h"
#include "skin/core/skTextUtils.h"

#include <gtest/gtest.h>

using namespace skfix;

namespace {

constexpr TskColor32 kWhite = 0xFFFFFFFF;

std::unique_ptr<TskBitmap> Page(int w, int h)
{
    auto b = FilledBitmap(w, h, kWhite);
    b->GetCanvas()->Font()->SetName("Arial");
    b->GetCanvas()->Font()->SetHeight(-16);
    b->GetCanvas()->Font()->SetColor(0);
    return b;
}

int CountIf(const TskBitmap& b, const RECT& area, bool (*test)(TskColor32))
{
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            n += test(At(b, x, y)) ? 1 : 0;
    return n;
}

bool Bluish(TskColor32 p) { return BlueOf(p) > RedOf(p) + 10; }
bool NotWhite(TskColor32 p) { return (p & 0xFFFFFF) != 0xFFFFFF; }

} // namespace

TEST(TextUtils, EllipsisKeepsWhatFits)
{
    auto page = Page(10, 10);
    TCanvas* c = page->GetCanvas();
    std::string text = "abcdef";
    FitTextWithEllipsis(c, text, c->TextWidth("ab...") + (c->TextWidth("abc...") - c->TextWidth("ab...")) / 2);
    EXPECT_EQ(text, "ab...");
    std::string tiny = "abcdef";
    FitTextWithEllipsis(c, tiny, c->TextWidth("...") - 1);
    EXPECT_EQ(tiny, "...");
    std::string fits = "abc";
    FitWideTextWithEllipsis(c, fits, MeasureWideTextWidth(c, "abc"));
    EXPECT_EQ(fits, "abc");
    std::string chinese = "视频转换";
    FitWideTextWithEllipsis(c, chinese, MeasureWideTextWidth(c, "视频..."));
    EXPECT_EQ(chinese, "视频...");
    EXPECT_EQ(MeasureWideTextWidth(c, "abc"), c->TextWidth("abc"));
    EXPECT_EQ(MeasureWideTextHeight(c, "abc"), c->TextHeight("abc"));
}

TEST(TextUtils, ClippedTextStartsTwoPixelsIn)
{
    auto page = Page(60, 30);
    DrawClippedTextVCenteredIndent(page->GetCanvas(), "H", MakeRect(10, 0, 60, 30), 5);
    EXPECT_EQ(CountIf(*page, MakeRect(0, 0, 17, 30), NotWhite), 0);
    EXPECT_GT(CountIf(*page, MakeRect(17, 0, 30, 30), NotWhite), 0);
    auto empty = Page(20, 20);
    DrawTextVCentered(empty->GetCanvas(), "", MakeRect(0, 0, 20, 20));
    DrawClippedTextVCentered(empty->GetCanvas(), "", MakeRect(0, 0, 20, 20));
    EXPECT_EQ(CountIf(*empty, MakeRect(0, 0, 20, 20), NotWhite), 0);
}

TEST(GlowText, GlowSurroundsTheTextAndEmptyTextDrawsNothing)
{
    const RECT rect = MakeRect(20, 20, 60, 40);
    auto page = Page(80, 60);
    DrawGlowTextWide(page->GetCanvas(), rect, "I", DT_SINGLELINE | DT_CENTER | DT_VCENTER, 0, RGB(0, 0, 255), 4);
    EXPECT_GT(CountIf(*page, MakeRect(30, 15, 50, 45), Bluish), 0);
    EXPECT_EQ(CountIf(*page, MakeRect(0, 0, 80, 12), NotWhite), 0) << "nothing beyond the glow size";
    EXPECT_GT(CountIf(*page, rect, [](TskColor32 p) { return RedOf(p) < 60 && GreenOf(p) < 60 && BlueOf(p) < 100; }), 0)
        << "the text itself, dark over the glow";

    for (int kind = 0; kind < 4; ++kind) {
        auto blank = Page(80, 60);
        TCanvas* c = blank->GetCanvas();
        switch (kind) {
        case 0: DrawGlowTextWide(c, rect, "", 0, 0, RGB(0, 0, 255), 4); break;
        case 1: DrawGlowTextStr(c, rect, "", 0, 0, RGB(0, 0, 255), 4); break;
        case 2: DrawVistaGlowTextWide(c, rect, "", 0, RGB(0, 0, 255)); break;
        case 3: DrawReflectionTextWide(c, rect, "", 0, 2, RGB(0, 0, 255)); break;
        }
        EXPECT_EQ(CountIf(*blank, MakeRect(0, 0, 80, 60), NotWhite), 0) << kind;
    }
}

TEST(GlowText, VistaGlowAndReflection)
{
    const RECT rect = MakeRect(20, 14, 60, 34);
    auto page = Page(80, 60);
    DrawVistaGlowTextWide(page->GetCanvas(), rect, "I", DT_SINGLELINE | DT_CENTER | DT_VCENTER, RGB(0, 0, 255));
    EXPECT_GT(CountIf(*page, MakeRect(12, 14, 20, 34), Bluish), 0) << "the plate glows past the text's sides";

    auto mirrored = Page(80, 60);
    DrawReflectionTextWide(mirrored->GetCanvas(), MakeRect(20, 0, 60, 20), "I", DT_CENTER, 0, RGB(0, 0, 255));
    EXPECT_EQ(CountIf(*mirrored, MakeRect(0, 40, 80, 60), NotWhite), 0);
    EXPECT_GT(CountIf(*mirrored, MakeRect(20, 18, 60, 40), Bluish), 0) << "the reflection lies below the text";
}
