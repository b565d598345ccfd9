#include "skin/core/skPngImageList.h"

#include "classlib/Bitmap.h"
#include "classlib/Canvas.h"
#include "classlib/SysUtils.h"

TskPngImageItem::TskPngImageItem(TCollection* Collection)
    : TCollectionItem(Collection), FPngImage(new TskPngImage)
{
    FName = Format("PngImage%d", {GetIndex()});
    if (TskPngImageList* list = ImageList())
        list->AddPlaceholder();
}

TskPngImageItem::~TskPngImageItem()
{
    delete FPngImage;
    // The placeholders are all alike, so removing the one at the item's index keeps the list in
    // step.
    TskPngImageList* list = ImageList();
    if (list && GetIndex() >= 0 && GetIndex() < list->Count())
        list->Delete(GetIndex());
}

TskPngImageList* TskPngImageItem::ImageList() const
{
    auto* items = dynamic_cast<TskPngImageItems*>(GetCollection());
    return items ? items->PngImageList() : nullptr;
}

void TskPngImageItem::Assign(TPersistent* Source)
{
    if (auto* item = dynamic_cast<TskPngImageItem*>(Source)) {
        FPngImage->Assign(item->FPngImage);
        FName = item->FName;
        return;
    }
    TCollectionItem::Assign(Source);
}

std::string TskPngImageItem::GetDisplayName() const
{
    return FName.empty() ? TCollectionItem::GetDisplayName() : FName;
}

void TskPngImageItem::SetPngImage(TskPngImage* Value)
{
    FPngImage->Assign(Value);
    Changed(false);
}

TskPngImageItems::TskPngImageItems(TskPngImageList* APNGImageList)
    : TOwnedCollection(APNGImageList, CollectionItemClass<TskPngImageItem>()), FPngImageList(APNGImageList)
{
}

TskPngImageList::TskPngImageList(TComponent* AOwner) : TCustomImageList(AOwner), FPngImages(nullptr)
{
    FPngImages = new TskPngImageItems(this);
}

TskPngImageList::~TskPngImageList()
{
    FreeAndNil(FPngImages);
}

void TskPngImageList::AddPlaceholder()
{
    TBitmap placeholder;
    placeholder.SetPixelFormat(TPixelFormat::pf1bit);
    placeholder.SetSize(GetWidth(), GetHeight());
    Add(&placeholder, nullptr);
}

void TskPngImageList::SetPngWidth(int Value)
{
    if (Value == GetWidth())
        return;
    SetWidth(Value);
    SizeChanged();
}

void TskPngImageList::SetPngHeight(int Value)
{
    if (Value == GetHeight())
        return;
    SetHeight(Value);
    SizeChanged();
}

void TskPngImageList::SizeChanged()
{
    if (!ComponentState().Contains(csLoading)) {
        FPngImages->Clear();
        return;
    }
    // The pictures just read stay; their placeholders come back at the new size.
    for (int i = Count(); i < FPngImages->Count(); ++i)
        AddPlaceholder();
}

void TskPngImageList::DoDraw(int Index, TCanvas* Canvas, int X, int Y, bool Enabled)
{
    TskPngImage* image = FPngImages->Items(Index)->GetPngImage();
    if (image->Empty())
        return;
    const RECT rect{X, Y, X + GetWidth(), Y + GetHeight()};
    if (Enabled) {
        Canvas->StretchDraw(rect, image);
        return;
    }
    TskPngImage disabled;
    disabled.Assign(image);
    MakeImageDisabled(&disabled, 127);
    Canvas->StretchDraw(rect, &disabled);
}
