// The windowed bases: TskSkinControl (its messages) and TskSkinCustomControl (mask region,
// background notification, forced-background painting).

#include "skin/form/skSkinCtrls.h"

#include "classlib/Bitmap.h"
#include "platform/gdi/Dc.h"
#include "platform/window/User.h"
#include "skin/core/skMaskRegions.h"
#include "skin/core/skSkinImages.h"
#include "skin/core/skUtils.h"
#include "skin/form/skSkinMessages.h"

void TskSkinControl::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_ERASEBKGND:
        // The whole control is painted from an off-screen image: nothing to erase.
        Message.Result = 1;
        return;
    case WM_PAINT:
        FromWMPaint = true;
        TCustomControl::Dispatch(Message);
        FromWMPaint = false;
        return;
    case SKM_PARENTBGCHANGED:
        CheckParentBackground();
        return;
    default:
        TCustomControl::Dispatch(Message);
        FireMouseEvent(Message.Msg);
    }
}

// ---------------------------------------------------------------------------------------------

void TskSkinCustomControl::SkinChangeKeptSize()
{
    ApplyMaskRegion();
    Invalidate();
}

void TskSkinCustomControl::BoundsApplied(bool Changed)
{
    if (Changed) {
        ApplyMaskRegion();
        Invalidate();
    }
    // Children that copy a stretched background must redraw after every placement.
    if (FIndex != -1 && StretchEffect)
        NotifyChildrenBGChanged();
}

void TskSkinCustomControl::NotifyChildrenBGChanged()
{
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* child = Controls(i);
        if (auto* win = dynamic_cast<TWinControl*>(child)) {
            SendMessage(win->GetHandle(), SKM_PARENTBGCHANGED, 0, 0);
        } else {
            TMessage m;
            m.Msg = SKM_PARENTBGCHANGED;
            child->Dispatch(m);
        }
    }
}

void TskSkinCustomControl::ApplyMaskRegion()
{
    if (GetParent() == nullptr)
        return;
    if (MaskPicture == nullptr || FIndex == -1) {
        if (FRgn != nullptr) {
            SetWindowRgn(GetHandle(), nullptr, TRUE);
            FRgn = nullptr;
        }
        return;
    }
    SetControlRegion();
}

void TskSkinCustomControl::SetControlRegion()
{
    int w = FWidth, h = FHeight;
    FitBoundsToSkin(w, h);
    HRGN rgn = nullptr;
    switch (ResizeMode) {
    case 0:
        CreateRegionFromMask(rgn, MaskPicture);
        break;
    case 1:
        BuildFrameRegionFromMask(rgn, LTPt, RTPt, LBPt, RBPt, ClRect, NewLTPoint, NewRTPoint, NewLBPoint,
                                 NewRBPoint, NewClRect, MaskPicture, w, h);
        break;
    case 2: {
        // A band: its top corners stand for the bottom ones too.
        const POINT p{w + RTPt.x - WidthOfRect(SkinRect), RTPt.y};
        BuildFrameRegionFromMask(rgn, LTPt, RTPt, LTPt, RTPt, ClRect, LTPt, p, LTPt, p, NewClRect, MaskPicture, w,
                                 h);
        break;
    }
    case 3: {
        const POINT q{LBPt.x, h + LBPt.y - HeightOfRect(SkinRect)};
        BuildFrameRegionFromMask(rgn, LTPt, LTPt, LBPt, LBPt, ClRect, LTPt, LTPt, q, q, NewClRect, MaskPicture, w,
                                 h);
        break;
    }
    default:
        return;
    }
    // The window owns the region from here on.
    SetWindowRgn(GetHandle(), rgn, TRUE);
    FRgn = rgn;
}

void TskSkinCustomControl::ComposeControlImage(TBitmap* B, TBitmap* APicture, const RECT& ASkinRect)
{
    ComposeImage(B, APicture, ASkinRect, FWidth, FHeight, !FForceBackground);
}

void TskSkinCustomControl::Paint()
{
    if (FWidth < 1 || FHeight < 1)
        return;
    LookupSkinData();
    int w = FWidth, h = FHeight;
    FitBoundsToSkin(w, h);
    if (FIndex == -1 || !FForceBackground || ResizeMode != 1) {
        PaintBuffered();
        return;
    }
    PaintForcedBackground();
}

void TskSkinCustomControl::PaintForcedBackground()
{
    TBitmap left, top, right, bottom;
    if (Picture != nullptr)
        ComposeFrameBorderImages(LTPt, RTPt, LBPt, RBPt, ClRect, NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint,
                                 NewClRect, &left, &top, &right, &bottom, Picture, SkinRect, FWidth, FHeight,
                                 LeftStretch, TopStretch, RightStretch, BottomStretch);
    CreateControlSkinImage(&top);
    TCanvas* c = Canvas();
    const int w = WidthOfRect(ClRect), h = HeightOfRect(ClRect);
    if (FDrawbackground && w > 0 && h > 0 && Picture != nullptr) {
        TBitmap tile;
        tile.SetSize(w, h);
        const RECT src{SkinRect.left + ClRect.left, SkinRect.top + ClRect.top, SkinRect.left + ClRect.right,
                       SkinRect.top + ClRect.bottom};
        tile.Canvas()->CopyRect(RECT{0, 0, w, h}, Picture->Canvas(), src);
        const RECT& nc = NewClRect;
        const int cw = WidthOfRect(nc), ch = HeightOfRect(nc);
        HDC dc = c->GetHandle();
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, nc.left, nc.top, nc.right, nc.bottom);
        if (StretchEffect && !RectHasNoArea(nc)) {
            switch (StretchType) {
            case skstFull:
                c->StretchDraw(nc, &tile);
                break;
            case skstHorz:
                for (int i = 0; i <= cw / w; ++i)
                    c->StretchDraw(RECT{nc.left + i * w, nc.top, nc.left + (i + 1) * w, nc.bottom}, &tile);
                break;
            case skstVert:
                for (int j = 0; j <= ch / h; ++j)
                    c->StretchDraw(RECT{nc.left, nc.top + j * h, nc.right, nc.top + (j + 1) * h}, &tile);
                break;
            }
        } else if (!StretchEffect) {
            for (int i = 0; i <= cw / w; ++i)
                for (int j = 0; j <= ch / h; ++j)
                    c->Draw(nc.left + i * w, nc.top + j * h, &tile);
        }
        RestoreDC(dc, saved);
    }
    c->Draw(0, 0, &top);
    c->Draw(0, top.GetHeight(), &left);
    c->Draw(FWidth - right.GetWidth(), top.GetHeight(), &right);
    c->Draw(0, FHeight - bottom.GetHeight(), &bottom);
}
