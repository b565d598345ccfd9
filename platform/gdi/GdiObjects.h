#pragma once
// Internal: the drawing objects behind the handles, and the process-wide handle table.
//
// A handle is a number that the table maps to a shared object. Deleting a handle removes it from
// the table at once, so a stale handle is simply not found; device contexts hold their selected
// objects by shared pointer, which is how the table knows that an object is still selected.

#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/Region.h"

#include <algorithm>
#include <memory>

namespace gdi {

class Object;
// Adds an object and returns its new handle. Stock objects are never removed.
HGDIOBJ Register(std::shared_ptr<Object> object, bool stock = false);

class Object {
public:
    virtual ~Object() = default;
    virtual UINT Type() const = 0;
    HGDIOBJ Handle() const { return handle_; }

private:
    friend HGDIOBJ Register(std::shared_ptr<Object>, bool);
    HGDIOBJ handle_ = nullptr;
};

std::shared_ptr<Object> Lookup(const void* handle);
template <class T>
std::shared_ptr<T> LookupAs(const void* handle)
{
    return std::dynamic_pointer_cast<T>(Lookup(handle));
}
// Removes a handle. False when it is unknown or the object is still selected somewhere; a stock
// object stays and the call counts as done.
bool Unregister(const void* handle);

class PenObject : public Object {
public:
    explicit PenObject(const LOGPEN& pen) : pen(pen) {}
    UINT Type() const override { return OBJ_PEN; }
    int Style() const { return static_cast<int>(pen.lopnStyle) & PS_STYLE_MASK; }
    // Width in pixels: 0 means the thinnest line, as 1; wider than MaxWidth counts as MaxWidth.
    static constexpr int MaxWidth = 256;
    int Width() const { return std::clamp<int>(pen.lopnWidth.x, 1, MaxWidth); }

    const LOGPEN pen;
};

class BrushObject : public Object {
public:
    explicit BrushObject(const LOGBRUSH& brush) : brush(brush) {}
    UINT Type() const override { return OBJ_BRUSH; }
    bool IsNull() const { return brush.lbStyle == BS_NULL; }

    const LOGBRUSH brush;
};

class RegionObject : public Object {
public:
    explicit RegionObject(Region region) : region(std::move(region)) {}
    UINT Type() const override { return OBJ_REGION; }

    Region region;
};

// The complexity code of a region: NULLREGION, SIMPLEREGION or COMPLEXREGION.
int Complexity(const Region& region);

} // namespace gdi
