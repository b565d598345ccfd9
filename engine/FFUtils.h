#pragma once
// Small pieces shared by the probe, the converter, the preview window and the player when they
// talk to the FFmpeg libraries: time and error texts, frame durations, reading a file into
// memory, metadata, codec descriptions and media type names.

#include <cstdint>
#include <string>

extern "C" {
#include <libavutil/rational.h>
}

struct AVCodecContext;
struct AVDictionary;

// "hh:mm:ss.zzz" of a duration in microseconds (hours not limited to 24); "N/A" for the
// no-value time.
std::string DurationToStr(std::int64_t duration);

// Microseconds per frame at the rate; 40000 (25 frames per second) for a rate with a zero part.
std::int64_t FrameDuration(AVRational rate);

// "<name>: <text of the library's error code>".
std::string ErrorCodeToStr(const std::string& name, int code);

// Reads the whole file into a buffer from the library's allocator, with a zero byte after the
// contents (counted in size). 0 on success (the caller frees the buffer with av_free); -1 when
// the file cannot be opened; AVERROR(ENOMEM) without memory.
int ReadFileToBuffer(const std::string& fileName, std::uint8_t*& buffer, int& size);

// The value of the key (case-insensitive) in the dictionary, or def.
std::string GetMetadataValue(const AVDictionary* dict, const std::string& key,
                             const std::string& def);

// The name (and long name) of the context's codec among the encoders or decoders; otherwise
// what the context's codec tag says.
std::string CodecDescription(const AVCodecContext* codec, bool encoder);

// "Video", "Audio", "Data", "Subtitle", "Attachment" or "Unknown".
std::string MediaTypeName(int mediaType);
