// The caption text of the generated skins on narrow forms: its rectangle fills the room between
// the system menu button and the first caption button, and a short title that fits there is
// drawn whole, not cut to "...".

#include "FrameTestSupport.h"

#include "classlib/Bitmap.h"
#include "skin/core/skTextUtils.h"
#include "skin/core/skUtils.h"
#include "skin/form/FormSkinObjects.h"

#include <algorithm>
#include <climits>

namespace {

using FrameCaption = FrameTest;

// The width of Text in the caption's font.
int TitleWidth(const TskSkinCaptionObject* Caption, const std::string& Text)
{
    TBitmap b;
    b.SetSize(1, 1);
    TCanvas* canvas = b.Canvas();
    canvas->Font()->SetName(Caption->FontName);
    canvas->Font()->SetStyle(Caption->FontStyle);
    canvas->Font()->SetHeight(Caption->FontHeight);
    return MeasureWideTextWidth(canvas, Text);
}

// The leftmost and rightmost columns of the caption band (above the client area) where two
// renderings of a window differ; Left > Right when none does.
struct TInk {
    int Left = INT_MAX, Right = -1;
};

TInk InkBetween(const Surface& Plain, const Surface& Titled, int BandHeight)
{
    TInk ink;
    for (int y = 0; y < BandHeight; ++y)
        for (int x = 0; x < Plain.Width(); ++x)
            if (WindowTestKit::ColorAt(Plain, x, y) != WindowTestKit::ColorAt(Titled, x, y)) {
                ink.Left = std::min(ink.Left, x);
                ink.Right = std::max(ink.Right, x);
            }
    return ink;
}

TEST_F(FrameCaption, NarrowFormsGiveTheTitleTheRoomBetweenTheButtons)
{
    const struct {
        int Width;
        const char* Title;
        bool CloseOnly;  // a dialog's frame: no minimise and maximise buttons
        bool Whole;      // the title is short enough to be drawn whole
    } cases[] = {
        {160, "Dial", false, true},     {200, "A", false, true},        {200, "Report", false, true},
        {220, "Preview", false, true},  {300, "Dialogs", false, true},  {300, "Dialogs", true, true},
        {400, "Preview of the converted clip with its sound and subtitles", false, false},
    };
    for (int n = 0; n < 8; ++n)
        for (const auto& c : cases) {
            SCOPED_TRACE("skin " + std::to_string(n) + ", width " + std::to_string(c.Width) + ", " + c.Title +
                         (c.CloseOnly ? ", close only" : ""));
            TForm* form = MakeForm(Skin(n), c.Width, 200);
            TskFormSkin* frame = FrameOf(form);
            if (c.CloseOnly)
                frame->SetBorderIcons(TskBorderIcons{TskBorderIcon::biSystemMenu});
            form->SetCaption("");
            Pump();
            const auto plain = kit.Render(form->GetHandle());
            form->SetCaption(c.Title);
            Pump();
            const auto titled = kit.Render(form->GetHandle());

            auto* caption = dynamic_cast<TskSkinCaptionObject*>(frame->Objects(frame->GetIndex("caption")));
            ASSERT_NE(caption, nullptr);
            const int sysMenuRight = frame->Objects(frame->GetIndex("sysmenubutton"))->ObjectRect.right;
            int firstButton = INT_MAX;
            for (const char* name : {"minbutton", "maxbutton", "closebutton"})
                if (TskActiveSkinObject* b = frame->Objects(frame->GetIndex(name)); b->Visible)
                    firstButton = std::min(firstButton, static_cast<int>(b->ObjectRect.left));
            RECT text = caption->TextRect();
            OffsetRect(&text, caption->ObjectRect.left, caption->ObjectRect.top);
            EXPECT_GE(text.left, sysMenuRight);
            EXPECT_LE(text.right, firstButton);
            // The text keeps only a small margin to the buttons on either side.
            EXPECT_GE(WidthOfRect(text), firstButton - sysMenuRight - 10);

            const int band = form->GetClientOrigin().y - form->GetTop();
            const TInk ink = InkBetween(*plain, *titled, band);
            ASSERT_LE(ink.Left, ink.Right) << "no caption text painted";
            EXPECT_GE(ink.Left, sysMenuRight);
            EXPECT_LT(ink.Right, firstButton);
            const int width = TitleWidth(caption, c.Title);
            if (c.Whole) {
                EXPECT_LE(width, WidthOfRect(text));
                EXPECT_GE(ink.Right - ink.Left + 1, width - 2) << "the title is cut short";
            } else {
                EXPECT_LT(ink.Right - ink.Left + 1, width) << "a long title is shortened";
            }
            form->Free();
        }
}

} // namespace
