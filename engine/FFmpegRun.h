#pragma once
// The records of one conversion run: its input files, input streams and output streams. The
// set-up builds them from the opened files, the packet loop works on them, and they are freed
// when the run ends (also when it fails).

#include <cstdint>
#include <cstdio>
#include <vector>

extern "C" {
#include <libavutil/avutil.h>
}

struct AVAudioFifo;
struct AVBSFContext;
struct AVCodec;
struct AVCodecContext;
struct AVFilterContext;
struct AVFrame;
struct AVStream;
struct SwrContext;
struct SwsContext;

// Crop bands in pixels.
struct TCropBands {
    int top = 0;
    int bottom = 0;
    int left = 0;
    int right = 0;
};

// The two ends of one video filter graph.
struct TVideoFilterEnds {
    AVFilterContext* input_video_filter = nullptr;
    AVFilterContext* out_video_filter = nullptr;
};

struct TAVInputFile {
    int eof_reached = 0;
    // The input's first stream in the input stream table.
    int ist_index = 0;
    int nb_streams = 0;
};

struct TAVInputStream {
    int file_index = 0;
    int index = 0;
    AVStream* st = nullptr;
    // Where the input's opening keeps the stream's decoder context (made from the stream's
    // parameters); the run opens it only when some output stream encodes from it.
    AVCodecContext** dec_slot = nullptr;
    AVCodecContext* dec() const { return dec_slot ? *dec_slot : nullptr; }
    // The decoder forced by name, else none (the library's decoder for the codec).
    const AVCodec* decoder = nullptr;
    int discard = 1;
    int decoding_needed = 0;
    // Wall-clock start (microseconds) for real-time reading.
    std::int64_t start = 0;
    // Expected time of the next decoded data and time of the data in hand (microseconds).
    std::int64_t next_pts = AV_NOPTS_VALUE;
    std::int64_t pts = 0;
    // The packet clock: decoding time of the packet in hand and the one expected next
    // (microseconds); pictures come out of the decoder in another order than packets go in.
    std::int64_t dts = 0;
    std::int64_t next_dts = AV_NOPTS_VALUE;
    int is_start = 1;
    int showed_multi_packet_warning = 0;
    int is_past_recording_time = 0;
    int decoder_flushed = 0;
    // Quality of the last decoded picture (for same-quality encoding).
    int quality = 0;
    // Frames the decoder gave, and the library's code of its last refusal (0: none).
    int frames_decoded = 0;
    int decode_error = 0;
    // The deinterlacer, when pictures are deinterlaced.
    TVideoFilterEnds deinterlacer;
};

// What the encoder said about the last packet it made.
struct TCodedFrame {
    int quality = 0;
    char pict_type = '?';
    bool key_frame = false;
    std::int64_t error[4] = {0, 0, 0, 0};
};

struct TAVOutputStream {
    // The output entry; in join mode also the input that feeds this segment.
    int file_index = 0;
    int index = 0;
    // The entry of the input stream table that feeds it.
    int source_index = 0;
    AVStream* st = nullptr;
    // Where the output's creation keeps the stream's codec context: the encoder's settings, or
    // a copied stream's description. Join segments of one stream share it.
    AVCodecContext** enc_slot = nullptr;
    AVCodecContext* enc() const { return enc_slot ? *enc_slot : nullptr; }
    // The encoder the context was made for (none: the library's for the codec), and the
    // stream's bitstream filters, in order.
    const AVCodec* encoder = nullptr;
    std::vector<AVBSFContext*>* bitstream_filters = nullptr;
    // The quality of quality-based encoding (lambda units), else 0.
    float quality = 0;
    bool stream_copy = false;
    int encoding_needed = 0;
    // Video frames output by an encoded video stream; packets written by a copied stream.
    int frame_number = 0;
    // The input stream whose time drives this stream's timing.
    TAVInputStream* sync_ist = nullptr;
    // Output time counter in encoder time-base units (video: frames; audio: samples).
    std::int64_t sync_opts = 0;
    // End time of the packets written so far, in the stream's time base, and their number.
    std::int64_t end_pts = 0;
    int packets_written = 0;
    int show_fps = 0;

    // Video: scaling, crop, filters.
    int video_resample = 0;
    AVFrame* pict_tmp = nullptr;
    SwsContext* img_resample_ctx = nullptr;
    int resample_height = 0;
    int resample_width = 0;
    int resample_pix_fmt = -1;
    int original_height = 0;
    int original_width = 0;
    int video_crop = 0;
    TCropBands bands;
    TCropBands original_bands;
    TVideoFilterEnds filters;
    TCodedFrame coded_frame;

    // Audio: resampling, sample-format conversion, the encoder's sample queue.
    int audio_resample = 0;
    SwrContext* resample = nullptr;
    int reformat_pair = -1;
    SwrContext* reformat_ctx = nullptr;
    AVAudioFifo* fifo = nullptr;

    // The pass-1 log.
    std::FILE* logfile = nullptr;
};

// The media type of an output stream: its encoder's, or its parameters' for a copied stream.
AVMediaType OutputMediaType(const TAVOutputStream& ost);
