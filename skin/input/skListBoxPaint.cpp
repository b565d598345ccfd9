// How the inner list paints: the items from the top index down, each composed off-screen from
// the system colours or the skin's item pictures, and the tiled skin background under them.

#include "skin/input/skSkinListBox.h"

#include "classlib/Bitmap.h"
#include "platform/gdi/Gdi.h"
#include "skin/core/skDataSkinForm.h"
#include "skin/core/skDrawMarks.h"
#include "skin/core/skSkinImages.h"

#include <algorithm>

namespace {

int W(const RECT& r) { return r.right - r.left; }
int H(const RECT& r) { return r.bottom - r.top; }

std::unique_ptr<TBitmap> NewBitmap(int w, int h)
{
    auto b = std::make_unique<TBitmap>();
    b->SetPixelFormat(TPixelFormat::pf24bit);
    b->SetSize(std::max(w, 0), std::max(h, 0));
    return b;
}

} // namespace

void TskListBox::PaintWindow(HDC DC)
{
    if (GetWidth() <= 0 || GetHeight() <= 0)
        return;
    const int saved = SaveDC(DC);
    try {
        PaintItems(DC);
    } catch (...) {
        RestoreDC(DC, saved);
        throw;
    }
    RestoreDC(DC, saved);
}

void TskListBox::PaintItems(HDC DC)
{
    TCanvas canvas;
    canvas.SetHandle(DC);
    const int height = GetHeight();
    const int itemHeight = std::max(1, GetItemHeight());
    const int count = Count();
    const int top = GetTopIndex();
    const bool columns = GetColumns() > 0;
    const int last = std::min(count - 1, top + (height / itemHeight) * (columns ? GetColumns() : 1));
    int bottom = 0;
    for (int i = top; i <= last && count > 0; ++i) {
        const RECT r = ItemRect(i);
        DrawItemOf(&canvas, i, GetItemState(i), r);
        bottom = r.bottom;
    }
    if (!columns && bottom < height) {
        SkinListBox->LookupSkinData();
        if (SkinListBox->GetIndex() == -1) {
            canvas.Brush()->SetColor(clWindow);
            canvas.FillRect(RECT{0, bottom, GetWidth(), height});
        } else {
            DrawTiledBackground(&canvas, GetWidth(), height - bottom, 0, bottom);
        }
    }
    canvas.SetHandle(nullptr);
}

void TskListBox::PaintBackground(HDC DC)
{
    SkinListBox->LookupSkinData();
    TCanvas canvas;
    canvas.SetHandle(DC);
    if (SkinListBox->GetIndex() == -1) {
        canvas.Brush()->SetColor(clWindow);
        canvas.FillRect(RECT{0, 0, GetWidth(), GetHeight()});
    } else {
        DrawTiledBackground(&canvas, GetWidth(), GetHeight(), 0, 0);
    }
    canvas.SetHandle(nullptr);
}

void TskListBox::DrawTiledBackground(TCanvas* Cnvs, int W_, int H_, int X, int Y)
{
    const RECT& s = SkinListBox->SkinRect;
    const RECT& c = SkinListBox->ClRect;
    const int w = W(c), h = H(c);
    TBitmap* picture = SkinListBox->Picture;
    // A skin without a client area has no tile: nothing is drawn.
    if (w <= 0 || h <= 0 || W_ <= 0 || H_ <= 0 || !picture)
        return;
    auto b = NewBitmap(W_, H_);
    for (int i = 0; i <= W_ / w; ++i)
        for (int j = 0; j <= H_ / h; ++j) {
            const int ox = std::max(0, (i + 1) * w - W_);
            const int oy = std::max(0, (j + 1) * h - H_);
            const RECT src{s.left + c.left, s.top + c.top, s.left + c.right - ox, s.top + c.bottom - oy};
            const RECT dst{i * w, j * h, (i + 1) * w - ox, (j + 1) * h - oy};
            if (W(dst) > 0 && H(dst) > 0)
                b->Canvas()->CopyRect(dst, picture->Canvas(), src);
        }
    Cnvs->Draw(X, Y, b.get());
}

void TskListBox::DrawItemOf(TCanvas* Cnvs, int Index, TOwnerDrawState State, const RECT& R)
{
    if (SkinListBox->GetIndex() == -1)
        DrawDefaultItem(Cnvs, Index, State, R);
    else if (SkinListBox->GetUseSkinItemHeight())
        DrawSkinBandItem(Cnvs, Index, State, R);
    else
        DrawSkinItem(Cnvs, Index, State, R);
}

void TskListBox::DrawDefaultItem(TCanvas* Cnvs, int Index, TOwnerDrawState State, const RECT& R)
{
    if (Index < 0 || Index >= Count())
        return;
    auto b = NewBitmap(W(R), H(R));
    TCanvas* c = b->Canvas();
    TskSkinCustomListBox* owner = SkinListBox;
    AssignSkinFont(c->Font(), owner->Font(), false, owner->GetSkinData(), "", 0, TFontStyles());
    const bool selected = State.Contains(odSelected);
    c->Brush()->SetColor(selected ? clHighlight : clWindow);
    c->Font()->SetColor(selected ? clHighlightText : owner->Font()->GetColor());
    c->FillRect(RECT{0, 0, W(R), H(R)});
    DrawContent(c, Index, State, RECT{2, 0, W(R) - 2, H(R)}, W(R), H(R), RECT{});
    if (State.Contains(odFocused))
        c->DrawFocusRect(RECT{0, 0, W(R), H(R)});
    Cnvs->Draw(R.left, R.top, b.get());
}

void TskListBox::DrawSkinItem(TCanvas* Cnvs, int Index, TOwnerDrawState State, const RECT& R)
{
    TskSkinCustomListBox* o = SkinListBox;
    if (Index < 0 || Index >= Count() || !o->Picture)
        return;
    auto b = NewBitmap(W(R), H(R));
    const bool focused = State.Contains(odFocused), selected = State.Contains(odSelected);
    const RECT& stateRect = focused ? o->FocusItemRect : selected ? o->ActiveItemRect : o->SItemRect;
    // The fixed border: what lies outside the text area, one pixel less on every side.
    RECT client{o->ItemTextRect.left + 1, o->ItemTextRect.top + 1, o->ItemTextRect.right - 1, o->ItemTextRect.bottom - 1};
    ComposeNineSliceFromClientRect(b.get(), o->Picture, stateRect, client, true);
    RECT text = o->ItemTextRect;
    text.right += W(R) - W(o->SItemRect);
    text.bottom += H(R) - H(o->SItemRect);
    TCanvas* c = b->Canvas();
    AssignSkinFont(c->Font(), o->DefaultFont(), o->GetUseSkinFont(), o->GetSkinData(), o->FontName, o->FontHeight,
                   o->FontStyle);
    c->Font()->SetColor(focused ? o->FocusFontColor : selected ? o->ActiveFontColor : o->FontColor);
    c->Brush()->SetStyle(TBrushStyle::bsClear);
    DrawContent(c, Index, State, text, W(R), H(o->SItemRect), focused && o->ShowFocus ? RECT{0, 0, W(R), H(R)} : RECT{});
    Cnvs->Draw(R.left, R.top, b.get());
}

void TskListBox::DrawSkinBandItem(TCanvas* Cnvs, int Index, TOwnerDrawState State, const RECT& R)
{
    TskSkinCustomListBox* o = SkinListBox;
    if (Index < 0 || Index >= Count() || !o->Picture)
        return;
    const int w = W(R), h = H(o->SItemRect);
    auto b = NewBitmap(w, h);
    TCanvas* c = b->Canvas();
    const bool focused = State.Contains(odFocused), selected = State.Contains(odSelected);
    const RECT& source = focused && selected ? o->FocusItemRect : selected ? o->ActiveItemRect : o->SItemRect;
    const bool stretch = (focused || selected) && o->StretchEffect;
    BuildHorzBandImage(o->ItemLeftOffset, o->ItemRightOffset, b.get(), o->Picture, source, w, h, stretch);
    if (focused && !selected)
        DrawDottedFocusFrame(c, RECT{0, 0, w, h});
    RECT text = o->ItemTextRect;
    text.right += w - W(o->SItemRect);
    AssignSkinFont(c->Font(), o->DefaultFont(), o->GetUseSkinFont(), o->GetSkinData(), o->FontName, o->FontHeight,
                   o->FontStyle);
    c->Font()->SetColor(focused && selected ? o->FocusFontColor : selected ? o->ActiveFontColor : o->FontColor);
    c->Brush()->SetStyle(TBrushStyle::bsClear);
    DrawContent(c, Index, State, text, w, h, focused && o->ShowFocus ? RECT{0, 0, w, h} : RECT{});
    Cnvs->Draw(R.left, R.top, b.get());
}

void TskListBox::DrawContent(TCanvas* C, int Index, TOwnerDrawState State, RECT Text, int ItemWidth, int ItemHeight,
                             const RECT& FocusFrame)
{
    TskSkinCustomListBox* o = SkinListBox;
    if (o->OnDrawItem) {
        auto handler = o->OnDrawItem;
        handler(C, Index, ItemWidth, ItemHeight, Text, State);
        return;
    }
    if (W(FocusFrame) > 0 && H(FocusFrame) > 0) {
        const TColor face = o->GetSkinData() && o->GetSkinData()->SkinColors() ? o->GetSkinData()->SkinColors()->cBtnFace()
                                                                                : clBtnFace;
        C->Brush()->SetStyle(TBrushStyle::bsSolid);
        C->Brush()->SetColor(face);
        DrawDottedFocusFrame(C, FocusFrame);
        C->Brush()->SetStyle(TBrushStyle::bsClear);
    }
    int imageOffset = 0;
    if (TCustomImageList* images = o->GetImages()) {
        const int image = o->GetImageIndex() >= 0 ? o->GetImageIndex() : Index;
        if (image < images->Count())
            images->Draw(C, Text.left - FHorizontalExtentValue, Text.top + H(Text) / 2 - images->GetHeight() / 2, image, true);
        imageOffset = images->GetWidth() + 2;
    }
    const std::string item = Items()->Get(Index);
    if (o->TabWidths()->Count() > 0 && GetColumns() == 0) {
        DrawTabbedText(C, item, imageOffset, Text);
        return;
    }
    if (item.empty())
        return;
    C->Brush()->SetStyle(TBrushStyle::bsClear);
    C->TextRect(Text, Text.left + 2 + imageOffset - FHorizontalExtentValue, Text.top + H(Text) / 2 - C->TextHeight(item) / 2,
                item);
}

void TskListBox::DrawTabbedText(TCanvas* C, const std::string& Text, int ImageOffset, const RECT& T)
{
    const std::vector<int> stops = SkinListBox->TabStops();
    HDC dc = C->GetHandle();
    SetBkMode(dc, TRANSPARENT);
    TabbedTextOut(dc, ImageOffset + T.left + 2, T.top + H(T) / 2 - C->TextHeight(Text) / 2, Text.c_str(),
                  static_cast<int>(Text.size()), static_cast<int>(stops.size()), stops.data(), 0);
}
