#pragma once
// Internal: a font behind an HFONT.

#include "platform/gdi/GdiObjects.h"

namespace gdi {

class FontObject : public Object {
public:
    explicit FontObject(LOGFONT logFont) : logFont_(std::move(logFont)) {}
    UINT Type() const override { return OBJ_FONT; }
    const LOGFONT& LogFont() const { return logFont_; }

private:
    LOGFONT logFont_;
};

} // namespace gdi
