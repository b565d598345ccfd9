#include "skin/input/skSkinOfficeCtrls.h"

#include "classlib/Bitmap.h"
#include "platform/win/Rect.h"
#include "platform/window/User.h"

#include "skin/core/skDrawMarks.h"
#include "skin/core/skSkinImages.h"
#include "skin/core/skTextUtils.h"
#include "skin/input/skComboLooks.h"

#include <memory>

namespace {

bool Empty(const RECT& R)
{
    return R.right <= R.left || R.bottom <= R.top;
}

int W(const RECT& R)
{
    return R.right - R.left;
}

int H(const RECT& R)
{
    return R.bottom - R.top;
}

} // namespace

// --- rectangles and lookup -----------------------------------------------------------------------

void TskSkinCustomOfficeComboBox::CalcRects()
{
    if (FIndex == -1 || FToolButtonStyle) {
        Button.R = RECT{FWidth - 19, 2, FWidth - 2, FHeight - 2};
        CBItem.R = RECT{2, 2, Button.R.left - 1, FHeight - 2};
        return;
    }
    const int dx = FWidth - W(SkinRect);
    Button.R = ButtonRect;
    if (ButtonRect.left >= W(SkinRect) - RTPt.x)
        OffsetRect(&Button.R, dx, 0);
    CBItem.R = ClRect;
    CBItem.R.right += dx;
    if (!FUseSkinSize) {
        const int dy = FHeight - H(SkinRect);
        CBItem.R.bottom += dy;
        Button.R.bottom += dy;
    }
}

void TskSkinCustomOfficeComboBox::LookupSkinData()
{
    TskSkinCustomControl::LookupSkinData();
    auto* d = Description<TskDataSkinComboBox>();
    if (!d)
        return;
    ActiveSkinRect = d->ActiveSkinRect;
    ActiveFontColor = d->ActiveFontColor;
    SItemRect = d->SItemRect;
    ActiveItemRect = d->ActiveItemRect;
    FocusItemRect = Empty(d->FocusItemRect) ? d->SItemRect : d->FocusItemRect;
    ItemLeftOffset = d->ItemLeftOffset;
    ItemRightOffset = d->ItemRightOffset;
    ItemTextRect = d->ItemTextRect;
    FontName = d->FontName;
    FontStyle = d->FontStyle;
    FontHeight = d->FontHeight;
    FontColor = d->FontColor;
    FocusFontColor = d->FocusFontColor;
    ButtonRect = d->ButtonRect;
    ActiveButtonRect = d->ActiveButtonRect;
    DownButtonRect = d->DownButtonRect;
    UnEnabledButtonRect = d->UnEnabledButtonRect;
    ListBoxName = d->ListBoxName;
    ItemStretchEffect = d->ItemStretchEffect;
    FocusItemStretchEffect = d->FocusItemStretchEffect;
    ShowFocus = d->ShowFocus;
}

void TskSkinCustomOfficeComboBox::ChangeSkinData()
{
    TskSkinCustomControl::ChangeSkinData();
    CalcRects();
    Repaint();
    // Without a description the drop-down draws plainly for this skin; the configured name
    // comes back with a skin that has one.
    FListBox->SetSkinDataName(FIndex == -1 ? std::string() : FListBoxSkinDataName);
    FListBox->SetSkinData(FSD);
    CalcRects();
}

void TskSkinCustomOfficeComboBox::DefaultFontChanged()
{
    Font()->Assign(DefaultFont());
}

void TskSkinCustomOfficeComboBox::FitBoundsToSkin(int& AW, int& AH)
{
    if (FUseSkinSize) {
        TskSkinCustomControl::FitBoundsToSkin(AW, AH);
        return;
    }
    NewLTPoint = LTPt;
    NewRTPoint = POINT{AW + RTPt.x - W(SkinRect), RTPt.y};
    NewClRect = ClRect;
    NewClRect.right += AW - W(SkinRect);
}

void TskSkinCustomOfficeComboBox::ApplyMaskRegion()
{
    if (FUseSkinSize)
        TskSkinCustomControl::ApplyMaskRegion();
}

// --- shared pieces -------------------------------------------------------------------------------

int TskSkinCustomOfficeComboBox::ShownIndex() const
{
    const int i = FDropDown ? FOldItemIndex : FListBox->GetItemIndex();
    return i >= 0 && i < FListBox->Items()->Count() ? i : -1;
}

bool TskSkinCustomOfficeComboBox::Hovered() const
{
    return FMouseIn || Button.MouseIn;
}

TColor TskSkinCustomOfficeComboBox::DisabledColor()
{
    return ComboDisabledFontColor(FSD, FIndex != -1);
}

void TskSkinCustomOfficeComboBox::SetItemFont(TFont* F)
{
    AssignSkinFont(F, DefaultFont(), FUseSkinFont, FSD, FontName, FontHeight, FontStyle);
}

// The shown item's content in T: owner drawing, else title, then the image and the caption.
void TskSkinCustomOfficeComboBox::DrawShownContent(TCanvas* C, RECT T, bool WithTitle, bool OwnerDraw,
                                                   const std::string* Replacement)
{
    FShownLayout = {};
    const int index = ShownIndex();
    if (index < 0)
        return;
    if (OnDrawItem && OwnerDraw) {
        C->Brush()->SetStyle(TBrushStyle::bsClear);
        OnDrawItem(C, index, T);
        return;
    }
    TskSkinOfficeItem* item = FListBox->Items()->Items(index);
    const std::string& caption = Replacement ? *Replacement : item->GetCaption();
    if (FShowItemText && !FShowItemImage) {
        DrawClippedTextVCentered(C, caption, T);
        return;
    }
    if (!FShowItemImage)
        return;
    TskOfficeItemParts parts;
    if (WithTitle && FShowItemText && FShowItemTitle)
        parts.Title = item->GetTitle();
    // The caption starts 2 pixels higher than the title's bottom.
    parts.TitleOverlap = 2;
    if (FShowItemText)
        parts.Caption = caption;
    parts.Images = FListBox->GetImages();
    parts.ImageIndex = item->GetImageIndex();
    parts.TextFlags = DT_WORDBREAK | DT_EXPANDTABS;
    FShownLayout = LayoutOfficeItem(C, T, parts);
    DrawOfficeItem(C, FShownLayout, parts, GetEnabled());
}

// --- no skin -------------------------------------------------------------------------------------

void TskSkinCustomOfficeComboBox::DrawDefaultButton(TCanvas* C)
{
    DrawDefaultDropButton(C, Button.R, Button.Down && Button.MouseIn, Button.MouseIn, GetEnabled());
}

void TskSkinCustomOfficeComboBox::DrawDefaultItem(TCanvas* C)
{
    if (W(CBItem.R) <= 0)
        return;
    TBitmap bmp;
    bmp.SetSize(W(CBItem.R), H(CBItem.R));
    TCanvas* b = bmp.Canvas();
    AssignSkinFont(b->Font(), Font(), false, FSD, Font()->GetName(), Font()->GetHeight(), Font()->GetStyle());
    const bool focused = Focused();
    CBItem.State = focused;
    b->Brush()->SetColor(focused ? clHighlight : FDefaultColor);
    b->Font()->SetColor(focused ? clHighlightText : DefaultFont()->GetColor());
    b->FillRect(RECT{0, 0, bmp.GetWidth(), bmp.GetHeight()});
    if (ShownIndex() >= 0) {
        DrawShownContent(b, RECT{2, 0, bmp.GetWidth() - 2, bmp.GetHeight()}, true, true, nullptr);
        if (focused)
            b->DrawFocusRect(RECT{0, 0, bmp.GetWidth(), bmp.GetHeight()});
    }
    C->Draw(CBItem.R.left, CBItem.R.top, &bmp);
}

void TskSkinCustomOfficeComboBox::DrawDefaultBackground(TCanvas* C)
{
    C->Brush()->SetStyle(TBrushStyle::bsSolid);
    C->Brush()->SetColor(clBtnFace);
    C->FillRect(RECT{0, 0, FWidth, FHeight});
    C->Brush()->SetColor(clBtnShadow);
    C->FrameRect(RECT{0, 0, FWidth, FHeight});
    C->Brush()->SetColor(FDefaultColor);
    C->FillRect(RECT{2, 2, FWidth - 2, FHeight - 2});
    DrawDefaultButton(C);
}

void TskSkinCustomOfficeComboBox::CreateControlDefaultImage(TBitmap* B)
{
    CalcRects();
    if (FToolButtonStyle)
        return DrawToolButton(B->Canvas(), false, nullptr);
    DrawDefaultBackground(B->Canvas());
    DrawDefaultItem(B->Canvas());
}

// --- skinned -------------------------------------------------------------------------------------

void TskSkinCustomOfficeComboBox::DrawSkinBackground(TCanvas* C)
{
    const bool hot = !Empty(ActiveSkinRect) && (FMouseIn || Focused());
    if (!FUseSkinSize) {
        TBitmap bg;
        bg.SetSize(FWidth, FHeight);
        if (Picture)
            ComposeNineSliceFromClientRect(&bg, Picture, hot ? ActiveSkinRect : SkinRect, ClRect, true);
        C->Draw(0, 0, &bg);
        return;
    }
    TBitmap bg;
    bg.SetSize(FWidth, FHeight);
    if (hot && Picture) {
        BuildHorzBandImage(LTPt.x, W(ActiveSkinRect) - RTPt.x, &bg, Picture, ActiveSkinRect, FWidth,
                           H(ActiveSkinRect), StretchEffect);
    } else {
        TskSkinCustomControl::CreateControlSkinImage(&bg);
    }
    C->Draw(0, 0, &bg);
}

void TskSkinCustomOfficeComboBox::DrawButtonState(TCanvas* C)
{
    RECT r{};
    if (!GetEnabled() && !Empty(UnEnabledButtonRect))
        r = UnEnabledButtonRect;
    else if (Button.Down && Button.MouseIn)
        r = DownButtonRect;
    else if (Button.MouseIn)
        r = ActiveButtonRect;
    if (!Empty(r) && Picture)
        C->CopyRect(Button.R, Picture->Canvas(), r);
}

void TskSkinCustomOfficeComboBox::DrawButtonDescription(TCanvas* C)
{
    DrawSeparateDropButton(C, FSD, Picture, Button.R, Button.Down && Button.MouseIn, Button.MouseIn, GetEnabled());
}

void TskSkinCustomOfficeComboBox::DrawSkinItem(TCanvas* C)
{
    if (W(CBItem.R) <= 0)
        return;
    const int w = W(CBItem.R), h = H(CBItem.R);
    TBitmap bmp;
    bmp.SetSize(w, h);
    const bool focused = Focused();
    const bool hover = !focused && Hovered() && !Empty(ActiveItemRect) && !Empty(ActiveSkinRect);
    auto compose = [&](const RECT& S) {
        RECT client = ItemTextRect;
        if (W(SItemRect) > W(S))
            client.right -= W(SItemRect) - W(S);
        if (H(SItemRect) > H(S))
            client.top -= H(SItemRect) - H(S);
        ComposeNineSliceFromClientRect(&bmp, Picture, S, client, true);
    };
    const bool fromPicture = Picture && (focused ? !Empty(FocusItemRect) : hover || !Empty(SItemRect));
    if (focused && fromPicture) {
        RECT client = ItemTextRect;
        InflateRect(&client, -1, -1);
        ComposeNineSliceFromClientRect(&bmp, Picture, FocusItemRect, client, true);
    } else if (hover && fromPicture) {
        compose(ActiveItemRect);
    } else if (fromPicture) {
        ComposeNineSliceFromClientRect(&bmp, Picture, SItemRect, ItemTextRect, true);
    } else {
        bmp.Canvas()->CopyRect(RECT{0, 0, w, h}, C, CBItem.R);
    }
    RECT t = ItemTextRect;
    t.right += w - (Empty(SItemRect) ? W(ClRect) : W(SItemRect));
    t.bottom += FHeight - H(SkinRect);
    TCanvas* b = bmp.Canvas();
    SetItemFont(b->Font());
    b->Font()->SetColor(focused ? FocusFontColor : Hovered() && !Empty(ActiveSkinRect) ? ActiveFontColor : FontColor);
    b->Brush()->SetStyle(TBrushStyle::bsClear);
    if (ShownIndex() >= 0) {
        if (focused && ShowFocus) {
            b->Brush()->SetStyle(TBrushStyle::bsSolid);
            b->Brush()->SetColor(FSD->SkinColors()->cBtnFace());
            b->DrawFocusRect(RECT{0, 0, w, h});
            b->Brush()->SetStyle(TBrushStyle::bsClear);
        }
        t.left += 1;
        DrawShownContent(b, t, true, true, nullptr);
    }
    C->Draw(CBItem.R.left, CBItem.R.top, &bmp);
}

void TskSkinCustomOfficeComboBox::DrawSkinHeightItem(TCanvas* C)
{
    if (W(CBItem.R) <= 0)
        return;
    // The band is as high as the item picture, else the focus picture, else the item area.
    const int h = !Empty(SItemRect) ? H(SItemRect) : !Empty(FocusItemRect) ? H(FocusItemRect) : H(CBItem.R);
    const int w = W(CBItem.R);
    TBitmap bmp;
    bmp.SetSize(w, h);
    const bool focused = Focused();
    const bool hover = !focused && Hovered() && !Empty(ActiveItemRect) && !Empty(ActiveSkinRect);
    const RECT s = focused ? FocusItemRect : hover ? ActiveItemRect : SItemRect;
    if (Picture && !Empty(s))
        BuildHorzBandImage(ItemLeftOffset, ItemRightOffset, &bmp, Picture, s, w, h,
                           focused ? FocusItemStretchEffect : ItemStretchEffect);
    else
        bmp.Canvas()->CopyRect(RECT{0, 0, w, h}, C, RECT{CBItem.R.left, CBItem.R.top, CBItem.R.right, CBItem.R.top + h});
    RECT t = ItemTextRect;
    t.right += w - (Empty(SItemRect) ? W(ClRect) : W(SItemRect));
    TCanvas* b = bmp.Canvas();
    SetItemFont(b->Font());
    TColor color = focused ? FocusFontColor : Hovered() && !Empty(ActiveSkinRect) ? ActiveFontColor : FontColor;
    if (!GetEnabled())
        color = DisabledColor();
    b->Font()->SetColor(color);
    b->Brush()->SetStyle(TBrushStyle::bsClear);
    DrawShownContent(b, t, false, true, nullptr);
    C->Draw(CBItem.R.left, CBItem.R.top, &bmp);
}

void TskSkinCustomOfficeComboBox::CreateControlSkinImage(TBitmap* B)
{
    CalcRects();
    TCanvas* c = B->Canvas();
    if (FToolButtonStyle)
        return DrawToolButton(c, true, nullptr);
    DrawSkinBackground(c);
    if (FUseSkinSize) {
        DrawButtonState(c);
        DrawSkinHeightItem(c);
    } else {
        DrawButtonDescription(c);
        DrawSkinItem(c);
    }
}

// --- tool-button style ---------------------------------------------------------------------------

void TskSkinCustomOfficeComboBox::DrawToolButton(TCanvas* C, bool Skinned, const std::string* Replacement)
{
    const bool hot = Hovered() || Focused();
    const TskToolButtonParts parts = ToolButtonParts(FWidth, FHeight, FDropDown);
    const TskDataSkinButtonControl* d = nullptr;
    if (!Skinned) {
        DrawDefaultToolButtonFace(C, FWidth, FHeight, FDropDown, hot, DefaultFont());
    } else {
        d = FIndex == -1 ? nullptr
                         : DrawSkinToolButtonFace(C, FSD, FWidth, FHeight, FDropDown, hot, GetEnabled(), DefaultFont(),
                                                  FUseSkinFont);
        if (!d)
            return;
    }
    DrawShownContent(C, parts.Text, true, false, Replacement);
    DrawToolButtonGlyph(C, d, Picture, parts.Glyph, FDropDown, hot);
}

void TskSkinCustomOfficeComboBox::PaintSkinTo(TCanvas* C, int X, int Y, const std::string& AText)
{
    TBitmap bmp;
    bmp.SetSize(FWidth, FHeight);
    LookupSkinData();
    const std::string saved = GetText();
    SetText(AText);
    TCanvas* b = bmp.Canvas();
    CalcRects();
    if (FToolButtonStyle) {
        DrawToolButton(b, FIndex != -1, &AText);
    } else {
        if (FIndex == -1) {
            DrawDefaultBackground(b);
            b->Font()->Assign(DefaultFont());
        } else {
            DrawSkinBackground(b);
            if (FUseSkinSize)
                DrawButtonState(b);
            else
                DrawButtonDescription(b);
            b->Font()->SetStyle(FontStyle);
            b->Font()->SetColor(FontColor);
            b->Font()->SetHeight(FontHeight);
            b->Font()->SetName(FontName);
        }
        b->Brush()->SetStyle(TBrushStyle::bsClear);
        DrawClippedTextVCentered(b, AText, RECT{CBItem.R.left, CBItem.R.top, CBItem.R.right, CBItem.R.bottom});
    }
    SetText(saved);
    C->Draw(X, Y, &bmp);
}
