#include "FrameTestSupport.h"

#include "platform/window/Layered.h"
#include "skin/core/skDataSkinForm.h"
#include "skin/core/skSkinData.h"
#include "skin/form/FormSkinLayerBorder.h"
#include "skin/form/skSkinMessages.h"

#include <vector>

using Band = TskFormLayerBorderType;
using Hit = TskFormLayerBorderHit;

// The third generated skin has a layered border: a 160 x 120 picture, the form 16 pixels in,
// resize zones 5 pixels beyond the form, alpha 255 active and 200 inactive.
class FrameLayerBorderTest : public FrameTest {
protected:
    FrameLayerBorderTest() { kit.Display().SetTranslucency(true); }
    TskFormLayerBorder* Border(TForm* Form) { return FrameOf(Form)->BorderLayer(); }
    RECT Place(TForm* Form, Band B)
    {
        RECT r{};
        GetWindowRect(Border(Form)->Band(B)->GetHandle(), &r);
        return r;
    }
    static constexpr int kLayerSkin = 3;
};

TEST_F(FrameLayerBorderTest, BandsSurroundTheFormExactly)
{
    TForm* form = MakeForm(Skin(kLayerSkin));
    TskFormLayerBorder* border = Border(form);
    ASSERT_TRUE(border->Visible());
    struct Case {
        Band band;
        RECT place;
    };
    const Case cases[] = {
        {Band::skflTop, {84, 84, 84 + 432, 100}},
        {Band::skflBottom, {84, 400, 84 + 432, 416}},
        {Band::skflLeft, {84, 100, 100, 400}},
        {Band::skflRight, {500, 100, 516, 400}},
    };
    for (const Case& c : cases) {
        ASSERT_NE(border->Band(c.band), nullptr) << static_cast<int>(c.band);
        const RECT r = Place(form, c.band);
        EXPECT_TRUE(EqualRect(&r, &c.place)) << static_cast<int>(c.band) << ": " << r.left << "," << r.top << " "
                                             << r.right << "," << r.bottom;
        const LONG ex = GetWindowLong(border->Band(c.band)->GetHandle(), GWL_EXSTYLE);
        EXPECT_TRUE(ex & WS_EX_LAYERED);
        EXPECT_TRUE(ex & WS_EX_NOACTIVATE);
        EXPECT_TRUE(ex & WS_EX_TOOLWINDOW);
        EXPECT_FALSE(ex & WS_EX_TRANSPARENT) << "the skin's bands take the pointer for resizing";
        EXPECT_EQ(GetWindow(border->Band(c.band)->GetHandle(), GW_OWNER), form->GetHandle());
        // The desktop keeps it with the form, not above every program like a pop-up.
        const NativeAttributes& a = kit.Display().State(border->Band(c.band)->GetHandle())->attributes;
        EXPECT_FALSE(a.popup);
        EXPECT_TRUE(a.noActivate);
        EXPECT_EQ(a.owner, form->GetHandle());
    }
    EXPECT_EQ(border->LeftSize, 5);
    EXPECT_EQ(border->TopSize, 5);
    EXPECT_EQ(border->RightSize, 5);
    EXPECT_EQ(border->BottomSize, 5);

    // The bands follow moves and sizes, and go with the form.
    form->SetBounds(200, 150, 300, 200);
    Pump();
    // Rebuilt for the active form: the glow next to the form, fading out towards the outer edge
    // (the black shadow of an inactive form came with the first picture, made before activation).
    auto band = kit.Render(border->Band(Band::skflTop)->GetHandle());
    const std::uint32_t inner = band->Pixel(150, 15), outer = band->Pixel(150, 0);
    EXPECT_GT(inner >> 24, outer >> 24);
    EXPECT_NE(inner & 0xFFFFFF, 0u);
    RECT r = Place(form, Band::skflRight);
    const RECT right{500, 150, 516, 350};
    EXPECT_TRUE(EqualRect(&r, &right));
    form->SetBounds(210, 150, 300, 200);
    Pump();
    r = Place(form, Band::skflTop);
    const RECT top{194, 134, 194 + 332, 150};
    EXPECT_TRUE(EqualRect(&r, &top));
    form->Hide();
    Pump();
    EXPECT_FALSE(border->Visible());
    EXPECT_EQ(border->Band(Band::skflTop), nullptr);
    form->Show();
    Pump();
    EXPECT_TRUE(border->Visible());
}

TEST_F(FrameLayerBorderTest, NoneWithoutLayerFrameOrTranslucency)
{
    TForm* plain = MakeForm(Skin(0));
    EXPECT_FALSE(Border(plain)->Visible());
    kit.Display().SetTranslucency(false);
    TForm* opaque = MakeForm(Skin(kLayerSkin));
    EXPECT_FALSE(Border(opaque)->Visible());
    EXPECT_EQ(Border(opaque)->Band(Band::skflTop), nullptr);
}

TEST_F(FrameLayerBorderTest, AlphaFollowsActivationAndTheFormsFade)
{
    TForm* form = MakeForm(Skin(kLayerSkin));
    TskFormLayerBorder* border = Border(form);
    EXPECT_EQ(border->CurrentAlpha(), 255);
    border->SetActive(false, true);
    EXPECT_EQ(border->CurrentAlpha(), 200);
    border->SetActive(true, true);

    border->CheckFormAlpha(128, false);
    EXPECT_EQ(border->CurrentActiveAlpha(), 128);
    EXPECT_EQ(border->CurrentInActiveAlpha(), 100);
    border->CheckFormAlpha(0, true);
    EXPECT_EQ(border->CurrentActiveAlpha(), 0);
    border->CheckFormAlpha(255, true);
    EXPECT_EQ(border->CurrentInActiveAlpha(), 200);

    // The fade steps 17 at a time, each at least 5 ms after the one before, on the clock.
    const std::uint64_t start = kit.Clock().TickCount();
    border->ShowWithFormAnimation();
    EXPECT_EQ(border->CurrentActiveAlpha(), 255);
    EXPECT_GE(kit.Clock().TickCount() - start, 14u * 6u);
}

TEST_F(FrameLayerBorderTest, FollowsTheSkinSwitchAndStaysOffDuringAnotherShowEffect)
{
    TskSkinData* skin = Skin(kLayerSkin);
    TForm* form = MakeForm(skin);
    TForm* hidden = MakeForm(skin);
    hidden->Hide();
    Pump();
    TskFormLayerBorder* border = Border(form);
    ASSERT_TRUE(border->Visible());
    skin->SetShowLayeredBorders(false);
    EXPECT_FALSE(border->Visible());
    skin->SetShowLayeredBorders(true);
    EXPECT_TRUE(border->Visible());
    EXPECT_FALSE(Border(hidden)->Visible());

    const HWND h = form->GetHandle();
    SendMessage(h, SKM_EFFECTSSHOWBEGIN, 0, 0);
    EXPECT_FALSE(FrameOf(form)->IsLayeredBorderEnabled());
    SendMessage(h, SKM_LAYEREDBORDERSCHANGED, reinterpret_cast<WPARAM>(skin), 1000);
    EXPECT_FALSE(border->Visible());
    // The effect's end brings the border back, active, fading in on the clock.
    border->SetActive(false, false);
    const std::uint64_t start = kit.Clock().TickCount();
    SendMessage(h, SKM_EFFECTSSHOWEND, 0, 0);
    EXPECT_TRUE(border->Visible());
    EXPECT_EQ(border->CurrentAlpha(), 255);
    EXPECT_GE(kit.Clock().TickCount() - start, 14u * 6u);

    // An end without a beginning, or for a hidden form, shows nothing.
    border->Hide();
    SendMessage(h, SKM_EFFECTSSHOWEND, 0, 0);
    EXPECT_FALSE(border->Visible());
    SendMessage(hidden->GetHandle(), SKM_EFFECTSSHOWBEGIN, 0, 0);
    SendMessage(hidden->GetHandle(), SKM_EFFECTSSHOWEND, 0, 0);
    EXPECT_FALSE(Border(hidden)->Visible());
}

TEST_F(FrameLayerBorderTest, HitZonesAndResizeSteps)
{
    TForm* form = MakeForm(Skin(kLayerSkin));
    TskFormLayerBorder* border = Border(form);
    struct HitCase {
        Band band;
        POINT p;
        Hit hit;
    };
    // The form is at (100, 100), 400 x 300.
    const HitCase hits[] = {
        {Band::skflTop, {96, 96}, Hit::skflhTopLeft},     {Band::skflTop, {300, 96}, Hit::skflhTop},
        {Band::skflTop, {502, 102}, Hit::skflhTopRight},  {Band::skflTop, {300, 90}, Hit::skflhNone},
        {Band::skflBottom, {98, 403}, Hit::skflhBottomLeft}, {Band::skflBottom, {300, 402}, Hit::skflhBottom},
        {Band::skflBottom, {503, 404}, Hit::skflhBottomRight}, {Band::skflLeft, {95, 200}, Hit::skflhLeft},
        {Band::skflLeft, {94, 200}, Hit::skflhNone},        {Band::skflRight, {505, 200}, Hit::skflhRight},
        {Band::skflRight, {506, 200}, Hit::skflhNone},
    };
    for (const HitCase& c : hits)
        EXPECT_EQ(border->Band(c.band)->GetHitMode(c.p), c.hit) << c.p.x << "," << c.p.y;

    // Drags on the bands, as a user makes them.
    struct Drag {
        Band band;
        POINT from;
        POINT to;
        RECT bounds;  // left, top, right, bottom after the drag
    };
    const int minW = FrameOf(form)->GetMinWidth();
    const Drag drags[] = {
        {Band::skflRight, {503, 200}, {523, 210}, {100, 100, 520, 400}},
        {Band::skflBottom, {300, 402}, {300, 432}, {100, 100, 520, 430}},
        {Band::skflLeft, {97, 200}, {87, 200}, {90, 100, 520, 430}},
        {Band::skflTop, {300, 96}, {300, 106}, {90, 110, 520, 430}},
        {Band::skflTop, {87, 107}, {97, 117}, {100, 120, 520, 430}},
        // Past the minimum width: a left drag leaves the form, a right drag stops at the minimum.
        {Band::skflLeft, {97, 200}, {97 + 1000, 200}, {100, 120, 520, 430}},
        {Band::skflRight, {522, 200}, {522 - 1000, 200}, {100, 120, 100 + minW, 430}},
    };
    for (const Drag& d : drags) {
        EXPECT_EQ(WindowFromPoint(d.from), border->Band(d.band)->GetHandle()) << static_cast<int>(d.band);
        kit.MoveMouse(d.from);
        Pump();
        kit.PressButton(d.from);
        Pump();
        kit.MoveMouse(d.to);
        Pump();
        kit.ReleaseButton(d.to);
        Pump();
        const RECT now{form->GetLeft(), form->GetTop(), form->GetLeft() + form->GetWidth(),
                       form->GetTop() + form->GetHeight()};
        EXPECT_TRUE(EqualRect(&now, &d.bounds))
            << static_cast<int>(d.band) << ": " << now.left << "," << now.top << " " << now.right << "," << now.bottom;
    }
    EXPECT_FALSE(FrameOf(form)->FBorderLayerChangeSize);
}

TEST_F(FrameLayerBorderTest, BadDescriptionsDrawNothingOrNoSides)
{
    TForm* form = MakeForm(Skin(kLayerSkin));
    TskSkinData* data = FrameOf(form)->GetSkinData();
    TskDataSkinLayerFrame& layer = *data->LayerFrame;
    auto border = std::make_unique<TskFormLayerBorder>(FrameOf(form));

    // No rows between the top and the bottom bands: nothing to tile the sides from.
    const TskDataSkinLayerFrame kept = layer;
    layer.LTPoint.y = layer.RTPoint.y = 60;
    layer.LBPoint.y = layer.RBPoint.y = 60;
    border->InitFrame(data, form);
    border->Show(84, 84, 432, 400);
    EXPECT_NE(border->Band(Band::skflTop), nullptr);
    EXPECT_EQ(border->Band(Band::skflLeft), nullptr);
    EXPECT_EQ(border->Band(Band::skflRight), nullptr);
    border->Hide();

    // A picture index past the skin's pictures: no border at all.
    layer = kept;
    layer.PictureIndex = 100000;
    border->InitFrame(data, form);
    EXPECT_FALSE(border->HasData());
    border->Show(84, 84, 432, 400);
    EXPECT_FALSE(border->Visible());

    // A mask index past the pictures: the picture is there, fully transparent.
    layer = kept;
    layer.MaskPictureIndex = 100000;
    border->InitFrame(data, form);
    border->Show(84, 84, 432, 332);
    ASSERT_NE(border->BandImage(Band::skflTop), nullptr);
    EXPECT_EQ(border->BandImage(Band::skflTop)->GetBits()[200 + 15 * 432] >> 24, 0u);
    layer = kept;
}

TEST_F(FrameLayerBorderTest, TheShadowsOuterEdgeSnapsToTheWorkArea)
{
    TForm* form = MakeForm(Skin(kLayerSkin));
    TskFormSkin* frame = FrameOf(form);
    frame->Magnetic = true;
    frame->MagneticSize = 10;
    ASSERT_TRUE(Border(form)->Visible());
    ASSERT_EQ(Border(form)->LeftSize, 5);
    const POINT start = ScreenAt(form, 150, 12);
    std::vector<int> lefts;
    auto moveTo = [&](int x) {
        kit.WhenIdle([&, x] { kit.MoveMouse(POINT{x, start.y}); });
        kit.WhenIdle([&] { lefts.push_back(form->GetLeft()); });
    };
    kit.PressButton(start);
    moveTo(start.x - 91);  // the shadow 4 pixels from the edge: it snaps, the form 5 in
    moveTo(start.x - 50);  // pulled away: measured from the snap point, as without a shadow
    kit.WhenIdle([&] { kit.ReleaseButton(POINT{start.x - 50, start.y}); });
    Pump();
    EXPECT_EQ(lefts, (std::vector<int>{5, 46}));
}
