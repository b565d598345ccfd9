#include "platform/gdi/Dc.h"

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/FontObject.h"
#include "platform/gdi/Regions.h"

#include <strings.h>

using gdi::DeviceContext;
using gdi::FindDC;

namespace {

HDC NewDC(DeviceContext::Kind kind)
{
    return static_cast<HDC>(gdi::Register(std::make_shared<DeviceContext>(kind, nullptr, POINT{}, Region())));
}

int ClipComplexity(DeviceContext& dc)
{
    return gdi::Complexity(dc.SurfaceClip());
}

template <class T>
HGDIOBJ Swap(std::shared_ptr<T>& slot, std::shared_ptr<T> next)
{
    HGDIOBJ previous = slot ? slot->Handle() : nullptr;
    slot = std::move(next);
    return previous;
}

// The base that clip operations combine with when no clip region is set.
Region CurrentClip(const DeviceContext& dc)
{
    return dc.State().clip ? *dc.State().clip : dc.DeviceArea();
}

} // namespace

HDC CreateCompatibleDC(HDC dc)
{
    if (dc && !FindDC(dc))
        return nullptr;
    return NewDC(DeviceContext::Kind::Memory);
}

HDC CreateDC(const char* driver, const char*, const char*, const void*)
{
    if (!driver || strcasecmp(driver, "DISPLAY") != 0)
        return nullptr;
    return NewDC(DeviceContext::Kind::Info);
}

BOOL DeleteDC(HDC dc)
{
    if (!FindDC(dc))
        return FALSE;
    // The selected objects are released with the context, so they can be deleted afterwards.
    return gdi::Unregister(dc) ? TRUE : FALSE;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object)
{
    auto dc = FindDC(hdc);
    auto o = gdi::Lookup(object);
    if (!dc || !o)
        return nullptr;
    gdi::DcState& s = dc->MutableState();
    if (auto pen = std::dynamic_pointer_cast<gdi::PenObject>(o))
        return Swap(s.pen, pen);
    if (auto brush = std::dynamic_pointer_cast<gdi::BrushObject>(o))
        return Swap(s.brush, brush);
    if (auto font = std::dynamic_pointer_cast<gdi::FontObject>(o))
        return Swap(s.font, font);
    if (auto bitmap = std::dynamic_pointer_cast<gdi::BitmapObject>(o)) {
        if (dc->GetKind() != DeviceContext::Kind::Memory)
            return nullptr;
        HGDIOBJ previous = s.bitmap ? s.bitmap->Handle() : nullptr;
        dc->SetBitmap(bitmap);
        return previous;
    }
    if (std::dynamic_pointer_cast<gdi::RegionObject>(o))
        return reinterpret_cast<HGDIOBJ>(static_cast<std::intptr_t>(SelectClipRgn(hdc, static_cast<HRGN>(object))));
    return nullptr;
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT type)
{
    auto dc = FindDC(hdc);
    if (!dc)
        return nullptr;
    const gdi::DcState& s = dc->State();
    switch (type) {
    case OBJ_PEN: return s.pen ? s.pen->Handle() : nullptr;
    case OBJ_BRUSH: return s.brush ? s.brush->Handle() : nullptr;
    case OBJ_FONT: return s.font ? s.font->Handle() : nullptr;
    case OBJ_BITMAP: return s.bitmap ? s.bitmap->Handle() : nullptr;
    default: return nullptr;
    }
}

int SaveDC(HDC hdc)
{
    auto dc = FindDC(hdc);
    return dc ? dc->Save() : 0;
}

BOOL RestoreDC(HDC hdc, int level)
{
    auto dc = FindDC(hdc);
    return dc && dc->Restore(level) ? TRUE : FALSE;
}

BOOL SetViewportOrgEx(HDC hdc, int x, int y, POINT* previous)
{
    auto dc = FindDC(hdc);
    if (!dc)
        return FALSE;
    if (previous)
        *previous = dc->State().viewportOrg;
    dc->SetViewportOrg(POINT{x, y});
    return TRUE;
}

BOOL GetViewportOrgEx(HDC hdc, POINT* origin)
{
    auto dc = FindDC(hdc);
    if (!dc || !origin)
        return FALSE;
    *origin = dc->State().viewportOrg;
    return TRUE;
}

BOOL OffsetViewportOrgEx(HDC hdc, int dx, int dy, POINT* previous)
{
    auto dc = FindDC(hdc);
    if (!dc)
        return FALSE;
    POINT p = dc->State().viewportOrg;
    if (previous)
        *previous = p;
    dc->SetViewportOrg(POINT{gdi::ClampCoord(std::int64_t{p.x} + dx), gdi::ClampCoord(std::int64_t{p.y} + dy)});
    return TRUE;
}

BOOL SetWindowOrgEx(HDC hdc, int x, int y, POINT* previous)
{
    auto dc = FindDC(hdc);
    if (!dc)
        return FALSE;
    if (previous)
        *previous = dc->State().windowOrg;
    dc->SetWindowOrg(POINT{x, y});
    return TRUE;
}

BOOL GetWindowOrgEx(HDC hdc, POINT* origin)
{
    auto dc = FindDC(hdc);
    if (!dc || !origin)
        return FALSE;
    *origin = dc->State().windowOrg;
    return TRUE;
}

int SelectClipRgn(HDC dc, HRGN rgn)
{
    return ExtSelectClipRgn(dc, rgn, RGN_COPY);
}

int ExtSelectClipRgn(HDC hdc, HRGN rgn, int mode)
{
    auto dc = FindDC(hdc);
    if (!dc)
        return ERROR;
    if (!rgn) {
        if (mode != RGN_COPY)
            return ERROR;
        dc->SetAppClip(std::nullopt);
        return ClipComplexity(*dc);
    }
    Region region;
    if (!GetRgnRegion(rgn, &region))
        return ERROR;
    switch (mode) {
    case RGN_COPY: break;
    case RGN_AND: region = CurrentClip(*dc).Intersect(region); break;
    case RGN_OR: region = CurrentClip(*dc).Union(region); break;
    case RGN_XOR: region = CurrentClip(*dc).Xor(region); break;
    case RGN_DIFF: region = CurrentClip(*dc).Subtract(region); break;
    default: return ERROR;
    }
    dc->SetAppClip(std::move(region));
    return ClipComplexity(*dc);
}

int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom)
{
    auto dc = FindDC(hdc);
    if (!dc)
        return ERROR;
    dc->SetAppClip(CurrentClip(*dc).Intersect(Region(dc->LogicalToDevice(RECT{left, top, right, bottom}))));
    return ClipComplexity(*dc);
}

int ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom)
{
    auto dc = FindDC(hdc);
    if (!dc)
        return ERROR;
    dc->SetAppClip(CurrentClip(*dc).Subtract(Region(dc->LogicalToDevice(RECT{left, top, right, bottom}))));
    return ClipComplexity(*dc);
}

int GetClipBox(HDC hdc, RECT* box)
{
    auto dc = FindDC(hdc);
    if (!dc || !box)
        return ERROR;
    const Region& clip = dc->SurfaceClip();
    *box = RECT{};
    if (!clip.IsEmpty()) {
        POINT d = dc->SurfaceOffset();
        int dx = d.x, dy = d.y;
        const RECT& b = clip.Bounds();
        *box = RECT{b.left - dx, b.top - dy, b.right - dx, b.bottom - dy};
    }
    return gdi::Complexity(clip);
}

int GetClipRgn(HDC hdc, HRGN rgn)
{
    auto dc = FindDC(hdc);
    if (!dc)
        return -1;
    if (!dc->State().clip)
        return 0;
    return SetRgnRegion(rgn, *dc->State().clip) ? 1 : -1;
}

namespace {

template <class T>
T Exchange(HDC hdc, T gdi::DcState::*field, T value, T failure)
{
    auto dc = FindDC(hdc);
    if (!dc)
        return failure;
    T previous = dc->State().*field;
    dc->MutableState().*field = value;
    return previous;
}

template <class T>
T Read(HDC hdc, T gdi::DcState::*field, T failure)
{
    auto dc = FindDC(hdc);
    return dc ? dc->State().*field : failure;
}

} // namespace

COLORREF SetTextColor(HDC dc, COLORREF color)
{
    return Exchange(dc, &gdi::DcState::textColor, color, CLR_INVALID);
}

COLORREF GetTextColor(HDC dc)
{
    return Read(dc, &gdi::DcState::textColor, CLR_INVALID);
}

COLORREF SetBkColor(HDC dc, COLORREF color)
{
    return Exchange(dc, &gdi::DcState::bkColor, color, CLR_INVALID);
}

COLORREF GetBkColor(HDC dc)
{
    return Read(dc, &gdi::DcState::bkColor, CLR_INVALID);
}

int SetBkMode(HDC dc, int mode)
{
    if (mode != TRANSPARENT && mode != OPAQUE)
        return 0;
    return Exchange(dc, &gdi::DcState::bkMode, mode, 0);
}

int GetBkMode(HDC dc)
{
    return Read(dc, &gdi::DcState::bkMode, 0);
}

int SetROP2(HDC dc, int mode)
{
    if (mode < R2_BLACK || mode > R2_WHITE)
        return 0;
    return Exchange(dc, &gdi::DcState::rop2, mode, 0);
}

int GetROP2(HDC dc)
{
    return Read(dc, &gdi::DcState::rop2, 0);
}

int SetStretchBltMode(HDC dc, int mode)
{
    if (mode < BLACKONWHITE || mode > HALFTONE)
        return 0;
    return Exchange(dc, &gdi::DcState::stretchMode, mode, 0);
}

int GetStretchBltMode(HDC dc)
{
    return Read(dc, &gdi::DcState::stretchMode, 0);
}

int SetPolyFillMode(HDC dc, int mode)
{
    if (mode != ALTERNATE && mode != WINDING)
        return 0;
    return Exchange(dc, &gdi::DcState::polyFillMode, mode, 0);
}

int GetPolyFillMode(HDC dc)
{
    return Read(dc, &gdi::DcState::polyFillMode, 0);
}

BOOL MoveToEx(HDC hdc, int x, int y, POINT* previous)
{
    auto dc = FindDC(hdc);
    if (!dc)
        return FALSE;
    if (previous)
        *previous = dc->State().currentPos;
    dc->MutableState().currentPos = POINT{x, y};
    return TRUE;
}

BOOL GetCurrentPositionEx(HDC hdc, POINT* position)
{
    auto dc = FindDC(hdc);
    if (!dc || !position)
        return FALSE;
    *position = dc->State().currentPos;
    return TRUE;
}

int GetDeviceCaps(HDC hdc, int index)
{
    if (!FindDC(hdc))
        return 0;
    switch (index) {
    case BITSPIXEL: return 32;
    case PLANES: return 1;
    case LOGPIXELSX:
    case LOGPIXELSY: return 96;
    default: return 0;
    }
}
