#include "classlib/GraphicsObjects.h"

#include "platform/gdi/Objects.h"
#include "platform/gdi/Text.h"

#include <cstdlib>

namespace {

// a * b / c rounded half away from zero, as the platform's MulDiv.
int mulDiv(int a, int b, int c)
{
    long long p = static_cast<long long>(a) * b;
    long long q = (std::llabs(p) + std::llabs(c) / 2) / std::llabs(c);
    return static_cast<int>(((p < 0) != (c < 0)) ? -q : q);
}

} // namespace

void TGraphicsObject::Changed()
{
    if (OnChange)
        OnChange(this);
    ReleaseHandle();
}

// --- TFont -----------------------------------------------------------------------------------

TFont::TFont() = default;

TFont::~TFont()
{
    ReleaseHandle();
}

void TFont::ReleaseHandle()
{
    if (FHandle) {
        DeleteObject(FHandle);
        FHandle = nullptr;
    }
}

void TFont::SetName(const std::string& Value)
{
    if (Value.empty() || Value == FName)
        return;
    FName = Value;
    Changed();
}

int TFont::GetSize() const
{
    return -mulDiv(FHeight, 72, FPixelsPerInch);
}

void TFont::SetSize(int Value)
{
    SetHeight(-mulDiv(Value, FPixelsPerInch, 72));
}

void TFont::SetHeight(int Value)
{
    if (Value == FHeight)
        return;
    FHeight = Value;
    Changed();
}

void TFont::SetStyle(TFontStyles Value)
{
    if (Value == FStyle)
        return;
    FStyle = Value;
    Changed();
}

void TFont::SetColor(TColor Value)
{
    if (Value == FColor)
        return;
    FColor = Value;
    // The colour is not part of the GDI font: listeners hear of it, the handle stays.
    if (OnChange)
        OnChange(this);
}

void TFont::SetCharset(TFontCharset Value)
{
    if (Value == FCharset)
        return;
    FCharset = Value;
    Changed();
}

void TFont::SetPitch(TFontPitch Value)
{
    if (Value == FPitch)
        return;
    FPitch = Value;
    Changed();
}

LOGFONT TFont::GetLogFont() const
{
    LOGFONT lf;
    lf.lfHeight = FHeight;
    lf.lfWeight = FStyle.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = FStyle.Contains(fsItalic) ? 1 : 0;
    lf.lfUnderline = FStyle.Contains(fsUnderline) ? 1 : 0;
    lf.lfStrikeOut = FStyle.Contains(fsStrikeOut) ? 1 : 0;
    lf.lfCharSet = FCharset;
    lf.lfPitchAndFamily = static_cast<BYTE>(FPitch == TFontPitch::fpFixed ? 1 : FPitch == TFontPitch::fpVariable ? 2 : 0);
    lf.lfFaceName = FName;
    return lf;
}

HFONT TFont::GetHandle()
{
    if (!FHandle) {
        LOGFONT lf = GetLogFont();
        FHandle = CreateFontIndirect(&lf);
    }
    return FHandle;
}

void TFont::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TFont*>(Source);
    if (!src) {
        TGraphicsObject::Assign(Source);
        return;
    }
    if (src == this)
        return;
    FName = src->FName;
    FHeight = src->FHeight;
    FStyle = src->FStyle;
    FColor = src->FColor;
    FCharset = src->FCharset;
    FPitch = src->FPitch;
    FPixelsPerInch = src->FPixelsPerInch;
    Changed();
}

// --- TPen ------------------------------------------------------------------------------------

TPen::~TPen()
{
    ReleaseHandle();
}

void TPen::ReleaseHandle()
{
    if (FHandle) {
        DeleteObject(FHandle);
        FHandle = nullptr;
    }
}

void TPen::SetColor(TColor Value)
{
    if (Value == FColor)
        return;
    FColor = Value;
    Changed();
}

void TPen::SetWidth(int Value)
{
    if (Value < 0 || Value == FWidth)
        return;
    FWidth = Value;
    Changed();
}

void TPen::SetStyle(TPenStyle Value)
{
    if (Value == FStyle)
        return;
    FStyle = Value;
    Changed();
}

void TPen::SetMode(TPenMode Value)
{
    if (Value == FMode)
        return;
    FMode = Value;
    if (OnChange)
        OnChange(this);  // the mode belongs to the device context, not to the pen object
}

int TPen::Rop2() const
{
    static const int rop[] = {R2_BLACK, R2_WHITE, R2_NOP, R2_NOT, R2_COPYPEN, R2_NOTCOPYPEN,
                              R2_MERGEPENNOT, R2_MASKPENNOT, R2_MERGENOTPEN, R2_MASKNOTPEN, R2_MERGEPEN,
                              R2_NOTMERGEPEN, R2_MASKPEN, R2_NOTMASKPEN, R2_XORPEN, R2_NOTXORPEN};
    return rop[static_cast<int>(FMode)];
}

HPEN TPen::GetHandle()
{
    if (!FHandle) {
        static const int styles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
        FHandle = CreatePen(styles[static_cast<int>(FStyle)], FWidth, ColorToRGB(FColor));
    }
    return FHandle;
}

void TPen::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TPen*>(Source);
    if (!src) {
        TGraphicsObject::Assign(Source);
        return;
    }
    if (src == this)
        return;
    FColor = src->FColor;
    FWidth = src->FWidth;
    FStyle = src->FStyle;
    FMode = src->FMode;
    Changed();
}

// --- TBrush ----------------------------------------------------------------------------------

TBrush::~TBrush()
{
    ReleaseHandle();
}

void TBrush::ReleaseHandle()
{
    if (FHandle) {
        if (!FHandleIsStock)
            DeleteObject(FHandle);
        FHandle = nullptr;
    }
}

void TBrush::SetColor(TColor Value)
{
    if (Value == FColor && FStyle == TBrushStyle::bsSolid)
        return;
    FColor = Value;
    FStyle = TBrushStyle::bsSolid;
    Changed();
}

void TBrush::SetStyle(TBrushStyle Value)
{
    if (Value == FStyle)
        return;
    FStyle = Value;
    Changed();
}

HBRUSH TBrush::GetHandle()
{
    if (!FHandle) {
        FHandleIsStock = FStyle == TBrushStyle::bsClear;
        FHandle = FHandleIsStock ? static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)) : CreateSolidBrush(ColorToRGB(FColor));
    }
    return FHandle;
}

void TBrush::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TBrush*>(Source);
    if (!src) {
        TGraphicsObject::Assign(Source);
        return;
    }
    if (src == this)
        return;
    FColor = src->FColor;
    FStyle = src->FStyle;
    Changed();
}
