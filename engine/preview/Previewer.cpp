#include "engine/preview/Previewer.h"

#include "engine/EngineUtils.h"
#include "engine/FFUtils.h"
#include "platform/gdi/Gdi.h"
#include "platform/window/User.h"

namespace {

constexpr const char* kClassName = "ZdConversionPreview";

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

bool TPreviewWindow::PaintFrame(const TFFPicture& ABitmap, int AFrameNumber, std::int64_t APTS)
{
    if (FClosed)
        return false;
    FBitmap = &ABitmap;
    FFrameNumber = AFrameNumber;
    FPTS = APTS;
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
        ShowWindow(FFormHandle, SW_SHOWNORMAL);
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
    SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(bitmap.Width), static_cast<DWORD>(bitmap.Height), 0, 0, 0,
                      static_cast<UINT>(bitmap.Height), bitmap.Pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(FFormHandle, dc);
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
    HWND hwnd = CreateWindowEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClassName, "", WS_CAPTION | WS_SYSMENU, 0, 0,
                               FBitmap->Width, FBitmap->Height, nullptr, nullptr, nullptr, this);
    if (!hwnd)
        return;
    // The client area takes the first picture's size (later pictures do not change it); the
    // window goes to the centre of the screen.
    RECT window{}, client{};
    GetWindowRect(hwnd, &window);
    GetClientRect(hwnd, &client);
    const int width = FBitmap->Width + (window.right - window.left) - client.right;
    const int height = FBitmap->Height + (window.bottom - window.top) - client.bottom;
    MoveWindow(hwnd, (GetSystemMetrics(SM_CXSCREEN) - width) / 2, (GetSystemMetrics(SM_CYSCREEN) - height) / 2,
               width, height, FALSE);
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
