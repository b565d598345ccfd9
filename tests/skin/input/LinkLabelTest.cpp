// The link label: hover colour and glow, the glow's offset, the skin's label font, clicking.

#include "SkinFormSupport.h"

#include "skin/core/skDataSkinControls.h"
#include "skin/input/skSkinLinkLabel.h"

using skinform::Described;

namespace {

class LinkLabel : public SkinFormTest {
protected:
    TskSkinLinkLabel* Put(TskSkinData* data = nullptr)
    {
        form = ShownForm(300, 120);
        form->SetColor(clWhite);
        auto* l = new TskSkinLinkLabel(form);
        l->SetParent(form);
        l->SetAutoSize(false);
        l->SetBounds(10, 10, 200, 40);
        l->SetCaption("WWW link");
        l->SetSkinData(data);
        Pump();
        return l;
    }
    // The label's pixels, rendered once.
    std::vector<std::vector<COLORREF>> Pixels(TControl* c)
    {
        auto picture = kit.Render(form->GetHandle());
        RECT wr{};
        GetWindowRect(form->GetHandle(), &wr);
        const POINT o = c->ClientToScreen(POINT{0, 0});
        std::vector<std::vector<COLORREF>> rows(static_cast<std::size_t>(c->GetHeight()));
        for (int y = 0; y < c->GetHeight(); ++y)
            for (int x = 0; x < c->GetWidth(); ++x)
                rows[static_cast<std::size_t>(y)].push_back(WindowTestKit::ColorAt(*picture, o.x - wr.left + x, o.y - wr.top + y));
        return rows;
    }
    int Count(TControl* c, COLORREF colour, int* firstRow = nullptr)
    {
        const auto rows = Pixels(c);
        int n = 0;
        if (firstRow)
            *firstRow = -1;
        for (int y = 0; y < c->GetHeight(); ++y)
            for (int x = 0; x < c->GetWidth(); ++x)
                if (rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == colour) {
                    ++n;
                    if (firstRow && *firstRow < 0)
                        *firstRow = y;
                }
        return n;
    }
    // Pixels neither white nor a text colour: the glow's blend.
    int Tinted(TControl* c)
    {
        const auto rows = Pixels(c);
        int n = 0;
        for (int y = 0; y < c->GetHeight(); ++y)
            for (int x = 0; x < c->GetWidth(); ++x) {
                const COLORREF p = rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
                n += GetBValue(p) > GetRValue(p) + 20 && p != RGB(0, 0, 255);
            }
        return n;
    }
    void Hover(TControl* c, bool in)
    {
        c->Perform(in ? CM_MOUSEENTER : CM_MOUSELEAVE, 0, 0);
        Pump();
    }

    TForm* form = nullptr;
};

TEST_F(LinkLabel, WithoutSkinHoverTurnsBlueAndGlowAddsAHalo)
{
    auto* l = Put();
    const COLORREF normal = ColorToRGB(l->DefaultFont()->GetColor());
    EXPECT_GT(Count(l, normal), 10);
    EXPECT_EQ(Count(l, RGB(0, 0, 255)), 0);
    Hover(l, true);
    EXPECT_GT(Count(l, RGB(0, 0, 255)), 10);
    const int edges = Tinted(l);  // the blue text's smoothed edges
    l->SetGlowEffect(true);
    l->SetGlowSize(6);
    l->Repaint();
    EXPECT_GT(Count(l, RGB(0, 0, 255)), 10) << "hovered text keeps the active colour without a skin";
    EXPECT_GT(Tinted(l), edges * 3) << "halo";
    Hover(l, false);
    EXPECT_EQ(Tinted(l), 0);
}

TEST_F(LinkLabel, GlowMovesTheTextDownByGlowSize)
{
    auto* l = Put();
    const COLORREF normal = ColorToRGB(l->DefaultFont()->GetColor());
    int plainRow = 0, glowRow = 0;
    Count(l, normal, &plainRow);
    l->SetGlowEffect(true);
    l->SetGlowSize(9);
    l->Repaint();
    Count(l, normal, &glowRow);
    EXPECT_EQ(glowRow - plainRow, 9);
}

TEST_F(LinkLabel, WithSkinTheHoveredGlowKeepsTheTextColour)
{
    auto data = skinform::ArtworkSkin(0);
    auto& d = Described<TskDataSkinStdLabelControl>(*data, "stdlabel");
    auto* l = Put(data.get());
    ASSERT_GE(l->GetIndex(), 0);
    EXPECT_GT(Count(l, ColorToRGB(d.FontColor)), 10);
    Hover(l, true);
    EXPECT_GT(Count(l, ColorToRGB(d.ActiveFontColor)), 10);
    l->SetGlowEffect(true);
    l->Repaint();
    EXPECT_GT(Count(l, ColorToRGB(d.FontColor)), 10) << "with a glow the text keeps FontColor";
}

TEST_F(LinkLabel, UnderlineFollowsUseUnderLine)
{
    auto* l = Put();
    const COLORREF normal = ColorToRGB(l->DefaultFont()->GetColor());
    auto longestRun = [&] {
        int best = 0;
        const auto rows = Pixels(l);
        for (int y = 0; y < l->GetHeight(); ++y) {
            int run = 0;
            for (int x = 0; x < l->GetWidth(); ++x) {
                run = rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == normal ? run + 1 : 0;
                best = std::max(best, run);
            }
        }
        return best;
    };
    EXPECT_GT(longestRun(), 40);
    l->SetUseUnderLine(false);
    EXPECT_LT(longestRun(), 20);
}

TEST_F(LinkLabel, ClickRaisesOnClickThenOpensTheUrl)
{
    auto* l = Put();
    std::vector<std::string> order;
    l->OnClick = [&](TObject*) { order.push_back("click, opened " + std::to_string(kit.OpenedTargets().size())); };
    kit.Click(ScreenOf(l, 20, 10));
    Pump();
    EXPECT_EQ(order, (std::vector<std::string>{"click, opened 0"}));
    EXPECT_TRUE(kit.OpenedTargets().empty()) << "an empty URL opens nothing";
    l->SetURL("mailto:someone@example.invalid");
    kit.SetOpenerAnswer(false);  // an unopenable target changes nothing
    kit.Advance(1000);
    kit.Click(ScreenOf(l, 20, 10));
    Pump();
    EXPECT_EQ(order.back(), "click, opened 0");
    EXPECT_EQ(kit.OpenedTargets(), (std::vector<std::string>{"mailto:someone@example.invalid"}));
    EXPECT_EQ(l->GetCursor(), crHandPoint);
}

TEST_F(LinkLabel, AutoSizeKeepsTheGivenSize)
{
    auto* l = Put();
    l->SetAutoSize(true);
    l->SetCaption("a much longer caption than before");
    EXPECT_EQ(l->GetWidth(), 200);
    EXPECT_EQ(l->GetHeight(), 40);
}

} // namespace
