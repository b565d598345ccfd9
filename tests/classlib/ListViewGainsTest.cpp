// The list view's gains on its own items: label editing in place (refusable, cancelled by Escape,
// renamed by OnEdited), type-ahead over the captions, Shift ranges and Ctrl toggles in a
// multi-select list, and a list without items that asks for its rows (owner data).

#include "ControlTestSupport.h"

#include "classlib/ComCtrls.h"

#include <string>
#include <vector>

namespace {

class ListViewGains : public ControlsTest {
protected:
    TListView* List(TForm* f, std::vector<std::string> captions)
    {
        auto* lv = new TListView(f);
        lv->SetBounds(0, 0, 200, 150);
        lv->SetViewStyle(TViewStyle::vsList);
        lv->SetParent(f);
        for (const std::string& c : captions)
            lv->Items()->Add()->SetCaption(c);
        return lv;
    }
};

// Rows asked for by index, as the shell list does.
class RowsListView : public TListView {
public:
    using TListView::TListView;
    std::vector<int> asked;

protected:
    bool OwnerDataFetch(TListItem* Item, TItemRequest) override
    {
        asked.push_back(Item->GetIndex());
        Item->SetCaption("row " + std::to_string(Item->GetIndex()));
        return true;
    }
    int OwnerDataFind(TItemFind, const std::string& FindString, int StartIndex, bool) override
    {
        return FindString == "7" ? 7 : StartIndex;
    }
};

TEST_F(ListViewGains, LabelsAreEditedInPlace)
{
    TForm* f = ShownForm(300, 200);
    TListView* lv = List(f, {"alpha", "beta"});
    std::vector<std::string> log;
    lv->OnEditing = [&](TObject*, TListItem* item, bool& allow) { allow = item->GetCaption() != "beta"; };
    lv->OnEdited = [&](TObject*, TListItem*, std::string& s) { log.push_back(s); s += "!"; };
    Pump();
    EXPECT_FALSE(lv->Items()->Item(1)->EditCaption());
    ASSERT_TRUE(lv->Items()->Item(0)->EditCaption());
    HWND edit = reinterpret_cast<HWND>(SendMessage(lv->GetHandle(), LVM_GETEDITCONTROL, 0, 0));
    EXPECT_EQ(GetWindowText(edit), "alpha");
    SetWindowText(edit, "gamma");
    kit.PressKey(VK_ESCAPE);
    Pump();
    EXPECT_FALSE(lv->IsEditing());
    EXPECT_EQ(lv->Items()->Item(0)->GetCaption(), "alpha");
    ASSERT_TRUE(lv->EditRow(0));
    SetWindowText(reinterpret_cast<HWND>(SendMessage(lv->GetHandle(), LVM_GETEDITCONTROL, 0, 0)), "gamma");
    kit.PressKey(VK_RETURN);
    Pump();
    EXPECT_EQ(log, (std::vector<std::string>{"gamma"}));
    EXPECT_EQ(lv->Items()->Item(0)->GetCaption(), "gamma!");
    lv->SetReadOnly(true);
    EXPECT_FALSE(lv->EditRow(0));
}

TEST_F(ListViewGains, TypeAheadAndRanges)
{
    TForm* f = ShownForm(300, 200);
    TListView* lv = List(f, {"apple", "banana", "blueberry", "cherry", "Bean"});
    Pump();
    lv->SetFocus();
    kit.PressKey('B');
    kit.PressKey('L');
    Pump();
    EXPECT_EQ(lv->GetItemIndex(), 2);
    kit.Advance(1500);
    kit.PressKey('B');  // a new search from the row after the focused one
    Pump();
    EXPECT_EQ(lv->GetItemIndex(), 4);

    lv->SetMultiSelect(true);
    Pump();
    lv->SetItemIndex(1);
    lv->SetFocus();
    kit.PressKey(VK_SHIFT);
    kit.PressKey(VK_DOWN);
    kit.PressKey(VK_DOWN);
    kit.ReleaseKey(VK_SHIFT);
    Pump();
    EXPECT_EQ(lv->GetSelCount(), 3);
    EXPECT_TRUE(lv->IsSelected(1) && lv->IsSelected(2) && lv->IsSelected(3));
    EXPECT_EQ(lv->GetFocusedIndex(), 3);
    kit.PressKey(VK_DOWN);
    Pump();
    EXPECT_EQ(lv->GetSelCount(), 1);
}

TEST_F(ListViewGains, OwnerDataAsksForThePaintedRowsOnly)
{
    TForm* f = ShownForm(300, 200);
    auto* lv = new RowsListView(f);
    lv->SetOwnerData(true);
    lv->SetViewStyle(TViewStyle::vsReport);
    lv->Columns()->Add()->SetWidth(150);
    lv->SetBounds(0, 0, 200, 150);
    lv->SetParent(f);
    lv->Items()->SetCount(5000);
    Pump();
    lv->asked.clear();
    lv->Repaint();
    Pump();
    ASSERT_FALSE(lv->asked.empty());
    for (int row : lv->asked)
        EXPECT_LE(row, lv->VisibleRowCount()) << row;
    EXPECT_EQ(lv->Items()->Count(), 5000);
    EXPECT_EQ(lv->Items()->Item(4321)->GetCaption(), "row 4321");
    lv->SetFocus();
    kit.PressKey('7');
    Pump();
    EXPECT_EQ(lv->GetItemIndex(), 7);
    EXPECT_EQ(lv->GetSelected()->GetCaption(), "row 7");
    lv->Items()->SetCount(3);
    EXPECT_EQ(lv->GetItemIndex(), -1);
    EXPECT_THROW(lv->Items()->Add(), std::logic_error);
}

} // namespace
