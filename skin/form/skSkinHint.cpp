#include "skin/form/skSkinHint.h"

#include "skin/core/skMonitors.h"
#include "skin/core/skSkinImages.h"
#include "skin/core/skTextUtils.h"
#include "skin/core/skUtils.h"
#include "skin/form/skSkinCtrls.h"

#include "platform/gdi/Gdi.h"
#include "platform/win/Rect.h"
#include "platform/window/User.h"

#include <algorithm>

std::string HintLines(const std::string& Text, const std::string& Separator)
{
    if (Separator.empty())
        return Text;
    std::string r;
    std::size_t from = 0;
    for (std::size_t at; (at = Text.find(Separator, from)) != std::string::npos; from = at + Separator.size()) {
        r.append(Text, from, at - from);
        r += '\n';
    }
    r.append(Text, from, std::string::npos);
    return r;
}

// --- TskSkinHint -----------------------------------------------------------------------------

TskSkinHint::TskSkinHint(TComponent* AOwner) : TComponent(AOwner), FDefaultFont(std::make_unique<TFont>())
{
    HW = new TskSkinHintWindow(this);
    HintTimer = std::make_unique<TTimer>(nullptr);
    HintTimer->SetEnabled(false);
    HintTimer->OnTimer = [this](TObject*) { HintTimerTick(); };
    HintWindowClass = [](TComponent* Owner) -> THintWindow* { return new TskSkinHintWindow(Owner); };
    const bool show = Application->GetShowHint();
    Application->SetShowHint(!show);
    Application->SetShowHint(show);
    InstallShowHint();
    Application->SetHintShortPause(100);
}

TskSkinHint::~TskSkinHint()
{
    *FAlive = false;
}

void TskSkinHint::InstallShowHint()
{
    std::weak_ptr<bool> alive = FAlive;
    Application->OnShowHint = [this, alive](std::string& s, bool& can, THintInfo& info) {
        if (auto a = alive.lock(); a && *a)
            DoShowHint(s, can, info);
    };
}

void TskSkinHint::SetActive(bool Value)
{
    FActive = Value;
    if (!Value)
        return;
    if (TCustomForm* main = Application->MainForm())
        for (int i = 0; i < main->ComponentCount(); ++i)
            if (auto* other = dynamic_cast<TskSkinHint*>(main->Components(i)); other && other != this)
                other->FActive = false;
    InstallShowHint();
}

void TskSkinHint::SetSkinData(TskSkinData* Value)
{
    FSD = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TskSkinHint::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FSD)
        FSD = nullptr;
    if (Operation == TOperation::opRemove && AComponent == HintImageList)
        HintImageList = nullptr;
}

void TskSkinHint::DoShowHint(std::string& HintStr, bool& CanShow, THintInfo& HintInfo)
{
    HintTitle.clear();
    HintImageIndex = 0;
    HintImageList = nullptr;
    if (auto* bound = dynamic_cast<TskSkinBinding*>(HintInfo.HintControl)) {
        HintTitle = bound->GetHintTitle();
        HintImageIndex = bound->GetHintImageIndex();
        HintImageList = bound->GetHintImageList();
    }
    if (auto handler = OnShowHint)
        handler(HintStr, CanShow, HintInfo);
}

void TskSkinHint::ActivateHint(POINT P, const std::string& AHint)
{
    HintTitle.clear();
    HintImageList = nullptr;
    HW->ActivateHint(RECT{P.x, P.y, P.x, P.y}, AHint);
}

void TskSkinHint::ActivateHintEx(POINT P, const std::string& AHintTitle, const std::string& AHint, int AImageIndex,
                                 TCustomImageList* AImageList)
{
    HW->ActivateHintEx(RECT{P.x, P.y, P.x, P.y}, AHintTitle, AHint, AImageIndex, AImageList);
}

void TskSkinHint::StartPending(TPending Kind, const std::string& AHint)
{
    HintTimer->SetEnabled(false);
    HintText = AHint;
    FPending = Kind;
    FShowing = false;
    HintTimer->SetInterval(static_cast<UINT>(std::max(1, Application->GetHintPause())));
    HintTimer->SetEnabled(true);
}

void TskSkinHint::ActivateHint2(const std::string& AHint)
{
    HintTitle.clear();
    HintImageList = nullptr;
    StartPending(TPending::AtCursor, AHint);
}

void TskSkinHint::ActivateHint3(const RECT& AFromRect, const std::string& AHint, bool ATop)
{
    HintTitle.clear();
    HintImageList = nullptr;
    FromRect = AFromRect;
    Top = ATop;
    StartPending(TPending::FromRect, AHint);
}

void TskSkinHint::ActivateHintEx2(const std::string& AHintTitle, const std::string& AHint,
                                  TCustomImageList* AImageList, int AImageIndex)
{
    HintTitle = AHintTitle;
    HintImageList = AImageList;
    HintImageIndex = AImageIndex;
    StartPending(TPending::AtCursorEx, AHint);
}

void TskSkinHint::HintTimerTick()
{
    if (FShowing) {
        HideHint();
        return;
    }
    POINT p{};
    GetCursorPos(&p);
    p.y += GetCursorHeightMargin();
    switch (FPending) {
    case TPending::AtCursor:
        HW->ActivateHint(RECT{p.x, p.y, p.x, p.y}, HintText);
        break;
    case TPending::AtCursorEx:
        HW->ActivateHintEx(RECT{p.x, p.y, p.x, p.y}, HintTitle, HintText, HintImageIndex, HintImageList);
        break;
    case TPending::FromRect:
        HW->ActivateHintFromRect(FromRect, HintText, Top);
        break;
    case TPending::None:
        break;
    }
    FShowing = true;
    HintTimer->SetEnabled(false);
    HintTimer->SetInterval(static_cast<UINT>(std::max(1, Application->GetHintHidePause())));
    HintTimer->SetEnabled(true);
}

void TskSkinHint::HideHint()
{
    HintTimer->SetEnabled(false);
    FPending = TPending::None;
    FShowing = false;
    if (HW->Shown()) {
        HW->HideWindow();
        HintTitle.clear();
        HintImageList = nullptr;
    }
}

bool TskSkinHint::IsVisible() const
{
    return HW->Shown();
}

int TskSkinHint::GetCursorHeightMargin()
{
    HCURSOR c = GetCursor();
    if (!c)
        c = LoadCursor(nullptr, IDC_ARROW);
    return CursorRowsBelowHotSpot(c);
}

// --- TskSkinHintWindow -----------------------------------------------------------------------

TskSkinHintWindow::TskSkinHintWindow(TComponent* AOwner) : THintWindow(AOwner)
{
    FadeTimer = std::make_unique<TTimer>(nullptr);
    FadeTimer->SetEnabled(false);
    FadeTimer->SetInterval(3);
    FadeTimer->OnTimer = [this](TObject*) { FadeStep(); };
}

TskSkinHintWindow::~TskSkinHintWindow()
{
    if (FRgn)
        DeleteObject(FRgn);
}

void TskSkinHintWindow::CreateParams(TCreateParams& Params)
{
    THintWindow::CreateParams(Params);
    Params.Style &= ~static_cast<DWORD>(WS_BORDER);
}

void TskSkinHintWindow::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_NCPAINT:
        return;
    case WM_ERASEBKGND:
        Message.Result = 1;
        return;
    default:
        THintWindow::Dispatch(Message);
    }
}

TskSkinHint* TskSkinHintWindow::FindHintComponent()
{
    TCustomForm* main = Application ? Application->MainForm() : nullptr;
    if (!main)
        return nullptr;
    for (int i = 0; i < main->ComponentCount(); ++i)
        if (auto* h = dynamic_cast<TskSkinHint*>(main->Components(i)); h && h->GetActive())
            return h;
    return nullptr;
}

void TskSkinHintWindow::Prepare(const std::string& AHint)
{
    TskSkinData* sd = FspHint->GetSkinData();
    FSD = sd && !sd->Empty && sd->HintWindow && SkinPicture(sd, sd->HintWindow->WindowPictureIndex) ? sd : nullptr;
    TCanvas* c = Canvas();
    if (FSD)
        AssignSkinFont(c->Font(), FspHint->DefaultFont(), FspHint->UseSkinFont, FSD, FSD->HintWindow->FontName,
                       FSD->HintWindow->FontHeight, FSD->HintWindow->FontStyle);
    else
        AssignSkinFont(c->Font(), FspHint->DefaultFont(), false, sd, {}, 0, {});
    SetCaption(HintLines(AHint, FspHint->LineSeparator));
}

void TskSkinHintWindow::FitSkin(int& W, int& H)
{
    const TskDataSkinHintWindow& d = *FSD->HintWindow;
    TBitmap* pic = SkinPicture(FSD, d.WindowPictureIndex);
    const int pw = pic->GetWidth(), ph = pic->GetHeight();
    int dw = W - pw, dh = H - ph;
    // The right-hand corner pieces never cross the left-hand ones, nor the bottom ones the top.
    if (d.RTPoint.x + dw < d.LTPoint.x) {
        W += d.LTPoint.x - (d.RTPoint.x + dw);
        dw = W - pw;
    }
    if (d.RBPoint.x + dw < d.LBPoint.x) {
        W += d.LBPoint.x - (d.RBPoint.x + dw);
        dw = W - pw;
    }
    if (d.LBPoint.y + dh < d.LTPoint.y) {
        H += d.LTPoint.y - (d.LBPoint.y + dh);
        dh = H - ph;
    }
    if (d.RBPoint.y + dh < d.RTPoint.y) {
        H += d.RTPoint.y - (d.RBPoint.y + dh);
        dh = H - ph;
    }
    NewClRect = RECT{d.ClRect.left, d.ClRect.top, d.ClRect.right + dw, d.ClRect.bottom + dh};
    NewLTPoint = d.LTPoint;
    NewRTPoint = POINT{d.RTPoint.x + dw, d.RTPoint.y};
    NewLBPoint = POINT{d.LBPoint.x, d.LBPoint.y + dh};
    NewRBPoint = POINT{d.RBPoint.x + dw, d.RBPoint.y + dh};
}

SIZE TskSkinHintWindow::CalcHintSize()
{
    RECT r{0, 0, 0, 0};
    DrawWideStringText(Canvas(), GetCaption(), r, DT_CALCRECT);
    int w = r.right, h = r.bottom;
    if (!FSD)
        return SIZE{w + 4, h + 4};
    const TskDataSkinHintWindow& d = *FSD->HintWindow;
    TBitmap* pic = SkinPicture(FSD, d.WindowPictureIndex);
    w += d.ClRect.left + (pic->GetWidth() - d.ClRect.right) + 5;
    h += d.ClRect.top + (pic->GetHeight() - d.ClRect.bottom);
    FitSkin(w, h);
    return SIZE{w, h};
}

SIZE TskSkinHintWindow::CalcHintSizeEx()
{
    RECT r{0, 0, 0, 0};
    DrawWideStringText(Canvas(), GetCaption(), r, DT_CALCRECT);
    int w = r.right, h = r.bottom, th = 0;
    if (!FTitle.empty()) {
        const TFontStyles old = Canvas()->Font()->GetStyle();
        TFontStyles bold = old;
        bold.Include(fsBold);
        Canvas()->Font()->SetStyle(bold);
        RECT t{0, 0, 0, 0};
        DrawWideStringText(Canvas(), FTitle, t, DT_CALCRECT);
        Canvas()->Font()->SetStyle(old);
        th = t.bottom;
        h += th + 10;
        w = std::max(w, static_cast<int>(t.right));
    }
    if (FImageList && FImageIndex >= 0 && FImageIndex < FImageList->Count()) {
        w += FImageList->GetWidth() + 10;
        h = std::max(h, FImageList->GetHeight() + th + 5);
    }
    if (!FSD)
        return SIZE{w + 4, h + 4};
    const TskDataSkinHintWindow& d = *FSD->HintWindow;
    TBitmap* pic = SkinPicture(FSD, d.WindowPictureIndex);
    w += 10 + d.ClRect.left + (pic->GetWidth() - d.ClRect.right);
    h += d.ClRect.top + (pic->GetHeight() - d.ClRect.bottom);
    FitSkin(w, h);
    return SIZE{w, h};
}

void TskSkinHintWindow::Activate(TKind Kind, RECT Rect, const std::string& AHint, bool ATop)
{
    FspHint = FindHintComponent();
    if (!FspHint || !FspHint->GetActive())
        return;
    AExtendedStyle = Kind == TKind::Extended;
    Prepare(AHint);
    const SIZE s = AExtendedStyle ? CalcHintSizeEx() : CalcHintSize();
    int x = Rect.left, y = Rect.top;
    if (Kind == TKind::FromRect) {
        x = Rect.left + WidthOfRect(Rect) / 2 - s.cx / 2;
        y = ATop ? Rect.top - s.cy : Rect.bottom;
    }
    RECT r{x, y, x + s.cx, y + s.cy};
    TCustomForm* form = Screen->ActiveCustomForm();
    if (!form && Application->MainForm() && Application->MainForm()->GetVisible())
        form = Application->MainForm();
    RECT wa{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (form)
        GetMonitorAreaOfWindow(form->GetHandle(), true, wa);
    if (r.right > wa.right)
        OffsetRect(&r, -(s.cx + 2), 0);
    if (r.bottom > wa.bottom)
        OffsetRect(&r, 0, -(s.cy + 2));
    SetBounds(r.left, r.top, s.cx, s.cy);
    HWND h = GetHandle();
    if (FspHint->AlphaBlend != FOldAlphaBlend) {
        LONG_PTR ex = GetWindowLongPtr(h, GWL_EXSTYLE);
        SetWindowLongPtr(h, GWL_EXSTYLE, FspHint->AlphaBlend ? (ex | WS_EX_LAYERED) : (ex & ~WS_EX_LAYERED));
        FOldAlphaBlend = FspHint->AlphaBlend;
    }
    const bool fade = FspHint->AlphaBlend && FspHint->AlphaBlendAnimation;
    if (fade) {
        FAlpha = 0;
        SetLayeredAlpha(h, 0);
    } else if (FspHint->AlphaBlend && FspHint->AlphaBlendValue != FOldAlphaBlendValue) {
        SetLayeredAlpha(h, FspHint->AlphaBlendValue);
    }
    FOldAlphaBlendValue = FspHint->AlphaBlendValue;
    HRGN rgn = nullptr;
    if (FSD && FSD->HintWindow->MaskPictureIndex != -1) {
        const TskDataSkinHintWindow& d = *FSD->HintWindow;
        BuildFrameRegionFromMask(rgn, d.LTPoint, d.RTPoint, d.LBPoint, d.RBPoint, d.ClRect, NewLTPoint, NewRTPoint,
                                 NewLBPoint, NewRBPoint, NewClRect, SkinPicture(FSD, d.MaskPictureIndex), s.cx, s.cy);
    }
    if (rgn || FRgn)
        SetWindowRgn(h, rgn, FALSE);
    if (FRgn)
        DeleteObject(FRgn);
    FRgn = rgn;
    SetWindowPos(h, HWND_TOPMOST, r.left, r.top, 0, 0, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
    FShown = true;
    Invalidate();
    if (fade)
        FadeTimer->SetEnabled(true);
}

void TskSkinHintWindow::FadeStep()
{
    if (!FspHint || !FShown) {
        FadeTimer->SetEnabled(false);
        return;
    }
    const int target = FspHint->AlphaBlendValue;
    FAlpha = std::min(target, FAlpha + std::max(1, target / 15));
    SetLayeredAlpha(GetHandle(), FAlpha);
    if (FAlpha >= target)
        FadeTimer->SetEnabled(false);
}

void TskSkinHintWindow::ActivateHint(RECT Rect, const std::string& AHint)
{
    TskSkinHint* h = FindHintComponent();
    if (h && (!h->HintTitle.empty() || h->HintImageList)) {
        ActivateHintEx(Rect, h->HintTitle, AHint, h->HintImageIndex, h->HintImageList);
        return;
    }
    Activate(TKind::Plain, Rect, AHint, false);
}

void TskSkinHintWindow::ActivateHintEx(RECT Rect, const std::string& AHintTitle, const std::string& AHint,
                                       int AImageIndex, TCustomImageList* AImageList)
{
    FTitle = AHintTitle;
    FImageIndex = AImageIndex;
    FImageList = AImageList;
    Activate(TKind::Extended, Rect, AHint, false);
}

void TskSkinHintWindow::ActivateHintFromRect(const RECT& ARect, const std::string& AHint, bool ATop)
{
    Activate(TKind::FromRect, ARect, AHint, ATop);
}

void TskSkinHintWindow::HideWindow()
{
    FadeTimer->SetEnabled(false);
    if (HandleAllocated())
        SetWindowPos(GetHandle(), nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE);
    FShown = false;
}

void TskSkinHintWindow::Paint()
{
    if (!FspHint)
        return;
    const int w = GetWidth(), h = GetHeight();
    TBitmap buffer;
    TCanvas* c = buffer.Canvas();
    if (FSD) {
        const TskDataSkinHintWindow& d = *FSD->HintWindow;
        TBitmap* pic = SkinPicture(FSD, d.WindowPictureIndex);
        ComposeNineSliceImage2(d.LTPoint, d.RTPoint, d.LBPoint, d.RBPoint, d.ClRect, NewLTPoint, NewRTPoint,
                               NewLBPoint, NewRBPoint, NewClRect, &buffer, pic,
                               RECT{0, 0, pic->GetWidth(), pic->GetHeight()}, w, h, true, d.LeftStretch, d.TopStretch,
                               d.RightStretch, d.BottomStretch, d.StretchEffect, d.StretchType);
        if (buffer.GetWidth() != w || buffer.GetHeight() != h)
            buffer.SetSize(w, h);
        AssignSkinFont(c->Font(), FspHint->DefaultFont(), FspHint->UseSkinFont, FSD, d.FontName, d.FontHeight,
                       d.FontStyle);
        c->Font()->SetColor(d.FontColor);
    } else {
        buffer.SetSize(w, h);
        c->Brush()->SetColor(clInfoBk);
        c->FillRect(RECT{0, 0, w, h});
        c->Brush()->SetColor(clBtnShadow);
        c->FrameRect(RECT{0, 0, w, h});
        AssignSkinFont(c->Font(), FspHint->DefaultFont(), false, FspHint->GetSkinData(), {}, 0, {});
        c->Font()->SetColor(clInfoText);
    }
    c->Brush()->SetStyle(TBrushStyle::bsClear);
    const std::string text = GetCaption();
    const RECT area = FSD ? NewClRect : RECT{2, 2, w - 2, h - 2};
    RECT m{0, 0, 0, 0};
    DrawWideStringText(c, text, m, DT_CALCRECT);
    if (!AExtendedStyle) {
        if (FSD) {
            const int x = area.left + WidthOfRect(area) / 2 - m.right / 2;
            const int y = area.top + HeightOfRect(area) / 2 - m.bottom / 2;
            RECT r{x, y, x + m.right, y + m.bottom};
            DrawWideStringText(c, text, r, 0);
        } else {
            RECT r = area;
            DrawWideStringText(c, text, r, 0);
        }
    } else {
        const int left = FSD ? area.left + 5 : area.left;
        int t = 0;
        if (!FTitle.empty()) {
            TFontStyles bold = c->Font()->GetStyle();
            const TFontStyles old = bold;
            bold.Include(fsBold);
            c->Font()->SetStyle(bold);
            RECT tr{0, 0, 0, 0};
            DrawWideStringText(c, FTitle, tr, DT_CALCRECT);
            RECT at{left, area.top, left + tr.right, area.top + tr.bottom};
            DrawWideStringText(c, FTitle, at, 0);
            c->Font()->SetStyle(old);
            t = tr.bottom + 5;
        }
        int textLeft = left;
        if (FImageList && FImageIndex >= 0 && FImageIndex < FImageList->Count()) {
            const int iy = t ? area.top + t : area.top + HeightOfRect(area) / 2 - FImageList->GetHeight() / 2;
            FImageList->Draw(c, left, iy, FImageIndex);
            textLeft = left + FImageList->GetWidth() + 5;
        }
        const int ty = t ? area.top + t : area.top + HeightOfRect(area) / 2 - m.bottom / 2;
        RECT r{textLeft, ty, std::max(static_cast<int>(area.right), textLeft + static_cast<int>(m.right)),
               ty + m.bottom};
        DrawWideStringText(c, text, r, 0);
    }
    Canvas()->Draw(0, 0, &buffer);
}
