#include "SkinFormSupport.h"

#include "classlib/Bitmap.h"
#include "classlib/StdCtrls.h"
#include "skin/core/skUtils.h"
#include "skin/form/skSkinCtrls.h"

#include <vector>

namespace {

class SkinButtonTest : public SkinFormTest {
protected:
    TskSkinButton* AddButton(TWinControl* parent, RECT r, TskSkinData* data = nullptr)
    {
        auto* b = new TskSkinButton(parent);
        b->SetParent(parent);
        b->SetBoundsRect(r);
        b->SetSkinData(data);
        b->OnClick = [this](TObject* s) { clicks.push_back(static_cast<TskSkinButton*>(s)); };
        return b;
    }
    void Press(TControl* c, int x = 5, int y = 5)
    {
        kit.MoveMouse(ScreenOf(c, x, y));
        kit.PressButton(ScreenOf(c, x, y));
        Pump();
    }
    void Release(TControl* c, int x = 5, int y = 5)
    {
        kit.MoveMouse(ScreenOf(c, x, y));
        kit.ReleaseButton(ScreenOf(c, x, y));
        Pump();
    }
    void Advance(int ms)
    {
        kit.Clock().Advance(ms);
        Pump();
    }
    std::vector<TskSkinButton*> clicks;
};

} // namespace

TEST_F(SkinButtonTest, ClicksOnReleaseOverTheButtonOnly)
{
    TForm* f = ShownForm();
    auto* b = AddButton(f, RECT{10, 10, 85, 35});
    Press(b);
    EXPECT_TRUE(b->GetDown());
    EXPECT_TRUE(clicks.empty());
    Release(b);
    EXPECT_EQ(clicks.size(), 1u);
    EXPECT_FALSE(b->GetDown());

    Press(b);
    Release(b, 150, 150);
    EXPECT_EQ(clicks.size(), 1u);
    EXPECT_FALSE(b->GetDown());
    // A button without a form clicks without a modal result.
    auto* loose = new TskSkinButton(nullptr);
    loose->SetModalResult(mrOk);
    loose->ButtonClick();
    loose->Free();
}

TEST_F(SkinButtonTest, RepeatsAfterTheDelayThenEveryInterval)
{
    TForm* f = ShownForm();
    struct Case {
        int interval;
        std::vector<int> afterSteps;  // clicks after 500, +interval, +interval
        size_t onRelease;
    };
    for (const Case& c : {Case{100, {0, 1, 2}, 3}, Case{0, {0, 0, 0}, 1}, Case{-5, {0, 0, 0}, 1}}) {
        SCOPED_TRACE(c.interval);
        clicks.clear();
        auto* b = AddButton(f, RECT{10, 10, 85, 35});
        b->SetRepeatMode(true);
        b->SetRepeatInterval(c.interval);
        Press(b);
        Advance(500);
        EXPECT_EQ(clicks.size(), static_cast<size_t>(c.afterSteps[0]));
        Advance(100);
        EXPECT_EQ(clicks.size(), static_cast<size_t>(c.afterSteps[1]));
        Advance(100);
        EXPECT_EQ(clicks.size(), static_cast<size_t>(c.afterSteps[2]));
        EXPECT_EQ(b->RepeatRunning(), c.interval > 0);
        Release(b);
        EXPECT_EQ(clicks.size(), c.onRelease);
        EXPECT_FALSE(b->RepeatRunning());
        b->Free();
    }
}

TEST_F(SkinButtonTest, EnteringMorphsInFifthsThenStops)
{
    auto data = skinform::ArtworkSkin(0);
    TForm* f = ShownForm();
    auto* b = AddButton(f, RECT{10, 10, 85, 35}, data.get());
    auto* other = AddButton(f, RECT{100, 10, 175, 35}, data.get());
    kit.MoveMouse(ScreenOf(b, 10, 10));
    Pump();
    EXPECT_TRUE(b->MouseIn());
    std::vector<double> seen;
    for (int i = 0; i < 5; ++i) {
        Advance(20);
        seen.push_back(b->MorphKf());
    }
    EXPECT_EQ(seen, (std::vector<double>{0.2, 0.4, 0.6, 0.8, 1.0}));
    Advance(20);
    EXPECT_FALSE(b->MorphRunning());
    // Fully active: the active picture at the description's rectangle.
    auto& d = skinform::Described<TskDataSkinButtonControl>(*data, "button");
    const RECT& a = !RectHasNoArea(d.ActiveSkinRect) ? d.ActiveSkinRect : d.SkinRect;
    EXPECT_EQ(PixelOf(b, 1, 12), skinform::PicturePixel(*data, d.PictureIndex, a.left + 1, a.top + 12));
    EXPECT_EQ(PixelOf(other, 1, 12), skinform::PicturePixel(*data, d.PictureIndex, d.SkinRect.left + 1,
                                                             d.SkinRect.top + 12));
    // Leaving runs back down to the normal image.
    kit.MoveMouse(ScreenOf(b, 200, 120));
    Pump();
    for (int i = 0; i < 6; ++i)
        Advance(20);
    EXPECT_EQ(b->MorphKf(), 0.0);
    EXPECT_FALSE(b->MorphRunning());
}

TEST_F(SkinButtonTest, GroupsReleaseTheOthersUnlessAllUpIsAllowed)
{
    TForm* f = ShownForm();
    for (bool allowAllUp : {false, true}) {
        SCOPED_TRACE(allowAllUp);
        clicks.clear();
        std::vector<TskSkinButton*> g;
        for (int i = 0; i < 3; ++i) {
            g.push_back(AddButton(f, RECT{10 + 80 * i, 10, 85 + 80 * i, 35}));
            g.back()->SetGroupIndex(1);
            g.back()->SetAllowAllUp(allowAllUp);
        }
        EXPECT_FALSE(g[0]->GetCanFocused());
        Press(g[0]);
        Release(g[0]);
        EXPECT_EQ(clicks, (std::vector<TskSkinButton*>{g[0]}));  // on press
        Press(g[1]);
        Release(g[1]);
        EXPECT_FALSE(g[0]->GetDown() && !allowAllUp);
        EXPECT_TRUE(g[1]->GetDown());
        EXPECT_EQ(clicks.size(), 2u);
        // Pressing the down one again: nothing, or (all up allowed) it goes up and clicks.
        Press(g[1]);
        Release(g[1]);
        EXPECT_EQ(g[1]->GetDown(), !allowAllUp);
        EXPECT_EQ(clicks.size(), allowAllUp ? 3u : 2u);
        for (auto* b : g)
            b->Free();
    }
}

TEST_F(SkinButtonTest, EnterEscapeAndTheDefaultButtonsHighlight)
{
    TForm* f = ShownForm();
    auto* box = new TCheckBox(f);
    box->SetParent(f);
    box->SetBounds(10, 100, 100, 20);
    auto* ok = AddButton(f, RECT{10, 10, 85, 35});
    ok->SetModalResult(mrOk);
    ok->SetDefault(true);
    auto* cancel = AddButton(f, RECT{100, 10, 175, 35});
    cancel->SetModalResult(mrCancel);
    cancel->SetCancel(true);
    box->SetFocus();
    Pump();
    EXPECT_TRUE(ok->Active());
    EXPECT_TRUE(ok->MouseIn());  // highlighted while focus is on a control that is no button
    EXPECT_FALSE(cancel->MouseIn());

    kit.PressKey(VK_RETURN);
    kit.ReleaseKey(VK_RETURN);
    Pump();
    EXPECT_EQ(clicks, (std::vector<TskSkinButton*>{ok}));
    EXPECT_EQ(f->GetModalResult(), mrOk);

    kit.PressKey(VK_ESCAPE);
    kit.ReleaseKey(VK_ESCAPE);
    Pump();
    EXPECT_EQ(clicks.back(), cancel);
    EXPECT_EQ(f->GetModalResult(), mrCancel);

    // Focus on the cancel button: it answers Enter, the default one loses its highlight.
    cancel->SetFocus();
    Pump();
    EXPECT_FALSE(ok->Active());
    EXPECT_FALSE(ok->MouseIn());
    kit.PressKey(VK_RETURN);
    kit.ReleaseKey(VK_RETURN);
    Pump();
    EXPECT_EQ(clicks.size(), 3u);
    EXPECT_EQ(clicks.back(), cancel);
}

TEST_F(SkinButtonTest, GlowFollowsTheButtonAndFadesIn)
{
    auto data = skinform::ArtworkSkin(2);
    auto& d = skinform::Described<TskDataSkinButtonControl>(*data, "button");
    ASSERT_NE(d.GlowLayerPictureIndex, -1);
    TForm* f = ShownForm();
    auto* b = AddButton(f, RECT{40, 40, 140, 65}, data.get());
    kit.MoveMouse(ScreenOf(b, 10, 10));
    Pump();
    TskLayerManager* m = b->LayerManager();
    ASSERT_TRUE(m->IsVisible);
    RECT wr{};
    GetWindowRect(m->LayerWindow->GetHandle(), &wr);
    const POINT at = ScreenOf(b, 0, 0);
    EXPECT_EQ(wr.left, at.x - d.GlowLayerShowOffsetX);
    EXPECT_EQ(wr.top, at.y - d.GlowLayerShowOffsetY);
    // Nine-slice glow: the picture grown by the button's growth over its skin size.
    const int pw = data->FActivePictures[d.GlowLayerPictureIndex]->GetWidth();
    EXPECT_EQ(wr.right - wr.left, pw + 100 - (d.SkinRect.right - d.SkinRect.left));
    for (int i = 0; i < 12; ++i)
        Advance(25);
    EXPECT_EQ(m->BeginAlphaBlendValue, d.GlowLayerAlphaBlendValue);
    kit.MoveMouse(ScreenOf(b, 200, 150));
    Pump();
    EXPECT_FALSE(m->IsVisible);
}

// A form closed with the pointer on its default button (the about box's 确定 taken with Enter)
// takes the button's glow with it; hidden, a skin change shows no glow for it either (the default
// button keeps its highlight, for which a skin change asks for the glow), and shown and hovered
// again it glows as before.
TEST_F(SkinButtonTest, AHiddenFormsButtonShowsNoGlow)
{
    auto dark = skinform::ArtworkSkin(2);
    auto other = skinform::ArtworkSkin(3);
    TForm* f = ShownForm();
    auto* b = AddButton(f, RECT{40, 40, 140, 65}, dark.get());
    b->SetDefault(true);
    kit.MoveMouse(ScreenOf(b, 10, 10));
    Pump();
    TskLayerManager* m = b->LayerManager();
    ASSERT_TRUE(m->IsVisible);
    f->Hide();
    Pump();
    EXPECT_FALSE(m->IsVisible) << "the glow stays after its form";
    b->SetSkinData(other.get());
    Pump();
    EXPECT_FALSE(m->IsVisible) << "a skin change shows the glow of a hidden button";
    f->Show();
    kit.MoveMouse(ScreenOf(b, 12, 10));
    Pump();
    EXPECT_TRUE(m->IsVisible);
}

TEST_F(SkinButtonTest, DefaultLookWithoutADescription)
{
    TForm* f = ShownForm();
    auto* b = AddButton(f, RECT{10, 10, 85, 35});
    b->SetMargin(-2);
    EXPECT_EQ(b->GetMargin(), -1);
    Pump();
    EXPECT_EQ(PixelOf(b, 0, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelOf(b, 3, 3), ColorToRGB(clBtnFace));
    kit.MoveMouse(ScreenOf(b, 10, 10));
    Pump();
    EXPECT_EQ(PixelOf(b, 0, 0), ColorToRGB(clNavy));
    EXPECT_EQ(PixelOf(b, 3, 3), RGB(182, 189, 210));
    kit.PressButton(ScreenOf(b, 10, 10));
    Pump();
    EXPECT_EQ(PixelOf(b, 3, 3), RGB(133, 147, 181));
    kit.ReleaseButton(ScreenOf(b, 10, 10));
    Pump();
}

TEST_F(SkinButtonTest, FreeSizeButtonStretchesAFixedDescriptionWithoutRegion)
{
    auto data = skinform::MadeSkin();
    skinform::AddPicture(*data, 100, 50, RGB(0, 128, 0));
    const int mask = skinform::AddPicture(*data, 40, 20, RGB(0, 0, 0));
    auto& d = skinform::AddDescription<TskDataSkinButtonControl>(*data, "button");
    d.PictureIndex = 0;
    d.MaskPictureIndex = mask;
    d.SkinRect = RECT{10, 5, 50, 25};
    TForm* f = ShownForm();
    auto* fixed = AddButton(f, RECT{10, 10, 110, 60}, data.get());
    EXPECT_EQ(fixed->GetWidth(), 40);
    EXPECT_NE(fixed->Region(), nullptr);
    auto* free = new TskSkinButton(f);
    free->SetParent(f);
    free->SetUseSkinSize(false);
    free->SetSkinData(data.get());
    free->SetBounds(10, 80, 100, 50);
    EXPECT_EQ(free->GetWidth(), 100);
    EXPECT_EQ(free->Region(), nullptr);
    Pump();
    EXPECT_EQ(PixelOf(free, 95, 45), RGB(0, 128, 0));
}

TEST_F(SkinButtonTest, ActionGivesTheGlyphAndRunsWithoutAnOwnHandler)
{
    TForm* f = ShownForm();
    TImageList images(nullptr);
    images.SetSize(8, 8);
    TBitmap pic;
    pic.SetSize(8, 8);
    pic.Canvas()->Brush()->SetColor(clRed);
    pic.Canvas()->FillRect(RECT{0, 0, 8, 8});
    images.Add(&pic, nullptr);
    TCustomActionList list(nullptr);
    list.SetImages(&images);
    TCustomAction action(nullptr);
    action.SetActionList(&list);
    action.SetImageIndex(0);
    int executed = 0;
    action.OnExecute = [&](TObject*) { ++executed; };
    auto* b = new TskSkinButton(f);
    b->SetParent(f);
    b->SetAction(&action);
    EXPECT_EQ(b->Glyph()->GetWidth(), 8);
    b->ButtonClick();
    EXPECT_EQ(executed, 1);
    int own = 0;
    b->OnClick = [&](TObject*) { ++own; };
    b->ButtonClick();
    EXPECT_EQ(executed, 1);
    EXPECT_EQ(own, 1);
    b->SetAction(nullptr);
}

TEST_F(SkinButtonTest, GlowMessagesForAFreedButtonAreDropped)
{
    auto data = skinform::ArtworkSkin(2);
    TForm* f = ShownForm();
    auto* b = AddButton(f, RECT{40, 40, 140, 65}, data.get());
    b->Perform(CM_MOUSEENTER, 0, 0);  // posts the show message to the button's window
    b->Free();
    Pump();  // must not reach the freed button
}

TEST_F(SkinButtonTest, EraseOutsideItsPaintCyclePaintsIntoTheGivenContext)
{
    auto data = skinform::ArtworkSkin(0);
    auto& d = skinform::Described<TskDataSkinButtonControl>(*data, "button");
    TForm* f = ShownForm();
    auto* b = AddButton(f, RECT{10, 10, 85, 35}, data.get());
    TBitmap target;
    target.SetSize(75, 25);
    SendMessage(b->GetHandle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(target.Canvas()->GetHandle()), 0);
    EXPECT_EQ(target.GetPixelColor(1, 12),
              skinform::PicturePixel(*data, d.PictureIndex, d.SkinRect.left + 1, d.SkinRect.top + 12));
}

TEST_F(SkinButtonTest, FrameAnimationRunsOnlyWithAPositiveInterval)
{
    TForm* f = ShownForm();
    for (int interval : {30, 0, -10}) {
        SCOPED_TRACE(interval);
        auto data = skinform::MadeSkin();
        skinform::AddPicture(*data, 200, 50, RGB(0, 0, 90));
        auto& d = skinform::AddDescription<TskDataSkinButtonControl>(*data, "button");
        d.PictureIndex = 0;
        d.SkinRect = RECT{0, 0, 40, 20};
        d.AnimateSkinRect = RECT{40, 0, 160, 20};  // three frames side by side
        d.FrameCount = 3;
        d.AnimateInterval = interval;
        auto* b = AddButton(f, RECT{10, 10, 50, 30}, data.get());
        b->SetCanFocused(false);
        kit.MoveMouse(ScreenOf(b, 5, 5));
        Pump();
        std::vector<int> frames{b->CurrentFrame()};
        for (int i = 0; i < 4; ++i) {
            kit.Advance(30);
            frames.push_back(b->CurrentFrame());
        }
        EXPECT_EQ(frames, interval > 0 ? (std::vector<int>{1, 2, 3, 0, 0}) : (std::vector<int>{0, 0, 0, 0, 0}));
        kit.MoveMouse(ScreenOf(b, 150, 150));
        Pump();
        b->Free();
    }
}

TEST_F(SkinButtonTest, ImageIndexOutsideTheListFallsBackToTheGlyph)
{
    TForm* f = ShownForm();
    TImageList images(nullptr);
    images.SetSize(16, 16);
    TBitmap red;
    red.SetSize(16, 16);
    red.Canvas()->Brush()->SetColor(clRed);
    red.Canvas()->FillRect(RECT{0, 0, 16, 16});
    images.Add(&red, nullptr);
    TBitmap glyph;
    glyph.SetSize(16, 16);
    glyph.Canvas()->Brush()->SetColor(clBlue);
    glyph.Canvas()->FillRect(RECT{0, 0, 16, 16});
    glyph.Canvas()->SetPixel(0, 15, static_cast<TColor>(0xFF00FF));  // the transparent colour
    auto* b = AddButton(f, RECT{10, 10, 110, 40});
    b->SetGlyph(&glyph);
    b->SetImageList(&images);
    for (auto [index, colour] : {std::pair{0, RGB(255, 0, 0)}, std::pair{1, RGB(0, 0, 255)}, std::pair{-1, RGB(0, 0, 255)}}) {
        b->SetImageIndex(index);
        Pump();
        EXPECT_EQ(PixelOf(b, 50, 15), colour) << index;
    }
}
