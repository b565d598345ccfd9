#include "app/secondary/SecondaryEncoderRows.h"

#include "app/secondary/KeyedRows.h"

namespace {

template <typename TValue, typename TCell>
void Assign(TValue& field, const TCell& cell)
{
    if (cell)
        field = TValue(*cell);
}

}  // namespace

const TEncoderRow* FindEncoderRow(int key)
{
    return FindKeyedRow(SecondaryEncoderRows(), key);
}

void ApplyEncoderRow(const TEncoderRow& row, TScratchFields& fields, std::string& copyTimestamp)
{
    Assign(fields.Video_FileExt, row.FileExt);
    Assign(fields.Video_VideoCodec, row.VideoCodec);
    Assign(fields.Video_VideoTag, row.VideoTag);
    Assign(fields.Video_FrameRate, row.FrameRate);
    Assign(fields.Video_FrameAspectRatio, row.FrameAspectRatio);
    Assign(fields.Video_FrameSize, row.FrameSize);
    Assign(fields.Video_VideoBitrate, row.VideoBitrate);
    Assign(fields.Video_VideoFilters, row.VideoFilters);
    Assign(fields.Video_AudioCodec, row.AudioCodec);
    Assign(fields.Video_AudioChannels, row.AudioChannels);
    Assign(fields.Video_AudioSampleRate, row.AudioSampleRate);
    Assign(fields.Video_AudioVolume, row.AudioVolume);
    Assign(fields.Video_AudioBitrate, row.AudioBitrate);
    Assign(fields.Video_NormType, row.NormType);
    Assign(copyTimestamp, row.CopyTimestamp);
    Assign(fields.Video_FileFormat, row.FileFormat);
    Assign(fields.Video_TargetType, row.TargetType);
    Assign(fields.Video_DisableVideo, row.DisableVideo);
}
