#include "ControlTestSupport.h"

#include "classlib/ExtCtrls.h"

namespace {

// Children of a 200 x 100 panel without border; each case gives the children's alignment
// and starting bounds and the bounds they end with, first as placed and then after the panel
// grows to 300 x 160.
struct Child {
    TAlign align;
    TAnchors anchors;
    RECT start;
    RECT placed;
    RECT grown;
};
struct Case {
    const char* name;
    std::vector<Child> children;
};

const TAnchors kLeftTop{akLeft, akTop};

TEST(Align, LayoutsAsATable)
{
    const Case cases[] = {
        {"top, bottom and client share the height",
         {{TAlign::alTop, {}, {0, 0, 50, 20}, {0, 0, 200, 20}, {0, 0, 300, 20}},
          {TAlign::alBottom, {}, {0, 0, 50, 30}, {0, 70, 200, 100}, {0, 130, 300, 160}},
          {TAlign::alClient, {}, {0, 0, 5, 5}, {0, 20, 200, 70}, {0, 20, 300, 130}}}},
        {"left and right before client, which takes the rest",
         {{TAlign::alLeft, {}, {0, 0, 40, 9}, {0, 0, 40, 100}, {0, 0, 40, 160}},
          {TAlign::alRight, {}, {0, 0, 30, 9}, {170, 0, 200, 100}, {270, 0, 300, 160}},
          {TAlign::alClient, {}, {0, 0, 1, 1}, {40, 0, 170, 100}, {40, 0, 270, 160}}}},
        {"tops stack in the order of their positions",
         {{TAlign::alTop, {}, {0, 50, 10, 60}, {0, 10, 200, 20}, {0, 10, 300, 20}},
          {TAlign::alTop, {}, {0, 5, 10, 15}, {0, 0, 200, 10}, {0, 0, 300, 10}}}},
        {"top bands go before left bands",
         {{TAlign::alLeft, {}, {0, 0, 25, 5}, {0, 15, 25, 100}, {0, 15, 25, 160}},
          {TAlign::alTop, {}, {0, 0, 5, 15}, {0, 0, 200, 15}, {0, 0, 300, 15}}}},
        {"right anchor keeps the distance to the right edge",
         {{TAlign::alNone, {akRight, akTop}, {150, 10, 190, 30}, {150, 10, 190, 30}, {250, 10, 290, 30}}}},
        {"left and right anchors stretch",
         {{TAlign::alNone, {akLeft, akRight, akTop}, {10, 10, 190, 30}, {10, 10, 190, 30}, {10, 10, 290, 30}}}},
        {"bottom anchor keeps the distance to the bottom",
         {{TAlign::alNone, {akLeft, akBottom}, {10, 70, 60, 90}, {10, 70, 60, 90}, {10, 130, 60, 150}}}},
        {"all four anchors stretch both ways",
         {{TAlign::alNone, {akLeft, akTop, akRight, akBottom}, {10, 10, 190, 90}, {10, 10, 190, 90}, {10, 10, 290, 150}}}},
        {"no horizontal anchor keeps the centre in proportion",
         {{TAlign::alNone, {akTop}, {80, 0, 120, 10}, {80, 0, 120, 10}, {130, 0, 170, 10}}}},
        {"left and top anchors do not move",
         {{TAlign::alNone, kLeftTop, {10, 10, 30, 30}, {10, 10, 30, 30}, {10, 10, 30, 30}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TPanel parent(nullptr);
        parent.SetBevelOuter(TPanelBevel::bvNone);
        parent.SetBounds(0, 0, 200, 100);
        std::vector<TPanel*> kids;
        parent.DisableAlign();  // all children aligned together, from where they start
        for (const Child& ch : c.children) {
            auto* k = new TPanel(&parent);
            k->SetBoundsRect(ch.start);
            if (!ch.anchors.Empty())
                k->SetAnchors(ch.anchors);
            k->SetParent(&parent);
            k->SetAlign(ch.align);
            kids.push_back(k);
        }
        parent.EnableAlign();
        for (std::size_t i = 0; i < kids.size(); ++i)
            EXPECT_EQ(kids[i]->GetBoundsRect(), c.children[i].placed) << "child " << i << " placed";
        parent.SetBounds(0, 0, 300, 160);
        for (std::size_t i = 0; i < kids.size(); ++i)
            EXPECT_EQ(kids[i]->GetBoundsRect(), c.children[i].grown) << "child " << i << " grown";
    }
}

TEST(Align, ConstraintsBorderAndHiddenChildren)
{
    TPanel parent(nullptr);
    parent.SetBevelOuter(TPanelBevel::bvNone);
    parent.SetBorderWidth(5);
    parent.SetBounds(0, 0, 200, 100);
    auto* top = new TPanel(&parent);
    top->Constraints()->SetMaxHeight(20);
    top->SetBounds(0, 0, 10, 50);
    top->SetParent(&parent);
    top->SetAlign(TAlign::alTop);
    auto* client = new TPanel(&parent);
    client->SetParent(&parent);
    client->SetAlign(TAlign::alClient);
    EXPECT_EQ(top->GetBoundsRect(), (RECT{5, 5, 195, 25}));  // inside the border, height capped
    EXPECT_EQ(client->GetBoundsRect(), (RECT{5, 25, 195, 95}));
    top->Hide();
    EXPECT_EQ(client->GetBoundsRect(), (RECT{5, 5, 195, 95}));
    parent.DisableAlign();
    top->Show();
    EXPECT_EQ(client->GetBoundsRect(), (RECT{5, 5, 195, 95}));  // held back
    parent.EnableAlign();
    EXPECT_EQ(client->GetBoundsRect(), (RECT{5, 25, 195, 95}));
}

TEST_F(ControlsTest, AlignmentFollowsTheWindowOfAShownForm)
{
    TForm* f = ShownForm(200, 100);
    auto* bar = new TPanel(f);
    bar->SetParent(f);
    bar->SetHeight(30);
    bar->SetAlign(TAlign::alBottom);
    ASSERT_TRUE(bar->HandleAllocated());
    f->SetClientHeight(150);
    Pump();
    EXPECT_EQ(bar->GetBoundsRect(), (RECT{0, 120, 200, 150}));
    RECT r{};
    GetWindowRect(bar->GetHandle(), &r);
    POINT origin = f->ClientToScreen(POINT{0, 120});
    EXPECT_EQ(r.left, origin.x);
    EXPECT_EQ(r.top, origin.y);
}

} // namespace

namespace {

TEST(Align, ScrollByMovesEveryChildWithoutRealigning)
{
    TPanel parent(nullptr);
    parent.SetBevelOuter(TPanelBevel::bvNone);
    parent.SetBounds(0, 0, 200, 100);
    auto* top = new TPanel(&parent);
    top->SetParent(&parent);
    top->SetHeight(20);
    top->SetAlign(TAlign::alTop);
    auto* free = new TPanel(&parent);
    free->SetParent(&parent);
    free->SetBounds(10, 40, 30, 30);
    parent.ScrollBy(5, -10);
    EXPECT_EQ(top->GetBoundsRect(), (RECT{5, -10, 205, 10}));
    EXPECT_EQ(free->GetBoundsRect(), (RECT{15, 30, 45, 60}));
}

} // namespace
