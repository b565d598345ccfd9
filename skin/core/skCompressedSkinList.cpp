#include "skin/core/skCompressedSkinList.h"

#include "classlib/Streams.h"
#include "classlib/SysUtils.h"

TskSkinListItem::TskSkinListItem(TCollection* Collection)
    : TCollectionItem(Collection), FSkin(new TskCompressedStoredSkin(nullptr))
{
    FName = "skSkin" + std::to_string(GetIndex());
}

TskSkinListItem::~TskSkinListItem()
{
    delete FSkin;
}

void TskSkinListItem::Assign(TPersistent* Source)
{
    auto* other = dynamic_cast<TskSkinListItem*>(Source);
    if (!other) {
        TCollectionItem::Assign(Source);
        return;
    }
    TMemoryStream skin;
    other->FSkin->SaveToCompressStream(&skin);
    FSkin->LoadFromCompressStream(&skin);
    FDescription = other->FDescription;
    FFileName = other->FFileName;
    FCompressedFileName = other->FCompressedFileName;
    FName = other->FName;
}

bool TskSkinListItem::LoadsOnAssignment() const
{
    auto* items = dynamic_cast<TskSkinListItems*>(GetCollection());
    if (!items || !items->SkinList())
        return false;
    const TComponentState state = items->SkinList()->ComponentState();
    return state.Contains(csDesigning) && !state.Contains(csReading) && !state.Contains(csLoading);
}

void TskSkinListItem::SetFileName(const std::string& Value)
{
    if (LoadsOnAssignment()) {
        FSkin->LoadFromIniFile(Value);
        FFileName = ExtractFileName(Value);
    } else {
        FFileName = Value;
    }
}

void TskSkinListItem::SetCompressedFileName(const std::string& Value)
{
    if (LoadsOnAssignment()) {
        FSkin->LoadFromCompressFile(Value);
        FCompressedFileName = ExtractFileName(Value);
    } else {
        FCompressedFileName = Value;
    }
}

TskSkinListItems::TskSkinListItems(TskCompressedSkinList* ASkinList)
    : TOwnedCollection(ASkinList, CollectionItemClass<TskSkinListItem>()), FSkinList(ASkinList)
{
}

TskCompressedSkinList::TskCompressedSkinList(TComponent* AOwner)
    : TComponent(AOwner), FSkins(new TskSkinListItems(this))
{
}

TskCompressedSkinList::~TskCompressedSkinList()
{
    delete FSkins;
}

void TskCompressedSkinList::SetSkins(TskSkinListItems* Value)
{
    FSkins->Assign(Value);
}
