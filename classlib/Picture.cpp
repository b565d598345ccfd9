#include "classlib/Picture.h"

#include "classlib/Bitmap.h"
#include "classlib/GifImage.h"
#include "classlib/Icon.h"
#include "classlib/JpegImage.h"
#include "classlib/PngImage.h"
#include "classlib/SysUtils.h"

#include <memory>

TPicture::~TPicture()
{
    if (FGraphic)
        FGraphic->Free();
}

void TPicture::changed()
{
    if (OnChange)
        OnChange(this);
}

void TPicture::take(TGraphic* Graphic)
{
    TGraphic* old = FGraphic;
    FGraphic = Graphic;
    if (FGraphic)
        FGraphic->OnChange = [this](TObject*) { changed(); };
    if (old)
        old->Free();
    changed();
}

void TPicture::SetGraphic(TGraphic* Value)
{
    if (!Value) {
        take(nullptr);
        return;
    }
    std::unique_ptr<TGraphic> copy(Value->NewEmpty());
    copy->Assign(Value);
    take(copy.release());
}

TBitmap* TPicture::Bitmap()
{
    if (auto* b = dynamic_cast<TBitmap*>(FGraphic))
        return b;
    take(new TBitmap);
    return static_cast<TBitmap*>(FGraphic);
}

void TPicture::LoadFromFile(const std::string& FileName)
{
    std::string ext = LowerCase(ExtractFileExt(FileName));
    std::unique_ptr<TGraphic> g;
    if (ext == ".bmp")
        g = std::make_unique<TBitmap>();
    else if (ext == ".png")
        g = std::make_unique<TPngImage>();
    else if (ext == ".jpg" || ext == ".jpeg" || ext == ".jpe")
        g = std::make_unique<TJPEGImage>();
    else if (ext == ".gif")
        g = std::make_unique<TGIFImage>();
    else if (ext == ".ico")
        g = std::make_unique<TIcon>();
    else
        throw EInvalidGraphic("Unknown picture file extension (" + ext + ")");
    g->LoadFromFile(FileName);
    take(g.release());
}

void TPicture::SaveToFile(const std::string& FileName)
{
    if (FGraphic)
        FGraphic->SaveToFile(FileName);
}

void TPicture::Assign(TPersistent* Source)
{
    if (!Source) {
        take(nullptr);
    } else if (auto* p = dynamic_cast<TPicture*>(Source)) {
        if (p != this)
            SetGraphic(p->FGraphic);
    } else if (auto* g = dynamic_cast<TGraphic*>(Source)) {
        SetGraphic(g);
    } else {
        TPersistent::Assign(Source);
    }
}

void TPicture::AssignTo(TPersistent* Dest)
{
    if (auto* g = dynamic_cast<TGraphic*>(Dest))
        g->Assign(FGraphic);
    else
        TPersistent::AssignTo(Dest);
}
