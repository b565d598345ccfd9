// TskSkinCustomEdit's look: description lookup, geometry, frame, client background, image
// buttons and the disabled text.

#include "skin/input/skSkinEdits.h"

#include "classlib/Bitmap.h"
#include "platform/gdi/Gdi.h"
#include "platform/win/Rect.h"
#include "platform/window/User.h"
#include "skin/core/skDataSkinControls.h"
#include "skin/core/skSkinImages.h"
#include "skin/form/skSkinCtrls.h"

namespace {

int W(const RECT& r) { return r.right - r.left; }
int H(const RECT& r) { return r.bottom - r.top; }
bool Empty(const RECT& r) { return W(r) <= 0 || H(r) <= 0; }

void Blit(HDC dc, int x, int y, TBitmap* b)
{
    BitBlt(dc, x, y, b->GetWidth(), b->GetHeight(), b->Canvas()->GetHandle(), 0, 0, SRCCOPY);
}

std::unique_ptr<TBitmap> NewBitmap(int w, int h)
{
    auto b = std::make_unique<TBitmap>();
    b->SetPixelFormat(TPixelFormat::pf24bit);
    b->SetSize(std::max(w, 0), std::max(h, 0));
    return b;
}

void CopyPiece(TBitmap* target, const RECT& dest, TBitmap* source, const RECT& src)
{
    if (source && !Empty(src) && !Empty(dest))
        target->Canvas()->CopyRect(dest, source->Canvas(), src);
}

} // namespace

void TskSkinCustomEdit::lookup()
{
    if (!FSD) {
        FIndex = -1;
        return;
    }
    FIndex = FSD->Empty ? -1 : FSD->GetControlIndex(FSkinDataName);
    if (FIndex == -1)
        return;
    auto* d = dynamic_cast<TskDataSkinEditControl*>(FSD->CtrlList[static_cast<std::size_t>(FIndex)].get());
    if (!d) {
        // Another kind of description under that name counts as none.
        FIndex = -1;
        return;
    }
    Picture = SkinPicture(FSD, d->PictureIndex);
    SkinRect = d->SkinRect;
    ActiveSkinRect = Empty(d->ActiveSkinRect) ? d->SkinRect : d->ActiveSkinRect;
    LOffset = d->LTPoint.x;
    ROffset = W(SkinRect) - d->RTPoint.x;
    ClRect = d->ClRect;
    FontName = d->FontName;
    FontStyle = d->FontStyle;
    FontHeight = d->FontHeight;
    FontColor = d->FontColor;
    DisabledFontColor = d->DisabledFontColor;
    ActiveFontColor = d->ActiveFontColor;
    ButtonRect = d->ButtonRect;
    ActiveButtonRect = d->ActiveButtonRect;
    DownButtonRect = Empty(d->DownButtonRect) ? d->ActiveButtonRect : d->DownButtonRect;
    UnEnabledButtonRect = d->UnEnabledButtonRect;
    StretchEffect = d->StretchEffect;
    if (!Picture)
        FIndex = -1;
}

void TskSkinCustomEdit::calcRects()
{
    const int w = FWidth, h = FHeight;
    if (FIndex == -1) {
        if (FButtonMode) {
            FButtonRect = RECT{w - h, 0, w, h};
            FEditRect = RECT{2, 2, FButtonRect.left - 2, h - 2};
        } else {
            FEditRect = RECT{2, 2, w - 2, h - 2};
        }
        return;
    }
    const int dw = w - W(SkinRect);
    FEditRect = ClRect;
    FEditRect.right += dw;
    FButtonRect = ButtonRect;
    if (ButtonRect.left >= W(SkinRect) - ROffset)
        OffsetRect(&FButtonRect, dw, 0);
    if (!FUseSkinFont) {
        FEditRect.bottom += h - H(SkinRect);
        FButtonRect.bottom += h - H(SkinRect);
    }
}

int TskSkinCustomEdit::fontHeight()
{
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, Font()->GetHandle());
    TEXTMETRIC tm{};
    GetTextMetrics(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    lookup();
    return tm.tmHeight + (FIndex == -1 ? 4 : H(SkinRect) - H(ClRect));
}

void TskSkinCustomEdit::layoutImageButtons(bool SetFormattingRect)
{
    if (!FImages)
        return;
    LeftButton.R = RightButton.R = RECT{};
    RECT r{0, 0, std::max(W(FEditRect), 0), std::max(H(FEditRect), 0)};
    if (HandleAllocated())
        ::GetClientRect(FHandle, &r);
    const int iw = FImages->GetWidth();
    if (FLeftImageIndex >= 0) {
        LeftButton.R = RECT{r.left, r.top, r.left + iw, r.bottom};
        r.left += iw + 2;
    }
    if (FRightImageIndex >= 0) {
        RightButton.R = RECT{r.right - iw, r.top, r.right, r.bottom};
        r.right -= iw + 2;
    }
    if (SetFormattingRect && HandleAllocated())
        SendMessage(FHandle, EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&r));
}

void TskSkinCustomEdit::drawImageButtons(TCanvas* C)
{
    if (!FImages)
        return;
    const int count = FImages->Count();
    auto valid = [count](int i) { return i >= 0 && i < count; };
    const struct {
        const TskCBButtonX& b;
        int normal, hot, down;
    } sides[] = {{LeftButton, FLeftImageIndex, LeftImageHotIndex, LeftImageDownIndex},
                 {RightButton, FRightImageIndex, RightImageHotIndex, RightImageDownIndex}};
    for (const auto& s : sides) {
        if (!valid(s.normal))
            continue;
        int index = s.normal;
        if (s.b.Down && s.b.MouseIn && valid(s.down))
            index = s.down;
        else if (s.b.MouseIn && valid(s.hot))
            index = s.hot;
        const int y = std::max<int>(s.b.R.top, s.b.R.top + H(s.b.R) / 2 - FImages->GetHeight() / 2);
        FImages->Draw(C, s.b.R.left, y, index, GetEnabled());
    }
}

void TskSkinCustomEdit::paintDefaultFrame(TBitmap* B)
{
    TCanvas* c = B->Canvas();
    const int a = FButtonMode ? FWidth - FButtonRect.left : 0;
    RECT r{0, 0, FWidth - a, FHeight};
    c->Brush()->SetColor(clBtnShadow);
    c->FrameRect(r);
    InflateRect(&r, -1, -1);
    c->Brush()->SetColor(clBtnFace);
    c->FrameRect(r);
    InflateRect(&r, -1, -1);
    c->Brush()->SetColor(FDefaultColor);
    c->FillRect(r);
    if (!FButtonMode)
        return;
    TColor frame = clBtnShadow, fill = clBtnFace;
    if (FButtonDown && FButtonActive)
        frame = static_cast<TColor>(RGB(0, 0, 128)), fill = static_cast<TColor>(RGB(133, 147, 181));
    else if (FButtonActive)
        frame = static_cast<TColor>(RGB(0, 0, 128)), fill = static_cast<TColor>(RGB(182, 189, 210));
    RECT b = FButtonRect;
    c->Brush()->SetColor(frame);
    c->FrameRect(b);
    InflateRect(&b, -1, -1);
    c->Brush()->SetColor(fill);
    c->FillRect(b);
}

void TskSkinCustomEdit::paintEditButton(TBitmap* B)
{
    int i = FSD->GetControlIndex("editbutton");
    if (i < 0)
        i = FSD->GetControlIndex("resizebutton");
    auto* d = i < 0 ? nullptr : dynamic_cast<TskDataSkinButtonControl*>(FSD->CtrlList[static_cast<std::size_t>(i)].get());
    TBitmap* picture = d ? SkinPicture(FSD, d->PictureIndex) : nullptr;
    if (!picture || Empty(FButtonRect))
        return;
    RECT active = Empty(d->ActiveSkinRect) ? d->SkinRect : d->ActiveSkinRect;
    RECT down = Empty(d->DownSkinRect) ? active : d->DownSkinRect;
    const RECT src = FButtonDown && FButtonActive ? down : FButtonActive ? active : d->SkinRect;
    const int dw = W(FButtonRect) - W(src), dh = H(FButtonRect) - H(src);
    RECT nc = d->ClRect;
    nc.right += dw;
    nc.bottom += dh;
    auto image = NewBitmap(W(FButtonRect), H(FButtonRect));
    ComposeNineSliceImage(d->LTPoint, d->RTPoint, d->LBPoint, d->RBPoint, d->ClRect, d->LTPoint,
                          POINT{d->RTPoint.x + dw, d->RTPoint.y}, POINT{d->LBPoint.x, d->LBPoint.y + dh},
                          POINT{d->RBPoint.x + dw, d->RBPoint.y + dh}, nc, image.get(), picture, src, W(FButtonRect),
                          H(FButtonRect), true, d->LeftStretch, d->TopStretch, d->RightStretch, d->BottomStretch,
                          d->StretchEffect, d->StretchType);
    B->Canvas()->Draw(FButtonRect.left, FButtonRect.top, image.get());
}

void TskSkinCustomEdit::paintFrameImage(TBitmap* B)
{
    if (FIndex == -1) {
        paintDefaultFrame(B);
        return;
    }
    const RECT s = active() ? ActiveSkinRect : SkinRect;
    if (FUseSkinFont) {
        auto band = NewBitmap(0, 0);
        BuildHorzBandImage(LOffset, ROffset, band.get(), Picture, s, FWidth, H(s), StretchEffect);
        B->Canvas()->Draw(0, 0, band.get());
        if (FButtonMode) {
            RECT state{};
            if (!GetEnabled() && !Empty(UnEnabledButtonRect))
                state = UnEnabledButtonRect;
            else if (FButtonDown && FButtonActive)
                state = DownButtonRect;
            else if (FButtonActive)
                state = ActiveButtonRect;
            CopyPiece(B, FButtonRect, Picture, state);
        }
        return;
    }
    ComposeNineSliceFromClientRect(B, Picture, s, ClRect, false);
    if (FButtonMode)
        paintEditButton(B);
}

void TskSkinCustomEdit::paintFrame(HDC DC, bool Clip)
{
    lookup();
    calcRects();
    if (FWidth <= 0 || FHeight <= 0 || !DC)
        return;
    const int saved = SaveDC(DC);
    if (Clip)
        ExcludeClipRect(DC, FEditRect.left, FEditRect.top, FEditRect.right, FEditRect.bottom);
    auto image = NewBitmap(FWidth, FHeight);
    paintFrameImage(image.get());
    Blit(DC, 0, 0, image.get());
    RestoreDC(DC, saved);
}

void TskSkinCustomEdit::eraseBackground(HDC DC)
{
    lookup();
    calcRects();
    if (!DC)
        return;
    if (!Empty(FEditRect)) {
        TCanvas canvas;
        canvas.SetHandle(DC);
        const RECT client{0, 0, W(FEditRect), H(FEditRect)};
        if (FIndex == -1) {
            canvas.Brush()->SetColor(FDefaultColor);
            canvas.FillRect(client);
        } else {
            const RECT s = active() ? ActiveSkinRect : SkinRect;
            const RECT src{s.left + ClRect.left, s.top + ClRect.top, s.left + ClRect.right, s.top + ClRect.bottom};
            auto band = NewBitmap(0, 0);
            BuildHorzBandImage(std::max(0, LOffset - ClRect.left), std::max(0, ClRect.right + ROffset - W(SkinRect)),
                               band.get(), Picture, src, W(FEditRect), H(src), StretchEffect);
            if (FUseSkinFont)
                canvas.Draw(0, 0, band.get());
            else
                canvas.StretchDraw(client, band.get());
        }
        layoutImageButtons(false);
        drawImageButtons(&canvas);
        canvas.SetHandle(nullptr);
    }
    // The text over the background, in the same pass.
    SendMessage(FHandle, WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
    FStopDraw = true;
}

void TskSkinCustomEdit::paintClient(TMessage& Message)
{
    if (FStopDraw) {
        if (!Message.WParam) {
            PAINTSTRUCT ps;
            BeginPaint(FHandle, &ps);
            EndPaint(FHandle, &ps);
        }
        FStopDraw = false;
        return;
    }
    if (GetEnabled()) {
        FStopDraw = true;
        TskCustomEdit::Dispatch(Message);
        FStopDraw = false;
        return;
    }
    PAINTSTRUCT ps;
    HDC dc = reinterpret_cast<HDC>(Message.WParam);
    const bool own = dc == nullptr;
    if (own)
        dc = BeginPaint(FHandle, &ps);
    paintDisabledText(dc);
    if (own)
        EndPaint(FHandle, &ps);
}

void TskSkinCustomEdit::paintDisabledText(HDC DC)
{
    if (!DC)
        return;
    lookup();
    calcRects();
    TCanvas canvas;
    canvas.SetHandle(DC);
    TFont* font = canvas.Font();
    if (FIndex != -1 && FUseSkinFont) {
        font->SetName(FontName);
        font->SetHeight(FontHeight);
        font->SetStyle(FontStyle);
        font->SetColor(DisabledFontColor);
    } else {
        font->Assign(FDefaultFont.get());
        font->SetColor(FIndex == -1 ? clGrayText : DisabledFontColor);
    }
    font->SetCharset(FSD && FSD->ResourceStrData() ? FSD->ResourceStrData()->CharSet() : FDefaultFont->GetCharset());
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    const RECT area{0, 0, W(FEditRect), H(FEditRect)};
    const std::string text = GetText();
    const int tw = canvas.TextWidth(text);
    int x = 2;
    if (FAlignment == TAlignment::taRightJustify)
        x = W(area) - tw - 1;
    else if (FAlignment == TAlignment::taCenter)
        x = W(area) / 2 - tw / 2;
    canvas.TextRect(area, x, 0, text);
    canvas.SetHandle(nullptr);
}

void TskSkinCustomEdit::PaintSkinTo(TCanvas* C, int X, int Y, const std::string& AText)
{
    if (!C || FWidth <= 0 || FHeight <= 0)
        return;
    lookup();
    calcRects();
    auto image = NewBitmap(FWidth, FHeight);
    TFont* font = image->Canvas()->Font();
    if (FIndex == -1) {
        paintDefaultFrame(image.get());
        font->Assign(FDefaultFont.get());
    } else if (FUseSkinFont) {
        auto band = NewBitmap(0, 0);
        BuildHorzBandImage(LOffset, ROffset, band.get(), Picture, SkinRect, FWidth, H(SkinRect), StretchEffect);
        image->Canvas()->Draw(0, 0, band.get());
        font->SetName(FontName);
        font->SetHeight(FontHeight);
        font->SetColor(FontColor);
        font->SetStyle(FontStyle);
    } else {
        const bool keepMouse = FMouseIn;
        ComposeNineSliceFromClientRect(image.get(), Picture, SkinRect, ClRect, true);
        if (FButtonMode)
            paintEditButton(image.get());
        FMouseIn = keepMouse;
        font->Assign(FDefaultFont.get());
    }
    font->SetCharset(FSD && FSD->ResourceStrData() ? FSD->ResourceStrData()->CharSet() : FDefaultFont->GetCharset());
    RECT r = FEditRect;
    if (FImages) {
        if (FLeftImageIndex >= 0)
            r.left += FImages->GetWidth() + 2;
        if (FRightImageIndex >= 0)
            r.right -= FImages->GetWidth() + 2;
    }
    TCanvas* c = image->Canvas();
    c->Brush()->SetStyle(TBrushStyle::bsClear);
    const int tw = c->TextWidth(AText);
    int x = r.left + 2;
    if (FAlignment == TAlignment::taRightJustify)
        x = r.right - tw;
    else if (FAlignment == TAlignment::taCenter)
        x = r.left + 2 + W(r) / 2 - tw / 2;
    c->TextRect(r, x, r.top, AText);
    C->Draw(X, Y, image.get());
}
