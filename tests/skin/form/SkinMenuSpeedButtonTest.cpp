#include "FrameTestSupport.h"
#include "SkinMenuSupport.h"

#include "classlib/Bitmap.h"
#include "skin/form/skSkinCtrls.h"

#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

class SkinMenuSpeedButtonTest : public FrameTest {
protected:
    SkinMenuSpeedButtonTest() { InstallSkinMenus(); }
    ~SkinMenuSpeedButtonTest() override { SetFrameMenuFactory(nullptr); }

    TskSkinMenuSpeedButton* Make(TForm* f, const std::string& name = "resizetoolbutton")
    {
        auto* b = new TskSkinMenuSpeedButton(f);
        b->SetSkinDataName(name);
        b->SetUseSkinSize(false);
        b->SetBounds(20, 20, 80, 30);
        b->SetCaption("添加");
        b->SetParent(f);
        b->OnClick = [this](TObject*) { log.push_back("click"); };
        b->OnShowTrackMenu = [this](TObject*) { log.push_back("show"); };
        b->OnHideTrackMenu = [this](TObject*) { log.push_back("hide"); };
        return b;
    }
    TskSkinPopupMenu* MenuOf(TForm* f, int items)
    {
        auto* m = new TskSkinPopupMenu(f);
        for (int i = 0; i < items; ++i) {
            auto* item = new TMenuItem(f);
            item->SetCaption("文件 " + std::to_string(i));
            m->Items()->Add(item);
        }
        return m;
    }
    TskSkinMenu* Manager(TForm* f) { return dynamic_cast<TskSkinMenu*>(FrameOf(f)->SkinMenu()); }
    void Press(TControl* c, int x, int y)
    {
        const POINT p = c->ClientToScreen(POINT{x, y});
        kit.MoveMouse(p);
        kit.Click(p);
        Pump();
    }

    Log log;
};

TEST_F(SkinMenuSpeedButtonTest, APressOpensTheMenuBelowAndTheButtonStaysDownUntilItCloses)
{
    TForm* f = MakeForm(Skin(0));
    TskSkinMenuSpeedButton* b = Make(f);
    b->SetSkinData(Skin(0));
    b->SetSkinPopupMenu(MenuOf(f, 2));
    Press(b, 10, 10);
    TskSkinMenu* manager = Manager(f);
    ASSERT_TRUE(manager->Visible());
    const POINT below = b->ClientToScreen(POINT{0, b->GetHeight()});
    EXPECT_EQ(manager->PopupWindow(0)->GetLeft(), below.x);
    EXPECT_EQ(manager->PopupWindow(0)->GetTop(), below.y);
    EXPECT_TRUE(b->MenuTracked());
    EXPECT_TRUE(b->GetDown());
    EXPECT_EQ(log, (Log{"show"}));  // no click
    kit.PressKey(VK_ESCAPE);
    kit.ReleaseKey(VK_ESCAPE);
    Pump();
    EXPECT_FALSE(manager->Visible());
    EXPECT_FALSE(b->MenuTracked());
    EXPECT_FALSE(b->GetDown());
    EXPECT_EQ(log, (Log{"show", "hide"}));
}

TEST_F(SkinMenuSpeedButtonTest, InTrackButtonModeOnlyTheRightFifteenPixelsOpenTheMenu)
{
    TForm* f = MakeForm(Skin(0));
    TskSkinMenuSpeedButton* b = Make(f);
    b->SetSkinData(Skin(0));
    b->SetSkinPopupMenu(MenuOf(f, 2));
    b->SetTrackButtonMode(true);
    struct Case {
        POINT p;
        bool opens;
    };
    const Case cases[] = {{{64, 10}, false}, {{65, 10}, true}, {{79, 29}, true}, {{10, 10}, false}};
    for (const Case& c : cases)
        EXPECT_EQ(b->InTrackArea(c.p), c.opens) << c.p.x << "," << c.p.y;
    b->SetNewStyle(true);
    b->SetTrackPosition(sktpBottom);
    EXPECT_EQ(b->GetSkinDataName(), "resizetoolbutton");
    EXPECT_TRUE(b->InTrackArea(POINT{10, 15}));
    EXPECT_FALSE(b->InTrackArea(POINT{70, 14}));
    b->SetNewStyle(false);
    Press(b, 10, 10);
    EXPECT_EQ(log, (Log{"click"}));
    Press(b, 70, 10);
    EXPECT_TRUE(Manager(f)->Visible());
    EXPECT_EQ(log, (Log{"click", "show"}));
    Manager(f)->Hide();
}

TEST_F(SkinMenuSpeedButtonTest, WithoutAMenuOrWithAMenuThatGoesTheButtonComesUp)
{
    TForm* f = MakeForm(Skin(0));
    TskSkinMenuSpeedButton* b = Make(f);
    Press(b, 10, 10);  // no menu: a plain speed button
    EXPECT_EQ(log, (Log{"click"}));
    log.clear();
    b->SetSkinPopupMenu(MenuOf(f, 0));  // nothing to show
    Press(b, 10, 10);
    EXPECT_FALSE(b->MenuTracked());
    EXPECT_FALSE(b->GetDown());
    EXPECT_EQ(log, (Log{"show", "hide"}));
    log.clear();
    TskSkinPopupMenu* m = MenuOf(f, 2);
    b->SetSkinPopupMenu(m);
    Press(b, 10, 10);
    ASSERT_TRUE(b->MenuTracked());
    m->Free();
    Pump();
    EXPECT_EQ(b->GetSkinPopupMenu(), nullptr);
    EXPECT_FALSE(b->MenuTracked());
    EXPECT_FALSE(b->GetDown());
    EXPECT_EQ(log, (Log{"show", "hide"}));
}

TEST_F(SkinMenuSpeedButtonTest, BothMenusOpenAndEachOpeningIsTold)
{
    TForm* f = MakeForm(Skin(0));
    TskSkinMenuSpeedButton* b = Make(f);
    b->SetSkinPopupMenu(MenuOf(f, 2));
    auto* images = new TImageList(f);
    TBitmap strip;
    strip.SetSize(32, 16);
    images->Add(&strip, nullptr);
    auto* grid = new TskSkinImagesMenu(f);
    grid->SetImages(images);
    grid->ImagesItems()->Add()->ImageIndex = 0;
    b->SetSkinImagesMenu(grid);
    Press(b, 10, 10);
    EXPECT_EQ(log, (Log{"show", "show"}));
    EXPECT_NE(grid->PopupWindow(), nullptr);
    grid->CloseUp(false);
    Pump();
    EXPECT_FALSE(b->GetDown());
    Manager(f)->Hide();
}

TEST_F(SkinMenuSpeedButtonTest, TheResizeFaceShowsItsStatesAndTheMarkerStrip)
{
    TskSkinData* data = Skin(0);
    TForm* f = MakeForm(data);
    TskSkinMenuSpeedButton* b = Make(f);
    b->SetSkinData(data);
    b->SetSkinPopupMenu(MenuOf(f, 2));
    Pump();
    const auto& d = skinform::Described<TskDataSkinButtonControl>(*data, "resizetoolbutton");
    auto corner = [&](const RECT& r) { return skinform::PicturePixel(*data, d.PictureIndex, r.left + 1, r.top + 1); };
    const POINT origin = b->ClientToScreen(POINT{1, 1});
    auto at = [&] { return At(f, origin.x - f->GetLeft(), origin.y - f->GetTop()); };
    EXPECT_EQ(at(), corner(d.SkinRect));
    Press(b, 10, 10);
    EXPECT_EQ(at(), corner(d.DownSkinRect));
    Manager(f)->Hide();
    Pump();
    EXPECT_FALSE(b->GetDown());
    kit.MoveMouse(b->ClientToScreen(POINT{200, 200}));
    Pump();
    EXPECT_EQ(at(), corner(d.SkinRect));
}

TEST_F(SkinMenuSpeedButtonTest, TheNewStyleStripTakesTheSkinsOwnTrackFaceWhileHot)
{
    TskSkinData* data = Skin(0);
    TForm* f = MakeForm(data);
    TskSkinMenuSpeedButton* b = Make(f);
    b->SetNewStyle(true);
    b->SetTrackButtonMode(true);
    b->SetTrackPosition(sktpBottom);
    b->SetSkinData(data);
    b->SetSkinPopupMenu(MenuOf(f, 2));
    const auto& t = skinform::Described<TskDataSkinButtonControl>(*data, "htracktoolbutton");
    const POINT strip = b->ClientToScreen(POINT{1, b->GetHeight() - 15 + 1});
    kit.MoveMouse(b->ClientToScreen(POINT{10, 5}));
    Pump();
    EXPECT_EQ(At(f, strip.x - f->GetLeft(), strip.y - f->GetTop()),
              skinform::PicturePixel(*data, t.PictureIndex, t.ActiveSkinRect.left + 1, t.ActiveSkinRect.top + 1));
    Press(b, 10, 25);  // on the strip
    EXPECT_TRUE(b->MenuTracked());
    EXPECT_EQ(At(f, strip.x - f->GetLeft(), strip.y - f->GetTop()),
              skinform::PicturePixel(*data, t.PictureIndex, t.DownSkinRect.left + 1, t.DownSkinRect.top + 1));
    Manager(f)->Hide();
}

} // namespace
