#include "skin/form/skSkinUpDown.h"

#include "classlib/Bitmap.h"
#include "platform/win/Rect.h"
#include "platform/window/User.h"
#include "skin/core/skDrawMarks.h"
#include "skin/core/skUtils.h"

namespace {

constexpr UINT_PTR kTimer = 1;
constexpr UINT kFirstDelay = 500;
constexpr UINT kRepeat = 100;
constexpr UINT kReturnRepeat = 50;

// Inside the rectangle, its right and bottom edges included.
bool Contains(const RECT& R, int X, int Y)
{
    return X >= R.left && X <= R.right && Y >= R.top && Y <= R.bottom;
}

} // namespace

TskSkinUpDown::TskSkinUpDown(TComponent* AOwner) : TskSkinCustomControl(AOwner)
{
    FControlStyle = TControlStyle{csCaptureMouse, csOpaque, csDoubleClicks};
    SetSkinDataName("hupdown");
    SetBounds(FLeft, FTop, 50, 25);
    Layout();
}

void TskSkinUpDown::SetUseSkinSize(bool Value)
{
    FUseSkinSize = Value;
    Layout();
    Invalidate();
}

void TskSkinUpDown::SetOrientation(TUDOrientation Value)
{
    FOrientation = Value;
    Layout();
    Invalidate();
}

void TskSkinUpDown::SetPosition(int Value)
{
    if (Value > FMax || Value < FMin)
        return;
    FPosition = Value;
    if (const TNotifyEvent e = OnChange)
        e(this);
}

void TskSkinUpDown::SetMin(int Value)
{
    FMin = Value;
    if (FPosition < FMin)
        FPosition = FMin;
}

void TskSkinUpDown::SetMax(int Value)
{
    FMax = Value;
    if (FPosition > FMax)
        FPosition = FMax;
}

void TskSkinUpDown::LookupSkinData()
{
    TskSkinCustomControl::LookupSkinData();
    if (const auto* d = Description<TskDataSkinUpDownControl>()) {
        UpButtonRect = d->UpButtonRect;
        ActiveUpButtonRect = d->ActiveUpButtonRect;
        DownUpButtonRect = RectHasNoArea(d->DownUpButtonRect) ? d->ActiveUpButtonRect : d->DownUpButtonRect;
        DownButtonRect = d->DownButtonRect;
        ActiveDownButtonRect = d->ActiveDownButtonRect;
        DownDownButtonRect = RectHasNoArea(d->DownDownButtonRect) ? d->ActiveDownButtonRect : d->DownDownButtonRect;
        // The buttons are the whole image: no corners, no client area.
        LTPt = RTPt = LBPt = RBPt = POINT{};
        ClRect = RECT{};
    }
    Layout();
}

void TskSkinUpDown::Layout()
{
    if (FIndex != -1 && FUseSkinSize && Description<TskDataSkinUpDownControl>()) {
        Buttons[kUp].R = UpButtonRect;
        Buttons[kDown].R = DownButtonRect;
    } else if (FOrientation == TUDOrientation::udVertical) {
        Buttons[kUp].R = RECT{0, 0, FWidth, FHeight / 2};
        Buttons[kDown].R = RECT{0, FHeight / 2, FWidth, FHeight};
    } else {
        Buttons[kDown].R = RECT{0, 0, FWidth / 2, FHeight};
        Buttons[kUp].R = RECT{FWidth / 2, 0, FWidth, FHeight};
    }
}

void TskSkinUpDown::FitBoundsToSkin(int& W, int& H)
{
    if (FUseSkinSize)
        TskSkinCustomControl::FitBoundsToSkin(W, H);
}

void TskSkinUpDown::ApplyMaskRegion()
{
    if (FUseSkinSize)
        TskSkinCustomControl::ApplyMaskRegion();
}

// --- mouse -----------------------------------------------------------------------------------

void TskSkinUpDown::UpdateHover(int X, int Y)
{
    int button = -1;
    for (int i = 0; i < 2 && button < 0; ++i)
        if (Contains(Buttons[i].R, X, Y))
            button = i;
    if (CaptureButton != -1 && button != CaptureButton)
        button = -1;
    if (button == ActiveButton)
        return;
    const int old = ActiveButton;
    ActiveButton = button;
    if (old != -1) {
        Buttons[old].MouseIn = false;
        Invalidate();
        if (Buttons[old].Down && FIncrement != 0 && HandleAllocated())
            KillTimer(GetHandle(), kTimer);
    }
    if (button != -1) {
        Buttons[button].MouseIn = true;
        Buttons[1 - button].MouseIn = false;
        Invalidate();
        if (Buttons[button].Down && FIncrement != 0 && HandleAllocated())
            SetTimer(GetHandle(), kTimer, kReturnRepeat, nullptr);
    }
}

void TskSkinUpDown::Press(int X, int Y)
{
    UpdateHover(X, Y);
    OldActiveButton = ActiveButton == kDown ? kUp : ActiveButton == kUp ? kDown : kUp;
    Buttons[OldActiveButton].MouseIn = false;
    if (ActiveButton == -1)
        return;
    CaptureButton = ActiveButton;
    Buttons[CaptureButton].MouseIn = true;
    Buttons[CaptureButton].Down = true;
    Invalidate();
    if (FIncrement != 0) {
        TimerMode = CaptureButton == kUp ? 2 : 1;
        WaitMode = true;
        if (HandleAllocated())
            SetTimer(GetHandle(), kTimer, kFirstDelay, nullptr);
    }
}

void TskSkinUpDown::Release()
{
    const int captured = CaptureButton;
    if (captured == -1)
        return;
    if (FIncrement != 0) {
        if (HandleAllocated())
            KillTimer(GetHandle(), kTimer);
        TimerMode = 0;
    }
    Buttons[captured].Down = false;
    if (captured != ActiveButton)
        Buttons[captured].MouseIn = false;
    Invalidate();
    CaptureButton = -1;
    if (!Buttons[captured].MouseIn)
        return;
    // A click steps once, on release over its button.
    if (captured == kUp) {
        if (FIncrement != 0)
            SetPosition(FPosition + FIncrement);
        if (const TNotifyEvent e = OnUpButtonClick)
            e(this);
    } else {
        if (FIncrement != 0)
            SetPosition(FPosition - FIncrement);
        if (const TNotifyEvent e = OnDownButtonClick)
            e(this);
    }
}

void TskSkinUpDown::Timer()
{
    if (WaitMode) {
        WaitMode = false;
        if (HandleAllocated())
            SetTimer(GetHandle(), kTimer, kRepeat, nullptr);
        return;
    }
    if (TimerMode == 1)
        SetPosition(FPosition - FIncrement);
    else if (TimerMode == 2)
        SetPosition(FPosition + FIncrement);
}

void TskSkinUpDown::Dispatch(TMessage& Message)
{
    const int x = GET_X_LPARAM(Message.LParam), y = GET_Y_LPARAM(Message.LParam);
    switch (Message.Msg) {
    case WM_MOUSEMOVE:
        UpdateHover(x, y);
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        Press(x, y);
        break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        Release();
        break;
    case WM_TIMER:
        TskSkinCustomControl::Dispatch(Message);
        if (Message.WParam == kTimer)
            Timer();
        return;
    case WM_SIZE:
        TskSkinCustomControl::Dispatch(Message);
        Layout();
        return;
    case CM_MOUSEENTER:
        ActiveButton = OldActiveButton = -1;
        break;
    case CM_MOUSELEAVE:
        ActiveButton = OldActiveButton = -1;
        Buttons[kUp].MouseIn = Buttons[kDown].MouseIn = false;
        Invalidate();
        break;
    default: break;
    }
    TskSkinCustomControl::Dispatch(Message);
}

// --- painting --------------------------------------------------------------------------------

int TskSkinUpDown::ArrowDirection(int Index) const
{
    const bool vertical = FOrientation == TUDOrientation::udVertical;
    if (Index == kUp)
        return vertical ? 3 : 2;
    return vertical ? 4 : 1;
}

void TskSkinUpDown::DrawButton(TCanvas* Canvas, int Index)
{
    const Part& p = Buttons[Index];
    const bool pressed = p.Down && p.MouseIn;
    if (FIndex == -1 || !Description<TskDataSkinUpDownControl>()) {
        Canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
        Canvas->Brush()->SetColor(pressed ? RGB(133, 147, 181) : p.MouseIn ? RGB(182, 189, 210) : clBtnFace);
        Canvas->FillRect(p.R);
        Canvas->Brush()->SetColor(pressed || p.MouseIn ? clNavy : clBtnShadow);
        Canvas->FrameRect(p.R);
        DrawTriangleArrow(Canvas, p.R, clBlack, ArrowDirection(Index));
        return;
    }
    if (FUseSkinSize) {
        const bool up = Index == kUp;
        const RECT& src = pressed ? (up ? DownUpButtonRect : DownDownButtonRect)
                                  : (up ? ActiveUpButtonRect : ActiveDownButtonRect);
        if ((pressed || p.MouseIn) && Picture && !RectHasNoArea(src))
            Canvas->CopyRect(p.R, Picture->Canvas(), src);
        return;
    }
    const int w = p.R.right - p.R.left, h = p.R.bottom - p.R.top;
    if (w <= 0 || h <= 0)
        return;
    TBitmap face;
    face.SetSize(w, h);
    const int index = FSD ? FSD->GetControlIndex("resizebutton") : -1;
    const auto* d = index >= 0 ? dynamic_cast<TskDataSkinButtonControl*>(FSD->CtrlList[static_cast<std::size_t>(index)].get())
                               : nullptr;
    if (d) {
        const RECT active = RectHasNoArea(d->ActiveSkinRect) ? d->SkinRect : d->ActiveSkinRect;
        const RECT down = RectHasNoArea(d->DownSkinRect) ? active : d->DownSkinRect;
        TskSkinGeometry g;
        g.ReadGeometry(FSD, index);
        int fw = w, fh = h;
        g.FitGeometry(fw, fh, false);
        g.ComposeImage(&face, g.Picture, pressed ? down : p.MouseIn ? active : d->SkinRect, w, h, true);
        RECT arrow{0, 0, w, h};
        if (pressed) {
            arrow.left += 2;
            arrow.top += 2;
        }
        DrawTriangleArrow(face.Canvas(), arrow, pressed ? d->DownFontColor : p.MouseIn ? d->ActiveFontColor : d->FontColor,
                          ArrowDirection(Index));
    }
    Canvas->Draw(p.R.left, p.R.top, &face);
}

void TskSkinUpDown::CreateControlDefaultImage(TBitmap* B)
{
    Layout();
    DrawButton(B->Canvas(), kUp);
    DrawButton(B->Canvas(), kDown);
}

void TskSkinUpDown::CreateControlSkinImage(TBitmap* B)
{
    if (FUseSkinSize)
        TskSkinCustomControl::CreateControlSkinImage(B);
    Layout();
    DrawButton(B->Canvas(), kUp);
    DrawButton(B->Canvas(), kDown);
}
