#include "skin/core/skDataSkinControls.h"
#include "skin/core/skDataSkinExtraControls.h"
#include "skin/core/skMonitors.h"
#include "skin/core/skSkinImages.h"
#include "skin/core/skTextUtils.h"
#include "skin/core/skUtils.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/form/skSkinHint.h"
#include "skin/form/skSkinMenus.h"

#include "platform/gdi/Gdi.h"
#include "platform/window/User.h"

#include <algorithm>

// --- items -----------------------------------------------------------------------------------

void TskImagesMenuItem::Assign(TPersistent* Source)
{
    if (auto* other = dynamic_cast<TskImagesMenuItem*>(Source)) {
        ImageIndex = other->ImageIndex;
        Caption = other->Caption;
        Button = other->Button;
        Hint = other->Hint;
        return;
    }
    TCollectionItem::Assign(Source);
}

TskImagesMenuItems::TskImagesMenuItems(TPersistent* AOwner)
    : TOwnedCollection(AOwner, CollectionItemClass<TskImagesMenuItem>())
{
}

// --- the component ---------------------------------------------------------------------------

TskSkinImagesMenu::TskSkinImagesMenu(TComponent* AOwner)
    : TComponent(AOwner), FImagesItems(std::make_unique<TskImagesMenuItems>(this)),
      FDefaultFont(std::make_unique<TFont>())
{
    FDefaultFont->SetName("Arial");
    FDefaultFont->SetHeight(14);
}

// An open grid window is owned by the menu and freed with it.
TskSkinImagesMenu::~TskSkinImagesMenu() = default;

void TskSkinImagesMenu::SetImages(TCustomImageList* Value)
{
    FImages = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TskSkinImagesMenu::SetColumnsCount(int Value)
{
    if (Value >= 1 && Value <= 50)
        FColumnsCount = Value;
}

void TskSkinImagesMenu::SetSkinData(TskSkinData* Value)
{
    FSkinData = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TskSkinImagesMenu::SetSkinHint(TskSkinHint* Value)
{
    FSkinHint = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TskSkinImagesMenu::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == FImages)
        FImages = nullptr;
    if (AComponent == FSkinData)
        FSkinData = nullptr;
    if (AComponent == FSkinHint)
        FSkinHint = nullptr;
    if (AComponent == FPopupWindow)
        FPopupWindow = nullptr;
}

TskImagesMenuItem* TskSkinImagesMenu::SelectedItem() const
{
    if (ItemIndex < 0 || ItemIndex >= FImagesItems->Count())
        return nullptr;
    return FImagesItems->Items(ItemIndex);
}

void TskSkinImagesMenu::Popup(int X, int Y)
{
    PopupFromRect(RECT{X, Y, X, Y});
}

void TskSkinImagesMenu::PopupFromRect(const RECT& R)
{
    Hide();
    if (auto handler = OnMenuPopup)
        handler(this);
    // A grid without images or without items opens nothing.
    if (!FImages || FImages->Count() == 0 || FImagesItems->Count() == 0)
        return;
    FOldItemIndex = ItemIndex;
    FPopupWindow = new TskSkinImagesMenuPopupWindow(this);
    FPopupWindow->Show(R);
}

void TskSkinImagesMenu::Hide()
{
    if (FPopupWindow)
        FPopupWindow->Hide(false);
}

void TskSkinImagesMenu::CloseUp(bool ProcessEvents)
{
    if (!FPopupWindow)
        return;
    ReleaseControl(FPopupWindow);
    FPopupWindow = nullptr;
    if (auto handler = OnInternalMenuClose)
        handler(this);
    if (auto handler = OnMenuClose)
        handler(this);
    if (!ProcessEvents || ItemIndex == -1)
        return;
    if (TskImagesMenuItem* item = SelectedItem(); item && item->OnClick) {
        auto handler = item->OnClick;
        handler(this);
    }
    if (auto handler = OnItemClick)
        handler(this);
    if (ItemIndex != FOldItemIndex) {
        if (auto handler = OnInternalChange)
            handler(this);
        if (auto handler = OnChange)
            handler(this);
    }
}

// --- the grid window -------------------------------------------------------------------------

TskSkinImagesMenuPopupWindow::TskSkinImagesMenuPopupWindow(TskSkinImagesMenu* AOwner)
    : TCustomControl(AOwner), ImagesMenu(AOwner)
{
    SetVisible(false);
    FadeTimer = std::make_unique<TTimer>(nullptr);
    FadeTimer->SetEnabled(false);
    FadeTimer->SetInterval(5);
    FadeTimer->OnTimer = [this](TObject*) {
        FAlpha = std::min(ImagesMenu->AlphaBlendValue, FAlpha + 10);
        SetLayeredAlpha(GetHandle(), FAlpha);
        if (FAlpha >= ImagesMenu->AlphaBlendValue)
            FadeTimer->SetEnabled(false);
    };
}

TskSkinImagesMenuPopupWindow::~TskSkinImagesMenuPopupWindow()
{
    UnhookAppMessages();
    if (HandleAllocated() && GetCapture() == GetHandle())
        ReleaseCapture();
    if (FRgn)
        DeleteObject(FRgn);
}

void TskSkinImagesMenuPopupWindow::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    SetPopupWindowParams(Params);
}

TskImagesMenuItem* TskSkinImagesMenuPopupWindow::Item(int Index) const
{
    return ImagesMenu->ImagesItems()->Items(Index);
}

int TskSkinImagesMenuPopupWindow::Count() const
{
    return ImagesMenu->ImagesItems()->Count();
}

namespace {

// The skin's pop-up window picture, when it exists and holds the items rectangle (else the grid
// takes the default look).
TBitmap* GridWindowPicture(TskSkinData* SD)
{
    if (!SD || SD->Empty || !SD->PopupWindow)
        return nullptr;
    TBitmap* picture = SkinPicture(SD, SD->PopupWindow->WindowPictureIndex);
    return PictureHolds(picture, SD->PopupWindow->ItemsRect) ? picture : nullptr;
}

} // namespace

void TskSkinImagesMenuPopupWindow::ArrangeItems()
{
    TCustomImageList* il = ImagesMenu->GetImages();
    const int cw = il->GetWidth() + 10, ch = il->GetHeight() + 10;
    const int rw = ImagesMenu->GetColumnsCount() * cw;
    TskSkinData* sd = ImagesMenu->GetSkinData();
    const POINT origin = FSkinSupport ? POINT{sd->PopupWindow->ItemsRect.left, sd->PopupWindow->ItemsRect.top}
                                      : POINT{5, 5};
    int labelHeight = ch;
    if (FSkinSupport) {
        const int i = sd->GetControlIndex("label");
        if (i >= 0)
            labelHeight = HeightOfRect(sd->CtrlList[static_cast<std::size_t>(i)]->SkinRect);
    }
    const int left = origin.x;
    int x = left, y = origin.y;
    for (int i = 0; i < Count(); ++i) {
        TskImagesMenuItem* item = Item(i);
        if (item->Header || item->Button) {
            if (x != left)
                y += ch + 1;
            const int h = item->Header ? labelHeight : ch;
            item->ItemRect = RECT{left, y, left + rw, y + h};
            y += h + 1;
            x = left;
            continue;
        }
        item->ItemRect = RECT{x, y, x + cw, y + ch};
        x += cw;
        if (x + cw > left + rw) {
            x = left;
            y += ch + 1;
        }
    }
}

void TskSkinImagesMenuPopupWindow::CalcSize()
{
    TskSkinData* sd = ImagesMenu->GetSkinData();
    WindowPicture = GridWindowPicture(sd);
    FSkinSupport = WindowPicture != nullptr;
    ArrangeItems();
    TCustomImageList* il = ImagesMenu->GetImages();
    const int rw = ImagesMenu->GetColumnsCount() * (il->GetWidth() + 10);
    const RECT g{Item(0)->ItemRect.left, Item(0)->ItemRect.top, Item(0)->ItemRect.left + rw,
                 Item(Count() - 1)->ItemRect.bottom};
    if (!FSkinSupport) {
        SetBounds(GetLeft(), GetTop(), rw + 10, HeightOfRect(g) + 10);
        return;
    }
    const TskDataSkinPopupWindow& pw = *sd->PopupWindow;
    MaskPicture = SkinPicture(sd, pw.MaskPictureIndex);
    const int w = WindowPicture->GetWidth() + rw - WidthOfRect(pw.ItemsRect);
    const int h = WindowPicture->GetHeight() + HeightOfRect(g) - HeightOfRect(pw.ItemsRect);
    SetBounds(GetLeft(), GetTop(), w, h);
    const int pwW = WindowPicture->GetWidth(), pwH = WindowPicture->GetHeight();
    NewLTPoint = pw.LTPoint;
    NewRTPoint = POINT{w + pw.RTPoint.x - pwW, pw.RTPoint.y};
    NewLBPoint = POINT{pw.LBPoint.x, h + pw.LBPoint.y - pwH};
    NewRBPoint = POINT{w + pw.RBPoint.x - pwW, h + pw.RBPoint.y - pwH};
    NewItemsRect = RECT{pw.ItemsRect.left, pw.ItemsRect.top, w + pw.ItemsRect.right - pwW,
                        h + pw.ItemsRect.bottom - pwH};
    if (MaskPicture) {
        HRGN rgn = nullptr;
        BuildFrameRegionFromMask(rgn, pw.LTPoint, pw.RTPoint, pw.LBPoint, pw.RBPoint, pw.ItemsRect, NewLTPoint,
                                 NewRTPoint, NewLBPoint, NewRBPoint, NewItemsRect, MaskPicture, w, h);
        SetWindowRgn(GetHandle(), rgn, TRUE);
        if (FRgn)
            DeleteObject(FRgn);
        FRgn = rgn;
    }
}

void TskSkinImagesMenuPopupWindow::Show(const RECT& PopupRect)
{
    CalcSize();
    int x = PopupRect.left, y = PopupRect.bottom;
    TCustomForm* form = Screen->ActiveCustomForm();
    if (!form && Application->MainForm() && Application->MainForm()->GetVisible())
        form = Application->MainForm();
    if (!form)
        form = dynamic_cast<TCustomForm*>(ImagesMenu->GetOwner());
    RECT wa{};
    GetPrimaryScreenArea(true, wa);
    if (form)
        GetMonitorAreaOfWindow(form->GetHandle(), true, wa);
    if (y + GetHeight() > wa.bottom)
        y -= GetHeight() + HeightOfRect(PopupRect);
    if (x + GetWidth() > wa.right)
        x = wa.right - GetWidth();
    x = std::max(x, static_cast<int>(wa.left));
    y = std::max(y, static_cast<int>(wa.top));
    HWND h = GetHandle();
    if (ImagesMenu->AlphaBlend) {
        SetWindowLongPtr(h, GWL_EXSTYLE, GetWindowLongPtr(h, GWL_EXSTYLE) | WS_EX_LAYERED);
        FAlpha = ImagesMenu->AlphaBlendAnimation ? 0 : ImagesMenu->AlphaBlendValue;
        SetLayeredAlpha(h, FAlpha);
    }
    SetBounds(x, y, GetWidth(), GetHeight());
    SetWindowPos(h, HWND_TOPMOST, x, y, 0, 0, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
    if (ImagesMenu->AlphaBlend && ImagesMenu->AlphaBlendAnimation)
        FadeTimer->SetEnabled(true);
    FHookToken = Application->AddMessageFilter([this](MSG& Msg, bool& Handled) {
        switch (Msg.message) {
        case WM_MOVE: case WM_SIZE: case WM_ACTIVATE: case WM_KILLFOCUS: case WM_CANCELMODE:
        case WM_MOUSEACTIVATE: case WM_NCLBUTTONDOWN: case WM_NCRBUTTONDOWN: case WM_NCMBUTTONDOWN:
        case WM_SYSKEYDOWN: case WM_SYSCHAR: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN: case WM_PARENTNOTIFY:
            Hide(false);
            break;
        case WM_KEYDOWN:
            ProcessKey(static_cast<WORD>(Msg.wParam));
            Msg.message = 0;
            Handled = true;
            break;
        default:
            break;
        }
    });
    SetCapture(h);
}

void TskSkinImagesMenuPopupWindow::UnhookAppMessages()
{
    if (FHookToken == 0)
        return;
    Application->RemoveMessageFilter(FHookToken);
    FHookToken = 0;
}

void TskSkinImagesMenuPopupWindow::Hide(bool AProcessEvents)
{
    if (FClosing)
        return;
    FClosing = true;
    if (ImagesMenu->ShowHints && ImagesMenu->GetSkinHint())
        ImagesMenu->GetSkinHint()->HideHint();
    FadeTimer->SetEnabled(false);
    if (HandleAllocated()) {
        SetWindowPos(GetHandle(), nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
        if (GetCapture() == GetHandle())
            ReleaseCapture();
    }
    UnhookAppMessages();
    ImagesMenu->CloseUp(AProcessEvents);
}

void TskSkinImagesMenuPopupWindow::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_MOUSEACTIVATE:
        Message.Result = MA_NOACTIVATE;
        return;
    case WM_ERASEBKGND:
        Message.Result = 1;
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        const auto alive = AliveToken();
        TCustomControl::Dispatch(Message);
        if (!*alive || FClosing)
            return;
        POINT p{};
        GetCursorPos(&p);
        if (WindowFromPoint(p) != GetHandle())
            Hide(false);
        return;
    }
    case WM_MOUSELEAVE:
        TCustomControl::Dispatch(Message);
        if (ImagesMenu->GetSkinHint())
            ImagesMenu->GetSkinHint()->HideHint();
        FMouseInItem = FOldMouseInItem = -1;
        Invalidate();
        return;
    default:
        TCustomControl::Dispatch(Message);
    }
}

int TskSkinImagesMenuPopupWindow::ItemAtPoint(POINT P) const
{
    for (int i = 0; i < Count(); ++i)
        if (!Item(i)->Header && RectContainsPoint(Item(i)->ItemRect, P))
            return i;
    return -1;
}

void TskSkinImagesMenuPopupWindow::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    FMouseInItem = ItemAtPoint(POINT{X, Y});
    TskSkinHint* hint = ImagesMenu->GetSkinHint();
    if (hint && FMouseInItem == -1)
        hint->HideHint();
    if (FMouseInItem == FOldMouseInItem)
        return;
    FOldMouseInItem = FMouseInItem;
    Invalidate();
    if (ImagesMenu->ShowHints && hint && FMouseInItem != -1) {
        hint->HideHint();
        if (!Item(FMouseInItem)->Hint.empty())
            hint->ActivateHint2(Item(FMouseInItem)->Hint);
    }
}

void TskSkinImagesMenuPopupWindow::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (ImagesMenu->GetSkinHint())
        ImagesMenu->GetSkinHint()->HideHint();
    FDown = true;
    FItemDown = ItemAtPoint(POINT{X, Y}) != -1;
    Invalidate();
}

void TskSkinImagesMenuPopupWindow::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    const int i = ItemAtPoint(POINT{X, Y});
    if (FDown && i != -1) {
        ImagesMenu->ItemIndex = i;
        Hide(true);
        return;
    }
    ReleaseCapture();
    SetCapture(GetHandle());
}

// --- keys ------------------------------------------------------------------------------------

void TskSkinImagesMenuPopupWindow::SetHot(int Index)
{
    if (Index == FMouseInItem)
        return;
    FMouseInItem = Index;
    Invalidate();
}

int TskSkinImagesMenuPopupWindow::FirstSelectable() const
{
    return Count() > 1 && IsHeader(0) ? 1 : 0;
}

void TskSkinImagesMenuPopupWindow::SelectNext()
{
    if (FMouseInItem == -1 || FMouseInItem == Count() - 1) {
        SetHot(FirstSelectable());
        return;
    }
    for (int i = FMouseInItem + 1; i < Count(); ++i)
        if (!IsHeader(i)) {
            SetHot(i);
            return;
        }
}

void TskSkinImagesMenuPopupWindow::SelectPrev()
{
    if (FMouseInItem == -1 || FMouseInItem == 0 || (FMouseInItem == 1 && IsHeader(0) && Count() > 1)) {
        SetHot(Count() - 1);
        return;
    }
    for (int i = FMouseInItem - 1; i >= 0; --i)
        if (!IsHeader(i)) {
            SetHot(i);
            return;
        }
}

void TskSkinImagesMenuPopupWindow::SelectDown()
{
    if (FMouseInItem == -1) {
        SetHot(FirstSelectable());
        return;
    }
    const RECT cur = Item(FMouseInItem)->ItemRect;
    for (int i = FMouseInItem + 1; i < Count(); ++i) {
        const TskImagesMenuItem* it = Item(i);
        if (!it->Header && it->ItemRect.top > cur.top && (it->Button || it->ItemRect.left == cur.left)) {
            SetHot(i);
            return;
        }
    }
}

void TskSkinImagesMenuPopupWindow::SelectUp()
{
    if (FMouseInItem == -1) {
        SetHot(Count() - 1);
        return;
    }
    const RECT cur = Item(FMouseInItem)->ItemRect;
    for (int i = FMouseInItem - 1; i >= 0; --i) {
        const TskImagesMenuItem* it = Item(i);
        if (!it->Header && it->ItemRect.top < cur.top && (it->Button || it->ItemRect.left == cur.left)) {
            SetHot(i);
            return;
        }
    }
}

void TskSkinImagesMenuPopupWindow::ProcessKey(WORD Key)
{
    switch (Key) {
    case VK_RETURN:
    case VK_SPACE:
        if (FMouseInItem != -1)
            ImagesMenu->ItemIndex = FMouseInItem;
        Hide(true);
        break;
    case VK_ESCAPE: Hide(false); break;
    case VK_LEFT: SelectPrev(); break;
    case VK_UP: SelectUp(); break;
    case VK_RIGHT: SelectNext(); break;
    case VK_DOWN: SelectDown(); break;
    default: break;
    }
}

// --- painting --------------------------------------------------------------------------------

void TskSkinImagesMenuPopupWindow::DrawCellFrame(TCanvas* C, const RECT& R, bool Pressed)
{
    TBitmap b;
    const int w = WidthOfRect(R), h = HeightOfRect(R);
    TskSkinData* sd = ImagesMenu->GetSkinData();
    TskDataSkinButtonControl* d = nullptr;
    if (FSkinSupport) {
        for (const char* name : {"menuitembutton", "resizebutton"}) {
            const int i = sd->GetControlIndex(name);
            if (i >= 0 && (d = dynamic_cast<TskDataSkinButtonControl*>(sd->CtrlList[static_cast<std::size_t>(i)].get())))
                break;
        }
    }
    TBitmap* pic = d ? SkinPicture(sd, d->PictureIndex) : nullptr;
    if (d && pic) {
        RECT src = Pressed && !RectHasNoArea(d->DownSkinRect) ? d->DownSkinRect : d->ActiveSkinRect;
        if (RectHasNoArea(src))
            src = d->SkinRect;
        const int dw = w - WidthOfRect(src), dh = h - HeightOfRect(src);
        const RECT nc{d->ClRect.left, d->ClRect.top, d->ClRect.right + dw, d->ClRect.bottom + dh};
        ComposeNineSliceImage(d->LTPoint, d->RTPoint, d->LBPoint, d->RBPoint, d->ClRect, d->LTPoint,
                              POINT{d->RTPoint.x + dw, d->RTPoint.y}, POINT{d->LBPoint.x, d->LBPoint.y + dh},
                              POINT{d->RBPoint.x + dw, d->RBPoint.y + dh}, nc, &b, pic, src, w, h, true,
                              d->LeftStretch, d->TopStretch, d->RightStretch, d->BottomStretch, d->StretchEffect,
                              d->StretchType);
    }
    if (b.GetWidth() != w || b.GetHeight() != h) {
        b.SetSize(w, h);
        DrawDefaultHotFace(b.Canvas(), RECT{0, 0, w, h}, Pressed);
    }
    C->Draw(R.left, R.top, &b);
}

void TskSkinImagesMenuPopupWindow::DrawItemText(TCanvas* C, const std::string& Caption, const RECT& R, bool Active,
                                                bool Hot)
{
    TskSkinData* sd = ImagesMenu->GetSkinData();
    TskDataSkinButtonControl* d = nullptr;
    if (FSkinSupport && (sd->GetIndex("menuitem") >= 0 || sd->GetIndex("MENUITEM") >= 0)) {
        for (const char* name : {"menuitembutton", "resizebutton"}) {
            const int i = sd->GetControlIndex(name);
            if (i >= 0 && (d = dynamic_cast<TskDataSkinButtonControl*>(sd->CtrlList[static_cast<std::size_t>(i)].get())))
                break;
        }
    }
    if (d) {
        AssignSkinFont(C->Font(), ImagesMenu->DefaultFont(), ImagesMenu->UseSkinFont, sd, d->FontName, d->FontHeight,
                       d->FontStyle);
        const int mi = sd->GetIndex("menuitem") >= 0 ? sd->GetIndex("menuitem") : sd->GetIndex("MENUITEM");
        auto* item = dynamic_cast<TskDataSkinMenuItem*>(sd->ObjectList[static_cast<std::size_t>(mi)].get());
        C->Font()->SetColor(Active ? d->DownFontColor : Hot ? d->ActiveFontColor : item ? item->FontColor : d->FontColor);
    } else {
        AssignSkinFont(C->Font(), ImagesMenu->DefaultFont(), false, sd, {}, 0, {});
        C->Font()->SetColor(clWindowText);
    }
    C->Brush()->SetStyle(TBrushStyle::bsClear);
    RECT r = R;
    const bool fits = MeasureWideTextWidth(C, Caption) <= WidthOfRect(R);
    DrawWideStringText(C, Caption, r, DT_SINGLELINE | DT_VCENTER | (fits ? DT_CENTER : 0));
}

void TskSkinImagesMenuPopupWindow::DrawHeader(TCanvas* C, const RECT& R, const std::string& Caption)
{
    TskSkinData* sd = ImagesMenu->GetSkinData();
    TBitmap b;
    if (FSkinSupport && BuildLabelBand(&b, sd, sd->GetControlIndex("label"), WidthOfRect(R), Caption)) {
        C->Draw(R.left, R.top, &b);
        return;
    }
    RECT r = R;
    C->Brush()->SetStyle(TBrushStyle::bsClear);
    DrawWideStringText(C, Caption, r, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}

void TskSkinImagesMenuPopupWindow::Paint()
{
    TskSkinData* skin = ImagesMenu->GetSkinData();
    WindowPicture = GridWindowPicture(skin);
    FSkinSupport = WindowPicture != nullptr;
    const int w = GetWidth(), h = GetHeight();
    const int sel = ImagesMenu->ShowSelectedItem ? ImagesMenu->ItemIndex : -1;
    TBitmap buffer;
    if (FSkinSupport) {
        const TskDataSkinPopupWindow& pw = *skin->PopupWindow;
        ComposeNineSliceImage2(pw.LTPoint, pw.RTPoint, pw.LBPoint, pw.RBPoint, pw.ItemsRect, NewLTPoint, NewRTPoint,
                               NewLBPoint, NewRBPoint, NewItemsRect, &buffer, WindowPicture,
                               RECT{0, 0, WindowPicture->GetWidth(), WindowPicture->GetHeight()}, w, h, true,
                               pw.LeftStretch, pw.TopStretch, pw.RightStretch, pw.BottomStretch, pw.StretchEffect,
                               pw.StretchType);
    }
    if (buffer.GetWidth() != w || buffer.GetHeight() != h) {
        buffer.SetSize(w, h);
        buffer.Canvas()->Brush()->SetColor(clWindow);
        buffer.Canvas()->Pen()->SetColor(clBtnShadow);
        buffer.Canvas()->Rectangle(0, 0, w, h);
    }
    TCanvas* c = buffer.Canvas();
    TCustomImageList* il = ImagesMenu->GetImages();
    for (int i = 0; i < Count(); ++i) {
        TskImagesMenuItem* item = Item(i);
        const RECT& r = item->ItemRect;
        if (item->Header) {
            DrawHeader(c, r, item->Caption);
            continue;
        }
        const bool hot = i == FMouseInItem;
        if (i == sel && !FItemDown)
            DrawCellFrame(c, r, true);
        else if (hot)
            DrawCellFrame(c, r, FItemDown);
        int o = 0;
        if (item->ImageIndex >= 0 && item->ImageIndex < il->Count()) {
            il->Draw(c, r.left + 5, r.top + 5, item->ImageIndex);
            o = il->GetWidth() + 5;
        }
        if (item->Button && !item->Caption.empty())
            DrawItemText(c, item->Caption, RECT{r.left + o, r.top, r.right, r.bottom},
                         (i == sel && !FItemDown) || (hot && FItemDown), hot && !FItemDown);
    }
    Canvas()->Draw(0, 0, &buffer);
}
