// Painting of the skinned page control: the page frame, the strip behind the tabs, each tab
// composed off-screen (side tabs lying down, then turned; bottom tabs flipped) and the close
// buttons.

#include "skin/form/skSkinTabs.h"

#include "classlib/Bitmap.h"
#include "classlib/Frame3D.h"
#include "platform/gdi/Gdi.h"
#include "platform/win/Rect.h"
#include "platform/window/User.h"
#include "skin/core/TskEffectBmp.h"
#include "skin/core/skDrawMarks.h"
#include "skin/core/skParentBackground.h"
#include "skin/core/skSkinData.h"
#include "skin/core/skSkinImages.h"
#include "skin/core/skTextUtils.h"
#include "skin/core/skUtils.h"

#include <algorithm>

namespace {

constexpr TColor kHotFill = 13811126;      // red 182, green 189, blue 210
constexpr TColor kPressedFill = 11899781;  // red 133, green 147, blue 181

// Keeps the clip region of a device context while a canvas draws into it (a saved DC state
// would also bring back fonts the canvas replaced).
class ClipKeeper {
public:
    explicit ClipKeeper(HDC DC) : FDC(DC), FRegion(CreateRectRgn(0, 0, 0, 0))
    {
        FHad = GetClipRgn(DC, FRegion) == 1;
    }
    ~ClipKeeper()
    {
        SelectClipRgn(FDC, FHad ? FRegion : nullptr);
        DeleteObject(FRegion);
    }
    ClipKeeper(const ClipKeeper&) = delete;
    ClipKeeper& operator=(const ClipKeeper&) = delete;

private:
    HDC FDC;
    HRGN FRegion;
    bool FHad = false;
};

// A quarter turn of B (counter-clockwise when Ccw) into a new picture.
void Turn(TBitmap* B, bool Ccw, TskEffectBmp& Out)
{
    TskEffectBmp source(B->GetHandle());
    if (Ccw)
        source.Rotate90_1(Out);
    else
        source.Rotate90_2(Out);
}

void RotateBitmap(TBitmap* B, bool Ccw)
{
    TskEffectBmp turned(B->GetHeight(), B->GetWidth());
    Turn(B, Ccw, turned);
    B->SetSize(turned.Width, turned.Height);
    turned.Draw(B->Canvas()->GetHandle(), 0, 0);
}

void DrawBitmapRotated(TCanvas* C, int X, int Y, TBitmap* B, bool Ccw)
{
    TskEffectBmp turned(B->GetHeight(), B->GetWidth());
    Turn(B, Ccw, turned);
    turned.Draw(C->GetHandle(), X, Y);
}

void FlipBitmapVert(TBitmap* B)
{
    TskEffectBmp source(B->GetHandle());
    TskEffectBmp flipped(source.Width, source.Height);
    source.FlipVert(flipped);
    flipped.Draw(B->Canvas()->GetHandle(), 0, 0);
}

// The background fill: Image over W x H, stretched by the stretch type or tiled from (0, 0).
void FillImage(TCanvas* C, TBitmap* Image, int W, int H, bool Stretch, TskStretchType Type)
{
    const int w = Image->GetWidth(), h = Image->GetHeight();
    if (w <= 0 || h <= 0 || W <= 0 || H <= 0)
        return;
    if (!Stretch) {
        for (int i = 0; i <= W / w; ++i)
            for (int j = 0; j <= H / h; ++j)
                C->Draw(i * w, j * h, Image);
        return;
    }
    switch (Type) {
    case skstFull: C->StretchDraw(RECT{0, 0, W, H}, Image); break;
    case skstHorz:
        for (int x = 0; x < W; x += w)
            C->StretchDraw(RECT{x, 0, x + w, H}, Image);
        break;
    case skstVert:
        for (int y = 0; y < H; y += h)
            C->StretchDraw(RECT{0, y, W, y + h}, Image);
        break;
    }
}

// Caption and image of a tab centred as a group in W x H, moved down by Dy.
void DrawTabGlyphAndText(TCanvas* C, int W, int H, const std::string& Caption, TCustomImageList* Images,
                         int ImageIndex, bool Enabled, int Dy)
{
    RECT measure{};
    DrawWideStringText(C, Caption, measure, DT_CALCRECT);
    const int tw = Caption.empty() ? 0 : RectWidth(measure) + 2, th = RectHeight(measure);
    const int iw = Images->GetWidth(), ih = Images->GetHeight();
    const int x = W / 2 - (tw + iw + 2) / 2;
    Images->Draw(C, x, H / 2 - ih / 2 + Dy, ImageIndex, Enabled);
    RECT text{x + iw + 2, H / 2 - th / 2 + Dy, x + iw + 2 + tw, H / 2 - th / 2 + Dy + th};
    DrawWideStringText(C, Caption, text, DT_CENTER);
}

} // namespace

void TskSkinPageControl::PaintWindow(HDC DC)
{
    if (GetWidth() <= 0 || GetHeight() <= 0)
        return;
    GetSkinData();
    TCanvas canvas;
    canvas.SetHandle(DC);
    {
        ClipKeeper keep(DC);
        if (HasDescription())
            PaintSkinBorder(&canvas);
        else
            PaintDefaultBorder(&canvas);
    }
    {
        ClipKeeper keep(DC);
        DrawAllTabs(&canvas);
    }
    canvas.SetHandle(nullptr);
}

void TskSkinPageControl::RedrawTabs()
{
    if (!HandleAllocated())
        return;
    HDC dc = GetDC(GetHandle());
    TCanvas canvas;
    canvas.SetHandle(dc);
    GetSkinData();
    DrawAllTabs(&canvas);
    canvas.SetHandle(nullptr);
    ReleaseDC(GetHandle(), dc);
}

void TskSkinPageControl::PaintDefaultBorder(TCanvas* C)
{
    C->Brush()->SetStyle(TBrushStyle::bsSolid);
    C->Brush()->SetColor(clBtnFace);
    C->FillRect(GetClientRect());
    if (FHideBorder)
        return;
    RECT r = DisplayRect();
    InflateRect(&r, 1, 1);
    Frame3D(C, r, clBtnShadow, clBtnShadow, 1);
}

void TskSkinPageControl::PaintSkinBorder(TCanvas* C)
{
    if (FHideBorder || Picture == nullptr)
        return;
    const RECT f = FrameRect();
    const int dw = RectWidth(f) - RectWidth(FTab.SkinRect), dh = RectHeight(f) - RectHeight(FTab.SkinRect);
    const TskDataSkinTabControl& t = FTab;
    const RECT nc{t.ClRect.left, t.ClRect.top, t.ClRect.right + dw, t.ClRect.bottom + dh};
    TBitmap left, top, right, bottom;
    ComposeFrameBorderImages(t.LTPoint, t.RTPoint, t.LBPoint, t.RBPoint, t.ClRect, t.LTPoint,
                             POINT{t.RTPoint.x + dw, t.RTPoint.y}, POINT{t.LBPoint.x, t.LBPoint.y + dh},
                             POINT{t.RBPoint.x + dw, t.RBPoint.y + dh}, nc, &left, &top, &right, &bottom, Picture,
                             t.SkinRect, RectWidth(f), RectHeight(f), t.LeftStretch, t.TopStretch, t.RightStretch,
                             t.BottomStretch);
    const RECT active = GetActiveTabRect();
    if (!RectHasNoArea(active) && !FHideTabs)
        ExcludeClipRect(C->GetHandle(), active.left, active.top, active.right, active.bottom);
    C->Draw(f.left, f.top, &top);
    C->Draw(f.left, f.top + top.GetHeight(), &left);
    C->Draw(f.right - right.GetWidth(), f.top + top.GetHeight(), &right);
    C->Draw(f.left, f.bottom - bottom.GetHeight(), &bottom);
}

void TskSkinPageControl::ClientImage(TBitmap* B) const
{
    const RECT& s = FTab.SkinRect;
    const RECT& c = FTab.ClRect;
    B->SetSize(RectWidth(c), RectHeight(c));
    B->Canvas()->CopyRect(RECT{0, 0, RectWidth(c), RectHeight(c)}, Picture->Canvas(),
                          RECT{s.left + c.left, s.top + c.top, s.left + c.right, s.top + c.bottom});
}

void TskSkinPageControl::FillBackground(TCanvas* C, TBitmap* Image, int W, int H, bool UseStretch) const
{
    FillImage(C, Image, W, H, UseStretch && FTab.StretchEffect, FTab.StretchType);
}

void TskSkinPageControl::PaintClientBackground(HDC DC)
{
    TCanvas canvas;
    canvas.SetHandle(DC);
    TBitmap* bg = FTab.BGPictureIndex != -1 ? FSD->GetActivePicture(FTab.BGPictureIndex) : nullptr;
    TBitmap client;
    if (!bg && Picture) {
        ClientImage(&client);
        bg = &client;
    }
    if (bg)
        FillBackground(&canvas, bg, GetWidth(), GetHeight(), true);
    canvas.SetHandle(nullptr);
}

void TskSkinPageControl::DrawAllTabs(TCanvas* C)
{
    if (FHideTabs || PageCount() == 0)
        return;
    const int count = VisibleTabCount();
    const int selected = GetTabIndex();
    auto pageOf = [this](int tab) { return PageForTab(tab)->GetPageIndex(); };
    if (!HasDescription()) {
        for (int i = 0; i < count; ++i)
            DrawTab(pageOf(i), GetTabRect(i), C, i == FActiveTabIndex, i == selected);
        return;
    }
    const RECT f = FrameRect();
    const int w = GetWidth(), h = GetHeight();
    const TTabPosition pos = GetTabPosition();
    RECT area{};  // the strip's place on the control
    switch (pos) {
    case TTabPosition::tpTop: area = RECT{0, 0, w, f.top}; break;
    case TTabPosition::tpBottom: area = RECT{0, f.bottom, w, h}; break;
    case TTabPosition::tpLeft: area = RECT{0, 0, f.left, h}; break;
    case TTabPosition::tpRight: area = RECT{f.right, 0, w, h}; break;
    }
    const int d = RectHeight(FTab.ActiveTabRect) - RectHeight(FTab.TabRect);
    if (!RectHasNoArea(area)) {
        TBitmap strip;
        strip.SetSize(RectWidth(area), RectHeight(area));
        if (FTabsBGTransparent) {
            PaintParentUnderControlRect(this, area, strip.Canvas());
        } else if (Picture) {
            RECT bg = FTab.TabsBGRect;
            if (RectHasNoArea(bg)) {
                bg = FTab.ClRect;
                OffsetRect(&bg, FTab.SkinRect.left, FTab.SkinRect.top);
            }
            TBitmap tile;
            tile.SetSize(RectWidth(bg), RectHeight(bg));
            tile.Canvas()->CopyRect(RECT{0, 0, RectWidth(bg), RectHeight(bg)}, Picture->Canvas(), bg);
            FillImage(strip.Canvas(), &tile, strip.GetWidth(), strip.GetHeight(), false, skstFull);
        }
        for (int i = 0; i < count; ++i) {
            if (i == selected)
                continue;
            RECT r = GetTabRect(i);
            OffsetRect(&r, -area.left, -area.top);
            DrawTab(pageOf(i), r, strip.Canvas(), i == FActiveTabIndex, false);
        }
        const RECT active = GetActiveTabRect();
        ClipKeeper keep(C->GetHandle());
        if (!RectHasNoArea(active))
            ExcludeClipRect(C->GetHandle(), active.left, active.top, active.right, active.bottom);
        C->Draw(area.left, area.top, &strip);
    }
    if (selected < 0 || selected >= count)
        return;
    RECT r = GetTabRect(selected);
    if (pos == TTabPosition::tpBottom)
        OffsetRect(&r, 0, -d);
    else if (pos == TTabPosition::tpRight)
        OffsetRect(&r, -d, 0);
    DrawTab(pageOf(selected), r, C, selected == FActiveTabIndex, true);
}

void TskSkinPageControl::DrawTabFace(TBitmap* B, bool MouseIn, bool Selected, bool Focused)
{
    TCanvas* c = B->Canvas();
    const TskDataSkinTabControl& t = FTab;
    RECT source = t.TabRect;
    TColor color = t.FontColor;
    if (MouseIn && !Selected) {
        source = RectHasNoArea(t.MouseInTabRect) ? t.TabRect : t.MouseInTabRect;
        color = t.MouseInFontColor;
    } else if (Selected && Focused) {
        source = t.FocusTabRect;
        color = t.FocusFontColor;
    } else if (Selected) {
        source = t.ActiveTabRect;
        color = t.ActiveFontColor;
    }
    if (FUseSkinFont) {
        c->Font()->SetName(t.FontName);
        c->Font()->SetStyle(t.FontStyle);
        c->Font()->SetHeight(t.FontHeight);
    }
    c->Font()->SetColor(color);
    if (Picture == nullptr)
        return;
    if (GetTabHeight() > 0) {
        int grow = 0;
        if (Selected) {
            grow = RectHeight(t.ActiveTabRect) - RectHeight(t.TabRect);
            if (grow <= 0 && Focused)
                grow = RectHeight(t.FocusTabRect) - RectHeight(t.TabRect);
        }
        if (grow > 0)
            B->SetSize(B->GetWidth(), B->GetHeight() + grow);
        const int q = RectHeight(t.TabRect) / 4;
        ComposeNineSliceFromClientRect(
            B, Picture, source, RECT{t.TabLeftOffset, q, RectWidth(source) - t.TabRightOffset, RectHeight(source) - q},
            true);
    } else {
        BuildHorzBandImage(t.TabLeftOffset, t.TabRightOffset, B, Picture, source, B->GetWidth(), B->GetHeight(),
                           t.TabStretchEffect);
    }
    if (GetTabPosition() == TTabPosition::tpBottom)
        FlipBitmapVert(B);
}

void TskSkinPageControl::DrawTab(int PageIndex, const RECT& R, TCanvas* C, bool MouseIn, bool Selected)
{
    if (FHideTabs || PageIndex < 0 || PageIndex >= PageCount())
        return;
    TTabSheet* page = Pages(PageIndex);
    const TTabPosition pos = GetTabPosition();
    const bool side = pos == TTabPosition::tpLeft || pos == TTabPosition::tpRight;
    const bool hasImage = FImages && page->GetImageIndex() >= 0 && page->GetImageIndex() < FImages->Count();
    const int bw = side ? RectHeight(R) : RectWidth(R), bh = side ? RectWidth(R) : RectHeight(R);
    if (bw <= 0 || bh <= 0)
        return;
    TBitmap b;
    b.SetSize(bw, bh);
    TCanvas* c = b.Canvas();
    c->Font()->Assign(Font());
    if (FSD != nullptr && FSD->ResourceStrData() != nullptr)
        c->Font()->SetCharset(FSD->ResourceStrData()->CharSet());
    const bool focused = Focused();
    const bool skinned = HasDescription();
    if (skinned) {
        DrawTabFace(&b, MouseIn, Selected, focused);
        c = b.Canvas();
    } else {
        RECT box{0, 0, bw, bh};
        c->Brush()->SetStyle(TBrushStyle::bsSolid);
        if (Selected) {
            Frame3D(c, box, clNavy, clNavy, 1);
            c->Brush()->SetColor(focused ? kPressedFill : kHotFill);
        } else {
            c->Brush()->SetColor(MouseIn ? kHotFill : clBtnFace);
        }
        c->FillRect(box);
    }
    if (FTextInHorizontal && side)
        RotateBitmap(&b, pos == TTabPosition::tpLeft);
    RECT box{0, 0, b.GetWidth(), b.GetHeight()};
    if (skinned && FTab.ShowFocus && focused && Selected) {
        RECT frame = box;
        InflateRect(&frame, -FTab.FocusOffsetX, -FTab.FocusOffsetY);
        c->Brush()->SetStyle(TBrushStyle::bsSolid);
        c->Brush()->SetColor(FSD->SkinColors()->cBtnFace());
        DrawDottedFocusFrame(c, frame);
    }
    c->Brush()->SetStyle(TBrushStyle::bsClear);
    int imageOffset = 0;
    if (skinned && RectHeight(FTab.TabRect) != RectHeight(FTab.ActiveTabRect) && !Selected) {
        imageOffset = pos == TTabPosition::tpTop || pos == TTabPosition::tpLeft ? 2 : -2;
        box.top += imageOffset;
    }
    const int closeRoom = FShowCloseButtons ? FCloseSize + 2 : 0;
    const int cut = closeRoom > 0 ? closeRoom + (skinned ? 3 : 0) : 0;
    const std::string caption = page->GetCaption();
    if (OnDrawSkinTab) {
        OnDrawSkinTab(PageIndex, RECT{0, 0, b.GetWidth(), b.GetHeight()}, Selected, MouseIn, c);
    } else if (hasImage || FTabExtendedDraw) {
        RECT face = box;
        face.right -= closeRoom;
        if (FTabExtendedDraw)
            DrawImageListButtonFace(c, face, FTabMargin, FTabSpacing, FTabLayout, caption, page->GetImageIndex(),
                                    FImages, false, page->GetEnabled());
        else
            DrawTabGlyphAndText(c, b.GetWidth() - closeRoom, b.GetHeight(), caption, FImages, page->GetImageIndex(),
                                page->GetEnabled(), imageOffset);
        box.right -= cut;
    } else {
        box.right -= cut;
        DrawWideStringText(c, caption, box, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    }
    if (FShowCloseButtons) {
        if (auto* sheet = SheetOfPage(PageIndex); sheet && !MouseIn)
            sheet->ButtonMouseIn = false;
        DrawCloseButton(c, RECT{box.right, box.top + imageOffset, b.GetWidth(), box.bottom}, b.GetWidth(),
                        b.GetHeight(), PageIndex);
    }
    if (side && !FTextInHorizontal)
        DrawBitmapRotated(C, R.left, R.top, &b, pos == TTabPosition::tpLeft);
    else
        C->Draw(R.left, R.top, &b);
}

void TskSkinPageControl::DrawCloseButton(TCanvas* C, const RECT& A, int W, int H, int PageIndex)
{
    TskSkinCustomTabSheet* sheet = SheetOfPage(PageIndex);
    if (!sheet)
        return;
    const bool hot = sheet->ButtonMouseIn, pressed = hot && sheet->ButtonMouseDown;
    RECT button{};
    if (!HasDescription()) {
        button = RECT{A.left, A.top + RectHeight(A) / 2 - 7, A.left + 14, A.top + RectHeight(A) / 2 + 7};
        DrawCloseGlyph(C, button.left + 2, button.top + 2, hot ? clWhite : clBlack);
    } else if (!RectHasNoArea(FTab.CloseButtonRect)) {
        if (!Picture)
            return;
        const RECT source = pressed ? FTab.CloseButtonDownRect : hot ? FTab.CloseButtonActiveRect : FTab.CloseButtonRect;
        const int top = A.top + RectHeight(A) / 2 - RectHeight(source) / 2;
        button = RECT{A.left, top, A.left + RectWidth(source), top + RectHeight(source)};
        TBitmap face;
        face.SetSize(RectWidth(source), RectHeight(source));
        face.Canvas()->CopyRect(RECT{0, 0, RectWidth(source), RectHeight(source)}, Picture->Canvas(), source);
        if (FTab.ButtonTransparent) {
            face.SetTransparentColor(FTab.ButtonTransparentColor);
            face.SetTransparent(true);
        }
        C->Draw(button.left, button.top, &face);
    } else if (!DrawResizeToolCloseButton(C, A, sheet, button)) {
        return;
    }
    const TTabPosition pos = GetTabPosition();
    if (!FTextInHorizontal && pos == TTabPosition::tpLeft)
        button = RECT{button.top, W - button.right, button.bottom, W - button.left};
    else if (!FTextInHorizontal && pos == TTabPosition::tpRight)
        button = RECT{H - button.bottom, button.left, H - button.top, button.right};
    sheet->ButtonRect = button;
}

// The close button as a small button face of the skin's "resizetoolbutton"; false without one.
bool TskSkinPageControl::DrawResizeToolCloseButton(TCanvas* C, const RECT& A, TskSkinCustomTabSheet* Sheet,
                                                   RECT& Button)
{
    const int index = FSD->GetControlIndex("resizetoolbutton");
    const auto* d = index == -1 ? nullptr
                                : dynamic_cast<const TskDataSkinButtonControl*>(
                                      FSD->CtrlList[static_cast<std::size_t>(index)].get());
    if (d == nullptr)
        return false;
    TBitmap* picture = FSD->GetActivePicture(d->PictureIndex);
    const bool hot = Sheet->ButtonMouseIn, pressed = hot && Sheet->ButtonMouseDown;
    const RECT normal = d->SkinRect;
    const RECT active = RectHasNoArea(d->ActiveSkinRect) ? normal : d->ActiveSkinRect;
    const RECT down = RectHasNoArea(d->DownSkinRect) ? active : d->DownSkinRect;
    const RECT source = pressed ? down : hot ? active : normal;
    const TColor color = pressed ? d->DownFontColor : hot ? d->ActiveFontColor : d->FontColor;
    const int size = FCloseSize;
    TBitmap face;
    face.SetSize(size, size);
    if (picture) {
        const int dw = size - RectWidth(normal), dh = size - RectHeight(normal);
        ComposeNineSliceImage(d->LTPoint, d->RTPoint, d->LBPoint, d->RBPoint, d->ClRect, d->LTPoint,
                              POINT{d->RTPoint.x + dw, d->RTPoint.y}, POINT{d->LBPoint.x, d->LBPoint.y + dh},
                              POINT{d->RBPoint.x + dw, d->RBPoint.y + dh},
                              RECT{d->ClRect.left, d->ClRect.top, d->ClRect.right + dw, d->ClRect.bottom + dh}, &face,
                              picture, source, size, size, true, d->LeftStretch, d->TopStretch, d->RightStretch,
                              d->BottomStretch, d->StretchEffect, d->StretchType);
    }
    DrawCloseGlyph(face.Canvas(), size / 2 - 5, size / 2 - 5, color);
    const int top = A.top + RectHeight(A) / 2 - size / 2;
    Button = RECT{A.left, top, A.left + size, top + size};
    C->Draw(Button.left, Button.top, &face);
    return true;
}
