#include "platform/testkit/WindowTestKit.h"

#include "platform/window/CaretOverlay.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/Paint.h"
#include "platform/window/Presentation.h"
#include "platform/window/RawInput.h"
#include "platform/window/WindowSystem.h"
#include "platform/window/WindowTree.h"

#include <cstring>

WindowTestKit::WindowTestKit()
{
    Sys().Reset();
    auto display = std::make_unique<HeadlessDisplay>();
    display_ = display.get();
    SetDisplayBackend(std::move(display));
    SetClock(&clock_);
    installTextInputFakes();
}

WindowTestKit::~WindowTestKit()
{
    Sys().Reset();
    removeTextInputFakes();
    SetClock(nullptr);
    SetDisplayBackend(nullptr);
}

void WindowTestKit::Pump()
{
    while (PumpOneMessage()) {
    }
}

void WindowTestKit::Advance(std::uint64_t ms)
{
    clock_.Advance(ms);
    Pump();
}

void WindowTestKit::AdvanceWhenIdle(std::uint64_t ms)
{
    if (ms == 0)
        display_->OnQueueIdle(nullptr);
    else
        display_->OnQueueIdle([this, ms] { clock_.Advance(ms); });
}

void WindowTestKit::MoveMouse(POINT screen)
{
    display_->SetCursorPos(screen);
    RawInput input;
    input.kind = RawInput::Kind::MouseMove;
    input.pt = screen;
    PostRawInput(input);
}

void WindowTestKit::PressButton(POINT screen, UINT button)
{
    display_->SetCursorPos(screen);
    RawInput input;
    input.kind = RawInput::Kind::ButtonDown;
    input.pt = screen;
    input.button = button;
    PostRawInput(input);
}

void WindowTestKit::ReleaseButton(POINT screen, UINT button)
{
    display_->SetCursorPos(screen);
    RawInput input;
    input.kind = RawInput::Kind::ButtonUp;
    input.pt = screen;
    input.button = button;
    PostRawInput(input);
}

void WindowTestKit::Click(POINT screen, UINT button)
{
    PressButton(screen, button);
    ReleaseButton(screen, button);
}

void WindowTestKit::Drag(POINT from, POINT to)
{
    MoveMouse(from);
    PressButton(from);
    MoveMouse(to);
    ReleaseButton(to);
}

void WindowTestKit::Wheel(POINT screen, int delta)
{
    RawInput input;
    input.kind = RawInput::Kind::Wheel;
    input.pt = screen;
    input.wheelDelta = delta;
    PostRawInput(input);
}

void WindowTestKit::PressKey(UINT vk, const std::string& text)
{
    RawInput input;
    input.kind = RawInput::Kind::KeyDown;
    input.vk = vk;
    input.text = text;
    PostRawInput(input);
}

void WindowTestKit::ReleaseKey(UINT vk)
{
    RawInput input;
    input.kind = RawInput::Kind::KeyUp;
    input.vk = vk;
    PostRawInput(input);
}

void WindowTestKit::PointerLeaves()
{
    RawInput input;
    input.kind = RawInput::Kind::PointerLeft;
    PostRawInput(input);
}

std::shared_ptr<Surface> WindowTestKit::Render(HWND hwnd)
{
    Window* w = FindWindowRecord(hwnd);
    if (!w || w->IsDesktop())
        return nullptr;
    Window* top = TopLevelOf(w);
    RedrawWindow(top->handle, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    w = FindWindowRecord(hwnd);
    if (!w)
        return nullptr;
    top = TopLevelOf(w);
    const POINT o = OriginInTopLevel(w);
    auto picture = std::make_shared<Surface>(w->Width(), w->Height());
    const TopLevelData& d = *top->top;
    const std::shared_ptr<Surface> surface = d.hasLayeredPicture ? nullptr : SurfaceOf(top);
    for (int y = 0; y < w->Height(); ++y) {
        const int sy = o.y + y;
        if (sy < 0 || sy >= top->Height())
            continue;
        for (int x = 0; x < w->Width(); ++x) {
            const int sx = o.x + x;
            if (sx < 0 || sx >= top->Width())
                continue;
            picture->Row(y)[x] = surface ? surface->Row(sy)[sx]
                                         : d.layeredPicture[static_cast<std::size_t>(sy) * top->Width() + sx];
        }
    }
    if (surface)
        InvertPixels(picture->Row(0), picture->Width(), picture->Height(), static_cast<int>(picture->Stride() / 4),
                     CaretOverlay(top), o.x, o.y);
    return picture;
}

COLORREF WindowTestKit::ColorAt(const Surface& surface, int x, int y)
{
    return PixelToColor(surface.Pixel(x, y));
}
