// The skinned push button: five skin images, morphing between normal and active, frame
// animation, glow layer, glyph and image-list face, default and cancel roles, groups and repeat.

#include "skin/form/skSkinCtrls.h"

#include "classlib/Bitmap.h"
#include "classlib/Forms.h"
#include "classlib/Frame3D.h"
#include "platform/win/Rect.h"
#include "platform/window/User.h"
#include "skin/core/skDrawMarks.h"
#include "skin/core/skSkinImages.h"
#include "skin/core/skUtils.h"
#include "skin/form/skSkinMessages.h"

TskSkinButton::TskSkinButton(TComponent* AOwner) : TskSkinCustomControl(AOwner)
{
    FLayerManager = std::make_unique<TskLayerManager>(nullptr);
    FSkinDataName = "button";
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
}

TskSkinButton::~TskSkinButton() = default;

bool TskSkinButton::IsFocused()
{
    return FCanFocused && HandleAllocated() && Focused();
}

bool TskSkinButton::MorphingOn() const
{
    return SkinEffectsOn() && Morphing;
}

bool TskSkinButton::AnimationPossible() const
{
    return FIndex != -1 && SkinEffectsOn() && !RectHasNoArea(AnimateSkinRect);
}

// --- properties ---

void TskSkinButton::SetDown(bool Value)
{
    ApplyDown(Value);
    ReleaseGroupSiblings(this);
}

void TskSkinButton::SetGroupIndex(int Value)
{
    FGroupIndex = Value;
    if (Value != 0)
        SetCanFocused(false);
}

void TskSkinButton::SetCanFocused(bool Value)
{
    FCanFocused = Value;
    SetTabStop(Value);
}

void TskSkinButton::SetDefault(bool Value)
{
    FDefault = Value;
    if (!HandleAllocated() || !FCanFocused)
        return;
    if (TCustomForm* form = GetParentForm(this))
        form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(form->GetActiveControl()));
}

void TskSkinButton::SetImageIndex(int Value)
{
    if (Value == FImageIndex)
        return;
    FImageIndex = Value;
    Invalidate();
}

void TskSkinButton::Notification(TComponent* AComponent, TOperation Operation)
{
    TskSkinCustomControl::Notification(AComponent, Operation);
    ButtonNotification(AComponent, Operation);
}

void TskSkinButton::CreateWnd()
{
    TskSkinCustomControl::CreateWnd();
    FActive = FDefault;
}

void TskSkinButton::RefreshButton()
{
    FMouseIn = false;
    FDown = false;
    if (MorphingOn())
        SetMorphDone(false);
    if (SkinEffectsOn())
        StopAnimation();
    Invalidate();
}

void TskSkinButton::ButtonClick()
{
    auto alive = AliveToken();
    if (FCanFocused)
        if (TCustomForm* form = GetParentForm(this))
            form->SetModalResult(FModalResult);
    if (*alive)
        FireClick(this, ComponentState().Contains(csDesigning));
}

// --- skin ---

void TskSkinButton::LookupSkinData()
{
    TskSkinCustomControl::LookupSkinData();
    if (FIndex == -1) {
        AnimateSkinRect = RECT{};
        return;
    }
    auto* d = Description<TskDataSkinButtonControl>();
    if (d == nullptr)
        return;
    if (!FUseSkinSize && d->MaskPictureIndex != -1)
        MaskPicture = nullptr;  // a free-size button gets no region
    ReadButtonDescription(*d);
    FocusedSkinRect = d->FocusedSkinRect;
    ShowFocus = d->ShowFocus;
    GlowLayerPictureIndex = d->GlowLayerPictureIndex;
    GlowLayerMaskPictureIndex = d->GlowLayerMaskPictureIndex;
    GlowLayerOffsetLeft = d->GlowLayerOffsetLeft;
    GlowLayerOffsetRight = d->GlowLayerOffsetRight;
    GlowLayerOffsetTop = d->GlowLayerOffsetTop;
    GlowLayerOffsetBottom = d->GlowLayerOffsetBottom;
    GlowLayerShowOffsetX = d->GlowLayerShowOffsetX;
    GlowLayerShowOffsetY = d->GlowLayerShowOffsetY;
    GlowLayerAlphaBlendValue = d->GlowLayerAlphaBlendValue;
}

void TskSkinButton::FitBoundsToSkin(int& W, int& H)
{
    if (FUseSkinSize || ResizeMode == 1) {
        TskSkinCustomControl::FitBoundsToSkin(W, H);
        return;
    }
    NewClRect = RECT{ClRect.left, ClRect.top, ClRect.right + W - WidthOfRect(SkinRect),
                     ClRect.bottom + H - HeightOfRect(SkinRect)};
}

void TskSkinButton::BeforeChangeSkinData()
{
    TskSkinCustomControl::BeforeChangeSkinData();
    if (FLayerManager->IsVisible)
        FLayerManager->Hide();
}

void TskSkinButton::ChangeSkinData()
{
    StopMorph();
    StopAnimation();
    SetMorphDone(false);
    TskSkinCustomControl::ChangeSkinData();
    if (MorphingOn() && FIndex != -1 && (IsFocused() || FMouseIn))
        SetMorphDone(true);
    if (FMouseIn && HandleAllocated())
        PostMessage(GetHandle(), SKM_SHOWGLOWLAYER, 0, 0);
}

// --- painting ---

void TskSkinButton::Paint()
{
    if (FWidth < 1 || FHeight < 1)
        return;
    LookupSkinData();
    if (FIndex == -1) {
        TskSkinCustomControl::Paint();
        return;
    }
    int w = FWidth, h = FHeight;
    FitBoundsToSkin(w, h);
    RECT normal = SkinRect, active = ActiveSkinRect;
    if (SkinEffectsOn())
        ApplyAnimationFrame(normal, active);
    const bool enabled = GetEnabled();
    if (MorphingOn() && MorphBetween() && enabled) {
        PaintMorphedImages(Canvas(), FWidth, FHeight, normal, active);
        return;
    }
    const bool focused = IsFocused();
    RECT r = normal;
    bool down = false, in = false;
    if (!enabled && !RectHasNoArea(DisabledSkinRect)) {
        r = DisabledSkinRect;
    } else if (FDown && (FGroupIndex != 0 || FMouseIn || (focused && !FMouseDown))) {
        r = DownSkinRect;
        down = in = true;
    } else if (focused && !RectHasNoArea(FocusedSkinRect) && !AnimationRunning()) {
        r = FocusedSkinRect;
        in = true;
    } else if (focused || FMouseIn || (MorphingOn() && FMorphSteps == 5)) {
        r = active;
        in = true;
    }
    PaintButtonImage(Canvas(), FWidth, FHeight, r, down, in);
}

void TskSkinButton::CreateButtonImage(TBitmap* B, const RECT& R, bool ADown, bool AMouseIn)
{
    const RECT face = ComposeButtonBackground(*this, B, R);
    TCanvas* c = B->Canvas();
    AssignSkinFont(c->Font(), FDefaultFont.get(), FUseSkinFont, FSD, FontName, FontHeight, FontStyle);
    const bool enabled = GetEnabled();
    c->Font()->SetColor(SkinFontColor(enabled, ADown, AMouseIn, FDefaultFont.get()));
    if (ShowFocus && HandleAllocated() && Focused())
        DrawDottedFocusFrame(c, face);
    bool drawDefault = true;
    if (const TskButtonPaintEvent paint = OnPaint)
        paint(this, c, face, ADown, AMouseIn, drawDefault);
    if (!drawDefault)
        return;
    const bool pressed = ADown && AMouseIn;
    DrawFace(c, face, GetCaption(), pressed, pressed, enabled, GlyphNumber(ADown, AMouseIn, enabled));
}

void TskSkinButton::CreateControlDefaultImage(TBitmap* B)
{
    TCanvas* c = B->Canvas();
    const RECT r = GetClientRect();
    const bool downLook = FDown && (FGroupIndex != 0 || FMouseIn || (IsFocused() && !FMouseDown));
    DrawDefaultBack(c, r, downLook, FMouseIn || IsFocused(), true);
    AssignSkinFont(c->Font(), FDefaultFont.get(), false, FSD, {}, 0, {});
    const bool enabled = GetEnabled();
    if (!enabled)
        c->Font()->SetColor(clBtnShadow);
    bool drawDefault = true;
    if (const TskButtonPaintEvent paint = OnPaint)
        paint(this, c, r, FDown, FMouseIn, drawDefault);
    if (drawDefault)
        DrawFace(c, r, GetCaption(), FDown && FMouseIn, downLook, enabled, GlyphNumber(FDown, FMouseIn, enabled));
}

// --- glow ---

bool TskSkinButton::GlowAllowed() const
{
    return FSD != nullptr && !FSD->Empty && IsWin2000OrLater() &&
           (FSD->ShowButtonGlowFrames() || FAlwaysShowGlowFrame) && GlowLayerPictureIndex != -1;
}

bool TskSkinButton::GlowImages(TBitmap& Image, TBitmap& Mask)
{
    TBitmap* pic = SkinPicture(FSD, GlowLayerPictureIndex);
    TBitmap* mask = SkinPicture(FSD, GlowLayerMaskPictureIndex);
    if (pic == nullptr || mask == nullptr)
        return false;
    const int dW = FWidth - WidthOfRect(SkinRect), dH = FHeight - HeightOfRect(SkinRect);
    const int pw = pic->GetWidth(), ph = pic->GetHeight();
    const RECT whole{0, 0, pw, ph};
    switch (ResizeMode) {
    case 0:
        Image.Assign(pic);
        Mask.Assign(mask);
        return true;
    case 2:
        if (!FUseSkinSize)
            return false;
        BuildHorzBandImage(GlowLayerOffsetLeft, GlowLayerOffsetRight, &Image, pic, whole, pw + dW, ph, true);
        BuildHorzBandImage(GlowLayerOffsetLeft, GlowLayerOffsetRight, &Mask, mask, whole, pw + dW, ph, true);
        return true;
    case 1: {
        const RECT client{GlowLayerOffsetLeft, GlowLayerOffsetTop, pw - GlowLayerOffsetRight,
                          ph - GlowLayerOffsetBottom};
        Image.SetSize(pw + dW, ph + dH);
        Mask.SetSize(pw + dW, ph + dH);
        ComposeNineSliceFromClientRect(&Image, pic, whole, client, true);
        ComposeNineSliceFromClientRect(&Mask, mask, whole, client, true);
        return true;
    }
    default:
        return false;
    }
}

void TskSkinButton::ShowLayer()
{
    // Only around a button the screen shows: a default button keeps its highlight while its
    // form is hidden, and a skin change asks for its glow then.
    if (!GlowAllowed() || !HandleAllocated() || !IsWindowVisible(GetHandle()))
        return;
    TCustomForm* form = GetParentForm(this);
    FLayerManager->TopMostMode = form != nullptr && form->GetFormStyle() == TFormStyle::fsStayOnTop;
    TBitmap image, mask;
    if (!GlowImages(image, mask))
        return;
    const POINT p = ClientToScreen(POINT{0, 0});
    FLayerManager->Show(p.x - GlowLayerShowOffsetX, p.y - GlowLayerShowOffsetY, &image, &mask,
                        GlowLayerAlphaBlendValue);
}

void TskSkinButton::HideLayer()
{
    if (FLayerManager->IsVisible)
        FLayerManager->Hide();
}

// --- mouse, keys, focus ---

void TskSkinButton::MouseEnter()
{
    FMouseIn = true;
    const bool focused = IsFocused();
    if ((FGroupIndex != 0 && !FDown) || (FGroupIndex == 0 && (!focused || FDown))) {
        if (FDown) {
            if (MorphingOn())
                SetMorphDone(true);
            Invalidate();
        } else {
            StartAnimation(true, AnimationPossible(), [this] { Invalidate(); });
            MorphOrRepaint();
        }
    }
    if (FDown && FRepeatMode && FGroupIndex == 0)
        StartRepeat([this] { ButtonClick(); });
    PostMessage(GetHandle(), SKM_SHOWGLOWLAYER, 0, 0);
}

void TskSkinButton::MouseLeave()
{
    // The default button keeps its highlight while the focus is on a control that is no button.
    if (!(FCanFocused && FDefault && FActive && !Focused()))
        FMouseIn = false;
    const bool focused = IsFocused();
    if ((FGroupIndex != 0 && !FDown) || (FGroupIndex == 0 && (!focused || FDown))) {
        StartAnimation(false, AnimationPossible(), [this] { Invalidate(); });
        MorphOrRepaint();
    }
    if (FDown && FRepeatMode && FGroupIndex == 0)
        StopRepeat();
    PostMessage(GetHandle(), SKM_HIDEGLOWLAYER, 0, 0);
}

void TskSkinButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    auto alive = AliveToken();
    TskSkinCustomControl::MouseDown(Button, Shift, X, Y);
    if (*alive && Button == TMouseButton::mbLeft)
        PressLeft();
}

void TskSkinButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    auto alive = AliveToken();
    if (Button == TMouseButton::mbLeft) {
        const RECT r = GetClientRect();
        ReleaseLeft(PtInRect(&r, POINT{X, Y}) != FALSE);
    }
    if (*alive && HandleAllocated() && GetVisible())
        TskSkinCustomControl::MouseUp(Button, Shift, X, Y);
}

void TskSkinButton::KeyDown(WORD& Key, TShiftState Shift)
{
    if (FCanFocused && Key == VK_SPACE) {
        StopAnimation();
        SetDown(true);
        if (FRepeatMode)
            ButtonClick();
    } else if (FCanFocused && Key == VK_RETURN) {
        ButtonClick();
        return;
    }
    TskSkinCustomControl::KeyDown(Key, Shift);
}

void TskSkinButton::KeyUp(WORD& Key, TShiftState Shift)
{
    if (FCanFocused && Key == VK_SPACE && FDown) {
        SetDown(false);
        ButtonClick();
        return;
    }
    TskSkinCustomControl::KeyUp(Key, Shift);
}

void TskSkinButton::FocusChanged(TWinControl* NewFocus)
{
    auto* button = dynamic_cast<TskSkinButton*>(NewFocus);
    FActive = button != nullptr ? button == this : FDefault;
    if (!FCanFocused || !FDefault)
        return;
    if (button != nullptr && button != this && FMouseIn) {
        FMouseIn = false;
        MorphOrRepaint();
    } else if (button == nullptr && !FMouseIn) {
        if (MorphingOn())
            SetMorphDone(true);
        FMouseIn = true;
        MorphOrRepaint();
    }
}

void TskSkinButton::Dispatch(TMessage& Message)
{
    const bool designing = ComponentState().Contains(csDesigning);
    switch (Message.Msg) {
    case WM_ERASEBKGND:
        // Outside its own paint cycle the button paints itself into the given context.
        if (!FromWMPaint && Message.WParam != 0)
            PaintWindow(reinterpret_cast<HDC>(Message.WParam));
        Message.Result = 1;
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        // A press first takes the focus; it is dropped when the focus did not come.
        if (FCanFocused && !TakeFocusOnPress(this, FClicksDisabled))
            return;
        TskSkinCustomControl::Dispatch(Message);
        return;
    case WM_SETFOCUS:
        TskSkinCustomControl::Dispatch(Message);
        StartAnimation(true, AnimationPossible(), [this] { Invalidate(); });
        MorphOrRepaint();
        return;
    case WM_KILLFOCUS:
        TskSkinCustomControl::Dispatch(Message);
        StopRepeat();
        if (FGroupIndex == 0 && FDown)
            FDown = false;
        if (FCanFocused) {
            StartAnimation(false, AnimationPossible(), [this] { Invalidate(); });
            MorphOrRepaint();
        }
        return;
    case SKM_SHOWGLOWLAYER:
        ShowLayer();
        return;
    case SKM_HIDEGLOWLAYER:
        HideLayer();
        return;
    case CM_DIALOGKEY: {
        const bool enter = Message.WParam == VK_RETURN && FActive && GetEnabled();
        const bool escape = Message.WParam == VK_ESCAPE && FCancel && FCanFocused &&
                            KeyDataToShiftState(Message.LParam).Empty() && CanFocus();
        if (FCanFocused && (enter || escape)) {
            Message.Result = 1;
            ButtonClick();
            return;
        }
        break;
    }
    case CM_DIALOGCHAR:
        if (FCanFocused && IsAccel(static_cast<char32_t>(Message.WParam), GetCaption()) && CanFocus()) {
            Message.Result = 1;
            SetFocus();
            ButtonClick();
            return;
        }
        break;
    case CM_FOCUSCHANGED:
        FocusChanged(reinterpret_cast<TWinControl*>(Message.LParam));
        break;
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
    case CM_MOUSEENTER:
        TskSkinCustomControl::Dispatch(Message);
        if (!designing)
            MouseEnter();
        return;
    case CM_MOUSELEAVE:
        TskSkinCustomControl::Dispatch(Message);
        if (!designing)
            MouseLeave();
        return;
    default:
        break;
    }
    TskSkinCustomControl::Dispatch(Message);
}
