#include "app/main/JobRow.h"

#include "platform/kernel/Utf8.h"

#include <cstdio>

std::string SecToDate(std::int64_t Sec)
{
    if (Sec < 0)
        Sec = 0;
    char text[40];
    std::snprintf(text, sizeof text, "%.2lld:%.2lld:%.2lld", static_cast<long long>(Sec / 3600),
                  static_cast<long long>(Sec / 60 % 60), static_cast<long long>(Sec % 60));
    return text;
}

std::string DurationText(std::int64_t Microseconds)
{
    return Microseconds > 0 ? SecToDate(Microseconds / 1000000) : "N/A";
}

std::string MegabytesText(std::int64_t Bytes, char32_t DecimalSeparator)
{
    constexpr unsigned __int128 mebibyte = 1024 * 1024;
    const unsigned __int128 scaled = static_cast<unsigned __int128>(Bytes < 0 ? 0 : Bytes) * 100;
    auto hundredths = static_cast<std::uint64_t>(scaled / mebibyte);
    const unsigned __int128 rest = scaled % mebibyte;
    if (rest * 2 > mebibyte || (rest * 2 == mebibyte && hundredths % 2 == 1))
        ++hundredths;
    std::string text = std::to_string(hundredths / 100);
    const std::uint64_t fraction = hundredths % 100;
    if (fraction != 0) {
        text += EncodeUtf8(DecimalSeparator);
        text += static_cast<char>('0' + fraction / 10);
        if (fraction % 10 != 0)
            text += static_cast<char>('0' + fraction % 10);
    }
    return text + "MB";
}

std::string ProgressText(std::int64_t CurrentDuration, std::int64_t TotalDuration)
{
    if (TotalDuration <= 0)
        return "N/A";
    const auto percent = static_cast<__int128>(CurrentDuration) * 100 / TotalDuration;
    return std::to_string(static_cast<long long>(percent)) + "%";
}

TJobRow MakeJobRow(const TNewJobRow& Facts, char32_t DecimalSeparator)
{
    const TOutputOptions& output = *Facts.Output;
    TJobRow row;
    row.Caption = Facts.InputFileName;
    auto& s = row.SubItems;
    s[jcDuration] = DurationText(Facts.Duration);
    s[jcInputSize] = MegabytesText(Facts.FileSize, DecimalSeparator);
    s[jcOutputName] = FileNamePart(output.FileName);
    s[jcTaskNumber] = std::to_string(Facts.TaskIndex + 1);
    s[jcSelectionCode] = std::to_string(Facts.SelectionCode);
    s[jcParameterCode] = Facts.ParameterCode;
    s[jcVideoCodec] = output.VideoCodec;
    s[jcAudioCodec] = output.AudioCodec;
    s[jcAudioChannels] = std::to_string(output.AudioChannels);
    s[jcVideoTag] = output.VideoTag;
    s[jcFrameSize] = output.FrameSize;
    s[jcVideoBitrate] = std::to_string(output.VideoBitrate);
    s[jcFrameRate] = output.FrameRate;
    s[jcAudioBitrate] = std::to_string(output.AudioBitrate);
    s[jcAudioSampleRate] = std::to_string(output.AudioSampleRate);
    s[jcFrameAspectRatio] = output.FrameAspectRatio;
    return row;
}

std::string FileNamePart(const std::string& Path)
{
    const auto slash = Path.rfind('/');
    return slash == std::string::npos ? Path : Path.substr(slash + 1);
}

std::string WithoutExtension(const std::string& Name)
{
    const auto dot = Name.rfind('.');
    return dot == std::string::npos ? Name : Name.substr(0, dot);
}

std::string ReplaceExtension(const std::string& Name, const std::string& Extension)
{
    return WithoutExtension(Name) + Extension;
}
