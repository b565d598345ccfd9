#include "engine/FFmpeg.h"

#include "engine/FFUtils.h"
#include "engine/FFmpegEntries.h"
#include "engine/FFmpegLoader.h"
#include "engine/FormatText.h"

#include <cstring>
#include <mutex>

namespace {

template <typename T>
T* Duplicate(const T* data, size_t count)
{
    return data ? static_cast<T*>(ff::av_memdup(data, count * sizeof(T))) : nullptr;
}

// A new context for the codec with the settings of an encoder that was opened before: its
// option values (also the codec's own), and the fields that are no options.
AVCodecContext* CloneEncoderSettings(const AVCodecContext* old, const AVCodec* codec)
{
    AVCodecContext* c = ff::avcodec_alloc_context3(codec);
    if (!c)
        return nullptr;
    ff::av_opt_copy(c, old);
    if (c->priv_data && old->priv_data && codec->priv_class && old->codec == codec)
        ff::av_opt_copy(c->priv_data, old->priv_data);
    c->codec_type = old->codec_type;
    c->codec_id = old->codec_id;
    c->codec_tag = old->codec_tag;
    c->time_base = old->time_base;
    c->framerate = old->framerate;
    c->width = old->width;
    c->height = old->height;
    c->pix_fmt = old->pix_fmt;
    c->sample_aspect_ratio = old->sample_aspect_ratio;
    c->sample_fmt = old->sample_fmt;
    c->sample_rate = old->sample_rate;
    ff::av_channel_layout_uninit(&c->ch_layout);
    ff::av_channel_layout_copy(&c->ch_layout, &old->ch_layout);
    c->flags = old->flags;
    c->flags2 = old->flags2;
    c->bit_rate = old->bit_rate;
    c->global_quality = old->global_quality;
    c->thread_count = old->thread_count;
    c->intra_matrix = Duplicate(old->intra_matrix, 64);
    c->inter_matrix = Duplicate(old->inter_matrix, 64);
    if (old->rc_override_count > 0) {
        c->rc_override = Duplicate(old->rc_override, static_cast<size_t>(old->rc_override_count));
        c->rc_override_count = c->rc_override ? old->rc_override_count : 0;
    }
    if (old->subtitle_header_size > 0) {
        c->subtitle_header = Duplicate(old->subtitle_header, static_cast<size_t>(old->subtitle_header_size) + 1);
        c->subtitle_header_size = c->subtitle_header ? old->subtitle_header_size : 0;
    }
    return c;
}

} // namespace

void TCustomFFmpeg::OpenEncoders()
{
    const int count = EncoderCount();
    for (int i = 0; i < count; ++i) {
        TAVOutputStream& ost = *Fost_table[i];
        if (!ost.encoding_needed)
            continue;
        AVCodecContext* enc = ost.enc();
        const AVCodec* codec = ost.encoder ? ost.encoder : enc->codec ? enc->codec : ff::avcodec_find_encoder(enc->codec_id);
        const std::string where = FormatText("output stream #%d.%d (%s)", FJoinMode ? 0 : ost.file_index, ost.index,
                                             MediaTypeName(enc->codec_type).c_str());
        if (!codec) {
            LogStreamMapping();
            const std::string message = FormatText("Encoder (codec id %d) not found for ", enc->codec_id) + where;
            LogError(message);
            throw FFmpegException(message);
        }
        int ret;
        {
            std::lock_guard<CriticalSection> guard(CodecLock());
            if (FJoinMode)
                ost.codec_id = enc->codec_id;
            ret = ff::avcodec_open2(enc, codec, nullptr);
            if (ret >= 0)
                AddCodecItem(FEncoderList, ost.enc_slot);
        }
        if (ret < 0) {
            LogStreamMapping();
            const std::string message =
                "Error while opening encoder for " + where
                + " - maybe incorrect parameters such as bit_rate, rate, width or height. Please check error log "
                  "message to find out more detail information.";
            LogError(message);
            throw FFmpegException(message);
        }
        Fextra_size += enc->extradata_size;
        if (ff::avcodec_parameters_from_context(ost.st->codecpar, enc) < 0)
            throw FFmpegException("av_mallocz fail");
        ost.st->time_base = enc->time_base;
    }
}

void TCustomFFmpeg::OpenDecoders()
{
    for (auto& record : Fist_table) {
        TAVInputStream& ist = *record;
        if (!ist.decoding_needed)
            continue;
        AVCodecContext* dec = ist.dec();
        const AVCodec* codec = ist.decoder ? ist.decoder : ff::avcodec_find_decoder(dec->codec_id);
        const std::string where =
            FormatText("input stream #%d.%d (%s)", ist.file_index, ist.index, MediaTypeName(dec->codec_type).c_str());
        if (!codec) {
            LogStreamMapping();
            const std::string message = FormatText("Decoder (codec id %d) not found for ", dec->codec_id) + where;
            LogError(message);
            throw FFmpegException(message);
        }
        int ret;
        {
            std::lock_guard<CriticalSection> guard(CodecLock());
            ret = ff::avcodec_open2(dec, codec, nullptr);
            if (ret >= 0)
                AddCodecItem(FDecoderList, ist.dec_slot);
        }
        if (ret < 0) {
            LogStreamMapping();
            const std::string message = "Error while opening decoder for " + where;
            LogError(message);
            throw FFmpegException(message);
        }
    }
}

void TCustomFFmpeg::CloseEncoders()
{
    const int count = EncoderCount();
    for (int i = 0; i < count; ++i) {
        TAVOutputStream& ost = *Fost_table[i];
        if (!ost.encoding_needed || !ost.enc())
            continue;
        std::lock_guard<CriticalSection> guard(CodecLock());
        ff::av_freep(&ost.enc()->stats_in);
        RemoveCodecItem(FEncoderList, ost.enc_slot);
        ff::avcodec_free_context(ost.enc_slot);
    }
}

void TCustomFFmpeg::CloseDecoders()
{
    for (auto& ist : Fist_table) {
        if (!ist->decoding_needed || !ist->dec())
            continue;
        std::lock_guard<CriticalSection> guard(CodecLock());
        RemoveCodecItem(FDecoderList, ist->dec_slot);
        ff::avcodec_free_context(ist->dec_slot);
    }
}

void TCustomFFmpeg::ReopenEncoders()
{
    // A drained encoder takes no more pictures or samples; the next input gets a fresh one with
    // the same settings.
    const int count = EncoderCount();
    for (int i = 0; i < count; ++i) {
        TAVOutputStream& ost = *Fost_table[i];
        if (!ost.encoding_needed)
            continue;
        AVCodecContext* old = ost.enc();
        const std::string where = FormatText("output stream #%d.%d (%s)", ost.file_index, ost.index,
                                             MediaTypeName(old->codec_type).c_str());
        const AVCodec* codec = ost.encoder ? ost.encoder : old->codec;
        if (!codec)
            codec = ff::avcodec_find_encoder(ost.codec_id);
        if (!codec)
            throw FFmpegException("Unsupported codec for " + where);
        AVCodecContext* fresh = CloneEncoderSettings(old, codec);
        if (!fresh)
            throw FFmpegException("av_mallocz fail");
        fresh->stats_in = old->stats_in;
        old->stats_in = nullptr;
        int ret;
        {
            std::lock_guard<CriticalSection> guard(CodecLock());
            RemoveCodecItem(FEncoderList, ost.enc_slot);
            ff::avcodec_free_context(ost.enc_slot);
            *ost.enc_slot = fresh;
            fresh->codec_id = ost.codec_id;
            ret = ff::avcodec_open2(fresh, codec, nullptr);
            if (ret >= 0)
                AddCodecItem(FEncoderList, ost.enc_slot);
        }
        if (ret < 0)
            throw FFmpegException("Error while opening codec for " + where
                                  + " - maybe incorrect parameters such as bit_rate, rate, width or height");
    }
}
