#include "skin/core/skeffects.h"

#include "skin/core/skProcessorFeatures.h"

#include <algorithm>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <mmintrin.h>
#endif

TskColor32 PlainBlendPixel(TskColor32 F, TskColor32 B)
{
    const std::uint32_t a = AlphaOf(F);
    if (a == 255)
        return F;
    if (a == 0)
        return B;
    const std::uint32_t na = 255 - a;
    return MakeColor32((RedOf(F) * a + RedOf(B) * na) >> 8, (GreenOf(F) * a + GreenOf(B) * na) >> 8,
                       (BlueOf(F) * a + BlueOf(B) * na) >> 8, 255);
}

TskColor32 MMXBlendPixel(TskColor32 F, TskColor32 B)
{
    // Each 16-bit lane computes ((B << 8) + (F - B) * a) >> 8 modulo 2^16; the exact value
    // F*a + B*(256-a) is below 2^16, so the lanes give exactly this.
    const std::uint32_t a = AlphaOf(F);
    const std::uint32_t na = 256 - a;
    TskColor32 result = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const std::uint32_t f = (F >> shift) & 0xFF;
        const std::uint32_t b = (B >> shift) & 0xFF;
        result |= ((f * a + b * na) >> 8) << shift;
    }
    return result;
}

namespace {

template <TskColor32 (*Blend)(TskColor32, TskColor32)>
void BlendRowWith(const TskColor32* Src, TskColor32* Dst, int Count)
{
    for (int i = 0; i < Count; ++i) {
        const TskColor32 s = Src[i];
        const std::uint32_t a = AlphaOf(s);
        if (a == 0)
            continue;
        Dst[i] = a == 255 ? s : Blend(s, Dst[i]);
    }
}

#if defined(__x86_64__) || defined(__i386__)
constexpr bool kMMXByDefault = true;
#else
constexpr bool kMMXByDefault = false;
#endif

bool gMMXInUse = kMMXByDefault;

} // namespace

void PlainBlendRow(const TskColor32* Src, TskColor32* Dst, int Count) { BlendRowWith<PlainBlendPixel>(Src, Dst, Count); }
void MMXBlendRow(const TskColor32* Src, TskColor32* Dst, int Count) { BlendRowWith<MMXBlendPixel>(Src, Dst, Count); }

// Every processor of the kinds we build for answers ProcessorHasMMX the same way, so the
// start-up choice is known when the program is compiled.
TskBlendPixelProc BlendPixel = kMMXByDefault ? MMXBlendPixel : PlainBlendPixel;
TskBlendRowProc BlendRow = kMMXByDefault ? MMXBlendRow : PlainBlendRow;

void SelectPixelRoutines(bool UseMMX)
{
    gMMXInUse = UseMMX;
    BlendPixel = UseMMX ? MMXBlendPixel : PlainBlendPixel;
    BlendRow = UseMMX ? MMXBlendRow : PlainBlendRow;
}

void SelectPixelRoutines() { SelectPixelRoutines(ProcessorHasMMX()); }

bool MMXInUse() { return gMMXInUse; }

void EndMMXState()
{
#if defined(__x86_64__) || defined(__i386__)
    if (gMMXInUse)
        _mm_empty();
#endif
}

void TransparentRow(const TskColor32* Src, TskColor32* Dst, int Count)
{
    for (int i = 0; i < Count; ++i)
        if (!IsTransparentKey(Src[i]))
            Dst[i] = Src[i] | 0xFF000000u;
}

void CopyRow(const TskColor32* Src, TskColor32* Dst, int Count)
{
    if (Count > 0 && Src != Dst)
        std::memmove(Dst, Src, static_cast<std::size_t>(Count) * sizeof(TskColor32));
}

void FillRow(TskColor32* Dst, int Count, TskColor32 Value)
{
    if (Count > 0)
        std::fill_n(Dst, Count, Value);
}

void SetAlphaRow(TskColor32* Bits, int Count, std::uint8_t Alpha)
{
    const TskColor32 alpha = static_cast<TskColor32>(Alpha) << 24;
    for (int i = 0; i < Count; ++i)
        Bits[i] = (Bits[i] & 0x00FFFFFFu) | alpha;
}

void ClearAlphaOfColor(TskColor32* Bits, int Count, TskColor32 Color)
{
    for (int i = 0; i < Count; ++i)
        if ((Bits[i] & 0x00FFFFFFu) == (Color & 0x00FFFFFFu))
            Bits[i] &= 0x00FFFFFFu;
}

void FillRect32(TskColor32* Bits, int Width, TskColor32 Value, int Left, int Top, int Right, int Bottom)
{
    for (int y = Top; y <= Bottom; ++y)
        FillRow(Bits + static_cast<std::ptrdiff_t>(y) * Width + Left, Right - Left + 1, Value);
}

void SetAlphaRect32(TskColor32* Bits, int Width, std::uint8_t Alpha, int Left, int Top, int Right, int Bottom)
{
    for (int y = Top; y <= Bottom; ++y)
        SetAlphaRow(Bits + static_cast<std::ptrdiff_t>(y) * Width + Left, Right - Left + 1, Alpha);
}
