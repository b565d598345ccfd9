#include "TranscodeConverter.h"

#include "engine/FFmpegLogger.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <mutex>

namespace {

std::mutex logLock;

struct Input {
    explicit Input(const std::string& fileName)
    {
        if (ff::avformat_open_input(&ic, fileName.c_str(), nullptr, nullptr) < 0)
            ic = nullptr;
        else if (ff::avformat_find_stream_info(ic, nullptr) < 0)
            ff::avformat_close_input(&ic);
    }
    ~Input() { ff::avformat_close_input(&ic); }
    AVFormatContext* ic = nullptr;
};

// Decodes every frame of the first stream of the type and hands it to the visitor.
template <typename Visit>
void DecodeFirst(const std::string& fileName, AVMediaType type, Visit visit)
{
    Input in(fileName);
    if (!in.ic)
        return;
    const int index = ff::av_find_best_stream(in.ic, type, -1, -1, nullptr, 0);
    if (index < 0)
        return;
    const AVStream* st = in.ic->streams[index];
    AVCodecContext* dec = ff::avcodec_alloc_context3(ff::avcodec_find_decoder(st->codecpar->codec_id));
    ff::avcodec_parameters_to_context(dec, st->codecpar);
    dec->pkt_timebase = st->time_base;
    if (ff::avcodec_open2(dec, nullptr, nullptr) < 0) {
        ff::avcodec_free_context(&dec);
        return;
    }
    AVPacket* pkt = ff::av_packet_alloc();
    AVFrame* frame = ff::av_frame_alloc();
    auto receive = [&] {
        while (ff::avcodec_receive_frame(dec, frame) >= 0) {
            visit(frame);
            ff::av_frame_unref(frame);
        }
    };
    while (ff::av_read_frame(in.ic, pkt) >= 0) {
        if (pkt->stream_index == index && ff::avcodec_send_packet(dec, pkt) >= 0)
            receive();
        ff::av_packet_unref(pkt);
    }
    ff::avcodec_send_packet(dec, nullptr);
    receive();
    ff::av_frame_free(&frame);
    ff::av_packet_free(&pkt);
    ff::avcodec_free_context(&dec);
}

} // namespace

MediaInfo Probe(const std::string& fileName)
{
    MediaInfo info;
    Input in(fileName);
    if (!in.ic)
        return info;
    info.opened = true;
    info.format = in.ic->iformat->name;
    info.duration = in.ic->duration > 0 ? static_cast<double>(in.ic->duration) / AV_TIME_BASE : 0;
    for (unsigned i = 0; i < in.ic->nb_streams; ++i) {
        const AVCodecParameters* par = in.ic->streams[i]->codecpar;
        StreamInfo s;
        s.type = par->codec_type;
        s.codec = ff::avcodec_get_name(par->codec_id);
        s.width = par->width;
        s.height = par->height;
        if (par->codec_type == AVMEDIA_TYPE_VIDEO)
            s.pix_fmt = par->format;
        s.sample_rate = par->sample_rate;
        s.channels = par->ch_layout.nb_channels;
        s.time_base = in.ic->streams[i]->time_base;
        s.avg_frame_rate = in.ic->streams[i]->avg_frame_rate;
        info.streams.push_back(s);
    }
    AVPacket* pkt = ff::av_packet_alloc();
    while (ff::av_read_frame(in.ic, pkt) >= 0) {
        StreamInfo& s = info.streams[static_cast<size_t>(pkt->stream_index)];
        s.packets++;
        s.pts.push_back(pkt->pts != AV_NOPTS_VALUE ? pkt->pts : pkt->dts);
        s.durations.push_back(pkt->duration);
        ff::av_packet_unref(pkt);
    }
    ff::av_packet_free(&pkt);
    for (StreamInfo& s : info.streams) {
        if (s.pts.empty())
            continue;
        std::int64_t first = INT64_MAX;
        std::int64_t last = INT64_MIN;
        for (size_t k = 0; k < s.pts.size(); ++k) {
            first = std::min(first, s.pts[k]);
            last = std::max(last, s.pts[k] + s.durations[k]);
        }
        s.start = static_cast<double>(first) * av_q2d(s.time_base);
        s.duration = static_cast<double>(last - first) * av_q2d(s.time_base);
    }
    return info;
}

std::vector<Picture> DecodePictures(const std::string& fileName)
{
    std::vector<Picture> pictures;
    DecodeFirst(fileName, AVMEDIA_TYPE_VIDEO, [&](const AVFrame* frame) {
        Picture p;
        p.width = frame->width;
        p.height = frame->height;
        p.luma.resize(static_cast<size_t>(p.width) * p.height);
        for (int y = 0; y < p.height; ++y)
            std::copy_n(frame->data[0] + static_cast<std::ptrdiff_t>(y) * frame->linesize[0], p.width,
                        p.luma.begin() + static_cast<std::ptrdiff_t>(y) * p.width);
        pictures.push_back(std::move(p));
    });
    return pictures;
}

Sound DecodeSound(const std::string& fileName)
{
    Sound sound;
    DecodeFirst(fileName, AVMEDIA_TYPE_AUDIO, [&](const AVFrame* frame) {
        sound.sample_rate = frame->sample_rate;
        sound.channels = frame->ch_layout.nb_channels;
        const auto format = static_cast<AVSampleFormat>(frame->format);
        const bool planar = ff::av_sample_fmt_is_planar(format);
        const int bytes = ff::av_get_bytes_per_sample(format);
        for (int i = 0; i < frame->nb_samples; ++i) {
            for (int c = 0; c < sound.channels; ++c) {
                const std::uint8_t* p = planar ? frame->extended_data[c] + static_cast<ptrdiff_t>(i) * bytes
                                               : frame->extended_data[0]
                                                     + (static_cast<ptrdiff_t>(i) * sound.channels + c) * bytes;
                double v = 0;
                switch (ff::av_get_packed_sample_fmt(format)) {
                case AV_SAMPLE_FMT_U8: v = (*p - 128) / 128.0; break;
                case AV_SAMPLE_FMT_S16: v = *reinterpret_cast<const std::int16_t*>(p) / 32768.0; break;
                case AV_SAMPLE_FMT_S32: v = *reinterpret_cast<const std::int32_t*>(p) / 2147483648.0; break;
                case AV_SAMPLE_FMT_FLT: v = *reinterpret_cast<const float*>(p); break;
                case AV_SAMPLE_FMT_DBL: v = *reinterpret_cast<const double*>(p); break;
                default: break;
                }
                sound.samples.push_back(v);
            }
        }
    });
    return sound;
}

void TranscodeTest::SetUp()
{
    ConverterLibrariesTest::SetUp();
    GetLogger().SetLogLevel(llVerbose);
    // Workers log without waiting for the main thread, which may be busy waiting for them.
    GetLogger().SetTriggerEventInMainThread(false);
    GetLogger().SetOnLog([this](const void*, std::uint32_t, TLogLevel level, const std::string& text) {
        std::lock_guard<std::mutex> guard(logLock);
        log.push_back(std::to_string(level) + " " + text);
    });
}

void TranscodeTest::TearDown()
{
    GetLogger().SetOnLog(nullptr);
    GetLogger().SetTriggerEventInMainThread(true);
    GetLogger().SetLogLevel(llInfo);
}

bool TranscodeTest::Logged(const std::string& text) const
{
    std::lock_guard<std::mutex> guard(logLock);
    return std::any_of(log.begin(), log.end(),
                       [&](const std::string& line) { return line.find(text) != std::string::npos; });
}

void WriteTone(const std::string& fileName, std::uint32_t rate, int channels, int samples)
{
    std::ofstream out(fileName, std::ios::binary);
    auto put = [&](std::uint64_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
    };
    const std::uint64_t data = static_cast<std::uint64_t>(samples) * channels * 2;
    out.write("RIFF", 4);
    put(36 + data, 4);
    out.write("WAVEfmt ", 8);
    put(16, 4);
    put(1, 2);
    put(static_cast<std::uint64_t>(channels), 2);
    put(rate, 4);
    put(static_cast<std::uint64_t>(rate) * channels * 2, 4);
    put(static_cast<std::uint64_t>(channels) * 2, 2);
    put(16, 2);
    out.write("data", 4);
    put(data, 4);
    for (int i = 0; i < samples; ++i) {
        const double v = 0.5 * std::sin(2 * M_PI * 440.0 * i / rate);
        for (int c = 0; c < channels; ++c)
            put(static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(v * 32767))), 2);
    }
}

void WriteRawVideo(const std::string& fileName, int width, int height, int packets, int packetBytes)
{
    AVFormatContext* oc = nullptr;
    ASSERT_GE(ff::avformat_alloc_output_context2(&oc, nullptr, "matroska", fileName.c_str()), 0);
    AVStream* st = ff::avformat_new_stream(oc, nullptr);
    ASSERT_NE(nullptr, st);
    st->time_base = AVRational{1, 25};
    st->codecpar->codec_type = AVMEDIA_TYPE_VIDEO;
    st->codecpar->codec_id = AV_CODEC_ID_RAWVIDEO;
    st->codecpar->codec_tag = 0x30323449;  // I420
    st->codecpar->format = AV_PIX_FMT_YUV420P;
    st->codecpar->width = width;
    st->codecpar->height = height;
    ASSERT_GE(ff::avio_open(&oc->pb, fileName.c_str(), AVIO_FLAG_WRITE), 0);
    ASSERT_GE(ff::avformat_write_header(oc, nullptr), 0);
    AVPacket* pkt = ff::av_packet_alloc();
    for (int i = 0; i < packets; ++i) {
        ASSERT_GE(ff::av_new_packet(pkt, packetBytes), 0);
        std::fill(pkt->data, pkt->data + packetBytes, static_cast<std::uint8_t>(i * 7));
        pkt->pts = pkt->dts = ff::av_rescale_q(i, AVRational{1, 25}, st->time_base);
        pkt->duration = ff::av_rescale_q(1, AVRational{1, 25}, st->time_base);
        pkt->flags |= AV_PKT_FLAG_KEY;
        ASSERT_GE(ff::av_write_frame(oc, pkt), 0);
    }
    ff::av_packet_free(&pkt);
    ff::av_write_trailer(oc);
    ff::avio_closep(&oc->pb);
    ff::avformat_free_context(oc);
}
