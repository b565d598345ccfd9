#pragma once
// The notification chime played when a batch ends: two bell-like tones, a falling fourth,
// synthesized with integer arithmetic and written as a 16-bit mono PCM WAV file.

#include <string>

inline constexpr int kChimeSampleRate = 22050;

std::string ChimeWav();
