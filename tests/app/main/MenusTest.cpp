#include "MainFormSupport.h"

#include "app/main/DesktopOpen.h"
#include "app/main/Unit2.h"
#include "app/main/Unit5.h"
#include "classlib/Menus.h"
#include "engine/FFmpegConverter.h"
#include "classlib/StdCtrls.h"
#include "platform/window/Keys.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/form/skSkinViews.h"
#include "skin/input/skSkinComboBox.h"
#include "skin/input/skSkinEdits.h"
#include "skin/input/skSkinLinkLabel.h"

#include "FakeOpener.h"
#include "platform/kernel/MainThread.h"
#include "platform/shell/ShellExecute.h"

#include <functional>
#include <optional>
#include <vector>

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

// Each way of opening something on the desktop: F1, 官方网站, 打开, 打开快照目录, the batch's end
// and the about box's two links.
struct OpeningWay {
    const char* what;
    std::function<void()> run;
};
std::vector<OpeningWay> OpeningWays(WindowTestKit& kit)
{
    return {
        {"F1",
         [&kit] {
             Form1->lvFiles->SetFocus();
             kit.PressKey(VK_F1);
             kit.ReleaseKey(VK_F1);
             Application->ProcessMessages();
         }},
        {"官方网站", [] { Form1->N19->Click(); }},
        {"打开", [] { Form1->skSkinButton6->ButtonClick(); }},
        {"打开快照目录", [] { Form1->MenuItem1->Click(); }},
        {"the batch's end",
         [] {
             TTerminateInfo last;
             last.TaskIndex = -1;
             Form1->FFConverterTerminate(Form1->FFConverter, last);
         }},
        {"the about box's site", [] { Form2->skSkinLinkLabel1->Click(); }},
        {"the about box's mail", [] { Form2->skSkinLinkLabel2->Click(); }},
    };
}

// With no program on the desktop for it, each way of opening something names it in one message
// (the user can then open it by hand); a desktop that takes it shows nothing.
TEST_F(MainMenus, WhatTheDesktopCannotOpenIsNamedInOneMessage)
{
    StartForms(true);
    kit.SetOpenerAnswer(false);
    for (const OpeningWay& c : OpeningWays(kit)) {
        dialogs.messages.clear();
        const std::size_t opened = kit.OpenedTargets().size();
        c.run();
        ASSERT_EQ(kit.OpenedTargets().size(), opened + 1) << c.what;
        const std::string target = kit.OpenedTargets().back();
        ASSERT_EQ(dialogs.messages.size(), 1u) << c.what;
        EXPECT_EQ(dialogs.messages[0].first, OpenFailedText(target)) << c.what;
        EXPECT_NE(dialogs.messages[0].first.find(target), std::string::npos) << c.what;
        EXPECT_EQ(dialogs.messages[0].second, "提示");
    }
    EXPECT_EQ(kit.OpenedTargets()[0], "https://zudevivivoduv.org/help.html");
    EXPECT_EQ(kit.OpenedTargets()[2], Form1->Video_OutPut_Folder_Edit->GetText());
    EXPECT_EQ(kit.OpenedTargets()[6], "mailto:support@zudevivivoduv.org");

    kit.SetOpenerAnswer(true);
    dialogs.messages.clear();
    Form1->N19->Click();
    Form2->skSkinLinkLabel1->Click();
    EXPECT_TRUE(dialogs.messages.empty());
}

// The desktop's real opener program, present but unable to open anything (it ends with status 3
// after a page of output), gives each way the same one message as no program at all; its output
// stays out of the program's terminal. Without an opener program the message comes at once.
TEST_F(MainMenus, AnOpenerProgramThatFailsGivesTheSameOneMessage)
{
    StartForms(true);
    SetShellOpener(nullptr);
    for (const std::optional<int> status : {std::optional<int>(3), std::optional<int>()}) {
        zdtest::FakeOpener opener(status);
        for (const OpeningWay& c : OpeningWays(kit)) {
            dialogs.messages.clear();
            c.run();
            ASSERT_TRUE(MainThread::WaitServing([&] { return !dialogs.messages.empty(); }, 20000)) << c.what;
            ASSERT_EQ(dialogs.messages.size(), 1u) << c.what;
            EXPECT_EQ(dialogs.messages[0].second, "提示");
            const std::string& text = dialogs.messages[0].first;
            if (!status) {
                EXPECT_EQ(text.rfind("无法打开“", 0), 0u) << text;
                continue;
            }
            const std::vector<std::string> made = opener.Records();
            ASSERT_FALSE(made.empty()) << c.what;
            const std::size_t end = made.back().find(", output to /dev/null, errors to /dev/null");
            ASSERT_NE(end, std::string::npos) << made.back();
            EXPECT_EQ(text, OpenFailedText(made.back().substr(0, end))) << c.what;
        }
        if (status) {
            EXPECT_EQ(opener.Records().size(), OpeningWays(kit).size());
        }
    }
}

// Enter confirms and Esc cancels the program's own dialogs, wherever their focus is.
TEST_F(MainMenus, EnterConfirmsAndEscapeCancelsEveryDialog)
{
    StartForms(true);
    const struct {
        const char* what;
        TCustomForm* dialog;
        TWinControl* focus;
        UINT key;
        int result;
    } cases[] = {
        {"options", Form5, nullptr, VK_RETURN, mrOk},
        {"options", Form5, nullptr, VK_ESCAPE, mrCancel},
        {"options, thread count box", Form5, Form5->skSkinComboBox2, VK_RETURN, mrOk},
        {"options, thread count box", Form5, Form5->skSkinComboBox2, VK_ESCAPE, mrCancel},
        {"about", Form2, nullptr, VK_RETURN, mrOk},
        {"about", Form2, nullptr, VK_ESCAPE, mrOk},
    };
    for (const auto& c : cases) {
        TCustomForm* dialog = c.dialog;
        bool stayed = false;
        kit.WhenIdle([&] {
            if (c.focus)
                c.focus->SetFocus();
            kit.PressKey(c.key);
            kit.ReleaseKey(c.key);
            Pump();
            // A key that did nothing leaves the dialog open: closed here so the test goes on.
            if (dialog->GetModalResult() == mrNone) {
                stayed = true;
                dialog->SetModalResult(mrAbort);
            }
        });
        const int result = dialog->ShowModal();
        EXPECT_FALSE(stayed) << c.what << " key " << c.key;
        EXPECT_EQ(result, c.result) << c.what << " key " << c.key;
    }
}
