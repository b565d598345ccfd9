// Which window the X server shows on top, for the windows a user reaches from the main window:
// a hint after several skin switches (with dialogs shown between them), the format drop-downs
// after the about box. No window manager runs here, so the X server's stack of the root's
// children is exactly what the program made of it. Screenshots stay for review.

#include "app/main/Project1.h"
#include "app/main/Unit1.h"
#include "app/main/Unit2.h"
#include "platform/win/Rect.h"
#include "platform/window/RawInput.h"
#include "platform/window/User.h"
#include "skin/form/skFrameMenu.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/input/skSkinOfficeCtrls.h"

#include "NativeWindows.h"
#include "ScreenSupport.h"
#include "TestPaths.h"

#include <gtest/gtest.h>

#include <QImage>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

using screentest::NativeOf;
using screentest::ScreenOf;
using screentest::Until;
using screentest::x11Chosen;
using screentest::XAbove;

class StackingScreen : public ::testing::Test {
protected:
    StackingScreen()
    {
        setenv("HOME", dir.path().c_str(), 1);
        setenv("XDG_CONFIG_HOME", (dir.path() + "/.config").c_str(), 1);
    }
    void SetUp() override
    {
        ASSERT_TRUE(x11Chosen);
        InitialiseProgram();
        CreateProgramForms();
        Form1->Show();
        ASSERT_TRUE(Until([] { return NativeOf(Form1->GetHandle()) != nullptr; }));
    }
    void TearDown() override
    {
        DoneApplication();
        SetFrameMenuFactory(nullptr);
    }
    static void MovePointer(POINT At)
    {
        RawInput input;
        input.kind = RawInput::Kind::MouseMove;
        input.pt = At;
        PostRawInput(input);
    }
    // The about box shown and closed again, as its menu item does.
    static void ShowAndCloseAboutBox()
    {
        EnableWindow(Form1->GetHandle(), FALSE);
        Form2->Show();
        EXPECT_TRUE(Until([] { return NativeOf(Form2->GetHandle()) != nullptr; }));
        Form2->Hide();
        EnableWindow(Form1->GetHandle(), TRUE);
        SetActiveWindow(Form1->GetHandle());
        EXPECT_TRUE(Until([] { return NativeOf(Form2->GetHandle()) == nullptr; }));
    }
    void Save(const RECT& R, const std::string& Name)
    {
        const QImage image = ScreenOf(R);
        ASSERT_FALSE(image.isNull());
        EXPECT_TRUE(image.save(QString::fromStdString(std::string(ZD_SCREENSHOT_DIR) + "/" + Name + ".png"), "PNG"));
    }

    zdtest::TempDir dir;
};

// A hint shows above the main window after every skin switch of two sequences that lost it, with
// the about box shown and closed between the switches.
TEST_F(StackingScreen, AHintIsAboveTheMainWindowAfterSkinSwitches)
{
    TControl* play = Form1->skSkinButton13;
    const POINT centre = play->ClientToScreen(POINT{play->GetWidth() / 2, play->GetHeight() / 2});
    const POINT away = Form1->ClientToScreen(POINT{420, 480});
    for (const std::vector<int>& sequence : {std::vector<int>{3, 2}, std::vector<int>{0, 1, 2, 4}}) {
        for (const int skin : sequence) {
            SCOPED_TRACE("skin " + std::to_string(skin));
            Form1->ApplySkinIndex(skin);
            ShowAndCloseAboutBox();
            MovePointer(POINT{centre.x - 1, centre.y});
            MovePointer(centre);
            THintWindow* hint = nullptr;
            ASSERT_TRUE(Until([&] {
                hint = Application->HintWindow();
                return hint && IsWindowVisible(hint->GetHandle()) && NativeOf(hint->GetHandle());
            })) << "no hint";
            EXPECT_TRUE(Until([&] { return XAbove(hint->GetHandle(), Form1->GetHandle()); }))
                << "the hint is under the main window";
            if (skin == 4) {
                RECT r{};
                GetWindowRect(Form1->GetHandle(), &r);
                Save(r, "hint_after_switches");
            }
            MovePointer(away);
            EXPECT_TRUE(Until([&] { return !IsWindowVisible(hint->GetHandle()); }));
        }
    }
}

// After the about box was shown and closed, the category and format drop-downs open above the
// main window, whole.
TEST_F(StackingScreen, DropDownsOpenAboveTheMainWindowAfterTheAboutBox)
{
    Form1->ApplySkinIndex(2);
    for (int round = 0; round < 2; ++round) {
        ShowAndCloseAboutBox();
        for (TskSkinOfficeComboBox* box : {Form1->skSkinOfficeComboBox2, Form1->skSkinOfficeComboBox1}) {
            SCOPED_TRACE(box->GetName() + ", round " + std::to_string(round));
            box->DropDown();
            ASSERT_TRUE(box->IsPopupVisible());
            const HWND list = box->ListBox()->GetHandle();
            EXPECT_TRUE(Until([&] { return XAbove(list, Form1->GetHandle()); })) << "the list is under the main window";
            if (round == 1 && box == Form1->skSkinOfficeComboBox1) {
                RECT both{}, r{};
                GetWindowRect(Form1->GetHandle(), &both);
                GetWindowRect(list, &r);
                UnionRect(&both, &both, &r);
                Save(both, "drop_down_after_about_box");
            }
            box->CloseUp(false);
        }
    }
}

} // namespace
