#include "skin/core/TskEffectBmp.h"
#include "skin/core/skDataSkinExtraControls.h"
#include "skin/core/skDrawMarks.h"
#include "skin/core/skSkinImages.h"
#include "skin/core/skTextUtils.h"
#include "skin/core/skUtils.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/form/skSkinMenus.h"

#include "platform/gdi/Gdi.h"
#include "platform/win/Rect.h"
#include "platform/window/User.h"

#include <algorithm>

namespace {

bool IsHeaderCaption(const TMenuItem* Item)
{
    const std::string& c = Item->GetCaption();
    return !c.empty() && c.front() == '-' && c.back() == '-' && !Item->GetEnabled() && c != "-";
}

std::string ItemText(const TMenuItem* Item)
{
    return Item->GetCaption();
}

void MorphByKind(TskEffectBmp& Normal, const TskEffectBmp& Active, TskMorphKind Kind, double Kf)
{
    switch (Kind) {
    case mkGradient: Normal.MorphGrad(Active, Kf); break;
    case mkLeftGradient: Normal.MorphLeftGrad(Active, Kf); break;
    case mkRightGradient: Normal.MorphRightGrad(Active, Kf); break;
    case mkLeftSlide: Normal.MorphLeftSlide(Active, Kf); break;
    case mkRightSlide: Normal.MorphRightSlide(Active, Kf); break;
    case mkPush: Normal.MorphPush(Active, Kf); break;
    default: Normal.Morph(Active, Kf); break;
    }
}

} // namespace

void DrawMenuCheckGlyph(TCanvas* Cnvs, int X, int Y, TColor Color)
{
    Cnvs->Pen()->SetColor(Color);
    for (int i = 0; i < 3; ++i) {
        Cnvs->MoveTo(X, Y + 5 - i);
        Cnvs->LineTo(X + 2, Y + 7 - i);
        Cnvs->LineTo(X + 7, Y + 2 - i);
    }
}

void DrawMenuArrowGlyph(TCanvas* Cnvs, int X, int Y, TColor Color)
{
    Cnvs->Pen()->SetColor(Color);
    for (int i = 0; i < 4; ++i) {
        Cnvs->MoveTo(X + i, Y + i);
        Cnvs->LineTo(X + i, Y + 7 - i);
    }
}

void DrawMenuRadioGlyph(TCanvas* Cnvs, int X, int Y, TColor Color)
{
    Cnvs->Pen()->SetColor(Color);
    Cnvs->Brush()->SetStyle(TBrushStyle::bsSolid);
    Cnvs->Brush()->SetColor(Color);
    Cnvs->Ellipse(X, Y, X + 6, Y + 6);
}

void SetPopupWindowParams(TCreateParams& Params)
{
    Params.Style = WS_POPUP;
    Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
    Params.ClassStyle |= CS_SAVEBITS;
    if (Application)
        Params.WndParent = Application->Handle();
}

bool PictureHolds(TBitmap* Picture, const RECT& R)
{
    return Picture && !RectHasNoArea(R) && R.left >= 0 && R.top >= 0 && R.right <= Picture->GetWidth() &&
           R.bottom <= Picture->GetHeight();
}

void DrawDefaultHotFace(TCanvas* Cnvs, const RECT& R, bool Pressed)
{
    Cnvs->Brush()->SetStyle(TBrushStyle::bsSolid);
    Cnvs->Brush()->SetColor(Pressed ? TColor(0xB59385) : TColor(0xD2BDB6));
    Cnvs->FillRect(R);
    Cnvs->Brush()->SetColor(TColor(0x800000));
    Cnvs->FrameRect(R);
}

TCanvas* BeginDefaultBarPart(TBitmap* B, int Width, int Height, bool Hot, bool Pressed)
{
    B->SetSize(Width, Height);
    TCanvas* c = B->Canvas();
    if (Hot || Pressed) {
        DrawDefaultHotFace(c, RECT{0, 0, Width, Height}, Pressed);
    } else {
        c->Brush()->SetColor(clBtnFace);
        c->FillRect(RECT{0, 0, Width, Height});
    }
    return c;
}

bool BuildLabelBand(TBitmap* B, TskSkinData* SD, int ControlIndex, int Width, const std::string& Caption)
{
    if (!SD || ControlIndex < 0)
        return false;
    auto* d = dynamic_cast<TskDataSkinLabelControl*>(SD->CtrlList[static_cast<std::size_t>(ControlIndex)].get());
    if (!d)
        return false;
    TBitmap band;
    BuildHorzBandImage(d->LTPoint.x, WidthOfRect(d->SkinRect) - d->RTPoint.x, &band, SkinPicture(SD, d->PictureIndex),
                       d->SkinRect, Width, HeightOfRect(d->SkinRect), d->StretchEffect);
    if (band.Empty())
        return false;
    TCanvas* c = band.Canvas();
    c->Font()->SetName(d->FontName);
    c->Font()->SetHeight(d->FontHeight);
    c->Font()->SetStyle(d->FontStyle);
    c->Font()->SetColor(d->FontColor);
    c->Brush()->SetStyle(TBrushStyle::bsClear);
    RECT t{d->ClRect.left, d->ClRect.top, band.GetWidth() - (WidthOfRect(d->SkinRect) - d->ClRect.right),
           band.GetHeight()};
    DrawWideStringText(c, Caption, t, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    B->Assign(&band);
    return true;
}

TskDataSkinMenuItem* FindMenuItemData(TskSkinData* SD)
{
    if (!SD || SD->Empty)
        return nullptr;
    for (auto& o : SD->ObjectList)
        if (auto* mi = dynamic_cast<TskDataSkinMenuItem*>(o.get()))
            return mi;
    return nullptr;
}

// --- TskSkinMenuItem -------------------------------------------------------------------------

TskSkinMenuItem::TskSkinMenuItem(TskSkinPopupWindow* AParent, TMenuItem* AMenuItem, TskDataSkinMenuItem* AData)
    : Parent(AParent), MI(AData), MenuItem(AMenuItem)
{
    if (MI)
        ActivePicture = SkinPicture(AParent->SD(), MI->ActivePictureIndex);
}

bool TskSkinMenuItem::IsDivider() const
{
    return MenuItem->IsLine();
}

int TskSkinMenuItem::Height() const
{
    if (MI)
        return HeightOfRect(IsDivider() ? MI->DividerRect : MI->SkinRect);
    return IsDivider() ? 4 : Parent->ParentMenu()->DefaultMenuItemHeight;
}

bool TskSkinMenuItem::EnableMorphing() const
{
    TskSkinData* sd = Parent->SD();
    return MI && MI->Morphing && sd && !sd->Empty && sd->EnableSkinEffects();
}

bool TskSkinMenuItem::EnableAnimation() const
{
    TskSkinData* sd = Parent->SD();
    return MI && !RectHasNoArea(MI->AnimateSkinRect) && MI->FrameCount > 0 && sd && !sd->Empty &&
           sd->EnableSkinEffects();
}

bool TskSkinMenuItem::CanMorphing()
{
    if (!FVisible && FMorphKf != 0) {
        Active = Down = false;
        FMorphKf = 0;
    }
    return FVisible && (((Active || Down) && FMorphKf < 1) || (!Active && !Down && FMorphKf > 0));
}

void TskSkinMenuItem::SetMorphKf(double Value)
{
    FMorphKf = std::clamp(Value, 0.0, 1.0);
}

void TskSkinMenuItem::DoMorphing()
{
    SetMorphKf(FMorphKf + ((Active || Down) ? 0.2 : -0.2));
    Parent->DrawItem(this);
}

void TskSkinMenuItem::RefreshState()
{
    if (MI && EnableAnimation()) {
        if (static_cast<int>(Parent->MorphTimer->GetInterval()) != MI->AnimateInterval)
            Parent->MorphTimer->SetInterval(static_cast<UINT>(std::max(1, MI->AnimateInterval)));
        if (!Active && !MI->InActiveAnimation) {
            CurrentFrame = 0;
            Parent->DrawItem(this);
        } else {
            Parent->MorphTimer->SetEnabled(true);
        }
    } else if (MI && EnableMorphing()) {
        Parent->MorphTimer->SetInterval(20);
        Parent->MorphTimer->SetEnabled(true);
    } else {
        Parent->DrawItem(this);
    }
}

void TskSkinMenuItem::MouseEnter(bool Kb)
{
    Active = true;
    if (EnableAnimation())
        CurrentFrame = 0;
    for (int i = 0; i < Parent->ItemCount(); ++i) {
        TskSkinMenuItem* other = Parent->Item(i);
        if (other != this && other->Down) {
            other->Down = false;
            other->RefreshState();
        }
    }
    TskSkinMenu* menu = Parent->ParentMenu();
    if (WaitCommand && !Kb) {
        RefreshState();
    } else if (Down) {
        const int i = menu->IndexOfPopup(Parent);
        if (i + 2 < menu->OpenCount())
            menu->PopupWindow(i + 1)->CloseChildPopups();
    } else {
        RefreshState();
        menu->ProcessMenuItem(Parent, this, Kb, false);
    }
    if (Parent->GetHint() != MenuItem->GetHint())
        Parent->SetHint(MenuItem->GetHint());
}

void TskSkinMenuItem::MouseLeave()
{
    Active = false;
    if (EnableAnimation())
        CurrentFrame = MI->FrameCount + 1;
    WaitCommand = false;
    if (!Down)
        RefreshState();
    TskSkinMenu* menu = Parent->ParentMenu();
    if (menu->WItem() == this)
        menu->StopWaiting();
}

void TskSkinMenuItem::MouseDown()
{
    WaitCommand = false;
    if (!Down && MenuItem->GetEnabled())
        Parent->ParentMenu()->ProcessMenuItem(Parent, this, false, true);
}

RECT TskSkinMenuItem::GetFrameRect() const
{
    const RECT& a = MI->AnimateSkinRect;
    const int n = std::max(1, CurrentFrame);
    const int count = std::max(1, MI->FrameCount);
    if (HeightOfRect(a) > HeightOfRect(MI->SkinRect)) {
        const int h = HeightOfRect(a) / count;
        return RECT{a.left, a.top + h * (n - 1), a.right, a.top + h * n};
    }
    const int w = WidthOfRect(a) / count;
    return RECT{a.left + w * (n - 1), a.top, a.left + w * n, a.bottom};
}

void TskSkinMenuItem::SetItemFont(TCanvas* Cnvs)
{
    TskSkinMenu* menu = Parent->ParentMenu();
    if (MI)
        AssignSkinFont(Cnvs->Font(), menu->DefaultMenuItemFont(), menu->UseSkinFont, menu->SkinData(), MI->FontName,
                       MI->FontHeight, MI->FontStyle);
    else
        AssignSkinFont(Cnvs->Font(), menu->DefaultMenuItemFont(), false, menu->SkinData(), {}, 0, {});
}

void TskSkinMenuItem::Draw(TCanvas* Cnvs)
{
    if (!FVisible)
        return;
    if (!MI) {
        DefaultDraw(Cnvs);
        return;
    }
    TBitmap b;
    if (IsDivider()) {
        BuildHorzBandImage(MI->DividerLO, MI->DividerRO, &b, ActivePicture, MI->DividerRect,
                           WidthOfRect(ObjectRect), 0, MI->DividerStretchEffect);
    } else {
        const bool a = Active || Down;
        if (EnableAnimation() && CurrentFrame >= 1 && CurrentFrame <= MI->FrameCount) {
            CreateItemImage(&b, a, true, GetFrameRect());
        } else if (EnableMorphing() && !((a && FMorphKf >= 1) || (!a && FMorphKf <= 0))) {
            TBitmap active;
            CreateItemImage(&b, false, false, RECT{});
            CreateItemImage(&active, true, false, RECT{});
            TskEffectBmp normal(b.GetHandle());
            TskEffectBmp act(active.GetHandle());
            MorphByKind(normal, act, MI->MorphKind, FMorphKf);
            normal.Draw(b.Canvas()->GetHandle(), 0, 0);
        } else {
            CreateItemImage(&b, a, false, RECT{});
        }
    }
    Cnvs->Draw(ObjectRect.left, ObjectRect.top, &b);
}

void TskSkinMenuItem::CreateItemImage(TBitmap* B, bool AActive, bool FromFrame, const RECT& FrameRect)
{
    RECT src = AActive ? MI->ActiveSkinRect : MI->SkinRect;
    bool stretch = AActive ? MI->StretchEffect : (MI->InActiveStretchEffect || (FromFrame && MI->StretchEffect));
    if (FromFrame)
        src = FrameRect;
    const int w = WidthOfRect(ObjectRect);
    const int h = HeightOfRect(ObjectRect);
    if (!AActive && MI->InActiveTransparent && Parent->PaintBuffer()) {
        B->SetSize(w, h);
        B->Canvas()->CopyRect(RECT{0, 0, w, h}, Parent->PaintBuffer()->Canvas(), ObjectRect);
    } else {
        BuildHorzBandImage(MI->ItemLO, MI->ItemRO, B, ActivePicture, src, w, h, stretch);
        if (B->GetWidth() != w || B->GetHeight() != h)
            B->SetSize(w, h);
    }
    TCanvas* c = B->Canvas();
    int g = Parent->ImgL() ? Parent->GlyphWidth() : 16;
    if (!RectHasNoArea(MI->ImageRct))
        g = 0;
    RECT tr = MI->TextRct;
    tr.right = B->GetWidth() + MI->TextRct.right - WidthOfRect(MI->SkinRect);
    c->Brush()->SetStyle(TBrushStyle::bsClear);
    SetItemFont(c);
    const TColor color = AActive ? MI->ActiveFontColor
                                 : (MenuItem->GetEnabled() ? MI->FontColor : MI->UnEnabledFontColor);
    c->Font()->SetColor(color);
    if (MenuItem->OnDrawItem) {
        auto handler = MenuItem->OnDrawItem;
        handler(this, c, tr, AActive);
        return;
    }
    if (IsHeaderCaption(MenuItem)) {
        DrawHeaderItem(c, RECT{0, 0, B->GetWidth(), B->GetHeight()}, MenuItem->GetCaption());
        return;
    }
    DrawCaptionAndShortCut(c, tr, g, 16);
    if (MenuItem->Count() > 0) {
        if (RectHasNoArea(MI->ArrowImageRect))
            DrawMenuArrowGlyph(c, tr.right - 7, tr.top + HeightOfRect(tr) / 2 - 4, c->Font()->GetColor());
        else
            DrawMarkImage(c, RECT{tr.right - WidthOfRect(MI->ArrowImageRect) - 5, tr.top, tr.right, tr.bottom},
                          MI->ArrowImageRect, MI->ActiveArrowImageRect, AActive);
    }
    TColor markColor = c->Font()->GetColor();
    if (MI->UseImageColor)
        markColor = AActive ? MI->ActiveImageColor : MI->ImageColor;
    if (HasGlyph()) {
        DrawGlyph(c, tr, MI->ImageRct, markColor);
        return;
    }
    int mx = tr.left + 2, my = tr.top + HeightOfRect(tr) / 2 - 4;
    if (!RectHasNoArea(MI->ImageRct)) {
        mx = MI->ImageRct.left + WidthOfRect(MI->ImageRct) / 2 - 4;
        my = MI->ImageRct.top + HeightOfRect(MI->ImageRct) / 2 - 4;
    }
    if (DrawNamedMark(c, mx, my, markColor) || !MenuItem->GetChecked())
        return;
    const RECT imageRect = RectHasNoArea(MI->ImageRct)
                               ? RECT{MI->TextRct.left + 2, MI->TextRct.top, MI->TextRct.left + 16, MI->TextRct.bottom}
                               : MI->ImageRct;
    if (MenuItem->GetRadioItem()) {
        if (RectHasNoArea(MI->RadioImageRect))
            DrawMenuRadioGlyph(c, mx, my + 1, markColor);
        else
            DrawMarkImage(c, imageRect, MI->RadioImageRect, MI->ActiveRadioImageRect, AActive);
    } else {
        if (RectHasNoArea(MI->CheckImageRect))
            DrawMenuCheckGlyph(c, mx, my, markColor);
        else
            DrawMarkImage(c, imageRect, MI->CheckImageRect, MI->ActiveCheckImageRect, AActive);
    }
}

void TskSkinMenuItem::DrawCaptionAndShortCut(TCanvas* Cnvs, const RECT& TR, int Glyph, int RightMargin)
{
    RECT r{TR.left + Glyph, 0, TR.right - RightMargin, 0};
    const std::string text = ItemText(MenuItem);
    DrawWideStringText(Cnvs, text, r, DT_CALCRECT);
    const int dy = TR.top + HeightOfRect(TR) / 2 - r.bottom / 2;
    OffsetRect(&r, 0, dy);
    r.right += 2;
    // Left to right: the caption keeps its measured place.
    DrawWideStringText(Cnvs, text, r, DT_CENTER | DT_VCENTER);
    if (MenuItem->GetShortCut() != 0) {
        const std::string sc = ShortCutToText(MenuItem->GetShortCut());
        RECT m{0, 0, 0, 0};
        DrawWideStringText(Cnvs, sc, m, DT_CALCRECT);
        RECT s{TR.right - m.right - RightMargin, r.top, TR.right - RightMargin, r.bottom};
        DrawWideStringText(Cnvs, sc, s, DT_CENTER | DT_VCENTER);
    }
}

bool TskSkinMenuItem::DrawNamedMark(TCanvas* Cnvs, int X, int Y, TColor Color)
{
    const std::string& n = MenuItem->GetName();
    if (n == "BSF_CLOSE" || n == "TRAY_BSF_CLOSE")
        DrawCloseGlyph(Cnvs, X, Y, Color);
    else if (n == "BSF_MINITEM")
        DrawMinimizeGlyph(Cnvs, X, Y, Color);
    else if (n == "BSF_MAXITEM")
        DrawMaximizeGlyph(Cnvs, X, Y, Color);
    else if (n == "BSF_RESTORE" || n == "TRAY_BSF_RESTORE")
        DrawRestoreGlyph(Cnvs, X, Y, Color);
    else if (n == "BSF_ROLLUP")
        DrawRollUpGlyph(Cnvs, X, Y, Color);
    else if (n == "BSF_MINTOTRAY")
        DrawMinToTrayGlyph(Cnvs, X, Y, Color);
    else
        return false;
    return true;
}

bool TskSkinMenuItem::HasGlyph() const
{
    if (MenuItem->HasBitmap())
        return true;
    TCustomImageList* il = Parent->ImgL();
    return il && MenuItem->GetImageIndex() >= 0 && MenuItem->GetImageIndex() < il->Count();
}

void TskSkinMenuItem::DrawGlyph(TCanvas* Cnvs, const RECT& TR, const RECT& ImageRct, TColor Color)
{
    TBitmap* bmp = MenuItem->HasBitmap() ? MenuItem->GetBitmap() : nullptr;
    const int gw = bmp ? bmp->GetWidth() : Parent->ImgL()->GetWidth();
    const int gh = bmp ? bmp->GetHeight() : Parent->ImgL()->GetHeight();
    int x = TR.left + 2, y = TR.top + HeightOfRect(TR) / 2 - gh / 2;
    if (!RectHasNoArea(ImageRct)) {
        x = ImageRct.left + WidthOfRect(ImageRct) / 2 - gw / 2;
        y = ImageRct.top + HeightOfRect(ImageRct) / 2 - gh / 2;
    }
    if (MenuItem->GetChecked()) {
        Cnvs->Brush()->SetStyle(TBrushStyle::bsClear);
        Cnvs->Pen()->SetColor(Color);
        Cnvs->Rectangle(x - 1, y - 1, x + gw + 1, y + gh + 1);
    }
    if (bmp)
        Cnvs->Draw(x, y, bmp);
    else
        Parent->ImgL()->Draw(Cnvs, x, y, MenuItem->GetImageIndex(), MenuItem->GetEnabled());
}

void TskSkinMenuItem::DrawMarkImage(TCanvas* Cnvs, const RECT& R, const RECT& Normal, const RECT& ActiveRect,
                                    bool AActive)
{
    const RECT src = AActive && !RectHasNoArea(ActiveRect) ? ActiveRect : Normal;
    if (!ActivePicture || RectHasNoArea(src))
        return;
    TBitmap b;
    b.SetSize(WidthOfRect(src), HeightOfRect(src));
    b.Canvas()->CopyRect(RECT{0, 0, b.GetWidth(), b.GetHeight()}, ActivePicture->Canvas(), src);
    b.SetTransparent(true);
    const int x = std::max(static_cast<int>(R.left), static_cast<int>(R.left + WidthOfRect(R) / 2 - b.GetWidth() / 2));
    const int y = std::max(static_cast<int>(R.top), static_cast<int>(R.top + HeightOfRect(R) / 2 - b.GetHeight() / 2));
    Cnvs->Draw(x, y, &b);
}

void TskSkinMenuItem::DrawHeaderItem(TCanvas* Cnvs, const RECT& R, const std::string& Caption)
{
    TskSkinData* sd = Parent->SD();
    if (!sd)
        return;
    int index = sd->GetControlIndex("menuheader");
    if (index < 0)
        index = sd->GetControlIndex("label");
    TBitmap b;
    if (BuildLabelBand(&b, sd, index, WidthOfRect(R), Caption.substr(1, Caption.size() - 2)))
        Cnvs->Draw(R.left, R.top + HeightOfRect(R) / 2 - b.GetHeight() / 2, &b);
}

void TskSkinMenuItem::DefaultDraw(TCanvas* Cnvs)
{
    const int w = WidthOfRect(ObjectRect), h = HeightOfRect(ObjectRect);
    if (w <= 0 || h <= 0)
        return;
    TBitmap b;
    b.SetSize(w, h);
    TCanvas* c = b.Canvas();
    const int g = Parent->ImgL() ? Parent->GlyphWidth() : 19;
    SetItemFont(c);
    const bool divider = IsDivider();
    c->Brush()->SetStyle(TBrushStyle::bsSolid);
    if ((Active || Down) && !divider) {
        DrawDefaultHotFace(c, RECT{0, 0, w, h}, false);
        c->Font()->SetColor(clWindowText);
    } else {
        c->Brush()->SetColor(clBtnFace);
        c->FillRect(RECT{0, 0, g, h});
        c->Brush()->SetColor(clWindow);
        c->FillRect(RECT{g, 0, w, h});
        c->Font()->SetColor(MenuItem->GetEnabled() ? clWindowText : clBtnShadow);
    }
    if (divider) {
        c->Brush()->SetColor(clBtnShadow);
        c->FillRect(RECT{g, h / 2, w, h / 2 + 1});
        Cnvs->Draw(ObjectRect.left, ObjectRect.top, &b);
        return;
    }
    const RECT r2{2, 2, w - 2, h - 2};
    c->Brush()->SetStyle(TBrushStyle::bsClear);
    if (IsHeaderCaption(MenuItem)) {
        c->Brush()->SetStyle(TBrushStyle::bsSolid);
        c->Brush()->SetColor(clBtnShadow);
        c->FillRect(RECT{0, 0, w, h});
        c->Brush()->SetStyle(TBrushStyle::bsClear);
        c->Font()->SetColor(clBtnHighlight);
        RECT t = r2;
        const std::string& cap = MenuItem->GetCaption();
        DrawWideStringText(c, cap.substr(1, cap.size() - 2), t, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        Cnvs->Draw(ObjectRect.left, ObjectRect.top, &b);
        return;
    }
    if (MenuItem->OnDrawItem) {
        auto handler = MenuItem->OnDrawItem;
        handler(this, c, r2, Active || Down);
        Cnvs->Draw(ObjectRect.left, ObjectRect.top, &b);
        return;
    }
    DrawCaptionAndShortCut(c, r2, g, 19);
    const TColor color = c->Font()->GetColor();
    if (MenuItem->Count() > 0)
        DrawMenuArrowGlyph(c, r2.right - 7, r2.top + HeightOfRect(r2) / 2 - 4, color);
    if (HasGlyph()) {
        DrawGlyph(c, r2, RECT{}, color);
    } else if (!DrawNamedMark(c, r2.left + 2, r2.top + HeightOfRect(r2) / 2 - 4, color) && MenuItem->GetChecked()) {
        if (MenuItem->GetRadioItem())
            DrawMenuRadioGlyph(c, r2.left + 3, r2.top + HeightOfRect(r2) / 2 - 4, color);
        else
            DrawMenuCheckGlyph(c, r2.left + 3, r2.top + HeightOfRect(r2) / 2 - 4, color);
    }
    Cnvs->Draw(ObjectRect.left, ObjectRect.top, &b);
}
