#include "skin/core/skpngimage.h"

#include <algorithm>
#include <cmath>

void MakeImageDisabled(TskPngImage* Image, int A)
{
    if (!Image || Image->Empty())
        return;
    const double scale = (std::clamp(A, 0, 255) + 1) / 256.0;
    TDibData pixels = Image->Image().To32Bit();
    for (int y = 0; y < pixels.Height; ++y) {
        std::uint8_t* row = pixels.Row(y);
        for (int x = 0; x < pixels.Width; ++x) {
            std::uint8_t& alpha = row[4 * x + 3];
            alpha = static_cast<std::uint8_t>(std::nearbyint(alpha * scale));
        }
    }
    pixels.HasAlpha = true;
    Image->SetImage(std::move(pixels));
}
