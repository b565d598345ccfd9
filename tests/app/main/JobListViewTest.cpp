// The job list as the user sees and handles it on the shown window: its header, its bars and
// its selection under every skin, and the header's hidden columns.

#include "JobTestSupport.h"

#include "app/main/JobRow.h"
#include "classlib/ComCtrls.h"
#include "platform/window/User.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/form/skSkinScrollBar.h"
#include "skin/form/skSkinViews.h"

#include <functional>
#include <set>
#include <string>
#include <vector>

using JobListView = JobListTest;

namespace {

constexpr int SkinCount = 8;

int ColumnWidth(int Column)
{
    return Form1->lvFiles->Columns()->Items(Column)->GetWidth();
}

RECT HeaderSection(int Column)
{
    RECT r{};
    SendMessage(Form1->lvFiles->HeaderHandle(), HDM_GETITEMRECT, static_cast<WPARAM>(Column), reinterpret_cast<LPARAM>(&r));
    return r;
}

// The form's pixels (frame and children) read at a control's client points.
std::function<COLORREF(int X, int Y)> PixelsOf(WindowTestKit& Kit, TControl* Control)
{
    const std::shared_ptr<Surface> pixels = Kit.Render(Form1->GetHandle());
    RECT wr{};
    GetWindowRect(Form1->GetHandle(), &wr);
    return [pixels, wr, Control](int X, int Y) {
        const POINT p = Control->ClientToScreen(POINT{X, Y});
        return WindowTestKit::ColorAt(*pixels, p.x - wr.left, p.y - wr.top);
    };
}

int TopRow()
{
    TListItem* top = Form1->lvFiles->GetTopItem();
    return top ? top->GetIndex() : -1;
}

// The selected row lies wholly between the header and the list's bottom.
testing::AssertionResult SelectionInView()
{
    const int row = Form1->SelectedJob();
    if (row < 0)
        return testing::AssertionFailure() << "no row selected";
    const RECT r = Form1->lvFiles->Items()->Item(row)->DisplayRect(LVIR_BOUNDS);
    RECT header{};
    GetWindowRect(Form1->lvFiles->HeaderHandle(), &header);
    const int headerHeight = header.bottom - header.top;
    if (r.top < headerHeight || r.bottom > Form1->lvFiles->GetClientHeight())
        return testing::AssertionFailure() << "row " << row << " at " << r.top << ".." << r.bottom << ", view "
                                           << headerHeight << ".." << Form1->lvFiles->GetClientHeight();
    return testing::AssertionSuccess();
}

}  // namespace

// The columns that carry a row's settings never open, whichever side of a divider a drag starts
// on; every shown column is sized from its right edge, also where hidden columns follow it
// (转换进度, 转换大小).
TEST_F(JobListView, HiddenColumnsStayClosedAndEveryShownColumnSizesFromItsRightEdge)
{
    AddOne(Media("clip.avi"));  // the cover leaves the list
    const HWND header = Form1->lvFiles->HeaderHandle();
    ASSERT_NE(header, nullptr);
    const int count = Form1->lvFiles->Columns()->Count();
    std::vector<int> widths;
    for (int c = 0; c < count; ++c)
        widths.push_back(ColumnWidth(c));
    ASSERT_EQ(widths[5], 0);  // between 转换进度 and 当前时间
    auto drag = [&](int X, int By) {
        RECT client{};
        GetClientRect(header, &client);
        POINT from{X, client.bottom / 2};
        ClientToScreen(header, &from);
        kit.Drag(from, POINT{from.x + By, from.y});
        Pump();
        kit.Advance(1000);  // the next press is no double click
    };
    for (int c = 0; c < count; ++c) {
        if (widths[static_cast<std::size_t>(c)] == 0)
            continue;
        for (int offset : {-3, -1, 0, 2, 3}) {
            SCOPED_TRACE("column " + std::to_string(c) + ", offset " + std::to_string(offset));
            drag(HeaderSection(c).right + offset, 30);
            EXPECT_EQ(ColumnWidth(c), widths[static_cast<std::size_t>(c)] + 30);
            drag(HeaderSection(c).right + offset, -30);
            for (int other = 0; other < count; ++other)
                EXPECT_EQ(ColumnWidth(other), widths[static_cast<std::size_t>(other)]) << "column " << other;
        }
    }
}

// Under every skin, with more rows than the view holds: the vertical bar shows and is drawn
// beside the rows, the header keeps its pixels through wheel scrolling, and a removal, a move
// and an add leave the selected row in view, drawn selected.
TEST_F(JobListView, HeaderBarAndSelectionArePaintedUnderEverySkin)
{
    std::vector<std::string> files;
    for (int i = 0; i < 12; ++i)
        files.push_back(Media("clip" + std::to_string(i) + ".avi"));
    AddSeveral(files);
    ASSERT_EQ(Form1->JobCount(), 12);
    TskSkinListView* list = Form1->lvFiles;
    TskSkinScrollBar* bar = Form1->skSkinScrollBar2;
    RECT header{};
    GetClientRect(list->HeaderHandle(), &header);

    auto headerPixels = [&] {
        const auto at = PixelsOf(kit, list);
        std::vector<COLORREF> strip;
        for (int x = 0; x < list->GetClientWidth(); ++x)
            strip.push_back(at(x, header.bottom / 2));
        return strip;
    };
    auto wheel = [&](int Delta) {
        kit.Wheel(list->ClientToScreen(POINT{100, list->GetClientHeight() / 2}), Delta);
        Pump();
    };
    // The selected row's colour differs from an unselected row's at the same place.
    auto drawnSelected = [&] {
        const int row = Form1->SelectedJob();
        const int other = row == TopRow() ? row + 1 : TopRow();
        const RECT s = list->Items()->Item(row)->DisplayRect(LVIR_BOUNDS);
        const RECT o = list->Items()->Item(other)->DisplayRect(LVIR_BOUNDS);
        const auto at = PixelsOf(kit, list);
        return at(s.right - 3, (s.top + s.bottom) / 2) != at(o.right - 3, (o.top + o.bottom) / 2);
    };

    for (int skin = 0; skin < SkinCount; ++skin) {
        SCOPED_TRACE("skin " + std::to_string(skin));
        Form1->ApplySkinIndex(skin);
        Pump();
        ASSERT_LT(list->VisibleRowCount(), Form1->JobCount());

        // The bar stands beside the rows, drawn (not one flat colour).
        ASSERT_TRUE(bar->GetVisible());
        EXPECT_LE(list->GetLeft() + list->GetWidth(), bar->GetLeft());
        const auto barAt = PixelsOf(kit, bar);
        std::set<COLORREF> barColours;
        for (int y = 0; y < bar->GetHeight(); ++y)
            barColours.insert(barAt(bar->GetWidth() / 2, y));
        EXPECT_GT(barColours.size(), 2u);

        // The header: drawn, and the same after every wheel turn, also one at the top that
        // scrolls nothing.
        wheel(WHEEL_DELTA * 4);
        ASSERT_EQ(TopRow(), 0);
        const std::vector<COLORREF> before = headerPixels();
        EXPECT_GT(std::set<COLORREF>(before.begin(), before.end()).size(), 2u);
        wheel(WHEEL_DELTA);
        EXPECT_EQ(headerPixels(), before);
        wheel(-WHEEL_DELTA);
        ASSERT_GT(TopRow(), 0);
        EXPECT_EQ(headerPixels(), before);
        wheel(WHEEL_DELTA);
        EXPECT_EQ(headerPixels(), before);

        // Remove the last row while it is in view at the bottom: row 0 is selected and shown.
        wheel(-WHEEL_DELTA * 4);
        list->SetSelected(list->Items()->Item(Form1->JobCount() - 1));
        ASSERT_TRUE(SelectionInView());
        Form1->btnRemove->Click();
        EXPECT_EQ(Form1->SelectedJob(), 0);
        EXPECT_TRUE(SelectionInView());
        EXPECT_TRUE(drawnSelected());
        EXPECT_LE(TopRow() + list->VisibleRowCount(), Form1->JobCount()) << "no blank line at the bottom";

        // Move a row from the bottom while the view shows the top, and back.
        list->SetSelected(list->Items()->Item(Form1->JobCount() - 1));
        wheel(WHEEL_DELTA * 4);
        Form1->skSkinButton3->ButtonClick();
        EXPECT_EQ(Form1->SelectedJob(), Form1->JobCount() - 2);
        EXPECT_TRUE(SelectionInView());
        EXPECT_TRUE(drawnSelected());
        wheel(WHEEL_DELTA * 4);
        Form1->skSkinButton4->ButtonClick();
        EXPECT_TRUE(SelectionInView());

        // An add while the view shows the top: the new last row is selected and shown.
        AddOne(Media("added" + std::to_string(skin) + ".avi"));
        ASSERT_EQ(Form1->JobCount(), 12);
        EXPECT_EQ(Form1->SelectedJob(), 11);
        EXPECT_TRUE(SelectionInView());
        EXPECT_TRUE(drawnSelected());
    }

    // Rows that fit leave no bar.
    while (Form1->JobCount() > list->VisibleRowCount()) {
        list->SetSelected(list->Items()->Item(0));
        Form1->btnRemove->Click();
    }
    Pump();
    EXPECT_FALSE(bar->GetVisible());
}
