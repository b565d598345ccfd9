#include "MainFormSupport.h"

#include "app/main/Unit2.h"
#include "classlib/Menus.h"
#include "classlib/StdCtrls.h"
#include "platform/window/Keys.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/form/skSkinViews.h"

using MainMenus = MainFormTest;

TEST_F(MainMenus, F1AnywhereInTheWindowOpensTheHelpPageAndTheSiteMenuTheSite)
{
    StartForms(true);
    Form1->lvFiles->SetFocus();
    kit.PressKey(VK_F1);
    kit.ReleaseKey(VK_F1);
    Pump();
    ASSERT_EQ(kit.OpenedTargets().size(), 1u);
    EXPECT_EQ(kit.OpenedTargets()[0], "https://zudevivivoduv.org/help.html");
    Form1->N19->Click();
    ASSERT_EQ(kit.OpenedTargets().size(), 2u);
    EXPECT_EQ(kit.OpenedTargets()[1], "https://zudevivivoduv.org/");
}

TEST_F(MainMenus, TheAboutBoxClosesWithItsButtonAndOpensAgainUnchanged)
{
    StartForms(true);
    for (int round = 0; round < 2; ++round) {
        kit.WhenIdle([] {
            EXPECT_TRUE(Form2->GetVisible());
            Form2->skSkinButton1->ButtonClick();
        });
        Form1->N5->Click();
        EXPECT_FALSE(Form2->GetVisible());
        EXPECT_EQ(Form2->GetCaption(), "关于软件");
        EXPECT_EQ(Form2->GetClientWidth(), 338);
        EXPECT_EQ(Form2->GetClientHeight(), 267);
    }
}

// Commands without logic of their own, and the exit command.
TEST_F(MainMenus, EmptyCommandsChangeNothingAndExitClosesTheWindow)
{
    StartForms(true);
    const std::string folder = Form1->FileOutPutPath;
    Form1->Button9->Click();
    Form1->Button24->Click();
    EXPECT_EQ(Form1->FileOutPutPath, folder);
    EXPECT_TRUE(Form1->skSkinPanel5->GetVisible());
    Form1->N4->Click();
    Pump();
    EXPECT_TRUE(Application->Terminated());
}
