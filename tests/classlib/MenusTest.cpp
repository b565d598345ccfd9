#include "classlib/Bitmap.h"
#include "classlib/Menus.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Menus, ShortCutTexts)
{
    struct Case {
        TShortCut sc;
        const char* text;
    };
    const Case cases[] = {
        {static_cast<TShortCut>(scCtrl | 'O'), "Ctrl+O"},
        {0x70, "F1"},
        {static_cast<TShortCut>(scShift | scCtrl | 0x7B), "Shift+Ctrl+F12"},
        {static_cast<TShortCut>(scAlt | 0x2E), "Alt+Del"},
        {static_cast<TShortCut>(scCtrl | '5'), "Ctrl+5"},
        {0x0D, "Enter"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ShortCutToText(c.sc), c.text);
        EXPECT_EQ(TextToShortCut(c.text), c.sc) << c.text;
    }
    EXPECT_EQ(ShortCutToText(0), "");
    EXPECT_EQ(TextToShortCut("ctrl+o"), scCtrl | 'O');
    EXPECT_EQ(TextToShortCut("Hyper+Q"), 0);
    EXPECT_EQ(ShortCut('S', {ssCtrl, ssShift}), scCtrl | scShift | 'S');
}

struct MenuFixture : ::testing::Test {
    TComponent* form = new TComponent(nullptr);
    TMainMenu* menu = new TMainMenu(form);
    TMenuItem* file = item("File");
    TMenuItem* open = item("Open", static_cast<TShortCut>(scCtrl | 'O'));
    TMenuItem* quit = item("Quit", static_cast<TShortCut>(scCtrl | 'Q'));
    int clicks = 0;

    TMenuItem* item(const std::string& caption, TShortCut sc = 0)
    {
        auto* i = new TMenuItem(form);
        i->SetCaption(caption);
        i->SetShortCut(sc);
        i->OnClick = [this](TObject*) { ++clicks; };
        return i;
    }
    void SetUp() override
    {
        menu->Items()->Add(file);
        file->Add(open);
        file->Add(quit);
    }
    void TearDown() override { form->Free(); }
};

TEST_F(MenuFixture, ShortCutsReachOnlyEnabledVisibleItems)
{
    EXPECT_EQ(open->GetParentMenu(), menu);
    EXPECT_TRUE(menu->IsShortCut(scCtrl | 'O'));
    EXPECT_EQ(clicks, 1);
    open->SetEnabled(false);
    EXPECT_FALSE(menu->IsShortCut(scCtrl | 'O'));
    file->SetVisible(false);
    EXPECT_EQ(menu->FindItemByShortCut(scCtrl | 'Q'), nullptr);
    file->SetVisible(true);
    EXPECT_EQ(menu->FindItemByShortCut(scCtrl | 'Q'), quit);
    EXPECT_EQ(clicks, 1);
}

TEST_F(MenuFixture, FreeingItemsKeepsTreeAndOwnerConsistent)
{
    quit->Free();
    EXPECT_EQ(file->Count(), 1);
    int before = form->ComponentCount();
    file->Free();  // frees its child too
    EXPECT_EQ(menu->Items()->Count(), 0);
    EXPECT_EQ(form->ComponentCount(), before - 2);
    EXPECT_THROW(menu->Items()->Items(0), EListError);
}

TEST_F(MenuFixture, RadioGroupsAndDefaultItem)
{
    auto* a = item("A");
    auto* b = item("B");
    auto* c = item("C");
    for (TMenuItem* i : {a, b, c}) {
        i->SetRadioItem(true);
        file->Add(i);
    }
    c->SetGroupIndex(1);
    a->SetChecked(true);
    c->SetChecked(true);
    b->SetChecked(true);
    EXPECT_FALSE(a->GetChecked());
    EXPECT_TRUE(b->GetChecked());
    EXPECT_TRUE(c->GetChecked());  // another group

    a->SetDefault(true);
    b->SetDefault(true);
    EXPECT_FALSE(a->GetDefault());
    EXPECT_TRUE(b->GetDefault());

    b->SetMenuIndex(0);
    EXPECT_EQ(file->Items(0), b);
    EXPECT_THROW(file->Add(b), EListError);
    EXPECT_THROW(b->Add(file), EListError);
}

TEST(Menus, PopupRecordsThePointAndFiresOnPopup)
{
    TPopupMenu popup(nullptr);
    int popped = 0;
    popup.OnPopup = [&](TObject* s) {
        EXPECT_EQ(s, &popup);
        ++popped;
    };
    popup.Popup(40, 50);
    EXPECT_EQ(popped, 1);
    EXPECT_EQ(popup.PopupPoint(), (POINT{40, 50}));
}

TEST(Menus, ItemBitmapIsCopied)
{
    TMenuItem item(nullptr);
    EXPECT_FALSE(item.HasBitmap());
    TBitmap b;
    b.SetSize(4, 3);
    item.SetBitmap(&b);
    EXPECT_TRUE(item.HasBitmap());
    EXPECT_EQ(item.GetBitmap()->GetWidth(), 4);
    EXPECT_NE(item.GetBitmap(), &b);
}

TEST(Menus, RethinkLinesHidesRedundantSeparators)
{
    struct Case {
        const char* items;  // '-' a separator, 'a' an item, 'h' a hidden item
        const char* shown;  // what stays visible
    };
    const Case cases[] = {
        {"-a-a-", "a-a"}, {"a--a", "a-a"}, {"a-h-a", "a-a"}, {"--", ""}, {"a-h", "a"}, {"a-a", "a-a"},
    };
    for (const Case& c : cases) {
        TMainMenu menu(nullptr);
        for (const char* p = c.items; *p; ++p) {
            auto* item = new TMenuItem(nullptr);
            item->SetCaption(*p == '-' ? "-" : "a");
            item->SetVisible(*p != 'h');
            menu.Items()->Add(item);
        }
        menu.Items()->RethinkLines();
        std::string shown;
        for (int i = 0; i < menu.Items()->Count(); ++i)
            if (menu.Items()->Items(i)->GetVisible())
                shown += menu.Items()->Items(i)->GetCaption();
        EXPECT_EQ(shown, c.shown) << c.items;
        EXPECT_FALSE(menu.Items()->RethinkLines()) << c.items;
    }
}

TEST(Menus, CommandsAreUniqueAndDispatchClicks)
{
    TPopupMenu menu(nullptr);
    auto* a = new TMenuItem(nullptr);
    auto* b = new TMenuItem(nullptr);
    auto* sub = new TMenuItem(nullptr);
    menu.Items()->Add(a);
    menu.Items()->Add(b);
    b->Add(sub);
    int clicks = 0;
    sub->OnClick = [&clicks](TObject*) { ++clicks; };
    EXPECT_NE(a->GetCommand(), 0);
    EXPECT_NE(a->GetCommand(), b->GetCommand());
    EXPECT_NE(b->GetCommand(), sub->GetCommand());
    EXPECT_EQ(menu.FindItemByCommand(sub->GetCommand()), sub);
    EXPECT_TRUE(menu.DispatchCommand(sub->GetCommand()));
    EXPECT_EQ(clicks, 1);
    TPopupMenu other(nullptr);
    EXPECT_FALSE(other.DispatchCommand(sub->GetCommand()));
    EXPECT_FALSE(menu.DispatchCommand(0));
}

} // namespace
