#include "ControlTestSupport.h"

#include "classlib/ExtCtrls.h"

namespace {

using Log = std::vector<std::string>;

COLORREF pixelAt(WindowTestKit& kit, TForm* f, int x, int y)
{
    auto pixels = kit.Render(f->GetHandle());
    RECT wr{};
    GetWindowRect(f->GetHandle(), &wr);
    POINT p = f->ClientToScreen(POINT{x, y});
    return WindowTestKit::ColorAt(*pixels, p.x - wr.left, p.y - wr.top);
}

TEST_F(ControlsTest, WindowlessChildrenArePaintedByTheirParentInChildOrder)
{
    TForm* f = ShownForm(200, 150);
    f->SetColor(clWhite);
    auto* below = new TProbeGraphic(f, f, RECT{10, 10, 60, 60}, clRed, nullptr);
    auto* above = new TProbeGraphic(f, f, RECT{40, 40, 90, 90}, clBlue, nullptr);
    Pump();
    EXPECT_EQ(pixelAt(kit, f, 20, 20), RGB(255, 0, 0));
    EXPECT_EQ(pixelAt(kit, f, 50, 50), RGB(0, 0, 255));  // the later child paints over the earlier
    EXPECT_EQ(pixelAt(kit, f, 95, 95), RGB(255, 255, 255));
    below->BringToFront();
    Pump();
    EXPECT_EQ(pixelAt(kit, f, 50, 50), RGB(255, 0, 0));
    above->Hide();
    below->Fill = clLime;
    below->Invalidate();
    Pump();
    EXPECT_EQ(pixelAt(kit, f, 70, 70), RGB(255, 255, 255));
    EXPECT_EQ(pixelAt(kit, f, 20, 20), RGB(0, 255, 0));
}

TEST_F(ControlsTest, WindowlessChildrenGetClicksCaptureAndEnterLeave)
{
    TForm* f = ShownForm(200, 150);
    Log log;
    auto* a = new TProbeGraphic(f, f, RECT{10, 10, 60, 60}, clRed, &log);
    a->SetName("a");
    auto* b = new TProbeGraphic(f, f, RECT{100, 10, 150, 60}, clBlue, &log);
    b->SetName("b");
    int clicks = 0;
    POINT at{};
    a->OnClick = [&](TObject* s) {
        EXPECT_EQ(s, a);
        ++clicks;
    };
    a->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int y) { at = POINT{x, y}; };

    kit.MoveMouse(ScreenOf(f, 20, 20));
    Pump();
    kit.MoveMouse(ScreenOf(f, 110, 20));
    Pump();
    kit.MoveMouse(ScreenOf(f, 80, 100));
    Pump();
    EXPECT_EQ(log, (Log{"a:enter", "a:leave", "b:enter", "b:leave"}));

    log.clear();
    Click(f, 30, 25);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(at, (POINT{20, 15}));  // in the child's own coordinates
    EXPECT_EQ(log, (Log{"a:enter", "a:down", "a:up"}));

    // Pressed on a, dragged over b and out of the form: a keeps the mouse, b sees nothing, and
    // the release outside a is no click.
    kit.Advance(1000);  // not a double click
    log.clear();
    kit.PressButton(ScreenOf(f, 30, 25));
    Pump();
    EXPECT_TRUE(a->GetMouseCapture());
    kit.MoveMouse(ScreenOf(f, 120, 30));
    Pump();
    kit.MoveMouse(ScreenOf(f, 400, 400));
    Pump();
    kit.ReleaseButton(ScreenOf(f, 400, 400));
    Pump();
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(a->GetMouseCapture());
    EXPECT_EQ(log, (Log{"a:down", "a:leave", "a:captured move", "a:captured move", "a:up"}));
}

TEST_F(ControlsTest, AControlFreedInItsOwnClickIsSafe)
{
    TForm* f = ShownForm(200, 150);
    auto* a = new TProbeGraphic(f, f, RECT{10, 10, 60, 60}, clRed, nullptr);
    bool upAfterFree = false;
    a->OnClick = [&](TObject* s) { static_cast<TControl*>(s)->Free(); };
    a->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { upAfterFree = true; };
    Click(f, 20, 20);
    EXPECT_EQ(f->ControlCount(), 0);
    EXPECT_FALSE(upAfterFree);
    kit.MoveMouse(ScreenOf(f, 25, 25));
    Pump();  // nothing left to route to
}

} // namespace

namespace {

TEST_F(ControlsTest, WindowedControlsHearThePointerComeAndGo)
{
    TForm* f = ShownForm(200, 150);
    auto* panel = new TPanel(f);
    panel->SetParent(f);
    panel->SetBounds(50, 50, 60, 40);
    std::vector<std::string> log;
    auto watch = [&log](TControl* c, const std::string& name) {
        TWndMethod original = c->WindowProc;
        c->WindowProc = [&log, name, original](TMessage& m) {
            if (m.Msg == CM_MOUSEENTER)
                log.push_back(name + " enter");
            if (m.Msg == CM_MOUSELEAVE)
                log.push_back(name + " leave");
            original(m);
        };
        return original;
    };
    TWndMethod formProc = watch(f, "form");
    TWndMethod panelProc = watch(panel, "panel");
    kit.MoveMouse(ScreenOf(f, 10, 10));
    Pump();
    kit.MoveMouse(ScreenOf(panel, 5, 5));
    Pump();
    kit.MoveMouse(ScreenOf(f, 10, 10));
    Pump();
    kit.PointerLeaves();
    Pump();
    EXPECT_EQ(log, (std::vector<std::string>{"form enter", "form leave", "panel enter", "panel leave", "form enter",
                                             "form leave"}));
    f->WindowProc = formProc;
    panel->WindowProc = panelProc;
}

} // namespace
