#include "engine/FFOptions.h"

#include "engine/FFmpegEntries.h"
#include "engine/FFmpegLogger.h"

namespace {

bool Blank(const std::string& text)
{
    return text.find_first_not_of(' ') == std::string::npos;
}

// The option of that name the context holds (named constants excluded), or nullptr.
const AVOption* Find(void* context, const char* name, int flags = 0)
{
    return context ? ff::av_opt_find(context, name, nullptr, flags, 0) : nullptr;
}

} // namespace

void InitFFOptions(TFFOptions& options)
{
    options = TFFOptions{};
}

void AllocFFOptions(TFFOptions& options, int swsFlags)
{
    for (int type = 0; type < static_cast<int>(options.avcodec_opts.size()); ++type) {
        AVCodecContext* context = ff::avcodec_alloc_context3(nullptr);
        if (context)
            context->codec_type = static_cast<AVMediaType>(type);
        options.avcodec_opts[type] = context;
    }
    options.avformat_opts = ff::avformat_alloc_context();
    options.sws_opts = ff::sws_getContext(16, 16, AV_PIX_FMT_YUV420P, 16, 16, AV_PIX_FMT_YUV420P,
                                             swsFlags, nullptr, nullptr, nullptr);
}

void FreeFFOptions(TFFOptions& options)
{
    for (AVCodecContext*& context : options.avcodec_opts)
        if (context)
            ff::avcodec_free_context(&context);
    if (options.avformat_opts) {
        ff::avformat_free_context(options.avformat_opts);
        options.avformat_opts = nullptr;
    }
    if (options.sws_opts) {
        ff::sws_freeContext(options.sws_opts);
        options.sws_opts = nullptr;
    }
    options.opt_names.clear();
}

bool SetFFOption(TFFOptions& options, const std::string& name, const std::string& value)
{
    if (Blank(name) || Blank(value) || !options.avcodec_opts[AVMEDIA_TYPE_VIDEO])
        return false;
    const char* key = name.c_str();
    const char* text = value.c_str();

    // Which parameters of the video context's option table each media type's context takes;
    // 0 takes them all.
    static const int kMasks[5] = {AV_OPT_FLAG_VIDEO_PARAM, AV_OPT_FLAG_AUDIO_PARAM, 0,
                                  AV_OPT_FLAG_SUBTITLE_PARAM, 0};
    const AVOption* found = nullptr;
    int ret = 0;
    for (int type = 0; type < 5 && ret >= 0; ++type) {
        if (const AVOption* o = Find(options.avcodec_opts[AVMEDIA_TYPE_VIDEO], key, kMasks[type])) {
            found = o;
            ret = ff::av_opt_set(options.avcodec_opts[type], key, text, 0);
        }
    }
    for (void* context : {static_cast<void*>(options.avformat_opts),
                          static_cast<void*>(options.sws_opts)}) {
        if (found)
            break;
        if ((found = Find(context, key)))
            ret = ff::av_opt_set(context, key, text, 0);
    }
    if (!found) {
        const int kind = name[0] == 'a'   ? AVMEDIA_TYPE_AUDIO
                         : name[0] == 'v' ? AVMEDIA_TYPE_VIDEO
                         : name[0] == 's' ? AVMEDIA_TYPE_SUBTITLE
                                          : -1;
        if (kind >= 0 && (found = Find(options.avcodec_opts[kind], key + 1)))
            ret = ff::av_opt_set(options.avcodec_opts[kind], key + 1, text, 0);
    }
    if (!found)
        return false;
    if (ret < 0) {
        ff::av_log(nullptr, AV_LOG_ERROR, "Invalid value \"%s\" for option \"%s\"\n", text, key);
        return false;
    }
    options.opt_names.emplace_back(found->name);
    if (options.avcodec_opts[AVMEDIA_TYPE_VIDEO]->debug
        || (options.avformat_opts && options.avformat_opts->debug))
        GetLogger().SetLogLevel(llDebug);
    return true;
}

void ApplyFFOptions(const TFFOptions& options, void* target, void* source, int flags)
{
    if (!target || !source)
        return;
    for (const std::string& name : options.opt_names) {
        const AVOption* o = Find(source, name.c_str());
        if (!o || (o->flags & flags) != flags)
            continue;
        std::uint8_t* text = nullptr;
        if (ff::av_opt_get(source, name.c_str(), 0, &text) >= 0 && text)
            ff::av_opt_set(target, name.c_str(), reinterpret_cast<const char*>(text), 0);
        ff::av_free(text);
    }
}
