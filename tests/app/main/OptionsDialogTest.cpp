#include "MainFormSupport.h"

#include "engine/FFmpegConverter.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/input/skSkinComboBox.h"

#include <string>
#include <vector>

using OptionsDialog = MainFormTest;

// "取消" brings back what the dialog showed, the live preview included; the file keeps its values.
TEST_F(OptionsDialog, CancelRestoresWhatTheDialogShowedTheLivePreviewIncluded)
{
    StartForms(true);
    kit.WhenIdle([] {
        Form5->skSkinCheckRadioBox8->SetChecked(true);
        EXPECT_TRUE(Form1->FFConverter->GetPreview());  // at once, before any confirmation
        Form5->skSkinCheckRadioBox11->SetChecked(true);
        Form5->skSkinCheckRadioBox5->SetChecked(true);
        Form5->skSkinCheckRadioBox3->SetChecked(true);
        Form5->skSkinComboBox2->SetItemIndex(5);
        Form5->skSkinButton1Click(nullptr);
    });
    Form1->N24Click(nullptr);
    EXPECT_FALSE(Form5->GetVisible());
    EXPECT_FALSE(Form5->skSkinCheckRadioBox8->GetChecked());
    EXPECT_FALSE(Form1->FFConverter->GetPreview());
    EXPECT_TRUE(Form5->skSkinCheckRadioBox12->GetChecked());
    EXPECT_FALSE(Form5->skSkinCheckRadioBox11->GetChecked());
    EXPECT_TRUE(Form5->skSkinCheckRadioBox1->GetChecked());
    EXPECT_TRUE(Form5->skSkinCheckRadioBox6->GetChecked());
    EXPECT_EQ(Form5->skSkinComboBox2->GetText(), "1");
    EXPECT_EQ(Ini("Options", "Show_Preview"), "0");
    EXPECT_EQ(Ini("Options", "Thread_Priority"), "3");
}

// "确定" writes every choice, and the next start shows them again, the thread count too.
TEST_F(OptionsDialog, ConfirmedChoicesAreWrittenAndSurviveARestart)
{
    StartForms(true);
    kit.WhenIdle([] {
        Form5->skSkinCheckRadioBox11->SetChecked(true);
        Form5->skSkinCheckRadioBox4->SetChecked(true);
        Form5->skSkinCheckRadioBox3->SetChecked(true);
        Form5->skSkinCheckRadioBox8->SetChecked(true);
        Form5->skSkinComboBox2->SetItemIndex(18);
        Form5->skSkinButton6Click(nullptr);
    });
    Form1->skSkinButton19->ButtonClick();
    EXPECT_EQ(Ini("Options", "Thread_Priority"), "2");
    EXPECT_EQ(Ini("Options", "After_Done"), "2");
    EXPECT_EQ(Ini("Options", "Overwrite_File"), "0");
    EXPECT_EQ(Ini("Options", "Show_Preview"), "1");
    EXPECT_EQ(Ini("Options", "Thread_Count"), "19");
    StopForms();
    StartForms();
    EXPECT_TRUE(Form5->skSkinCheckRadioBox11->GetChecked());
    EXPECT_TRUE(Form5->skSkinCheckRadioBox4->GetChecked());
    EXPECT_TRUE(Form5->skSkinCheckRadioBox3->GetChecked());
    EXPECT_TRUE(Form5->skSkinCheckRadioBox8->GetChecked());
    EXPECT_TRUE(Form1->FFConverter->GetPreview());
    EXPECT_EQ(Form5->skSkinComboBox2->GetText(), "19");
    EXPECT_TRUE(Form1->SecondaryHost().OverwriteOutput());
}

// The thread-count box with its list open: Escape and Enter close the list only (Enter taking the
// row under the pointer); the dialog stays until a key comes with the list closed.
TEST_F(OptionsDialog, KeysInTheOpenThreadCountListCloseOnlyTheList)
{
    StartForms(true);
    TskSkinComboBox* box = Form5->skSkinComboBox2;
    std::vector<std::string> seen;
    auto key = [this](WORD Key) {
        kit.PressKey(Key, Key == VK_RETURN ? "\r" : "\x1b");
        kit.ReleaseKey(Key);
        Pump();
    };
    kit.WhenIdle([&] {
        for (WORD k : {VK_ESCAPE, VK_RETURN}) {
            box->SetFocus();
            box->DropDown();
            Pump();
            const RECT row = box->ListBoxWindow()->ItemRect(3);
            kit.MoveMouse(box->ListBoxWindow()->ListBox->ClientToScreen(POINT{5, (row.top + row.bottom) / 2}));
            Pump();
            key(k);
            seen.push_back(std::string(box->IsPopupVisible() ? "open" : "closed") + " " + box->GetText() + " " +
                           (Form5->GetModalResult() == mrNone ? "dialog" : "gone"));
            if (Form5->GetModalResult() != mrNone)
                return;
        }
        key(VK_RETURN);
    });
    EXPECT_EQ(Form5->ShowModal(), mrOk);
    EXPECT_EQ(seen, (std::vector<std::string>{"closed 1 dialog", "closed 4 dialog"}));
    EXPECT_EQ(Ini("Options", "Thread_Count"), "4");
}
