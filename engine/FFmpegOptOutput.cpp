// The options that make further output streams, apply presets and targets, and prepare the
// quantiser matrices, the two passes and the statistics file.

#include "engine/FFmpeg.h"

#include "engine/EngineUtils.h"
#include "engine/OptionValues.h"

#include <cctype>
#include <ctime>

using namespace OptionValues;

void TCustomFFmpeg::AddOutputOptions(TOptionTable& t)
{
    t["newvideo"] = [](TCustomFFmpeg& c, const std::string&, const std::string&) {
        c.OptNewVideoStream();
    };
    t["newaudio"] = [](TCustomFFmpeg& c, const std::string&, const std::string&) {
        c.OptNewAudioStream();
    };
    t["newsubtitle"] = [](TCustomFFmpeg& c, const std::string&, const std::string&) {
        c.OptNewSubtitleStream();
    };
    for (const char* name : {"vpre", "apre", "spre", "fpre"})
        t[name] = [](TCustomFFmpeg& c, const std::string& n, const std::string& v) {
            c.ApplyPreset(n, v);
        };
    t["target"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.OptTarget(v);
    };
    t["pass"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.OptPass(StrToInt(v));
    };
    t["passlogfile"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.Fpass_logfilename_prefix = v;
    };
    t["vstats"] = [](TCustomFFmpeg& c, const std::string&, const std::string&) {
        c.OptVstats(true);
    };
    t["vstats_file"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.OptVstatsFile(v);
    };
    t["intra_matrix"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.OptIntraMatrix(v);
    };
    t["inter_matrix"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.OptInterMatrix(v);
    };
}

// 64 coefficients separated by commas, read as unsigned whole numbers after optional blanks.
// A coefficient outside 1 to 255 is refused: encoders divide by it and write it in 8 bits.
void TCustomFFmpeg::OptMatrix(std::vector<std::uint16_t>& matrix, const std::string& value)
{
    std::vector<std::uint16_t> coefficients(64, 0);
    size_t pos = 0;
    for (int i = 0; i < 64; ++i) {
        while (pos < value.size() && value[pos] == ' ')
            ++pos;
        unsigned long number = 0;
        while (pos < value.size() && std::isdigit(static_cast<unsigned char>(value[pos])) && number <= 255)
            number = number * 10 + static_cast<unsigned long>(value[pos++] - '0');
        if (number < 1 || number > 255)
            throw FFmpegException("Invalid coefficient in matrix \"" + value + "\" at coeff "
                                  + std::to_string(i) + ": it must be 1 to 255");
        coefficients[i] = static_cast<std::uint16_t>(number);
        if (i == 63)
            break;
        const size_t comma = value.find(',', pos);
        if (comma == std::string::npos)
            throw FFmpegException("Syntax error in matrix \"" + value + "\" at coeff " + std::to_string(i));
        pos = comma + 1;
    }
    matrix = std::move(coefficients);
}

void TCustomFFmpeg::OptIntraMatrix(const std::string& value)
{
    OptMatrix(Fintra_matrix, value);
}

void TCustomFFmpeg::OptInterMatrix(const std::string& value)
{
    OptMatrix(Finter_matrix, value);
}

void TCustomFFmpeg::OptPass(int value)
{
    if (value != 1 && value != 2)
        throw FFmpegException("pass number can be only 1 or 2");
    Fdo_pass = value;
}

void TCustomFFmpeg::OptVstats(bool on)
{
    Fvstats_filename.clear();
    if (!on)
        return;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[16];
    std::strftime(stamp, sizeof stamp, "%H%M%S", &local);
    Fvstats_filename = GetAppFolder() + "vstats_" + stamp + ".log";
}

void TCustomFFmpeg::OptVstatsFile(const std::string& value)
{
    Fvstats_filename = value;
}
