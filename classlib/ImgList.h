#pragma once
// Image lists: equally sized pictures kept by index and drawn enabled or disabled. Each entry
// keeps its pixels with alpha; the mask of Add and the mask colour of AddMasked become alpha 0.

#include "classlib/Classes.h"
#include "classlib/Colors.h"
#include "classlib/DibData.h"

#include <vector>

class TBitmap;
class TCanvas;
class TIcon;

class TCustomImageList : public TComponent {
public:
    explicit TCustomImageList(TComponent* AOwner);

    int GetWidth() const { return FWidth; }
    int GetHeight() const { return FHeight; }
    // A new size (at least 1) removes every entry.
    void SetWidth(int Value) { SetSize(Value, FHeight); }
    void SetHeight(int Value) { SetSize(FWidth, Value); }
    void SetSize(int AWidth, int AHeight);
    int Count() const { return static_cast<int>(FImages.size()); }

    // Adds the pictures Image holds side by side (its width divided by Width, at least one);
    // white pixels of Mask (when given) are transparent. Returns the index of the first one.
    int Add(TBitmap* Image, TBitmap* Mask);
    // The same, with the pixels of MaskColor transparent (clDefault: the image's bottom-left
    // pixel).
    int AddMasked(TBitmap* Image, TColor MaskColor);
    void Delete(int Index);
    void Clear();
    // Fills Image with the entry as a 32-bit bitmap (transparent pixels have alpha 0); false for
    // an index outside the list.
    bool GetBitmap(int Index, TBitmap* Image);
    // Fills Icon with the entry (its alpha kept); false for an index outside the list.
    bool GetIcon(int Index, TIcon* Icon);

    // Draws the entry with its top-left at (X, Y); an index outside the list draws nothing. A
    // disabled entry is drawn as an embossed shape in the button highlight and shadow colours.
    void Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled = true);

    // The colour drawn under each entry (clNone, the default: the entries stay transparent).
    TColor GetBkColor() const { return FBkColor; }
    void SetBkColor(TColor Value);

    TNotifyEvent OnChange;

protected:
    virtual void DoDraw(int Index, TCanvas* Canvas, int X, int Y, bool Enabled);
    virtual void Change();
    // The entry's pixels (32 bits with alpha).
    const TDibData& Image(int Index) const { return FImages[static_cast<std::size_t>(Index)]; }

private:
    int addStrip(const TDibData& image, const TDibData* mask, bool useKey, std::uint32_t keyRGB);

    int FWidth = 16;
    int FHeight = 16;
    std::vector<TDibData> FImages;
    TColor FBkColor = clNone;
};

class TImageList : public TCustomImageList {
public:
    using TCustomImageList::TCustomImageList;
};
