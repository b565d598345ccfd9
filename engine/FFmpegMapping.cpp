#include "engine/FFmpeg.h"

#include "engine/FFUtils.h"
#include "engine/FFmpegEntries.h"
#include "engine/FFmpegLoader.h"
#include "engine/FormatText.h"
#include "engine/UnicodeProtocol.h"
#include "platform/kernel/Clock.h"

#include <algorithm>
#include <mutex>

namespace {

bool Listed(const std::vector<AVCodecContext**>& list, AVCodecContext** codec)
{
    return std::find(list.begin(), list.end(), codec) != list.end();
}

// Whether the input's program of that number lists the stream.
bool InProgram(const AVFormatContext* ic, int programId, int streamIndex)
{
    for (unsigned p = 0; p < ic->nb_programs; ++p) {
        const AVProgram* program = ic->programs[p];
        if (program->id != programId)
            continue;
        for (unsigned i = 0; i < program->nb_stream_indexes; ++i)
            if (static_cast<int>(program->stream_index[i]) == streamIndex)
                return true;
    }
    return false;
}

} // namespace

AVMediaType OutputMediaType(const TAVOutputStream& ost)
{
    const AVCodecContext* enc = ost.enc();
    return enc && enc->codec_type != AVMEDIA_TYPE_UNKNOWN ? enc->codec_type : ost.st->codecpar->codec_type;
}

int TCustomFFmpeg::SegmentSize() const
{
    if (FJoinMode && Fnb_output_files > 0)
        return static_cast<int>(Foutput_files[0]->nb_streams);
    return static_cast<int>(Fost_table.size());
}

int TCustomFFmpeg::EncoderCount() const
{
    return std::min(SegmentSize(), static_cast<int>(Fost_table.size()));
}

void TCustomFFmpeg::BuildInputTables()
{
    const std::int64_t now = static_cast<std::int64_t>(GetTickCount64()) * 1000;
    int ist_index = 0;
    Ffile_table.assign(Fnb_input_files, TAVInputFile{});
    for (int i = 0; i < Fnb_input_files; ++i) {
        AVFormatContext* ic = Finput_files[i];
        Ffile_table[i].ist_index = ist_index;
        Ffile_table[i].nb_streams = static_cast<int>(ic->nb_streams);
        ist_index += static_cast<int>(ic->nb_streams);
        if (Finput_codecs.size() < static_cast<size_t>(ist_index))
            throw FFmpegException("Input file #" + std::to_string(i) + " was not opened by the converter");
        for (unsigned k = 0; k < ic->nb_streams; ++k) {
            auto ist = std::make_unique<TAVInputStream>();
            ist->st = ic->streams[k];
            ist->file_index = i;
            ist->index = static_cast<int>(k);
            if (Frate_emu)
                ist->start = now;
            TInputCodec& slot = Finput_codecs[static_cast<size_t>(Ffile_table[i].ist_index) + k];
            ist->dec_slot = &slot.codec;
            ist->decoder = slot.decoder;
            Fist_table.push_back(std::move(ist));
        }
    }
}

void TCustomFFmpeg::BuildOutputTables()
{
    int total = 0;
    for (int j = 0; j < Fnb_output_files; ++j) {
        AVFormatContext* oc = Foutput_files[j];
        if (oc->nb_streams == 0) {
            ff::av_dump_format(oc, j, oc->url, 1);
            throw FFmpegException(FormatText("Output file #%d does not contain any stream", j));
        }
        total += static_cast<int>(oc->nb_streams);
    }
    const int nb_stream_maps = static_cast<int>(Fstream_maps.size());
    if (nb_stream_maps > 0 && nb_stream_maps != total)
        throw FFmpegException("Number of stream maps must match number of output streams");
    for (const TAVStreamMap& map : Fstream_maps) {
        auto exists = [this](int file, int stream) {
            return file >= 0 && file < Fnb_input_files && stream >= 0
                   && stream < static_cast<int>(Finput_files[file]->nb_streams);
        };
        if (!exists(map.file_index, map.stream_index))
            throw FFmpegException(
                FormatText("Could not find input stream #%d.%d", map.file_index, map.stream_index));
        if (!exists(map.sync_file_index, map.sync_stream_index))
            throw FFmpegException(
                FormatText("Could not find sync stream #%d.%d", map.sync_file_index, map.sync_stream_index));
    }
    MapOutputStreams();
    SetUpOutputCodecs();
}

void TCustomFFmpeg::MapOutputStreams()
{
    int i = 0;
    // The first slot of each output's streams; a joined output, recorded once per input, has
    // its streams once.
    std::vector<std::pair<const AVFormatContext*, size_t>> firstSlots;
    size_t nextSlot = 0;
    for (int j = 0; j < Fnb_output_files; ++j) {
        AVFormatContext* oc = Foutput_files[j];
        auto known = std::find_if(firstSlots.begin(), firstSlots.end(), [oc](const auto& e) { return e.first == oc; });
        if (known == firstSlots.end()) {
            known = firstSlots.insert(firstSlots.end(), {oc, nextSlot});
            nextSlot += oc->nb_streams;
        }
        const size_t slot = known->second;
        if (Foutput_codecs.size() < slot + oc->nb_streams)
            throw FFmpegException("Output file #" + std::to_string(j) + " was not created by the converter");
        for (unsigned k = 0; k < oc->nb_streams; ++k, ++i) {
            TOutputCodec& codec = Foutput_codecs[slot + k];
            auto ost = std::make_unique<TAVOutputStream>();
            ost->file_index = j;
            ost->index = static_cast<int>(k);
            ost->st = oc->streams[k];
            ost->enc_slot = &codec.codec;
            ost->encoder = codec.encoder;
            ost->stream_copy = codec.stream_copy;
            ost->bitstream_filters = &codec.bitstream_filters;
            ost->quality = codec.quality;
            if (!Fstream_maps.empty()) {
                const TAVStreamMap& map = Fstream_maps[i];
                ost->source_index = MapByOption(map, *ost);
                ost->sync_ist = Fist_table[Ffile_table[map.sync_file_index].ist_index + map.sync_stream_index].get();
            } else {
                ost->source_index = MapAutomatically(*ost, j);
                ost->sync_ist = Fist_table[ost->source_index].get();
            }
            Fist_table[ost->source_index]->discard = 0;
            ost->show_fps = 1;
            Fost_table.push_back(std::move(ost));
        }
    }
}

int TCustomFFmpeg::MapByOption(const TAVStreamMap& map, const TAVOutputStream& ost)
{
    const int source = Ffile_table[map.file_index].ist_index + map.stream_index;
    const AVMediaType in_type = Fist_table[source]->st->codecpar->codec_type;
    const AVMediaType out_type = OutputMediaType(ost);
    if (in_type != out_type) {
        AVFormatContext* oc = Foutput_files[ost.file_index];
        ff::av_dump_format(oc, ost.file_index, oc->url, 1);
        throw FFmpegException(FormatText("Codec type mismatch for mapping #%d.%d (%s) -> #%d.%d (%s)",
                                         map.file_index, map.stream_index, MediaTypeName(in_type).c_str(),
                                         ost.file_index, ost.index, MediaTypeName(out_type).c_str()));
    }
    return source;
}

int TCustomFFmpeg::MapAutomatically(const TAVOutputStream& ost, int outputFile)
{
    const AVMediaType type = OutputMediaType(ost);
    const int count = static_cast<int>(Fist_table.size());
    // The stream the library would pick in each input ranks first; then the number of frames
    // the container declares; the first of equals wins.
    auto rank = [this, type](const TAVInputStream& ist) {
        const int best = ff::av_find_best_stream(Finput_files[ist.file_index], type, -1, -1, nullptr, 0);
        return std::make_pair(best == ist.index ? 1 : 0, ist.st->nb_frames);
    };
    int found = -1;
    std::pair<int, std::int64_t> found_rank{-1, -1};
    for (int i = 0; i < count; ++i) {
        const TAVInputStream& ist = *Fist_table[i];
        if (!ist.discard || ist.st->discard == AVDISCARD_ALL || ist.st->codecpar->codec_type != type)
            continue;
        if (Fopt_programid && !InProgram(Finput_files[ist.file_index], Fopt_programid, ist.index))
            continue;
        if (FJoinMode && ist.file_index != outputFile)
            continue;
        const auto r = rank(ist);
        if (r > found_rank) {
            found = i;
            found_rank = r;
        }
    }
    if (found < 0 && !Fopt_programid && !FJoinMode) {
        // Every output stream gets a source: an input stream already used serves again.
        for (int i = 0; i < count; ++i) {
            const TAVInputStream& ist = *Fist_table[i];
            if (ist.st->codecpar->codec_type == type && ist.st->discard != AVDISCARD_ALL)
                found = i;
        }
    }
    if (found < 0) {
        AVFormatContext* oc = Foutput_files[ost.file_index];
        ff::av_dump_format(oc, ost.file_index, oc->url, 1);
        throw FFmpegException(FormatText("Could not find input stream matching output stream #%d.%d (%s)",
                                         ost.file_index, ost.index, MediaTypeName(type).c_str()));
    }
    return found;
}

void TCustomFFmpeg::LogStreamMapping()
{
    const int outputs = FJoinMode ? std::min(Fnb_output_files, 1) : Fnb_output_files;
    for (int j = 0; j < outputs; ++j) {
        // An output written into a file that is to replace an existing one shows its own name.
        const auto opened = FOutputFiles.find(Foutput_files[j]);
        const std::string name = opened != FOutputFiles.end() ? ToProtocolFileName(opened->second.Name)
                                                              : std::string(Foutput_files[j]->url);
        ff::av_dump_format(Foutput_files[j], j, name.c_str(), 1);
    }
    if (Fverbose < 0)
        return;
    LogVerbose("Stream mapping:");
    for (const auto& ost : Fost_table) {
        const TAVInputStream& source = *Fist_table[ost->source_index];
        const std::string type = MediaTypeName(OutputMediaType(*ost));
        LogVerbose(FormatText("  Stream #%d.%d -> #%d.%d (%s)", source.file_index, source.index,
                              FJoinMode ? 0 : ost->file_index, ost->index, type.c_str()));
        if (ost->sync_ist != &source)
            LogVerbose(FormatText(" [sync #%d.%d (%s)]", ost->sync_ist->file_index, ost->sync_ist->index,
                                  type.c_str()));
    }
}

void TCustomFFmpeg::FreeStreamTables()
{
    {
        std::lock_guard<CriticalSection> guard(CodecLock());
        for (auto& ost : Fost_table) {
            if (ost->enc_slot && Listed(FEncoderList, ost->enc_slot)) {
                ff::av_freep(&(*ost->enc_slot)->stats_in);
                RemoveCodecItem(FEncoderList, ost->enc_slot);
                ff::avcodec_free_context(ost->enc_slot);
            }
        }
        for (auto& ist : Fist_table) {
            if (Listed(FDecoderList, ist->dec_slot)) {
                RemoveCodecItem(FDecoderList, ist->dec_slot);
                ff::avcodec_free_context(ist->dec_slot);
            }
        }
    }
    for (auto& ost : Fost_table) {
        if (ost->logfile)
            std::fclose(ost->logfile);
        ff::av_frame_free(&ost->pict_tmp);
        ff::sws_freeContext(ost->img_resample_ctx);
        ff::swr_free(&ost->resample);
        ff::swr_free(&ost->reformat_ctx);
        if (ost->fifo)
            ff::av_audio_fifo_free(ost->fifo);
    }
    Fost_table.clear();
    Fist_table.clear();
    Ffile_table.clear();
}
