// The output names of a batch: never an input of the batch, whichever path or link names it, and
// made afresh from the row's own name on every run.

#include "JobTestSupport.h"

#include "app/main/JobRow.h"
#include "classlib/ComCtrls.h"
#include "classlib/CustomEdit.h"
#include "classlib/Memo.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/form/skSkinViews.h"
#include "skin/input/skSkinEdits.h"
#include "skin/input/skSkinOfficeCtrls.h"

#include <filesystem>
#include <fstream>

using JobOutputs = JobListTest;

namespace {

void Touch(const std::string& Path)
{
    std::ofstream(Path) << "an output";
}

std::uintmax_t SizeOf(const std::string& Path)
{
    return std::filesystem::file_size(Path);
}

}  // namespace

TEST_F(JobOutputs, NoOutputIsWrittenOntoAnInputOfTheBatch)
{
    namespace fs = std::filesystem;
    enum class TLink { SamePath, HardLink, SymbolicLink };
    enum class TWhen { AtAdd, AtStart };
    const struct {
        TLink link;
        TWhen when;
        bool overwrite;
    } cases[] = {
        {TLink::SamePath, TWhen::AtAdd, true},      {TLink::SamePath, TWhen::AtAdd, false},
        {TLink::SamePath, TWhen::AtStart, true},    {TLink::SamePath, TWhen::AtStart, false},
        {TLink::HardLink, TWhen::AtAdd, true},      {TLink::HardLink, TWhen::AtAdd, false},
        {TLink::HardLink, TWhen::AtStart, true},    {TLink::HardLink, TWhen::AtStart, false},
        {TLink::SymbolicLink, TWhen::AtAdd, true},  {TLink::SymbolicLink, TWhen::AtAdd, false},
        {TLink::SymbolicLink, TWhen::AtStart, true}, {TLink::SymbolicLink, TWhen::AtStart, false},
    };
    int round = 0;
    for (const auto& c : cases) {
        const std::string trace = "case " + std::to_string(round);
        // Each case in folders of its own, with an empty list.
        const std::string in = dir.file("in" + std::to_string(round)), out = dir.file("out" + std::to_string(round));
        ++round;
        fs::create_directories(in);
        fs::create_directories(out);
        Form1->btnClear->Click();
        Form1->mmoLog->Lines()->Clear();
        Form5->skSkinCheckRadioBox3->SetChecked(c.overwrite);
        Form5->skSkinCheckRadioBox6->SetChecked(!c.overwrite);
        // The input is out/self.avi itself, or in/self.avi with a link to it as out/self.avi.
        const std::string input = (c.link == TLink::SamePath ? out : in) + "/self.avi";
        fs::copy_file(zdtest::fixture("sample.avi"), input);
        const std::uintmax_t size = SizeOf(input);
        const auto link = [&] {
            if (c.link == TLink::HardLink)
                fs::create_hard_link(input, out + "/self.avi");
            else if (c.link == TLink::SymbolicLink)
                fs::create_symlink(input, out + "/self.avi");
        };
        // At add the output folder already holds the input; at Start it comes to hold it.
        Form1->Video_OutPut_Folder_Edit->SetText(c.when == TWhen::AtAdd || c.link != TLink::SamePath ? out : in);
        if (c.when == TWhen::AtAdd)
            link();
        AddOne(input);
        ASSERT_EQ(Form1->JobCount(), 1) << trace;
        EXPECT_EQ(Form1->JobText(0, jcOutputName), c.when == TWhen::AtAdd ? "self_1.avi" : "self.avi") << trace;
        EXPECT_EQ(Form1->mmoLog->Lines()->Text().find("is an input file") != std::string::npos,
                  c.when == TWhen::AtAdd)
            << trace << Form1->mmoLog->Lines()->Text();
        if (c.when == TWhen::AtStart)
            link();
        Form1->FileOutPutPath = out;
        tasksBeforeStart = converter->tasks.size();
        Form1->btnStart->Click();
        EXPECT_EQ(Form1->JobText(0, jcOutputName), "self_1.avi") << trace;
        EXPECT_EQ(Form1->OO1[0].FileName, out + "/self_1.avi") << trace;
        EXPECT_NE(Form1->mmoLog->Lines()->Text().find("***Output " + out + "/self.avi is an input file; writing " +
                                                        out + "/self_1.avi instead."),
                  std::string::npos)
            << trace;
        for (ScriptedTask* task : BatchTasks())
            task->Release();
        ASSERT_TRUE(WaitForBatchEnd()) << trace;
        EXPECT_EQ(SizeOf(input), size) << trace;
    }
}

TEST_F(JobOutputs, EachRunNamesTheOutputFromTheRowsOwnName)
{
    AddOne(Media("in.avi"));
    // A run's outputs stay in the folder (the scripted runs write none: the test leaves them).
    const auto run = [&] {
        tasksBeforeStart = converter->tasks.size();
        Form1->btnStart->Click();
        const std::string name = Form1->JobText(0, jcOutputName);
        for (ScriptedTask* task : BatchTasks())
            task->Release();
        EXPECT_TRUE(WaitForBatchEnd());
        Touch(dir.file("out/" + name));
        return name;
    };
    EXPECT_EQ(run(), "in.avi");
    EXPECT_EQ(run(), "in_1.avi");
    EXPECT_EQ(run(), "in_2.avi");
    EXPECT_EQ(run(), "in_3.avi");

    // A renamed row starts from its new name; a format change keeps the name and takes the
    // format's extension.
    Form1->lvFiles->SetSelected(Form1->lvFiles->Items()->Item(0));
    Form1->skSkinButton21Click(nullptr);
    Form1->edt->SetText("mine");
    Form1->edtExit(nullptr);
    EXPECT_EQ(run(), "mine.avi");
    EXPECT_EQ(run(), "mine_1.avi");
    Form1->skSkinOfficeComboBox1->SetItemIndex(1);
    EXPECT_EQ(run(), "mine.mp4");
    EXPECT_EQ(run(), "mine_1.mp4");
}

namespace {

// The WAV file with a header that claims 255 channels of 16 bits: it opens, but no conversion
// can resample it.
void Claim255Channels(const std::string& Wav)
{
    std::fstream file(Wav, std::ios::binary | std::ios::in | std::ios::out);
    std::string header(44, '\0');
    file.read(header.data(), 44);
    ASSERT_EQ(header.substr(12, 4), "fmt ");
    const auto put = [&](std::size_t at, std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            header[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    put(22, 255, 2);
    put(28, 44100u * 255 * 2, 4);
    put(32, 255 * 2, 2);
    file.seekp(0);
    file.write(header.data(), 44);
}

}  // namespace

// Overwriting, an output is written beside the file at its name, which it replaces only when its
// task ends well: a failed task leaves the file byte for byte, and a stopped one leaves it too and
// keeps what it wrote under the next free name, which its row shows and the log tells.
TEST_F(JobOutputs, OverwritingReplacesAFileOnlyWhenItsTaskEndsWell)
{
    Form5->skSkinCheckRadioBox3->SetChecked(true);
    Form5->skSkinCheckRadioBox6->SetChecked(false);
    const std::string bad = Media("bad.wav", "sample.wav");
    Claim255Channels(bad);
    AddOne(Media("good.avi"));
    AddOne(bad);
    ASSERT_EQ(Column(jcOutputName), (std::vector<std::string>{"good.avi", "bad.avi"}));
    const std::string good = dir.file("out/good.avi"), badOut = dir.file("out/bad.avi");
    const std::string own = "the user's own file, converted earlier";
    std::ofstream(good) << own;
    std::ofstream(badOut) << own;

    converter->ConvertForReal = true;
    tasksBeforeStart = converter->tasks.size();
    Form1->btnStart->Click();
    ASSERT_TRUE(WaitForBatchEnd());
    EXPECT_EQ(Column(jcProgress), (std::vector<std::string>{"100%", FailedProgressText}));
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find("Can not resample 255 channels"), std::string::npos) << warnings[0];
    EXPECT_EQ(zdtest::contents(badOut), own);
    const std::string converted = zdtest::contents(good);
    EXPECT_EQ(converted.substr(0, 4), "RIFF");
    EXPECT_EQ(zdtest::namesIn(dir.file("out")), (std::set<std::string>{"bad.avi", "good.avi"}));

    converter->HoldAt = ScriptedTask::TRunPoint::PacketWritten;
    tasksBeforeStart = converter->tasks.size();
    Form1->btnStart->Click();
    ASSERT_TRUE(MainThread::WaitServing(BatchTasks().at(0)->reachedHold, 10000));
    Form1->btnStopClick(nullptr);
    ASSERT_TRUE(finalEvents > 1 || WaitForBatchEnd());
    EXPECT_EQ(zdtest::contents(good), converted);
    EXPECT_EQ(zdtest::contents(badOut), own);
    EXPECT_EQ(Column(jcOutputName), (std::vector<std::string>{"good_1.avi", "bad.avi"}));
    EXPECT_EQ(zdtest::namesIn(dir.file("out")), (std::set<std::string>{"bad.avi", "good.avi", "good_1.avi"}));
    EXPECT_NE(Form1->mmoLog->Lines()->Text().find("Stopped: " + good + " is left as it was; what was written is kept as " +
                                                   dir.file("out/good_1.avi")),
              std::string::npos)
        << Form1->mmoLog->Lines()->Text();
}
