#include "PixelFixtures.h"

#include "classlib/Canvas.h"
#include "classlib/Controls.h"
#include "platform/testkit/WindowTestKit.h"
#include "platform/win/Rect.h"
#include "skin/core/skParentBackground.h"

#include <gtest/gtest.h>

using namespace skfix;

namespace {

class Filled : public TCustomControl {
public:
    Filled(TComponent* owner, TColor colour) : TCustomControl(owner), colour_(colour) {}

protected:
    void Paint() override
    {
        Canvas()->Brush()->SetColor(colour_);
        Canvas()->FillRect(MakeRect(0, 0, GetWidth(), GetHeight()));
    }

private:
    TColor colour_;
};

class Patch : public TGraphicControl {
public:
    Patch(TComponent* owner, TColor colour) : TGraphicControl(owner), colour_(colour) {}

protected:
    void Paint() override
    {
        Canvas()->Brush()->SetColor(colour_);
        Canvas()->FillRect(MakeRect(0, 0, GetWidth(), GetHeight()));
    }

private:
    TColor colour_;
};

constexpr TColor kRed = 0x0000FF, kBlue = 0xFF0000, kGreen = 0x00FF00;

} // namespace

TEST(ParentBackground, ParentAndEarlierWindowlessSiblingsShowThrough)
{
    WindowTestKit kit;
    Filled parent(nullptr, kRed);
    parent.SetBounds(0, 0, 40, 40);
    Patch before(nullptr, kBlue);
    before.SetBounds(15, 5, 10, 10);
    before.SetParent(&parent);
    Patch control(nullptr, kGreen);
    control.SetBounds(10, 10, 10, 10);
    control.SetParent(&parent);
    Patch after(nullptr, kGreen);
    after.SetBounds(10, 10, 3, 3);
    after.SetParent(&parent);

    auto picture = FilledBitmap(10, 10, 0);
    PaintParentUnderControl(&control, picture->GetCanvas());
    EXPECT_EQ(At(*picture, 0, 0) & 0xFFFFFF, 0xFF0000u) << "the parent (red)";
    EXPECT_EQ(At(*picture, 5, 0) & 0xFFFFFF, 0x0000FFu) << "the sibling before (blue)";
    EXPECT_EQ(At(*picture, 5, 6) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(At(*picture, 1, 1) & 0xFFFFFF, 0xFF0000u) << "siblings after the control stay out";

    auto part = FilledBitmap(4, 4, 0);
    PaintParentUnderControlRect(&control, MakeRect(4, 2, 8, 6), part->GetCanvas());
    EXPECT_EQ(At(*part, 1, 0) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(At(*part, 0, 3) & 0xFFFFFF, 0xFF0000u);
    EXPECT_FALSE(parent.ControlState().Contains(csPaintCopy));

    Patch orphan(nullptr, kGreen);
    auto untouched = FilledBitmap(2, 2, 0);
    PaintParentUnderControl(&orphan, untouched->GetCanvas());
    EXPECT_EQ(At(*untouched, 0, 0), 0u);
}
