// How the combo box draws itself: the plain frame or the skin's in both sizing modes, the
// drop-down button in its states, the shown item (images, tab stops, owner drawing), the
// tool-button look, painting into a foreign canvas and into a context with its edit.

#include "skin/input/skSkinComboBox.h"

#include "classlib/Bitmap.h"
#include "classlib/Frame3D.h"
#include "platform/gdi/Gdi.h"
#include "platform/win/Rect.h"
#include "platform/window/User.h"
#include "skin/core/skDataSkinForm.h"
#include "skin/core/skDrawMarks.h"
#include "skin/core/skSkinImages.h"
#include "skin/core/skTextUtils.h"
#include "skin/input/skComboLooks.h"

#include <algorithm>

namespace {

int W(const RECT& r) { return r.right - r.left; }
int H(const RECT& r) { return r.bottom - r.top; }
bool HasArea(const RECT& r) { return W(r) > 0 && H(r) > 0; }

std::unique_ptr<TBitmap> NewBitmap(int w, int h)
{
    auto b = std::make_unique<TBitmap>();
    b->SetPixelFormat(TPixelFormat::pf24bit);
    b->SetSize(std::max(w, 0), std::max(h, 0));
    return b;
}

// The item's client rectangle against a state picture S: as far from its right and top as
// from the normal picture's.
RECT ItemClientFor(RECT Client, const RECT& Normal, const RECT& S)
{
    if (W(Normal) > W(S))
        Client.right -= W(Normal) - W(S);
    if (H(Normal) > H(S))
        Client.top -= H(Normal) - H(S);
    return Client;
}

} // namespace

void TskSkinCustomComboBox::DrawFrameImage(TBitmap* B, bool Described, bool NormalOnly)
{
    TCanvas* c = B->Canvas();
    if (!Described) {
        RECT r{0, 0, GetWidth(), GetHeight()};
        c->Brush()->SetColor(clBtnFace);
        c->FillRect(r);
        Frame3D(c, r, clBtnShadow, clBtnShadow, 1);
        InflateRect(&r, -1, -1);
        c->Brush()->SetColor(FDefaultColor);
        c->FillRect(r);
        DrawDefaultDropButton(c, Button.R, Pressed(), Button.MouseIn, GetEnabled());
        return;
    }
    const bool active = HasArea(ActiveSkinRect) && (FMouseIn || Focused() || (FEdit && FEdit->Focused()));
    if (!FUseSkinSize) {
        if (Picture)
            ComposeNineSliceFromClientRect(B, Picture, active && !NormalOnly ? ActiveSkinRect : SkinRect, ClRect,
                                           true);
        DrawSeparateDropButton(c, FSD, Picture, Button.R, Pressed(), Button.MouseIn, GetEnabled());
        return;
    }
    if (active && Picture)
        BuildHorzBandImage(LTPt.x, W(ActiveSkinRect) - RTPt.x, B, Picture, ActiveSkinRect, GetWidth(), GetHeight(),
                           StretchEffect);
    else
        TskSkinCustomControl::CreateControlSkinImage(B);
    RECT state{};
    if (!GetEnabled() && HasArea(UnEnabledButtonRect))
        state = UnEnabledButtonRect;
    else if (Pressed())
        state = DownButtonRect;
    else if (Button.MouseIn)
        state = ActiveButtonRect;
    if (HasArea(state) && Picture)
        c->CopyRect(Button.R, Picture->Canvas(), state);
}

void TskSkinCustomComboBox::CreateControlDefaultImage(TBitmap* B)
{
    LayoutParts();
    if (FToolButtonStyle)
        return DrawToolButton(B->Canvas(), false, std::string());
    DrawFrameImage(B, false, false);
    if (!FEdit)
        DrawItemArea(B->Canvas(), CBItem.R, TItemLook::Plain);
}

void TskSkinCustomComboBox::CreateControlSkinImage(TBitmap* B)
{
    LayoutParts();
    if (FToolButtonStyle)
        return DrawToolButton(B->Canvas(), true, std::string());
    DrawFrameImage(B, true, false);
    if (!FEdit)
        DrawItemArea(B->Canvas(), CBItem.R, FUseSkinSize ? TItemLook::Band : TItemLook::Framed);
}

void TskSkinCustomComboBox::DrawItemContent(TCanvas* C, int Shown, RECT T, int W_, int H_, const std::string& Text)
{
    if (auto handler = OnComboBoxDrawItem) {
        handler(C, Shown, W_, H_, T, CBItem.State);
        return;
    }
    if (TCustomImageList* images = FListBox->GetImages()) {
        const int j = FListBox->GetImageIndex() >= 0 ? FListBox->GetImageIndex() : Shown;
        if (j < images->Count())
            images->Draw(C, T.left, T.top + H(T) / 2 - images->GetHeight() / 2, j, GetEnabled());
        T.left += images->GetWidth() + 2;
    }
    const std::string item = Text.empty() ? Items()->Get(Shown) : Text;
    const std::vector<int> stops = FListBox->TabStops();
    if (!stops.empty()) {
        SetBkMode(C->GetHandle(), TRANSPARENT);
        TabbedTextOut(C->GetHandle(), T.left + 2, T.top + H(T) / 2 - C->TextHeight(item) / 2, item.c_str(),
                      static_cast<int>(item.size()), static_cast<int>(stops.size()), stops.data(), 0);
    } else {
        RECT clip = T;
        clip.left += 2;
        DrawClippedTextVCentered(C, item, clip);
    }
}

void TskSkinCustomComboBox::DrawItemArea(TCanvas* C, const RECT& R, TItemLook Look)
{
    const int w = W(R);
    if (w <= 0 || !FListBox)
        return;
    const bool focused = Focused();
    CBItem.State = focused ? TOwnerDrawState() << odFocused : TOwnerDrawState();
    int h = H(R);
    if (Look == TItemLook::Band)
        h = H(SItemRect) > 0 ? H(SItemRect) : H(FocusItemRect) > 0 ? H(FocusItemRect) : H(R);
    auto bitmap = NewBitmap(w, h);
    TCanvas* c = bitmap->Canvas();
    const RECT whole{0, 0, w, h};
    RECT text{2, 0, w - 2, h};
    if (Look == TItemLook::Plain) {
        c->Font()->Assign(Font());
        c->Brush()->SetColor(focused ? clHighlight : FDefaultColor);
        c->Font()->SetColor(focused ? clHighlightText : DefaultFont()->GetColor());
        c->FillRect(whole);
    } else {
        const bool hot = HasArea(ActiveItemRect) && HasArea(ActiveSkinRect) && FMouseIn;
        const RECT& source = focused ? FocusItemRect : hot ? ActiveItemRect : SItemRect;
        auto copyUnder = [&] { c->CopyRect(whole, C, RECT{R.left, R.top, R.left + w, R.top + h}); };
        if (!HasArea(source) || !Picture) {
            copyUnder();
        } else if (Look == TItemLook::Band) {
            BuildHorzBandImage(ItemLeftOffset, ItemRightOffset, bitmap.get(), Picture, source, w, h,
                               focused ? FocusItemStretchEffect : ItemStretchEffect);
        } else {
            RECT client = focused || hot ? ItemClientFor(ItemTextRect, SItemRect, source) : ItemTextRect;
            if (focused)
                InflateRect(&client, -1, -1);
            ComposeNineSliceFromClientRect(bitmap.get(), Picture, source, client, true);
        }
        text = ItemTextRect;
        text.right += w - (HasArea(SItemRect) ? W(SItemRect) : W(ClRect));
        if (Look == TItemLook::Framed)
            text.bottom += GetHeight() - H(SkinRect);
        AssignSkinFont(c->Font(), DefaultFont(), FUseSkinFont, FSD, FontName, FontHeight, FontStyle);
        // The text takes the hot colour whenever the control has a hot look, with or without a
        // hot item picture.
        const bool hotText = HasArea(ActiveSkinRect) && FMouseIn;
        c->Font()->SetColor(focused ? FocusFontColor : hotText ? ActiveFontColor : FontColor);
        if (Look == TItemLook::Band && !GetEnabled())
            c->Font()->SetColor(ComboDisabledFontColor(FSD, true));
    }
    c->Brush()->SetStyle(TBrushStyle::bsClear);
    const int shown = FDropDown ? FOldItemIndex : GetItemIndex();
    if (shown >= 0 && shown < Items()->Count()) {
        if (Look != TItemLook::Plain && focused && ShowFocus && !OnComboBoxDrawItem) {
            c->Brush()->SetStyle(TBrushStyle::bsSolid);
            c->Brush()->SetColor(FSD && FSD->SkinColors() ? FSD->SkinColors()->cBtnFace() : clBtnFace);
            DrawDottedFocusFrame(c, whole);
            c->Brush()->SetStyle(TBrushStyle::bsClear);
        }
        DrawItemContent(c, shown, text, w, h, std::string());
    }
    if (Look == TItemLook::Plain && focused)
        DrawDottedFocusFrame(c, whole);
    C->Draw(R.left, R.top, bitmap.get());
}

void TskSkinCustomComboBox::DrawToolButton(TCanvas* C, bool Skinned, const std::string& Text)
{
    const int w = GetWidth(), h = GetHeight();
    const bool hot = FMouseIn || Focused();
    const TskToolButtonParts parts = ToolButtonParts(w, h, FDropDown);
    const TskDataSkinButtonControl* d = nullptr;
    if (!Skinned) {
        DrawDefaultToolButtonFace(C, w, h, FDropDown, hot, DefaultFont());
    } else {
        d = FIndex == -1 ? nullptr
                         : DrawSkinToolButtonFace(C, FSD, w, h, FDropDown, hot, GetEnabled(), DefaultFont(),
                                                  FUseSkinFont);
        if (!d)
            return;
    }
    CBItem.State = Focused() ? TOwnerDrawState() << odFocused : TOwnerDrawState();
    const int shown = FDropDown ? FOldItemIndex : GetItemIndex();
    if (FListBox && shown >= 0 && shown < Items()->Count())
        DrawItemContent(C, shown, parts.Text, w, h, Text);
    DrawToolButtonGlyph(C, d, Picture, parts.Glyph, FDropDown, hot);
}

void TskSkinCustomComboBox::PaintSkinTo(TCanvas* C, int X, int Y, const std::string& AText)
{
    auto bitmap = NewBitmap(GetWidth(), GetHeight());
    LookupSkinData();
    const std::string saved = GetText();
    SetText(AText);
    LayoutParts();
    TCanvas* b = bitmap->Canvas();
    if (FToolButtonStyle) {
        DrawToolButton(b, FIndex != -1, AText);
    } else {
        DrawFrameImage(bitmap.get(), FIndex != -1, true);
        if (FIndex == -1) {
            b->Font()->Assign(DefaultFont());
        } else {
            b->Font()->SetStyle(FontStyle);
            b->Font()->SetColor(FontColor);
            b->Font()->SetHeight(FontHeight);
            b->Font()->SetName(FontName);
        }
        b->Brush()->SetStyle(TBrushStyle::bsClear);
        const std::vector<int> stops = FListBox ? FListBox->TabStops() : std::vector<int>();
        if (!stops.empty()) {
            SetBkMode(b->GetHandle(), TRANSPARENT);
            TabbedTextOut(b->GetHandle(), CBItem.R.left + 2,
                          CBItem.R.top + H(CBItem.R) / 2 - b->TextHeight(AText) / 2, AText.c_str(),
                          static_cast<int>(AText.size()), static_cast<int>(stops.size()), stops.data(), 0);
        } else {
            DrawClippedTextVCentered(b, AText, CBItem.R);
        }
    }
    C->Draw(X, Y, bitmap.get());
    SetText(saved);
}

void TskSkinCustomComboBox::PaintWithEditTo(HDC DC)
{
    PaintWindow(DC);
    if (!FEdit || !FEdit->HandleAllocated())
        return;
    const int state = SaveDC(DC);
    POINT origin{};
    SetViewportOrgEx(DC, 0, 0, &origin);
    SetViewportOrgEx(DC, origin.x + FEdit->GetLeft(), origin.y + FEdit->GetTop(), nullptr);
    IntersectClipRect(DC, 0, 0, FEdit->GetWidth(), FEdit->GetHeight());
    SendMessage(FEdit->GetHandle(), WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
    RestoreDC(DC, state);
}
