#include "classlib/ExtCtrls.h"
#include "platform/gdi/Gdi.h"
#include "platform/win/Rect.h"

#include "classlib/Bitmap.h"
#include "classlib/Picture.h"

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner), FPicture(std::make_unique<TPicture>())
{
    FPicture->OnChange = [this](TObject*) { pictureChanged(); };
    SetBounds(0, 0, 105, 105);
}

TImage::~TImage()
{
    FPicture->OnChange = nullptr;
}

void TImage::SetPicture(TPicture* Value)
{
    FPicture->Assign(Value);
}

TCanvas* TImage::ImageCanvas()
{
    TGraphic* g = FPicture->GetGraphic();
    if (!g) {
        TBitmap* b = FPicture->Bitmap();
        b->SetSize(FWidth, FHeight);
        return b->Canvas();
    }
    if (!dynamic_cast<TBitmap*>(g))
        throw EInvalidOperation("Can only modify an image if it contains a bitmap");
    return FPicture->Bitmap()->Canvas();
}

void TImage::pictureChanged()
{
    if (FAutoSize && FPicture->GetWidth() > 0 && FPicture->GetHeight() > 0)
        SetBounds(FLeft, FTop, FPicture->GetWidth(), FPicture->GetHeight());
    if (TGraphic* g = FPicture->GetGraphic())
        g->SetTransparent(FTransparent);
    Invalidate();
}

RECT TImage::DestRect()
{
    int w = FPicture->GetWidth(), h = FPicture->GetHeight();
    const int cw = GetClientWidth(), ch = GetClientHeight();
    if (FStretch || (FProportional && (w > cw || h > ch))) {
        if (FProportional && w > 0 && h > 0) {
            const double aspect = static_cast<double>(w) / h;
            if (w > h) {
                w = cw;
                h = static_cast<int>(cw / aspect);
                if (h > ch) {
                    h = ch;
                    w = static_cast<int>(ch * aspect);
                }
            } else {
                h = ch;
                w = static_cast<int>(ch * aspect);
                if (w > cw) {
                    w = cw;
                    h = static_cast<int>(cw / aspect);
                }
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    RECT r{0, 0, w, h};
    if (FCenter)
        OffsetRect(&r, (cw - w) / 2, (ch - h) / 2);
    return r;
}

void TImage::Paint()
{
    if (TGraphic* g = FPicture->GetGraphic(); g && !g->Empty())
        Canvas()->StretchDraw(DestRect(), g);
}

void TImage::SetStretch(bool Value)
{
    if (Value == FStretch)
        return;
    FStretch = Value;
    Invalidate();
}

void TImage::SetCenter(bool Value)
{
    if (Value == FCenter)
        return;
    FCenter = Value;
    Invalidate();
}

void TImage::SetProportional(bool Value)
{
    if (Value == FProportional)
        return;
    FProportional = Value;
    Invalidate();
}

void TImage::SetTransparent(bool Value)
{
    if (Value == FTransparent)
        return;
    FTransparent = Value;
    pictureChanged();
}

void TImage::SetAutoSize(bool Value)
{
    FAutoSize = Value;
    if (Value)
        pictureChanged();
}
