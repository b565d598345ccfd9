#include "skin/form/FormSkin.h"

#include "skin/core/TskEffectBmp.h"
#include "skin/core/TskLayerManager.h"
#include "skin/core/skUtils.h"
#include "skin/form/skSkinCtrls.h"

#include <algorithm>

void MorphBy(TskEffectBmp& Normal, const TskEffectBmp& Hot, TskMorphKind Kind, double Kf)
{
    switch (Kind) {
    case mkDefault: Normal.Morph(Hot, Kf); break;
    case mkGradient: Normal.MorphGrad(Hot, Kf); break;
    case mkLeftGradient: Normal.MorphLeftGrad(Hot, Kf); break;
    case mkRightGradient: Normal.MorphRightGrad(Hot, Kf); break;
    case mkLeftSlide: Normal.MorphLeftSlide(Hot, Kf); break;
    case mkRightSlide: Normal.MorphRightSlide(Hot, Kf); break;
    case mkPush: Normal.MorphPush(Hot, Kf); break;
    }
}

TskActiveSkinObject::TskActiveSkinObject(TskFormSkin* AParent, TskDataSkinObject* AData) : Parent(AParent)
{
    SD = Parent->GetSkinData();
    if (!AData)
        return;
    IDName = AData->IDName;
    Hint = AData->Hint;
    SkinRectInAPicture = AData->SkinRectInAPicture;
    SkinRect = AData->SkinRect;
    ActiveSkinRect = AData->ActiveSkinRect;
    InActiveSkinRect = AData->InActiveSkinRect;
    Morphing = AData->Morphing;
    MorphKind = AData->MorphKind;
    GlowLayerPictureIndex = AData->GlowLayerPictureIndex;
    GlowLayerMaskPictureIndex = AData->GlowLayerMaskPictureIndex;
    GlowLayerOffsetX = AData->GlowLayerOffsetX;
    GlowLayerOffsetY = AData->GlowLayerOffsetY;
    GlowLayerAlphaBlendValue = AData->GlowLayerAlphaBlendValue;
    ActivePicture = SkinPicture(SD, AData->ActivePictureIndex);
    ActiveMaskPicture = SkinPicture(SD, AData->ActiveMaskPictureIndex);
    ObjectRect = SkinRect;
    if (SD)
        Picture = SD->FPicture.get();
    if (!ActivePicture)
        ActiveSkinRect = RECT{};
    if (RectHasNoArea(ActiveSkinRect))
        Morphing = false;
}

bool TskActiveSkinObject::HasSkin() const
{
    return SD && !SD->Empty;
}

bool TskActiveSkinObject::PointInShape(int X, int Y)
{
    if (!HasSkin() || !ActiveMaskPicture)
        return true;
    if (X < 0 || Y < 0 || X >= ActiveMaskPicture->GetWidth() || Y >= ActiveMaskPicture->GetHeight())
        return false;
    return ActiveMaskPicture->GetPixelColor(X, Y) == RGB(0, 0, 0);
}

bool TskActiveSkinObject::EnableMorphing() const
{
    return Morphing && HasSkin() && SD->EnableSkinEffects();
}

bool TskActiveSkinObject::MorphPending() const
{
    return Active ? FMorphKf != 1 : FMorphKf != 0;
}

bool TskActiveSkinObject::CanMorphing()
{
    return Active ? FMorphKf < 1 : FMorphKf > 0;
}

void TskActiveSkinObject::SetMorphKf(double Value)
{
    FMorphKf = std::clamp(Value, 0.0, 1.0);
}

void TskActiveSkinObject::DoMorphing()
{
    SetMorphKf(FMorphKf + (Active ? 0.2 : -0.2));
    Parent->DrawSkinObject(this);
}

void TskActiveSkinObject::ReDraw()
{
    if (EnableMorphing())
        Parent->MorphTimer->SetEnabled(true);
    else
        Parent->DrawSkinObject(this);
}

bool TskActiveSkinObject::CopyFrom(TCanvas* Cnvs, const RECT& Dest, TBitmap* Source, const RECT& R)
{
    if (!Source || RectHasNoArea(R))
        return false;
    // Only the part of the rectangle inside the picture is copied.
    const RECT bounds{0, 0, Source->GetWidth(), Source->GetHeight()};
    RECT s;
    if (!IntersectRect(&s, &R, &bounds))
        return false;
    const int x = Dest.left + (s.left - R.left), y = Dest.top + (s.top - R.top);
    Cnvs->CopyRect(RECT{x, y, x + WidthOfRect(s), y + HeightOfRect(s)}, Source->Canvas(), s);
    return true;
}

void TskActiveSkinObject::DrawMorph(TCanvas* Cnvs, TBitmap* NormalPicture, const RECT& Normal, const RECT& Hot)
{
    const int w = WidthOfRect(ObjectRect), h = HeightOfRect(ObjectRect);
    if (w <= 0 || h <= 0 || !NormalPicture || !ActivePicture)
        return;
    TBitmap normal, hot;
    normal.SetSize(w, h);
    hot.SetSize(w, h);
    const RECT at{0, 0, w, h};
    CopyFrom(normal.Canvas(), at, NormalPicture, Normal);
    CopyFrom(hot.Canvas(), at, ActivePicture, Hot);
    TskEffectBmp a(normal.GetHandle()), b(hot.GetHandle());
    MorphBy(a, b, MorphKind, FMorphKf);
    a.Draw(Cnvs->GetHandle(), ObjectRect.left, ObjectRect.top);
}

void TskActiveSkinObject::Draw(TCanvas* Cnvs, bool UpDate)
{
    if (!HasSkin())
        return;
    TBitmap* normalPicture = SkinRectInAPicture ? ActivePicture : Picture;
    if (Enabled && !Parent->GetFormActive() && !RectHasNoArea(InActiveSkinRect))
        CopyFrom(Cnvs, ObjectRect, ActivePicture, InActiveSkinRect);
    else if (EnableMorphing() && MorphPending())
        DrawMorph(Cnvs, normalPicture, SkinRect, ActiveSkinRect);
    else if (Active && !RectHasNoArea(ActiveSkinRect))
        CopyFrom(Cnvs, ObjectRect, ActivePicture, ActiveSkinRect);
    else if (UpDate || SkinRectInAPicture)
        CopyFrom(Cnvs, ObjectRect, normalPicture, SkinRect);
}

RECT TskActiveSkinObject::ScreenRect() const
{
    return Parent->FrameToScreen(ObjectRect);
}

void TskActiveSkinObject::ShowLayerOn(bool MenuLayer)
{
    if (!HasSkin() || GlowLayerPictureIndex == -1 || !SD->ShowCaptionButtonGlowFrames())
        return;
    TBitmap* image = SkinPicture(SD, GlowLayerPictureIndex);
    TBitmap* mask = SkinPicture(SD, GlowLayerMaskPictureIndex);
    if (!image || !mask)
        return;
    const RECT r = ScreenRect();
    TskLayerManager* layer = MenuLayer ? Parent->FMenuLayerManager : Parent->FLayerManager;
    layer->Show(r.left - GlowLayerOffsetX, r.top - GlowLayerOffsetY, image, mask, GlowLayerAlphaBlendValue);
}

void TskActiveSkinObject::HideLayerOn(bool MenuLayer)
{
    TskLayerManager* layer = MenuLayer ? Parent->FMenuLayerManager : Parent->FLayerManager;
    if (layer->IsVisible)
        layer->Hide();
}

void TskActiveSkinObject::ShowLayer()
{
    ShowLayerOn(false);
}

void TskActiveSkinObject::HideLayer()
{
    HideLayerOn(false);
}

bool TskActiveSkinObject::OpenMenu(TMenuItem* Item, bool PopupUp, bool MenuLayer)
{
    if (!Item || Item->Count() == 0 || !Parent->SkinMenu())
        return false;
    if (Parent->FLayerManager->IsVisible)
        Parent->FLayerManager->Hide();
    if (Parent->FMenuLayerManager->IsVisible)
        Parent->FMenuLayerManager->Hide();
    if (FMouseIn)
        ShowLayerOn(MenuLayer);
    Parent->SkinMenuOpen();
    Parent->SkinMenu()->Popup(nullptr, Parent->MenusData(), 0, ScreenRect(), Item, PopupUp);
    return true;
}

void TskActiveSkinObject::MouseEnter()
{
    FMouseIn = Active = true;
    if (!RectHasNoArea(ActiveSkinRect))
        ReDraw();
    if (auto handler = Parent->OnMouseEnterEvent)
        handler(IDName);
    ShowLayer();
}

void TskActiveSkinObject::MouseLeave()
{
    FMouseIn = Active = false;
    if (!RectHasNoArea(ActiveSkinRect))
        ReDraw();
    if (auto handler = Parent->OnMouseLeaveEvent)
        handler(IDName);
    HideLayer();
}

void TskActiveSkinObject::MouseDown(int X, int Y, TMouseButton Button)
{
    if (auto handler = Parent->OnMouseDownEvent)
        handler(IDName, X, Y, ObjectRect, Button);
}

void TskActiveSkinObject::MouseUp(int X, int Y, TMouseButton Button)
{
    if (!FMouseIn)
        return;
    if (auto handler = Parent->OnMouseUpEvent)
        handler(IDName, X, Y, ObjectRect, Button);
}

void TskActiveSkinObject::MouseMove(int X, int Y)
{
    if (auto handler = Parent->OnMouseMoveEvent)
        handler(IDName, X, Y, ObjectRect);
}

void TskUserObject::Draw(TCanvas* Cnvs, bool)
{
    if (auto handler = Parent->OnPaintEvent)
        handler(IDName, Cnvs, ObjectRect);
}
