#include "app/presets/ScratchFields.h"

#include "app/presets/FormatPresets.h"
#include "app/presets/ParameterValues.h"
#include "engine/OutputFiles.h"

#include <filesystem>
#include <system_error>

namespace {

// The part after the last "/".
std::string NamePart(const std::string& path)
{
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The name up to its last full stop, and the extension from it (empty without one).
std::pair<std::string, std::string> SplitExtension(const std::string& name)
{
    std::size_t dot = name.rfind('.');
    if (dot == std::string::npos)
        return {name, ""};
    return {name.substr(0, dot), name.substr(dot)};
}

}  // namespace

void ResetScratchFields(TScratchFields& fields)
{
    std::string input = std::move(fields.Video_AddFileName);
    fields = TScratchFields();
    fields.Video_AddFileName = std::move(input);
}

bool DiskFileExists(const std::string& path)
{
    std::error_code error;
    auto status = std::filesystem::status(path, error);
    return !error && std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

std::string OutputFileName(const std::string& folderText, const std::string& inputName, const std::string& extension)
{
    return folderText + "/" + SplitExtension(NamePart(inputName)).first + extension;
}

std::string UniqueOutputFileName(const std::string& name, const std::string& folderText, bool overwrite,
                                 const TFileExists& exists)
{
    const std::string path = folderText + "/" + NamePart(name);
    if (overwrite || !exists(path))
        return path;
    for (int n = 1;; ++n) {
        std::string candidate = NumberedFileName(path, n);
        if (!exists(candidate))
            return candidate;
    }
}

std::optional<int> FillScratchFromCatalogue(TScratchFields& fields, int categoryPosition, int formatPosition,
                                            const std::string& folderText, bool overwrite, const TFileExists& exists)
{
    ResetScratchFields(fields);
    auto key = PresetKeyOf(categoryPosition, formatPosition);
    const TFormatPreset* preset = key ? FindFormatPreset(*key) : nullptr;
    if (!preset || NamePart(fields.Video_AddFileName).empty())
        return key;
    const TEncoderSet& set = EncoderSetOf(*preset);
    fields.Video_OutPutFileName = OutputFileName(folderText, fields.Video_AddFileName, std::string(set.Extension));
    fields.Video_FileExt = set.FileExt;
    fields.Video_VideoCodec = set.VideoCodec;
    fields.Video_AudioCodec = set.AudioCodec;
    fields.Video_VideoTag = set.VideoTag;
    fields.Video_TargetType = set.TargetType;
    fields.Video_NormType = set.NormType;
    fields.Video_AudioChannels = set.AudioChannels;
    fields.Video_DisableVideo = set.DisableVideo;
    const TPresetValues& values = preset->Values;
    fields.Video_FrameSize = values.FrameSize;
    fields.Video_FrameRate = values.FrameRate;
    fields.Video_VideoBitrate = values.VideoBitrate;
    fields.Video_AudioBitrate = values.AudioBitrate;
    fields.Video_AudioSampleRate = values.AudioSampleRate;
    fields.Video_FrameAspectRatio = values.FrameAspectRatio;
    fields.Video_OutPutFileName = UniqueOutputFileName(fields.Video_OutPutFileName, folderText, overwrite, exists);
    return key;
}

void ApplyParameterTexts(TScratchFields& fields, const TParameterTexts& texts)
{
    fields.Video_FrameSize = FrameSizeValue(texts[pkResolution]);
    fields.Video_FrameRate = FrameRateValue(texts[pkFrameRate]);
    fields.Video_VideoBitrate = VideoBitrateValue(texts[pkVideoBitrate]);
    fields.Video_AudioSampleRate = SampleRateValue(texts[pkSampleRate], true);
    fields.Video_AudioBitrate = AudioBitrateValue(texts[pkAudioBitrate]);
    fields.Video_FrameAspectRatio = FrameAspectRatioValue(texts[pkScaling], fields.Video_FrameAspectRatio);
}

TEncoderColumns EncoderColumns(const TScratchFields& fields)
{
    return {fields.Video_VideoCodec,
            fields.Video_AudioCodec,
            fields.Video_AudioChannels,
            fields.Video_VideoTag,
            fields.Video_FileExt,
            fields.Video_FrameSize,
            std::to_string(fields.Video_VideoBitrate),
            fields.Video_FrameRate,
            std::to_string(fields.Video_AudioBitrate),
            fields.Video_AudioSampleRate,
            fields.Video_FrameAspectRatio,
            fields.Video_DisableVideo ? "True" : "False",
            fields.Video_TargetType,
            fields.Video_NormType};
}
