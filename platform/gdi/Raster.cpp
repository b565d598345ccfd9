#include "platform/gdi/Raster.h"

#include <algorithm>

namespace gdi {

bool RopUsesSource(DWORD rop)
{
    std::uint8_t code = static_cast<std::uint8_t>(rop >> 16);
    return ((code >> 2) ^ code) & 0x33;
}

bool RopUsesPattern(DWORD rop)
{
    std::uint8_t code = static_cast<std::uint8_t>(rop >> 16);
    return ((code >> 4) ^ code) & 0x0F;
}

namespace {

// Bit i of a raster operation's code is the result for pattern bit (i >> 2 & 1), source bit
// (i >> 1 & 1) and destination bit (i & 1).
std::uint32_t Rop3Pixel(std::uint8_t code, std::uint32_t p, std::uint32_t s, std::uint32_t d)
{
    std::uint32_t r = 0;
    for (int i = 0; i < 8; ++i) {
        if (code & (1u << i))
            r |= (i & 4 ? p : ~p) & (i & 2 ? s : ~s) & (i & 1 ? d : ~d);
    }
    return r;
}

template <class F>
void ForRow(const std::uint32_t* s, std::uint32_t* d, int n, F f)
{
    for (int i = 0; i < n; ++i)
        d[i] = f(s ? s[i] : 0, d[i]);
}

} // namespace

void Rop3Row(std::uint8_t code, std::uint32_t p, const std::uint32_t* s, std::uint32_t* d, int n)
{
    switch (code) {
    case 0x00: std::fill_n(d, n, 0u); break;
    case 0xFF: std::fill_n(d, n, 0xFFFFFFFFu); break;
    case 0xF0: std::fill_n(d, n, p); break;
    case 0xCC: std::copy_n(s, n, d); break;
    case 0x33: ForRow(s, d, n, [](std::uint32_t sv, std::uint32_t) { return ~sv; }); break;
    case 0x55: ForRow(s, d, n, [](std::uint32_t, std::uint32_t dv) { return ~dv; }); break;
    case 0x5A: ForRow(s, d, n, [p](std::uint32_t, std::uint32_t dv) { return p ^ dv; }); break;
    case 0x66: ForRow(s, d, n, [](std::uint32_t sv, std::uint32_t dv) { return sv ^ dv; }); break;
    case 0x88: ForRow(s, d, n, [](std::uint32_t sv, std::uint32_t dv) { return sv & dv; }); break;
    case 0xEE: ForRow(s, d, n, [](std::uint32_t sv, std::uint32_t dv) { return sv | dv; }); break;
    default: ForRow(s, d, n, [code, p](std::uint32_t sv, std::uint32_t dv) { return Rop3Pixel(code, p, sv, dv); });
    }
}

std::uint32_t Rop2Pixel(int rop2, std::uint32_t p, std::uint32_t d)
{
    // R2_x - 1 is a truth table like a ternary code's: bit (pen << 1 | dest).
    unsigned table = static_cast<unsigned>(rop2 - 1) & 0xF;
    std::uint32_t r = 0;
    if (table & 1)
        r |= ~p & ~d;
    if (table & 2)
        r |= ~p & d;
    if (table & 4)
        r |= p & ~d;
    if (table & 8)
        r |= p & d;
    return r;
}

void Rop2Row(int rop2, std::uint32_t pen, std::uint32_t* d, int n)
{
    switch (rop2) {
    case R2_COPYPEN: std::fill_n(d, n, pen); break;
    case R2_NOP: break;
    default:
        for (int i = 0; i < n; ++i)
            d[i] = Rop2Pixel(rop2, pen, d[i]);
    }
}

std::uint32_t BlendOver(std::uint32_t s, std::uint32_t d, unsigned a)
{
    if (a == 0)
        return d;
    std::uint32_t out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        unsigned c = ((s >> shift) & 0xFF) * a + ((d >> shift) & 0xFF) * (255 - a);
        out |= ((c + 127) / 255) << shift;
    }
    return out | (((a * 255 + (d >> 24) * (255 - a) + 127) / 255) << 24);
}

bool MonoWhite(std::uint32_t pixel)
{
    unsigned sum = (pixel & 0xFF) + ((pixel >> 8) & 0xFF) + ((pixel >> 16) & 0xFF);
    return sum >= 384;
}

std::uint32_t TargetColor(COLORREF color, bool mono)
{
    std::uint32_t p = ColorToPixel(color);
    if (!mono)
        return p;
    return MonoWhite(p) ? 0x00FFFFFFu : 0u;
}

void FillRect(Target& t, const RECT& area, std::uint32_t color, int rop2)
{
    if (!t.Drawable())
        return;
    t.clip().ForEachIn(area, [&](const RECT& piece) {
        for (int y = piece.top; y < piece.bottom; ++y)
            Rop2Row(rop2, color, t.surface().Row(y) + piece.left, piece.right - piece.left);
    });
}

void FillRegion(Target& t, const Region& area, std::uint32_t color, int rop2)
{
    for (const RECT& r : area.Rects())
        FillRect(t, r, color, rop2);
}

} // namespace gdi
