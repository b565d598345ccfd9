#pragma once
// The format catalogue: 32 categories in category-box order, and one row per format, keyed by
// PresetKey = (CategoryCode + 1) * 100 + format position. A row holds what the format box shows
// (title, description; its picture is the category's code), the encoder set that gives the
// output's encoders and extension, the six parameter values the format gives, and the option
// list and default position of each of the six parameter boxes.

#include <array>
#include <optional>
#include <string_view>
#include <vector>

struct TCategory {
    int Position;           // in the category box
    std::string_view Caption;
    int Code;               // CategoryCode: picture index and the key's hundreds
    int Formats;            // how many formats the category offers
};

// Encoders, extension and target of a group of formats; empty texts are not given.
struct TEncoderSet {
    int Number;                   // 1 to 57
    std::string_view Extension;   // of the output name given when a file is added
    std::string_view FileExt;
    std::string_view VideoCodec;
    std::string_view AudioCodec;
    std::string_view VideoTag;
    std::string_view TargetType;  // "vcd", "svcd", "dvd"
    std::string_view NormType;    // "PAL", "NTSC"
    std::string_view AudioChannels;
    bool DisableVideo;
};

// The six parameter values a format gives before the boxes override them.
struct TPresetValues {
    std::string_view FrameSize;
    std::string_view FrameRate;
    int VideoBitrate;             // bit/s; -1 none, -1000 chosen by the target
    int AudioBitrate;             // bit/s; -1 none, -1000 chosen by the target
    std::string_view AudioSampleRate;
    std::string_view FrameAspectRatio;
};

// One box's list and its default position.
struct TPresetChoice {
    std::string_view List;
    int Position;
};

// Resolution, video bit rate, frame rate, audio bit rate, sample rate, scaling.
using TPresetChoices = std::array<TPresetChoice, 6>;

struct TFormatPreset {
    int Key;
    std::string_view Title;
    std::string_view Caption;
    int EncoderSet;
    TPresetValues Values;
    TPresetChoices Choices;
    bool AudioOnly;
};

const std::vector<TCategory>& Categories();
const std::vector<TEncoderSet>& EncoderSets();
// Every format row in key order.
const std::vector<TFormatPreset>& FormatPresets();

// The CategoryCode at a category-box position; none outside 0..31.
std::optional<int> CategoryCodeAt(int categoryPosition);
// The PresetKey of two box positions (the format position is not checked); none without a
// category.
std::optional<int> PresetKeyOf(int categoryPosition, int formatPosition);
// The row of a key, or nullptr.
const TFormatPreset* FindFormatPreset(int key);
const TEncoderSet& EncoderSetOf(const TFormatPreset& preset);
// The formats the format box offers for a category position, in format-position order; none
// outside 0..31.
std::vector<const TFormatPreset*> FormatsOfCategory(int categoryPosition);
