#include "skin/core/skDrawMarks.h"
#include "skin/core/skMonitors.h"
#include "skin/core/skSkinImages.h"
#include "skin/core/skTextUtils.h"
#include "skin/core/skUtils.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/form/skSkinMenus.h"

#include "classlib/Frame3D.h"
#include "platform/gdi/Gdi.h"
#include "platform/win/Rect.h"
#include "platform/window/InputSource.h"
#include "platform/window/User.h"

#include <algorithm>

namespace {

constexpr UINT_PTR kScrollTimer = 1;
constexpr int kStrip = 10;

std::unique_ptr<TTimer> MakeTimer(UINT Interval, TNotifyEvent Handler)
{
    auto t = std::make_unique<TTimer>(nullptr);
    t->SetEnabled(false);
    t->SetInterval(Interval);
    t->OnTimer = std::move(Handler);
    return t;
}

} // namespace

TskSkinPopupWindow::TskSkinPopupWindow(TComponent* AOwner, TskSkinMenu* AParentMenu, TskDataSkinPopupWindow* AData)
    : TCustomControl(AOwner), FParentMenu(AParentMenu)
{
    SetVisible(false);
    MouseTimer = MakeTimer(50, [this](TObject*) { MouseTimerProc(); });
    MorphTimer = MakeTimer(20, [this](TObject*) { MorphTimerProc(); });
    FadeTimer = MakeTimer(5, [this](TObject*) { FadeStep(); });
    TskSkinData* sd = AParentMenu->SkinData();
    // Skinned only with a window picture that exists and holds the items rectangle; a broken
    // index or a rectangle past the picture gives the default look.
    if (AData && sd && (WindowPicture = SkinPicture(sd, AData->WindowPictureIndex)) != nullptr &&
        PictureHolds(WindowPicture, AData->ItemsRect)) {
        PW = AData;
        FSD = sd;
        MaskPicture = SkinPicture(sd, AData->MaskPictureIndex);
    } else {
        WindowPicture = nullptr;
    }
}

TskSkinPopupWindow::~TskSkinPopupWindow()
{
    if (FRgn)
        DeleteObject(FRgn);
}

void TskSkinPopupWindow::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    SetPopupWindowParams(Params);
}

void TskSkinPopupWindow::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_MOUSEACTIVATE:
        Message.Result = MA_NOACTIVATE;
        return;
    case WM_ERASEBKGND:
        PaintMenu(reinterpret_cast<HDC>(Message.WParam));
        Message.Result = 1;
        return;
    case WM_TIMER:
        TCustomControl::Dispatch(Message);
        if (Message.WParam == kScrollTimer)
            ScrollTimerProc();
        return;
    default:
        TCustomControl::Dispatch(Message);
    }
}

// --- filling and size ------------------------------------------------------------------------

void TskSkinPopupWindow::AddItems(TMenuItem* AItem, int StartIndex)
{
    if (!AItem)
        return;
    TMenu* menu = AItem->GetParentMenu();
    if (menu && menu->GetAutoLineReduction() == TMenuAutoFlag::maAutomatic)
        AItem->RethinkLines();
    if (!FImgL && menu)
        FImgL = menu->GetImages();
    for (int i = std::max(0, StartIndex); i < AItem->Count(); ++i) {
        TMenuItem* child = AItem->Items(i);
        if (child->GetVisible())
            ItemList.push_back(std::make_unique<TskSkinMenuItem>(this, child, DSMI));
    }
}

void TskSkinPopupWindow::CreateMenu(TMenuItem* AItem, TMenuItem* AItem2, int StartIndex)
{
    // A description whose item picture is missing is not used: its items get the default look
    // and height, and the shared description stays as the skin gave it.
    DSMI = FindMenuItemData(FSD);
    if (DSMI && !SkinPicture(FSD, DSMI->ActivePictureIndex))
        DSMI = nullptr;
    AddItems(AItem, StartIndex);
    if (AItem2)
        AddItems(AItem2, std::max(0, StartIndex - AItem->Count()));
    CalcSize(AItem2 != nullptr);
    const int w = GetWidth(), h = GetHeight();
    if (PW) {
        const int pw = WindowPicture->GetWidth(), ph = WindowPicture->GetHeight();
        NewLTPoint = PW->LTPoint;
        NewRTPoint = POINT{w + PW->RTPoint.x - pw, PW->RTPoint.y};
        NewLBPoint = POINT{PW->LBPoint.x, h + PW->LBPoint.y - ph};
        NewRBPoint = POINT{w + PW->RBPoint.x - pw, h + PW->RBPoint.y - ph};
        NewItemsRect = RECT{PW->ItemsRect.left, PW->ItemsRect.top, w + PW->ItemsRect.right - pw,
                            h + PW->ItemsRect.bottom - ph};
    } else {
        NewItemsRect = RECT{2, 2, w - 2, h - 2};
    }
    ArrangeItems();
    if (MaskPicture)
        SetMenuRegion();
}

int TskSkinPopupWindow::GetMenuWidth()
{
    TCanvas* c = Canvas();
    if (DSMI)
        AssignSkinFont(c->Font(), FParentMenu->DefaultMenuItemFont(), FParentMenu->UseSkinFont, FSD, DSMI->FontName,
                       DSMI->FontHeight, DSMI->FontStyle);
    else
        c->Font()->Assign(FParentMenu->DefaultMenuItemFont());
    int m = 0;
    for (auto& item : ItemList) {
        std::string text = item->MenuItem->GetCaption();
        if (item->MenuItem->GetShortCut() != 0)
            text += "  " + ShortCutToText(item->MenuItem->GetShortCut());
        m = std::max(m, MeasureWideTextWidth(c, text) + 2);
    }
    FGlyphWidth = FImgL ? FImgL->GetWidth() + 5 : 19;
    int w = m + FGlyphWidth + 19;
    if (PW) {
        w += WindowPicture->GetWidth() - WidthOfRect(PW->ItemsRect);
        w += DSMI ? DSMI->TextRct.left + (WidthOfRect(DSMI->SkinRect) - DSMI->TextRct.right) : 6;
    } else {
        w += 10;
    }
    return w;
}

int TskSkinPopupWindow::GetMenuHeight(bool Two)
{
    int s = 0;
    for (auto& item : ItemList)
        s += item->Height();
    const int frame = PW ? WindowPicture->GetHeight() - HeightOfRect(PW->ItemsRect) : (Two ? 4 : 6);
    const int limit = FParentMenu->MaxMenuItemsInWindow;
    if (limit > 0 && limit < ItemCount()) {
        FScroll = FScroll2 = true;
        const int itemHeight = DSMI ? HeightOfRect(DSMI->SkinRect) : FParentMenu->DefaultMenuItemHeight;
        return itemHeight * limit + frame + 2 * kStrip;
    }
    return s + frame;
}

void TskSkinPopupWindow::CalcSize(bool Two)
{
    FVisibleStartIndex = 0;
    FVisibleCount = ItemCount();
    FScroll = FScroll2 = false;
    const int w = GetMenuWidth();
    int h = GetMenuHeight(Two);
    const RECT& wa = FParentMenu->WorkArea();
    if (h > HeightOfRect(wa)) {
        h = HeightOfRect(wa);
        FScroll = true;
    }
    SetBounds(GetLeft(), GetTop(), w, h);
}

void TskSkinPopupWindow::SetMenuRegion()
{
    HRGN rgn = nullptr;
    BuildFrameRegionFromMask(rgn, PW->LTPoint, PW->RTPoint, PW->LBPoint, PW->RBPoint, PW->ItemsRect, NewLTPoint,
                             NewRTPoint, NewLBPoint, NewRBPoint, NewItemsRect, MaskPicture, GetWidth(), GetHeight());
    SetWindowRgn(GetHandle(), rgn, TRUE);
    if (FRgn)
        DeleteObject(FRgn);
    FRgn = rgn;
}

void TskSkinPopupWindow::ArrangeItems()
{
    int top = NewItemsRect.top, bottom = NewItemsRect.bottom;
    if (FScroll) {
        top += kStrip;
        bottom -= kStrip;
    }
    FVisibleCount = 0;
    for (int i = FVisibleStartIndex; i < ItemCount(); ++i) {
        TskSkinMenuItem* item = Item(i);
        const int h = item->Height();
        item->ObjectRect = RECT{NewItemsRect.left, top, NewItemsRect.right, top + h};
        if (top + h > bottom)
            break;
        item->FVisible = true;
        ++FVisibleCount;
        top += h;
    }
    if (FScroll)
        for (int i = 0; i < ItemCount(); ++i)
            if (i < FVisibleStartIndex || i >= FVisibleStartIndex + FVisibleCount)
                Item(i)->FVisible = false;
}

// --- placement and showing ---------------------------------------------------------------------

void TskSkinPopupWindow::CalcShowPosition(const RECT& R, bool PopupByItem, bool PopupUp)
{
    const RECT& wa = FParentMenu->WorkArea();
    const int w = GetWidth(), h = GetHeight();
    const bool upperHalf = R.top < wa.top + HeightOfRect(wa) / 2;
    bool overlap = false;
    int y;
    if (FScroll && !FScroll2) {
        y = wa.top;
    } else if (PopupByItem) {
        if (R.top + h - NewItemsRect.top > wa.bottom)
            y = upperHalf ? wa.bottom - h : std::max(static_cast<int>(wa.top), static_cast<int>(R.bottom - h + NewItemsRect.top));
        else
            y = R.top - NewItemsRect.top;
    } else if (PopupUp) {
        if (R.top - h >= wa.top) {
            y = R.top - h;
        } else if (upperHalf) {
            if (R.bottom + h <= wa.bottom) {
                y = R.bottom;
            } else {
                y = wa.bottom - h;
                overlap = true;
            }
        } else {
            y = wa.top;
            overlap = true;
        }
    } else if (R.bottom + h <= wa.bottom) {
        y = R.bottom;
    } else if (upperHalf) {
        y = wa.bottom - h;
        overlap = true;
    } else if (R.top - h < wa.top) {
        y = wa.top;
        overlap = true;
    } else {
        y = R.top - h;
    }
    int x;
    if (PopupByItem || (FScroll && !FScroll2) || overlap) {
        x = R.right + 1;
        if (R.right + w + 1 > wa.right)
            x = R.left - w - 1;
    } else {
        x = R.left;
        if (R.left + w > wa.right)
            x = wa.right - w;
        else if (R.left < wa.left)
            x = wa.left;
    }
    ShowX = x;
    ShowY = y;
}

void TskSkinPopupWindow::Show(const RECT& R, TMenuItem* AItem, int StartIndex, bool PopupByItem, bool PopupUp)
{
    CreateMenu(AItem, nullptr, StartIndex);
    CalcShowPosition(R, PopupByItem, PopupUp);
    ShowWindowAt(FParentMenu->AlphaBlend && FParentMenu->AlphaBlendAnimation && FParentMenu->First());
}

void TskSkinPopupWindow::Show2(const RECT& R, TMenuItem* AItem, TMenuItem* AItem2, int StartIndex, bool PopupByItem,
                               bool PopupUp)
{
    CreateMenu(AItem, AItem2, StartIndex);
    CalcShowPosition(R, PopupByItem, PopupUp);
    ShowWindowAt(FParentMenu->AlphaBlend && FParentMenu->AlphaBlendAnimation && FParentMenu->First());
}

void TskSkinPopupWindow::ShowWindowAt(bool Fade)
{
    HWND h = GetHandle();
    if (FParentMenu->AlphaBlend) {
        SetWindowLongPtr(h, GWL_EXSTYLE, GetWindowLongPtr(h, GWL_EXSTYLE) | WS_EX_LAYERED);
        FAlpha = Fade ? 0 : FParentMenu->AlphaBlendValue;
        SetLayeredAlpha(h, FAlpha);
    }
    SetBounds(ShowX, ShowY, GetWidth(), GetHeight());
    SetWindowPos(h, HWND_TOPMOST, ShowX, ShowY, 0, 0, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
    FShown = true;
    // The fade steps on the clock's timer and ends at the menu's alpha (or with the window).
    if (Fade)
        FadeTimer->SetEnabled(true);
    MouseTimer->SetEnabled(true);
    FActiveItem = -1;
    // Only a menu opened from the keyboard starts on its first item; the mouse picks its own.
    INPUT_MESSAGE_SOURCE source;
    GetCurrentInputMessageSource(&source);
    if (source.deviceType == IMDT_MOUSE)
        return;
    for (int i = 0; i < ItemCount(); ++i) {
        TskSkinMenuItem* item = Item(i);
        if (item->MenuItem->GetEnabled() && !item->IsDivider()) {
            item->WaitCommand = true;
            FActiveItem = i;
            item->MouseEnter(true);
            break;
        }
    }
}

void TskSkinPopupWindow::FadeStep()
{
    const int target = FParentMenu->AlphaBlendValue;
    const int step = std::max(1, target / 15);
    FAlpha = std::min(target, FAlpha + step);
    SetLayeredAlpha(GetHandle(), FAlpha);
    if (FAlpha >= target)
        FadeTimer->SetEnabled(false);
}

void TskSkinPopupWindow::Hide()
{
    if (HandleAllocated())
        SetWindowPos(GetHandle(), nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
    MouseTimer->SetEnabled(false);
    MorphTimer->SetEnabled(false);
    FadeTimer->SetEnabled(false);
    if (HandleAllocated())
        KillTimer(GetHandle(), kScrollTimer);
    FShown = false;
}

// --- painting --------------------------------------------------------------------------------

void TskSkinPopupWindow::CreateWindowImage(TBitmap* B, bool DrawCentre)
{
    const int w = GetWidth(), h = GetHeight();
    if (PW) {
        ComposeNineSliceImage2(PW->LTPoint, PW->RTPoint, PW->LBPoint, PW->RBPoint, PW->ItemsRect, NewLTPoint,
                               NewRTPoint, NewLBPoint, NewRBPoint, NewItemsRect, B, WindowPicture,
                               RECT{0, 0, WindowPicture->GetWidth(), WindowPicture->GetHeight()}, w, h, DrawCentre,
                               PW->LeftStretch, PW->TopStretch, PW->RightStretch, PW->BottomStretch,
                               PW->StretchEffect, PW->StretchType);
        if (B->GetWidth() != w || B->GetHeight() != h)
            B->SetSize(w, h);
        return;
    }
    B->SetSize(w, h);
    TCanvas* c = B->Canvas();
    const int s = FImgL ? FGlyphWidth + 2 : 21;
    c->Brush()->SetStyle(TBrushStyle::bsSolid);
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(RECT{0, 0, s, h});
    c->Brush()->SetColor(clWindow);
    c->FillRect(RECT{s, 0, w, h});
    c->Brush()->SetColor(clBtnShadow);
    c->FrameRect(RECT{0, 0, w, h});
    c->Brush()->SetColor(clWindow);
    c->FrameRect(RECT{1, 1, w - 1, h - 1});
}

void TskSkinPopupWindow::PaintMenu(HDC DC)
{
    TBitmap buffer;
    CreateWindowImage(&buffer, FScroll);
    if (PW && DSMI && DSMI->InActiveTransparent) {
        if (!FPaintBuffer)
            FPaintBuffer = std::make_unique<TBitmap>();
        CreateWindowImage(FPaintBuffer.get(), true);
    }
    int b = NewItemsRect.top + (FScroll ? kStrip : 0);
    for (int i = FVisibleStartIndex; i < FVisibleStartIndex + FVisibleCount && i < ItemCount(); ++i) {
        Item(i)->Draw(buffer.Canvas());
        b = Item(i)->ObjectRect.bottom;
    }
    if (FScroll) {
        DrawUpMarker(buffer.Canvas());
        DrawDownMarker(buffer.Canvas());
        if (b < NewItemsRect.bottom - kStrip)
            DrawScrollAreaBackground(buffer.Canvas(),
                                     RECT{NewItemsRect.left, b, NewItemsRect.right, NewItemsRect.bottom - kStrip});
    }
    TCanvas target;
    target.SetHandle(DC);
    target.Draw(0, 0, &buffer);
    target.SetHandle(nullptr);
}

void TskSkinPopupWindow::DrawItem(TskSkinMenuItem* Item)
{
    if (!FShown || !HandleAllocated())
        return;
    HDC dc = GetDC(GetHandle());
    TCanvas c;
    c.SetHandle(dc);
    Item->Draw(&c);
    c.SetHandle(nullptr);
    ReleaseDC(GetHandle(), dc);
}

void TskSkinPopupWindow::DrawScrollAreaBackground(TCanvas* Cnvs, const RECT& R)
{
    if (!FSD || RectHasNoArea(R))
        return;
    int index = FSD->GetIndex("menuitem");
    if (index < 0)
        index = FSD->GetIndex("MENUITEM");
    if (index < 0)
        return;
    auto* d = dynamic_cast<TskDataSkinMenuItem*>(FSD->ObjectList[static_cast<std::size_t>(index)].get());
    if (!d)
        return;
    TBitmap b;
    if (DSMI && DSMI->InActiveTransparent && FPaintBuffer) {
        b.SetSize(WidthOfRect(R), HeightOfRect(R));
        b.Canvas()->CopyRect(RECT{0, 0, b.GetWidth(), b.GetHeight()}, FPaintBuffer->Canvas(), R);
    } else {
        BuildHorzBandImage(d->ItemLO, d->ItemRO, &b, SkinPicture(FSD, d->ActivePictureIndex), d->SkinRect,
                           WidthOfRect(R), 0, d->InActiveStretchEffect);
    }
    if (b.Empty())
        return;
    Cnvs->CopyRect(RECT{R.left, R.top, R.left + b.GetWidth(), R.top + std::min(b.GetHeight(), HeightOfRect(R))},
                   b.Canvas(), RECT{0, 0, b.GetWidth(), std::min(b.GetHeight(), HeightOfRect(R))});
}

void TskSkinPopupWindow::DrawUpMarker(TCanvas* Cnvs)
{
    if (PW) {
        DrawScrollAreaBackground(Cnvs, UpStrip());
        DrawTriangleArrow(Cnvs, UpStrip(), FScrollCode == 1 ? PW->ScrollMarkerActiveColor : PW->ScrollMarkerColor, 3);
    } else {
        DrawTriangleArrow(Cnvs, RECT{3, 3, GetWidth() - 3, 13}, FScrollCode == 1 ? clBtnText : clBtnShadow, 3);
    }
}

void TskSkinPopupWindow::DrawDownMarker(TCanvas* Cnvs)
{
    if (PW) {
        DrawScrollAreaBackground(Cnvs, DownStrip());
        DrawTriangleArrow(Cnvs, DownStrip(), FScrollCode == 2 ? PW->ScrollMarkerActiveColor : PW->ScrollMarkerColor, 4);
    } else {
        DrawTriangleArrow(Cnvs, RECT{3, GetHeight() - 10, GetWidth() - 3, GetHeight() - 3},
                          FScrollCode == 2 ? clBtnText : clBtnShadow, 4);
    }
}

void TskSkinPopupWindow::RedrawMarkers()
{
    if (!FShown)
        return;
    HDC dc = GetDC(GetHandle());
    TCanvas c;
    c.SetHandle(dc);
    DrawUpMarker(&c);
    DrawDownMarker(&c);
    c.SetHandle(nullptr);
    ReleaseDC(GetHandle(), dc);
}

// --- scrolling -------------------------------------------------------------------------------

RECT TskSkinPopupWindow::UpStrip() const
{
    return RECT{NewItemsRect.left, NewItemsRect.top, NewItemsRect.right, NewItemsRect.top + kStrip};
}

RECT TskSkinPopupWindow::DownStrip() const
{
    return RECT{NewItemsRect.left, NewItemsRect.bottom - kStrip, NewItemsRect.right, NewItemsRect.bottom};
}

bool TskSkinPopupWindow::CanScroll(int Code) const
{
    if (Code == 1)
        return FVisibleStartIndex > 0;
    return FVisibleStartIndex + FVisibleCount - 1 < ItemCount() - 1;
}

void TskSkinPopupWindow::StartScroll()
{
    FParentMenu->CloseFrom(FParentMenu->IndexOfPopup(this) + 1);
    SetTimer(GetHandle(), kScrollTimer, 100, nullptr);
}

void TskSkinPopupWindow::StopScroll()
{
    FScrollCode = 0;
    RedrawMarkers();
    KillTimer(GetHandle(), kScrollTimer);
}

void TskSkinPopupWindow::ScrollTimerProc()
{
    if (FScrollCode == 1) {
        if (CanScroll(1))
            ScrollUp(false);
        else
            StopScroll();
    } else if (FScrollCode == 2) {
        if (CanScroll(2))
            ScrollDown(false);
        else
            StopScroll();
    }
}

void TskSkinPopupWindow::ScrollUp(bool Wrap)
{
    const int old = FVisibleStartIndex;
    if (FVisibleStartIndex > 0)
        --FVisibleStartIndex;
    else if (Wrap)
        FVisibleStartIndex = LastStartIndex();
    if (old != FVisibleStartIndex) {
        ArrangeItems();
        Repaint();
    }
}

void TskSkinPopupWindow::ScrollDown(bool Wrap)
{
    if (CanScroll(2))
        ++FVisibleStartIndex;
    else if (Wrap)
        FVisibleStartIndex = 0;
    ArrangeItems();
    Repaint();
}

int TskSkinPopupWindow::LastStartIndex() const
{
    // Counted from the items' own top (below the upper strip), so the wrap shows the last item.
    int y = NewItemsRect.bottom - kStrip;
    int n = 0;
    for (int i = ItemCount() - 1; i >= 0; --i) {
        y -= Item(i)->Height();
        if (y < NewItemsRect.top + kStrip)
            break;
        ++n;
    }
    return ItemCount() - n;
}

// --- mouse -----------------------------------------------------------------------------------

void TskSkinPopupWindow::MouseTimerProc()
{
    if (!FShown)
        return;
    POINT p{};
    GetCursorPos(&p);
    const POINT screen = p;
    ::ScreenToClient(GetHandle(), &p);
    if (p.x == OMX && p.y == OMY)
        return;
    if (WindowFromPoint(screen) == GetHandle()) {
        const auto alive = AliveToken();
        TrackMouse(p.x, p.y);
        if (!*alive)
            return;
    } else if (FScroll) {
        FScrollCode = 0;
        RedrawMarkers();
    }
    OMX = p.x;
    OMY = p.y;
}

void TskSkinPopupWindow::TrackMouse(int X, int Y)
{
    const POINT pt{X, Y};
    if (FScroll) {
        if (FScrollCode == 0 && RectContainsPoint(UpStrip(), pt) && CanScroll(1)) {
            FScrollCode = 1;
            RedrawMarkers();
            StartScroll();
        } else if (FScrollCode == 0 && RectContainsPoint(DownStrip(), pt) && CanScroll(2)) {
            FScrollCode = 2;
            RedrawMarkers();
            StartScroll();
        } else if (FScrollCode != 0 && !RectContainsPoint(UpStrip(), pt) && !RectContainsPoint(DownStrip(), pt)) {
            StopScroll();
        }
    }
    if (ItemList.empty())
        return;
    FOldActiveItem = FActiveItem;
    for (int i = 0; i < ItemCount(); ++i) {
        TskSkinMenuItem* item = Item(i);
        if (item->FVisible && PtInRect(&item->ObjectRect, pt)) {
            FActiveItem = i;
            break;
        }
    }
    if (FActiveItem >= ItemCount())
        FActiveItem = -1;
    if (FActiveItem == FOldActiveItem) {
        if (FActiveItem != -1) {
            TskSkinMenuItem* item = Item(FActiveItem);
            if (item->WaitCommand) {
                item->WaitCommand = false;
                if (item->MenuItem->Count() > 0)
                    item->MouseEnter(false);
            }
        }
        return;
    }
    if (FOldActiveItem != -1) {
        TskSkinMenuItem* old = Item(FOldActiveItem);
        if (old->MenuItem->GetEnabled() && !old->IsDivider())
            old->MouseLeave();
    }
    if (FActiveItem != -1) {
        TskSkinMenuItem* item = Item(FActiveItem);
        if (item->MenuItem->GetEnabled() && !item->IsDivider())
            item->MouseEnter(false);
    }
}

bool TskSkinPopupWindow::IsPointInItem(int X, int Y) const
{
    const POINT pt{X, Y};
    for (auto& item : ItemList)
        if (item->FVisible && PtInRect(&item->ObjectRect, pt))
            return true;
    return false;
}

void TskSkinPopupWindow::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    TrackMouse(X, Y);
    if (FActiveItem != -1 && Button == TMouseButton::mbLeft && IsPointInItem(X, Y) &&
        !Item(FActiveItem)->IsDivider())
        Item(FActiveItem)->MouseDown();
}

// --- items' morphing ---------------------------------------------------------------------------

void TskSkinPopupWindow::MorphTimerProc()
{
    if (!PW) {
        MorphTimer->SetEnabled(false);
        return;
    }
    bool busy = false;
    for (auto& p : ItemList) {
        TskSkinMenuItem* item = p.get();
        if (item->EnableMorphing() && item->CanMorphing()) {
            item->DoMorphing();
            busy = true;
        } else if (item->EnableAnimation()) {
            if (item->Active && item->CurrentFrame <= item->MI->FrameCount) {
                ++item->CurrentFrame;
                DrawItem(item);
                busy = true;
            } else if (!item->Active && item->CurrentFrame > 0) {
                --item->CurrentFrame;
                DrawItem(item);
                busy = true;
            }
        }
    }
    if (!busy)
        MorphTimer->SetEnabled(false);
}

void TskSkinPopupWindow::CloseChildPopups()
{
    const int i = FParentMenu->IndexOfPopup(this);
    if (i + 1 < FParentMenu->OpenCount())
        FParentMenu->CloseFrom(i + 1);
    for (auto& p : ItemList) {
        TskSkinMenuItem* item = p.get();
        if (!item->Down)
            continue;
        item->Down = false;
        if (item->EnableAnimation() && !item->MI->InActiveAnimation) {
            item->CurrentFrame = 0;
            DrawItem(item);
        } else {
            item->RefreshState();
        }
    }
}

// --- keyboard --------------------------------------------------------------------------------

bool TskSkinPopupWindow::SelectByAccel(WORD CharCode)
{
    if (!GetEnabled())
        return false;
    for (int i = 0; i < ItemCount(); ++i) {
        TskSkinMenuItem* item = Item(i);
        if (!IsAccel(static_cast<char32_t>(CharCode), item->MenuItem->GetCaption()))
            continue;
        const auto alive = AliveToken();
        item->MouseEnter(false);
        if (!*alive)
            return true;
        FOldActiveItem = FActiveItem;
        FActiveItem = i;
        if (FOldActiveItem != -1 && FOldActiveItem != i)
            Item(FOldActiveItem)->MouseLeave();
        item->MouseDown();
        return true;
    }
    return false;
}

void TskSkinPopupWindow::PopupKeyDown(WORD CharCode)
{
    if (!FShown)
        return;
    if (SelectByAccel(CharCode))
        return;
    const int n = FParentMenu->OpenCount();
    switch (CharCode) {
    case VK_RETURN:
        if (FActiveItem != -1)
            Item(FActiveItem)->MouseDown();
        break;
    case VK_ESCAPE:
    case VK_LEFT:
        if (n > 1) {
            TskSkinPopupWindow* before = FParentMenu->PopupWindow(n - 2);
            if (before->FActiveItem != -1)
                before->Item(before->FActiveItem)->Down = false;
            FParentMenu->CloseFrom(n - 1);
            if (before->FActiveItem != -1)
                before->Item(before->FActiveItem)->RefreshState();
        } else if (CharCode == VK_ESCAPE) {
            FParentMenu->CloseFrom(0);
        }
        break;
    case VK_UP:
        SelectPrevItem();
        break;
    case VK_RIGHT:
        if (FActiveItem != -1 && Item(FActiveItem)->MenuItem->Count() > 0)
            Item(FActiveItem)->MouseDown();
        break;
    case VK_DOWN:
        SelectNextItem();
        break;
    default:
        break;
    }
}

void TskSkinPopupWindow::SelectNextItem()
{
    auto lastVisible = [this](int i) { return FScroll && FScrollCode == 0 && FVisibleStartIndex + FVisibleCount == i + 1; };
    // No wrap past the last item: the selection stays there.
    if (FActiveItem != -1 && lastVisible(FActiveItem) && CanScroll(2))
        ScrollDown(false);
    FOldActiveItem = FActiveItem;
    const int start = FActiveItem + 1;
    for (int i = start; i < ItemCount(); ++i) {
        TskSkinMenuItem* item = Item(i);
        if (item->MenuItem->GetEnabled() && !item->IsDivider()) {
            FActiveItem = i;
            break;
        }
        if (lastVisible(i) && CanScroll(2))
            ScrollDown(false);
    }
    if (FActiveItem != FOldActiveItem) {
        const auto alive = AliveToken();
        Item(FActiveItem)->MouseEnter(true);
        if (*alive && FOldActiveItem != -1)
            Item(FOldActiveItem)->MouseLeave();
    }
}

void TskSkinPopupWindow::SelectPrevItem()
{
    auto firstVisible = [this](int i) { return FScroll && FScrollCode == 0 && i == FVisibleStartIndex; };
    if (FActiveItem != -1 && firstVisible(FActiveItem))
        ScrollUp(true);
    FOldActiveItem = FActiveItem;
    int start = FActiveItem - 1;
    if (FActiveItem == -1 || start == -1)
        start = ItemCount() - 1;
    for (int i = start; i >= 0; --i) {
        TskSkinMenuItem* item = Item(i);
        if (item->MenuItem->GetEnabled() && !item->IsDivider()) {
            FActiveItem = i;
            break;
        }
        if (firstVisible(i))
            ScrollUp(false);
    }
    if (FActiveItem != FOldActiveItem && FActiveItem != -1) {
        const auto alive = AliveToken();
        Item(FActiveItem)->MouseEnter(true);
        if (*alive && FOldActiveItem != -1)
            Item(FOldActiveItem)->MouseLeave();
    }
}
