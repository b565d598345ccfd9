#include "platform/window/NonClient.h"

#include "platform/gdi/Dc.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Text.h"
#include "platform/window/Messages.h"
#include "platform/window/Metrics.h"
#include "platform/window/Paint.h"
#include "platform/window/ScrollBars.h"
#include "platform/window/WindowTree.h"

namespace {

int CaptionHeight(const Window* w)
{
    if ((w->style & WS_CAPTION) != WS_CAPTION)
        return 0;
    return GetSystemMetrics((w->exStyle & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
}

int BorderWidth(const Window* w)
{
    if (w->style & WS_THICKFRAME)
        return GetSystemMetrics(SM_CXFRAME);
    if ((w->style & WS_DLGFRAME) || (w->exStyle & WS_EX_DLGMODALFRAME))
        return GetSystemMetrics(SM_CXDLGFRAME);
    return (w->style & WS_BORDER) ? GetSystemMetrics(SM_CXBORDER) : 0;
}

int EdgeWidth(const Window* w)
{
    int edge = 0;
    if (w->exStyle & WS_EX_CLIENTEDGE)
        edge += GetSystemMetrics(SM_CXEDGE);
    if (w->exStyle & WS_EX_STATICEDGE)
        edge += GetSystemMetrics(SM_CXBORDER);
    return edge;
}

void Fill(HDC dc, const RECT& r, int colorIndex)
{
    FillRect(dc, &r, GetSysColorBrush(colorIndex));
}

// A one-pixel frame: the top and left sides in one colour, the bottom and right in another.
void Frame3D(HDC dc, RECT r, int topLeft, int bottomRight)
{
    Fill(dc, RECT{r.left, r.top, r.right - 1, r.top + 1}, topLeft);
    Fill(dc, RECT{r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
    Fill(dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    Fill(dc, RECT{r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

// The close box in the caption of a window with a system menu (window coordinates), or an
// empty rectangle.
RECT CloseBoxRect(const Window* w)
{
    const int caption = CaptionHeight(w);
    if (caption == 0 || !(w->style & WS_SYSMENU))
        return RECT{};
    const int border = BorderWidth(w);
    const int side = caption - 4;
    const int right = w->Width() - border - 2;
    const int top = border + 2;
    return RECT{right - side, top, right, top + side};
}

// A raised button face with a cross, as the default frame's close box.
void PaintCloseBox(HDC dc, const RECT& box)
{
    Fill(dc, box, COLOR_BTNFACE);
    Frame3D(dc, box, COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW);
    HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNTEXT));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    const int inset = 3;
    const int size = (box.right - box.left) - 2 * inset;
    // Two strokes of two pixels each way; LineTo leaves the end point out.
    for (int dx = 0; dx < 2; ++dx) {
        MoveToEx(dc, box.left + inset + dx, box.top + inset, nullptr);
        LineTo(dc, box.left + inset + dx + size - 1, box.top + inset + size - 1);
        MoveToEx(dc, box.right - inset - 1 - dx, box.top + inset, nullptr);
        LineTo(dc, box.right - inset - dx - size, box.top + inset + size - 1);
    }
    SelectObject(dc, oldPen);
    DeleteObject(pen);
}

} // namespace

RECT DefaultFrameInsets(const Window* w)
{
    if (w->style & WS_MINIMIZE)
        return RECT{0, 0, w->Width(), w->Height()};
    const int border = BorderWidth(w) + EdgeWidth(w);
    return RECT{border, border + CaptionHeight(w), border, border};
}

LRESULT DefaultHitTest(Window* w, POINT screen)
{
    const POINT o = ScreenOrigin(w);
    const POINT p{screen.x - o.x, screen.y - o.y};
    const int width = w->Width();
    const int height = w->Height();
    if (p.x < 0 || p.y < 0 || p.x >= width || p.y >= height || (w->shape && !w->shape->Contains(p)))
        return HTNOWHERE;
    if (PtInRect(&w->client, p))
        return HTCLIENT;
    if (const LRESULT bar = ScrollBarHitTest(w, p); bar != HTNOWHERE)
        return bar;
    if ((w->style & WS_THICKFRAME) && !(w->style & (WS_MAXIMIZE | WS_MINIMIZE))) {
        const int frame = GetSystemMetrics(SM_CXFRAME);
        // Near a corner, an edge sizes both ways.
        const int corner = GetSystemMetrics(SM_CXSIZE);
        const bool left = p.x < frame, right = p.x >= width - frame;
        const bool top = p.y < frame, bottom = p.y >= height - frame;
        const bool nearLeft = p.x < corner, nearRight = p.x >= width - corner;
        const bool nearTop = p.y < corner, nearBottom = p.y >= height - corner;
        if (top || bottom) {
            if (nearLeft)
                return top ? HTTOPLEFT : HTBOTTOMLEFT;
            if (nearRight)
                return top ? HTTOPRIGHT : HTBOTTOMRIGHT;
            return top ? HTTOP : HTBOTTOM;
        }
        if (left || right) {
            if (nearTop)
                return left ? HTTOPLEFT : HTTOPRIGHT;
            if (nearBottom)
                return left ? HTBOTTOMLEFT : HTBOTTOMRIGHT;
            return left ? HTLEFT : HTRIGHT;
        }
    }
    const int caption = CaptionHeight(w);
    const int border = BorderWidth(w);
    const RECT closeBox = CloseBoxRect(w);
    if (PtInRect(&closeBox, p))
        return HTCLOSE;
    if (caption > 0 && p.y >= border && p.y < border + caption)
        return HTCAPTION;
    return HTBORDER;
}

void DefaultPaintFrame(Window* w)
{
    const int border = BorderWidth(w);
    const int edge = EdgeWidth(w);
    const int caption = CaptionHeight(w);
    if (border == 0 && edge == 0 && caption == 0)
        return;
    HDC dc = GetWindowDC(w->handle);
    if (!dc)
        return;
    RECT r{0, 0, w->Width(), w->Height()};
    if (border == 1) {
        Frame3D(dc, r, COLOR_WINDOWFRAME, COLOR_WINDOWFRAME);
    } else if (border > 1) {
        Frame3D(dc, r, COLOR_3DLIGHT, COLOR_3DDKSHADOW);
        InflateRect(&r, -1, -1);
        Frame3D(dc, r, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW);
        InflateRect(&r, -1, -1);
        for (int i = 2; i < border; ++i) {
            Frame3D(dc, r, COLOR_BTNFACE, COLOR_BTNFACE);
            InflateRect(&r, -1, -1);
        }
    }
    r = RECT{border, border, w->Width() - border, w->Height() - border};
    if (caption > 0) {
        const RECT bar{r.left, r.top, r.right, r.top + caption};
        Fill(dc, bar, w->frameActive ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
        const RECT closeBox = CloseBoxRect(w);
        RECT textBox{bar.left + 4, bar.top, (IsRectEmpty(&closeBox) ? bar.right : closeBox.left) - 4, bar.bottom};
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(w->frameActive ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
        HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
        DrawText(dc, w->text.c_str(), -1, &textBox, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS | DT_NOPREFIX);
        SelectObject(dc, oldFont);
        if (!IsRectEmpty(&closeBox))
            PaintCloseBox(dc, closeBox);
        r.top += caption;
    }
    if (edge >= 2) {
        Frame3D(dc, r, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
        InflateRect(&r, -1, -1);
        Frame3D(dc, r, COLOR_3DDKSHADOW, COLOR_3DLIGHT);
    } else if (edge == 1) {
        Frame3D(dc, r, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
    }
    ReleaseDC(w->handle, dc);
}
