#include "platform/gdi/DeviceContext.h"

#include "platform/gdi/FontObject.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/StockObjects.h"

#include <algorithm>

namespace gdi {

int ClampCoord(std::int64_t v)
{
    constexpr std::int64_t limit = std::int64_t{1} << 30;
    return static_cast<int>(std::clamp(v, -limit, limit));
}

DeviceContext::DeviceContext(Kind kind, std::shared_ptr<Surface> surface, POINT origin, Region deviceClip)
    : kind_(kind), surface_(std::move(surface)), origin_(origin), deviceClip_(std::move(deviceClip))
{
    state_.pen = LookupAs<PenObject>(GetStockObject(BLACK_PEN));
    state_.brush = LookupAs<BrushObject>(GetStockObject(WHITE_BRUSH));
    state_.font = LookupAs<FontObject>(GetStockObject(SYSTEM_FONT));
    if (kind == Kind::Memory)
        state_.bitmap = LookupAs<BitmapObject>(DefaultBitmap());
}

void DeviceContext::SetAppClip(std::optional<Region> clip)
{
    state_.clip = std::move(clip);
    Invalidate();
}

void DeviceContext::SetBitmap(std::shared_ptr<BitmapObject> bitmap)
{
    state_.bitmap = std::move(bitmap);
    Invalidate();
}

void DeviceContext::SetViewportOrg(POINT p)
{
    state_.viewportOrg = p;
}

void DeviceContext::SetWindowOrg(POINT p)
{
    state_.windowOrg = p;
}

void DeviceContext::SetDeviceClip(Region clip)
{
    deviceClip_ = std::move(clip);
    Invalidate();
}

int DeviceContext::Save()
{
    saved_.push_back(state_);
    return static_cast<int>(saved_.size());
}

bool DeviceContext::Restore(int level)
{
    // A negative level counts back from the latest save; a positive one names the value SaveDC
    // returned, dropping the states saved after it.
    int count = static_cast<int>(saved_.size());
    int target = level < 0 ? count + 1 + level : level;
    if (target < 1 || target > count)
        return false;
    state_ = std::move(saved_[target - 1]);
    saved_.resize(target - 1);
    Invalidate();
    return true;
}

POINT DeviceContext::LogicalToDevice(POINT p) const
{
    return POINT{ClampCoord(std::int64_t{p.x} - state_.windowOrg.x + state_.viewportOrg.x),
                 ClampCoord(std::int64_t{p.y} - state_.windowOrg.y + state_.viewportOrg.y)};
}

RECT DeviceContext::LogicalToDevice(const RECT& r) const
{
    POINT a = LogicalToDevice(POINT{r.left, r.top});
    POINT b = LogicalToDevice(POINT{r.right, r.bottom});
    return RECT{a.x, a.y, b.x, b.y};
}

Region DeviceContext::DeviceArea() const
{
    switch (kind_) {
    case Kind::Memory:
        return state_.bitmap ? Region(RECT{0, 0, state_.bitmap->Width(), state_.bitmap->Height()}) : Region();
    case Kind::Surface: {
        Region area(surface_->Bounds());
        area.Offset(-origin_.x, -origin_.y);
        return area.Intersect(deviceClip_);
    }
    case Kind::Info:
        break;
    }
    return Region();
}

POINT DeviceContext::SurfaceOffset() const
{
    return POINT{ClampCoord(std::int64_t{origin_.x} - state_.windowOrg.x + state_.viewportOrg.x),
                 ClampCoord(std::int64_t{origin_.y} - state_.windowOrg.y + state_.viewportOrg.y)};
}

const Region& DeviceContext::SurfaceClip()
{
    if (!clipValid_) {
        Region area = DeviceArea();
        if (state_.clip)
            area = area.Intersect(*state_.clip);
        area.Offset(origin_.x, origin_.y);
        surfaceClip_ = std::move(area);
        clipValid_ = true;
    }
    return surfaceClip_;
}

Target::Target(DeviceContext& dc, bool write)
{
    clip_ = &dc.SurfaceClip();
    const DcState& s = dc.State();
    offset_ = dc.SurfaceOffset();
    switch (dc.kind_) {
    case DeviceContext::Kind::Memory:
        if (s.bitmap) {
            access_.emplace(s.bitmap, write);
            surface_ = &access_->surface();
            mono_ = s.bitmap->IsMono();
        }
        break;
    case DeviceContext::Kind::Surface:
        surface_ = dc.surface_.get();
        break;
    case DeviceContext::Kind::Info:
        break;
    }
}

} // namespace gdi
