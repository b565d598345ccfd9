#include "FrameTestSupport.h"

#include <string>
#include <vector>

namespace {

using FrameObjects = FrameTest;

// Adds an animated object and a user object to the skin's objects and re-applies the skin.
struct TExtraObjects {
    TskSkinAnimateObject* Animate = nullptr;
    TskUserObject* User = nullptr;
};

TExtraObjects AddObjects(TskSkinData* Skin, TskFormSkin* Frame, int TimerInterval)
{
    auto animate = std::make_unique<TskDataSkinAnimate>("spinner");
    animate->SkinRectInAPicture = true;
    animate->SkinRect = RECT{0, 0, 10, 10};
    animate->ActiveSkinRect = RECT{0, 0, 10, 10};
    animate->ActivePictureIndex = 0;
    animate->CountFrames = 3;
    animate->TimerInterval = TimerInterval;
    Skin->ObjectList.push_back(std::move(animate));
    auto user = std::make_unique<TskDataUserObject>("logo");
    user->SkinRect = RECT{40, 30, 60, 40};
    Skin->ObjectList.push_back(std::move(user));
    Frame->ApplySkinData();
    TExtraObjects extra;
    extra.Animate = dynamic_cast<TskSkinAnimateObject*>(Frame->Objects(Frame->GetIndex("spinner")));
    extra.User = dynamic_cast<TskUserObject*>(Frame->Objects(Frame->GetIndex("logo")));
    return extra;
}

TEST_F(FrameObjects, AnimatedObjectsStepByTheirIntervalOnTheSharedTimer)
{
    const struct {
        int Interval;
        int TicksPerFrame;
    } cases[] = {{100, 4}, {10, 1}, {25, 1}, {50, 2}};
    TskSkinData* skin = Skin(1);
    for (const auto& c : cases) {
        TForm* form = MakeForm(skin);
        TskFormSkin* frame = FrameOf(form);
        TskSkinAnimateObject* a = AddObjects(skin, frame, c.Interval).Animate;
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->TimerInterval, std::max(25, c.Interval));
        a->Start();
        for (int tick = 1; tick < c.TicksPerFrame; ++tick)
            kit.Advance(25);
        EXPECT_EQ(a->Frame(), 1) << c.Interval;
        kit.Advance(25);
        EXPECT_EQ(a->Frame(), 2) << c.Interval;
        skin->ObjectList.resize(skin->ObjectList.size() - 2);  // the two added descriptions
        form->Free();
    }
}

TEST_F(FrameObjects, FramesWrapAroundInTheirDirection)
{
    TskSkinData* skin = Skin(1);
    TForm* form = MakeForm(skin);
    TskSkinAnimateObject* a = AddObjects(skin, FrameOf(form), 25).Animate;
    a->Increment = true;
    a->SetFrame(a->CountFrames + 1);
    EXPECT_EQ(a->Frame(), 1);
    a->Increment = false;
    a->SetFrame(0);
    EXPECT_EQ(a->Frame(), a->CountFrames);
    // Without Cycle a forward run stops at the last frame.
    a->Increment = true;
    a->Start();
    for (int i = 0; i < 10; ++i)
        kit.Advance(25);
    EXPECT_EQ(a->Frame(), 3);
    EXPECT_FALSE(a->Active);
    EXPECT_FALSE(FrameOf(form)->AnimateTimer->GetEnabled());
}

TEST_F(FrameObjects, UserObjectsRaiseTheFramesEventsAndUnknownNamesDoNothing)
{
    TskSkinData* skin = Skin(1);
    TForm* form = MakeForm(skin);
    TskFormSkin* frame = FrameOf(form);
    std::vector<std::string> log;
    frame->OnPaintEvent = [&](const std::string& id, TCanvas*, const RECT& r) {
        log.push_back("paint " + id + " " + std::to_string(r.left));
    };
    frame->OnMouseEnterEvent = [&](const std::string& id) { log.push_back("enter " + id); };
    TskUserObject* user = AddObjects(skin, frame, 25).User;
    ASSERT_NE(user, nullptr);
    Pump();  // the frame paints the object with the rest
    ASSERT_FALSE(log.empty());
    log.clear();
    frame->UserObjectDraw("logo");
    frame->UserObjectDraw("nothing");
    TPopupMenu menu(nullptr);
    frame->LinkMenu("nothing", &menu, false);
    frame->SetEnabled("nothing", false);
    user->MouseEnter();
    EXPECT_EQ(log, (std::vector<std::string>{"paint logo 40", "enter logo"}));
    // A user object without a mask takes every point of its rectangle.
    EXPECT_TRUE(user->PointInShape(0, 0));
    EXPECT_TRUE(user->PointInShape(19, 9));
}

TEST_F(FrameObjects, AMaskDecidesTheShapeAndItsRightEdgeIsOutside)
{
    TskSkinData* skin = Skin(1);
    TForm* form = MakeForm(skin);
    TskFormSkin* frame = FrameOf(form);
    TskActiveSkinObject* close = frame->Objects(frame->GetIndex("closebutton"));
    TBitmap mask;
    mask.SetSize(4, 2);
    mask.Canvas()->Brush()->SetColor(clWhite);
    mask.Canvas()->FillRect(RECT{0, 0, 4, 2});
    mask.Canvas()->SetPixel(1, 1, clBlack);
    close->ActiveMaskPicture = &mask;
    EXPECT_TRUE(close->PointInShape(1, 1));
    EXPECT_FALSE(close->PointInShape(0, 0));
    EXPECT_FALSE(close->PointInShape(4, 1));  // x equal to the mask's width
    EXPECT_FALSE(close->PointInShape(-1, 1));
    close->ActiveMaskPicture = nullptr;
}

} // namespace
