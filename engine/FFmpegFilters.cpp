#include "engine/FFmpeg.h"

#include "engine/FFUtils.h"
#include "engine/FFmpegEntries.h"

#include <algorithm>
#include <cstdio>

namespace {

template <typename... Args>
std::string Format(const char* format, Args... args)
{
    char text[256];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

} // namespace

int TCustomFFmpeg::ConfigureFilters(const AVCodecContext* dec, AVRational time_base, AVCodecContext* enc,
                                    const TCropBands& bands, TVideoFilterEnds& ends, const TUprightFilters& upright)
{
    AVFilterGraph* graph = ff::avfilter_graph_alloc();
    if (!graph)
        return -1;
    FGraphs.push_back(graph);

    auto failed = [this](const std::string& step, int code) {
        FLastErrMsg = ErrorCodeToStr(step, code);
        return -1;
    };
    // Creates a filter of the graph and links the last one to it.
    AVFilterContext* last = nullptr;
    auto append = [&](const char* filterName, const std::string& args) {
        AVFilterContext* filter = nullptr;
        int ret = ff::avfilter_graph_create_filter(
            &filter, ff::avfilter_get_by_name(filterName), filterName, args.c_str(), nullptr,
            graph);
        if (ret >= 0 && last)
            ret = ff::avfilter_link(last, 0, filter, 0);
        if (ret >= 0)
            last = filter;
        return ret;
    };

    if (time_base.num <= 0 || time_base.den <= 0)
        time_base = AVRational{1, 1000000};
    const AVRational sar = dec->sample_aspect_ratio.num ? dec->sample_aspect_ratio : AVRational{0, 1};
    if (int ret = append("buffer", Format("video_size=%dx%d:pix_fmt=%d:time_base=%d/%d:pixel_aspect=%d/%d",
                                          dec->width, dec->height, dec->pix_fmt, time_base.num,
                                          time_base.den, sar.num, sar.den));
        ret < 0)
        return failed("buffer", ret);
    AVFilterContext* source = last;

    AVFilterContext* sink = ff::avfilter_graph_alloc_filter(
        graph, ff::avfilter_get_by_name("buffersink"), "out");
    if (!sink)
        return failed("buffersink", AVERROR(ENOMEM));
    const AVPixelFormat formats[] = {enc->pix_fmt, AV_PIX_FMT_NONE};
    if (int ret = ff::av_opt_set_bin(sink, "pix_fmts", reinterpret_cast<const uint8_t*>(formats),
                                        sizeof(AVPixelFormat), AV_OPT_SEARCH_CHILDREN);
        ret < 0 || (ret = ff::avfilter_init_str(sink, nullptr)) < 0)
        return failed("buffersink", ret);

    // The picture is turned upright first ("name=arguments" filters joined by ","); the crop
    // window is taken from the upright picture; scaling to the encoder's size follows.
    const std::string& chain = upright.Filters;
    for (size_t start = 0; start < chain.size();) {
        const size_t end = std::min(chain.find(',', start), chain.size());
        const std::string filter = chain.substr(start, end - start);
        const size_t equals = filter.find('=');
        const std::string name = filter.substr(0, equals);
        if (int ret = append(name.c_str(), equals == std::string::npos ? "" : filter.substr(equals + 1)); ret < 0)
            return failed(name, ret);
        start = end + 1;
    }
    const int width = (upright.SwapsSides ? dec->height : dec->width) - bands.left - bands.right;
    const int height = (upright.SwapsSides ? dec->width : dec->height) - bands.top - bands.bottom;
    if (bands.top || bands.bottom || bands.left || bands.right) {
        if (int ret = append("crop", Format("x=%d:y=%d:w=%d:h=%d", bands.left, bands.top, width, height));
            ret < 0)
            return failed("crop", ret);
    }
    std::int64_t swsFlags = Fsws_flags;
    if (FOptions.sws_opts)
        ff::av_opt_get_int(FOptions.sws_opts, "sws_flags", 0, &swsFlags);
    if (enc->width != width || enc->height != height) {
        if (int ret = append("scale", Format("w=%d:h=%d:flags=0x%X", enc->width, enc->height,
                                             static_cast<unsigned>(swsFlags)));
            ret < 0)
            return failed("scale", ret);
    }
    graph->scale_sws_opts =
        ff::av_strdup(Format("flags=0x%X", static_cast<unsigned>(swsFlags)).c_str());

    if (!Fvfilters.empty()) {
        AVFilterInOut* outputs = ff::avfilter_inout_alloc();
        AVFilterInOut* inputs = ff::avfilter_inout_alloc();
        int ret = AVERROR(ENOMEM);
        if (outputs && inputs) {
            outputs->name = ff::av_strdup("in");
            outputs->filter_ctx = last;
            outputs->pad_idx = 0;
            inputs->name = ff::av_strdup("out");
            inputs->filter_ctx = sink;
            inputs->pad_idx = 0;
            ret = ff::avfilter_graph_parse_ptr(graph, Fvfilters.c_str(), &inputs, &outputs, nullptr);
        }
        ff::avfilter_inout_free(&inputs);
        ff::avfilter_inout_free(&outputs);
        if (ret < 0)
            return failed(Fvfilters, ret);
    } else if (int ret = ff::avfilter_link(last, 0, sink, 0); ret < 0) {
        return failed("buffersink", ret);
    }
    if (int ret = ff::avfilter_graph_config(graph, nullptr); ret < 0)
        return failed("filter graph", ret);

    enc->width = ff::av_buffersink_get_w(sink);
    enc->height = ff::av_buffersink_get_h(sink);
    ends.input_video_filter = source;
    ends.out_video_filter = sink;
    return 0;
}

int TCustomFFmpeg::ConfigureDeinterlacer(const AVFrame* picture, TVideoFilterEnds& ends)
{
    AVFilterGraph* graph = ff::avfilter_graph_alloc();
    if (!graph)
        return -1;
    FGraphs.push_back(graph);
    const AVRational sar = picture->sample_aspect_ratio.num ? picture->sample_aspect_ratio : AVRational{0, 1};
    AVFilterContext* source = nullptr;
    AVFilterContext* yadif = nullptr;
    AVFilterContext* sink = nullptr;
    const std::string args = Format("video_size=%dx%d:pix_fmt=%d:time_base=1/%d:pixel_aspect=%d/%d", picture->width,
                                    picture->height, picture->format, AV_TIME_BASE, sar.num, sar.den);
    if (ff::avfilter_graph_create_filter(&source, ff::avfilter_get_by_name("buffer"), "src", args.c_str(), nullptr,
                                         graph)
            < 0
        || ff::avfilter_graph_create_filter(&yadif, ff::avfilter_get_by_name("yadif"), "yadif",
                                            "mode=send_frame:parity=auto:deint=all", nullptr, graph)
               < 0
        || ff::avfilter_graph_create_filter(&sink, ff::avfilter_get_by_name("buffersink"), "out", nullptr, nullptr,
                                            graph)
               < 0
        || ff::avfilter_link(source, 0, yadif, 0) < 0 || ff::avfilter_link(yadif, 0, sink, 0) < 0
        || ff::avfilter_graph_config(graph, nullptr) < 0)
        return -1;
    ends.input_video_filter = source;
    ends.out_video_filter = sink;
    return 0;
}
