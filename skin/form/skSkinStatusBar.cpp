#include "skin/form/skSkinStatusBar.h"

#include "classlib/Bitmap.h"
#include "classlib/Forms.h"
#include "platform/win/Rect.h"
#include "platform/window/User.h"
#include "skin/core/skUtils.h"

TskSkinStatusBar::TskSkinStatusBar(TComponent* AOwner) : TskSkinPanel(AOwner)
{
    SetSkinDataName("statusbar");
    SetAlign(TAlign::alBottom);
    SetHeight(21);
    SetBorderStyle(bvNone);
    SetForcebackGround(false);
}

void TskSkinStatusBar::SetSizeGrip(bool Value)
{
    FSizeGrip = Value;
    Invalidate();
    Realign();
}

void TskSkinStatusBar::SetShowGrip(bool Value)
{
    FShowGrip = Value;
    Invalidate();
    Realign();
}

void TskSkinStatusBar::SetSkinData(TskSkinData* Value)
{
    TskSkinPanel::SetSkinData(Value);
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* c = dynamic_cast<TskSkinControl*>(Controls(i)))
            c->SetSkinData(Value);
}

void TskSkinStatusBar::LookupSkinData()
{
    TskSkinPanel::LookupSkinData();
    if (const auto* d = Description<TskDataSkinPanelControl>()) {
        GripperRect = d->GripperRect;
        GripperTransparent = d->GripperTransparent;
        GripperTransparentColor = d->GripperTransparentColor;
    }
}

bool TskSkinStatusBar::SkinGrip() const
{
    return FIndex != -1 && Picture && !RectHasNoArea(GripperRect);
}

void TskSkinStatusBar::AdjustClientRect(RECT& Rect)
{
    TskSkinPanel::AdjustClientRect(Rect);
    if (!GripShown())
        return;
    Rect.right -= SkinGrip() ? GripperRect.right - GripperRect.left : Rect.bottom - Rect.top;
}

RECT TskSkinStatusBar::GripRect()
{
    const RECT r = GetSkinClientRect();
    if (SkinGrip())
        return RECT{r.right, r.bottom - (GripperRect.bottom - GripperRect.top), r.right + GripperRect.right - GripperRect.left,
                    r.bottom};
    return RECT{r.right + 2, r.top, r.right + (r.bottom - r.top), r.bottom - 2};
}

void TskSkinStatusBar::DrawGrip(TCanvas* Canvas)
{
    if (!GripShown())
        return;
    const RECT g = GripRect();
    if (SkinGrip()) {
        TBitmap grip;
        grip.SetSize(GripperRect.right - GripperRect.left, GripperRect.bottom - GripperRect.top);
        grip.Canvas()->CopyRect(RECT{0, 0, grip.GetWidth(), grip.GetHeight()}, Picture->Canvas(), GripperRect);
        if (GripperTransparent) {
            grip.SetTransparentMode(TTransparentMode::tmFixed);
            grip.SetTransparentColor(GripperTransparentColor);
            grip.SetTransparent(true);
        }
        Canvas->Draw(g.left, g.top, &grip);
        return;
    }
    const bool described = FIndex != -1 && FSD && FSD->SkinColors();
    const TColor light = described ? FSD->SkinColors()->cBtnHighLight() : clBtnHighlight;
    const TColor dark = described ? FSD->SkinColors()->cBtnShadow() : clBtnShadow;
    const int w = g.right - g.left;
    for (int b = 3, pairs = 0; g.left + b + 2 <= g.right && pairs <= w / 3; b += 3, ++pairs) {
        Canvas->Pen()->SetColor(dark);
        Canvas->MoveTo(g.left + b, g.bottom);
        Canvas->LineTo(g.right, g.top + b);
        Canvas->Pen()->SetColor(light);
        Canvas->MoveTo(g.left + b + 1, g.bottom);
        Canvas->LineTo(g.right, g.top + b + 1);
    }
}

void TskSkinStatusBar::CreateControlDefaultImage(TBitmap* B)
{
    TskSkinPanel::CreateControlDefaultImage(B);
    DrawGrip(B->Canvas());
}

void TskSkinStatusBar::CreateControlSkinImage(TBitmap* B)
{
    TskSkinPanel::CreateControlSkinImage(B);
    DrawGrip(B->Canvas());
}

void TskSkinStatusBar::DoPanelPaint(TCanvas* Cnvs)
{
    TskSkinPanel::DoPanelPaint(Cnvs);
    DrawGrip(Cnvs);
}

void TskSkinStatusBar::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_NCHITTEST: {
        if (ComponentState().Contains(csDesigning) || !GripShown())
            break;
        const POINT p = ScreenToClient(POINT{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)});
        const RECT g = GripRect();
        const bool inside = p.x >= g.left && p.x <= g.right && p.y >= g.top && p.y <= g.bottom;
        Message.Result = inside ? HTBOTTOMRIGHT : HTCLIENT;
        return;
    }
    case WM_NCLBUTTONDOWN:
        // The grip sizes the form, not the bar (the default handling would size the bar's window).
        if (Message.WParam == static_cast<WPARAM>(HTBOTTOMRIGHT)) {
            if (TCustomForm* form = GetParentForm(this); form && form->HandleAllocated())
                SendMessage(form->GetHandle(), WM_SYSCOMMAND, SC_SIZE | WMSZ_BOTTOMRIGHT, Message.LParam);
            return;
        }
        break;
    default: break;
    }
    TskSkinPanel::Dispatch(Message);
}
