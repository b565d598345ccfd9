#pragma once
// One pixel budget shared by every image-file reader. A reader checks the size a header
// declares before it (or the codec library) allocates anything, and against the most pixels
// the rest of the file could possibly encode, so a few bytes claiming a huge picture are
// refused instead of allocating its claimed size.

#include <cstdint>

class TStream;

// Most pixels one picture may have (256 MiB at 32 bits per pixel).
inline constexpr std::int64_t kMaxImagePixels = std::int64_t{64} << 20;

// Raises EInvalidGraphic for an empty or negative size, a side above kMaxImageSide, more
// pixels than the budget, or more than PlausiblePixels (what the file's data could fill;
// negative when the format gives no bound).
void CheckImageSize(std::int64_t Width, std::int64_t Height, std::int64_t PlausiblePixels = -1);

// Bytes from the stream's position to its end, or -1 when the stream cannot tell.
std::int64_t StreamBytesLeft(TStream* Stream);
