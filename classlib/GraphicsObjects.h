#pragma once
// The drawing tools of a canvas: font, pen and brush. Each makes its GDI object on demand and
// drops it when a property changes (after telling its OnChange listeners, so a canvas can
// deselect it first).

#include "classlib/Colors.h"
#include "classlib/Classes.h"
#include "platform/gdi/GdiTypes.h"

#include <string>

class TGraphicsObject : public TPersistent {
public:
    TNotifyEvent OnChange;

protected:
    // Tells the listeners, then drops the GDI object so the next use makes a new one.
    void Changed();
    virtual void ReleaseHandle() = 0;
};

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
enum class TFontPitch { fpDefault, fpVariable, fpFixed };
using TFontCharset = BYTE;

// Size is in points at PixelsPerInch (96); Height in pixels: negative for the character height,
// positive for the cell height. Setting one sets the other.
class TFont : public TGraphicsObject {
public:
    TFont();
    ~TFont() override;

    const std::string& GetName() const { return FName; }
    void SetName(const std::string& Value);
    int GetSize() const;
    void SetSize(int Value);
    int GetHeight() const { return FHeight; }
    void SetHeight(int Value);
    TFontStyles GetStyle() const { return FStyle; }
    void SetStyle(TFontStyles Value);
    TColor GetColor() const { return FColor; }
    void SetColor(TColor Value);
    TFontCharset GetCharset() const { return FCharset; }
    void SetCharset(TFontCharset Value);
    TFontPitch GetPitch() const { return FPitch; }
    void SetPitch(TFontPitch Value);
    int GetPixelsPerInch() const { return FPixelsPerInch; }

    // The font as a LOGFONT (what the handle is made from).
    LOGFONT GetLogFont() const;
    HFONT GetHandle();

    void Assign(TPersistent* Source) override;

protected:
    void ReleaseHandle() override;

private:
    std::string FName = "MS Sans Serif";
    int FHeight = -11;
    TFontStyles FStyle;
    TColor FColor = clWindowText;
    TFontCharset FCharset = DEFAULT_CHARSET;
    TFontPitch FPitch = TFontPitch::fpDefault;
    int FPixelsPerInch = 96;
    HFONT FHandle = nullptr;
};

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
// The binary raster operations of the pen, in the order of R2_BLACK .. R2_WHITE.
enum class TPenMode {
    pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
    pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor
};

class TPen : public TGraphicsObject {
public:
    ~TPen() override;

    TColor GetColor() const { return FColor; }
    void SetColor(TColor Value);
    int GetWidth() const { return FWidth; }
    void SetWidth(int Value);
    TPenStyle GetStyle() const { return FStyle; }
    void SetStyle(TPenStyle Value);
    TPenMode GetMode() const { return FMode; }
    void SetMode(TPenMode Value);
    // The R2_ value of Mode.
    int Rop2() const;

    HPEN GetHandle();
    void Assign(TPersistent* Source) override;

protected:
    void ReleaseHandle() override;

private:
    TColor FColor = clBlack;
    int FWidth = 1;
    TPenStyle FStyle = TPenStyle::psSolid;
    TPenMode FMode = TPenMode::pmCopy;
    HPEN FHandle = nullptr;
};

enum class TBrushStyle { bsSolid, bsClear };

class TBrush : public TGraphicsObject {
public:
    ~TBrush() override;

    TColor GetColor() const { return FColor; }
    // A colour makes a clear brush solid, as the class library does.
    void SetColor(TColor Value);
    TBrushStyle GetStyle() const { return FStyle; }
    void SetStyle(TBrushStyle Value);

    // A clear brush is the stock null brush.
    HBRUSH GetHandle();
    void Assign(TPersistent* Source) override;

protected:
    void ReleaseHandle() override;

private:
    TColor FColor = clWhite;
    TBrushStyle FStyle = TBrushStyle::bsSolid;
    HBRUSH FHandle = nullptr;
    bool FHandleIsStock = false;
};
