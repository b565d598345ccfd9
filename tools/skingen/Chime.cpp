#include "tools/skingen/Chime.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// sin(2 pi phase / 2^32) in Q15, from an odd polynomial on the quarter wave.
int Sine(std::uint32_t phase)
{
    const std::uint32_t quarter = phase >> 30;
    std::int64_t x = (phase >> 14) & 0xFFFF;  // position in the quarter, Q16
    if (quarter & 1)
        x = 65536 - x;
    const std::int64_t x2 = x * x >> 16;
    // x * (a - x^2 * (b - x^2 * c)) with a = pi/2, b = 0.6432, c = 0.0727 (Q16).
    std::int64_t y = x * (102942 - (x2 * (42152 - (x2 * 4765 >> 16)) >> 16)) >> 16;
    y = std::min<std::int64_t>(y, 65536);
    const int v = static_cast<int>(y >> 1);  // Q15
    return quarter & 2 ? -v : v;
}

struct TTone {
    int StartSample;
    std::uint32_t Step;  // phase step of the fundamental per sample
    int Loudness;        // Q8
};

std::uint32_t StepOf(int milliHertz)
{
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(milliHertz) << 32) / (std::uint64_t{kChimeSampleRate} * 1000));
}

void PutLe(std::string& s, std::uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        s += static_cast<char>((v >> (8 * i)) & 0xFF);
}

} // namespace

std::string ChimeWav()
{
    const int length = kChimeSampleRate * 3 / 2;  // 1.5 seconds
    const TTone tones[] = {
        {0, StepOf(880000), 256},                          // A5
        {kChimeSampleRate * 7 / 20, StepOf(659255), 236},  // E5, 0.35 s later
    };
    // Partials of a small bell: fundamental, octave and twelfth, quieter and shorter-lived.
    constexpr int partialRatio[] = {1, 2, 3};
    constexpr int partialLevel[] = {200, 70, 26};                         // Q8
    constexpr std::int64_t decay[] = {16775040, 16773270, 16771200};  // per sample, Q24
    const int attack = kChimeSampleRate / 200;                           // 5 ms

    std::vector<std::int64_t> mix(static_cast<std::size_t>(length), 0);
    for (const TTone& tone : tones)
        for (int k = 0; k < 3; ++k) {
            std::int64_t env = std::int64_t{1} << 24;
            std::uint32_t phase = 0;
            const std::uint32_t step = tone.Step * static_cast<std::uint32_t>(partialRatio[k]);
            for (int i = tone.StartSample; i < length; ++i) {
                const int n = i - tone.StartSample;
                const std::int64_t ramp = n < attack ? (std::int64_t{n} << 24) / attack : std::int64_t{1} << 24;
                const std::int64_t amp = (env * ramp >> 24) * partialLevel[k] * tone.Loudness >> 16;  // Q24
                mix[static_cast<std::size_t>(i)] += (amp * Sine(phase)) >> 24;                      // Q15
                phase += step;
                env = env * decay[k] >> 24;
            }
        }
    // A short fade at the very end so the file stops in silence.
    const int fade = kChimeSampleRate / 20;
    std::string data;
    for (int i = 0; i < length; ++i) {
        std::int64_t v = mix[static_cast<std::size_t>(i)] * 18 / 32;  // headroom for the two tones
        if (i >= length - fade)
            v = v * (length - i) / fade;
        v = std::clamp<std::int64_t>(v, -32767, 32767);
        PutLe(data, static_cast<std::uint32_t>(static_cast<std::int16_t>(v)) & 0xFFFF, 2);
    }

    std::string wav = "RIFF";
    PutLe(wav, static_cast<std::uint32_t>(36 + data.size()), 4);
    wav += "WAVEfmt ";
    PutLe(wav, 16, 4);                        // chunk size
    PutLe(wav, 1, 2);                         // PCM
    PutLe(wav, 1, 2);                         // mono
    PutLe(wav, kChimeSampleRate, 4);
    PutLe(wav, kChimeSampleRate * 2, 4);      // bytes per second
    PutLe(wav, 2, 2);                         // block align
    PutLe(wav, 16, 2);                        // bits per sample
    wav += "data";
    PutLe(wav, static_cast<std::uint32_t>(data.size()), 4);
    return wav + data;
}
