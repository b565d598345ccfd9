// The skinned list box: item pixels from a generated skin, the scroll bars it makes and drops,
// scrolling by wheel, keys and thumb, and bad input.

#include "SkinFormSupport.h"

#include "classlib/Bitmap.h"
#include "classlib/ImgList.h"
#include "platform/gdi/Gdi.h"
#include "platform/window/ListBoxes.h"
#include "skin/core/skDataSkinControls.h"
#include "skin/form/skSkinMessages.h"
#include "skin/input/skSkinListBox.h"

#include <string>

using skinform::Described;

namespace {

int H(const RECT& r) { return r.bottom - r.top; }

class SkinListBox : public SkinFormTest {
protected:
    TskSkinListBox* Put(TskSkinData* data, int w, int h, int items, const std::string& prefix = "item ")
    {
        if (!form)
            form = ShownForm(400, 300);
        auto* l = new TskSkinListBox(form);
        l->SetParent(form);
        l->SetBounds(10, 10, w, h);
        l->SetSkinData(data);
        for (int i = 0; i < items; ++i)
            l->Items()->Add(prefix + std::to_string(i));
        Pump();
        return l;
    }
    // Pixel of the inner list at a point of its client area.
    COLORREF ListPixel(TskSkinListBox* l, int x, int y) { return PixelOf(l->ListBox, x, y); }
    void Wheel(TControl* c, int delta)
    {
        SendMessage(static_cast<TWinControl*>(c)->GetHandle(), WM_MOUSEWHEEL, MAKEWPARAM(0, delta), 0);
        Pump();
    }

    TForm* form = nullptr;
};

TEST_F(SkinListBox, SkinnedItemsShowTheSkinsItemPictures)
{
    auto skin = skinform::ArtworkSkin(0);
    auto& d = Described<TskDataSkinListBox>(*skin, "listbox");
    auto* l = Put(skin.get(), 160, 140, 3);
    l->ListBox->SetItemIndex(1);
    Pump();
    // Band items: the item height is the skin's item picture's; a picture pixel at the band's
    // middle (away from the text) shows at the matching point of each item.
    const int ih = H(d.SItemRect);
    ASSERT_EQ(l->ListBox->GetItemHeight(), ih);
    const int mid = ih / 2;
    EXPECT_EQ(ListPixel(l, 0, mid), skinform::PicturePixel(*skin, d.PictureIndex, d.SItemRect.left, d.SItemRect.top + mid));
    EXPECT_EQ(ListPixel(l, 0, ih + mid),
              skinform::PicturePixel(*skin, d.PictureIndex, d.ActiveItemRect.left, d.ActiveItemRect.top + mid));
    l->ListBox->SetFocus();
    Pump();
    EXPECT_EQ(ListPixel(l, 0, ih + mid),
              skinform::PicturePixel(*skin, d.PictureIndex, d.FocusItemRect.left, d.FocusItemRect.top + mid));
    // Below the last item: the tiled client area of the skin.
    const RECT& s = d.SkinRect;
    const RECT& c = d.ClRect;
    EXPECT_EQ(ListPixel(l, 1, 3 * ih + 1), skinform::PicturePixel(*skin, d.PictureIndex, s.left + c.left + 1, s.top + c.top + 1));
}

TEST_F(SkinListBox, PlainItemsUseTheSystemColours)
{
    auto* l = Put(nullptr, 160, 140, 3, "");
    l->SetItemIndex(0);
    Pump();
    EXPECT_EQ(ListPixel(l, 50, 10), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(ListPixel(l, 50, 30), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(ListPixel(l, 50, 100), GetSysColor(COLOR_WINDOW));
    // The frame is plain: a shadow line around the face.
    EXPECT_EQ(PixelOf(l, 0, 50), GetSysColor(COLOR_BTNSHADOW));
}

TEST_F(SkinListBox, DrawItemEventReplacesTheContent)
{
    auto skin = skinform::ArtworkSkin(1);
    auto* l = Put(skin.get(), 160, 140, 2);
    std::vector<int> drawn;
    l->OnDrawItem = [&](TCanvas* c, int index, int w, int h, RECT, TOwnerDrawState) {
        drawn.push_back(index);
        c->Brush()->SetColor(RGB(0, 200, 0));
        c->FillRect(RECT{0, 0, w, h});
    };
    l->ListBox->Invalidate();
    Pump();
    EXPECT_EQ(ListPixel(l, 30, 5), RGB(0, 200, 0));
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), 1), drawn.end());
}

TEST_F(SkinListBox, ImagesByImageIndex)
{
    TImageList images(nullptr);
    images.SetSize(8, 8);
    const COLORREF colours[] = {RGB(255, 0, 0), RGB(0, 0, 255), RGB(0, 255, 0)};
    for (COLORREF c : colours) {
        TBitmap b;
        b.SetSize(8, 8);
        b.Canvas()->Brush()->SetColor(static_cast<TColor>(c));
        b.Canvas()->FillRect(RECT{0, 0, 8, 8});
        images.Add(&b, nullptr);
    }
    auto* l = Put(nullptr, 160, 140, 4);
    l->SetImages(&images);
    Pump();
    // Item k shows image k; item 3 is past the images and shows none.
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(ListPixel(l, 6, 20 * k + 10), colours[k]) << k;
    EXPECT_EQ(ListPixel(l, 6, 70), GetSysColor(COLOR_WINDOW));
    l->SetImageIndex(2);
    Pump();
    EXPECT_EQ(ListPixel(l, 6, 10), colours[2]);
    EXPECT_EQ(ListPixel(l, 6, 70), colours[2]);
    l->SetImages(nullptr);
}

TEST_F(SkinListBox, TabStops)
{
    auto* l = Put(nullptr, 160, 140, 0);
    struct Case {
        std::vector<std::string> lines;
        std::vector<int> stops;
    } cases[] = {
        {{"40", "x", ""}, {40, 0, 0}},
        {{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {{"99999999999", "-5", "2147483647"}, {0, 0, 2147483647}},
    };
    for (const auto& c : cases) {
        TStringList s;
        for (const auto& line : c.lines)
            s.Add(line);
        l->SetTabWidths(&s);
        EXPECT_EQ(l->TabStops(), c.stops);
    }
}

// Scroll bars against the content: item count, height, RowCount, HorizontalExtent, columns.
TEST_F(SkinListBox, ScrollBarsFollowTheContent)
{
    struct Case {
        const char* what;
        int height, items, rowCount, columns;
        bool extent;
        const char* longText;
        bool vbar, hbar;
        int vmax;
    } cases[] = {
        {"fits", 104, 5, 0, 0, false, nullptr, false, false, 0},
        {"one more than fits", 104, 6, 0, 0, false, nullptr, true, false, 5},
        {"RowCount equal to the items", 60, 5, 5, 0, false, nullptr, false, false, 0},
        {"narrow texts", 104, 3, 0, 0, true, nullptr, false, false, 0},
        {"a long text", 104, 3, 0, 0, true, "a very very very long item text indeed, longer than the list", false, true, 0},
        {"both bars", 104, 9, 0, 0, true, "a very very very long item text indeed, longer than the list", true, true, 9},
        {"columns that fit", 104, 8, 0, 2, false, nullptr, false, false, 0},
        {"columns that do not", 104, 30, 0, 2, false, nullptr, true, false, 7},
    };
    for (const auto& c : cases) {
        auto* l = Put(nullptr, 160, c.height, 0);
        l->SetColumns(c.columns);
        l->SetHorizontalExtent(c.extent);
        for (int i = 0; i < c.items; ++i)
            l->Items()->Add("item " + std::to_string(i));
        if (c.longText)
            l->Items()->Add(c.longText);
        if (c.rowCount)
            l->SetRowCount(c.rowCount);
        Pump();
        EXPECT_EQ(l->ScrollBar != nullptr, c.vbar) << c.what;
        EXPECT_EQ(l->HScrollBar != nullptr, c.hbar) << c.what;
        if (l->ScrollBar) {
            EXPECT_EQ(l->ScrollBar->GetMax(), c.vmax) << c.what;
        }
        const RECT list = l->GetListRect();
        if (l->HScrollBar) {
            EXPECT_EQ(l->HScrollBar->GetSmallChange(), l->ListBox->Canvas()->TextWidth("0")) << c.what;
            EXPECT_LE(list.bottom, l->HScrollBar->GetTop()) << c.what;
            if (l->ScrollBar) {
                // The plain bars share the line at the corner.
                EXPECT_LE(l->ScrollBar->GetTop() + l->ScrollBar->GetHeight(), l->HScrollBar->GetTop() + 1) << c.what;
            }
        }
        if (l->ScrollBar && c.columns == 0) {
            EXPECT_LE(list.right, l->ScrollBar->GetLeft()) << c.what;
        }
        l->Free();
        Pump();
    }
}

TEST_F(SkinListBox, RowCountFitsTheHeight)
{
    auto* l = Put(nullptr, 160, 50, 5);
    l->SetRowCount(5);
    EXPECT_EQ(l->GetHeight(), 104);
    l->SetCaptionMode(true);
    l->SetRowCount(5);
    EXPECT_EQ(l->GetHeight(), 124);
    EXPECT_EQ(l->ScrollBar, nullptr);
}

TEST_F(SkinListBox, AddingAndDeletingShowsAndDropsTheBar)
{
    auto* l = Put(nullptr, 160, 104, 0);
    const int fit = l->ListBox->GetHeight() / l->ListBox->GetItemHeight();
    for (int i = 0; i < fit; ++i)
        l->Items()->Add("x");
    EXPECT_EQ(l->ScrollBar, nullptr);
    l->Items()->Add("x");
    EXPECT_NE(l->ScrollBar, nullptr);
    l->Items()->Delete(0);
    EXPECT_EQ(l->ScrollBar, nullptr);
    // Sorting remakes the list; refilling it brings the bar back as the content needs it.
    l->Items()->Add("x");
    l->SetSorted(true);
    EXPECT_NE(l->ScrollBar, nullptr);
}

TEST_F(SkinListBox, WheelKeysAndThumbScroll)
{
    auto* l = Put(nullptr, 160, 104, 40);
    ASSERT_NE(l->ScrollBar, nullptr);
    const int rows = l->ListBox->GetHeight() / l->ListBox->GetItemHeight();
    // One notch back: the list's three lines and one more.
    Wheel(l->ListBox, -WHEEL_DELTA);
    EXPECT_EQ(l->GetTopIndex(), 4);
    EXPECT_EQ(l->ScrollBar->GetPosition(), 4);
    Wheel(l->ListBox, WHEEL_DELTA);
    EXPECT_EQ(l->GetTopIndex(), 0);
    // The thumb at its end shows the last item.
    l->ScrollBar->SetPosition(l->ScrollBar->GetMax());
    Pump();
    EXPECT_EQ(l->GetTopIndex(), 40 - rows);
    const RECT last = l->ItemRect(39);
    EXPECT_LE(last.bottom, l->ListBox->GetHeight());

    // Left and Right move the text bar, never the selection; at 0 Left keeps 0.
    auto* t = Put(nullptr, 160, 104, 0);
    t->SetHorizontalExtent(true);
    t->Items()->Add("a very very very long item text indeed, longer than the list");
    t->SetItemIndex(0);
    ASSERT_NE(t->HScrollBar, nullptr);
    t->ListBox->SetFocus();
    Pump();
    kit.PressKey(VK_LEFT);
    Pump();
    EXPECT_EQ(t->HScrollBar->GetPosition(), 0);
    kit.PressKey(VK_RIGHT);
    Pump();
    EXPECT_EQ(t->HScrollBar->GetPosition(), t->HScrollBar->GetSmallChange());
    EXPECT_EQ(t->ListBox->FHorizontalExtentValue, t->HScrollBar->GetSmallChange());
    EXPECT_EQ(t->GetItemIndex(), 0);
    // Without a vertical bar the wheel steps the text bar back.
    Wheel(t->ListBox, WHEEL_DELTA);
    EXPECT_EQ(t->HScrollBar->GetPosition(), 0);
}

TEST_F(SkinListBox, ThumbPassesPositionsBeyondSixteenBits)
{
    auto* l = Put(nullptr, 160, 104, 0);
    TStringList many;
    for (int i = 0; i < 70000; ++i)
        many.Add("x");
    l->SetItems(&many);
    Pump();
    ASSERT_NE(l->ScrollBar, nullptr);
    l->ScrollBar->SetPosition(66000);
    EXPECT_EQ(l->GetTopIndex(), 66000);
}

TEST_F(SkinListBox, SkinChangeDropsAndRestoresTheTextBar)
{
    auto skin = skinform::ArtworkSkin(0);
    auto* l = Put(nullptr, 160, 104, 0);
    l->SetHorizontalExtent(true);
    l->Items()->Add("a very very very long item text indeed, longer than the list");
    ASSERT_NE(l->HScrollBar, nullptr);
    l->SetRowCount(3);
    l->SetSkinData(skin.get());
    Pump();
    EXPECT_NE(l->HScrollBar, nullptr);
    EXPECT_EQ(l->HScrollBar->GetSkinDataName(), Described<TskDataSkinListBox>(*skin, "listbox").HScrollBarName);
}

TEST_F(SkinListBox, BadInput)
{
    auto skin = skinform::MadeSkin();
    const int pic = skinform::AddPicture(*skin, 40, 40, RGB(10, 20, 30));
    auto& d = skinform::AddDescription<TskDataSkinListBox>(*skin, "listbox");
    d.PictureIndex = pic;
    d.SkinRect = RECT{0, 0, 40, 40};
    d.ClRect = RECT{0, 0, 0, 0};  // no tile
    d.SItemRect = RECT{0, 0, 40, 0};  // no height
    auto* l = Put(nullptr, 160, 104, 3);
    const int before = l->ListBox->GetItemHeight();
    l->SetItemIndex(1);
    l->SetSkinData(skin.get());
    Pump();
    EXPECT_EQ(l->ListBox->GetItemHeight(), before);
    // Outside the items: -1 clears, anything else keeps the selection.
    l->SetItemIndex(7);
    EXPECT_EQ(l->GetItemIndex(), 1);
    l->SetItemIndex(-5);
    EXPECT_EQ(l->GetItemIndex(), 1);
    l->SetItemIndex(-1);
    EXPECT_EQ(l->GetItemIndex(), -1);
    // An empty list answers the background request; a filled one does not.
    auto* e = Put(nullptr, 100, 60, 0);
    EXPECT_EQ(SendMessage(e->ListBox->GetHandle(), SKM_PAINTBACKGROUNDTO, 0, SKM_PAINTBORDERTOEX_KEY), SKM_PAINTBORDERTOEX_KEY);
    EXPECT_NE(SendMessage(l->ListBox->GetHandle(), SKM_PAINTBACKGROUNDTO, 0, SKM_PAINTBORDERTOEX_KEY), SKM_PAINTBORDERTOEX_KEY);
    // A message the owner swallows reaches neither the list nor the bars.
    struct Swallowing : TskSkinListBox {
        using TskSkinListBox::TskSkinListBox;
        void ListBoxWProc(TMessage& m, bool& callDefault) override { callDefault = m.Msg != LB_ADDSTRING; }
    };
    auto* w = new Swallowing(form);
    w->SetParent(form);
    w->Items()->Add("x");
    EXPECT_EQ(w->Items()->Count(), 0);
}

TEST_F(SkinListBox, WideningShiftsTheTextBack)
{
    auto* l = Put(nullptr, 160, 104, 1);
    struct Case {
        int extent, widen, expected;
    } cases[] = {{20, 30, 0}, {0, -30, 0}, {40, 10, 30}};
    for (const auto& c : cases) {
        l->ListBox->FHorizontalExtentValue = c.extent;
        const RECT r = l->GetListRect();
        l->ListBox->SetBounds(r.left, r.top, r.right - r.left + c.widen, r.bottom - r.top);
        EXPECT_EQ(l->ListBox->FHorizontalExtentValue, c.expected);
        l->ListBox->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
    }
}

TEST_F(SkinListBox, UserSelectionClicksCodesDoesNot)
{
    auto* l = Put(nullptr, 160, 104, 5);
    int clicks = 0;
    l->OnListBoxClick = [&](TObject*) { ++clicks; };
    l->SetItemIndex(2);
    EXPECT_EQ(clicks, 0);
    kit.Click(ScreenOf(l->ListBox, 20, 10));
    Pump();
    EXPECT_EQ(l->GetItemIndex(), 0);
    EXPECT_EQ(clicks, 1);
}

} // namespace
