#include "engine/FFmpeg.h"

#include "engine/FFmpegEntries.h"
#include "engine/FFmpegLogger.h"
#include "engine/FormatText.h"
#include "platform/kernel/Clock.h"

#include <cmath>

namespace {

double Psnr(double d)
{
    return -10.0 * std::log10(d);
}

} // namespace

void TCustomFFmpeg::ReportProgress(bool is_last_report, int file_index)
{
    AVFormatContext* oc = Fnb_output_files > 0 ? Foutput_files[0] : nullptr;
    std::int64_t total_size = 0;
    if (oc && oc->pb) {
        total_size = ff::avio_size(oc->pb);
        if (total_size < 0)
            total_size = ff::avio_seek(oc->pb, 0, SEEK_CUR);
        total_size = std::max<std::int64_t>(total_size, 0);
    }

    std::string line;
    int frame_number = -1;
    int fps = -1;
    float quality = -1.0f;
    bool counted = false;
    double ti1 = 1e10;
    for (const auto& ost : Fost_table) {
        const AVCodecContext* enc = ost->enc();
        const bool video = OutputMediaType(*ost) == AVMEDIA_TYPE_VIDEO;
        const float q = ost->encoding_needed ? static_cast<float>(ost->coded_frame.quality) / FF_QP2LAMBDA : -1.0f;
        if (counted && video)
            line += FormatText("q=%2.1f ", q);
        if (!counted && video && ost->show_fps) {
            // Before the counted stream's first frame there is nothing to tell, except at the end.
            if (ost->frame_number < 1 && !is_last_report)
                return;
            const float elapsed =
                static_cast<float>(static_cast<std::int64_t>(GetTickCount64()) * 1000 - Ftimer_start) / 1000000.0f;
            frame_number = ost->frame_number;
            fps = elapsed > 1 ? static_cast<int>(frame_number / elapsed + 0.5f) : 0;
            quality = q;
            line += FormatText("frame=%5d fps=%3d q=%3.1f ", frame_number, fps, q);
            if (is_last_report)
                line += "L";
            if (Fqp_hist) {
                const long qp = std::lrintf(q);
                if (qp >= 0 && qp < static_cast<long>(Fqp_histogram.size()))
                    Fqp_histogram[static_cast<size_t>(qp)]++;
                else
                    LogError(FormatText("Quantiser %ld is outside the histogram's range 0..%d", qp,
                                        static_cast<int>(Fqp_histogram.size()) - 1));
                for (int j = 0; j < 32; ++j)
                    line += FormatText("%X", static_cast<int>(std::lrint(std::log2(Fqp_histogram[j] + 1))));
            }
            if (enc && ost->encoding_needed && (enc->flags & AV_CODEC_FLAG_PSNR)) {
                const char planes[3] = {'Y', 'U', 'V'};
                double error_sum = 0;
                double scale_sum = 0;
                line += "PSNR=";
                for (int j = 0; j < 3; ++j) {
                    double error;
                    double scale = static_cast<double>(enc->width) * enc->height * 255.0 * 255.0;
                    if (is_last_report) {
                        error = static_cast<double>(enc->error[j]);
                        scale *= frame_number;
                    } else {
                        error = static_cast<double>(ost->coded_frame.error[j]);
                    }
                    if (j)
                        scale /= 4;
                    error_sum += error;
                    scale_sum += scale;
                    line += FormatText("%c:%2.2f ", planes[j], Psnr(error / scale));
                }
                line += FormatText("*:%2.2f ", Psnr(error_sum / scale_sum));
            }
            counted = true;
        }
        // A joined output keeps its streams' times in the first segment's records.
        const double t = static_cast<double>(ost->end_pts) * av_q2d(ost->st->time_base);
        if (t > 0 && t < ti1)
            ti1 = t;
    }
    // Without any output time there is nothing to tell yet, except at the end (time 0).
    const bool noTime = ti1 == 1e10;
    if (noTime && !is_last_report)
        return;
    const double seconds = noTime ? 0 : std::max(ti1, 0.01);

    if (FOnProgress || Fverbose > 0 || is_last_report) {
        const double bitrate = noTime ? 0 : static_cast<double>(total_size) * 8 / seconds / 1000.0;
        line += FormatText("size=%8.0fkB time=%0.2f bitrate=%6.1fkbits/s", static_cast<double>(total_size) / 1024,
                           seconds, bitrate);
        if (Fnb_frames_dup || Fnb_frames_drop)
            line += FormatText(" dup=%d drop=%d", Fnb_frames_dup, Fnb_frames_drop);
        if (FOnProgress) {
            if (FShowDupOrDrop && Fverbose >= 0) {
                LogVerbose(line);
                FShowDupOrDrop = false;
            }
            FOnProgress(this, file_index, frame_number, fps, quality, static_cast<float>(bitrate), total_size,
                        static_cast<std::int64_t>(seconds * 1000000), FTotalOutputDuration);
        } else if (Fverbose >= 0) {
            LogVerbose(line);
        }
    }
    if (is_last_report && Fverbose >= 0) {
        const double raw = static_cast<double>(Fvideo_size + Faudio_size + Fextra_size);
        const double overhead = raw > 0 ? 100.0 * (static_cast<double>(total_size) - raw) / raw : 0;
        LogVerbose(FormatText("video:%1.0fkB audio:%1.0fkB global headers:%1.0fkB muxing overhead %f%%\r\n",
                              static_cast<double>(Fvideo_size) / 1024, static_cast<double>(Faudio_size) / 1024,
                              static_cast<double>(Fextra_size) / 1024, overhead));
    }
}
