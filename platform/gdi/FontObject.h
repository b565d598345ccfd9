#pragma once
// Internal: a font behind an HFONT, resolved to a Qt font on first use.
//
// Windows face names map to the fonts this system ships: the sans-serif ones (Arial, Tahoma, MS
// Sans Serif, and the Chinese faces such as 宋体 and 微软雅黑, whose Latin letters then come from
// it too) to Liberation Sans, serif faces to Liberation Serif, fixed-pitch faces to Liberation
// Mono; a name the system has a font for stays; anything else becomes Liberation Sans. DejaVu Sans
// and then WenQuanYi Micro Hei follow as explicit fallbacks, so Chinese text gets Chinese glyph
// shapes whatever the locale.

#include "platform/gdi/GdiObjects.h"

#include <QFont>
#include <QFontMetrics>
#include <QString>

#include <memory>

namespace gdi {

class FontObject : public Object {
public:
    struct Metrics {
        int ascent = 0;
        int descent = 0;
        int height = 0;  // ascent + descent: the height of a line
        int internalLeading = 0;
        int externalLeading = 0;
        int aveCharWidth = 0;
        int maxCharWidth = 0;
        int underlinePos = 1;  // rows below the baseline
        int lineWidth = 1;
    };

    explicit FontObject(LOGFONT logFont) : logFont_(std::move(logFont)) {}
    UINT Type() const override { return OBJ_FONT; }
    const LOGFONT& LogFont() const { return logFont_; }

    // These create the GUI application when needed.
    const QFont& Font();
    const Metrics& GetMetrics();
    int Width(const QString& text);

private:
    void Resolve();

    LOGFONT logFont_;
    std::unique_ptr<QFont> font_;
    std::unique_ptr<QFontMetrics> fm_;
    Metrics metrics_;
};

} // namespace gdi
