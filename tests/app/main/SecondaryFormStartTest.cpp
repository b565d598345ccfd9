// The secondary settings form as the program makes it: last, hidden, over the main window.

#include "MainFormSupport.h"

#include "app/secondary/Unit6.h"
#include "engine/FFmpegConverter.h"
#include "skin/form/FormSkin.h"
#include "skin/input/skSkinOfficeCtrls.h"

using SecondaryFormStart = MainFormTest;

TEST_F(SecondaryFormStart, IsMadeLastAndHiddenAndWritesTheFirstFormatsKey)
{
    StartForms(true);
    ASSERT_NE(Form6, nullptr);
    EXPECT_EQ(Application->ComponentCount() > 0 ? Application->Components(Application->ComponentCount() - 1) : nullptr,
              Form6);
    EXPECT_FALSE(Form6->GetVisible());
    EXPECT_EQ(Application->MainForm(), Form1);
    EXPECT_EQ(Form1->All_Trant_Number, 100);
    EXPECT_FALSE(Form1->Scratch.Video_DisableVideo);
    EXPECT_EQ(Form6->skSkinOfficeComboBox1->Items()->Count(), 15);
    EXPECT_EQ(Form6->skFormSkin1->GetSkinData(), Form1->skSkinData1);
    EXPECT_EQ(Form6->FFConverter->TasksCount(), 0);

    // Its OK writes the main window's fields; closing hides it again.
    Form1->Scratch.Video_AddFileName = Home() + "/clip.avi";
    Form6->Show();
    Form6->Handlers().skSkinButton2Click();
    EXPECT_FALSE(Form6->GetVisible());
    EXPECT_EQ(Form1->Scratch.Video_OutPutFileName, Form1->FileOutPutPath + "/clip.avi");

    StopForms();
    EXPECT_EQ(Form6, nullptr);
}
