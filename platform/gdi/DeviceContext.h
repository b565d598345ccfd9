#pragma once
// Internal: the device context behind an HDC, and the drawing target a call works on.
//
// Coordinates: a logical point maps to the device by subtracting the window origin and adding the
// viewport origin; the device maps to the surface by adding the context's origin (a window's
// offset within its top-level surface; 0 for memory contexts). Clip regions are kept in device
// coordinates: the device clip given by the window manager (a window's visible part) and the
// application's clip region (SelectClipRgn and friends). Drawing is limited to their
// intersection and to the surface.

#include "platform/gdi/BitmapObject.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/Surface.h"

#include <memory>
#include <optional>
#include <vector>

namespace gdi {

class FontObject;

// What SaveDC keeps.
struct DcState {
    std::shared_ptr<PenObject> pen;
    std::shared_ptr<BrushObject> brush;
    std::shared_ptr<FontObject> font;
    std::shared_ptr<BitmapObject> bitmap;  // memory contexts only
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF bkColor = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    int rop2 = R2_COPYPEN;
    int stretchMode = BLACKONWHITE;
    int polyFillMode = ALTERNATE;
    POINT viewportOrg{};
    POINT windowOrg{};
    POINT currentPos{};
    std::optional<Region> clip;  // the application's clip region, device coordinates
};

// Keeps coordinates far from the 32-bit limits, so that sums and differences cannot overflow.
int ClampCoord(std::int64_t v);

class DeviceContext : public Object {
public:
    enum class Kind {
        Memory,   // draws into its selected bitmap
        Surface,  // draws into a surface given by the window manager
        Info      // draws nowhere (the display information context)
    };

    // Starts with the stock black pen, white brush and system font, and a memory context with
    // the default 1 x 1 monochrome bitmap.
    DeviceContext(Kind kind, std::shared_ptr<Surface> surface, POINT origin, Region deviceClip);

    UINT Type() const override { return kind_ == Kind::Memory ? OBJ_MEMDC : OBJ_DC; }
    Kind GetKind() const { return kind_; }

    // Read and change the state. Changes of the clip region, the bitmap or the origins must go
    // through the setters below so that the cached drawing clip follows.
    const DcState& State() const { return state_; }
    DcState& MutableState() { return state_; }
    void SetAppClip(std::optional<Region> clip);
    void SetBitmap(std::shared_ptr<BitmapObject> bitmap);
    void SetViewportOrg(POINT p);
    void SetWindowOrg(POINT p);
    void SetDeviceClip(Region clip);

    int Save();
    bool Restore(int level);

    POINT LogicalToDevice(POINT p) const;
    RECT LogicalToDevice(const RECT& r) const;
    // The largest area drawing could reach, in device coordinates (the surface with the device
    // clip); the base of clip operations when no application clip exists.
    Region DeviceArea() const;
    // The area drawing reaches, in surface coordinates.
    const Region& SurfaceClip();
    // Logical coordinates to surface coordinates: the offset to add.
    POINT SurfaceOffset() const;
    bool IsMono() const { return state_.bitmap && state_.bitmap->IsMono(); }

private:
    friend class Target;
    void Invalidate() { clipValid_ = false; }

    Kind kind_;
    std::shared_ptr<Surface> surface_;
    POINT origin_;
    Region deviceClip_;
    DcState state_;
    std::vector<DcState> saved_;
    Region surfaceClip_;
    bool clipValid_ = false;
};

// The pixels one drawing call works on, with the mapping from logical to surface coordinates.
class Target {
public:
    Target(DeviceContext& dc, bool write);

    // False when there is nothing to draw on or everything is clipped away.
    bool Drawable() const { return surface_ && !clip_->IsEmpty(); }
    bool HasSurface() const { return surface_ != nullptr; }
    Surface& surface() { return *surface_; }
    const Region& clip() const { return *clip_; }
    bool mono() const { return mono_; }

    int X(int lx) const { return ClampCoord(std::int64_t{lx} + offset_.x); }
    int Y(int ly) const { return ClampCoord(std::int64_t{ly} + offset_.y); }
    POINT P(POINT p) const { return POINT{X(p.x), Y(p.y)}; }
    RECT R(const RECT& r) const { return RECT{X(r.left), Y(r.top), X(r.right), Y(r.bottom)}; }
    // Logical offset to surface coordinates.
    POINT Offset() const { return offset_; }

private:
    std::optional<PixelAccess> access_;
    Surface* surface_ = nullptr;
    const Region* clip_ = nullptr;
    POINT offset_{};
    bool mono_ = false;
};

inline std::shared_ptr<DeviceContext> FindDC(HDC dc)
{
    return LookupAs<DeviceContext>(dc);
}

} // namespace gdi
