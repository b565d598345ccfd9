// Activation, focus and the keyboard.

#include "WindowTestSupport.h"

#include "platform/window/RawInput.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <utility>

namespace {

using Msgs = std::vector<UINT>;

class FocusActivation : public WindowTest, public testing::Test {};

TEST_F(FocusActivation, AClickActivatesAnInactiveWindowBeforeTheButtonMessage)
{
    HWND form = Top(RECT{0, 0, 100, 100});
    HWND other = Top(RECT{200, 0, 300, 100});
    ASSERT_EQ(GetActiveWindow(), other);
    kit.Pump();
    const int nativeActivations = kit.Display().State(form)->activations;
    Clear();
    kit.Click(POINT{50, 50});
    kit.Pump();
    EXPECT_EQ(Messages(nullptr, {WM_MOUSEACTIVATE, WM_NCACTIVATE, WM_ACTIVATE, WM_KILLFOCUS, WM_SETFOCUS, WM_LBUTTONDOWN}),
              (Msgs{WM_MOUSEACTIVATE, WM_NCACTIVATE, WM_ACTIVATE, WM_NCACTIVATE, WM_ACTIVATE, WM_KILLFOCUS,
                    WM_SETFOCUS, WM_LBUTTONDOWN}));
    auto activate = Find(form, WM_ACTIVATE);
    ASSERT_EQ(activate.size(), 1u);
    EXPECT_EQ(LOWORD(activate[0].wParam), WA_CLICKACTIVE);
    EXPECT_EQ(reinterpret_cast<HWND>(activate[0].lParam), other);
    EXPECT_EQ(LOWORD(Find(other, WM_ACTIVATE)[0].wParam), WA_INACTIVE);
    EXPECT_EQ(GetActiveWindow(), form);
    EXPECT_EQ(GetFocus(), form);
    // The window came to the top, natively too.
    EXPECT_EQ(GetWindow(form, GW_HWNDFIRST), form);
    EXPECT_EQ(kit.Display().State(form)->activations, nativeActivations + 1);
    EXPECT_GT(kit.Display().State(form)->raises, 0);
}

TEST_F(FocusActivation, PopupsThatRefuseActivationGetTheClickAndLeaveTheFormActive)
{
    HWND form = Top(RECT{0, 0, 100, 100});
    HWND menu = Top(RECT{200, 0, 300, 100}, WS_POPUP | WS_VISIBLE, WS_EX_TOOLWINDOW, "Plain", form);
    HWND layer = Top(RECT{400, 0, 500, 100}, WS_POPUP, WS_EX_NOACTIVATE);
    HWND eater = Top(RECT{600, 0, 700, 100}, WS_POPUP, 0);
    ShowWindow(layer, SW_SHOWNA);
    ShowWindow(eater, SW_SHOWNA);
    SetActiveWindow(form);
    onMessage = [&](HWND hwnd, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_MOUSEACTIVATE && hwnd == menu)
            return MA_NOACTIVATE;
        if (msg == WM_MOUSEACTIVATE && hwnd == eater)
            return MA_ACTIVATEANDEAT;
        return std::nullopt;
    };
    kit.Pump();
    Clear();
    kit.Click(POINT{250, 50});
    kit.Click(POINT{450, 50});  // answers MA_ACTIVATE by default, yet never activates
    kit.Pump();
    EXPECT_EQ(GetActiveWindow(), form);
    EXPECT_EQ(GetFocus(), form);
    EXPECT_EQ(Find(menu, WM_LBUTTONDOWN).size(), 1u);
    EXPECT_EQ(Find(layer, WM_LBUTTONDOWN).size(), 1u);
    EXPECT_TRUE(Find(form, WM_ACTIVATE).empty());
    EXPECT_TRUE(kit.Display().State(layer)->attributes.noActivate);
    kit.Click(POINT{650, 50});
    kit.Pump();
    EXPECT_EQ(GetActiveWindow(), eater);
    EXPECT_TRUE(Find(eater, WM_LBUTTONDOWN).empty());  // eaten
    EXPECT_EQ(Find(eater, WM_LBUTTONUP).size(), 1u);
}

// A pop-up whose native window takes no focus (a tool pop-up, a hint) may become our active
// window, but its native window is never asked to take the focus.
TEST_F(FocusActivation, NativeWindowsThatTakeNoFocusAreNotAskedTo)
{
    HWND form = Top(RECT{0, 0, 100, 100});
    HWND popup = Top(RECT{200, 0, 300, 100}, WS_POPUP | WS_VISIBLE, WS_EX_TOOLWINDOW);
    SetActiveWindow(form);
    kit.Pump();
    ASSERT_TRUE(kit.Display().State(popup)->attributes.noActivate);
    const int formActivations = kit.Display().State(form)->activations;
    kit.Click(POINT{250, 50});
    kit.Pump();
    EXPECT_EQ(GetActiveWindow(), popup);
    EXPECT_EQ(kit.Display().State(popup)->activations, 0);
    SetActiveWindow(form);
    EXPECT_EQ(kit.Display().State(form)->activations, formActivations + 1);
}

// A window manager focuses windows by itself (the one under the pointer, one it just mapped).
// While a modal dialog has disabled the form, a window the form owns (a preview window made
// meanwhile) that it focuses becomes active below the dialog; the dialog, focused, comes up.
TEST_F(FocusActivation, TheNativeSideActivatesAWindowOfADisabledFormWhereItStands)
{
    HWND form = Top(RECT{0, 0, 300, 300});
    HWND owned = Top(RECT{50, 50, 250, 250}, WS_POPUP | WS_VISIBLE, 0, "Plain", form);
    HWND dialog = Top(RECT{100, 100, 200, 200});
    EnableWindow(form, FALSE);
    SetActiveWindow(nullptr);
    kit.Pump();
    const auto nativeActivation = [&](HWND hwnd) {
        RawInput input;
        input.kind = RawInput::Kind::Activated;
        input.hwnd = hwnd;
        PostRawInput(input);
        kit.Pump();
    };
    nativeActivation(owned);
    EXPECT_EQ(GetActiveWindow(), owned);
    EXPECT_EQ(GetWindow(dialog, GW_HWNDFIRST), dialog);
    EXPECT_EQ(GetWindow(dialog, GW_HWNDNEXT), owned);
    nativeActivation(form);
    EXPECT_EQ(GetActiveWindow(), owned);
    SetWindowPos(owned, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    nativeActivation(dialog);
    EXPECT_EQ(GetActiveWindow(), dialog);
    EXPECT_EQ(GetWindow(dialog, GW_HWNDFIRST), dialog);
}

// While modal dialogs have disabled the windows under them, the user reaching one of those
// through the desktop (a click, a window manager focusing it) brings up the dialog it waits for,
// through a chain of owners, and not another window it owns (a preview window), whether the dialog
// was active or not; the desktop's request to close it is refused.
TEST_F(FocusActivation, AWindowWaitingForAModalDialogHandsTheUserToIt)
{
    HWND form = Top(RECT{0, 0, 400, 300}, WS_POPUP | WS_CAPTION | WS_VISIBLE);
    HWND preview = Top(RECT{300, 200, 500, 400}, WS_CAPTION | WS_VISIBLE, WS_EX_TOOLWINDOW, "Plain", form);
    HWND options = Top(RECT{100, 50, 300, 250}, WS_POPUP | WS_CAPTION, 0, "Plain", form);
    HWND box = Top(RECT{150, 100, 250, 200}, WS_POPUP | WS_CAPTION, 0, "Plain", options);
    EnableWindow(form, FALSE);
    ShowWindow(options, SW_SHOW);
    EnableWindow(options, FALSE);
    ShowWindow(box, SW_SHOW);
    kit.Pump();
    const auto post = [&](RawInput::Kind kind, HWND hwnd) {
        RawInput input;
        input.kind = kind;
        input.hwnd = hwnd;
        PostRawInput(input);
    };
    const std::pair<const char*, std::function<void(HWND)>> reaches[] = {
        {"click", [&](HWND w) { kit.Click(w == form ? POINT{20, 280} : POINT{110, 240}); }},
        {"native focus", [&](HWND w) { post(RawInput::Kind::Activated, w); }},
    };
    for (const auto& [how, reach] : reaches) {
        for (HWND waiting : {form, options}) {
            for (const bool boxActive : {false, true}) {
                SCOPED_TRACE(testing::Message() << how << (waiting == form ? " on the form" : " on the options")
                                                << (boxActive ? ", box active" : ", preview active"));
                SetActiveWindow(boxActive ? box : preview);
                kit.Pump();
                const HeadlessWindowState& native = *kit.Display().State(box);
                const int raises = native.raises;
                const int activations = native.activations;
                reach(waiting);
                kit.Pump();
                EXPECT_EQ(GetActiveWindow(), box);
                EXPECT_EQ(GetWindow(box, GW_HWNDFIRST), box);
                EXPECT_GT(native.raises, raises);
                EXPECT_GT(native.activations, activations);
            }
        }
    }
    Clear();
    post(RawInput::Kind::CloseRequested, form);
    post(RawInput::Kind::CloseRequested, options);
    kit.Pump();
    EXPECT_TRUE(Messages(nullptr, {WM_SYSCOMMAND, WM_CLOSE}).empty());
    post(RawInput::Kind::CloseRequested, box);
    kit.Pump();
    EXPECT_EQ(Messages(nullptr, {WM_SYSCOMMAND, WM_CLOSE}), (Msgs{WM_SYSCOMMAND, WM_CLOSE}));
    EXPECT_FALSE(IsWindow(box));
}

TEST_F(FocusActivation, FocusChangesTellBothWindowsAndActivateTheNewTopLevel)
{
    HWND a = Top(RECT{0, 0, 100, 100});
    HWND editA = Child(a, RECT{0, 0, 10, 10});
    HWND b = Top(RECT{200, 0, 300, 100});
    HWND editB = Child(b, RECT{0, 0, 10, 10});
    SetFocus(editA);
    EXPECT_EQ(GetActiveWindow(), a);
    Clear();
    EXPECT_EQ(SetFocus(editB), editA);
    EXPECT_EQ(GetActiveWindow(), b);
    // Activating b gives b the focus first (the default WM_ACTIVATE handling), then editB takes it.
    std::vector<std::tuple<HWND, UINT, HWND>> focus;
    for (const Recorded& r : log) {
        if (r.msg == WM_KILLFOCUS || r.msg == WM_SETFOCUS)
            focus.emplace_back(r.hwnd, r.msg, reinterpret_cast<HWND>(r.wParam));
    }
    const std::vector<std::tuple<HWND, UINT, HWND>> expected{
        {editA, WM_KILLFOCUS, b}, {b, WM_SETFOCUS, editA}, {b, WM_KILLFOCUS, editB}, {editB, WM_SETFOCUS, b}};
    EXPECT_EQ(focus, expected);
    // Hiding the focus window gives the focus to its parent.
    ShowWindow(editB, SW_HIDE);
    EXPECT_EQ(GetFocus(), b);
}

TEST_F(FocusActivation, WhenTheActiveWindowGoesItsOwnerTakesOver)
{
    HWND form = Top(RECT{0, 0, 100, 100});
    HWND dialog = Top(RECT{20, 20, 80, 80}, WS_POPUP | WS_VISIBLE, 0, "Plain", form);
    HWND elsewhere = Top(RECT{200, 0, 300, 100});
    SetActiveWindow(dialog);
    DestroyWindow(dialog);
    EXPECT_EQ(GetActiveWindow(), form);
    SetActiveWindow(elsewhere);
    ShowWindow(elsewhere, SW_HIDE);
    EXPECT_EQ(GetActiveWindow(), form);
    SetFocus(form);
    DestroyWindow(form);
    EXPECT_EQ(GetActiveWindow(), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(FocusActivation, KeysGoToTheFocusWindowAndTranslateIntoCharacters)
{
    HWND form = Top(RECT{0, 0, 100, 100});
    HWND edit = Child(form, RECT{0, 0, 10, 10});
    SetFocus(edit);
    kit.Pump();
    Clear();
    kit.PressKey(VK_SHIFT);
    EXPECT_LT(GetAsyncKeyState(VK_SHIFT), 0);  // at once
    EXPECT_EQ(GetKeyState(VK_SHIFT), 0);       // once its message is taken
    kit.PressKey('A');
    kit.ReleaseKey('A');
    kit.ReleaseKey(VK_SHIFT);
    kit.PressKey('B', "视");  // what an input method produced
    kit.PressKey(VK_RETURN);
    MSG msg;
    std::vector<std::pair<UINT, WPARAM>> seen;
    bool shiftWasDown = false;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_KEYDOWN && msg.wParam == 'A')
            shiftWasDown = GetKeyState(VK_SHIFT) < 0;
        TranslateMessage(&msg);
        DispatchMessage(&msg);
        if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST)
            seen.emplace_back(msg.message, msg.wParam);
    }
    EXPECT_TRUE(shiftWasDown);
    const std::vector<std::pair<UINT, WPARAM>> expected{
        {WM_KEYDOWN, VK_SHIFT}, {WM_KEYDOWN, 'A'},      {WM_CHAR, 'A'},       {WM_KEYUP, 'A'},
        {WM_KEYUP, VK_SHIFT},   {WM_KEYDOWN, 'B'},      {WM_CHAR, U'视'},     {WM_KEYDOWN, VK_RETURN},
        {WM_CHAR, '\r'}};
    EXPECT_EQ(seen, expected);
    for (const Recorded& r : log) {
        if (r.msg >= WM_KEYFIRST && r.msg <= WM_KEYLAST) {
            EXPECT_EQ(r.hwnd, edit);
        }
    }
    EXPECT_LT(GetKeyState(VK_RETURN), 0);
    EXPECT_EQ(GetKeyState('A') & 0x8000, 0);
}

// Keys released while another window had the keyboard (Alt of an Alt+Tab the window manager
// took) are up when the keyboard comes back: GetAsyncKeyState at once, GetKeyState, the flags of
// mouse messages and the keys that follow from then on, and no message says so.
TEST_F(FocusActivation, KeysReleasedElsewhereAreUpWhenTheKeyboardComesBack)
{
    HWND form = Top(RECT{0, 0, 100, 100});
    SetFocus(form);
    kit.PressKey(VK_MENU);
    kit.PressKey(VK_SHIFT);
    kit.Pump();
    ASSERT_LT(GetKeyState(VK_MENU), 0);
    Clear();
    for (const UINT vk : {VK_MENU, VK_SHIFT}) {
        RawInput input;
        input.kind = RawInput::Kind::KeyUpElsewhere;
        input.vk = vk;
        PostRawInput(input);
    }
    EXPECT_EQ(GetAsyncKeyState(VK_MENU), 0);
    EXPECT_EQ(GetAsyncKeyState(VK_SHIFT), 0);
    kit.Pump();
    for (const UINT vk : {VK_MENU, VK_LMENU, VK_SHIFT, VK_LSHIFT})
        EXPECT_EQ(GetKeyState(vk) & 0x8000, 0) << vk;
    EXPECT_TRUE(Messages(nullptr, {WM_KEYUP, WM_SYSKEYUP}).empty());
    kit.PressKey(VK_ESCAPE);
    kit.Click(POINT{50, 50});
    kit.Pump();
    EXPECT_EQ(Messages(form, {WM_KEYDOWN, WM_SYSKEYDOWN}), (Msgs{WM_KEYDOWN}));
    ASSERT_EQ(Find(form, WM_LBUTTONDOWN).size(), 1u);
    EXPECT_EQ(Find(form, WM_LBUTTONDOWN)[0].wParam, WPARAM{MK_LBUTTON});
    EXPECT_TRUE(Find(form, WM_SYSCOMMAND).empty());  // no Alt came up to ask for the menu
}

TEST_F(FocusActivation, AltMakesSystemKeysAndAloneOpensTheMenuCommand)
{
    HWND form = Top(RECT{0, 0, 100, 100});
    SetFocus(form);
    kit.Pump();
    Clear();
    kit.PressKey(VK_MENU);
    kit.PressKey('F');
    kit.ReleaseKey('F');
    kit.ReleaseKey(VK_MENU);
    kit.PressKey(VK_MENU);
    kit.ReleaseKey(VK_MENU);
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    EXPECT_EQ(Messages(form, {WM_KEYDOWN, WM_SYSKEYDOWN, WM_SYSCHAR, WM_SYSKEYUP, WM_KEYUP}),
              (Msgs{WM_SYSKEYDOWN, WM_SYSKEYDOWN, WM_SYSCHAR, WM_SYSKEYUP, WM_SYSKEYUP, WM_SYSKEYDOWN, WM_SYSKEYUP}));
    auto alt = Find(form, WM_SYSKEYDOWN);
    EXPECT_TRUE(alt[1].lParam & (LPARAM{1} << 29));
    auto commands = Find(form, WM_SYSCOMMAND);
    ASSERT_EQ(commands.size(), 2u);  // Alt+F asks for the menu of F, Alt alone for the menu bar
    EXPECT_EQ(commands[0].wParam, SC_KEYMENU);
    EXPECT_EQ(commands[0].lParam, 'f');
    EXPECT_EQ(commands[1].lParam, 0);
}

} // namespace
