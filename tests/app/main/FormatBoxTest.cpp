// The category and format boxes of the shown window: their sizes and pictures, where every item's
// title, picture and description go (closed and in the drop-down), and the mouse choosing an
// item of the drop-down.

#include "MainFormSupport.h"

#include "app/presets/FormatPresets.h"
#include "platform/win/Rect.h"
#include "platform/window/User.h"
#include "skin/core/skPngImageList.h"
#include "skin/input/skSkinOfficeCtrls.h"

#include <string>

using FormatBoxes = MainFormTest;

namespace {

constexpr int IPhoneCategory = 15;

bool Inside(const RECT& Inner, const RECT& Outer)
{
    return Inner.left >= Outer.left && Inner.top >= Outer.top && Inner.right <= Outer.right &&
           Inner.bottom <= Outer.bottom;
}

bool Empty(const RECT& R)
{
    return R.right <= R.left || R.bottom <= R.top;
}

// Every part of a laid-out item in its rectangle, the whole description shown, the title above
// the description and the picture beside it.
testing::AssertionResult LaidOutApart(const TskOfficeItemLayout& L, const RECT& R, bool WithTitle)
{
    auto fail = [&](const char* what) {
        return testing::AssertionFailure() << what << ": title (" << L.Title.left << "," << L.Title.top << ","
                                           << L.Title.right << "," << L.Title.bottom << ") caption (" << L.Caption.left
                                           << "," << L.Caption.top << "," << L.Caption.right << "," << L.Caption.bottom
                                           << ") in (" << R.left << "," << R.top << "," << R.right << "," << R.bottom
                                           << ")";
    };
    if (Empty(L.Caption) || !Inside(L.Caption, R))
        return fail("description outside");
    if (L.Cut)
        return fail("description cut");
    if (WithTitle && (Empty(L.Title) || !Inside(L.Title, R) || L.Title.bottom > L.Caption.top))
        return fail("title");
    if (!WithTitle && !Empty(L.Title))
        return fail("a title line");
    if (Empty(L.Image) || L.Image.right > L.Caption.left)
        return fail("picture");
    return testing::AssertionSuccess();
}

}  // namespace

TEST_F(FormatBoxes, SizesPicturesAndTheTwoLinesOfEveryItemStayApart)
{
    StartForms(true);
    TskSkinOfficeComboBox* categories = Form1->skSkinOfficeComboBox2;
    TskSkinOfficeComboBox* formats = Form1->skSkinOfficeComboBox1;
    EXPECT_EQ(categories->GetWidth(), 140);
    EXPECT_EQ(categories->GetHeight(), 51);
    EXPECT_EQ(formats->GetWidth(), 456);
    EXPECT_EQ(formats->GetHeight(), 51);
    EXPECT_EQ(categories->GetImages(), Form1->skPngImageList4);
    EXPECT_EQ(categories->GetImages()->GetWidth(), 48);
    EXPECT_EQ(formats->GetImages(), Form1->skPngImageList5);
    EXPECT_EQ(formats->GetImages()->GetWidth(), 32);

    // The category box: 32 items of a picture and a caption, four rows 140 pixels wide.
    categories->DropDown();
    TskPopupOfficeListBox* list = categories->ListBox();
    EXPECT_EQ(list->GetWidth(), 140);
    EXPECT_EQ(list->GetHeight(), list->CalcHeight(4));
    for (int i = 0; i < categories->Items()->Count(); ++i) {
        RECT r = categories->Items()->Items(i)->ItemRect;
        InflateRect(&r, -2, -2);
        EXPECT_TRUE(LaidOutApart(list->ItemLayout(i), r, false)) << "category " << i;
    }
    categories->CloseUp(false);

    // Every format of every category, in the drop-down and as the closed box shows it.
    int seen = 0;
    for (int category = 0; category < 32; ++category) {
        categories->SetItemIndex(category);
        const std::string name = categories->Items()->Items(category)->GetCaption();
        formats->DropDown();
        list = formats->ListBox();
        EXPECT_EQ(list->GetWidth(), 456) << name;
        EXPECT_EQ(list->GetHeight(), list->CalcHeight(4)) << name;
        const int count = formats->Items()->Count();
        for (int i = 0; i < count; ++i) {
            RECT r = formats->Items()->Items(i)->ItemRect;
            InflateRect(&r, -2, -2);
            EXPECT_TRUE(LaidOutApart(list->ItemLayout(i), r, true)) << name << " item " << i;
        }
        formats->CloseUp(false);
        for (int i = 0; i < count; ++i) {
            formats->SetItemIndex(i);
            formats->Repaint();
            const RECT text{2, 2, formats->GetWidth() - 17, formats->GetHeight() - 2};
            EXPECT_TRUE(LaidOutApart(formats->ShownItemLayout(), text, true)) << name << " closed " << i;
        }
        seen += count;
    }
    EXPECT_EQ(seen, 285);
}

// A click on any item of the open drop-down chooses it, every time: also again after the
// category was changed back and forth, and when the pointer did not move over the item first.
TEST_F(FormatBoxes, AClickOnAnyItemOfTheDropDownChoosesIt)
{
    StartForms(true);
    TskSkinOfficeComboBox* categories = Form1->skSkinOfficeComboBox2;
    TskSkinOfficeComboBox* formats = Form1->skSkinOfficeComboBox1;
    categories->SetItemIndex(IPhoneCategory);
    Pump();
    int changes = 0;
    const TNotifyEvent own = formats->OnChange;
    formats->OnChange = [&](TObject* Sender) {
        ++changes;
        own(Sender);
    };
    auto choose = [&](int Position, bool MoveFirst) {
        const POINT box = formats->ClientToScreen(POINT{formats->GetWidth() / 2, formats->GetHeight() / 2});
        kit.MoveMouse(box);
        kit.Click(box);
        Pump();
        EXPECT_TRUE(formats->IsPopupVisible());
        TskPopupOfficeListBox* list = formats->ListBox();
        list->ScrollToItem(Position);
        Pump();
        const RECT r = formats->Items()->Items(Position)->ItemRect;
        const POINT at = list->ClientToScreen(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
        if (MoveFirst)
            kit.MoveMouse(at);
        kit.Click(at);
        Pump();
        Pump();
    };
    auto categoryBackAndForth = [&] {
        categories->SetItemIndex(0);
        categories->SetItemIndex(IPhoneCategory);
        Pump();
        ASSERT_EQ(formats->GetItemIndex(), 0);
    };
    const int count = formats->Items()->Count();
    ASSERT_EQ(count, 15);
    for (int position = 0; position < count; ++position) {
        for (const bool moveFirst : {true, true, false}) {
            changes = 0;
            choose(position, moveFirst);
            EXPECT_FALSE(formats->IsPopupVisible()) << position;
            EXPECT_EQ(formats->GetItemIndex(), position) << (moveFirst ? "moved and clicked " : "clicked ") << position;
            EXPECT_EQ(changes, 1) << position;
            categoryBackAndForth();
        }
    }
}
