#include "app/secondary/SecondaryHandlers.h"

#include "app/presets/ParameterValues.h"
#include "app/secondary/SecondaryCatalogue.h"
#include "app/secondary/SecondaryEncoderRows.h"
#include "app/secondary/SecondaryPresets.h"

#include <utility>

TSecondaryHandlers::TSecondaryHandlers(TSecondaryView& view, TSecondaryHost& host, TFileExists exists)
    : FView(view), FHost(host), FExists(std::move(exists))
{
}

void TSecondaryHandlers::FormCreate() { Button2Click(); }

void TSecondaryHandlers::skSkinOfficeComboBox2Change() { Button2Click(); }

void TSecondaryHandlers::skSkinOfficeComboBox1Click() { Button18Click(); }

void TSecondaryHandlers::skSkinButton2Click()
{
    Button5Click();
    Button13Click();
    FView.Close();
}

void TSecondaryHandlers::skSkinButton3Click() { FView.Close(); }

int TSecondaryHandlers::CurrentKey() const
{
    return SelectionCode(FView.CategoryIndex(), FView.FormatBox().GetItemIndex());
}

void TSecondaryHandlers::Button2Click()
{
    TFormatBox& box = FView.FormatBox();
    box.ClearItems();
    box.Refresh();
    auto formats = SecondaryFormatsOfCategory(FView.CategoryIndex());
    if (!formats.empty()) {
        for (const TSecondaryFormat* format : formats)
            box.AddItem(std::string(format->Title), std::string(format->Caption), format->ImageIndex);
        box.Refresh();
    }
    box.SetItemIndex(0);
}

void TSecondaryHandlers::Button18Click()
{
    int key = CurrentKey();
    FHost.All_Trant_Number() = key;
    FHost.ScratchFields().Video_DisableVideo = false;
    const TSecondaryPreset* preset = FindSecondaryPreset(key);
    ApplyPresetChoices(FView.ParameterBoxes(), preset ? &preset->Choices : nullptr, preset && preset->AudioOnly,
                       FindSecondaryList);
}

void TSecondaryHandlers::Button5Click()
{
    int key = CurrentKey();
    FHost.All_Trant_Number() = key;
    TScratchFields& fields = FHost.ScratchFields();
    fields.Video_DisableVideo = false;
    std::string folder = FHost.OutputFolderText();
    if (const TEncoderRow* row = FindEncoderRow(key)) {
        fields.Video_OutPutFileName = OutputFileName(folder, fields.Video_AddFileName, std::string(row->Extension));
        ApplyEncoderRow(*row, fields, FHost.Video_CopyTimestamp());
    }
    fields.Video_OutPutFileName =
        UniqueOutputFileName(fields.Video_OutPutFileName, folder, FHost.OverwriteOutput(), FExists);
}

void TSecondaryHandlers::Button13Click()
{
    TParameterTexts texts;
    for (int kind = 0; kind < ParameterKindCount; ++kind)
        texts[static_cast<std::size_t>(kind)] = FView.ParameterText(static_cast<TParameterKind>(kind));
    ApplyParameterTexts(FHost.ScratchFields(), texts);
}

void TSecondaryHandlers::Button6Click()
{
    TScratchFields& fields = FHost.ScratchFields();
    fields.Video_OutPutFileName.clear();
    fields.Video_FileExt.clear();
    fields.Video_AudioChannels.clear();
    fields.Video_AudioSampleRate.clear();
    fields.Video_FrameSize.clear();
    fields.Video_FrameRate.clear();
    fields.Video_NormType.clear();
    fields.Video_VideoFilters.clear();
    fields.Video_AudioVolume = "256";
    fields.Video_FrameAspectRatio.clear();
    fields.Video_VideoCodec.clear();
    fields.Video_AudioCodec.clear();
    FHost.Video_CopyTimestamp().clear();
    fields.Video_FileFormat.clear();
    fields.Video_TargetType.clear();
    fields.Video_VideoTag.clear();
    fields.Video_VideoBitrate = -1;
    fields.Video_AudioBitrate = -1;
    FHost.Video_TimeStart() = -1;
    FHost.Video_TimeLength() = -1;
    fields.Video_DisableVideo = false;
}
