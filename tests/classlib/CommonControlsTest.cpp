// The common control window classes driven by their messages: header, list view, tree view,
// tab control and up-down.

#include "classlib/CommCtrl.h"
#include "platform/testkit/WindowTestKit.h"
#include "platform/win/Rect.h"
#include "platform/window/User.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <optional>
#include <vector>

namespace {

// A parent window that records the notifications and scroll messages of its children; a
// handler may answer WM_NOTIFY.
class CommonControls : public testing::Test {
protected:
    CommonControls()
    {
        current = this;
        RegisterCommonControls();
        WNDCLASS wc;
        wc.lpfnWndProc = &Parent;
        wc.lpszClassName = "Host";
        RegisterClass(&wc);
        host = CreateWindowEx(0, "Host", "", WS_POPUP | WS_VISIBLE, 100, 100, 400, 300, nullptr, nullptr, nullptr, nullptr);
    }
    ~CommonControls() override { current = nullptr; }

    HWND Make(const char* cls, DWORD style, RECT r)
    {
        return CreateWindowEx(0, cls, "", WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                              r.bottom - r.top, host, nullptr, nullptr, nullptr);
    }
    std::vector<int> Codes() const
    {
        std::vector<int> out;
        for (const auto& n : notes)
            out.push_back(n.code);
        return out;
    }
    static LRESULT Parent(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        if (current && msg == WM_NOTIFY) {
            const auto* n = reinterpret_cast<const NMHDR*>(lParam);
            current->notes.push_back(*n);
            if (current->answer)
                if (auto a = current->answer(n))
                    return *a;
            return 0;
        }
        if (current && (msg == WM_HSCROLL || msg == WM_VSCROLL))
            current->scrolls.push_back(MSG{hwnd, msg, wParam, lParam, 0, {}});
        return DefWindowProc(hwnd, msg, wParam, lParam);
    }
    POINT Screen(HWND hwnd, int x, int y)
    {
        POINT p{x, y};
        ClientToScreen(hwnd, &p);
        return p;
    }

    static inline CommonControls* current = nullptr;
    WindowTestKit kit;
    HWND host = nullptr;
    std::vector<NMHDR> notes;
    std::vector<MSG> scrolls;
    std::function<std::optional<LRESULT>(const NMHDR*)> answer;
};

void AddSection(HWND header, int index, int width, const char* text)
{
    HDITEM item;
    item.mask = HDI_WIDTH | HDI_TEXT;
    item.cxy = width;
    item.pszText = text;
    SendMessage(header, HDM_INSERTITEM, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

RECT SectionRect(HWND header, int index)
{
    RECT r{};
    SendMessage(header, HDM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return r;
}

// What HDM_HITTEST answers at x (y inside the header): the flags and the section.
struct HitCase {
    int x;
    UINT flags;
    int item;
};
void ExpectHits(HWND header, std::initializer_list<HitCase> cases)
{
    for (const HitCase& c : cases) {
        HDHITTESTINFO hit;
        hit.pt = POINT{c.x, 5};
        EXPECT_EQ(SendMessage(header, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), c.item) << c.x;
        EXPECT_EQ(hit.flags, c.flags) << c.x;
    }
}

TEST_F(CommonControls, HeaderSectionsFollowTheOrderAndAnswerHitTests)
{
    HWND header = Make(WC_HEADER, HDS_BUTTONS, RECT{0, 0, 300, 20});
    AddSection(header, 0, 100, "a");
    AddSection(header, 1, 60, "b");
    AddSection(header, 2, 80, "c");
    EXPECT_EQ(SendMessage(header, HDM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(SectionRect(header, 1), (RECT{100, 0, 160, 20}));

    ExpectHits(header, {{10, HHT_ONHEADER, 0}, {98, HHT_ONDIVIDER, 0}, {102, HHT_ONDIVIDER, 0}, {130, HHT_ONHEADER, 1},
                        {239, HHT_ONDIVIDER, 2}, {260, HHT_TORIGHT, -1}});

    const int order[] = {2, 0, 1};
    EXPECT_TRUE(SendMessage(header, HDM_SETORDERARRAY, 3, reinterpret_cast<LPARAM>(order)));
    EXPECT_EQ(SectionRect(header, 2), (RECT{0, 0, 80, 20}));
    EXPECT_EQ(SectionRect(header, 0), (RECT{80, 0, 180, 20}));
    int back[3] = {};
    EXPECT_TRUE(SendMessage(header, HDM_GETORDERARRAY, 3, reinterpret_cast<LPARAM>(back)));
    EXPECT_EQ(std::vector<int>(back, back + 3), (std::vector<int>{2, 0, 1}));
    const int bad[] = {0, 0, 1};
    EXPECT_FALSE(SendMessage(header, HDM_SETORDERARRAY, 3, reinterpret_cast<LPARAM>(bad)));
    EXPECT_FALSE(SendMessage(header, HDM_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&back)));
}

TEST_F(CommonControls, DraggingADividerSizesTheSectionAndAClickReportsIt)
{
    HWND header = Make(WC_HEADER, HDS_BUTTONS, RECT{0, 0, 300, 20});
    AddSection(header, 0, 100, "a");
    AddSection(header, 1, 60, "b");
    notes.clear();
    kit.PressButton(Screen(header, 100, 5));
    kit.MoveMouse(Screen(header, 130, 5));
    kit.ReleaseButton(Screen(header, 130, 5));
    kit.Pump();
    EXPECT_EQ(SectionRect(header, 0), (RECT{0, 0, 130, 20}));
    EXPECT_EQ(Codes(), (std::vector<int>{HDN_BEGINTRACK, HDN_ITEMCHANGING, HDN_TRACK, HDN_ITEMCHANGED, HDN_ENDTRACK}));
    notes.clear();
    kit.Click(Screen(header, 150, 5));
    kit.Pump();
    ASSERT_EQ(Codes(), (std::vector<int>{HDN_ITEMCLICK}));

    // The parent may hold the width asked for, or refuse the change.
    auto drag = [&](int From, int To) {
        kit.PressButton(Screen(header, From, 5));
        kit.MoveMouse(Screen(header, To, 5));
        kit.ReleaseButton(Screen(header, To, 5));
        kit.Pump();
    };
    answer = [](const NMHDR* n) -> std::optional<LRESULT> {
        if (n->code == HDN_ITEMCHANGING)
            reinterpret_cast<const NMHEADER*>(n)->pitem->cxy = std::min(reinterpret_cast<const NMHEADER*>(n)->pitem->cxy, 110);
        return std::nullopt;
    };
    drag(130, 180);
    EXPECT_EQ(SectionRect(header, 0), (RECT{0, 0, 110, 20}));
    answer = [](const NMHDR* n) -> std::optional<LRESULT> {
        return n->code == HDN_ITEMCHANGING ? std::optional<LRESULT>(TRUE) : std::nullopt;
    };
    drag(110, 60);
    EXPECT_EQ(SectionRect(header, 0), (RECT{0, 0, 110, 20}));
}

// Zero-width sections: left of a divider the shown section on its left is sized, right of it
// the first zero-width section after it opens; a parent that refuses the opening (at
// HDN_BEGINTRACK) gets the shown section sized instead, from anywhere on the divider.
TEST_F(CommonControls, ZeroWidthSectionsNeverHideTheDividerOfTheShownOne)
{
    HWND header = Make(WC_HEADER, HDS_BUTTONS, RECT{0, 0, 300, 20});
    const int widths[] = {0, 100, 0, 60, 50, 0, 0};
    for (int i = 0; i < 7; ++i)
        AddSection(header, i, widths[i], "s");
    ExpectHits(header, {{1, HHT_ONDIVOPEN, 0},   {5, HHT_ONHEADER, 1},    {97, HHT_ONDIVIDER, 1},  {99, HHT_ONDIVIDER, 1},
                        {100, HHT_ONDIVOPEN, 2}, {103, HHT_ONDIVOPEN, 2}, {104, HHT_ONHEADER, 3},  {158, HHT_ONDIVIDER, 3},
                        {160, HHT_ONDIVIDER, 3}, {163, HHT_ONDIVIDER, 3}, {209, HHT_ONDIVIDER, 4}, {210, HHT_ONDIVOPEN, 5},
                        {213, HHT_ONDIVOPEN, 5}, {214, HHT_TORIGHT, -1}});

    auto drag = [&](int From, int To) {
        kit.PressButton(Screen(header, From, 5));
        kit.MoveMouse(Screen(header, To, 5));
        kit.ReleaseButton(Screen(header, To, 5));
        kit.Pump();
    };
    auto width = [&](int i) { return SectionRect(header, i).right - SectionRect(header, i).left; };
    // Refused openings size the shown section on the divider's left.
    answer = [&](const NMHDR* n) -> std::optional<LRESULT> {
        if (n->code == HDN_BEGINTRACK && width(reinterpret_cast<const NMHEADER*>(n)->iItem) == 0)
            return TRUE;
        return std::nullopt;
    };
    for (int from : {97, 100, 102}) {
        drag(from, from + 10);
        EXPECT_EQ(width(1), 110) << from;
        EXPECT_EQ(width(2), 0) << from;
        drag(from + 10, from);
    }
    drag(212, 232);
    EXPECT_EQ(width(4), 70);
    EXPECT_EQ(width(5) + width(6), 0);
    drag(1, 30);
    EXPECT_EQ(width(0), 0);
    EXPECT_EQ(width(1), 100);

    // Allowed, the opening shows the section, whose own divider is then found right of it; the
    // shown section keeps its divider.
    answer = nullptr;
    drag(102, 110);
    EXPECT_EQ(width(2), 8);
    EXPECT_EQ(width(1), 100);
    drag(98, 118);
    EXPECT_EQ(width(1), 120);
    EXPECT_EQ(width(2), 8);
}

class ListViewTest : public CommonControls {
protected:
    HWND Report(int rows, RECT r = RECT{0, 0, 300, 200})
    {
        HWND lv = Make(WC_LISTVIEW, LVS_REPORT, r);
        const char* captions[] = {"名称", "size", "kind"};
        for (int c = 0; c < 3; ++c) {
            LVCOLUMN col;
            col.mask = LVCF_TEXT | LVCF_WIDTH;
            col.pszText = captions[c];
            col.cx = 100 + 20 * c;
            SendMessage(lv, LVM_INSERTCOLUMN, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&col));
        }
        for (int i = 0; i < rows; ++i) {
            std::string text = "row " + std::to_string(i);
            LVITEM item;
            item.mask = LVIF_TEXT;
            item.iItem = i;
            item.pszText = text.c_str();
            SendMessage(lv, LVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&item));
            item.iSubItem = 1;
            item.pszText = "sub";
            SendMessage(lv, LVM_SETITEM, 0, reinterpret_cast<LPARAM>(&item));
        }
        return lv;
    }
    static RECT Bounds(HWND lv, int i)
    {
        RECT r{LVIR_BOUNDS, 0, 0, 0};
        SendMessage(lv, LVM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
        return r;
    }
};

TEST_F(ListViewTest, AReportScrollsByRowsVerticallyAndPixelsHorizontally)
{
    HWND lv = Report(100);
    auto header = reinterpret_cast<HWND>(SendMessage(lv, LVM_GETHEADER, 0, 0));
    ASSERT_TRUE(header);
    EXPECT_EQ(GetClassName(header), "SysHeader32");
    EXPECT_EQ(SendMessage(header, HDM_GETITEMCOUNT, 0, 0), 3);
    RECT headerRect;
    GetClientRect(header, &headerRect);
    const RECT first = Bounds(lv, 0);
    const int rowHeight = first.bottom - first.top;
    EXPECT_EQ(first.top, headerRect.bottom);
    EXPECT_EQ(first.right - first.left, 360);
    RECT client;
    GetClientRect(lv, &client);
    const int perPage = (client.bottom - headerRect.bottom) / rowHeight;
    EXPECT_EQ(SendMessage(lv, LVM_GETCOUNTPERPAGE, 0, 0), perPage);
    EXPECT_EQ(SendMessage(lv, LVM_GETITEMCOUNT, 0, 0), 100);

    int lo = -1, hi = -1;
    GetScrollRange(lv, SB_VERT, &lo, &hi);
    EXPECT_EQ(hi, 99);
    GetScrollRange(lv, SB_HORZ, &lo, &hi);
    EXPECT_EQ(hi, 359);
    EXPECT_EQ(client.right, 300 - GetSystemMetrics(SM_CXVSCROLL));

    SendMessage(lv, LVM_SCROLL, 0, 3 * rowHeight);
    EXPECT_EQ(SendMessage(lv, LVM_GETTOPINDEX, 0, 0), 3);
    EXPECT_EQ(Bounds(lv, 3).top, headerRect.bottom);
    SendMessage(lv, WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(GetScrollPos(lv, SB_VERT), 3 + perPage);
    SendMessage(lv, WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(GetScrollPos(lv, SB_VERT), 100 - perPage);
    SendMessage(lv, LVM_SCROLL, 25, 0);
    EXPECT_EQ(GetScrollPos(lv, SB_HORZ), 25);
    EXPECT_EQ(Bounds(lv, 0).left, -25);
    RECT placed;
    GetWindowRect(header, &placed);
    MapWindowPoints(nullptr, lv, reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_EQ(placed.left, -25);
}

TEST_F(ListViewTest, ListStyleScrollsByColumnsAndHasNoVerticalRange)
{
    HWND lv = Report(40, RECT{0, 0, 200, 100});
    SetWindowLongPtr(lv, GWL_STYLE, (GetWindowLongPtr(lv, GWL_STYLE) & ~LVS_TYPEMASK) | LVS_LIST);
    EXPECT_EQ(SendMessage(lv, LVM_GETHEADER, 0, 0), 0);
    EXPECT_EQ(GetWindowLongPtr(lv, GWL_STYLE) & WS_VSCROLL, 0);
    EXPECT_NE(GetWindowLongPtr(lv, GWL_STYLE) & WS_HSCROLL, 0);
    const RECT a = Bounds(lv, 0);
    RECT client;
    GetClientRect(lv, &client);
    const int perColumn = client.bottom / (a.bottom - a.top);
    EXPECT_EQ(Bounds(lv, perColumn).left, a.right);  // the next column
    SendMessage(lv, WM_HSCROLL, SB_LINERIGHT, 0);
    SendMessage(lv, WM_HSCROLL, SB_LINERIGHT, 0);
    EXPECT_EQ(SendMessage(lv, LVM_GETTOPINDEX, 0, 0), 2 * perColumn);
    EXPECT_EQ(Bounds(lv, 2 * perColumn).left, 0);
}

TEST_F(ListViewTest, ClicksAndKeysSelectRowsAndTellTheParent)
{
    HWND lv = Report(30);
    SendMessage(lv, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    const RECT row2 = Bounds(lv, 2);
    notes.clear();
    kit.Click(Screen(lv, 200, row2.top + 2));
    kit.Pump();
    EXPECT_EQ(SendMessage(lv, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 2);
    EXPECT_EQ(Codes(), (std::vector<int>{LVN_ITEMCHANGED, NM_CLICK}));
    kit.PressKey(VK_END);
    kit.Pump();
    EXPECT_EQ(SendMessage(lv, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 29);
    EXPECT_EQ(SendMessage(lv, LVM_GETTOPINDEX, 0, 0), 30 - SendMessage(lv, LVM_GETCOUNTPERPAGE, 0, 0));
    kit.PressKey(VK_UP);
    kit.Pump();
    EXPECT_EQ(SendMessage(lv, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 28);
    char buffer[16];
    LVITEM get;
    get.mask = LVIF_TEXT;
    get.iItem = 28;
    get.iSubItem = 1;
    get.pszOut = buffer;
    get.cchTextMax = sizeof buffer;
    EXPECT_TRUE(SendMessage(lv, LVM_GETITEM, 0, reinterpret_cast<LPARAM>(&get)));
    EXPECT_STREQ(buffer, "sub");
}

TEST_F(ListViewTest, DraggingAHeaderDividerWidensTheColumn)
{
    HWND lv = Report(5);
    auto header = reinterpret_cast<HWND>(SendMessage(lv, LVM_GETHEADER, 0, 0));
    kit.PressButton(Screen(header, 100, 5));
    kit.MoveMouse(Screen(header, 140, 5));
    kit.ReleaseButton(Screen(header, 140, 5));
    kit.Pump();
    EXPECT_EQ(SendMessage(lv, LVM_GETCOLUMNWIDTH, 0, 0), 140);
    EXPECT_EQ(Bounds(lv, 0).right, 400);
}

class TreeViewTest : public CommonControls {
protected:
    HTREEITEM Add(HWND tv, HTREEITEM parent, const char* text)
    {
        TVINSERTSTRUCT ins;
        ins.hParent = parent;
        ins.hInsertAfter = TVI_LAST;
        ins.item.mask = TVIF_TEXT;
        ins.item.pszText = text;
        return reinterpret_cast<HTREEITEM>(SendMessage(tv, TVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&ins)));
    }
    HTREEITEM FirstVisible(HWND tv)
    {
        return reinterpret_cast<HTREEITEM>(SendMessage(tv, TVM_GETNEXTITEM, TVGN_FIRSTVISIBLE, 0));
    }
};

TEST_F(TreeViewTest, ExpandingChangesTheRowsAndTheScrollRange)
{
    HWND tv = Make(WC_TREEVIEW, TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT, RECT{0, 0, 200, 100});
    HTREEITEM root = Add(tv, TVI_ROOT, "root");
    std::vector<HTREEITEM> kids;
    for (int i = 0; i < 20; ++i)
        kids.push_back(Add(tv, root, ("child " + std::to_string(i)).c_str()));
    Add(tv, kids[0], "grandchild");
    EXPECT_EQ(SendMessage(tv, TVM_GETCOUNT, 0, 0), 22);
    int lo = -1, hi = -1;
    GetScrollRange(tv, SB_VERT, &lo, &hi);
    EXPECT_EQ(hi, 0);
    EXPECT_EQ(GetWindowLongPtr(tv, GWL_STYLE) & WS_VSCROLL, 0);

    notes.clear();
    answer = [](const NMHDR* n) -> std::optional<LRESULT> {
        if (n->code == TVN_ITEMEXPANDING)
            return TRUE;
        return std::nullopt;
    };
    EXPECT_FALSE(SendMessage(tv, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(root)));
    answer = nullptr;
    EXPECT_TRUE(SendMessage(tv, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(root)));
    EXPECT_EQ(Codes(), (std::vector<int>{TVN_ITEMEXPANDING, TVN_ITEMEXPANDING, TVN_ITEMEXPANDED}));
    GetScrollRange(tv, SB_VERT, &lo, &hi);
    EXPECT_EQ(hi, 20);  // the root and its twenty children
    EXPECT_NE(GetWindowLongPtr(tv, GWL_STYLE) & WS_VSCROLL, 0);
    const auto visible = SendMessage(tv, TVM_GETVISIBLECOUNT, 0, 0);
    RECT client;
    GetClientRect(tv, &client);
    EXPECT_EQ(visible, client.bottom / SendMessage(tv, TVM_GETITEMHEIGHT, 0, 0));
    SCROLLINFO info;
    info.fMask = SIF_PAGE;
    GetScrollInfo(tv, SB_VERT, &info);
    EXPECT_EQ(static_cast<LRESULT>(info.nPage), visible);

    // A hidden node has no rectangle; a shown one has its row.
    RECT r{};
    std::memcpy(static_cast<void*>(&r), &kids[3], sizeof(HTREEITEM));
    EXPECT_TRUE(SendMessage(tv, TVM_GETITEMRECT, FALSE, reinterpret_cast<LPARAM>(&r)));
    EXPECT_EQ(r.top, 4 * SendMessage(tv, TVM_GETITEMHEIGHT, 0, 0));
    HTREEITEM grandchild = reinterpret_cast<HTREEITEM>(SendMessage(tv, TVM_GETNEXTITEM, TVGN_CHILD,
                                                                   reinterpret_cast<LPARAM>(kids[0])));
    std::memcpy(static_cast<void*>(&r), &grandchild, sizeof(HTREEITEM));
    EXPECT_FALSE(SendMessage(tv, TVM_GETITEMRECT, FALSE, reinterpret_cast<LPARAM>(&r)));

    SendMessage(tv, TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(root));
    EXPECT_EQ(GetWindowLongPtr(tv, GWL_STYLE) & WS_VSCROLL, 0);
    EXPECT_TRUE(SendMessage(tv, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(root)));
    EXPECT_EQ(SendMessage(tv, TVM_GETCOUNT, 0, 0), 0);
    EXPECT_FALSE(SendMessage(tv, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(root)));
}

TEST_F(TreeViewTest, TheVerticalThumbPositionIsReadFromTheScrollInformation)
{
    HWND tv = Make(WC_TREEVIEW, 0, RECT{0, 0, 200, 100});
    std::vector<HTREEITEM> items;
    for (int i = 0; i < 30; ++i)
        items.push_back(Add(tv, TVI_ROOT, "item"));
    SCROLLINFO info;
    info.fMask = SIF_POS;
    info.nPos = 7;
    SetScrollInfo(tv, SB_VERT, &info, TRUE);
    SendMessage(tv, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 2), 0);
    EXPECT_EQ(FirstVisible(tv), items[7]);
    SendMessage(tv, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(FirstVisible(tv), items[8]);
}

TEST_F(TreeViewTest, ClicksSelectAndTheButtonToggles)
{
    HWND tv = Make(WC_TREEVIEW, TVS_HASBUTTONS | TVS_LINESATROOT, RECT{0, 0, 200, 150});
    HTREEITEM a = Add(tv, TVI_ROOT, "a");
    Add(tv, a, "a1");
    HTREEITEM b = Add(tv, TVI_ROOT, "b");
    const int h = static_cast<int>(SendMessage(tv, TVM_GETITEMHEIGHT, 0, 0));
    kit.Click(Screen(tv, 8, h / 2));  // a's button
    kit.Pump();
    TVITEM item;
    item.mask = TVIF_STATE;
    item.hItem = a;
    item.stateMask = TVIS_EXPANDED;
    SendMessage(tv, TVM_GETITEM, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(item.state, TVIS_EXPANDED);
    notes.clear();
    kit.Click(Screen(tv, 22, 2 * h + h / 2));  // b's label, below a1
    kit.Pump();
    EXPECT_EQ(reinterpret_cast<HTREEITEM>(SendMessage(tv, TVM_GETNEXTITEM, TVGN_CARET, 0)), b);
    ASSERT_GE(notes.size(), 2u);
    EXPECT_EQ(notes[0].code, TVN_SELCHANGING);
    EXPECT_EQ(notes[1].code, TVN_SELCHANGED);
    kit.PressKey(VK_UP);
    kit.Pump();
    EXPECT_NE(reinterpret_cast<HTREEITEM>(SendMessage(tv, TVM_GETNEXTITEM, TVGN_CARET, 0)), b);
}

class TabTest : public CommonControls {
protected:
    HWND Tabs(DWORD style, int count, RECT r = RECT{0, 0, 200, 150})
    {
        HWND tc = Make(WC_TABCONTROL, style | TCS_FIXEDWIDTH, r);
        SendMessage(tc, TCM_SETITEMSIZE, 0, MAKELPARAM(60, 20));
        for (int i = 0; i < count; ++i) {
            TCITEM item;
            item.mask = TCIF_TEXT;
            item.pszText = "tab";
            SendMessage(tc, TCM_INSERTITEM, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        }
        return tc;
    }
    static RECT ItemRect(HWND tc, int i)
    {
        RECT r{};
        SendMessage(tc, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
        return r;
    }
    static HWND Arrows(HWND tc)
    {
        for (HWND c = GetWindow(tc, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
            if (GetClassName(c) == UPDOWN_CLASS)
                return c;
        return nullptr;
    }
};

TEST_F(TabTest, TabsSitOnTheirSideAndTheDisplayRectangleLeavesThemOut)
{
    struct Case {
        DWORD style;
        RECT second;
        RECT display;
    };
    const Case cases[] = {
        {0, RECT{62, 2, 122, 22}, RECT{4, 26, 396, 146}},
        {TCS_BOTTOM, RECT{62, 128, 122, 148}, RECT{4, 4, 396, 126}},
        {TCS_VERTICAL, RECT{2, 60, 22, 120}, RECT{24, 4, 396, 146}},
        {TCS_VERTICAL | TCS_RIGHT, RECT{378, 60, 398, 120}, RECT{4, 4, 376, 146}},
    };
    for (const Case& c : cases) {
        HWND tc = Tabs(c.style, 3, RECT{0, 0, 400, 150});
        EXPECT_EQ(ItemRect(tc, 1), c.second) << c.style;
        RECT r{0, 0, 400, 150};
        SendMessage(tc, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
        EXPECT_EQ(r, c.display) << c.style;
        SendMessage(tc, TCM_ADJUSTRECT, TRUE, reinterpret_cast<LPARAM>(&r));
        EXPECT_EQ(r, (RECT{0, 0, 400, 150}));
        DestroyWindow(tc);
    }
}

TEST_F(TabTest, AnOverflowingRowGetsArrowsThatMoveItsStart)
{
    HWND tc = Tabs(0, 5);  // 300 pixels of tabs in 200
    HWND arrows = Arrows(tc);
    ASSERT_TRUE(arrows);
    int lo = -1, hi = -1;
    SendMessage(arrows, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lo), reinterpret_cast<LPARAM>(&hi));
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 3);  // with tab 3 first, tabs 3 and 4 fit beside the arrows
    SendMessage(tc, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 2), 0);
    EXPECT_EQ(ItemRect(tc, 2).left, 2);
    EXPECT_EQ(ItemRect(tc, 1).right, 2);
    kit.Click(Screen(arrows, 30, 10));  // the right half: one further
    kit.Pump();
    EXPECT_EQ(ItemRect(tc, 3).left, 2);
    SetWindowPos(tc, nullptr, 0, 0, 400, 150, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(Arrows(tc), nullptr);
    EXPECT_EQ(ItemRect(tc, 0).left, 2);
}

TEST_F(TabTest, ArrowsTheOwnerDestroyedDoNotComeBackAndTheRowStillScrolls)
{
    HWND tc = Tabs(0, 5);
    DestroyWindow(Arrows(tc));
    SendMessage(tc, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 1), 0);
    SendMessage(tc, TCM_SETCURSEL, 3, 0);
    EXPECT_EQ(Arrows(tc), nullptr);
    EXPECT_EQ(ItemRect(tc, 1).left, 2);
}

TEST_F(TabTest, AClickChoosesATabUnlessTheParentRefuses)
{
    HWND tc = Tabs(0, 3);
    EXPECT_EQ(SendMessage(tc, TCM_GETCURSEL, 0, 0), 0);
    kit.Click(Screen(tc, 70, 10));
    kit.Pump();
    EXPECT_EQ(SendMessage(tc, TCM_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(Codes(), (std::vector<int>{TCN_SELCHANGING, TCN_SELCHANGE}));
    answer = [](const NMHDR* n) -> std::optional<LRESULT> {
        return n->code == TCN_SELCHANGING ? std::optional<LRESULT>(TRUE) : std::nullopt;
    };
    kit.Click(Screen(tc, 130, 10));
    kit.Pump();
    EXPECT_EQ(SendMessage(tc, TCM_GETCURSEL, 0, 0), 1);
    notes.clear();
    EXPECT_EQ(SendMessage(tc, TCM_SETCURSEL, 2, 0), 1);
    EXPECT_EQ(SendMessage(tc, TCM_SETCURSEL, 7, 0), -1);
    EXPECT_TRUE(notes.empty());
}

// A subclass that moves every tab 100 pixels right: hit tests follow its answer.
WNDPROC g_tabProc = nullptr;
LRESULT ShiftedTabs(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = CallWindowProc(g_tabProc, hwnd, msg, wParam, lParam);
    if (msg == TCM_GETITEMRECT && result)
        OffsetRect(reinterpret_cast<RECT*>(lParam), 100, 0);
    return result;
}

TEST_F(TabTest, HitTestsAskTheWindowForTheTabRectangles)
{
    HWND tc = Tabs(0, 2, RECT{0, 0, 300, 150});
    g_tabProc = reinterpret_cast<WNDPROC>(SetWindowLongPtr(tc, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ShiftedTabs)));
    TCHITTESTINFO hit;
    hit.pt = POINT{170, 10};
    EXPECT_EQ(SendMessage(tc, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), 1);
    hit.pt = POINT{30, 10};
    EXPECT_EQ(SendMessage(tc, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), -1);
}

TEST_F(TabTest, MultiLineRowsKeepTheChosenRowNextToThePage)
{
    HWND tc = Tabs(TCS_MULTILINE, 5);  // three per row in 200 pixels
    EXPECT_EQ(SendMessage(tc, TCM_GETROWCOUNT, 0, 0), 2);
    EXPECT_EQ(ItemRect(tc, 0).top, 22);  // the chosen tab's row is the lower one
    EXPECT_EQ(ItemRect(tc, 4).top, 2);
    SendMessage(tc, TCM_SETCURSEL, 4, 0);
    EXPECT_EQ(ItemRect(tc, 4).top, 22);
    EXPECT_EQ(ItemRect(tc, 0).top, 2);
    EXPECT_EQ(Arrows(tc), nullptr);
}

TEST_F(CommonControls, AHeldUpDownButtonRepeatsWithinTheRange)
{
    HWND ud = Make(UPDOWN_CLASS, 0, RECT{0, 0, 20, 40});
    SendMessage(ud, UDM_SETRANGE32, 0, 5);
    kit.PressButton(Screen(ud, 10, 5));
    kit.Pump();
    EXPECT_EQ(SendMessage(ud, UDM_GETPOS32, 0, 0), 1);
    kit.Advance(500);
    EXPECT_EQ(SendMessage(ud, UDM_GETPOS32, 0, 0), 2);
    for (int i = 0; i < 5; ++i)
        kit.Advance(100);
    EXPECT_EQ(SendMessage(ud, UDM_GETPOS32, 0, 0), 5);  // held at the top of the range
    kit.ReleaseButton(Screen(ud, 10, 5));
    kit.Pump();
    ASSERT_FALSE(scrolls.empty());
    EXPECT_EQ(scrolls.front().message, WM_VSCROLL);
    EXPECT_EQ(scrolls.front().wParam, MAKEWPARAM(SB_THUMBPOSITION, 1));
    EXPECT_EQ(LOWORD(scrolls.back().wParam), SB_ENDSCROLL);
    EXPECT_EQ(scrolls.size(), 6u);  // 1, 2, 3, 4, 5 and the end
    kit.Click(Screen(ud, 10, 35));
    kit.Pump();
    EXPECT_EQ(SendMessage(ud, UDM_GETPOS32, 0, 0), 4);
}

} // namespace
