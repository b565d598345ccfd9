// Painting of the office list and combo box: the plain look, and the main window's category and
// format boxes on the fixed skin with their drop-downs open.

#include "SkinFormSupport.h"

#include "skin/input/skSkinOfficeCtrls.h"

#include <algorithm>
#include <memory>
#include <vector>

using skinform::Described;
using skinform::PicturePixel;

namespace {

// 32 x 32 pictures in plain colours.
void FillImages(TImageList* Images, int Count)
{
    Images->SetSize(32, 32);
    for (int i = 0; i < Count; ++i) {
        TBitmap b;
        b.SetSize(32, 32);
        b.Canvas()->Brush()->SetColor(RGB(40 * i % 256, 90, 200));
        b.Canvas()->FillRect(RECT{0, 0, 32, 32});
        Images->Add(&b, nullptr);
    }
}

class OfficePaint : public SkinFormTest {
protected:
    void SetUp() override
    {
        form = ShownForm(600, 500);
        images = new TImageList(form);
        FillImages(images, 3);
        skin = new TskSkinData(form);
        skinform::LoadArtworkFixedSkin(skin);
    }
    TskSkinOfficeComboBox* Box(int Left, const std::string& ListName, int RowHeight, bool Titles)
    {
        auto* box = new TskSkinOfficeComboBox(form);
        box->SetParent(form);
        box->SetBounds(Left, 10, 140, 41);
        box->SetToolButtonStyle(true);
        box->SetImages(images);
        box->SetListBoxSkinDataName(ListName);
        box->SetListBoxItemHeight(RowHeight);
        box->SetListBoxShowItemTitles(Titles);
        box->SetListBoxShowLines(Titles);
        box->SetListBoxWidth(Titles ? 260 : 140);
        box->SetShowItemTitle(Titles);
        box->SetSkinData(skin);
        for (int i = 0; i < 5; ++i) {
            TskSkinOfficeItem* item = box->Items()->Add();
            if (Titles)
                item->SetTitle("Title " + std::to_string(i));
            item->SetCaption("Caption " + std::to_string(i));
            item->SetImageIndex(i % 3);
        }
        box->SetItemIndex(0);
        return box;
    }

    // The pixels of a drop-down, its own top-level window, at its client points.
    std::function<COLORREF(int X, int Y)> PopupPixels(TWinControl* Popup)
    {
        std::shared_ptr<Surface> pixels = kit.Render(Popup->GetHandle());
        return [pixels](int X, int Y) { return WindowTestKit::ColorAt(*pixels, X, Y); };
    }

    TForm* form = nullptr;
    TImageList* images = nullptr;
    TskSkinData* skin = nullptr;
};

TEST_F(OfficePaint, PlainListLooks)
{
    auto* list = new TskSkinOfficeListBox(form);
    list->SetParent(form);
    list->SetBounds(10, 10, 150, 124);
    list->SetShowLines(true);
    const char* rows[] = {"h", ".", ".", "d"};
    for (const char* r : rows) {
        TskSkinOfficeItem* item = list->Items()->Add();
        item->SetCaption(r);
        item->SetHeader(*r == 'h');
        item->SetEnabled(*r != 'd');
    }
    list->SetItemIndex(2);
    auto pixel = PixelsOf(list);
    EXPECT_EQ(pixel(0, 0), ColorToRGB(clBtnShadow));       // frame
    EXPECT_EQ(pixel(4, 4), ColorToRGB(clBtnShadow));       // header row
    EXPECT_EQ(pixel(4, 30), ColorToRGB(clWindow));         // row 1
    EXPECT_EQ(pixel(4, 51), ColorToRGB(clBtnFace));        // its separator line
    EXPECT_EQ(pixel(4, 60), ColorToRGB(clHighlight));      // the active row
    EXPECT_EQ(pixel(4, 100), ColorToRGB(clWindow));        // the disabled row's background
}

TEST_F(OfficePaint, PlainComboLooks)
{
    auto* box = new TskSkinOfficeComboBox(form);
    box->SetParent(form);
    box->SetBounds(10, 10, 120, 41);
    auto* other = new TskSkinOfficeComboBox(form);
    other->SetParent(form);
    other->SetBounds(10, 100, 120, 41);
    box->Items()->Add()->SetCaption("one");
    box->Items()->Add()->SetCaption("two");
    box->SetItemIndex(0);
    other->SetFocus();
    Pump();
    auto pixel = PixelsOf(box);
    EXPECT_EQ(pixel(0, 0), ColorToRGB(clBtnShadow));        // frame
    EXPECT_EQ(pixel(101, 2), ColorToRGB(clBtnShadow));      // the button's frame
    EXPECT_EQ(pixel(103, 5), ColorToRGB(clBtnFace));        // and face
    EXPECT_EQ(pixel(3, 38), ColorToRGB(clWindow));          // the item, unfocused
    box->SetFocus();
    Pump();
    EXPECT_EQ(PixelOf(box, 3, 38), ColorToRGB(clHighlight));  // focused

    box->SetToolButtonStyle(true);
    other->SetFocus();
    Pump();
    EXPECT_EQ(PixelOf(box, 1, 39), ColorToRGB(clBtnFace));
    box->DropDown();
    Pump();
    pixel = PixelsOf(box);
    EXPECT_EQ(pixel(0, 0), ColorToRGB(clNavy));             // open: the pressed colours
    EXPECT_EQ(pixel(1, 39), RGB(133, 147, 181));
    box->CloseUp(false);

    // Narrower than its button: no item area, nothing breaks.
    box->SetToolButtonStyle(false);
    box->SetWidth(15);
    Pump();
    EXPECT_LE(box->ShownItem().R.right - box->ShownItem().R.left, 0);
    EXPECT_EQ(PixelOf(box, 0, 0), ColorToRGB(clBtnShadow));
}

TEST_F(OfficePaint, FixedSkinCategoryAndFormatBoxes)
{
    TskSkinOfficeComboBox* category = Box(10, "resizetoolpanel", 50, false);
    TskSkinOfficeComboBox* format = Box(300, "listbox", 60, true);
    Pump();
    auto& tool = Described<TskDataSkinButtonControl>(*skin, "resizetoolbutton");
    // The closed box is the tool button's face: a pixel of its left column matches the picture.
    const COLORREF faceLeft = PicturePixel(*skin, tool.PictureIndex, tool.SkinRect.left, tool.SkinRect.top + 20);
    EXPECT_EQ(PixelOf(category, 0, 20), faceLeft);

    auto& lb = Described<TskDataSkinListBox>(*skin, "listbox");
    for (TskSkinOfficeComboBox* box : {category, format}) {
        SCOPED_TRACE(box == category ? "category" : "format");
        box->DropDown();
        Pump();
        TskPopupOfficeListBox* list = box->ListBox();
        ASSERT_TRUE(list->GetVisible());
        EXPECT_EQ(list->GetSkinDataName(), box == category ? "resizetoolpanel" : "listbox");
        EXPECT_NE(list->GetIndex(), -1);
        const RECT row0 = list->Items()->Items(0)->ItemRect;
        EXPECT_EQ(row0.bottom - row0.top, box == category ? 50 : 60);
        EXPECT_EQ(list->GetWidth(), box == category ? 140 : 260);
        // The active row is drawn from the item picture: its middle matches the picture's middle.
        const RECT a = lb.ActiveItemRect;
        auto pixel = PopupPixels(list);
        EXPECT_EQ(pixel(row0.right - 3, (row0.top + row0.bottom) / 2),
                  PicturePixel(*skin, Described<TskDataSkinCustomControl>(*skin, list->GetSkinDataName()).PictureIndex,
                               a.right - 3, (a.top + a.bottom) / 2));
        if (box == format) {
            const RECT row1 = list->Items()->Items(1)->ItemRect;
            EXPECT_EQ(pixel(row1.left + 100, row1.bottom - 1), ColorToRGB(skin->SkinColors()->cBtnShadow()));
        }
        box->CloseUp(false);
    }
}

TEST_F(OfficePaint, SkinsWithoutDescriptionsDoNotCrash)
{
    auto made = skinform::MadeSkin();
    TskSkinOfficeComboBox* box = Box(10, "listbox", 30, true);
    box->Items()->Items(1)->SetHeader(true);
    box->Items()->Items(2)->SetImageIndex(99);
    box->SetSkinData(made.get());  // no "combobox", "listbox", "label" or "edit"
    box->DropDown();
    Pump();
    EXPECT_EQ(box->ListBox()->GetSkinDataName(), "");
    EXPECT_EQ(box->ListBox()->GetIndex(), -1);  // the drop-down draws plainly
    box->CloseUp(false);
    box->SetSkinData(skin);  // the configured name comes back with a skin that has the box
    box->DropDown();
    Pump();
    EXPECT_EQ(box->ListBox()->GetSkinDataName(), "listbox");
    EXPECT_NE(box->ListBox()->GetIndex(), -1);
}

TEST_F(OfficePaint, OwnerDrawingAndLabelHeaders)
{
    auto* list = new TskSkinOfficeListBox(form);
    list->SetParent(form);
    list->SetBounds(10, 10, 200, 124);
    list->SetSkinData(skin);
    for (const char* caption : {"Head", "one", "two"})
        list->Items()->Add()->SetCaption(caption);
    list->Items()->Items(0)->SetHeader(true);
    list->SetItemIndex(2);
    std::vector<int> drawn;
    list->OnDrawItem = [&](TCanvas* C, int Index, RECT& R) {
        drawn.push_back(Index);
        C->Brush()->SetStyle(TBrushStyle::bsSolid);
        C->Brush()->SetColor(RGB(1, 2, 3));
        C->FillRect(R);
    };
    list->Invalidate();
    Pump();
    // Rows are drawn by the handler, the active one too (into its picture); headers never.
    auto pixel = PixelsOf(list);
    const auto centre = [&](int Index) {
        const RECT r = list->Items()->Items(Index)->ItemRect;
        return pixel((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    };
    EXPECT_EQ(centre(1), RGB(1, 2, 3));
    EXPECT_EQ(centre(2), RGB(1, 2, 3));
    EXPECT_EQ(std::count(drawn.begin(), drawn.end(), 0), 0);
    EXPECT_GT(std::count(drawn.begin(), drawn.end(), 1), 0);
    // The fixed skin has no "menuheader": the header is made of the "label" picture.
    EXPECT_LT(skin->GetControlIndex("menuheader"), 0);
    auto& label = Described<TskDataSkinLabelControl>(*skin, "label");
    const RECT head = list->Items()->Items(0)->ItemRect;
    EXPECT_EQ(pixel(head.left, head.top), PicturePixel(*skin, label.PictureIndex, label.SkinRect.left, label.SkinRect.top));

    // Without a skin the handler still draws the rows.
    list->SetSkinData(nullptr);
    drawn.clear();
    Pump();
    EXPECT_EQ(PixelOf(list, 100, (list->Items()->Items(1)->ItemRect.top + list->Items()->Items(1)->ItemRect.bottom) / 2),
              RGB(1, 2, 3));
    EXPECT_EQ(std::count(drawn.begin(), drawn.end(), 0), 0);
}

TEST_F(OfficePaint, UseSkinSizeTakesTheSkinsHeight)
{
    auto* box = new TskSkinOfficeComboBox(form);
    box->SetParent(form);
    box->SetSkinData(skin);
    auto& cb = Described<TskDataSkinComboBox>(*skin, "combobox");
    box->SetUseSkinSize(true);
    box->SetBounds(10, 300, 150, 41);
    EXPECT_EQ(box->GetHeight(), cb.SkinRect.bottom - cb.SkinRect.top);
    box->SetUseSkinSize(false);
    box->SetBounds(10, 300, 150, 41);
    EXPECT_EQ(box->GetHeight(), 41);
}

} // namespace
