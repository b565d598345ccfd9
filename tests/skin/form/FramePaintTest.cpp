#include "FrameTestSupport.h"

#include "classlib/Colors.h"
#include "platform/gdi/Gdi.h"

#include <cstdint>

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

// A 16 x 16 icon of one opaque colour (blue, green, red bytes).
void FillIcon(TIcon* Icon, std::uint32_t Pixel)
{
    TBitmap b;
    b.SetPixelFormat(TPixelFormat::pf32bit);
    b.SetSize(16, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            static_cast<std::uint32_t*>(b.ScanLine(y))[x] = Pixel;
    Icon->Assign(&b);
}

TEST_F(FramePaint, TheSystemMenuButtonShowsTheFormsIconElseTheApplications)
{
    FillIcon(Application->Icon(), 0xFF00C000u);
    TForm* plain = MakeForm(nullptr);
    FrameOf(plain)->SetShowIcon(true);
    EXPECT_EQ(At(plain, 3 + 8, 4 + 8), RGB(0, 0xC0, 0));

    TForm* own;
    Application->CreateForm(own);
    FillIcon(own->Icon(), 0xFFC00000u);
    own->SetBounds(100, 100, 400, 300);
    auto* frame = new TskFormSkin(own);
    frame->SetShowIcon(true);
    own->Show();
    EXPECT_EQ(At(own, 3 + 8, 4 + 8), RGB(0xC0, 0, 0));
}

} // namespace
