#include "skin/form/skSkinViews.h"

#include "classlib/Bitmap.h"
#include "platform/gdi/Gdi.h"
#include "platform/win/Rect.h"
#include "platform/window/User.h"
#include "skin/core/skDataSkinControls.h"
#include "skin/core/skSkinImages.h"
#include "skin/core/skTextUtils.h"
#include "skin/core/skUtils.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/form/skSkinMessages.h"

#include <algorithm>
#include <vector>

namespace {

// The property through which the subclassed header finds its view.
constexpr const char* kViewProp = "zd.skinlistview";

} // namespace

TskSkinCustomListView::TskSkinCustomListView(TComponent* AOwner)
    : TCustomListView(AOwner), TskSkinViewBinding(this, "listview")
{
    Font()->Assign(FDefaultFont.get());
}

TskSkinCustomListView::~TskSkinCustomListView()
{
    UnsubclassHeader();
}

void TskSkinCustomListView::CreateParams(TCreateParams& Params)
{
    TCustomListView::CreateParams(Params);
    Params.Style &= ~(WS_HSCROLL | WS_VSCROLL);
}

void TskSkinCustomListView::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomListView::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove)
        ForgetRemoved(AComponent);
}

void TskSkinCustomListView::Loaded()
{
    FInCheckScrollBars = true;
    TCustomListView::Loaded();
    FInCheckScrollBars = false;
    ChangeSkinData();
}

void TskSkinCustomListView::ChangeSkinData()
{
    ApplySkin<TskDataSkinListView>();
    UpDateScrollBars();
    for (TskSkinScrollBar* bar : {FVScrollBar, FHScrollBar})
        if (bar)
            bar->SetAlign(bar->GetAlign());
    if (GetViewStyle() == TViewStyle::vsReport && FHeaderHandle)
        InvalidateRect(FHeaderHandle, nullptr, TRUE);
}

void TskSkinCustomListView::Change(TListItem* Item, TItemChange Change)
{
    TCustomListView::Change(Item, Change);
    if (!FInCheckScrollBars)
        UpDateScrollBars();
}

// --- the external bars -----------------------------------------------------------------------

RECT TskSkinCustomListView::FirstItemRect()
{
    RECT r{LVIR_BOUNDS, 0, 0, 0};
    if (!SendMessage(GetHandle(), LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r)))
        return RECT{};
    return r;
}

void TskSkinCustomListView::UpDateScrollBars()
{
    if (!HandleAllocated() || FromSB || GetWidth() <= 5 || GetHeight() <= 5)
        return;
    switch (GetViewStyle()) {
    case TViewStyle::vsIcon:
    case TViewStyle::vsSmallIcon: UpDateIconScrollBars(); break;
    case TViewStyle::vsList: UpDateListScrollBars(); break;
    case TViewStyle::vsReport: UpDateReportScrollBars(); break;
    }
}

void TskSkinCustomListView::UpDateIconScrollBars()
{
    if (FInCheckScrollBars)
        return;
    const HWND h = GetHandle();
    bool changed = false;
    const int half = RectHeight(FirstItemRect()) / 2;
    const int step = half == 0 ? 1 : half;
    // Both bars count pixels; the page is the view's extent along the bar.
    auto sync = [&](TskSkinScrollBar* bar, int which, int extent, int& old) {
        if (!bar)
            return;
        int min = 0, max = 0;
        GetScrollRange(h, which, &min, &max);
        const int pos = GetScrollPos(h, which);
        const bool show = max > extent && GetVisible();
        changed |= ShowBar(bar, show);
        bar->SetSmallChange(step);
        bar->SetLargeChange(step);
        if (show)
            bar->SetRange(min, max, pos, extent);
        old = pos;
    };
    sync(FVScrollBar, SB_VERT, GetHeight(), FOldVScrollBarPos);
    sync(FHScrollBar, SB_HORZ, GetWidth(), FOldHScrollBarPos);
    FinishBars(changed);
}

void TskSkinCustomListView::UpDateListScrollBars()
{
    if (FInCheckScrollBars)
        return;
    const HWND h = GetHandle();
    bool changed = false;
    if (FVScrollBar)
        changed |= ShowBar(FVScrollBar, false);
    if (FHScrollBar) {
        int min = 0, max = 0;
        GetScrollRange(h, SB_HORZ, &min, &max);
        const int pos = GetScrollPos(h, SB_HORZ);
        const int perPage = static_cast<int>(SendMessage(h, LVM_GETCOUNTPERPAGE, 0, 0));
        const int count = static_cast<int>(SendMessage(h, LVM_GETITEMCOUNT, 0, 0));
        const bool show = perPage < count && GetVisible();
        changed |= ShowBar(FHScrollBar, show);
        if (show) {
            int itemWidth = count > 0 ? RectWidth(FirstItemRect()) : 1;
            if (itemWidth <= 0)
                itemWidth = 1;
            FHScrollBar->SetRange(min, max, pos, GetWidth() / itemWidth);
            FHScrollBar->SetSmallChange(1);
            FHScrollBar->SetLargeChange(1);
        }
        FOldHScrollBarPos = pos;
    }
    FinishBars(changed);
}

void TskSkinCustomListView::UpDateReportScrollBars()
{
    if (FInCheckScrollBars)
        return;
    const HWND h = GetHandle();
    bool changed = false;
    const int perPage = static_cast<int>(SendMessage(h, LVM_GETCOUNTPERPAGE, 0, 0));
    if (FVScrollBar) {
        int min = 0, max = 0;
        GetScrollRange(h, SB_VERT, &min, &max);
        const int pos = GetScrollPos(h, SB_VERT);
        const bool show = perPage < max + 1 && GetVisible();
        changed |= ShowBar(FVScrollBar, show);
        if (show)
            FVScrollBar->SetRange(min, max, pos, perPage);
        FVScrollBar->SetSmallChange(1);
        FVScrollBar->SetLargeChange(std::max(perPage, 1));
        FOldVScrollBarPos = pos;
    }
    if (FHScrollBar) {
        int min = 0, max = 0;
        GetScrollRange(h, SB_HORZ, &min, &max);
        const int pos = GetScrollPos(h, SB_HORZ);
        const bool show = max > GetWidth() && GetVisible();
        changed |= ShowBar(FHScrollBar, show);
        if (show)
            FHScrollBar->SetRange(min, max, pos, GetWidth());
        FOldHScrollBarPos = pos;
    }
    FinishBars(changed);
}

void TskSkinCustomListView::OnVScrollBarChange(TObject*)
{
    if (!FVScrollBar)
        return;
    FromSB = true;
    const int delta = FVScrollBar->GetPosition() - FOldVScrollBarPos;
    if (GetViewStyle() == TViewStyle::vsIcon || GetViewStyle() == TViewStyle::vsSmallIcon)
        Scroll(0, delta);
    else
        Scroll(0, delta * RectHeight(FirstItemRect()));
    FromSB = false;
    FOldVScrollBarPos = FVScrollBar ? FVScrollBar->GetPosition() : 0;
}

void TskSkinCustomListView::OnHScrollBarChange(TObject*)
{
    if (!FHScrollBar)
        return;
    FromSB = true;
    const int delta = FHScrollBar->GetPosition() - FOldHScrollBarPos;
    if (GetViewStyle() == TViewStyle::vsList) {
        for (int i = 0; i < std::abs(delta); ++i)
            SendMessage(GetHandle(), WM_HSCROLL, delta < 0 ? SB_LINELEFT : SB_LINERIGHT, 0);
    } else {
        Scroll(delta, 0);
    }
    FromSB = false;
    FOldHScrollBarPos = FHScrollBar ? FHScrollBar->GetPosition() : 0;
}

// --- the header ------------------------------------------------------------------------------

void TskSkinCustomListView::SubclassHeader(HWND Header)
{
    UnsubclassHeader();
    FHeaderHandle = Header;
    SetProp(Header, kViewProp, this);
    FDefHeaderProc = reinterpret_cast<WNDPROC>(SetWindowLongPtr(Header, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HeaderProc)));
}

void TskSkinCustomListView::UnsubclassHeader()
{
    if (!FHeaderHandle)
        return;
    if (IsWindow(FHeaderHandle)) {
        SetWindowLongPtr(FHeaderHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FDefHeaderProc));
        RemoveProp(FHeaderHandle, kViewProp);
    }
    FHeaderHandle = nullptr;
    FDefHeaderProc = nullptr;
}

LRESULT TskSkinCustomListView::HeaderProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* view = static_cast<TskSkinCustomListView*>(GetProp(hwnd, kViewProp));
    if (!view || view->FHeaderHandle != hwnd)
        return DefWindowProc(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        WNDPROC own = view->FDefHeaderProc;
        RemoveProp(hwnd, kViewProp);
        view->FHeaderHandle = nullptr;
        view->FDefHeaderProc = nullptr;
        return CallWindowProc(own, hwnd, msg, wParam, lParam);
    }
    return view->HeaderWndProc(msg, wParam, lParam);
}

LRESULT TskSkinCustomListView::HeaderWndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    const HWND header = FHeaderHandle;
    switch (msg) {
    case WM_WINDOWPOSCHANGING:
        reinterpret_cast<WINDOWPOS*>(lParam)->cx += 25;
        return 0;
    case WM_PAINT:
        PaintHeader(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return 1;
    default: break;
    }
    const LRESULT result = CallWindowProc(FDefHeaderProc, header, msg, wParam, lParam);
    switch (msg) {
    case WM_MOUSEMOVE:
        if (FDevDown)
            RedrawWindow(header, nullptr, nullptr, RDW_INVALIDATE);
        break;
    case WM_LBUTTONDOWN: {
        const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        FActiveSection = -1;
        const int count = static_cast<int>(SendMessage(header, HDM_GETITEMCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            RECT r = GetHeaderSectionRect(i);
            if (PtInRect(&r, p)) {
                FActiveSection = i;
                break;
            }
        }
        HDHITTESTINFO hit;
        hit.pt = p;
        SendMessage(header, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
        FDevDown = (hit.flags & (HHT_ONDIVIDER | HHT_ONDIVOPEN)) != 0;
        FHeaderDown = !FDevDown;
        RedrawWindow(header, nullptr, nullptr, RDW_INVALIDATE);
        break;
    }
    case WM_LBUTTONUP:
        FHeaderDown = false;
        FDevDown = false;
        FActiveSection = -1;
        RedrawWindow(header, nullptr, nullptr, RDW_INVALIDATE);
        break;
    default: break;
    }
    return result;
}

RECT TskSkinCustomListView::GetHeaderSectionRect(int Index)
{
    RECT r{};
    int item = Index;
    if (GetFullDrag()) {
        const int count = Columns()->Count();
        std::vector<int> order(static_cast<std::size_t>(std::max(count, 0)));
        if (count > 0 &&
            SendMessage(FHeaderHandle, HDM_GETORDERARRAY, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(order.data())) &&
            Index >= 0 && Index < count)
            item = order[static_cast<std::size_t>(Index)];
    }
    SendMessage(FHeaderHandle, HDM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&r));
    return r;
}

void TskSkinCustomListView::GetHeaderSkinData()
{
    FHIndex = FSD == nullptr || FSD->Empty ? -1 : FSD->GetControlIndex(FHeaderSkinDataName);
    FHeaderDescription = nullptr;
    HPicture = nullptr;
    if (FHIndex == -1)
        return;
    FHeaderDescription = dynamic_cast<const TskDataSkinButtonControl*>(FSD->CtrlList[static_cast<std::size_t>(FHIndex)].get());
    if (FHeaderDescription)
        HPicture = SkinPicture(FSD, FHeaderDescription->PictureIndex);
}

void TskSkinCustomListView::PaintHeader(HDC DC)
{
    if (!FHeaderHandle)
        return;
    GetHeaderSkinData();
    PAINTSTRUCT ps;
    HDC dc = DC ? DC : BeginPaint(FHeaderHandle, &ps);
    if (!dc)
        return;
    TCanvas canvas;
    canvas.SetHandle(dc);
    const int count = static_cast<int>(SendMessage(FHeaderHandle, HDM_GETITEMCOUNT, 0, 0));
    int right = 0;
    for (int i = 0; i < count; ++i) {
        const RECT r = GetHeaderSectionRect(i);
        right = std::max(right, static_cast<int>(r.right));
        TListColumn* column = i < Columns()->Count() ? Columns()->Items(i) : nullptr;
        DrawHeaderSection(&canvas, column, r, i == FActiveSection && FHeaderDown);
    }
    RECT client;
    ::GetClientRect(FHeaderHandle, &client);
    const RECT rest{right, 0, client.right + 1, client.bottom};
    if (RectWidth(rest) > 0 && RectHeight(rest) > 0) {
        if (FHIndex == -1 || !FHeaderDescription) {
            canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
            canvas.Brush()->SetColor(clBtnFace);
            canvas.FillRect(rest);
            canvas.Brush()->SetColor(clBtnShadow);
            canvas.FrameRect(rest);
        } else if (HPicture) {
            const auto& d = *FHeaderDescription;
            TBitmap area;
            area.SetSize(RectWidth(rest), RectHeight(rest));
            const int dw = RectWidth(rest) - RectWidth(d.SkinRect), dh = RectHeight(rest) - RectHeight(d.SkinRect);
            if (d.LBPoint.x != 0 || d.LBPoint.y != 0) {
                RECT nc = d.ClRect;
                nc.right += dw;
                nc.bottom += dh;
                ComposeNineSliceOpenRight(d.LTPoint, d.RTPoint, d.LBPoint, d.RBPoint, d.ClRect, d.LTPoint,
                                          POINT{d.RTPoint.x + dw, d.RTPoint.y}, POINT{d.LBPoint.x, d.LBPoint.y + dh},
                                          POINT{d.RBPoint.x + dw, d.RBPoint.y + dh}, nc, &area, HPicture, d.SkinRect,
                                          RectWidth(rest), RectHeight(rest), true, d.LeftStretch, d.TopStretch, d.RightStretch,
                                          d.BottomStretch, d.StretchEffect, d.StretchType);
            } else {
                TBitmap band;
                BuildHorzBandImageLeftEnd(d.LTPoint.x, RectWidth(d.SkinRect) - d.RTPoint.x, &band, HPicture, d.SkinRect,
                                          RectWidth(rest), RectHeight(d.SkinRect), d.StretchEffect);
                area.Canvas()->StretchDraw(RECT{0, 0, RectWidth(rest), RectHeight(rest)}, &band);
            }
            canvas.Draw(rest.left, rest.top, &area);
        }
    }
    canvas.SetHandle(nullptr);
    // A context passed in stays its owner's: only our own is given back.
    if (!DC)
        EndPaint(FHeaderHandle, &ps);
}

void TskSkinCustomListView::DrawHeaderSection(TCanvas* Cnvs, TListColumn* Column, RECT R, bool Pressed)
{
    GetHeaderSkinData();
    const int w = RectWidth(R), h = RectHeight(R);
    if (w <= 0 || h <= 0)
        return;
    const std::string caption = Column ? Column->GetCaption() : std::string{};
    TBitmap buffer;
    buffer.SetSize(w, h);
    TCanvas* c = buffer.Canvas();
    RECT r{0, 0, w, h};
    c->Font()->Assign(Font());
    if (FHIndex == -1 || !FHeaderDescription) {
        c->Brush()->SetStyle(TBrushStyle::bsSolid);
        c->Brush()->SetColor(Pressed ? clNavy : clBtnShadow);
        c->FrameRect(r);
        InflateRect(&r, -1, -1);
        c->Brush()->SetColor(Pressed ? TColor{11899781} : clBtnFace);
        c->FillRect(r);
        c->Font()->SetColor(clBtnText);
    } else {
        const auto& d = *FHeaderDescription;
        c->Font()->SetColor(Pressed ? d.DownFontColor : d.FontColor);
        const RECT active = RectHasNoArea(d.ActiveSkinRect) ? d.SkinRect : d.ActiveSkinRect;
        const RECT down = RectHasNoArea(d.DownSkinRect) ? active : d.DownSkinRect;
        const RECT src = Pressed ? down : d.SkinRect;
        const int dw = w - RectWidth(d.SkinRect), dh = h - RectHeight(d.SkinRect);
        if (HPicture && (d.LBPoint.x != 0 || d.LBPoint.y != 0)) {
            RECT nc = d.ClRect;
            nc.right += dw;
            nc.bottom += dh;
            ComposeNineSliceImage(d.LTPoint, d.RTPoint, d.LBPoint, d.RBPoint, d.ClRect, d.LTPoint,
                                  POINT{d.RTPoint.x + dw, d.RTPoint.y}, POINT{d.LBPoint.x, d.LBPoint.y + dh},
                                  POINT{d.RBPoint.x + dw, d.RBPoint.y + dh}, nc, &buffer, HPicture, src, w, h, true,
                                  d.LeftStretch, d.TopStretch, d.RightStretch, d.BottomStretch, d.StretchEffect,
                                  d.StretchType);
        } else if (HPicture) {
            TBitmap band;
            BuildHorzBandImage(d.LTPoint.x, RectWidth(src) - d.RTPoint.x, &band, HPicture, src, w, RectHeight(d.SkinRect),
                               d.StretchEffect);
            c->StretchDraw(RECT{0, 0, w, h}, &band);
        }
    }
    if (const TskDrawHeaderSectionEvent draw = OnDrawHeaderSection; draw && Column) {
        draw(c, Column, Pressed, RECT{0, 0, w, h});
    } else {
        c->Brush()->SetStyle(TBrushStyle::bsClear);
        r.left += 5;
        r.right -= 5;
        std::string text = caption;
        const TAlignment alignment = Column ? Column->GetAlignment() : TAlignment::taLeftJustify;
        TCustomImageList* images = GetSmallImages();
        const int image = Column ? Column->GetImageIndex() : -1;
        const int th = c->TextHeight(text.empty() ? std::string("Ag") : text);
        const int ty = r.top + RectHeight(r) / 2 - th / 2;
        if (images && image >= 0 && image < images->Count()) {
            const int iw = images->GetWidth();
            FitTextWithEllipsis(c, text, RectWidth(r) - iw - 10);
            const int tw = c->TextWidth(text);
            int ix = r.left;
            if (text == caption) {
                if (alignment == TAlignment::taRightJustify)
                    ix = r.right - tw - iw - 10;
                else if (alignment == TAlignment::taCenter)
                    ix = r.left + RectWidth(r) / 2 - (tw + iw + 10) / 2;
            }
            images->Draw(c, ix, r.top + RectHeight(r) / 2 - images->GetHeight() / 2, image, true);
            c->TextRect(r, ix + iw + 10, ty, text);
        } else {
            FitTextWithEllipsis(c, text, RectWidth(r));
            const int tw = c->TextWidth(text);
            int tx = r.left;
            if (alignment == TAlignment::taRightJustify)
                tx = r.right - tw;
            else if (alignment == TAlignment::taCenter)
                tx = r.left + RectWidth(r) / 2 - tw / 2;
            c->TextRect(r, tx, ty, text);
        }
    }
    Cnvs->Draw(R.left, R.top, &buffer);
}

// --- messages --------------------------------------------------------------------------------

void TskSkinCustomListView::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_NCCALCSIZE:
    case WM_NCPAINT:
        // No frame and no native bars: the client area is the whole window.
        return;
    case SKM_PAINTBORDERTO:
        Message.Result = SKM_BORDERPAINTED;
        return;
    case SKM_PAINTHEADERTO:
        if (FHeaderHandle)
            PaintHeader(reinterpret_cast<HDC>(Message.WParam));
        return;
    case WM_PARENTNOTIFY:
        if (LOWORD(Message.WParam) == WM_CREATE) {
            const HWND child = reinterpret_cast<HWND>(Message.LParam);
            std::string name = GetClassName(child);
            if (name.size() > 80)
                name.resize(80);
            if (name == WC_HEADER && GetShowColumnHeaders())
                SubclassHeader(child);
        }
        TCustomListView::Dispatch(Message);
        return;
    case CM_VISIBLECHANGED:
        TCustomListView::Dispatch(Message);
        for (TskSkinScrollBar* bar : {FVScrollBar, FHScrollBar})
            if (bar)
                bar->SetVisible(GetVisible());
        return;
    case WM_SIZE:
        TCustomListView::Dispatch(Message);
        if (!FInCheckScrollBars && Items()->Count() > 0)
            UpDateScrollBars();
        if (GetViewStyle() == TViewStyle::vsReport && FHeaderHandle)
            InvalidateRect(FHeaderHandle, nullptr, FALSE);
        return;
    case WM_PAINT:
        TCustomListView::Dispatch(Message);
        if (!FInCheckScrollBars)
            UpDateScrollBars();
        return;
    case WM_KEYDOWN:
    case WM_LBUTTONUP:
        TCustomListView::Dispatch(Message);
        UpDateScrollBars();
        return;
    case WM_DESTROY:
        UnsubclassHeader();
        TCustomListView::Dispatch(Message);
        return;
    default:
        TCustomListView::Dispatch(Message);
        return;
    }
}
