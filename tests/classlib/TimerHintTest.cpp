#include "ControlTestSupport.h"

#include "classlib/ExtCtrls.h"
#include "classlib/StdCtrls.h"

namespace {

TEST_F(ControlsTest, TimersTickOnTheClockAndMayBeFreedInTheirOwnTick)
{
    auto* timer = new TTimer(nullptr);
    timer->SetInterval(100);
    int ticks = 0;
    timer->OnTimer = [&](TObject* s) {
        EXPECT_EQ(s, timer);
        ++ticks;
    };
    kit.Advance(99);
    EXPECT_EQ(ticks, 0);
    kit.Advance(1);
    EXPECT_EQ(ticks, 1);
    kit.Advance(100);
    EXPECT_EQ(ticks, 2);
    timer->SetEnabled(false);
    kit.Advance(500);
    EXPECT_EQ(ticks, 2);
    timer->SetEnabled(true);
    timer->OnTimer = [&](TObject* s) {
        ++ticks;
        static_cast<TTimer*>(s)->Free();
    };
    kit.Advance(100);
    kit.Advance(100);
    EXPECT_EQ(ticks, 3);
}

TEST_F(ControlsTest, HintsShowAfterThePauseAndHideLater)
{
    TForm* f = ShownForm();
    auto* b = new TButton(f);
    b->SetParent(f);
    b->SetBounds(10, 10, 80, 25);
    b->SetHint("Start the batch|Starts converting every file");
    b->SetShowHint(true);
    std::string seen;
    Application->OnShowHint = [&](std::string& text, bool& canShow, THintInfo& info) {
        EXPECT_EQ(info.HintControl, b);
        EXPECT_TRUE(canShow);
        seen = text;
        text += "!";
    };
    kit.MoveMouse(ScreenOf(b, 20, 10));
    Pump();
    kit.Advance(Application->GetHintPause() - 1);
    EXPECT_TRUE(seen.empty());
    kit.Advance(1);
    Pump();
    ASSERT_NE(Application->HintWindow(), nullptr);
    THintWindow* hint = Application->HintWindow();
    EXPECT_EQ(seen, "Start the batch");  // the short part before "|"
    EXPECT_EQ(hint->GetCaption(), "Start the batch!");
    EXPECT_TRUE(IsWindowVisible(hint->GetHandle()));
    RECT r{};
    GetWindowRect(hint->GetHandle(), &r);
    EXPECT_GT(r.top, ScreenOf(b, 20, 10).y);  // below the pointer
    kit.Advance(Application->GetHintHidePause());
    Pump();
    EXPECT_FALSE(IsWindowVisible(hint->GetHandle()));

    // Switching ShowHint off and on makes a hint window of the current class.
    int made = 0;
    THintWindowClass saved = HintWindowClass;
    HintWindowClass = [&](TComponent* owner) {
        ++made;
        return new THintWindow(owner);
    };
    Application->SetShowHint(false);
    Application->SetShowHint(true);
    kit.MoveMouse(ScreenOf(b, 30, 12));
    Pump();
    kit.Advance(Application->GetHintPause());
    Pump();
    HintWindowClass = saved;
    EXPECT_EQ(made, 1);
}

TEST_F(ControlsTest, WindowProcIsReplaceableAndTheWindowCanBeSubclassed)
{
    TForm* f = ShownForm();
    auto* p = new TPanel(f);
    p->SetParent(f);
    std::vector<UINT> seen;
    TWndMethod original = p->WindowProc;
    p->WindowProc = [&](TMessage& m) {
        if (m.Msg == WM_USER + 7) {
            m.Result = 42;
            return;
        }
        seen.push_back(m.Msg);
        original(m);
    };
    EXPECT_EQ(SendMessage(p->GetHandle(), WM_USER + 7, 0, 0), 42);
    p->SetCaption("Panel text");
    EXPECT_EQ(GetWindowText(p->GetHandle()), "Panel text");  // the default procedure keeps it
    EXPECT_NE(std::find(seen.begin(), seen.end(), WM_SETTEXT), seen.end());

    // A procedure put in front of the window's sees messages first and passes them on.
    static WNDPROC previous = nullptr;
    static int subclassed = 0;
    previous = reinterpret_cast<WNDPROC>(SetWindowLongPtr(
        p->GetHandle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(+[](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
            if (m == WM_USER + 7)
                ++subclassed;
            return CallWindowProc(previous, h, m, w, l);
        })));
    EXPECT_EQ(SendMessage(p->GetHandle(), WM_USER + 7, 0, 0), 42);
    EXPECT_EQ(subclassed, 1);
    EXPECT_EQ(TWinControl::FindControl(p->GetHandle()), p);
    p->WindowProc = original;  // the test's log goes before the panel does
}

TEST_F(ControlsTest, RecreatingAWindowKeepsTextChildrenAndFocus)
{
    TForm* f = ShownForm();
    auto* p = new TPanel(f);
    p->SetParent(f);
    auto* b = new TButton(p);
    b->SetParent(p);
    b->SetCaption("Go");
    b->SetFocus();
    Pump();
    HWND old = b->GetHandle();
    p->RecreateWnd();
    EXPECT_FALSE(IsWindow(old));
    EXPECT_TRUE(b->HandleAllocated());
    EXPECT_EQ(GetWindowText(b->GetHandle()), "Go");
    EXPECT_TRUE(IsWindowVisible(b->GetHandle()));
}

TEST_F(ControlsTest, TheApplicationWindowCanBeHookedForMinimizeAndRestore)
{
    TForm* f = ShownForm();
    std::vector<WPARAM> commands;
    std::vector<WPARAM> sizes;
    int minimized = 0;
    Application->OnMinimize = [&](TObject*) { ++minimized; };
    Application->HookMainWindow([&](TMessage& m) {
        if (m.Msg == WM_SYSCOMMAND)
            commands.push_back(m.WParam & 0xFFF0);
        if (m.Msg == WM_SIZE)
            sizes.push_back(m.WParam);
        return false;
    });
    SendMessage(f->GetHandle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(f->GetHandle()));
    EXPECT_EQ(minimized, 1);
    SendMessage(f->GetHandle(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(IsIconic(f->GetHandle()));
    EXPECT_EQ(commands, (std::vector<WPARAM>{SC_MINIMIZE, SC_RESTORE}));
    EXPECT_EQ(sizes, (std::vector<WPARAM>{SIZE_MINIMIZED, SIZE_RESTORED})) << "the application window hears both";

    Application->HookMainWindow([](TMessage& m) { return m.Msg == WM_SYSCOMMAND; });  // swallows them
    SendMessage(f->GetHandle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_FALSE(IsIconic(f->GetHandle()));
}

} // namespace
