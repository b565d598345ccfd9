// Caret, input methods, the context-menu keys, clipboard, beeps and opening targets.

#include "WindowTestSupport.h"

#include "platform/kernel/Utf8.h"
#include "platform/shell/ShellExecute.h"

#include <gtest/gtest.h>

namespace {

using Msgs = std::vector<UINT>;

class TextInput : public WindowTest, public testing::Test {
protected:
    // A white top-level window with a focused child that takes text.
    void SetUp() override
    {
        top = Top(RECT{0, 0, 100, 60});
        edit = Child(top, RECT{10, 10, 90, 40});
        SetFocus(edit);
        kit.Pump();
    }
    COLORREF Pixel(int x, int y) { return WindowTestKit::ColorAt(*kit.Render(top), x, y); }

    HWND top = nullptr;
    HWND edit = nullptr;
};

TEST_F(TextInput, CaretInvertsItsPixelsBlinksOnTheClockAndHidesWhilePainting)
{
    ASSERT_TRUE(CreateCaret(edit, nullptr, 2, 12));
    SetCaretPos(5, 3);
    EXPECT_EQ(Pixel(10 + 5, 10 + 3), RGB(255, 255, 255)) << "a new caret is hidden";
    ShowCaret(edit);
    EXPECT_EQ(Pixel(15, 13), RGB(0, 0, 0));
    EXPECT_EQ(Pixel(16, 24), RGB(0, 0, 0));
    EXPECT_EQ(Pixel(17, 13), RGB(255, 255, 255));
    EXPECT_EQ(Pixel(15, 25), RGB(255, 255, 255));

    kit.Advance(GetCaretBlinkTime());
    EXPECT_EQ(Pixel(15, 13), RGB(255, 255, 255)) << "off phase";
    kit.Advance(GetCaretBlinkTime());
    EXPECT_EQ(Pixel(15, 13), RGB(0, 0, 0)) << "on again";
    kit.Advance(GetCaretBlinkTime() / 2);
    SetCaretPos(30, 3);
    kit.Advance(GetCaretBlinkTime() - 1);
    EXPECT_EQ(Pixel(40, 13), RGB(0, 0, 0)) << "moving restarts the blink in its shown phase";
    EXPECT_EQ(Pixel(15, 13), RGB(255, 255, 255)) << "nothing left where it was";

    // While the window paints the caret is hidden; the pixels under it stay what was painted.
    bool sawHidden = false;
    onMessage = [&](HWND hwnd, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (hwnd == edit && msg == WM_PAINT) {
            PAINTSTRUCT ps;
            BeginPaint(hwnd, &ps);
            sawHidden = WindowTestKit::ColorAt(*kit.Render(top), 40, 13) == RGB(255, 255, 255);
            EndPaint(hwnd, &ps);
            return 0;
        }
        return std::nullopt;
    };
    InvalidateRect(edit, nullptr, TRUE);
    EXPECT_EQ(Pixel(40, 13), RGB(0, 0, 0));
    EXPECT_TRUE(sawHidden);

    HideCaret(edit);
    HideCaret(edit);
    ShowCaret(edit);
    EXPECT_EQ(Pixel(40, 13), RGB(255, 255, 255)) << "hiding counts";
    ShowCaret(edit);
    EXPECT_EQ(Pixel(40, 13), RGB(0, 0, 0));
    DestroyWindow(edit);
    EXPECT_EQ(GetCaretWindow(), nullptr);
    EXPECT_EQ(Pixel(40, 13), RGB(255, 255, 255));
}

TEST_F(TextInput, PreeditAndCommitBecomeImeMessagesOnlyForAWindowThatTakesText)
{
    const auto ime = {WM_IME_STARTCOMPOSITION, WM_IME_COMPOSITION, WM_IME_ENDCOMPOSITION, WM_IME_CHAR, WM_CHAR};
    kit.Preedit("ni");
    kit.Commit("你");
    kit.Pump();
    EXPECT_TRUE(Messages(edit, ime).empty()) << "the window does not take text";

    SetWindowTakesText(edit, true);
    std::string seen;
    onMessage = [&](HWND, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_IME_COMPOSITION)
            seen = ImmGetCompositionString() + "@" + std::to_string(ImmGetCompositionCursor());
        return std::nullopt;
    };
    kit.Preedit("n");
    kit.Preedit("ni", 1);
    kit.Pump();
    EXPECT_EQ(seen, "ni@1");
    kit.Commit("你好");
    kit.Pump();
    EXPECT_EQ(Messages(edit, ime), (Msgs{WM_IME_STARTCOMPOSITION, WM_IME_COMPOSITION, WM_IME_COMPOSITION, WM_IME_CHAR,
                                         WM_CHAR, WM_IME_CHAR, WM_CHAR, WM_IME_ENDCOMPOSITION}));
    const auto chars = Find(edit, WM_CHAR);
    ASSERT_EQ(chars.size(), 2u);
    EXPECT_EQ(chars[0].wParam, 0x4F60u);
    EXPECT_EQ(chars[1].wParam, 0x597Du);
    EXPECT_EQ(ImmGetCompositionString(), "");

    Clear();
    kit.Preedit("x");
    kit.Preedit("");
    kit.Commit("\xFF");
    kit.Pump();
    EXPECT_EQ(Messages(edit, ime), (Msgs{WM_IME_STARTCOMPOSITION, WM_IME_COMPOSITION, WM_IME_ENDCOMPOSITION,
                                         WM_IME_CHAR, WM_CHAR}));
    EXPECT_EQ(Find(edit, WM_CHAR)[0].wParam, kReplacementChar) << "invalid committed text is replaced";
}

TEST_F(TextInput, ShiftF10AndTheMenuKeyAskForAContextMenuAtMinusOne)
{
    struct Case {
        std::vector<UINT> down;
        UINT key;
        bool asks;
    };
    const Case cases[] = {
        {{VK_SHIFT}, VK_F10, true},
        {{}, VK_APPS, true},
        {{}, VK_F10, false},
        {{VK_SHIFT}, VK_F4, false},
    };
    for (const Case& c : cases) {
        Clear();
        for (UINT k : c.down)
            kit.PressKey(k);
        kit.PressKey(c.key);
        kit.ReleaseKey(c.key);
        for (UINT k : c.down)
            kit.ReleaseKey(k);
        kit.Pump();
        const auto menus = Find(nullptr, WM_CONTEXTMENU);
        ASSERT_EQ(menus.size(), c.asks ? 2u : 0u) << c.key;  // the child's default passes it on
        if (c.asks) {
            EXPECT_EQ(menus[0].hwnd, edit);
            EXPECT_EQ(menus[1].hwnd, top);
            EXPECT_EQ(GET_X_LPARAM(menus[0].lParam), -1);
            EXPECT_EQ(GET_Y_LPARAM(menus[0].lParam), -1);
        }
    }
}

TEST_F(TextInput, ClipboardBeepAndOpenerGoThroughTheKitsFakes)
{
    EXPECT_FALSE(IsClipboardTextAvailable());
    EXPECT_EQ(GetClipboardText(), "");
    SetClipboardText("中文\xC0");
    EXPECT_EQ(kit.ClipboardText(), "中文\xEF\xBF\xBD");
    kit.ClipboardText() = "";
    EXPECT_TRUE(IsClipboardTextAvailable()) << "empty text is still text";

    MessageBeep(0);
    MessageBeep(0x30);
    EXPECT_EQ(kit.Beeps(), (std::vector<UINT>{0, 0x30}));

    auto code = [](HINSTANCE h) { return reinterpret_cast<std::uintptr_t>(h); };
    EXPECT_GT(code(ShellExecute(nullptr, "open", "https://example.invalid/", nullptr, nullptr, SW_SHOWNORMAL)), 32u);
    EXPECT_EQ(code(ShellExecute(nullptr, "print", "a.txt", nullptr, nullptr, SW_SHOWNORMAL)), 31u);
    EXPECT_EQ(code(ShellExecute(nullptr, "open", "", nullptr, nullptr, SW_SHOWNORMAL)), 2u);
    kit.SetOpenerAnswer(false);
    EXPECT_EQ(code(ShellExecute(nullptr, nullptr, "mailto:a@b.invalid", nullptr, nullptr, SW_SHOWNORMAL)), 31u);
    EXPECT_EQ(kit.OpenedTargets(), (std::vector<std::string>{"https://example.invalid/", "mailto:a@b.invalid"}));
}

TEST(Utf8, InvalidSequencesBecomeReplacementCharacters)
{
    const std::pair<std::string, std::u32string> cases[] = {
        {"a中😀", U"a中😀"},
        {"\x80", U"\uFFFD"},
        {"\xC0\xAF", U"\uFFFD"},          // overlong
        {"\xED\xA0\x80", U"\uFFFD"},      // surrogate
        {"\xF4\x90\x80\x80", U"\uFFFD"},  // past U+10FFFF
        {"\xE4\xB8", U"\uFFFD"},          // cut short
        {"\xE4x", U"\uFFFDx"},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(DecodeUtf8(in), out) << in;
    EXPECT_EQ(EncodeUtf8(std::u32string{U'a', char32_t(0xD800), char32_t(0x110000)}), "a\xEF\xBF\xBD\xEF\xBF\xBD");
}

} // namespace
