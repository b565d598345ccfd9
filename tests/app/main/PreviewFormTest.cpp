// The preview panel on the main window: opening a file paused into Panel6 with its log lines,
// the slider following positions and seeking on release, the end of a file, the buttons.

#include "MainFormSupport.h"

#include "app/main/PreviewPanel.h"
#include "classlib/ComCtrls.h"
#include "classlib/Memo.h"
#include "classlib/StdCtrls.h"
#include "engine/FFPlay.h"
#include "platform/kernel/Clock.h"
#include "platform/kernel/MainThread.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/form/skSkinSlider.h"
#include "skin/form/skSkinViews.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr DWORD kGuardMs = 10000;

class PreviewForm : public MainFormTest {
protected:
    // The panel plays files with the real player, which keeps time by the clock in force while the
    // sound device plays in real time: these tests run on the system clock, not on the kit's
    // clock that only a test moves.
    PreviewForm() { SetClock(nullptr); }

    std::vector<std::string> Log() const
    {
        std::vector<std::string> lines;
        for (int i = 0; i < Form1->mmoLog->Lines()->Count(); ++i)
            lines.push_back(Form1->mmoLog->Lines()->Strings(i));
        return lines;
    }
    int Count(const std::string& line) const
    {
        const auto lines = Log();
        return static_cast<int>(std::count(lines.begin(), lines.end(), line));
    }
    bool WaitForLine(const std::string& line, int count = 1)
    {
        return MainThread::WaitServing([&] { return Count(line) >= count; }, kGuardMs);
    }
    // Opens a generated clip as the row selection does, and waits until it stands paused.
    void OpenPaused(const std::string& name)
    {
        Form1->T_Movie_PLayer_FileName = zdtest::fixture(name);
        Form1->Button31->Click();
        ASSERT_TRUE(WaitForLine("Pause")) << testing::PrintToString(Log());
    }
    void Press(bool down)
    {
        auto handler = down ? &TForm1::skSkinSlider1MouseDown : &TForm1::skSkinSlider1MouseUp;
        (Form1->*handler)(Form1->skSkinSlider1, TMouseButton::mbLeft, TShiftState{}, 120, 5);
    }
};

TEST_F(PreviewForm, OpeningLogsTheFileAndPreparesTheSlider)
{
    StartForms();
    Form1->skSkinSlider1->SetValue(70);
    OpenPaused("sample.avi");
    // The probe's description of the file, the file-open line, then the player's states.
    const auto log = Log();
    const auto line = std::find(log.begin(), log.end(), FileOpenLogLine(Form1->FDuration, 160, 120));
    ASSERT_TRUE(line != log.end() && line != log.begin()) << testing::PrintToString(log);
    // The probe's text comes first (its lines split in the memo), starting with the file's name.
    const auto name = std::find_if(log.begin(), line, [](const std::string& l) {
        return l.rfind("File Name: " + zdtest::fixture("sample.avi"), 0) == 0;
    });
    EXPECT_NE(name, line) << testing::PrintToString(log);
    // The engine's own log lines may come in between.
    EXPECT_NE(std::find(line, log.end(), "Play"), log.end()) << testing::PrintToString(log);
    EXPECT_NEAR(static_cast<double>(Form1->FDuration), 2e6, 1e5);
    EXPECT_TRUE(Form1->FFPlayer->GetPaused());
    EXPECT_TRUE(Form1->chkOpenPaused->GetChecked());
    EXPECT_EQ(Form1->FFPlayer->GetVideoDriver(), vdDefault);
    EXPECT_EQ(Form1->FFPlayer->GetAudioDriver(), adDefault);
    EXPECT_EQ(Form1->FScreenControl, Form1->Panel6);
    EXPECT_NE(Form1->FFPlayer->GetScreenHandle(), nullptr);
    EXPECT_EQ(Form1->skSkinSlider1->GetMaxValue(), Form1->skSkinSlider1->GetWidth());
    EXPECT_EQ(Form1->skSkinSlider1->GetIncrement(), 5);
    EXPECT_EQ(Form1->skSkinSlider1->GetValue(), 0);
}

// The render panel's window made again: the file playing into the old one ends first, and the
// next open draws into the new window.
TEST_F(PreviewForm, ARenderPanelMadeAgainGetsAHostOfItsOwn)
{
    StartForms();
    OpenPaused("sample.avi");
    Form1->Panel6->RecreateWnd();
    Form1->Panel6->HandleNeeded();
    Form1->Button31->Click();
    ASSERT_TRUE(WaitForLine("Pause", 2)) << testing::PrintToString(Log());
    EXPECT_EQ(Count("Stop"), 1);
    EXPECT_NE(Form1->FFPlayer->GetScreenHandle(), nullptr);
}

TEST_F(PreviewForm, AFileThatDoesNotOpenIsLoggedOnly)
{
    StartForms();
    Form1->T_Movie_PLayer_FileName = Home() + "/missing.avi";
    EXPECT_NO_THROW(Form1->Button31->Click());
    ASSERT_EQ(Log().size(), 1u);
    EXPECT_EQ(Log()[0], Form1->FFPlayer->GetLastErrMsg());
    EXPECT_FALSE(Log()[0].empty());
}

TEST_F(PreviewForm, SliderFollowsPositionsUnlessHeld)
{
    StartForms();
    Form1->skSkinSlider1->SetMaxValue(241);
    Form1->FDuration = 60'000'000;
    Form1->FFPlayerPosition(nullptr, 30'000'000);
    EXPECT_EQ(Form1->skSkinSlider1->GetValue(), 120);
    Form1->FFPlayerPosition(nullptr, -5);
    EXPECT_EQ(Form1->skSkinSlider1->GetValue(), 120);

    Press(true);
    EXPECT_EQ(Form1->skSkinSlider1_down_UP, "Down");
    Form1->FFPlayerPosition(nullptr, 45'000'000);
    EXPECT_EQ(Form1->skSkinSlider1->GetValue(), 120);
    Press(false);
    EXPECT_EQ(Form1->skSkinSlider1_down_UP, "UP");
    Form1->FFPlayerPosition(nullptr, 45'000'000);
    EXPECT_EQ(Form1->skSkinSlider1->GetValue(), 180);

    Form1->FDuration = 0;
    Form1->FFPlayerPosition(nullptr, 45'000'000);
    EXPECT_EQ(Form1->skSkinSlider1->GetValue(), 180);
}

TEST_F(PreviewForm, ReleasingTheSliderSeeksThereAndPlays)
{
    StartForms();
    OpenPaused("sample.avi");
    Press(true);
    Form1->skSkinSlider1->SetValue(Form1->skSkinSlider1->GetMaxValue() / 2);
    Press(false);
    EXPECT_FALSE(Form1->FFPlayer->GetPaused());
    ASSERT_TRUE(MainThread::WaitServing([&] { return Form1->FFPlayer->GetCurrentPTS() >= 900'000; }, kGuardMs));
}

// Played to its end, a file with pictures or sound alone puts the slider at the far right, then
// goes back to the start paused with the slider at the left, and plays again from there.
TEST_F(PreviewForm, AFileAtItsEndGoesBackToTheStartPaused)
{
    StartForms(true);
    const std::string flac = dir.file("sound.flac");
    ASSERT_EQ(0, std::system(("ffmpeg -nostdin -loglevel error -y -i '" + zdtest::fixture("sample.wav") +
                              "' -c:a flac '" + flac + "'")
                                 .c_str()));
    for (const std::string& file : {zdtest::fixture("sample.avi"), zdtest::fixture("sample.wav"), flac}) {
        SCOPED_TRACE(file);
        const int ends = Count("End"), plays = Count("Play");
        Form1->T_Movie_PLayer_FileName = file;
        Form1->Button31->Click();
        // A file with pictures opens paused on its first one; sound alone plays at once.
        ASSERT_TRUE(WaitForLine("Play", plays + 1)) << testing::PrintToString(Log());
        if (Form1->FFPlayer->GetVideoStreamIndex() >= 0) {
            ASSERT_TRUE(MainThread::WaitServing([] { return Form1->FFPlayer->GetPaused(); }, kGuardMs));
        }
        const int pauses = Count("Pause");
        // The slider's value after each position the panel was told.
        std::vector<int> values;
        Form1->FFPlayer->OnPosition = [&](TCustomPlayer* sender, std::int64_t pts) {
            Form1->FFPlayerPosition(sender, pts);
            values.push_back(Form1->skSkinSlider1->GetValue());
        };
        Form1->FFPlayer->Seek(std::int64_t{1'800'000}, TSeekFlags{}, true);
        Form1->skSkinButton13->ButtonClick();  // play
        ASSERT_TRUE(WaitForLine("End", ends + 1)) << testing::PrintToString(Log());
        ASSERT_TRUE(WaitForLine("Pause", pauses + 1)) << testing::PrintToString(Log());
        EXPECT_TRUE(Form1->FFPlayer->GetPaused());
        ASSERT_FALSE(values.empty());
        EXPECT_EQ(*std::max_element(values.begin(), values.end()), Form1->skSkinSlider1->GetMaxValue())
            << testing::PrintToString(values);
        EXPECT_TRUE(MainThread::WaitServing([&] { return Form1->skSkinSlider1->GetValue() == 0; }, kGuardMs))
            << testing::PrintToString(values);
        EXPECT_EQ(Count("End"), ends + 1);
        // Playing again starts from the beginning.
        Form1->skSkinButton13->ButtonClick();
        ASSERT_TRUE(MainThread::WaitServing([&] { return Form1->FFPlayer->GetCurrentPTS() < 1'000'000; }, kGuardMs))
            << Form1->FFPlayer->GetCurrentPTS();
        Form1->FFPlayer->Stop(true);
        Form1->FFPlayer->OnPosition = [](TCustomPlayer* sender, std::int64_t pts) {
            Form1->FFPlayerPosition(sender, pts);
        };
    }
}

TEST_F(PreviewForm, StopNeedsASelectedRowAndReopensAndMuteSwapsItsButtons)
{
    StartForms();
    OpenPaused("sample.avi");
    const std::size_t lines = Log().size();
    Form1->skSkinButton15->ButtonClick();  // stop, no row selected
    EXPECT_EQ(Log().size(), lines);
    EXPECT_EQ(Form1->FFPlayer->GetFileName(), zdtest::fixture("sample.avi"));

    // With a row selected, stop goes back to the start of the file, paused.
    Form1->FFPlayer->Seek(std::int64_t{1'000'000}, TSeekFlags{}, true);
    TListItem* row = Form1->lvFiles->Items()->Add();
    row->SetCaption(zdtest::fixture("sample.avi"));
    row->SetSelected(true);
    Form1->skSkinButton15->ButtonClick();
    ASSERT_TRUE(WaitForLine("Stop")) << testing::PrintToString(Log());
    ASSERT_TRUE(WaitForLine("Pause", 2)) << testing::PrintToString(Log());
    EXPECT_TRUE(Form1->FFPlayer->GetPaused());
    EXPECT_LT(Form1->FFPlayer->GetCurrentPTS(), 500'000);

    Form1->skSkinButton16->ButtonClick();
    EXPECT_TRUE(Form1->FFPlayer->GetMute());
    EXPECT_FALSE(Form1->skSkinButton16->GetVisible());
    EXPECT_TRUE(Form1->skSkinButton20->GetVisible());
    Form1->skSkinButton20->ButtonClick();
    EXPECT_FALSE(Form1->FFPlayer->GetMute());
    EXPECT_TRUE(Form1->skSkinButton16->GetVisible());
    EXPECT_FALSE(Form1->skSkinButton20->GetVisible());
}

}  // namespace
