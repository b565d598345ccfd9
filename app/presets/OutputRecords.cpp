#include "app/presets/OutputRecords.h"

#include "classlib/SysUtils.h"

namespace {

void SetVideoCodec(const std::string& codec, TOutputOptions& options)
{
    options.VideoCodec = codec;
    options.VideoPreset = codec == "libx264" ? "libx264-default" : "";
}

TOptionTargetType TargetTypeOf(const std::string& text)
{
    if (text == "vcd")
        return ttVCD;
    if (text == "svcd")
        return ttSVCD;
    return text == "dvd" ? ttDVD : ttIgnore;
}

TOptionNormType NormTypeOf(const std::string& text)
{
    if (text == "PAL")
        return ntPAL;
    return text == "NTSC" ? ntNTSC : ntAuto;
}

bool IsAutomatic(const std::string& text) { return text.empty() || text == "AUTO"; }

}  // namespace

void ApplyScratchToOutputOptions(const TScratchFields& fields, TOutputOptions& options)
{
    if (!fields.Video_VideoCodec.empty())
        SetVideoCodec(fields.Video_VideoCodec, options);
    if (!IsAutomatic(fields.Video_AudioCodec))
        options.AudioCodec = fields.Video_AudioCodec;
    if (!fields.Video_FrameRate.empty())
        options.FrameRate = fields.Video_FrameRate;
    options.DisableVideo = fields.Video_DisableVideo;
    if (!fields.Video_AudioChannels.empty())
        options.AudioChannels = StrToInt(fields.Video_AudioChannels);
    if (!IsAutomatic(fields.Video_AudioSampleRate))
        options.AudioSampleRate = StrToInt(fields.Video_AudioSampleRate);
    if (!fields.Video_FrameSize.empty())
        options.FrameSize = fields.Video_FrameSize;
    if (!fields.Video_TargetType.empty())
        options.TargetType = TargetTypeOf(fields.Video_TargetType);
    options.NormType = NormTypeOf(fields.Video_NormType);
    options.AudioVolume = fields.Video_AudioVolume == "256" ? 256 : StrToInt(fields.Video_AudioVolume);
    if (!fields.Video_FrameAspectRatio.empty())
        options.FrameAspectRatio = fields.Video_FrameAspectRatio;
    if (fields.Video_AudioBitrate != -1000 && fields.Video_AudioBitrate != -2000)
        options.AudioBitrate = fields.Video_AudioBitrate;
    if (!fields.Video_FileFormat.empty())
        options.FileFormat = fields.Video_FileFormat;
    if (!fields.Video_VideoFilters.empty())
        options.VideoFilters = fields.Video_VideoFilters;
    if (!fields.Video_VideoTag.empty())
        options.VideoTag = fields.Video_VideoTag;
    if (fields.Video_VideoBitrate != -1000)
        options.VideoBitrate = fields.Video_VideoBitrate;
}

void DecodeEncoderColumns(const TEncoderColumns& columns, TOutputOptions& options)
{
    auto column = [&columns](int n) -> const std::string& {
        return columns[static_cast<std::size_t>(n - FirstEncoderColumn)];
    };
    InitOutputOptions(options);
    if (!column(10).empty())
        SetVideoCodec(column(10), options);
    if (!IsAutomatic(column(11)))
        options.AudioCodec = column(11);
    if (!column(12).empty())
        options.AudioChannels = StrToInt(column(12));
    options.VideoTag = column(13).empty() || column(10) == "libx264" ? std::string() : column(13);
    if (!column(14).empty())
        options.FileExt = column(14);
    if (!column(15).empty())
        options.FrameSize = column(15);
    if (!column(16).empty())
        options.VideoBitrate = StrToInt(column(16));
    if (!column(17).empty())
        options.FrameRate = column(17);
    if (column(18) != "-1000" && column(18) != "-2000")
        options.AudioBitrate = StrToInt(column(18));
    if (!IsAutomatic(column(19)))
        options.AudioSampleRate = StrToInt(column(19));
    if (!column(20).empty())
        options.FrameAspectRatio = column(20);
    options.DisableVideo = column(21) == "True";
    if (!column(22).empty())
        options.TargetType = TargetTypeOf(column(22));
    options.NormType = NormTypeOf(column(23));
}
