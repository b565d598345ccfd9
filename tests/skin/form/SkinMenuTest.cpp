#include "SkinMenuSupport.h"

#include "skin/core/skDrawMarks.h"
#include "skin/core/skUtils.h"

#include "classlib/Bitmap.h"

#include <algorithm>

// Default look: items 20 high, a frame of 6, an items rectangle inset by 2.
TEST_F(SkinMenuTest, PlacesTheWindowAgainstItsRectangleOnTheWorkArea)
{
    struct Case {
        const char* what;
        int items;
        int maxItems;
        RECT r;
        bool up;
        // Expected top-left; -1 as X: flush with the work area's right edge; -2: left of R.
        int x, y, h;
        bool scroll;
    };
    const Case cases[] = {
        {"below", 3, 0, {100, 100, 150, 120}, false, 100, 120, 66, false},
        {"flipped above", 3, 0, {100, 560, 150, 580}, false, 100, 494, 66, false},
        {"upwards", 3, 0, {100, 300, 150, 320}, true, 100, 234, 66, false},
        {"upwards, no room above", 3, 0, {100, 30, 150, 50}, true, 100, 50, 66, false},
        {"pushed in from the right", 3, 0, {790, 100, 795, 120}, false, -1, 120, 66, false},
        {"50 items from the top", 50, 0, {100, 300, 150, 320}, false, 151, 0, 600, true},
        {"at most 5 of 8", 8, 5, {100, 100, 150, 120}, false, 100, 120, 5 * 20 + 6 + 20, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        popup->Items()->Clear();
        AddNumbered(popup->Items(), c.items);
        menu->MaxMenuItemsInWindow = c.maxItems;
        Open(c.r, c.up);
        ASSERT_EQ(menu->OpenCount(), 1);
        TskSkinPopupWindow* w = Window(0);
        const int x = c.x == -1 ? 800 - w->GetWidth() : c.x;
        EXPECT_EQ(w->GetLeft(), x);
        EXPECT_EQ(w->GetTop(), c.y);
        EXPECT_EQ(w->GetHeight(), c.h);
        EXPECT_EQ(w->Scroll(), c.scroll);
        RECT wr{};
        GetWindowRect(w->GetHandle(), &wr);
        EXPECT_EQ(wr.left, x);
        EXPECT_EQ(wr.top, c.y);
        menu->Hide();
    }
}

TEST_F(SkinMenuTest, PlacesASubmenuBesideItsItemOrFlippedLeft)
{
    AddItems(popup->Items(), {"Alpha", ">Beta", "  One", "  Two"});
    for (int left : {100, 620}) {
        SCOPED_TRACE(left);
        Open(RECT{left, 100, left + 10, 110});
        kit.Click(ItemPoint(0, 1));
        Pump();
        ASSERT_EQ(menu->OpenCount(), 2);
        TskSkinPopupWindow* root = Window(0);
        TskSkinPopupWindow* sub = Window(1);
        const RECT item = root->Item(1)->ObjectRect;
        const int right = root->GetLeft() + item.right;
        const int expectedX = right + 1 + sub->GetWidth() > 800 ? root->GetLeft() + item.left - sub->GetWidth() - 1
                                                                  : right + 1;
        EXPECT_EQ(sub->GetLeft(), expectedX);
        EXPECT_EQ(sub->GetTop(), root->GetTop() + item.top - 2);
        EXPECT_TRUE(root->Item(1)->Down);
        menu->Hide();
    }
}

TEST_F(SkinMenuTest, ScrollsALongMenuByStripsAndKeys)
{
    AddNumbered(popup->Items(), 50);
    Open(RECT{100, 300, 150, 320});
    TskSkinPopupWindow* w = Window(0);
    ASSERT_TRUE(w->Scroll());
    const int shown = w->VisibleCount();
    EXPECT_EQ(shown, (600 - 4 - 20) / 20);
    // Hovering the lower strip scrolls one item per 100 ms.
    kit.MoveMouse(POINT{w->GetLeft() + 20, w->GetTop() + w->ItemsRect().bottom - 4});
    Advance(50);
    EXPECT_EQ(w->ScrollCode(), 2);
    EXPECT_EQ(w->VisibleStartIndex(), 0);
    Advance(100);
    EXPECT_EQ(w->VisibleStartIndex(), 1);
    for (int i = 0; i < 3; ++i)
        Advance(100);
    EXPECT_EQ(w->VisibleStartIndex(), 4);
    // Scrolling stops at the last item.
    for (int i = 0; i < 60; ++i)
        Advance(100);
    EXPECT_EQ(w->VisibleStartIndex() + w->VisibleCount(), 50);
    EXPECT_EQ(w->ScrollCode(), 0);
    // Up from the first item wraps so that the last item shows.
    kit.MoveMouse(POINT{w->GetLeft() + 20, w->GetTop() + 300});
    Advance(50);
    menu->Hide();
    OpenFromKeyboard(RECT{100, 300, 150, 320});
    w = Window(0);
    EXPECT_EQ(w->ActiveItem(), 0);
    menu->KeyDown(VK_UP);
    EXPECT_EQ(w->ActiveItem(), 49);
    EXPECT_TRUE(w->Item(49)->FVisible);
    EXPECT_EQ(w->VisibleStartIndex(), w->LastStartIndex());
    // Down at the last visible item scrolls by one.
    menu->Hide();
    OpenFromKeyboard(RECT{100, 300, 150, 320});
    w = Window(0);
    for (int i = 0; i < shown - 1; ++i)
        menu->KeyDown(VK_DOWN);
    EXPECT_EQ(w->VisibleStartIndex(), 0);
    menu->KeyDown(VK_DOWN);
    EXPECT_EQ(w->ActiveItem(), shown);
    EXPECT_EQ(w->VisibleStartIndex(), 1);
}

TEST_F(SkinMenuTest, AnswersKeys)
{
    std::vector<std::string> clicks;
    AddItems(popup->Items(), {"Alpha", ">Beta", "  One", "  Two", "!Gamma", "&Delta", "-"});
    for (int i = 0; i < popup->Items()->Count(); ++i)
        popup->Items()->Items(i)->OnClick = [&clicks, i](TObject*) { clicks.push_back(std::to_string(i)); };
    struct Step {
        UINT key;
        int level;   // window whose active item is checked
        int active;
        int open;    // windows open afterwards (0: the menu ended)
    };
    const Step steps[] = {
        {VK_DOWN, 0, 1, 1},   // Beta
        {VK_DOWN, 0, 3, 1},   // over the disabled Gamma to Delta
        {VK_DOWN, 0, 3, 1},   // no wrap past the end (the divider is not selectable)
        {VK_UP, 0, 1, 1},
        {VK_RIGHT, 1, 0, 2},  // opens Beta's submenu with its first item active
        {VK_LEFT, 0, 1, 1},   // closes one level; Beta stays active
        {VK_LEFT, 0, 1, 1},   // nothing in the root
        {VK_RIGHT, 1, 0, 2},
        {VK_ESCAPE, 0, 1, 1}, // closes one level
        {VK_ESCAPE, 0, -1, 0},// ends the menu
    };
    Open(RECT{100, 100, 150, 120});
    EXPECT_EQ(Window(0)->ActiveItem(), 0);
    for (const Step& s : steps) {
        SCOPED_TRACE(s.key);
        menu->KeyDown(static_cast<WORD>(s.key));
        Pump();
        ASSERT_EQ(menu->OpenCount(), s.open);
        if (s.open) {
            EXPECT_EQ(Window(s.level)->ActiveItem(), s.active);
        }
    }
    EXPECT_FALSE(menu->Visible());
    EXPECT_EQ(clicks, (std::vector<std::string>{"1", "1"}));
    // Enter runs the active item; an accelerator runs its item.
    clicks.clear();
    Open(RECT{100, 100, 150, 120});
    menu->KeyDown(VK_RETURN);
    Pump();
    EXPECT_FALSE(menu->Visible());
    Open(RECT{100, 100, 150, 120});
    menu->KeyDown('D');
    Pump();
    EXPECT_FALSE(menu->Visible());
    EXPECT_EQ(clicks, (std::vector<std::string>{"0", "3"}));
}

// A menu opened with the mouse starts with no item highlighted; one opened from the keyboard (or
// by code, with no input behind it) on its first enabled item, as does a submenu opened by a key.
TEST_F(SkinMenuTest, OnlyAMenuOpenedFromTheKeyboardStartsOnItsFirstItem)
{
    AddItems(popup->Items(), {"!Alpha", ">Beta", "  One", "  Two", "Gamma"});
    const RECT at{100, 300, 150, 320};
    form->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { menu->Popup(nullptr, skin, 0, at, popup->Items(), false); };
    form->OnKeyDown = [&](TObject*, WORD& Key, TShiftState) {
        if (Key == VK_APPS)
            menu->Popup(nullptr, skin, 0, at, popup->Items(), false);
    };
    Open(at);
    EXPECT_EQ(Window(0)->ActiveItem(), 1) << "opened by code";
    menu->Hide();
    Pump();

    kit.Click(POINT{120, 120});
    Pump();
    ASSERT_EQ(menu->OpenCount(), 1);
    EXPECT_EQ(Window(0)->ActiveItem(), -1) << "opened with the mouse";
    for (int i = 0; i < Window(0)->ItemCount(); ++i)
        EXPECT_FALSE(Window(0)->Item(i)->Active) << i;
    menu->Hide();
    Pump();

    SetFocus(form->GetHandle());
    kit.PressKey(VK_APPS);
    kit.ReleaseKey(VK_APPS);
    Pump();
    ASSERT_EQ(menu->OpenCount(), 1);
    EXPECT_EQ(Window(0)->ActiveItem(), 1) << "opened from the keyboard";
    menu->KeyDown(VK_RIGHT);
    Pump();
    ASSERT_EQ(menu->OpenCount(), 2);
    EXPECT_EQ(Window(1)->ActiveItem(), 0) << "a submenu opened by a key";
}

TEST_F(SkinMenuTest, OpensASubmenuAfterTheDelayUnlessThePointerMovesOn)
{
    AddItems(popup->Items(), {"Alpha", ">Beta", "  One", "Gamma"});
    Open(RECT{100, 100, 150, 120});
    kit.MoveMouse(ItemPoint(0, 1));
    Advance(50);
    EXPECT_EQ(menu->WItem(), Window(0)->Item(1));
    Advance(499);
    EXPECT_EQ(menu->OpenCount(), 1);
    Advance(1);
    EXPECT_EQ(menu->OpenCount(), 2);
    // Hovering the submenu item again and moving on before the delay opens nothing.
    menu->Hide();
    Open(RECT{100, 100, 150, 120});
    kit.MoveMouse(ItemPoint(0, 1));
    Advance(50);
    kit.MoveMouse(ItemPoint(0, 2));
    Advance(50);
    EXPECT_EQ(menu->WItem(), nullptr);
    Advance(1000);
    EXPECT_EQ(menu->OpenCount(), 1);
    EXPECT_EQ(Window(0)->ActiveItem(), 2);
}

TEST_F(SkinMenuTest, ClickClosesTheChainBeforeOnClickAndThenTellsTheOpener)
{
    auto* opener = new TLoggingOpener(form, "opener", &log);
    opener->SetParent(form);
    opener->SetBounds(0, 0, 20, 20);
    AddItems(popup->Items(), {"Alpha", ">Beta", "  One"});
    popup->Items()->Items(1)->Items(0)->OnClick = [this](TObject*) {
        log.push_back("click, " + std::to_string(menu->OpenCount()) + " open");
    };
    Open(RECT{100, 100, 150, 120}, false, opener);
    kit.Click(ItemPoint(0, 1));
    Pump();
    log.clear();
    kit.Click(ItemPoint(1, 0));
    Pump();
    EXPECT_EQ(log, (std::vector<std::string>{"opener closed", "form closed", "click, 0 open", "opener command"}));
    // The form keeps the activation: no activation message reached it.
    EXPECT_TRUE(form->GetActive());
    EXPECT_EQ(GetActiveWindow(), form->GetHandle());

    // A second opening while open notifies the first opener, and only it.
    auto* second = new TLoggingOpener(form, "second", &log);
    second->SetParent(form);
    Open(RECT{100, 100, 150, 120}, false, opener);
    log.clear();
    Open(RECT{100, 100, 150, 120}, false, second);
    EXPECT_EQ(log, (std::vector<std::string>{"opener closed"}));
    menu->Hide();
    EXPECT_EQ(log, (std::vector<std::string>{"opener closed", "second closed", "form closed"}));
}

TEST_F(SkinMenuTest, RefusesWhatCannotOpenAndClosesWhenAnItemGoes)
{
    AddNumbered(popup->Items(), 3);
    menu->Popup(nullptr, nullptr, 3, RECT{100, 100, 110, 110}, popup->Items(), false);
    EXPECT_FALSE(menu->Visible());
    EXPECT_EQ(menu->OpenCount(), 0);
    menu->Popup(nullptr, nullptr, 0, RECT{100, 100, 110, 110}, nullptr, false);
    EXPECT_FALSE(menu->Visible());
    // Hide on a closed menu still tells the form.
    log.clear();
    menu->Hide();
    EXPECT_EQ(log, (std::vector<std::string>{"form closed"}));
    // A shown item freed ends the menu first.
    Open(RECT{100, 100, 150, 120});
    popup->Items()->Items(1)->Free();
    EXPECT_FALSE(menu->Visible());
    Pump();
}

TEST_F(SkinMenuTest, ReducesSeparatorsAndDispatchesByCommand)
{
    AddItems(popup->Items(), {"-", "A", "-", "-", "B", "-"});
    Open(RECT{100, 100, 150, 120});
    ASSERT_EQ(Window(0)->ItemCount(), 3);
    EXPECT_EQ(Window(0)->Item(1)->MenuItem->GetCaption(), "-");
    menu->Hide();
    popup->SetAutoLineReduction(TMenuAutoFlag::maManual);
    popup->Items()->Items(0)->SetVisible(true);
    Open(RECT{100, 100, 150, 120});
    EXPECT_EQ(Window(0)->ItemCount(), 4);
    int clicked = 0;
    TMenuItem* b = popup->Items()->Items(4);
    b->OnClick = [&clicked](TObject*) { ++clicked; };
    EXPECT_NE(b->GetCommand(), popup->Items()->Items(1)->GetCommand());
    EXPECT_TRUE(popup->DispatchCommand(b->GetCommand()));
    EXPECT_FALSE(popup->DispatchCommand(0));
    EXPECT_EQ(clicked, 1);
}

TEST_F(SkinMenuTest, BrokenItemPictureLeavesTheSkinUntouched)
{
    auto made = skinform::MadeSkin();
    made->PopupWindow->WindowPictureIndex = skinform::AddPicture(*made, 64, 64, RGB(200, 200, 200));
    made->PopupWindow->ItemsRect = RECT{3, 3, 61, 61};
    made->PopupWindow->LTPoint = POINT{3, 3};
    made->PopupWindow->RTPoint = POINT{61, 3};
    made->PopupWindow->LBPoint = POINT{3, 61};
    made->PopupWindow->RBPoint = POINT{61, 61};
    auto mi = std::make_unique<TskDataSkinMenuItem>("menuitem");
    mi->ActivePictureIndex = 7;
    mi->SkinRect = RECT{0, 0, 50, 24};
    mi->ActiveSkinRect = RECT{0, 24, 50, 48};
    TskDataSkinMenuItem* d = mi.get();
    made->ObjectList.push_back(std::move(mi));
    skin = made.release();
    AddNumbered(popup->Items(), 3);
    for (int i = 0; i < 2; ++i) {
        Open(RECT{100, 100, 150, 120});
        ASSERT_TRUE(Window(0)->Skinned());
        EXPECT_EQ(Window(0)->Item(0)->MI, nullptr);
        EXPECT_EQ(Window(0)->GetHeight(), 3 * 20 + 6);
        menu->Hide();
    }
    EXPECT_TRUE(RectsAreEqual(d->SkinRect, RECT{0, 0, 50, 24}));
    EXPECT_TRUE(RectsAreEqual(d->ActiveSkinRect, RECT{0, 24, 50, 48}));
}

namespace {

// The rightmost column of item row band [Top, Bottom) whose pixel differs from Background,
// looking only left of Limit.
int RightmostInk(const Surface& S, int Left, int Limit, int Top, int Bottom, COLORREF Background)
{
    int r = -1;
    for (int y = Top; y < Bottom; ++y)
        for (int x = Left; x < Limit; ++x)
            if (WindowTestKit::ColorAt(S, x, y) != Background)
                r = std::max(r, x);
    return r;
}

bool HasPixel(const Surface& S, const RECT& R, COLORREF Color)
{
    for (int y = R.top; y < R.bottom; ++y)
        for (int x = R.left; x < R.right; ++x)
            if (WindowTestKit::ColorAt(S, x, y) == Color)
                return true;
    return false;
}

} // namespace

TEST_F(SkinMenuTest, DrawsSkinnedItemsFromTheSkinsPictures)
{
    skin = skinform::ArtworkSkin(0).release();
    AddItems(popup->Items(), {"Plain", "-", "!HHHH", "Checked", "Radio", "Close", "Keyed"});
    TMenuItem* items = popup->Items();
    items->Items(3)->SetChecked(true);
    items->Items(4)->SetRadioItem(true);
    items->Items(4)->SetChecked(true);
    items->Items(5)->SetName("BSF_CLOSE");
    items->Items(6)->SetShortCut(ShortCut('K', TShiftState{ssCtrl}));
    Open(RECT{100, 100, 150, 120});
    TskSkinPopupWindow* w = Window(0);
    const TskDataSkinMenuItem& mi = *FindMenuItemData(skin);
    ASSERT_NE(w->Item(0)->MI, nullptr);
    const int pic = mi.ActivePictureIndex;
    auto at = [&](int item, int x, int y) {
        const RECT& r = w->Item(item)->ObjectRect;
        return POINT{r.left + x, r.top + y};
    };
    auto px = [&](const Surface& s, POINT p) { return WindowTestKit::ColorAt(s, p.x, p.y); };
    const int iw = WidthOfRect(w->Item(0)->ObjectRect);
    const int ih = HeightOfRect(mi.SkinRect);

    // The first item is hot at once and morphs in five 20 ms steps.
    for (int step = 1; step <= 5; ++step) {
        Advance(20);
        EXPECT_NEAR(w->Item(0)->MorphKf(), step * 0.2, 1e-9);
    }
    auto s = kit.Render(w->GetHandle());
    const int k = 4;
    EXPECT_EQ(px(*s, at(0, iw - 1 - k, ih / 2)),
              skinform::PicturePixel(*skin, pic, mi.ActiveSkinRect.right - 1 - k, mi.ActiveSkinRect.top + ih / 2));
    EXPECT_EQ(px(*s, at(6, iw - 1 - k, ih / 2)),
              skinform::PicturePixel(*skin, pic, mi.SkinRect.right - 1 - k, mi.SkinRect.top + ih / 2));
    EXPECT_EQ(px(*s, at(1, iw / 2, 3)),
              skinform::PicturePixel(*skin, pic, mi.DividerRect.left + WidthOfRect(mi.DividerRect) / 2,
                                     mi.DividerRect.top + 3));
    EXPECT_TRUE(HasPixel(*s, w->Item(2)->ObjectRect, static_cast<COLORREF>(mi.UnEnabledFontColor)));

    // Check and radio marks are the skin's images, centred in the image column.
    for (auto [item, src] : {std::pair{3, mi.CheckImageRect}, std::pair{4, mi.RadioImageRect}}) {
        SCOPED_TRACE(item);
        const int x0 = mi.ImageRct.left + WidthOfRect(mi.ImageRct) / 2 - WidthOfRect(src) / 2;
        const int y0 = mi.ImageRct.top + HeightOfRect(mi.ImageRct) / 2 - HeightOfRect(src) / 2;
        const COLORREF key = skinform::PicturePixel(*skin, pic, src.left, src.bottom - 1);
        int compared = 0;
        for (int y = 0; y < HeightOfRect(src); ++y)
            for (int x = 0; x < WidthOfRect(src); ++x) {
                const COLORREF c = skinform::PicturePixel(*skin, pic, src.left + x, src.top + y);
                if (c == key)
                    continue;
                ++compared;
                EXPECT_EQ(px(*s, at(item, x0 + x, y0 + y)), c);
            }
        EXPECT_GT(compared, 4);
    }

    // The close mark by the item's name, in the font colour.
    TBitmap mark;
    mark.SetSize(12, 12);
    mark.Canvas()->Brush()->SetColor(clWhite);
    mark.Canvas()->FillRect(RECT{0, 0, 12, 12});
    DrawCloseGlyph(mark.Canvas(), 0, 0, clBlack);
    const int mx = mi.ImageRct.left + WidthOfRect(mi.ImageRct) / 2 - 4;
    const int my = mi.ImageRct.top + HeightOfRect(mi.ImageRct) / 2 - 4;
    int marked = 0;
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x)
            if (mark.GetPixelColor(x, y) == RGB(0, 0, 0)) {
                ++marked;
                EXPECT_EQ(px(*s, at(5, mx + x, my + y)), static_cast<COLORREF>(mi.FontColor));
            }
    EXPECT_GT(marked, 4);

    // The shortcut ends 16 pixels left of the text area's right edge.
    const int textRight = iw + mi.TextRct.right - WidthOfRect(mi.SkinRect);
    const RECT r6 = w->Item(6)->ObjectRect;
    const COLORREF bg = px(*s, at(6, textRight - 1, 1));
    const int ink = RightmostInk(*s, r6.left, r6.left + textRight, r6.top, r6.bottom, bg) - r6.left;
    EXPECT_LE(ink, textRight - 16 - 1);
    EXPECT_GE(ink, textRight - 16 - 4);
}

TEST_F(SkinMenuTest, DrawsDefaultItems)
{
    AddItems(popup->Items(), {"Plain", "-", "Keyed", "Checked"});
    popup->Items()->Items(2)->SetShortCut(ShortCut('K', TShiftState{ssCtrl}));
    popup->Items()->Items(3)->SetChecked(true);
    Open(RECT{100, 100, 150, 120});
    TskSkinPopupWindow* w = Window(0);
    auto s = kit.Render(w->GetHandle());
    auto px = [&](int item, int x, int y) {
        const RECT& r = w->Item(item)->ObjectRect;
        return WindowTestKit::ColorAt(*s, r.left + x, r.top + y);
    };
    const int iw = WidthOfRect(w->Item(0)->ObjectRect);
    // Hot: a navy frame round a light blue face; others: the glyph column and the window colour.
    EXPECT_EQ(px(0, 0, 0), RGB(0, 0, 128));
    EXPECT_EQ(px(0, iw - 3, 3), RGB(182, 189, 210));
    EXPECT_EQ(px(2, 3, 3), ColorToRGB(clBtnFace));
    EXPECT_EQ(px(2, iw - 3, 3), ColorToRGB(clWindow));
    EXPECT_EQ(px(1, iw / 2, 2), ColorToRGB(clBtnShadow));
    EXPECT_EQ(px(1, 5, 2), ColorToRGB(clBtnFace));
    // The check mark's middle stroke.
    EXPECT_EQ(px(3, 2 + 3 + 2, 2 + 8 - 4 + 7 - 1), ColorToRGB(clWindowText));
    const RECT r2 = w->Item(2)->ObjectRect;
    const int right = iw - 2;
    const int ink = RightmostInk(*s, r2.left, r2.left + right, r2.top, r2.bottom, ColorToRGB(clWindow)) - r2.left;
    EXPECT_LE(ink, right - 19 - 1);
    EXPECT_GE(ink, right - 19 - 4);
}

TEST_F(SkinMenuTest, DrawItemHandlerPaintsInPlaceOfTheText)
{
    AddItems(popup->Items(), {"Drawn", "Plain"});
    std::vector<bool> selected;
    TObject* sender = nullptr;
    popup->Items()->Items(0)->OnDrawItem = [&](TObject* Sender, TCanvas* C, const RECT& R, bool Selected) {
        sender = Sender;
        selected.push_back(Selected);
        C->Brush()->SetColor(clRed);
        C->FillRect(RECT{R.left, R.top, R.left + 4, R.top + 4});
    };
    Open(RECT{100, 100, 150, 120});
    auto s = kit.Render(Window(0)->GetHandle());
    const RECT& r = Window(0)->Item(0)->ObjectRect;
    EXPECT_EQ(sender, Window(0)->Item(0));
    ASSERT_FALSE(selected.empty());
    EXPECT_TRUE(selected.back());
    EXPECT_EQ(WindowTestKit::ColorAt(*s, r.left + 3, r.top + 3), RGB(255, 0, 0));
}

TEST_F(SkinMenuTest, FreeingTheManagerWhileOpenTellsTheOpener)
{
    auto* opener = new TLoggingOpener(form, "opener", &log);
    opener->SetParent(form);
    AddNumbered(popup->Items(), 3);
    Open(RECT{100, 100, 150, 120}, false, opener);
    log.clear();
    menu->Free();
    menu = nullptr;
    Pump();
    EXPECT_EQ(log, (std::vector<std::string>{"opener closed"}));
}
