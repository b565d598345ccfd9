#pragma once
// The option contexts of one converter: codec, format and scaler contexts that only hold option
// values, collected by name and checked against the library's own option tables, and later
// copied onto the real contexts of a conversion.

#include <array>
#include <string>
#include <vector>

struct AVCodecContext;
struct AVFormatContext;
struct SwsContext;

struct TFFOptions {
    // The library's names of the options set so far, in the order they were set.
    std::vector<std::string> opt_names;
    // One codec context per media type: 0 video, 1 audio, 2 data, 3 subtitle, 4 attachment.
    std::array<AVCodecContext*, 5> avcodec_opts{};
    AVFormatContext* avformat_opts = nullptr;
    SwsContext* sws_opts = nullptr;
};

// Every field empty (without freeing anything).
void InitFFOptions(TFFOptions& options);
// Allocates the contexts; the scaler context uses the given scaler flags.
void AllocFFOptions(TFFOptions& options, int swsFlags);
void FreeFFOptions(TFFOptions& options);

// Sets one option by name on every context that has it (codec contexts by media type first, then
// the format and the scaler context; "a", "v" or "s" in front of a codec option's name picks that
// kind's context). True when a context took it; an option found whose value is refused is logged.
// The library keeps its own copy of the value.
bool SetFFOption(TFFOptions& options, const std::string& name, const std::string& value);

// Copies every option set so far whose flags contain all of the given AV_OPT_FLAG_* flags from
// the source context (one of the option contexts) onto the target context.
void ApplyFFOptions(const TFFOptions& options, void* target, void* source, int flags);
