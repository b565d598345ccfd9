// Creating an output: its container, its streams from the pending options, its metadata, its
// file and muxing parameters, and the join of several inputs into it.

#include "engine/FFmpeg.h"

#include "engine/FFUtils.h"
#include "engine/FFmpegEntries.h"
#include "engine/UnicodeProtocol.h"

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The "creation_time" text of a time in seconds since 1970 (UTC), as today's muxers read it.
std::string CreationTime(std::int64_t seconds)
{
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm tm{};
    gmtime_r(&t, &tm);
    char text[40];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S.000000Z", &tm);
    return text;
}

// Whether the output may be written, as a library error code (0: it may), without changing what is
// there: an existing file is opened for writing but not truncated, a missing one is made and
// taken away again. An existing regular file is replaced by a new file beside it (made and taken
// away again here), so its folder must take new files too.
int CheckWritable(const std::string& path)
{
    int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        TOutputFile file;
        const int ret = PrepareOutputFile(path, file);
        if (file.Replaces())
            ::unlink(file.Writing.c_str());
        return ret;
    }
    // A pipe without a reader yet can still be written once the run starts.
    if (errno == ENXIO)
        return 0;
    if (errno != ENOENT)
        return AVERROR(errno);
    fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return AVERROR(errno);
    ::close(fd);
    ::unlink(path.c_str());
    return 0;
}

} // namespace

void TCustomFFmpeg::CheckAudioVideoSubInputs(bool& hasVideo, bool& hasAudio, bool firstInputOnly,
                                             bool& hasSubtitle)
{
    hasVideo = hasAudio = hasSubtitle = false;
    const int count = firstInputOnly ? std::min(Fnb_input_files, 1) : Fnb_input_files;
    for (int f = 0; f < count; ++f) {
        const AVFormatContext* ic = Finput_files[f];
        for (unsigned i = 0; i < ic->nb_streams; ++i) {
            switch (ic->streams[i]->codecpar->codec_type) {
            case AVMEDIA_TYPE_VIDEO: hasVideo = true; break;
            case AVMEDIA_TYPE_AUDIO: hasAudio = true; break;
            case AVMEDIA_TYPE_SUBTITLE: hasSubtitle = true; break;
            case AVMEDIA_TYPE_DATA:
            case AVMEDIA_TYPE_ATTACHMENT:
            case AVMEDIA_TYPE_UNKNOWN: break;
            default: throw FFmpegException("invalid codec_type of input file");
            }
        }
    }
}

int TCustomFFmpeg::OpenOutputFile(const std::string& fileName, bool join)
{
    if (Fnb_output_files >= FMaxFiles)
        throw FFmpegException("max output files " + std::to_string(FMaxFiles) + " reached");
    if (FJoinMode) {
        FLastErrMsg = "Cannot join more than one output file.";
        return -1;
    }
    FEnableFilter = !Fvfilters.empty();

    const std::string url = ToProtocolFileName(fileName);
    const AVOutputFormat* format = nullptr;
    if (!Flast_asked_format.empty()) {
        format = ff::av_guess_format(Flast_asked_format.c_str(), nullptr, nullptr);
        if (!format) {
            FLastErrMsg = "Requested output format '" + Flast_asked_format
                          + "' is not a suitable output format";
            return -1;
        }
        Flast_asked_format.clear();
    } else {
        format = ff::av_guess_format(nullptr, url.c_str(), nullptr);
        if (!format) {
            FLastErrMsg = "Unable to find a suitable output format for '" + fileName + "'";
            return -1;
        }
    }

    AVFormatContext* oc = nullptr;
    if (ff::avformat_alloc_output_context2(&oc, format, nullptr, url.c_str()) < 0 || !oc)
        throw FFmpegException("avformat_alloc_context failed");
    RegisterUnicodeProtocol(oc);
    const size_t firstSlot = Foutput_codecs.size();

    bool useVideo = format->video_codec != AV_CODEC_ID_NONE || Fvideo_stream_copy
                    || !Fvideo_codec_name.empty();
    bool useAudio = format->audio_codec != AV_CODEC_ID_NONE || Faudio_stream_copy
                    || !Faudio_codec_name.empty();
    bool useSubtitle = format->subtitle_codec != AV_CODEC_ID_NONE || Fsubtitle_stream_copy
                       || !Fsubtitle_codec_name.empty();
    if (Fnb_input_files > 0) {
        bool hasVideo = false, hasAudio = false, hasSubtitle = false;
        try {
            CheckAudioVideoSubInputs(hasVideo, hasAudio, join, hasSubtitle);
        } catch (const std::exception& e) {
            return FailOutput(std::string("check_audio_video_sub_inputs fail: ") + e.what(), oc,
                              firstSlot, false);
        }
        useVideo = useVideo && hasVideo;
        useAudio = useAudio && hasAudio;
        useSubtitle = useSubtitle && hasSubtitle;
    }
    useVideo = useVideo && !Fvideo_disable;
    useAudio = useAudio && !Faudio_disable;
    useSubtitle = useSubtitle && !Fsubtitle_disable;

    using TConstructor = void (TCustomFFmpeg::*)(AVFormatContext*);
    const struct {
        bool wanted;
        TConstructor make;
        const char* name;
    } constructors[] = {{useVideo, &TCustomFFmpeg::NewVideoStream, "new_video_stream"},
                        {useAudio, &TCustomFFmpeg::NewAudioStream, "new_audio_stream"},
                        {useSubtitle, &TCustomFFmpeg::NewSubtitleStream, "new_subtitle_stream"}};
    for (const auto& c : constructors) {
        if (!c.wanted)
            continue;
        try {
            (this->*c.make)(oc);
        } catch (const std::exception& e) {
            return FailOutput(std::string(c.name) + " fail: " + e.what(), oc, firstSlot, false);
        }
    }

    // The first of two values given for one key stays.
    for (const auto& [key, value] : Fmetadata)
        ff::av_dict_set(&oc->metadata, key.c_str(), value.c_str(), AV_DICT_DONT_OVERWRITE);
    Fmetadata.clear();
    if (Frecording_timestamp != 0)
        ff::av_dict_set(&oc->metadata, "creation_time", CreationTime(Frecording_timestamp).c_str(),
                        AV_DICT_DONT_OVERWRITE);

    Foutput_files[Fnb_output_files++] = oc;

    if ((format->flags & AVFMT_NEEDNUMBER) && !ff::av_filename_number_test(url.c_str()))
        return FailOutput(ErrorCodeToStr(fileName, AVERROR(EDOM)), oc, firstSlot, true);

    // The file itself is opened when the run starts; until then it stays as it is.
    if (!(format->flags & AVFMT_NOFILE) && IsLocalFileName(url)) {
        const int ret = CheckWritable(FromProtocolFileName(url));
        if (ret < 0)
            return FailOutput(ErrorCodeToStr(fileName, ret), oc, firstSlot, true);
    }

    if (!ApplyPrivateFormatOptions(oc))
        return FailOutput(fileName + ": Invalid encoding parameters", oc, firstSlot, true);

    oc->max_delay = static_cast<int>(Fmux_max_delay * 1000000);
    if (oc->priv_data && ff::av_opt_find(oc->priv_data, "preload", nullptr, 0, 0))
        ff::av_opt_set_int(oc->priv_data, "preload", static_cast<std::int64_t>(Fmux_preload * 1000000), 0);
    if (oc->priv_data && ff::av_opt_find(oc->priv_data, "loop", nullptr, 0, 0))
        ff::av_opt_set_int(oc->priv_data, "loop", Floop_output, 0);
    oc->flags |= AVFMT_FLAG_NONBLOCK;
    ApplyFFOptions(FOptions, oc, FOptions.avformat_opts, AV_OPT_FLAG_ENCODING_PARAM);

    Fstreamid_map.fill(0);

    if (join && Fnb_input_files > 1) {
        const int extra = Fnb_input_files - 1;
        if (Fnb_output_files + extra > FMaxFiles)
            return FailOutput("Cannot join " + std::to_string(Fnb_input_files) + " inputs: at most "
                                  + std::to_string(FMaxFiles) + " output entries",
                              oc, firstSlot, true);
        FJoinMode = true;
        std::int64_t total = 0;
        for (int i = 0; i < Fnb_input_files; ++i)
            if (Finput_files[i]->duration != AV_NOPTS_VALUE)
                total += Finput_files[i]->duration;
        FTotalOutputDuration = total != 0 ? total : -1;
        for (int i = 0; i < extra; ++i)
            Foutput_files[Fnb_output_files++] = oc;
    }
    return Fnb_output_files;
}

// Takes back what the failed OpenOutputFile made: its record, its streams' slots and its context.
int TCustomFFmpeg::FailOutput(const std::string& message, AVFormatContext* oc, size_t firstSlot,
                              bool recorded)
{
    FLastErrMsg = message;
    if (recorded)
        Foutput_files[--Fnb_output_files] = nullptr;
    for (size_t i = firstSlot; i < Foutput_codecs.size(); ++i) {
        ff::avcodec_free_context(&Foutput_codecs[i].codec);
        for (AVBSFContext*& bsf : Foutput_codecs[i].bitstream_filters)
            ff::av_bsf_free(&bsf);
    }
    Foutput_codecs.resize(firstSlot);
    ff::avformat_free_context(oc);
    return -1;
}
