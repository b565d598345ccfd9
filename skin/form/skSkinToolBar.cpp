#include "skin/form/skSkinToolBar.h"

#include "classlib/Bitmap.h"
#include "platform/gdi/Gdi.h"
#include "platform/win/Rect.h"
#include "platform/window/User.h"
#include "skin/core/skDrawMarks.h"
#include "skin/core/skSkinImages.h"
#include "skin/core/skUtils.h"

#include <algorithm>

namespace {

constexpr UINT_PTR kTimer = 1;
constexpr int kButtonWidth = 12;

} // namespace

TskSkinToolBar::TskSkinToolBar(TComponent* AOwner) : TskSkinPanel(AOwner)
{
    SetSkinDataName("toolpanel");
    SetHeight(25);
    SetBorderStyle(bvNone);
    SetForcebackGround(false);
    SetDefaultHeight(0);
}

// --- settings --------------------------------------------------------------------------------

void TskSkinToolBar::SetScrollOffset(int Value)
{
    if (Value >= 0)
        FScrollOffset = Value;
}

void TskSkinToolBar::SetScrollTimerInterval(int Value)
{
    if (Value > 0)
        FScrollTimerInterval = Value;
}

void TskSkinToolBar::SetFlat(bool Value)
{
    FFlat = Value;
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* b = dynamic_cast<TskSkinSpeedButton*>(Controls(i)))
            b->SetFlat(Value);
}

void TskSkinToolBar::SetImages(TCustomImageList* Value)
{
    FImages = Value;
    if (Value)
        Value->FreeNotification(this);
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* b = dynamic_cast<TskSkinSpeedButton*>(Controls(i)))
            b->Invalidate();
}

void TskSkinToolBar::SetHotImages(TCustomImageList* Value)
{
    FHotImages = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TskSkinToolBar::SetDisabledImages(TCustomImageList* Value)
{
    FDisabledImages = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TskSkinToolBar::SetShowCaptions(bool Value)
{
    if (Value == FShowCaptions)
        return;
    FShowCaptions = Value;
    if (FAutoShowHideCaptions)
        for (int i = 0; i < ControlCount(); ++i)
            if (auto* b = dynamic_cast<TskSkinSpeedButton*>(Controls(i)))
                b->SetShowCaption(Value);
    if (FWidthWithCaptions != 0 && FWidthWithoutCaptions != 0)
        SetWidth(Value ? FWidthWithCaptions : FWidthWithoutCaptions);
}

void TskSkinToolBar::SetSkinData(TskSkinData* Value)
{
    TskSkinPanel::SetSkinData(Value);
    for (int i = 0; i < ControlCount(); ++i) {
        if (auto* b = dynamic_cast<TskSkinSpeedButton*>(Controls(i)))
            b->SetSkinData(Value);
        else if (auto* bevel = dynamic_cast<TskSkinBevel*>(Controls(i)))
            bevel->SetSkinData(Value);
    }
}

void TskSkinToolBar::Notification(TComponent* AComponent, TOperation Operation)
{
    TskSkinPanel::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == FImages)
        FImages = nullptr;
    if (AComponent == FHotImages)
        FHotImages = nullptr;
    if (AComponent == FDisabledImages)
        FDisabledImages = nullptr;
}

void TskSkinToolBar::LookupSkinData()
{
    TskSkinPanel::LookupSkinData();
    ButtonData = nullptr;
    if (FIndex != -1) {
        const int i = FSD->GetControlIndex("resizebutton");
        if (i >= 0)
            ButtonData = dynamic_cast<TskDataSkinButtonControl*>(FSD->CtrlList[static_cast<std::size_t>(i)].get());
    }
}

// --- layout and scrolling --------------------------------------------------------------------

void TskSkinToolBar::CentreChildren()
{
    const RECT r = GetSkinClientRect();
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (dynamic_cast<TskSkinControl*>(c) || dynamic_cast<TskGraphicSkinControl*>(c) || c->GetAlign() != TAlign::alNone)
            continue;
        c->SetTop(r.top + (r.bottom - r.top) / 2 - c->GetHeight() / 2);
    }
}

void TskSkinToolBar::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    const int oldWidth = FWidth;
    TskSkinPanel::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (FAdjustControls)
        for (int i = 0; i < ControlCount(); ++i) {
            TControl* c = Controls(i);
            c->SetBounds(c->GetLeft(), c->GetTop(), c->GetWidth(), c->GetHeight());
        }
    if (!FCanScroll)
        return;
    FHSizeOffset = oldWidth != 0 && FWidth > oldWidth ? FWidth - oldWidth : 0;
    if (GetAlign() != TAlign::alNone)
        UpdateScrollState();
    CentreChildren();
}

void TskSkinToolBar::ShiftContent(int DX)
{
    if (DX == 0)
        return;
    ScrollBy(DX, 0);
    Invalidate();
}

void TskSkinToolBar::ShowScrollButtons(bool Show)
{
    if (Buttons[0].Visible == Show)
        return;
    Buttons[0].Visible = Buttons[1].Visible = Show;
    // The frame is computed again in place: a new window from inside a placement message
    // would destroy the window that is being placed.
    if (HandleAllocated())
        SetWindowPos(GetHandle(), nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TskSkinToolBar::UpdateScrollState()
{
    if (!FCanScroll || FWidth == 0)
        return;
    int a = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (c->GetVisible())
            a = std::max(a, c->GetLeft() + c->GetWidth());
    }
    const int cw = GetClientWidth();
    if (a == 0) {
        ShowScrollButtons(false);
        return;
    }
    if (a + SPosition > cw) {
        ShowScrollButtons(true);
        const int width = cw;
        const int m = SPosition + a - 1;
        if (SPosition > 0 && a < width && FHSizeOffset > 0) {
            FHSizeOffset = std::min(FHSizeOffset, SPosition);
            SMax = m;
            SPosition -= FHSizeOffset;
            SPage = width;
            ShiftContent(FHSizeOffset);
        } else {
            if (FHSizeOffset == 0 && m < SMax && SPosition > 0 && a < width) {
                SMax = m;
                SPosition += a - width;
                SPage = width;
                ShiftContent(width - a);
            } else {
                SMax = m;
                SPage = width;
            }
            FHSizeOffset = 0;
        }
        SOldPosition = SPosition;
        return;
    }
    if (SPosition > 0)
        ShiftContent(SPosition);
    FHSizeOffset = SMax = SPosition = SPage = 0;
    SOldPosition = 0;
    ShowScrollButtons(false);
}

void TskSkinToolBar::ScrollStep(bool Right)
{
    const int d = FScrollOffset != 0 ? FScrollOffset : GetClientWidth();
    if (Right)
        SPosition = std::min(SPosition + d, SMax - SPage + 1);
    else
        SPosition = std::max(SPosition - d, 0);
    if (SPosition == SOldPosition) {
        StopScrollTimer();
        return;
    }
    ShiftContent(-(SPosition - SOldPosition));
    SOldPosition = SPosition;
}

void TskSkinToolBar::AdjustClientRect(RECT& Rect)
{
    TskSkinPanel::AdjustClientRect(Rect);
    if (!FCanScroll || !Buttons[0].Visible)
        return;
    const int h = Rect.bottom - Rect.top;
    const int top = Rect.top, bottom = Rect.bottom;
    Rect = RECT{-SPosition, 0, -SPosition + std::max(SMax, GetClientWidth()), h};
    if (FIndex == -1 || ComponentState().Contains(csDesigning)) {
        Rect.top = 1;
        Rect.bottom = FHeight - 1;
    } else if (!(GetBorderStyle() == bvNone && ResizeMode == 1)) {
        Rect.top = top;
        Rect.bottom = bottom;
    }
}

void TskSkinToolBar::CreateControlSkinImage(TBitmap* B)
{
    if (Buttons[0].Visible && ResizeMode == 2 && Picture) {
        const int left = LTPt.x, right = (SkinRect.right - SkinRect.left) - RTPt.x;
        BuildHorzBandImageNoEnds(left, right, B, Picture, SkinRect, FWidth, FHeight, StretchEffect);
        return;
    }
    TskSkinPanel::CreateControlSkinImage(B);
}

// --- the scroll buttons ----------------------------------------------------------------------

void TskSkinToolBar::StartScrollTimer(int Mode)
{
    TimerMode = Mode;
    if (HandleAllocated())
        SetTimer(GetHandle(), kTimer, static_cast<UINT>(FScrollTimerInterval), nullptr);
}

void TskSkinToolBar::StopScrollTimer()
{
    if (HandleAllocated())
        KillTimer(GetHandle(), kTimer);
    TimerMode = 0;
}

void TskSkinToolBar::Unhover()
{
    bool changed = false;
    for (Part& b : Buttons)
        if (b.MouseIn) {
            b.MouseIn = false;
            changed = true;
        }
    if (!changed)
        return;
    if (TimerMode != 0)
        StopScrollTimer();
    PaintScrollButtons();
}

RECT TskSkinToolBar::ClientInWindow()
{
    RECT r{0, 0, FWidth, FHeight};
    if (Buttons[0].Visible)
        r.left += kButtonWidth;
    if (Buttons[1].Visible)
        r.right -= kButtonWidth;
    return r;
}

void TskSkinToolBar::PaintScrollButtons()
{
    if (!FCanScroll || !Buttons[0].Visible || !HandleAllocated())
        return;
    LookupSkinData();
    HDC dc = GetWindowDC(GetHandle());
    if (!dc)
        return;
    TCanvas canvas;
    canvas.SetHandle(dc);
    for (int i = 0; i < 2; ++i) {
        const Part& p = Buttons[i];
        const int w = p.R.right - p.R.left, h = p.R.bottom - p.R.top;
        if (!p.Visible || w <= 0 || h <= 0)
            continue;
        const bool downLook = (p.Down && p.MouseIn) || (p.MouseIn && FHotScroll);
        TBitmap b;
        b.SetSize(w, h);
        TColor arrow = clBtnText;
        const TskDataSkinButtonControl* d = ButtonData;
        TBitmap* picture = d ? SkinPicture(FSD, d->PictureIndex) : nullptr;
        if (d && picture) {
            RECT src = d->SkinRect;
            arrow = d->FontColor;
            if (downLook && !RectHasNoArea(d->DownSkinRect)) {
                src = d->DownSkinRect;
                arrow = d->DownFontColor;
            } else if (p.MouseIn && !RectHasNoArea(d->ActiveSkinRect)) {
                src = d->ActiveSkinRect;
                arrow = d->ActiveFontColor;
            }
            TskSkinGeometry g;
            g.ReadGeometry(FSD, FSD->GetControlIndex("resizebutton"));
            int fw = w, fh = h;
            g.FitGeometry(fw, fh, false);
            g.ComposeImage(&b, picture, src, w, h, true);
        } else {
            TCanvas* c = b.Canvas();
            c->Brush()->SetStyle(TBrushStyle::bsSolid);
            c->Brush()->SetColor(downLook ? RGB(133, 147, 181) : p.MouseIn ? RGB(182, 189, 210) : clBtnFace);
            c->FillRect(RECT{0, 0, w, h});
            c->Brush()->SetColor(p.MouseIn ? clNavy : clBtnShadow);
            c->FrameRect(RECT{0, 0, w, h});
        }
        DrawTriangleArrow(b.Canvas(), RECT{0, 0, w, h}, arrow, i == 0 ? 1 : 2);
        canvas.Draw(p.R.left, p.R.top, &b);
    }
    canvas.SetHandle(nullptr);
    ReleaseDC(GetHandle(), dc);
}

void TskSkinToolBar::Dispatch(TMessage& Message)
{
    const bool scrolling = FCanScroll && Buttons[0].Visible;
    switch (Message.Msg) {
    case WM_WINDOWPOSCHANGING:
        TskSkinPanel::Dispatch(Message);
        if (FAdjustControls && HandleAllocated())
            CentreChildren();
        if (FCanScroll && GetAlign() == TAlign::alNone)
            UpdateScrollState();
        return;
    case WM_NCCALCSIZE: {
        // Never passed on: the client area is the whole window less the shown buttons.
        if (!scrolling)
            return;
        LookupSkinData();
        RECT* r = Message.WParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(Message.LParam)->rgrc[0]
                                 : reinterpret_cast<RECT*>(Message.LParam);
        if (Buttons[0].Visible)
            r->left += kButtonWidth;
        if (Buttons[1].Visible)
            r->right -= kButtonWidth;
        return;
    }
    case WM_SIZE:
        TskSkinPanel::Dispatch(Message);
        Buttons[0].R = RECT{0, 0, kButtonWidth, FHeight};
        Buttons[1].R = RECT{FWidth - kButtonWidth, 0, FWidth, FHeight};
        PaintScrollButtons();
        return;
    case WM_NCHITTEST:
        if (scrolling && !ComponentState().Contains(csDesigning)) {
            POINT p{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
            RECT w;
            GetWindowRect(GetHandle(), &w);
            p.x -= w.left;
            p.y -= w.top;
            const RECT client = ClientInWindow();
            if (p.x < client.left && Buttons[0].Visible) {
                Message.Result = kHitLeft;
                return;
            }
            if (p.x >= client.right && Buttons[1].Visible) {
                Message.Result = kHitRight;
                return;
            }
        }
        break;
    case WM_SETCURSOR: {
        const auto hit = static_cast<short>(LOWORD(static_cast<std::uintptr_t>(Message.LParam)));
        if (hit == kHitLeft || hit == kHitRight)
            Message.LParam = MAKELPARAM(HTCLIENT, HIWORD(static_cast<std::uintptr_t>(Message.LParam)));
        break;
    }
    case WM_NCMOUSEMOVE:
        if (scrolling && (Message.WParam == kHitLeft || Message.WParam == kHitRight)) {
            const int i = Message.WParam == kHitLeft ? 0 : 1;
            if (!Buttons[i].MouseIn) {
                Buttons[i].MouseIn = true;
                Buttons[1 - i].MouseIn = false;
                PaintScrollButtons();
                if (FHotScroll)
                    StartScrollTimer(i + 1);
            }
        }
        break;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        if (scrolling && (Message.WParam == kHitLeft || Message.WParam == kHitRight)) {
            const int i = Message.WParam == kHitLeft ? 0 : 1;
            Buttons[i].Down = true;
            PaintScrollButtons();
            StartScrollTimer(i + 1);
        }
        break;
    case WM_NCLBUTTONUP:
        if (scrolling && (Message.WParam == kHitLeft || Message.WParam == kHitRight)) {
            const int i = Message.WParam == kHitLeft ? 0 : 1;
            Buttons[i].Down = false;
            PaintScrollButtons();
            StopScrollTimer();
            ScrollStep(i == 1);
        }
        break;
    case WM_MOUSEMOVE:
    case CM_MOUSELEAVE:
        if (scrolling)
            Unhover();
        break;
    case WM_NCPAINT:
        PaintScrollButtons();
        return;
    case WM_TIMER:
        TskSkinPanel::Dispatch(Message);
        if (Message.WParam == kTimer && TimerMode != 0)
            ScrollStep(TimerMode == 2);
        return;
    default: break;
    }
    TskSkinPanel::Dispatch(Message);
}
