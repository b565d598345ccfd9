#pragma once
// What the skinning benchmarks share: loading a generated skin, timing repeated steps and
// printing their figures.

#include "app/artwork/Artwork.h"
#include "classlib/Streams.h"
#include "skin/core/skCompressedStoredSkin.h"
#include "skin/core/skSkinData.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <numeric>
#include <vector>

namespace bench {

inline void LoadSkin(TskSkinData* Data, int Index)
{
    Data->LoadFromCompressedBytes(ArtworkSkins()[static_cast<std::size_t>(Index)].Data);
}

inline void Report(const char* what, std::vector<double> ms, const char* goal)
{
    std::sort(ms.begin(), ms.end());
    const double mean = std::accumulate(ms.begin(), ms.end(), 0.0) / static_cast<double>(ms.size());
    std::printf("%-44s mean %7.2f ms  median %7.2f  best %7.2f  p95 %7.2f  %s\n", what, mean, ms[ms.size() / 2],
                ms.front(), ms[ms.size() * 95 / 100], goal);
}

inline std::vector<double> Time(int repeats, const std::function<void(int)>& step)
{
    std::vector<double> ms;
    for (int i = 0; i < repeats; ++i) {
        const auto start = std::chrono::steady_clock::now();
        step(i);
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    return ms;
}

} // namespace bench
