// The page control under the pointer and its row scrolling: the hot tab, close buttons, the
// wheel, hiding the row, and the skinned up-down that stands in for the plain arrows.

#include "skin/form/skSkinTabs.h"

#include "platform/win/Rect.h"
#include "platform/window/User.h"
#include "skin/form/skSkinMessages.h"
#include "skin/form/skSkinUpDown.h"

TskSkinCustomTabSheet* TskSkinPageControl::SheetOfPage(int PageIndex) const
{
    if (PageIndex < 0 || PageIndex >= PageCount())
        return nullptr;
    return dynamic_cast<TskSkinCustomTabSheet*>(Pages(PageIndex));
}

void TskSkinPageControl::TestActiveTab(int X, int Y)
{
    if (FHideTabs)
        return;
    FOldActiveTab = FActiveTab;
    FOldActiveTabIndex = FActiveTabIndex;
    FActiveTab = FActiveTabIndex = -1;
    const POINT p{X, Y};
    const int count = VisibleTabCount();
    for (int i = 0; i < count; ++i) {
        const RECT r = GetTabRect(i);
        if (PtInRect(&r, p)) {
            FActiveTabIndex = i;
            FActiveTab = PageForTab(i)->GetPageIndex();
            break;
        }
    }
    const int selected = GetTabIndex();
    if (FActiveTabIndex != FOldActiveTabIndex) {
        bool redraw = FActiveTabIndex != -1 && FActiveTabIndex != selected;
        if (FOldActiveTabIndex != -1 && FOldActiveTabIndex < count && FOldActiveTabIndex != selected) {
            if (TskSkinCustomTabSheet* old = SheetOfPage(FOldActiveTab))
                old->ButtonMouseIn = old->ButtonMouseDown = false;
            redraw = true;
        }
        if (redraw)
            RedrawTabs();
    }
    if (!FShowCloseButtons || FActiveTabIndex == -1)
        return;
    TskSkinCustomTabSheet* sheet = SheetOfPage(FActiveTab);
    if (!sheet)
        return;
    const bool in = InCloseButton(X, Y);
    if (in && !sheet->ButtonMouseIn) {
        sheet->ButtonMouseIn = true;
        RedrawTabs();
    } else if (!in && sheet->ButtonMouseIn) {
        sheet->ButtonMouseIn = sheet->ButtonMouseDown = false;
        RedrawTabs();
    }
}

// The hot tab's close button, in the control's coordinates.
bool TskSkinPageControl::InCloseButton(int X, int Y)
{
    TskSkinCustomTabSheet* sheet = SheetOfPage(FActiveTab);
    if (!sheet || FActiveTabIndex == -1)
        return false;
    const RECT tab = GetTabRect(FActiveTabIndex);
    RECT r = sheet->ButtonRect;
    OffsetRect(&r, tab.left, tab.top);
    return PtInRect(&r, POINT{X, Y}) != FALSE;
}

void TskSkinPageControl::MouseMove(TShiftState Shift, int X, int Y)
{
    TPageControl::MouseMove(Shift, X, Y);
    if (!FHideTabs && !ComponentState().Contains(csDesigning))
        TestActiveTab(X, Y);
}

// The pointer's coordinates are the tabs' own even while the row is offset: the plain control
// hit-tests through the offset tab rectangles.
void TskSkinPageControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TPageControl::MouseDown(Button, Shift, X, Y);
    if (FHideTabs || Button != TMouseButton::mbLeft)
        return;
    if (!ComponentState().Contains(csDesigning))
        TestActiveTab(X, Y);
    TskSkinCustomTabSheet* sheet = FShowCloseButtons ? SheetOfPage(FActiveTab) : nullptr;
    if (!sheet)
        return;
    if (InCloseButton(X, Y)) {
        sheet->ButtonMouseIn = sheet->ButtonMouseDown = true;
        RedrawTabs();
    } else {
        sheet->ButtonMouseIn = sheet->ButtonMouseDown = false;
    }
}

void TskSkinPageControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TPageControl::MouseUp(Button, Shift, X, Y);
    if (FHideTabs || Button != TMouseButton::mbLeft)
        return;
    if (!ComponentState().Contains(csDesigning))
        TestActiveTab(X, Y);
    TskSkinCustomTabSheet* sheet = FShowCloseButtons ? SheetOfPage(FActiveTab) : nullptr;
    if (!sheet)
        return;
    if (InCloseButton(X, Y)) {
        sheet->ButtonMouseIn = true;
        sheet->ButtonMouseDown = false;
        RedrawTabs();
        ClosePage(sheet);
    } else {
        sheet->ButtonMouseIn = sheet->ButtonMouseDown = false;
    }
}

// Closes the page whose close button was released on (not the active page, which differs when
// the button went down on another tab).
void TskSkinPageControl::ClosePage(TskSkinCustomTabSheet* Sheet)
{
    bool canClose = true;
    if (OnClose)
        OnClose(Sheet, canClose);
    if (canClose) {
        Sheet->SetTabVisible(false);
        FActiveTab = FActiveTabIndex = -1;
        if (FFreeOnClose)
            Sheet->Free();
        if (OnAfterClose)
            OnAfterClose(this);
        return;
    }
    POINT p{};
    GetCursorPos(&p);
    if (WindowFromPoint(p) != GetHandle()) {
        Sheet->ButtonMouseIn = Sheet->ButtonMouseDown = false;
        RedrawTabs();
    }
}

void TskSkinPageControl::SelectVisiblePage(bool Next)
{
    const int active = GetActivePageIndex();
    if (active < 0)
        return;
    const int step = Next ? 1 : -1;
    for (int i = active + step; i >= 0 && i < PageCount(); i += step) {
        if (!Pages(i)->GetTabVisible())
            continue;
        if (CanChange()) {
            SetActivePage(Pages(i));
            Change();
        }
        return;
    }
}

// --- hiding the row --------------------------------------------------------------------------

void TskSkinPageControl::HideTabs()
{
    if (FOldTabHeight != -1 || VisibleTabCount() == 0)
        return;
    FHideTabs = true;
    FOldTabPosition = GetTabPosition();
    FOldMultiLine = GetMultiLine();
    if (FOldTabPosition == TTabPosition::tpLeft || FOldTabPosition == TTabPosition::tpRight)
        SetTabPosition(TTabPosition::tpTop);
    SetMultiLine(false);
    FOldTabHeight = GetTabHeight();
    SetTabHeight(1);
    FreeUpDown();
    Realign();
}

void TskSkinPageControl::ShowTabs()
{
    if (FOldTabHeight == -1)
        return;
    SetTabPosition(FOldTabPosition);
    SetMultiLine(FOldMultiLine);
    FHideTabs = false;
    const int height = FOldTabHeight;
    FOldTabHeight = -1;
    SetTabHeight(height);  // 0: the description's tab height again (SetTabSize)
    if (!GetMultiLine())
        CheckUpDown();
    Realign();
}

void TskSkinPageControl::HideBorderAndTabs()
{
    SetTabPosition(TTabPosition::tpTop);
    FHideTabs = FHideBorder = true;
    FreeUpDown();
    Realign();
}

void TskSkinPageControl::ShowBorderAndTabs()
{
    FHideTabs = FHideBorder = false;
    ShowTabs();
    Realign();
}

// --- the skinned up-down ---------------------------------------------------------------------

int TskSkinPageControl::GetHiddenTabsCount()
{
    int n = 0;
    for (int i = 0, count = VisibleTabCount(); i < count; ++i) {
        const int right = GetTabRect(i).right;
        n += right > GetWidth() - 3 || right <= 0 ? 1 : 0;
    }
    return n;
}

int TskSkinPageControl::GetScrolledTabsCount()
{
    int n = 0;
    for (int i = 0, count = VisibleTabCount(); i < count; ++i)
        n += GetTabRect(i).right <= 0 ? 1 : 0;
    return n;
}

void TskSkinPageControl::DestroyPlainArrows()
{
    if (!HandleAllocated())
        return;
    for (HWND c = GetWindow(GetHandle(), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (GetClassName(c) == UPDOWN_CLASS) {
            DestroyWindow(c);
            return;
        }
    }
}

void TskSkinPageControl::CheckUpDown()
{
    FUpDownCheckPosted = false;
    DestroyPlainArrows();
    const int hidden = GetHiddenTabsCount();
    if (hidden == 0 || GetMultiLine())
        FreeUpDown();
    else if (!FSkinUpDown)
        CreateUpDown();
    if (FSkinUpDown) {
        FSkinUpDown->SetMax(hidden);
        PlaceUpDown();
    }
}

void TskSkinPageControl::PostUpDownCheck()
{
    if (FUpDownCheckPosted || !HandleAllocated() || GetMultiLine())
        return;
    FUpDownCheckPosted = PostMessage(GetHandle(), SKM_CHECKTABSUPDOWN, 0, 0) != FALSE;
}

void TskSkinPageControl::CreateUpDown()
{
    if (FHideTabs)
        return;
    auto* u = new TskSkinUpDown(this);
    u->SetParent(this);
    u->SetBounds(0, 0, FDefaultItemHeight * 2, FDefaultItemHeight);
    u->SetMin(0);
    u->SetMax(GetHiddenTabsCount());
    u->SetPosition(GetScrolledTabsCount());
    u->SetIncrement(1);
    u->SetSkinDataName(HasDescription() ? FTab.UpDown : std::string());
    u->SetSkinData(FSD);
    u->OnChange = [this](TObject*) { UpDownChange(); };
    FSkinUpDown = u;
    PlaceUpDown();
    u->SetVisible(true);
}

void TskSkinPageControl::FreeUpDown()
{
    if (TskSkinUpDown* u = FSkinUpDown) {
        FSkinUpDown = nullptr;
        u->Free();
    }
}

void TskSkinPageControl::PlaceUpDown()
{
    TskSkinUpDown* u = FSkinUpDown;
    const int top = GetTabPosition() == TTabPosition::tpTop ? 0 : GetHeight() - u->GetHeight();
    u->SetBounds(GetWidth() - u->GetWidth(), top, u->GetWidth(), u->GetHeight());
}

void TskSkinPageControl::UpDownChange()
{
    FSkinUpDown->SetMax(GetHiddenTabsCount());
    SendMessage(GetHandle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, FSkinUpDown->GetPosition()), 0);
}

void TskSkinPageControl::UpdateUpDownPosition()
{
    if (!FSkinUpDown)
        return;
    FSkinUpDown->SetPosition(GetScrolledTabsCount());
    Invalidate();
}
