// Painting of the tabs bar: the strip behind the tabs, every tab in the tab, resizable and
// button looks, the close buttons and the drop marker of a drag.

#include "skin/form/skSkinMDITabsBar.h"

#include "classlib/Bitmap.h"
#include "classlib/Forms.h"
#include "platform/win/Rect.h"
#include "skin/core/skDrawMarks.h"
#include "skin/core/skParentBackground.h"
#include "skin/core/skSkinImages.h"
#include "skin/core/skTextUtils.h"
#include "skin/core/skUtils.h"
#include "skin/form/skButtonDescriptionImage.h"

namespace {

TskButtonFace FaceOf(const TskMDITab& Tab)
{
    return Tab.Active ? TskButtonFace::Down : Tab.MouseIn ? TskButtonFace::Hot : TskButtonFace::Normal;
}

TColor FaceFontColor(const TskDataSkinButtonControl& D, TskButtonFace Face)
{
    return Face == TskButtonFace::Down ? D.DownFontColor : Face == TskButtonFace::Hot ? D.ActiveFontColor : D.FontColor;
}

} // namespace

void TskSkinMDITabsBar::Paint()
{
    TskSkinControl::Paint();
    SyncHideListButton();
}

void TskSkinMDITabsBar::CreateControlDefaultImage(TBitmap* B)
{
    B->Canvas()->Brush()->SetColor(clBtnFace);
    B->Canvas()->FillRect(RECT{0, 0, FWidth, FHeight});
    DrawTabs(B->Canvas());
}

void TskSkinMDITabsBar::CreateControlSkinImage(TBitmap* B)
{
    const TskDataSkinTabControl* d = Desc();
    TBitmap* picture = Picture();
    TCanvas* c = B->Canvas();
    const int h = TabHeight();
    if (d == nullptr) {
        CreateControlDefaultImage(B);
        return;
    }
    if (FSD->MDITabsTransparent) {
        PaintParentUnderControl(this, c);
    } else if (picture && WidthOfRect(d->TabsBGRect) > 0) {
        const int tw = WidthOfRect(d->TabsBGRect);
        for (int x = 0; x < FWidth; x += tw)
            c->CopyRect(RECT{x, 0, x + tw, h}, picture->Canvas(), d->TabsBGRect);
    }
    if (picture && FTabKind == TskSkinMDITabKind::sktkTab && !RectHasNoArea(d->SkinRect) && FBottomOffset > 0) {
        TBitmap strip;
        const RECT src{d->SkinRect.left + d->LTPoint.x, d->SkinRect.top, d->SkinRect.left + d->RTPoint.x,
                       d->SkinRect.top + d->ClRect.top};
        BuildHorzBandImage(d->LTPoint.x, WidthOfRect(d->SkinRect) - d->RTPoint.x, &strip, picture, src, FWidth,
                           FBottomOffset, d->TopStretch);
        c->Draw(0, FHeight - FBottomOffset, &strip);
    }
    DrawTabs(c);
}

void TskSkinMDITabsBar::DrawTabs(TCanvas* Cnvs)
{
    CalcTabRects();
    for (int i = 0; i < TabCount(); ++i)
        if (Tab(i)->Visible && !(IsDrag && i == DragIndex))
            Tab(i)->Draw(Cnvs);
    if (!IsDrag || DragIndex < 0 || DragIndex >= TabCount())
        return;
    Tab(DragIndex)->Draw(Cnvs);
    const int target = GetMoveIndex();
    if (target != -1)
        DrawDropMarker(Cnvs, TabDX < 0 ? Tab(target)->ObjectRect.left : Tab(target)->ObjectRect.right);
}

void TskSkinMDITabsBar::DrawDropMarker(TCanvas* Cnvs, int X)
{
    const int h = FHeight, m = h / 2;
    Cnvs->Pen()->SetMode(TPenMode::pmNot);
    for (int x = X - 1; x <= X + 1; ++x) {
        Cnvs->MoveTo(x, 0);
        Cnvs->LineTo(x, h);
    }
    for (int s : {1, -1}) {
        Cnvs->MoveTo(X + 2 * s, m);
        Cnvs->LineTo(X + 5 * s, m - 3);
        Cnvs->LineTo(X + 5 * s, m + 3);
        Cnvs->LineTo(X + 2 * s, m);
    }
    Cnvs->Pen()->SetMode(TPenMode::pmCopy);
}

void TskSkinMDITabsBar::DrawTab(TskMDITab* Tab)
{
    if (!HandleAllocated() || !Tab->Visible)
        return;
    CalcTabRects();
    Tab->Draw(Canvas());
}

void TskSkinMDITabsBar::RefreshTab(TCustomForm* Child)
{
    for (auto& t : ObjectList)
        if (t->Child == Child)
            DrawTab(t.get());
}

// ---------------------------------------------------------------------------------------------

void TskMDITab::DrawCaption(TCanvas* Cnvs, const RECT& R)
{
    std::string text = Child->GetCaption();
    FitWideTextWithEllipsis(Cnvs, text, WidthOfRect(R));
    Cnvs->Brush()->SetStyle(TBrushStyle::bsClear);
    RECT r = R;
    Cnvs->TextRect(r, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void TskMDITab::Draw(TCanvas* Cnvs)
{
    const int w = WidthOfRect(ObjectRect), h = HeightOfRect(ObjectRect);
    if (w <= 0)
        return;
    TskSkinMDITabsBar& bar = *TabsBar;
    const TskDataSkinTabControl* d = bar.Desc();
    if (d && bar.FTabKind == TskSkinMDITabKind::sktkButton) {
        ButtonDraw(Cnvs);
        return;
    }
    if (d && !bar.FUseSkinSize) {
        ResizeDraw(Cnvs);
        return;
    }
    TBitmap b;
    b.SetSize(w, h);
    TCanvas* c = b.Canvas();
    if (d == nullptr) {
        c->Brush()->SetColor(MouseIn && !Active ? RGB(182, 189, 210) : Active ? RGB(133, 147, 181) : clBtnFace);
        c->FillRect(RECT{0, 0, w, h});
        AssignSkinFont(c->Font(), bar.FDefaultFont.get(), false, bar.FSD, {}, 0, {});
        if (bar.OnTabGetDrawParamsEvent)
            bar.OnTabGetDrawParamsEvent(this, c);
    } else {
        const RECT src = MouseIn && !Active ? bar.MouseInTabRect() : Active ? bar.ActiveTabRect() : d->TabRect;
        if (TBitmap* picture = bar.Picture())
            BuildHorzBandImage(d->TabLeftOffset, d->TabRightOffset, &b, picture, src, w, h, d->TabStretchEffect);
        b.SetSize(w, h);
        AssignSkinFont(c->Font(), bar.FDefaultFont.get(), bar.FUseSkinFont, bar.FSD, d->FontName, d->FontHeight,
                       d->FontStyle);
        c->Font()->SetColor(MouseIn && !Active ? d->MouseInFontColor : Active ? d->FocusFontColor : d->FontColor);
    }
    TextFontColor = c->Font()->GetColor();
    RECT text{2, 0, w - 2, h};
    if (bar.FShowCloseButtons) {
        text.right = w - bar.FCloseSize - 5;
        DrawCloseButton(c, RECT{text.right, 0, w, h});
    } else if (d) {
        text = RECT{d->TabLeftOffset, 0, w - d->TabRightOffset, h};
    }
    DrawCaption(c, text);
    Cnvs->Draw(ObjectRect.left, ObjectRect.top, &b);
}

void TskMDITab::ResizeDraw(TCanvas* Cnvs)
{
    TskSkinMDITabsBar& bar = *TabsBar;
    const TskDataSkinTabControl* d = bar.Desc();
    TBitmap* picture = bar.Picture();
    const int w = WidthOfRect(ObjectRect);
    const int h = HeightOfRect(ObjectRect) + (Active ? bar.ActiveTabOffset() : 0);
    const bool hot = MouseIn && !Active && !RectHasNoArea(d->MouseInTabRect);
    const RECT src = hot ? d->MouseInTabRect : Active ? bar.ActiveTabRect() : d->TabRect;
    TBitmap b;
    b.SetSize(w, h);
    const int q = HeightOfRect(d->TabRect) / 4;
    if (picture)
        ComposeNineSliceFromClientRect(&b, picture, src,
                                       RECT{d->TabLeftOffset, q, WidthOfRect(src) - d->TabRightOffset, HeightOfRect(src) - q},
                                       true);
    TCanvas* c = b.Canvas();
    AssignSkinFont(c->Font(), bar.FDefaultFont.get(), bar.FUseSkinFont, bar.FSD, d->FontName, d->FontHeight,
                   d->FontStyle);
    c->Font()->SetColor(hot ? d->MouseInFontColor : Active ? d->FocusFontColor : d->FontColor);
    TextFontColor = c->Font()->GetColor();
    RECT text{2, 0, w - 2, h};
    if (bar.FShowCloseButtons) {
        text = RECT{2, 2, w - bar.FCloseSize - 5, h};
        DrawCloseButton(c, RECT{text.right, 2, w, h});
    }
    if (bar.OnTabGetDrawParamsEvent)
        bar.OnTabGetDrawParamsEvent(this, c);
    DrawCaption(c, text);
    Cnvs->Draw(ObjectRect.left, ObjectRect.top, &b);
}

void TskMDITab::ButtonDraw(TCanvas* Cnvs)
{
    TskSkinMDITabsBar& bar = *TabsBar;
    const auto* d = NamedDescription<TskDataSkinButtonControl>(bar.FSD, "resizebutton");
    if (d == nullptr)
        return;
    const int w = WidthOfRect(ObjectRect), h = HeightOfRect(ObjectRect);
    const TskButtonFace face = FaceOf(*this);
    TBitmap b;
    ComposeButtonFace(*d, SkinPicture(bar.FSD, d->PictureIndex), ButtonFaceRect(*d, face), false, &b, w, h);
    TCanvas* c = b.Canvas();
    AssignSkinFont(c->Font(), bar.FDefaultFont.get(), bar.FUseSkinFont, bar.FSD, d->FontName, d->FontHeight,
                   d->FontStyle);
    c->Font()->SetColor(FaceFontColor(*d, face));
    TextFontColor = c->Font()->GetColor();
    RECT text{d->ClRect.left, d->ClRect.top, d->ClRect.right + w - WidthOfRect(d->SkinRect),
              d->ClRect.bottom + h - HeightOfRect(d->SkinRect)};
    if (bar.FShowCloseButtons) {
        text.right -= bar.FCloseSize + 3;
        DrawCloseButton(c, RECT{text.right, 0, text.right + bar.FCloseSize + 3, h});
    }
    const int th = c->TextHeight("Wg");
    if (HeightOfRect(text) < th) {
        text.top = (h - th) / 2;
        text.bottom = text.top + th;
    }
    if (bar.OnTabGetDrawParamsEvent)
        bar.OnTabGetDrawParamsEvent(this, c);
    DrawCaption(c, text);
    Cnvs->Draw(ObjectRect.left, ObjectRect.top, &b);
}

void TskMDITab::DrawCloseButton(TCanvas* Cnvs, const RECT& R)
{
    TskSkinMDITabsBar& bar = *TabsBar;
    const TskDataSkinTabControl* d = bar.Desc();
    const int mid = (R.top + R.bottom) / 2;
    if (d == nullptr) {
        ButtonRect = RECT{R.left, mid - 7, R.left + 14, mid + 7};
        DrawCloseGlyph(Cnvs, ButtonRect.left + 2, ButtonRect.top + 2, ButtonMouseIn ? clWhite : clBlack);
        return;
    }
    TBitmap* picture = bar.Picture();
    if (!RectHasNoArea(d->CloseButtonRect)) {
        const RECT src = ButtonMouseDown && ButtonMouseIn ? bar.CloseButtonDownRect()
                         : ButtonMouseIn                  ? bar.CloseButtonActiveRect()
                                                          : d->CloseButtonRect;
        const int bw = WidthOfRect(src), bh = HeightOfRect(src);
        ButtonRect = RECT{R.left, mid - bh / 2, R.left + bw, mid - bh / 2 + bh};
        if (!picture)
            return;
        TBitmap glyph;
        glyph.SetSize(bw, bh);
        glyph.Canvas()->CopyRect(RECT{0, 0, bw, bh}, picture->Canvas(), src);
        if (d->ButtonTransparent) {
            glyph.SetTransparentMode(TTransparentMode::tmFixed);
            glyph.SetTransparentColor(d->ButtonTransparentColor);
            glyph.SetTransparent(true);
        }
        Cnvs->Draw(ButtonRect.left, ButtonRect.top, &glyph);
        return;
    }
    const auto* tool = NamedDescription<TskDataSkinButtonControl>(bar.FSD, "resizetoolbutton");
    if (tool == nullptr)
        return;
    const int size = bar.FCloseSize;
    const TskButtonFace face = ButtonMouseDown && ButtonMouseIn ? TskButtonFace::Down
                               : ButtonMouseIn                  ? TskButtonFace::Hot
                                                                : TskButtonFace::Normal;
    TBitmap b;
    ComposeButtonFace(*tool, SkinPicture(bar.FSD, tool->PictureIndex), ButtonFaceRect(*tool, face), false, &b, size, size);
    DrawCloseGlyph(b.Canvas(), size / 2 - 5, size / 2 - 5, FaceFontColor(*tool, face));
    ButtonRect = RECT{R.left, mid - size / 2, R.left + size, mid - size / 2 + size};
    Cnvs->Draw(ButtonRect.left, ButtonRect.top, &b);
}
