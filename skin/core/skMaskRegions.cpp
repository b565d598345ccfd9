#include "skin/core/skMaskRegions.h"

#include "classlib/Bitmap.h"
#include "platform/gdi/Regions.h"
#include "skin/core/TskFBitmap.h"

#include <cstring>

std::vector<std::uint8_t> RegionDataFromMaskRows(const std::uint8_t* const* Rows, int Width, int Height, int X,
                                                 int Y)
{
    if (Width <= 0 || Height <= 0)
        return {};
    std::vector<RECT> runs;
    for (int y = 0; y < Height; ++y) {
        const std::uint8_t* row = Rows[y];
        auto black = [row](int x) { return row[3 * x] == 0 && row[3 * x + 1] == 0 && row[3 * x + 2] == 0; };
        for (int x = 0; x < Width;) {
            if (!black(x)) {
                ++x;
                continue;
            }
            const int x1 = x;
            while (x < Width && black(x))
                ++x;
            runs.push_back(RECT{X + x1, Y + y, X + x, Y + y + 1});
        }
    }
    RGNDATAHEADER header;
    header.nCount = static_cast<DWORD>(runs.size());
    header.rcBound = RECT{X, Y, X + Width, Y + Height};
    std::vector<std::uint8_t> data(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT), 0);
    std::memcpy(data.data(), &header, sizeof header);
    if (!runs.empty())
        std::memcpy(data.data() + sizeof header, runs.data(), runs.size() * sizeof(RECT));
    return data;
}

HRGN RegionFromData(const std::vector<std::uint8_t>& Data)
{
    if (Data.size() <= sizeof(RGNDATAHEADER))
        return nullptr;
    return ExtCreateRegion(nullptr, static_cast<DWORD>(Data.size()), reinterpret_cast<const RGNDATA*>(Data.data()));
}

int BuildRegionDataFromMask(TBitmap* Mask, int X, int Y, std::vector<std::uint8_t>& RegionData)
{
    RegionData.clear();
    if (!Mask || Mask->Empty())
        return 0;
    const TskFBitmap copy(Mask->GetHandle());
    if (!copy.Bits)
        return 0;
    RegionData = RegionDataFromMaskRows(copy.Pixels, copy.Width, copy.Height, X, Y);
    return static_cast<int>(RegionData.size());
}

void CreateRegionFromMask(HRGN& Region, TBitmap* Mask)
{
    std::vector<std::uint8_t> data;
    BuildRegionDataFromMask(Mask, 0, 0, data);
    Region = RegionFromData(data);
}
