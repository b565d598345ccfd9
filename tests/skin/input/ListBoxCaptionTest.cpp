// The list box's caption strip: button geometry in both looks, the buttons' states, steps,
// events and auto-repeat on the clock, and the skin's buttons hidden when the control shows none.

#include "SkinFormSupport.h"

#include "skin/core/skDataSkinControls.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/input/skSkinListBox.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

using skinform::AddDescription;
using skinform::AddPicture;
using skinform::MadeSkin;

namespace {

class ListBoxCaption : public SkinFormTest {
protected:
    TskSkinListBox* Put(int W, int CaptionHeight, int Items)
    {
        if (!form)
            form = ShownForm(400, 300);
        auto* l = new TskSkinListBox(form);
        l->SetParent(form);
        l->SetBounds(10, 10, W, 150);
        l->SetCaptionMode(true);
        l->SetDefaultCaptionHeight(CaptionHeight);
        for (int i = 0; i < Items; ++i)
            l->Items()->Add("item " + std::to_string(i));
        Pump();
        return l;
    }
    POINT Centre(TskSkinListBox* L, int Button)
    {
        const RECT& r = L->Buttons[static_cast<std::size_t>(Button)].R;
        return ScreenOf(L, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    TForm* form = nullptr;
};

TEST_F(ListBoxCaption, ButtonsStandRightToLeftSizedByTheCaptionHeight)
{
    struct Case {
        int CaptionHeight;
        RECT Up, Down, Check;
    };
    const Case cases[] = {
        {20, {181, 2, 198, 18}, {164, 2, 181, 18}, {147, 2, 164, 18}},
        {12, {189, 2, 198, 10}, {180, 2, 189, 10}, {171, 2, 180, 10}},
    };
    for (const Case& c : cases) {
        TskSkinListBox* l = Put(200, c.CaptionHeight, 3);
        EXPECT_EQ(l->Buttons[0].R, c.Up) << c.CaptionHeight;
        EXPECT_EQ(l->Buttons[1].R, c.Down) << c.CaptionHeight;
        EXPECT_EQ(l->Buttons[2].R, c.Check) << c.CaptionHeight;
    }
}

TEST_F(ListBoxCaption, UpAndDownStepTheSelectionAndAReleaseOutsideStillSteps)
{
    TskSkinListBox* l = Put(200, 20, 4);
    int clicks = 0;
    l->OnListBoxClick = [&clicks](TObject*) { ++clicks; };
    l->SetItemIndex(2);
    kit.Click(Centre(l, 0));
    Pump();
    EXPECT_EQ(l->GetItemIndex(), 1);
    // Pressed on the up button, released on the list: still one step up.
    kit.PressButton(Centre(l, 0));
    Pump();
    kit.ReleaseButton(ScreenOf(l, 50, 100));
    Pump();
    EXPECT_EQ(l->GetItemIndex(), 0);
    kit.Click(Centre(l, 0));
    Pump();
    EXPECT_EQ(l->GetItemIndex(), 0);  // nothing above the first row
    l->SetItemIndex(3);
    kit.Click(Centre(l, 1));
    Pump();
    EXPECT_EQ(l->GetItemIndex(), 3);  // the last row stays selected
    kit.Click(Centre(l, 2));
    Pump();
    EXPECT_EQ(clicks, 1);  // the check button clicks the list

    // An assigned event replaces the step over the button, not outside it.
    int ups = 0;
    l->OnUpButtonClick = [&ups](TObject*) { ++ups; };
    kit.Click(Centre(l, 0));
    Pump();
    EXPECT_EQ(ups, 1);
    EXPECT_EQ(l->GetItemIndex(), 3);
    kit.PressButton(Centre(l, 0));
    Pump();
    kit.MoveMouse(ScreenOf(l, 50, 100));
    Pump();
    kit.ReleaseButton(ScreenOf(l, 50, 100));
    Pump();
    EXPECT_EQ(ups, 1);
    EXPECT_EQ(l->GetItemIndex(), 2);
}

TEST_F(ListBoxCaption, HeldButtonsRepeatOnTheClockAndPauseOffTheButton)
{
    TskSkinListBox* l = Put(200, 20, 30);
    l->SetItemIndex(20);
    kit.MoveMouse(Centre(l, 0));
    kit.PressButton(Centre(l, 0));
    Pump();
    std::vector<int> seen;
    auto tick = [&](int Ms) {
        kit.Advance(Ms);
        seen.push_back(l->GetItemIndex());
    };
    tick(500);  // the wait ends: no step yet
    tick(100);
    tick(100);
    kit.MoveMouse(ScreenOf(l, 50, 100));
    Pump();
    tick(300);  // off the button: paused
    kit.MoveMouse(Centre(l, 0));
    Pump();
    tick(50);
    kit.ReleaseButton(Centre(l, 0));
    Pump();
    seen.push_back(l->GetItemIndex());  // one more step on release
    tick(500);
    EXPECT_EQ(seen, (std::vector<int>{20, 19, 18, 18, 17, 16, 16}));

    // With its event assigned a held down button neither repeats nor steps.
    int downs = 0;
    l->OnDownButtonClick = [&downs](TObject*) { ++downs; };
    kit.MoveMouse(Centre(l, 1));
    kit.PressButton(Centre(l, 1));
    kit.Advance(1000);
    kit.ReleaseButton(Centre(l, 1));
    Pump();
    EXPECT_EQ(l->GetItemIndex(), 16);
    EXPECT_EQ(downs, 1);
}

TEST_F(ListBoxCaption, WithoutCaptionModeTheButtonsDoNotReact)
{
    TskSkinListBox* l = Put(200, 20, 4);
    const RECT& r = l->Buttons[0].R;
    const LPARAM up = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    l->SetCaptionMode(false);
    l->SetItemIndex(2);
    Pump();
    SendMessage(l->GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON, up);
    SendMessage(l->GetHandle(), WM_LBUTTONUP, 0, up);
    Pump();
    EXPECT_EQ(l->GetItemIndex(), 2);
    EXPECT_EQ(l->ActiveButton, -1);
}

// A "listbox" description whose frame shows a caption and caption buttons: the up button's
// normal, hot and pressed pictures in their own colours, the down button beside it, the check
// button in the bottom band, and a picture that covers the buttons.
struct CaptionSkin {
    std::unique_ptr<TskSkinData> Data = MadeSkin();
    TskDataSkinListBox* D = nullptr;
    static constexpr COLORREF Frame = RGB(0, 128, 0), Up = RGB(0, 0, 255), Hot = RGB(255, 0, 0),
                              Pressed = RGB(255, 255, 0), Cover = RGB(255, 0, 255), Text = RGB(255, 255, 255);
    CaptionSkin()
    {
        const int frame = AddPicture(*Data, 120, 100, Frame);
        D = &AddDescription<TskDataSkinListBox>(*Data, "listbox");
        D->PictureIndex = frame;
        D->SkinRect = RECT{0, 0, 100, 80};
        D->LTPoint = POINT{4, 20};
        D->RTPoint = POINT{60, 20};  // the buttons lie in the top band's fixed right end
        D->LBPoint = POINT{4, 76};
        D->RBPoint = POINT{96, 76};
        D->ClRect = RECT{4, 20, 96, 76};
        D->CaptionRect = RECT{4, 2, 60, 18};
        D->CaptionFontColor = static_cast<TColor>(Text);
        D->UpButtonRect = RECT{80, 2, 96, 18};
        D->ActiveUpButtonRect = RECT{40, 84, 56, 100};
        D->DownUpButtonRect = RECT{60, 84, 76, 100};
        D->DownButtonRect = RECT{64, 2, 80, 18};
        D->CheckButtonRect = RECT{84, 77, 96, 80};
        D->ButtonsArea = RECT{64, 2, 96, 18};
        D->DisabledButtonsRect = RECT{0, 84, 32, 100};
        TCanvas* c = SkinPicture(Data.get(), frame)->Canvas();
        const std::pair<RECT, COLORREF> fills[] = {
            {D->UpButtonRect, Up}, {D->ActiveUpButtonRect, Hot}, {D->DownUpButtonRect, Pressed},
            {D->DisabledButtonsRect, Cover}};
        for (const auto& [r, colour] : fills) {
            c->Brush()->SetColor(static_cast<TColor>(colour));
            c->FillRect(r);
        }
    }
};

TEST_F(ListBoxCaption, SkinnedCaptionPlacesItsButtonsAndShowsTheirPictures)
{
    CaptionSkin skin;
    TskSkinListBox* l = Put(200, 20, 3);
    l->SetCaption("Formats");
    l->SetSkinData(skin.Data.get());
    Pump();
    // 100 wider and 70 taller than the skin: the top band's right end moves right, the bottom
    // band down.
    EXPECT_EQ(l->Buttons[0].R, (RECT{180, 2, 196, 18}));
    EXPECT_EQ(l->Buttons[1].R, (RECT{164, 2, 180, 18}));
    EXPECT_EQ(l->Buttons[2].R, (RECT{84, 147, 96, 150}));
    auto pixels = PixelsOf(l);
    bool caption = false;
    for (int x = 4; x < 160 && !caption; ++x)
        for (int y = 2; y < 18 && !caption; ++y)
            caption = pixels(x, y) == CaptionSkin::Text;
    EXPECT_TRUE(caption) << "the caption in the skin's caption colour";

    const POINT up = Centre(l, 0);
    EXPECT_EQ(PixelOf(l, 188, 10), CaptionSkin::Up);
    kit.MoveMouse(up);
    Pump();
    EXPECT_EQ(PixelOf(l, 188, 10), CaptionSkin::Hot);
    kit.PressButton(up);
    Pump();
    EXPECT_EQ(PixelOf(l, 188, 10), CaptionSkin::Pressed);
    // Held and moved off: drawn as at rest.
    kit.MoveMouse(Centre(l, 1));
    Pump();
    EXPECT_EQ(PixelOf(l, 188, 10), CaptionSkin::Up);
    kit.ReleaseButton(Centre(l, 1));
    Pump();

    // Without buttons of its own the skin's disabled picture covers the button area.
    l->SetShowCaptionButtons(false);
    Pump();
    EXPECT_EQ(PixelOf(l, 188, 10), CaptionSkin::Cover);
    EXPECT_EQ(PixelOf(l, 166, 10), CaptionSkin::Cover);
    EXPECT_EQ(l->Buttons[0].R, RECT{});
}

TEST_F(ListBoxCaption, PlainButtonsShowHotAndPressedAndRestWhenThePointerLeaves)
{
    TskSkinListBox* l = Put(200, 20, 3);
    const RECT check = l->Buttons[2].R;
    const POINT face{check.right - 2, check.bottom - 2};
    EXPECT_EQ(PixelOf(l, face.x, face.y), ColorToRGB(clBtnFace));
    kit.MoveMouse(Centre(l, 2));
    Pump();
    EXPECT_EQ(PixelOf(l, check.left, check.top), RGB(0, 0, 128));
    EXPECT_EQ(PixelOf(l, face.x, face.y), RGB(182, 189, 210));
    kit.PressButton(Centre(l, 2));
    Pump();
    EXPECT_EQ(PixelOf(l, face.x, face.y), RGB(133, 147, 181));
    kit.ReleaseButton(Centre(l, 2));
    Pump();
    EXPECT_EQ(PixelOf(l, face.x, face.y), RGB(182, 189, 210));
    // Leaving the control while the check button is hot draws it at rest again.
    kit.MoveMouse(ScreenOf(l, 300, 10));
    Pump();
    EXPECT_EQ(PixelOf(l, face.x, face.y), ColorToRGB(clBtnFace));
}

} // namespace
