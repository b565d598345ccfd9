#include "engine/FFmpeg.h"

#include "engine/FFmpegLogger.h"

const TCustomFFmpeg::TOptionTable& TCustomFFmpeg::Options()
{
    static const TOptionTable table = [] {
        TOptionTable t;
        AddGeneralOptions(t);
        AddFormatOptions(t);
        AddVideoOptions(t);
        AddAudioOptions(t);
        AddOutputOptions(t);
        return t;
    }();
    return table;
}

void TCustomFFmpeg::DispatchOption(const std::string& name, const std::string& value)
{
    const TOptionTable& table = Options();
    if (const auto it = table.find(name); it != table.end())
        it->second(*this, name, value);
    else
        OptDefault(name, value);
}

bool TCustomFFmpeg::OptDefault(const std::string& name, const std::string& value)
{
    return SetFFOption(FOptions, name, value);
}

bool TCustomFFmpeg::OptDefault(const std::string& name, int value)
{
    return OptDefault(name, std::to_string(value));
}

void TCustomFFmpeg::LogInfo(const std::string& message)
{
    GetLogger().Log(this, llInfo, message);
}

void TCustomFFmpeg::LogWarning(const std::string& message)
{
    GetLogger().Log(this, llWarning, message);
}
