#pragma once
// The entry slots: one pointer per entry point of FFmpeg, the C runtime and SDL that the engine
// calls, typed from the library's own header and null until the loader binds it. The lists live
// in engine/entries/, one file per library, so a new entry is one line there.

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavcodec/avfft.h>
#include <libavcodec/bsf.h>
#include <libavfilter/avfilter.h>
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
#include <libavformat/avformat.h>
#include <libavformat/avio.h>
#include <libavutil/audio_fifo.h>
#include <libavutil/avstring.h>
#include <libavutil/avutil.h>
#include <libavutil/channel_layout.h>
#include <libavutil/dict.h>
#include <libavutil/display.h>
#include <libavutil/error.h>
#include <libavutil/fifo.h>
#include <libavutil/frame.h>
#include <libavutil/imgutils.h>
#include <libavutil/log.h>
#include <libavutil/mathematics.h>
#include <libavutil/mem.h>
#include <libavutil/opt.h>
#include <libavutil/parseutils.h>
#include <libavutil/pixdesc.h>
#include <libavutil/samplefmt.h>
#include <libavutil/time.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace ff {

#define ZD_ENTRY(name) inline decltype(&::name) name = nullptr;
#include "engine/entries/avutil.inc"
#include "engine/entries/swresample.inc"
#include "engine/entries/avcodec.inc"
#include "engine/entries/avformat.inc"
#include "engine/entries/swscale.inc"
#include "engine/entries/avfilter.inc"
#include "engine/entries/libc.inc"
#include "engine/entries/sdl.inc"
#undef ZD_ENTRY

} // namespace ff
