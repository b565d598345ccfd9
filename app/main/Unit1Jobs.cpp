// The job list: its rows and option slots, removing, clearing, moving and renaming rows.

#include "app/main/Unit1Jobs.h"

#include "app/presets/ParameterValues.h"
#include "classlib/ComCtrls.h"
#include "classlib/CustomEdit.h"
#include "classlib/Memo.h"
#include "classlib/Menus.h"
#include "classlib/StdCtrls.h"
#include "classlib/SysUtils.h"
#include "engine/FFPlay.h"
#include "engine/FFmpegConverter.h"
#include "platform/window/User.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/form/skSkinSlider.h"
#include "skin/form/skSkinViews.h"
#include "skin/input/skSkinEdits.h"
#include "skin/input/skSkinOfficeCtrls.h"

#include <memory>

namespace jobs {

TNotifyEvent Handler(TForm1* Form, void (TForm1::*Method)(TObject*))
{
    return [Form, Method](TObject* Sender) { (Form->*Method)(Sender); };
}

void Focus(TForm1& Form, TWinControl* Control)
{
    if (Form.GetVisible() && Control->CanFocus())
        Control->SetFocus();
}

void FocusJobList(TForm1& Form)
{
    Focus(Form, Form.lvFiles);
}

void SelectRow(TForm1& Form, int Row)
{
    TListItem* item = Form.lvFiles->Items()->Item(Row);
    Form.lvFiles->SetSelected(item);
    item->MakeVisible();
}

void AppendJobRow(TForm1& Form, const TJobRow& Row)
{
    TListItem* item = Form.lvFiles->Items()->Add();
    item->SetCaption(Row.Caption);
    for (const std::string& text : Row.SubItems)
        item->SubItems()->Add(text);
}

void Log(TForm1& Form, const std::string& Text)
{
    // A probe's text comes as lines ended by CR LF: one memo line each.
    for (std::size_t start = 0;;) {
        const std::size_t end = Text.find('\n', start);
        std::string line = Text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (end == std::string::npos) {
            if (!line.empty() || start == 0)
                Form.mmoLog->Lines()->Add(line);
            return;
        }
        Form.mmoLog->Lines()->Add(line);
        start = end + 1;
    }
}

void CloseRenameEditor(TForm1& Form)
{
    Form.FJobs->RenameRow = -1;
    Form.edt->SetVisible(false);
}

void ForgetTaskNumbers(TForm1& Form)
{
    for (int row = 0; row < Form.JobCount(); ++row)
        Form.SetJobText(row, jcTaskNumber, "");
}

TBatchInputs BatchInputs(TForm1& Form, const std::string& Extra)
{
    std::vector<std::string> files;
    for (int row = 0; row < Form.JobCount(); ++row)
        files.push_back(Form.lvFiles->Items()->Item(row)->GetCaption());
    if (!Extra.empty())
        files.push_back(Extra);
    return TBatchInputs(files);
}

std::string OutputBaseName(TForm1& Form, int Row)
{
    const std::string& base = Form.FJobs->Slots.BaseName(Row);
    return base.empty() ? Form.JobText(Row, jcOutputName) : base;
}

char32_t SizeSeparator()
{
    return UserDecimalSeparator();
}

}  // namespace jobs

namespace {

// Exchanges the texts of two rows.
void ExchangeRows(TForm1& Form, int Row1, int Row2)
{
    TListItem* a = Form.lvFiles->Items()->Item(Row1);
    TListItem* b = Form.lvFiles->Items()->Item(Row2);
    const std::string caption = a->GetCaption();
    a->SetCaption(b->GetCaption());
    b->SetCaption(caption);
    for (int column = 0; column < JobRowSubItems; ++column) {
        const std::string text = Form.JobText(Row1, column);
        Form.SetJobText(Row1, column, Form.JobText(Row2, column));
        Form.SetJobText(Row2, column, text);
    }
}

// Moves the selected row by one place up (-1) or down (+1), its slot with it. Rows stay where
// they are while a batch runs, since its events name rows by their task.
void MoveSelectedJob(TForm1& Form, int Step)
{
    const int row = Form.SelectedJob();
    const int target = row + Step;
    if (Form.FJobs->BatchRunning || row < 0 || target < 0 || target >= Form.JobCount())
        return;
    ExchangeRows(Form, row, target);
    Form.FJobs->Slots.Exchange(row, target);
    jobs::SelectRow(Form, target);
    jobs::FocusJobList(Form);
}

// Places the rename editor over the selected row's output name and gives it the name's base.
void OpenRenameEditor(TForm1& Form, bool QuietWithoutRow)
{
    const int row = Form.SelectedJob();
    if (row < 0) {
        if (!QuietWithoutRow)
            Form.Dialogs().ShowMessage("请先选中您需要重命名的项目！", "提示");
        return;
    }
    // The editor covers the row's output name cell: the header's section of that column (it
    // follows a horizontal scroll) at the row's height.
    RECT cell{};
    SendMessage(Form.lvFiles->HeaderHandle(), HDM_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&cell));
    MapWindowPoints(Form.lvFiles->HeaderHandle(), Form.GetHandle(), reinterpret_cast<POINT*>(&cell), 2);
    const POINT origin = Form.ScreenToClient(Form.lvFiles->ClientToScreen(POINT{0, 0}));
    const RECT bounds = Form.lvFiles->Items()->Item(row)->DisplayRect(LVIR_BOUNDS);
    Form.edt->SetBounds(cell.left, origin.y + bounds.top, cell.right - cell.left, Form.edt->GetHeight());
    Form.edt->SetText(WithoutExtension(Form.JobText(row, jcOutputName)));
    Form.FJobs->RenameRow = row;
    Form.edt->SetVisible(true);
    Form.edt->BringToFront();
    jobs::Focus(Form, Form.edt);
}

}  // namespace

void TForm1::BindJobHandlers()
{
    FJobs = std::make_shared<TJobState>(*this);
    Button15->OnClick = jobs::Handler(this, &TForm1::Button15Click);
    btnRemove->OnClick = jobs::Handler(this, &TForm1::btnRemoveClick);
    btnClear->OnClick = jobs::Handler(this, &TForm1::btnClearClick);
    skSkinButton3->OnClick = jobs::Handler(this, &TForm1::skSkinButton3Click);
    N111->OnClick = jobs::Handler(this, &TForm1::skSkinButton3Click);
    skSkinButton4->OnClick = jobs::Handler(this, &TForm1::skSkinButton4Click);
    N2221->OnClick = jobs::Handler(this, &TForm1::skSkinButton4Click);
    skSkinButton21->OnClick = jobs::Handler(this, &TForm1::skSkinButton21Click);
    N26->OnClick = jobs::Handler(this, &TForm1::N26Click);
    lvFiles->OnDblClick = jobs::Handler(this, &TForm1::lvFilesDblClick);
    lvFiles->OnClick = jobs::Handler(this, &TForm1::lvFilesClick);
    edt->OnExit = jobs::Handler(this, &TForm1::edtExit);
    edt->OnKeyDown = [this](TObject* Sender, WORD& Key, TShiftState Shift) { edtKeyDown(Sender, Key, Shift); };
    jobs::BindAddHandlers(*this);
    jobs::BindConvertHandlers(*this);
    jobs::BindSelectHandlers(*this);
}

int TForm1::JobCount() const
{
    return lvFiles->Items()->Count();
}

int TForm1::SelectedJob() const
{
    const TListItem* item = lvFiles->GetSelected();
    return item ? item->GetIndex() : -1;
}

std::string TForm1::JobText(int Row, int Column) const
{
    TStrings* texts = lvFiles->Items()->Item(Row)->SubItems();
    return Column < texts->Count() ? texts->Strings(Column) : std::string();
}

void TForm1::SetJobText(int Row, int Column, const std::string& Text)
{
    TStrings* texts = lvFiles->Items()->Item(Row)->SubItems();
    while (texts->Count() <= Column)
        texts->Add("");
    texts->Put(Column, Text);
}

TOptionSlots& TForm1::JobSlots()
{
    return FJobs->Slots;
}

void TForm1::Button15Click(TObject*)
{
    FJobs->Slots.FreeAll();
}

void TForm1::btnRemoveClick(TObject*)
{
    const int row = SelectedJob();
    if (row < 0) {
        Dialogs().ShowMessage("请先选择您需要删除的项目！", "提示");
        return;
    }
    jobs::CloseRenameEditor(*this);
    const int count = JobCount();
    // Only a row added since the converter last gave up its tasks names one.
    const int task = StrToIntDef(JobText(row, jcTaskNumber), 0);
    if (task >= 1 && task <= FFConverter->TasksCount())
        FFConverter->RemoveTask(task - 1);
    lvFiles->Items()->Delete(row);
    FJobs->Slots.Remove(row, count);
    if (task >= 1) {
        for (int other = 0; other < JobCount(); ++other) {
            const int number = StrToIntDef(JobText(other, jcTaskNumber), 0);
            if (number > task)
                SetJobText(other, jcTaskNumber, std::to_string(number - 1));
        }
    }
    const bool rowsLeft = JobCount() > 0;
    SetGroupEnabled(TControlGroup::Row, rowsLeft);
    SetGroupEnabled(TControlGroup::Clear, rowsLeft);
    SetGroupEnabled(TControlGroup::Start, rowsLeft);
    if (rowsLeft) {
        jobs::SelectRow(*this, 0);
        jobs::FocusJobList(*this);
    } else {
        skSkinPanel5->SetVisible(true);
        FFPlayer->Stop(true);
        skSkinSlider1->SetValue(0);
    }
}

void TForm1::btnClearClick(TObject*)
{
    FFConverter->ClearTasks();
    jobs::CloseRenameEditor(*this);
    lvFiles->Items()->Clear();
    SetGroupEnabled(TControlGroup::Add, true);
    SetGroupEnabled(TControlGroup::Row, false);
    SetGroupEnabled(TControlGroup::Clear, false);
    SetGroupEnabled(TControlGroup::Start, false);
    Button15->Click();
    skSkinPanel5->SetVisible(true);
    FFPlayer->Stop(true);
    skSkinSlider1->SetValue(0);
}

void TForm1::skSkinButton3Click(TObject*)
{
    MoveSelectedJob(*this, -1);
}

void TForm1::skSkinButton4Click(TObject*)
{
    MoveSelectedJob(*this, 1);
}

void TForm1::skSkinButton21Click(TObject*)
{
    OpenRenameEditor(*this, false);
}

void TForm1::N26Click(TObject*)
{
    OpenRenameEditor(*this, false);
}

void TForm1::lvFilesDblClick(TObject*)
{
    // Not while a batch runs, as the rename button: the column would show a name that the running
    // task does not write.
    if (!FJobs->BatchRunning)
        OpenRenameEditor(*this, true);
}

void TForm1::lvFilesClick(TObject*)
{
    if (SelectedJob() < 0)
        FFPlayer->Stop(true);
}

// Enter (also the keypad's) applies the name as leaving the editor does, the list taking the focus
// back once the editor closed; Escape closes the editor and keeps the row's name.
void TForm1::edtKeyDown(TObject*, WORD& Key, TShiftState)
{
    if (Key != VK_RETURN && Key != VK_ESCAPE)
        return;
    if (Key == VK_RETURN)
        edtExit(edt);
    else
        jobs::CloseRenameEditor(*this);
    Key = 0;
    if (!edt->GetVisible())
        jobs::FocusJobList(*this);
}

void TForm1::edtExit(TObject*)
{
    if (!edt->GetVisible())
        return;
    // The text belongs to the row the editor was opened on, whichever row is selected now.
    const int row = FJobs->RenameRow;
    if (row < 0 || row >= JobCount()) {
        jobs::CloseRenameEditor(*this);
        return;
    }
    const std::string base = edt->GetText();
    // An empty name keeps the editor open; a name reaching out of the output folder is refused
    // with a word, the editor keeping it for correction.
    if (base.empty())
        return;
    if (base.find('/') != std::string::npos) {
        Dialogs().ShowMessage(SlashInNameText, "提示");
        return;
    }
    const int format = skSkinOfficeComboBox1->GetItemIndex();
    const std::string title =
        format >= 0 && format < skSkinOfficeComboBox1->Items()->Count()
            ? skSkinOfficeComboBox1->Items()->Items(format)->GetTitle()
            : std::string();
    SetJobText(row, jcOutputName, base + ExtensionFromTitle(title));
    FJobs->Slots.SetBaseName(row, JobText(row, jcOutputName));
    jobs::CloseRenameEditor(*this);
    FJobs->Slots.Output(row).FileName = Video_OutPut_Folder_Edit->GetText() + "/" + JobText(row, jcOutputName);
}
