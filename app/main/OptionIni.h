#pragma once
// The settings file "option.ini" in the user's configuration folder. Nothing is cached: every
// read and write opens the file for that one access.

#include <functional>
#include <string>

// $XDG_CONFIG_HOME/Zudevivivoduv/option.ini (else ~/.config/...).
std::string OptionIniPath();
bool OptionIniExists();
// The key's value, or "Error" when the file, section or key is missing or cannot be read.
std::string ReadOption(const std::string& Section, const std::string& Key);
// Whether a read value counts as missing: empty or "Error".
bool OptionMissing(const std::string& Value);
// Writes one key, creating the folder and the file as needed. A refused write raises
// EIniFileException "Unable to write to <path>".
void WriteOption(const std::string& Section, const std::string& Key, const std::string& Value);

// Writes like WriteOption, but a refusal goes to the reporter (set by the main window) instead of
// raising; false then. While a TStartUpWrites lives, only the first refusal is reported.
bool WriteOptionReported(const std::string& Section, const std::string& Key, const std::string& Value);
void SetRefusedWriteReporter(std::function<void(const std::string& Message)> Reporter);

class TStartUpWrites {
public:
    TStartUpWrites();
    ~TStartUpWrites();
    TStartUpWrites(const TStartUpWrites&) = delete;
    TStartUpWrites& operator=(const TStartUpWrites&) = delete;
};
