#include "app/main/OptionIni.h"

#include "classlib/IniFiles.h"
#include "platform/shell/ShellPlaces.h"

#include <filesystem>
#include <system_error>

namespace {
std::function<void(const std::string&)> Reporter;
int StartUps = 0;
bool ReportedInStartUp = false;
} // namespace

std::string OptionIniPath()
{
    return ConfigHome() + "/Zudevivivoduv/option.ini";
}

bool OptionIniExists()
{
    std::error_code error;
    return std::filesystem::is_regular_file(OptionIniPath(), error);
}

std::string ReadOption(const std::string& Section, const std::string& Key)
{
    // A file that cannot be read (a folder, no permission) has no keys.
    try {
        TIniFile ini(OptionIniPath());
        return ini.ReadString(Section, Key, "Error");
    } catch (const std::exception&) {
        return "Error";
    }
}

bool OptionMissing(const std::string& Value)
{
    return Value.empty() || Value == "Error";
}

void WriteOption(const std::string& Section, const std::string& Key, const std::string& Value)
{
    const std::string path = OptionIniPath();
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    TIniFile ini(path);
    ini.WriteString(Section, Key, Value);
}

bool WriteOptionReported(const std::string& Section, const std::string& Key, const std::string& Value)
{
    try {
        WriteOption(Section, Key, Value);
        return true;
    } catch (const std::exception& e) {
        if (StartUps > 0 && ReportedInStartUp)
            return false;
        ReportedInStartUp = StartUps > 0;
        if (Reporter)
            Reporter(e.what());
        return false;
    }
}

void SetRefusedWriteReporter(std::function<void(const std::string& Message)> Value)
{
    Reporter = std::move(Value);
}

TStartUpWrites::TStartUpWrites()
{
    if (StartUps++ == 0)
        ReportedInStartUp = false;
}

TStartUpWrites::~TStartUpWrites()
{
    --StartUps;
}
