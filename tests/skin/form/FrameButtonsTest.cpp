#include "FrameTestSupport.h"

#include "skin/form/skSkinHint.h"

namespace {

using FrameButtons = FrameTest;

TEST_F(FrameButtons, HoverMorphsInFiveStepsOfTwentyFiveMilliseconds)
{
    TForm* form = MakeForm(Skin(1));
    TskFormSkin* frame = FrameOf(form);
    TskActiveSkinObject* close = frame->Objects(frame->GetIndex("closebutton"));
    const POINT c = CentreOf(frame, "closebutton");
    const POINT face{close->ObjectRect.left + 3, close->ObjectRect.top + 3};
    const COLORREF normal = At(form, face.x, face.y);
    // The hover timer (on since the skin was applied) finds the button.
    kit.MoveMouse(ScreenAt(form, c.x, c.y));
    kit.Advance(50);
    ASSERT_TRUE(close->Active);
    EXPECT_TRUE(frame->MorphTimer->GetEnabled());
    EXPECT_EQ(close->MorphKf(), 0.0);
    for (int step = 1; step <= 5; ++step) {
        kit.Advance(25);
        EXPECT_NEAR(close->MorphKf(), 0.2 * step, 1e-9) << step;
    }
    kit.Advance(25);
    EXPECT_FALSE(frame->MorphTimer->GetEnabled());
    // Fully hot: the button shows its active image.
    const RECT& hot = close->ActiveSkinRect;
    EXPECT_EQ(At(form, face.x, face.y), close->ActivePicture->GetPixelColor(hot.left + 3, hot.top + 3));
    EXPECT_NE(At(form, face.x, face.y), normal);

    // Leaving runs the morph back from where it is.
    kit.MoveMouse(ScreenAt(form, 200, 150));
    kit.Advance(50);
    kit.Advance(25);
    EXPECT_LT(close->MorphKf(), 1.0);
    for (int i = 0; i < 6; ++i)
        kit.Advance(25);
    EXPECT_EQ(close->MorphKf(), 0.0);
}

TEST_F(FrameButtons, PressAndReleaseRunTheCommandAndAReleaseOutsideDoesNot)
{
    TForm* form = MakeForm(Skin(1));
    TskFormSkin* frame = FrameOf(form);
    const POINT max = ScreenAt(form, CentreOf(frame, "maxbutton").x, CentreOf(frame, "maxbutton").y);

    // Pressed, then released away from the button after the hover timer noticed.
    kit.MoveMouse(max);
    kit.PressButton(max);
    Pump();
    EXPECT_EQ(GetCapture(), form->GetHandle());
    kit.MoveMouse(ScreenAt(form, 200, 150));
    kit.Advance(50);
    // Moving over another button while one holds the mouse activates nothing.
    kit.MoveMouse(ScreenAt(form, CentreOf(frame, "minbutton").x, CentreOf(frame, "minbutton").y));
    kit.Advance(50);
    EXPECT_EQ(frame->ActiveObject, -1);
    kit.ReleaseButton(ScreenAt(form, 200, 150));
    Pump();
    EXPECT_EQ(frame->GetWindowState(), TWindowState::wsNormal);
    EXPECT_EQ(GetCapture(), nullptr);

    kit.MoveMouse(max);
    kit.Click(max);
    Pump();
    EXPECT_EQ(frame->GetWindowState(), TWindowState::wsMaximized);
    // A second click on the (moved) button restores.
    const POINT again = ScreenAt(form, CentreOf(frame, "maxbutton").x, CentreOf(frame, "maxbutton").y);
    kit.MoveMouse(again);
    kit.Click(again);
    Pump();
    EXPECT_EQ(frame->GetWindowState(), TWindowState::wsNormal);
}

TEST_F(FrameButtons, TheCloseButtonIsReleasedBeforeTheFormCloses)
{
    TForm* main = MakeForm(nullptr);
    TForm* form = MakeForm(Skin(1));
    (void)main;
    TskFormSkin* frame = FrameOf(form);
    auto* close = dynamic_cast<TskSkinButtonObject*>(frame->Objects(frame->GetIndex("closebutton")));
    bool downAtClose = true;
    form->OnClose = [&](TObject*, TCloseAction&) { downAtClose = close->Down(); };
    const POINT c = ScreenAt(form, CentreOf(frame, "closebutton").x, CentreOf(frame, "closebutton").y);
    kit.MoveMouse(c);
    kit.Click(c);
    Pump();
    EXPECT_FALSE(downAtClose);
    EXPECT_FALSE(form->GetVisible());
}

TEST_F(FrameButtons, InactiveCaptionsUseTheInactivePictureOrTheSkinsDarkening)
{
    TskSkinData* skin1 = Skin(1);
    TskSkinData* skin2 = Skin(2);
    TForm* first = MakeForm(skin1);
    TForm* second = MakeForm(skin2);
    TForm* other = MakeForm(nullptr);
    const POINT p{5, 3};
    first->SetFocus();
    Pump();
    EXPECT_EQ(At(first, p.x, p.y), skin1->FPicture->GetPixelColor(p.x, p.y));
    second->SetFocus();
    Pump();
    const COLORREF active2 = At(second, 200, 8);
    EXPECT_EQ(At(first, p.x, p.y), skin1->FInActivePicture->GetPixelColor(p.x, p.y));
    EXPECT_NE(skin1->FInActivePicture->GetPixelColor(p.x, p.y), skin1->FPicture->GetPixelColor(p.x, p.y));

    other->SetFocus();
    Pump();
    TBitmap expected;
    expected.SetSize(1, 1);
    expected.Canvas()->SetPixel(0, 0, static_cast<TColor>(active2));
    ApplySkinInActiveEffect(ieDarkness, &expected);
    EXPECT_EQ(At(second, 200, 8), expected.GetPixelColor(0, 0));
    EXPECT_NE(At(second, 200, 8), active2);
}

TEST_F(FrameButtons, CaptionButtonHintsShowOnHoverAndCloseWithTheMenus)
{
    TForm* form = MakeForm(Skin(1));
    TskFormSkin* frame = FrameOf(form);
    auto* hint = new TskSkinHint(form);
    frame->SetSkinHint(hint);
    const POINT close = ScreenAt(form, CentreOf(frame, "closebutton").x, CentreOf(frame, "closebutton").y);

    // Without ShowObjectHint the button is hot but says nothing.
    kit.MoveMouse(close);
    kit.Advance(50);
    ASSERT_TRUE(frame->Objects(frame->GetIndex("closebutton"))->Active);
    kit.Advance(Application->GetHintPause());
    EXPECT_FALSE(hint->IsVisible());
    kit.MoveMouse(ScreenAt(form, 200, 150));
    kit.Advance(50);

    frame->ShowObjectHint = true;
    kit.MoveMouse(close);
    kit.Advance(50);
    kit.Advance(Application->GetHintPause());
    ASSERT_TRUE(hint->IsVisible());
    EXPECT_EQ(hint->Window()->GetCaption(), "Close");
    // A closing message of the frame (a click in the client area) hides it.
    SendMessage(form->GetHandle(), WM_CANCELMODE, 0, 0);
    EXPECT_FALSE(hint->IsVisible());

    // The hint component going leaves the frame without one.
    delete hint;
    EXPECT_EQ(frame->GetSkinHint(), nullptr);
    SendMessage(form->GetHandle(), WM_CANCELMODE, 0, 0);
}

} // namespace
