// The edit base and the numeric edit: keys in the normal, read-only and numeric modes, Enter and
// Esc for the form, the context-menu items and transparent refreshing.

#include "SkinFormSupport.h"

#include "classlib/StdCtrls.h"
#include "skin/core/skResourceStrData.h"
#include "skin/input/skSkinEdits.h"

#include <clocale>
#include <cstdlib>

namespace {

struct Stroke {
    enum Kind { Key, Preedit, Commit } kind;
    std::vector<UINT> mods;
    UINT vk;
    std::string text;
};
Stroke K(UINT vk, std::vector<UINT> mods = {}) { return Stroke{Stroke::Key, std::move(mods), vk, {}}; }
Stroke T(const std::string& text) { return Stroke{Stroke::Key, {}, 'A', text}; }
Stroke Pre(const std::string& text) { return Stroke{Stroke::Preedit, {}, 0, text}; }  // input-method pre-edit
Stroke Com(const std::string& text) { return Stroke{Stroke::Commit, {}, 0, text}; }   // input-method commit

class EditKeys : public SkinFormTest {
protected:
    template <class T>
    T* Make(const std::string& text)
    {
        form = ShownForm(300, 120);
        auto* e = new T(form);
        e->SetParent(form);
        e->SetBounds(10, 10, 200, 24);
        e->SetText(text);
        e->OnKeyPress = [this](TObject*, char32_t& c) { pressed.push_back(c); };
        e->SetFocus();
        Pump();
        return e;
    }
    void Type(const std::vector<Stroke>& strokes)
    {
        for (const Stroke& s : strokes) {
            if (s.kind != Stroke::Key) {
                if (s.kind == Stroke::Commit)
                    kit.Commit(s.text);
                else
                    kit.Preedit(s.text);
                Pump();
                continue;
            }
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

    TForm* form = nullptr;
    std::u32string pressed;
};

struct KeyCase {
    const char* name;
    std::string text;
    int selFrom, selTo;
    std::vector<Stroke> keys;
    std::string expected;
    std::pair<int, int> sel;
    std::string clipboard;  // after the keys ("" when not checked)
};

class EditKeyTables : public EditKeys {
protected:
    void Run(const std::vector<KeyCase>& cases, const std::function<TskCustomEdit*(const std::string&)>& make)
    {
        for (const KeyCase& c : cases) {
            SCOPED_TRACE(c.name);
            TskCustomEdit* e = make(c.text);
            SendMessage(e->GetHandle(), EM_SETSEL, static_cast<WPARAM>(c.selFrom), c.selTo);
            kit.ClipboardText() = "clip";
            Type(c.keys);
            EXPECT_EQ(e->GetText(), c.expected);
            EXPECT_EQ(Sel(e), c.sel);
            if (!c.clipboard.empty()) {
                EXPECT_EQ(kit.ClipboardText(), c.clipboard);
            }
            DoneApplication();
        }
    }
};

TEST_F(EditKeyTables, NormalMode)
{
    Run(        {
            {"typing", "ab", 1, 1, {T("x"), T("中")}, "ax中b", {3, 3}, ""},
            {"backspace and delete", "abcd", 2, 2, {K(VK_BACK), K(VK_DELETE)}, "ad", {1, 1}, ""},
            {"arrows, home, end", "abc", 1, 1, {K(VK_RIGHT), T("1"), K(VK_HOME), T("2"), K(VK_END), T("3")}, "2ab1c3", {6, 6}, ""},
            {"shift+arrows", "abcd", 1, 1, {K(VK_RIGHT, {VK_SHIFT}), K(VK_RIGHT, {VK_SHIFT})}, "abcd", {1, 3}, ""},
            {"ctrl+c", "abcd", 1, 3, {K('C', {VK_CONTROL})}, "abcd", {1, 3}, "bc"},
            {"ctrl+x", "abcd", 1, 3, {K('X', {VK_CONTROL})}, "ad", {1, 1}, "bc"},
            {"ctrl+v", "ab", 1, 1, {K('V', {VK_CONTROL})}, "aclipb", {5, 5}, ""},
            {"shift+ins", "ab", 2, 2, {K(VK_INSERT, {VK_SHIFT})}, "abclip", {6, 6}, ""},
            {"shift+del", "abcd", 0, 2, {K(VK_DELETE, {VK_SHIFT})}, "cd", {0, 0}, "ab"},
            {"ctrl+z", "ab", 2, 2, {T("c"), K('Z', {VK_CONTROL})}, "ab", {2, 2}, ""},
            {"ctrl+a", "abcd", 1, 1, {K('A', {VK_CONTROL})}, "abcd", {0, 4}, ""},
            {"enter and esc type nothing", "ab", 1, 1, {K(VK_RETURN), K(VK_ESCAPE)}, "ab", {1, 1}, ""},
            {"input method", "ab", 1, 1, {Pre("zh"), Pre("zhong"), Com("中"), Com("文")}, "a中文b", {3, 3}, ""},
        },
        [this](const std::string& text) { return Make<TskCustomEdit>(text); });
}

TEST_F(EditKeyTables, ReadOnlyModeNeverChangesTheText)
{
    Run(        {
            {"typing and control characters", "ab", 1, 1, {T("x"), K(VK_BACK), T("\x01")}, "ab", {1, 1}, ""},
            {"delete", "ab", 0, 0, {K(VK_DELETE)}, "ab", {0, 0}, ""},
            {"arrows, home, end", "abc", 1, 1, {K(VK_RIGHT), K(VK_HOME), K(VK_END)}, "abc", {3, 3}, ""},
            {"shift+arrows", "abcd", 1, 1, {K(VK_RIGHT, {VK_SHIFT})}, "abcd", {1, 2}, ""},
            {"ctrl+c copies", "abcd", 1, 3, {K('C', {VK_CONTROL})}, "abcd", {1, 3}, "bc"},
            {"ctrl+insert copies", "abcd", 0, 1, {K(VK_INSERT, {VK_CONTROL})}, "abcd", {0, 1}, "a"},
            {"ctrl+x", "abcd", 1, 3, {K('X', {VK_CONTROL})}, "abcd", {1, 3}, "clip"},
            {"ctrl+v", "ab", 1, 1, {K('V', {VK_CONTROL})}, "ab", {1, 1}, ""},
            {"shift+ins", "ab", 1, 1, {K(VK_INSERT, {VK_SHIFT})}, "ab", {1, 1}, ""},
            {"shift+del", "abcd", 0, 2, {K(VK_DELETE, {VK_SHIFT})}, "abcd", {0, 2}, "clip"},
            {"ctrl+z", "ab", 1, 1, {K('Z', {VK_CONTROL})}, "ab", {1, 1}, ""},
            {"ctrl+a selects", "abcd", 1, 1, {K('A', {VK_CONTROL})}, "abcd", {0, 4}, ""},
            {"input method", "ab", 1, 1, {Pre("zh"), Com("中")}, "ab", {1, 1}, ""},
        },
        [this](const std::string& text) {
            auto* e = Make<TskCustomEdit>(text);
            e->SetReadOnly(true);
            return e;
        });
}

TEST_F(EditKeyTables, NumericModeFiltersAndBeeps)
{
    struct NumCase {
        const char* name;
        bool isFloat;
        bool editorEnabled;
        std::vector<Stroke> keys;
        std::string expected;
        std::size_t beeps;
    };
    const std::string point(1, '.');
    const NumCase cases[] = {
        {"digits and one minus anywhere", false, true, {T("1"), T("2"), T("-"), T("3"), T("-")}, "12-3", 1},
        {"letters beep", false, true, {T("a"), T("1")}, "1", 1},
        {"integer refuses the separator", false, true, {T("1"), T(point)}, "1", 1},
        {"float takes one separator", true, true, {T("1"), T(point), T("5"), T(point)}, "1.5", 1},
        {"backspace works", false, true, {T("1"), T("2"), K(VK_BACK)}, "1", 0},
        {"editor disabled: printable and backspace beep", false, false, {T("1"), K(VK_BACK)}, "", 2},
        {"editor disabled: enter still reaches the form", false, false, {K(VK_RETURN)}, "", 0},
        {"pasted text is not filtered", false, true, {K('V', {VK_CONTROL})}, "x.y", 0},
    };
    for (const NumCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto* e = Make<TskSkinNumEdit>("");
        e->Float = c.isFloat;
        e->SetEditorEnabled(c.editorEnabled);
        kit.ClipboardText() = "x.y";
        const std::size_t before = kit.Beeps().size();
        Type(c.keys);
        EXPECT_EQ(e->GetText(), c.expected);
        EXPECT_EQ(kit.Beeps().size() - before, c.beeps);
        DoneApplication();
    }
}

TEST_F(EditKeyTables, NumericUpDownAndWheelDirection)
{
    auto* e = Make<TskSkinNumEdit>("5");
    e->SetEditorEnabled(false);
    std::vector<std::string> log;
    e->OnUpClick = [&](TObject*) { log.push_back("up"); };
    e->OnDownClick = [&](TObject*) { log.push_back("down"); };
    e->OnKeyDown = [&](TObject*, WORD& k, TShiftState) { log.push_back("key " + std::to_string(k)); };
    SendMessage(e->GetHandle(), EM_SETSEL, 1, 1);
    Type({K(VK_UP), K(VK_DOWN), K(VK_LEFT)});
    EXPECT_EQ(log, (std::vector<std::string>{"up", "down", "key 37"}));
    EXPECT_EQ(Sel(e), (std::pair<int, int>{0, 0})) << "Up and Down do not move the caret";
    log.clear();
    kit.Wheel(ScreenOf(e, 5, 5), WHEEL_DELTA);   // away from the user
    kit.Wheel(ScreenOf(e, 5, 5), -WHEEL_DELTA);  // towards the user
    Pump();
    EXPECT_EQ(log, (std::vector<std::string>{"down", "up"}));
}

TEST(NumericLocale, DecimalSeparatorComesFromLcNumericWithoutChangingTheProcess)
{
    const char* old = std::getenv("LC_ALL");
    const std::string saved = old ? old : "";
    const std::string process = std::setlocale(LC_NUMERIC, nullptr);
    setenv("LC_ALL", "C", 1);
    EXPECT_EQ(UserDecimalSeparator(), U'.');
    if (old)
        setenv("LC_ALL", saved.c_str(), 1);
    else
        unsetenv("LC_ALL");
    EXPECT_EQ(std::setlocale(LC_NUMERIC, nullptr), process) << "the process locale stays";
}

TEST_F(EditKeyTables, EnterAndEscPressTheButtonsOnceAndOnKeyPressSeesThem)
{
    auto* e = Make<TskCustomEdit>("ab");
    int ok = 0, cancel = 0;
    auto* okButton = new TButton(form);
    okButton->SetParent(form);
    okButton->SetBounds(10, 60, 60, 24);
    okButton->SetDefault(true);
    okButton->OnClick = [&](TObject*) { ++ok; };
    auto* cancelButton = new TButton(form);
    cancelButton->SetParent(form);
    cancelButton->SetBounds(80, 60, 60, 24);
    cancelButton->SetCancel(true);
    cancelButton->OnClick = [&](TObject*) { ++cancel; };
    e->SetFocus();
    Pump();
    Type({K(VK_RETURN)});
    EXPECT_EQ(ok, 1);
    Type({K(VK_ESCAPE)});
    EXPECT_EQ(cancel, 1);
    EXPECT_EQ(pressed, (std::u32string{13, 27}));
    EXPECT_EQ(e->GetText(), "ab");
    // A handler that clears the key takes it: the buttons hear nothing.
    e->OnKeyPress = [](TObject*, char32_t& Key) { Key = 0; };
    Type({K(VK_RETURN), K(VK_ESCAPE)});
    EXPECT_EQ(ok, 1);
    EXPECT_EQ(cancel, 1);
    Type({K(VK_TAB)});
    EXPECT_FALSE(e->Focused()) << "Tab still moves on";
}

TEST_F(EditKeyTables, ContextMenuItemsCaptionsAndStates)
{
    auto* e = Make<TskCustomEdit>("");
    auto states = [&] {
        std::string s;
        for (const auto& item : e->ContextMenuItems(nullptr))
            s += item.Caption == "-" ? '|' : (item.Enabled ? '+' : '.');
        return s;
    };
    // Undo | Cut Copy Paste Delete | SelectAll
    kit.ClipboardText().reset();
    EXPECT_EQ(states(), ".|....|.") << "empty edit: Select All disabled too";
    e->SetText("abc");
    EXPECT_EQ(states(), ".|....|+");
    SendMessage(e->GetHandle(), EM_SETSEL, 0, 2);
    kit.ClipboardText() = "x";
    EXPECT_EQ(states(), ".|++++|+");
    e->SelectAll();
    EXPECT_EQ(states(), ".|++++|.");
    Type({T("z")});
    EXPECT_EQ(states(), "+|..+.|+");
    e->SetReadOnly(true);
    SendMessage(e->GetHandle(), EM_SETSEL, 0, 1);
    EXPECT_EQ(states(), "+|.+..|.") << "read-only: no Cut, Paste, Delete";
    const auto items = e->ContextMenuItems(nullptr);
    e->RunContextMenuItem(items[0]);
    EXPECT_EQ(e->GetText(), "z") << "Undo on a read-only edit changes nothing";

    std::vector<std::string> captions;
    for (const auto& item : items)
        captions.push_back(item.Caption);
    EXPECT_EQ(captions, (std::vector<std::string>{"Undo", "-", "Cut", "Copy", "Paste", "Delete", "-", "Select All"}));
    TskResourceStrData store(nullptr);
    store.ResStrings()->Clear();
    store.ResStrings()->Add("EDIT_CUT=剪切");
    captions.clear();
    for (const auto& item : e->ContextMenuItems(&store))
        captions.push_back(item.Caption);
    EXPECT_EQ(captions, (std::vector<std::string>{"", "-", "剪切", "", "", "", "-", ""})) << "a missing key: empty";

    e->SetReadOnly(false);
    e->SelectAll();
    e->RunContextMenuItem(e->ContextMenuItems(nullptr)[2]);
    EXPECT_EQ(e->GetText(), "");
    EXPECT_EQ(kit.ClipboardText(), "z");

    const POINT centre = e->ContextMenuPoint(MAKELPARAM(-1, -1));
    const POINT origin = e->ClientToScreen(POINT{0, 0});
    EXPECT_EQ(centre.x, origin.x + e->GetWidth() / 2);
    EXPECT_EQ(centre.y, origin.y + e->GetHeight() / 2);
    EXPECT_EQ(e->ContextMenuPoint(MAKELPARAM(300, 200)).x, 300);
}

TEST_F(EditKeyTables, CancelModeNamesTheControlTakingTheMouse)
{
    auto* e = Make<TskCustomEdit>("");
    TControl* named = nullptr;
    e->OnEditCancelMode = [&](TControl* c) { named = c; };
    e->Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(form));
    EXPECT_EQ(named, form);
}

TEST_F(EditKeyTables, AContextMenuRequestWithoutASkinnedFrameShowsNoMenu)
{
    auto* e = Make<TskCustomEdit>("abc");
    auto topLevels = [] {
        int n = 0;
        EnumChildWindows(nullptr, [](HWND h, LPARAM p) {
            *reinterpret_cast<int*>(p) += IsWindowVisible(h) && GetParent(h) == nullptr;
            return TRUE;
        }, reinterpret_cast<LPARAM>(&n));
        return n;
    };
    const int before = topLevels();
    kit.PressKey(VK_APPS);
    kit.ReleaseKey(VK_APPS);
    Pump();
    EXPECT_EQ(topLevels(), before);
    EXPECT_EQ(SendMessage(e->GetHandle(), WM_CONTEXTMENU, 0, MAKELPARAM(-1, -1)), 1) << "taken: no native menu";
}

} // namespace
