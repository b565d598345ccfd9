// Running a batch: Start builds one task per row, Pause, Resume and Stop act on all of them, the
// converter's events fill the rows, and the end of the batch runs the chosen after-finish action.

#include "app/main/Unit1Jobs.h"

#include "app/main/DesktopOpen.h"
#include "app/main/JobFileSystem.h"
#include "app/main/Unit5.h"
#include "app/main/WarningBox.h"
#include "app/presets/OutputRecords.h"
#include "classlib/Menus.h"
#include "classlib/StdCtrls.h"
#include "classlib/SysUtils.h"
#include "engine/EngineUtils.h"
#include "engine/FFPlay.h"
#include "engine/FFmpegConverter.h"
#include "platform/kernel/Clock.h"
#include "platform/kernel/MainThread.h"
#include "platform/system/PowerOff.h"
#include "platform/system/SoundPlayer.h"
#include "platform/window/Styles.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/input/skSkinComboBox.h"
#include "skin/form/skSkinViews.h"
#include "skin/input/skSkinEdits.h"

#include <algorithm>

namespace {

// The worker priority the options dialog's boxes choose; with none ticked the previous one stays.
ThreadPriority ChosenPriority(ThreadPriority Previous)
{
    const std::pair<TskSkinCheckRadioBox*, ThreadPriority> boxes[] = {
        {Form5->skSkinCheckRadioBox9, ThreadPriority::Idle},
        {Form5->skSkinCheckRadioBox10, ThreadPriority::Lowest},
        {Form5->skSkinCheckRadioBox11, ThreadPriority::Lower},
        {Form5->skSkinCheckRadioBox12, ThreadPriority::Normal},
    };
    ThreadPriority priority = Previous;
    for (const auto& [box, value] : boxes)
        if (box->GetChecked())
            priority = value;
    return priority;
}

// Tasks at once: the dialog's count in multi-thread mode (1 for a text that is no count), else 1.
int ChosenThreadCount()
{
    if (!Form5->skSkinCheckRadioBox7->GetChecked())
        return 1;
    return std::max(1, StrToIntDef(Form5->skSkinComboBox2->GetText(), 1));
}

// Waits on the clock in force while the main thread's queued calls (the converter's end events
// among them) are served.
void WaitServingMainThread(std::uint64_t Milliseconds)
{
    const std::uint64_t end = GetTickCount64() + Milliseconds;
    for (std::uint64_t now = GetTickCount64(); now < end; now = GetTickCount64()) {
        MainThread::ServePending();
        GetClock().WaitUntil(std::min(end, now + 10));
    }
    MainThread::ServePending();
}

void ShowFailure(const std::string& Message)
{
    ShowWarningBox(Message, Application->GetTitle());
}

}  // namespace

void jobs::BindConvertHandlers(TForm1& Form)
{
    Form.btnStart->OnClick = Handler(&Form, &TForm1::btnStartClick);
    Form.button28->OnClick = Handler(&Form, &TForm1::button28Click);
    Form.Button22->OnClick = Handler(&Form, &TForm1::Button22Click);
    Form.Button23->OnClick = Handler(&Form, &TForm1::Button23Click);
    Form.btnPause->OnClick = Handler(&Form, &TForm1::btnPauseClick);
    Form.btnResume->OnClick = Handler(&Form, &TForm1::btnResumeClick);
    Form.btnStop->OnClick = Handler(&Form, &TForm1::btnStopClick);
    Form.Button20->OnClick = Handler(&Form, &TForm1::Button20Click);
    Form.Button25->OnClick = Handler(&Form, &TForm1::Button25Click);
    Form.Button29->OnClick = Handler(&Form, &TForm1::Button29Click);
    Form.FFConverter->SetOnProgress(
        [&Form](TCustomFFmpegConverter* Sender, PProgressInfo Info) { Form.FFConverterProgress(Sender, Info); });
    Form.FFConverter->SetOnTerminate([&Form](TCustomFFmpegConverter* Sender, const TTerminateInfo& Info) {
        Form.FFConverterTerminate(Sender, Info);
    });
}

void TForm1::btnStartClick(TObject*)
{
    jobs::CloseRenameEditor(*this);
    // One look at the folder before anything changes: a batch that cannot write starts nothing.
    if (const auto problem = OutputFolderProblem(FileOutPutPath)) {
        Dialogs().ShowMessage(*problem, "提示");
        return;
    }
    FFConverter->SetThreadPriority(ChosenPriority(FFConverter->GetThreadPriority()));
    FJobs->StopPressed = false;
    button28->Click();
    SetGroupEnabled(TControlGroup::Add, false);
    Button22->Click();
    SetGroupEnabled(TControlGroup::Row, false);
    SetGroupEnabled(TControlGroup::Clear, false);
    SetGroupEnabled(TControlGroup::Start, false);
    SetGroupEnabled(TControlGroup::Stop, chkThreadMode->GetChecked());
    SetGroupEnabled(TControlGroup::Pause, chkThreadMode->GetChecked());
    SetGroupEnabled(TControlGroup::Resume, false);
    // A batch that ended paused left "继续" in the shared place; every batch starts pausable.
    ShowPauseButton(true);
    SetGroupEnabled(TControlGroup::Move, false);
    FJobs->BatchRunning = true;
    FFConverter->Start(ChosenThreadCount());
    // Rows whose file no longer opens end as failed tasks do.
    const std::vector<std::pair<int, std::string>> failed = std::move(FJobs->FailedRows);
    FJobs->FailedRows.clear();
    for (const auto& [row, message] : failed) {
        SetJobText(row, jcProgress, FailedProgressText);
        ShowFailure(message);
    }
}

void TForm1::button28Click(TObject*)
{
    FFConverter->ClearTasks();
    FJobs->TaskRows.Clear();
    FJobs->FailedRows.clear();
    TBatchOutputNames names(FileOutPutPath, Form5->skSkinCheckRadioBox3->GetChecked(), jobs::BatchInputs(*this));
    for (int row = 0; row < JobCount(); ++row) {
        TInputOptions& input = FJobs->Slots.Input(row);
        TOutputOptions& output = FJobs->Slots.Output(row);
        InitInputOptions(input);
        input.FileName = lvFiles->Items()->Item(row)->GetCaption();
        TEncoderColumns columns;
        for (std::size_t i = 0; i < columns.size(); ++i)
            columns[i] = JobText(row, FirstEncoderColumn + static_cast<int>(i));
        DecodeEncoderColumns(columns, output);
        // A run starts each row afresh: no progress of an earlier run stays beside the new name.
        for (const int column : {jcProgress, jcFramesPerSecond, jcCurrentTime, jcOutputSize})
            SetJobText(row, column, "");
        // Each run names the output afresh from the row's own name, never from an earlier run's.
        const std::string base = jobs::OutputBaseName(*this, row);
        SetJobText(row, jcOutputName, names.Claim(base));
        if (names.IsInput(base))
            jobs::Log(*this, InputAvoidedLogLine(names.PathOf(base), names.PathOf(JobText(row, jcOutputName))));
        const int task = FFConverter->AddTask(input.FileName, &input);
        if (task < 0) {
            FJobs->FailedRows.emplace_back(row, FFConverter->LastErrMsg());
            continue;
        }
        if (!FFConverter->SetOutputFile(task, names.PathOf(JobText(row, jcOutputName)), &output)) {
            FJobs->FailedRows.emplace_back(row, FFConverter->LastErrMsg());
            FFConverter->RemoveTask(task);
            continue;
        }
        FJobs->TaskRows.Tie(task, row);
    }
}

void TForm1::Button22Click(TObject*)
{
    SetGroupEnabled(TControlGroup::Settings, false);
}

void TForm1::Button23Click(TObject*)
{
    SetGroupEnabled(TControlGroup::Settings, true);
}

void TForm1::btnPauseClick(TObject*)
{
    SetGroupEnabled(TControlGroup::Pause, false);
    SetGroupEnabled(TControlGroup::Resume, true);
    FFConverter->Pause();
}

void TForm1::btnResumeClick(TObject*)
{
    SetGroupEnabled(TControlGroup::Pause, true);
    SetGroupEnabled(TControlGroup::Resume, false);
    FFConverter->Resume();
}

void TForm1::btnStopClick(TObject*)
{
    FJobs->StopPressed = true;
    SetGroupEnabled(TControlGroup::Stop, false);
    SetGroupEnabled(TControlGroup::Start, true);
    Button23->Click();
    Button24->Click();
    FFConverter->Stop(true);
    FFPlayer->Stop(true);
    WaitServingMainThread(1000);
    FFConverter->ClearTasks();
    jobs::ForgetTaskNumbers(*this);
    SetGroupEnabled(TControlGroup::Add, true);
    ShowPauseButton(true);
    SetGroupEnabled(TControlGroup::Resume, false);
}

void TForm1::FFConverterProgress(TCustomFFmpegConverter*, PProgressInfo AProgressInfo)
{
    const TProgressInfo& info = *AProgressInfo;
    const int row = FJobs->TaskRows.RowOf(info.TaskIndex);
    if (row < 0 || row >= JobCount())
        return;
    SetJobText(row, jcProgress, ProgressText(info.CurrentDuration, info.TotalDuration));
    if (info.FPS > 0)
        SetJobText(row, jcFramesPerSecond, std::to_string(info.FPS));
    SetJobText(row, jcCurrentTime, SecToDate(info.CurrentDuration / 1000000));
    SetJobText(row, jcOutputSize, MegabytesText(info.CurrentSize, jobs::SizeSeparator()));
}

void TForm1::FFConverterTerminate(TCustomFFmpegConverter*, const TTerminateInfo& ATerminateInfo)
{
    if (ATerminateInfo.TaskIndex == -1) {
        FJobs->BatchRunning = false;
        SetGroupEnabled(TControlGroup::Row, false);
        SetGroupEnabled(TControlGroup::Clear, true);
        SetGroupEnabled(TControlGroup::Stop, false);
        SetGroupEnabled(TControlGroup::Pause, false);
        SetGroupEnabled(TControlGroup::Resume, false);
        Button23->Click();
        Button24->Click();
        FFConverter->ClearTasks();
        FJobs->TaskRows.Clear();
        jobs::ForgetTaskNumbers(*this);
        SetGroupEnabled(TControlGroup::Add, true);
        SetGroupEnabled(TControlGroup::Start, true);
        SetGroupEnabled(TControlGroup::Move, true);
        ShowPauseButton(true);
        if (Form5->skSkinCheckRadioBox1->GetChecked())
            Button20->Click();
        // A batch the user stopped never powers the computer off.
        if (Form5->skSkinCheckRadioBox2->GetChecked() && !FJobs->StopPressed)
            Button25->Click();
        if (Form5->skSkinCheckRadioBox4->GetChecked())
            Button29->Click();
    } else if (const int row = FJobs->TaskRows.RowOf(ATerminateInfo.TaskIndex); row >= 0 && row < JobCount()) {
        // A broken-off task keeps its last progress; a failed one says so.
        if (ATerminateInfo.Exception)
            SetJobText(row, jcProgress, FailedProgressText);
        else if (ATerminateInfo.Finished)
            SetJobText(row, jcProgress, "100%");
        // A stopped task that left the file at its output's name alone names the file it wrote.
        if (!ATerminateInfo.KeptFileName.empty())
            SetJobText(row, jcOutputName, FileNamePart(ATerminateInfo.KeptFileName));
    }
    if (ATerminateInfo.Exception)
        ShowFailure(ATerminateInfo.ExceptionMsg);
}

void TForm1::Button20Click(TObject*)
{
    OpenOrTell(Dialogs(), Video_OutPut_Folder_Edit->GetText());
}

void TForm1::Button25Click(TObject*)
{
    std::string refusal;
    RequestPowerOff(refusal);
}

void TForm1::Button29Click(TObject*)
{
    const std::string sound = GetAppFolder() + "sounds/ring001.wav";
    if (GetJobFileSystem().FileExists(sound))
        PlaySoundAsync(sound);
}
