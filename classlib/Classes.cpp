#include "classlib/Classes.h"

#include "classlib/SysUtils.h"

#include <algorithm>

// --- TPersistent -----------------------------------------------------------------------------

void TPersistent::Assign(TPersistent* Source)
{
    if (Source)
        Source->AssignTo(this);
    else
        AssignError(nullptr);
}

void TPersistent::AssignTo(TPersistent* Dest)
{
    Dest->AssignError(this);
}

void TPersistent::AssignError(TPersistent* Source)
{
    std::string sourceName = Source ? Source->ClassName() : std::string("nil");
    throw EConvertError("Cannot assign a " + sourceName + " to a " + ClassName());
}

// --- TComponent ------------------------------------------------------------------------------

TComponent::TComponent(TComponent* AOwner)
{
    if (AOwner)
        AOwner->InsertComponent(this);
}

TComponent::~TComponent()
{
    teardown();
}

void TComponent::BeforeDestruction()
{
    teardown();
}

void TComponent::teardown()
{
    if (FTornDown)
        return;
    FTornDown = true;
    Destroying();
    // Tell everyone who asked, newest first; each one leaves the other's list too.
    while (!FFreeNotifies.empty()) {
        TComponent* other = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        auto& theirs = other->FFreeNotifies;
        theirs.erase(std::remove(theirs.begin(), theirs.end(), this), theirs.end());
        other->Notification(this, TOperation::opRemove);
    }
    DestroyComponents();
    if (FOwner)
        FOwner->RemoveComponent(this);
}

TComponent* TComponent::Components(int Index) const
{
    if (Index < 0 || Index >= ComponentCount())
        RaiseListIndexError(Index);
    return FComponents[static_cast<std::size_t>(Index)];
}

int TComponent::GetComponentIndex() const
{
    if (!FOwner)
        return -1;
    auto& list = FOwner->FComponents;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

namespace {

bool isValidIdent(const std::string& s)
{
    if (s.empty())
        return false;
    // Names may hold letters beyond ASCII ("滤镜设置"): every byte of a UTF-8 sequence counts.
    auto alpha = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || static_cast<unsigned char>(c) >= 0x80;
    };
    if (!alpha(s[0]))
        return false;
    for (char c : s)
        if (!alpha(c) && !(c >= '0' && c <= '9'))
            return false;
    return true;
}

} // namespace

void TComponent::SetName(const std::string& NewName)
{
    if (FName == NewName)
        return;
    if (!NewName.empty() && !isValidIdent(NewName))
        throw EComponentError("\"" + NewName + "\" is not a valid component name");
    if (FOwner)
        FOwner->ValidateRename(this, FName, NewName);
    else
        ValidateRename(nullptr, FName, NewName);
    FName = NewName;
}

void TComponent::ValidateRename(TComponent* AComponent, const std::string& CurName, const std::string& NewName)
{
    if (!AComponent || NewName.empty() || SameText(CurName, NewName))
        return;
    TComponent* found = FindComponent(NewName);
    if (found && found != AComponent)
        throw EComponentError("A component named " + NewName + " already exists");
}

void TComponent::insertRaw(TComponent* AComponent)
{
    FComponents.push_back(AComponent);
    AComponent->FOwner = this;
}

void TComponent::removeRaw(TComponent* AComponent)
{
    FComponents.erase(std::remove(FComponents.begin(), FComponents.end(), AComponent), FComponents.end());
    AComponent->FOwner = nullptr;
}

void TComponent::InsertComponent(TComponent* AComponent)
{
    if (AComponent->FOwner)
        AComponent->FOwner->RemoveComponent(AComponent);
    ValidateInsert(AComponent);
    ValidateRename(AComponent, std::string(), AComponent->FName);
    insertRaw(AComponent);
    if (FComponentState.Contains(csDesigning))
        AComponent->SetDesigning(true);
    Notification(AComponent, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent)
{
    if (AComponent->FOwner != this)
        return;
    Notification(AComponent, TOperation::opRemove);
    removeRaw(AComponent);
}

TComponent* TComponent::FindComponent(const std::string& AName) const
{
    if (AName.empty())
        return nullptr;
    for (TComponent* c : FComponents)
        if (SameText(c->FName, AName))
            return c;
    return nullptr;
}

void TComponent::DestroyComponents()
{
    // Newest first, as each one's removal may free or rename others.
    while (!FComponents.empty()) {
        TComponent* c = FComponents.back();
        RemoveComponent(c);
        c->Free();
    }
}

void TComponent::Destroying()
{
    if (FComponentState.Contains(csDestroying))
        return;
    FComponentState.Include(csDestroying);
    for (TComponent* c : FComponents)
        c->Destroying();
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == TOperation::opRemove && AComponent)
        removeNotification(AComponent);
    // Indexing, not iterators: a handler may free or insert components.
    for (std::size_t i = 0; i < FComponents.size(); ++i)
        FComponents[i]->Notification(AComponent, Operation);
}

void TComponent::FreeNotification(TComponent* AComponent)
{
    if (!AComponent || AComponent == this)
        return;
    if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent) == FFreeNotifies.end()) {
        FFreeNotifies.push_back(AComponent);
        AComponent->FreeNotification(this);
    }
    FComponentState.Include(csFreeNotification);
}

void TComponent::removeNotification(TComponent* AComponent)
{
    FFreeNotifies.erase(std::remove(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent), FFreeNotifies.end());
}

void TComponent::RemoveFreeNotification(TComponent* AComponent)
{
    removeNotification(AComponent);
    AComponent->removeNotification(this);
}

void TComponent::SetComponentStateFlag(TComponentStateMember Flag, bool On)
{
    if (On)
        FComponentState.Include(Flag);
    else
        FComponentState.Exclude(Flag);
}

void TComponent::BeginLoading()
{
    FComponentState.Include(csLoading);
    for (TComponent* c : FComponents)
        c->BeginLoading();
}

void TComponent::EndLoading()
{
    std::vector<TComponent*> order;
    order.push_back(this);
    for (std::size_t i = 0; i < order.size(); ++i)
        for (TComponent* c : order[i]->FComponents)
            order.push_back(c);
    for (TComponent* c : order)
        if (c->FComponentState.Contains(csLoading))
            c->Loaded();
}

void TComponent::Loaded()
{
    FComponentState.Exclude(csLoading);
}

void TComponent::SetDesigning(bool Value)
{
    SetComponentStateFlag(csDesigning, Value);
    for (TComponent* c : FComponents)
        c->SetDesigning(Value);
}

// --- TCollectionItem -------------------------------------------------------------------------

TCollectionItem::TCollectionItem(TCollection* Collection)
{
    SetCollection(Collection);
}

TCollectionItem::~TCollectionItem()
{
    SetCollection(nullptr);
}

void TCollectionItem::SetCollection(TCollection* Value)
{
    if (FCollection == Value)
        return;
    if (FCollection)
        FCollection->removeItem(this);
    if (Value)
        Value->insertItem(this);
}

int TCollectionItem::GetIndex() const
{
    if (!FCollection)
        return -1;
    auto& items = FCollection->FItems;
    auto it = std::find(items.begin(), items.end(), this);
    return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

void TCollectionItem::SetIndex(int Value)
{
    int cur = GetIndex();
    if (cur >= 0 && cur != Value) {
        FCollection->moveItem(cur, Value);
        Changed(true);
    }
}

std::string TCollectionItem::GetDisplayName() const
{
    return ClassName();
}

void TCollectionItem::SetDisplayName(const std::string& Value)
{
    (void)Value;
    Changed(false);
}

TPersistent* TCollectionItem::GetOwner()
{
    return FCollection;
}

void TCollectionItem::Changed(bool AllItems)
{
    if (FCollection && FCollection->FUpdateCount == 0)
        FCollection->Update(AllItems ? nullptr : this);
}

// --- TCollection -----------------------------------------------------------------------------

TCollection::TCollection(TCollectionItemClass ItemClass) : FItemClass(std::move(ItemClass)) {}

TCollection::~TCollection()
{
    freeItems();
}

void TCollection::BeforeDestruction()
{
    freeItems();
}

void TCollection::freeItems()
{
    FUpdateCount = 1;  // no Update calls into a collection being destroyed
    while (!FItems.empty())
        FItems.back()->Free();
}

TCollectionItem* TCollection::Add()
{
    return FItemClass(this);
}

TCollectionItem* TCollection::Insert(int Index)
{
    TCollectionItem* item = Add();
    item->SetIndex(Index);
    return item;
}

void TCollection::Delete(int Index)
{
    Notify(GetItem(Index), TCollectionNotification::cnDeleting);
    GetItem(Index)->Free();
}

void TCollection::Clear()
{
    if (FItems.empty())
        return;
    BeginUpdate();
    try {
        while (!FItems.empty())
            FItems.back()->Free();
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

TCollectionItem* TCollection::GetItem(int Index) const
{
    if (Index < 0 || Index >= Count())
        RaiseListIndexError(Index);
    return FItems[static_cast<std::size_t>(Index)];
}

TCollectionItem* TCollection::FindItemID(int ID) const
{
    for (TCollectionItem* item : FItems)
        if (item->FID == ID)
            return item;
    return nullptr;
}

void TCollection::BeginUpdate()
{
    ++FUpdateCount;
}

void TCollection::EndUpdate()
{
    if (FUpdateCount > 0 && --FUpdateCount == 0)
        Changed();
}

void TCollection::Changed()
{
    if (FUpdateCount == 0)
        Update(nullptr);
}

void TCollection::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TCollection*>(Source);
    if (!src) {
        TPersistent::Assign(Source);
        return;
    }
    if (src == this)
        return;
    BeginUpdate();
    try {
        Clear();
        for (TCollectionItem* item : src->FItems)
            Add()->Assign(item);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TCollection::insertItem(TCollectionItem* Item)
{
    FItems.push_back(Item);
    Item->FCollection = this;
    Item->FID = FNextID++;
    Notify(Item, TCollectionNotification::cnAdded);
    Changed();
}

void TCollection::removeItem(TCollectionItem* Item)
{
    Notify(Item, TCollectionNotification::cnExtracting);
    FItems.erase(std::remove(FItems.begin(), FItems.end(), Item), FItems.end());
    Item->FCollection = nullptr;
    Changed();
}

void TCollection::moveItem(int CurIndex, int NewIndex)
{
    NewIndex = std::clamp(NewIndex, 0, Count() - 1);
    TCollectionItem* item = FItems[static_cast<std::size_t>(CurIndex)];
    FItems.erase(FItems.begin() + CurIndex);
    FItems.insert(FItems.begin() + NewIndex, item);
}
