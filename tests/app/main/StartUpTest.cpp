#include "MainFormSupport.h"

#include "classlib/ComboBox.h"
#include "classlib/Menus.h"
#include "classlib/StdCtrls.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/input/skSkinComboBox.h"
#include "skin/input/skSkinOfficeCtrls.h"

using MainStartUp = MainFormTest;

TEST_F(MainStartUp, TheWindowStartsWithOnlyAddingAndTheSettingsEnabled)
{
    StartForms();
    ASSERT_NE(Form1, nullptr);
    EXPECT_EQ(Application->MainForm(), Form1);
    EXPECT_EQ(Form1->GetCaption(), "Zudevivivoduv");
    EXPECT_EQ(Form1->GetClientWidth(), 839);
    EXPECT_EQ(Form1->GetClientHeight(), 522);
    EXPECT_TRUE(Form1->btnAdd->GetEnabled());
    EXPECT_TRUE(Form1->Item111->GetEnabled());
    EXPECT_EQ(Form1->skSkinMenuSpeedButton1->GetImageIndex(), 0);
    EXPECT_TRUE(Form1->skSkinOfficeComboBox2->GetEnabled());
    EXPECT_TRUE(Form1->skSkinButton5->GetEnabled());
    for (TMenuItem* off : {Form1->N13, Form1->N14, Form1->N26, Form1->N7, Form1->N8, Form1->N10, Form1->N11})
        EXPECT_FALSE(off->GetEnabled()) << off->GetName();
    EXPECT_FALSE(Form1->skSkinButton2->GetEnabled());
    EXPECT_EQ(Form1->skSkinButton2->GetImageIndex(), 13);
    EXPECT_TRUE(Form1->skSkinButton11->GetVisible());
    EXPECT_FALSE(Form1->skSkinButton12->GetVisible());
    EXPECT_EQ(Form1->skSkinSlider1_down_UP, "UP");
    EXPECT_EQ(Form1->cboScreens->GetItemIndex(), 0);
    EXPECT_EQ(Form1->cboScreens->GetText(), "Panel6");
}

TEST_F(MainStartUp, AGroupSwitchesEveryMemberWithItsLook)
{
    StartForms();
    Form1->SetGroupEnabled(TControlGroup::Start, true);
    EXPECT_TRUE(Form1->btnStart->GetEnabled());
    EXPECT_TRUE(Form1->N7->GetEnabled());
    EXPECT_TRUE(Form1->skSkinButton2->GetEnabled());
    EXPECT_EQ(Form1->skSkinButton2->GetImageIndex(), 3);
    Form1->SetGroupEnabled(TControlGroup::Add, false);
    EXPECT_FALSE(Form1->btnAdd->GetEnabled());
    EXPECT_FALSE(Form1->N3331->GetEnabled());
    EXPECT_EQ(Form1->skSkinMenuSpeedButton1->GetImageIndex(), 17);
    Form1->SetGroupEnabled(TControlGroup::Settings, false);
    EXPECT_FALSE(Form1->skSkinComboBox10->GetEnabled());
    EXPECT_FALSE(Form1->skSkinOfficeComboBox1->GetEnabled());
}

TEST_F(MainStartUp, PauseAndResumeDispatchersSwapTheirToolButtons)
{
    StartForms();
    int paused = 0, resumed = 0;
    Form1->btnPause->OnClick = [&](TObject*) { ++paused; };
    Form1->btnResume->OnClick = [&](TObject*) { ++resumed; };
    // A command invoked by code runs although its button is disabled.
    Form1->skSkinButton11Click(nullptr);
    EXPECT_EQ(paused, 1);
    EXPECT_FALSE(Form1->skSkinButton11->GetVisible());
    EXPECT_TRUE(Form1->skSkinButton12->GetVisible());
    Form1->skSkinButton12Click(nullptr);
    EXPECT_EQ(resumed, 1);
    EXPECT_TRUE(Form1->skSkinButton11->GetVisible());
    EXPECT_FALSE(Form1->skSkinButton12->GetVisible());
}
