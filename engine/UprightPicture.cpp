#include "engine/UprightPicture.h"

#include "engine/FFmpegEntries.h"

#include <cmath>
#include <cstdio>

TUprightFilters UprightFiltersFor(const std::int32_t* matrix)
{
    if (!matrix)
        return {};
    // The clockwise turn the matrix asks for, in whole degrees from 0 to 359.
    double theta = -std::round(ff::av_display_rotation_get(matrix));
    theta -= 360 * std::floor(theta / 360 + 0.9 / 360);
    if (std::fabs(theta - 90) < 1.0)
        return {matrix[3] > 0 ? "transpose=cclock_flip" : "transpose=clock", true};
    if (std::fabs(theta - 180) < 1.0) {
        std::string filters;
        if (matrix[0] < 0)
            filters = "hflip";
        if (matrix[4] < 0)
            filters += filters.empty() ? "vflip" : ",vflip";
        return {filters, false};
    }
    if (std::fabs(theta - 270) < 1.0)
        return {matrix[3] < 0 ? "transpose=clock_flip" : "transpose=cclock", true};
    if (std::fabs(theta) > 1.0) {
        char text[64];
        std::snprintf(text, sizeof text, "rotate=%f*PI/180", theta);
        return {text, false};
    }
    return {matrix[4] < 0 ? "vflip" : "", false};
}

TUprightFilters UprightFilters(const AVStream* stream)
{
    size_t size = 0;
    const auto* matrix = reinterpret_cast<const std::int32_t*>(
        ff::av_stream_get_side_data(stream, AV_PKT_DATA_DISPLAYMATRIX, &size));
    return UprightFiltersFor(size >= 9 * sizeof(std::int32_t) ? matrix : nullptr);
}
