// The skinned combo box: the events each cause fires, in order; the drop-down list's placement,
// hover, commit and cancel; cancel mode; destruction while open; the fade; the search timings.

#include "SkinFormSupport.h"

#include "classlib/Messages.h"
#include "platform/gdi/Gdi.h"
#include "platform/kernel/Clock.h"
#include "platform/window/Layered.h"
#include "platform/window/ListBoxes.h"
#include "platform/window/User.h"
#include "skin/core/skDataSkinControls.h"
#include "skin/form/FormSkin.h"
#include "skin/input/skSkinComboBox.h"

#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace {

class SkinComboBox : public SkinFormTest {
protected:
    TskSkinComboBox* Put(int top = 10, TskSkinCustomComboBoxStyle style = TskSkinCustomComboBoxStyle::skcbFixedStyle)
    {
        if (!form)
            form = ShownForm(400, 300);
        auto* c = new TskSkinComboBox(form);
        c->SetParent(form);
        c->SetBounds(10, top, 150, 20);
        for (const char* s : {"apple", "apricot", "banana", "blueberry", "cherry", "date", "fig", "grape", "kiwi", "lemon",
                              "mango", "melon"})
            c->Items()->Add(s);
        c->SetStyle(style);
        Watch(c);
        Pump();
        return c;
    }
    void Watch(TskSkinComboBox* c)
    {
        c->OnChange = [this](TObject*) { log.push_back("change"); };
        c->OnClick = [this](TObject*) { log.push_back("click"); };
        c->OnSelectionChanged = [this] { log.push_back("hook"); };
        c->OnCloseUp = [this](TObject*) { log.push_back("closeup"); };
        c->OnDropDown = [this](TObject*) { log.push_back("dropdown"); };
    }
    std::string Take()
    {
        std::string s;
        for (const auto& e : log)
            s += (s.empty() ? "" : " ") + e;
        log.clear();
        return s;
    }
    POINT ListPoint(TskSkinComboBox* c, int item)
    {
        const RECT r = c->ListBoxWindow()->ItemRect(item);
        return c->ListBoxWindow()->ListBox->ClientToScreen(POINT{5, (r.top + r.bottom) / 2});
    }

    // Runs Tick on a 1 ms timer of the form while the clock moves by 3 ms whenever the GUI
    // thread finds nothing to do (a fade's steps come between).
    void EveryMillisecond(std::function<void()> Tick)
    {
        kit.AdvanceWhenIdle(3);
        SetTimer(form->GetHandle(), 77, 1, nullptr);
        form->WindowProc = [Tick, old = form->WindowProc](TMessage& m) {
            if (m.Msg == WM_TIMER && m.WParam == 77)
                Tick();
            else
                old(m);
        };
    }
    void StopTicks()
    {
        kit.AdvanceWhenIdle(0);
        KillTimer(form->GetHandle(), 77);
    }

    TForm* form = nullptr;
    std::vector<std::string> log;
};

// Every cause and the events it fires, in order.
TEST_F(SkinComboBox, CausesAndTheirEvents)
{
    using Step = std::function<void(TskSkinComboBox*)>;
    struct Case {
        const char* cause;
        TskSkinCustomComboBoxStyle style;
        Step before, act;
        const char* events;
        int index;
        const char* text;
    } cases[] = {
        {"ItemIndex by code", TskSkinCustomComboBoxStyle::skcbFixedStyle, nullptr,
         [](auto* c) { c->SetItemIndex(2); }, "change click hook", 2, "banana"},
        {"ItemIndex to the same item", TskSkinCustomComboBoxStyle::skcbFixedStyle, [](auto* c) { c->SetItemIndex(2); },
         [](auto* c) { c->SetItemIndex(2); }, "click hook", 2, "banana"},
        {"ItemIndex -1 keeps the text", TskSkinCustomComboBoxStyle::skcbFixedStyle, [](auto* c) { c->SetItemIndex(2); },
         [](auto* c) { c->SetItemIndex(-1); }, "click hook", -1, "banana"},
        {"Text by code, fixed", TskSkinCustomComboBoxStyle::skcbFixedStyle, nullptr, [](auto* c) { c->SetText("x"); },
         "change", -1, "x"},
        {"the same Text", TskSkinCustomComboBoxStyle::skcbFixedStyle, [](auto* c) { c->SetText("x"); },
         [](auto* c) { c->SetText("x"); }, "", -1, "x"},
        {"Text by code, edit", TskSkinCustomComboBoxStyle::skcbEditStyle, nullptr, [](auto* c) { c->SetText("che"); },
         "change", 4, "che"},
        {"Down key, fixed", TskSkinCustomComboBoxStyle::skcbFixedStyle, [](auto* c) { c->SetItemIndex(0); },
         [this](auto* c) { c->SetFocus(); Pump(); kit.PressKey(VK_DOWN); Pump(); }, "change click hook", 1, "apricot"},
        {"Up key at the first item", TskSkinCustomComboBoxStyle::skcbFixedStyle, [](auto* c) { c->SetItemIndex(0); },
         [this](auto* c) { c->SetFocus(); Pump(); kit.PressKey(VK_UP); Pump(); }, "", 0, "apple"},
        {"Page Down from 0", TskSkinCustomComboBoxStyle::skcbFixedStyle, [](auto* c) { c->SetItemIndex(0); },
         [this](auto* c) { c->SetFocus(); Pump(); kit.PressKey(VK_NEXT); Pump(); }, "change click hook", 7, "grape"},
        {"Page Up from 11", TskSkinCustomComboBoxStyle::skcbFixedStyle, [](auto* c) { c->SetItemIndex(11); },
         [this](auto* c) { c->SetFocus(); Pump(); kit.PressKey(VK_PRIOR); Pump(); }, "change click hook", 2, "banana"},
        {"Down key, edit", TskSkinCustomComboBoxStyle::skcbEditStyle, [](auto* c) { c->SetItemIndex(0); },
         [this](auto* c) { c->Edit()->SetFocus(); Pump(); kit.PressKey(VK_DOWN); Pump(); }, "change click", 1, "apricot"},
        {"Up key, edit", TskSkinCustomComboBoxStyle::skcbEditStyle, [](auto* c) { c->SetItemIndex(1); },
         [this](auto* c) { c->Edit()->SetFocus(); Pump(); kit.PressKey(VK_UP); Pump(); }, "change click hook click", 0,
         "apple"},
        {"wheel, closed", TskSkinCustomComboBoxStyle::skcbFixedStyle, [](auto* c) { c->SetItemIndex(3); },
         [](auto* c) { SendMessage(c->GetHandle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -120), 0); }, "change click hook", 4,
         "cherry"},
        {"wheel, open", TskSkinCustomComboBoxStyle::skcbFixedStyle, [](auto* c) { c->SetItemIndex(3); c->DropDown(); },
         [](auto* c) { SendMessage(c->GetHandle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -120), 0); }, "", 4, "blueberry"},
        {"commit, fixed", TskSkinCustomComboBoxStyle::skcbFixedStyle, [](auto* c) { c->SetItemIndex(3); c->DropDown(); },
         [](auto* c) { SendMessage(c->ListBoxWindow()->ListBox->GetHandle(), LB_SETCURSEL, 5, 0); c->CloseUp(true); },
         "change click hook closeup", 5, "date"},
        {"commit the same item", TskSkinCustomComboBoxStyle::skcbFixedStyle,
         [](auto* c) { c->SetItemIndex(3); c->DropDown(); }, [](auto* c) { c->CloseUp(true); }, "click hook closeup", 3,
         "blueberry"},
        {"commit, edit", TskSkinCustomComboBoxStyle::skcbEditStyle, [](auto* c) { c->SetItemIndex(3); c->DropDown(); },
         [](auto* c) { SendMessage(c->ListBoxWindow()->ListBox->GetHandle(), LB_SETCURSEL, 6, 0); c->CloseUp(true); },
         "change hook click hook closeup", 6, "fig"},
        {"cancel", TskSkinCustomComboBoxStyle::skcbFixedStyle, [](auto* c) { c->SetItemIndex(3); c->DropDown(); },
         [](auto* c) { SendMessage(c->ListBoxWindow()->ListBox->GetHandle(), LB_SETCURSEL, 6, 0); c->CloseUp(false); },
         "", 3, "blueberry"},
        {"refill after Clear, same text", TskSkinCustomComboBoxStyle::skcbFixedStyle,
         [](auto* c) {
             c->SetItemIndex(2);
             c->Items()->Clear();
             c->Items()->Add("apple");
             c->Items()->Add("apricot");
             c->Items()->Add("banana");
         },
         [](auto* c) { c->SetItemIndex(2); }, "click hook", 2, "banana"},
        {"drop-down of an empty box", TskSkinCustomComboBoxStyle::skcbFixedStyle, [](auto* c) { c->Items()->Clear(); },
         [](auto* c) { c->DropDown(); }, "", -1, ""},
    };
    for (const auto& c : cases) {
        auto* box = Put(10, c.style);
        if (c.before)
            c.before(box);
        Pump();
        Take();
        c.act(box);
        Pump();
        EXPECT_EQ(Take(), c.events) << c.cause;
        EXPECT_EQ(box->GetItemIndex(), c.index) << c.cause;
        EXPECT_EQ(box->GetText(), c.text) << c.cause;
        box->CloseUp(false);
        box->Free();
        Pump();
    }
}

TEST_F(SkinComboBox, LoadingSelectsWithoutClick)
{
    auto* c = Put();
    Take();
    c->BeginLoading();
    c->SetItemIndex(0);
    c->EndLoading();
    EXPECT_EQ(Take(), "change");
}

TEST_F(SkinComboBox, DropDownOpensBelowOrAboveAtTheWorkAreasBottom)
{
    kit.Display().SetMonitors({MonitorDescription{RECT{0, 0, 800, 600}, RECT{0, 0, 800, 560}, true}});
    auto* c = Put(10);
    c->SetItemIndex(0);
    c->DropDown();
    Pump();
    const POINT below = c->ClientToScreen(POINT{0, c->GetHeight()});
    RECT r{};
    GetWindowRect(c->ListBoxWindow()->GetHandle(), &r);
    EXPECT_EQ(r.left, below.x);
    EXPECT_EQ(r.top, below.y);
    EXPECT_EQ(c->ListBoxWindow()->GetWidth(), c->GetWidth());
    c->CloseUp(false);

    // Near the work area's bottom the list's bottom meets the control's top.
    const POINT origin = form->ClientToScreen(POINT{0, 0});
    auto* low = Put(560 - origin.y - 25);
    low->DropDown();
    Pump();
    GetWindowRect(low->ListBoxWindow()->GetHandle(), &r);
    EXPECT_EQ(r.bottom, low->ClientToScreen(POINT{0, 0}).y);
    EXPECT_EQ(low->ListBoxWindow()->GetRowCount(), 8);
    // The form stays active and the focus where it was.
    EXPECT_EQ(GetActiveWindow(), form->GetHandle());
    low->CloseUp(false);
}

TEST_F(SkinComboBox, HoverSelectsSilentlyClickAndDragCommit)
{
    auto* c = Put();
    c->SetItemIndex(0);
    Take();
    // Click opens the list and leaves it open; hovering moves only the list's selection.
    kit.Click(ScreenOf(c, 20, 10));
    Pump();
    ASSERT_TRUE(c->IsPopupVisible());
    EXPECT_EQ(Take(), "dropdown");
    kit.MoveMouse(ListPoint(c, 4));
    Pump();
    EXPECT_EQ(c->ListBoxWindow()->ListBox->GetItemIndex(), 4);
    EXPECT_EQ(Take(), "");
    // A press and release on an item commits it.
    kit.Click(ListPoint(c, 4));
    Pump();
    EXPECT_FALSE(c->IsPopupVisible());
    EXPECT_EQ(Take(), "change click hook closeup");
    EXPECT_EQ(c->GetText(), "cherry");

    // Press on the control, drag into the list, release there: one gesture.
    kit.PressButton(ScreenOf(c, 20, 10));
    Pump();
    kit.MoveMouse(ListPoint(c, 5));
    Pump();
    kit.ReleaseButton(ListPoint(c, 5));
    Pump();
    EXPECT_EQ(c->GetText(), "date");
    EXPECT_EQ(Take(), "dropdown change click hook closeup");

    // Released elsewhere after having been in the list: cancelled.
    kit.PressButton(ScreenOf(c, 20, 10));
    Pump();
    kit.MoveMouse(ListPoint(c, 7));
    Pump();
    kit.ReleaseButton(form->ClientToScreen(POINT{380, 280}));
    Pump();
    EXPECT_FALSE(c->IsPopupVisible());
    EXPECT_EQ(c->GetItemIndex(), 5);
    EXPECT_EQ(Take(), "dropdown");
}

TEST_F(SkinComboBox, DragBelowTheListScrollsEvery25ms)
{
    auto* c = Put();
    c->SetItemIndex(0);
    kit.PressButton(ScreenOf(c, 20, 10));
    Pump();
    kit.MoveMouse(ListPoint(c, 7));
    Pump();
    ASSERT_NE(c->ListBoxWindow()->ScrollBar, nullptr);
    const int at = c->ListBoxWindow()->ListBox->GetItemIndex();
    RECT r{};
    GetWindowRect(c->ListBoxWindow()->GetHandle(), &r);
    kit.MoveMouse(POINT{r.left + 5, r.bottom + 30});
    Pump();
    kit.Advance(25);
    EXPECT_EQ(c->ListBoxWindow()->ListBox->GetItemIndex(), at + 1);
    kit.Advance(25);
    EXPECT_EQ(c->ListBoxWindow()->ListBox->GetItemIndex(), at + 2);
    for (int i = 0; i < 20; ++i)
        kit.Advance(25);
    EXPECT_EQ(c->ListBoxWindow()->ListBox->GetItemIndex(), 11);
    kit.ReleaseButton(POINT{r.left + 5, r.bottom + 30});
    Pump();
    EXPECT_FALSE(c->IsPopupVisible());
}

TEST_F(SkinComboBox, CancelModeFromItsOwnPartsKeepsTheListOpen)
{
    auto* c = Put();
    auto* other = Put(50);
    c->SetItemIndex(1);
    c->DropDown();
    Pump();
    Take();
    auto* list = c->ListBoxWindow();
    for (TControl* own : std::vector<TControl*>{c, list, list->ScrollBar, list->ListBox}) {
        c->Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(own));
        EXPECT_TRUE(c->IsPopupVisible());
    }
    c->Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(other));
    EXPECT_FALSE(c->IsPopupVisible());
    c->DropDown();
    c->Perform(CM_CANCELMODE, 0, 0);
    EXPECT_FALSE(c->IsPopupVisible());
    EXPECT_EQ(Take(), "dropdown");
    EXPECT_EQ(c->GetItemIndex(), 1);
}

TEST_F(SkinComboBox, FadeStepsOnTheClock)
{
    std::vector<int> seen;
    auto* c = Put();
    c->SetAlphaBlend(true);
    c->SetAlphaBlendAnimation(true);
    c->SetAlphaBlendValue(200);
    std::vector<std::uint64_t> times;
    c->ListBoxWindow()->OnFadeStep = [&](int alpha) {
        seen.push_back(alpha);
        times.push_back(GetTickCount64());
    };
    kit.AdvanceWhenIdle(1);
    c->DropDown();
    kit.AdvanceWhenIdle(0);
    // At least 6 ms apart.
    for (std::size_t i = 1; i < times.size(); ++i)
        EXPECT_GE(times[i] - times[i - 1], 6u);
    BYTE alpha = 0;
    GetLayeredWindowAttributes(c->ListBoxWindow()->GetHandle(), nullptr, &alpha, nullptr);
    EXPECT_EQ(alpha, 200);
    std::vector<int> expected;
    for (int a = 13; a <= 195; a += 13)
        expected.push_back(a);
    expected.push_back(200);
    EXPECT_EQ(seen, expected);
    // A list whose layered style comes back shows at once without the animation.
    c->CloseUp(false);
    c->SetAlphaBlend(false);
    c->DropDown();
    c->CloseUp(false);
    c->SetAlphaBlend(true);
    c->SetAlphaBlendAnimation(false);
    c->DropDown();
    GetLayeredWindowAttributes(c->ListBoxWindow()->GetHandle(), nullptr, &alpha, nullptr);
    EXPECT_EQ(alpha, 200);
}

TEST_F(SkinComboBox, DestroyedWhileTheListFades)
{
    auto* c = Put();
    c->SetAlphaBlend(true);
    c->SetAlphaBlendAnimation(true);
    c->SetAlphaBlendValue(255);
    int steps = 0;
    EveryMillisecond([&] {
        if (++steps == 3)
            c->Free();
    });
    c->DropDown();
    StopTicks();
    EXPECT_GE(steps, 3);
    // And one destroyed while its list is simply open.
    auto* d = Put(50);
    d->DropDown();
    Pump();
    d->Free();
    Pump();
}

TEST_F(SkinComboBox, IncrementalSearchAndAutoCompletionTimings)
{
    auto* c = Put();
    c->SetFocus();
    Pump();
    // Letters less than 500 ms apart search together; at 500 ms the search starts again.
    kit.PressKey('B');
    Pump();
    EXPECT_EQ(c->GetText(), "banana");
    kit.Advance(499);
    kit.PressKey('L');
    Pump();
    EXPECT_EQ(c->GetText(), "blueberry");
    kit.Advance(500);
    kit.PressKey('A');
    Pump();
    EXPECT_EQ(c->GetText(), "apple");
    kit.Advance(500);
    kit.PressKey('A');
    Pump();
    EXPECT_EQ(c->GetText(), "apricot");

    // Edit style: a key release more than 200 ms after the last completes the text; a single
    // letter searches after the item its typing selected, so "m" goes on to the second m-item.
    auto* e = Put(50, TskSkinCustomComboBoxStyle::skcbEditStyle);
    e->Edit()->SetFocus();
    Pump();
    kit.Advance(300);
    kit.PressKey('M');
    kit.ReleaseKey('M');
    Pump();
    EXPECT_EQ(e->GetText(), "melon");
    EXPECT_EQ(e->Edit()->GetSelStart(), 1);
    EXPECT_EQ(e->Edit()->GetSelLength(), 4);
    // An input-method commit completes as a key release would.
    kit.Advance(300);
    e->Edit()->SetText("");
    kit.Advance(300);
    kit.Commit("ki");
    Pump();
    EXPECT_EQ(e->GetText(), "kiwi");
}

TEST_F(SkinComboBox, StylesAndDropDownCount)
{
    auto* c = Put();
    c->SetStyle(TskSkinCustomComboBoxStyle::skcbEditStyle);
    c->SetStyle(TskSkinCustomComboBoxStyle::skcbEditStyle);
    int edits = 0;
    for (int i = 0; i < c->ComponentCount(); ++i)
        edits += dynamic_cast<TskCustomEdit*>(c->Components(i)) != nullptr;
    EXPECT_EQ(edits, 1);
    EXPECT_FALSE(c->GetTabStop());
    c->SetToolButtonStyle(true);
    EXPECT_EQ(c->Edit(), nullptr);
    EXPECT_FALSE(c->GetUseSkinSize());
    for (int bad : {0, -3})
        c->SetDropDownCount(bad);
    EXPECT_EQ(c->GetDropDownCount(), 8);
}

TEST_F(SkinComboBox, ListWindowAndInnerEditTakeTheForwardedSettings)
{
    auto* c = Put();
    TskPopupListBox* list = c->ListBoxWindow();
    c->SetListBoxCaption("格式");
    c->SetListBoxCaptionMode(true);
    c->SetListBoxCaptionAlignment(TAlignment::taCenter);
    c->SetListBoxUseSkinFont(false);
    c->SetListBoxUseSkinItemHeight(false);
    c->SetListBoxDefaultItemHeight(30);
    TFont font;
    font.SetName("Courier");
    font.SetHeight(17);
    c->SetListBoxDefaultFont(&font);
    c->SetListBoxDefaultCaptionFont(&font);
    font.SetHeight(9);
    EXPECT_EQ(list->GetText(), "格式");
    EXPECT_TRUE(list->GetCaptionMode());
    EXPECT_EQ(list->GetAlignment(), TAlignment::taCenter);
    EXPECT_FALSE(list->GetUseSkinFont());
    EXPECT_FALSE(list->GetUseSkinItemHeight());
    // The fonts are copies: a later change of the source does not reach the list.
    EXPECT_EQ(list->DefaultFont()->GetHeight(), 17);
    EXPECT_EQ(list->DefaultCaptionFont()->GetName(), "Courier");
    EXPECT_EQ(list->DefaultCaptionFont()->GetHeight(), 17);

    std::vector<int> drawn;
    c->SetOnListBoxDrawItem([&](TCanvas*, int Index, int, int, RECT, TOwnerDrawState) { drawn.push_back(Index); });
    c->DropDown();
    Pump();
    EXPECT_EQ(RectHeight(list->ItemRect(0)), 30);
    EXPECT_FALSE(drawn.empty());
    EXPECT_EQ(drawn.front(), 0);
    c->CloseUp(false);

    // Case and selection hiding reach the inner edit made now and the one made later.
    c->SetHideSelection(false);
    c->SetCharCase(TEditCharCase::ecUpperCase);
    c->SetStyle(TskSkinCustomComboBoxStyle::skcbEditStyle);
    ASSERT_NE(c->Edit(), nullptr);
    EXPECT_FALSE(c->Edit()->GetHideSelection());
    EXPECT_EQ(c->Edit()->GetCharCase(), TEditCharCase::ecUpperCase);
    c->SetCharCase(TEditCharCase::ecLowerCase);
    EXPECT_EQ(c->Edit()->GetCharCase(), TEditCharCase::ecLowerCase);
    c->SetFocus();
    for (char ch : std::string("ZOO"))
        kit.PressKey(static_cast<UINT>(ch), std::string(1, ch));
    Pump();
    EXPECT_EQ(c->Edit()->GetText(), "zoo");
}

TEST_F(SkinComboBox, SkinSwitchRestylesTheComboAndItsOpenList)
{
    auto skin = skinform::ArtworkSkin(0);
    form = ShownForm(400, 300);
    (new TskFormSkin(form))->SetSkinData(skin.get());
    auto* c = Put(10);
    c->SetSkinData(skin.get());
    auto* tool = Put(150);
    tool->SetToolButtonStyle(true);
    tool->SetSkinData(skin.get());
    c->SetItemIndex(2);
    c->SetFocus();
    c->DropDown();
    Pump();
    const RECT button = c->DropButton().R;
    kit.MoveMouse(ScreenOf(c, (button.left + button.right) / 2, (button.top + button.bottom) / 2));
    Pump();
    ASSERT_TRUE(c->DropButton().MouseIn);
    TskPopupListBox* list = c->ListBoxWindow();
    auto listPixel = [&] {
        const RECT r = list->ItemRect(2);
        auto picture = kit.Render(list->GetHandle());
        return WindowTestKit::ColorAt(*picture, list->ListBox->GetLeft() + 1, list->ListBox->GetTop() + r.top + 1);
    };
    struct Probe {
        const char* Name;
        std::function<COLORREF()> Shown;
        std::function<COLORREF()> Expected;
    };
    auto pixel = [&](int Picture, const RECT& R) { return skinform::PicturePixel(*skin, Picture, R.left + 1, R.top + 1); };
    const auto& d = [&]() -> TskDataSkinComboBox& { return skinform::Described<TskDataSkinComboBox>(*skin, "combobox"); };
    const auto& l = [&]() -> TskDataSkinListBox& { return skinform::Described<TskDataSkinListBox>(*skin, "listbox"); };
    const auto& t = [&]() -> TskDataSkinButtonControl& {
        return skinform::Described<TskDataSkinButtonControl>(*skin, "resizetoolbutton");
    };
    const Probe probes[] = {
        {"hot button", [&] { return PixelOf(c, c->DropButton().R.left + 1, c->DropButton().R.top + 1); },
         [&] { return pixel(d().PictureIndex, d().ActiveButtonRect); }},
        {"focused item band", [&] { return PixelOf(c, c->ItemArea().R.left + 1, c->ItemArea().R.top + 1); },
         [&] { return pixel(d().PictureIndex, d().FocusItemRect); }},
        {"open list's selected item", listPixel, [&] { return pixel(l().PictureIndex, l().ActiveItemRect); }},
        {"tool-button look", [&] { return PixelOf(tool, 1, 1); },
         [&] { return pixel(t().PictureIndex, t().SkinRect); }},
    };
    std::vector<COLORREF> before;
    for (const Probe& p : probes) {
        EXPECT_EQ(p.Shown(), p.Expected()) << p.Name << " in the first skin";
        before.push_back(p.Expected());
    }

    skinform::LoadArtworkSkin(skin.get(), 3);
    Pump();
    ASSERT_TRUE(c->IsPopupVisible());
    for (std::size_t i = 0; i < std::size(probes); ++i) {
        EXPECT_NE(probes[i].Expected(), before[i]) << probes[i].Name << ": the skins differ there";
        EXPECT_EQ(probes[i].Shown(), probes[i].Expected()) << probes[i].Name << " in the second skin";
    }
    c->CloseUp(false);
}

} // namespace
