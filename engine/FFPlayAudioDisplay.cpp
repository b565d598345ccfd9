// What a file without pictures shows: the wave form of the sound being heard, or its spectrum
// scrolling from left to right.

#include "engine/FFPlay.h"
#include "engine/FFPlayDisplay.h"
#include "engine/FFPlayVideoState.h"
#include "engine/FFmpegEntries.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

int Wrap(int index)
{
    index %= TVideoState::SampleArraySize;
    return index < 0 ? index + TVideoState::SampleArraySize : index;
}

void FillRect(SDL_Surface* screen, int x, int y, int w, int h, Uint32 colour)
{
    FillSurfaceRect(screen, TDisplayRect{x, y, w, h}, colour);
}

} // namespace

void TCustomPlayer::DisplayAudio(TVideoState* is)
{
    SDL_Surface* screen = screen_;
    const int width = is->width, height = is->height;
    if (!screen || width <= 0 || height <= 0 || !is->audio_ctx)
        return;
    int rdftBits = 1;
    while ((1 << rdftBits) < 2 * height)
        ++rdftBits;
    const int nbFreq = 1 << (rdftBits - 1);
    const int channels = std::max(is->audio_tgt_channels, 1);
    const int mode = is->show_audio;

    std::lock_guard<std::mutex> lock(is->sample_mutex);
    const std::vector<std::int16_t>& s = is->sample_array;
    int start;
    if (!is->paused) {
        const int dataUsed = mode == saWave ? width : 2 * nbFreq;
        int delay = (is->audio_buf_size - is->audio_buf_index) / std::max(is->audio_tgt_frame_size, 1);
        if (const std::int64_t callbackTime = audio_callback_time_) {
            const std::int64_t elapsed = PlayerMicroseconds() - callbackTime;
            delay -= static_cast<int>(static_cast<std::int64_t>(is->audio_tgt_freq) * elapsed / 1000000);
        }
        delay += 2 * dataUsed;
        delay = std::max(delay, dataUsed);
        start = Wrap(is->sample_array_index - delay * channels);
        if (mode == saWave) {
            // A trigger point: the steepest falling edge crossing zero near the start.
            int best = start;
            int bestScore = INT32_MIN;
            for (int i = 0; i < 1000; i += channels) {
                const int idx = Wrap(start - i);
                const int a = s[static_cast<std::size_t>(idx)];
                const int b = s[static_cast<std::size_t>(Wrap(idx + 4 * channels))];
                const int c = s[static_cast<std::size_t>(Wrap(idx + 5 * channels))];
                const int d = s[static_cast<std::size_t>(Wrap(idx + 9 * channels))];
                const int score = a - d;
                if (score > bestScore && b ^ c && (b ^ c) < 0) {
                    bestScore = score;
                    best = idx;
                }
            }
            start = best;
        }
        is->last_i_start = start;
    } else {
        start = is->last_i_start;
    }

    const Uint32 black = ff::SDL_MapRGB(screen->format, 0, 0, 0);
    const Uint32 white = ff::SDL_MapRGB(screen->format, 0xFF, 0xFF, 0xFF);
    if (mode == saWave) {
        FillRect(screen, is->xleft, is->ytop, width, height, black);
        const int h = height / channels;
        const int h2 = h * 9 / 20;
        for (int ch = 0; ch < channels; ++ch) {
            int i = Wrap(start + ch);
            const int middle = is->ytop + ch * h + h / 2;
            for (int x = 0; x < width; ++x) {
                const int y = (s[static_cast<std::size_t>(i)] * h2) >> 15;
                const int top = y >= 0 ? middle : middle - std::abs(y);
                FillRect(screen, is->xleft + x, top, 1, std::abs(y), white);
                i = Wrap(i + channels);
            }
        }
        for (int ch = 1; ch < channels; ++ch)
            FillRect(screen, is->xleft, is->ytop + ch * h, width, 1, white);
        ff::SDL_UpdateRect(screen, is->xleft, is->ytop, static_cast<Uint32>(width), static_cast<Uint32>(height));
        return;
    }

    const int shown = std::min(channels, 2);
    if (rdftBits != is->rdft_bits) {
        if (is->rdft)
            ff::av_rdft_end(is->rdft);
        is->rdft = ff::av_rdft_init(rdftBits, DFT_R2C);
        is->rdft_bits = rdftBits;
        ff::av_free(is->rdft_data);
        is->rdft_data = static_cast<FFTSample*>(ff::av_mallocz(sizeof(FFTSample) * 4 * static_cast<std::size_t>(nbFreq)));
    }
    if (!is->rdft || !is->rdft_data)
        return;
    FFTSample* data[2];
    for (int ch = 0; ch < shown; ++ch) {
        data[ch] = is->rdft_data + 2 * nbFreq * ch;
        int i = Wrap(start + ch);
        for (int x = 0; x < 2 * nbFreq; ++x) {
            const double w = static_cast<double>(x - nbFreq) / nbFreq;
            data[ch][x] = static_cast<FFTSample>(s[static_cast<std::size_t>(i)] * (1.0 - w * w));
            i = Wrap(i + channels);
        }
        ff::av_rdft_calc(is->rdft, data[ch]);
    }
    // Mono sound shows its one channel in both colour components.
    if (shown == 1)
        data[1] = data[0];
    const double norm = std::sqrt(static_cast<double>(nbFreq));
    for (int y = 0; y < height; ++y) {
        auto level = [&](const FFTSample* bins) {
            const double re = bins[2 * y], im = bins[2 * y + 1];
            return std::min(255, static_cast<int>(std::lround(std::sqrt(std::sqrt(re * re + im * im) / norm))));
        };
        const int m = level(data[0]);
        const int n = level(data[1]);
        const Uint32 colour = ff::SDL_MapRGB(screen->format, static_cast<Uint8>(m), static_cast<Uint8>(n),
                                             static_cast<Uint8>((m + n) / 2));
        FillRect(screen, is->xpos, is->ytop + height - 1 - y, 1, 1, colour);
    }
    ff::SDL_UpdateRect(screen, is->xpos, is->ytop, 1, static_cast<Uint32>(height));
    if (++is->xpos >= is->xleft + width)
        is->xpos = is->xleft;
}
