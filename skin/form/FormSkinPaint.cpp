#include "skin/form/FormSkin.h"

#include "classlib/Frame3D.h"
#include "platform/gdi/Gdi.h"
#include "platform/window/User.h"
#include "skin/core/TskEffectBmp.h"
#include "skin/core/skMaskRegions.h"
#include "skin/core/skSkinImages.h"
#include "skin/core/skTextUtils.h"
#include "skin/core/skUtils.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/form/skSkinMessages.h"

#include <algorithm>

namespace {

bool InRect(const RECT& R, POINT P)
{
    return PtInRect(&R, P) != FALSE;
}

// A window or external device context for the frame, given back at the end.
class TFrameDC {
public:
    TFrameDC(HWND Window, HDC External) : FWindow(External ? nullptr : Window)
    {
        FDC = External ? External : GetWindowDC(Window);
        // The caller's clipping comes back as it was.
        FSaved = SaveDC(FDC);
    }
    ~TFrameDC()
    {
        RestoreDC(FDC, FSaved);
        if (FWindow)
            ReleaseDC(FWindow, FDC);
    }
    TFrameDC(const TFrameDC&) = delete;
    TFrameDC& operator=(const TFrameDC&) = delete;
    HDC Handle() const { return FDC; }

private:
    HWND FWindow;
    HDC FDC;
    int FSaved;
};

void FillColor(TBitmap* B, const RECT& R, TColor Color)
{
    B->Canvas()->Brush()->SetColor(Color);
    B->Canvas()->FillRect(R);
}

} // namespace

void ApplySkinInActiveEffect(TskInActiveEffect Effect, TBitmap* B)
{
    if (B->Empty())
        return;
    TskEffectBmp e(B->GetHandle());
    switch (Effect) {
    case ieBrightness: e.ChangeBrightness(0.5); break;
    case ieDarkness: e.ChangeDarkness(0.3); break;
    case ieGrayScale: e.GrayScale(); break;
    case ieNoise: e.AddMonoNoise(50); break;
    case ieSplitBlur: e.SplitBlur(1); break;
    case ieInvert: e.Invert(); break;
    }
    e.Draw(B->Canvas()->GetHandle(), 0, 0);
}

int TskFormSkin::GetDefCaptionHeight() const
{
    const TFormBorderStyle bs = FForm->GetBorderStyle();
    return bs == TFormBorderStyle::bsToolWindow || bs == TFormBorderStyle::bsSizeToolWin ? 15 : 19;
}

int TskFormSkin::GetDefButtonSize() const
{
    const TFormBorderStyle bs = FForm->GetBorderStyle();
    return bs == TFormBorderStyle::bsToolWindow || bs == TFormBorderStyle::bsSizeToolWin ? 13 : 17;
}

SIZE TskFormSkin::GetSmallIconSize() const
{
    SIZE s{GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)};
    if (s.cx == 0)
        s.cx = GetSystemMetrics(SM_CXSIZE);
    if (s.cy == 0)
        s.cy = GetSystemMetrics(SM_CYSIZE);
    return s;
}

HICON TskFormSkin::GetSmallIcon()
{
    if (!FIcon)
        FIcon = FForm->Icon()->GetHandle();
    if (!FIcon)
        FIcon = Application->Icon()->GetHandle();
    return FIcon;
}

void TskFormSkin::DrawFormIcon(TCanvas* Canvas, int X, int Y)
{
    if (HICON icon = GetSmallIcon()) {
        const SIZE s = GetSmallIconSize();
        DrawIconEx(Canvas->GetHandle(), X, Y, icon, s.cx, s.cy, 0, nullptr, DI_NORMAL);
    }
}

void TskFormSkin::DefaultFormSize()
{
    if (FFormWidth == 0)
        FFormWidth = FForm->GetWidth();
    if (FFormHeight == 0)
        FFormHeight = FForm->GetHeight();
}

void TskFormSkin::CalcNewGeometry()
{
    if (!FSD || FSD->Empty)
        return;
    DefaultFormSize();
    const int pw = FSD->FPicture->GetWidth(), ph = FSD->FPicture->GetHeight();
    const int dW = FFormWidth - pw, dH = FFormHeight - ph;
    NewLTPoint = FSD->LTPoint;
    NewRTPoint = POINT{FSD->RTPoint.x + dW, FSD->RTPoint.y};
    NewLBPoint = POINT{FSD->LBPoint.x, FSD->LBPoint.y + dH};
    NewRBPoint = POINT{FSD->RBPoint.x + dW, FSD->RBPoint.y + dH};
    NewClRect = RECT{FSD->ClRect.left, FSD->ClRect.top, FSD->ClRect.right + dW, FSD->ClRect.bottom + dH};
    NewCaptionRect = FSD->CaptionRect;
    if (!RectHasNoArea(FSD->CaptionRect))
        NewCaptionRect.right += dW;
    NewButtonsRect = FSD->ButtonsRect;
    NewButtonsInLeft = FSD->CapButtonsInLeft;
    if (!RectHasNoArea(FSD->ButtonsRect)) {
        if (FSD->ButtonsRect.left > pw / 2)
            OffsetRect(&NewButtonsRect, dW, 0);
        else if (FSD->ButtonsRect.left < pw / 2)
            NewButtonsInLeft = true;
    }
    NewButtonsOffset = FSD->ButtonsOffset;
    NewHitTestLTPoint = FSD->HitTestLTPoint;
    NewHitTestRTPoint = POINT{FSD->HitTestRTPoint.x + dW, FSD->HitTestRTPoint.y};
    NewHitTestLBPoint = POINT{FSD->HitTestLBPoint.x, FSD->HitTestLBPoint.y + dH};
    NewHitTestRBPoint = POINT{FSD->HitTestRBPoint.x + dW, FSD->HitTestRBPoint.y + dH};
    NewMaskRectArea = RECT{FSD->MaskRectArea.left, FSD->MaskRectArea.top, FSD->MaskRectArea.right + dW,
                           FSD->MaskRectArea.bottom + dH};
}

RECT TskFormSkin::CalcObjectRect(const RECT& R)
{
    const int pw = FSD->FPicture->GetWidth(), ph = FSD->FPicture->GetHeight();
    const RECT lt{0, 0, FSD->LTPoint.x, FSD->LTPoint.y};
    const RECT rt{FSD->RTPoint.x, 0, pw, FSD->RTPoint.y};
    const RECT lb{0, FSD->LBPoint.y, FSD->LBPoint.x, ph};
    const RECT rb{FSD->RBPoint.x, FSD->RBPoint.y, pw, ph};
    const int dx = NewRBPoint.x - FSD->RBPoint.x, dy = NewRBPoint.y - FSD->RBPoint.y;
    RECT r = R;
    if (RectLiesWithin(R, lt))
        return r;
    if (RectLiesWithin(R, rt)) {
        OffsetRect(&r, dx, 0);
        return r;
    }
    if (RectLiesWithin(R, lb)) {
        OffsetRect(&r, 0, dy);
        return r;
    }
    if (RectLiesWithin(R, rb)) {
        OffsetRect(&r, dx, dy);
        return r;
    }
    const POINT tl{R.left, R.top}, br{R.right, R.bottom};
    if (InRect(lt, tl) && InRect(rb, br)) {
        r.right += dx;
        r.bottom += dy;
    } else if (InRect(lt, tl) && InRect(rt, br)) {
        r.right += dx;
    } else if (InRect(lb, tl) && InRect(rb, br)) {
        r.right += dx;
        OffsetRect(&r, 0, dy);
    } else if (InRect(lt, tl) && InRect(lb, br)) {
        r.bottom += dy;
    } else if (InRect(rt, tl) && InRect(rb, br)) {
        OffsetRect(&r, dx, 0);
        r.bottom += dy;
    }
    return r;
}

void TskFormSkin::CalcObjectRects()
{
    for (auto& o : ObjectList)
        if (!o->SkinRectInAPicture)
            o->ObjectRect = CalcObjectRect(o->SkinRect);
    RECT row;
    if (!RectHasNoArea(NewButtonsRect))
        row = NewButtonsRect;
    else if (!RectHasNoArea(NewCaptionRect))
        row = NewCaptionRect;
    else
        return;
    const int top = row.top;
    // The buttons of a command placed in the row: visible ones whose image lies in a picture.
    auto placeable = [](TskActiveSkinObject* o, TskStdCommand& command) {
        if (!o->Visible || !o->SkinRectInAPicture)
            return false;
        if (auto* s = dynamic_cast<TskSkinStdButtonObject*>(o)) {
            command = s->Command;
            return true;
        }
        if (auto* a = dynamic_cast<TskSkinAnimateObject*>(o)) {
            command = a->Command;
            return true;
        }
        return false;
    };
    auto sizeOf = [this](TskActiveSkinObject* o, TskStdCommand command) {
        if (command == cmSysMenu && FShowIcon && dynamic_cast<TskSkinStdButtonObject*>(o)) {
            const SIZE s = GetSmallIconSize();
            return s;
        }
        return SIZE{WidthOfRect(o->SkinRect), HeightOfRect(o->SkinRect)};
    };
    std::vector<TskActiveSkinObject*> order;
    for (TskStdCommand c : {cmClose, cmMaximize, cmMinimize, cmRollUp, cmMinimizeToTray})
        for (auto& o : ObjectList) {
            TskStdCommand command;
            if (placeable(o.get(), command) && command == c) {
                order.push_back(o.get());
                break;
            }
        }
    for (auto& o : ObjectList) {
        TskStdCommand command;
        if (placeable(o.get(), command) && command == cmDefault)
            order.push_back(o.get());
    }
    TskActiveSkinObject* sysMenu = nullptr;
    for (auto& o : ObjectList) {
        TskStdCommand command;
        if (placeable(o.get(), command) && command == cmSysMenu) {
            sysMenu = o.get();
            break;
        }
    }
    TskSkinCaptionObject* caption = CaptionObject();
    const bool noButtonsRect = RectHasNoArea(NewButtonsRect);
    if (!NewButtonsInLeft) {
        int x = row.right;
        for (TskActiveSkinObject* o : order) {
            const SIZE s = sizeOf(o, cmDefault);
            o->ObjectRect = RECT{x - s.cx, top, x, top + s.cy};
            x -= s.cx + NewButtonsOffset;
        }
        if (caption && noButtonsRect)
            caption->ObjectRect.right = x + NewButtonsOffset;
        x = NewCaptionRect.left;
        if (sysMenu) {
            const SIZE s = sizeOf(sysMenu, cmSysMenu);
            const int t = NewCaptionRect.top + HeightOfRect(NewCaptionRect) / 2 - s.cy / 2;
            sysMenu->ObjectRect = RECT{x, t, x + s.cx, t + s.cy};
            x += s.cx + NewButtonsOffset;
            if (caption)
                caption->ObjectRect.left = x - NewButtonsOffset;
        }
    } else {
        int x = row.left;
        if (noButtonsRect && sysMenu)
            order.push_back(sysMenu);
        for (TskActiveSkinObject* o : order) {
            const SIZE s = sizeOf(o, o == sysMenu ? cmSysMenu : cmDefault);
            o->ObjectRect = RECT{x, top, x + s.cx, top + s.cy};
            x += s.cx + NewButtonsOffset;
        }
        if (caption && noButtonsRect)
            caption->ObjectRect.left = x + NewButtonsOffset;
    }
}

void TskFormSkin::PaintNCSkin(HDC DC, bool UseExternalDC)
{
    if (!FSD || FSD->Empty)
        return;
    DefaultFormSize();
    // The skin cannot be composed smaller than its minimum size.
    if (FFormWidth < GetMinWidth() || FFormHeight < GetMinHeight())
        return;
    CalcNewGeometry();
    CalcObjectRects();
    const int w = FFormWidth, h = FFormHeight;
    const bool active = GetFormActive();
    TBitmap* source = active || FSD->FInActivePicture->Empty() ? FSD->FPicture.get() : FSD->FInActivePicture.get();
    const int pw = source->GetWidth(), ph = source->GetHeight();
    TBitmap left, top, right, bottom;
    ComposeFrameBorderImages(FSD->LTPoint, FSD->RTPoint, FSD->LBPoint, FSD->RBPoint, FSD->ClRect, NewLTPoint,
                             NewRTPoint, NewLBPoint, NewRBPoint, NewClRect, &left, &top, &right, &bottom, source,
                             RECT{0, 0, pw, ph}, w, h, FSD->LeftStretch, FSD->TopStretch, FSD->RightStretch,
                             FSD->BottomStretch);
    for (auto& o : ObjectList) {
        if (!o->Visible)
            continue;
        if (o->ObjectRect.bottom <= NewClRect.top) {
            o->Draw(top.Canvas(), false);
        } else {
            const RECT saved = o->ObjectRect;
            OffsetRect(&o->ObjectRect, 0, -NewClRect.bottom);
            o->Draw(bottom.Canvas(), false);
            o->ObjectRect = saved;
        }
    }
    if (!active && FSD->AutoRenderingInActiveImage)
        for (TBitmap* b : {&left, &top, &right, &bottom})
            ApplySkinInActiveEffect(FSD->InActiveEffect, b);
    // The whole frame is put together off-screen and copied once, the client area left out.
    TBitmap frame;
    frame.SetPixelFormat(TPixelFormat::pf32bit);
    frame.SetSize(w, h);
    TCanvas* fc = frame.Canvas();
    fc->Draw(0, 0, &top);
    fc->Draw(0, top.GetHeight(), &left);
    fc->Draw(w - right.GetWidth(), top.GetHeight(), &right);
    fc->Draw(0, h - bottom.GetHeight(), &bottom);
    TFrameDC dc(FForm->GetHandle(), UseExternalDC ? DC : nullptr);
    if (NewClRect.bottom > NewClRect.top)
        ExcludeClipRect(dc.Handle(), NewClRect.left, NewClRect.top, NewClRect.right, NewClRect.bottom);
    BitBlt(dc.Handle(), 0, 0, w, h, fc->GetHandle(), 0, 0, SRCCOPY);
}

void TskFormSkin::CalcDefRects()
{
    if (ObjectList.empty())
        return;
    const int s = GetDefButtonSize();
    int x = FFormWidth - kDefFrameBorder;
    NewDefCaptionRect = RECT{kDefFrameBorder, kDefFrameBorder, x, GetDefCaptionHeight()};
    auto find = [this](TskStdCommand c) -> TskSkinStdButtonObject* {
        for (auto& o : ObjectList)
            if (auto* b = dynamic_cast<TskSkinStdButtonObject*>(o.get()))
                if (b->Command == c && b->Visible && b->SkinRectInAPicture)
                    return b;
        return nullptr;
    };
    for (TskStdCommand c : {cmClose, cmMaximize, cmMinimize, cmRollUp, cmMinimizeToTray})
        if (auto* b = find(c)) {
            b->ObjectRect = RECT{x - s, 4, x, 4 + s};
            x -= s;
        }
    NewDefCaptionRect.right = x;
    x = kDefFrameBorder;
    if (auto* b = find(cmSysMenu)) {
        const SIZE size = FShowIcon ? GetSmallIconSize() : SIZE{s, s};
        b->ObjectRect = RECT{x, 4, x + size.cx, 4 + size.cy};
        NewDefCaptionRect.left = x + size.cx;
    }
}

RECT TskFormSkin::GetDefCaptionRect()
{
    CalcDefRects();
    return NewDefCaptionRect;
}

std::string TskFormSkin::CaptionText()
{
    if (IsMDIForm() && FMDIChildMaximized)
        if (TCustomForm* child = GetMaximizedMDIChild())
            return FForm->GetCaption() + " - [" + child->GetCaption() + "]";
    return FForm->GetCaption();
}

void TskFormSkin::PaintNCDefault(HDC DC, bool UseExternalDC)
{
    if (FSD && FSD->ChangeSkinDataProcess)
        return;
    DefaultFormSize();
    const int w = FFormWidth, h = FFormHeight, b = kDefFrameBorder, ch = GetDefCaptionHeight();
    if (w <= 2 * b || h <= 2 * b)
        return;
    if (ObjectList.empty())
        CreateDefaultObjects();
    CalcDefRects();
    TBitmap image;
    image.SetSize(w - 2 * b, ch);
    TCanvas* c = image.Canvas();
    const int iw = image.GetWidth();
    FillColor(&image, RECT{0, 0, iw, ch}, clBtnFace);
    const int l = NewDefCaptionRect.left - b;
    const int rt = iw - NewDefCaptionRect.right;
    if (ch - 4 > 1)
        for (int y = 2; y <= ch - 4; ++y) {
            c->Pen()->SetColor(y % 2 == 0 ? clBtnHighlight : clBtnShadow);
            c->MoveTo(l + 2, y);
            c->LineTo(iw - rt - 6, y);
        }
    const bool active = GetFormActive();
    c->SetFont(active ? FDefCaptionFont.get() : FDefInActiveCaptionFont.get());
    if (FSD && FSD->ResourceStrData())
        c->Font()->SetCharset(FSD->ResourceStrData()->CharSet());
    if (auto handler = OnCaptionPaint) {
        handler(this, c, RECT{l, 0, iw - rt - 3, ch}, active);
    } else if (std::string text = CaptionText(); !text.empty()) {
        FitWideTextWithEllipsis(c, text, iw - l - rt);
        const int tw = MeasureWideTextWidth(c, text), th = MeasureWideTextHeight(c, text);
        const int x = l + (iw - l - rt) / 2 - (tw + 5) / 2, y = ch / 2 - th / 2;
        RECT tr{x, y, x, y};
        DrawWideStringText(c, text, tr, DT_CALCRECT);
        RECT back = tr;
        InflateRect(&back, 2, 2);
        FillColor(&image, back, clBtnFace);
        c->Brush()->SetStyle(TBrushStyle::bsClear);
        DrawWideStringText(c, text, tr, DT_VCENTER);
        c->Brush()->SetStyle(TBrushStyle::bsSolid);
    }
    for (auto& o : ObjectList) {
        if (!o->Visible)
            continue;
        const RECT saved = o->ObjectRect;
        OffsetRect(&o->ObjectRect, -b, -b);
        o->Draw(c, true);
        o->ObjectRect = saved;
    }
    TFrameDC dc(FForm->GetHandle(), UseExternalDC ? DC : nullptr);
    ExcludeClipRect(dc.Handle(), b, ch + b, w - b, h - b);
    BitBlt(dc.Handle(), b, b, iw, ch, c->GetHandle(), 0, 0, SRCCOPY);
    TCanvas frame;
    frame.SetHandle(dc.Handle());
    RECT r{0, 0, w, h};
    Frame3D(&frame, r, cl3DLight, cl3DDkShadow, 1);
    Frame3D(&frame, r, clBtnHighlight, clBtnShadow, 1);
    Frame3D(&frame, r, clBtnFace, clBtnFace, 1);
    frame.SetHandle(nullptr);
}

void TskFormSkin::PaintBGPicture(HDC DC, TBitmap* Picture, const RECT& Source, bool Stretch, TskStretchType Type,
                                 TColor Face)
{
    RECT client;
    GetClientRect(FForm->GetHandle(), &client);
    const int cw = client.right, chh = client.bottom;
    if (cw <= 0 || chh <= 0)
        return;
    TBitmap bg;
    bg.SetSize(cw, chh);
    TCanvas* c = bg.Canvas();
    // The skin's rectangle is clipped to its picture; a picture part without area paints the
    // plain face colour.
    const RECT bounds{0, 0, Picture ? Picture->GetWidth() : 0, Picture ? Picture->GetHeight() : 0};
    RECT s;
    if (!IntersectRect(&s, &Source, &bounds))
        s = RECT{};
    if (!Picture || RectHasNoArea(s)) {
        FillColor(&bg, RECT{0, 0, cw, chh}, Face);
    } else {
        TBitmap tile;
        tile.SetSize(WidthOfRect(s), HeightOfRect(s));
        tile.Canvas()->CopyRect(RECT{0, 0, tile.GetWidth(), tile.GetHeight()}, Picture->Canvas(), s);
        const int tw = tile.GetWidth(), th = tile.GetHeight();
        if (Stretch && Type == skstFull) {
            c->StretchDraw(RECT{0, 0, FFormWidth, FFormHeight}, &tile);
        } else if (Stretch && Type == skstHorz) {
            TBitmap strip;
            strip.SetSize(tw, FFormHeight);
            strip.Canvas()->StretchDraw(RECT{0, 0, tw, FFormHeight}, &tile);
            for (int i = 0; i <= FFormWidth / tw; ++i)
                c->Draw(i * tw, 0, &strip);
        } else if (Stretch && Type == skstVert) {
            TBitmap strip;
            strip.SetSize(FFormWidth, th);
            strip.Canvas()->StretchDraw(RECT{0, 0, FFormWidth, th}, &tile);
            for (int i = 0; i <= FFormHeight / th; ++i)
                c->Draw(0, i * th, &strip);
        } else {
            for (int y = 0; y <= chh / th; ++y)
                for (int x = 0; x <= cw / tw; ++x)
                    c->Draw(x * tw, y * th, &tile);
        }
    }
    DrawLogo(c->GetHandle());
    BitBlt(DC, 0, 0, cw, chh, c->GetHandle(), 0, 0, SRCCOPY);
}

void TskFormSkin::PaintBG(HDC DC)
{
    if (!DC || !FSD || FSD->Empty)
        return;
    if (RectHasNoArea(FSD->ClRect)) {
        RECT client;
        GetClientRect(FForm->GetHandle(), &client);
        TCanvas c;
        c.SetHandle(DC);
        c.Brush()->SetColor(clBtnFace);
        c.FillRect(client);
        c.SetHandle(nullptr);
        return;
    }
    PaintBGPicture(DC, FSD->FPicture.get(), FSD->ClRect, FSD->StretchEffect, FSD->StretchType);
}

void TskFormSkin::PaintBG2(HDC DC)
{
    if (!DC || !FSD || FSD->Empty)
        return;
    TBitmap* picture = ::SkinPicture(FSD, FSD->BGPictureIndex);
    const RECT whole{0, 0, picture ? picture->GetWidth() : 0, picture ? picture->GetHeight() : 0};
    PaintBGPicture(DC, picture, whole, FSD->StretchEffect, FSD->StretchType);
}

void TskFormSkin::PaintBG3(HDC DC)
{
    if (!DC || !FSD || FSD->Empty)
        return;
    TBitmap* picture = ::SkinPicture(FSD, FSD->MDIBGPictureIndex);
    const RECT whole{0, 0, picture ? picture->GetWidth() : 0, picture ? picture->GetHeight() : 0};
    PaintBGPicture(DC, picture, whole, FSD->MDIBGStretchEffect, FSD->MDIBGStretchType);
}

void TskFormSkin::PaintMDIBGDefault(HDC DC, HWND)
{
    if (DC)
        PaintBGPicture(DC, nullptr, RECT{}, false, skstFull, clAppWorkSpace);
}

void TskFormSkin::PaintBGDefault(HDC DC)
{
    if (!DC)
        return;
    PaintBGPicture(DC, nullptr, RECT{}, false, skstFull);
}

void TskFormSkin::DrawLogo(HDC DC)
{
    if (FLogoBitMap->Empty())
        return;
    if (FLogoBitMap->GetTransparent() != LogoBitMapTransparent)
        FLogoBitMap->SetTransparent(LogoBitMapTransparent);
    RECT client;
    GetClientRect(FForm->GetHandle(), &client);
    const int x = std::max(0, client.right / 2 - FLogoBitMap->GetWidth() / 2);
    const int y = std::max(0, client.bottom / 2 - FLogoBitMap->GetHeight() / 2);
    TCanvas c;
    c.SetHandle(DC);
    c.Draw(x, y, FLogoBitMap.get());
    c.SetHandle(nullptr);
}

void TskFormSkin::SetRegion(HRGN Region)
{
    if (!FForm->HandleAllocated()) {
        if (Region)
            DeleteObject(Region);
        return;
    }
    // The window owns the region from here on.
    SetWindowRgn(FForm->GetHandle(), Region, TRUE);
    FHasRegion = Region != nullptr;
}

void TskFormSkin::UpdateRegion(bool UseEdgeMasks)
{
    if (!FSkinnableForm || NoBorder()) {
        if (FHasRegion)
            SetRegion(nullptr);
        return;
    }
    const bool skin = FSD && !FSD->Empty;
    if (!skin || FSD->FMask->Empty() || IsMaximizedMDIChild()) {
        SetRegion(CreateRectRgn(0, 0, FFormWidth, FFormHeight));
        if (!skin)
            for (auto* m : {RMTop.get(), RMBottom.get(), RMLeft.get(), RMRight.get()})
                m->SetSize(0, 0);
        return;
    }
    if (!UseEdgeMasks) {
        HRGN region = nullptr;
        CreateRegionFromMask(region, FSD->FMask.get());
        if (region)
            SetRegion(region);
        return;
    }
    BuildEdgeMasks(FSD->LTPoint, FSD->RTPoint, FSD->LBPoint, FSD->RBPoint, FSD->MaskRectArea, NewLTPoint,
                   NewRTPoint, NewLBPoint, NewRBPoint, NewMaskRectArea, FSD->FMask.get(), RMTop.get(), RMLeft.get(),
                   RMRight.get(), RMBottom.get(), FFormWidth, FFormHeight);
    auto regionOf = [](TBitmap* mask, int x, int y, bool usable) -> HRGN {
        std::vector<std::uint8_t> data;
        if (!usable || BuildRegionDataFromMask(mask, x, y, data) == 0)
            return nullptr;
        return RegionFromData(data);
    };
    const RECT& a = NewMaskRectArea;
    HRGN parts[] = {regionOf(RMTop.get(), 0, 0, RMTop->GetHeight() > 0),
                    regionOf(RMBottom.get(), 0, a.bottom, RMBottom->GetHeight() > 0),
                    regionOf(RMLeft.get(), 0, a.top, RMLeft->GetWidth() > 0),
                    regionOf(RMRight.get(), a.right, a.top, RMRight->GetWidth() > 0)};
    HRGN region = CreateRectRgn(a.left, a.top, a.right, a.bottom);
    for (HRGN part : parts)
        if (part) {
            CombineRgn(region, region, part, RGN_OR);
            DeleteObject(part);
        }
    SetRegion(region);
}

bool TskFormSkin::PointInFrameShape(POINT P)
{
    const RECT& a = NewMaskRectArea;
    if (InRect(a, P))
        return true;
    TBitmap* mask;
    POINT q = P;
    if (P.y <= a.top) {
        mask = RMTop.get();
    } else if (P.y >= a.bottom) {
        mask = RMBottom.get();
        q.y -= a.bottom;
    } else if (P.x <= a.left) {
        mask = RMLeft.get();
        q.y -= a.top;
    } else {
        mask = RMRight.get();
        q = POINT{P.x - a.right, P.y - a.top};
    }
    // Outside the strip is outside the shape.
    if (q.x < 0 || q.y < 0 || q.x >= mask->GetWidth() || q.y >= mask->GetHeight())
        return false;
    return mask->GetPixelColor(q.x, q.y) == ColorToRGB(BlackColor);
}

void TskFormSkin::UpdateFrame(bool UseEdgeMasks)
{
    if (ComponentState().Contains(csDesigning) || !FSD || FSD->Empty)
        return;
    if (FSkinnableForm) {
        CalcNewGeometry();
        if (UseEdgeMasks)
            CalcObjectRects();
    }
    UpdateRegion(UseEdgeMasks);
    if (!FHasRegion && FSkinnableForm && !NoBorder())
        SendNCPaint();
    if (FSkinSupport && FSD->StretchEffect && FForm->HandleAllocated()) {
        FForm->Invalidate();
        for (int i = 0; i < FForm->ControlCount(); ++i)
            if (auto* child = dynamic_cast<TWinControl*>(FForm->Controls(i)); child && child->HandleAllocated())
                SendMessage(child->GetHandle(), SKM_PARENTBGCHANGED, 0, 0);
    }
}
