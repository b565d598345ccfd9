#include "engine/FFmpeg.h"

#include "engine/FFmpegEntries.h"
#include "engine/FFmpegLogger.h"
#include "engine/FormatText.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

struct FrameFree {
    void operator()(AVFrame* frame) const { ff::av_frame_free(&frame); }
};
using FramePtr = std::unique_ptr<AVFrame, FrameFree>;

FramePtr NewFrame()
{
    FramePtr frame(ff::av_frame_alloc());
    if (!frame)
        throw FFmpegException("Out of memory");
    return frame;
}

int EvenDown(int value)
{
    return value & ~1;
}

} // namespace

void TCustomFFmpeg::PrepareDecodedPicture(TAVInputStream& ist, AVFrame* picture)
{
    if (!Fdo_deinterlace) {
        if (picture) {
            RunHooks(picture);
            DispatchVideo(ist, picture);
        }
        return;
    }
    // The deinterlacer keeps one picture back; a null picture drains it.
    TVideoFilterEnds& ends = ist.deinterlacer;
    if (!ends.input_video_filter && picture && ConfigureDeinterlacer(picture, ends) < 0)
        ends = TVideoFilterEnds{};
    if (!ends.input_video_filter
        || ff::av_buffersrc_add_frame_flags(ends.input_video_filter, picture, AV_BUFFERSRC_FLAG_KEEP_REF) < 0) {
        if (picture) {
            LogError("Deinterlacing failed.");
            RunHooks(picture);
            DispatchVideo(ist, picture);
        }
        return;
    }
    const AVRational time_base = ff::av_buffersink_get_time_base(ends.out_video_filter);
    FramePtr out = NewFrame();
    while (!FBroken && ff::av_buffersink_get_frame(ends.out_video_filter, out.get()) >= 0) {
        out->pts = ff::av_rescale_q(out->pts, time_base, AV_TIME_BASE_Q);
        RunHooks(out.get());
        DispatchVideo(ist, out.get());
        ff::av_frame_unref(out.get());
    }
}

void TCustomFFmpeg::RunHooks(AVFrame* picture)
{
    ++FHookFrameNumber;
    if (!FOnCustomHook && !Fusing_vhook)
        return;
    if (ff::av_frame_make_writable(picture) < 0) {
        LogError("hook buf malloc error.");
    } else if (FOnCustomHook) {
        RunCustomHook(picture, picture->pts);
    } else {
        TFrameHookPicture hooked;
        for (int i = 0; i < 4; ++i) {
            hooked.data[i] = picture->data[i];
            hooked.linesize[i] = picture->linesize[i];
        }
        ProcessFrameHooks(FFirstHook, &hooked, picture->format, picture->width, picture->height, picture->pts);
    }
}

void TCustomFFmpeg::RunCustomHook(AVFrame* picture, std::int64_t pts)
{
    const auto format = static_cast<AVPixelFormat>(picture->format);
    const int width = picture->width;
    const int height = picture->height;
    TRGBConvertContext& context = FHookContext;
    bool update = true;
    bool stop = false;
    const TYUVColours colours = FrameColours(picture);
    if (!PictureToBitmap(context, picture->data, picture->linesize, format, width, height, colours)) {
        LogError("Cannot initialize the toRGB conversion context");
        update = false;
        stop = true;
    } else {
        try {
            FOnCustomHook(this, context.Bitmap.get(), FHookFrameNumber, pts, update, stop);
        } catch (const std::exception& e) {
            LogError(std::string("Error occurs OnCustomHook: ") + e.what());
            update = false;
        } catch (...) {
            LogError("Error occurs OnCustomHook: Unknown exception");
            update = false;
        }
    }
    // A bitmap the handler gave another size cannot go back into the picture.
    const TFFPicture* painted = context.Bitmap.get();
    if (update && painted && painted->Width == width && painted->Height == height
        && !BitmapToPicture(context, picture->data, picture->linesize, format, width, height, colours)) {
        LogError("Cannot initialize the fromRGB conversion context");
        stop = true;
    }
    if (stop) {
        FOnCustomHook = nullptr;
        Fusing_vhook = false;
    }
}

int TCustomFFmpeg::EncodeVideoFrame(AVFormatContext* s, TAVOutputStream& ost, TAVInputStream& ist,
                                    const AVFrame* in_picture)
{
    AVCodecContext* enc = ost.enc();
    const double sync_ipts =
        static_cast<double>(ost.sync_ist->pts - Fstart_time) / AV_TIME_BASE / av_q2d(enc->time_base);
    int nb_frames = 1;

    // Keep the output frame rate: duplicate pictures that come late, drop those that come early.
    if (Fvideo_sync_method != 0) {
        const double vdelta = sync_ipts - static_cast<double>(ost.sync_opts);
        const bool variable =
            Fvideo_sync_method == 2 || (Fvideo_sync_method < 0 && (s->oformat->flags & AVFMT_VARIABLE_FPS));
        if (vdelta < -1.1)
            nb_frames = 0;
        else if (variable) {
            if (vdelta <= -0.6)
                nb_frames = 0;
            else if (vdelta > 0.6)
                ost.sync_opts = std::llrint(sync_ipts);
        } else if (vdelta > 1.1)
            nb_frames = static_cast<int>(std::llrint(vdelta));
        if (nb_frames == 0) {
            ++Fnb_frames_drop;
            FShowDupOrDrop = true;
            if (Fverbose > 2)
                LogVerbose("*** drop!");
        } else if (nb_frames > 1) {
            Fnb_frames_dup += nb_frames - 1;
            FShowDupOrDrop = true;
            if (Fverbose > 2)
                LogVerbose(FormatText("*** %d dup!", nb_frames - 1));
        }
    } else {
        ost.sync_opts = std::llrint(sync_ipts);
    }
    nb_frames = std::min(nb_frames, Fmax_frames[skVideo] - ost.frame_number);
    if (nb_frames <= 0)
        return 0;

    const AVFrame* picture = in_picture;
    FramePtr cropped;
    if (!ost.filters.input_video_filter) {
        // A picture of another size or format than at set-up: a scaled stream follows it with crop
        // bands kept in proportion; any other cannot.
        const int width = in_picture->width;
        const int height = in_picture->height;
        const TCropBands& b = ost.bands;
        if (height - b.top - b.bottom != ost.resample_height || width - b.left - b.right != ost.resample_width
            || in_picture->format != ost.resample_pix_fmt) {
            GetLogger().Log(this, llQuiet,
                            FormatText("Input Stream #%d.%d frame size changed to %dx%d, %s", ist.file_index,
                                       ist.index, width, height,
                                       ff::av_get_pix_fmt_name(static_cast<AVPixelFormat>(in_picture->format))));
            if (!ost.video_resample)
                throw FFmpegException("Assertion failure");
            const TCropBands& o = ost.original_bands;
            ost.bands = TCropBands{EvenDown(height * o.top / ost.original_height),
                                   EvenDown(height * o.bottom / ost.original_height),
                                   EvenDown(width * o.left / ost.original_width),
                                   EvenDown(width * o.right / ost.original_width)};
            ost.resample_height = height - ost.bands.top - ost.bands.bottom;
            ost.resample_width = width - ost.bands.left - ost.bands.right;
            ost.resample_pix_fmt = in_picture->format;
            ff::sws_freeContext(ost.img_resample_ctx);
            std::int64_t flags = Fsws_flags;
            if (FOptions.sws_opts)
                ff::av_opt_get_int(FOptions.sws_opts, "sws_flags", 0, &flags);
            Fsws_flags = static_cast<unsigned>(flags);
            ost.img_resample_ctx =
                GetScaler(ost.resample_width, ost.resample_height, static_cast<AVPixelFormat>(ost.resample_pix_fmt),
                          FrameColours(in_picture), enc->width, enc->height, enc->pix_fmt,
                          static_cast<int>(Fsws_flags));
            if (!ost.img_resample_ctx)
                throw FFmpegException("Cannot get resampling context");
        }
        if (ost.video_crop) {
            cropped.reset(ff::av_frame_clone(in_picture));
            if (cropped) {
                cropped->crop_top = ost.bands.top;
                cropped->crop_bottom = ost.bands.bottom;
                cropped->crop_left = ost.bands.left;
                cropped->crop_right = ost.bands.right;
            }
            if (!cropped || ff::av_frame_apply_cropping(cropped.get(), AV_FRAME_CROP_UNALIGNED) < 0) {
                ReportOrRaise("error cropping picture");
                return 0;
            }
            picture = cropped.get();
        }
        if (ost.video_resample) {
            if (ff::av_frame_make_writable(ost.pict_tmp) < 0)
                throw FFmpegException("Cannot allocate temp picture, check pix fmt");
            ff::sws_scale(ost.img_resample_ctx, picture->data, picture->linesize, 0, ost.resample_height,
                          ost.pict_tmp->data, ost.pict_tmp->linesize);
            // The scaled picture keeps the matrix; its range is the encoder's format's.
            const TYUVColours scaled = ScaledColours(FrameColours(picture), enc->pix_fmt);
            ost.pict_tmp->colorspace = scaled.Matrix;
            ost.pict_tmp->color_range = scaled.FullRange ? AVCOL_RANGE_JPEG : AVCOL_RANGE_MPEG;
            picture = ost.pict_tmp;
        }
    }

    int frame_size = 0;
    for (int i = 0; i < nb_frames && !FBroken; ++i) {
        FramePtr frame(ff::av_frame_clone(picture));
        if (!frame)
            throw FFmpegException("Out of memory");
        frame->crop_top = frame->crop_bottom = frame->crop_left = frame->crop_right = 0;
        frame->interlaced_frame = in_picture->interlaced_frame;
        if (enc->flags & (AV_CODEC_FLAG_INTERLACED_DCT | AV_CODEC_FLAG_INTERLACED_ME))
            frame->top_field_first = Ftop_field_first == -1 ? in_picture->top_field_first : Ftop_field_first;
        frame->quality = Fsame_quality ? ist.quality : static_cast<int>(std::lrint(ost.quality));
        if (Fme_threshold == 0)
            frame->pict_type = AV_PICTURE_TYPE_NONE;
        frame->pts = ost.sync_opts;
        const int bytes = EncodeFrame(s, ost, frame.get(), "Video encoding failed");
        if (bytes > 0) {
            if (PostHooks())
                RunPostHooks(frame.get(), ff::av_rescale_q(frame->pts, enc->time_base, AV_TIME_BASE_Q),
                             enc->sample_aspect_ratio);
            frame_size = bytes;
        }
        ost.sync_opts++;
        ost.frame_number++;
    }
    return frame_size;
}

void TCustomFFmpeg::WriteVideoStats(TAVOutputStream& ost, int frame_size)
{
    if (!Fvstats_file) {
        Fvstats_file = std::fopen(Fvstats_filename.c_str(), "w");
        if (!Fvstats_file)
            throw FFmpegException("fopen fail: " + Fvstats_filename);
    }
    const AVCodecContext* enc = ost.enc();
    if (enc->codec_type != AVMEDIA_TYPE_VIDEO)
        return;
    const TCodedFrame& coded = ost.coded_frame;
    std::fprintf(Fvstats_file, "frame= %5d q= %2.1f ", ost.frame_number,
                 static_cast<double>(coded.quality) / FF_QP2LAMBDA);
    if (enc->flags & AV_CODEC_FLAG_PSNR)
        std::fprintf(Fvstats_file, "PSNR= %6.2f ",
                     -10.0 * std::log10(static_cast<double>(coded.error[0])
                                        / (static_cast<double>(enc->width) * enc->height * 255.0 * 255.0)));
    std::fprintf(Fvstats_file, "f_size= %6d ", frame_size);
    const double tb = av_q2d(enc->time_base);
    const double ti1 = std::max(static_cast<double>(ost.sync_opts) * tb, 0.01);
    const double bitrate = frame_size * 8 / tb / 1000.0;
    const double avg_bitrate = static_cast<double>(Fvideo_size) * 8 / ti1 / 1000.0;
    std::fprintf(Fvstats_file, "s_size= %8.0fkB time= %0.3f br= %7.1fkbits/s avg_br= %7.1fkbits/s ",
                 static_cast<double>(Fvideo_size) / 1024, ti1, bitrate, avg_bitrate);
    std::fprintf(Fvstats_file, "type= %c\n", coded.pict_type);
}
