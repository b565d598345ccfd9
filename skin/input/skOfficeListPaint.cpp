#include "skin/input/skSkinOfficeCtrls.h"

#include "classlib/Bitmap.h"
#include "platform/win/Rect.h"
#include "platform/window/User.h"

#include "platform/gdi/Dc.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Regions.h"
#include "platform/gdi/Text.h"
#include "skin/core/skSkinImages.h"

#include <algorithm>
#include <memory>

namespace {

// Clips a canvas to a rectangle for the lifetime of the guard. Only the clip region is saved and
// restored: restoring the whole device context would also bring back objects the canvas has
// since replaced, behind its back.
class ClipGuard {
public:
    ClipGuard(TCanvas* C, const RECT& R) : dc_(C->GetHandle()), old_(CreateRectRgn(0, 0, 0, 0))
    {
        had_ = GetClipRgn(dc_, old_) == 1;
        IntersectClipRect(dc_, R.left, R.top, R.right, R.bottom);
    }
    ~ClipGuard()
    {
        SelectClipRgn(dc_, had_ ? old_ : nullptr);
        DeleteObject(old_);
    }
    ClipGuard(const ClipGuard&) = delete;
    ClipGuard& operator=(const ClipGuard&) = delete;

private:
    HDC dc_;
    HRGN old_;
    bool had_ = false;
};

} // namespace

void TskSkinOfficeListBox::DrawVisibleItems(TCanvas* C)
{
    CalcItemRects();
    ClipGuard clip(C, FItemsRect);
    for (int i = 0; i < FItems->Count(); ++i)
        if (FItems->Items(i)->IsVisible)
            DrawItem(i, C);
}

void TskSkinOfficeListBox::CreateControlDefaultImage(TBitmap* B)
{
    TCanvas* c = B->Canvas();
    c->Brush()->SetStyle(TBrushStyle::bsSolid);
    c->Brush()->SetColor(clBtnShadow);
    c->FrameRect(RECT{0, 0, FWidth, FHeight});
    c->Brush()->SetColor(clWindow);
    c->FillRect(RECT{2, 2, FWidth - 2, FHeight - 2});
    DrawVisibleItems(c);
}

void TskSkinOfficeListBox::CreateControlSkinImage(TBitmap* B)
{
    TskSkinCustomControl::CreateControlSkinImage(B);
    DrawVisibleItems(B->Canvas());
}

void TskSkinOfficeListBox::DrawItem(int Index, TCanvas* Cnvs)
{
    if (FIndex == -1)
        DefaultDrawItem(Index, Cnvs);
    else
        SkinDrawItem(Index, Cnvs);
}

TskOfficeItemParts TskSkinOfficeListBox::ContentParts(int Index, UINT TextFlags) const
{
    TskSkinOfficeItem* item = FItems->Items(Index);
    TskOfficeItemParts parts;
    if (FShowItemTitles)
        parts.Title = item->GetTitle();
    parts.Caption = item->GetCaption();
    parts.Images = FImages;
    parts.ImageIndex = item->GetImageIndex();
    // Without a picture, a list with titles sets the caption in from them.
    parts.Indent = FShowItemTitles ? 10 : 0;
    parts.TextFlags = TextFlags;
    return parts;
}

void TskSkinOfficeListBox::DrawContent(TCanvas* C, int Index, RECT R, UINT TextFlags)
{
    const TskOfficeItemParts parts = ContentParts(Index, TextFlags);
    DrawOfficeItem(C, LayoutOfficeItem(C, R, parts), parts, FItems->Items(Index)->GetEnabled());
}

TskOfficeItemLayout TskSkinOfficeListBox::ItemLayout(int Index)
{
    CalcItemRects();
    TskSkinOfficeItem* item = FItems->Items(Index);
    if (item->GetHeader())
        return {};
    // The font and flags the item's painting uses.
    TBitmap scratch;
    scratch.SetSize(1, 1);
    const bool skinned = FIndex != -1 && NamedDescription<TskDataSkinListBox>(FSD, "listbox");
    if (skinned)
        SetSkinItemFont(scratch.Canvas()->Font(), 0);
    else
        scratch.Canvas()->Font()->Assign(DefaultFont());
    RECT r = item->ItemRect;
    InflateRect(&r, -2, -2);
    return LayoutOfficeItem(scratch.Canvas(), r, ContentParts(Index, skinned ? DT_WORDBREAK | DT_EXPANDTABS : DT_WORDBREAK));
}

void TskSkinOfficeListBox::DrawSeparator(TCanvas* C, const RECT& R, TColor Color)
{
    const TColor old = C->Pen()->GetColor();
    C->Pen()->SetColor(Color);
    C->MoveTo(R.left, R.bottom - 1);
    C->LineTo(R.right, R.bottom - 1);
    C->Pen()->SetColor(old);
}

void TskSkinOfficeListBox::DefaultDrawItem(int Index, TCanvas* Cnvs)
{
    TskSkinOfficeItem* item = FItems->Items(Index);
    TColor back = clWindow, text = item->GetEnabled() ? clWindowText : clGray;
    if (item->GetHeader()) {
        back = clBtnShadow;
        text = clBtnHighlight;
    } else if (item->Active) {
        back = clHighlight;
        text = clHighlightText;
    }
    Cnvs->Font()->Assign(DefaultFont());
    Cnvs->Font()->SetColor(text);
    ClipGuard clip(Cnvs, item->ItemRect);
    Cnvs->Brush()->SetStyle(TBrushStyle::bsSolid);
    Cnvs->Brush()->SetColor(back);
    Cnvs->FillRect(item->ItemRect);
    RECT r = item->ItemRect;
    InflateRect(&r, -2, -2);
    Cnvs->Brush()->SetStyle(TBrushStyle::bsClear);
    if (item->GetHeader()) {
        Cnvs->TextRect(r, item->GetCaption(), DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        return;
    }
    if (OnDrawItem) {
        RECT whole = item->ItemRect;
        OnDrawItem(Cnvs, Index, whole);
    } else {
        DrawContent(Cnvs, Index, r, DT_WORDBREAK);
    }
    if (FShowLines)
        DrawSeparator(Cnvs, item->ItemRect, clBtnFace);
    if (item->Active && Focused())
        Cnvs->DrawFocusRect(item->ItemRect);
}

void TskSkinOfficeListBox::SetSkinItemFont(TFont* F, TColor Color)
{
    auto* lb = NamedDescription<TskDataSkinListBox>(FSD, "listbox");
    AssignSkinFont(F, DefaultFont(), FUseSkinFont, FSD, lb->FontName, lb->FontHeight, lb->FontStyle);
    F->SetColor(Color);
}

void TskSkinOfficeListBox::SkinDrawItem(int Index, TCanvas* Cnvs)
{
    TskSkinOfficeItem* item = FItems->Items(Index);
    if (item->GetHeader())
        return SkinDrawHeaderItem(Index, Cnvs);
    auto* lb = NamedDescription<TskDataSkinListBox>(FSD, "listbox");
    if (!lb)
        return;
    RECT r = item->ItemRect;
    InflateRect(&r, -2, -2);
    Cnvs->Brush()->SetStyle(TBrushStyle::bsClear);
    if (lb->FontColor == FDisabledFontColor && FDisabledFontColor == 0)
        FDisabledFontColor = clGray;
    TColor color = FDisabledFontColor;
    if (item->GetEnabled())
        color = GetSkinDataName() == "listbox" || GetSkinDataName() == "memo" ? lb->FontColor
                                                                             : FSD->SkinColors()->cBtnText();
    const UINT flags = DT_WORDBREAK | DT_EXPANDTABS;
    if (item->Active && item->GetEnabled()) {
        const int w = item->ItemRect.right - item->ItemRect.left, h = item->ItemRect.bottom - item->ItemRect.top;
        auto bmp = std::make_unique<TBitmap>();
        bmp->SetSize(w, h);
        const bool focused = Focused();
        if (Picture)
            ComposeNineSliceFromClientRect(bmp.get(), Picture, focused ? lb->FocusItemRect : lb->ActiveItemRect,
                                           lb->ItemTextRect, true);
        TCanvas* bc = bmp->Canvas();
        SetSkinItemFont(bc->Font(), focused ? lb->FocusFontColor : lb->ActiveFontColor);
        bc->Brush()->SetStyle(TBrushStyle::bsClear);
        RECT br{2, 2, w - 2, h - 2};
        if (OnDrawItem)
            OnDrawItem(bc, Index, br);
        else
            DrawContent(bc, Index, br, flags);
        Cnvs->Draw(item->ItemRect.left, item->ItemRect.top, bmp.get());
        return;
    }
    SetSkinItemFont(Cnvs->Font(), color);
    ClipGuard clip(Cnvs, item->ItemRect);
    if (OnDrawItem)
        OnDrawItem(Cnvs, Index, r);
    else
        DrawContent(Cnvs, Index, r, flags);
    if (FShowLines)
        DrawSeparator(Cnvs, item->ItemRect, FSD->SkinColors()->cBtnShadow());
}

void TskSkinOfficeListBox::SkinDrawHeaderItem(int Index, TCanvas* Cnvs)
{
    TskSkinOfficeItem* item = FItems->Items(Index);
    auto* d = NamedDescription<TskDataSkinLabelControl>(FSD, "menuheader");
    if (!d)
        d = NamedDescription<TskDataSkinLabelControl>(FSD, "label");
    TBitmap* picture = d ? SkinPicture(FSD, d->PictureIndex) : nullptr;
    if (!picture)
        return;
    const int w = item->ItemRect.right - item->ItemRect.left, h = item->ItemRect.bottom - item->ItemRect.top;
    auto bmp = std::make_unique<TBitmap>();
    bmp->SetSize(w, h);
    ComposeNineSliceFromClientRect(bmp.get(), picture, d->SkinRect, d->ClRect, true);
    TCanvas* bc = bmp->Canvas();
    bc->Font()->SetName(d->FontName);
    bc->Font()->SetColor(d->FontColor);
    bc->Font()->SetHeight(d->FontHeight);
    bc->Font()->SetStyle(d->FontStyle);
    bc->Brush()->SetStyle(TBrushStyle::bsClear);
    RECT t{1, 1, w - 1, h - 1};
    bc->TextRect(t, item->GetCaption(), DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    Cnvs->Draw(item->ItemRect.left, item->ItemRect.top, bmp.get());
}
