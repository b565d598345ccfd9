// The main window's hints are drawn by the window's skin and follow a skin switch; its tray icon
// starts disabled and hidden, so minimising leaves the window on the task bar, and once enabled
// it carries the frame's tray menu and brings the window back on a double click.

#include "MainFormSupport.h"

#include "classlib/Bitmap.h"
#include "platform/testkit/FakeTray.h"
#include "platform/window/User.h"
#include "skin/core/skSkinData.h"
#include "skin/form/FormSkin.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/form/skSkinHint.h"
#include "skin/form/skSkinMenus.h"
#include "skin/form/skTrayIcon.h"

namespace {

class MainHintAndTray : public MainFormTest {
protected:
    // Rests the pointer on the control until the application's hint shows; the hint window.
    TskSkinHintWindow* HoverUntilHint(TControl* Control)
    {
        const POINT centre{Control->GetWidth() / 2, Control->GetHeight() / 2};
        kit.MoveMouse(Control->ClientToScreen(POINT{centre.x - 1, centre.y}));
        Pump();
        kit.MoveMouse(Control->ClientToScreen(centre));
        Pump();
        kit.Advance(static_cast<std::uint64_t>(Application->GetHintPause()) + 50);
        Pump();
        return dynamic_cast<TskSkinHintWindow*>(Application->HintWindow());
    }
    // The skin's hint picture at the middle of its top edge, and the shown hint there.
    COLORREF SkinTopEdge() const
    {
        const TskDataSkinHintWindow& d = *Form1->skSkinData1->HintWindow;
        TBitmap* picture = Form1->skSkinData1->FActivePictures[static_cast<std::size_t>(d.WindowPictureIndex)].get();
        return picture->Canvas()->GetPixel((d.LTPoint.x + d.RTPoint.x) / 2, 1);
    }
    COLORREF ShownTopEdge(TskSkinHintWindow* Hint)
    {
        auto picture = kit.Render(Hint->GetHandle());
        return WindowTestKit::ColorAt(*picture, Hint->GetWidth() / 2, 1);
    }
};

TEST_F(MainHintAndTray, ThePlayButtonsHintIsDrawnByTheSkinAndFollowsASwitch)
{
    StartForms(true);
    Pump();
    EXPECT_EQ(Form1->skFormSkin1->GetSkinHint(), Form1->skSkinHint1);
    EXPECT_EQ(Form1->skSkinHint1->LineSeparator, "@");

    for (int skin : {2, 3}) {
        SCOPED_TRACE(skin);
        Form1->ApplySkinIndex(skin);
        Pump();
        ASSERT_GE(Form1->skSkinData1->HintWindow->WindowPictureIndex, 0);
        TskSkinHintWindow* hint = HoverUntilHint(Form1->skSkinButton13);
        ASSERT_NE(hint, nullptr) << "the plain hint window of the class library";
        EXPECT_TRUE(IsWindowVisible(hint->GetHandle()));
        EXPECT_EQ(hint->GetCaption(), "播放");
        EXPECT_EQ(hint->SD(), Form1->skSkinData1);
        EXPECT_EQ(ShownTopEdge(hint), SkinTopEdge());
        kit.MoveMouse(Form1->ClientToScreen(POINT{420, 480}));
        Pump();
    }
}

TEST_F(MainHintAndTray, TheTrayIconStartsDisabledAndHiddenAndRestoresOnceEnabled)
{
    struct Installed {
        FakeTray fake;
        Installed() { SetTrayBackend(&fake); }
        ~Installed() { SetTrayBackend(nullptr); }
    } installed;
    FakeTray& tray = installed.fake;
    StartForms(true);
    Pump();
    TskTrayIcon* icon = Form1->skTrayIcon1;
    TskFormSkin* frame = Form1->skFormSkin1;
    ASSERT_NE(icon, nullptr);
    EXPECT_FALSE(icon->GetEnabled());
    EXPECT_FALSE(icon->GetIconVisible());
    EXPECT_EQ(icon->GetAnimateTimerInterval(), 0u);
    EXPECT_TRUE(tray.icons.empty());
    EXPECT_EQ(frame->GetTrayIcon(), icon);
    EXPECT_EQ(icon->GetPopupMenu(), frame->TrayMenu());
    EXPECT_EQ(frame->TrayMenu()->GetSkinData(), Form1->skSkinData1);
    EXPECT_FALSE(IsWindowVisible(Application->Handle())) << "no stray window of the application";

    // Minimising keeps the window on the task bar.
    Application->Minimize();
    Pump();
    EXPECT_TRUE(Form1->GetVisible());
    EXPECT_TRUE(tray.icons.empty());
    Application->Restore();
    Pump();

    // Disabled, the icon ignores the pointer; enabled, a double click brings the window back.
    frame->MinimizeToTray();
    Pump();
    EXPECT_FALSE(Form1->GetVisible());
    ASSERT_EQ(tray.icons.size(), 1u);
    const int key = tray.icons.begin()->first;
    tray.Activate(key, TrayActivation::DoubleClick);
    Pump();
    EXPECT_FALSE(Form1->GetVisible());
    icon->SetEnabled(true);
    tray.Activate(key, TrayActivation::DoubleClick);
    Pump();
    EXPECT_TRUE(Form1->GetVisible());
    EXPECT_TRUE(IsWindowVisible(Form1->GetHandle()));
    EXPECT_TRUE(tray.icons.empty());
    EXPECT_FALSE(IsWindowVisible(Application->Handle())) << "no stray window of the application";
    StopForms();
}

} // namespace
