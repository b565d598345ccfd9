#pragma once
// File-name masks: "*" any run of characters, "?" any one character, ASCII letters matched
// without regard to case. "*.*" matches every name, with or without a dot.

#include <string>
#include <vector>

bool MatchesMask(const std::string& fileName, const std::string& mask);
// The patterns of a mask list separated by ";", blanks around each trimmed, empty ones dropped.
std::vector<std::string> SplitMaskList(const std::string& masks);
// Whether the name matches one of the patterns of a ";"-separated list.
bool MatchesMaskList(const std::string& fileName, const std::string& masks);
