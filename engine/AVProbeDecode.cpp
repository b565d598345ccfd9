// The probe's picture work on a file it opened itself: seeking, decoding and stepping.

#include "engine/AVProbe.h"

#include "engine/EngineUtils.h"
#include "engine/FFUtils.h"
#include "engine/FFmpegEntries.h"
#include "engine/FFmpegLoader.h"
#include "engine/FFmpegLogger.h"
#include "platform/kernel/Exceptions.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <strings.h>

namespace {

std::string Printf(const char* format, auto... args)
{
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, format, args...);
    return buffer;
}

// How many steps back the previous-key-frame search takes at most. Each step moves the seek
// target one frame further back; a key frame lies within one group of pictures, far fewer
// frames than this.
constexpr std::int64_t kMaxKeyFrameSteps = 4096;

} // namespace

TAVProbe::TAVProbe()
{
    TAVProbe::ReadFileInfo();
}

TAVProbe::~TAVProbe()
{
    TAVProbe::CloseFile();
    // A probe whose libraries never loaded holds nothing to free (and has no entry to call).
    if (FPicture.Buffer)
        ff::av_freep(&FPicture.Buffer);
    FPicture.Size = 0;
    if (FFrame)
        ff::av_frame_free(&FFrame);
    if (FPacket)
        ff::av_packet_free(&FPacket);
}

void TAVProbe::ReadFileInfo()
{
    TCustomAVProbe::ReadFileInfo();
    FSeekIndex = FFirstVideoStreamIndex >= 0 ? FFirstVideoStreamIndex : FFirstAudioStreamIndex;
    if (!FFileHandle)
        return;
    const std::int64_t start =
        FSeekIndex >= 0 ? FFileHandle->streams[FSeekIndex]->start_time : FFileHandle->start_time;
    FStartTime = start == AV_NOPTS_VALUE ? 0 : start;
}

void TAVProbe::CloseFile()
{
    FSeekIndex = -1;
    FStartTime = -1;
    FDecodeIndex = -1;
    FEOF = false;
    FDraining = false;
    ResetPicture();
    FLastPTS = NoValueTime;
    FLastPos = -1;
    CloseDecoder();
    FreeRGBContext(FRGBContext);
    TCustomAVProbe::CloseFile();
}

void TAVProbe::CloseDecoder()
{
    if (!FCodec)
        return;
    std::lock_guard<CriticalSection> guard(CodecLock());
    ff::avcodec_free_context(&FCodec);
    FCodecStream = -1;
}

bool TAVProbe::CheckOwnHandle()
{
    if (!HasFile())
        return false;
    if (!FOwnHandle) {
        const std::string message = "file cannot be seeked, handle is readonly.";
        ReportMessage(AV_LOG_WARNING, message);
        throw Exception(message);
    }
    return true;
}

bool TAVProbe::IsImage2()
{
    return FFileHandle->iformat && strcasecmp(FFileHandle->iformat->name, "image2") == 0;
}

bool TAVProbe::CanSeek()
{
    if (!CheckOwnHandle())
        return false;
    if (IsImage2()) {
        ReportMessage(AV_LOG_INFO, "\"image2\" format cannot to be seeked.");
        return false;
    }
    return true;
}

int TAVProbe::SelectDecodeStream(int AStreamIndex)
{
    if (!CheckOwnHandle())
        return -1;
    int index = AStreamIndex;
    if (index < 0) {
        index = FDecodeIndex >= 0 ? FDecodeIndex : FFirstVideoStreamIndex;
        if (index < 0) {
            ReportMessage(AV_LOG_ERROR, "no video stream.");
            return -1;
        }
    } else if (index >= FStreamCount) {
        ReportMessage(AV_LOG_ERROR, Printf("stream index #%d is invalid.", index));
        return -1;
    } else if (FFileHandle->streams[index]->codecpar->codec_type != AVMEDIA_TYPE_VIDEO) {
        ReportMessage(AV_LOG_ERROR, Printf("stream #%d is not video stream.", index));
        return -1;
    }
    if (index != FDecodeIndex)
        ResetPicture();
    FDecodeIndex = index;
    return index;
}

void TAVProbe::ResetPicture()
{
    if (FPicture.PTS != NoValueTime)
        FLastPTS = FPicture.PTS;
    if (FPicture.Position != -1)
        FLastPos = FPicture.Position;
    FPicture.PixFmt = FPicture.Width = FPicture.Height = -1;
    FPicture.IsKeyFrame = false;
    FPicture.PictureType = ptUnknown;
    FPicture.PTS = FPicture.OriginalDTS = FPicture.OriginalPTS = NoValueTime;
    FPicture.StreamIndex = -1;
    FPicture.Position = -1;
    FPicture.Ready = false;
}

AVCodecContext* TAVProbe::OpenDecoder(int AStreamIndex)
{
    const AVStream* st = FFileHandle->streams[AStreamIndex];
    const AVCodecParameters* par = st->codecpar;
    if (par->width == 0 || par->height == 0) {
        ReportMessage(AV_LOG_ERROR, "frame size of codec is invalid.");
        return nullptr;
    }
    if (FCodec && FCodecStream == AStreamIndex)
        return FCodec;
    CloseDecoder();
    FDraining = false;

    const AVCodec* decoder = ff::avcodec_find_decoder(par->codec_id);
    if (!decoder) {
        ReportMessage(AV_LOG_ERROR, Printf("Unsupported codec (id=%d) for input file stream #%d",
                                           static_cast<int>(par->codec_id), AStreamIndex));
        return nullptr;
    }
    AVCodecContext* codec = ff::avcodec_alloc_context3(decoder);
    bool opened = false;
    if (codec && ff::avcodec_parameters_to_context(codec, par) >= 0) {
        codec->pkt_timebase = st->time_base;
        std::lock_guard<CriticalSection> guard(CodecLock());
        opened = ff::avcodec_open2(codec, decoder, nullptr) >= 0;
    }
    if (!opened) {
        if (codec) {
            std::lock_guard<CriticalSection> guard(CodecLock());
            ff::avcodec_free_context(&codec);
        }
        ReportMessage(AV_LOG_ERROR, Printf("Error while opening codec for input file stream #%d", AStreamIndex));
        return nullptr;
    }
    FCodec = codec;
    FCodecStream = AStreamIndex;
    return FCodec;
}

std::int64_t TAVProbe::ReaderPosition() const
{
    return FFileHandle && FFileHandle->pb ? ff::avio_seek(FFileHandle->pb, 0, SEEK_CUR) : -1;
}

bool TAVProbe::Decode(int AStreamIndex)
{
    const int index = SelectDecodeStream(AStreamIndex);
    if (index < 0)
        return false;
    // A still image is decoded once.
    if (FPicture.Ready && IsImage2())
        return true;
    if (FEOF) {
        ReportMessage(AV_LOG_INFO, "stream eof reached.");
        return false;
    }
    if (!OpenDecoder(index))
        return false;
    if (!FFrame)
        FFrame = ff::av_frame_alloc();
    if (!FPacket)
        FPacket = ff::av_packet_alloc();
    if (!FFrame || !FPacket) {
        ReportMessage(AV_LOG_ERROR, "out of memory.");
        return false;
    }
    const std::int64_t pos = ReaderPosition();

    for (;;) {
        const int received = ff::avcodec_receive_frame(FCodec, FFrame);
        if (received >= 0) {
            GetLogger().Log(this, llDebug, "pkt.st_idx=%d, dts=%lld, pts=%lld, flags=%d, pict_type=%d", index,
                            static_cast<long long>(FFrame->pkt_dts), static_cast<long long>(FFrame->pts),
                            FFrame->flags, static_cast<int>(FFrame->pict_type));
            StorePicture(FFrame, pos);
            ff::av_frame_unref(FFrame);
            return true;
        }
        if (received == AVERROR_EOF || (received == AVERROR(EAGAIN) && FDraining)) {
            ReportMessage(AV_LOG_INFO, "stream eof reached.");
            FEOF = true;
            return false;
        }
        // The decoder wants more input (or refused a broken picture): the next packet.
        if (ff::av_read_frame(FFileHandle, FPacket) < 0) {
            // The pictures the decoder still holds come out before the end is reported.
            ff::avcodec_send_packet(FCodec, nullptr);
            FDraining = true;
            continue;
        }
        if (FPacket->stream_index == index)
            ff::avcodec_send_packet(FCodec, FPacket);
        ff::av_packet_unref(FPacket);
    }
}

void TAVProbe::StorePicture(const AVFrame* frame, std::int64_t pos)
{
    const AVPixelFormat format = static_cast<AVPixelFormat>(frame->format);
    const int size = ff::av_image_get_buffer_size(format, frame->width, frame->height, 1);
    if (size > FPicture.Size) {
        ff::av_freep(&FPicture.Buffer);
        FPicture.Size = 0;
        FPicture.Buffer = static_cast<std::uint8_t*>(ff::av_malloc(static_cast<size_t>(size)));
        if (FPicture.Buffer)
            FPicture.Size = size;
    }

    const std::int64_t previousPTS = FPicture.PTS;
    const std::int64_t previousPos = FPicture.Position;
    FPicture.PixFmt = format;
    FPicture.Colours = FrameColours(frame);
    FPicture.Width = frame->width;
    FPicture.Height = frame->height;
    FPicture.IsKeyFrame = frame->key_frame == 1;
    const int type = static_cast<int>(frame->pict_type);
    FPicture.PictureType = type >= 0 && type <= ptBI ? static_cast<TPictureType>(type) : ptUnknown;

    // The library's best guess of the picture's own time: its reordered presentation stamp, else
    // the decoding stamp of the packet it came from.
    std::int64_t stamp = frame->best_effort_timestamp;
    if (previousPTS != NoValueTime)
        FLastPTS = previousPTS;
    if (stamp == AV_NOPTS_VALUE) {
        FPicture.PTS = NoValueTime;
    } else {
        const AVStream* st = FFileHandle->streams[FDecodeIndex];
        if (st->start_time != AV_NOPTS_VALUE)
            stamp -= st->start_time;
        FPicture.PTS = ff::av_rescale_q(stamp, st->time_base, AV_TIME_BASE_Q);
        ff::av_log(nullptr, AV_LOG_DEBUG, "decode PTS: %0.3f\n", FPicture.PTS / 1000000.0);
    }
    FPicture.OriginalDTS = frame->pkt_dts;
    FPicture.OriginalPTS = frame->pts;
    FPicture.StreamIndex = FDecodeIndex;
    if (previousPos != -1)
        FLastPos = previousPos;
    FPicture.Position = pos;

    if (!FPicture.Buffer) {
        FPicture.Ready = false;
        ReportMessage(AV_LOG_ERROR, "out of memory.");
        return;
    }
    ff::av_image_fill_arrays(FPicture.Picture.data, FPicture.Picture.linesize, FPicture.Buffer, format,
                             frame->width, frame->height, 1);
    ff::av_image_copy(FPicture.Picture.data, FPicture.Picture.linesize, const_cast<const std::uint8_t**>(frame->data),
                      frame->linesize, format, frame->width, frame->height);
    FPicture.Ready = true;
}

bool TAVProbe::Seek(std::int64_t APTS, TSeekFlags ASeekFlags)
{
    if (!CanSeek())
        return false;
    AVIOContext* pb = FFileHandle->pb;
    if (pb)
        ReportMessage(AV_LOG_DEBUG, Printf("currunt position %lld bytes", static_cast<long long>(ReaderPosition())));

    const bool byBytes = ASeekFlags.Contains(sfByte);
    std::int64_t target = APTS < 0 ? 0 : APTS;
    if (!byBytes) {
        if (FSeekIndex >= 0)
            target = ff::av_rescale_q(target, AV_TIME_BASE_Q, FFileHandle->streams[FSeekIndex]->time_base);
        if (FStartTime > 0)
            target += FStartTime;
    }
    if (FCodec)
        ff::avcodec_flush_buffers(FCodec);
    FEOF = false;
    FDraining = false;
    ResetPicture();

    const int flags = SeekFlagsToInt(ASeekFlags);
    int ret;
    if (APTS > 0) {
        ret = ff::av_seek_frame(FFileHandle, FSeekIndex, target, flags);
    } else {
        ret = ff::av_seek_frame(FFileHandle, FSeekIndex, 0, flags | AVSEEK_FLAG_BACKWARD);
        if (ret < 0)
            ret = ff::av_seek_frame(FFileHandle, FSeekIndex, APTS, flags & ~AVSEEK_FLAG_BACKWARD);
    }
    bool result = ret >= 0;
    if (!result) {
        ReportMessage(AV_LOG_ERROR, byBytes ? Printf("could not seek to position %lld bytes", static_cast<long long>(APTS))
                                            : Printf("could not seek to position %0.3f seconds", APTS / 1000000.0));
    } else if (pb) {
        ReportMessage(AV_LOG_DEBUG, Printf("seek to position %lld bytes", static_cast<long long>(ReaderPosition())));
    }
    if (pb && ff::avio_feof(pb)) {
        if (result)
            ReportMessage(AV_LOG_INFO, "stream eof reached.");
        result = false;
        FEOF = true;
    }
    return result;
}

std::int64_t TAVProbe::StreamFrameDuration(int AStreamIndex) const
{
    return FrameDuration(FFileHandle->streams[AStreamIndex]->r_frame_rate);
}

bool TAVProbe::DecodeNextKeyFrame(int AStreamIndex)
{
    const int index = SelectDecodeStream(AStreamIndex);
    if (index < 0)
        return false;
    std::int64_t target = StreamFrameDuration(index);
    if (FPicture.PTS > 0)
        target += FPicture.PTS;
    return Seek(target, {}) && Decode(index);
}

bool TAVProbe::DecodePreviousFrame(int AStreamIndex)
{
    const int index = SelectDecodeStream(AStreamIndex);
    if (index < 0)
        return false;
    const std::int64_t d = StreamFrameDuration(index);
    const std::int64_t ref = FPicture.PTS != NoValueTime ? FPicture.PTS : FLastPTS != NoValueTime ? FLastPTS : 0;
    const std::int64_t target = ref - 2 * d;
    if (!DecodePreviousKeyFrame(index))
        return false;
    while (!(FPicture.PTS > target))
        if (!Decode(index))
            return false;
    return true;
}

bool TAVProbe::DecodePreviousKeyFrame(int AStreamIndex)
{
    const int index = SelectDecodeStream(AStreamIndex);
    if (index < 0)
        return false;
    const std::int64_t d = StreamFrameDuration(index);
    std::int64_t ref = 0;
    if (FPicture.PTS != NoValueTime)
        ref = FPicture.PTS;
    else if (FLastPTS != NoValueTime)
        ref = FLastPTS;
    else if (FFileHandle->duration != AV_NOPTS_VALUE)
        ref = FFileHandle->duration;
    const std::int64_t pos = FPicture.Position >= 0 ? FPicture.Position : FLastPos;

    // Each step seeks one frame further back, until a picture before ref comes out. Once the
    // target lies before the start of the stream, further steps cannot find anything earlier:
    // the search ends there (a stream whose first picture is stamped after 0 would otherwise
    // step back for ever).
    for (std::int64_t n = 1; n <= kMaxKeyFrameSteps; ++n) {
        const bool withinStream = n * d <= ref;
        Seek(ref - n * d, {sfBackward});
        if (FFileHandle->pb && withinStream && pos > 0 && ReaderPosition() >= pos)
            continue;  // the seek did not land before the current picture
        if (Decode(index)) {
            if (FPicture.PTS < ref || FPicture.PTS <= 0)
                return true;
            if (!withinStream)
                break;
        } else if (!withinStream) {
            break;
        }
    }
    FLastErrMsg = "Could not seek to the previous key-frame. " + FLastErrMsg;
    return false;
}

bool TAVProbe::CopyToBitmap(TFFPicture& ABitmap)
{
    if (!FPicture.Ready) {
        ReportMessage(AV_LOG_ERROR, "picture not ready, please decode first");
        return false;
    }
    const bool converted = PictureToBitmap(FRGBContext, FPicture.Picture.data, FPicture.Picture.linesize,
                                           static_cast<AVPixelFormat>(FPicture.PixFmt), FPicture.Width,
                                           FPicture.Height, FPicture.Colours);
    if (converted) {
        ABitmap = *FRGBContext.Bitmap;
        return true;
    }
    ABitmap.Width = FPicture.Width;
    ABitmap.Height = FPicture.Height;
    ABitmap.Pixels.assign(static_cast<size_t>(FPicture.Width) * FPicture.Height * 4, 0);
    ff::av_log(nullptr, AV_LOG_ERROR, "convert picture to bitmap failed\n");
    return false;
}

std::int64_t TAVProbe::Position()
{
    if (!HasFile())
        return -1;
    if (!FFileHandle->pb) {
        ReportMessage(AV_LOG_WARNING, "cannot get position");
        return -1;
    }
    return ReaderPosition();
}
