#pragma once
// Reading a RIFF WAVE file into interleaved PCM samples for playback.

#include <cstdint>
#include <string>
#include <vector>

struct TWaveData {
    enum class TSampleKind { Unsigned8, Signed16, Signed24, Signed32, Float32 };
    TSampleKind Kind = TSampleKind::Signed16;
    int Channels = 0;
    int SampleRate = 0;
    // Bytes of one frame (one sample of every channel).
    int FrameBytes = 0;
    // The sample data, whole frames only.
    std::vector<std::uint8_t> Samples;
};

// Parses a WAVE file held in memory. False, with the reason in Error, for anything that is not
// uncompressed PCM or float samples (1 to 8 channels, 8000 to 384000 frames per second).
bool ParseWave(const std::vector<std::uint8_t>& Bytes, TWaveData& Wave, std::string& Error);

// Reads and parses a WAVE file; false with the reason in Error when it cannot.
bool ReadWaveFile(const std::string& FileName, TWaveData& Wave, std::string& Error);
