// The skinned labels: a class-library label with the skin's font and ellipses, and a multi-line
// label over a list of lines.

#include "skin/form/skSkinCtrls.h"

#include "platform/win/Rect.h"
#include "platform/window/User.h"

#include <algorithm>

TskLabelSkin::TskLabelSkin() : FDefaultFont(std::make_unique<TFont>())
{
    FDefaultFont->SetName("Arial");
    FDefaultFont->SetHeight(14);
}

TskLabelSkin::~TskLabelSkin() = default;

void TskLabelSkin::LookupLabelSkin()
{
    FIndex = FindDescription();
    if (auto* d = Description<TskDataSkinStdLabelControl>()) {
        FontName = d->FontName;
        FontStyle = d->FontStyle;
        FontHeight = d->FontHeight;
        FontColor = d->FontColor;
    }
}

void TskLabelSkin::ApplyLabelFont(TCanvas* Canvas, TFont* Font)
{
    TFont* f = Canvas->Font();
    if (FIndex == -1) {
        f->Assign(FUseSkinFont ? FDefaultFont.get() : Font);
    } else {
        if (FUseSkinFont) {
            f->SetName(FontName);
            f->SetStyle(FontStyle);
            f->SetHeight(FontHeight);
        } else {
            f->Assign(Font);
        }
        f->SetColor(FUseSkinColor ? FontColor : Font->GetColor());
    }
    if (FSD != nullptr && FSD->ResourceStrData() != nullptr)
        f->SetCharset(FSD->ResourceStrData()->CharSet());
    else
        f->SetCharset(FDefaultFont->GetCharset());
}

void TskLabelSkin::DrawLabelText(TCanvas* Canvas, const std::string& Text, RECT& R, UINT Flags, bool Enabled)
{
    if (!Enabled) {
        const bool skinned = FIndex != -1;
        RECT shifted = R;
        OffsetRect(&shifted, 1, 1);
        Canvas->Font()->SetColor(skinned ? FSD->SkinColors()->cBtnHighLight() : clBtnHighlight);
        Canvas->TextRect(shifted, Text, Flags);
        Canvas->Font()->SetColor(skinned ? FSD->SkinColors()->cBtnShadow() : clBtnShadow);
    }
    Canvas->TextRect(R, Text, Flags);
}

// ---------------------------------------------------------------------------------------------

TskSkinStdLabel::TskSkinStdLabel(TComponent* AOwner) : TCustomLabel(AOwner)
{
    FSkinDataName = "stdlabel";
    SetTransparent(true);
}

void TskSkinStdLabel::SetSkinData(TskSkinData* Value)
{
    FSD = Value;
    if (Value == nullptr)
        return;
    Value->FreeNotification(this);
    ChangeSkinData();
}

void TskSkinStdLabel::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomLabel::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FSD)
        FSD = nullptr;
}

void TskSkinStdLabel::ChangeSkinData()
{
    LookupLabelSkin();
    if (GetAutoSize())
        AdjustBounds();
    Invalidate();
}

void TskSkinStdLabel::SetEllipsType(TskEllipsType Value)
{
    if (Value == FEllipsType)
        return;
    FEllipsType = Value;
    Invalidate();
}

UINT TskSkinStdLabel::SkinTextFlags() const
{
    static const UINT alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    static const UINT ellipses[] = {0, DT_END_ELLIPSIS, DT_PATH_ELLIPSIS};
    UINT flags = DT_EXPANDTABS | alignments[static_cast<int>(GetAlignment())] | ellipses[FEllipsType];
    if (GetWordWrap())
        flags |= DT_WORDBREAK | DT_EDITCONTROL;
    if (!GetShowAccelChar())
        flags |= DT_NOPREFIX;
    return flags;
}

void TskSkinStdLabel::DrawText(TCanvas* Canvas, const std::string& Text, RECT& Rect, bool Measure)
{
    LookupLabelSkin();
    ApplyLabelFont(Canvas, Font());
    const UINT flags = SkinTextFlags();
    if (Measure) {
        const bool blank = Text.empty() || (Text == "&" && GetShowAccelChar());
        Canvas->TextRect(Rect, blank ? Text + " " : Text, flags | DT_CALCRECT);
        return;
    }
    DrawLabelText(Canvas, Text, Rect, flags, GetEnabled());
}

void TskSkinStdLabel::DoDrawText(TCanvas* Canvas, RECT& Rect, UINT Flags)
{
    DrawText(Canvas, GetCaption(), Rect, (Flags & DT_CALCRECT) != 0);
}

void TskSkinStdLabel::PaintSkinTo(TCanvas* C, int X, int Y, const std::string& AText)
{
    RECT r{X, Y, X + FWidth, Y + FHeight};
    if (!GetTransparent()) {
        C->Brush()->SetStyle(TBrushStyle::bsSolid);
        C->Brush()->SetColor(GetColor());
        C->FillRect(r);
    }
    C->Brush()->SetStyle(TBrushStyle::bsClear);
    if (GetLayout() != TTextLayout::tlTop) {
        RECT calc = r;
        DrawText(C, AText, calc, true);
        const int h = calc.bottom - calc.top;
        r.top = GetLayout() == TTextLayout::tlBottom ? r.bottom - h : r.top + (FHeight - h) / 2;
    }
    DrawText(C, AText, r, false);
}

// ---------------------------------------------------------------------------------------------

TskSkinTextLabel::TskSkinTextLabel(TComponent* AOwner)
    : TGraphicControl(AOwner), FLines(std::make_unique<TStringList>())
{
    FSkinDataName = "stdlabel";
    FControlStyle >> csOpaque;
    SetBounds(0, 0, 65, 65);
    FLines->OnChange = [this](TObject*) {
        AdjustBounds();
        Invalidate();
    };
}

TskSkinTextLabel::~TskSkinTextLabel()
{
    FLines->OnChange = nullptr;
}

void TskSkinTextLabel::SetSkinData(TskSkinData* Value)
{
    FSD = Value;
    if (Value == nullptr)
        return;
    Value->FreeNotification(this);
    ChangeSkinData();
}

void TskSkinTextLabel::Notification(TComponent* AComponent, TOperation Operation)
{
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FSD)
        FSD = nullptr;
}

void TskSkinTextLabel::ChangeSkinData()
{
    LookupLabelSkin();
    if (FAutoSize)
        AdjustBounds();
    Invalidate();
}

void TskSkinTextLabel::SetLines(TStrings* Value)
{
    FLines->Assign(Value);
    Invalidate();
}

void TskSkinTextLabel::SetAlignment(TAlignment Value)
{
    if (Value == FAlignment)
        return;
    FAlignment = Value;
    Invalidate();
}

void TskSkinTextLabel::SetLayout(TTextLayout Value)
{
    if (Value == FLayout)
        return;
    FLayout = Value;
    Invalidate();
}

void TskSkinTextLabel::SetWordWrap(bool Value)
{
    if (Value == FWordWrap)
        return;
    FWordWrap = Value;
    AdjustBounds();
    Invalidate();
}

void TskSkinTextLabel::SetAutoSize(bool Value)
{
    if (Value == FAutoSize)
        return;
    FAutoSize = Value;
    AdjustBounds();
}

std::string TskSkinTextLabel::GetLabelText() const
{
    return FLines->Text();
}

UINT TskSkinTextLabel::TextFlags() const
{
    static const UINT alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    return DT_EXPANDTABS | alignments[static_cast<int>(FAlignment)] | (FWordWrap ? DT_WORDBREAK : 0);
}

void TskSkinTextLabel::AdjustBounds()
{
    if (!FAutoSize || ComponentState().Contains(csReading) || ComponentState().Contains(csLoading))
        return;
    HDC dc = GetDC(nullptr);
    TCanvas measure;
    measure.SetHandle(dc);
    LookupLabelSkin();
    ApplyLabelFont(&measure, Font());
    RECT r = GetClientRect();
    measure.TextRect(r, GetLabelText(), TextFlags() | DT_CALCRECT);
    // The joined lines end with a line break, which measures one line too many.
    const int h = std::max(0, static_cast<int>(r.bottom) - measure.TextHeight("A"));
    measure.SetHandle(nullptr);
    ReleaseDC(nullptr, dc);
    int left = FLeft;
    if (FAlignment == TAlignment::taRightJustify)
        left += FWidth - r.right;
    SetBounds(left, FTop, r.right, h);
}

void TskSkinTextLabel::Loaded()
{
    TGraphicControl::Loaded();
    AdjustBounds();
}

void TskSkinTextLabel::Paint()
{
    TCanvas* c = Canvas();
    LookupLabelSkin();
    ApplyLabelFont(c, Font());
    c->Brush()->SetStyle(TBrushStyle::bsClear);
    const std::string text = GetLabelText();
    const UINT flags = TextFlags();
    RECT r = GetClientRect();
    if (FLayout != TTextLayout::tlTop) {
        RECT calc = r;
        c->TextRect(calc, text, flags | DT_CALCRECT);
        const int h = calc.bottom - c->TextHeight("A");
        OffsetRect(&r, 0, FLayout == TTextLayout::tlBottom ? FHeight - h : (FHeight - h) / 2);
    }
    DrawLabelText(c, text, r, flags, GetEnabled());
}

void TskSkinTextLabel::Dispatch(TMessage& Message)
{
    TGraphicControl::Dispatch(Message);
    if (Message.Msg == CM_FONTCHANGED) {
        AdjustBounds();
        Invalidate();
    }
}
