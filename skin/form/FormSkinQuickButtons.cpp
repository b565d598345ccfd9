#include "skin/form/FormSkinQuickButtons.h"

#include "classlib/ImgList.h"
#include "platform/win/Rect.h"
#include "platform/window/User.h"
#include "skin/core/skDataSkinControls.h"
#include "skin/core/skSkinImages.h"
#include "skin/core/skUtils.h"
#include "skin/form/FormSkin.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/form/skSkinHint.h"

// --- items -----------------------------------------------------------------------------------

TskQuickButtonItem::TskQuickButtonItem(TCollection* Collection) : TCollectionItem(Collection) {}

void TskQuickButtonItem::Assign(TPersistent* Source)
{
    auto* other = dynamic_cast<TskQuickButtonItem*>(Source);
    if (!other) {
        TCollectionItem::Assign(Source);
        return;
    }
    FImageIndex = other->FImageIndex;
    Hint = other->Hint;
    FEnabled = other->FEnabled;
    FVisible = other->FVisible;
    Changed(false);
}

void TskQuickButtonItem::SetImageIndex(int Value)
{
    FImageIndex = Value;
    Changed(false);
}

void TskQuickButtonItem::SetEnabled(bool Value)
{
    FEnabled = Value;
    Changed(false);
}

void TskQuickButtonItem::SetVisible(bool Value)
{
    FVisible = Value;
    Changed(false);
}

TskQuickButtonItems::TskQuickButtonItems(TskFormSkin* ABSF)
    : TCollection(CollectionItemClass<TskQuickButtonItem>()), BSF(ABSF)
{
}

TPersistent* TskQuickButtonItems::GetOwner()
{
    return BSF;
}

void TskQuickButtonItems::Update(TCollectionItem*)
{
    const TComponentState state = BSF->ComponentState();
    if (state.Contains(csLoading) || state.Contains(csDesigning))
        return;
    if (TCustomForm* form = BSF->Form(); form && form->HandleAllocated())
        SendMessage(form->GetHandle(), WM_NCPAINT, 0, 0);
}

// --- the frame's side ------------------------------------------------------------------------

bool TskFormSkin::HasQuickButtons() const
{
    return FQuickButtons && FQuickButtons->Count() > 0 && FQuickImageList;
}

int TskFormSkin::QuickButtonsWidth() const
{
    return HasQuickButtons() ? FQuickButtons->Count() * (FQuickImageList->GetWidth() + 8) : 0;
}

// --- the caption's side ----------------------------------------------------------------------

namespace {

// The face of a hot or pressed quick button: the skin's small tool button.
TskDataSkinButtonControl* QuickButtonFace(TskSkinData* SD)
{
    auto* d = NamedDescription<TskDataSkinButtonControl>(SD, "officequickbutton");
    if (!d)
        d = NamedDescription<TskDataSkinButtonControl>(SD, "resizetoolbutton");
    return d && SkinPicture(SD, d->PictureIndex) ? d : nullptr;
}

} // namespace

void TskSkinCaptionObject::DrawQuickButtons(TCanvas* Cnvs)
{
    if (!Parent->HasQuickButtons())
        return;
    TCustomImageList* il = Parent->GetQuickImageList();
    TskQuickButtonItems* items = Parent->QuickButtons();
    TskDataSkinButtonControl* face = QuickButtonFace(SD);
    int x = ObjectRect.left;
    const int y = ObjectRect.top + HeightOfRect(ObjectRect) / 2 - il->GetHeight() / 2 - 2;
    for (int i = 0; i < items->Count(); ++i) {
        TskQuickButtonItem* item = items->Items(i);
        if (!item->GetVisible())
            continue;
        item->ItemRect = RECT{x, y, x + il->GetWidth() + 4, y + il->GetHeight() + 4};
        x += il->GetWidth() + 8;
        const RECT& r = item->ItemRect;
        if (item->Active && face) {
            TBitmap picture;
            picture.SetSize(WidthOfRect(r), HeightOfRect(r));
            ComposeNineSliceFromClientRect(&picture, SkinPicture(SD, face->PictureIndex),
                                           item->Down ? face->DownSkinRect : face->ActiveSkinRect, face->ClRect,
                                           true);
            Cnvs->Draw(r.left, r.top, &picture);
        }
        il->Draw(Cnvs, r.left + WidthOfRect(r) / 2 - il->GetWidth() / 2,
                 r.top + HeightOfRect(r) / 2 - il->GetHeight() / 2, item->GetImageIndex(), item->GetEnabled());
    }
}

void TskSkinCaptionObject::TrackQuickButtons(int X, int Y)
{
    TskQuickButtonItems* items = Parent->QuickButtons();
    if (items->Count() == 0)
        return;
    OldActiveQuickButton = ActiveQuickButton;
    ActiveQuickButton = -1;
    for (int i = 0; i < items->Count(); ++i) {
        TskQuickButtonItem* item = items->Items(i);
        if (item->GetEnabled() && item->GetVisible() && PtInRect(&item->ItemRect, POINT{X, Y})) {
            ActiveQuickButton = i;
            break;
        }
    }
    bool changed = false;
    for (int i = 0; i < items->Count(); ++i) {
        TskQuickButtonItem* item = items->Items(i);
        const bool active = i == ActiveQuickButton;
        changed = changed || item->Active != active;
        item->Active = active;
    }
    TCustomForm* form = Parent->Form();
    if ((ActiveQuickButton != OldActiveQuickButton || changed) && form->HandleAllocated())
        SendMessage(form->GetHandle(), WM_NCPAINT, 0, 0);
    TskSkinHint* hint = Parent->GetSkinHint();
    if (!hint || !Parent->QuickButtonsShowHint)
        return;
    if (ActiveQuickButton != OldActiveQuickButton && ActiveQuickButton != -1 &&
        !items->Items(ActiveQuickButton)->Hint.empty())
        hint->ActivateHint2(items->Items(ActiveQuickButton)->Hint);
    if (changed && ActiveQuickButton == -1)
        hint->HideHint();
}

void TskSkinCaptionObject::MouseMove(int X, int Y)
{
    TskActiveSkinObject::MouseMove(X, Y);
    if (Parent->HasQuickButtons())
        TrackQuickButtons(X, Y);
}

void TskSkinCaptionObject::MouseDown(int X, int Y, TMouseButton Button)
{
    TskActiveSkinObject::MouseDown(X, Y, Button);
    if (!Parent->HasQuickButtons())
        return;
    TrackQuickButtons(X, Y);
    TskQuickButtonItems* items = Parent->QuickButtons();
    if (ActiveQuickButton != -1) {
        for (int i = 0; i < items->Count(); ++i) {
            TskQuickButtonItem* item = items->Items(i);
            item->Down = i == ActiveQuickButton;
            if (!item->Down)
                item->Active = false;
        }
        SendMessage(Parent->Form()->GetHandle(), WM_NCPAINT, 0, 0);
    }
    if (Parent->QuickButtonsShowHint)
        if (TskSkinHint* hint = Parent->GetSkinHint())
            hint->HideHint();
}

void TskSkinCaptionObject::MouseUp(int X, int Y, TMouseButton Button)
{
    if (auto handler = Parent->OnMouseUpEvent)
        handler(IDName, X, Y, ObjectRect, Button);
    if (!Parent->HasQuickButtons())
        return;
    TrackQuickButtons(X, Y);
    if (ActiveQuickButton == -1)
        return;
    TskQuickButtonItems* items = Parent->QuickButtons();
    for (int i = 0; i < items->Count(); ++i)
        items->Items(i)->Down = false;
    SendMessage(Parent->Form()->GetHandle(), WM_NCPAINT, 0, 0);
    if (auto handler = items->Items(ActiveQuickButton)->OnClick)
        handler(this);
}
