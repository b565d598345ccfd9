#pragma once
// The secondary settings form's encoder rows: what the OK button writes into the main window's
// scratch fields for each key. A row assigns only the cells it holds; a field whose cell is empty
// (std::nullopt) keeps the value it had, as nothing is reset first.

#include "app/presets/ScratchFields.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

using TTextCell = std::optional<std::string_view>;
using TRateCell = std::optional<int>;   // bit/s; -1000 for none given

struct TEncoderRow {
    int Key;
    std::string_view Extension;   // of the output name; may differ from FileExt
    TTextCell FileExt;
    TTextCell VideoCodec;
    TTextCell VideoTag;
    TTextCell FrameRate;
    TTextCell FrameSize;
    TTextCell FrameAspectRatio;
    TRateCell VideoBitrate;
    TTextCell AudioCodec;
    TTextCell AudioChannels;
    TTextCell AudioSampleRate;
    TRateCell AudioBitrate;
    TTextCell VideoFilters;
    TTextCell AudioVolume;
    TTextCell NormType;
    TTextCell CopyTimestamp;
    TTextCell FileFormat;
    TTextCell TargetType;
    std::optional<bool> DisableVideo;
};

// Every row in key order. Not every format of the catalogue has one, and some rows belong to no
// format.
const std::vector<TEncoderRow>& SecondaryEncoderRows();
// The row of a key, or nullptr.
const TEncoderRow* FindEncoderRow(int key);

// Writes the cells the row holds; copyTimestamp is the main window's Video_CopyTimestamp, which
// the scratch fields do not hold.
void ApplyEncoderRow(const TEncoderRow& row, TScratchFields& fields, std::string& copyTimestamp);
