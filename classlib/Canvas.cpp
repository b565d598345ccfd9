#include "classlib/Canvas.h"

#include "classlib/Graphic.h"
#include "platform/gdi/Blt.h"
#include "platform/gdi/Dc.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Text.h"

#include <climits>
#include <cstdint>

TCanvas::TCanvas() : FFont(new TFont), FPen(new TPen), FBrush(new TBrush)
{
    FFont->OnChange = [this](TObject*) { fontChanged(); };
    FPen->OnChange = [this](TObject*) { penChanged(); };
    FBrush->OnChange = [this](TObject*) { brushChanged(); };
}

TCanvas::~TCanvas()
{
    SetHandle(nullptr);
    FFont->Free();
    FPen->Free();
    FBrush->Free();
}

HDC TCanvas::GetHandle()
{
    RequiredState(csHandleValid);
    return FHandle;
}

void TCanvas::SetHandle(HDC Value)
{
    if (FHandle == Value)
        return;
    if (FHandle) {
        DeselectHandles();
        FPenPos = GetPenPos();
    }
    FHandle = Value;
    FState = Value ? csHandleValid : 0;
}

void TCanvas::DeselectHandles()
{
    if (!FHandle)
        return;
    if (FState & (csFontValid | csPenValid | csBrushValid)) {
        SelectObject(FHandle, GetStockObject(BLACK_PEN));
        SelectObject(FHandle, GetStockObject(WHITE_BRUSH));
        SelectObject(FHandle, GetStockObject(SYSTEM_FONT));
        FState &= ~(csFontValid | csPenValid | csBrushValid);
    }
}

void TCanvas::RequiredState(int ReqState)
{
    int needed = ReqState & ~FState;
    if (!needed)
        return;
    if (needed & csHandleValid) {
        CreateHandle();
        if (!FHandle)
            throw EInvalidOperation("Canvas does not allow drawing");
        FState |= csHandleValid;
        MoveToEx(FHandle, FPenPos.x, FPenPos.y, nullptr);
    }
    if (needed & csFontValid) {
        SelectObject(FHandle, FFont->GetHandle());
        SetTextColor(FHandle, ColorToRGB(FFont->GetColor()));
        FState |= csFontValid;
    }
    if (needed & csPenValid) {
        SelectObject(FHandle, FPen->GetHandle());
        SetROP2(FHandle, FPen->Rop2());
        FState |= csPenValid;
    }
    if (needed & csBrushValid) {
        SelectObject(FHandle, FBrush->GetHandle());
        SetBkColor(FHandle, ColorToRGB(FBrush->GetColor()));
        SetBkMode(FHandle, FBrush->GetStyle() == TBrushStyle::bsSolid ? OPAQUE : TRANSPARENT);
        FState |= csBrushValid;
    }
}

void TCanvas::fontChanged()
{
    if (FHandle && (FState & csFontValid)) {
        SelectObject(FHandle, GetStockObject(SYSTEM_FONT));
        FState &= ~csFontValid;
    }
}

void TCanvas::penChanged()
{
    if (FHandle && (FState & csPenValid)) {
        SelectObject(FHandle, GetStockObject(BLACK_PEN));
        FState &= ~csPenValid;
    }
}

void TCanvas::brushChanged()
{
    if (FHandle && (FState & csBrushValid)) {
        SelectObject(FHandle, GetStockObject(WHITE_BRUSH));
        FState &= ~csBrushValid;
    }
}

void TCanvas::Changing()
{
    if (OnChanging)
        OnChanging(this);
}

void TCanvas::Changed()
{
    if (OnChange)
        OnChange(this);
}

POINT TCanvas::GetPenPos()
{
    if (FHandle)
        GetCurrentPositionEx(FHandle, &FPenPos);
    return FPenPos;
}

void TCanvas::MoveTo(int X, int Y)
{
    FPenPos = POINT{X, Y};
    if (FHandle)
        MoveToEx(FHandle, X, Y, nullptr);
}

void TCanvas::LineTo(int X, int Y)
{
    Changing();
    RequiredState(csHandleValid | csPenValid | csBrushValid);
    ::LineTo(FHandle, X, Y);
    Changed();
}

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2)
{
    Changing();
    RequiredState(csHandleValid | csPenValid | csBrushValid);
    ::Rectangle(FHandle, X1, Y1, X2, Y2);
    Changed();
}

void TCanvas::FillRect(const RECT& Rect)
{
    Changing();
    RequiredState(csHandleValid | csBrushValid);
    ::FillRect(FHandle, &Rect, FBrush->GetHandle());
    Changed();
}

void TCanvas::FrameRect(const RECT& Rect)
{
    Changing();
    RequiredState(csHandleValid | csBrushValid);
    ::FrameRect(FHandle, &Rect, FBrush->GetHandle());
    Changed();
}

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2)
{
    Changing();
    RequiredState(csHandleValid | csPenValid | csBrushValid);
    ::Ellipse(FHandle, X1, Y1, X2, Y2);
    Changed();
}

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3)
{
    Changing();
    RequiredState(csHandleValid | csPenValid | csBrushValid);
    ::RoundRect(FHandle, X1, Y1, X2, Y2, X3, Y3);
    Changed();
}

void TCanvas::Polygon(const std::vector<POINT>& Points)
{
    if (Points.empty())
        return;
    Changing();
    RequiredState(csHandleValid | csPenValid | csBrushValid);
    ::Polygon(FHandle, Points.data(), static_cast<int>(Points.size()));
    Changed();
}

void TCanvas::Polyline(const std::vector<POINT>& Points)
{
    if (Points.empty())
        return;
    Changing();
    RequiredState(csHandleValid | csPenValid | csBrushValid);
    ::Polyline(FHandle, Points.data(), static_cast<int>(Points.size()));
    Changed();
}

void TCanvas::DrawFocusRect(const RECT& Rect)
{
    Changing();
    RequiredState(csHandleValid | csBrushValid);
    ::DrawFocusRect(FHandle, &Rect);
    Changed();
}

void TCanvas::Draw(int X, int Y, TGraphic* Graphic)
{
    if (!Graphic || Graphic->Empty())
        return;
    StretchDraw(RECT{X, Y, X + Graphic->GetWidth(), Y + Graphic->GetHeight()}, Graphic);
}

void TCanvas::StretchDraw(const RECT& Rect, TGraphic* Graphic)
{
    if (!Graphic || Graphic->Empty())
        return;
    Changing();
    RequiredState(csHandleValid);
    Graphic->Draw(this, Rect);
    Changed();
}

void TCanvas::CopyRect(const RECT& Dest, TCanvas* Canvas, const RECT& Source)
{
    // A rectangle whose size does not fit an int (one a damaged skin may give) copies nothing.
    for (const RECT* r : {&Dest, &Source})
        if (std::int64_t{r->right} - r->left > INT_MAX || std::int64_t{r->bottom} - r->top > INT_MAX ||
            std::int64_t{r->right} - r->left < INT_MIN || std::int64_t{r->bottom} - r->top < INT_MIN)
            return;
    Changing();
    RequiredState(csHandleValid | csFontValid | csBrushValid);
    HDC src = Canvas->GetHandle();
    Canvas->BeforeReading();
    StretchBlt(FHandle, Dest.left, Dest.top, Dest.right - Dest.left, Dest.bottom - Dest.top, src, Source.left,
               Source.top, Source.right - Source.left, Source.bottom - Source.top, FCopyMode);
    Changed();
}

void TCanvas::TextOut(int X, int Y, const std::string& Text)
{
    Changing();
    RequiredState(csHandleValid | csFontValid | csBrushValid);
    ExtTextOut(FHandle, X, Y, 0, nullptr, Text.data(), static_cast<int>(Text.size()));
    SIZE size{};
    GetTextExtentPoint32(FHandle, Text.data(), static_cast<int>(Text.size()), &size);
    MoveTo(X + size.cx, Y);
    Changed();
}

void TCanvas::TextRect(const RECT& Rect, int X, int Y, const std::string& Text)
{
    Changing();
    RequiredState(csHandleValid | csFontValid | csBrushValid);
    UINT options = ETO_CLIPPED;
    if (FBrush->GetStyle() != TBrushStyle::bsClear)
        options |= ETO_OPAQUE;
    ExtTextOut(FHandle, X, Y, options, &Rect, Text.data(), static_cast<int>(Text.size()));
    Changed();
}

int TCanvas::TextRect(RECT& Rect, const std::string& Text, UINT Format)
{
    if (Format & DT_CALCRECT) {
        RequiredState(csHandleValid | csFontValid);
        return ::DrawText(FHandle, Text.c_str(), static_cast<int>(Text.size()), &Rect, Format);
    }
    Changing();
    RequiredState(csHandleValid | csFontValid | csBrushValid);
    int h = ::DrawText(FHandle, Text.c_str(), static_cast<int>(Text.size()), &Rect, Format);
    Changed();
    return h;
}

SIZE TCanvas::TextExtent(const std::string& Text)
{
    RequiredState(csHandleValid | csFontValid);
    SIZE size{};
    GetTextExtentPoint32(FHandle, Text.data(), static_cast<int>(Text.size()), &size);
    return size;
}

COLORREF TCanvas::GetPixel(int X, int Y)
{
    RequiredState(csHandleValid);
    BeforeReading();
    return ::GetPixel(FHandle, X, Y);
}

void TCanvas::SetPixel(int X, int Y, TColor Color)
{
    Changing();
    RequiredState(csHandleValid | csPenValid);
    ::SetPixel(FHandle, X, Y, ColorToRGB(Color));
    Changed();
}

RECT TCanvas::ClipRect()
{
    RequiredState(csHandleValid);
    RECT r{};
    GetClipBox(FHandle, &r);
    return r;
}

void TCanvas::Lock()
{
    FLock.Enter();
    ++FLockCount;
}

void TCanvas::Unlock()
{
    --FLockCount;
    FLock.Leave();
}

bool TCanvas::TryLock()
{
    if (!FLock.TryEnter())
        return false;
    ++FLockCount;
    return true;
}
