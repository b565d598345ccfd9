#pragma once
// TCanvas: drawing on a device context with a font, a pen and a brush that are selected into it
// as each call needs them. Every drawing call is bracketed by Changing and Changed (and their
// events), which is how a bitmap keeps its pixels and its DIB section in step.

#include "classlib/GraphicsObjects.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/kernel/Sync.h"

#include <string>
#include <vector>

class TGraphic;

class TCanvas : public TPersistent {
public:
    TCanvas();
    ~TCanvas() override;

    // The device context; a canvas that makes its own (bitmaps, controls) makes it here.
    HDC GetHandle();
    // Draws on a context owned by someone else (nullptr detaches).
    void SetHandle(HDC Value);
    bool HandleAllocated() const { return FHandle != nullptr; }

    TFont* Font() const { return FFont; }
    TPen* Pen() const { return FPen; }
    TBrush* Brush() const { return FBrush; }
    void SetFont(TFont* Value) { FFont->Assign(Value); }
    void SetPen(TPen* Value) { FPen->Assign(Value); }
    void SetBrush(TBrush* Value) { FBrush->Assign(Value); }
    POINT GetPenPos();
    void SetPenPos(POINT Value) { MoveTo(Value.x, Value.y); }
    // The ternary raster operation of CopyRect and of drawing bitmaps; SRCCOPY by default.
    DWORD GetCopyMode() const { return FCopyMode; }
    void SetCopyMode(DWORD Value) { FCopyMode = Value; }

    void MoveTo(int X, int Y);
    void LineTo(int X, int Y);
    void Rectangle(int X1, int Y1, int X2, int Y2);
    void Rectangle(const RECT& Rect) { Rectangle(Rect.left, Rect.top, Rect.right, Rect.bottom); }
    // With the brush, without the pen.
    void FillRect(const RECT& Rect);
    // A one-pixel frame in the brush's colour.
    void FrameRect(const RECT& Rect);
    void Ellipse(int X1, int Y1, int X2, int Y2);
    void Ellipse(const RECT& Rect) { Ellipse(Rect.left, Rect.top, Rect.right, Rect.bottom); }
    void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3);
    void Polygon(const std::vector<POINT>& Points);
    void Polyline(const std::vector<POINT>& Points);
    void DrawFocusRect(const RECT& Rect);
    // The picture at (X, Y) in its own size; StretchDraw scales it into Rect.
    void Draw(int X, int Y, TGraphic* Graphic);
    void StretchDraw(const RECT& Rect, TGraphic* Graphic);
    // Source of Canvas stretched into Dest with CopyMode.
    void CopyRect(const RECT& Dest, TCanvas* Canvas, const RECT& Source);

    // Text in the font's colour, over the brush's colour when the brush is solid; the pen
    // position moves to the end of the text.
    void TextOut(int X, int Y, const std::string& Text);
    // The same, clipped to Rect (and the rectangle filled first when the brush is solid).
    void TextRect(const RECT& Rect, int X, int Y, const std::string& Text);
    // Formats the text in Rect with the DrawText flags (DT_CALCRECT sets Rect to the extent and
    // draws nothing); returns the text height.
    int TextRect(RECT& Rect, const std::string& Text, UINT Format);
    SIZE TextExtent(const std::string& Text);
    int TextWidth(const std::string& Text) { return TextExtent(Text).cx; }
    int TextHeight(const std::string& Text) { return TextExtent(Text).cy; }

    COLORREF GetPixel(int X, int Y);
    void SetPixel(int X, int Y, TColor Color);
    // The bounds of the area drawing reaches, in logical coordinates.
    RECT ClipRect();

    // Serialises drawing from several threads.
    void Lock();
    void Unlock();
    bool TryLock();
    int LockCount() const { return FLockCount; }

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    enum State { csHandleValid = 1, csFontValid = 2, csPenValid = 4, csBrushValid = 8 };
    // Makes the context of a canvas that owns one; the base has none to make.
    virtual void CreateHandle() {}
    // Selects what the coming call needs (State bits); EInvalidOperation "Canvas does not allow
    // drawing" when there is no context.
    void RequiredState(int ReqState);
    // Puts the stock objects back, so our font, pen and brush can be deleted.
    void DeselectHandles();
    virtual void Changing();
    virtual void Changed();
    // Before the context is read (pixels, or this canvas as a copy source).
    virtual void BeforeReading() {}

private:
    void fontChanged();
    void penChanged();
    void brushChanged();

    HDC FHandle = nullptr;
    int FState = 0;
    TFont* FFont;
    TPen* FPen;
    TBrush* FBrush;
    POINT FPenPos{};
    DWORD FCopyMode = SRCCOPY;
    CriticalSection FLock;
    int FLockCount = 0;
};

class EInvalidOperation : public Exception {
public:
    using Exception::Exception;
};
