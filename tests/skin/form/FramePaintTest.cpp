#include "FrameTestSupport.h"

#include "classlib/Colors.h"
#include "platform/gdi/Gdi.h"

namespace {

using FramePaint = FrameTest;

const TskBorderIcons kAllIcons{TskBorderIcon::biSystemMenu, TskBorderIcon::biMinimize, TskBorderIcon::biMaximize,
                               TskBorderIcon::biRollUp, TskBorderIcon::biMinimizeToTray};

TEST_F(FramePaint, DefaultFrameHasSixButtonsANineteenPixelCaptionAndThreeEdges)
{
    TForm* form = MakeForm(nullptr);
    TskFormSkin* frame = FrameOf(form);
    frame->SetBorderIcons(kAllIcons);
    Pump();
    ASSERT_EQ(frame->ObjectCount(), 6);
    // Right-aligned 17-pixel buttons from the right border; the system menu at the left.
    const struct {
        const char* Name;
        RECT Rect;
    } buttons[] = {{"closebutton", {380, 4, 397, 21}},  {"maxbutton", {363, 4, 380, 21}},
                   {"minbutton", {346, 4, 363, 21}},    {"rollupbutton", {329, 4, 346, 21}},
                   {"traybutton", {312, 4, 329, 21}},   {"sysmenubutton", {3, 4, 20, 21}}};
    for (const auto& b : buttons) {
        const int i = frame->GetIndex(b.Name);
        ASSERT_NE(i, -1) << b.Name;
        EXPECT_TRUE(frame->Objects(i)->Visible) << b.Name;
        EXPECT_TRUE(EqualRect(&frame->Objects(i)->ObjectRect, &b.Rect)) << b.Name;
    }
    EXPECT_EQ(form->GetClientOrigin().x, 100 + 3);
    EXPECT_EQ(form->GetClientOrigin().y, 100 + 19 + 3);
    EXPECT_EQ(form->GetClientHeight(), 300 - 19 - 6);
    EXPECT_EQ(At(form, 0, 0), ColorToRGB(cl3DLight));
    EXPECT_EQ(At(form, 1, 1), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(At(form, 2, 2), ColorToRGB(clBtnFace));
    EXPECT_EQ(At(form, 399, 299), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(At(form, 398, 298), ColorToRGB(clBtnShadow));
    // The close button's cross in the button text colour, its face in the button colour.
    EXPECT_EQ(At(form, 381, 5), ColorToRGB(clBtnFace));
}

} // namespace
