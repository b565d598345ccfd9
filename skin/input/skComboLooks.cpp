#include "skin/input/skComboLooks.h"

#include "classlib/Bitmap.h"
#include "platform/win/Rect.h"
#include "skin/core/skDrawMarks.h"
#include "skin/core/skSkinImages.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/form/skSkinMenus.h"

namespace {

int W(const RECT& R) { return R.right - R.left; }
int H(const RECT& R) { return R.bottom - R.top; }
bool Empty(const RECT& R) { return R.right <= R.left || R.bottom <= R.top; }

// The first of Names the skin describes as a button with a picture.
TskDataSkinButtonControl* FirstButtonDescription(TskSkinData* SD, std::initializer_list<const char*> Names)
{
    for (const char* name : Names)
        if (auto* d = NamedDescription<TskDataSkinButtonControl>(SD, name))
            return SkinPicture(SD, d->PictureIndex) ? d : nullptr;
    return nullptr;
}

// A button description's image at Width x Height, its corners and client rectangle moved with
// the size.
void ComposeButton(TBitmap* Target, TBitmap* Picture, const TskDataSkinButtonControl* D, const RECT& S, int Width,
                   int Height)
{
    const int dx = Width - W(D->SkinRect), dy = Height - H(D->SkinRect);
    const POINT nrt{D->RTPoint.x + dx, D->RTPoint.y};
    const POINT nlb{D->LBPoint.x, D->LBPoint.y + dy};
    const POINT nrb{D->RBPoint.x + dx, D->RBPoint.y + dy};
    const RECT nc{D->ClRect.left, D->ClRect.top, D->ClRect.right + dx, D->ClRect.bottom + dy};
    ComposeNineSliceImage(D->LTPoint, D->RTPoint, D->LBPoint, D->RBPoint, D->ClRect, D->LTPoint, nrt, nlb, nrb, nc,
                          Target, Picture, S, Width, Height, true, D->LeftStretch, D->TopStretch, D->RightStretch,
                          D->BottomStretch, D->StretchEffect, D->StretchType);
}

// The marker M of Picture, transparent in Key, centred in R (moved down by Down pixels).
void DrawMarker(TCanvas* C, TBitmap* Picture, const RECT& M, TColor Key, const RECT& R, int Down)
{
    if (Picture == nullptr || Empty(M))
        return;
    TBitmap marker;
    marker.SetSize(W(M), H(M));
    marker.Canvas()->CopyRect(RECT{0, 0, W(M), H(M)}, Picture->Canvas(), M);
    marker.SetTransparentColor(Key);
    marker.SetTransparent(true);
    C->Draw(R.left + W(R) / 2 - W(M) / 2, R.top + H(R) / 2 - H(M) / 2 + Down, &marker);
}

void FramedFill(TCanvas* C, const RECT& R, TColor Frame, TColor Fill)
{
    C->Brush()->SetStyle(TBrushStyle::bsSolid);
    C->Brush()->SetColor(Fill);
    C->FillRect(R);
    C->Brush()->SetColor(Frame);
    C->FrameRect(R);
}

} // namespace

void DrawDefaultDropButton(TCanvas* C, const RECT& R, bool Pressed, bool Hot, bool Enabled)
{
    if (Hot)
        DrawDefaultHotFace(C, R, Pressed);
    else
        FramedFill(C, R, clBtnShadow, clBtnFace);
    DrawTriangleArrow(C, R, Enabled ? clBlack : clBtnShadow, 4);
}

void DrawSeparateDropButton(TCanvas* C, TskSkinData* SD, TBitmap* ControlPicture, const RECT& R, bool Pressed,
                            bool Hot, bool Enabled)
{
    TskDataSkinButtonControl* d = FirstButtonDescription(SD, {"combobutton", "editbutton", "resizebutton"});
    if (!d || W(R) <= 0 || H(R) <= 0)
        return;
    const RECT active = Empty(d->ActiveSkinRect) ? d->SkinRect : d->ActiveSkinRect;
    const RECT down = Empty(d->DownSkinRect) ? active : d->DownSkinRect;
    const RECT s = Pressed ? down : Hot ? active : d->SkinRect;
    const TColor color = Pressed ? d->DownFontColor : Hot ? d->ActiveFontColor : d->FontColor;
    TBitmap bmp;
    ComposeButton(&bmp, SkinPicture(SD, d->PictureIndex), d, s, W(R), H(R));
    const RECT whole{0, 0, W(R), H(R)};
    if (Empty(d->MenuMarkerRect)) {
        if (Enabled)
            DrawTriangleArrow(bmp.Canvas(), Pressed ? RECT{0, 2, whole.right, whole.bottom} : whole, color, 4);
    } else {
        const RECT m = Pressed && !Empty(d->MenuMarkerDownRect) ? d->MenuMarkerDownRect
                       : Hot && !Empty(d->MenuMarkerActiveRect) ? d->MenuMarkerActiveRect
                                                                : d->MenuMarkerRect;
        DrawMarker(bmp.Canvas(), ControlPicture, m, d->MenuMarkerTransparentColor, whole, Pressed ? 1 : 0);
    }
    C->Draw(R.left, R.top, &bmp);
}

TskToolButtonParts ToolButtonParts(int W_, int H_, bool Open)
{
    const int open = Open ? 2 : 0;
    return TskToolButtonParts{RECT{2 + open, 2 + open, W_ - 17, H_ - 2}, RECT{W_ - 15 + open, open, W_, H_}};
}

void DrawDefaultToolButtonFace(TCanvas* C, int W_, int H_, bool Open, bool Hot, TFont* DefaultFont)
{
    const RECT r{0, 0, W_, H_};
    if (Open || Hot)
        DrawDefaultHotFace(C, r, Open);
    else
        FramedFill(C, r, clBtnShadow, clBtnFace);
    C->Font()->Assign(DefaultFont);
    C->Brush()->SetStyle(TBrushStyle::bsClear);
}

TskDataSkinButtonControl* DrawSkinToolButtonFace(TCanvas* C, TskSkinData* SD, int W_, int H_, bool Open, bool Hot,
                                                 bool Enabled, TFont* DefaultFont, bool UseSkinFont)
{
    TskDataSkinButtonControl* d = FirstButtonDescription(SD, {"resizetoolbutton", "resizebutton"});
    if (!d)
        return nullptr;
    RECT s = Open ? d->DownSkinRect : Hot ? d->ActiveSkinRect : d->SkinRect;
    if (Empty(s))
        s = d->SkinRect;
    if (Empty(s))
        s = d->ActiveSkinRect;
    TBitmap face;
    ComposeButton(&face, SkinPicture(SD, d->PictureIndex), d, s, W_, H_);
    C->Draw(0, 0, &face);
    AssignSkinFont(C->Font(), DefaultFont, UseSkinFont, SD, d->FontName, d->FontHeight, d->FontStyle);
    C->Font()->SetColor(Open ? d->DownFontColor : Hot ? d->ActiveFontColor : Enabled ? d->FontColor
                                                                                     : d->DisabledFontColor);
    C->Brush()->SetStyle(TBrushStyle::bsClear);
    return d;
}

void DrawToolButtonGlyph(TCanvas* C, const TskDataSkinButtonControl* D, TBitmap* ControlPicture, const RECT& Glyph,
                         bool Open, bool Hot)
{
    if (D && !Empty(D->MenuMarkerRect)) {
        RECT m = D->MenuMarkerRect;
        if (Open)
            m = !Empty(D->MenuMarkerDownRect)     ? D->MenuMarkerDownRect
                : !Empty(D->MenuMarkerActiveRect) ? D->MenuMarkerActiveRect
                                                  : D->MenuMarkerRect;
        else if (Hot && !Empty(D->MenuMarkerActiveRect))
            m = D->MenuMarkerActiveRect;
        DrawMarker(C, ControlPicture, m, D->MenuMarkerTransparentColor, Glyph, 0);
        return;
    }
    DrawSmallDownTriangle(C, Glyph, D && Open ? D->DownFontColor : C->Font()->GetColor());
}

TColor ComboDisabledFontColor(TskSkinData* SD, bool Described)
{
    auto* edit = Described ? NamedDescription<TskDataSkinEditControl>(SD, "edit") : nullptr;
    return edit ? edit->DisabledFontColor : clGrayText;
}
