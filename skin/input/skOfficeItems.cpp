#include "skin/input/skSkinOfficeCtrls.h"

namespace {

TskSkinOfficeListBox* ListOf(TCollection* Collection)
{
    auto* items = dynamic_cast<TskSkinOfficeItems*>(Collection);
    return items ? items->OfficeListBox() : nullptr;
}

// The collection's update handler paints the items; while the base part of a new item is being
// built the item's own fields do not exist yet, so the handler waits for the finished item.
TCollection* Entering(TCollection* Collection)
{
    if (auto* items = dynamic_cast<TskSkinOfficeItems*>(Collection))
        ++items->FConstructing;
    return Collection;
}

} // namespace

TskSkinOfficeItem::TskSkinOfficeItem(TCollection* Collection) : TCollectionItem(Entering(Collection))
{
    // The front end clears and refills at the list's ItemIndex: the new item there is the
    // selected one from the start.
    if (TskSkinOfficeListBox* list = ListOf(Collection))
        Active = GetIndex() == list->GetItemIndex();
    if (auto* items = dynamic_cast<TskSkinOfficeItems*>(Collection)) {
        --items->FConstructing;
        if (items->UpdateCount() == 0)
            items->Update(this);
    }
}

void TskSkinOfficeItem::Assign(TPersistent* Source)
{
    if (auto* src = dynamic_cast<TskSkinOfficeItem*>(Source)) {
        FImageIndex = src->FImageIndex;
        FCaption = src->FCaption;
        FTitle = src->FTitle;
        FEnabled = src->FEnabled;
        FHeader = src->FHeader;
        return;
    }
    TCollectionItem::Assign(Source);
}

void TskSkinOfficeItem::SetImageIndex(int Value)
{
    FImageIndex = Value;
    Changed(false);
}

void TskSkinOfficeItem::SetTitle(const std::string& Value)
{
    FTitle = Value;
    Changed(false);
}

void TskSkinOfficeItem::SetCaption(const std::string& Value)
{
    FCaption = Value;
    Changed(false);
}

void TskSkinOfficeItem::SetEnabled(bool Value)
{
    FEnabled = Value;
    Changed(false);
}

void TskSkinOfficeItem::SetHeader(bool Value)
{
    FHeader = Value;
    Changed(false);
}

TskSkinOfficeItems::TskSkinOfficeItems(TskSkinOfficeListBox* AListBox)
    : TCollection(CollectionItemClass<TskSkinOfficeItem>()), FOfficeListBox(AListBox)
{
}

TPersistent* TskSkinOfficeItems::GetOwner()
{
    return FOfficeListBox;
}

void TskSkinOfficeItems::Update(TCollectionItem*)
{
    if (FConstructing > 0)
        return;
    FOfficeListBox->Repaint();
    FOfficeListBox->UpdateScrollInfo();
}

TskSkinOfficeItem* TskSkinOfficeItems::Add()
{
    auto* item = static_cast<TskSkinOfficeItem*>(TCollection::Add());
    FOfficeListBox->Repaint();
    return item;
}

TskSkinOfficeItem* TskSkinOfficeItems::Insert(int Index)
{
    auto* item = static_cast<TskSkinOfficeItem*>(TCollection::Insert(Index));
    FOfficeListBox->Repaint();
    return item;
}

void TskSkinOfficeItems::Delete(int Index)
{
    TCollection::Delete(Index);
    FOfficeListBox->Repaint();
}

void TskSkinOfficeItems::Clear()
{
    TCollection::Clear();
    FOfficeListBox->Repaint();
}
