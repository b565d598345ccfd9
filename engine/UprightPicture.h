#pragma once
// Pictures stored turned or mirrored (a display matrix beside the stream, as phones write it) are
// shown and converted upright, as the ffmpeg command does by default.

#include <cstdint>
#include <string>

struct AVStream;

struct TUprightFilters {
    // The video filters that turn the stream's pictures upright, joined by ","; empty when the
    // pictures are upright already.
    std::string Filters;
    // The upright picture is the stored one with width and height swapped.
    bool SwapsSides = false;
};

// The filters for the stream's display matrix (none without one).
TUprightFilters UprightFilters(const AVStream* stream);

// The filters for a display matrix (nine numbers in the library's layout; nullptr for none).
TUprightFilters UprightFiltersFor(const std::int32_t* matrix);
