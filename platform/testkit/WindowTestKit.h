#pragma once
// Drives the window layer from a test without any screen: a headless display, a manual clock,
// input at screen points, scripted steps for modal loops, and pictures of windows.
//
// Input calls only queue input (as a display would); Pump dispatches it. A modal loop started
// while pumping (a move loop, a nested GetMessage loop) runs the steps given to WhenIdle, one
// each time it would wait; a loop that waits with no step left fails the test after ten seconds.

#include "platform/gdi/Surface.h"
#include "platform/kernel/Clock.h"
#include "platform/testkit/HeadlessDisplay.h"
#include "platform/window/Keys.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class WindowTestKit {
public:
    // Forgets every window, class, timer and queued message, and starts the clock at 100000 ms.
    WindowTestKit();
    ~WindowTestKit();
    WindowTestKit(const WindowTestKit&) = delete;
    WindowTestKit& operator=(const WindowTestKit&) = delete;

    ManualClock& Clock() { return clock_; }
    HeadlessDisplay& Display() { return *display_; }

    // Dispatches everything pending, painting and due timers included. WM_QUIT stays queued.
    void Pump();
    // Moves the clock, then pumps.
    void Advance(std::uint64_t ms);

    void MoveMouse(POINT screen);
    void PressButton(POINT screen, UINT button = VK_LBUTTON);
    void ReleaseButton(POINT screen, UINT button = VK_LBUTTON);
    void Click(POINT screen, UINT button = VK_LBUTTON);
    // The pointer goes to from, the left button is pressed there, moved to to and released.
    void Drag(POINT from, POINT to);
    void Wheel(POINT screen, int delta);
    // Without text the key's own character (US layout) is typed by TranslateMessage.
    void PressKey(UINT vk, const std::string& text = {});
    void ReleaseKey(UINT vk);
    void PointerLeaves();

    void WhenIdle(std::function<void()> step) { display_->AddIdleStep(std::move(step)); }
    std::size_t PendingIdleSteps() const { return display_->PendingIdleSteps(); }
    // Lets time pass while the GUI thread is idle: every PeekMessage that finds nothing moves the
    // clock by ms (0 stops it), so loops that poll GetTickCount between PeekMessage calls (fades)
    // come to their end.
    void AdvanceWhenIdle(std::uint64_t ms);

    // The window with its frame and children as painted after all pending painting; a layered
    // window's picture when it has one. Pixels keep the alpha byte drawing left there.
    std::shared_ptr<Surface> Render(HWND hwnd);
    static COLORREF ColorAt(const Surface& surface, int x, int y);

    // Text input. The input method's pre-edit text (cursor in code points, -1 at its end; empty
    // text ends the pre-edit) and committed text, as a display reports them.
    void Preedit(const std::string& text, int cursor = -1);
    void Commit(const std::string& text);
    // The kit's clipboard (installed for its life): nullopt holds no text (an empty clipboard, or
    // one with only other formats).
    std::optional<std::string>& ClipboardText() { return record_->clipboard; }
    // MessageBeep's types and the targets ShellExecute opened, in order; the opener answers
    // OpenerAnswer (true: taken).
    const std::vector<UINT>& Beeps() const { return record_->beeps; }
    const std::vector<std::string>& OpenedTargets() const { return record_->opened; }
    void SetOpenerAnswer(bool taken) { record_->openerAnswer = taken; }

private:
    struct TextInputRecord {
        std::optional<std::string> clipboard;
        std::vector<UINT> beeps;
        std::vector<std::string> opened;
        bool openerAnswer = true;
    };
    void installTextInputFakes();
    void removeTextInputFakes();

    ManualClock clock_{100000};
    HeadlessDisplay* display_;
    std::shared_ptr<TextInputRecord> record_ = std::make_shared<TextInputRecord>();
};
