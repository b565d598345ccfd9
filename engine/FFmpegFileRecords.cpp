// The converter's records of its opened inputs and created outputs, and the settings that stay
// for every output until the converter is reset: their defaults and their release.

#include "engine/FFmpeg.h"

#include "engine/FFmpegEntries.h"

void TCustomFFmpeg::InitFileRecords()
{
    Finput_files_ts_offset.assign(FMaxFiles, 0);
    Finput_files_start.assign(FMaxFiles, AV_NOPTS_VALUE);
    Finput_codecs.clear();
    Foutput_codecs.clear();
    for (auto& options : Fcodec_private_opts)
        options.clear();
    Fformat_private_opts.clear();
    Fintra_matrix.clear();
    Finter_matrix.clear();
    Fdo_pass = 0;
    Fpass_logfilename_prefix.clear();
    Fvstats_filename.clear();
}

void TCustomFFmpeg::FreeFileRecords()
{
    for (TInputCodec& slot : Finput_codecs)
        ff::avcodec_free_context(&slot.codec);
    Finput_codecs.clear();
    for (TOutputCodec& slot : Foutput_codecs) {
        ff::avcodec_free_context(&slot.codec);
        for (AVBSFContext*& bsf : slot.bitstream_filters)
            ff::av_bsf_free(&bsf);
    }
    Foutput_codecs.clear();
    std::fill(Finput_files_ts_offset.begin(), Finput_files_ts_offset.end(), 0);
    std::fill(Finput_files_start.begin(), Finput_files_start.end(), AV_NOPTS_VALUE);
    Fintra_matrix.clear();
    Finter_matrix.clear();
    Fvstats_filename.clear();
}
