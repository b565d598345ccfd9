#include "skin/form/skSkinMainMenuBar.h"

#include "skin/core/TskEffectBmp.h"
#include "skin/core/skDataSkinControls.h"
#include "skin/core/skDrawMarks.h"
#include "skin/core/skParentBackground.h"
#include "skin/core/skSkinImages.h"
#include "skin/core/skTextUtils.h"
#include "skin/core/skUtils.h"
#include "skin/form/FormSkin.h"
#include "skin/form/FormSkinObjects.h"
#include "skin/form/skSkinMenus.h"
#include "skin/form/skSkinMessages.h"

#include "platform/gdi/Gdi.h"
#include "platform/win/Rect.h"
#include "platform/window/User.h"
#include "classlib/Frame3D.h"

#include <algorithm>

// --- the main menu ---------------------------------------------------------------------------

void TskSkinMainMenu::SetSkinData(TskSkinData* Value)
{
    FSD = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TskSkinMainMenu::Notification(TComponent* AComponent, TOperation Operation)
{
    TMainMenu::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FSD)
        FSD = nullptr;
}

// --- items -----------------------------------------------------------------------------------

TskSkinMainMenuBarItem::TskSkinMainMenuBarItem(TskSkinMainMenuBar* AParent, TMenuItem* AMenuItem,
                                               TskDataSkinMainMenuBarItem* AData)
    : Parent(AParent), MenuItem(AMenuItem), D(AData)
{
    Enabled = OldEnabled = AMenuItem->GetEnabled();
    if (D)
        Picture = SkinPicture(AParent->GetSkinData(), D->ActivePictureIndex);
    if (D && !Picture)
        D = nullptr;
}

bool TskSkinMainMenuBarItem::EnableMorphing() const
{
    TskSkinData* sd = Parent->GetSkinData();
    return D && D->Morphing && !RectHasNoArea(D->ActiveSkinRect) && sd && !sd->Empty && sd->EnableSkinEffects();
}

bool TskSkinMainMenuBarItem::CanMorphing() const
{
    if (FDown && D && !RectHasNoArea(D->DownRect))
        return false;
    return (Active && MorphKf < 1) || (!Active && MorphKf > 0);
}

void TskSkinMainMenuBarItem::DoMorphing()
{
    MorphKf = std::clamp(MorphKf + (Active ? 0.2 : -0.2), 0.0, 1.0);
    Parent->DrawObject(this);
}

bool TskSkinMainMenuBarItem::EnableAnimation() const
{
    TskSkinData* sd = Parent->GetSkinData();
    return D && !RectHasNoArea(D->AnimateSkinRect) && D->FrameCount > 0 && sd && !sd->Empty &&
           sd->EnableSkinEffects();
}

bool TskSkinMainMenuBarItem::Animate()
{
    if (Active && CurrentFrame <= D->FrameCount)
        ++CurrentFrame;
    else if (!Active && CurrentFrame > 0)
        --CurrentFrame;
    else
        return false;
    Parent->DrawObject(this);
    return true;
}

RECT TskSkinMainMenuBarItem::AnimationCell() const
{
    const RECT& strip = D->AnimateSkinRect;
    const int k = CurrentFrame - 1;
    if (HeightOfRect(strip) > HeightOfRect(D->SkinRect)) {
        const int h = HeightOfRect(strip) / D->FrameCount;
        return RECT{strip.left, strip.top + k * h, strip.right, strip.top + (k + 1) * h};
    }
    const int w = WidthOfRect(strip) / D->FrameCount;
    return RECT{strip.left + k * w, strip.top, strip.left + (k + 1) * w, strip.bottom};
}

void TskSkinMainMenuBarItem::ReDraw()
{
    if (EnableMorphing())
        Parent->MorphTimer->SetEnabled(true);
    else
        Parent->DrawObject(this);
    if (EnableAnimation()) {
        Parent->AnimateTimer->SetInterval(static_cast<UINT>(std::max(1, D->AnimateInterval)));
        Parent->AnimateTimer->SetEnabled(true);
    }
}

void TskSkinMainMenuBarItem::MouseEnter()
{
    // The open menu moves to this item when another one is pressed (found by object, so
    // unnamed items hand over too).
    for (auto& other : Parent->FItems)
        if (other.get() != this && other->FDown) {
            other->SetDown(false);
            FMouseIn = Active = true;
            if (EnableMorphing())
                MorphKf = 1;
            SetDown(true);
            return;
        }
    for (auto& other : Parent->FItems)
        if (other.get() != this && other->Active) {
            other->MouseLeave();
            break;
        }
    FMouseIn = Active = true;
    ReDraw();
    if (auto handler = Parent->OnItemMouseEnter)
        handler(MenuItem);
    Parent->SetHint(MenuItem->GetHint());
}

void TskSkinMainMenuBarItem::MouseLeave()
{
    Active = FMouseIn = false;
    if (EnableAnimation() && !D->InActiveAnimation) {
        CurrentFrame = 0;
        Parent->DrawObject(this);
    }
    if (FDown && EnableMorphing())
        MorphKf = 0;
    ReDraw();
    if (auto handler = Parent->OnItemMouseLeave)
        handler(MenuItem);
}

void TskSkinMainMenuBarItem::MouseDown()
{
    TskFormSkin* frame = Parent->FFormSkin;
    if (!Enabled || !frame)
        return;
    if (MenuItem->Count() > 0) {
        Parent->FMenuActive = true;
        SetDown(true);
        return;
    }
    if (frame->InMainMenu)
        frame->MainMenuExit();
    frame->InMenu = false;
    Active = FDown = false;
    ReDraw();
    TMenu* menu = MenuItem->GetParentMenu();
    if (menu)
        menu->DispatchCommand(MenuItem->GetCommand());
    else
        MenuItem->Click();
}

void TskSkinMainMenuBarItem::SetDown(bool Value)
{
    if (!Value) {
        FDown = Active = false;
        if (EnableAnimation()) {
            if (D->InActiveAnimation) {
                CurrentFrame = D->FrameCount + 1;
                ReDraw();
            } else {
                CurrentFrame = 0;
                Parent->DrawObject(this);
            }
        } else if (EnableMorphing()) {
            MorphKf = 1;
            ReDraw();
        } else {
            Parent->DrawObject(this);
        }
        return;
    }
    FDown = true;
    MorphKf = 1;
    Parent->DrawObject(this);
    TskFormSkin* frame = Parent->FFormSkin;
    if (frame && !frame->InMainMenu)
        if (auto handler = frame->OnMainMenuEnter)
            handler(Parent);
    TrackMenu();
}

void TskSkinMainMenuBarItem::TrackMenu()
{
    TskFormSkin* frame = Parent->FFormSkin;
    if (!frame || !frame->SkinMenu())
        return;
    RECT r = ObjectRect;
    const POINT o = Parent->ClientToScreen(POINT{0, 0});
    OffsetRect(&r, o.x, o.y);
    frame->SkinMenuOpen();
    frame->InMainMenu = true;
    frame->SkinMenu()->Popup(nullptr, Parent->GetSkinData(), 0, r, MenuItem, Parent->PopupToUp);
}

void TskSkinMainMenuBarItem::Draw(TCanvas* Cnvs)
{
    if (!Visible)
        return;
    if (D)
        DrawSkinned(Cnvs);
    else
        DrawDefault(Cnvs);
}

void TskSkinMainMenuBarItem::DrawSkinned(TCanvas* Cnvs)
{
    if (RectHasNoArea(D->SkinRect) || RectHasNoArea(D->TextRct))
        return;
    const int w = WidthOfRect(ObjectRect), h = HeightOfRect(ObjectRect);
    const RECT down = RectHasNoArea(D->DownRect)
                          ? (RectHasNoArea(D->ActiveSkinRect) ? D->SkinRect : D->ActiveSkinRect)
                          : D->DownRect;
    const RECT hot = RectHasNoArea(D->ActiveSkinRect) ? D->SkinRect : D->ActiveSkinRect;
    TBitmap b;
    auto band = [&](TBitmap* target, const RECT& src, bool activeLook) {
        BuildHorzBandImage(D->ItemLO, D->ItemRO, target, Picture, src, w, h, activeLook && D->StretchEffect);
        if (target->GetWidth() != w || target->GetHeight() != h)
            target->SetSize(w, h);
    };
    bool activeLook = true;
    if (FDown) {
        band(&b, down, true);
    } else if (EnableAnimation() && CurrentFrame >= 1 && CurrentFrame <= D->FrameCount) {
        band(&b, AnimationCell(), true);
    } else if (EnableMorphing() && MorphKf > 0 && MorphKf < 1) {
        TBitmap a;
        band(&b, D->SkinRect, false);
        band(&a, hot, true);
        TskEffectBmp normal(b.GetHandle());
        TskEffectBmp act(a.GetHandle());
        MorphBy(normal, act, D->MorphKind, MorphKf);
        normal.Draw(b.Canvas()->GetHandle(), 0, 0);
    } else if (Active) {
        band(&b, hot, true);
    } else {
        activeLook = false;
        band(&b, D->SkinRect, false);
    }
    TCanvas* c = b.Canvas();
    c->Brush()->SetStyle(TBrushStyle::bsClear);
    Parent->SetItemFont(c, this);
    c->Font()->SetColor(FDown ? D->DownFontColor
                              : activeLook ? D->ActiveFontColor
                                           : (MenuItem->GetEnabled() ? D->FontColor : D->UnEnabledFontColor));
    RECT tr = D->TextRct;
    tr.right = w - (WidthOfRect(D->SkinRect) - D->TextRct.right);
    if (MenuItem->OnDrawItem) {
        auto handler = MenuItem->OnDrawItem;
        handler(this, c, tr, activeLook);
    } else {
        DrawWideStringText(c, MenuItem->GetCaption(), tr, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    Cnvs->Draw(ObjectRect.left, ObjectRect.top, &b);
}

void TskSkinMainMenuBarItem::DrawDefault(TCanvas* Cnvs)
{
    const int w = WidthOfRect(ObjectRect), h = HeightOfRect(ObjectRect);
    if (w <= 0 || h <= 0)
        return;
    TBitmap b;
    TCanvas* c = BeginDefaultBarPart(&b, w, h, Active, FDown);
    c->Brush()->SetStyle(TBrushStyle::bsClear);
    Parent->SetItemFont(c, this);
    if (!MenuItem->GetEnabled())
        c->Font()->SetColor(clGrayText);
    RECT r{0, 0, w, h};
    if (FDown)
        OffsetRect(&r, 1, 1);
    if (MenuItem->OnDrawItem) {
        auto handler = MenuItem->OnDrawItem;
        handler(this, c, r, FDown || Active);
    } else {
        DrawWideStringText(c, MenuItem->GetCaption(), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    Cnvs->Draw(ObjectRect.left, ObjectRect.top, &b);
}

// --- the bar ---------------------------------------------------------------------------------

TskSkinMainMenuBar::TskSkinMainMenuBar(TComponent* AOwner)
    : TskSkinControl(AOwner), FDefItemFont(std::make_unique<TFont>())
{
    SetSkinDataName("mainmenubar");
    FDefItemFont->SetName("Arial");
    FDefItemFont->SetHeight(14);
    FDefItemFont->SetColor(clBtnText);
    SetAlign(TAlign::alTop);
    SetHeight(22);
    MouseTimer = std::make_unique<TTimer>(nullptr);
    MouseTimer->SetEnabled(false);
    MouseTimer->SetInterval(50);
    MouseTimer->OnTimer = [this](TObject*) { MouseTimerTick(); };
    MorphTimer = std::make_unique<TTimer>(nullptr);
    MorphTimer->SetEnabled(false);
    MorphTimer->SetInterval(25);
    MorphTimer->OnTimer = [this](TObject*) { MorphTimerTick(); };
    AnimateTimer = std::make_unique<TTimer>(nullptr);
    AnimateTimer->SetEnabled(false);
    AnimateTimer->SetInterval(25);
    AnimateTimer->OnTimer = [this](TObject*) { AnimateTimerTick(); };
}

TskSkinMainMenuBar::~TskSkinMainMenuBar()
{
    if (FFormSkin && FFormSkin->MainMenuBar == this)
        FFormSkin->MainMenuBar = nullptr;
}

void TskSkinMainMenuBar::Notification(TComponent* AComponent, TOperation Operation)
{
    TskSkinControl::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == FMainMenu) {
        FMainMenu = nullptr;
        FItems.clear();
    }
    if (AComponent == FMergeMenu)
        FMergeMenu = nullptr;
    if (AComponent == FChildMenu) {
        FChildMenu = nullptr;
        FItems.clear();
    }
    if (AComponent == FFormSkin)
        FFormSkin = nullptr;
}

void TskSkinMainMenuBar::SetMainMenu(TMainMenu* Value)
{
    FMainMenu = Value;
    if (Value)
        Value->FreeNotification(this);
    CreateMenu();
    Invalidate();
}

void TskSkinMainMenuBar::SetFormSkin(TskFormSkin* Value)
{
    if (FFormSkin && FFormSkin->MainMenuBar == this)
        FFormSkin->MainMenuBar = nullptr;
    FFormSkin = Value;
    if (Value) {
        Value->FreeNotification(this);
        Value->MainMenuBar = this;
    }
}

void TskSkinMainMenuBar::SetDefaultHeight(int Value)
{
    FDefaultHeight = Value;
    if (Value > 0 && !FSkinSupport)
        SetHeight(Value);
}

void TskSkinMainMenuBar::LookupSkinData()
{
    TskSkinControl::LookupSkinData();
    FDesc = Description<TskDataSkinMainMenuBar>();
    FPicture = FDesc ? SkinPicture(FSD, FDesc->PictureIndex) : nullptr;
    FSkinSupport = FDesc && FPicture;
}

void TskSkinMainMenuBar::ChangeSkinData()
{
    LookupSkinData();
    CreateMenu();
    if (FSkinSupport)
        SetHeight(HeightOfRect(FDesc->SkinRect));
    else if (FDefaultHeight > 0)
        SetHeight(FDefaultHeight);
    Invalidate();
}

void TskSkinMainMenuBar::CreateMenu()
{
    FItems.clear();
    FButtons.clear();
    FHotButton = FCaptureButton = nullptr;
    ActiveObject = OldActiveObject = -1;
    if (FMDIChildMax) {
        CreateMDIButtons();
        CheckMDIButtons();
    }
    if (!FMainMenu)
        return;
    LookupSkinData();
    TskDataSkinMainMenuBarItem* itemData = nullptr;
    if (FSkinSupport) {
        const int i = FSD->GetIndex(FDesc->MenuBarItem);
        if (i >= 0)
            itemData = dynamic_cast<TskDataSkinMainMenuBarItem*>(FSD->ObjectList[static_cast<std::size_t>(i)].get());
    }
    std::vector<TMenuItem*> items;
    TMenuItem* root = FMainMenu->Items();
    FChildMenu = FMergeMenu || (FFormSkin && FFormSkin->Form()->GetFormStyle() == TFormStyle::fsMDIForm)
                     ? GetChildMainMenu()
                     : nullptr;
    if (FChildMenu) {
        FChildMenu->FreeNotification(this);
        ScrollMenu = false;
        TMenuItem* child = FChildMenu->Items();
        auto childHasGroup = [child](BYTE g) {
            for (int i = 0; i < child->Count(); ++i)
                if (child->Items(i)->GetGroupIndex() == g)
                    return true;
            return false;
        };
        for (int i = 0; i < root->Count(); ++i)
            if (!childHasGroup(root->Items(i)->GetGroupIndex()))
                items.push_back(root->Items(i));
        for (int i = 0; i < child->Count(); ++i)
            items.push_back(child->Items(i));
        std::stable_sort(items.begin(), items.end(),
                         [](TMenuItem* a, TMenuItem* b) { return a->GetGroupIndex() < b->GetGroupIndex(); });
    } else {
        for (int i = 0; i < root->Count(); ++i)
            items.push_back(root->Items(i));
    }
    for (TMenuItem* m : items)
        if (m->GetVisible())
            FItems.push_back(std::make_unique<TskSkinMainMenuBarItem>(this, m, itemData));
}

void TskSkinMainMenuBar::UpDateItems()
{
    CreateMenu();
    Invalidate();
    MouseTimer->SetEnabled(true);
}

void TskSkinMainMenuBar::UpDateEnabledItems()
{
    for (auto& item : FItems)
        item->Enabled = item->MenuItem->GetEnabled();
    Invalidate();
}

void TskSkinMainMenuBar::Merge(TMainMenu* Menu)
{
    FMergeMenu = Menu;
    if (Menu)
        Menu->FreeNotification(this);
    UpDateItems();
}

TMainMenu* TskSkinMainMenuBar::GetChildMainMenu() const
{
    if (FMergeMenu)
        return FMergeMenu;
    TCustomForm* main = Application->MainForm();
    TCustomForm* child = main ? main->ActiveMDIChild() : nullptr;
    for (int i = 0; child && i < child->ComponentCount(); ++i)
        if (auto* menu = dynamic_cast<TMainMenu*>(child->Components(i)))
            return menu;
    return nullptr;
}

void TskSkinMainMenuBar::MDIChildChanged()
{
    if (FChildMenu || GetChildMainMenu())
        UpDateItems();
}

void TskSkinMainMenuBar::UnMerge()
{
    FMergeMenu = nullptr;
    UpDateItems();
}

void TskSkinMainMenuBar::SetItemFont(TCanvas* C, const TskSkinMainMenuBarItem* Item) const
{
    if (Item && Item->D)
        AssignSkinFont(C->Font(), FDefItemFont.get(), UseSkinFont, FSD, Item->D->FontName, Item->D->FontHeight,
                       Item->D->FontStyle);
    else
        AssignSkinFont(C->Font(), FDefItemFont.get(), false, FSD, {}, 0, {});
    C->Font()->SetColor(FDefItemFont->GetColor());
}

int TskSkinMainMenuBar::TextWidth(const TskSkinMainMenuBarItem* Item)
{
    TBitmap scratch;
    SetItemFont(scratch.Canvas(), Item);
    RECT r{0, 0, 0, 0};
    DrawWideStringText(scratch.Canvas(), Item->MenuItem->GetCaption(), r, DT_CALCRECT | DT_CENTER | DT_SINGLELINE);
    return r.right;
}

void TskSkinMainMenuBar::CalcItemsRect()
{
    const int w = GetWidth(), h = GetHeight();
    if (FSkinSupport)
        NewItemsRect = RECT{FDesc->ItemsRect.left, FDesc->ItemsRect.top,
                            w + FDesc->ItemsRect.right - WidthOfRect(FDesc->SkinRect), FDesc->ItemsRect.bottom};
    else
        NewItemsRect = RECT{2, 2, w - 2, h - 2};
    PlaceMDIButtons();
    FScroll = false;
    int left = NewItemsRect.left;
    const int limit = ScrollMenu ? NewItemsRect.right - 5 : NewItemsRect.right;
    for (auto& item : FItems) {
        const int tw = TextWidth(item.get());
        if (item->D)
            item->ObjectRect = RECT{left, NewItemsRect.top,
                                    left + WidthOfRect(item->D->SkinRect) - WidthOfRect(item->D->TextRct) + tw + 2,
                                    NewItemsRect.top + HeightOfRect(item->D->SkinRect)};
        else
            item->ObjectRect = RECT{left, NewItemsRect.top, left + tw + 12, NewItemsRect.bottom};
        const bool fits = item->ObjectRect.right <= limit;
        if (!fits) {
            FScroll = true;
            if (item->Visible) {
                item->OldEnabled = item->Enabled;
                item->Enabled = false;
                item->Visible = false;
            }
        } else if (!item->Visible) {
            item->Visible = true;
            item->Enabled = item->OldEnabled;
        }
        left = item->ObjectRect.right;
    }
}

RECT TskSkinMainMenuBar::MarkerRect() const
{
    return RECT{NewItemsRect.right - 5, NewItemsRect.top, NewItemsRect.right, NewItemsRect.bottom};
}

void TskSkinMainMenuBar::Paint()
{
    LookupSkinData();
    const int w = GetWidth(), h = GetHeight();
    if (w <= 0 || h <= 0)
        return;
    TBitmap b;
    if (FSkinSupport && FSD->MainMenuBarTransparent) {
        b.SetSize(w, h);
        PaintParentUnderControl(this, b.Canvas());
    } else if (FSkinSupport) {
        BuildHorzBandImage(FDesc->ItemsRect.left, WidthOfRect(FDesc->SkinRect) - FDesc->ItemsRect.right, &b, FPicture,
                           FDesc->SkinRect, w, h, FDesc->StretchEffect);
    }
    if (b.GetWidth() != w || b.GetHeight() != h) {
        b.SetSize(w, h);
        b.Canvas()->Brush()->SetColor(clBtnFace);
        b.Canvas()->FillRect(RECT{0, 0, w, h});
    }
    CalcItemsRect();
    for (auto& button : FButtons)
        button->Draw(b.Canvas());
    for (auto& item : FItems)
        item->Draw(b.Canvas());
    if (FScroll && ScrollMenu) {
        const TColor c = FSkinSupport ? (FMarkerActive ? FDesc->TrackMarkActiveColor : FDesc->TrackMarkColor)
                                      : (FMarkerActive ? clBtnText : clGrayText);
        DrawTriangleArrow(b.Canvas(), MarkerRect(), c, 2);
    }
    Canvas()->Draw(0, 0, &b);
}

void TskSkinMainMenuBar::DrawObject(TskSkinMainMenuBarItem* Item)
{
    if (!HandleAllocated() || !Showing())
        return;
    if (FSkinSupport && FDesc->ItemTransparent) {
        Repaint();
        return;
    }
    Item->Draw(Canvas());
}

void TskSkinMainMenuBar::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_ERASEBKGND:
        Message.Result = 1;
        return;
    case CM_MOUSEENTER:
        TskSkinControl::Dispatch(Message);
        MouseTimer->SetEnabled(true);
        return;
    case CM_MOUSELEAVE:
        TskSkinControl::Dispatch(Message);
        MouseTimer->SetEnabled(false);
        TestActive(-1, -1);
        return;
    case SKM_SKINMENUCLOSED:
        for (auto& button : FButtons)
            if (button->FDown && button->Command == cmSysMenu) {
                button->FDown = false;
                button->Active = button.get() == FHotButton;
                button->ReDraw();
            }
        TskSkinControl::Dispatch(Message);
        return;
    case SKM_PARENTBGCHANGED:
        if (FSkinSupport && FSD->MainMenuBarTransparent)
            Invalidate();
        TskSkinControl::Dispatch(Message);
        return;
    default:
        TskSkinControl::Dispatch(Message);
    }
}

int TskSkinMainMenuBar::IndexOf(const TskSkinMainMenuBarItem* Item) const
{
    for (int i = 0; i < ItemCount(); ++i)
        if (FItems[static_cast<std::size_t>(i)].get() == Item)
            return i;
    return -1;
}

void TskSkinMainMenuBar::TestActive(int X, int Y)
{
    TestActiveButton(X, Y);
    if (FItems.empty())
        return;
    OldActiveObject = ActiveObject;
    int found = -1;
    for (int i = 0; i < ItemCount(); ++i) {
        TskSkinMainMenuBarItem* item = Item(i);
        if (item->Enabled && item->Visible && PtInRect(&item->ObjectRect, POINT{X, Y})) {
            found = i;
            break;
        }
    }
    ActiveObject = found == -1 && FMenuActive && OldActiveObject != -1 ? OldActiveObject : found;
    if (ActiveObject >= ItemCount())
        ActiveObject = -1;
    if (ActiveObject != OldActiveObject) {
        if (OldActiveObject != -1 && Item(OldActiveObject)->Enabled && !Item(OldActiveObject)->FDown)
            Item(OldActiveObject)->MouseLeave();
        if (ActiveObject != -1 && Item(ActiveObject)->Enabled)
            Item(ActiveObject)->MouseEnter();
    }
    if (FScroll && ScrollMenu) {
        const RECT marker = MarkerRect();
        const bool in = PtInRect(&marker, POINT{X, Y}) != FALSE;
        if (in != FMarkerActive) {
            FMarkerActive = in;
            Invalidate();
        }
    }
}

void TskSkinMainMenuBar::MouseTimerTick()
{
    POINT p{};
    GetCursorPos(&p);
    p = ScreenToClient(p);
    if (p.x < 0 || p.y < 0 || p.x >= GetWidth() || p.y >= GetHeight()) {
        MouseTimer->SetEnabled(false);
        TestActive(-1, -1);
        return;
    }
    TestActive(p.x, p.y);
}

void TskSkinMainMenuBar::MorphTimerTick()
{
    bool busy = false;
    for (auto& item : FItems)
        if (item->EnableMorphing() && item->CanMorphing()) {
            item->DoMorphing();
            busy = true;
        }
    for (auto& button : FButtons)
        if (button->EnableMorphing() && button->CanMorphing()) {
            button->DoMorphing();
            busy = true;
        }
    if (!busy)
        MorphTimer->SetEnabled(false);
}

void TskSkinMainMenuBar::AnimateTimerTick()
{
    bool moved = false;
    for (auto& item : FItems)
        if (item->EnableAnimation() && item->Animate())
            moved = true;
    if (!moved)
        AnimateTimer->SetEnabled(false);
}

void TskSkinMainMenuBar::MouseMove(TShiftState Shift, int X, int Y)
{
    TskSkinControl::MouseMove(Shift, X, Y);
    if (!MouseTimer->GetEnabled())
        MouseTimer->SetEnabled(true);
}

void TskSkinMainMenuBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TskSkinControl::MouseDown(Button, Shift, X, Y);
    TestActive(X, Y);
    if (FHotButton) {
        if (Button != TMouseButton::mbLeft)
            return;
        FCaptureButton = FHotButton;
        if (Shift.Contains(ssDouble))
            FCaptureButton->DblClick();
        else
            FCaptureButton->MouseDown();
    } else if (ActiveObject != -1) {
        if (Button == TMouseButton::mbLeft)
            Item(ActiveObject)->MouseDown();
    } else if (const RECT marker = MarkerRect(); FScroll && ScrollMenu && PtInRect(&marker, POINT{X, Y})) {
        PopupScrollMenu();
    }
}

void TskSkinMainMenuBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (TskSkinMainMenuBarButton* captured = FCaptureButton; captured && Button == TMouseButton::mbLeft) {
        FCaptureButton = nullptr;
        captured->MouseUp();
    }
    TskSkinControl::MouseUp(Button, Shift, X, Y);
}

void TskSkinMainMenuBar::TestActiveButton(int X, int Y)
{
    TskSkinMainMenuBarButton* found = nullptr;
    for (auto& button : FButtons)
        if (button->Enabled && PtInRect(&button->ObjectRect, POINT{X, Y})) {
            found = button.get();
            break;
        }
    // While a button holds the pointer no other one becomes hot.
    if (FCaptureButton && found != FCaptureButton)
        found = nullptr;
    if (found == FHotButton)
        return;
    if (FHotButton)
        FHotButton->MouseLeave();
    FHotButton = found;
    if (found)
        found->MouseEnter();
}

void TskSkinMainMenuBar::DrawButton(TskSkinMainMenuBarButton* Button)
{
    if (HandleAllocated() && Showing())
        Button->Draw(Canvas());
}

void TskSkinMainMenuBar::CreateMDIButtons()
{
    const TskDataSkinMainMenuBar* d = BarDescription();
    FButtons.push_back(std::make_unique<TskSkinMainMenuBarButton>(this, d ? d->SysMenuButton : "SysMenuButton", cmSysMenu));
    FButtons.push_back(std::make_unique<TskSkinMainMenuBarButton>(this, d ? d->CloseButton : "CloseButton", cmClose));
    FButtons.push_back(std::make_unique<TskSkinMainMenuBarButton>(this, d ? d->MaxButton : "MaxButton", cmMaximize));
    FButtons.push_back(std::make_unique<TskSkinMainMenuBarButton>(this, d ? d->MinButton : "MinButton", cmMinimize));
}

void TskSkinMainMenuBar::CheckMDIButtons()
{
    TskFormSkin* child = GetMaximizedChildSkinForm();
    if (!child || FButtons.size() != 4)
        return;
    // The frame's icons: the frame empties the form's own set when it takes the form over.
    const TskBorderIcons icons = child->GetBorderIcons();
    for (auto& button : FButtons)
        button->Enabled = true;
    Button(3)->Enabled = icons.Contains(TskBorderIcon::biMinimize);
    Button(0)->Enabled = icons.Contains(TskBorderIcon::biSystemMenu);
}

void TskSkinMainMenuBar::PlaceMDIButtons()
{
    if (!FMDIChildMax || FButtons.size() != 4)
        return;
    const int ih = HeightOfRect(NewItemsRect);
    auto place = [this, ih](TskSkinMainMenuBarButton* b, int Left) {
        const SIZE s = b->Size(ih);
        const int top = NewItemsRect.top + (ih - s.cy) / 2;
        b->ObjectRect = RECT{Left, top, Left + s.cx, top + s.cy};
        return s.cx;
    };
    NewItemsRect.left += place(Button(0), NewItemsRect.left) + 2;
    for (int i = 1; i < 4; ++i)
        NewItemsRect.right -= place(Button(i), NewItemsRect.right - Button(i)->Size(ih).cx) + 2;
}

void TskSkinMainMenuBar::MDIChildMaximize()
{
    if (FMDIChildMax)
        return;
    FMDIChildMax = true;
    ActiveObject = OldActiveObject = -1;
    CreateMDIButtons();
    CheckMDIButtons();
    Invalidate();
}

void TskSkinMainMenuBar::MDIChildRestore()
{
    if (GetMaximizedChildSkinForm()) {
        CheckMDIButtons();
        Invalidate();
        return;
    }
    if (!FMDIChildMax)
        return;
    FMDIChildMax = false;
    FButtons.clear();
    FHotButton = FCaptureButton = nullptr;
    ActiveObject = -1;
    Invalidate();
}

void TskSkinMainMenuBar::PopupScrollMenu()
{
    if (!FFormSkin || !FFormSkin->SkinMenu() || !FMainMenu)
        return;
    int fit = 0;
    while (fit < ItemCount() && Item(fit)->Visible)
        ++fit;
    // The index among the menu's own children of the first item that did not fit.
    const int start = fit < ItemCount() ? FMainMenu->Items()->IndexOf(Item(fit)->MenuItem) : ItemCount();
    RECT r = MarkerRect();
    const POINT o = ClientToScreen(POINT{0, 0});
    OffsetRect(&r, o.x, o.y);
    FFormSkin->SkinMenuOpen();
    FFormSkin->SkinMenu()->Popup(nullptr, FSD, std::max(0, start), r, FMainMenu->Items(), false);
}

// --- keyboard --------------------------------------------------------------------------------

bool TskSkinMainMenuBar::Selectable(int Index) const
{
    const TskSkinMainMenuBarItem* item = Item(Index);
    return item->Enabled && item->Visible;
}

void TskSkinMainMenuBar::ActivateMenu()
{
    if (FItems.empty())
        return;
    FMenuActive = true;
    int hot = -1;
    for (int i = 0; i < ItemCount() && hot == -1; ++i)
        if (Item(i)->Active)
            hot = i;
    if (hot == -1)
        for (int i = 0; i < ItemCount() && hot == -1; ++i)
            if (Selectable(i))
                hot = i;
    if (hot != -1) {
        ActiveObject = hot;
        Item(hot)->MouseEnter();
    }
    if (FFormSkin)
        FFormSkin->EnterMainMenu(this);
}

void TskSkinMainMenuBar::NextMainMenuItem()
{
    const int n = ItemCount();
    int cur = -1;
    for (int i = 0; i < n && cur == -1; ++i)
        if (Selectable(i) && (Item(i)->Active || Item(i)->FDown))
            cur = i;
    int next = -1;
    for (int k = 1; k <= n && next == -1; ++k) {
        const int i = ((cur == -1 ? -1 : cur) + k) % n;
        if (Selectable(i))
            next = i;
    }
    if (next == -1 || next == cur)
        return;
    if (cur != -1 && !Item(cur)->FDown)
        Item(cur)->MouseLeave();
    ActiveObject = next;
    Item(next)->MouseEnter();
}

void TskSkinMainMenuBar::PriorMainMenuItem()
{
    const int n = ItemCount();
    int cur = -1;
    for (int i = 0; i < n && cur == -1; ++i)
        if (Selectable(i) && (Item(i)->Active || Item(i)->FDown))
            cur = i;
    int prev = -1;
    for (int k = 1; k <= n && prev == -1; ++k) {
        const int i = ((cur == -1 ? 0 : cur) - k + 2 * n) % n;
        if (Selectable(i))
            prev = i;
    }
    if (prev == -1 || prev == cur)
        return;
    if (cur != -1 && !Item(cur)->FDown)
        Item(cur)->MouseLeave();
    ActiveObject = prev;
    Item(prev)->MouseEnter();
}

bool TskSkinMainMenuBar::ExecuteActiveItem()
{
    const bool menuOpen = FFormSkin && FFormSkin->SkinMenu() && FFormSkin->SkinMenu()->Visible();
    for (auto& item : FItems)
        if ((item->FDown && item->MenuItem->Count() == 0) || (item->Active && !menuOpen)) {
            item->Active = false;
            item->MouseDown();
            return true;
        }
    return false;
}

bool TskSkinMainMenuBar::FindHotKey(WORD Key)
{
    TCustomForm* form = GetParentForm(this);
    if (!form || !form->GetVisible())
        return false;
    for (int i = 0; i < ItemCount(); ++i) {
        if (!Selectable(i) || !IsAccel(static_cast<char32_t>(Key), Item(i)->MenuItem->GetCaption()))
            continue;
        TskSkinMainMenuBarItem* item = Item(i);
        ActiveObject = i;
        item->MouseEnter();
        const bool menuOpen = FFormSkin && FFormSkin->SkinMenu() && FFormSkin->SkinMenu()->Visible();
        if (!menuOpen || item->MenuItem->Count() == 0)
            item->MouseDown();
        return true;
    }
    return false;
}

void TskSkinMainMenuBar::ReleaseDownItem()
{
    for (auto& item : FItems)
        if (item->FDown) {
            item->FDown = false;
            item->Active = true;
            DrawObject(item.get());
            return;
        }
}

void TskSkinMainMenuBar::DeactivateMenu()
{
    FMenuActive = false;
    for (auto& item : FItems)
        if (item->FDown || item->Active) {
            item->Active = item->FMouseIn = item->FDown = false;
            if (item->EnableAnimation() && !item->D->InActiveAnimation) {
                item->CurrentFrame = 0;
                DrawObject(item.get());
            } else {
                item->ReDraw();
            }
            break;
        }
    ActiveObject = OldActiveObject = -1;
}
