// The whole way of a batch on the real display: two generated media files added through the add
// command (the open dialog answering with them), a category and format chosen, Start, and the
// converted files checked with ffprobe once the batch ended.

#include "app/main/JobRow.h"
#include "app/main/Project1.h"
#include "app/main/Unit1.h"
#include "classlib/ComCtrls.h"
#include "classlib/Menus.h"
#include "classlib/StdCtrls.h"
#include "engine/FFmpegConverter.h"
#include "platform/kernel/MainThread.h"
#include "platform/shell/ShellExecute.h"
#include "platform/system/PowerOff.h"
#include "platform/system/SoundPlayer.h"
#include "platform/window/User.h"
#include "classlib/CustomEdit.h"
#include "skin/form/skFrameMenu.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/form/skSkinViews.h"
#include "skin/input/skSkinOfficeCtrls.h"

#include "TestPaths.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// The open dialog answers with the files; nothing else is expected to ask.
class TwoFilesDialogs : public TFrontEndDialogs {
public:
    std::vector<std::string> files;
    std::vector<std::string> messages;
    void ShowMessage(const std::string& Text, const std::string&) override { messages.push_back(Text); }
    std::vector<std::string> OpenFiles(TOpenDialogSetup&) override { return files; }
    bool SelectFolder(TFolderDialogSetup&) override { return false; }
    std::optional<int> ChooseSkin(int) override { return std::nullopt; }
};

class NoPowerOff : public TPowerService {
public:
    bool PowerOff(std::string&) override { return false; }
};

class NoSound : public TSoundService {
public:
    bool PlayAsync(const std::string&) override { return false; }
};

int Shell(const std::string& command)
{
    return std::system(command.c_str());
}

// The streams ffprobe finds in a file, "video,audio"; empty when it refuses the file.
std::string ProbedStreams(const std::string& file)
{
    std::string streams;
    FILE* pipe = popen(("ffprobe -v error -show_entries stream=codec_type -of csv=p=0 '" + file + "'").c_str(), "r");
    char line[128];
    while (pipe && fgets(line, sizeof line, pipe)) {
        if (!streams.empty())
            streams.push_back(',');
        streams.append(line, strcspn(line, "\n"));
    }
    return pipe && pclose(pipe) == 0 ? streams : std::string();
}

// Pictures the main window as the screen shows it, for review.
void Shoot(const std::string& name)
{
    RECT r{};
    GetWindowRect(Form1->GetHandle(), &r);
    const QImage image = QGuiApplication::primaryScreen()
                             ->grabWindow(0, r.left, r.top, r.right - r.left, r.bottom - r.top)
                             .toImage();
    ASSERT_FALSE(image.isNull());
    EXPECT_TRUE(image.save(QString::fromStdString(std::string(ZD_SCREENSHOT_DIR) + "/" + name), "PNG"));
}

void Serve()
{
    Application->ProcessMessages();
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    MainThread::ProcessPendingMessages();
}

}  // namespace

class ConversionEndToEnd : public ::testing::Test {
protected:
    ConversionEndToEnd()
    {
        setenv("HOME", dir.path().c_str(), 1);
        setenv("XDG_CONFIG_HOME", (dir.path() + "/.config").c_str(), 1);
        SetPowerService(&power);
        SetSoundService(&sound);
        SetShellOpener([this](const std::string& target) {
            opened.push_back(target);
            return true;
        });
        TForm1::SetDialogs(&dialogs);
    }
    ~ConversionEndToEnd() override
    {
        DoneApplication();
        TForm1::SetDialogs(nullptr);
        SetShellOpener(nullptr);
        SetPowerService(nullptr);
        SetSoundService(nullptr);
        SetFrameMenuFactory(nullptr);
    }
    zdtest::TempDir dir;
    TwoFilesDialogs dialogs;
    NoPowerOff power;
    NoSound sound;
    std::vector<std::string> opened;
};

TEST_F(ConversionEndToEnd, TwoAddedFilesAreConvertedIntoTheOutputFolder)
{
    const std::string in = dir.file("素材");
    std::filesystem::create_directories(in);
    const std::string ff = "ffmpeg -nostdin -hide_banner -loglevel error -y ";
    ASSERT_EQ(Shell(ff + "-f lavfi -i testsrc=size=176x144:rate=25:duration=2 -f lavfi -i sine=frequency=440:duration=2 "
                       "-c:v mpeg4 -c:a pcm_s16le -shortest '" + in + "/第一段.avi'"), 0);
    ASSERT_EQ(Shell(ff + "-f lavfi -i testsrc2=size=320x240:rate=30:duration=3 -f lavfi -i sine=frequency=660:duration=3 "
                       "-c:v mpeg4 -c:a libmp3lame -shortest '" + in + "/clip two.mkv'"), 0);

    InitialiseProgram();
    CreateProgramForms();
    Form1->Show();
    int finals = 0;
    Form1->FFConverter->SetOnTerminate([&finals](TCustomFFmpegConverter* Sender, const TTerminateInfo& Info) {
        Form1->FFConverterTerminate(Sender, Info);
        finals += Info.TaskIndex == -1 ? 1 : 0;
    });
    const std::string out = Form1->FileOutPutPath;
    ASSERT_TRUE(std::filesystem::is_directory(out)) << out;

    // 万能视频, "MP4 - MPEG-4视频格式(*.mp4)".
    Form1->skSkinOfficeComboBox2->SetItemIndex(0);
    Form1->skSkinOfficeComboBox1->SetItemIndex(1);
    dialogs.files = {in + "/第一段.avi", in + "/clip two.mkv"};
    Form1->Button8->Click();
    ASSERT_EQ(Form1->JobCount(), 2) << (dialogs.messages.empty() ? "" : dialogs.messages[0]);
    Serve();

    Form1->btnStart->Click();
    EXPECT_TRUE(Form1->N8->GetEnabled());
    const bool ended = MainThread::WaitServing(
        [&] {
            Serve();
            return finals > 0;
        },
        120000);
    ASSERT_TRUE(ended);
    for (int i = 0; i < 20; ++i)
        Serve();

    EXPECT_TRUE(dialogs.messages.empty());
    for (const char* name : {"第一段.mp4", "clip two.mp4"}) {
        const std::string file = out + "/" + name;
        ASSERT_TRUE(std::filesystem::exists(file)) << file;
        EXPECT_EQ(ProbedStreams(file), "video,audio") << file;
    }
    for (int row = 0; row < Form1->JobCount(); ++row)
        EXPECT_EQ(Form1->JobText(row, jcProgress), "100%");
    // The Ended phase: clear and start on, the rows, stop, pause and resume off.
    EXPECT_TRUE(Form1->N14->GetEnabled());
    EXPECT_TRUE(Form1->N7->GetEnabled());
    EXPECT_FALSE(Form1->N13->GetEnabled());
    EXPECT_FALSE(Form1->N8->GetEnabled());
    EXPECT_FALSE(Form1->N10->GetEnabled());
    EXPECT_FALSE(Form1->N11->GetEnabled());
    EXPECT_TRUE(Form1->Item111->GetEnabled());
    EXPECT_EQ(opened, std::vector<std::string>{out});

    Shoot("jobs_converted.png");

    // The rename editor lies over the selected row's output name.
    Form1->skSkinButton21->ButtonClick();
    for (int i = 0; i < 20; ++i)
        Serve();
    EXPECT_TRUE(Form1->edt->GetVisible());
    Shoot("jobs_rename.png");
}
