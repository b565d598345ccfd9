#include "skin/core/skpngimage.h"

#include <algorithm>
#include <cmath>

void MakeImageDisabled(TskPngImage* Image, int A)
{
    if (!Image || Image->Empty())
        return;
    const double scale = (std::clamp(A, 0, 255) + 1) / 256.0;
    const bool keyed = Image->GetBitTransparency();
    const COLORREF key = Image->GetTransparentColor();
    TDibData pixels = Image->Image().To32Bit();
    for (int y = 0; y < pixels.Height; ++y) {
        std::uint8_t* row = pixels.Row(y);
        for (int x = 0; x < pixels.Width; ++x) {
            std::uint8_t* p = row + 4 * x;
            if (keyed && RGB(p[2], p[1], p[0]) == key)
                p[3] = 0;
            else
                p[3] = static_cast<std::uint8_t>(std::nearbyint(p[3] * scale));
        }
    }
    pixels.HasAlpha = true;
    Image->SetImage(std::move(pixels));
}
