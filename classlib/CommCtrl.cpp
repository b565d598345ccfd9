#include "classlib/CommCtrl.h"

#include "classlib/Canvas.h"
#include "classlib/CommCtrlParts.h"
#include "classlib/ImgList.h"
#include "platform/gdi/Gdi.h"

#include <algorithm>

void RegisterCommonControls()
{
    struct Entry {
        const char* name;
        WNDPROC proc;
        UINT style;
    };
    static const Entry entries[] = {
        {WC_HEADER, &commctl::HeaderProc, CS_DBLCLKS},
        {WC_LISTVIEW, &commctl::ListViewProc, CS_DBLCLKS},
        {WC_TREEVIEW, &commctl::TreeViewProc, CS_DBLCLKS},
        {WC_TABCONTROL, &commctl::TabControlProc, CS_DBLCLKS},
        {UPDOWN_CLASS, &commctl::UpDownProc, 0},
    };
    for (const Entry& e : entries) {
        WNDCLASS existing;
        if (GetClassInfo(nullptr, e.name, &existing) && existing.lpfnWndProc == e.proc)
            continue;
        WNDCLASS wc;
        wc.style = e.style;
        wc.lpfnWndProc = e.proc;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.lpszClassName = e.name;
        RegisterClass(&wc);
    }
}

void CreateSubClass(TCreateParams& Params, const char* ControlClassName)
{
    RegisterCommonControls();
    WNDCLASS wc;
    if (!GetClassInfo(nullptr, ControlClassName, &wc))
        return;
    Params.DefWndProc = wc.lpfnWndProc;
    Params.ClassStyle = wc.style;
    Params.ClassCursor = wc.hCursor;
    Params.ClassBackground = nullptr;
}

namespace commctl {

LRESULT Notify(HWND from, int code, NMHDR* header)
{
    header->hwndFrom = from;
    header->idFrom = static_cast<UINT_PTR>(GetWindowLongPtr(from, GWLP_ID));
    header->code = code;
    HWND parent = GetParent(from);
    if (!parent)
        return 0;
    return SendMessage(parent, WM_NOTIFY, header->idFrom, reinterpret_cast<LPARAM>(header));
}

HFONT FontOr(HFONT font)
{
    return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

SIZE TextSize(HDC dc, HFONT font, const std::string& text)
{
    HGDIOBJ old = SelectObject(dc, FontOr(font));
    SIZE size{};
    GetTextExtentPoint32(dc, text.c_str(), static_cast<int>(text.size()), &size);
    if (text.empty()) {
        SIZE probe{};
        GetTextExtentPoint32(dc, "Ag", 2, &probe);
        size.cy = probe.cy;
    }
    SelectObject(dc, old);
    return size;
}

void DrawCellText(HDC dc, HFONT font, const std::string& text, RECT r, UINT align, COLORREF color)
{
    if (r.right <= r.left || text.empty())
        return;
    HGDIOBJ old = SelectObject(dc, FontOr(font));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, color);
    DrawText(dc, text.c_str(), static_cast<int>(text.size()), &r,
             align | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    SelectObject(dc, old);
}

void FillColor(HDC dc, const RECT& r, COLORREF color)
{
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

void ButtonFace(HDC dc, const RECT& r, bool pressed)
{
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    if (r.right - r.left < 2 || r.bottom - r.top < 2)
        return;
    auto line = [&](RECT part, int color) { FillRect(dc, &part, GetSysColorBrush(color)); };
    const int light = pressed ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT;
    const int dark = COLOR_BTNSHADOW;
    line(RECT{r.left, r.top, r.right - 1, r.top + 1}, light);
    line(RECT{r.left, r.top, r.left + 1, r.bottom - 1}, light);
    line(RECT{r.left, r.bottom - 1, r.right, r.bottom}, dark);
    line(RECT{r.right - 1, r.top, r.right, r.bottom}, dark);
}

void Triangle(HDC dc, const RECT& r, int direction, COLORREF color)
{
    const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    const int size = std::max(1, std::min(r.right - r.left, r.bottom - r.top) / 4);
    HBRUSH brush = CreateSolidBrush(color);
    for (int i = 0; i < size; ++i) {
        // Row i counts from the tip.
        const int along = i - size / 2;
        RECT line{};
        switch (direction) {
        case 0: line = RECT{cx + along, cy - i, cx + along + 1, cy + i + 1}; break;
        case 1: line = RECT{cx - i, cy + along, cx + i + 1, cy + along + 1}; break;
        case 2: line = RECT{cx - along, cy - i, cx - along + 1, cy + i + 1}; break;
        default: line = RECT{cx - i, cy - along, cx + i + 1, cy - along + 1}; break;
        }
        FillRect(dc, &line, brush);
    }
    DeleteObject(brush);
}

void DrawImage(HDC dc, HIMAGELIST images, int index, int x, int y, bool enabled)
{
    if (!images || index < 0 || index >= images->Count())
        return;
    TCanvas canvas;
    canvas.SetHandle(dc);
    images->Draw(&canvas, x, y, index, enabled);
    canvas.SetHandle(nullptr);
}

int ImageWidth(HIMAGELIST images)
{
    return images ? images->GetWidth() : 0;
}

int ImageHeight(HIMAGELIST images)
{
    return images ? images->GetHeight() : 0;
}

void CopyOut(const std::string& text, char* out, int size)
{
    if (!out || size <= 0)
        return;
    std::size_t n = std::min<std::size_t>(text.size(), static_cast<std::size_t>(size - 1));
    while (n > 0 && n < text.size() && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80)
        --n;
    std::copy_n(text.data(), n, out);
    out[n] = '\0';
}

} // namespace commctl
