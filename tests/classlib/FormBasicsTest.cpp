#include "ControlTestSupport.h"

#include "classlib/StdCtrls.h"

namespace {

TEST_F(ControlsTest, AShownFormHasAWindowTheSizeAskedAndPaintsItsColour)
{
    TForm* f = ShownForm(200, 150);
    ASSERT_TRUE(f->HandleAllocated());
    EXPECT_TRUE(IsWindowVisible(f->GetHandle()));
    EXPECT_EQ(f->GetClientWidth(), 200);
    EXPECT_EQ(f->GetClientHeight(), 150);
    EXPECT_EQ(Application->MainForm(), f);
    f->SetColor(clRed);
    Pump();
    auto pixels = kit.Render(f->GetHandle());
    POINT inside = f->ClientToScreen(POINT{10, 10});
    RECT wr{};
    GetWindowRect(f->GetHandle(), &wr);
    EXPECT_EQ(WindowTestKit::ColorAt(*pixels, inside.x - wr.left, inside.y - wr.top), RGB(255, 0, 0));
}

} // namespace
