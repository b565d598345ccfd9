// Adding files: one, several or every file of a folder; each file is probed, given a checked
// conversion task and its output settings, and becomes a row with its option slot.

#include "app/main/Unit1Jobs.h"

#include "app/main/JobFileSystem.h"
#include "app/presets/OutputRecords.h"
#include "app/presets/ParameterValues.h"
#include "classlib/ComCtrls.h"
#include "classlib/FileSystem.h"
#include "classlib/ListBox.h"
#include "classlib/Menus.h"
#include "classlib/StdCtrls.h"
#include "engine/EngineUtils.h"
#include "engine/FFmpegConverter.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/form/skSkinViews.h"
#include "skin/input/skSkinComboBox.h"
#include "skin/input/skSkinOfficeCtrls.h"

#include <algorithm>

namespace {

enum class TAddKind { OneFile, SeveralFiles, Folder };
enum class TAddOutcome { Added, Skipped, Stopped };

// The engine's libraries, loaded on the first add; a failure is logged.
bool EnsureEngineLoaded(TForm1& Form)
{
    if (Form.FFConverter->AVLibLoaded() || Form.FFConverter->LoadAVLib(GetAppFolder() + "LibAV"))
        return true;
    jobs::Log(Form, Form.FFConverter->LastErrMsg());
    return false;
}

void LogBlock(TForm1& Form, const std::string& Line)
{
    jobs::Log(Form, "");
    jobs::Log(Form, Line);
    jobs::Log(Form, "");
}

// The six boxes' positions, in the order of the ParameterCode.
TParameterPositions BoxPositions(TForm1& Form)
{
    TParameterPositions positions{};
    const std::array<TskSkinComboBox*, ParameterKindCount> boxes = {
        Form.skSkinComboBox1, Form.skSkinComboBox2, Form.skSkinComboBox3,
        Form.skSkinComboBox4, Form.skSkinComboBox9, Form.skSkinComboBox10};
    for (std::size_t kind = 0; kind < boxes.size(); ++kind)
        positions[kind] = boxes[kind]->GetItemIndex();
    return positions;
}

// One file: probe, task, output settings, then the row and its slot. A probe failure skips the
// file; a refused task or output stops the whole add.
TAddOutcome AddJobFile(TForm1& Form, const std::string& FileName, TAddReport& Report)
{
    TCustomFFmpegConverter& converter = *Form.FFConverter;
    TAVProbe& probe = *converter.AVProbe();
    if (!probe.LoadFile(FileName)) {
        LogBlock(Form, "***File load error: " + probe.LastErrMsg());
        Report.Lose(FileName, probe.LastErrMsg());
        return TAddOutcome::Skipped;
    }
    Form.Scratch.Video_AddFileName = FileName;
    TInputOptions input;
    InitInputOptions(input);
    const int task = converter.AddTask(FileName, &input);
    if (task < 0) {
        LogBlock(Form, "***File open error: " + converter.LastErrMsg());
        Report.Lose(FileName, converter.LastErrMsg());
        return TAddOutcome::Stopped;
    }
    input.FileName = FileName;
    jobs::Log(Form, "");
    if (TAVProbe* taskProbe = converter.GetTaskAVProbe(task, 0))
        jobs::Log(Form, taskProbe->FileInfoText());
    Form.T_Movie_PLayer_FileName = FileName;
    Form.Button9->Click();
    TOutputOptions output;
    InitOutputOptions(output);
    // The catalogue step of an add leaves the rows alone: the new row does not exist yet.
    Form.FJobs->AddingFile = true;
    try {
        Form.Button5->Click();
        Form.Button13->Click();
    } catch (...) {
        Form.FJobs->AddingFile = false;
        throw;
    }
    Form.FJobs->AddingFile = false;
    ApplyScratchToOutputOptions(Form.Scratch, output);
    if (!converter.SetOutputFile(task, Form.Scratch.Video_OutPutFileName, &output)) {
        converter.RemoveTask(task);
        LogBlock(Form, "***Cannot do convert, error: " + converter.LastErrMsg());
        Report.Lose(FileName, converter.LastErrMsg());
        return TAddOutcome::Stopped;
    }
    output.FileName = Form.Scratch.Video_OutPutFileName;
    Form.skSkinPanel5->SetVisible(false);
    TNewJobRow facts;
    facts.InputFileName = FileName;
    facts.Duration = probe.FileStreamInfo().Duration;
    facts.FileSize = probe.FileSize();
    facts.TaskIndex = task;
    facts.SelectionCode =
        SelectionCode(Form.skSkinOfficeComboBox2->GetItemIndex(), Form.skSkinOfficeComboBox1->GetItemIndex());
    facts.ParameterCode = ParameterCode(BoxPositions(Form));
    facts.Output = &output;
    jobs::AppendJobRow(Form, MakeJobRow(facts, jobs::SizeSeparator()));
    Form.SetGroupEnabled(TControlGroup::Row, true);
    Form.SetGroupEnabled(TControlGroup::Clear, true);
    Form.SetGroupEnabled(TControlGroup::Start, true);
    Form.JobSlots().Fill(Form.JobCount() - 1, input, output);
    Form.JobSlots().SetBaseName(Form.JobCount() - 1, Form.FJobs->OutputBase);
    LogBlock(Form, "***Can do convert.");
    return TAddOutcome::Added;
}

// Adds the files in the order given; at the end selects the last row and tells what was lost.
void AddJobFiles(TForm1& Form, const std::vector<std::string>& Files, TAddKind Kind, int RowsBefore)
{
    TAddReport report;
    bool stopped = false;
    bool full = false;
    bool added = false;
    for (std::size_t i = 0; i < Files.size() && !stopped; ++i) {
        const std::string& file = Files[i];
        if (Kind != TAddKind::OneFile && !GetJobFileSystem().FileExists(file)) {
            report.Lose(file, VanishedReason);
            report.LoseRest(Files, i + 1);
            stopped = true;
        } else if (Form.JobCount() >= JobSlotCount) {
            full = stopped = true;
        } else {
            const TAddOutcome outcome = AddJobFile(Form, file, report);
            added = added || outcome == TAddOutcome::Added;
            if (outcome == TAddOutcome::Stopped) {
                report.LoseRest(Files, i + 1);
                stopped = true;
            }
        }
    }
    const bool select = Kind == TAddKind::OneFile ? added : !stopped && Form.JobCount() > 0;
    if (select) {
        jobs::SelectRow(Form, Form.JobCount() - 1);
        jobs::FocusJobList(Form);
    }
    if (full)
        Form.Dialogs().ShowMessage(ListFullText, NoticeCaption);
    // A folder that yielded no media file says so, whatever its other files were.
    if (Kind == TAddKind::Folder && !stopped && Form.JobCount() <= RowsBefore)
        Form.Dialogs().ShowMessage(EmptyFolderText, NoticeCaption);
    else if (!report.Empty())
        Form.Dialogs().ShowMessage(report.Message(), NoticeCaption);
}

}  // namespace

void jobs::BindAddHandlers(TForm1& Form)
{
    Form.btnAdd->OnClick = Handler(&Form, &TForm1::btnAddClick);
    Form.Item111->OnClick = Handler(&Form, &TForm1::btnAddClick);
    Form.N11111->OnClick = Handler(&Form, &TForm1::btnAddClick);
    Form.Button8->OnClick = Handler(&Form, &TForm1::Button8Click);
    Form.Item121->OnClick = Handler(&Form, &TForm1::Button8Click);
    Form.Button12->OnClick = Handler(&Form, &TForm1::Button12Click);
}

void TForm1::btnAddClick(TObject*)
{
    Button6->Click();
    if (!EnsureEngineLoaded(*this))
        return;
    const std::vector<std::string> files = Dialogs().OpenFiles(OpenDialog1);
    if (files.empty() || !GetJobFileSystem().FileExists(files.front()))
        return;
    AddJobFiles(*this, {files.front()}, TAddKind::OneFile, JobCount());
}

void TForm1::Button8Click(TObject*)
{
    Button6->Click();
    if (!EnsureEngineLoaded(*this))
        return;
    std::vector<std::string> files = Dialogs().OpenFiles(OpenDialog2);
    if (files.empty() || !GetJobFileSystem().FileExists(files.front()))
        return;
    std::reverse(files.begin(), files.end());
    AddJobFiles(*this, files, TAddKind::SeveralFiles, JobCount());
}

void TForm1::Button12Click(TObject*)
{
    const int rowsBefore = JobCount();
    Button6->Click();
    if (!EnsureEngineLoaded(*this) || !Dialogs().SelectFolder(skSkinSelectDirectoryDialog1))
        return;
    const std::string folder = skSkinSelectDirectoryDialog1.Directory;
    if (folder.empty() || !GetJobFileSystem().FolderExists(folder))
        return;
    TStrings* list = ListBox1->Items();
    list->Clear();
    for (const std::string& file : GetFilenames(folder, "*.*"))
        list->Add(file);
    std::vector<std::string> files;
    for (int i = list->Count() - 1; i >= 0; --i)
        files.push_back(list->Strings(i));
    AddJobFiles(*this, files, TAddKind::Folder, rowsBefore);
}

std::vector<std::string> TForm1::GetFilenames(const std::string& FilePath, const std::string& ExtMask)
{
    std::vector<std::string> files;
    if (!GetJobFileSystem().FolderExists(FilePath))
        return files;
    const std::string folder = FilePath.ends_with('/') ? FilePath : FilePath + "/";
    // Only regular files: a pipe or a device would block the probe.
    for (const TSearchRec& entry : FindFiles(folder, ExtMask, faAnyFile))
        if (entry.Attr & faArchive)
            files.push_back(folder + entry.Name);
    return files;
}
