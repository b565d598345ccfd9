#pragma once
// An image list of PNG pictures with full alpha. Controls that take an image list draw its
// entries through the list's ordinary Draw call; disabled entries are drawn half transparent.

#include "classlib/Classes.h"
#include "classlib/ImgList.h"
#include "skin/core/skpngimage.h"

#include <string>

class TskPngImageList;

class TskPngImageItem : public TCollectionItem {
public:
    // Named "PngImage<index>"; a placeholder entry joins the owning image list.
    explicit TskPngImageItem(TCollection* Collection);
    ~TskPngImageItem() override;

    void Assign(TPersistent* Source) override;
    std::string GetDisplayName() const override;

    const std::string& GetName() const { return FName; }
    void SetName(const std::string& Value) { FName = Value; }
    TskPngImage* GetPngImage() const { return FPngImage; }
    // Copies Value into the item's own picture.
    void SetPngImage(TskPngImage* Value);

private:
    TskPngImageList* ImageList() const;

    TskPngImage* FPngImage;
    std::string FName;
};

class TskPngImageItems : public TOwnedCollection {
public:
    explicit TskPngImageItems(TskPngImageList* APNGImageList);
    TskPngImageItem* Items(int Index) const { return static_cast<TskPngImageItem*>(GetItem(Index)); }
    TskPngImageList* PngImageList() const { return FPngImageList; }

private:
    TskPngImageList* FPngImageList;
};

class TskPngImageList : public TCustomImageList {
public:
    explicit TskPngImageList(TComponent* AOwner);
    ~TskPngImageList() override;

    TskPngImageItems* GetPngImages() const { return FPngImages; }
    void SetPngImages(TskPngImageItems* Value) { FPngImages->Assign(Value); }
    int GetPngWidth() const { return GetWidth(); }
    int GetPngHeight() const { return GetHeight(); }
    // A new size removes every picture, except while the list is being loaded.
    void SetPngWidth(int Value);
    void SetPngHeight(int Value);

protected:
    // The item's picture scaled into the entry's rectangle; disabled: a half-transparent copy.
    void DoDraw(int Index, TCanvas* Canvas, int X, int Y, bool Enabled) override;

private:
    friend class TskPngImageItem;
    void AddPlaceholder();
    void SizeChanged();

    TskPngImageItems* FPngImages;
};
