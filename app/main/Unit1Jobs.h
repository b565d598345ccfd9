#pragma once
// What the main window's job handlers share: their state between calls and small helpers over
// the window's job list.

#include "app/main/AddReport.h"
#include "app/main/BatchOutputs.h"
#include "app/main/JobRow.h"
#include "app/main/OptionSlots.h"
#include "app/main/Unit1.h"

#include <string>
#include <utility>
#include <vector>

struct TForm1::TJobState {
    explicit TJobState(TForm1& Form) : Slots(Form.IO1, Form.OO1) {}
    TOptionSlots Slots;
    TTaskRowMap TaskRows;             // the batch's tasks and their rows
    std::vector<std::pair<int, std::string>> FailedRows;  // rows that got no task at Start, and why
    std::string OutputBase;           // the output name (no folder) Button5 last made unique
    bool AddingFile = false;          // an add's own catalogue step writes no row
    bool BatchRunning = false;        // from Start to the final end event
    bool StopPressed = false;         // the batch was stopped: no power-off at its end
    int RenameRow = -1;               // the row the open rename editor belongs to
};

namespace jobs {

// A click handler calling one of the window's methods.
TNotifyEvent Handler(TForm1* Form, void (TForm1::*Method)(TObject*));
void BindAddHandlers(TForm1& Form);
void BindConvertHandlers(TForm1& Form);
void BindSelectHandlers(TForm1& Form);

// Gives a control the focus when the window and the control can take it.
void Focus(TForm1& Form, TWinControl* Control);
void FocusJobList(TForm1& Form);
// Selects a row and scrolls the list just far enough to show it.
void SelectRow(TForm1& Form, int Row);
void AppendJobRow(TForm1& Form, const TJobRow& Row);
// Appends a line (or each line of a text, CR LF or LF ended) to the window's log memo.
void Log(TForm1& Form, const std::string& Text);
// Hides the rename editor without applying its text.
void CloseRenameEditor(TForm1& Form);
// The converter holds no tasks any more: no row names one.
void ForgetTaskNumbers(TForm1& Form);
// The input files of the rows, and Extra when not empty: no output may be written onto them.
TBatchInputs BatchInputs(TForm1& Form, const std::string& Extra = {});
// The name a row's output is made unique from: its slot's base name, else its output column.
std::string OutputBaseName(TForm1& Form, int Row);
// The decimal separator the list's sizes show.
char32_t SizeSeparator();

}  // namespace jobs
