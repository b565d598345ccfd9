#pragma once
// The main window's scratch description of one file's output: reset, filled from the catalogue
// row of the chosen format with a unique output name, overridden by the six parameter boxes, and
// written into a job row's hidden encoder columns.

#include "app/presets/ParameterBoxes.h"

#include <array>
#include <functional>
#include <optional>
#include <string>

struct TScratchFields {
    std::string Video_OutPutFileName;
    std::string Video_AddFileName;   // the input's full path; never reset
    std::string Video_FileExt;
    std::string Video_VideoCodec;
    std::string Video_AudioCodec;
    std::string Video_VideoTag;
    std::string Video_TargetType;
    std::string Video_NormType;
    std::string Video_FrameSize;
    std::string Video_FrameRate;
    int Video_VideoBitrate = -1;
    int Video_AudioBitrate = -1;
    std::string Video_AudioSampleRate;
    std::string Video_AudioChannels;
    std::string Video_FrameAspectRatio;
    bool Video_DisableVideo = false;
    std::string Video_AudioVolume = "256";
    std::string Video_VideoFilters;
    std::string Video_FileFormat;
};

// Every field but Video_AddFileName back to its reset value.
void ResetScratchFields(TScratchFields& fields);

// Whether a file (not a folder) of that name exists.
using TFileExists = std::function<bool(const std::string& path)>;
bool DiskFileExists(const std::string& path);

// The output name for an input: folder text as typed, "/", the input's name (after its last
// "/") with its extension (from its last full stop) replaced by extension, or with extension
// appended when the name has none.
std::string OutputFileName(const std::string& folderText, const std::string& inputName, const std::string& extension);

// Unless overwriting is chosen, the first of name, prefix_1.ext, prefix_2.ext ... (prefix = folder
// text, "/", the name's base) of which no file exists; only files count, the count starts at 1.
std::string UniqueOutputFileName(const std::string& name, const std::string& folderText, bool overwrite,
                                 const TFileExists& exists);

// Resets the fields and fills them from the catalogue row of the two box positions: its encoder
// set, its six values and the unique output name for Video_AddFileName in folderText. Returns the
// PresetKey (none without a category). Without a row, or without an input name, the fields stay
// reset.
std::optional<int> FillScratchFromCatalogue(TScratchFields& fields, int categoryPosition, int formatPosition,
                                            const std::string& folderText, bool overwrite,
                                            const TFileExists& exists = DiskFileExists);

// The texts of the six boxes (by TParameterKind) into the six fields they override, as an add
// confirms them: an automatic sample rate gives "AUTO". A bit-rate text without a number raises
// EConvertError.
using TParameterTexts = std::array<std::string, ParameterKindCount>;
void ApplyParameterTexts(TScratchFields& fields, const TParameterTexts& texts);

// A job row's hidden encoder columns 10 to 23, as texts.
using TEncoderColumns = std::array<std::string, 14>;
inline constexpr int FirstEncoderColumn = 10;
TEncoderColumns EncoderColumns(const TScratchFields& fields);
