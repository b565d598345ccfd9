// The tabs bar's model: tabs per child, layout, skin lookup, the frame link and the list buttons.

#include "skin/form/skSkinMDITabsBar.h"

#include "classlib/Bitmap.h"
#include "classlib/Forms.h"
#include "classlib/Menus.h"
#include "platform/win/Rect.h"
#include "skin/core/skDrawMarks.h"
#include "skin/core/skUtils.h"
#include "skin/form/FormSkin.h"
#include "skin/form/skSkinMenus.h"

#include <algorithm>

namespace {

constexpr int kListButtonWidth = 15;
constexpr int kLeftMargin = 15;
const char* const kListSuffix = "_BSFCHILDITEMBAR";
const char* const kHideListSuffix = "_BSFCHILDITEMBARHIDE";

} // namespace

TskMDITab::TskMDITab(TskSkinMDITabsBar* AParentBar, TCustomForm* AChild) : TabsBar(AParentBar), Child(AChild) {}

RECT TskMDITab::CloseButtonOnBar() const
{
    RECT r = ButtonRect;
    OffsetRect(&r, ObjectRect.left, ObjectRect.top);
    return r;
}

TskSkinMDITabsBar::TskSkinMDITabsBar(TComponent* AOwner) : TskSkinControl(AOwner), FDefaultFont(std::make_unique<TFont>())
{
    FSkinDataName = "tab";
    FDefaultFont->SetName("Arial");
    FDefaultFont->SetHeight(14);
    FListMenu = new TskSkinPopupMenu(this);
    FHideListMenu = new TskSkinPopupMenu(this);
    SetWidth(150);
    SetHeight(21);
}

TskSkinMDITabsBar::~TskSkinMDITabsBar()
{
    SetFormSkin(nullptr);
}

TBitmap* TskSkinMDITabsBar::Picture() const
{
    const TskDataSkinTabControl* d = Desc();
    return d ? SkinPicture(FSD, d->PictureIndex) : nullptr;
}

RECT TskSkinMDITabsBar::ActiveTabRect() const
{
    const TskDataSkinTabControl* d = Desc();
    return RectHasNoArea(d->ActiveTabRect) ? d->TabRect : d->ActiveTabRect;
}

RECT TskSkinMDITabsBar::MouseInTabRect() const
{
    const TskDataSkinTabControl* d = Desc();
    return RectHasNoArea(d->MouseInTabRect) ? d->TabRect : d->MouseInTabRect;
}

RECT TskSkinMDITabsBar::CloseButtonActiveRect() const
{
    const TskDataSkinTabControl* d = Desc();
    return RectHasNoArea(d->CloseButtonActiveRect) ? d->CloseButtonRect : d->CloseButtonActiveRect;
}

RECT TskSkinMDITabsBar::CloseButtonDownRect() const
{
    const TskDataSkinTabControl* d = Desc();
    return RectHasNoArea(d->CloseButtonDownRect) ? CloseButtonActiveRect() : d->CloseButtonDownRect;
}

int TskSkinMDITabsBar::ActiveTabOffset() const
{
    return HeightOfRect(ActiveTabRect()) - HeightOfRect(Desc()->TabRect);
}

void TskSkinMDITabsBar::LookupSkinData()
{
    TskSkinControl::LookupSkinData();
    const TskDataSkinTabControl* d = Desc();
    FBottomOffset = d ? d->ClRect.top : 0;
}

void TskSkinMDITabsBar::ChangeSkinData()
{
    TskSkinControl::LookupSkinData();
    LookupSkinData();
    FCloseSize = GetCloseSize();
    if (Skinned() && FUseSkinSize)
        SetHeight(HeightOfRect(Desc()->TabRect) + (FTabKind == TskSkinMDITabKind::sktkTab ? FBottomOffset : 0));
    else if (FDefaultHeight > 0)
        SetHeight(FDefaultHeight);
    for (TskSkinMenuSpeedButton* button : {FListButton, FHideListButton})
        if (button)
            button->SetSkinData(FSD);
    Realign();
    Invalidate();
}

void TskSkinMDITabsBar::CheckParentBackground()
{
    if (Skinned() && FSD->MDITabsTransparent)
        Invalidate();
}

void TskSkinMDITabsBar::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_MOUSELEAVE)
        TestActive(-1, -1);
    if (Message.Msg == WM_MOVE && GetAlign() == TAlign::alNone)
        CheckParentBackground();
    TskSkinControl::Dispatch(Message);
}

void TskSkinMDITabsBar::AdjustClientRect(RECT& Rect)
{
    TskSkinControl::AdjustClientRect(Rect);
    if (Skinned() && FTabKind == TskSkinMDITabKind::sktkTab)
        Rect.bottom -= FBottomOffset;
}

void TskSkinMDITabsBar::SetTabKind(TskSkinMDITabKind Value)
{
    FTabKind = Value;
    if (Skinned())
        Invalidate();
}

void TskSkinMDITabsBar::SetFormSkin(TskFormSkin* Value)
{
    if (BSF && BSF->MDITabsBar == this)
        BSF->MDITabsBar = nullptr;
    BSF = Value;
    if (Value) {
        Value->FreeNotification(this);
        Value->MDITabsBar = this;
    }
}

void TskSkinMDITabsBar::SetDefaultHeight(int Value)
{
    FDefaultHeight = Value;
    if (Value > 0 && !Skinned())
        SetHeight(Value);
}

void TskSkinMDITabsBar::SetDefaultFont(TFont* Value)
{
    FDefaultFont->Assign(Value);
}

void TskSkinMDITabsBar::Notification(TComponent* AComponent, TOperation Operation)
{
    TskSkinControl::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == BSF)
        BSF = nullptr;
    if (AComponent == FListButton)
        FListButton = nullptr;
    if (AComponent == FHideListButton)
        FHideListButton = nullptr;
    if (AComponent == FListMenu)
        FListMenu = nullptr;
    if (AComponent == FHideListMenu)
        FHideListMenu = nullptr;
    // A child freed without being hidden first still loses its tab.
    if (auto* form = dynamic_cast<TCustomForm*>(AComponent))
        DeleteTab(form);
}

int TskSkinMDITabsBar::IndexOf(const TskMDITab* Tab) const
{
    for (int i = 0; i < TabCount(); ++i)
        if (this->Tab(i) == Tab)
            return i;
    return -1;
}

void TskSkinMDITabsBar::AddTab(TCustomForm* Child)
{
    ObjectList.push_back(std::make_unique<TskMDITab>(this, Child));
    Child->FreeNotification(this);
    if (!FListButton)
        FListButton = MakeListButton(false);
    Invalidate();
}

void TskSkinMDITabsBar::DeleteTab(TCustomForm* Child)
{
    const auto it = std::find_if(ObjectList.begin(), ObjectList.end(), [Child](const auto& t) { return t->Child == Child; });
    if (it == ObjectList.end())
        return;
    TskMDITab* tab = it->get();
    const int index = IndexOf(tab);
    if (ActiveTabIndex != -1 && ActiveTabIndex == index) {
        if (OnTabMouseLeave)
            OnTabMouseLeave(tab);
        ActiveTabIndex = -1;
        OldTabIndex = -1;
    }
    // The hot tab keeps its place when one before it goes.
    if (ActiveTabIndex > index)
        --ActiveTabIndex;
    if (OldTabIndex > index)
        --OldTabIndex;
    if (FCloseDownTab == tab)
        FCloseDownTab = nullptr;
    if (IsDrag || FDown)
        EndDrag();
    std::erase_if(FListItems, [Child](const auto& p) { return p.second == Child; });
    ObjectList.erase(it);
    if (ObjectList.empty() && FListButton) {
        delete FListButton;
        FListButton = nullptr;
    }
    Invalidate();
}

int TskSkinMDITabsBar::GetTabIndex(int X, int Y) const
{
    for (int i = 0; i < TabCount(); ++i) {
        const TskMDITab* t = Tab(i);
        const RECT& r = t->ObjectRect;
        if (t->Visible && X >= r.left && X <= r.right && Y >= r.top && Y <= r.bottom)
            return i;
    }
    return -1;
}

TskMDITab* TskSkinMDITabsBar::GetTab(int X, int Y) const
{
    const int i = GetTabIndex(X, Y);
    return i == -1 ? nullptr : Tab(i);
}

int TskSkinMDITabsBar::GetCloseSize() const
{
    const TskDataSkinTabControl* d = Desc();
    return d == nullptr || RectHasNoArea(d->CloseButtonRect) ? 14 : WidthOfRect(d->CloseButtonRect);
}

void TskSkinMDITabsBar::CheckActive()
{
    TCustomForm* main = Application->MainForm();
    TCustomForm* active = main ? main->ActiveMDIChild() : nullptr;
    if (!active)
        return;
    for (auto& t : ObjectList)
        t->Active = t->Child == active;
    Invalidate();
}

int TskSkinMDITabsBar::TabHeight() const
{
    return FTabKind == TskSkinMDITabKind::sktkTab ? FHeight - FBottomOffset : FHeight;
}

void TskSkinMDITabsBar::CalcTabRects()
{
    FInVisibleCount = 0;
    const int count = TabCount();
    if (count == 0)
        return;
    const int h = TabHeight();
    int w = std::min((FWidth - kLeftMargin) / count, FDefaultTabWidth);
    int layoutWidth = FWidth;
    if (FMinTabWidth != 0 && w < FMinTabWidth) {
        const int room = std::max((FWidth - 2 * kLeftMargin) / FMinTabWidth, 0);
        for (int i = 0; i < count; ++i) {
            TskMDITab* t = Tab(i);
            t->Visible = i < room;
            t->ObjectRect = t->Visible ? RECT{kLeftMargin + i * FMinTabWidth, 0, kLeftMargin + (i + 1) * FMinTabWidth, h}
                                       : RECT{};
            if (!t->Visible)
                ++FInVisibleCount;
        }
        layoutWidth = FWidth - kLeftMargin;
    } else {
        w = std::max(w, 0);
        for (int i = 0; i < count; ++i) {
            Tab(i)->Visible = true;
            Tab(i)->ObjectRect = RECT{kLeftMargin + i * w, 0, kLeftMargin + (i + 1) * w, h};
        }
        if (w < FDefaultTabWidth)
            Tab(count - 1)->ObjectRect.right = FWidth;
    }
    if (IsDrag && DragIndex >= 0 && DragIndex < count) {
        RECT& r = Tab(DragIndex)->ObjectRect;
        OffsetRect(&r, TabDX, 0);
        if (r.right > layoutWidth)
            OffsetRect(&r, layoutWidth - r.right, 0);
        if (r.left < 0)
            OffsetRect(&r, -r.left, 0);
    }
}

// ---------------------------------------------------------------------------------------------
// List buttons and menus

TskSkinMenuSpeedButton* TskSkinMDITabsBar::MakeListButton(bool Hidden)
{
    auto* button = new TskSkinMenuSpeedButton(this);
    button->SetSkinDataName("resizetoolbutton");
    button->SetWidth(kListButtonWidth);
    button->SetAlign(Hidden ? TAlign::alRight : TAlign::alLeft);
    button->SetSkinPopupMenu(Hidden ? FHideListMenu : FListMenu);
    // The arrow: down for every child, right for the children without room.
    TBitmap glyph;
    glyph.SetSize(9, 9);
    glyph.Canvas()->Brush()->SetColor(clFuchsia);
    glyph.Canvas()->FillRect(RECT{0, 0, 9, 9});
    DrawTriangleArrow(glyph.Canvas(), RECT{0, 0, 9, 9}, clBlack, Hidden ? 2 : 4);
    button->SetGlyph(&glyph);
    button->OnShowTrackMenu = [this, Hidden](TObject*) { FillListMenu(Hidden); };
    button->SetParent(this);
    button->SetSkinData(FSD);
    return button;
}

void TskSkinMDITabsBar::SyncHideListButton()
{
    if (FInVisibleCount > 0 && !FHideListButton)
        FHideListButton = MakeListButton(true);
    else if (FInVisibleCount == 0 && FHideListButton) {
        delete FHideListButton;
        FHideListButton = nullptr;
    }
}

void TskSkinMDITabsBar::FillListMenu(bool Hidden)
{
    TskSkinPopupMenu* menu = Hidden ? FHideListMenu : FListMenu;
    if (!menu)
        return;
    std::erase_if(FListItems, [menu](const auto& p) { return p.first->Parent() == menu->Items(); });
    menu->Items()->Clear();
    for (auto& t : ObjectList) {
        if (Hidden && t->Visible)
            continue;
        auto* item = new TMenuItem(nullptr);
        item->SetName(t->Child->GetName() + (Hidden ? kHideListSuffix : kListSuffix));
        item->SetCaption(t->Child->GetCaption());
        item->SetRadioItem(true);
        item->SetGroupIndex(0);
        item->SetChecked(t->Active);
        item->OnClick = [this](TObject* Sender) { ListItemClick(Sender); };
        menu->Items()->Add(item);
        FListItems.emplace_back(item, t->Child);
    }
}

void TskSkinMDITabsBar::ListItemClick(TObject* Sender)
{
    // The item itself names the child: names may be empty or shared by several children.
    const auto it = std::find_if(FListItems.begin(), FListItems.end(), [Sender](const auto& p) { return p.first == Sender; });
    if (it != FListItems.end())
        ShowChild(it->second);
}

void TskSkinMDITabsBar::ShowChild(TCustomForm* Child)
{
    if (TskFormSkin* frame = GetFormSkinComponent(Child); frame && frame->GetWindowState() == TWindowState::wsMinimized)
        frame->SetWindowState(TWindowState::wsNormal);
    Child->Show();
}
