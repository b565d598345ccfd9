// The format boxes and the job list on a real X server, written for review: the format box
// closed and open for three categories, and a job list of 12 rows after a wheel turn.

#include "app/main/JobRow.h"
#include "app/main/Project1.h"
#include "app/main/Unit1.h"
#include "app/main/Unit1Jobs.h"
#include "classlib/ComCtrls.h"
#include "platform/window/User.h"
#include "skin/form/skFrameMenu.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/form/skSkinViews.h"
#include "skin/input/skSkinOfficeCtrls.h"

#include "ScreenSupport.h"
#include "TestPaths.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>

#include <algorithm>
#include <string>

namespace {

void Settle()
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 1000) {
        Application->ProcessMessages();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

RECT WindowRect(HWND Window)
{
    RECT r{};
    GetWindowRect(Window, &r);
    return r;
}

// The screen inside R, saved under the build folder; false when nothing could be taken.
bool Save(const RECT& R, const std::string& Name)
{
    const QImage image = screentest::ScreenOf(R);
    return !image.isNull() && image.save(QString::fromStdString(std::string(ZD_SCREENSHOT_DIR) + "/" + Name), "PNG");
}

}  // namespace

class FormatBoxScreen : public ::testing::TestWithParam<int> {
protected:
    FormatBoxScreen()
    {
        setenv("HOME", dir.path().c_str(), 1);
        setenv("XDG_CONFIG_HOME", (dir.path() + "/.config").c_str(), 1);
    }
    void SetUp() override
    {
        InitialiseProgram();
        CreateProgramForms();
        Form1->ApplySkinIndex(GetParam());
        Form1->Show();
        Settle();
    }
    void TearDown() override
    {
        DoneApplication();
        SetFrameMenuFactory(nullptr);
    }
    std::string Suffix() const { return "_skin" + std::to_string(GetParam()) + ".png"; }
    zdtest::TempDir dir;
};

TEST_P(FormatBoxScreen, TheFormatBoxClosedAndOpenForThreeCategories)
{
    TskSkinOfficeComboBox* formats = Form1->skSkinOfficeComboBox1;
    for (const int category : {0, 3, 15}) {
        const std::string name = "format_box_category" + std::to_string(category);
        Form1->skSkinOfficeComboBox2->SetItemIndex(category);
        Settle();
        EXPECT_TRUE(Save(WindowRect(Form1->GetHandle()), name + "_closed" + Suffix()));
        formats->DropDown();
        Settle();
        ASSERT_TRUE(formats->IsPopupVisible());
        RECT both = WindowRect(Form1->GetHandle());
        const RECT list = WindowRect(formats->ListBox()->GetHandle());
        both.bottom = std::max(both.bottom, list.bottom);
        both.top = std::min(both.top, list.top);
        EXPECT_TRUE(Save(both, name + "_open" + Suffix()));
        formats->CloseUp(false);
    }
}

TEST_P(FormatBoxScreen, AJobListOfTwelveRowsAfterAWheelTurn)
{
    for (int i = 0; i < 12; ++i) {
        TJobRow row;
        row.Caption = "/videos/clip" + std::to_string(i) + ".avi";
        row.SubItems[jcDuration] = "00:00:02";
        row.SubItems[jcInputSize] = "0.08MB";
        row.SubItems[jcOutputName] = "clip" + std::to_string(i) + ".avi";
        row.SubItems[jcSelectionCode] = "100";
        jobs::AppendJobRow(*Form1, row);
    }
    Form1->skSkinPanel5->SetVisible(false);
    Form1->lvFiles->SetSelected(Form1->lvFiles->Items()->Item(4));
    Settle();
    const POINT inside = Form1->lvFiles->ClientToScreen(POINT{100, 100});
    Form1->lvFiles->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), MAKELPARAM(inside.x, inside.y));
    Settle();
    EXPECT_GT(Form1->lvFiles->GetTopItem()->GetIndex(), 0);
    EXPECT_TRUE(Form1->skSkinScrollBar2->GetVisible());
    EXPECT_TRUE(Save(WindowRect(Form1->GetHandle()), "job_list_wheel" + Suffix()));
}

INSTANTIATE_TEST_SUITE_P(Skins, FormatBoxScreen, ::testing::Values(0, 2));
