#include "engine/FFmpeg.h"

#include "engine/FFUtils.h"
#include "engine/FFmpegEntries.h"
#include "engine/FFmpegLoader.h"
#include "engine/FormatText.h"

#include <cstring>
#include <mutex>

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
        // Text subtitles are encoded against their decoder's style header.
        const AVCodecContext* dec = Fist_table[ost.source_index]->dec();
        if (enc->codec_type == AVMEDIA_TYPE_SUBTITLE && !enc->subtitle_header && dec->subtitle_header_size > 0) {
            enc->subtitle_header = static_cast<std::uint8_t*>(ff::av_mallocz(dec->subtitle_header_size + 1));
            if (!enc->subtitle_header)
                throw FFmpegException("av_mallocz fail");
            std::memcpy(enc->subtitle_header, dec->subtitle_header, dec->subtitle_header_size);
            enc->subtitle_header_size = dec->subtitle_header_size;
        }
        int ret;
        {
            std::lock_guard<CriticalSection> guard(CodecLock());
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
        // The muxer reads the picture rate from the stream (a frame rate the container records).
        if (enc->codec_type == AVMEDIA_TYPE_VIDEO && enc->framerate.num > 0 && enc->framerate.den > 0)
            ost.st->avg_frame_rate = ost.st->r_frame_rate = enc->framerate;
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
