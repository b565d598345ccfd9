// How the combo box draws itself: the plain frame or the skin's, the drop-down button in its
// states and the shown item (images, tab stops, owner drawing).

#include "skin/input/skSkinComboBox.h"

#include "classlib/Bitmap.h"
#include "classlib/Frame3D.h"
#include "platform/gdi/Gdi.h"
#include "platform/win/Rect.h"
#include "skin/core/skDataSkinForm.h"
#include "skin/core/skDrawMarks.h"
#include "skin/core/skSkinImages.h"
#include "skin/core/skTextUtils.h"

#include <algorithm>

namespace {

int W(const RECT& r) { return r.right - r.left; }
int H(const RECT& r) { return r.bottom - r.top; }
bool HasArea(const RECT& r) { return W(r) > 0 && H(r) > 0; }

constexpr TColor kPressedFill = 0xB59385;
constexpr TColor kHotFill = 0xD2BDB6;
constexpr TColor kHotFrame = 0x800000;  // navy

std::unique_ptr<TBitmap> NewBitmap(int w, int h)
{
    auto b = std::make_unique<TBitmap>();
    b->SetPixelFormat(TPixelFormat::pf24bit);
    b->SetSize(std::max(w, 0), std::max(h, 0));
    return b;
}

} // namespace

void TskSkinCustomComboBox::CreateControlDefaultImage(TBitmap* B)
{
    LayoutParts();
    TCanvas* c = B->Canvas();
    RECT r{0, 0, GetWidth(), GetHeight()};
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(r);
    Frame3D(c, r, clBtnShadow, clBtnShadow, 1);
    InflateRect(&r, -1, -1);
    c->Brush()->SetColor(FDefaultColor);
    c->FillRect(r);
    RECT b = Button.R;
    const TColor frame = Button.Down || Button.MouseIn ? kHotFrame : clBtnShadow;
    Frame3D(c, b, frame, frame, 1);
    c->Brush()->SetColor(Button.Down ? kPressedFill : Button.MouseIn ? kHotFill : clBtnFace);
    c->FillRect(b);
    DrawTriangleArrow(c, Button.R, GetEnabled() ? clBlack : clBtnShadow, 4);
    if (!FEdit)
        DrawItemArea(c, CBItem.R, false);
}

void TskSkinCustomComboBox::CreateControlSkinImage(TBitmap* B)
{
    LayoutParts();
    const bool active =
        (HasArea(ActiveSkinRect) && FMouseIn) || Focused() || (FEdit && FEdit->Focused());
    if (HasArea(ActiveSkinRect) && active && Picture)
        BuildHorzBandImage(LTPt.x, W(ActiveSkinRect) - RTPt.x, B, Picture, ActiveSkinRect, GetWidth(), GetHeight(),
                           StretchEffect);
    else
        TskSkinCustomControl::CreateControlSkinImage(B);
    RECT state{};
    if (!GetEnabled() && HasArea(UnEnabledButtonRect))
        state = UnEnabledButtonRect;
    else if (Button.Down)
        state = DownButtonRect;
    else if (Button.MouseIn)
        state = ActiveButtonRect;
    if (HasArea(state) && Picture)
        B->Canvas()->CopyRect(Button.R, Picture->Canvas(), state);
    if (!FEdit)
        DrawItemArea(B->Canvas(), CBItem.R, true);
}

void TskSkinCustomComboBox::DrawItemArea(TCanvas* C, const RECT& R, bool Skin)
{
    const int w = W(R);
    if (w <= 0 || !FListBox)
        return;
    const bool focused = Focused();
    CBItem.State = focused ? TOwnerDrawState() << odFocused : TOwnerDrawState();
    int h = H(R);
    if (Skin)
        h = H(SItemRect) > 0 ? H(SItemRect) : H(FocusItemRect) > 0 ? H(FocusItemRect) : H(R);
    auto bitmap = NewBitmap(w, h);
    TCanvas* c = bitmap->Canvas();
    RECT text{2, 0, w - 2, h};
    if (!Skin) {
        c->Font()->Assign(Font());
        c->Brush()->SetColor(focused ? clHighlight : FDefaultColor);
        c->Font()->SetColor(focused ? clHighlightText : DefaultFont()->GetColor());
        c->FillRect(RECT{0, 0, w, h});
    } else {
        const bool hot = HasArea(ActiveItemRect) && HasArea(ActiveSkinRect) && FMouseIn;
        const RECT& source = focused ? FocusItemRect : hot ? ActiveItemRect : SItemRect;
        if (HasArea(source) && Picture)
            BuildHorzBandImage(ItemLeftOffset, ItemRightOffset, bitmap.get(), Picture, source, w, h,
                               focused ? FocusItemStretchEffect : ItemStretchEffect);
        else
            c->CopyRect(RECT{0, 0, w, h}, C, RECT{R.left, R.top, R.left + w, R.top + h});
        text = ItemTextRect;
        text.right += w - (HasArea(SItemRect) ? W(SItemRect) : W(ClRect));
        AssignSkinFont(c->Font(), DefaultFont(), FUseSkinFont, FSD, FontName, FontHeight, FontStyle);
        c->Font()->SetColor(focused ? FocusFontColor : hot ? ActiveFontColor : FontColor);
        if (!GetEnabled())
            c->Font()->SetColor(clGrayText);
    }
    c->Brush()->SetStyle(TBrushStyle::bsClear);
    const int shown = FDropDown ? FOldItemIndex : GetItemIndex();
    if (shown >= 0 && shown < Items()->Count()) {
        if (auto handler = OnComboBoxDrawItem) {
            handler(c, shown, w, h, text, CBItem.State);
        } else {
            if (Skin && focused && ShowFocus) {
                c->Brush()->SetStyle(TBrushStyle::bsSolid);
                c->Brush()->SetColor(FSD && FSD->SkinColors() ? FSD->SkinColors()->cBtnFace() : clBtnFace);
                DrawDottedFocusFrame(c, RECT{0, 0, w, h});
                c->Brush()->SetStyle(TBrushStyle::bsClear);
            }
            if (TCustomImageList* images = FListBox->GetImages()) {
                const int j = FListBox->GetImageIndex() >= 0 ? FListBox->GetImageIndex() : shown;
                if (j < images->Count())
                    images->Draw(c, text.left, text.top + H(text) / 2 - images->GetHeight() / 2, j, GetEnabled());
                text.left += images->GetWidth() + 2;
            }
            const std::string item = Items()->Get(shown);
            const std::vector<int> stops = FListBox->TabStops();
            if (!stops.empty()) {
                SetBkMode(c->GetHandle(), TRANSPARENT);
                TabbedTextOut(c->GetHandle(), text.left + 2, text.top + H(text) / 2 - c->TextHeight(item) / 2, item.c_str(),
                              static_cast<int>(item.size()), static_cast<int>(stops.size()), stops.data(), 0);
            } else {
                RECT clip = text;
                clip.left += 2;
                DrawClippedTextVCentered(c, item, clip);
            }
        }
    }
    if (!Skin && focused)
        DrawDottedFocusFrame(c, RECT{0, 0, w, h});
    C->Draw(R.left, R.top, bitmap.get());
}
