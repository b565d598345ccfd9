// TskSkinCustomEdit: construction, properties, skin changes and its messages.

#include "skin/input/skSkinEdits.h"

#include "classlib/Bitmap.h"
#include "platform/gdi/Gdi.h"
#include "platform/win/Rect.h"
#include "platform/window/User.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/form/skSkinMessages.h"

TskSkinCustomEdit::TskSkinCustomEdit(TComponent* AOwner) : TskCustomEdit(AOwner)
{
    Font()->SetName("Arial");
    Font()->SetColor(clBlack);
    Font()->SetStyle({});
    Font()->SetHeight(14);
    FDefaultFont = std::make_unique<TFont>();
    FDefaultFont->Assign(Font());
    FDefaultFont->OnChange = [this](TObject*) {
        lookup();
        if (FIndex == -1)
            Font()->Assign(FDefaultFont.get());
    };
    SetBorderStyle(TBorderStyle::bsNone);
    FEditTransparent = true;
    FControlStyle.Include(csOpaque);
    SetHeight(20);
}

TskSkinCustomEdit::~TskSkinCustomEdit() = default;

void TskSkinCustomEdit::CreateParams(TCreateParams& Params)
{
    TskCustomEdit::CreateParams(Params);
    // The skinned edit paints its own background under the text: no transparent window.
    Params.ExStyle &= ~WS_EX_TRANSPARENT;
    Params.Style &= ~WS_BORDER;
    Params.Style &= ~(ES_CENTER | ES_RIGHT);
    if (FAlignment == TAlignment::taRightJustify)
        Params.Style |= ES_RIGHT;
    else if (FAlignment == TAlignment::taCenter)
        Params.Style |= ES_CENTER;
}

void TskSkinCustomEdit::Loaded()
{
    TskCustomEdit::Loaded();
    if (FSD && FSD->ResourceStrData())
        Font()->SetCharset(FSD->ResourceStrData()->CharSet());
}

void TskSkinCustomEdit::Notification(TComponent* AComponent, TOperation Operation)
{
    TskCustomEdit::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FSD)
        FSD = nullptr;
    if (Operation == TOperation::opRemove && AComponent == FImages)
        FImages = nullptr;
}

void TskSkinCustomEdit::Invalidate()
{
    if (!FParent || !HandleAllocated())
        return;
    FStopDraw = false;
    RedrawWindow(FHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
}

void TskSkinCustomEdit::SetSkinData(TskSkinData* Value)
{
    if (FSD)
        FSD->RemoveFreeNotification(this);
    FSD = Value;
    if (FSD)
        FSD->FreeNotification(this);
    if (FSD && !FSD->Empty && !ComponentState().Contains(csDesigning))
        ChangeSkinData();
}

void TskSkinCustomEdit::ChangeSkinData()
{
    lookup();
    if (FIndex == -1) {
        Font()->Assign(FDefaultFont.get());
        if (FDefaultWidth > 0)
            SetWidth(FDefaultWidth);
        if (FDefaultHeight > 0)
            SetHeight(FDefaultHeight);
    } else if (FUseSkinFont) {
        Font()->SetName(FontName);
        Font()->SetStyle(FontStyle);
        SetHeight(SkinRect.bottom - SkinRect.top);
        Font()->SetHeight(FontHeight);
    } else {
        Font()->Assign(FDefaultFont.get());
    }
    if (FIndex != -1)
        setTextColor();
    Font()->SetCharset(FSD && FSD->ResourceStrData() ? FSD->ResourceStrData()->CharSet() : FDefaultFont->GetCharset());
    RecreateWnd();
    if (FIndex == -1)
        Font()->SetColor(FDefaultFont->GetColor());
    else
        setTextColor();
    if (!FUseSkinFont)
        SetHeight(fontHeight());
    sendNcPaint();
    if (FImages) {
        layoutImageButtons(true);
        Invalidate();
    }
}

void TskSkinCustomEdit::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    lookup();
    if ((AWidth != FWidth || AHeight != FHeight) && !(FIndex == -1 && FUseSkinFont))
        AHeight = FUseSkinFont ? SkinRect.bottom - SkinRect.top : fontHeight();
    if (GetAlign() != TAlign::alNone)
        ATop = CentredTopOnHost(this, ATop, AHeight);
    TskCustomEdit::SetBounds(ALeft, ATop, AWidth, AHeight);
    Invalidate();
    sendNcPaint();
}

void TskSkinCustomEdit::SetDefaultColor(TColor Value)
{
    FDefaultColor = Value;
    lookup();
    if (FIndex == -1)
        Invalidate();
}

void TskSkinCustomEdit::SetDefaultFont(TFont* Value)
{
    FDefaultFont->Assign(Value);
}

void TskSkinCustomEdit::SetDefaultWidth(int Value)
{
    FDefaultWidth = Value;
    lookup();
    if (FIndex == -1 && Value > 0)
        SetWidth(Value);
}

void TskSkinCustomEdit::SetDefaultHeight(int Value)
{
    FDefaultHeight = Value;
    lookup();
    if (FIndex == -1 && Value > 0 && FUseSkinFont)
        SetHeight(Value);
    else
        SetHeight(fontHeight());
}

void TskSkinCustomEdit::SetButtonMode(bool Value)
{
    FButtonMode = Value;
    RecreateWnd();
    if (ComponentState().Contains(csDesigning) && !ComponentState().Contains(csLoading))
        FSkinDataName = Value ? "buttonedit" : "edit";
}

void TskSkinCustomEdit::SetAlignment(TAlignment Value)
{
    if (FAlignment != Value) {
        FAlignment = Value;
        RecreateWnd();
    }
}

void TskSkinCustomEdit::SetImages(TCustomImageList* Value)
{
    if (FImages == Value)
        return;
    FImages = Value;
    if (FImages)
        FImages->FreeNotification(this);
    layoutImageButtons(true);
    Invalidate();
}

void TskSkinCustomEdit::SetLeftImageIndex(int Value)
{
    FLeftImageIndex = Value;
    layoutImageButtons(true);
    Invalidate();
}

void TskSkinCustomEdit::SetRightImageIndex(int Value)
{
    FRightImageIndex = Value;
    layoutImageButtons(true);
    Invalidate();
}

void TskSkinCustomEdit::sendNcPaint()
{
    if (FParent && HandleAllocated())
        SendMessage(FHandle, WM_NCPAINT, 0, 0);
}

void TskSkinCustomEdit::setTextColor()
{
    if (FIndex != -1)
        Font()->SetColor(active() ? ActiveFontColor : FontColor);
}

bool TskSkinCustomEdit::active()
{
    return FMouseIn || Focused();
}

void TskSkinCustomEdit::hoverChanged(bool MouseIn)
{
    FMouseIn = MouseIn;
    // A focused edit keeps its active look either way.
    if (FIndex != -1 && !Focused()) {
        setTextColor();
        if (FImages)
            layoutImageButtons(true);
        sendNcPaint();
        Invalidate();
    }
}

void TskSkinCustomEdit::mouseEnter()
{
    hoverChanged(true);
    if (auto handler = OnMouseEnter)
        handler(this);
}

void TskSkinCustomEdit::mouseLeave()
{
    hoverChanged(false);
    if (FButtonDown || FButtonActive) {
        FButtonDown = FButtonActive = false;
        sendNcPaint();
        Invalidate();
    }
    for (TskCBButtonX* b : {&LeftButton, &RightButton}) {
        if (b->MouseIn) {
            b->MouseIn = false;
            Invalidate();
        }
    }
    if (auto handler = OnMouseLeave)
        handler(this);
}

LRESULT TskSkinCustomEdit::hitTest(TMessage& Message)
{
    if (FImages && !ComponentState().Contains(csDesigning)) {
        const POINT p = ScreenToClient(POINT{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)});
        const struct {
            TskCBButtonX* b;
            int index;
            LRESULT code;
        } sides[] = {{&LeftButton, FLeftImageIndex, HTEDITLEFTBUTTON}, {&RightButton, FRightImageIndex, HTEDITRIGHTBUTTON}};
        for (const auto& s : sides) {
            if (s.index >= 0 && PtInRect(&s.b->R, p)) {
                if (!s.b->MouseIn) {
                    s.b->MouseIn = true;
                    Invalidate();
                }
                return s.code;
            }
        }
        for (const auto& s : sides) {
            if (s.b->MouseIn) {
                s.b->MouseIn = false;
                Invalidate();
            }
        }
    }
    if (FButtonMode && !ComponentState().Contains(csDesigning)) {
        POINT p = ScreenToClient(POINT{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)});
        lookup();
        p.x += FIndex == -1 ? 2 : ClRect.left;
        p.y += FIndex == -1 ? 2 : ClRect.top;
        calcRects();
        if (PtInRect(&FButtonRect, p))
            return HTHSCROLL;
        if (!PtInRect(&FEditRect, p))
            return HTVSCROLL;
    }
    TskCustomEdit::Dispatch(Message);
    return Message.Result;
}

bool TskSkinCustomEdit::imageButtonMouse(TMessage& Message)
{
    if (!FImages || (Message.WParam != HTEDITLEFTBUTTON && Message.WParam != HTEDITRIGHTBUTTON))
        return false;
    TskCBButtonX& b = Message.WParam == HTEDITLEFTBUTTON ? LeftButton : RightButton;
    switch (Message.Msg) {
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        b.Down = true;
        if (!Focused())
            SetFocus();
        if (Message.Msg == WM_NCLBUTTONDOWN)
            Invalidate();
        else
            Repaint();
        return true;
    case WM_NCLBUTTONUP:
        if (b.Down) {
            b.Down = false;
            Invalidate();
            if (auto handler = &b == &LeftButton ? OnLeftButtonClick : OnRightButtonClick)
                handler(this);
        }
        return true;
    default:
        return false;
    }
}

bool TskSkinCustomEdit::dropButtonMouse(TMessage& Message)
{
    if (!FButtonMode || ComponentState().Contains(csDesigning))
        return false;
    switch (Message.Msg) {
    case WM_NCMOUSEMOVE:
        if (Message.WParam == HTHSCROLL) {
            if (!FButtonActive) {
                FButtonActive = true;
                sendNcPaint();
                Invalidate();
                // The frame is no client area: ask to hear when the pointer leaves it.
                TRACKMOUSEEVENT track;
                track.dwFlags = TME_LEAVE | TME_NONCLIENT;
                track.hwndTrack = FHandle;
                TrackMouseEvent(&track);
            }
            return true;
        }
        if (FButtonActive) {
            FButtonActive = false;
            sendNcPaint();
            Invalidate();
        }
        return false;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        if (Message.WParam != HTHSCROLL)
            return false;
        FButtonDown = true;
        sendNcPaint();
        return true;
    case WM_NCLBUTTONUP:
        if (Message.WParam != HTHSCROLL)
            return false;
        FButtonDown = false;
        sendNcPaint();
        if (!Focused())
            SetFocus();
        if (auto handler = OnButtonClick)
            handler(this);
        return true;
    default:
        return false;
    }
}

void TskSkinCustomEdit::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_NCCALCSIZE: {
        lookup();
        calcRects();
        RECT* r = Message.WParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(Message.LParam)->rgrc[0]
                                 : reinterpret_cast<RECT*>(Message.LParam);
        if (r) {
            const int sw = SkinRect.right - SkinRect.left;
            const int sh = SkinRect.bottom - SkinRect.top;
            const int h = r->bottom - r->top;
            if (FIndex == -1) {
                r->left += 2;
                r->top += 2;
                r->bottom -= 2;
                r->right -= FButtonMode ? h + 2 : 2;
            } else {
                r->left += ClRect.left;
                r->top += ClRect.top;
                r->right -= sw - ClRect.right;
                r->bottom -= sh - ClRect.bottom;
            }
            r->right = std::max(r->right, r->left);
            r->bottom = std::max(r->bottom, r->top);
        }
        Message.Result = 0;
        break;
    }
    case WM_NCPAINT:
        if (HDC dc = GetWindowDC(FHandle)) {
            paintFrame(dc, true);
            ReleaseDC(FHandle, dc);
        }
        Invalidate();
        break;
    case WM_ERASEBKGND:
        eraseBackground(reinterpret_cast<HDC>(Message.WParam));
        Message.Result = 1;
        break;
    case WM_PAINT:
        paintClient(Message);
        break;
    case WM_SIZE:
        TskCustomEdit::Dispatch(Message);
        layoutImageButtons(true);
        sendNcPaint();
        break;
    case WM_NCHITTEST:
        Message.Result = hitTest(Message);
        break;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCLBUTTONUP:
    case WM_NCMOUSEMOVE:
        if (!imageButtonMouse(Message) && !dropButtonMouse(Message))
            TskCustomEdit::Dispatch(Message);
        break;
    case WM_NCMOUSELEAVE:
        TskCustomEdit::Dispatch(Message);
        if (FButtonActive || FButtonDown) {
            FButtonActive = FButtonDown = false;
            sendNcPaint();
            Invalidate();
        }
        break;
    case WM_MOUSEMOVE:
        TskCustomEdit::Dispatch(Message);
        if (FButtonMode && FButtonActive) {
            FButtonActive = false;
            sendNcPaint();
        }
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        TskCustomEdit::Dispatch(Message);
        sendNcPaint();
        Invalidate();
        if (!FMouseIn)
            setTextColor();
        if (FImages)
            layoutImageButtons(true);
        break;
    case CM_MOUSEENTER:
        TskCustomEdit::Dispatch(Message);
        mouseEnter();
        break;
    case CM_MOUSELEAVE:
        TskCustomEdit::Dispatch(Message);
        mouseLeave();
        break;
    case CM_FONTCHANGED:
        TskCustomEdit::Dispatch(Message);
        if (!FUseSkinFont && !ComponentState().Contains(csLoading)) {
            SetHeight(fontHeight());
            if (FIndex == -1)
                RecreateWnd();
        }
        break;
    case CM_ENABLEDCHANGED:
        TskCustomEdit::Dispatch(Message);
        Invalidate();
        break;
    case SKM_PAINTBORDERTO:
        if (Message.WParam) {
            paintFrame(reinterpret_cast<HDC>(Message.WParam), false);
            Message.Result = SKM_BORDERPAINTED;
        }
        break;
    case SKM_PAINTBORDERTOEX:
        if (Message.LParam != SKM_PAINTBORDERTOEX_KEY) {
            TskCustomEdit::Dispatch(Message);
            break;
        }
        if (Message.WParam) {
            HDC dc = reinterpret_cast<HDC>(Message.WParam);
            lookup();
            calcRects();
            ExcludeClipRect(dc, FEditRect.left, FEditRect.top, FEditRect.right, FEditRect.bottom);
            paintFrame(dc, false);
        }
        Message.Result = SKM_PAINTBORDERTOEX_KEY;
        break;
    default:
        TskCustomEdit::Dispatch(Message);
        break;
    }
}
