// The skinned filter box: the items and masks a filter text gives, the selected mask, and the
// events a filter change fires.

#include "SkinFormSupport.h"

#include "skin/input/skfilectrl.h"

#include <string>
#include <utility>
#include <vector>

namespace {

class FilterComboBox : public SkinFormTest {
protected:
    TskSkinFilterComboBox* Put()
    {
        if (!form)
            form = ShownForm(300, 200);
        auto* c = new TskSkinFilterComboBox(form);
        c->SetParent(form);
        c->SetBounds(10, 10, 200, 20);
        c->OnChange = [this](TObject*) { Note("change"); };
        c->OnClick = [this](TObject*) { Note("click"); };
        c->OnSelectionChanged = [this] { Note("hook"); };
        Pump();
        return c;
    }
    std::vector<std::string> ItemsOf(TskSkinFilterComboBox* c)
    {
        std::vector<std::string> items;
        for (int i = 0; i < c->Items()->Count(); ++i)
            items.push_back(c->Items()->Get(i) + "=" + c->MaskList()->Get(i));
        return items;
    }
    void Note(const char* Event)
    {
        if (!log.empty())
            log += ' ';
        log += Event;
    }
    // The events since the last call, in order.
    std::string Take() { return std::exchange(log, std::string()); }

    TForm* form = nullptr;
    std::string log;
};

TEST_F(FilterComboBox, FilterTextGivesItemsMasksAndTheFirstSelected)
{
    struct Case {
        std::string filter;
        std::vector<std::string> items;
        int index;
        std::string mask;
    } cases[] = {
        {"Text|*.txt|All|*.*", {"Text=*.txt", "All=*.*"}, 0, "*.txt"},
        {"Text|*.txt|All", {"Text=*.txt"}, 0, "*.txt"},
        {"Pictures|*.bmp;*.jpg", {"Pictures=*.bmp;*.jpg"}, 0, "*.bmp;*.jpg"},
        {"视频|*.avi;*.mp4|全部|*.*", {"视频=*.avi;*.mp4", "全部=*.*"}, 0, "*.avi;*.mp4"},
        {"", {}, -1, "*.*"},
        {"no bar", {}, -1, "*.*"},
    };
    TskSkinFilterComboBox* c = Put();
    EXPECT_EQ(ItemsOf(c), (std::vector<std::string>{"All files (*.*)=*.*"}));
    for (const Case& k : cases) {
        c->SetFilter(k.filter);
        EXPECT_EQ(ItemsOf(c), k.items) << k.filter;
        EXPECT_EQ(c->GetItemIndex(), k.index) << k.filter;
        EXPECT_EQ(c->GetMask(), k.mask) << k.filter;
        if (k.index >= 0) {
            EXPECT_EQ(c->GetText(), k.items[0].substr(0, k.items[0].find('='))) << k.filter;
        }
    }
}

TEST_F(FilterComboBox, MaskWithNothingSelectedSelectsTheLastFilter)
{
    TskSkinFilterComboBox* c = Put();
    c->SetFilter("Text|*.txt|Logs|*.log|All|*.*");
    c->SetItemIndex(-1);
    Take();
    EXPECT_EQ(c->GetMask(), "*.*");
    EXPECT_EQ(c->GetItemIndex(), 2);
    EXPECT_EQ(c->GetText(), "All");
    EXPECT_EQ(Take(), "change click hook hook");
    EXPECT_EQ(c->GetMask(), "*.*");
    EXPECT_EQ(Take(), "");
}

TEST_F(FilterComboBox, FilterChangeEventsAndLetterCase)
{
    TskSkinFilterComboBox* c = Put();
    Take();
    // The click runs the hook after OnClick; the selection and the new filter run it again.
    c->SetFilter("Text|*.txt|All|*.*");
    EXPECT_EQ(Take(), "change click hook hook hook");
    c->SetItemIndex(1);
    Take();
    c->SetFilter("TEXT|*.TXT|ALL|*.*");
    EXPECT_EQ(Take(), "");
    EXPECT_EQ(c->GetItemIndex(), 1);
    EXPECT_EQ(c->GetText(), "All");
}

TEST_F(FilterComboBox, ItemsWaitForTheWindow)
{
    auto* c = new TskSkinFilterComboBox(nullptr);
    c->SetFilter("Text|*.txt|All|*.*");
    EXPECT_FALSE(c->HandleAllocated());
    EXPECT_EQ(c->Items()->Count(), 0);
    EXPECT_EQ(c->GetMask(), "*.*");
    form = ShownForm(300, 200);
    form->InsertComponent(c);
    c->SetParent(form);
    c->HandleNeeded();
    EXPECT_EQ(ItemsOf(c), (std::vector<std::string>{"Text=*.txt", "All=*.*"}));
    EXPECT_EQ(c->GetMask(), "*.txt");
}

} // namespace
