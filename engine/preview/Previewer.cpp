#include "engine/preview/Previewer.h"

#include "engine/EngineUtils.h"
#include "engine/FFPlayDisplay.h"
#include "engine/FFUtils.h"
#include "platform/gdi/Gdi.h"
#include "platform/window/User.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr const char* kClassName = "ZdConversionPreview";

// While a modal dialog runs, the windows under it are disabled. Under is the highest shown,
// disabled window (not topmost): the window the user works in; LowestAbove the lowest shown,
// enabled window above it (the dialog, or what stands with it). Both nullptr without a modal
// dialog.
struct TModalState {
    HWND Under = nullptr;
    HWND LowestAbove = nullptr;
};

TModalState ModalState()
{
    TModalState state;
    for (HWND w = GetWindow(GetDesktopWindow(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (!IsWindowVisible(w) || (GetWindowLong(w, GWL_EXSTYLE) & WS_EX_TOPMOST))
            continue;
        if (!IsWindowEnabled(w)) {
            state.Under = w;
            return state;
        }
        state.LowestAbove = w;
    }
    return TModalState{};
}

} // namespace

TPreviewWindow::TPreviewWindow() = default;

TPreviewWindow::~TPreviewWindow()
{
    try {
        RunInMainThread([this] { FreePreviewForm(); });
    } catch (...) {
        // A window that fails to go away leaves nothing this object could still do.
    }
}

bool TPreviewWindow::PaintFrame(const TFFPicture& ABitmap, int AFrameNumber, std::int64_t APTS,
                                AVRational ASampleAspect)
{
    if (FClosed)
        return false;
    FBitmap = &ABitmap;
    FFrameNumber = AFrameNumber;
    FPTS = APTS;
    FSampleAspect = ASampleAspect;
    RunInMainThread([this] { ShowFrame(); });
    return !FClosed;
}

LRESULT TPreviewWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE)
        SetWindowLongPtr(hwnd, GWLP_USERDATA,
                         reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCT*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<TPreviewWindow*>(GetWindowLongPtr(hwnd, GWLP_USERDATA));
    switch (msg) {
    case WM_LBUTTONDOWN: {
        // Pressing anywhere on the picture drags the window. Each window handles its own mouse,
        // so any number of preview windows can come and go in any order.
        POINT cursor{};
        GetCursorPos(&cursor);
        ReleaseCapture();
        SendMessage(hwnd, WM_NCLBUTTONDOWN, static_cast<WPARAM>(HTCAPTION), MAKELPARAM(cursor.x, cursor.y));
        return 0;
    }
    case WM_CLOSE:
        // Closing hides the window and ends the previews of its task.
        if (self)
            self->FClosed = true;
        ShowWindow(hwnd, SW_HIDE);
        return 0;
    default:
        return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

void TPreviewWindow::ShowFrame()
{
    if (FClosed)
        return;
    if (!FFormHandle) {
        CreatePreviewForm();
        if (!FFormHandle)
            return;
        // The window comes up without taking the keyboard from the window the user works in.
        ShowWindow(FFormHandle, SW_SHOWNOACTIVATE);
        // The first painting of the window comes before the picture, not over it.
        UpdateWindow(FFormHandle);
    }
    SetWindowText(FFormHandle, DurationToStr(FPTS));

    const TFFPicture& bitmap = *FBitmap;
    BITMAPINFO info{};
    info.bmiHeader.biWidth = bitmap.Width;
    info.bmiHeader.biHeight = -bitmap.Height;  // rows top-down
    info.bmiHeader.biBitCount = 32;
    HDC dc = GetDC(FFormHandle);
    if (FScaleX == 1.0 && FScaleY == 1.0) {
        SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(bitmap.Width), static_cast<DWORD>(bitmap.Height), 0, 0, 0,
                          static_cast<UINT>(bitmap.Height), bitmap.Pixels.data(), &info, DIB_RGB_COLORS);
    } else {
        StretchDIBits(dc, 0, 0, static_cast<int>(std::lround(bitmap.Width * FScaleX)),
                      static_cast<int>(std::lround(bitmap.Height * FScaleY)), 0, 0, bitmap.Width, bitmap.Height,
                      bitmap.Pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
    }
    ReleaseDC(FFormHandle, dc);
}

TPreviewPlacement PlacePreview(int pictureWidth, int pictureHeight, const RECT& workArea, int frameWidth,
                               int frameHeight)
{
    TPreviewPlacement placement;
    const int workWidth = workArea.right - workArea.left;
    const int workHeight = workArea.bottom - workArea.top;
    // A picture larger than half the work area is shown smaller, keeping its shape.
    if (pictureWidth > 0 && pictureHeight > 0 && workWidth > 0 && workHeight > 0 &&
        (pictureWidth * 2 > workWidth || pictureHeight * 2 > workHeight)) {
        placement.Scale = std::min(workWidth / 2.0 / pictureWidth, workHeight / 2.0 / pictureHeight);
    }
    const int clientWidth = std::max(1, static_cast<int>(std::lround(pictureWidth * placement.Scale)));
    const int clientHeight = std::max(1, static_cast<int>(std::lround(pictureHeight * placement.Scale)));
    const int width = clientWidth + frameWidth;
    const int height = clientHeight + frameHeight;
    // Centred in the work area, and never beyond it (its caption and close box stay reachable).
    const int left = std::max(workArea.left, std::min(workArea.left + (workWidth - width) / 2, workArea.right - width));
    const int top = std::max(workArea.top, std::min(workArea.top + (workHeight - height) / 2, workArea.bottom - height));
    placement.Window = RECT{left, top, left + width, top + height};
    return placement;
}

void TPreviewWindow::CreatePreviewForm()
{
    WNDCLASS wc;
    if (!GetClassInfo(nullptr, kClassName, &wc)) {
        wc = WNDCLASS{};
        wc.lpfnWndProc = &TPreviewWindow::WindowProc;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<std::uintptr_t>(COLOR_BTNFACE + 1));
        wc.lpszClassName = kClassName;
        RegisterClass(&wc);
    }
    // Owned by the program's window the user works in, it stays above that window; not being
    // topmost, the program's own dialogs stay above it.
    // With a modal dialog open (the program's dialogs have no owner), the window under it.
    const TModalState modal = ModalState();
    const HWND active = GetActiveWindow();
    const HWND anchor = modal.Under ? modal.Under : active;
    const HWND owner = anchor ? GetAncestor(anchor, GA_ROOTOWNER) : nullptr;
    HWND hwnd = CreateWindowEx(WS_EX_TOOLWINDOW, kClassName, "", WS_CAPTION | WS_SYSMENU, 0, 0, FBitmap->Width,
                               FBitmap->Height, owner, nullptr, nullptr, this);
    if (!hwnd)
        return;
    // The client area takes the first picture's size, scaled down to fit (later pictures do not
    // change it); the window goes to the centre of the work area. Pixels that are not square
    // give the picture another shape: the client area takes that shape within the picture's
    // size, as the player fits pictures into its area.
    const int width = FBitmap->Width, height = FBitmap->Height;
    TDisplayRect shape{0, 0, width, height};
    if (FSampleAspect.num > 0 && FSampleAspect.den > 0 && av_cmp_q(FSampleAspect, AVRational{1, 1}) != 0)
        shape = CalculateDisplayRect(width, height, DisplayAspectRatio(0, 0, 0, FSampleAspect, width, height));
    RECT window{}, client{};
    GetWindowRect(hwnd, &window);
    GetClientRect(hwnd, &client);
    RECT workArea{};
    if (!SystemParametersInfo(SPI_GETWORKAREA, 0, &workArea, 0))
        workArea = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const TPreviewPlacement placement =
        PlacePreview(shape.W, shape.H, workArea, (window.right - window.left) - client.right,
                     (window.bottom - window.top) - client.bottom);
    FScaleX = placement.Scale * shape.W / width;
    FScaleY = placement.Scale * shape.H / height;
    const RECT& r = placement.Window;
    MoveWindow(hwnd, r.left, r.top, r.right - r.left, r.bottom - r.top, FALSE);
    // A dialog of the program that is open keeps its place above the new window: a modal one,
    // active or not (the program may have lost the activation), else the active one.
    const HWND above = modal.LowestAbove ? modal.LowestAbove : (active != owner ? active : nullptr);
    if (above)
        SetWindowPos(hwnd, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    FFormHandle = hwnd;
}

void TPreviewWindow::FreePreviewForm()
{
    if (FFormHandle)
        DestroyWindow(FFormHandle);
    FFormHandle = nullptr;
}

void InstallPreviewWindow()
{
    SetPreviewerFactory([] { return std::make_unique<TPreviewWindow>(); });
}
