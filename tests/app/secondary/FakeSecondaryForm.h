#pragma once
// The secondary form's handlers over fakes: a format box that raises OnClick and OnChange on every
// selection, six parameter boxes with the combo box's rules, and a main window whose fields are
// one record, counting what the form reads of it.

#include "app/secondary/SecondaryHandlers.h"
#include "tests/app/presets/FakeParameterBox.h"

#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

struct FakeFormatItem {
    std::string Title;
    std::string Caption;
    int ImageIndex;
    bool operator==(const FakeFormatItem&) const = default;
};

class FakeFormatBox : public TFormatBox {
public:
    void ClearItems() override { Items.clear(); }
    void AddItem(const std::string& title, const std::string& caption, int imageIndex) override
    {
        Items.push_back({title, caption, imageIndex});
    }
    void Refresh() override {}
    int GetItemIndex() const override { return Index; }
    void SetItemIndex(int index) override
    {
        Index = index >= 0 && index < static_cast<int>(Items.size()) ? index : -1;
        if (OnClick)
            OnClick();
        if (OnChange)
            OnChange();
    }

    std::vector<FakeFormatItem> Items{{"dfdfs", "fddf", 0}};   // the stored placeholder
    int Index = 0;
    std::function<void()> OnClick;
    std::function<void()> OnChange;
};

class FakeSecondaryView : public TSecondaryView {
public:
    int CategoryIndex() const override { return Category; }
    TFormatBox& FormatBox() override { return Formats; }
    TParameterBoxes ParameterBoxes() override { return Boxes; }
    std::string ParameterText(TParameterKind kind) const override { return Box(kind).Text; }
    void Close() override { ++Closes; }

    const FakeParameterBox& Box(TParameterKind kind) const
    {
        return *static_cast<const FakeParameterBox*>(Boxes[kind]);
    }
    FakeParameterBox& Box(TParameterKind kind) { return *static_cast<FakeParameterBox*>(Boxes[kind]); }

    int Category = 0;
    FakeFormatBox Formats;
    std::vector<std::string> Log;
    FakeParameterBox Box1{"1", Log}, Box2{"2", Log}, Box3{"3", Log}, Box4{"4", Log}, Box9{"9", Log}, Box10{"10", Log};
    TParameterBoxes Boxes{&Box1, &Box2, &Box3, &Box4, &Box9, &Box10};
    int Closes = 0;
};

// Every main-window field the form may write.
struct MainWindowFields {
    int All_Trant_Number = 100;
    TScratchFields Scratch;
    std::string Video_CopyTimestamp;
    int Video_TimeStart = -1;
    int Video_TimeLength = -1;
};

// Every field as text, by its name without "Video_".
using TFieldTexts = std::map<std::string, std::string>;
inline TFieldTexts Describe(const MainWindowFields& f)
{
    const TScratchFields& s = f.Scratch;
    return {{"All_Trant_Number", std::to_string(f.All_Trant_Number)},
            {"OutPutFileName", s.Video_OutPutFileName},
            {"AddFileName", s.Video_AddFileName},
            {"FileExt", s.Video_FileExt},
            {"VideoCodec", s.Video_VideoCodec},
            {"VideoTag", s.Video_VideoTag},
            {"FrameRate", s.Video_FrameRate},
            {"FrameSize", s.Video_FrameSize},
            {"FrameAspectRatio", s.Video_FrameAspectRatio},
            {"VideoBitrate", std::to_string(s.Video_VideoBitrate)},
            {"VideoFilters", s.Video_VideoFilters},
            {"AudioCodec", s.Video_AudioCodec},
            {"AudioChannels", s.Video_AudioChannels},
            {"AudioSampleRate", s.Video_AudioSampleRate},
            {"AudioVolume", s.Video_AudioVolume},
            {"AudioBitrate", std::to_string(s.Video_AudioBitrate)},
            {"NormType", s.Video_NormType},
            {"CopyTimestamp", f.Video_CopyTimestamp},
            {"FileFormat", s.Video_FileFormat},
            {"TargetType", s.Video_TargetType},
            {"DisableVideo", s.Video_DisableVideo ? "True" : "False"},
            {"TimeStart", std::to_string(f.Video_TimeStart)},
            {"TimeLength", std::to_string(f.Video_TimeLength)}};
}

// The texts of fields with some of them changed.
inline TFieldTexts With(TFieldTexts texts, const TFieldTexts& changes)
{
    for (const auto& [field, value] : changes)
        texts.at(field) = value;
    return texts;
}

// Every field set to a value the form never writes; the input is /media/in/clip.wmv.
inline MainWindowFields Untouched()
{
    MainWindowFields f;
    TScratchFields& s = f.Scratch;
    for (std::string* text : {&s.Video_OutPutFileName, &s.Video_FileExt, &s.Video_VideoCodec, &s.Video_AudioCodec,
                              &s.Video_VideoTag, &s.Video_TargetType, &s.Video_NormType, &s.Video_FrameSize,
                              &s.Video_FrameRate, &s.Video_AudioSampleRate, &s.Video_AudioChannels,
                              &s.Video_FrameAspectRatio, &s.Video_AudioVolume, &s.Video_VideoFilters,
                              &s.Video_FileFormat, &f.Video_CopyTimestamp})
        *text = "old";
    s.Video_AddFileName = "/media/in/clip.wmv";
    s.Video_VideoBitrate = s.Video_AudioBitrate = 7;
    s.Video_DisableVideo = true;
    f.All_Trant_Number = 555;
    f.Video_TimeStart = 11;
    f.Video_TimeLength = 12;
    return f;
}

class FakeSecondaryHost : public TSecondaryHost {
public:
    int& All_Trant_Number() override { return Fields.All_Trant_Number; }
    TScratchFields& ScratchFields() override { return Fields.Scratch; }
    std::string& Video_CopyTimestamp() override { return Fields.Video_CopyTimestamp; }
    int& Video_TimeStart() override { return Fields.Video_TimeStart; }
    int& Video_TimeLength() override { return Fields.Video_TimeLength; }
    std::string OutputFolderText() override
    {
        ++FolderReads;
        return Folder;
    }
    bool OverwriteOutput() override
    {
        ++OverwriteReads;
        return Overwrite;
    }
    TskSkinData* SkinData() override { return nullptr; }

    MainWindowFields Fields;
    std::string Folder = "/out";
    bool Overwrite = false;
    int FolderReads = 0;
    int OverwriteReads = 0;
};

// The form created as the program does: the boxes' events bound after loading, then OnCreate.
struct FakeSecondaryForm {
    // The main window's fields as its own creation left them.
    explicit FakeSecondaryForm(MainWindowFields mainWindow = {})
    {
        Host.Fields = std::move(mainWindow);
        View.Formats.OnClick = [this] { Handlers.skSkinOfficeComboBox1Click(); };
        Handlers.FormCreate();
    }
    // The user picks a category in the category box (its OnChange).
    void ChooseCategory(int position)
    {
        View.Category = position;
        Handlers.skSkinOfficeComboBox2Change();
    }
    // The user confirms a format in the format box.
    void ChooseFormat(int position) { View.Formats.SetItemIndex(position); }
    void Choose(int key)
    {
        ChooseCategory(key / 100 - 1);
        ChooseFormat(key % 100);
    }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (TParameterKind kind : ParameterFillOrder)
            texts.push_back(View.Box(kind).Text);
        return texts;
    }

    FakeSecondaryView View;
    FakeSecondaryHost Host;
    std::set<std::string> Existing;
    TSecondaryHandlers Handlers{View, Host, [this](const std::string& path) { return Existing.count(path) > 0; }};
};
