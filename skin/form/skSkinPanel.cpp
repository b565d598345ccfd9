// The skinned panel, the paint panel and the group box: skin frame and background, background
// pictures, caption band with check box, image and roll-up marker, transparent group frames.

#include "skin/form/skSkinCtrls.h"

#include "classlib/Bitmap.h"
#include "classlib/Frame3D.h"
#include "platform/win/Rect.h"
#include "platform/window/User.h"
#include "skin/core/skDrawMarks.h"
#include "skin/core/skParentBackground.h"
#include "skin/core/skSkinImages.h"
#include "skin/core/skTextUtils.h"
#include "skin/core/skUtils.h"
#include "skin/form/skSkinMessages.h"

#include <algorithm>

TskSkinPanel::TskSkinPanel(TComponent* AOwner) : TskSkinCustomControl(AOwner), FGlyph(std::make_unique<TBitmap>())
{
    FControlStyle = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks, csSetCaption,
                                  csOpaque};
    FSkinDataName = "panel";
    FForceBackground = true;
    SetBounds(0, 0, 150, 150);
}

TskSkinPanel::~TskSkinPanel() = default;

// --- properties ---

void TskSkinPanel::SetRibbonStyle(bool Value)
{
    if (Value == FRibbonStyle)
        return;
    FRibbonStyle = Value;
    Invalidate();
}

void TskSkinPanel::SetImagePosition(TskImagePosition Value)
{
    if (Value == FImagePosition)
        return;
    FImagePosition = Value;
    Invalidate();
}

void TskSkinPanel::SetTransparentMode(bool Value)
{
    if (Value == FTransparentMode)
        return;
    FTransparentMode = Value;
    Invalidate();
    if (!ComponentState().Contains(csDesigning) && !ComponentState().Contains(csLoading))
        NotifyChildrenBGChanged();
}

void TskSkinPanel::SetCaptionImageList(TCustomImageList* Value)
{
    FCaptionImageList = Value;
    if (Value != nullptr)
        Value->FreeNotification(this);
}

void TskSkinPanel::SetCaptionImageIndex(int Value)
{
    if (Value == FCaptionImageIndex)
        return;
    FCaptionImageIndex = Value;
    Invalidate();
}

void TskSkinPanel::SetCheckedMode(bool Value)
{
    FCheckedMode = Value;
    Invalidate();
}

void TskSkinPanel::SetChecked(bool Value)
{
    FChecked = Value;
    if (FCheckedMode)
        Invalidate();
    if (FAutoEnabledControls && FCheckedMode)
        for (int i = 0; i < ControlCount(); ++i)
            Controls(i)->SetEnabled(Value);
    if (const TNotifyEvent checked = OnChecked)
        checked(this);
}

void TskSkinPanel::SetDefaultAlignment(TAlignment Value)
{
    FDefaultAlignment = Value;
    if (FIndex == -1 && FCaptionMode)
        Invalidate();
}

void TskSkinPanel::SetDefaultCaptionHeight(int Value)
{
    FDefaultCaptionHeight = Value;
    if (FIndex == -1 && FCaptionMode) {
        Invalidate();
        Realign();
    }
}

void TskSkinPanel::SetBorderStyle(TskSkinBorderStyle Value)
{
    FBorderStyle = Value;
    if (FIndex == -1) {
        Invalidate();
        Realign();
    }
}

void TskSkinPanel::SetCaptionMode(bool Value)
{
    FCaptionMode = Value;
    Invalidate();
    Realign();
}

void TskSkinPanel::SetRollUpMode(bool Value)
{
    FRollUpMode = Value;
    if (FIndex == -1 && FCaptionMode)
        Invalidate();
}

void TskSkinPanel::SetGlyph(TBitmap* Value)
{
    FGlyph->Assign(Value);
    Invalidate();
}

void TskSkinPanel::SetNumGlyphs(int Value)
{
    FNumGlyphs = Value;
    Invalidate();
}

void TskSkinPanel::SetSpacing(int Value)
{
    FSpacing = Value;
    Invalidate();
}

void TskSkinPanel::Notification(TComponent* AComponent, TOperation Operation)
{
    TskSkinCustomControl::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FCaptionImageList)
        FCaptionImageList = nullptr;
}

void TskSkinPanel::CreateParams(TCreateParams& Params)
{
    TskSkinCustomControl::CreateParams(Params);
    Params.ClassStyle &= ~static_cast<UINT>(CS_HREDRAW | CS_VREDRAW);
}

// --- roll-up ---

void TskSkinPanel::SetRollUpState(bool Value)
{
    if (Value == FRollUpState)
        return;
    TSizeConstraints* c = Constraints();
    if (!FRollUpMode) {
        c->SetMaxWidth(FCMaxWidth);
        c->SetMinWidth(FCMinWidth);
        c->SetMaxHeight(FCMaxHeight);
        c->SetMinHeight(FCMinHeight);
        FRollUpState = false;
        return;
    }
    FCMaxWidth = c->GetMaxWidth();
    FCMinWidth = c->GetMinWidth();
    FCMaxHeight = c->GetMaxHeight();
    FCMinHeight = c->GetMinHeight();
    c->SetMaxWidth(0);
    c->SetMinWidth(0);
    c->SetMaxHeight(0);
    c->SetMinHeight(0);
    FRollUpState = Value;
    DoRollUp(Value);
    if (const TNotifyEvent changed = OnChangeRollUpState)
        changed(this);
}

namespace {

// The height of a rolled-up panel: the caption band only.
int RolledHeight(TskSkinPanel& P, int FIndex, int DefaultCaptionHeight, const RECT& NewClRect)
{
    return FIndex == -1 ? DefaultCaptionHeight + 1 : P.GetHeight() - (NewClRect.bottom - NewClRect.top);
}

} // namespace

void TskSkinPanel::DoRollUp(bool ARollUp)
{
    FInChangingRollUp = true;
    LookupSkinData();
    int w = FWidth, h = FHeight;
    FitBoundsToSkin(w, h);
    if (ARollUp && FRealHeight == -1) {
        FRealHeight = FHeight;
        DisableAlign();
        FRolledChildren.clear();
        for (int i = 0; i < ControlCount(); ++i)
            if (Controls(i)->GetVisible())
                FRolledChildren.emplace_back(Controls(i), Controls(i)->AliveToken());
        for (auto& [child, alive] : FRolledChildren)
            child->SetVisible(false);
        SetHeight(RolledHeight(*this, FIndex, FDefaultCaptionHeight, NewClRect));
    } else if (!ARollUp && FRealHeight != -1) {
        SetHeight(FRealHeight);
        FRealHeight = -1;
        // Only the children that were visible before the roll-up come back.
        for (auto& [child, alive] : FRolledChildren)
            if (*alive && ContainsControl(child))
                child->SetVisible(true);
        FRolledChildren.clear();
        EnableAlign();
    }
    FInChangingRollUp = false;
}

void TskSkinPanel::ChangeSkinData()
{
    TskSkinCustomControl::ChangeSkinData();
    if (FRollUpState && FRealHeight != -1) {
        // Rolled up: the caption band of the new skin.
        int w = FWidth, h = FHeight;
        FitBoundsToSkin(w, h);
        SetHeight(RolledHeight(*this, FIndex, FDefaultCaptionHeight, NewClRect));
    } else {
        Realign();
    }
}

// --- skin and geometry ---

void TskSkinPanel::LookupSkinData()
{
    TskSkinCustomControl::LookupSkinData();
    BGPictureIndex = -1;
    if (auto* d = Description<TskDataSkinPanelControl>()) {
        CaptionRect = d->CaptionRect;
        Alignment = d->Alignment;
        FontName = d->FontName;
        FontColor = d->FontColor;
        FontStyle = d->FontStyle;
        FontHeight = d->FontHeight;
        BGPictureIndex = d->BGPictureIndex;
        CheckImageRect = d->CheckImageRect;
        UnCheckImageRect = d->UnCheckImageRect;
        MarkFrameRect = d->MarkFrameRect;
        FrameRect = d->FrameRect;
        FrameTextRect = d->FrameTextRect;
        FrameLeftOffset = d->FrameLeftOffset;
        FrameRightOffset = d->FrameRightOffset;
    }
}

void TskSkinPanel::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TskSkinCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (FIndex == -1)
        Invalidate();
}

void TskSkinPanel::AdjustClientRect(RECT& Rect)
{
    TskSkinCustomControl::AdjustClientRect(Rect);
    LookupSkinData();
    if (FIndex == -1 || ComponentState().Contains(csDesigning)) {
        if (FBorderStyle != bvNone)
            InflateRect(&Rect, -1, -1);
        if (FCaptionMode) {
            if (FRibbonStyle)
                Rect.bottom -= FDefaultCaptionHeight;
            else
                Rect.top += FDefaultCaptionHeight;
        }
        return;
    }
    if (BGPictureIndex != -1 || (FBorderStyle == bvNone && !FCaptionMode && ResizeMode == 1))
        return;
    int w = FWidth, h = FHeight;
    FitBoundsToSkin(w, h);
    Rect = NewClRect;
}

RECT TskSkinPanel::GetSkinClientRect()
{
    RECT r{0, 0, FWidth, FHeight};
    AdjustClientRect(r);
    return r;
}

// --- painting ---

bool TskSkinPanel::SkinTiledWhole() const
{
    return FBorderStyle == bvNone && ResizeMode == 1 && !FCaptionMode;
}

bool TskSkinPanel::ClientTile(TBitmap& Tile) const
{
    const int w = WidthOfRect(ClRect), h = HeightOfRect(ClRect);
    if (Picture == nullptr || w <= 0 || h <= 0)
        return false;
    Tile.SetSize(w, h);
    Tile.Canvas()->CopyRect(RECT{0, 0, w, h}, Picture->Canvas(),
                            RECT{SkinRect.left + ClRect.left, SkinRect.top + ClRect.top, SkinRect.left + ClRect.right,
                                 SkinRect.top + ClRect.bottom});
    return true;
}

void TskSkinPanel::CoverWithTile(TCanvas* C, TBitmap* Tile, const RECT& FullRect, int W, int H) const
{
    const int tw = Tile->GetWidth(), th = Tile->GetHeight();
    if (tw <= 0 || th <= 0)
        return;
    if (StretchEffect && StretchType == skstFull) {
        C->StretchDraw(FullRect, Tile);
        return;
    }
    if (StretchEffect) {
        const bool horz = StretchType == skstHorz;
        TBitmap band;
        band.SetSize(horz ? tw : W, horz ? H : th);
        band.Canvas()->StretchDraw(RECT{0, 0, band.GetWidth(), band.GetHeight()}, Tile);
        for (int i = 0; i <= (horz ? W / tw : H / th); ++i)
            C->Draw(horz ? i * tw : 0, horz ? 0 : i * th, &band);
        return;
    }
    for (int i = 0; i <= W / tw; ++i)
        for (int j = 0; j <= H / th; ++j)
            C->Draw(i * tw, j * th, Tile);
}

void TskSkinPanel::Paint()
{
    if (FWidth < 1 || FHeight < 1)
        return;
    LookupSkinData();
    int w = FWidth, h = FHeight;
    FitBoundsToSkin(w, h);
    const bool described = FIndex != -1;
    if (FTransparentMode && described) {
        PaintTransparent(FCaptionMode);
        return;
    }
    if (!described || (!FForceBackground && StretchEffect)) {
        TskSkinCustomControl::Paint();
        return;
    }
    TBitmap tile;
    if (SkinTiledWhole() && FForceBackground) {
        if (ClientTile(tile))
            CoverWithTile(Canvas(), &tile, RECT{0, 0, FWidth, FHeight}, FWidth, FHeight);
        return;
    }
    TBitmap* background = SkinPicture(FSD, BGPictureIndex);
    if (background == nullptr) {
        TskSkinCustomControl::Paint();
        return;
    }
    // A whole-panel picture: no frame and no caption.
    CoverWithTile(Canvas(), background, NewClRect, FWidth, FHeight);
}

void TskSkinPanel::CreateControlSkinImage(TBitmap* B)
{
    if (SkinTiledWhole() && !StretchEffect) {
        TBitmap tile;
        if (ClientTile(tile))
            CoverWithTile(B->Canvas(), &tile, RECT{0, 0, B->GetWidth(), B->GetHeight()}, B->GetWidth(),
                          B->GetHeight());
        return;
    }
    TskSkinCustomControl::CreateControlSkinImage(B);
    if (ResizeMode < 1)
        NewCaptionRect = CaptionRect;
    else if (!FTransparentMode)
        NewCaptionRect = MapSkinRectToSize(CaptionRect);
    if (!GetCaption().empty() && !RectHasNoArea(CaptionRect))
        DrawSkinCaption(B->Canvas());
}

bool TskSkinPanel::CaptionImageSize(int& W, int& H) const
{
    if (FGlyph->Empty() && FCaptionImageList != nullptr && FCaptionImageIndex >= 0 &&
        FCaptionImageIndex < FCaptionImageList->Count()) {
        W = FCaptionImageList->GetWidth();
        H = FCaptionImageList->GetHeight();
        return true;
    }
    if (FGlyph->Empty())
        return false;
    W = FGlyph->GetWidth() / std::max(1, FNumGlyphs);
    H = FGlyph->GetHeight();
    return true;
}

void TskSkinPanel::DrawCaptionImage(TCanvas* C, int X, int Y)
{
    if (FGlyph->Empty() && FCaptionImageList != nullptr && FCaptionImageIndex >= 0 &&
        FCaptionImageIndex < FCaptionImageList->Count())
        FCaptionImageList->Draw(C, X, Y, FCaptionImageIndex, GetEnabled());
    else if (!FGlyph->Empty())
        DrawGlyphFromStrip(C, X, Y, FGlyph.get(), FNumGlyphs, !GetEnabled() && FNumGlyphs == 2 ? 2 : 1);
}

void TskSkinPanel::DrawCheckImage(TCanvas* C, int X, int Y)
{
    const RECT r = FChecked ? CheckImageRect : UnCheckImageRect;
    if (Picture == nullptr || RectHasNoArea(r))
        return;
    TBitmap mark;
    mark.SetSize(WidthOfRect(r), HeightOfRect(r));
    mark.Canvas()->CopyRect(RECT{0, 0, WidthOfRect(r), HeightOfRect(r)}, Picture->Canvas(), r);
    mark.SetTransparent(true);
    C->Draw(X, Y, &mark);
}

void TskSkinPanel::DrawSkinCaption(TCanvas* C)
{
    RECT R = NewCaptionRect;
    if (FRollUpMode)
        R.right -= 12;
    if (FCheckedMode) {
        DrawCheckImage(C, R.left, R.top + HeightOfRect(R) / 2 - HeightOfRect(CheckImageRect) / 2);
        R.left += WidthOfRect(CheckImageRect) + 2;
    }
    AssignSkinFont(C->Font(), FDefaultFont.get(), FUseSkinFont, FSD, FontName, FontHeight, FontStyle);
    C->Font()->SetColor(FontColor);
    C->Brush()->SetStyle(TBrushStyle::bsClear);
    const std::string caption = GetCaption();
    const int textW = C->TextWidth(caption);
    int w = textW;
    if (!FGlyph->Empty())
        w += FGlyph->GetWidth() / std::max(1, FNumGlyphs) + FSpacing;
    const int ty = R.top + HeightOfRect(R) / 2 - C->TextHeight(caption) / 2;
    int tx = R.left;
    if (Alignment == TAlignment::taRightJustify)
        tx = R.right - w;
    else if (Alignment == TAlignment::taCenter)
        tx = R.left + WidthOfRect(R) / 2 - w / 2;
    int iw = 0, ih = 0, ix = 0;
    const bool image = CaptionImageSize(iw, ih);
    const int iy = R.top + HeightOfRect(R) / 2 - ih / 2;
    if (image && FImagePosition == skipDefault) {
        ix = tx;
        tx = ix + iw + FSpacing;
    } else if (image) {
        ix = R.left + 2;
        tx = ix + iw + FSpacing;
        if (Alignment == TAlignment::taRightJustify)
            tx = R.right - textW;
        else if (Alignment == TAlignment::taCenter)
            tx = R.left + WidthOfRect(R) / 2 - textW / 2;
        tx = std::max(tx, ix + iw + FSpacing);
    }
    if (FRollUpMode) {
        const RECT m{R.right, R.top, R.right + 10, R.bottom};
        if (!RectHasNoArea(MarkFrameRect) && Picture != nullptr)
            C->CopyRect(RECT{m.left, m.top, m.left + WidthOfRect(MarkFrameRect), m.top + HeightOfRect(MarkFrameRect)},
                        Picture->Canvas(), MarkFrameRect);
        DrawTriangleArrow(C, m, FontColor, FRollUpState ? 4 : 3);
    }
    if (!RectHasNoArea(FrameRect) && Picture != nullptr) {
        const int c = WidthOfRect(FrameRect) - WidthOfRect(FrameTextRect);
        TBitmap band;
        BuildHorzBandImage(FrameLeftOffset, FrameRightOffset, &band, Picture, FrameRect, c + textW,
                           HeightOfRect(FrameRect), false);
        int bx = tx;
        switch (Alignment) {
        case TAlignment::taLeftJustify:
            tx += FrameTextRect.left;
            break;
        case TAlignment::taRightJustify:
            bx = tx - c;
            tx = bx + FrameTextRect.left;
            ix -= c;
            break;
        case TAlignment::taCenter:
            bx = tx - FrameTextRect.left - 2;
            ix -= FrameTextRect.left;
            tx -= 2;
            break;
        }
        C->Draw(bx, CaptionRect.top, &band);
        C->Brush()->SetStyle(TBrushStyle::bsClear);
    }
    C->TextRect(R, tx, ty, caption);
    if (image)
        DrawCaptionImage(C, ix, iy);
}

void TskSkinPanel::PaintTransparent(bool WithCaption)
{
    TBitmap b;
    b.SetSize(FWidth, FHeight);
    PaintParentUnderControl(this, b.Canvas());
    TCanvas* c = b.Canvas();
    c->Pen()->SetWidth(1);
    c->Pen()->SetColor(FSD->SkinColors()->cBtnShadow());
    c->Brush()->SetStyle(TBrushStyle::bsClear);
    if (!WithCaption) {
        if (FBorderStyle != bvNone)
            c->Rectangle(0, 0, FWidth, FHeight);
    } else {
        AssignSkinFont(c->Font(), FDefaultFont.get(), FUseSkinFont, FSD, FontName, FontHeight, FontStyle);
        const std::string caption = GetCaption();
        const int th = c->TextHeight(caption.empty() ? std::string("A") : caption);
        NewCaptionRect = RECT{5, 0, FWidth, th + 5};
        int x = 5;
        if (FCheckedMode) {
            DrawCheckImage(c, 5, (th + 5) / 2 - HeightOfRect(CheckImageRect) / 2);
            x = 5 + WidthOfRect(CheckImageRect) + 5;
        }
        int iw = 0, ih = 0;
        const bool image = CaptionImageSize(iw, ih);
        const int ix = x, iy = (th + 5) / 2 - ih / 2;
        if (image)
            x += iw + 2;
        const int label = FSD->GetControlIndex("stdlabel");
        auto* std = label < 0 ? nullptr
                              : dynamic_cast<TskDataSkinStdLabelControl*>(FSD->CtrlList[static_cast<size_t>(label)].get());
        c->Font()->SetColor(std != nullptr ? std->FontColor : FSD->SkinColors()->cBtnText());
        DrawTextVCentered(c, caption, RECT{x, 0, FWidth, th + 5});
        const int tw = MeasureWideTextWidth(c, caption);
        if (image)
            DrawCaptionImage(c, ix, iy);
        const int m = (th + 5) / 2;
        if (FRollUpMode) {
            DrawTriangleArrow(c, RECT{x + tw + 3, 0, x + tw + 10, th + 5}, c->Font()->GetColor(),
                              FRollUpState ? 4 : 3);
            c->MoveTo(x + tw + 12, m);
        } else {
            c->MoveTo(x + tw + 3, m);
        }
        c->LineTo(FWidth, m);
        c->MoveTo(0, m);
        c->LineTo(4, m);
        c->MoveTo(FWidth - 1, m);
        c->LineTo(FWidth - 1, FHeight - 1);
        c->LineTo(0, FHeight - 1);
        c->LineTo(0, m);
    }
    DoPanelPaint(c);
    Canvas()->Draw(0, 0, &b);
}

void TskSkinPanel::CreateControlDefaultImage(TBitmap* B)
{
    TskSkinCustomControl::CreateControlDefaultImage(B);
    TCanvas* c = B->Canvas();
    const int W = FWidth, H = FHeight, dch = FDefaultCaptionHeight;
    RECT R{0, 0, W, H};
    switch (FBorderStyle) {
    case bvFrame: Frame3D(c, R, clBtnShadow, clBtnShadow, 1); break;
    case bvRaised: Frame3D(c, R, clBtnHighlight, clBtnShadow, 1); break;
    case bvLowered: Frame3D(c, R, clBtnShadow, clBtnHighlight, 1); break;
    case bvNone: break;
    }
    if (!FCaptionMode)
        return;
    if (FBorderStyle == bvFrame) {
        R = FRibbonStyle ? RECT{0, H - dch, W, H} : RECT{0, 0, W, dch};
        Frame3D(c, R, clBtnShadow, clBtnShadow, 1);
        Frame3D(c, R, clBtnHighlight, clBtnFace, 1);
    } else {
        R = FRibbonStyle ? RECT{1, H - dch - 1, W - 1, H - 1} : RECT{1, 1, W - 1, dch};
        Frame3D(c, R, clBtnShadow, clBtnHighlight, 1);
        Frame3D(c, R, clBtnHighlight, clBtnShadow, 1);
    }
    if (FCheckedMode)
        R.left += 20;
    if (FRollUpMode)
        R.right -= 10;
    AssignSkinFont(c->Font(), FDefaultFont.get(), false, FSD, {}, 0, {});
    const std::string caption = GetCaption();
    int w = c->TextWidth(caption);
    if (!FGlyph->Empty())
        w += FGlyph->GetWidth() / std::max(1, FNumGlyphs) + FSpacing;
    const int ty = R.top + HeightOfRect(R) / 2 - c->TextHeight(caption) / 2;
    int tx = R.left + 2;
    if (FDefaultAlignment == TAlignment::taRightJustify)
        tx = R.right - w;
    else if (FDefaultAlignment == TAlignment::taCenter)
        tx = R.left + 2 + WidthOfRect(R) / 2 - w / 2;
    if (FCheckedMode) {
        const int top = R.top + HeightOfRect(R) / 2 - 7;
        c->Brush()->SetColor(clBtnShadow);
        c->FrameRect(RECT{5, top, 19, top + 14});
        if (FChecked)
            DrawTickMark(c, 9, top + 3, clBtnText);
    }
    int iw = 0, ih = 0;
    const bool image = CaptionImageSize(iw, ih);
    const int ix = tx;
    if (image)
        tx += iw + FSpacing;
    c->Brush()->SetStyle(TBrushStyle::bsClear);
    c->TextRect(R, tx, ty, caption);
    if (image)
        DrawCaptionImage(c, ix, R.top + HeightOfRect(R) / 2 - ih / 2);
    if (FRollUpMode)
        DrawTriangleArrow(c, RECT{R.right, R.top, R.right + 10, R.bottom}, clBtnText, FRollUpState ? 4 : 3);
}

void TskSkinPanel::PaintskinTo(TCanvas* C, int X, int Y)
{
    TBitmap b;
    b.SetSize(FWidth, FHeight);
    LookupSkinData();
    int w = FWidth, h = FHeight;
    FitBoundsToSkin(w, h);
    if (FIndex == -1)
        CreateControlDefaultImage(&b);
    else
        CreateControlSkinImage(&b);
    C->Draw(X, Y, &b);
}

// --- input and messages ---

void TskSkinPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if ((FRollUpMode || FCheckedMode) && FCaptionMode && Button == TMouseButton::mbLeft) {
        const RECT r = FIndex != -1 ? NewCaptionRect : RECT{1, 1, FWidth - 1, FDefaultCaptionHeight};
        // Edges count as inside.
        if (X >= r.left && X <= r.right && Y >= r.top && Y <= r.bottom) {
            auto alive = AliveToken();
            if (FCheckedMode)
                SetChecked(!FChecked);
            if (*alive && FRollUpMode)
                SetRollUpState(!FRollUpState);
            if (!*alive)
                return;
        }
    }
    TskSkinCustomControl::MouseUp(Button, Shift, X, Y);
}

void TskSkinPanel::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_MOVE:
        TskSkinCustomControl::Dispatch(Message);
        if (FTransparentMode) {
            Invalidate();
            NotifyChildrenBGChanged();
        }
        return;
    case SKM_PARENTBGCHANGED:
        if (FTransparentMode) {
            Invalidate();
            NotifyChildrenBGChanged();
        }
        return;
    case CM_ENABLEDCHANGED:
        TskSkinCustomControl::Dispatch(Message);
        Invalidate();
        return;
    case CM_TEXTCHANGED:
        TskSkinCustomControl::Dispatch(Message);
        if (FCaptionMode)
            Invalidate();
        return;
    default:
        TskSkinCustomControl::Dispatch(Message);
    }
}

// ---------------------------------------------------------------------------------------------

TskSkinPaintPanel::TskSkinPaintPanel(TComponent* AOwner) : TskSkinPanel(AOwner)
{
    FForceBackground = false;
}

void TskSkinPaintPanel::DoPanelPaint(TCanvas* Cnvs)
{
    if (const TskPaintPanelEvent paint = OnPanelPaint)
        paint(Cnvs, GetSkinClientRect());
}

void TskSkinPaintPanel::CreateControlDefaultImage(TBitmap* B)
{
    TskSkinPanel::CreateControlDefaultImage(B);
    DoPanelPaint(B->Canvas());
}

void TskSkinPaintPanel::CreateControlSkinImage(TBitmap* B)
{
    TskSkinPanel::CreateControlSkinImage(B);
    DoPanelPaint(B->Canvas());
}

void TskSkinPaintPanel::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_ERASEBKGND) {
        // Outside its own paint cycle the panel paints itself into the given context.
        if (!FromWMPaint && Message.WParam != 0)
            PaintWindow(reinterpret_cast<HDC>(Message.WParam));
        Message.Result = 1;
        return;
    }
    TskSkinPanel::Dispatch(Message);
}

// ---------------------------------------------------------------------------------------------

TskSkinGroupBox::TskSkinGroupBox(TComponent* AOwner) : TskSkinPanel(AOwner)
{
    FSkinDataName = "groupbox";
    SetCaptionMode(true);
}

void TskSkinGroupBox::LookupSkinData()
{
    TskSkinPanel::LookupSkinData();
    // A skin caption below the skin client area: no forced background.
    if (FIndex != -1 && CaptionRect.top > ClRect.bottom)
        FForceBackground = false;
}
