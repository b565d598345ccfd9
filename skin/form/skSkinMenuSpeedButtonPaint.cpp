// Painting of the menu speed button: the tool-button, resize-button and new-style faces (whole,
// or a main part and a 15-pixel track part side by side in track-button mode), the content
// beside the track strip and the drop-down marker.

#include "skin/form/skSkinCtrls.h"

#include "classlib/Bitmap.h"
#include "skin/core/skDrawMarks.h"
#include "skin/core/skSkinImages.h"
#include "platform/win/Rect.h"
#include "skin/core/skUtils.h"

namespace {

constexpr int kTrack = 15;

const TskDataSkinButtonControl* FindButtonDescription(TskSkinData* SkinData, const std::string& Name)
{
    const int i = SkinData ? SkinData->GetControlIndex(Name) : -1;
    return i == -1 ? nullptr
                   : dynamic_cast<const TskDataSkinButtonControl*>(SkinData->CtrlList[static_cast<std::size_t>(i)].get());
}

// Rectangle S of D's picture as a nine-slice image of W x H (corner points and client rectangle
// moved for the size).
void ComposeSized(const TskDataSkinButtonControl& D, TBitmap* Picture, const RECT& S, bool Tool, TBitmap* Out, int W,
                  int H)
{
    Out->SetSize(W, H);
    if (Picture == nullptr || W <= 0 || H <= 0)
        return;
    if (Tool) {
        ComposeNineSliceFromClientRect(Out, Picture, S, D.ClRect, true);
        return;
    }
    const int dw = W - WidthOfRect(D.SkinRect), dh = H - HeightOfRect(D.SkinRect);
    ComposeNineSliceImage(D.LTPoint, D.RTPoint, D.LBPoint, D.RBPoint, D.ClRect, D.LTPoint,
                          POINT{D.RTPoint.x + dw, D.RTPoint.y}, POINT{D.LBPoint.x, D.LBPoint.y + dh},
                          POINT{D.RBPoint.x + dw, D.RBPoint.y + dh},
                          RECT{D.ClRect.left, D.ClRect.top, D.ClRect.right + dw, D.ClRect.bottom + dh}, Out, Picture, S,
                          W, H, true, D.LeftStretch, D.TopStretch, D.RightStretch, D.BottomStretch, D.StretchEffect,
                          D.StretchType);
}

enum class TFace { Normal, Hot, Down };

RECT StateRect(const TskDataSkinButtonControl& D, TFace Face)
{
    const RECT hot = RectHasNoArea(D.ActiveSkinRect) ? D.SkinRect : D.ActiveSkinRect;
    const RECT down = RectHasNoArea(D.DownSkinRect) ? hot : D.DownSkinRect;
    return Face == TFace::Down ? down : Face == TFace::Hot ? hot : D.SkinRect;
}

} // namespace

void TskSkinMenuSpeedButton::DrawPartFaces(TBitmap* B, bool Tool, bool Pressed, bool Hot)
{
    const TskDataSkinButtonControl* d = FNewStyle && FSkinDataName == "resizetoolbutton"
                                            ? FindButtonDescription(FSD, "resizetoolbutton")
                                            : Description<TskDataSkinButtonControl>();
    if (d == nullptr && FNewStyle)
        d = FindButtonDescription(FSD, "resizebutton");
    if (d == nullptr)
        return;
    TBitmap* picture = SkinPicture(FSD, d->PictureIndex);
    const bool idle = !Pressed && !Hot && !FMenuTracked;
    if (idle && GetFlat())
        return;
    auto drawFrom = [&](const TskDataSkinButtonControl& from, TBitmap* pic, const RECT& place, TFace face) {
        TBitmap part;
        ComposeSized(from, pic, StateRect(from, face), Tool, &part, WidthOfRect(place), HeightOfRect(place));
        B->Canvas()->Draw(place.left, place.top, &part);
    };
    auto draw = [&](const RECT& place, TFace face) { drawFrom(*d, picture, place, face); };
    const RECT whole{0, 0, B->GetWidth(), B->GetHeight()};
    if (!FTrackButtonMode || (FNewStyle && !Hot)) {
        draw(whole, Pressed && !(FNewStyle && FTrackButtonMode && FMenuTracked) ? TFace::Down : Hot ? TFace::Hot : TFace::Normal);
        return;
    }
    const RECT strip = TrackStrip();
    if (FNewStyle) {
        // A skin with its own track face lays it over the whole main face.
        const char* name = StripAtBottom() ? "htracktoolbutton" : "vtracktoolbutton";
        if (const TskDataSkinButtonControl* t = FindButtonDescription(FSD, name)) {
            draw(whole, Pressed && !FMenuTracked ? TFace::Down : TFace::Hot);
            drawFrom(*t, SkinPicture(FSD, t->PictureIndex), strip, FMenuTracked ? TFace::Down : TFace::Hot);
            return;
        }
    }
    RECT main = whole;
    if (StripAtBottom())
        main.bottom = strip.top;
    else
        main.right = strip.left;
    const TFace mainFace = FMenuTracked ? TFace::Hot : Pressed ? TFace::Down : Hot ? TFace::Hot : TFace::Normal;
    const TFace trackFace = FMenuTracked || Pressed ? TFace::Down : Hot ? TFace::Hot : TFace::Normal;
    draw(main, mainFace);
    draw(strip, trackFace);
}

void TskSkinMenuSpeedButton::DrawMarker(TCanvas* C, RECT Area, bool Hot, bool Down, TColor Color)
{
    if (RectHasNoArea(MenuMarkerRect))
        DrawSmallDownTriangle(C, Area, Color);
    else
        DrawMenuMarker(C, Area, Hot, Down, false);
}

void TskSkinMenuSpeedButton::DrawContentAndMarker(TBitmap* B, bool ADown, bool AMouseIn, bool Pressed)
{
    TCanvas* c = B->Canvas();
    AssignSkinFont(c->Font(), FDefaultFont.get(), FUseSkinFont, FSD, FontName, FontHeight, FontStyle);
    c->Font()->SetColor(SkinFontColor(GetEnabled(), ADown, AMouseIn, FDefaultFont.get()));
    RECT content = NewClRect;
    if (StripAtBottom())
        content.bottom -= kTrack;
    else
        content.right -= kTrack;
    DrawSpeedFace(c, content, content, ADown, AMouseIn, true, Pressed);
    RECT area = TrackStrip();
    const bool moved = FNewStyle && FTrackButtonMode ? FMenuTracked : Pressed || FMenuTracked;
    if (moved) {
        const int step = FNewStyle ? 1 : 2;
        OffsetRect(&area, step, step);
    }
    DrawMarker(c, area, AMouseIn, Pressed || FMenuTracked, FMenuTracked ? DownFontColor : c->Font()->GetColor());
}

void TskSkinMenuSpeedButton::CreateButtonImage(TBitmap* B, const RECT& R, bool ADown, bool AMouseIn)
{
    const std::string& n = FSkinDataName;
    const bool pressed = ADown && AMouseIn;
    const bool tool = n == "toolbutton" || n == "bigtoolbutton";
    if ((FNewStyle && n == "resizetoolbutton") || tool || n == "resizebutton" || n == "resizetoolbutton") {
        DrawPartFaces(B, tool, pressed, AMouseIn);
        DrawContentAndMarker(B, ADown, AMouseIn, pressed);
        return;
    }
    // A menu-button description: its own images, the track part pressed while a menu is open.
    if (!(FTrackButtonMode && FMenuTracked) || RectHasNoArea(TrackButtonRect) || RectHasNoArea(DownSkinRect)) {
        TskSkinSpeedButton::CreateButtonImage(B, R, ADown, AMouseIn);
        return;
    }
    TskSkinSpeedButton::CreateButtonImage(B, RectHasNoArea(ActiveSkinRect) ? SkinRect : ActiveSkinRect, false, true);
    if (Picture == nullptr)
        return;
    RECT source = TrackButtonRect;
    OffsetRect(&source, DownSkinRect.left, DownSkinRect.top);
    const RECT area = GetTrackArea();
    B->Canvas()->CopyRect(area, Picture->Canvas(), source);
}

void TskSkinMenuSpeedButton::CreateControlDefaultImage(TBitmap* B)
{
    TCanvas* c = B->Canvas();
    const RECT r = GetClientRect();
    const bool framed = ComponentState().Contains(csDesigning) || !GetFlat();
    const bool downHot = FDown && FMouseIn;
    const RECT strip = TrackStrip();
    if (!FTrackButtonMode || (FNewStyle && !FMouseIn)) {
        DrawDefaultBack(c, r, DownLook(), FMouseIn, framed);
    } else {
        RECT main = r;
        if (StripAtBottom())
            main.bottom = strip.top;
        else
            main.right = strip.left;
        DrawDefaultBack(c, main, !FMenuTracked && downHot, FMouseIn || FMenuTracked, framed);
        DrawDefaultBack(c, strip, FMenuTracked || downHot, FMouseIn, framed);
    }
    AssignSkinFont(c->Font(), FDefaultFont.get(), false, FSD, {}, 0, {});
    if (!GetEnabled())
        c->Font()->SetColor(clBtnShadow);
    RECT content = r;
    if (StripAtBottom())
        content.bottom -= kTrack;
    else
        content.right -= kTrack;
    DrawSpeedFace(c, content, content, FDown, FMouseIn, true, downHot);
    RECT area = strip;
    const bool moved = FNewStyle && FTrackButtonMode ? FMenuTracked : downHot || FMenuTracked;
    if (moved)
        OffsetRect(&area, 2, 2);
    DrawSmallDownTriangle(c, area, clBtnText);
}

// Transparent and idle: no face, only the content and the flat marker over the parent.
void TskSkinMenuSpeedButton::Paint()
{
    if (FWidth <= 0 || FHeight <= 0)
        return;
    if (!GetTransparent() || FMouseIn || FDown || FMenuTracked) {
        TskSkinSpeedButton::Paint();
        return;
    }
    LookupSkinData();
    TCanvas* c = Canvas();
    const bool skinned = FIndex != -1;
    const bool menuDescription = IsMenuButtonDescription();
    RECT content = GetClientRect();
    if (menuDescription)
        content = NewClRect;
    else if (StripAtBottom())
        content.bottom -= kTrack;
    else
        content.right -= kTrack;
    AssignSkinFont(c->Font(), FDefaultFont.get(), skinned && FUseSkinFont, FSD, FontName, FontHeight, FontStyle);
    TColor color = FDefaultFont->GetColor();
    if (!GetEnabled())
        color = clBtnShadow;
    else if (skinned && FUseSkinFontColor)
        color = FSD->SkinColors()->cBtnText();
    c->Font()->SetColor(color);
    DrawSpeedFace(c, content, content, false, false, false, false);
    RECT area = menuDescription ? RECT{content.right, content.top, FWidth, content.bottom}
                : StripAtBottom() ? RECT{content.left, FHeight - kTrack, content.right, FHeight}
                                  : RECT{FWidth - kTrack, content.top, FWidth, content.bottom};
    if (skinned && ResizeMode != 1)
        area.left -= 2;
    if (skinned && !RectHasNoArea(MenuMarkerFlatRect))
        DrawMenuMarker(c, area, false, false, true);
    else
        DrawSmallDownTriangle(c, area, skinned ? FSD->SkinColors()->cBtnText() : clBtnText);
}
