// TskSkinCustomComboBox: the selection and text model with its events, the two styles with the
// inner edit, the layout, focus and enabling, skin changes.

#include "skin/input/skSkinComboBox.h"

#include "skin/input/skComboLooks.h"

#include "classlib/Messages.h"
#include "platform/window/ListBoxes.h"
#include "platform/gdi/Gdi.h"
#include "platform/win/Rect.h"
#include "platform/window/User.h"
#include "skin/core/skDataSkinControls.h"
#include "skin/form/skSkinChange.h"

#include <algorithm>

namespace {

int W(const RECT& r) { return r.right - r.left; }
int H(const RECT& r) { return r.bottom - r.top; }
bool HasArea(const RECT& r) { return W(r) > 0 && H(r) > 0; }

} // namespace

TskSkinCustomComboBox::TskSkinCustomComboBox(TComponent* AOwner) : TskSkinCustomControl(AOwner)
{
    SetTabStop(true);
    FControlStyle = TControlStyle() << csAcceptsControls << csCaptureMouse << csOpaque << csDoubleClicks;
    Font()->SetName("Arial");
    Font()->SetColor(clWindowText);
    Font()->SetHeight(14);
    SetWidth(120);
    SetHeight(20);
    FListBox = new TskPopupListBox(this);
    FListBox->ListBox->SetTabStop(false);
    FListBox->OnListBoxMouseMove = [this](TObject*, TShiftState, int X, int Y) { ListBoxHotTrack(X, Y); };
    FListBoxWindowProc = FListBox->ListBox->WindowProc;
    FListBox->ListBox->WindowProc = [this](TMessage& Message) { ListBoxWindowHook(Message); };
    LayoutParts();
    FSkinDataName = "combobox";
}

TskSkinCustomComboBox::~TskSkinCustomComboBox() = default;

void TskSkinCustomComboBox::BeforeDestruction()
{
    StopTimer();
    if (FEdit) {
        FEdit->Free();
        FEdit = nullptr;
    }
    if (FListBox) {
        TskPopupListBox* list = FListBox;
        FListBox = nullptr;
        list->Free();
    }
    TskSkinCustomControl::BeforeDestruction();
}

bool TskSkinCustomComboBox::Busy() const
{
    return ComponentState().Contains(csLoading) || ComponentState().Contains(csDesigning);
}

void TskSkinCustomComboBox::Fire(const TNotifyEvent& Event)
{
    if (auto handler = Event)
        handler(this);
}

void TskSkinCustomComboBox::Click()
{
    Fire(OnClick);
}

void TskSkinCustomComboBox::SelectionChanged()
{
    if (auto handler = OnSelectionChanged)
        handler();
}

void TskSkinCustomComboBox::SetListIndex(int Index)
{
    FListBox->ListBox->SetItemIndex(Index);
}

void TskSkinCustomComboBox::SetItemIndex(int Value)
{
    SetListIndex(Value);
    const int index = ListIndex();
    if (Items()->Count() > 0 && index != -1)
        SetText(Items()->Get(index));
    FOldItemIndex = index;
    if (!FEdit)
        Repaint();
    if (!Busy()) {
        Click();
        SelectionChanged();
    }
}

void TskSkinCustomComboBox::SetDropDownCount(int Value)
{
    if (Value > 0)
        FDropDownCount = Value;
}

void TskSkinCustomComboBox::SetStyle(TskSkinCustomComboBoxStyle Value)
{
    if (Value == FStyle && ComponentState().Contains(csDesigning))
        return;
    FStyle = Value;
    if (FStyle == TskSkinCustomComboBoxStyle::skcbEditStyle) {
        if (!FEdit)
            CreateInnerEdit();
        if (!ComponentState().Contains(csDesigning)) {
            if (GetTabStop()) {
                SetTabStop(false);
                FEdit->SetTabStop(true);
            } else {
                FEdit->SetTabStop(false);
            }
        }
        FEdit->SetText(GetText());
        if (Focused())
            FEdit->SetFocus();
    } else if (FEdit) {
        TskCustomEdit* edit = FEdit;
        FEdit = nullptr;
        edit->SetVisible(false);
        edit->Free();
    }
    LayoutParts();
    if (HandleAllocated())
        RecreateWnd();
    Repaint();
}

void TskSkinCustomComboBox::CreateInnerEdit()
{
    FEdit = new TskCustomEdit(this);
    FEdit->SetParent(this);
    FEdit->SetColor(FDefaultColor);
    FEdit->SetHideSelection(FHideSelection);
    FEdit->SetVisible(true);
    FEdit->SetEditTransparent(false);
    FEdit->OnChange = [this](TObject*) { EditTextChanged(); };
    FEditWindowProc = FEdit->WindowProc;
    FEdit->WindowProc = [this](TMessage& Message) { HandleEditMessage(Message); };
    FEdit->OnEditCancelMode = [this](TControl* C) { CancelMode(C); };
    FEdit->OnKeyDown = [this](TObject*, WORD& Key, TShiftState Shift) {
        if (auto handler = OnKeyDown)
            handler(this, Key, Shift);
    };
    FEdit->OnKeyPress = [this](TObject*, char32_t& Key) {
        if (auto handler = OnKeyPress)
            handler(this, Key);
    };
    FEdit->OnKeyUp = [this](TObject*, WORD& Key, TShiftState Shift) {
        if (auto handler = OnKeyUp)
            handler(this, Key, Shift);
    };
    FEdit->SetCharCase(FCharCase);
    if (FIndex == -1) {
        FEdit->Font()->Assign(Font());
    } else {
        FEdit->Font()->SetStyle(FontStyle);
        FEdit->Font()->SetColor(FontColor);
        FEdit->Font()->SetHeight(FontHeight);
        FEdit->Font()->SetName(FontName);
    }
    FEdit->SetEditTransparent(FIndex != -1);
    LayoutParts();
}

void TskSkinCustomComboBox::SetCharCase(TEditCharCase Value)
{
    FCharCase = Value;
    if (FEdit)
        FEdit->SetCharCase(Value);
}

void TskSkinCustomComboBox::EditTextChanged()
{
    FromEdit = true;
    const std::string text = FEdit->GetText();
    if (!text.empty()) {
        const int found = FindPrefix(text, -1);
        if (found >= 0) {
            if (FAutoComplete)
                SendMessage(FListBox->ListBox->GetHandle(), LB_SETCURSEL, static_cast<WPARAM>(found), 0);
            else
                SendMessage(FListBox->ListBox->GetHandle(), LB_SETTOPINDEX, static_cast<WPARAM>(found), 0);
        }
    }
    SetText(text);
    FromEdit = false;
}

int TskSkinCustomComboBox::FindPrefix(const std::string& Text, int Start)
{
    TskListBox* list = FListBox->ListBox;
    if (list->Count() == 0)
        return -1;
    const LRESULT r = SendMessage(list->GetHandle(), LB_FINDSTRING, static_cast<WPARAM>(Start),
                                  reinterpret_cast<LPARAM>(Text.c_str()));
    return r == LB_ERR ? -1 : static_cast<int>(r);
}

void TskSkinCustomComboBox::SetToolButtonStyle(bool Value)
{
    if (Value == FToolButtonStyle)
        return;
    FToolButtonStyle = Value;
    if (Value) {
        SetStyle(TskSkinCustomComboBoxStyle::skcbFixedStyle);
        SetUseSkinSize(false);
    }
    Repaint();
}

void TskSkinCustomComboBox::SetUseSkinSize(bool Value)
{
    if (Value == FUseSkinSize)
        return;
    FUseSkinSize = Value;
    if (HandleAllocated())
        ApplyMaskRegion();
}

void TskSkinCustomComboBox::SetDefaultColor(TColor Value)
{
    FDefaultColor = Value;
    Invalidate();
    if (FEdit && FIndex == -1)
        FEdit->SetColor(Value);
}

void TskSkinCustomComboBox::Invalidate()
{
    TskSkinCustomControl::Invalidate();
    if (FEdit && FIndex != -1)
        FEdit->Invalidate();
}

void TskSkinCustomComboBox::LookupSkinData()
{
    TskSkinCustomControl::LookupSkinData();
    auto* d = Description<TskDataSkinComboBox>();
    if (!d)
        return;
    ActiveSkinRect = d->ActiveSkinRect;
    ActiveFontColor = d->ActiveFontColor;
    SItemRect = d->SItemRect;
    ActiveItemRect = d->ActiveItemRect;
    FocusItemRect = HasArea(d->FocusItemRect) ? d->FocusItemRect : d->SItemRect;
    ItemLeftOffset = d->ItemLeftOffset;
    ItemRightOffset = d->ItemRightOffset;
    ItemTextRect = d->ItemTextRect;
    FontName = d->FontName;
    FontStyle = d->FontStyle;
    FontHeight = d->FontHeight;
    FontColor = d->FontColor;
    FocusFontColor = d->FocusFontColor;
    ButtonRect = d->ButtonRect;
    ActiveButtonRect = d->ActiveButtonRect;
    DownButtonRect = d->DownButtonRect;
    UnEnabledButtonRect = d->UnEnabledButtonRect;
    ListBoxName = d->ListBoxName;
    ItemStretchEffect = d->ItemStretchEffect;
    FocusItemStretchEffect = d->FocusItemStretchEffect;
    ShowFocus = d->ShowFocus;
}

void TskSkinCustomComboBox::LayoutParts()
{
    const int w = GetWidth(), h = GetHeight();
    if (FIndex == -1 || FToolButtonStyle) {
        Button.R = RECT{w - 19, 2, w - 2, h - 2};
        CBItem.R = RECT{2, 2, Button.R.left - 1, h - 2};
    } else {
        const int dw = w - W(SkinRect);
        Button.R = ButtonRect;
        if (ButtonRect.left >= W(SkinRect) - RTPt.x)
            OffsetRect(&Button.R, dw, 0);
        CBItem.R = ClRect;
        CBItem.R.right += dw;
        if (!FUseSkinSize) {
            Button.R.bottom += h - H(SkinRect);
            CBItem.R.bottom += h - H(SkinRect);
        }
    }
    if (FEdit) {
        TEXTMETRIC tm{};
        HDC dc = GetDC(nullptr);
        HGDIOBJ old = SelectObject(dc, FEdit->Font()->GetHandle());
        GetTextMetrics(dc, &tm);
        SelectObject(dc, old);
        ReleaseDC(nullptr, dc);
        const int eh = tm.tmHeight;
        FEdit->SetBounds(CBItem.R.left, CBItem.R.top + H(CBItem.R) / 2 - eh / 2, W(CBItem.R), eh);
    }
}

void TskSkinCustomComboBox::FitBoundsToSkin(int& W_, int& H_)
{
    if (FUseSkinSize) {
        TskSkinCustomControl::FitBoundsToSkin(W_, H_);
        return;
    }
    NewLTPoint = LTPt;
    NewRTPoint = POINT{RTPt.x + W_ - W(SkinRect), RTPt.y};
    NewClRect = ClRect;
    NewClRect.right += W_ - W(SkinRect);
}

void TskSkinCustomComboBox::ApplyMaskRegion()
{
    if (FUseSkinSize) {
        TskSkinCustomControl::ApplyMaskRegion();
        return;
    }
    // A region cut while the skin's size was in force would clip the freely sized control.
    if (FRgn != nullptr && HandleAllocated()) {
        SetWindowRgn(GetHandle(), nullptr, TRUE);
        FRgn = nullptr;
    }
}

void TskSkinCustomComboBox::DefaultFontChanged()
{
    Font()->Assign(DefaultFont());
}

bool TskSkinCustomComboBox::HasActiveRect() const
{
    return FIndex != -1 && HasArea(ActiveSkinRect);
}

void TskSkinCustomComboBox::SetEditFontColor(TColor Color)
{
    if (FEdit)
        FEdit->Font()->SetColor(Color);
}

BYTE TskSkinCustomComboBox::SkinCharset()
{
    if (FSD && FSD->ResourceStrData())
        return FSD->ResourceStrData()->CharSet();
    return DefaultFont()->GetCharset();
}

void TskSkinCustomComboBox::ChangeSkinData()
{
    TskSkinCustomControl::ChangeSkinData();
    LayoutParts();
    if (FEdit) {
        TFont* f = FEdit->Font();
        if (FIndex != -1 && FUseSkinFont) {
            f->SetStyle(FontStyle);
            f->SetHeight(FontHeight);
            f->SetName(FontName);
            f->SetColor(FontColor);
        } else {
            f->Assign(DefaultFont());
            if (FIndex != -1)
                f->SetColor(FontColor);
        }
        if (HasActiveRect() && (FEdit->Focused() || FMouseIn))
            f->SetColor(ActiveFontColor);
        f->SetCharset(SkinCharset());
        FEdit->SetEditTransparent(FIndex != -1);
        if (!GetEnabled())
            f->SetColor(ComboDisabledFontColor(FSD, FIndex != -1));
    }
    Repaint();
    FListBox->SetSkinDataName(FIndex == -1 ? "" : ListBoxName);
    FListBox->SetSkinData(FSD);
    FListBox->UpDateScrollBar();
    LayoutParts();
    if (FEdit && FIndex != -1) {
        int w = GetWidth(), h = GetHeight();
        FitBoundsToSkin(w, h);
        if (w != GetWidth() || h != GetHeight())
            SetBounds(GetLeft(), GetTop(), w, h);
    }
}

void TskSkinCustomComboBox::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_SIZE:
        TskSkinCustomControl::Dispatch(Message);
        LayoutParts();
        break;
    case CM_TEXTCHANGED:
        TskSkinCustomControl::Dispatch(Message);
        if (FEdit && !FromEdit)
            FEdit->SetText(GetText());
        Fire(OnChange);
        if (FromEdit)
            SelectionChanged();
        break;
    case WM_SETFOCUS:
        if (FEdit) {
            FEdit->SetFocus();
            if (HasActiveRect()) {
                SetEditFontColor(ActiveFontColor);
                Invalidate();
            }
        } else {
            TskSkinCustomControl::Dispatch(Message);
            Repaint();
        }
        break;
    case WM_KILLFOCUS:
        TskSkinCustomControl::Dispatch(Message);
        if (!FEdit)
            CloseUp(false);
        Repaint();
        if (FEdit && HasActiveRect()) {
            SetEditFontColor(FontColor);
            Invalidate();
        }
        break;
    case WM_ERASEBKGND:
        // Outside its own paint cycle the control, and its edit, paint into the given context.
        if (!FromWMPaint && Message.WParam != 0)
            PaintWithEditTo(reinterpret_cast<HDC>(Message.WParam));
        return;
    case CM_ENABLEDCHANGED:
        TskSkinCustomControl::Dispatch(Message);
        if (FEdit)
            SetEditFontColor(!GetEnabled() ? ComboDisabledFontColor(FSD, FIndex != -1)
                                             : FIndex == -1 ? DefaultFont()->GetColor() : FontColor);
        Repaint();
        break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: {
        TskSkinCustomControl::Dispatch(Message);
        const bool in = Message.Msg == CM_MOUSEENTER;
        FMouseIn = in;
        if (!in && Button.MouseIn) {
            Button.MouseIn = false;
            Repaint();
        }
        if (HasActiveRect() && FEdit && !FEdit->Focused())
            SetEditFontColor(in ? ActiveFontColor : FontColor);
        if (HasActiveRect() || FToolButtonStyle)
            Invalidate();
        break;
    }
    case CM_CANCELMODE:
        TskSkinCustomControl::Dispatch(Message);
        CancelMode(reinterpret_cast<TControl*>(Message.LParam));
        break;
    case CM_WANTSPECIALKEY:
        TskSkinCustomControl::Dispatch(Message);
        if (DropDownWantsKey(static_cast<unsigned>(Message.WParam), IsPopupVisible()))
            Message.Result = 1;
        break;
    case WM_MOUSEWHEEL:
        TskSkinCustomControl::Dispatch(Message);
        if (!FEdit) {
            if (static_cast<int32_t>(Message.WParam) > 0)
                SelectPrevious(!IsPopupVisible());
            else
                SelectNext(!IsPopupVisible());
        }
        break;
    case WM_TIMER:
        TskSkinCustomControl::Dispatch(Message);
        if (!FListBox)
            break;
        if (TimerMode == 1 && ListIndex() > 0)
            SetListIndex(ListIndex() - 1);
        else if (TimerMode == 2 && ListIndex() < Items()->Count() - 1)
            SetListIndex(ListIndex() + 1);
        break;
    default:
        TskSkinCustomControl::Dispatch(Message);
        break;
    }
}
