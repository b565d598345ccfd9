#include "engine/FFmpeg.h"

#include "engine/FFUtils.h"
#include "engine/FFmpegEntries.h"
#include "engine/FFmpegLogger.h"
#include "engine/FormatText.h"
#include "engine/UnicodeProtocol.h"
#include "engine/UprightPicture.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

// The default name in front of the two-pass log files.
constexpr const char* kPassLogPrefix = "ffmpeg2pass";
// Longest two-pass log name.
constexpr size_t kMaxLogName = 1023;

std::string Trimmed(const char* text)
{
    std::string s(text);
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return std::string();
    return s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1);
}

// The encoder of YUV pictures is told their colours: the source's matrix, primaries and
// transfer, and the range they have once scaled into its format.
void TellColours(AVCodecContext* enc, const AVCodecContext* dec, bool scaled)
{
    const AVPixFmtDescriptor* descriptor = ff::av_pix_fmt_desc_get(enc->pix_fmt);
    if (!descriptor || (descriptor->flags & AV_PIX_FMT_FLAG_RGB))
        return;
    enc->colorspace = dec->colorspace;
    enc->color_primaries = dec->color_primaries;
    enc->color_trc = dec->color_trc;
    const TYUVColours source = YUVColours(dec->pix_fmt, dec->colorspace, dec->color_range);
    enc->color_range = !scaled ? dec->color_range
                       : ScaledColours(source, enc->pix_fmt).FullRange ? AVCOL_RANGE_JPEG
                                                                      : AVCOL_RANGE_MPEG;
}

} // namespace

void TCustomFFmpeg::SetUpOutputCodecs()
{
    for (size_t i = 0; i < Fost_table.size(); ++i) {
        TAVOutputStream& ost = *Fost_table[i];
        TAVInputStream& ist = *Fist_table[ost.source_index];
        ff::av_dict_copy(&ost.st->metadata, ist.st->metadata, AV_DICT_DONT_OVERWRITE);
        ost.st->disposition = ist.st->disposition;
        if (AVCodecContext* enc = ost.enc()) {
            enc->bits_per_raw_sample = ist.dec()->bits_per_raw_sample;
            enc->chroma_sample_location = ist.dec()->chroma_sample_location;
        }
        if (ost.stream_copy)
            SetUpStreamCopy(ost, ist);
        else
            SetUpEncoding(ost, ist, static_cast<int>(i));
    }
}

void TCustomFFmpeg::SetUpStreamCopy(TAVOutputStream& ost, TAVInputStream& ist)
{
    const AVCodecParameters* in = ist.st->codecpar;
    AVCodecParameters* out = ost.st->codecpar;
    if (static_cast<std::int64_t>(in->extradata_size) + 8 > INT_MAX)
        throw FFmpegException("icodec.extradata_size is invalid (too large)");

    const AVMediaType type = in->codec_type;
    switch (type) {
    case AVMEDIA_TYPE_AUDIO:
        if (Faudio_volume != 256)
            throw FFmpegException("-acodec copy and -vol are incompatible (frames are not decoded)");
        break;
    case AVMEDIA_TYPE_VIDEO:
        if (FOnCustomHook)
            throw FFmpegException("-vcodec copy and CustomHook are incompatible (frames are not decoded)");
        if (Fusing_vhook)
            throw FFmpegException("-vcodec copy and -vhook are incompatible (frames are not decoded)");
        if (PostHooks())
            throw FFmpegException("-vcodec copy and PostHooks are incompatible (frames are not decoded)");
        break;
    case AVMEDIA_TYPE_SUBTITLE: break;
    default: throw FFmpegException("invalid codec_type of output stream");
    }

    // A tag the output's creation set stays; else the input's, when the container takes it.
    const AVCodecContext* enc = ost.enc();
    std::uint32_t tag = enc && enc->codec_tag ? enc->codec_tag : out->codec_tag;
    if (ff::avcodec_parameters_copy(out, in) < 0)
        throw FFmpegException("av_mallocz fail");
    const AVOutputFormat* format = Foutput_files[ost.file_index]->oformat;
    if (!tag) {
        const AVCodecTag* const* tags = format->codec_tag;
        if (!tags || ff::av_codec_get_id(tags, in->codec_tag) == in->codec_id
            || !ff::av_codec_get_tag(tags, in->codec_id))
            tag = in->codec_tag;
    }
    out->codec_tag = tag;
    // A copied picture keeps its display matrix: players turn it as the source is turned.
    size_t size = 0;
    if (const std::uint8_t* matrix = ff::av_stream_get_side_data(ist.st, AV_PKT_DATA_DISPLAYMATRIX, &size)) {
        std::uint8_t* copy = ff::av_stream_new_side_data(ost.st, AV_PKT_DATA_DISPLAYMATRIX, size);
        if (!copy)
            throw FFmpegException("av_mallocz fail");
        std::memcpy(copy, matrix, size);
    }
    ost.st->time_base = ist.st->time_base;
    ost.st->avg_frame_rate = ist.st->avg_frame_rate;
    ost.st->r_frame_rate = ist.st->r_frame_rate;
    ost.st->sample_aspect_ratio = ist.st->sample_aspect_ratio;
    if (type == AVMEDIA_TYPE_AUDIO
        && ((out->block_align == 1 && out->codec_id == AV_CODEC_ID_MP3) || out->codec_id == AV_CODEC_ID_AC3))
        out->block_align = 0;
}

void TCustomFFmpeg::SetUpEncoding(TAVOutputStream& ost, TAVInputStream& ist, int position)
{
    AVCodecContext* enc = ost.enc();
    const AVCodecContext* dec = ist.dec();
    switch (enc->codec_type) {
    case AVMEDIA_TYPE_AUDIO:
        ost.fifo = ff::av_audio_fifo_alloc(enc->sample_fmt, enc->ch_layout.nb_channels, 1024);
        if (!ost.fifo)
            throw FFmpegException("av_fifo_alloc fail");
        ost.reformat_pair = -1;
        ost.audio_resample = enc->sample_rate != dec->sample_rate || Faudio_sync_method > 1;
        enc->time_base = AVRational{1, enc->sample_rate};
        break;
    case AVMEDIA_TYPE_VIDEO: {
        if (enc->pix_fmt == AV_PIX_FMT_NONE)
            throw FFmpegException("Video pixel format is unknown, stream cannot be encoded");
        const TCropBands bands{Fframe_topBand, Fframe_bottomBand, Fframe_leftBand, Fframe_rightBand};
        ost.video_crop = bands.top + bands.bottom + bands.left + bands.right != 0;
        if (ost.video_crop)
            ost.bands = ost.original_bands = bands;
        // A picture stored turned goes upright through the filters; crop and size are the
        // upright picture's.
        const TUprightFilters upright = UprightFilters(ist.st);
        const bool filtered = FEnableFilter || !upright.Filters.empty();
        const int uprightWidth = upright.SwapsSides ? dec->height : dec->width;
        const int uprightHeight = upright.SwapsSides ? dec->width : dec->height;
        const int width = uprightWidth - ost.bands.left - ost.bands.right;
        const int height = uprightHeight - ost.bands.top - ost.bands.bottom;
        ost.video_resample = width != enc->width || height != enc->height || dec->pix_fmt != enc->pix_fmt;
        if (ost.video_resample) {
            ost.pict_tmp = ff::av_frame_alloc();
            if (ost.pict_tmp) {
                ost.pict_tmp->format = enc->pix_fmt;
                ost.pict_tmp->width = enc->width;
                ost.pict_tmp->height = enc->height;
            }
            if (!ost.pict_tmp || ff::av_frame_get_buffer(ost.pict_tmp, 0) < 0)
                throw FFmpegException("Cannot allocate temp picture, check pix fmt");
            std::int64_t flags = Fsws_flags;
            if (FOptions.sws_opts)
                ff::av_opt_get_int(FOptions.sws_opts, "sws_flags", 0, &flags);
            Fsws_flags = static_cast<unsigned>(flags);
            ost.img_resample_ctx =
                GetScaler(width, height, dec->pix_fmt, YUVColours(dec->pix_fmt, dec->colorspace, dec->color_range),
                          enc->width, enc->height, enc->pix_fmt, static_cast<int>(Fsws_flags));
            if (!ost.img_resample_ctx)
                throw FFmpegException("Cannot get resampling context");
            if (!filtered) {
                ost.original_height = dec->height;
                ost.original_width = dec->width;
            }
            enc->bits_per_raw_sample = 0;
        }
        TellColours(enc, dec, ost.video_resample);
        ost.resample_height = height;
        ost.resample_width = width;
        ost.resample_pix_fmt = dec->pix_fmt;
        if (filtered) {
            FLastErrMsg.clear();
            if (ConfigureFilters(dec, AV_TIME_BASE_Q, enc, ost.bands, ost.filters, upright) < 0)
                throw FFmpegException(FLastErrMsg.empty() ? std::string("Error opening filters!")
                                                          : "Error opening filters: " + FLastErrMsg);
        }
        break;
    }
    case AVMEDIA_TYPE_SUBTITLE:
        if (!enc->width && !enc->height) {
            enc->width = dec->width;
            enc->height = dec->height;
        }
        if (!enc->time_base.num)
            enc->time_base = AV_TIME_BASE_Q;
        break;
    default: throw FFmpegException("invalid codec_type of output stream");
    }
    ist.decoding_needed = 1;
    ost.encoding_needed = 1;
    // Join segments share the first segment's encoder and its pass log.
    if (position < EncoderCount() && (enc->flags & (AV_CODEC_FLAG_PASS1 | AV_CODEC_FLAG_PASS2)))
        OpenPassLog(ost, position);
}

void TCustomFFmpeg::OpenPassLog(TAVOutputStream& ost, int position)
{
    AVCodecContext* enc = ost.enc();
    std::string name = (Fpass_logfilename_prefix.empty() ? std::string(kPassLogPrefix) : Fpass_logfilename_prefix)
                       + "-" + std::to_string(position) + ".log";
    if (name.size() > kMaxLogName)
        name.resize(kMaxLogName);
    if (enc->flags & AV_CODEC_FLAG_PASS1) {
        ost.logfile = std::fopen(name.c_str(), "wb");
        if (!ost.logfile)
            throw FFmpegException(FormatText("Cannot write log file %s for pass-1 encoding", name.c_str()));
        return;
    }
    std::uint8_t* buffer = nullptr;
    int size = 0;
    const int ret = ReadFileToBuffer(name, buffer, size);
    if (ret == AVERROR(ENOMEM))
        throw FFmpegException(FormatText(
            "Could not allocate file buffer: Error reading log file \"%s\" for pass-2 encoding", name.c_str()));
    if (ret < 0)
        throw FFmpegException(
            FormatText("Cannot read file: Error reading log file \"%s\" for pass-2 encoding", name.c_str()));
    ff::av_freep(&enc->stats_in);
    enc->stats_in = reinterpret_cast<char*>(buffer);
}

void TCustomFFmpeg::InitInputTimes()
{
    for (auto& ist : Fist_table) {
        const AVRational rate = ist->st->avg_frame_rate;
        ist->pts = rate.num && rate.den ? -std::llrint(ist->dec()->has_b_frames * 1e6 / av_q2d(rate)) : 0;
        ist->next_pts = AV_NOPTS_VALUE;
        ist->dts = ist->pts;
        ist->next_dts = AV_NOPTS_VALUE;
        ist->is_start = 1;
    }
}

void TCustomFFmpeg::ApplyMetaDataMaps()
{
    for (const TAVMetaDataMap& map : Fmeta_data_maps) {
        const char* failure = nullptr;
        int index = 0;
        if (map.out_file < 0 || map.out_file >= Fnb_output_files) {
            failure = "Invalid output file index %d map_meta_data(%d,%d)";
            index = map.out_file;
        } else if (map.in_file < 0 || map.in_file >= Fnb_input_files) {
            failure = "Invalid input file index %d map_meta_data(%d,%d)";
            index = map.in_file;
        }
        if (failure) {
            LogStreamMapping();
            const std::string message = FormatText(failure, index, map.out_file, map.in_file);
            LogError(message);
            throw FFmpegException(message);
        }
        ff::av_dict_copy(&Foutput_files[map.out_file]->metadata, Finput_files[map.in_file]->metadata,
                         AV_DICT_DONT_OVERWRITE);
    }
}

void TCustomFFmpeg::CopyAllChapters()
{
    for (int i = 0; i < Fnb_input_files; ++i) {
        if (!Finput_files[i]->nb_chapters)
            continue;
        for (int j = 0; j < Fnb_output_files; ++j) {
            // A joined output takes the chapters once.
            if (std::find(Foutput_files.begin(), Foutput_files.begin() + j, Foutput_files[j])
                == Foutput_files.begin() + j)
                CopyChapters(i, j);
        }
    }
}

void TCustomFFmpeg::CopyChapters(int infile, int outfile)
{
    const AVFormatContext* is = Finput_files[infile];
    AVFormatContext* os = Foutput_files[outfile];
    for (unsigned i = 0; i < is->nb_chapters; ++i) {
        const AVChapter* in_ch = is->chapters[i];
        const std::int64_t ts_off =
            ff::av_rescale_q(Fstart_time - Finput_files_ts_offset[infile], AV_TIME_BASE_Q, in_ch->time_base);
        const std::int64_t rt = Frecording_time == INT64_MAX
                                    ? INT64_MAX
                                    : ff::av_rescale_q(Frecording_time, AV_TIME_BASE_Q, in_ch->time_base);
        if (in_ch->end < ts_off)
            continue;
        if (rt != INT64_MAX && in_ch->start > rt + ts_off)
            break;
        auto* out_ch = static_cast<AVChapter*>(ff::av_mallocz(sizeof(AVChapter)));
        if (!out_ch)
            throw FFmpegException("av_mallocz fail");
        out_ch->id = in_ch->id;
        out_ch->time_base = in_ch->time_base;
        out_ch->start = std::max<std::int64_t>(0, in_ch->start - ts_off);
        out_ch->end = std::min(rt, in_ch->end - ts_off);
        ff::av_dict_copy(&out_ch->metadata, in_ch->metadata, 0);
        auto* chapters = static_cast<AVChapter**>(
            ff::av_realloc_array(os->chapters, os->nb_chapters + 1, sizeof(AVChapter*)));
        if (!chapters) {
            ff::av_dict_free(&out_ch->metadata);
            ff::av_free(out_ch);
            throw FFmpegException("av_realloc fail");
        }
        os->chapters = chapters;
        os->chapters[os->nb_chapters++] = out_ch;
    }
}

void TCustomFFmpeg::InitBitstreamFilters()
{
    std::vector<const std::vector<AVBSFContext*>*> done;
    for (auto& ost : Fost_table) {
        const std::vector<AVBSFContext*>* chain = ost->bitstream_filters;
        if (!chain || chain->empty() || std::find(done.begin(), done.end(), chain) != done.end())
            continue;
        done.push_back(chain);
        const AVCodecParameters* par = ost->st->codecpar;
        AVRational time_base = ost->st->time_base;
        for (AVBSFContext* bsf : *chain) {
            int ret = ff::avcodec_parameters_copy(bsf->par_in, par);
            bsf->time_base_in = time_base;
            if (ret >= 0)
                ret = ff::av_bsf_init(bsf);
            if (ret < 0)
                throw FFmpegException(ErrorCodeToStr(FormatText("Error initializing bitstream filter %s",
                                                                bsf->filter->name),
                                                     ret));
            par = bsf->par_out;
            time_base = bsf->time_base_out;
        }
        if (ff::avcodec_parameters_copy(ost->st->codecpar, par) < 0)
            throw FFmpegException("av_mallocz fail");
    }
}

void TCustomFFmpeg::OpenOutputFiles()
{
    const int outputs = FJoinMode ? std::min(Fnb_output_files, 1) : Fnb_output_files;
    for (int j = 0; j < outputs; ++j) {
        AVFormatContext* oc = Foutput_files[j];
        if (oc->pb || (oc->oformat->flags & AVFMT_NOFILE))
            continue;
        const std::string name = FromProtocolFileName(oc->url);
        TOutputFile file{name, name, false};
        const std::unique_lock<std::mutex> write = OutputWrite();
        if (IsLocalFileName(oc->url)) {
            if (const int ret = PrepareOutputFile(name, file); ret < 0)
                throw FFmpegException(ErrorCodeToStr(name, ret));
        }
        // A muxer that reads back what it wrote finds the file under the context's name.
        if (file.Replaces()) {
            ff::av_freep(&oc->url);
            oc->url = ff::av_strdup(ToProtocolFileName(file.Writing).c_str());
        }
        const int ret = oc->url ? OpenProtocolFile(oc, &oc->pb, oc->url, AVIO_FLAG_WRITE) : AVERROR(ENOMEM);
        if (ret < 0) {
            // The new file beside an existing one goes again; nothing else is touched.
            if (file.Replaces())
                SettleOutputFile(file, TOutputEnd::Failed);
            throw FFmpegException(ErrorCodeToStr(name, ret));
        }
        FOutputFiles[oc] = file;
    }
}

void TCustomFFmpeg::WriteHeaders()
{
    InitBitstreamFilters();
    const int outputs = FJoinMode ? std::min(Fnb_output_files, 1) : Fnb_output_files;
    bool allRtp = outputs > 0;
    for (int j = 0; j < outputs; ++j) {
        AVFormatContext* oc = Foutput_files[j];
        int ret;
        {
            const std::unique_lock<std::mutex> write = OutputWrite();
            ret = ff::avformat_write_header(oc, nullptr);
        }
        if (ret < 0) {
            LogStreamMapping();
            const std::string message =
                FormatText("Could not write header for output file #%d (incorrect codec parameters ?)", j);
            LogError(message);
            throw FFmpegException(message);
        }
        allRtp = allRtp && std::strcmp(oc->oformat->name, "rtp") == 0;
    }
    if (allRtp) {
        char sdp[2048];
        ff::av_sdp_create(Foutput_files.data(), outputs, sdp, sizeof sdp);
        GetLogger().Log(this, llInfo, "SDP:\r\n" + Trimmed(sdp));
    }
}
