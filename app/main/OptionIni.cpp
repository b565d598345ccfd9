#include "app/main/OptionIni.h"

#include "classlib/IniFiles.h"
#include "platform/shell/ShellPlaces.h"

#include <filesystem>
#include <system_error>

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
