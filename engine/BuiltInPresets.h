#pragma once
// The presets the converter knows without a file: encoder settings of the libx264 encoder by
// speed and purpose ("libx264-default", "libx264-slow", ...), each a text of "key=value" lines.

#include <string>

// The text of the built-in preset of that name (any case), or the empty text.
std::string FindPreset(const std::string& name);
