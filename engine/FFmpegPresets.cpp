// Presets: named lists of codec option lines, built in or read from a file.

#include "engine/FFmpeg.h"

#include "engine/BuiltInPresets.h"
#include "engine/FFmpegEntries.h"
#include "engine/PresetKeys.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <strings.h>

namespace {

// The text without blanks and control characters at either end.
std::string TrimControls(const std::string& text)
{
    size_t begin = 0, end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ')
        ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ')
        --end;
    return text.substr(begin, end - begin);
}

// The lines of a text whose line breaks may be CR LF, CR or LF.
std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::string line;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            lines.push_back(std::move(line));
            line.clear();
        } else {
            line += c;
        }
    }
    lines.push_back(std::move(line));
    return lines;
}

bool IsEncoder(const std::string& name)
{
    return !name.empty() && ff::avcodec_find_encoder_by_name(name.c_str());
}

} // namespace

void TCustomFFmpeg::ApplyPreset(const std::string& optionName, const std::string& value)
{
    if (optionName.empty() || value.empty())
        return;
    const char kind = optionName[0];
    std::string presetName = value;
    std::string text;
    if (kind != 'f') {
        text = FindPreset(value);
        if (text.empty()) {
            const std::string& codec = kind == 'v' && !Fvideo_codec_name.empty()   ? Fvideo_codec_name
                                       : kind == 'a' && !Faudio_codec_name.empty() ? Faudio_codec_name
                                                                                   : Fsubtitle_codec_name;
            if (!codec.empty()) {
                presetName = codec + "-" + value;
                text = FindPreset(presetName);
            }
        }
    }
    if (text.empty()) {
        std::error_code ec;
        if (!std::filesystem::is_regular_file(value, ec))
            throw FFmpegException("Preset \"" + value + "\" not found");
        std::ifstream file(value, std::ios::binary);
        std::ostringstream contents;
        contents << file.rdbuf();
        if (!file)
            throw FFmpegException("Preset \"" + value + "\" not found");
        text = contents.str();
    }

    for (const std::string& raw : Lines(TrimControls(text))) {
        const std::string line = TrimControls(raw);
        if (!line.empty())
            ApplyPresetLine(kind, presetName, line);
    }
}

void TCustomFFmpeg::ApplyPresetLine(char kind, const std::string& preset, const std::string& line)
{
    const size_t equals = line.find('=');
    const std::string key = equals == std::string::npos ? line : line.substr(0, equals);
    const std::string value = equals == std::string::npos ? std::string() : line.substr(equals + 1);
    if (key.empty() || value.empty())
        throw FFmpegException(preset + ": Invalid syntax: \"" + line + "\"");
    if (strcasecmp(key.c_str(), "acodec") == 0) {
        OptAudioCodec(value);
        return;
    }
    if (strcasecmp(key.c_str(), "vcodec") == 0) {
        OptVideoCodec(value);
        return;
    }
    if (strcasecmp(key.c_str(), "scodec") == 0) {
        OptSubtitleCodec(value);
        return;
    }

    // The encoder the preset was written for: the one its name begins with ("libx264-slow"),
    // else the pending encoder of its kind. Lines written for libx264 are put in today's terms;
    // what the option contexts do not take goes to that encoder's own options.
    const std::string base = std::filesystem::path(preset).filename().string();
    std::string encoder = base.substr(0, base.find('-'));
    for (char& ch : encoder)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    if (!IsEncoder(encoder))
        encoder = kind == 'a'   ? Faudio_codec_name
                  : kind == 's' ? Fsubtitle_codec_name
                  : kind == 'v' || !Fvideo_codec_name.empty() ? Fvideo_codec_name
                  : !Faudio_codec_name.empty()                ? Faudio_codec_name
                                                              : Fsubtitle_codec_name;
    const std::vector<TPrivateOption> options = encoder.rfind("libx264", 0) == 0
                                                    ? TranslatePresetOption(key, value)
                                                    : std::vector<TPrivateOption>{{key, value}};
    for (const auto& [name, setting] : options)
        if (!OptDefault(name, setting) && !(IsEncoder(encoder) && SetPrivateCodecOption(encoder, name, setting)))
            throw FFmpegException(preset + ": Invalid option or argument: \"" + line + "\", parsed as \""
                                  + key + "\" = \"" + value + "\"");
}
