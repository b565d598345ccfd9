// The format catalogue in the category and format boxes, the six parameter boxes and what a
// change of them writes into the selected row, and the selection of a row, which brings its
// choice back into the boxes.

#include "app/main/Unit1Jobs.h"

#include "app/main/Unit5.h"
#include "app/presets/ParameterValues.h"
#include "app/secondary/SkinParameterBox.h"
#include "classlib/ComCtrls.h"
#include "classlib/CustomEdit.h"
#include "classlib/StdCtrls.h"
#include "classlib/SysUtils.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/form/skSkinSlider.h"
#include "skin/form/skSkinViews.h"
#include "skin/input/skSkinComboBox.h"
#include "skin/input/skSkinEdits.h"
#include "skin/input/skSkinOfficeCtrls.h"

namespace {

TskSkinComboBox* ParameterBox(TForm1& Form, TParameterKind Kind)
{
    switch (Kind) {
    case pkResolution:
        return Form.skSkinComboBox1;
    case pkVideoBitrate:
        return Form.skSkinComboBox2;
    case pkAudioBitrate:
        return Form.skSkinComboBox3;
    case pkScaling:
        return Form.skSkinComboBox4;
    case pkFrameRate:
        return Form.skSkinComboBox9;
    case pkSampleRate:
        break;
    }
    return Form.skSkinComboBox10;
}

constexpr TParameterKind CodeOrder[] = {pkResolution, pkVideoBitrate, pkAudioBitrate,
                                        pkScaling,    pkFrameRate,    pkSampleRate};

// A box's text into its scratch field; the field's text as the row shows it.
std::string TakeParameterValue(TScratchFields& Fields, TParameterKind Kind, const std::string& Text)
{
    switch (Kind) {
    case pkResolution:
        return Fields.Video_FrameSize = FrameSizeValue(Text);
    case pkVideoBitrate:
        Fields.Video_VideoBitrate = VideoBitrateValue(Text);
        return std::to_string(Fields.Video_VideoBitrate);
    case pkAudioBitrate:
        Fields.Video_AudioBitrate = AudioBitrateValue(Text);
        return std::to_string(Fields.Video_AudioBitrate);
    case pkScaling:
        return Fields.Video_FrameAspectRatio = FrameAspectRatioValue(Text, Fields.Video_FrameAspectRatio);
    case pkFrameRate:
        return Fields.Video_FrameRate = FrameRateValue(Text);
    case pkSampleRate:
        break;
    }
    return Fields.Video_AudioSampleRate = SampleRateValue(Text, false);
}

// A box's change with a row selected: its position into the row's ParameterCode, its value into
// the scratch field and the row.
void ParameterBoxChange(TForm1& Form, TParameterKind Kind)
{
    const int row = Form.SelectedJob();
    if (row < 0)
        return;
    TskSkinComboBox* box = ParameterBox(Form, Kind);
    Form.SetJobText(row, jcParameterCode,
                    ReplaceParameterPair(Form.JobText(row, jcParameterCode), Kind, box->GetItemIndex()));
    Form.SetJobText(row, ParameterColumn(Kind), TakeParameterValue(Form.Scratch, Kind, box->GetText()));
    jobs::FocusJobList(Form);
}

// The title of the format box's selected item, or empty.
std::string SelectedFormatTitle(TForm1& Form)
{
    TskSkinOfficeComboBox* box = Form.skSkinOfficeComboBox1;
    const int index = box->GetItemIndex();
    return index >= 0 && index < box->Items()->Count() ? box->Items()->Items(index)->GetTitle() : std::string();
}

}  // namespace

void jobs::BindSelectHandlers(TForm1& Form)
{
    // The category box's fixed items, the first one selected (the window is loading: no events).
    TskSkinOfficeItems* categories = Form.skSkinOfficeComboBox2->Items();
    categories->Clear();
    for (const TCategory& category : Categories()) {
        TskSkinOfficeItem* item = categories->Add();
        item->SetCaption(std::string(category.Caption));
        item->SetImageIndex(category.Code);
    }
    Form.skSkinOfficeComboBox2->SetItemIndex(0);
    Form.Button2->OnClick = Handler(&Form, &TForm1::Button2Click);
    Form.Button5->OnClick = Handler(&Form, &TForm1::Button5Click);
    Form.Button6->OnClick = Handler(&Form, &TForm1::Button6Click);
    Form.Button13->OnClick = Handler(&Form, &TForm1::Button13Click);
    Form.Button18->OnClick = Handler(&Form, &TForm1::Button18Click);
    Form.skSkinComboBox1->OnChange = Handler(&Form, &TForm1::skSkinComboBox1Change);
    Form.skSkinComboBox2->OnChange = Handler(&Form, &TForm1::skSkinComboBox2Change);
    Form.skSkinComboBox3->OnChange = Handler(&Form, &TForm1::skSkinComboBox3Change);
    Form.skSkinComboBox4->OnChange = Handler(&Form, &TForm1::skSkinComboBox4Change);
    Form.skSkinComboBox9->OnChange = Handler(&Form, &TForm1::skSkinComboBox9Change);
    Form.skSkinComboBox10->OnChange = Handler(&Form, &TForm1::skSkinComboBox10Change);
    Form.skSkinOfficeComboBox1->OnChange = Handler(&Form, &TForm1::skSkinOfficeComboBox1Change);
    Form.skSkinOfficeComboBox2->OnChange = Handler(&Form, &TForm1::skSkinOfficeComboBox2Change);
    Form.lvFiles->OnSelectItem = [&Form](TObject* Sender, TListItem* Item, bool Selected) {
        Form.lvFilesSelectItem(Sender, Item, Selected);
    };
}

void TForm1::Button2Click(TObject*)
{
    TskSkinOfficeItems* items = skSkinOfficeComboBox1->Items();
    items->Clear();
    skSkinOfficeComboBox1->Repaint();
    const int category = skSkinOfficeComboBox2->GetItemIndex();
    const auto code = CategoryCodeAt(category);
    for (const TFormatPreset* format : FormatsOfCategory(category)) {
        TskSkinOfficeItem* item = items->Add();
        item->SetTitle(std::string(format->Title));
        item->SetCaption(std::string(format->Caption));
        item->SetImageIndex(*code);
    }
    skSkinOfficeComboBox1->Repaint();
    if (items->Count() > 0)
        skSkinOfficeComboBox1->SetItemIndex(0);
}

void TForm1::Button5Click(TObject*)
{
    // The catalogue gives the name the output would have; the batch's rules make it one that
    // writes over no input and, unless overwriting is chosen, over no file.
    const std::string folder = Video_OutPut_Folder_Edit->GetText();
    const auto key = FillScratchFromCatalogue(Scratch, skSkinOfficeComboBox2->GetItemIndex(),
                                              skSkinOfficeComboBox1->GetItemIndex(), folder, true);
    if (key)
        All_Trant_Number = *key;
    if (!Scratch.Video_OutPutFileName.empty()) {
        FJobs->OutputBase = FileNamePart(Scratch.Video_OutPutFileName);
        TBatchOutputNames names(folder, Form5->skSkinCheckRadioBox3->GetChecked(),
                                jobs::BatchInputs(*this, Scratch.Video_AddFileName));
        Scratch.Video_OutPutFileName = names.PathOf(names.Claim(FJobs->OutputBase));
        if (FJobs->AddingFile && names.IsInput(FJobs->OutputBase))
            jobs::Log(*this, InputAvoidedLogLine(names.PathOf(FJobs->OutputBase), Scratch.Video_OutPutFileName));
    }
    const int row = SelectedJob();
    if (row < 0 || FJobs->AddingFile)
        return;
    const TEncoderColumns columns = EncoderColumns(Scratch);
    for (std::size_t i = 0; i < columns.size(); ++i)
        SetJobText(row, FirstEncoderColumn + static_cast<int>(i), columns[i]);
}

void TForm1::Button6Click(TObject*)
{
    ResetScratchFields(Scratch);
}

void TForm1::Button13Click(TObject*)
{
    TParameterTexts texts;
    for (TParameterKind kind : CodeOrder)
        texts[kind] = ParameterBox(*this, kind)->GetText();
    ApplyParameterTexts(Scratch, texts);
}

void TForm1::Button18Click(TObject*)
{
    std::array<TSkinComboParameterBox, ParameterKindCount> adapters = {
        TSkinComboParameterBox(skSkinComboBox1), TSkinComboParameterBox(skSkinComboBox2),
        TSkinComboParameterBox(skSkinComboBox3), TSkinComboParameterBox(skSkinComboBox4),
        TSkinComboParameterBox(skSkinComboBox9), TSkinComboParameterBox(skSkinComboBox10)};
    TParameterBoxes boxes{};
    for (TParameterKind kind : CodeOrder)
        boxes[kind] = &adapters[static_cast<std::size_t>(kind)];
    FillParameterBoxes(boxes, skSkinOfficeComboBox2->GetItemIndex(), skSkinOfficeComboBox1->GetItemIndex());
}

void TForm1::skSkinComboBox1Change(TObject*)
{
    ParameterBoxChange(*this, pkResolution);
}

void TForm1::skSkinComboBox2Change(TObject*)
{
    ParameterBoxChange(*this, pkVideoBitrate);
}

void TForm1::skSkinComboBox3Change(TObject*)
{
    ParameterBoxChange(*this, pkAudioBitrate);
}

void TForm1::skSkinComboBox4Change(TObject*)
{
    ParameterBoxChange(*this, pkScaling);
}

void TForm1::skSkinComboBox9Change(TObject*)
{
    ParameterBoxChange(*this, pkFrameRate);
}

void TForm1::skSkinComboBox10Change(TObject*)
{
    ParameterBoxChange(*this, pkSampleRate);
}

void TForm1::skSkinOfficeComboBox1Change(TObject*)
{
    Button18->Click();
    const std::string extension = ExtensionFromTitle(SelectedFormatTitle(*this));
    const int row = SelectedJob();
    if (row < 0)
        return;
    Button5->Click();
    Button13->Click();
    SetJobText(row, jcOutputName, ReplaceExtension(JobText(row, jcOutputName), extension));
    FJobs->Slots.SetBaseName(row, ReplaceExtension(jobs::OutputBaseName(*this, row), extension));
    SetJobText(row, jcSelectionCode,
               std::to_string(SelectionCode(skSkinOfficeComboBox2->GetItemIndex(), skSkinOfficeComboBox1->GetItemIndex())));
    jobs::FocusJobList(*this);
}

void TForm1::skSkinOfficeComboBox2Change(TObject*)
{
    Button2->Click();
}

void TForm1::lvFilesSelectItem(TObject*, TListItem*, bool)
{
    // The rename editor belongs to its row: another selection closes it untouched.
    if (edt->GetVisible() && SelectedJob() != FJobs->RenameRow)
        jobs::CloseRenameEditor(*this);
    // Works on the row selected now, whichever row the notice names; a row whose codes do not
    // read stops the restoring where it is, silently.
    try {
        const int row = SelectedJob();
        if (row < 0)
            return;
        const TSelection selection = DecodeSelectionCode(StrToInt(JobText(row, jcSelectionCode)));
        const TParameterPositions positions = DecodeParameterCode(JobText(row, jcParameterCode));
        const std::string input = lvFiles->Items()->Item(row)->GetCaption();
        skSkinOfficeComboBox2->SetItemIndex(selection.CategoryPosition);
        skSkinOfficeComboBox1->SetItemIndex(selection.FormatPosition);
        for (TParameterKind kind : CodeOrder)
            ParameterBox(*this, kind)->SetItemIndex(positions[kind]);
        skSkinSlider1->SetValue(0);
        T_Movie_PLayer_FileName = input;
        Button9->Click();
        Button31->Click();
    } catch (const std::exception&) {
    }
}
