#include "classlib/ImageLimits.h"

#include "classlib/DibData.h"
#include "classlib/Streams.h"

#include <string>

void CheckImageSize(std::int64_t Width, std::int64_t Height, std::int64_t PlausiblePixels)
{
    if (Width <= 0 || Height <= 0)
        throw EInvalidGraphic("The image has no pixels (" + std::to_string(Width) + "x" + std::to_string(Height) + ")");
    if (Width > kMaxImageSide || Height > kMaxImageSide || Width * Height > kMaxImagePixels)
        throw EInvalidGraphic("The image is too large (" + std::to_string(Width) + "x" + std::to_string(Height) + ")");
    if (PlausiblePixels >= 0 && Width * Height > PlausiblePixels)
        throw EInvalidGraphic("The image declares more pixels than its file holds (" + std::to_string(Width) + "x" +
                              std::to_string(Height) + ")");
}

std::int64_t StreamBytesLeft(TStream* Stream)
{
    try {
        const std::int64_t pos = Stream->Position();
        const std::int64_t size = Stream->Size();
        return pos >= 0 && size >= pos ? size - pos : -1;
    } catch (...) {
        return -1;
    }
}
