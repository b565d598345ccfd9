// The layered outer border and minimising to the tray on a real X server (which has no tray).

#include "ScreenSupport.h"

#include "classlib/ExtCtrls.h"
#include "classlib/Forms.h"
#include "classlib/ImgList.h"
#include "platform/display/DisplayBackend.h"
#include "platform/system/Tray.h"
#include "platform/window/Layered.h"
#include "platform/window/User.h"
#include "skin/core/skSkinData.h"
#include "skin/form/FormSkin.h"
#include "skin/form/FormSkinLayerBorder.h"
#include "skin/form/skTrayIcon.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

using namespace screen;

class ExtrasScreen : public testing::Test {
protected:
    void TearDown() override
    {
        DoneApplication();
        skin.reset();
        SetTranslucencyOverride(-1);
    }

    TForm* ShowForm(int Skin)
    {
        GetDisplayBackend();
        skin = std::make_unique<TskSkinData>(nullptr);
        LoadSkin(skin.get(), Skin);
        TForm* form;
        Application->CreateForm(form);
        form->SetCaption("皮肤窗口");
        form->SetBounds(100, 100, 400, 300);
        (new TskFormSkin(form))->SetSkinData(skin.get());
        form->Show();
        Settle();
        return form;
    }

    void Settle()
    {
        for (int i = 0; i < 20; ++i) {
            Application->ProcessMessages();
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
    }

    int VisibleNativeWindows()
    {
        int n = 0;
        for (QWindow* w : QGuiApplication::topLevelWindows())
            n += w->isVisible() ? 1 : 0;
        return n;
    }

    void Screenshot(const std::string& Name)
    {
        QGuiApplication::primaryScreen()->grabWindow(0, 0, 0, 640, 480).save(
            QString::fromStdString(std::string(ZD_SCREENSHOT_DIR) + "/" + Name));
    }

    std::unique_ptr<TskSkinData> skin;
};

TEST_F(ExtrasScreen, BandWindowsSurroundAFormUnderTheLayeredSkinOnly)
{
    SetTranslucencyOverride(1);
    TForm* form = ShowForm(3);
    TskFormLayerBorder* border = GetFormSkinComponent(form)->BorderLayer();
    ASSERT_TRUE(border->Visible());
    EXPECT_EQ(VisibleNativeWindows(), 5) << "the form and its four bands";
    // A size step rebuilds the bands for the now active form: its glow shows around it.
    form->SetBounds(100, 100, 420, 300);
    Settle();
    EXPECT_NE(ScreenPixel(300, 99), QColor(Qt::black));
    EXPECT_NE(ScreenPixel(99, 200), QColor(Qt::black));
    Screenshot("extras_skin3.png");
    DoneApplication();

    TForm* plain = ShowForm(1);
    EXPECT_FALSE(GetFormSkinComponent(plain)->BorderLayer()->Visible());
    EXPECT_EQ(VisibleNativeWindows(), 1);
    Screenshot("extras_skin1.png");
}

TEST_F(ExtrasScreen, WithoutATrayMinimisingToItLeavesTheFormRestorable)
{
    ASSERT_FALSE(TrayAvailable());
    TForm* form = ShowForm(1);
    TskFormSkin* frame = GetFormSkinComponent(form);
    auto* tray = new TskTrayIcon(form);
    frame->SetTrayIcon(tray);
    frame->MinimizeToTray();
    Settle();
    EXPECT_TRUE(IsIconic(form->GetHandle()));
    EXPECT_TRUE(form->GetVisible());
    frame->RestoreFromTray();
    Settle();
    EXPECT_FALSE(IsIconic(form->GetHandle()));
    EXPECT_TRUE(IsWindowVisible(form->GetHandle()));
    EXPECT_EQ(form->GetLeft(), 100);
    EXPECT_EQ(form->GetTop(), 100);
    Screenshot("extras_tray_restored.png");
}

TEST_F(ExtrasScreen, QuickButtonsSitOnTheCaptionAndAnInactiveFormIsFaded)
{
    TForm* form = ShowForm(1);
    TskFormSkin* frame = GetFormSkinComponent(form);
    auto* images = new TCustomImageList(form);
    TBitmap strip;
    strip.SetSize(32, 16);
    strip.Canvas()->Brush()->SetColor(clRed);
    strip.Canvas()->FillRect(RECT{2, 2, 14, 14});
    strip.Canvas()->Brush()->SetColor(clBlue);
    strip.Canvas()->FillRect(RECT{18, 2, 30, 14});
    images->AddMasked(&strip, clWhite);
    frame->SetQuickImageList(images);
    for (int i = 0; i < 2; ++i)
        frame->QuickButtons()->Add()->SetImageIndex(i);
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetColor(clRed);
    panel->SetBounds(20, 20, 120, 80);
    Settle();
    const RECT first = frame->QuickButtons()->Items(0)->ItemRect;
    const QColor image = ScreenPixel(100 + (first.left + first.right) / 2, 100 + (first.top + first.bottom) / 2);
    EXPECT_EQ(image, QColor(Qt::red));
    Screenshot("extras_quick_buttons.png");

    frame->ClientInActiveEffect = true;
    SendMessage(form->GetHandle(), WM_NCACTIVATE, FALSE, 0);
    Settle();
    const POINT origin = form->GetClientOrigin();
    const QColor faded = ScreenPixel(origin.x + 60, origin.y + 50);
    EXPECT_NE(faded, QColor(Qt::red));
    EXPECT_GT(faded.green(), 0);
    Screenshot("extras_inactive_faded.png");
}

} // namespace
