#include "platform/gdi/Regions.h"

#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Region.h"

#include <cstring>
#include <utility>
#include <vector>

namespace {

std::shared_ptr<gdi::RegionObject> Find(HRGN rgn)
{
    return gdi::LookupAs<gdi::RegionObject>(rgn);
}

RECT Normalized(int left, int top, int right, int bottom)
{
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    return RECT{left, top, right, bottom};
}

} // namespace

HRGN CreateRgnFromRegion(const Region& region)
{
    return static_cast<HRGN>(gdi::Register(std::make_shared<gdi::RegionObject>(region)));
}

bool GetRgnRegion(HRGN rgn, Region* out)
{
    auto r = Find(rgn);
    if (!r || !out)
        return false;
    *out = r->region;
    return true;
}

bool SetRgnRegion(HRGN rgn, const Region& region)
{
    auto r = Find(rgn);
    if (!r)
        return false;
    r->region = region;
    return true;
}

HRGN CreateRectRgn(int left, int top, int right, int bottom)
{
    return CreateRgnFromRegion(Region(Normalized(left, top, right, bottom)));
}

HRGN CreateRectRgnIndirect(const RECT* rect)
{
    return rect ? CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom) : nullptr;
}

int CombineRgn(HRGN dst, HRGN src1, HRGN src2, int mode)
{
    auto d = Find(dst);
    auto a = Find(src1);
    if (!d || !a)
        return ERROR;
    if (mode == RGN_COPY) {
        d->region = a->region;
        return gdi::Complexity(d->region);
    }
    auto b = Find(src2);
    if (!b)
        return ERROR;
    Region::Op op;
    switch (mode) {
    case RGN_AND: op = Region::Op::And; break;
    case RGN_OR: op = Region::Op::Or; break;
    case RGN_XOR: op = Region::Op::Xor; break;
    case RGN_DIFF: op = Region::Op::Diff; break;
    default: return ERROR;
    }
    d->region = a->region.Combine(b->region, op);
    return gdi::Complexity(d->region);
}

int OffsetRgn(HRGN rgn, int dx, int dy)
{
    auto r = Find(rgn);
    if (!r || !r->region.Offset(dx, dy))
        return ERROR;
    return gdi::Complexity(r->region);
}

BOOL PtInRegion(HRGN rgn, int x, int y)
{
    auto r = Find(rgn);
    return r && r->region.Contains(x, y) ? TRUE : FALSE;
}

BOOL RectInRegion(HRGN rgn, const RECT* rect)
{
    auto r = Find(rgn);
    if (!r || !rect)
        return FALSE;
    return r->region.Intersects(Normalized(rect->left, rect->top, rect->right, rect->bottom)) ? TRUE : FALSE;
}

int GetRgnBox(HRGN rgn, RECT* box)
{
    auto r = Find(rgn);
    if (!r || !box)
        return ERROR;
    *box = r->region.Bounds();
    return gdi::Complexity(r->region);
}

BOOL EqualRgn(HRGN a, HRGN b)
{
    auto ra = Find(a);
    auto rb = Find(b);
    return ra && rb && ra->region == rb->region ? TRUE : FALSE;
}

HRGN ExtCreateRegion(const XFORM* xform, DWORD count, const RGNDATA* data)
{
    if (xform || !data || count < sizeof(RGNDATAHEADER))
        return nullptr;
    const RGNDATAHEADER& h = data->rdh;
    if (h.dwSize != sizeof(RGNDATAHEADER) || h.iType != RDH_RECTANGLES ||
        h.nCount > (count - sizeof(RGNDATAHEADER)) / sizeof(RECT))
        return nullptr;
    std::vector<RECT> rects(h.nCount);
    if (h.nCount)
        std::memcpy(rects.data(), reinterpret_cast<const char*>(data) + sizeof(RGNDATAHEADER),
                    h.nCount * sizeof(RECT));
    return CreateRgnFromRegion(Region::FromRects(rects));
}

DWORD GetRegionData(HRGN rgn, DWORD count, RGNDATA* data)
{
    auto r = Find(rgn);
    if (!r)
        return 0;
    const std::vector<RECT>& rects = r->region.Rects();
    DWORD needed = static_cast<DWORD>(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
    if (!data)
        return needed;
    if (count < needed)
        return 0;
    RGNDATAHEADER h;
    h.nCount = static_cast<DWORD>(rects.size());
    h.nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
    h.rcBound = r->region.Bounds();
    std::memcpy(&data->rdh, &h, sizeof h);
    if (!rects.empty())
        std::memcpy(reinterpret_cast<char*>(data) + sizeof(RGNDATAHEADER), rects.data(),
                    rects.size() * sizeof(RECT));
    return count;
}
