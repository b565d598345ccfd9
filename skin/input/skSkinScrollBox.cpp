#include "skin/input/skSkinScrollBox.h"

#include "classlib/Bitmap.h"
#include "platform/gdi/Gdi.h"
#include "platform/win/Rect.h"
#include "platform/window/User.h"
#include "skin/core/skDataSkinControls.h"
#include "skin/core/skSkinImages.h"
#include "skin/core/skUtils.h"
#include "skin/form/skSkinMessages.h"

TskSkinScrollBox::TskSkinScrollBox(TComponent* AOwner) : TskSkinCustomControl(AOwner)
{
    FControlStyle.Include(csAcceptsControls);
    FSkinDataName = "scrollbox";
    SetBounds(FLeft, FTop, 150, 150);
}

void TskSkinScrollBox::Notification(TComponent* AComponent, TOperation Operation)
{
    TskSkinCustomControl::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == FVScrollBar)
        FVScrollBar = nullptr;
    if (AComponent == FHScrollBar)
        FHScrollBar = nullptr;
}

void TskSkinScrollBox::CreateParams(TCreateParams& Params)
{
    TskSkinCustomControl::CreateParams(Params);
    Params.ClassStyle &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TskSkinScrollBox::LookupSkinData()
{
    TskSkinCustomControl::LookupSkinData();
    BGPictureIndex = -1;
    if (auto* d = Description<TskDataSkinScrollBoxControl>())
        BGPictureIndex = d->BGPictureIndex;
}

void TskSkinScrollBox::ChangeSkinData()
{
    TskSkinCustomControl::ChangeSkinData();
    RecreateWnd();
    for (TskSkinScrollBar* bar : {FVScrollBar, FHScrollBar}) {
        if (bar) {
            // Setting the same alignment again lays the bars out anew.
            const TAlign align = bar->GetAlign();
            bar->SetAlign(TAlign::alNone);
            bar->SetAlign(align);
        }
    }
}

void TskSkinScrollBox::attach(TskSkinScrollBar*& Slot, TskSkinScrollBar* Value, bool Vertical)
{
    Slot = Value;
    if (Value) {
        Value->FreeNotification(this);
        Value->SetCanFocused(false);
        Value->SetEnabled(true);
        Value->SetVisible(false);
        Value->OnChange = [this, Vertical](TObject*) { barChanged(Vertical); };
        Value->OnLastChange = [this](TObject*) { Invalidate(); };
    }
    checkRange(Vertical);
}

void TskSkinScrollBox::SetVScrollBar(TskSkinScrollBar* Value)
{
    attach(FVScrollBar, Value, true);
}

void TskSkinScrollBox::SetHScrollBar(TskSkinScrollBar* Value)
{
    attach(FHScrollBar, Value, false);
}

void TskSkinScrollBox::SetBorderStyle(TskSkinBorderStyle Value)
{
    FBorderStyle = Value;
    RecreateWnd();
}

void TskSkinScrollBox::UpDateScrollRange()
{
    GetHRange();
    GetVRange();
}

void TskSkinScrollBox::GetVRange()
{
    checkRange(true);
}

void TskSkinScrollBox::GetHRange()
{
    checkRange(false);
}

void TskSkinScrollBox::moveChildren(bool Vertical, int By)
{
    if (By == 0)
        return;
    ScrollBy(Vertical ? 0 : By, Vertical ? By : 0);
    if (FIndex != -1 && StretchEffect)
        Repaint();
}

void TskSkinScrollBox::checkRange(bool Vertical)
{
    TskSkinScrollBar* bar = Vertical ? FVScrollBar : FHScrollBar;
    if (!bar || FInCheckScrollBars || !FParent)
        return;
    int& sizeOffset = Vertical ? FVSizeOffset : FHSizeOffset;
    int& oldPos = Vertical ? FOldVScrollBarPos : FOldHScrollBarPos;
    const int client = Vertical ? GetClientHeight() : GetClientWidth();
    int end = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (c->GetVisible())
            end = std::max(end, Vertical ? c->GetTop() + c->GetHeight() : c->GetLeft() + c->GetWidth());
    }
    const int pos = bar->GetPosition();
    const int extent = pos + end;
    bool show = false, hide = false;
    if (extent > client) {
        show = !bar->GetVisible();
        if (pos > 0 && end < client && sizeOffset > 0) {
            // The box grew while scrolled: the content comes down by as much.
            sizeOffset = std::min(sizeOffset, pos);
            bar->SetRange(0, extent - 1, pos - sizeOffset, client);
            moveChildren(Vertical, sizeOffset);
        } else if (sizeOffset == 0 && extent - 1 < bar->GetMax() && pos > 0 && end < client) {
            // The content shrank while scrolled: no empty band at its end.
            const int d = std::min(client - end, pos);
            moveChildren(Vertical, d);
            bar->SetRange(0, extent - 1, pos - d, client);
        } else {
            bar->SetRange(0, extent - 1, pos, client);
        }
        sizeOffset = 0;
        oldPos = bar->GetPosition();
    } else {
        if (pos > 0)
            moveChildren(Vertical, pos);
        sizeOffset = 0;
        oldPos = 0;
        bar->SetRange(0, 0, 0, 0);
        hide = bar->GetVisible();
    }
    if (show || hide) {
        FInCheckScrollBars = true;
        bar->SetVisible(show);
        FInCheckScrollBars = false;
        if (GetAlign() != TAlign::alNone) {
            FInCheckScrollBars = true;
            FParent->Realign();
            Realign();
            FInCheckScrollBars = false;
        }
    }
    // The horizontal bar leaves the corner free while the vertical one shows.
    if (FVScrollBar && FHScrollBar && FHScrollBar->GetBoth() != FVScrollBar->GetVisible())
        FHScrollBar->SetBoth(FVScrollBar->GetVisible());
}

void TskSkinScrollBox::barChanged(bool Vertical)
{
    TskSkinScrollBar* bar = Vertical ? FVScrollBar : FHScrollBar;
    int& oldPos = Vertical ? FOldVScrollBarPos : FOldHScrollBarPos;
    if (!bar)
        return;
    moveChildren(Vertical, -(bar->GetPosition() - oldPos));
    oldPos = bar->GetPosition();
}

void TskSkinScrollBox::VScroll(int APosition)
{
    if (!FVScrollBar || FVScrollBar->GetPageSize() == 0)
        return;
    // Only the bar moves; its OnChange moves the children, once.
    FVScrollBar->SetPosition(std::min(APosition, FVScrollBar->GetMax() - FVScrollBar->GetPageSize()));
}

void TskSkinScrollBox::HScroll(int APosition)
{
    if (!FHScrollBar || FHScrollBar->GetPageSize() == 0)
        return;
    FHScrollBar->SetPosition(APosition);
}

void TskSkinScrollBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    const int oldW = FWidth, oldH = FHeight;
    TskSkinCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    FHSizeOffset = oldW != 0 && FWidth > oldW ? FWidth - oldW : 0;
    if (GetAlign() != TAlign::alNone)
        GetHRange();
    FVSizeOffset = oldH != 0 && FHeight > oldH ? FHeight - oldH : 0;
    if (GetAlign() != TAlign::alNone)
        GetVRange();
}

void TskSkinScrollBox::AdjustClientRect(RECT& Rect)
{
    const int cw = GetClientWidth(), ch = GetClientHeight();
    const bool v = FVScrollBar && FVScrollBar->GetVisible();
    const bool h = FHScrollBar && FHScrollBar->GetVisible();
    const int top = v ? -FVScrollBar->GetPosition() : 0;
    const int height = v ? std::max(FVScrollBar->GetMax(), ch) : ch;
    const int left = h ? -FHScrollBar->GetPosition() : 0;
    const int width = h ? std::max(FHScrollBar->GetMax(), cw) : cw;
    Rect = RECT{left, top, left + width, top + height};
    TskSkinCustomControl::AdjustClientRect(Rect);
}

void TskSkinScrollBox::WndProc(TMessage& Message)
{
    if ((Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_LBUTTONDBLCLK) && FCanFocused &&
        !ComponentState().Contains(csDesigning) && !Focused()) {
        FClicksDisabled = true;
        ::SetFocus(GetHandle());
        FClicksDisabled = false;
        if (!Focused())
            return;
    }
    if (Message.Msg == CN_COMMAND && FClicksDisabled)
        return;
    TskSkinCustomControl::WndProc(Message);
}

bool TskSkinScrollBox::hasFrame()
{
    LookupSkinData();
    return FBorderStyle != bvNone && BGPictureIndex == -1;
}

void TskSkinScrollBox::paintBorder(HDC DC)
{
    LookupSkinData();
    if (!DC || FWidth <= 0 || FHeight <= 0)
        return;
    TCanvas c;
    c.SetHandle(DC);
    if (FIndex == -1) {
        TColor topLeft = clBtnShadow, bottomRight = clBtnShadow;
        if (FBorderStyle == bvRaised)
            bottomRight = clBtnHighlight;
        else if (FBorderStyle == bvLowered)
            topLeft = clBtnHighlight;
        c.Pen()->SetColor(topLeft);
        c.MoveTo(0, FHeight - 1);
        c.LineTo(0, 0);
        c.LineTo(FWidth - 1, 0);
        c.Pen()->SetColor(bottomRight);
        c.LineTo(FWidth - 1, FHeight - 1);
        c.LineTo(-1, FHeight - 1);
    } else if (Picture) {
        const int dw = FWidth - WidthOfRect(SkinRect), dh = FHeight - HeightOfRect(SkinRect);
        const POINT nrt{RTPt.x + dw, RTPt.y}, nlb{LBPt.x, LBPt.y + dh}, nrb{RBPt.x + dw, RBPt.y + dh};
        RECT nc = ClRect;
        nc.right += dw;
        nc.bottom += dh;
        TBitmap left, top, right, bottom;
        ComposeFrameBorderImages(LTPt, RTPt, LBPt, RBPt, ClRect, LTPt, nrt, nlb, nrb, nc, &left, &top, &right, &bottom,
                                 Picture, SkinRect, FWidth, FHeight, LeftStretch, TopStretch, RightStretch, BottomStretch);
        c.Draw(0, 0, &top);
        c.Draw(0, top.GetHeight(), &left);
        c.Draw(FWidth - right.GetWidth(), top.GetHeight(), &right);
        c.Draw(0, FHeight - bottom.GetHeight(), &bottom);
    }
    c.SetHandle(nullptr);
}

void TskSkinScrollBox::CreateControlDefaultImage(TBitmap* B)
{
    B->Canvas()->Brush()->SetColor(GetColor());
    B->Canvas()->FillRect(RECT{0, 0, B->GetWidth(), B->GetHeight()});
}

void TskSkinScrollBox::Paint()
{
    LookupSkinData();
    if (FIndex == -1) {
        TskSkinCustomControl::Paint();
        return;
    }
    const int cw = GetClientWidth(), ch = GetClientHeight();
    if (cw < 1 || ch < 1)
        return;
    TCanvas* c = Canvas();
    HDC dc = c->GetHandle();
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, 0, 0, cw, ch);
    TBitmap own;
    TBitmap* tile = nullptr;
    if (BGPictureIndex == -1) {
        if (Picture) {
            const int w = WidthOfRect(ClRect), h = HeightOfRect(ClRect);
            own.SetSize(std::max(w, 0), std::max(h, 0));
            if (w > 0 && h > 0)
                own.Canvas()->CopyRect(RECT{0, 0, w, h}, Picture->Canvas(),
                                       RECT{SkinRect.left + ClRect.left, SkinRect.top + ClRect.top,
                                            SkinRect.left + ClRect.right, SkinRect.top + ClRect.bottom});
            tile = &own;
        }
    } else {
        tile = SkinPicture(FSD, BGPictureIndex);
    }
    if (!tile) {
        // A picture the skin does not have: the box's colour.
        c->Brush()->SetColor(GetColor());
        c->FillRect(RECT{0, 0, cw, ch});
    } else if (tile->GetWidth() > 0 && tile->GetHeight() > 0) {
        const int tw = tile->GetWidth(), th = tile->GetHeight();
        if (StretchEffect && FWidth > 0 && FHeight > 0) {
            switch (StretchType) {
            case skstFull:
                c->StretchDraw(RECT{0, 0, FWidth, FHeight}, tile);
                break;
            case skstHorz:
                for (int k = 0; k <= FWidth / tw; ++k)
                    c->StretchDraw(RECT{k * tw, 0, (k + 1) * tw, FHeight}, tile);
                break;
            case skstVert:
                for (int k = 0; k <= FHeight / th; ++k)
                    c->StretchDraw(RECT{0, k * th, FWidth, (k + 1) * th}, tile);
                break;
            }
        } else {
            const int w = BGPictureIndex == -1 ? cw : FWidth, h = BGPictureIndex == -1 ? ch : FHeight;
            for (int i = 0; i <= w / tw; ++i)
                for (int j = 0; j <= h / th; ++j)
                    c->Draw(i * tw, j * th, tile);
        }
    }
    RestoreDC(dc, saved);
}

void TskSkinScrollBox::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_WINDOWPOSCHANGING:
        TskSkinCustomControl::Dispatch(Message);
        if (HandleAllocated() && GetAlign() == TAlign::alNone) {
            GetVRange();
            GetHRange();
        }
        break;
    case WM_SIZE:
        TskSkinCustomControl::Dispatch(Message);
        if (HandleAllocated())
            SendMessage(FHandle, WM_NCPAINT, 0, 0);
        break;
    case WM_NCCALCSIZE: {
        RECT* r = Message.WParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(Message.LParam)->rgrc[0]
                                 : reinterpret_cast<RECT*>(Message.LParam);
        if (r && hasFrame()) {
            if (FIndex == -1) {
                InflateRect(r, -1, -1);
            } else {
                r->left += ClRect.left;
                r->top += ClRect.top;
                r->right -= WidthOfRect(SkinRect) - ClRect.right;
                r->bottom -= HeightOfRect(SkinRect) - ClRect.bottom;
            }
            r->right = std::max(r->right, r->left);
            r->bottom = std::max(r->bottom, r->top);
        }
        Message.Result = 0;
        break;
    }
    case WM_NCPAINT:
        if (hasFrame()) {
            HDC dc = GetWindowDC(FHandle);
            paintBorder(dc);
            ReleaseDC(FHandle, dc);
        }
        break;
    case CM_VISIBLECHANGED:
        TskSkinCustomControl::Dispatch(Message);
        for (TskSkinScrollBar* bar : {FVScrollBar, FHScrollBar})
            if (bar)
                bar->SetVisible(GetVisible());
        break;
    case SKM_PAINTBORDERTO:
        if (Message.WParam && hasFrame()) {
            paintBorder(reinterpret_cast<HDC>(Message.WParam));
            Message.Result = SKM_BORDERPAINTED;
        } else {
            Message.Result = 0;
        }
        break;
    case SKM_PAINTBORDERTOEX:
        if (Message.LParam != SKM_PAINTBORDERTOEX_KEY) {
            TskSkinCustomControl::Dispatch(Message);
            break;
        }
        if (Message.WParam && hasFrame())
            paintBorder(reinterpret_cast<HDC>(Message.WParam));
        Message.Result = SKM_PAINTBORDERTOEX_KEY;
        break;
    default:
        TskSkinCustomControl::Dispatch(Message);
        break;
    }
}
