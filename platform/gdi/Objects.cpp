#include "platform/gdi/Objects.h"

#include "platform/gdi/BitmapObject.h"
#include "platform/gdi/FontObject.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/StockObjects.h"

#include <array>
#include <cstring>

namespace {

// The classic Windows scheme.
constexpr std::array<COLORREF, 31> SysColors = {
    RGB(212, 208, 200),  // COLOR_SCROLLBAR
    RGB(58, 110, 165),   // COLOR_BACKGROUND
    RGB(10, 36, 106),    // COLOR_ACTIVECAPTION
    RGB(80, 80, 80),     // COLOR_INACTIVECAPTION: its text reaches 5:1 on it
    RGB(212, 208, 200),  // COLOR_MENU
    RGB(255, 255, 255),  // COLOR_WINDOW
    RGB(0, 0, 0),        // COLOR_WINDOWFRAME
    RGB(0, 0, 0),        // COLOR_MENUTEXT
    RGB(0, 0, 0),        // COLOR_WINDOWTEXT
    RGB(255, 255, 255),  // COLOR_CAPTIONTEXT
    RGB(212, 208, 200),  // COLOR_ACTIVEBORDER
    RGB(212, 208, 200),  // COLOR_INACTIVEBORDER
    RGB(128, 128, 128),  // COLOR_APPWORKSPACE
    RGB(10, 36, 106),    // COLOR_HIGHLIGHT
    RGB(255, 255, 255),  // COLOR_HIGHLIGHTTEXT
    RGB(212, 208, 200),  // COLOR_BTNFACE
    RGB(128, 128, 128),  // COLOR_BTNSHADOW
    RGB(128, 128, 128),  // COLOR_GRAYTEXT
    RGB(0, 0, 0),        // COLOR_BTNTEXT
    RGB(212, 208, 200),  // COLOR_INACTIVECAPTIONTEXT
    RGB(255, 255, 255),  // COLOR_BTNHIGHLIGHT
    RGB(64, 64, 64),     // COLOR_3DDKSHADOW
    RGB(212, 208, 200),  // COLOR_3DLIGHT
    RGB(0, 0, 0),        // COLOR_INFOTEXT
    RGB(255, 255, 225),  // COLOR_INFOBK
    RGB(181, 181, 181),  // (unused index 25)
    RGB(0, 0, 128),      // COLOR_HOTLIGHT
    RGB(166, 202, 240),  // COLOR_GRADIENTACTIVECAPTION
    RGB(192, 192, 192),  // COLOR_GRADIENTINACTIVECAPTION
    RGB(10, 36, 106),    // COLOR_MENUHILIGHT
    RGB(212, 208, 200),  // COLOR_MENUBAR
};

HGDIOBJ StockBrush(COLORREF color, UINT style = BS_SOLID)
{
    return gdi::Register(std::make_shared<gdi::BrushObject>(LOGBRUSH{style, color, 0}), true);
}

HGDIOBJ StockPen(COLORREF color, int style = PS_SOLID)
{
    return gdi::Register(std::make_shared<gdi::PenObject>(LOGPEN{static_cast<UINT>(style), {1, 0}, color}), true);
}

HGDIOBJ StockFont(const char* face, LONG height, LONG weight)
{
    LOGFONT lf;
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfFaceName = face;
    return gdi::Register(std::make_shared<gdi::FontObject>(lf), true);
}

struct Stock {
    std::array<HGDIOBJ, DEFAULT_GUI_FONT + 1> objects{};
    std::array<HBRUSH, SysColors.size()> sysBrushes{};
    HBITMAP defaultBitmap = nullptr;

    Stock()
    {
        objects[WHITE_BRUSH] = StockBrush(RGB(255, 255, 255));
        objects[LTGRAY_BRUSH] = StockBrush(RGB(192, 192, 192));
        objects[GRAY_BRUSH] = StockBrush(RGB(128, 128, 128));
        objects[DKGRAY_BRUSH] = StockBrush(RGB(64, 64, 64));
        objects[BLACK_BRUSH] = StockBrush(RGB(0, 0, 0));
        objects[NULL_BRUSH] = StockBrush(0, BS_NULL);
        objects[WHITE_PEN] = StockPen(RGB(255, 255, 255));
        objects[BLACK_PEN] = StockPen(RGB(0, 0, 0));
        objects[NULL_PEN] = StockPen(0, PS_NULL);
        objects[OEM_FIXED_FONT] = StockFont("Courier New", -13, FW_NORMAL);
        objects[ANSI_FIXED_FONT] = StockFont("Courier New", -13, FW_NORMAL);
        objects[ANSI_VAR_FONT] = StockFont("MS Sans Serif", -11, FW_NORMAL);
        objects[SYSTEM_FONT] = StockFont("System", 16, FW_BOLD);
        objects[DEVICE_DEFAULT_FONT] = StockFont("System", 16, FW_BOLD);
        objects[SYSTEM_FIXED_FONT] = StockFont("Courier New", -13, FW_NORMAL);
        objects[DEFAULT_GUI_FONT] = StockFont("MS Shell Dlg", -11, FW_NORMAL);
        for (std::size_t i = 0; i < SysColors.size(); ++i)
            sysBrushes[i] = static_cast<HBRUSH>(StockBrush(SysColors[i]));
        defaultBitmap =
            static_cast<HBITMAP>(gdi::Register(gdi::BitmapObject::CreateDevice(1, 1, true), true));
    }
};

const Stock& TheStock()
{
    static const Stock* stock = new Stock;  // stock objects live as long as the process
    return *stock;
}

} // namespace

namespace gdi {

HBITMAP DefaultBitmap()
{
    return TheStock().defaultBitmap;
}

} // namespace gdi

HGDIOBJ GetStockObject(int index)
{
    if (index < 0 || index >= static_cast<int>(TheStock().objects.size()))
        return nullptr;
    return TheStock().objects[static_cast<std::size_t>(index)];
}

HPEN CreatePen(int style, int width, COLORREF color)
{
    if (style < PS_SOLID || style > PS_INSIDEFRAME)
        return nullptr;
    LOGPEN pen{static_cast<UINT>(style), {width < 0 ? 0 : width, 0}, color};
    return static_cast<HPEN>(gdi::Register(std::make_shared<gdi::PenObject>(pen)));
}

HBRUSH CreateSolidBrush(COLORREF color)
{
    return static_cast<HBRUSH>(gdi::Register(std::make_shared<gdi::BrushObject>(LOGBRUSH{BS_SOLID, color, 0})));
}

BOOL DeleteObject(HGDIOBJ object)
{
    auto o = gdi::Lookup(object);
    if (!o)
        return FALSE;
    switch (o->Type()) {
    case OBJ_PEN:
    case OBJ_BRUSH:
    case OBJ_FONT:
    case OBJ_BITMAP:
    case OBJ_REGION:
        o.reset();  // the table's reference must be the last one
        return gdi::Unregister(object) ? TRUE : FALSE;
    default:
        return FALSE;  // device contexts and icons have their own calls
    }
}

int GetObject(HGDIOBJ object, int size, void* buffer)
{
    std::shared_ptr<gdi::Object> o = gdi::Lookup(object);
    if (!o || size < 0)
        return 0;
    if (auto bitmap = std::dynamic_pointer_cast<gdi::BitmapObject>(o)) {
        bool section = bitmap->IsDib() && size >= static_cast<int>(sizeof(DIBSECTION));
        if (!buffer)
            return bitmap->IsDib() ? sizeof(DIBSECTION) : sizeof(BITMAP);
        if (size < static_cast<int>(sizeof(BITMAP)))
            return 0;
        BITMAP bm;
        bm.bmWidth = bitmap->Width();
        bm.bmHeight = bitmap->Height();
        bm.bmWidthBytes = bitmap->WidthBytes();
        bm.bmBitsPixel = static_cast<WORD>(bitmap->BitsPixel());
        bm.bmBits = bitmap->Bits();
        if (!section) {
            std::memcpy(buffer, &bm, sizeof bm);
            return sizeof(BITMAP);
        }
        DIBSECTION ds;
        ds.dsBm = bm;
        ds.dsBmih = bitmap->DibHeader();
        std::memcpy(buffer, &ds, sizeof ds);
        return sizeof(DIBSECTION);
    }
    if (auto font = std::dynamic_pointer_cast<gdi::FontObject>(o)) {
        if (!buffer)
            return sizeof(LOGFONT);
        if (size < static_cast<int>(sizeof(LOGFONT)))
            return 0;
        *static_cast<LOGFONT*>(buffer) = font->LogFont();
        return sizeof(LOGFONT);
    }
    return 0;
}

DWORD GetSysColor(int index)
{
    if (index < 0 || index >= static_cast<int>(SysColors.size()))
        return 0;
    return SysColors[static_cast<std::size_t>(index)];
}

HBRUSH GetSysColorBrush(int index)
{
    if (index < 0 || index >= static_cast<int>(SysColors.size()))
        return nullptr;
    return TheStock().sysBrushes[static_cast<std::size_t>(index)];
}
