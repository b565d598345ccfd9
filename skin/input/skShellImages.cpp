#include "skin/input/skSkinShellCtrls.h"

#include "classlib/Bitmap.h"
#include "classlib/ImgList.h"
#include "classlib/Resources.h"

#include <cstdio>
#include <memory>

namespace {

std::unique_ptr<TImageList> makeImages(int size)
{
    auto images = std::make_unique<TImageList>(nullptr);
    images->SetSize(size, size);
    for (int kind = 0; kind < ShellIconKindCount; ++kind) {
        char name[16];
        std::snprintf(name, sizeof name, "SHELL%d_%02d", size, kind);
        TBitmap picture;
        LoadBitmapResource(&picture, name);
        images->Add(&picture, nullptr);
    }
    return images;
}

} // namespace

TImageList* ShellImages(bool Large)
{
    static std::unique_ptr<TImageList> small, large;
    std::unique_ptr<TImageList>& images = Large ? large : small;
    if (!images)
        images = makeImages(Large ? 32 : 16);
    return images.get();
}
