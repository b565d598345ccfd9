#pragma once
// The conversion preview window: a small tool window per converting task, made on its first
// picture above the program's window (below its open dialogs), wholly inside the work area,
// showing each picture handed to it, in the shape its sample aspect ratio gives it, with the
// picture's time as its caption.
// Pressing the mouse anywhere on the picture drags the window; closing it ends the previews of
// that task.
//
// Pictures come from the task's worker thread; the window is made, painted and freed on the main
// thread, and the worker waits meanwhile (so its picture stays valid while it is drawn).

#include "engine/PostHooks.h"
#include "platform/win/Types.h"
#include "platform/window/Handles.h"

#include <atomic>
#include <cstdint>

// Where the window goes: its outer rectangle and the scale its pictures are drawn at (1, or less
// for a picture larger than half the work area). frameWidth and frameHeight are what the
// window's frame and caption add to the client area.
struct TPreviewPlacement {
    RECT Window{};
    double Scale = 1.0;
};
TPreviewPlacement PlacePreview(int pictureWidth, int pictureHeight, const RECT& workArea, int frameWidth,
                               int frameHeight);

class TPreviewWindow : public TPreviewer {
public:
    TPreviewWindow();
    // Frees the window on the main thread and returns when it is gone.
    ~TPreviewWindow() override;

    // False once the user closed the window; then nothing is shown any more.
    bool PaintFrame(const TFFPicture& ABitmap, int AFrameNumber, std::int64_t APTS, AVRational ASampleAspect) override;

    // The window, or 0 before the first picture (main thread).
    HWND FormHandle() const { return FFormHandle; }

private:
    static LRESULT WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void ShowFrame();
    void CreatePreviewForm();
    void FreePreviewForm();

    HWND FFormHandle = nullptr;
    std::atomic<bool> FClosed{false};
    const TFFPicture* FBitmap = nullptr;
    int FFrameNumber = 0;
    std::int64_t FPTS = 0;
    AVRational FSampleAspect{0, 1};
    // The scales pictures are drawn at across and down, fixed with the window.
    double FScaleX = 1.0, FScaleY = 1.0;
};

// Makes conversions show their previews in TPreviewWindow windows.
void InstallPreviewWindow();
