#pragma once
// A named list of stored skins. Each item owns its stored skin; a form carries the items' skins
// in the stored-skin stream format (SaveToCompressStream / LoadFromCompressStream of the item's
// Skin).

#include "classlib/Classes.h"
#include "skin/core/skCompressedStoredSkin.h"

#include <string>

class TskCompressedSkinList;

class TskSkinListItem : public TCollectionItem {
public:
    // Named "skSkin<index>" after its place in the collection.
    explicit TskSkinListItem(TCollection* Collection);
    ~TskSkinListItem() override;

    // Copies the texts and the stored skin of another item.
    void Assign(TPersistent* Source) override;
    std::string GetDisplayName() const override { return FName; }

    TskCompressedStoredSkin* Skin() const { return FSkin; }
    const std::string& Description() const { return FDescription; }
    void SetDescription(const std::string& Value) { FDescription = Value; }
    const std::string& Name() const { return FName; }
    void SetName(const std::string& Value) { FName = Value; }
    // In the owning list's design mode these load the skin first and then keep the name part.
    const std::string& FileName() const { return FFileName; }
    void SetFileName(const std::string& Value);
    const std::string& CompressedFileName() const { return FCompressedFileName; }
    void SetCompressedFileName(const std::string& Value);

private:
    bool LoadsOnAssignment() const;

    TskCompressedStoredSkin* FSkin;
    std::string FDescription;
    std::string FFileName;
    std::string FCompressedFileName;
    std::string FName;
};

class TskSkinListItems : public TOwnedCollection {
public:
    explicit TskSkinListItems(TskCompressedSkinList* ASkinList);

    TskSkinListItem* Items(int Index) const { return static_cast<TskSkinListItem*>(GetItem(Index)); }
    TskSkinListItem* Add() { return static_cast<TskSkinListItem*>(TCollection::Add()); }
    TskCompressedSkinList* SkinList() const { return FSkinList; }

private:
    TskCompressedSkinList* FSkinList;
};

class TskCompressedSkinList : public TComponent {
public:
    explicit TskCompressedSkinList(TComponent* AOwner);
    ~TskCompressedSkinList() override;

    TskSkinListItems* Skins() const { return FSkins; }
    // Copies the given collection into the owned one.
    void SetSkins(TskSkinListItems* Value);

private:
    TskSkinListItems* FSkins;
};
