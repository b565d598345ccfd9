#include "SkinFormSupport.h"

#include "classlib/Bitmap.h"
#include "classlib/ExtCtrls.h"
#include "platform/gdi/Gdi.h"
#include "skin/core/skDataSkinControls.h"
#include "skin/core/skUtils.h"
#include "skin/form/skSkinChange.h"
#include "skin/form/skSkinMessages.h"
#include "skin/form/skSkinViews.h"

#include <string>
#include <utility>
#include <vector>

namespace {

// A panel that counts how often it aligns its children.
class CountingPanel : public TPanel {
public:
    using TPanel::TPanel;
    int aligns = 0;

protected:
    void AlignControls(TControl* AControl, RECT& Rect) override
    {
        ++aligns;
        TPanel::AlignControls(AControl, Rect);
    }
};

class SkinViewsTest : public SkinFormTest {
protected:
    // A job list on a panel: the view fills it, the bars stand right and below.
    struct JobList {
        CountingPanel* panel;
        TskSkinListView* view;
        TskSkinScrollBar* vbar;
        TskSkinScrollBar* hbar;
    };
    JobList Make(TForm* f, int rows, int columnWidth = 90, TskSkinData* data = nullptr)
    {
        JobList j{};
        j.panel = new CountingPanel(f);
        j.panel->SetBounds(0, 0, 300, 200);
        j.panel->SetParent(f);
        j.hbar = new TskSkinScrollBar(f);
        j.hbar->SetAlign(TAlign::alBottom);
        j.hbar->SetHeight(17);
        j.hbar->SetParent(j.panel);
        j.vbar = new TskSkinScrollBar(f);
        j.vbar->SetKind(TScrollBarKind::sbVertical);
        j.vbar->SetSkinDataName("vscrollbar");
        j.vbar->SetAlign(TAlign::alRight);
        j.vbar->SetWidth(17);
        j.vbar->SetParent(j.panel);
        j.view = new TskSkinListView(f);
        j.view->SetAlign(TAlign::alClient);
        j.view->SetViewStyle(TViewStyle::vsReport);
        j.view->SetRowSelect(true);
        j.view->SetGridLines(true);
        for (const char* caption : {"文件", "格式", "大小"}) {
            TListColumn* c = j.view->Columns()->Add();
            c->SetCaption(caption);
            c->SetWidth(columnWidth);
        }
        for (int i = 0; i < rows; ++i) {
            TListItem* item = j.view->Items()->Add();
            item->SetCaption("clip" + std::to_string(i));
            item->SubItems()->Add("AVI");
            item->SubItems()->Add(std::to_string(i * 10) + " MB");
        }
        j.view->SetParent(j.panel);
        for (TskSkinScrollBar* b : {j.vbar, j.hbar})
            b->SetSkinData(data);
        j.view->SetSkinData(data);
        j.view->SetVScrollBar(j.vbar);
        j.view->SetHScrollBar(j.hbar);
        Pump();
        return j;
    }
    static int RowHeight(TskSkinListView* v)
    {
        const RECT r = v->Items()->Item(0)->DisplayRect(LVIR_BOUNDS);
        return r.bottom - r.top;
    }
};

TEST_F(SkinViewsTest, TheBarsShowByViewStyle)
{
    struct Case {
        TViewStyle style;
        int rows;
        int columnWidth;
        bool vertical, horizontal;
    };
    const Case cases[] = {
        {TViewStyle::vsReport, 3, 50, false, false},
        {TViewStyle::vsReport, 40, 50, true, false},
        {TViewStyle::vsReport, 3, 200, false, true},
        {TViewStyle::vsReport, 40, 200, true, true},
        {TViewStyle::vsList, 200, 50, false, true},  // the vertical bar never shows in list style
        {TViewStyle::vsList, 2, 50, false, false},
        {TViewStyle::vsSmallIcon, 300, 50, true, false},
    };
    for (const Case& c : cases) {
        TForm* f = ShownForm();
        JobList j = Make(f, c.rows, c.columnWidth);
        j.view->SetViewStyle(c.style);
        j.view->UpDateScrollBars();
        Pump();
        EXPECT_EQ(j.vbar->GetVisible(), c.vertical) << static_cast<int>(c.style) << " " << c.rows;
        EXPECT_EQ(j.hbar->GetVisible(), c.horizontal) << static_cast<int>(c.style) << " " << c.rows;
        EXPECT_EQ(j.hbar->GetBoth(), c.vertical);
        DoneApplication();
    }
}

TEST_F(SkinViewsTest, TheReportBarScrollsByRowsAndAnAlignedViewRealignsOnlyOnChanges)
{
    TForm* f = ShownForm();
    JobList j = Make(f, 3);
    const int aligns = j.panel->aligns;
    j.view->UpDateScrollBars();
    j.view->UpDateScrollBars();
    EXPECT_EQ(j.panel->aligns, aligns);
    for (int i = 3; i < 50; ++i)
        j.view->Items()->Add()->SetCaption("more");
    Pump();
    ASSERT_TRUE(j.vbar->GetVisible());
    EXPECT_GT(j.panel->aligns, aligns);
    const int perPage = j.view->VisibleRowCount();
    EXPECT_EQ(j.vbar->GetPageSize(), perPage);
    EXPECT_EQ(j.vbar->GetMax(), 49);
    EXPECT_EQ(j.vbar->GetLargeChange(), perPage);
    j.vbar->SetPosition(4);
    EXPECT_EQ(j.view->GetTopItem(), j.view->Items()->Item(4));
    j.vbar->SetPosition(1);
    EXPECT_EQ(j.view->GetTopItem(), j.view->Items()->Item(1));
    // Scrolling the view moves the bar.
    j.view->Scroll(0, 5 * RowHeight(j.view));
    Pump();
    EXPECT_EQ(j.vbar->GetPosition(), 6);
}

TEST_F(SkinViewsTest, TheListStyleBarSendsOneLineMessagePerStep)
{
    TForm* f = ShownForm();
    JobList j = Make(f, 200);
    j.view->SetViewStyle(TViewStyle::vsList);
    j.view->UpDateScrollBars();
    Pump();
    ASSERT_TRUE(j.hbar->GetVisible());
    std::vector<WPARAM> lines;
    TWndMethod old = j.view->WindowProc;
    j.view->WindowProc = [&, old](TMessage& m) {
        if (m.Msg == WM_HSCROLL)
            lines.push_back(m.WParam);
        old(m);
    };
    j.hbar->SetPosition(3);
    EXPECT_EQ(lines, (std::vector<WPARAM>{SB_LINERIGHT, SB_LINERIGHT, SB_LINERIGHT}));
    lines.clear();
    j.hbar->SetPosition(1);
    EXPECT_EQ(lines, (std::vector<WPARAM>{SB_LINELEFT, SB_LINELEFT}));
    j.view->WindowProc = old;
}

TEST_F(SkinViewsTest, TinyViewsLeaveTheirBarsAlone)
{
    TForm* f = ShownForm();
    JobList j = Make(f, 50);
    ASSERT_TRUE(j.vbar->GetVisible());
    j.view->SetAlign(TAlign::alNone);
    j.view->SetBounds(0, 0, 5, 100);
    j.vbar->SetVisible(false);
    j.view->UpDateScrollBars();
    Pump();
    EXPECT_FALSE(j.vbar->GetVisible());
}

TEST_F(SkinViewsTest, ViewsAnswerBorderPaintingWithoutPainting)
{
    auto data = skinform::ArtworkSkin(0);
    TForm* f = ShownForm();
    JobList j = Make(f, 3, 90, data.get());
    auto* tree = new TskSkinCustomTreeView(f);
    tree->SetBounds(0, 0, 120, 80);
    tree->SetParent(f);
    tree->SetSkinData(data.get());
    Pump();
    for (TControl* view : {static_cast<TControl*>(j.view), static_cast<TControl*>(tree)}) {
        bool untouched = false;
        EXPECT_EQ(skinform::PaintBorderToMarkedBitmap(view, untouched), SKM_BORDERPAINTED);
        EXPECT_TRUE(untouched);
    }
    RECT client = j.view->GetClientRect();
    EXPECT_EQ(client.right, j.view->GetWidth());  // no frame, no native bars
    EXPECT_EQ(client.bottom, j.view->GetHeight());
}

TEST_F(SkinViewsTest, HeaderSectionsComeFromTheSkinNormalAndPressedAndFollowASwitch)
{
    auto data = skinform::ArtworkSkin(0);
    TForm* f = ShownForm();
    JobList j = Make(f, 5, 90, data.get());
    ASSERT_TRUE(j.view->HeaderHandle());
    TBitmap picture;
    picture.SetSize(300, 40);
    for (int skin : {0, 2}) {
        if (skin == 2) {
            skinform::LoadArtworkSkin(data.get(), 2);
            NotifySkinChange(data.get(), f);  // the form's walk reaches the view
            kit.Advance(1000);  // the next press is no double click
        }
        auto& d = skinform::Described<TskDataSkinButtonControl>(*data, "resizetoolbutton");
        auto& lv = skinform::Described<TskDataSkinListView>(*data, "listview");
        EXPECT_EQ(j.view->GetColor(), lv.BGColor);
        // The header paints into a context it is given, which stays usable afterwards.
        HDC dc = picture.Canvas()->GetHandle();
        j.view->Perform(SKM_PAINTHEADERTO, reinterpret_cast<WPARAM>(dc), 0);
        EXPECT_EQ(GetPixel(dc, 1, 1),
                  skinform::PicturePixel(*data, d.PictureIndex, d.SkinRect.left + 1, d.SkinRect.top + 1))
            << skin;
        RECT section{};
        SendMessage(j.view->HeaderHandle(), HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&section));
        EXPECT_EQ(PixelOf(j.view, section.left + 1, 1),
                  skinform::PicturePixel(*data, d.PictureIndex, d.SkinRect.left + 1, d.SkinRect.top + 1))
            << skin;
        POINT p{section.left + 20, 5};
        ClientToScreen(j.view->HeaderHandle(), &p);
        kit.PressButton(p);
        Pump();
        const RECT active = RectHasNoArea(d.ActiveSkinRect) ? d.SkinRect : d.ActiveSkinRect;
        const RECT down = RectHasNoArea(d.DownSkinRect) ? active : d.DownSkinRect;
        EXPECT_EQ(PixelOf(j.view, section.left + 1, 1),
                  skinform::PicturePixel(*data, d.PictureIndex, down.left + 1, down.top + 1))
            << skin;
        kit.ReleaseButton(p);
        Pump();
        EXPECT_EQ(PixelOf(j.view, section.left + 1, 1),
                  skinform::PicturePixel(*data, d.PictureIndex, d.SkinRect.left + 1, d.SkinRect.top + 1))
            << skin;
    }
}

// A pressed section takes the down image, else the hot one, else the normal one; a header
// description of another kind gives the default look.
TEST_F(SkinViewsTest, PressedSectionsFallBackAndAForeignHeaderDescriptionPaintsTheDefault)
{
    constexpr COLORREF normal = RGB(200, 0, 0), hot = RGB(0, 200, 0), down = RGB(0, 0, 200);
    struct Case {
        const char* name;
        bool button;  // a button description, else a tab description under the header's name
        bool hasHot, hasDown;
        COLORREF up, pressed;
    };
    const Case cases[] = {
        {"down image", true, true, true, normal, down},
        {"hot image", true, true, false, normal, hot},
        {"normal image", true, false, false, normal, normal},
        {"another kind", false, false, false, ColorToRGB(clBtnFace), RGB(133, 147, 181)},
    };
    for (const Case& c : cases) {
        auto data = skinform::MadeSkin();
        const int pic = skinform::AddPicture(*data, 90, 20, normal);
        TCanvas* canvas = data->FActivePictures[static_cast<std::size_t>(pic)]->Canvas();
        for (auto [rect, color] : {std::pair{RECT{30, 0, 60, 20}, hot}, std::pair{RECT{60, 0, 90, 20}, down}}) {
            canvas->Brush()->SetColor(static_cast<TColor>(color));
            canvas->FillRect(rect);
        }
        if (c.button) {
            auto& d = skinform::AddDescription<TskDataSkinButtonControl>(*data, "resizetoolbutton");
            d.PictureIndex = pic;
            d.SkinRect = RECT{0, 0, 30, 20};
            d.ActiveSkinRect = c.hasHot ? RECT{30, 0, 60, 20} : RECT{};
            d.DownSkinRect = c.hasDown ? RECT{60, 0, 90, 20} : RECT{};
            d.LTPoint = POINT{3, 0};
            d.RTPoint = POINT{27, 0};
        } else {
            skinform::AddDescription<TskDataSkinTabControl>(*data, "resizetoolbutton");
        }
        TForm* f = ShownForm();
        JobList j = Make(f, 3, 90, data.get());
        RECT section{};
        SendMessage(j.view->HeaderHandle(), HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&section));
        const int x = section.right - 4, y = 3;  // right of the caption's room
        EXPECT_EQ(PixelOf(j.view, x, y), c.up) << c.name;
        POINT p{section.left + 20, 5};
        ClientToScreen(j.view->HeaderHandle(), &p);
        kit.PressButton(p);
        Pump();
        EXPECT_EQ(PixelOf(j.view, x, y), c.pressed) << c.name;
        kit.ReleaseButton(p);
        Pump();
        EXPECT_EQ(PixelOf(j.view, x, y), c.up) << c.name;
        DoneApplication();
    }
}

TEST_F(SkinViewsTest, TheDefaultHeaderPressesASectionUntilTheButtonGoesUp)
{
    TForm* f = ShownForm();
    JobList j = Make(f, 5);
    RECT section{};
    SendMessage(j.view->HeaderHandle(), HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&section));
    EXPECT_EQ(PixelOf(j.view, 0, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelOf(j.view, 3, 3), ColorToRGB(clBtnFace));
    POINT p{20, 5};
    ClientToScreen(j.view->HeaderHandle(), &p);
    kit.PressButton(p);
    Pump();
    EXPECT_EQ(PixelOf(j.view, 0, 0), ColorToRGB(clNavy));
    EXPECT_EQ(PixelOf(j.view, 3, 3), RGB(133, 147, 181));
    kit.ReleaseButton(p);
    Pump();
    EXPECT_EQ(PixelOf(j.view, 3, 3), ColorToRGB(clBtnFace));
}

// Hidden columns (zero width, held to one pixel) next to shown ones: a drag started on either
// side of a divider sizes the shown column on its left, never opens a hidden one, and the header
// paints no sliver of it.
TEST_F(SkinViewsTest, DragsNearHiddenColumnsSizeTheShownOnes)
{
    auto data = skinform::ArtworkSkin(0);
    for (TskSkinData* skin : {static_cast<TskSkinData*>(nullptr), data.get()}) {
        TForm* f = ShownForm();
        JobList j = Make(f, 3, 90, skin);
        TListColumns* columns = j.view->Columns();
        for (int i = 0; i < 2; ++i)
            columns->Add()->SetCaption("hidden");
        for (int c : {1, 3, 4}) {
            columns->Items(c)->SetWidth(0);
            columns->Items(c)->SetMaxWidth(1);
        }
        Pump();
        const HWND header = j.view->HeaderHandle();
        auto width = [&](int c) { return columns->Items(c)->GetWidth(); };
        auto strip = [&] {
            std::vector<COLORREF> out;
            for (int x = 0; x < 250; ++x)
                out.push_back(PixelOf(j.view, x, 3));
            return out;
        };
        auto drag = [&](int X, int By) {
            POINT from{X, 5};
            ClientToScreen(header, &from);
            kit.Drag(from, POINT{from.x + By, from.y});
            Pump();
            kit.Advance(1000);  // the next press is no double click
        };
        for (int offset : {-2, 0, 2, 3}) {
            SCOPED_TRACE("offset " + std::to_string(offset) + (skin ? ", skinned" : ", default look"));
            drag(90 + offset, 30);
            EXPECT_EQ(width(0), 120);
            drag(120 + 90 + offset, 20);
            EXPECT_EQ(width(2), 110);
            for (int c : {1, 3, 4})
                EXPECT_EQ(width(c), 0) << "column " << c;
            // The shown widths set by code with the hidden columns closed paint the same header.
            const std::vector<COLORREF> dragged = strip();
            const int shown[] = {width(0), width(2)};
            for (int c = 0; c < columns->Count(); ++c)
                columns->Items(c)->SetWidth(c == 0 ? shown[0] : c == 2 ? shown[1] : 0);
            Pump();
            EXPECT_EQ(strip(), dragged) << "no sliver of a hidden column";
            columns->Items(0)->SetWidth(90);
            columns->Items(2)->SetWidth(90);
            Pump();
        }
        DoneApplication();
    }
}

TEST_F(SkinViewsTest, TheTreeBarComesAndGoesWithExpansion)
{
    TForm* f = ShownForm();
    auto* panel = new CountingPanel(f);
    panel->SetBounds(0, 0, 200, 120);
    panel->SetParent(f);
    auto* vbar = new TskSkinScrollBar(f);
    vbar->SetKind(TScrollBarKind::sbVertical);
    vbar->SetAlign(TAlign::alRight);
    vbar->SetWidth(17);
    vbar->SetParent(panel);
    auto* tree = new TskSkinCustomTreeView(f);
    tree->SetAlign(TAlign::alClient);
    TTreeNode* root = tree->Items()->AddChild(nullptr, "主文件夹");
    for (int i = 0; i < 30; ++i)
        tree->Items()->AddChild(root, "文件夹 " + std::to_string(i));
    tree->SetParent(panel);
    tree->SetVScrollBar(vbar);
    Pump();
    EXPECT_FALSE(vbar->GetVisible());
    const int aligns = panel->aligns;
    root->Expand(false);
    Pump();
    EXPECT_TRUE(vbar->GetVisible());
    EXPECT_TRUE(IsWindowVisible(vbar->GetHandle()));
    EXPECT_EQ(PixelOf(vbar, 8, 3), ColorToRGB(clBtnFace));  // the down button's face
    EXPECT_EQ(vbar->GetMax(), 30);
    EXPECT_EQ(vbar->GetPageSize(), tree->VisibleCount());
    EXPECT_GT(panel->aligns, aligns);
    vbar->SetPosition(5);
    EXPECT_EQ(tree->GetTopItem(), root->Item(4));
    root->Collapse(false);
    Pump();
    EXPECT_FALSE(vbar->GetVisible());
}

} // namespace
