// The edit window class and TCustomEdit: keys, clipboard, undo, limits, colours, selection,
// the caret and input-method text.

#include "ControlTestSupport.h"

#include "classlib/CustomEdit.h"
#include "classlib/Mask.h"
#include "classlib/StdCtrls.h"
#include "platform/gdi/Gdi.h"

namespace {

struct Stroke {
    std::vector<UINT> mods;
    UINT vk;
    std::string text;
};

Stroke K(UINT vk, std::vector<UINT> mods = {}) { return Stroke{std::move(mods), vk, {}}; }
Stroke T(const std::string& text) { return Stroke{{}, 'A', text}; }

class EditTest : public ControlsTest {
protected:
    TEdit* MakeEdit(const std::string& text = {})
    {
        form = ShownForm(300, 100);
        auto* e = new TEdit(form);
        e->SetParent(form);
        e->SetBounds(10, 10, 200, 24);
        e->SetText(text);
        e->OnChange = [this](TObject*) { ++changes; };
        e->SetFocus();
        Pump();
        return e;
    }
    void Type(const std::vector<Stroke>& strokes)
    {
        for (const Stroke& s : strokes) {
            for (UINT m : s.mods)
                kit.PressKey(m);
            kit.PressKey(s.vk, s.text);
            kit.ReleaseKey(s.vk);
            for (UINT m : s.mods)
                kit.ReleaseKey(m);
            Pump();
        }
    }
    static std::pair<int, int> Sel(TCustomEdit* e) { return {e->GetSelStart(), e->GetSelStart() + e->GetSelLength()}; }
    COLORREF Pixel(TControl* c, int x, int y)
    {
        auto pixels = kit.Render(form->GetHandle());
        RECT wr{};
        GetWindowRect(form->GetHandle(), &wr);
        POINT p = c->ClientToScreen(POINT{x, y});
        return WindowTestKit::ColorAt(*pixels, p.x - wr.left, p.y - wr.top);
    }

    TForm* form = nullptr;
    int changes = 0;
};

TEST_F(EditTest, KeysEditTheTextAndSelection)
{
    struct Case {
        const char* name;
        std::string text;
        int selFrom, selTo;
        std::vector<Stroke> keys;
        std::string expected;
        std::pair<int, int> sel;
    };
    const Case cases[] = {
        {"typing replaces the selection", "abc", 1, 2, {T("x"), T("中")}, "ax中c", {3, 3}},
        {"backspace", "abc", 2, 2, {K(VK_BACK)}, "ac", {1, 1}},
        {"backspace at the start", "abc", 0, 0, {K(VK_BACK)}, "abc", {0, 0}},
        {"delete", "abc", 1, 1, {K(VK_DELETE)}, "ac", {1, 1}},
        {"delete at the end", "abc", 3, 3, {K(VK_DELETE)}, "abc", {3, 3}},
        {"arrows and home/end", "abcd", 2, 2, {K(VK_LEFT), K(VK_HOME), K(VK_RIGHT), T("x"), K(VK_END), T("y")}, "axbcdy", {6, 6}},
        {"left collapses a selection", "abcd", 1, 3, {K(VK_LEFT)}, "abcd", {1, 1}},
        {"shift+arrows select", "abcd", 1, 1, {K(VK_RIGHT, {VK_SHIFT}), K(VK_RIGHT, {VK_SHIFT})}, "abcd", {1, 3}},
        {"shift+home", "abcd", 3, 3, {K(VK_HOME, {VK_SHIFT})}, "abcd", {0, 3}},
        {"ctrl+a then typing", "abcd", 1, 1, {K('A', {VK_CONTROL}), T("z")}, "z", {1, 1}},
        {"ctrl+x, ctrl+v", "abcd", 0, 2, {K('X', {VK_CONTROL}), K(VK_END), K('V', {VK_CONTROL})}, "cdab", {4, 4}},
        {"ctrl+c, ctrl+v", "ab", 0, 2, {K('C', {VK_CONTROL}), K(VK_END), K('V', {VK_CONTROL})}, "abab", {4, 4}},
        {"shift+del, shift+ins", "abcd", 1, 3, {K(VK_DELETE, {VK_SHIFT}), K(VK_INSERT, {VK_SHIFT}), K(VK_INSERT, {VK_SHIFT})}, "abcbcd", {5, 5}},
        {"ctrl+ins copies", "abcd", 0, 1, {K(VK_INSERT, {VK_CONTROL}), K(VK_END), K(VK_INSERT, {VK_SHIFT})}, "abcda", {5, 5}},
        {"ctrl+z undoes the typing run", "ab", 2, 2, {T("c"), T("d"), K('Z', {VK_CONTROL})}, "ab", {2, 2}},
        {"ctrl+z twice redoes", "ab", 2, 2, {K(VK_BACK), K('Z', {VK_CONTROL}), K('Z', {VK_CONTROL})}, "a", {1, 1}},
        {"ctrl+left/right by words", "one two", 7, 7, {K(VK_LEFT, {VK_CONTROL}), T("x")}, "one xtwo", {5, 5}},
        {"control characters type nothing", "ab", 1, 1, {T("\t"), T("\x01"), T("\x7F")}, "ab", {1, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TEdit* e = MakeEdit(c.text);
        SendMessage(e->GetHandle(), EM_SETSEL, static_cast<WPARAM>(c.selFrom), c.selTo);
        kit.ClipboardText().reset();
        Type(c.keys);
        EXPECT_EQ(e->GetText(), c.expected);
        EXPECT_EQ(Sel(e), c.sel);
        DoneApplication();
    }
}

TEST_F(EditTest, OnChangeFiresOncePerRealChange)
{
    TEdit* e = MakeEdit("ab");
    changes = 0;
    e->SetText("ab");
    EXPECT_EQ(changes, 0) << "equal text";
    e->SetText("abc");
    EXPECT_EQ(changes, 1);
    Type({T("d")});
    EXPECT_EQ(changes, 2);
    e->SelectAll();
    e->CutToClipboard();
    EXPECT_EQ(changes, 3);
    e->CutToClipboard();
    EXPECT_EQ(changes, 3) << "nothing selected: nothing cut";
    e->PasteFromClipboard();
    EXPECT_EQ(changes, 4);
    kit.ClipboardText() = "";
    e->PasteFromClipboard();
    EXPECT_EQ(changes, 4) << "empty paste";
    e->Undo();
    EXPECT_EQ(e->GetText(), "");
    EXPECT_EQ(changes, 5);
}

TEST_F(EditTest, ClipboardLimitsAndBadInput)
{
    TEdit* e = MakeEdit();
    kit.ClipboardText() = "中文\xFF\tz\r\nsecond line";
    e->PasteFromClipboard();
    EXPECT_EQ(e->GetText(), "中文\xEF\xBF\xBDz") << "one line, controls dropped, invalid bytes replaced";
    e->SelectAll();
    e->CopyToClipboard();
    EXPECT_EQ(kit.ClipboardText(), "中文\xEF\xBF\xBDz");

    e->SetText("");
    e->SetMaxLength(3);
    kit.ClipboardText() = "12345";
    e->PasteFromClipboard();
    EXPECT_EQ(e->GetText(), "123") << "MaxLength cuts a paste";
    Type({T("4")});
    EXPECT_EQ(e->GetText(), "123");

    kit.ClipboardText().reset();
    e->SetText("ab");
    e->PasteFromClipboard();
    EXPECT_EQ(e->GetText(), "ab") << "a clipboard without text pastes nothing";

    SendMessage(e->GetHandle(), EM_SETSEL, 5, 99);
    EXPECT_EQ(Sel(e), (std::pair<int, int>{2, 2})) << "clamped";
    SendMessage(e->GetHandle(), WM_CHAR, 0xD800, 0);
    SendMessage(e->GetHandle(), WM_CHAR, 0x110000, 0);
    SetWindowText(e->GetHandle(), "x\xC0y");
    EXPECT_EQ(e->GetText(), "x\xEF\xBF\xBDy");

    e->SetPasswordChar(U'*');
    e->SelectAll();
    kit.ClipboardText() = "kept";
    e->CopyToClipboard();
    EXPECT_EQ(kit.ClipboardText(), "kept") << "a password is not copied";
}

TEST_F(EditTest, NativeReadOnlyKeepsTheTextButSelectsAndCopies)
{
    TEdit* e = MakeEdit("abc");
    e->SetNativeReadOnly(true);
    e->SelectAll();
    Type({T("x"), K(VK_BACK), K(VK_DELETE), K('X', {VK_CONTROL}), K('V', {VK_CONTROL}), K(VK_DELETE, {VK_SHIFT})});
    EXPECT_EQ(e->GetText(), "abc");
    Type({K('C', {VK_CONTROL}), K(VK_HOME), K(VK_RIGHT, {VK_SHIFT})});
    EXPECT_EQ(kit.ClipboardText(), "abc");
    EXPECT_EQ(Sel(e), (std::pair<int, int>{0, 1}));
    EXPECT_FALSE(WindowTakesText(e->GetHandle())) << "the input method is told it takes no text";
    kit.Commit("中");
    Pump();
    EXPECT_EQ(e->GetText(), "abc");
}

TEST_F(EditTest, CharCaseConvertsTypedPastedAndPresentText)
{
    TEdit* e = MakeEdit("Mixed");
    e->SetCharCase(TEditCharCase::ecUpperCase);
    EXPECT_EQ(e->GetText(), "MIXED");
    SendMessage(e->GetHandle(), EM_SETSEL, 5, 5);
    Type({T("a")});
    kit.ClipboardText() = "bé";
    e->PasteFromClipboard();
    EXPECT_EQ(e->GetText(), "MIXEDABé") << "ASCII letters change case";
    e->SetCharCase(TEditCharCase::ecLowerCase);
    EXPECT_EQ(e->GetText(), "mixedabé");
}

TEST_F(EditTest, MaskEditAcceptsOnlyTheEmptyMask)
{
    form = ShownForm();
    auto* m = new TMaskEdit(form);
    m->SetParent(form);
    m->SetEditMask("");
    EXPECT_THROW(m->SetEditMask("000;1;_"), EInvalidOperation);
    EXPECT_EQ(m->GetEditMask(), "");
}

TEST_F(EditTest, CaretStandsAtTheInsertionPointBlinksAndGoesOnFocusLoss)
{
    TEdit* e = MakeEdit("iii");
    e->SetBorderStyle(TBorderStyle::bsNone);
    e->SetFocus();
    Pump();
    SendMessage(e->GetHandle(), EM_SETSEL, 3, 3);
    POINT caret{};
    ASSERT_TRUE(GetCaretPos(&caret));
    const int x = GET_X_LPARAM(SendMessage(e->GetHandle(), EM_POSFROMCHAR, 3, 0));
    EXPECT_EQ(caret.x, x);
    EXPECT_EQ(Pixel(e, caret.x, caret.y + 2), RGB(0, 0, 0)) << "inverted white";
    kit.Advance(GetCaretBlinkTime());
    EXPECT_EQ(Pixel(e, caret.x, caret.y + 2), RGB(255, 255, 255));
    kit.Advance(GetCaretBlinkTime());
    EXPECT_EQ(Pixel(e, caret.x, caret.y + 2), RGB(0, 0, 0));

    // Selection highlight, and HideSelection.
    e->SelectAll();
    Pump();
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_EQ(Pixel(e, 1, caret.y + 1), highlight);
    auto* other = new TEdit(form);
    other->SetParent(form);
    other->SetBounds(10, 50, 100, 24);
    other->SetFocus();
    Pump();
    EXPECT_EQ(GetCaretWindow(), other->GetHandle());
    EXPECT_EQ(Pixel(e, caret.x, caret.y + 2), RGB(255, 255, 255)) << "no caret left behind";
    EXPECT_NE(Pixel(e, 1, caret.y + 1), highlight) << "selection hidden without focus";
    e->SetHideSelection(false);
    e->SelectAll();
    Pump();
    EXPECT_EQ(Pixel(e, 1, caret.y + 1), highlight);
}

TEST_F(EditTest, PreeditShowsUnderlinedAtTheCaretAndCommitTypes)
{
    TEdit* e = MakeEdit("ab");
    e->SetBorderStyle(TBorderStyle::bsNone);
    e->SetFocus();
    SendMessage(e->GetHandle(), EM_SETSEL, 1, 1);
    Pump();
    const int x = GET_X_LPARAM(SendMessage(e->GetHandle(), EM_POSFROMCHAR, 1, 0));
    kit.Preedit("zhong");
    Pump();
    EXPECT_EQ(e->GetText(), "ab") << "pre-edit is no part of the text";
    TEXTMETRIC tm{};
    HDC dc = GetDC(e->GetHandle());
    SelectObject(dc, e->Font()->GetHandle());
    GetTextMetrics(dc, &tm);
    ReleaseDC(e->GetHandle(), dc);
    EXPECT_EQ(Pixel(e, x + 3, tm.tmHeight - 1), RGB(0, 0, 0)) << "underline";
    POINT caret{};
    GetCaretPos(&caret);
    EXPECT_GT(caret.x, x + 10) << "caret at the end of the pre-edit";
    kit.Commit("中");
    Pump();
    EXPECT_EQ(e->GetText(), "a中b");
    EXPECT_EQ(Sel(e), (std::pair<int, int>{2, 2}));
    EXPECT_EQ(changes, 1);
}

TEST_F(EditTest, ColoursComeFromTheParentAndEnterReachesTheDefaultButton)
{
    TEdit* e = MakeEdit("");
    e->SetBorderStyle(TBorderStyle::bsNone);
    e->SetColor(clRed);
    Pump();
    EXPECT_EQ(Pixel(e, 150, 10), RGB(255, 0, 0));
    e->SetEnabled(false);
    Pump();
    EXPECT_EQ(Pixel(e, 150, 10), RGB(255, 0, 0)) << "a disabled edit asks for the static colours, answered the same";
}

TEST_F(EditTest, WheelEventsAndWordDoubleClick)
{
    TEdit* e = MakeEdit("one two three");
    std::vector<std::string> log;
    e->OnMouseWheelUp = [&](TObject*, TShiftState, POINT, bool& handled) { log.push_back("up"), handled = true; };
    e->OnMouseWheelDown = [&](TObject*, TShiftState, POINT, bool& handled) { log.push_back("down"), handled = true; };
    kit.Wheel(ScreenOf(e, 5, 5), WHEEL_DELTA);
    kit.Wheel(ScreenOf(e, 5, 5), -WHEEL_DELTA);
    Pump();
    EXPECT_EQ(log, (std::vector<std::string>{"up", "down"}));

    const int x = GET_X_LPARAM(SendMessage(e->GetHandle(), EM_POSFROMCHAR, 5, 0));
    kit.Advance(1000);
    Click(e, x, 5);
    Click(e, x, 5);
    EXPECT_EQ(e->GetSelText(), "two");
    kit.Advance(1000);
    const int from = GET_X_LPARAM(SendMessage(e->GetHandle(), EM_POSFROMCHAR, 1, 0));
    const int to = GET_X_LPARAM(SendMessage(e->GetHandle(), EM_POSFROMCHAR, 6, 0));
    kit.PressButton(ScreenOf(e, from, 5));
    kit.MoveMouse(ScreenOf(e, to, 5));
    kit.ReleaseButton(ScreenOf(e, to, 5));
    Pump();
    EXPECT_EQ(Sel(e), (std::pair<int, int>{1, 6})) << "drag selects";
}

} // namespace
