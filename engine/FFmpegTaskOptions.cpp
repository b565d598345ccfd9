// How a task's input and output records become converter settings.

#include "engine/FFmpegTask.h"

#include "engine/FFmpegEntries.h"

#include <algorithm>
#include <ctime>
#include <initializer_list>

namespace {

bool OneOf(const std::string& name, std::initializer_list<const char*> names)
{
    return std::any_of(names.begin(), names.end(), [&](const char* n) { return name == n; });
}

const std::string* FindEntry(const TFFmpeg::TDefaultList& list, const std::string& name)
{
    for (const auto& [key, value] : list)
        if (key == name)
            return &value;
    return nullptr;
}

const char* TargetName(TOptionTargetType type)
{
    switch (type) {
    case ttVCD: return "vcd";
    case ttSVCD: return "svcd";
    case ttDVD: return "dvd";
    default: return "";
    }
}

const char* NormName(TOptionNormType norm)
{
    switch (norm) {
    case ntPAL: return "pal";
    case ntNTSC: return "ntsc";
    default: return "auto";
    }
}

} // namespace

void TFFmpeg::ApplyExtOptions(const std::string& AExtOptions, bool AIsInput)
{
    for (const TExtOption& line : ParseExtOptions(AExtOptions)) {
        if (OneOf(line.Key, {"newvideo", "newaudio", "newsubtitle", "apre", "vpre", "spre", "vfilters", "vf"}))
            continue;
        if (!AIsInput && OneOf(line.Key, {"acodec", "vcodec", "scodec", "s"}))
            continue;
        DispatchOption(line.Key, line.Value);
    }
}

bool TFFmpeg::AddInput(const std::string& AFileName, TInputOptions* AOptions)
{
    const int index = Fnb_input_files;
    if (AOptions) {
        if (AOptions->FileName.empty())
            AOptions->FileName = AFileName;
        StoreInputOptions(index, *AOptions);
        ApplyExtOptions(AOptions->ExtOptions, true);
        // The record's fields come after its ExtOptions, so they win whenever they are set.
        OptFormat(AOptions->FileFormat);
        SetStartTime(AOptions->TimeStart);
        SetProgramID(AOptions->ProgramID);
    } else {
        ResetInputOptions(index);
    }
    if (!OpenInputFile(AFileName)) {
        ResetInputOptions(index);
        return false;
    }
    GetAVProbe(index)->SetFileHandle(Finput_files[index]);
    return true;
}

bool TFFmpeg::AddOutput(const std::string& AFileName, TOutputOptions* AOptions)
{
    const int index = Fnb_output_files;
    TDefaultList list;
    if (AOptions) {
        if (AOptions->FileName.empty())
            AOptions->FileName = AFileName;
        StoreOutputOptions(index, *AOptions);
        list = ApplyOutputOptions(AFileName, *AOptions);
    } else {
        ResetOutputOptions(index);
    }
    if (OpenOutputFile(AFileName, AOptions && AOptions->Join) < 0) {
        ResetOutputOptions(index);
        return false;
    }
    if (AOptions)
        AddExtraStreams(*AOptions, list);
    return true;
}

TFFmpeg::TDefaultList TFFmpeg::ApplyOutputOptions(const std::string& AFileName, const TOutputOptions& o)
{
    // The default list: the record's fields first, then the ExtOptions lines of the stream options.
    TDefaultList list;
    const std::pair<const char*, const std::string*> fields[] = {
        {"acodec", &o.AudioCodec},  {"vcodec", &o.VideoCodec},  {"scodec", &o.SubtitleCodec},
        {"apre", &o.AudioPreset},   {"vpre", &o.VideoPreset},   {"spre", &o.SubtitlePreset},
        {"s", &o.FrameSize},        {"vf", &o.VideoFilters},
    };
    for (const auto& [name, value] : fields)
        if (!value->empty())
            list.emplace_back(std::string("def_") + name, *value);
    for (const TExtOption& line : ParseExtOptions(o.ExtOptions)) {
        if (!OneOf(line.Key, {"acodec", "vcodec", "scodec", "apre", "vpre", "spre", "s", "vfilters", "vf"})
            || line.Value.empty())
            continue;
        const std::string name = line.Key == "vfilters" ? "vf" : line.Key;
        if (!FindEntry(list, "def_" + name))
            list.emplace_back("def_" + name, line.Value);
        list.emplace_back(name, line.Value);
    }
    const auto applyDefault = [&](const char* name) {
        const std::string* value = FindEntry(list, std::string("def_") + name);
        if (value && !value->empty())
            DispatchOption(name, *value);
    };

    if (o.TargetType != ttIgnore)
        SetTarget(TargetName(o.TargetType), NormName(o.NormType), o.NormDefault == ntPAL ? "pal" : "ntsc");
    // Codecs before presets: a preset is looked up under its codec's name.
    for (const char* name : {"acodec", "vcodec", "scodec", "apre", "vpre", "spre"})
        applyDefault(name);

    ApplyExtOptions(o.ExtOptions, false);

    OptFormat(o.FileFormat);
    if (o.PacketSize > 0)
        OptDefault("packetsize", std::to_string(o.PacketSize));
    if (o.MuxRate > 0) {
        // Only the muxers that have a mux rate know the option.
        const AVOutputFormat* format =
            ff::av_guess_format(o.FileFormat.empty() ? nullptr : o.FileFormat.c_str(), AFileName.c_str(), nullptr);
        if (format)
            SetPrivateFormatOption(format->name, "muxrate", std::to_string(o.MuxRate));
    }
    SetMuxDelay(o.MuxDelay);
    SetMuxPreload(o.MuxPreload);

    if (o.DisableAudio)
        DispatchOption("an", "1");
    SetAudioVolume(o.AudioVolume);
    if (o.AudioChannels > 0)
        OptAudioChannels(o.AudioChannels);
    if (o.AudioSampleRate > 0)
        OptAudioRate(o.AudioSampleRate);
    if (o.AudioBitrate > 0)
        OptDefault("ab", std::to_string(o.AudioBitrate));
    if (o.AudioBitRateTolerance > 0)
        OptDefault("abt", std::to_string(o.AudioBitRateTolerance));
    Faudio_language = o.AudioLanguage;
    SetAudioSyncMethod(o.AudioSyncMethod);
    OptAudioTag(o.AudioTag);

    if (o.DisableVideo)
        DispatchOption("vn", "1");
    OptFrameRate(o.FrameRate);
    OptFrameAspectRatio(o.FrameAspectRatio);
    // Crops before the frame size (below): they are checked against and cut from the input's size.
    if (o.CropTop > 0)
        OptFrameCropTop(o.CropTop);
    if (o.CropBottom > 0)
        OptFrameCropBottom(o.CropBottom);
    if (o.CropLeft > 0)
        OptFrameCropLeft(o.CropLeft);
    if (o.CropRight > 0)
        OptFrameCropRight(o.CropRight);
    const std::pair<const char*, std::int32_t> videoRates[] = {
        {"g", o.GroupPictureSize}, {"vb", o.VideoBitrate},          {"maxrate", o.VideoMaxRate},
        {"minrate", o.VideoMinRate}, {"bt", o.VideoBitRateTolerance}, {"bufsize", o.VideoBufSize},
    };
    for (const auto& [name, value] : videoRates)
        if (value > 0)
            OptDefault(name, std::to_string(value));
    SetVideoSyncMethod(o.VideoSyncMethod);
    OptVideoTag(o.VideoTag);
    Fvideo_language = o.VideoLanguage;

    if (o.DisableSubtitle)
        DispatchOption("sn", "1");
    Fsubtitle_language = o.SubtitleLanguage;

    Finput_sync = o.InputSync;
    if (o.CopyTimestamp)
        DispatchOption("copyts", "");
    SetStartTime(o.TimeStart);
    SetRecordingTime(o.TimeLength);
    if (o.Info.TimeStamp == 0)
        Frecording_timestamp = static_cast<std::int64_t>(std::time(nullptr));
    else if (o.Info.TimeStamp > 0)
        Frecording_timestamp = DateTimeToUnix(o.Info.TimeStamp);

    if (o.Info.Year > 0)
        AddMetadata("year", std::to_string(o.Info.Year));
    if (o.Info.Track > 0)
        AddMetadata("track", std::to_string(o.Info.Track));
    const std::pair<const char*, const std::string*> texts[] = {
        {"title", &o.Info.Title},     {"author", &o.Info.Author}, {"copyright", &o.Info.Copyright},
        {"comment", &o.Info.Comment}, {"album", &o.Info.Album},   {"genre", &o.Info.Genre},
    };
    for (const auto& [key, value] : texts)
        if (!value->empty())
            AddMetadata(key, *value);

    applyDefault("s");
    applyDefault("vf");
    return list;
}

void TFFmpeg::TakeOption(TDefaultList& AList, const std::string& AName)
{
    const auto it = std::find_if(AList.begin(), AList.end(), [&](const auto& entry) { return entry.first == AName; });
    std::string value;
    if (it != AList.end()) {
        value = it->second;
        AList.erase(it);
    } else if (const std::string* def = FindEntry(AList, "def_" + AName)) {
        value = *def;
    }
    if (!value.empty())
        DispatchOption(AName, value);
}

void TFFmpeg::AddExtraStreams(const TOutputOptions& AOptions, TDefaultList& AList)
{
    for (const TExtOption& line : ParseExtOptions(AOptions.ExtOptions)) {
        if (line.Key == "newaudio") {
            TakeOption(AList, "acodec");
            TakeOption(AList, "apre");
        } else if (line.Key == "newvideo") {
            TakeOption(AList, "vcodec");
            TakeOption(AList, "vpre");
            TakeOption(AList, "s");
            TakeOption(AList, "vf");
        } else if (line.Key == "newsubtitle") {
            TakeOption(AList, "scodec");
            TakeOption(AList, "spre");
        } else {
            continue;
        }
        DispatchOption(line.Key, line.Value);
    }
}
