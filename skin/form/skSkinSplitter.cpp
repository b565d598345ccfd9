// The skinned splitter: a band image from the skin along the splitter, a gripper in its middle,
// and the skin's thickness.

#include "skin/form/skSkinCtrls.h"

#include "classlib/Bitmap.h"
#include "skin/core/skSkinImages.h"
#include "skin/core/skUtils.h"

TskSkinSplitter::TskSkinSplitter(TComponent* AOwner) : TSplitter(AOwner)
{
    FSkinDataName = "vsplitter";
    FControlStyle << csOpaque;
}

void TskSkinSplitter::SetSkinData(TskSkinData* Value)
{
    FSD = Value;
    if (Value != nullptr)
        Value->FreeNotification(this);
    ChangeSkinData();
}

void TskSkinSplitter::Notification(TComponent* AComponent, TOperation Operation)
{
    TSplitter::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FSD)
        FSD = nullptr;
}

void TskSkinSplitter::SetTransparent(bool Value)
{
    if (Value == FTransparent)
        return;
    FTransparent = Value;
    if (Value)
        FControlStyle >> csOpaque;
    else
        FControlStyle << csOpaque;
    Invalidate();
}

void TskSkinSplitter::LookupSplitter()
{
    FIndex = FindDescription();
    if (auto* d = Description<TskDataSkinSplitterControl>()) {
        FSkinPicture = SkinPicture(FSD, d->PictureIndex);
        SkinRect = d->SkinRect;
        LTPt = d->LTPoint;
        RTPt = d->RTPoint;
        LBPt = d->LBPoint;
        StretchEffect = d->StretchEffect;
        GripperRect = d->GripperRect;
        GripperTransparent = d->GripperTransparent;
        GripperTransparentColor = d->GripperTransparentColor;
    }
}

void TskSkinSplitter::ChangeSkinData()
{
    LookupSplitter();
    const bool horizontal = GetAlign() == TAlign::alTop || GetAlign() == TAlign::alBottom;
    const bool skinSize = FIndex != -1 && !FTransparent && Description<TskDataSkinSplitterControl>() != nullptr &&
                          !RectHasNoArea(SkinRect);
    if (horizontal)
        SetHeight(skinSize ? HeightOfRect(SkinRect) : FDefaultSize);
    else
        SetWidth(skinSize ? WidthOfRect(SkinRect) : FDefaultSize);
    Invalidate();
}

void TskSkinSplitter::Paint()
{
    if (FTransparent || FWidth <= 0 || FHeight <= 0)
        return;
    LookupSplitter();
    const TAlign align = GetAlign();
    if (FIndex == -1 || FSkinPicture == nullptr || align == TAlign::alNone || align == TAlign::alClient ||
        Description<TskDataSkinSplitterControl>() == nullptr || RectHasNoArea(SkinRect)) {
        TSplitter::Paint();
        return;
    }
    TBitmap b;
    if (align == TAlign::alTop || align == TAlign::alBottom)
        BuildHorzBandImage(LTPt.x, WidthOfRect(SkinRect) - RTPt.x, &b, FSkinPicture, SkinRect, FWidth, FHeight,
                           StretchEffect);
    else
        BuildVertBandImage(LTPt.y, HeightOfRect(SkinRect) - LBPt.y, &b, FSkinPicture, SkinRect, FWidth, FHeight,
                           StretchEffect);
    if (!RectHasNoArea(GripperRect)) {
        TBitmap gripper;
        const int gw = WidthOfRect(GripperRect), gh = HeightOfRect(GripperRect);
        gripper.SetSize(gw, gh);
        gripper.Canvas()->CopyRect(RECT{0, 0, gw, gh}, FSkinPicture->Canvas(), GripperRect);
        if (GripperTransparent) {
            gripper.SetTransparentColor(GripperTransparentColor);
            gripper.SetTransparent(true);
        }
        b.Canvas()->Draw(b.GetWidth() / 2 - gw / 2, b.GetHeight() / 2 - gh / 2, &gripper);
    }
    Canvas()->Draw(0, 0, &b);
}
