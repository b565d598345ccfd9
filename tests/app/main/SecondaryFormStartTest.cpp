// The secondary settings form as the program makes it: last, hidden, over the main window.

#include "MainFormSupport.h"

#include "app/secondary/Unit6.h"
#include "engine/FFmpegConverter.h"
#include "skin/form/FormSkin.h"
#include "skin/input/skSkinOfficeCtrls.h"
#include "tests/app/secondary/FakeSecondaryForm.h"


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

// The form's creation over the real main window writes its key and mark and no other field.
TEST_F(SecondaryFormStart, CreationOverTheMainWindowWritesOnlyTheKeyAndTheMark)
{
    StartForms(false);
    const MainWindowFields old = Untouched();
    Form1->All_Trant_Number = old.All_Trant_Number;
    Form1->Scratch = old.Scratch;
    Form1->Video_CopyTimestamp = old.Video_CopyTimestamp;
    Form1->Video_TimeStart = old.Video_TimeStart;
    Form1->Video_TimeLength = old.Video_TimeLength;
    auto* another = new TForm6(nullptr, Form1->SecondaryHost());
    another->AfterConstruction();
    const MainWindowFields now{Form1->All_Trant_Number, Form1->Scratch, Form1->Video_CopyTimestamp,
                               Form1->Video_TimeStart, Form1->Video_TimeLength};
    EXPECT_EQ(Describe(now), With(Describe(old), {{"All_Trant_Number", "100"}, {"DisableVideo", "False"}}));
    another->Free();
    StopForms();
}
