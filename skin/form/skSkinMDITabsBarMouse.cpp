// The tabs bar's pointer: hot tabs, presses that show a child, close buttons, dragging tabs into
// another order and the child's system menu on a right click.

#include "skin/form/skSkinMDITabsBar.h"

#include "classlib/Forms.h"
#include "platform/win/Rect.h"
#include "skin/form/FormSkin.h"
#include "skin/form/skFrameMenu.h"

#include <algorithm>
#include <utility>

namespace {

bool Inside(const RECT& R, int X, int Y)
{
    return X >= R.left && X < R.right && Y >= R.top && Y < R.bottom;
}

} // namespace

void TskSkinMDITabsBar::TestActive(int X, int Y)
{
    ActiveTabIndex = GetTabIndex(X, Y);
    const bool changed = ActiveTabIndex != OldTabIndex;
    if (changed) {
        if (OldTabIndex >= 0 && OldTabIndex < TabCount() && Tab(OldTabIndex)->Visible) {
            TskMDITab* old = Tab(OldTabIndex);
            old->MouseIn = false;
            DrawTab(old);
            if (OnTabMouseLeave)
                OnTabMouseLeave(old);
        }
        if (ActiveTabIndex != -1) {
            TskMDITab* hot = Tab(ActiveTabIndex);
            hot->MouseIn = true;
            DrawTab(hot);
            if (OnTabMouseEnter)
                OnTabMouseEnter(hot);
        }
        OldTabIndex = ActiveTabIndex;
    }
    if (!FShowCloseButtons || ActiveTabIndex == -1)
        return;
    TskMDITab* hot = Tab(ActiveTabIndex);
    const bool over = Inside(hot->CloseButtonOnBar(), X, Y);
    if (over != hot->ButtonMouseIn) {
        hot->ButtonMouseIn = over;
        if (!over)
            hot->ButtonMouseDown = false;
        DrawTab(hot);
    }
    if (!changed)
        return;
    bool reset = false;
    for (auto& t : ObjectList)
        if (t.get() != hot && t->ButtonMouseIn) {
            t->ButtonMouseIn = false;
            t->ButtonMouseDown = false;
            reset = true;
        }
    if (reset)
        Invalidate();
}

void TskSkinMDITabsBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TskSkinControl::MouseDown(Button, Shift, X, Y);
    TskMDITab* tab = GetTab(X, Y);
    FCloseDownTab = nullptr;
    if (!tab)
        return;
    if (Button == TMouseButton::mbRight) {
        if (FSupportChildMenus)
            OpenChildSystemMenu(tab, X, Y);
        if (OnTabMouseDown)
            OnTabMouseDown(Button, Shift, tab);
        return;
    }
    if (Button != TMouseButton::mbLeft)
        return;
    ShowChild(tab->Child);
    FDown = true;
    DragIndex = FMoveTabs ? IndexOf(tab) : -1;
    DX = X;
    TabDX = 0;
    if (OnTabMouseDown) {
        TCustomForm* child = tab->Child;
        OnTabMouseDown(Button, Shift, tab);
        // The handler may have destroyed the child, and its tab with it.
        if (std::none_of(ObjectList.begin(), ObjectList.end(), [child](const auto& t) { return t->Child == child; }))
            return;
    }
    if (!FShowCloseButtons)
        return;
    const bool onClose = Inside(tab->CloseButtonOnBar(), X, Y);
    if (onClose) {
        // A press on a close button never drags; its release closes the child.
        FDown = false;
        DragIndex = -1;
        FCloseDownTab = tab;
    }
    tab->ButtonMouseIn = onClose;
    tab->ButtonMouseDown = onClose;
    DrawTab(tab);
}

void TskSkinMDITabsBar::MouseMove(TShiftState Shift, int X, int Y)
{
    TskSkinControl::MouseMove(Shift, X, Y);
    if (FDown && DragIndex != -1 && !IsDrag && X != DX)
        IsDrag = true;
    if (IsDrag) {
        TabDX = X - DX;
        Invalidate();
        return;
    }
    TestActive(X, Y);
}

void TskSkinMDITabsBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TskSkinControl::MouseUp(Button, Shift, X, Y);
    FDown = false;
    const bool dragged = IsDrag;
    if (dragged) {
        CalcTabRects();
        const int target = GetMoveIndex();
        if (target != -1 && target != DragIndex) {
            auto moving = std::move(ObjectList[static_cast<std::size_t>(DragIndex)]);
            ObjectList.erase(ObjectList.begin() + DragIndex);
            ObjectList.insert(ObjectList.begin() + target, std::move(moving));
        }
        EndDrag();
        Invalidate();
    } else if (TskMDITab* tab = GetTab(X, Y); tab && OnTabMouseUp) {
        OnTabMouseUp(Button, Shift, tab);
    }
    TskMDITab* pressed = FCloseDownTab;
    FCloseDownTab = nullptr;
    DragIndex = -1;
    if (!FShowCloseButtons || Button != TMouseButton::mbLeft)
        return;
    TskMDITab* tab = GetTab(X, Y);
    if (!tab)
        return;
    // Only a release on the very close button the press began on closes, and never after a drag.
    const bool onClose = Inside(tab->CloseButtonOnBar(), X, Y);
    const bool closes = onClose && !dragged && tab == pressed;
    tab->ButtonMouseIn = onClose;
    tab->ButtonMouseDown = false;
    DrawTab(tab);
    if (closes)
        tab->Child->Close();
}

void TskSkinMDITabsBar::EndDrag()
{
    IsDrag = false;
    FDown = false;
    DragIndex = -1;
    DX = 0;
    TabDX = 0;
}

int TskSkinMDITabsBar::GetMoveIndex() const
{
    if (DragIndex < 0 || DragIndex >= TabCount() || TabDX == 0)
        return -1;
    const RECT& dragged = Tab(DragIndex)->ObjectRect;
    auto centre = [](const RECT& R) { return R.left + (R.right - R.left) / 2; };
    int result = -1;
    if (TabDX > 0) {
        for (int i = DragIndex + 1; i < TabCount(); ++i)
            if (Tab(i)->Visible && centre(Tab(i)->ObjectRect) < dragged.right)
                result = i;
        return result;
    }
    for (int i = 0; i < DragIndex; ++i)
        if (Tab(i)->Visible && centre(Tab(i)->ObjectRect) > dragged.left)
            return i;
    return -1;
}

void TskSkinMDITabsBar::OpenChildSystemMenu(TskMDITab* Tab, int X, int Y)
{
    TskFormSkin* child = GetFormSkinComponent(Tab->Child);
    if (!child || !BSF || !BSF->SkinMenu())
        return;
    const POINT p = ClientToScreen(POINT{X, Y});
    BSF->SkinMenuOpen();
    BSF->SkinMenu()->Popup(GetParent(), BSF->MenusData(), 0, RECT{p.x, p.y, p.x, p.y}, child->GetSystemMenuItems(),
                           false);
}
