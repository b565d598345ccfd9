#include "platform/gdi/SurfaceDC.h"

#include "platform/gdi/DeviceContext.h"

HDC CreateSurfaceDC(std::shared_ptr<Surface> surface, POINT origin, const Region& deviceClip)
{
    if (!surface)
        return nullptr;
    return static_cast<HDC>(gdi::Register(std::make_shared<gdi::DeviceContext>(
        gdi::DeviceContext::Kind::Surface, std::move(surface), origin, deviceClip)));
}

BOOL SetSurfaceDCClip(HDC hdc, const Region& deviceClip)
{
    auto dc = gdi::FindDC(hdc);
    if (!dc || dc->GetKind() != gdi::DeviceContext::Kind::Surface)
        return FALSE;
    dc->SetDeviceClip(deviceClip);
    return TRUE;
}

std::shared_ptr<Surface> GetBitmapSurface(HBITMAP bitmap)
{
    auto b = gdi::LookupAs<gdi::BitmapObject>(bitmap);
    return b ? b->DirectSurface() : nullptr;
}
