#include "SkinFormSupport.h"

#include "classlib/Bitmap.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Regions.h"
#include "skin/core/skDataSkinControls.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/form/skSkinMessages.h"

using skinform::AddDescription;
using skinform::AddPicture;

namespace {

template <class T>
T* Put(TWinControl* parent, const std::string& name, TskSkinData* data, RECT r)
{
    auto* c = new T(parent);
    c->SetParent(parent);
    c->SetSkinDataName(name);
    c->SetBoundsRect(r);
    c->SetSkinData(data);
    return c;
}

RECT SizeRect(TControl* c)
{
    return RECT{0, 0, c->GetWidth(), c->GetHeight()};
}

// A description of 40 x 20 at (10, 5) of a 100 x 50 picture with the given corner points.
TskDataSkinCustomControl& Geometry(TskSkinData& data, const std::string& name, POINT lt, POINT rt, POINT lb,
                                   POINT rb, RECT cl)
{
    auto& d = AddDescription<TskDataSkinCustomControl>(data, name);
    d.PictureIndex = 0;
    d.SkinRect = RECT{10, 5, 50, 25};
    d.LTPoint = lt;
    d.RTPoint = rt;
    d.LBPoint = lb;
    d.RBPoint = rb;
    d.ClRect = cl;
    return d;
}

class TBgCounter : public TskSkinCustomControl {
public:
    using TskSkinCustomControl::TskSkinCustomControl;
    void CheckParentBackground() override { ++Count; }
    int Count = 0;
};

class TBgGraphic : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    void Dispatch(TMessage& m) override
    {
        Count += m.Msg == SKM_PARENTBGCHANGED;
        TGraphicControl::Dispatch(m);
    }
    int Count = 0;
};

class TCentringPanel : public TCustomControl, public TskControlCentringHost {
public:
    using TCustomControl::TCustomControl;
    bool GetAdjustControls() const override { return Adjust; }
    RECT GetSkinClientRect() override { return RECT{0, 10, 200, 50}; }
    bool Adjust = true;
};

} // namespace

TEST_F(SkinFormTest, ResizeRulesFollowTheCornerPoints)
{
    auto data = skinform::MadeSkin();
    AddPicture(*data, 100, 50, RGB(10, 20, 30));
    const RECT cl{4, 3, 36, 17};
    Geometry(*data, "none", {}, {}, {}, {}, cl).SkinRect = RECT{10, 5, 10, 25};
    Geometry(*data, "fixed", {}, {}, {}, {}, cl);
    Geometry(*data, "nine", {4, 3}, {36, 3}, {4, 17}, {36, 17}, cl);
    Geometry(*data, "hband", {4, 0}, {36, 0}, {}, {}, cl);
    Geometry(*data, "vband", {0, 3}, {}, {0, 17}, {}, cl);
    struct Case {
        const char* name;
        int mode;
        SIZE size;        // after asking for 100 x 60
        RECT client;      // RealClientRect
        RECT mappedRight; // the skin's (37, 0, 39, 2), in the top-right corner, mapped
        RECT mappedLow;   // the skin's (1, 18, 3, 19), in the bottom-left corner, mapped
        RECT mappedSpan;  // the skin's (2, 2, 38, 19) mapped
    };
    const Case cases[] = {
        {"none", -1, {100, 60}, {}, {37, 0, 39, 2}, {1, 18, 3, 19}, {2, 2, 38, 19}},
        {"fixed", 0, {40, 20}, cl, {37, 0, 39, 2}, {1, 18, 3, 19}, {2, 2, 38, 19}},
        {"nine", 1, {100, 60}, {4, 3, 96, 57}, {97, 0, 99, 2}, {1, 58, 3, 59}, {2, 2, 98, 59}},
        {"hband", 2, {100, 20}, {4, 3, 96, 17}, {97, 0, 99, 2}, {1, 18, 3, 19}, {2, 2, 98, 19}},
        {"vband", 3, {40, 60}, {4, 3, 36, 57}, {37, 0, 39, 2}, {1, 58, 3, 59}, {2, 2, 38, 59}},
    };
    TForm* f = ShownForm();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto* ctl = Put<TskSkinCustomControl>(f, c.name, data.get(), RECT{5, 5, 25, 25});
        ctl->SetBounds(5, 5, 100, 60);
        EXPECT_EQ(ctl->ResizeMode, c.mode);
        EXPECT_EQ(ctl->GetWidth(), c.size.cx);
        EXPECT_EQ(ctl->GetHeight(), c.size.cy);
        if (c.mode != -1) {
            EXPECT_EQ(ctl->RealClientRect(), c.client);
        }
        EXPECT_EQ(ctl->MapSkinRectToSize(RECT{37, 0, 39, 2}), c.mappedRight);
        EXPECT_EQ(ctl->MapSkinRectToSize(RECT{1, 18, 3, 19}), c.mappedLow);
        EXPECT_EQ(ctl->MapSkinRectToSize(RECT{2, 2, 38, 19}), c.mappedSpan);
        ctl->Free();
    }
}

TEST_F(SkinFormTest, LookupIsExactAndFallsBackForGapsInTheSkin)
{
    auto data = skinform::MadeSkin();
    AddPicture(*data, 100, 50, RGB(10, 20, 30));
    Geometry(*data, "badpicture", {4, 3}, {36, 3}, {4, 17}, {36, 17}, {4, 3, 36, 17}).PictureIndex = 7;
    AddDescription<TskDataSkinStdLabelControl>(*data, "otherclass");
    Geometry(*data, "button", {}, {}, {}, {}, {4, 3, 36, 17});
    TForm* f = ShownForm();

    auto* bad = Put<TskSkinCustomControl>(f, "badpicture", data.get(), RECT{0, 0, 60, 30});
    EXPECT_EQ(bad->ResizeMode, 1);
    EXPECT_EQ(bad->Picture, nullptr);

    // Another class: fixed size at its (never read, so empty) skin rectangle, nothing drawn.
    auto* other = Put<TskSkinCustomControl>(f, "otherclass", data.get(), RECT{0, 40, 60, 70});
    EXPECT_EQ(other->GetIndex(), 1);
    EXPECT_EQ(other->ResizeMode, 0);
    EXPECT_EQ(other->GetWidth(), 0);

    auto* wrongCase = Put<TskSkinCustomControl>(f, "Button", data.get(), RECT{0, 80, 60, 110});
    EXPECT_EQ(wrongCase->GetIndex(), -1);
    EXPECT_EQ(wrongCase->GetWidth(), 60);
    // The name takes effect at the next lookup, without a repaint of its own.
    wrongCase->SetSkinDataName("button");
    EXPECT_EQ(wrongCase->GetIndex(), -1);
    wrongCase->SetWidth(70);
    EXPECT_EQ(wrongCase->GetIndex(), 2);
    EXPECT_EQ(wrongCase->GetWidth(), 40);
    Pump();
}

TEST_F(SkinFormTest, PaintsTheSkinPictureAndFollowsASkinChangeThroughTheWalks)
{
    auto data = skinform::ArtworkSkin(0);
    TForm* f = ShownForm();
    auto* panel = Put<TskSkinCustomControl>(f, "panel", data.get(), RECT{10, 10, 110, 90});
    auto* tool = new TskGraphicSkinCustomControl(f);
    tool->SetParent(f);
    tool->SetSkinDataName("hupdown");
    tool->SetBounds(150, 10, 80, 80);
    tool->SetSkinData(data.get());
    Pump();

    auto expectSkin = [&](int skin) {
        SCOPED_TRACE(skin);
        auto& p = skinform::Described<TskDataSkinCustomControl>(*data, "panel");
        const RECT& s = p.SkinRect;
        EXPECT_EQ(PixelOf(panel, 1, 1), skinform::PicturePixel(*data, p.PictureIndex, s.left + 1, s.top + 1));
        EXPECT_EQ(PixelOf(panel, 99, 79), skinform::PicturePixel(*data, p.PictureIndex, s.right - 1, s.bottom - 1));
        auto& u = skinform::Described<TskDataSkinCustomControl>(*data, "hupdown");
        EXPECT_EQ(tool->GetWidth(), u.SkinRect.right - u.SkinRect.left);
        EXPECT_EQ(tool->GetHeight(), u.SkinRect.bottom - u.SkinRect.top);
        EXPECT_EQ(PixelOf(tool, 3, 4), skinform::PicturePixel(*data, u.PictureIndex, u.SkinRect.left + 3,
                                                               u.SkinRect.top + 4));
    };
    expectSkin(0);

    NotifyBeforeSkinChange(data.get(), f);
    EXPECT_EQ(panel->GetIndex(), -1);
    EXPECT_EQ(tool->GetIndex(), -1);
    skinform::LoadArtworkSkin(data.get(), 2);
    NotifySkinChange(data.get(), f);
    Pump();
    expectSkin(2);
}

TEST_F(SkinFormTest, SkinChangeRefitsSizesAndRegions)
{
    auto first = skinform::MadeSkin();
    AddPicture(*first, 100, 50, RGB(200, 0, 0));
    const int mask = AddPicture(*first, 40, 20, RGB(255, 255, 255));
    first->FActivePictures[mask]->Canvas()->Brush()->SetColor(clBlack);
    first->FActivePictures[mask]->Canvas()->FillRect(RECT{0, 0, 20, 20});
    Geometry(*first, "fixed", {}, {}, {}, {}, {4, 3, 36, 17}).MaskPictureIndex = mask;
    TForm* f = ShownForm();
    auto* c = Put<TskSkinCustomControl>(f, "fixed", first.get(), RECT{0, 0, 90, 90});
    c->SetDefaultWidth(70);
    c->SetDefaultHeight(33);
    EXPECT_EQ(c->GetWidth(), 40);
    ASSERT_NE(c->Region(), nullptr);
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(c->GetHandle(), rgn), ERROR);
    EXPECT_TRUE(PtInRegion(rgn, 5, 5));
    EXPECT_FALSE(PtInRegion(rgn, 25, 5));

    // The same name with another size and no mask: refit, region gone.
    NotifyBeforeSkinChange(first.get(), f);
    auto& d = static_cast<TskDataSkinCustomControl&>(*first->CtrlList[0]);
    d.SkinRect = RECT{0, 0, 30, 12};
    d.MaskPictureIndex = -1;
    NotifySkinChange(first.get(), f);
    EXPECT_EQ(SizeRect(c), (RECT{0, 0, 30, 12}));
    EXPECT_EQ(c->Region(), nullptr);
    EXPECT_EQ(GetWindowRgn(c->GetHandle(), rgn), ERROR);

    // A skin without the description: default size and look.
    NotifyBeforeSkinChange(first.get(), f);
    first->CtrlList.clear();
    NotifySkinChange(first.get(), f);
    EXPECT_EQ(SizeRect(c), (RECT{0, 0, 70, 33}));
    Pump();
    EXPECT_EQ(PixelOf(c, 10, 10), ColorToRGB(clBtnFace));
    DeleteObject(rgn);
}

TEST_F(SkinFormTest, FreedSkinDataLeavesTheDefaultLook)
{
    auto data = skinform::ArtworkSkin(0);
    TForm* f = ShownForm();
    auto* c = Put<TskSkinCustomControl>(f, "panel", data.get(), RECT{10, 10, 110, 90});
    auto* g = new TskGraphicSkinCustomControl(f);
    g->SetParent(f);
    g->SetSkinDataName("panel");
    g->SetBounds(150, 10, 60, 60);
    g->SetSkinData(data.get());
    Pump();
    EXPECT_NE(PixelOf(c, 50, 40), ColorToRGB(clBtnFace));
    data.reset();
    EXPECT_EQ(c->GetSkinData(), nullptr);
    c->Invalidate();
    g->Invalidate();
    Pump();
    EXPECT_EQ(PixelOf(c, 50, 40), ColorToRGB(clBtnFace));
    EXPECT_EQ(PixelOf(g, 30, 30), ColorToRGB(clBtnFace));
}

TEST_F(SkinFormTest, StretchedResizeTellsEachChildOnce)
{
    auto data = skinform::MadeSkin();
    AddPicture(*data, 100, 50, RGB(0, 0, 200));
    Geometry(*data, "nine", {4, 3}, {36, 3}, {4, 17}, {36, 17}, {4, 3, 36, 17}).StretchEffect = true;
    TForm* f = ShownForm();
    auto* parent = Put<TskSkinCustomControl>(f, "nine", data.get(), RECT{0, 0, 100, 100});
    auto* win = Put<TBgCounter>(parent, "nothing", nullptr, RECT{5, 5, 20, 20});
    auto* graphic = new TBgGraphic(parent);
    graphic->SetParent(parent);
    parent->SetBounds(0, 0, 150, 120);
    EXPECT_EQ(win->Count, 1);
    EXPECT_EQ(graphic->Count, 1);
}

TEST_F(SkinFormTest, ControlsAreCentredOnAnAdjustingHost)
{
    auto data = skinform::ArtworkSkin(0);
    TForm* f = ShownForm();
    auto* host = new TCentringPanel(f);
    host->SetParent(f);
    host->SetBounds(0, 0, 300, 60);
    auto* w = Put<TskSkinCustomControl>(host, "nothing", data.get(), RECT{5, 0, 45, 20});
    auto* g = new TskGraphicSkinCustomControl(host);
    g->SetParent(host);
    g->SetBounds(60, 33, 20, 15);
    EXPECT_EQ(w->GetTop(), 10 + 20 - 10);
    EXPECT_EQ(g->GetTop(), 10 + 20 - 7);
    host->Adjust = false;
    w->SetTop(3);
    EXPECT_EQ(w->GetTop(), 3);
}

TEST_F(SkinFormTest, DegenerateSizesPaintWithoutFailing)
{
    auto data = skinform::ArtworkSkin(0);
    TForm* f = ShownForm();
    for (SIZE s : {SIZE{0, 0}, SIZE{0, 30}, SIZE{1, 1}, SIZE{3, 2}}) {
        auto* c = Put<TskSkinCustomControl>(f, "panel", data.get(), RECT{10, 10, 10 + s.cx, 10 + s.cy});
        auto* g = new TskGraphicSkinCustomControl(f);
        g->SetParent(f);
        g->SetSkinDataName("panel");
        g->SetSkinData(data.get());
        g->SetBounds(50, 10, s.cx, s.cy);
        c->Repaint();
        g->Repaint();
        Pump();
        c->Free();
        g->Free();
    }
}

TEST_F(SkinFormTest, DefaultFontChangeRepaintsOnlyTheDefaultLook)
{
    TForm* f = ShownForm();
    auto* c = Put<TskSkinCustomControl>(f, "panel", nullptr, RECT{10, 10, 110, 90});
    Pump();
    EXPECT_EQ(c->DefaultFont()->GetName(), "Arial");
    EXPECT_EQ(c->DefaultFont()->GetHeight(), 14);
    c->DefaultFont()->SetHeight(20);
    RECT update{};
    EXPECT_TRUE(GetUpdateRect(c->GetHandle(), &update, FALSE));
}
