#include "platform/gdi/FontObject.h"

#include "platform/qt/QtApp.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

#include <algorithm>
#include <map>

namespace gdi {
namespace {

// A LOGFONT height of 0 asks for the default size.
constexpr int DefaultPixelSize = 12;
// Larger text is never needed and would only cost memory.
constexpr int MaxPixelSize = 1000;

const char* const Sans = "Liberation Sans";
const char* const Serif = "Liberation Serif";
const char* const Mono = "Liberation Mono";

// The font families a face name stands for, first choice first.
QStringList FontFamilies(const std::string& faceName)
{
    static const std::map<QString, const char*> known = {
        {"arial", Sans}, {"tahoma", Sans}, {"ms sans serif", Sans}, {"ms shell dlg", Sans},
        {"ms shell dlg 2", Sans}, {"microsoft sans serif", Sans}, {"segoe ui", Sans}, {"verdana", Sans},
        {"trebuchet ms", Sans}, {"helvetica", Sans}, {"system", Sans}, {"", Sans},
        {"宋体", Sans}, {"新宋体", Sans}, {"黑体", Sans}, {"微软雅黑", Sans}, {"楷体", Sans}, {"仿宋", Sans},
        {"simsun", Sans}, {"nsimsun", Sans}, {"simhei", Sans}, {"microsoft yahei", Sans}, {"kaiti", Sans},
        {"fangsong", Sans}, {"mingliu", Sans}, {"pmingliu", Sans}, {"新細明體", Sans}, {"細明體", Sans},
        {"times new roman", Serif}, {"times", Serif}, {"ms serif", Serif}, {"georgia", Serif},
        {"courier new", Mono}, {"courier", Mono}, {"consolas", Mono}, {"lucida console", Mono},
        {"fixedsys", Mono}, {"terminal", Mono},
    };
    QString name = QString::fromStdString(faceName).trimmed();
    QString first;
    auto it = known.find(name.toLower());
    if (it != known.end())
        first = it->second;
    else if (QFontDatabase::hasFamily(name))
        first = name;
    else
        first = Sans;
    return {first, "DejaVu Sans", "WenQuanYi Micro Hei"};
}

} // namespace

void FontObject::Resolve()
{
    if (font_)
        return;
    EnsureGuiApplication();
    auto font = std::make_unique<QFont>();
    font->setFamilies(FontFamilies(logFont_.lfFaceName));
    font->setWeight(static_cast<QFont::Weight>(std::clamp<LONG>(logFont_.lfWeight ? logFont_.lfWeight : FW_NORMAL, 1, 1000)));
    font->setItalic(logFont_.lfItalic);
    font->setUnderline(logFont_.lfUnderline);
    font->setStrikeOut(logFont_.lfStrikeOut);
    if (logFont_.lfQuality == NONANTIALIASED_QUALITY)
        font->setStyleStrategy(QFont::NoAntialias);

    int pixels = DefaultPixelSize;
    if (logFont_.lfHeight < 0) {
        pixels = -std::max(logFont_.lfHeight, -MaxPixelSize);
    } else if (logFont_.lfHeight > 0) {
        // A positive height is the cell height (ascent + descent): scale from a reference size.
        font->setPixelSize(100);
        QFontMetrics reference(*font);
        int cell = std::max(1, reference.ascent() + reference.descent());
        pixels = static_cast<int>((std::int64_t{std::min(logFont_.lfHeight, 10 * MaxPixelSize)} * 100 + cell / 2) / cell);
    }
    font->setPixelSize(std::clamp(pixels, 1, MaxPixelSize));

    fm_ = std::make_unique<QFontMetrics>(*font);
    Metrics& m = metrics_;
    m.ascent = fm_->ascent();
    m.descent = fm_->descent();
    m.height = m.ascent + m.descent;
    m.internalLeading = std::max(0, m.height - QFontInfo(*font).pixelSize());
    m.externalLeading = std::max(0, fm_->leading());
    m.aveCharWidth = fm_->averageCharWidth();
    m.maxCharWidth = fm_->maxWidth();
    m.underlinePos = std::max(1, fm_->underlinePos());  // clear of the baseline's overshoot
    m.lineWidth = std::max(1, fm_->lineWidth());
    font_ = std::move(font);
}

const QFont& FontObject::Font()
{
    Resolve();
    return *font_;
}

const FontObject::Metrics& FontObject::GetMetrics()
{
    Resolve();
    return metrics_;
}

int FontObject::Width(const QString& text)
{
    Resolve();
    return fm_->horizontalAdvance(text);
}

} // namespace gdi
