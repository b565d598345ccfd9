#pragma once
// A composed skin as the program stores it: the stored-skin stream (version, length, zlib data)
// written by the skin core's own writer.

#include "tools/skingen/Theme.h"

#include <string>
#include <string_view>

std::string StoredSkinBytes(const TTheme& theme);
// The uncompressed package inside stored-skin bytes.
std::string StoredSkinPayload(std::string_view stored);
