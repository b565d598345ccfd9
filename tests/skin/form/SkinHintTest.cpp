#include "SkinMenuSupport.h"

#include "skin/core/skTextUtils.h"
#include "skin/form/skSkinHint.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/Regions.h"

TEST(HintLinesTest, ReplacesEachSeparatorOnceInOnePass)
{
    struct Case {
        const char* text;
        const char* separator;
        const char* lines;
    };
    const Case cases[] = {
        {"A@B", "@", "A\nB"},   {"@@", "@", "\n\n"},     {"A@B", "", "A@B"},
        {"a\nb", "\n", "a\nb"}, {"x--y--", "--", "x\ny\n"}, {"plain", "@", "plain"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HintLines(c.text, c.separator), c.lines) << c.text;
}

class SkinHintTest : public SkinMenuTest {
protected:
    void SetUp() override
    {
        SkinMenuTest::SetUp();
        hint = new TskSkinHint(form);
    }
    TskSkinHintWindow* W() { return hint->Window(); }
    SIZE TextSize(const std::string& Text)
    {
        TBitmap b;
        b.Canvas()->Font()->Assign(hint->DefaultFont());
        RECT r{0, 0, 0, 0};
        DrawWideStringText(b.Canvas(), Text, r, DT_CALCRECT);
        return SIZE{r.right, r.bottom};
    }
    TskSkinHint* hint = nullptr;
};

TEST_F(SkinHintTest, SizesPlainAndExtendedHintsAndFlipsAtTheEdges)
{
    hint->ActivateHint(POINT{100, 100}, "Alpha@Beta");
    const SIZE two = TextSize("Alpha\nBeta");
    const SIZE one = TextSize("Alpha");
    EXPECT_GT(two.cy, one.cy * 3 / 2);
    EXPECT_EQ(W()->GetWidth(), two.cx + 4);
    EXPECT_EQ(W()->GetHeight(), two.cy + 4);
    EXPECT_EQ(W()->GetLeft(), 100);
    EXPECT_EQ(W()->GetCaption(), "Alpha\nBeta");

    TImageList images(nullptr);
    TBitmap pic;
    pic.SetSize(16, 16);
    images.Add(&pic, nullptr);
    hint->ActivateHintEx(POINT{100, 100}, "Title", "Text", 0, &images);
    const SIZE text = TextSize("Text");
    EXPECT_EQ(W()->GetWidth(), std::max<int>(text.cx, TextSize("Title").cx + 2) + 16 + 10 + 4);
    EXPECT_GE(W()->GetHeight(), text.cy + 10 + 4);

    // Past the right and bottom edges of the 800 x 600 work area: moved by its size plus 2.
    hint->ActivateHint(POINT{790, 590}, "Edge");
    const SIZE e = TextSize("Edge");
    EXPECT_EQ(W()->GetLeft(), 790 - (e.cx + 4) - 2);
    EXPECT_EQ(W()->GetTop(), 590 - (e.cy + 4) - 2);
}

TEST_F(SkinHintTest, PendingHintsFollowThePauses)
{
    Application->SetHintPause(500);
    Application->SetHintHidePause(2500);
    kit.MoveMouse(POINT{200, 200});
    Pump();
    hint->ActivateHint2("Later");
    Advance(499);
    EXPECT_FALSE(hint->IsVisible());
    Advance(1);
    EXPECT_TRUE(hint->IsVisible());
    EXPECT_EQ(W()->GetLeft(), 200);
    EXPECT_EQ(W()->GetTop(), 200 + TskSkinHint::GetCursorHeightMargin());
    Advance(2499);
    EXPECT_TRUE(hint->IsVisible());
    Advance(1);
    EXPECT_FALSE(hint->IsVisible());
    // Hidden before the first tick: nothing shows.
    hint->ActivateHint2("Never");
    Advance(100);
    hint->HideHint();
    Advance(1000);
    EXPECT_FALSE(hint->IsVisible());
    // Deactivated: hints show nothing.
    hint->SetActive(false);
    hint->ActivateHint(POINT{10, 10}, "Off");
    EXPECT_FALSE(hint->IsVisible());
}

TEST_F(SkinHintTest, SkinnedHintTakesTheSkinsRegionAndColours)
{
    skin = skinform::ArtworkSkin(2).release();
    hint->SetSkinData(skin);
    hint->ActivateHint(POINT{100, 100}, "Skinned hint");
    Pump();
    ASSERT_EQ(W()->SD(), skin);
    const TskDataSkinHintWindow& d = *skin->HintWindow;
    ASSERT_NE(d.MaskPictureIndex, -1);
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(W()->GetHandle(), rgn), ERROR);
    EXPECT_FALSE(PtInRegion(rgn, 0, 0));
    EXPECT_TRUE(PtInRegion(rgn, W()->GetWidth() / 2, W()->GetHeight() / 2));
    DeleteObject(rgn);
    auto s = kit.Render(W()->GetHandle());
    EXPECT_EQ(WindowTestKit::ColorAt(*s, W()->GetWidth() / 2, 1),
              skinform::PicturePixel(*skin, d.WindowPictureIndex, 20, 1));
}
