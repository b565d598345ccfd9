// The office items and list box: layout and visibility, the scroll bar, scrolling to items,
// keys over headers and disabled rows, mouse selection, the wheel and growing while scrolled.

#include "SkinFormSupport.h"

#include "platform/kernel/CommonErrors.h"
#include "skin/input/skSkinOfficeCtrls.h"

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

class OfficeList : public SkinFormTest {
protected:
    void SetUp() override
    {
        form = ShownForm(320, 400);
        list = new TskSkinOfficeListBox(form);
        list->SetParent(form);
        list->SetBounds(10, 10, 150, 94);  // item area (2, 2, 148, 92): three 30-pixel rows
        list->OnItemClick = [this](TObject*) { log.push_back(Named("item ", list->GetItemIndex())); };
        Pump();
    }
    // One item per letter: h header, d disabled, anything else a normal row.
    void Fill(const std::string& Rows)
    {
        list->Items()->Clear();
        for (char r : Rows) {
            TskSkinOfficeItem* item = list->Items()->Add();
            item->SetCaption(std::string(1, r));
            item->SetHeader(r == 'h');
            item->SetEnabled(r != 'd');
            const int i = item->GetIndex();
            item->OnClick = [this, i](TObject*) { log.push_back(Named("click ", i)); };
        }
    }
    POINT At(int X, int Y) { return ScreenOf(list, X, Y); }

    TForm* form = nullptr;
    TskSkinOfficeListBox* list = nullptr;
    std::vector<std::string> log;
};

using Log = std::vector<std::string>;

TEST_F(OfficeList, LayoutAndVisibility)
{
    struct Case {
        const char* name;
        std::string rows;
        int height, offset;
        std::vector<bool> visible;
    };
    const Case cases[] = {
        {"fits", "...", 94, 0, {true, true, true}},
        {"fourth row starts on the area's bottom", "....", 94, 0, {true, true, true, false}},
        {"fourth row one pixel in", "....", 95, 0, {true, true, true, true}},
        {"bottom on the area's top still visible", "....", 94, 30, {true, true, true, true}},
        {"scrolled past", "....", 94, 31, {false, true, true, true}},
        {"headers are 20 high", "h...", 94, 0, {true, true, true, true}},
        {"one row covering the area", ".", 20, 0, {true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        list->SetHeight(c.height);
        Fill(c.rows);
        list->Scroll(c.offset);
        list->CalcItemRects();
        std::vector<bool> visible;
        for (int i = 0; i < list->Items()->Count(); ++i)
            visible.push_back(list->Items()->Items(i)->IsVisible);
        EXPECT_EQ(visible, c.visible);
    }
    list->SetHeight(94);
    Fill("h.");
    list->Scroll(0);
    EXPECT_EQ(list->Items()->Items(1)->ItemRect.top, 22);
    EXPECT_EQ(list->Items()->Items(1)->ItemRect.bottom, 52);
    EXPECT_EQ(list->CalcHeight(7), 2 * 30 + 5);
}

TEST_F(OfficeList, ScrollBarAppearsAtOnePixelTooMany)
{
    Fill("...");
    EXPECT_EQ(list->GetScrollBar(), nullptr);
    list->SetHeight(93);
    Pump();
    ASSERT_NE(list->GetScrollBar(), nullptr);
    list->CalcItemRects();
    EXPECT_EQ(list->ItemsRect().right, 148 - 19);
    EXPECT_EQ(list->GetScrollBar()->GetLeft(), 148 - 19);
    EXPECT_EQ(list->GetScrollBar()->GetHeight(), 89);
    list->SetHeight(94);
    Pump();
    EXPECT_EQ(list->GetScrollBar(), nullptr);
}

TEST_F(OfficeList, ScrollToItem)
{
    Fill("h......");
    list->ScrollToItem(6);  // rows end at 2 + 20 + 180: the last row's bottom one pixel above the area's
    EXPECT_EQ(list->ScrollOffset(), 202 + 2 - 94 + 1);
    list->ScrollToItem(1);  // a leading heading stays in view
    EXPECT_EQ(list->ScrollOffset(), 0);
    list->ScrollToItem(4);
    list->ScrollToItem(2);
    EXPECT_EQ(list->ScrollOffset(), 52 - 2);  // the row's top on the area's top
    EXPECT_THROW(list->ScrollToItem(7), EListError);
}

TEST_F(OfficeList, KeysSkipHeadersAndDisabledRows)
{
    struct Case {
        const char* name;
        std::string rows;
        int from;
        WORD key;
        int to;
        Log events;
    };
    const Case cases[] = {
        {"down without selection", "hd..", -1, VK_DOWN, 2, {"click 2", "item 2"}},
        {"up without selection does nothing", "...", -1, VK_UP, -1, {}},
        {"down over a header", ".h.", 0, VK_DOWN, 2, {"click 2", "item 2"}},
        {"right as down", "..", 0, VK_RIGHT, 1, {"click 1", "item 1"}},
        {"up over disabled", ".d.", 2, VK_UP, 0, {"click 0", "item 0"}},
        {"down at the last", "..", 1, VK_DOWN, 1, {}},
        {"all headers and disabled", "hdhd", -1, VK_DOWN, -1, {}},
        {"page down stops behind a header", "..h....", 0, VK_NEXT, 3, {"click 3", "item 3"}},
        {"page down to the farthest row", ".......", 0, VK_NEXT, 4, {"click 4", "item 4"}},
        {"page up to the farthest row", ".......", 6, VK_PRIOR, 2, {"click 2", "item 2"}},
        {"page up stops behind a header", "..h....", 5, VK_PRIOR, 1, {"click 1", "item 1"}},
        {"page down skips a disabled end", "...dd", 1, VK_NEXT, 2, {"click 2", "item 2"}},
        {"other keys do nothing", "...", 0, 'A', 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        list->SetItemIndex(-1);
        Fill(c.rows);
        if (c.from >= 0)
            list->SetItemIndex(c.from);
        log.clear();
        WORD key = c.key;
        list->Perform(WM_KEYDOWN, key, 0);
        EXPECT_EQ(list->GetItemIndex(), c.to);
        EXPECT_EQ(log, c.events);
    }
    EXPECT_EQ(list->Perform(WM_GETDLGCODE, 0, 0), 1);
}

TEST_F(OfficeList, ItemIndexSetter)
{
    Fill("...");
    list->SetItemIndex(1);
    EXPECT_EQ(log, (Log{"click 1", "item 1"}));
    list->SetItemIndex(1);  // again: the events again
    EXPECT_EQ(log.size(), 4u);
    log.clear();
    list->SetItemIndex(-1);
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(list->Items()->Items(1)->Active);
    list->SetItemIndex(2);
    log.clear();
    EXPECT_THROW(list->SetItemIndex(3), EListError);
    EXPECT_EQ(list->GetItemIndex(), 2);  // checked before anything changes
    EXPECT_TRUE(list->Items()->Items(2)->Active);
    EXPECT_TRUE(log.empty());
    // A header or a disabled item may be selected by code.
    Fill("hd");
    list->SetItemIndex(0);
    EXPECT_EQ(list->GetItemIndex(), 0);
}

TEST_F(OfficeList, NewItemAtTheIndexStartsActive)
{
    Fill("..");
    list->SetItemIndex(0);
    list->Items()->Clear();
    EXPECT_EQ(list->GetItemIndex(), 0);
    TskSkinOfficeItem* first = list->Items()->Add();
    TskSkinOfficeItem* second = list->Items()->Add();
    EXPECT_TRUE(first->Active);
    EXPECT_FALSE(second->Active);

    int data = 0;
    bool clicked = false;
    second->SetData(&data);
    second->OnClick = [&](TObject*) { clicked = true; };
    first->SetTitle("T");
    first->SetImageIndex(3);
    first->SetHeader(true);
    second->Assign(first);
    EXPECT_EQ(second->GetTitle(), "T");
    EXPECT_EQ(second->GetImageIndex(), 3);
    EXPECT_TRUE(second->GetHeader());
    EXPECT_EQ(second->GetData(), &data);
    ASSERT_TRUE(second->OnClick);
    second->OnClick(nullptr);
    EXPECT_TRUE(clicked);
}

TEST_F(OfficeList, MouseSelectsSilentlyAndReleaseFires)
{
    Fill(".h.d.");
    list->SetHeight(200);
    Pump();
    kit.PressButton(At(20, 10));
    Pump();  // row 0
    EXPECT_EQ(list->GetItemIndex(), 0);
    EXPECT_TRUE(log.empty());
    kit.MoveMouse(At(20, 60));
    Pump();  // row 2, button held
    EXPECT_EQ(list->GetItemIndex(), 2);
    kit.MoveMouse(At(20, 40));
    Pump();  // the header keeps the selection
    EXPECT_EQ(list->GetItemIndex(), 2);
    EXPECT_TRUE(log.empty());
    kit.ReleaseButton(At(20, 60));
    Pump();
    EXPECT_EQ(log, (Log{"click 2", "item 2"}));
    log.clear();
    kit.Click(At(20, 90));
    Pump();  // disabled row: nothing
    kit.Click(At(20, 190));
    Pump();  // empty space: nothing
    EXPECT_EQ(list->GetItemIndex(), 2);
    EXPECT_TRUE(log.empty());

    // Without a button the mouse selects only with MouseMoveChangeIndex.
    kit.MoveMouse(At(20, 120));
    Pump();
    EXPECT_EQ(list->GetItemIndex(), 2);
    list->SetMouseMoveChangeIndex(true);
    kit.MoveMouse(At(20, 121));
    Pump();
    EXPECT_EQ(list->GetItemIndex(), 4);
    kit.MoveMouse(At(20, 10));
    Pump();
    EXPECT_EQ(list->GetItemIndex(), 0);
    EXPECT_TRUE(log.empty());
}

TEST_F(OfficeList, WheelScrollsOneRowAndGrowingPullsRowsDown)
{
    list->SetFocus();  // the wheel goes to the focused window
    Fill("...");
    kit.Wheel(At(20, 20), -120);
    Pump();  // no scroll bar: nothing
    EXPECT_EQ(list->ScrollOffset(), 0);
    Fill(".......");
    ASSERT_NE(list->GetScrollBar(), nullptr);
    list->SetItemIndex(0);
    kit.Wheel(At(20, 20), -120);
    Pump();
    EXPECT_EQ(list->ScrollOffset(), 30);
    kit.Wheel(At(20, 20), 120);
    Pump();
    EXPECT_EQ(list->ScrollOffset(), 0);
    EXPECT_EQ(list->GetItemIndex(), 0);

    list->ScrollToItem(6);  // scrolled to the end
    const int end = list->ScrollOffset();
    list->SetHeight(154);  // two rows more room
    Pump();
    EXPECT_LT(list->ScrollOffset(), end);
    list->CalcItemRects();
    EXPECT_GE(list->Items()->Items(6)->ItemRect.bottom, list->ItemsRect().bottom - 1);
}

TEST_F(OfficeList, RowHeightsBelowOneCountOneForPageMoves)
{
    // With no row height a page holds as many rows as the area has pixels: no division by zero,
    // and a page move goes to the farthest row.
    for (const int height : {0, -4}) {
        SCOPED_TRACE(height);
        list->SetItemHeight(height);
        Fill(".......");
        list->SetItemIndex(0);
        WORD key = VK_NEXT;
        list->Perform(WM_KEYDOWN, key, 0);
        EXPECT_EQ(list->GetItemIndex(), 6);
        key = VK_PRIOR;
        list->Perform(WM_KEYDOWN, key, 0);
        EXPECT_EQ(list->GetItemIndex(), 0);
    }
}

} // namespace
