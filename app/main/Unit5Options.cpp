// The options dialog's reading, writing, confirming and cancelling.

#include "app/main/OptionIni.h"
#include "app/main/Unit1.h"
#include "app/main/Unit5.h"

#include "classlib/StdCtrls.h"
#include "engine/FFmpegConverter.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/input/skSkinComboBox.h"

#include <vector>

namespace {

// A radio group of the dialog: each box with the value it stands for.
struct TRadioChoice {
    TskSkinCheckRadioBox* Box;
    const char* Value;
};

// Ticks the box standing for Value; anything else writes Default and ticks its box.
void ReadChoice(const char* Key, const std::vector<TRadioChoice>& Group, const char* Default)
{
    const std::string value = ReadOption("Options", Key);
    for (const TRadioChoice& c : Group)
        if (value == c.Value) {
            c.Box->SetChecked(true);
            return;
        }
    WriteOptionReported("Options", Key, Default);
    for (const TRadioChoice& c : Group)
        if (std::string(c.Value) == Default)
            c.Box->SetChecked(true);
}

// The value of the ticked box; a group without one writes nothing.
void WriteChoice(const char* Key, const std::vector<TRadioChoice>& Group)
{
    for (const TRadioChoice& c : Group)
        if (c.Box->GetChecked()) {
            WriteOption("Options", Key, c.Value);
            return;
        }
}

} // namespace

void TForm5::FormCreate(TObject*)
{
    Button1->Click();
}

void TForm5::Button1Click(TObject*)
{
    const std::vector<TRadioChoice> after{
        {skSkinCheckRadioBox1, "0"}, {skSkinCheckRadioBox2, "1"}, {skSkinCheckRadioBox4, "2"}, {skSkinCheckRadioBox5, "3"}};
    const std::vector<TRadioChoice> priority{{skSkinCheckRadioBox9, "0"},
                                             {skSkinCheckRadioBox10, "1"},
                                             {skSkinCheckRadioBox11, "2"},
                                             {skSkinCheckRadioBox12, "3"}};
    const std::vector<TRadioChoice> overwrite{{skSkinCheckRadioBox3, "0"}, {skSkinCheckRadioBox6, "1"}};
    if (!OptionIniExists()) {
        WriteOptionReported("Options", "Thread_Count", "0");
        WriteOptionReported("Options", "After_Done", "0");
        WriteOptionReported("Options", "Show_Preview", "0");
        WriteOptionReported("Options", "Thread_Priority", "3");
        WriteOptionReported("Options", "Overwrite_File", "1");
        skSkinComboBox2->SetItemIndex(0);
        skSkinCheckRadioBox1->SetChecked(true);
        skSkinCheckRadioBox12->SetChecked(true);
        skSkinCheckRadioBox6->SetChecked(true);
        skSkinCheckRadioBox8->SetChecked(false);
        return;
    }
    // A stored count of 1 to 19 comes back; "0" (never chosen) and anything else show "1".
    const std::string count = ReadOption("Options", "Thread_Count");
    const int index = skSkinComboBox2->Items()->IndexOf(count);
    skSkinComboBox2->SetItemIndex(index >= 0 ? index : 0);
    if (index < 0 && count != "0")
        WriteOptionReported("Options", "Thread_Count", "0");
    ReadChoice("After_Done", after, "0");
    ReadChoice("Thread_Priority", priority, "3");
    ReadChoice("Overwrite_File", overwrite, "1");
    const std::string preview = ReadOption("Options", "Show_Preview");
    if (preview != "0" && preview != "1")
        WriteOptionReported("Options", "Show_Preview", "0");
    skSkinCheckRadioBox8->SetChecked(preview == "1");
}

void TForm5::Button2Click(TObject*)
{
    if (skSkinCheckRadioBox7->GetChecked())
        WriteOption("Options", "Thread_Count", skSkinComboBox2->GetText());
    WriteChoice("After_Done", {{skSkinCheckRadioBox1, "0"},
                               {skSkinCheckRadioBox2, "1"},
                               {skSkinCheckRadioBox4, "2"},
                               {skSkinCheckRadioBox5, "3"}});
    WriteOption("Options", "Show_Preview", skSkinCheckRadioBox8->GetChecked() ? "1" : "0");
    WriteChoice("Thread_Priority", {{skSkinCheckRadioBox9, "0"},
                                    {skSkinCheckRadioBox10, "1"},
                                    {skSkinCheckRadioBox11, "2"},
                                    {skSkinCheckRadioBox12, "3"}});
    WriteChoice("Overwrite_File", {{skSkinCheckRadioBox3, "0"}, {skSkinCheckRadioBox6, "1"}});
}

void TForm5::skSkinButton6Click(TObject*)
{
    Button2->Click();
    SetModalResult(mrOk);
}

void TForm5::skSkinButton1Click(TObject*)
{
    SetModalResult(mrCancel);
}

void TForm5::skSkinCheckRadioBox8Click(TObject*)
{
    if (Form1 && Form1->FFConverter)
        Form1->FFConverter->SetPreview(skSkinCheckRadioBox8->GetChecked());
}

void TForm5::skSkinCheckRadioBox7Click(TObject*)
{
    skSkinComboBox2->SetEnabled(skSkinCheckRadioBox7->GetChecked());
}

int TForm5::ShowModal()
{
    // What the dialog shows now comes back when it is not confirmed.
    std::vector<std::pair<TskSkinCheckRadioBox*, bool>> ticks;
    for (TskSkinCheckRadioBox* b : {skSkinCheckRadioBox1, skSkinCheckRadioBox2, skSkinCheckRadioBox3,
                                    skSkinCheckRadioBox4, skSkinCheckRadioBox5, skSkinCheckRadioBox6,
                                    skSkinCheckRadioBox8, skSkinCheckRadioBox9, skSkinCheckRadioBox10,
                                    skSkinCheckRadioBox11, skSkinCheckRadioBox12})
        ticks.emplace_back(b, b->GetChecked());
    const int count = skSkinComboBox2->GetItemIndex();
    const int result = TForm::ShowModal();
    if (result != mrOk) {
        skSkinComboBox2->SetItemIndex(count);
        for (const auto& [box, ticked] : ticks)
            if (box->GetChecked() != ticked)
                box->SetChecked(ticked);
    }
    return result;
}
