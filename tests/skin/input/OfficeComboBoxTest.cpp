// The office combo box: which events each way of changing the selection fires (the front end's
// category -> format -> parameter cascade hangs on them), the drop-down's placement, opening and
// closing by keys, mouse, cancel mode and focus loss.

#include "SkinFormSupport.h"

#include "platform/kernel/CommonErrors.h"
#include "platform/window/Layered.h"
#include "platform/window/Window.h"
#include "skin/core/skMonitors.h"
#include "skin/input/skSkinOfficeCtrls.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// Prefix and number (built without string concatenation, which trips a false alarm of the
// optimiser).
std::string Named(const char* Prefix, int N)
{
    char text[32];
    std::snprintf(text, sizeof text, "%s%d", Prefix, N);
    return text;
}

using Log = std::vector<std::string>;

class OfficeCombo : public SkinFormTest {
protected:
    void SetUp() override
    {
        form = ShownForm(400, 300);
        combo = new TskSkinOfficeComboBox(form);
        combo->SetParent(form);
        combo->SetBounds(150, 10, 120, 41);
        combo->SetListBoxItemHeight(20);
        other = new TskSkinOfficeComboBox(form);
        other->SetParent(form);
        other->SetBounds(10, 200, 120, 41);
        for (int i = 0; i < 5; ++i) {
            TskSkinOfficeItem* item = combo->Items()->Add();
            item->SetCaption(Named("item ", i));
            item->OnClick = [this, i](TObject*) { log.push_back(Named("i", i)); };
        }
        combo->OnClick = [this](TObject*) { log.push_back("click"); };
        combo->OnChange = [this](TObject*) { log.push_back("change"); };
        combo->OnCloseUp = [this](TObject*) { log.push_back("closeup"); };
        Pump();
        combo->SetFocus();
        Pump();
    }
    void Key(WORD VK, bool Alt = false)
    {
        if (Alt)
            kit.PressKey(VK_MENU);
        kit.PressKey(VK);
        kit.ReleaseKey(VK);
        if (Alt)
            kit.ReleaseKey(VK_MENU);
        Pump();
    }
    // Selects Index quietly, then clears the log.
    void Start(int Index)
    {
        if (combo->IsPopupVisible())
            combo->CloseUp(false);
        combo->SetItemIndex(Index);
        log.clear();
    }

    TForm* form = nullptr;
    TskSkinOfficeComboBox* combo = nullptr;
    TskSkinOfficeComboBox* other = nullptr;
    Log log;
};

TEST_F(OfficeCombo, CauseToEvents)
{
    struct Case {
        const char* name;
        int start;
        std::function<void()> cause;
        Log events;
        int index;
        bool open;
    };
    const POINT wheelAt = ScreenOf(combo, 60, 20);
    const Case cases[] = {
        {"code, another index", 2, [&] { combo->SetItemIndex(3); }, {"i3", "click", "change"}, 3, false},
        {"code, the same index", 2, [&] { combo->SetItemIndex(2); }, {"i2", "click", "change"}, 2, false},
        {"code, -1", 2, [&] { combo->SetItemIndex(-1); }, {"click", "change"}, -1, false},
        {"code while loading", 2,
         [&] {
             combo->BeginLoading();
             combo->SetItemIndex(4);
             combo->EndLoading();
         },
         {"i4"}, 4, false},
        {"code past the items", 2, [&] { EXPECT_THROW(combo->SetItemIndex(5), EListError); }, {}, 2, false},
        {"down, closed", 2, [&] { Key(VK_DOWN); }, {"i3", "i3", "click", "change"}, 3, false},
        {"up at the first", 0, [&] { Key(VK_UP); }, {"i0", "click", "change"}, 0, false},
        {"page down, closed", 0, [&] { Key(VK_NEXT); }, {"i4", "i4", "click", "change"}, 4, false},
        {"wheel, closed", 2, [&] {
             kit.Wheel(wheelAt, -120);
             Pump();
         }, {"i3", "i3", "click", "change"}, 3, false},
        {"accept with Enter", 2,
         [&] {
             combo->DropDown();
             Key(VK_RETURN);
         },
         {"click", "change", "closeup"}, 2, false},
        {"down while open, then Enter", 2,
         [&] {
             combo->DropDown();
             Key(VK_DOWN);
             Key(VK_RETURN);
         },
         {"i3", "i3", "click", "change", "click", "change", "closeup"}, 3, false},
        {"wheel while open, then cancel keeps the opening item", 2,
         [&] {
             combo->DropDown();
             kit.Wheel(wheelAt, -120);
             Pump();
             Key(VK_ESCAPE);
         },
         {"i3", "i2"}, 2, false},
        {"Alt+Down opens, Alt+Up cancels", 2,
         [&] {
             Key(VK_DOWN, true);
             EXPECT_TRUE(combo->IsPopupVisible());
             Key(VK_UP, true);
         },
         {"i2"}, 2, false},
        {"opening at 0 scrolls to the top", 0, [&] { combo->DropDown(); }, {"i1", "i0"}, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Start(c.start);
        c.cause();
        EXPECT_EQ(log, c.events);
        EXPECT_EQ(combo->GetItemIndex(), c.index);
        EXPECT_EQ(combo->IsPopupVisible(), c.open);
    }
}

TEST_F(OfficeCombo, DropDownPlacement)
{
    combo->SetListBoxWidth(200);
    combo->SetDropDownCount(4);
    combo->SetListBoxItemHeight(60);
    combo->DropDown();
    const POINT below = ScreenOf(combo, 120 - 200, 41);
    RECT r{};
    GetWindowRect(combo->ListBox()->GetHandle(), &r);
    EXPECT_EQ(r.left, below.x);  // right edges line up
    EXPECT_EQ(r.top, below.y);
    EXPECT_EQ(r.bottom - r.top, 4 * 60 + 5);
    combo->CloseUp(false);

    // 245 pixels do not fit under the control at the work area's bottom: above it.
    RECT work{};
    GetMonitorAreaOfWindow(combo->GetHandle(), true, work);
    const POINT top = ScreenOf(combo, 0, 0);
    form->SetTop(form->GetTop() + (work.bottom - 200) - (top.y + 41));
    Pump();
    combo->DropDown();
    GetWindowRect(combo->ListBox()->GetHandle(), &r);
    EXPECT_EQ(r.top, ScreenOf(combo, 0, 0).y - 245);
    EXPECT_EQ(r.bottom, ScreenOf(combo, 0, 0).y);
}

TEST_F(OfficeCombo, CancelModeAndFocusLoss)
{
    Start(2);
    struct Case {
        const char* name;
        TControl* sender;
        bool stays;
    };
    const Case cases[] = {
        {"the control itself", combo, true},
        {"its drop-down", combo->ListBox(), true},
        {"no sender", nullptr, false},
        {"another control", other, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        combo->DropDown();
        log.clear();
        combo->Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(c.sender));
        EXPECT_EQ(combo->IsPopupVisible(), c.stays);
        EXPECT_EQ(log, c.stays ? Log{} : Log{"i2"});
        combo->CloseUp(false);
    }
    combo->DropDown();
    log.clear();
    other->SetFocus();
    Pump();
    EXPECT_FALSE(combo->IsPopupVisible());
    EXPECT_EQ(log, (Log{"i2"}));
    EXPECT_FALSE(combo->DroppedDown());
}

TEST_F(OfficeCombo, MouseOpensHoversAndAccepts)
{
    combo->SetToolButtonStyle(true);
    Start(2);
    kit.Click(ScreenOf(combo, 10, 10));
    Pump();  // anywhere in tool-button style; the release leaves it open
    ASSERT_TRUE(combo->IsPopupVisible());
    TskPopupOfficeListBox* list = combo->ListBox();
    const POINT row4 = list->ClientToScreen(POINT{20, 2 + 4 * 20 + 5});
    kit.MoveMouse(row4);
    Pump();
    EXPECT_EQ(list->GetItemIndex(), 4);  // hovering selects silently
    EXPECT_EQ(log, Log{});
    kit.Click(row4);
    Pump();
    EXPECT_FALSE(combo->IsPopupVisible());
    EXPECT_EQ(log, (Log{"click", "change", "closeup"}));
    EXPECT_EQ(combo->GetItemIndex(), 4);

    // Press on the control with the drop-down open: closes without accepting.
    log.clear();
    kit.Click(ScreenOf(combo, 10, 10));
    Pump();
    kit.MoveMouse(list->ClientToScreen(POINT{20, 2 + 20 + 5}));
    Pump();
    kit.Click(ScreenOf(combo, 10, 10));
    Pump();
    EXPECT_FALSE(combo->IsPopupVisible());
    EXPECT_EQ(log, (Log{"i4"}));
    EXPECT_EQ(combo->GetItemIndex(), 4);

    // With no items nothing opens, not even OnDropDown.
    bool dropped = false;
    combo->OnDropDown = [&](TObject*) { dropped = true; };
    combo->Items()->Clear();
    combo->DropDown();
    EXPECT_FALSE(dropped);
    EXPECT_FALSE(combo->IsPopupVisible());
}

TEST_F(OfficeCombo, TranslucentDropDown)
{
    struct Case {
        const char* name;
        bool blend, animation;
        int value;
        bool layered;
        int alpha;
    };
    const Case cases[] = {
        {"translucent", true, false, 200, true, 200},
        {"faded in to its value", true, true, 150, true, 150},
        {"fade to zero ends", true, true, 0, true, 0},
        {"opaque again", false, false, 200, false, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        combo->SetAlphaBlend(c.blend);
        combo->SetAlphaBlendAnimation(c.animation);
        combo->SetAlphaBlendValue(static_cast<BYTE>(c.value));
        combo->DropDown();
        const HWND h = combo->ListBox()->GetHandle();
        EXPECT_EQ((GetWindowLong(h, GWL_EXSTYLE) & WS_EX_LAYERED) != 0, c.layered);
        if (c.layered) {
            BYTE alpha = 0;
            ASSERT_TRUE(GetLayeredWindowAttributes(h, nullptr, &alpha, nullptr));
            EXPECT_EQ(alpha, c.alpha);
        }
        combo->CloseUp(false);
    }
}

TEST_F(OfficeCombo, DraggingPastTheDropDownScrollsItOnTheClock)
{
    for (int i = 5; i < 12; ++i)
        combo->Items()->Add()->SetCaption(Named("item ", i));
    combo->SetDropDownCount(4);  // twelve rows, four shown: the drop-down has its scroll bar
    Start(0);
    kit.PressButton(ScreenOf(combo, 10, 10));
    Pump();
    ASSERT_TRUE(combo->IsPopupVisible());
    TskPopupOfficeListBox* list = combo->ListBox();
    ASSERT_NE(list->GetScrollBar(), nullptr);
    kit.MoveMouse(list->ClientToScreen(POINT{20, 2 + 20 + 5}));
    Pump();
    EXPECT_EQ(list->GetItemIndex(), 1);
    // Below the drop-down with the button still down: one row further every 25 ms.
    kit.MoveMouse(list->ClientToScreen(POINT{20, list->GetHeight() + 15}));
    Pump();
    for (const int expected : {2, 3, 4, 5, 6}) {
        kit.Advance(25);
        EXPECT_EQ(list->GetItemIndex(), expected);
    }
    EXPECT_TRUE(list->Items()->Items(6)->IsVisible);  // the rows followed
    // Above it: back up.
    kit.MoveMouse(list->ClientToScreen(POINT{20, -15}));
    Pump();
    kit.Advance(25);
    kit.Advance(25);
    EXPECT_EQ(list->GetItemIndex(), 4);
    // Back inside, the clock moves nothing; releasing over the list accepts the hovered row.
    const int top = list->Items()->Items(list->GetItemIndex())->ItemRect.top;
    const POINT inside = list->ClientToScreen(POINT{20, top + 5});
    kit.MoveMouse(inside);
    Pump();
    kit.Advance(200);
    EXPECT_EQ(list->GetItemIndex(), 4);
    // Moving in the drop-down fires no event of the box itself.
    EXPECT_EQ(std::count(log.begin(), log.end(), "click") + std::count(log.begin(), log.end(), "change"), 0);
    log.clear();
    kit.ReleaseButton(inside);
    Pump();
    EXPECT_FALSE(combo->IsPopupVisible());
    EXPECT_EQ(combo->GetItemIndex(), 4);
    EXPECT_EQ(log, (Log{"click", "change", "closeup"}));
}

TEST_F(OfficeCombo, PaintSkinToDrawsTheGivenTextAndKeepsTheBoxsText)
{
    Start(1);
    combo->SetText("kept");
    TBitmap target;
    target.SetSize(200, 80);
    target.Canvas()->Brush()->SetColor(RGB(1, 2, 3));
    target.Canvas()->FillRect(RECT{0, 0, 200, 80});
    combo->PaintSkinTo(target.Canvas(), 30, 20, "Painted");
    EXPECT_EQ(combo->GetText(), "kept");
    EXPECT_EQ(target.GetPixelColor(29, 20), RGB(1, 2, 3));   // left of the box
    EXPECT_EQ(target.GetPixelColor(30, 19), RGB(1, 2, 3));   // above it
    EXPECT_EQ(target.GetPixelColor(30, 20), ColorToRGB(clBtnShadow));  // the plain frame's corner
    EXPECT_EQ(target.GetPixelColor(30 + 120, 20 + 41), RGB(1, 2, 3));
    // The text is drawn: some pixel of the item area is neither the box's colour nor the frame's.
    bool text = false;
    for (int y = 22; y < 20 + 39 && !text; ++y)
        for (int x = 32; x < 30 + 95 && !text; ++x)
            text = target.GetPixelColor(x, y) != ColorToRGB(combo->GetDefaultColor());
    EXPECT_TRUE(text);
}

} // namespace
