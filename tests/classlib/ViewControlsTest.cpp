// The list view, tree view and page control of the class library over their window classes.

#include "ControlTestSupport.h"

#include "classlib/ComCtrls.h"
#include "classlib/ExtCtrls.h"

#include <string>
#include <vector>

namespace {

class ViewControls : public ControlsTest {
protected:
    TListView* JobList(TForm* f, int rows)
    {
        auto* lv = new TListView(f);
        lv->SetBounds(0, 0, 300, 150);
        lv->SetViewStyle(TViewStyle::vsReport);
        lv->SetRowSelect(true);
        for (const char* caption : {"文件", "格式", "时长"}) {
            TListColumn* c = lv->Columns()->Add();
            c->SetCaption(caption);
            c->SetWidth(90);
        }
        for (int i = 0; i < rows; ++i) {
            TListItem* item = lv->Items()->Add();
            item->SetCaption("clip" + std::to_string(i) + ".avi");
            item->SubItems()->Add("MP4");
            item->SubItems()->Add("00:01:0" + std::to_string(i % 10));
        }
        lv->SetParent(f);
        return lv;
    }
    static std::string WindowText(TListView* lv, int item, int sub)
    {
        char buffer[64];
        LVITEM get;
        get.mask = LVIF_TEXT;
        get.iItem = item;
        get.iSubItem = sub;
        get.pszOut = buffer;
        get.cchTextMax = sizeof buffer;
        SendMessage(lv->GetHandle(), LVM_GETITEM, 0, reinterpret_cast<LPARAM>(&get));
        return buffer;
    }
};

TEST_F(ViewControls, TheListViewGivesItsItemsToEachNewWindow)
{
    TForm* f = ShownForm(300, 200);
    TListView* lv = JobList(f, 20);
    std::vector<std::string> children;
    TWndMethod old = lv->WindowProc;
    lv->WindowProc = [&, old](TMessage& m) {
        if (m.Msg == WM_PARENTNOTIFY && LOWORD(m.WParam) == WM_CREATE)
            children.push_back(GetClassName(reinterpret_cast<HWND>(m.LParam)));
        old(m);
    };
    Pump();
    EXPECT_EQ(SendMessage(lv->GetHandle(), LVM_GETITEMCOUNT, 0, 0), 20);
    EXPECT_EQ(WindowText(lv, 7, 0), "clip7.avi");
    EXPECT_EQ(WindowText(lv, 7, 2), "00:01:07");
    lv->Items()->Item(7)->SubItems()->Put(0, "AVI");
    EXPECT_EQ(WindowText(lv, 7, 1), "AVI");

    lv->Items()->Item(3)->SetSelected(true);
    lv->SetMultiSelect(true);  // a new window
    Pump();
    // The new window's header is created as its child and announced to the view.
    EXPECT_EQ(children, (std::vector<std::string>{"SysHeader32"}));
    EXPECT_EQ(SendMessage(lv->GetHandle(), LVM_GETITEMCOUNT, 0, 0), 20);
    EXPECT_EQ(lv->GetSelected(), lv->Items()->Item(3));
    EXPECT_EQ(WindowText(lv, 19, 0), "clip19.avi");
    lv->Items()->Delete(0);
    EXPECT_EQ(WindowText(lv, 0, 0), "clip1.avi");
    lv->Items()->Clear();
    EXPECT_EQ(SendMessage(lv->GetHandle(), LVM_GETITEMCOUNT, 0, 0), 0);
}

TEST_F(ViewControls, ClicksOnTheListViewReportTheChangedItems)
{
    TForm* f = ShownForm(300, 200);
    TListView* lv = JobList(f, 10);
    Pump();
    std::vector<int> changed;
    lv->OnChange = [&](TObject*, TListItem* item, TItemChange) { changed.push_back(item->GetIndex()); };
    const RECT row = lv->Items()->Item(4)->DisplayRect(LVIR_BOUNDS);
    Click(lv, 150, row.top + 3);
    EXPECT_EQ(lv->GetSelected(), lv->Items()->Item(4));
    EXPECT_EQ(changed, (std::vector<int>{4}));
    EXPECT_EQ(lv->GetItemAt(150, row.top + 3), lv->Items()->Item(4));
    lv->Scroll(0, 2 * (row.bottom - row.top));
    EXPECT_EQ(lv->GetTopItem(), lv->Items()->Item(2));
}

TEST_F(ViewControls, TheListViewReportsEachItemThatGainsOrLosesTheSelection)
{
    TForm* f = ShownForm(300, 200);
    TListView* lv = JobList(f, 10);
    Pump();
    std::vector<std::string> log;
    lv->OnSelectItem = [&](TObject*, TListItem* item, bool selected) {
        log.push_back(std::to_string(item->GetIndex()) + (selected ? "+" : "-"));
    };
    Click(lv, 150, lv->Items()->Item(4)->DisplayRect(LVIR_BOUNDS).top + 3);
    Click(lv, 150, lv->Items()->Item(6)->DisplayRect(LVIR_BOUNDS).top + 3);
    lv->SetSelected(lv->Items()->Item(2));
    lv->Items()->Item(2)->SetSelected(true);
    EXPECT_EQ(log, (std::vector<std::string>{"4+", "4-", "6+", "2+", "6-"}));
}

TEST_F(ViewControls, TheTreeViewKeepsItsNodesAndAsksBeforeExpanding)
{
    TForm* f = ShownForm(300, 200);
    auto* tv = new TTreeView(f);
    tv->SetBounds(0, 0, 200, 150);
    TTreeNode* home = tv->Items()->AddChild(nullptr, "主文件夹");
    TTreeNode* videos = tv->Items()->AddChild(home, "视频");
    tv->Items()->AddChild(videos, "2026");
    tv->Items()->AddChild(home, "音乐");
    tv->SetParent(f);
    Pump();
    EXPECT_EQ(SendMessage(tv->GetHandle(), TVM_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(tv->Items()->Count(), 4);
    EXPECT_EQ(tv->Items()->Item(2)->GetText(), "2026");

    std::vector<std::string> log;
    tv->OnExpanding = [&](TObject*, TTreeNode* n, bool& allow) {
        log.push_back("expanding " + n->GetText());
        allow = n != videos;
    };
    tv->OnExpanded = [&](TObject*, TTreeNode* n) { log.push_back("expanded " + n->GetText()); };
    tv->OnChange = [&](TObject*, TTreeNode* n) { log.push_back("selected " + (n ? n->GetText() : "")); };
    home->Expand(false);
    videos->Expand(false);
    EXPECT_TRUE(home->GetExpanded());
    EXPECT_FALSE(videos->GetExpanded());
    EXPECT_EQ(tv->Items()->Item(2)->DisplayRect(false), RECT{});  // inside the collapsed node
    tv->SetSelected(videos);
    EXPECT_EQ(log, (std::vector<std::string>{"expanding 主文件夹", "expanded 主文件夹", "expanding 视频",
                                             "selected 视频"}));
    EXPECT_TRUE(videos->GetSelected());

    tv->SetShowLines(false);  // a new window
    Pump();
    EXPECT_EQ(SendMessage(tv->GetHandle(), TVM_GETCOUNT, 0, 0), 4);
    EXPECT_TRUE(home->GetExpanded());
    EXPECT_EQ(tv->GetSelected(), videos);
    EXPECT_NE(videos->DisplayRect(true), RECT{});
    tv->Items()->Delete(videos);
    EXPECT_EQ(tv->GetSelected(), nullptr);
    EXPECT_EQ(SendMessage(tv->GetHandle(), TVM_GETCOUNT, 0, 0), 2);
}

class ShiftedPages : public TPageControl {
public:
    using TPageControl::TPageControl;
    void Dispatch(TMessage& Message) override
    {
        TPageControl::Dispatch(Message);
        if (Message.Msg == TCM_ADJUSTRECT && Message.WParam == FALSE)
            reinterpret_cast<RECT*>(Message.LParam)->left += 10;
    }
};

TEST_F(ViewControls, ThePageControlShowsThePageOfTheChosenTab)
{
    TForm* f = ShownForm(300, 200);
    auto* pc = new ShiftedPages(f);
    pc->SetBounds(0, 0, 300, 200);
    pc->SetTabWidth(80);
    pc->SetTabHeight(20);
    std::vector<TTabSheet*> sheets;
    for (const char* caption : {"常规", "视频", "音频"}) {
        auto* s = new TTabSheet(f);
        s->SetCaption(caption);
        s->SetPageControl(pc);
        sheets.push_back(s);
    }
    pc->SetParent(f);
    Pump();
    EXPECT_EQ(pc->GetActivePage(), sheets[0]);
    EXPECT_TRUE(sheets[0]->GetVisible());
    EXPECT_FALSE(sheets[1]->GetVisible());
    EXPECT_EQ(SendMessage(pc->GetHandle(), TCM_GETITEMCOUNT, 0, 0), 3);
    // The sheet takes the display rectangle as the control (and its subclass) answer it.
    EXPECT_EQ(sheets[0]->GetBoundsRect(), (RECT{14, 26, 296, 196}));

    int changes = 0;
    pc->OnChange = [&](TObject*) { ++changes; };
    Click(pc, 100, 10);
    EXPECT_EQ(pc->GetActivePage(), sheets[1]);
    EXPECT_TRUE(sheets[1]->GetVisible());
    EXPECT_FALSE(sheets[0]->GetVisible());
    EXPECT_EQ(changes, 1);
    pc->OnChanging = [](TObject*, bool& allow) { allow = false; };
    Click(pc, 180, 10);
    EXPECT_EQ(pc->GetActivePage(), sheets[1]);
    pc->OnChanging = nullptr;

    sheets[0]->SetTabVisible(false);
    EXPECT_EQ(SendMessage(pc->GetHandle(), TCM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(sheets[1]->GetTabIndex(), 0);
    EXPECT_EQ(pc->GetTabIndex(), 0);
    EXPECT_EQ(pc->PageForTab(1), sheets[2]);
    EXPECT_EQ(pc->TabRect(1), (RECT{82, 2, 162, 22}));
    pc->SelectNextPage(true);
    EXPECT_EQ(pc->GetActivePage(), sheets[2]);
    EXPECT_EQ(changes, 2);
    sheets[2]->Free();
    EXPECT_EQ(pc->PageCount(), 2);
    EXPECT_NE(pc->GetActivePage(), nullptr);
}

} // namespace

namespace {

// A control whose new window makes a hidden sibling visible (as a view shows its scroll bar).
class ShowsSibling : public TCustomControl {
public:
    ShowsSibling(TComponent* owner, TControl* sibling) : TCustomControl(owner), FSibling(sibling) {}

protected:
    void CreateWnd() override
    {
        TCustomControl::CreateWnd();
        FSibling->SetVisible(true);
    }

private:
    TControl* FSibling;
};

TEST_F(ViewControls, AChildMadeVisibleWhileItsParentIsBeingShownGetsItsWindow)
{
    TForm* f;
    Application->CreateForm(f);
    auto* panel = new TPanel(f);
    panel->SetParent(f);
    auto* bar = new TPanel(f);
    bar->SetVisible(false);
    bar->SetParent(panel);
    auto* view = new ShowsSibling(f, bar);
    view->SetParent(panel);
    f->Show();
    Pump();
    ASSERT_TRUE(bar->HandleAllocated());
    EXPECT_TRUE(IsWindowVisible(bar->GetHandle()));
}

} // namespace
