#include "ControlTestSupport.h"

#include "classlib/Bitmap.h"
#include "classlib/ExtCtrls.h"
#include "classlib/Picture.h"
#include "classlib/StdCtrls.h"

namespace {

template <class T>
T* Add(TWinControl* parent, RECT r)
{
    auto* c = new T(parent);
    c->SetParent(parent);
    c->SetBoundsRect(r);
    return c;
}

COLORREF pixelAt(WindowTestKit& kit, TForm* f, int x, int y)
{
    auto pixels = kit.Render(f->GetHandle());
    RECT wr{};
    GetWindowRect(f->GetHandle(), &wr);
    POINT p = f->ClientToScreen(POINT{x, y});
    return WindowTestKit::ColorAt(*pixels, p.x - wr.left, p.y - wr.top);
}

TEST_F(ControlsTest, CheckAndRadioBoxesToggleAndReport)
{
    TForm* f = ShownForm();
    auto* check = Add<TCheckBox>(f, RECT{10, 10, 110, 27});
    check->SetAllowGrayed(true);
    int clicks = 0;
    check->OnClick = [&](TObject*) { ++clicks; };
    Click(check, 5, 8);
    EXPECT_EQ(check->GetState(), TCheckBoxState::cbChecked);
    kit.Advance(1000);
    Click(check, 5, 8);
    EXPECT_EQ(check->GetState(), TCheckBoxState::cbGrayed);
    Key(VK_SPACE);
    EXPECT_EQ(check->GetState(), TCheckBoxState::cbUnchecked);
    check->SetChecked(true);  // from code too
    EXPECT_EQ(clicks, 4);

    auto* a = Add<TRadioButton>(f, RECT{10, 40, 110, 57});
    auto* b = Add<TRadioButton>(f, RECT{10, 60, 110, 77});
    a->SetChecked(true);
    Click(b, 5, 8);
    EXPECT_TRUE(b->GetChecked());
    EXPECT_FALSE(a->GetChecked());
}

TEST_F(ControlsTest, ScrollBarsMoveByArrowTrackKeysAndDrag)
{
    TForm* f = ShownForm(300, 150);
    auto* bar = Add<TScrollBar>(f, RECT{0, 0, 217, 17});  // arrows of 17, a track of 183
    bar->SetParams(50, 0, 100);
    bar->SetSmallChange(5);
    bar->SetLargeChange(20);
    int changes = 0;
    bar->OnChange = [&](TObject*) { ++changes; };
    Click(bar, 5, 8);
    EXPECT_EQ(bar->GetPosition(), 45);
    kit.Advance(1000);
    Click(bar, 210, 8);
    EXPECT_EQ(bar->GetPosition(), 50);
    kit.Advance(1000);
    Click(bar, 20, 8);  // the track before the thumb: a page back
    EXPECT_EQ(bar->GetPosition(), 30);
    Key(VK_END);
    EXPECT_EQ(bar->GetPosition(), 100);
    Key(VK_LEFT);  // arrows stay with the bar instead of moving the focus
    EXPECT_EQ(bar->GetPosition(), 95);
    EXPECT_TRUE(bar->Focused());
    bar->OnScroll = [](TObject*, TScrollCode code, int& pos) {
        if (code == TScrollCode::scLineDown)
            pos = 0;
    };
    Key(VK_RIGHT);
    EXPECT_EQ(bar->GetPosition(), 0);
    EXPECT_EQ(changes, 6);

    // Dragging the thumb to the far end reaches Max.
    bar->OnScroll = nullptr;
    kit.Advance(1000);
    kit.PressButton(ScreenOf(bar, 20, 8));
    kit.MoveMouse(ScreenOf(bar, 400, 8));
    kit.ReleaseButton(ScreenOf(bar, 400, 8));
    Pump();
    EXPECT_EQ(bar->GetPosition(), 100);
}

TEST_F(ControlsTest, LabelsSizeToTheirTextAndFocusTheirControl)
{
    TForm* f = ShownForm();
    auto* label = Add<TLabel>(f, RECT{10, 10, 20, 20});
    label->SetCaption("&Name:");
    const int w = label->GetWidth();
    EXPECT_GT(w, 20);
    EXPECT_GT(label->GetHeight(), 8);
    label->SetCaption("&Name: a longer text");
    EXPECT_GT(label->GetWidth(), w);
    auto* target = Add<TCheckBox>(f, RECT{10, 40, 110, 57});
    auto* other = Add<TButton>(f, RECT{10, 70, 85, 95});
    other->SetFocus();
    label->SetFocusControl(target);
    kit.PressKey(VK_MENU);
    Key('N');
    kit.ReleaseKey(VK_MENU);
    Pump();
    EXPECT_TRUE(target->Focused());
}

TEST_F(ControlsTest, PlainLooksPaintTheirParts)
{
    TForm* f = ShownForm(300, 200);
    f->SetColor(clWhite);
    auto* panel = Add<TPanel>(f, RECT{10, 10, 110, 60});
    panel->SetBevelWidth(2);
    auto* inside = Add<TPanel>(panel, RECT{0, 0, 10, 10});
    inside->SetAlign(TAlign::alClient);
    EXPECT_EQ(inside->GetBoundsRect(), (RECT{2, 2, 98, 48}));  // inside the bevel
    auto* bevel = Add<TBevel>(f, RECT{150, 10, 200, 60});
    bevel->SetShape(TBevelShape::bsTopLine);
    auto* image = Add<TImage>(f, RECT{150, 100, 250, 150});
    TBitmap picture;
    picture.SetSize(10, 10);
    picture.Canvas()->Brush()->SetColor(clRed);
    picture.Canvas()->FillRect(RECT{0, 0, 10, 10});
    image->Picture()->SetGraphic(&picture);
    image->SetCenter(true);
    auto* button = Add<TButton>(f, RECT{10, 100, 85, 125});
    Pump();
    EXPECT_EQ(pixelAt(kit, f, 10, 10), ColorToRGB(clBtnHighlight));  // the raised outer edge
    EXPECT_EQ(pixelAt(kit, f, 109, 59), ColorToRGB(clBtnShadow));
    EXPECT_EQ(pixelAt(kit, f, 160, 10), ColorToRGB(clBtnShadow));  // the bevel's lowered line
    EXPECT_EQ(pixelAt(kit, f, 160, 11), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(pixelAt(kit, f, 160, 30), RGB(255, 255, 255));
    EXPECT_EQ(pixelAt(kit, f, 200, 125), RGB(255, 0, 0));  // the picture, centred
    EXPECT_EQ(pixelAt(kit, f, 152, 102), RGB(255, 255, 255));
    image->SetStretch(true);
    Pump();
    EXPECT_EQ(pixelAt(kit, f, 152, 102), RGB(255, 0, 0));
    EXPECT_EQ(pixelAt(kit, f, 50, 112), ColorToRGB(clBtnFace));
    button->SetCaption("OK");
    Pump();
    auto pixels = kit.Render(f->GetHandle());
    RECT wr{};
    GetWindowRect(f->GetHandle(), &wr);
    int ink = 0;
    for (int x = 30; x < 65; ++x)
        for (int y = 105; y < 120; ++y) {
            POINT p = f->ClientToScreen(POINT{x, y});
            ink += WindowTestKit::ColorAt(*pixels, p.x - wr.left, p.y - wr.top) != ColorToRGB(clBtnFace);
        }
    EXPECT_GT(ink, 20);  // the caption

}

} // namespace
