#include "skin/form/FormSkin.h"

#include "platform/window/User.h"
#include "skin/core/TskLayerManager.h"
#include "skin/form/FormSkinLayerBorder.h"
#include "skin/form/skSkinChange.h"
#include "skin/form/skSkinMessages.h"

namespace {

// The signed 16-bit x and y of a message's lParam.
POINT PointOf(LPARAM lParam)
{
    return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

bool InRect(const RECT& R, POINT P)
{
    return PtInRect(&R, P) != FALSE;
}

} // namespace

void TskFormSkin::CallOld(TMessage& Message)
{
    if (OldWindowProc)
        OldWindowProc(Message);
}

void TskFormSkin::FrameWndProc(TMessage& Message)
{
    // The frame may be freed by what a message does (closing the form); stop touching it then.
    const std::shared_ptr<bool> alive = FAlive;
    CloseMenusOnMessage(Message.Msg);
    if (!FirstDispatch(Message))
        CallOld(Message);
    if (*alive && FForm)
        SecondDispatch(Message);
}

POINT TskFormSkin::ScreenToFramePoint(POINT P)
{
    if (IsMDIChild() && FForm->HandleAllocated()) {
        ScreenToClient(FForm->GetHandle(), &P);
        if (FSkinSupport)
            return POINT{P.x + NewClRect.left, P.y + NewClRect.top};
        return POINT{P.x + kDefFrameBorder, P.y + GetDefCaptionHeight() + kDefFrameBorder};
    }
    return POINT{P.x - FForm->GetLeft(), P.y - FForm->GetTop()};
}

RECT TskFormSkin::FrameToScreen(const RECT& R)
{
    const POINT origin = ScreenToFramePoint(POINT{0, 0});
    RECT r = R;
    OffsetRect(&r, -origin.x, -origin.y);
    return r;
}

bool TskFormSkin::FirstDispatch(TMessage& Message)
{
    const bool skinnable = FSkinnableForm;
    switch (Message.Msg) {
    case WM_DESTROY:
        MouseTimer->SetEnabled(false);
        MorphTimer->SetEnabled(false);
        AnimateTimer->SetEnabled(false);
        if (IsMDIChild()) {
            FWindowState = TWindowState::wsNormal;
            SendToMainForm(SKM_MDICHILDRESTORED);
        }
        return false;
    case WM_SIZE:
        OnSize(Message);
        return true;
    case WM_ACTIVATE:
        if (!skinnable)
            return false;
        CallOld(Message);
        SendNCPaint();
        if (IsMaximizedMDIChild()) {
            UpdateCaptionActive(false);
        } else {
            ResetObjectStates();
            UpdateCaptionActive(true);
        }
        return true;
    case WM_SETTEXT:
        if (!skinnable)
            return false;
        CallOld(Message);
        if (!NoBorder() && !IsMaximizedMDIChild())
            SendNCPaint();
        if (IsMDIChild())
            UpDateChildCaptionInMenu(FForm);
        return true;
    case WM_ERASEBKGND: {
        const HDC dc = reinterpret_cast<HDC>(Message.WParam);
        Message.Result = 1;
        // An MDI main form's client window paints the background.
        if (IsMDIForm() && !FClientInActiveDraw)
            return true;
        if (!FSkinSupport)
            PaintBGDefault(dc);
        else if (FSD->BGPictureIndex == -1)
            PaintBG(dc);
        else
            PaintBG2(dc);
        return true;
    }
    case WM_SHOWWINDOW:
        OnShowWindow(Message);
        return false;
    case WM_MOUSEACTIVATE:
        if (skinnable && IsMDIChild() && !FFormActive && Application->MainForm() &&
            Application->MainForm()->ActiveMDIChild() == FForm) {
            FFormActive = true;
            UpdateCaptionActive(!IsMaximizedMDIChild());
        }
        return false;
    case WM_SETCURSOR:
        if (skinnable && UseFormCursorInNCArea) {
            const WORD code = LOWORD(Message.LParam);
            if (code != HTCLIENT && (code < HTLEFT || code > HTBOTTOMRIGHT))
                Message.LParam = MAKELPARAM(HTCLIENT, HIWORD(Message.LParam));
        }
        return false;
    case WM_GETMINMAXINFO:
        if (skinnable) {
            auto* info = reinterpret_cast<MINMAXINFO*>(Message.LParam);
            info->ptMinTrackSize = POINT{GetMinWidth(), GetMinHeight()};
            info->ptMaxTrackSize = POINT{GetMaxWidth(), GetMaxHeight()};
        }
        return false;
    case WM_WINDOWPOSCHANGED:
        OnWindowPosChanged(Message);
        return false;
    case WM_DISPLAYCHANGE:
        if (!NoBorder() && (GetMaxWidth() < FForm->GetWidth() || GetMaxHeight() < FForm->GetHeight()))
            ForceRelayout();
        return false;
    case WM_NCCALCSIZE:
        if (!skinnable)
            return false;
        if (!IsMaximizedMDIChild())
            OnCalcSize(Message);
        return true;
    case WM_NCHITTEST: {
        if (!skinnable)
            return false;
        const POINT p = ScreenToFramePoint(PointOf(Message.LParam));
        Message.Result = FSkinSupport ? HitTestSkin(p) : HitTestDefault(p);
        if (Message.Result == HTOBJECT && !MouseTimer->GetEnabled()) {
            UpdateActiveObject(p.x, p.y, true);
            MouseTimer->SetEnabled(true);
        }
        return true;
    }
    case WM_NCPAINT:
        if (!skinnable)
            return false;
        if (!NoBorder() && !IsMaximizedMDIChild()) {
            if (FSkinSupport)
                PaintNCSkin(nullptr, false);
            else if (!FStopPainting)
                PaintNCDefault(nullptr, false);
        }
        return true;
    case WM_NCACTIVATE:
        if (!skinnable)
            return false;
        OnNCActivate(Message);
        return true;
    case WM_SYNCPAINT:
        if (!skinnable || !FRollUpState)
            return false;
        SendNCPaint();
        Message.Result = 0;
        return true;
    case WM_SYSCOMMAND:
        if ((Message.WParam & 0xFFF0) == SC_RESTORE) {
            if (auto handler = OnRestore)
                handler(this);
            return false;
        }
        if ((Message.WParam & 0xFFF0) == SC_KEYMENU) {
            // Alt or F10 enters the menu bar; Alt with a letter tries its hot keys.
            if (MainMenuBar && !InMainMenu) {
                if (Message.LParam == 0)
                    MainMenuBar->ActivateMenu();
                else
                    MainMenuBar->FindHotKey(static_cast<WORD>(Message.LParam));
                return true;
            }
            // Without a menu bar the key only closes an open menu.
            if (InMainMenu)
                MainMenuExit();
            else if (FSkinMenu && FSkinMenu->Visible())
                SkinMenuClose();
            return true;
        }
        return false;
    case WM_TIMER:
        if (Message.WParam == 1)
            ShowFadeTick();
        return false;
    case WM_SIZING:
        if (FSizeMove && FFullDrag)
            OnSizing(Message);
        return false;
    case WM_MOVING:
        if (skinnable) {
            auto* r = reinterpret_cast<RECT*>(Message.LParam);
            const int w = FForm->GetWidth(), h = FForm->GetHeight();
            if (FWindowState == TWindowState::wsMaximized) {
                *r = RECT{FForm->GetLeft(), FForm->GetTop(), FForm->GetLeft() + w, FForm->GetTop() + h};
            } else if (Magnetic) {
                int l = r->left, t = r->top;
                SnapToMagneticEdges(l, t, w, h);
                *r = RECT{l, t, l + w, t + h};
            }
        }
        return false;
    case WM_ENTERSIZEMOVE:
        if (skinnable) {
            GetCursorPos(&FOnMouseDownCoord);
            ResetObjectStates();
            MouseTimer->SetEnabled(false);
            ActiveObject = MouseCaptureObject = -1;
            FSizeMove = true;
            BOOL full = TRUE;
            SystemParametersInfo(SPI_GETDRAGFULLWINDOWS, 0, &full, 0);
            FFullDrag = full != FALSE;
        }
        return false;
    case WM_EXITSIZEMOVE:
        if (skinnable) {
            if (FSizing && (FForm->GetWidth() != FFormWidth || FForm->GetHeight() != FFormHeight)) {
                FFormLeft = FForm->GetLeft();
                FFormTop = FForm->GetTop();
                FFormWidth = FForm->GetWidth();
                FFormHeight = FForm->GetHeight();
                UpdateFrame(true);
            }
            FSizing = FSizeMove = false;
            MouseTimer->SetEnabled(false);
            ActiveObject = OldActiveObject = MouseCaptureObject = -1;
            if (FSD && !FSD->Empty)
                SendNCPaint();
        }
        return false;
    case SKM_BEFORESKINCHANGE:
        if (reinterpret_cast<TskSkinData*>(Message.WParam) == FSD && FSD) {
            FStopPainting = true;
            FSkinSupport = false;
            MouseTimer->SetEnabled(false);
            MorphTimer->SetEnabled(false);
            AnimateTimer->SetEnabled(false);
            ClearObjects();
            NotifyBeforeSkinChange(FSD, FForm);
            if (auto handler = OnBeforeChangeSkinData)
                handler(this);
        }
        return false;
    case SKM_SKINCHANGE: {
        auto* sender = reinterpret_cast<TskSkinData*>(Message.WParam);
        FStopPainting = false;
        if (sender == FSD && FSD)
            ApplySkinData();
        NotifySkinChange(sender, FForm);
        return false;
    }
    case SKM_AFTERSKINCHANGE:
        if (reinterpret_cast<TskSkinData*>(Message.WParam) == FSD && FSD && IsMDIForm())
            RefitMDIChildren();
        if (auto handler = OnAfterChangeSkinData)
            handler(this);
        return false;
    case SKM_SKINMENUCLOSED:
        SkinMenuClose();
        return false;
    case SKM_MDICHILDFIT:
        if (IsMaximizedMDIChild()) {
            const RECT area = GetMDIClientArea();
            FForm->SetBounds(0, 0, area.right - area.left, area.bottom - area.top);
        }
        return false;
    case SKM_MDICHILDMAXIMIZED:
        if (IsMDIForm()) {
            FMDIChildMaximized = true;
            SendNCPaint();
            if (MainMenuBar)
                MainMenuBar->MDIChildMaximize();
        }
        return false;
    case SKM_MDICHILDRESTORED:
        if (IsMDIForm()) {
            FMDIChildMaximized = GetMaximizedMDIChild() != nullptr;
            SendNCPaint();
            if (MainMenuBar)
                MainMenuBar->MDIChildRestore();
        }
        return false;
    case SKM_RESOURCESTRCHANGED:
        UpdateButtonHints();
        return false;
    case SKM_SKINNABLECHANGED:
        if (!FUseRibbon && FSD && reinterpret_cast<TskSkinData*>(Message.WParam) == FSD)
            SetSkinnableForm(FSD->SkinnableForm());
        return false;
    case SKM_TRAYRESTORE:
        // The tray icon marked the main form while bringing it back.
        if (FForm->GetTag() == kTrayRestoreTag)
            FForm->SetTag(0);
        return false;
    case SKM_LAYEREDBORDERSCHANGED:
        LayeredBordersChanged();
        return false;
    case SKM_EFFECTSSHOWBEGIN:
        FSmartEffectsShow = true;
        return false;
    case SKM_EFFECTSSHOWEND:
        EffectsShowEnd();
        return false;
    case SKM_QUERYFRAMESKINNED:
        Message.Result = skinnable ? SKM_FRAMESKINNED : SKM_FRAMENOTSKINNED;
        return true;
    case SKM_PAINTBORDERTO:
    case SKM_PAINTBORDERTOEX: {
        const bool ex = Message.Msg == SKM_PAINTBORDERTOEX;
        if (!skinnable || (ex && Message.LParam != SKM_PAINTBORDERTOEX_KEY))
            return false;
        const HDC dc = reinterpret_cast<HDC>(Message.WParam);
        if (dc && !NoBorder()) {
            if (FSkinSupport)
                PaintNCSkin(dc, true);
            else
                PaintNCDefault(dc, true);
        }
        Message.Result = ex ? SKM_PAINTBORDERTOEX_KEY : SKM_BORDERPAINTED;
        return true;
    }
    default:
        return false;
    }
}

void TskFormSkin::SecondDispatch(TMessage& Message)
{
    const UINT msg = Message.Msg;
    if (msg == WM_LBUTTONUP || msg == WM_RBUTTONUP) {
        ObjectMouseUp(msg == WM_LBUTTONUP ? TMouseButton::mbLeft : TMouseButton::mbRight, -1, -1);
        return;
    }
    if (!FSkinnableForm)
        return;
    const POINT p = ScreenToFramePoint(PointOf(Message.LParam));
    switch (msg) {
    case WM_NCMOUSEMOVE:
        ObjectMouseMove(p.x, p.y);
        break;
    case WM_NCLBUTTONDOWN:
        if (FSizeMove) {
            FSizeMove = false;
            break;
        }
        UpdateActiveObject(p.x, p.y, true);
        ObjectMouseDown(TMouseButton::mbLeft, p.x, p.y);
        if (Message.WParam == HTCAPTION)
            MouseCaptureObject = -1;
        break;
    case WM_NCLBUTTONUP:
        ObjectMouseUp(TMouseButton::mbLeft, p.x, p.y);
        break;
    case WM_NCLBUTTONDBLCLK:
        OnNCButtonDblClk(Message, p);
        break;
    case WM_NCRBUTTONDOWN:
        UpdateActiveObject(p.x, p.y, true);
        ObjectMouseDown(TMouseButton::mbRight, p.x, p.y);
        if (Message.WParam == HTCAPTION) {
            MouseCaptureObject = -1;
            if (!DisableSystemMenu)
                PopupSystemMenuAt(GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam));
        }
        break;
    case WM_NCRBUTTONUP:
        ObjectMouseUp(TMouseButton::mbRight, p.x, p.y);
        break;
    case WM_NCRBUTTONDBLCLK:
        UpdateActiveObject(p.x, p.y, true);
        ObjectMouseDown(TMouseButton::mbRight, p.x, p.y);
        if (Message.WParam == HTCAPTION)
            MouseCaptureObject = -1;
        break;
    default:
        break;
    }
}

void TskFormSkin::OnNCButtonDblClk(TMessage& Message, POINT P)
{
    UpdateActiveObject(P.x, P.y, true);
    ObjectMouseDown(TMouseButton::mbLeft, P.x, P.y);
    ObjectDblClick();
    if (Message.WParam != HTCAPTION)
        return;
    MouseCaptureObject = -1;
    const bool sizeable = IsSizeable();
    if (sizeable && FWindowState == TWindowState::wsMinimized)
        SetWindowState(TWindowState::wsNormal);
    else if (sizeable && FWindowState == TWindowState::wsNormal && !FRollUpState &&
             FBorderIcons.Contains(TskBorderIcon::biMaximize))
        SetWindowState(TWindowState::wsMaximized);
    else if (sizeable && FWindowState == TWindowState::wsMaximized && !FRollUpState)
        SetWindowState(TWindowState::wsNormal);
    else
        SetRollUpState(!FRollUpState);
}

void TskFormSkin::OnSize(TMessage& Message)
{
    if (FSizeMove && FFullDrag) {
        if (!FLogoBitMap->Empty())
            FForm->Invalidate();
        CallOld(Message);
        return;
    }
    CallOld(Message);
    FFormWidth = FForm->GetWidth();
    FFormHeight = FForm->GetHeight();
    HMagnetized = VMagnetized = HMagnetized2 = VMagnetized2 = false;
    if (!FSkinSupport) {
        if (FSkinnableForm) {
            UpdateRegion(true);
            SendNCPaint();
        }
    } else if (FSkinnableForm && FFormWidth >= GetMinWidth() && FFormHeight >= GetMinHeight()) {
        UpdateFrame(true);
    }
    if (FAlphaBlend && FAlphaBlendValue != 255) {
        SendNCPaint();
        FForm->Invalidate();
    }
    if (!FLogoBitMap->Empty())
        FForm->Invalidate();
}

void TskFormSkin::OnShowWindow(TMessage& Message)
{
    if (Message.WParam == 0) {
        FBorderLayer->Hide();
        if (FSkinnableForm) {
            if (FLayerManager->IsVisible)
                FLayerManager->Hide();
            if (FMenuLayerManager->IsVisible)
                FMenuLayerManager->Hide();
            if (IsMDIChild())
                DeleteChildFromMenu(FForm);
        }
        return;
    }
    if (FStartShow && PositionInMonitor == TskPositionInMonitor::skpDefault)
        FStartShow = false;
    if (FStartShow && FWindowState == TWindowState::wsNormal) {
        FStartShow = false;
        ApplyPositionInMonitor();
    }
    if (FSkinnableForm && FSD && FSD->AnimationForAllWindows() && FAlphaBlendValue == 0)
        FAlphaBlendValue = 255;
    if (FAlphaBlend || AlphaBlendAnimation || (FSD && FSD->AnimationForAllWindows()))
        StartShowFade();
    if (IsMDIForm())
        HookClientWindow();
    else if (FSkinnableForm)
        ForceRelayout();
    if (FSkinnableForm && IsMDIChild())
        AddChildToMenu(FForm);
    if (FSkinnableForm && FForm->GetMenu()) {
        MainMenu = FForm->GetMenu();
        FForm->SetMenu(nullptr);
    }
    if (IsLayeredBorderEnabled() && !FBorderLayer->Visible()) {
        FBorderLayer->SetActive(FFormActive, false);
        FBorderLayer->ShowWithForm();
    }
}

void TskFormSkin::OnWindowPosChanged(TMessage& Message)
{
    const auto* pos = reinterpret_cast<const WINDOWPOS*>(Message.LParam);
    if (pos == nullptr)
        return;
    if (!(pos->flags & SWP_NOMOVE)) {
        FFormLeft = pos->x;
        FFormTop = pos->y;
    }
    const int left = (pos->flags & SWP_NOMOVE) ? FForm->GetLeft() : pos->x;
    const int top = (pos->flags & SWP_NOMOVE) ? FForm->GetTop() : pos->y;
    if (pos->flags & SWP_HIDEWINDOW)
        FBorderLayer->Hide();
    else if (!(pos->flags & SWP_NOSIZE))
        FBorderLayer->SetBoundsWithForm3(left, top, pos->cx, pos->cy);
    else if (!(pos->flags & SWP_NOMOVE))
        FBorderLayer->MoveWithForm2(left, top);
}

void TskFormSkin::OnSizing(TMessage& Message)
{
    FSizing = true;
    HMagnetized = VMagnetized = HMagnetized2 = VMagnetized2 = false;
    CallOld(Message);
    const auto* r = reinterpret_cast<const RECT*>(Message.LParam);
    FFormWidth = r->right - r->left;
    FFormHeight = r->bottom - r->top;
    if (!FSD || (FSD->Empty && FSkinnableForm)) {
        UpdateRegion(true);
    } else if (FSkinnableForm && FForm->GetWidth() >= GetMinWidth() && FForm->GetHeight() >= GetMinHeight() &&
               (FFormWidth != FForm->GetWidth() || FFormHeight != FForm->GetHeight())) {
        UpdateFrame(true);
    }
}

void TskFormSkin::OnNCActivate(TMessage& Message)
{
    if (FSkinMenu && FSkinMenu->Visible())
        FSkinMenu->Hide();
    if (FLayerManager->IsVisible)
        FLayerManager->Hide();
    if (FMenuLayerManager->IsVisible)
        FMenuLayerManager->Hide();
    FFormActive = Message.WParam != 0;
    if (!FFormActive)
        UpdateActiveObject(-1, -1, false);
    if (IsMDIChild()) {
        CallOld(Message);
        FForm->Invalidate();
    } else {
        // The platform's own caption is never painted.
        Message.Result = 1;
    }
    if (!NoBorder() && !IsMaximizedMDIChild()) {
        SendNCPaint();
        UpdateCaptionActive(true);
    } else {
        UpdateCaptionActive(false);
    }
    if (IsMaximizedMDIChild())
        if (TCustomForm* main = Application->MainForm(); main && main->HandleAllocated())
            SendMessage(main->GetHandle(), WM_NCPAINT, 0, 0);
    if (ClientInActiveEffect && FForm->GetVisible()) {
        if (FFormActive)
            HideClientInActiveEffect();
        else
            ShowClientInActiveEffect();
    }
    if (IsMDIChild())
        UpDateChildActiveInMenu();
    if (FBorderLayer->Visible())
        FBorderLayer->SetActive(FFormActive, true);
}

void TskFormSkin::OnCalcSize(TMessage& Message)
{
    if (NoBorder())
        return;
    auto* r = reinterpret_cast<RECT*>(Message.LParam);
    if (FSD && !FSD->Empty) {
        CalcNewGeometry();
        const int pw = FSD->FPicture->GetWidth(), ph = FSD->FPicture->GetHeight();
        r->left += FSD->ClRect.left;
        r->top += FSD->ClRect.top;
        r->right -= pw - FSD->ClRect.right;
        r->bottom -= ph - FSD->ClRect.bottom;
    } else {
        r->left += kDefFrameBorder;
        r->top += GetDefCaptionHeight() + kDefFrameBorder;
        r->right -= kDefFrameBorder;
        r->bottom -= kDefFrameBorder;
    }
    if (r->left > r->right)
        r->right = r->left;
    if (r->top > r->bottom)
        r->bottom = r->top;
    Message.Result = 0;
}

int TskFormSkin::HitTestDefault(POINT P)
{
    const int w = FForm->GetWidth(), h = FForm->GetHeight();
    const bool framed = FWindowState == TWindowState::wsNormal && !FRollUpState && IsSizeable();
    if (framed) {
        if (ActiveObject != -1)
            return HTOBJECT;
        const bool left = P.x <= 2, top = P.y <= 2, right = P.x >= w - 2, bottom = P.y >= h - 2;
        if (left && top)
            return HTTOPLEFT;
        if (right && top)
            return HTTOPRIGHT;
        if (left && bottom)
            return HTBOTTOMLEFT;
        if (right && bottom)
            return HTBOTTOMRIGHT;
        if (left)
            return HTLEFT;
        if (top)
            return HTTOP;
        if (right)
            return HTRIGHT;
        if (bottom)
            return HTBOTTOM;
    }
    if (InRect(GetDefCaptionRect(), P))
        return HTCAPTION;
    const int b = kDefFrameBorder;
    if (InRect(RECT{b, GetDefCaptionHeight() + b, w - b, h - b}, P))
        return HTCLIENT;
    return HTOBJECT;
}

int TskFormSkin::HitTestSkin(POINT P)
{
    const int w = FForm->GetWidth(), h = FForm->GetHeight();
    const bool caption = InCaptionZone(P);
    if (FRollUpState || FWindowState == TWindowState::wsMinimized)
        return caption ? HTCAPTION : HTOBJECT;
    if (ActiveObject != -1 && !caption && !InRect(NewClRect, P) && !FSizeMove)
        return HTOBJECT;
    auto inner = [&]() { return InRect(NewClRect, P) ? HTCLIENT : caption ? HTCAPTION : HTOBJECT; };
    if (FWindowState == TWindowState::wsMaximized || !IsSizeable())
        return inner();
    const int b = FSD->BorderW;
    const POINT probes[] = {{P.x - b, P.y}, {P.x, P.y - b}, {P.x + b, P.y}, {P.x, P.y + b}};
    bool sizing = false;
    const bool masked = !FSD->FMask->Empty();
    if (!masked || !InRect(NewMaskRectArea, P)) {
        const RECT whole{0, 0, w, h};
        for (const POINT& q : probes)
            if (masked ? !PointInFrameShape(q) : !InRect(whole, q))
                sizing = true;
    }
    if (!sizing)
        return inner();
    if (NewHitTestLTPoint.x >= P.x && NewHitTestLTPoint.y >= P.y)
        return HTTOPLEFT;
    if (P.x >= NewHitTestRTPoint.x && P.y <= NewHitTestRTPoint.y)
        return HTTOPRIGHT;
    if (P.x <= NewHitTestLBPoint.x && P.y >= NewHitTestLBPoint.y)
        return HTBOTTOMLEFT;
    if (P.x >= NewHitTestRBPoint.x && P.y >= NewHitTestRBPoint.y)
        return HTBOTTOMRIGHT;
    if (InRect(RECT{NewHitTestLTPoint.x, 0, NewHitTestRTPoint.x, NewClRect.top}, P))
        return HTTOP;
    if (InRect(RECT{NewHitTestLBPoint.x, NewClRect.bottom, NewHitTestRBPoint.x, h}, P))
        return HTBOTTOM;
    if (InRect(RECT{0, NewHitTestLTPoint.y, NewClRect.left, NewHitTestLBPoint.y}, P))
        return HTLEFT;
    if (InRect(RECT{NewClRect.right, NewHitTestRTPoint.y, w, NewHitTestRBPoint.y}, P))
        return HTRIGHT;
    return inner();
}
