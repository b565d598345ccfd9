// The description lookup and the geometry the control bases share: picture lookup, resize rule,
// fitting a size, mapping rectangles and composing a control image.

#include "skin/form/skSkinCtrls.h"

#include "classlib/Bitmap.h"
#include "platform/win/Rect.h"
#include "skin/core/skDataSkinControl.h"
#include "skin/core/skSkinImages.h"
#include "skin/core/skUtils.h"

TBitmap* SkinPicture(TskSkinData* SkinData, int Index)
{
    if (SkinData == nullptr || Index < 0 || Index >= static_cast<int>(SkinData->FActivePictures.size()))
        return nullptr;
    return SkinData->FActivePictures[static_cast<std::size_t>(Index)].get();
}

void AssignSkinFont(TFont* Target, TFont* DefaultFont, bool UseSkinFont, TskSkinData* SkinData,
                    const std::string& Name, int Height, TFontStyles Style)
{
    if (UseSkinFont) {
        Target->SetName(Name);
        Target->SetHeight(Height);
        Target->SetStyle(Style);
    } else {
        Target->Assign(DefaultFont);
    }
    if (SkinData != nullptr && SkinData->ResourceStrData() != nullptr)
        Target->SetCharset(SkinData->ResourceStrData()->CharSet());
    else
        Target->SetCharset(DefaultFont->GetCharset());
}

int CentredTopOnHost(TControl* Control, int ATop, int AHeight)
{
    auto* host = dynamic_cast<TskControlCentringHost*>(Control->GetParent());
    if (host == nullptr || !host->GetAdjustControls())
        return ATop;
    const RECT r = host->GetSkinClientRect();
    return r.top + (r.bottom - r.top) / 2 - AHeight / 2;
}

bool TakeFocusOnPress(TWinControl* Control, bool& ClicksDisabled)
{
    if (Control->ComponentState().Contains(csDesigning) || Control->Focused())
        return true;
    ClicksDisabled = true;
    if (Control->CanFocus())
        Control->SetFocus();
    ClicksDisabled = false;
    return Control->Focused();
}

int TskSkinBinding::FindDescription() const
{
    if (FSD == nullptr || FSD->Empty)
        return -1;
    return FSD->GetControlIndex(FSkinDataName);
}

void TskSkinGeometry::ReadGeometry(TskSkinData* SkinData, int Index)
{
    auto* d = dynamic_cast<TskDataSkinCustomControl*>(SkinData->CtrlList[static_cast<std::size_t>(Index)].get());
    if (d == nullptr) {
        ResizeMode = 0;
        Picture = nullptr;
        MaskPicture = nullptr;
        return;
    }
    LTPt = d->LTPoint;
    RTPt = d->RTPoint;
    LBPt = d->LBPoint;
    RBPt = d->RBPoint;
    SkinRect = d->SkinRect;
    StretchEffect = d->StretchEffect;
    StretchType = d->StretchType;
    LeftStretch = d->LeftStretch;
    TopStretch = d->TopStretch;
    RightStretch = d->RightStretch;
    BottomStretch = d->BottomStretch;
    ClRect = d->ClRect;
    Picture = SkinPicture(SkinData, d->PictureIndex);
    MaskPicture = SkinPicture(SkinData, d->MaskPictureIndex);
    ResizeMode = CalcResizeMode();
}

int TskSkinGeometry::CalcResizeMode() const
{
    if (RectHasNoArea(SkinRect))
        return -1;
    if (RBPt.x != 0 && RBPt.y != 0)
        return 1;
    if (RTPt.x != 0 || RTPt.y != 0)
        return 2;
    if (LBPt.x != 0 || LBPt.y != 0)
        return 3;
    return 0;
}

void TskSkinGeometry::FitGeometry(int& W, int& H, bool NoDescription)
{
    if (ResizeMode == -1 || (NoDescription && ResizeMode < 1))
        return;
    const int dW = W - WidthOfRect(SkinRect);
    const int dH = H - HeightOfRect(SkinRect);
    switch (ResizeMode) {
    case 0:
        W = WidthOfRect(SkinRect);
        H = HeightOfRect(SkinRect);
        NewClRect = ClRect;
        break;
    case 1:
        NewLTPoint = LTPt;
        NewRTPoint = POINT{RTPt.x + dW, RTPt.y};
        NewLBPoint = POINT{LBPt.x, LBPt.y + dH};
        NewRBPoint = POINT{RBPt.x + dW, RBPt.y + dH};
        NewClRect = RECT{ClRect.left, ClRect.top, ClRect.right + dW, ClRect.bottom + dH};
        break;
    case 2:
        H = HeightOfRect(SkinRect);
        NewLTPoint = LTPt;
        NewRTPoint = POINT{RTPt.x + dW, RTPt.y};
        NewClRect = RECT{ClRect.left, ClRect.top, ClRect.right + dW, ClRect.bottom};
        break;
    case 3:
        W = WidthOfRect(SkinRect);
        NewLTPoint = LTPt;
        NewLBPoint = POINT{LBPt.x, LBPt.y + dH};
        NewClRect = RECT{ClRect.left, ClRect.top, ClRect.right, ClRect.bottom + dH};
        break;
    default:
        break;
    }
}

namespace {

RECT Moved(RECT R, int dx, int dy)
{
    return RECT{R.left + dx, R.top + dy, R.right + dx, R.bottom + dy};
}

RECT MapNineSlice(const TskSkinGeometry& G, const RECT& A, int dW, int dH)
{
    const int w = WidthOfRect(G.SkinRect), h = HeightOfRect(G.SkinRect);
    const RECT tl{0, 0, G.LTPt.x, G.LTPt.y};
    const RECT tr{G.RTPt.x, 0, w, G.RTPt.y};
    const RECT bl{0, G.LBPt.y, G.LBPt.x, h};
    const RECT br{G.RBPt.x, G.RBPt.y, w, h};
    if (RectLiesWithin(A, tl))
        return A;
    if (RectLiesWithin(A, tr))
        return Moved(A, dW, 0);
    if (RectLiesWithin(A, bl))
        return Moved(A, 0, dH);
    if (RectLiesWithin(A, br))
        return Moved(A, dW, dH);
    const POINT a{A.left, A.top}, b{A.right, A.bottom};
    RECT r = A;
    if (RectContainsPoint(tl, a) && RectContainsPoint(br, b)) {
        r.right += dW;
        r.bottom += dH;
    } else if (RectContainsPoint(tl, a) && RectContainsPoint(tr, b)) {
        r.right += dW;
    } else if (RectContainsPoint(bl, a) && RectContainsPoint(br, b)) {
        r.right += dW;
        r = Moved(r, 0, dH);
    } else if (RectContainsPoint(tl, a) && RectContainsPoint(bl, b)) {
        r.bottom += dH;
    } else if (RectContainsPoint(tr, a) && RectContainsPoint(br, b)) {
        r = Moved(r, dW, 0);
        r.bottom += dH;
    }
    return r;
}

} // namespace

RECT TskSkinGeometry::MapRect(const RECT& ASrc, int W, int H) const
{
    const int dW = W - WidthOfRect(SkinRect);
    const int dH = H - HeightOfRect(SkinRect);
    RECT r = ASrc;
    switch (ResizeMode) {
    case 1:
        return MapNineSlice(*this, ASrc, dW, dH);
    case 2:
        if (ASrc.left <= LTPt.x && ASrc.right >= RTPt.x)
            r.right += dW;
        else if (RTPt.x <= ASrc.left && RTPt.x < ASrc.right)
            r = Moved(r, dW, 0);
        break;
    case 3:
        if (ASrc.top <= LTPt.y && ASrc.bottom >= LBPt.y)
            r.bottom += dH;
        else if (ASrc.top >= LBPt.y && ASrc.bottom > LBPt.y)
            r = Moved(r, 0, dH);
        break;
    default:
        break;
    }
    return r;
}

void TskSkinGeometry::ComposeImage(TBitmap* B, TBitmap* APicture, const RECT& ASkinRect, int W, int H,
                                   bool NineSlice) const
{
    if (APicture == nullptr)
        return;
    switch (ResizeMode) {
    case 0: {
        const int w = WidthOfRect(ASkinRect), h = HeightOfRect(ASkinRect);
        B->SetSize(w, h);
        RECT src = ASkinRect;
        const RECT pic{0, 0, APicture->GetWidth(), APicture->GetHeight()};
        IntersectRect(&src, &src, &pic);
        if (!RectHasNoArea(src))
            B->Canvas()->CopyRect(RECT{src.left - ASkinRect.left, src.top - ASkinRect.top,
                                       src.right - ASkinRect.left, src.bottom - ASkinRect.top},
                                  APicture->Canvas(), src);
        break;
    }
    case 1:
        if (NineSlice)
            ComposeNineSliceImage(LTPt, RTPt, LBPt, RBPt, ClRect, NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint,
                                  NewClRect, B, APicture, ASkinRect, W, H, true, LeftStretch, TopStretch,
                                  RightStretch, BottomStretch, StretchEffect, StretchType);
        break;
    case 2:
        BuildHorzBandImage(LTPt.x, WidthOfRect(SkinRect) - RTPt.x, B, APicture, ASkinRect, W, H, StretchEffect);
        break;
    case 3:
        BuildVertBandImage(LTPt.y, HeightOfRect(SkinRect) - LBPt.y, B, APicture, ASkinRect, W, H, StretchEffect);
        break;
    default:
        break;
    }
}
