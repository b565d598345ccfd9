// Creating and destroying windows, subclassing, styles, text and the tree.

#include "WindowTestSupport.h"

#include <gtest/gtest.h>

namespace {

using Msgs = std::vector<UINT>;

class WindowLife : public WindowTest, public testing::Test {};

TEST_F(WindowLife, CreationSendsTheMessagesInOrderAndTellsTheParent)
{
    HWND top = Top(RECT{10, 20, 210, 120});
    Clear();
    HWND child = Child(top, RECT{5, 5, 55, 35});
    ASSERT_TRUE(child);
    EXPECT_EQ(Messages(child, {WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE, WM_SHOWWINDOW}),
              (Msgs{WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE, WM_SHOWWINDOW}));
    auto notes = Find(top, WM_PARENTNOTIFY);
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(LOWORD(notes[0].wParam), WM_CREATE);
    EXPECT_EQ(reinterpret_cast<HWND>(notes[0].lParam), child);
    EXPECT_EQ(GetWindowText(child), "child");
}

TEST_F(WindowLife, CreationFailsWhenCreateAnswersMinusOne)
{
    onMessage = [](HWND, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_CREATE)
            return -1;
        return std::nullopt;
    };
    EXPECT_EQ(Top(RECT{0, 0, 10, 10}), nullptr);
    EXPECT_EQ(Messages(nullptr, {WM_DESTROY, WM_NCDESTROY}), (Msgs{WM_DESTROY, WM_NCDESTROY}));
    EXPECT_EQ(CreateWindowEx(0, "NoSuchClass", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(CreateWindowEx(0, "Plain", "", WS_CHILD, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
}

TEST_F(WindowLife, DestroyGoesToOwnedWindowsFirstThenParentsBeforeChildrenAndFinallyChildrenFirst)
{
    HWND top = Top(RECT{0, 0, 100, 100});
    HWND child = Child(top, RECT{0, 0, 50, 50});
    HWND grandchild = Child(child, RECT{0, 0, 10, 10});
    HWND owned = Top(RECT{0, 0, 20, 20}, WS_POPUP | WS_VISIBLE, 0, "Plain", top);
    Clear();
    EXPECT_TRUE(DestroyWindow(top));
    std::vector<std::pair<HWND, UINT>> order;
    for (const Recorded& r : log) {
        if (r.msg == WM_DESTROY || r.msg == WM_NCDESTROY)
            order.emplace_back(r.hwnd, r.msg);
    }
    const std::vector<std::pair<HWND, UINT>> expected{
        {owned, WM_DESTROY},       {owned, WM_NCDESTROY},      {top, WM_DESTROY},      {child, WM_DESTROY},
        {grandchild, WM_DESTROY},  {grandchild, WM_NCDESTROY}, {child, WM_NCDESTROY}, {top, WM_NCDESTROY}};
    EXPECT_EQ(order, expected);
    for (HWND h : {top, child, grandchild, owned})
        EXPECT_FALSE(IsWindow(h));
}

TEST_F(WindowLife, AWindowDestroyedInsideItsOwnHandlerIsSafeAndRefusesASecondDestroy)
{
    HWND top = Top(RECT{0, 0, 100, 100});
    int destroyCalls = 0;
    BOOL again = TRUE;
    onMessage = [&](HWND hwnd, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_USER) {
            DestroyWindow(hwnd);
            // The handler goes on after its window is gone.
            EXPECT_FALSE(IsWindow(hwnd));
            EXPECT_EQ(SendMessage(hwnd, WM_USER + 1, 0, 0), 0);
            EXPECT_EQ(GetWindowLongPtr(hwnd, GWL_STYLE), 0);
            return 7;
        }
        if (msg == WM_DESTROY) {
            ++destroyCalls;
            again = DestroyWindow(hwnd);
        }
        return std::nullopt;
    };
    EXPECT_EQ(SendMessage(top, WM_USER, 0, 0), 7);
    EXPECT_EQ(destroyCalls, 1);
    EXPECT_FALSE(again);
    EXPECT_FALSE(PostMessage(top, WM_USER, 0, 0));
    EXPECT_FALSE(SetWindowPos(top, nullptr, 0, 0, 1, 1, SWP_NOZORDER));
}

TEST_F(WindowLife, PostedMessagesOfADestroyedWindowAreDropped)
{
    HWND top = Top(RECT{0, 0, 10, 10});
    ASSERT_TRUE(PostMessage(top, WM_USER, 0, 0));
    DestroyWindow(top);
    Clear();
    kit.Pump();
    EXPECT_TRUE(Find(nullptr, WM_USER).empty());
}

WNDPROC previousProc = nullptr;
std::vector<UINT> subclassSaw;

LRESULT Subclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    subclassSaw.push_back(msg);
    if (msg == WM_USER)
        return 1 + CallWindowProc(previousProc, hwnd, msg, wParam, lParam);
    return CallWindowProc(previousProc, hwnd, msg, wParam, lParam);
}

TEST_F(WindowLife, SubclassingReplacesTheProcedureAndChainsToThePreviousOne)
{
    HWND top = Top(RECT{0, 0, 10, 10});
    onMessage = [](HWND, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        return msg == WM_USER ? std::optional<LRESULT>(41) : std::nullopt;
    };
    subclassSaw.clear();
    previousProc = reinterpret_cast<WNDPROC>(SetWindowLongPtr(top, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Subclass)));
    EXPECT_EQ(previousProc, &WindowTest::Proc);
    EXPECT_EQ(SendMessage(top, WM_USER, 0, 0), 42);
    EXPECT_EQ(subclassSaw, (Msgs{WM_USER}));
    // Taking the subclass out restores the old answer.
    SetWindowLongPtr(top, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc));
    EXPECT_EQ(SendMessage(top, WM_USER, 0, 0), 41);
}

TEST_F(WindowLife, StyleChangesPassThroughTheirHandlersWhichMayAdjustThem)
{
    HWND top = Top(RECT{0, 0, 10, 10});
    onMessage = [](HWND, UINT msg, WPARAM wParam, LPARAM lParam) -> std::optional<LRESULT> {
        if (msg == WM_STYLECHANGING && wParam == static_cast<WPARAM>(GWL_EXSTYLE))
            reinterpret_cast<STYLESTRUCT*>(lParam)->styleNew |= WS_EX_TOOLWINDOW;
        return std::nullopt;
    };
    const LONG_PTR old = SetWindowLongPtr(top, GWL_EXSTYLE, WS_EX_LAYERED);
    EXPECT_EQ(old, 0);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtr(top, GWL_EXSTYLE)), WS_EX_LAYERED | WS_EX_TOOLWINDOW);
    auto changed = Find(top, WM_STYLECHANGED);
    ASSERT_EQ(changed.size(), 1u);
    // The high bit of a style is a bit, not a sign.
    SetWindowLong(top, GWL_STYLE, static_cast<LONG>(WS_POPUP | WS_VISIBLE | WS_BORDER));
    EXPECT_EQ(static_cast<DWORD>(GetWindowLong(top, GWL_STYLE)), WS_POPUP | WS_VISIBLE | WS_BORDER);
}

TEST_F(WindowLife, ExtraBytesUserDataAndIdsAreKept)
{
    WNDCLASS wc;
    wc.lpfnWndProc = &WindowTest::Proc;
    wc.cbWndExtra = 2 * sizeof(LONG_PTR);
    wc.lpszClassName = "Extra";
    ASSERT_TRUE(RegisterClass(&wc));
    EXPECT_FALSE(RegisterClass(&wc));
    HWND top = Top(RECT{0, 0, 10, 10}, WS_POPUP, 0, "Extra");
    SetWindowLongPtr(top, sizeof(LONG_PTR), 1234);
    SetWindowLongPtr(top, GWLP_USERDATA, 99);
    EXPECT_EQ(GetWindowLongPtr(top, sizeof(LONG_PTR)), 1234);
    EXPECT_EQ(GetWindowLongPtr(top, 2 * sizeof(LONG_PTR)), 0);  // past the end
    EXPECT_EQ(GetWindowLongPtr(top, GWLP_USERDATA), 99);
    HWND child = CreateWindowEx(0, "extra", "", WS_CHILD, 0, 0, 1, 1, top, reinterpret_cast<HMENU>(17), nullptr, nullptr);
    EXPECT_EQ(GetWindowLongPtr(child, GWLP_ID), 17);
    EXPECT_EQ(GetClassName(child), "Extra");
    EXPECT_FALSE(UnregisterClass("Extra", nullptr));  // still in use
}

TEST_F(WindowLife, TextIsUtf8AndNeverCutInsideACharacter)
{
    HWND top = Top(RECT{0, 0, 10, 10});
    SetWindowText(top, "a视频");
    EXPECT_EQ(GetWindowTextLength(top), 7);
    EXPECT_EQ(GetWindowText(top), "a视频");
    char buffer[4];
    EXPECT_EQ(GetWindowText(top, buffer, sizeof buffer), 1);
    EXPECT_STREQ(buffer, "a");
}

TEST_F(WindowLife, CoordinatesMapThroughFramesAndParents)
{
    HWND top = Top(RECT{100, 50, 400, 350}, WS_POPUP | WS_VISIBLE | WS_BORDER);
    HWND child = Child(top, RECT{10, 20, 110, 120}, WS_CHILD | WS_VISIBLE, WS_EX_CLIENTEDGE);
    RECT r;
    GetWindowRect(child, &r);
    EXPECT_EQ(r, (RECT{111, 71, 211, 171}));  // 1-pixel border of the parent
    GetClientRect(child, &r);
    EXPECT_EQ(r, (RECT{0, 0, 96, 96}));  // the client edge takes 2 pixels on each side
    POINT p{0, 0};
    ClientToScreen(child, &p);
    EXPECT_EQ(p, (POINT{113, 73}));
    POINT q{5, 5};
    MapWindowPoints(child, top, &q, 1);
    EXPECT_EQ(q, (POINT{17, 27}));
    ScreenToClient(child, &p);
    EXPECT_EQ(p, (POINT{0, 0}));
}

TEST_F(WindowLife, TopmostWindowsStayAboveAndOwnedWindowsAboveTheirOwner)
{
    HWND a = Top(RECT{0, 0, 10, 10});
    HWND b = Top(RECT{0, 0, 10, 10});
    HWND owned = Top(RECT{0, 0, 5, 5}, WS_POPUP | WS_VISIBLE, 0, "Plain", a);
    HWND topmost = Top(RECT{0, 0, 10, 10}, WS_POPUP | WS_VISIBLE, WS_EX_TOPMOST);
    auto order = [] {
        std::vector<HWND> z;
        for (HWND h = GetWindow(GetWindow(GetDesktopWindow(), GW_CHILD), GW_HWNDFIRST); h; h = GetWindow(h, GW_HWNDNEXT))
            z.push_back(h);
        return z;
    };
    SetWindowPos(a, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(order(), (std::vector<HWND>{topmost, owned, a, b}));
    SetWindowPos(b, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(order(), (std::vector<HWND>{b, topmost, owned, a}));
    SetWindowPos(b, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(order(), (std::vector<HWND>{topmost, b, owned, a}));
    EXPECT_EQ(GetWindow(owned, GW_OWNER), a);
    EXPECT_EQ(GetAncestor(owned, GA_ROOTOWNER), a);
}

TEST_F(WindowLife, WindowPosChangingMayRewriteThePlacement)
{
    HWND top = Top(RECT{0, 0, 100, 100});
    onMessage = [](HWND, UINT msg, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
        if (msg == WM_WINDOWPOSCHANGING) {
            auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
            pos->cx = std::min(pos->cx, 150);
        }
        return std::nullopt;
    };
    Clear();
    SetWindowPos(top, nullptr, 10, 10, 300, 80, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT r;
    GetWindowRect(top, &r);
    EXPECT_EQ(r, (RECT{10, 10, 160, 90}));
    EXPECT_EQ(Messages(top, {WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE}),
              (Msgs{WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE}));
    auto size = Find(top, WM_SIZE);
    EXPECT_EQ(size.back().lParam, MAKELPARAM(150, 80));
    // A move alone sends no WM_SIZE.
    Clear();
    SetWindowPos(top, nullptr, 20, 20, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(Messages(top, {WM_MOVE, WM_SIZE}), (Msgs{WM_MOVE}));
}

TEST_F(WindowLife, SetParentMovesAWindowBetweenParentsAndRefusesCycles)
{
    HWND a = Top(RECT{0, 0, 100, 100});
    HWND b = Top(RECT{200, 0, 300, 100});
    HWND child = Child(a, RECT{5, 5, 15, 15});
    EXPECT_EQ(SetParent(child, b), a);
    EXPECT_EQ(GetParent(child), b);
    RECT r;
    GetWindowRect(child, &r);
    EXPECT_EQ(r.left, 205);
    EXPECT_EQ(SetParent(b, child), nullptr);
    EXPECT_FALSE(IsChild(a, child));
    EXPECT_TRUE(IsChild(b, child));
}

BOOL Collect(HWND hwnd, LPARAM into)
{
    auto* found = reinterpret_cast<std::vector<HWND>*>(into);
    found->push_back(hwnd);
    return found->size() < 3 ? TRUE : FALSE;
}

TEST_F(WindowLife, EnumChildWindowsWalksParentsBeforeChildrenAndStopsWhenAsked)
{
    HWND a = Top(RECT{0, 0, 10, 10});
    HWND b = Child(a, RECT{0, 0, 5, 5});
    HWND c = Child(b, RECT{0, 0, 2, 2});
    HWND d = Child(a, RECT{5, 5, 9, 9});
    HWND e = Child(a, RECT{5, 5, 9, 9});
    HWND other = Top(RECT{0, 0, 10, 10});
    std::vector<HWND> found;
    EnumChildWindows(a, &Collect, reinterpret_cast<LPARAM>(&found));
    EXPECT_EQ(found, (std::vector<HWND>{e, d, b}));  // stopped after three; c would come after b
    found.clear();
    EnumChildWindows(b, &Collect, reinterpret_cast<LPARAM>(&found));
    EXPECT_EQ(found, (std::vector<HWND>{c}));
    found.clear();
    EnumChildWindows(nullptr, &Collect, reinterpret_cast<LPARAM>(&found));
    EXPECT_EQ(found, (std::vector<HWND>{other, a}));
}

TEST_F(WindowLife, EnableWindowReportsThePreviousStateAndTakesTheFocusAway)
{
    HWND top = Top(RECT{0, 0, 100, 100});
    HWND child = Child(top, RECT{0, 0, 10, 10});
    SetFocus(child);
    ASSERT_EQ(GetFocus(), child);
    EXPECT_FALSE(EnableWindow(child, FALSE));
    EXPECT_TRUE(EnableWindow(child, FALSE));
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(SetFocus(child), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_TRUE(EnableWindow(child, TRUE));
    EXPECT_EQ(Find(child, WM_ENABLE).size(), 2u);
}

} // namespace
