// The skinned check and radio box: flat and non-flat looks, grayed state, groups on one parent,
// image before the text, word wrap, focus frame and hover transition.

#include "skin/form/skSkinCtrls.h"

#include "classlib/Bitmap.h"
#include "classlib/Frame3D.h"
#include "platform/win/Rect.h"
#include "platform/window/User.h"
#include "skin/core/TskEffectBmp.h"
#include "skin/core/skDrawMarks.h"
#include "skin/core/skParentBackground.h"
#include "skin/core/skTextUtils.h"
#include "skin/core/skUtils.h"

#include <algorithm>

TskSkinCheckRadioBox::TskSkinCheckRadioBox(TComponent* AOwner) : TskSkinCustomControl(AOwner)
{
    FSkinDataName = "checkbox";
    SetBounds(0, 0, 150, 25);
    SetTabStop(false);
}

TskSkinCheckRadioBox::~TskSkinCheckRadioBox()
{
    if (FAction != nullptr)
        FAction->RemoveClient(this);
}

// --- properties ---

void TskSkinCheckRadioBox::FireClick()
{
    if (const TNotifyEvent click = OnClick)
        click(this);
}

void TskSkinCheckRadioBox::SetChecked(bool Value)
{
    auto alive = AliveToken();
    FChecked = Value;
    if (Value)
        FState = TCheckBoxState::cbChecked;
    else if (FState == TCheckBoxState::cbChecked)
        FState = TCheckBoxState::cbUnchecked;
    Invalidate();
    if (Value && FGroupIndex != 0 && GetParent() != nullptr) {
        // A snapshot: a sibling's OnClick may free another sibling.
        std::vector<std::pair<TskSkinCheckRadioBox*, std::shared_ptr<bool>>> others;
        for (int i = 0; i < GetParent()->ControlCount(); ++i)
            if (auto* b = dynamic_cast<TskSkinCheckRadioBox*>(GetParent()->Controls(i)))
                if (b != this && b->FGroupIndex == FGroupIndex && b->FChecked)
                    others.emplace_back(b, b->AliveToken());
        for (auto& [box, boxAlive] : others)
            if (*boxAlive)
                box->SetChecked(false);
    }
    if (*alive && (!FRadio || FChecked))
        FireClick();
}

void TskSkinCheckRadioBox::SetState(TCheckBoxState Value)
{
    FState = Value;
    FChecked = Value == TCheckBoxState::cbChecked;
    Invalidate();
    FireClick();
}

void TskSkinCheckRadioBox::SetRadio(bool Value)
{
    FRadio = Value;
    if (ComponentState().Contains(csDesigning) && !ComponentState().Contains(csLoading)) {
        FSkinDataName = Value ? "radiobox" : "checkbox";
        FGroupIndex = Value ? 1 : 0;
    }
    Invalidate();
}

void TskSkinCheckRadioBox::SetWordWrap(bool Value)
{
    if (Value == FWordWrap)
        return;
    FWordWrap = Value;
    if (FFlat)
        Invalidate();
}

void TskSkinCheckRadioBox::SetAllowGrayed(bool Value)
{
    FAllowGrayed = Value;
    Invalidate();
}

void TskSkinCheckRadioBox::SetImages(TCustomImageList* Value)
{
    FImages = Value;
    if (Value != nullptr)
        Value->FreeNotification(this);
    Invalidate();
}

void TskSkinCheckRadioBox::SetImageIndex(int Value)
{
    FImageIndex = Value;
    Invalidate();
}

void TskSkinCheckRadioBox::SetFlat(bool Value)
{
    FFlat = Value;
    Invalidate();
}

void TskSkinCheckRadioBox::SetCanFocused(bool Value)
{
    FCanFocused = Value;
    SetTabStop(Value);
}

void TskSkinCheckRadioBox::SetAction(TCustomAction* Value)
{
    if (FAction != nullptr)
        FAction->RemoveClient(this);
    FAction = Value;
    if (Value == nullptr)
        return;
    Value->AddClient(this);
    Value->FreeNotification(this);
    ActionChange(Value);
}

void TskSkinCheckRadioBox::ActionChange(TCustomAction* Sender)
{
    SetChecked(Sender->GetChecked());
}

void TskSkinCheckRadioBox::Notification(TComponent* AComponent, TOperation Operation)
{
    TskSkinCustomControl::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == FImages)
        FImages = nullptr;
    if (AComponent == FAction)
        FAction = nullptr;
}

void TskSkinCheckRadioBox::ToggleCheck()
{
    if (!FRadio)
        SetChecked(!FChecked);
    else if (!FChecked)
        SetChecked(true);
}

// --- skin ---

void TskSkinCheckRadioBox::LookupSkinData()
{
    TskSkinCustomControl::LookupSkinData();
    if (auto* d = Description<TskDataSkinCheckRadioControl>()) {
        auto orElse = [](const RECT& r, const RECT& fallback) { return RectHasNoArea(r) ? fallback : r; };
        FontName = d->FontName;
        FontColor = d->FontColor;
        ActiveFontColor = d->ActiveFontColor;
        FrameFontColor = d->FrameFontColor;
        UnEnabledFontColor = d->UnEnabledFontColor;
        FontStyle = d->FontStyle;
        FontHeight = d->FontHeight;
        ActiveSkinRect = orElse(d->ActiveSkinRect, d->SkinRect);
        CheckImageArea = d->CheckImageArea;
        TextArea = d->TextArea;
        CheckImageRect = d->CheckImageRect;
        UnCheckImageRect = d->UnCheckImageRect;
        ActiveCheckImageRect = orElse(d->ActiveCheckImageRect, d->CheckImageRect);
        ActiveUnCheckImageRect = orElse(d->ActiveUnCheckImageRect, d->UnCheckImageRect);
        UnEnabledCheckImageRect = orElse(d->UnEnabledCheckImageRect, d->CheckImageRect);
        UnEnabledUnCheckImageRect = orElse(d->UnEnabledUnCheckImageRect, d->UnCheckImageRect);
        Morphing = d->Morphing;
        MorphKind = d->MorphKind;
        GrayedCheckImageRect = d->GrayedCheckImageRect;
        ActiveGrayedCheckImageRect = d->ActiveGrayedCheckImageRect;
    }
    if (FFlat) {
        Morphing = false;
        MaskPicture = nullptr;
    }
}

void TskSkinCheckRadioBox::FitBoundsToSkin(int& W, int& H)
{
    if (FFlat)
        return;
    TskSkinCustomControl::FitBoundsToSkin(W, H);
    const int dw = W - WidthOfRect(SkinRect);
    NewTextArea = TextArea;
    NewTextArea.right += dw;
    RECT area = CheckImageArea;
    if (TextArea.right < CheckImageArea.right)
        OffsetRect(&area, dw, 0);
    const int mw = WidthOfRect(CheckImageRect), mh = HeightOfRect(CheckImageRect);
    CIRect.left = area.left + WidthOfRect(area) / 2 - mw / 2;
    CIRect.top = area.top + HeightOfRect(area) / 2 - mh / 2;
    CIRect.right = CIRect.left + mw;
    CIRect.bottom = CIRect.top + mh;
}

void TskSkinCheckRadioBox::ChangeSkinData()
{
    if (!FFlat) {
        TskSkinCustomControl::ChangeSkinData();
        return;
    }
    LookupSkinData();
    Invalidate();
}

void TskSkinCheckRadioBox::CheckParentBackground()
{
    if (FFlat)
        Invalidate();
}

// --- hover ---

bool TskSkinCheckRadioBox::TransitionsAllowed() const
{
    return Morphing && SkinEffectsOn();
}

bool TskSkinCheckRadioBox::ActiveLook()
{
    return FMouseIn || (FCanFocused && HandleAllocated() && Focused());
}

void TskSkinCheckRadioBox::HoverChanged()
{
    if (!TransitionsAllowed() || FIndex == -1) {
        Invalidate();
        return;
    }
    StartMorphTimer([this] {
        if (MorphTick(ActiveLook(), FIndex != -1 && TransitionsAllowed()))
            Invalidate();
    });
}

// --- painting ---

void TskSkinCheckRadioBox::DrawSkinMark(TCanvas* C, int X, int Y, TCheckBoxState State, bool Enabled)
{
    if (Picture == nullptr)
        return;
    const bool grayed = State == TCheckBoxState::cbGrayed;
    const bool checked = State == TCheckBoxState::cbChecked;
    RECT r;
    if (!Enabled)
        r = grayed || checked ? UnEnabledCheckImageRect : UnEnabledUnCheckImageRect;
    else if (FMouseIn)
        r = grayed || checked ? ActiveCheckImageRect : ActiveUnCheckImageRect;
    else
        r = grayed || checked ? CheckImageRect : UnCheckImageRect;
    bool brighten = false;
    if (grayed) {
        if (RectHasNoArea(GrayedCheckImageRect))
            brighten = true;
        else
            r = FMouseIn && !RectHasNoArea(ActiveGrayedCheckImageRect) ? ActiveGrayedCheckImageRect
                                                                     : GrayedCheckImageRect;
    }
    if (RectHasNoArea(r))
        return;
    TBitmap mark;
    mark.SetSize(WidthOfRect(r), HeightOfRect(r));
    mark.Canvas()->CopyRect(RECT{0, 0, WidthOfRect(r), HeightOfRect(r)}, Picture->Canvas(), r);
    if (brighten) {
        TskEffectBmp e(mark.GetHandle());
        e.ChangeBrightness(0.5);
        e.Draw(mark.Canvas()->GetHandle(), 0, 0);
    }
    mark.SetTransparent(true);
    C->Draw(X, Y, &mark);
}

void TskSkinCheckRadioBox::DrawDefaultMark(TCanvas* C, int H, TCheckBoxState State, bool Enabled)
{
    C->Brush()->SetColor(FMouseIn ? clNavy : clBtnShadow);
    C->FrameRect(RECT{3, H / 2 - 7, 17, H / 2 + 7});
    C->Pen()->SetColor(clBlack);
    if (State == TCheckBoxState::cbGrayed && !FRadio) {
        DrawTickMark(C, 7, H / 2 - 4, clGrayText);
    } else if (State == TCheckBoxState::cbChecked) {
        const TColor color = Enabled ? clBlack : clBtnShadow;
        if (FRadio)
            DrawSmallSquareMark(C, 7, H / 2 - 3, color);
        else
            DrawTickMark(C, 7, H / 2 - 4, color);
    }
}

void TskSkinCheckRadioBox::DrawFlat(TCanvas* C, TCheckBoxState State, bool Focus)
{
    const int H = FHeight;
    const bool skinned = FIndex != -1;
    const bool enabled = GetEnabled();
    const std::string caption = GetCaption();
    int offset = 22, imageAdvance = 5;
    if (skinned) {
        offset = WidthOfRect(CheckImageRect) + 7;
        imageAdvance = 8;
        DrawSkinMark(C, 3, H / 2 - HeightOfRect(CheckImageRect) / 2, State, enabled);
        AssignSkinFont(C->Font(), FDefaultFont.get(), FUseSkinFont, FSD, FontName, FontHeight, FontStyle);
        C->Font()->SetColor(!FUseSkinFontColor ? FDefaultFont->GetColor()
                            : enabled          ? FrameFontColor
                                               : UnEnabledFontColor);
    } else {
        DrawDefaultMark(C, H, State, enabled);
        AssignSkinFont(C->Font(), FDefaultFont.get(), false, FSD, {}, 0, {});
        if (!enabled)
            C->Font()->SetColor(clBtnShadow);
    }
    const bool imageShown = FImages != nullptr && FImageIndex >= 0 && FImageIndex < FImages->Count();
    RECT R{}, wrap{};
    if (FWordWrap) {
        R = GetClientRect();
        R.left = offset + (imageShown ? FImages->GetWidth() : 0);
        wrap = R;
        DrawWideStringText(C, caption, wrap, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
        OffsetRect(&wrap, 0, std::max(0, H / 2 - HeightOfRect(wrap) / 2) - wrap.top);
        R = GetClientRect();
    } else {
        R = RECT{0, 0, MeasureWideTextWidth(C, caption), MeasureWideTextHeight(C, caption)};
    }
    OffsetRect(&R, offset, H / 2 - HeightOfRect(R) / 2);
    R.right = std::min<LONG>(R.right, FWidth - 2);
    RECT image{};
    if (imageShown) {
        image = RECT{R.left, H / 2 - FImages->GetHeight() / 2, R.left + FImages->GetWidth(),
                     H / 2 - FImages->GetHeight() / 2 + FImages->GetHeight()};
        FImages->Draw(C, image.left, image.top, FImageIndex, enabled);
        OffsetRect(&R, FImages->GetWidth() + imageAdvance, 0);
    }
    C->Brush()->SetStyle(TBrushStyle::bsClear);
    if (FWordWrap)
        DrawWideStringText(C, caption, wrap, DT_WORDBREAK | DT_EXPANDTABS);
    else
        DrawWideStringText(C, caption, R, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    if (!Focus)
        return;
    InflateRect(&R, 2, 1);
    R.right += 1;
    C->Brush()->SetStyle(TBrushStyle::bsSolid);
    C->Brush()->SetColor(skinned ? FSD->SkinColors()->cBtnFace() : clBtnFace);
    RECT frame = R;
    if (caption.empty() && imageShown) {
        frame = image;
        InflateRect(&frame, 1, 1);
    } else if (FWordWrap) {
        frame = wrap;
        InflateRect(&frame, 2, 1);
    }
    DrawDottedFocusFrame(C, frame);
}

void TskSkinCheckRadioBox::CreateSkinImage(TBitmap* B, const RECT& ASkinRect, bool Active, TCheckBoxState State)
{
    ComposeControlImage(B, Picture, ASkinRect);
    TCanvas* c = B->Canvas();
    const bool enabled = GetEnabled();
    DrawSkinMark(c, CIRect.left, CIRect.top + HeightOfRect(CIRect) / 2 - HeightOfRect(CheckImageRect) / 2, State,
                 enabled);
    AssignSkinFont(c->Font(), FDefaultFont.get(), FUseSkinFont, FSD, FontName, FontHeight, FontStyle);
    c->Font()->SetColor(!enabled ? UnEnabledFontColor : Active ? ActiveFontColor : FontColor);
    c->Brush()->SetStyle(TBrushStyle::bsClear);
    DrawTextVCentered(c, GetCaption(), NewTextArea);
}

void TskSkinCheckRadioBox::CreateControlDefaultImage(TBitmap* B)
{
    TskSkinCustomControl::CreateControlDefaultImage(B);
    TCanvas* c = B->Canvas();
    if (ActiveLook()) {
        c->Brush()->SetColor(clBtnShadow);
        c->FrameRect(GetClientRect());
    }
    AssignSkinFont(c->Font(), FDefaultFont.get(), false, FSD, {}, 0, {});
    if (!GetEnabled())
        c->Font()->SetColor(clBtnShadow);
    c->Brush()->SetStyle(TBrushStyle::bsClear);
    RECT text{19, 0, FWidth, FHeight};
    DrawWideStringText(c, GetCaption(), text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    DrawDefaultMark(c, FHeight, FState, GetEnabled());
}

void TskSkinCheckRadioBox::Paint()
{
    if (FWidth < 1 || FHeight < 1)
        return;
    LookupSkinData();
    if (FFlat) {
        TBitmap b;
        b.SetSize(FWidth, FHeight);
        PaintParentUnderControl(this, b.Canvas());
        DrawFlat(b.Canvas(), FState, FCanFocused && HandleAllocated() && Focused());
        Canvas()->Draw(0, 0, &b);
        return;
    }
    if (FIndex == -1) {
        TskSkinCustomControl::Paint();
        return;
    }
    int w = FWidth, h = FHeight;
    FitBoundsToSkin(w, h);
    if (TransitionsAllowed() && MorphBetween()) {
        TBitmap from, to;
        from.SetSize(FWidth, FHeight);
        to.SetSize(FWidth, FHeight);
        CreateSkinImage(&from, SkinRect, false, FState);
        CreateSkinImage(&to, ActiveSkinRect, true, FState);
        DrawMorphed(Canvas()->GetHandle(), &from, &to);
        return;
    }
    const bool active = ActiveLook();
    TBitmap b;
    b.SetSize(FWidth, FHeight);
    CreateSkinImage(&b, active ? ActiveSkinRect : SkinRect, active, FState);
    Canvas()->Draw(0, 0, &b);
}

void TskSkinCheckRadioBox::PaintSkinTo(TCanvas* C, int X, int Y, bool AChecked)
{
    LookupSkinData();
    if (FWidth < 1 || FHeight < 1 || (!FFlat && FIndex == -1))
        return;
    const TCheckBoxState state = AChecked ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked;
    const bool mouseIn = FMouseIn;
    FMouseIn = false;
    TBitmap b;
    b.SetSize(FWidth, FHeight);
    if (FFlat) {
        PaintParentUnderControl(this, b.Canvas());
        DrawFlat(b.Canvas(), state, false);
    } else {
        int w = FWidth, h = FHeight;
        FitBoundsToSkin(w, h);
        CreateSkinImage(&b, SkinRect, false, state);
    }
    FMouseIn = mouseIn;
    C->Draw(X, Y, &b);
}

// --- input ---

void TskSkinCheckRadioBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (!FMouseIn) {
        FMouseIn = true;
        HoverChanged();
    }
    TskSkinCustomControl::MouseDown(Button, Shift, X, Y);
}

void TskSkinCheckRadioBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    auto alive = AliveToken();
    TskSkinCustomControl::MouseUp(Button, Shift, X, Y);
    const RECT r = GetClientRect();
    if (!*alive || Button != TMouseButton::mbLeft || !PtInRect(&r, POINT{X, Y}))
        return;
    if (FAllowGrayed && !FRadio && FState == TCheckBoxState::cbUnchecked) {
        FState = TCheckBoxState::cbGrayed;
        Invalidate();
        FireClick();
        return;
    }
    ToggleCheck();
}

void TskSkinCheckRadioBox::KeyUp(WORD& Key, TShiftState Shift)
{
    if (Key == VK_SPACE && FCanFocused && Focused()) {
        auto alive = AliveToken();
        ToggleCheck();
        if (!*alive)
            return;
    }
    TskSkinCustomControl::KeyUp(Key, Shift);
}

void TskSkinCheckRadioBox::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_ERASEBKGND:
        // A non-flat box paints itself into the given context outside its own paint cycle.
        if (!FFlat && !FromWMPaint && Message.WParam != 0)
            PaintWindow(reinterpret_cast<HDC>(Message.WParam));
        Message.Result = 1;
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (FCanFocused && !TakeFocusOnPress(this, FClicksDisabled))
            return;
        break;
    case CM_DIALOGCHAR:
        if (IsAccel(static_cast<char32_t>(Message.WParam), GetCaption()) && CanFocus() && FCanFocused) {
            SetFocus();
            Message.Result = 1;
            ToggleCheck();
            return;
        }
        break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        TskSkinCustomControl::Dispatch(Message);
        if (!ComponentState().Contains(csDesigning)) {
            FMouseIn = Message.Msg == CM_MOUSEENTER;
            HoverChanged();
        }
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        TskSkinCustomControl::Dispatch(Message);
        if (FCanFocused) {
            if (FFlat)
                Invalidate();
            else
                HoverChanged();
        }
        return;
    case CM_ENABLEDCHANGED:
        TskSkinCustomControl::Dispatch(Message);
        StopMorph();
        SetMorphDone(false);
        FMouseIn = false;
        Invalidate();
        return;
    case CM_TEXTCHANGED:
        TskSkinCustomControl::Dispatch(Message);
        Invalidate();
        return;
    case WM_MOVE:
        TskSkinCustomControl::Dispatch(Message);
        if (FFlat)
            Invalidate();
        return;
    default:
        break;
    }
    TskSkinCustomControl::Dispatch(Message);
}
