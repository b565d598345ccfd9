#include "ControlTestSupport.h"

#include "classlib/ListBox.h"
#include "classlib/ListBoxWindow.h"
#include "classlib/Messages.h"
#include "platform/gdi/Gdi.h"

#include <string>
#include <vector>

namespace {

std::vector<std::string> texts(TStrings* items)
{
    std::vector<std::string> out;
    for (int i = 0; i < items->Count(); ++i)
        out.push_back(items->Get(i));
    return out;
}

class ListBoxTest : public ControlsTest {
protected:
    // A list box at (10, 10) whose client area is 116 x 80 (five items of 16 pixels).
    TListBox* MakeList(std::vector<std::string> items, bool multi = false, bool extended = true)
    {
        form = ShownForm(300, 200);
        auto* list = new TListBox(form);
        list->SetBounds(10, 10, 120, 84);
        list->SetMultiSelect(multi);
        list->SetExtendedSelect(extended);
        for (const auto& s : items)
            list->Items()->Add(s);
        list->SetParent(form);
        list->SetItemHeight(16);
        list->OnClick = [this](TObject*) { ++clicks; };
        list->OnDblClick = [this](TObject*) { ++doubleClicks; };
        Pump();
        return list;
    }
    LRESULT Send(HWND h, UINT msg, WPARAM w = 0, LPARAM l = 0) { return SendMessage(h, msg, w, l); }
    LPARAM Text(const char* s) { return reinterpret_cast<LPARAM>(s); }

    TForm* form = nullptr;
    int clicks = 0;
    int doubleClicks = 0;
};

TEST_F(ListBoxTest, WindowClassMessages)
{
    form = ShownForm();
    RegisterListBoxClass();
    HWND h = CreateWindowEx(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | LBS_SORT, 0, 0, 100, 64, form->GetHandle(),
                            nullptr, nullptr, nullptr);
    ASSERT_TRUE(h);
    Send(h, LB_SETITEMHEIGHT, 0, 16);
    for (const char* s : {"pear", "Apple", "banana", "apricot", "Cherry"})
        Send(h, LB_ADDSTRING, 0, Text(s));
    Send(h, LB_INSERTSTRING, 1, Text("zz unsorted"));
    EXPECT_EQ(Send(h, LB_GETCOUNT), 6);
    std::vector<std::string> items;
    for (int i = 0; i < 6; ++i) {
        char buffer[64];
        EXPECT_EQ(Send(h, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buffer)), Send(h, LB_GETTEXTLEN, i));
        items.push_back(buffer);
    }
    EXPECT_EQ(items, (std::vector<std::string>{"Apple", "zz unsorted", "apricot", "banana", "Cherry", "pear"}));

    struct Find { UINT msg; int start; const char* text; LRESULT expected; };
    for (const auto& f : {Find{LB_FINDSTRING, -1, "ap", 0}, Find{LB_FINDSTRING, 0, "AP", 2}, Find{LB_FINDSTRING, 2, "ap", 0},
                          Find{LB_FINDSTRING, -1, "x", LB_ERR}, Find{LB_FINDSTRINGEXACT, -1, "APPLE", 0},
                          Find{LB_FINDSTRINGEXACT, -1, "app", LB_ERR}, Find{LB_FINDSTRING, 5, "", 0}})
        EXPECT_EQ(Send(h, f.msg, static_cast<WPARAM>(f.start), Text(f.text)), f.expected) << f.text << " from " << f.start;

    EXPECT_EQ(Send(h, LB_SETCURSEL, 3), 3);
    EXPECT_EQ(Send(h, LB_GETCURSEL), 3);
    EXPECT_EQ(Send(h, LB_SETCURSEL, 9), LB_ERR);
    EXPECT_EQ(Send(h, LB_DELETESTRING, 1), 5);
    EXPECT_EQ(Send(h, LB_GETCURSEL), 2);
    EXPECT_EQ(Send(h, LB_SELECTSTRING, static_cast<WPARAM>(-1), Text("ch")), 3);
    EXPECT_EQ(Send(h, LB_SETITEMDATA, 4, 77), LB_OKAY);
    EXPECT_EQ(Send(h, LB_GETITEMDATA, 4), 77);
    EXPECT_EQ(Send(h, LB_DELETESTRING, 9), LB_ERR);

    // Four rows show at once: the top index stops where the last item is at the bottom.
    EXPECT_EQ(Send(h, LB_SETTOPINDEX, 4), LB_OKAY);
    EXPECT_EQ(Send(h, LB_GETTOPINDEX), 1);
    RECT r{};
    Send(h, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&r));
    EXPECT_EQ(r.top, 16);
    EXPECT_EQ(r.bottom, 32);
    EXPECT_EQ(Send(h, LB_ITEMFROMPOINT, 0, MAKELPARAM(5, 20)), 2);
    EXPECT_EQ(HIWORD(Send(h, LB_ITEMFROMPOINT, 0, MAKELPARAM(5, 90))), 1);
    Send(h, LB_RESETCONTENT);
    EXPECT_EQ(Send(h, LB_GETCOUNT), 0);
    EXPECT_EQ(Send(h, LB_GETCURSEL), LB_ERR);
    DestroyWindow(h);
}

TEST_F(ListBoxTest, ItemsSurviveTheWindowAndStyleChanges)
{
    form = ShownForm();
    TListBox list(nullptr);
    list.SetSorted(true);
    for (const char* s : {"c", "A", "b"})
        list.Items()->AddObject(s, reinterpret_cast<TObject*>(static_cast<std::intptr_t>(s[0])));
    list.SetItemIndex(1);
    EXPECT_FALSE(list.HandleAllocated());
    list.SetParent(form);
    EXPECT_EQ(texts(list.Items()), (std::vector<std::string>{"A", "b", "c"}));
    EXPECT_EQ(list.GetItemIndex(), 1);
    EXPECT_EQ(list.Items()->GetObject(2), reinterpret_cast<TObject*>(static_cast<std::intptr_t>('c')));
    list.SetMultiSelect(true);
    EXPECT_TRUE(list.HandleAllocated());
    EXPECT_EQ(texts(list.Items()), (std::vector<std::string>{"A", "b", "c"}));
    EXPECT_EQ(list.GetItemIndex(), 1);
    list.SetSelected(2, true);
    EXPECT_EQ(list.SelCount(), 2);
    list.Items()->Delete(0);
    EXPECT_EQ(list.Items()->IndexOf("C"), 1);
    EXPECT_THROW(list.Items()->Delete(5), EListError);
    list.SetParent(nullptr);
}

TEST_F(ListBoxTest, ClicksDragsAndDoubleClicksNotify)
{
    TListBox* list = MakeList({"a", "b", "c", "d", "e", "f", "g"});
    Click(list, 5, 20);
    EXPECT_EQ(list->GetItemIndex(), 1);
    EXPECT_EQ(clicks, 1);
    kit.Clock().Advance(1000);
    Click(list, 5, 20);
    EXPECT_EQ(clicks, 1) << "the same item again is no change";
    kit.PressButton(ScreenOf(list, 5, 5));
    kit.MoveMouse(ScreenOf(list, 5, 40));
    Pump();
    EXPECT_EQ(list->GetItemIndex(), 2);
    kit.MoveMouse(ScreenOf(list, 5, 200));
    Pump();
    EXPECT_EQ(list->GetItemIndex(), 5);
    EXPECT_EQ(list->GetTopIndex(), 1) << "dragging below the list scrolls";
    kit.ReleaseButton(ScreenOf(list, 5, 200));
    Pump();
    kit.Clock().Advance(1000);
    Click(list, 5, 5);
    Click(list, 5, 5);
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(list->ItemAtPos(POINT{5, 20}, true), 2);
    EXPECT_EQ(list->ItemAtPos(POINT{5, 500}, true), -1);
    EXPECT_EQ(list->ItemAtPos(POINT{5, 500}, false), 7);
}

TEST_F(ListBoxTest, ExtendedAndMultipleSelection)
{
    TListBox* list = MakeList({"a", "b", "c", "d", "e"}, true, true);
    Click(list, 5, 5);
    kit.PressKey(VK_SHIFT);
    Click(list, 5, 40);
    kit.ReleaseKey(VK_SHIFT);
    EXPECT_EQ(list->SelCount(), 3);
    kit.PressKey(VK_CONTROL);
    Click(list, 5, 20);
    kit.ReleaseKey(VK_CONTROL);
    Pump();
    EXPECT_EQ(list->SelCount(), 2);
    EXPECT_FALSE(list->GetSelected(1));
    EXPECT_EQ(list->GetItemIndex(), -1) << "the focused item is not selected";
    Click(list, 5, 60);
    EXPECT_EQ(list->SelCount(), 1);
    EXPECT_EQ(list->GetItemIndex(), 3);

    list->SetExtendedSelect(false);
    Click(list, 5, 5);
    Click(list, 5, 20);
    EXPECT_EQ(list->SelCount(), 3) << "each click toggles one item";
    Click(list, 5, 20);
    EXPECT_EQ(list->SelCount(), 2);
}

TEST_F(ListBoxTest, KeysMoveTheSelection)
{
    TListBox* list = MakeList({"a", "b", "c", "d", "e", "f", "g", "h"});
    list->SetFocus();
    struct Step { UINT vk; int index; int top; };
    for (const auto& s : {Step{VK_DOWN, 0, 0}, Step{VK_DOWN, 1, 0}, Step{VK_END, 7, 3}, Step{VK_UP, 6, 3},
                          Step{VK_HOME, 0, 0}, Step{VK_NEXT, 4, 0}, Step{VK_PRIOR, 0, 0}}) {
        Key(s.vk);
        EXPECT_EQ(list->GetItemIndex(), s.index) << s.vk;
        EXPECT_EQ(list->GetTopIndex(), s.top) << s.vk;
    }
    EXPECT_EQ(clicks, 7);
}

TEST_F(ListBoxTest, IncrementalSearchFollowsTheClock)
{
    TListBox* list = MakeList({"apple", "banana", "berry", "blue", "cherry"});
    list->SetFocus();
    Key('B');
    EXPECT_EQ(list->GetItemIndex(), 1);
    kit.Clock().Advance(100);
    Key('L');
    EXPECT_EQ(list->GetItemIndex(), 3) << "\"bl\" typed within half a second";
    kit.Clock().Advance(600);
    Key('C');
    EXPECT_EQ(list->GetItemIndex(), 4) << "a pause starts a new search";
    kit.Clock().Advance(600);
    Key('Z');
    EXPECT_EQ(list->GetItemIndex(), 4);
    EXPECT_EQ(clicks, 3);
}

TEST_F(ListBoxTest, WheelSumsPartialDeltasIntoNotches)
{
    TListBox* list = MakeList({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"});
    list->SetFocus();
    const POINT at = ScreenOf(list, 10, 10);
    kit.Wheel(at, -60);
    Pump();
    EXPECT_EQ(list->GetTopIndex(), 0);
    kit.Wheel(at, -60);
    Pump();
    EXPECT_EQ(list->GetTopIndex(), 3);
    kit.Wheel(at, -40);
    kit.Wheel(at, -40);
    kit.Wheel(at, 30);
    Pump();
    EXPECT_EQ(list->GetTopIndex(), 3);
    kit.Wheel(at, -480);
    Pump();
    EXPECT_EQ(list->GetTopIndex(), 7) << "stops with the last item at the bottom";

    // The vertical bar follows the top item and moves it.
    HWND h = list->GetHandle();
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(h, SB_VERT, &info));
    EXPECT_EQ(info.nMax, 11);
    EXPECT_EQ(info.nPage, 5u);
    EXPECT_EQ(info.nPos, 7);
    SendMessage(h, WM_VSCROLL, SB_PAGEUP, 0);
    EXPECT_EQ(list->GetTopIndex(), 3);
    SendMessage(h, WM_VSCROLL, SB_LINEUP, 0);
    EXPECT_EQ(list->GetTopIndex(), 2);
    EXPECT_EQ(GetScrollPos(h, SB_VERT), 2);
}

TEST_F(ListBoxTest, ColumnsAndOwnerDraw)
{
    TListBox* list = MakeList({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k"});
    list->SetColumns(40);
    list->SetItemHeight(16);
    // Items run down the columns; the horizontal bar takes room from the rows.
    const int rows = list->GetClientRect().bottom / 16;
    ASSERT_GE(rows, 2);
    RECT r = list->ItemRect(6);
    EXPECT_EQ(r.left, 6 / rows * 40);
    EXPECT_EQ(r.top, 6 % rows * 16);
    Click(list, 85, 5);
    EXPECT_EQ(list->GetItemIndex(), 2 * rows);

    std::vector<int> drawn;
    list->SetColumns(0);
    list->SetStyle(TListBoxStyle::lbOwnerDrawFixed);
    list->SetItemHeight(20);
    list->OnDrawItem = [&](TWinControl*, int index, const RECT& rect, TOwnerDrawState state) {
        drawn.push_back(index);
        list->Canvas()->Brush()->SetColor(state.Contains(odSelected) ? clRed : clLime);
        list->Canvas()->FillRect(rect);
    };
    list->SetTopIndex(0);
    list->SetItemIndex(1);
    list->Invalidate();
    Pump();
    EXPECT_EQ(drawn, (std::vector<int>{0, 1, 2, 3}));
    auto pixels = kit.Render(form->GetHandle());
    const POINT origin = list->ClientToScreen(POINT{0, 0});
    RECT window{};
    GetWindowRect(form->GetHandle(), &window);
    const int dx = origin.x - window.left, dy = origin.y - window.top;
    EXPECT_EQ(WindowTestKit::ColorAt(*pixels, dx + 30, dy + 10), RGB(0, 255, 0));
    EXPECT_EQ(WindowTestKit::ColorAt(*pixels, dx + 30, dy + 30), RGB(255, 0, 0));
}

} // namespace
