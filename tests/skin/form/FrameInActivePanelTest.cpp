#include "FrameTestSupport.h"

#include "classlib/ExtCtrls.h"

#include <cstdlib>

namespace {

class FrameInActivePanel : public FrameTest {
protected:
    // A frame without skin (button-face background) over a red panel at (10, 10, 110, 110).
    TForm* MakeRedForm(TskClientInActiveEffect Effect)
    {
        TForm* form = MakeForm(nullptr);
        red = new TPanel(form);
        red->SetParent(form);
        red->SetBevelOuter(TPanelBevel::bvNone);
        red->SetColor(clRed);
        red->SetBounds(10, 10, 100, 100);
        TskFormSkin* frame = FrameOf(form);
        frame->ClientInActiveEffect = true;
        frame->ClientInActiveEffectType = Effect;
        Pump();
        return form;
    }
    // The colour at a client point.
    COLORREF ClientAt(TForm* Form, int X, int Y)
    {
        const POINT origin = Form->GetClientOrigin();
        return At(Form, X + origin.x - Form->GetLeft(), Y + origin.y - Form->GetTop());
    }
    static bool Near(int A, int B) { return std::abs(A - B) <= 2; }
    TPanel* red = nullptr;
};

TEST_F(FrameInActivePanel, DeactivationFadesTheClientAreaTowardsTheBackgroundAndActivationRestoresIt)
{
    TForm* form = MakeRedForm(TskClientInActiveEffect::skieSemiTransparent);
    TskFormSkin* frame = FrameOf(form);
    const COLORREF face = ClientAt(form, 200, 200);
    ASSERT_EQ(ClientAt(form, 50, 50), ColorToRGB(clRed));

    SendMessage(form->GetHandle(), WM_NCACTIVATE, FALSE, 0);
    ASSERT_NE(frame->ClientInActivePanel(), nullptr);
    EXPECT_TRUE(frame->ClientInActivePanel()->GetVisible());
    // Background over the red at 170 of 255.
    const COLORREF blended = ClientAt(form, 50, 50);
    EXPECT_TRUE(Near(GetRValue(blended), (GetRValue(face) * 170 + 255 * 85) / 255)) << std::hex << blended;
    EXPECT_TRUE(Near(GetGValue(blended), GetGValue(face) * 170 / 255)) << std::hex << blended;
    EXPECT_TRUE(Near(GetBValue(blended), GetBValue(face) * 170 / 255)) << std::hex << blended;

    SendMessage(form->GetHandle(), WM_NCACTIVATE, TRUE, 0);
    EXPECT_EQ(frame->ClientInActivePanel(), nullptr);
    EXPECT_EQ(ClientAt(form, 50, 50), ColorToRGB(clRed));
    EXPECT_TRUE(red->GetVisible());
    EXPECT_EQ(red->GetBoundsRect(), (RECT{10, 10, 110, 110}));
}

TEST_F(FrameInActivePanel, BlurSoftensEdgesAndAnEmptyClientGetsNoOverlay)
{
    TForm* form = MakeRedForm(TskClientInActiveEffect::skieBlur);
    const COLORREF face = ClientAt(form, 200, 200);
    ASSERT_EQ(ClientAt(form, 8, 50), face);
    // A change still waiting to be painted is in the frozen picture.
    red->SetColor(clBlue);
    SendMessage(form->GetHandle(), WM_NCACTIVATE, FALSE, 0);
    // Two pixels outside the panel some blue has run over the edge; the middle stays blue.
    EXPECT_LT(GetRValue(ClientAt(form, 8, 50)), GetRValue(face));
    EXPECT_LT(GetGValue(ClientAt(form, 8, 50)), GetGValue(face));
    EXPECT_EQ(ClientAt(form, 60, 60), ColorToRGB(clBlue));
    SendMessage(form->GetHandle(), WM_NCACTIVATE, TRUE, 0);

    form->SetClientHeight(0);
    Pump();
    SendMessage(form->GetHandle(), WM_NCACTIVATE, FALSE, 0);
    TskClientInActivePanel* panel = FrameOf(form)->ClientInActivePanel();
    EXPECT_TRUE(panel == nullptr || !panel->GetVisible());
    EXPECT_TRUE(panel == nullptr || panel->Buffer() == nullptr);
}

} // namespace
