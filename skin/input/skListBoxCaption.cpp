// The list box's caption strip: text and glyph, and the up, down and check buttons with their
// auto-repeat.

#include "skin/input/skSkinListBox.h"

#include "classlib/Bitmap.h"
#include "platform/win/Rect.h"
#include "platform/window/User.h"
#include "skin/core/skDrawMarks.h"
#include "skin/core/skSkinImages.h"
#include "skin/core/skUtils.h"
#include "skin/form/skSkinMenus.h"

namespace {

constexpr UINT_PTR kCaptionTimer = 1;
constexpr UINT kFirstRepeat = 500, kRepeat = 100, kResume = 50;

bool HasArea(const RECT& R)
{
    return R.right > R.left && R.bottom > R.top;
}

} // namespace

void TskSkinCustomListBox::SetShowCaptionButtons(bool Value)
{
    if (Value == FShowCaptionButtons)
        return;
    FShowCaptionButtons = Value;
    Invalidate();
}

void TskSkinCustomListBox::SetAlignment(TAlignment Value)
{
    if (Value == FAlignment)
        return;
    FAlignment = Value;
    if (FCaptionMode)
        Invalidate();
}

void TskSkinCustomListBox::SetGlyph(TBitmap* Value)
{
    FGlyph->Assign(Value);
    Invalidate();
}

void TskSkinCustomListBox::SetNumGlyphs(int Value)
{
    FNumGlyphs = Value;
    Invalidate();
}

void TskSkinCustomListBox::SetSpacing(int Value)
{
    FSpacing = Value;
    Invalidate();
}

// --- images ----------------------------------------------------------------------------------

void TskSkinCustomListBox::DrawCaptionContent(TCanvas* C, const RECT& T, int Left, int Right, int Y, int GlyphTop)
{
    const std::string text = GetText();
    const bool glyph = !FGlyph->Empty();
    if (FNumGlyphs == 0)
        FNumGlyphs = 1;
    const int glyphWidth = glyph ? FGlyph->GetWidth() / FNumGlyphs + FSpacing : 0;
    const int cw = C->TextWidth(text) + glyphWidth;
    int x = Left;
    if (FAlignment == TAlignment::taRightJustify)
        x = Right - cw;
    else if (FAlignment == TAlignment::taCenter)
        x = Left + WidthOfRect(T) / 2 - cw / 2;
    const int gx = x;
    x += glyphWidth;
    C->Brush()->SetStyle(TBrushStyle::bsClear);
    C->TextRect(T, x, Y, text);
    if (glyph)
        DrawGlyphFromStrip(C, gx, GlyphTop, FGlyph.get(), FNumGlyphs, !GetEnabled() && FNumGlyphs == 2 ? 2 : 1);
}

void TskSkinCustomListBox::CreateControlDefaultImage(TBitmap* B)
{
    TskSkinCustomControl::CreateControlDefaultImage(B);
    TCanvas* c = B->Canvas();
    const int w = GetWidth();
    const int s = std::min(17, FDefaultCaptionHeight - 3);
    if (CaptionButtonsOn()) {
        Buttons[0].R = RECT{w - s - 2, 2, w - 2, s + 1};
        Buttons[1].R = RECT{Buttons[0].R.left - s, 2, Buttons[0].R.left, s + 1};
        Buttons[2].R = RECT{Buttons[1].R.left - s, 2, Buttons[1].R.left, s + 1};
    }
    c->Brush()->SetColor(clBtnShadow);
    c->FrameRect(RECT{0, 0, w, GetHeight()});
    if (!FCaptionMode)
        return;
    const RECT t = FShowCaptionButtons ? RECT{3, 2, w - 3 * s - 3, FDefaultCaptionHeight - 2}
                                       : RECT{3, 2, w - 2, FDefaultCaptionHeight - 2};
    c->Font()->Assign(FDefaultCaptionFont.get());
    if (FSD && FSD->ResourceStrData())
        c->Font()->SetCharset(FSD->ResourceStrData()->CharSet());
    const int y = (FDefaultCaptionHeight - 2) / 2 - c->TextHeight(GetText()) / 2;
    const int gy = t.top + HeightOfRect(t) / 2 - FGlyph->GetHeight() / 2 - 1;
    DrawCaptionContent(c, t, t.left, t.right, y, gy);
    c->Pen()->SetColor(clBtnShadow);
    c->MoveTo(1, FDefaultCaptionHeight - 1);
    c->LineTo(w - 1, FDefaultCaptionHeight - 1);
    if (FShowCaptionButtons)
        for (int i = 0; i < 3; ++i)
            DrawButton(c, i);
}

RECT TskSkinCustomListBox::MoveButtonRect(const RECT& Q, int DW, int DH) const
{
    RECT r = Q;
    if (LTPt.y >= Q.top) {
        if (Q.left > RTPt.x)
            OffsetRect(&r, DW, 0);
    } else {
        OffsetRect(&r, 0, DH);
        if (Q.left > RBPt.x)
            OffsetRect(&r, DW, 0);
    }
    return r;
}

void TskSkinCustomListBox::CreateControlSkinImage(TBitmap* B)
{
    TskSkinCustomControl::CreateControlSkinImage(B);
    TCanvas* c = B->Canvas();
    const int w = GetWidth(), h = GetHeight();
    const int dw = w - WidthOfRect(SkinRect), dh = h - HeightOfRect(SkinRect);
    if (!FShowCaptionButtons && HasArea(UpButtonRect) && Picture) {
        // The skin's picture shows buttons on its frame: cover them.
        if (HasArea(DisabledButtonsRect)) {
            RECT area = ButtonsArea;
            OffsetRect(&area, dw, 0);
            c->CopyRect(area, Picture->Canvas(), DisabledButtonsRect);
        } else {
            const RECT strip{NewLTPoint.x, 0, NewRTPoint.x, NewClRect.top - 1};
            if (HasArea(strip)) {
                TBitmap aside;
                aside.SetSize(WidthOfRect(strip), HeightOfRect(strip));
                aside.Canvas()->CopyRect(RECT{0, 0, aside.GetWidth(), aside.GetHeight()}, c, strip);
                c->StretchDraw(RECT{NewLTPoint.x, 0, UpButtonRect.right + dw, NewClRect.top - 1}, &aside);
            }
        }
    }
    NewClRect = ClRect;
    NewClRect.right += dw;
    NewClRect.bottom += dh;
    if (!FCaptionMode)
        return;
    NewCaptionRect = CaptionRect;
    if (FShowCaptionButtons) {
        if (CaptionRect.right >= RTPt.x)
            NewCaptionRect.right += dw;
        Buttons[0].R = MoveButtonRect(UpButtonRect, dw, dh);
        Buttons[1].R = MoveButtonRect(DownButtonRect, dw, dh);
        Buttons[2].R = MoveButtonRect(CheckButtonRect, dw, dh);
    } else {
        NewCaptionRect.right = w - CaptionRect.left;
        for (TCaptionButton& b : Buttons)
            b.R = RECT{};
    }
    if (HasArea(CaptionRect)) {
        TFont* f = c->Font();
        f->SetName(CaptionFontName);
        f->SetHeight(CaptionFontHeight);
        f->SetColor(CaptionFontColor);
        f->SetStyle(CaptionFontStyle);
        f->SetCharset(FSD && FSD->ResourceStrData() ? FSD->ResourceStrData()->CharSet()
                                                     : FDefaultCaptionFont->GetCharset());
        const RECT& r = NewCaptionRect;
        const int y = r.top + HeightOfRect(r) / 2 - c->TextHeight(GetText()) / 2;
        const int gy = r.top + HeightOfRect(r) / 2 - FGlyph->GetHeight() / 2;
        DrawCaptionContent(c, r, r.left + 2, r.right - 2, y, gy);
    }
    if (FShowCaptionButtons)
        for (int i = 0; i < 3; ++i)
            DrawButton(c, i);
}

void TskSkinCustomListBox::DrawButton(TCanvas* C, int I)
{
    const TCaptionButton& b = Buttons[static_cast<std::size_t>(I)];
    const RECT& r = b.R;
    if (FIndex == -1) {
        if (b.MouseIn) {
            DrawDefaultHotFace(C, r, b.Down);
        } else {
            C->Brush()->SetColor(clBtnFace);
            C->FillRect(r);
        }
        if (I == 0)
            DrawTriangleArrow(C, r, clBlack, 3);
        else if (I == 1)
            DrawTriangleArrow(C, r, clBlack, 4);
        else
            DrawTickMark(C, r.left + 4, r.top + 4, clBlack);
        return;
    }
    if (!HasArea(r) || !Picture)
        return;
    static constexpr RECT TskSkinCustomListBox::*normal[] = {&TskSkinCustomListBox::UpButtonRect,
                                                             &TskSkinCustomListBox::DownButtonRect,
                                                             &TskSkinCustomListBox::CheckButtonRect};
    static constexpr RECT TskSkinCustomListBox::*hot[] = {&TskSkinCustomListBox::ActiveUpButtonRect,
                                                          &TskSkinCustomListBox::ActiveDownButtonRect,
                                                          &TskSkinCustomListBox::ActiveCheckButtonRect};
    static constexpr RECT TskSkinCustomListBox::*pressed[] = {&TskSkinCustomListBox::DownUpButtonRect,
                                                              &TskSkinCustomListBox::DownDownButtonRect,
                                                              &TskSkinCustomListBox::DownCheckButtonRect};
    RECT src{};
    if (b.Down && b.MouseIn)
        src = this->*pressed[I];
    else if (b.MouseIn)
        src = this->*hot[I];
    if (!HasArea(src)) {
        src = this->*normal[I];
        OffsetRect(&src, SkinRect.left, SkinRect.top);
    }
    C->CopyRect(r, Picture->Canvas(), src);
}

// --- pointer and timer -----------------------------------------------------------------------

void TskSkinCustomListBox::TestActiveButton(int X, int Y)
{
    if ((FIndex != -1 && !HasArea(UpButtonRect) && !HasArea(DownButtonRect)) || !FShowCaptionButtons)
        return;
    OldActiveButton = ActiveButton;
    ActiveButton = -1;
    for (int i = 0; i < 3; ++i)
        if (PtInRect(&Buttons[static_cast<std::size_t>(i)].R, POINT{X, Y})) {
            ActiveButton = i;
            break;
        }
    // While one button is held no other becomes hot.
    if (CaptureButton != -1 && CaptureButton != ActiveButton && ActiveButton != -1)
        ActiveButton = -1;
    if (ActiveButton == OldActiveButton)
        return;
    if (OldActiveButton != -1)
        ButtonLeave(OldActiveButton);
    if (ActiveButton != -1)
        ButtonEnter(ActiveButton);
}

void TskSkinCustomListBox::ButtonEnter(int I)
{
    TCaptionButton& b = Buttons[static_cast<std::size_t>(I)];
    b.MouseIn = true;
    DrawButton(Canvas(), I);
    if (TimerMode != 0 && b.Down)
        SetTimer(GetHandle(), kCaptionTimer, kResume, nullptr);
}

void TskSkinCustomListBox::ButtonLeave(int I)
{
    TCaptionButton& b = Buttons[static_cast<std::size_t>(I)];
    b.MouseIn = false;
    DrawButton(Canvas(), I);
    if (TimerMode != 0 && b.Down)
        KillTimer(GetHandle(), kCaptionTimer);
}

void TskSkinCustomListBox::ButtonDown(int I)
{
    TCaptionButton& b = Buttons[static_cast<std::size_t>(I)];
    b.MouseIn = b.Down = true;
    DrawButton(Canvas(), I);
    const TNotifyEvent* events[] = {&OnUpButtonClick, &OnDownButtonClick, &OnCheckButtonClick};
    if (*events[I])
        return;
    TimerMode = I == 0 ? 1 : I == 1 ? 2 : 0;
    if (TimerMode != 0) {
        WaitMode = true;
        SetTimer(GetHandle(), kCaptionTimer, kFirstRepeat, nullptr);
    }
}

void TskSkinCustomListBox::ButtonUp(int I)
{
    TCaptionButton& b = Buttons[static_cast<std::size_t>(I)];
    b.Down = false;
    if (I != ActiveButton)
        b.MouseIn = false;
    DrawButton(Canvas(), I);
    const TNotifyEvent* events[] = {&OnUpButtonClick, &OnDownButtonClick, &OnCheckButtonClick};
    if (b.MouseIn && *events[I]) {
        auto handler = *events[I];
        handler(this);
    } else if (I == 0) {
        if (GetItemIndex() > 0)
            SetItemIndex(GetItemIndex() - 1);
    } else if (I == 1) {
        SetItemIndex(GetItemIndex() + 1);
    } else {
        ListBoxClick();
    }
    if (TimerMode != 0) {
        KillTimer(GetHandle(), kCaptionTimer);
        TimerMode = 0;
    }
}

void TskSkinCustomListBox::CaptionTimer()
{
    if (WaitMode) {
        WaitMode = false;
        SetTimer(GetHandle(), kCaptionTimer, kRepeat, nullptr);
        return;
    }
    if (TimerMode == 1 && GetItemIndex() >= 1)
        SetItemIndex(GetItemIndex() - 1);
    else if (TimerMode == 2)
        SetItemIndex(GetItemIndex() + 1);
}

void TskSkinCustomListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (CaptionButtonsOn()) {
        TestActiveButton(X, Y);
        if (ActiveButton != -1) {
            CaptureButton = ActiveButton;
            ButtonDown(CaptureButton);
        }
    }
    TskSkinCustomControl::MouseDown(Button, Shift, X, Y);
}

void TskSkinCustomListBox::MouseMove(TShiftState Shift, int X, int Y)
{
    TskSkinCustomControl::MouseMove(Shift, X, Y);
    if (CaptionButtonsOn())
        TestActiveButton(X, Y);
}

void TskSkinCustomListBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (CaptionButtonsOn() && CaptureButton != -1) {
        const int captured = CaptureButton;
        CaptureButton = -1;
        ButtonUp(captured);
    }
    TskSkinCustomControl::MouseUp(Button, Shift, X, Y);
}
