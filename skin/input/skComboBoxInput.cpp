// TskSkinCustomComboBox towards the user: opening and closing the list, the list following the
// pointer, dragging into the list with automatic scrolling, keys, wheel, incremental search and
// auto-completion.

#include "skin/input/skSkinComboBox.h"

#include "classlib/Messages.h"
#include "classlib/Utf8.h"
#include "platform/kernel/Utf8.h"
#include "platform/window/ListBoxes.h"
#include "platform/kernel/Clock.h"
#include "platform/win/Rect.h"
#include "platform/window/User.h"
#include "skin/core/skMonitors.h"

#include <algorithm>

namespace {

constexpr UINT_PTR kScrollTimer = 1;
constexpr UINT kScrollInterval = 25;
constexpr DWORD kSearchPause = 500;
constexpr DWORD kCompletePause = 200;

int CodePoints(const std::string& Text)
{
    return static_cast<int>(DecodeUtf8(Text).size());
}

bool IsCjk(BYTE Charset)
{
    return Charset == 128 || Charset == 134 || Charset == 136;
}

} // namespace

void TskSkinCustomComboBox::DropDown()
{
    if (Items()->Count() == 0)
        return;
    WasInLB = false;
    StopTimer();
    Fire(OnDropDown);
    FListBox->SetWidth(FListBoxWidth > 0 ? FListBoxWidth : GetWidth());
    FListBox->SetRowCount(std::min(Items()->Count(), FDropDownCount));
    POINT p = GetParent() ? GetParent()->ClientToScreen(POINT{GetLeft(), GetTop() + GetHeight()})
                          : ClientToScreen(POINT{0, GetHeight()});
    RECT work{};
    GetMonitorAreaOfWindow(GetHandle(), true, work);
    if (p.y + FListBox->GetHeight() > work.bottom)
        p.y -= GetHeight() + FListBox->GetHeight();
    if (FEdit)
        FEdit->SetFocus();
    FOldItemIndex = ListIndex();
    if (ListIndex() == 0 && Items()->Count() > 1) {
        SetListIndex(1);
        SetListIndex(0);
    }
    FDropDown = true;
    if (FToolButtonStyle)
        Repaint();
    FListBox->SetParentWindow(GetHandle());
    FListBox->SetTopIndex(std::max(0, ListIndex()));
    FListBox->SetSkinData(GetSkinData());
    FListBox->Show(p);
}

void TskSkinCustomComboBox::CloseUp(bool Value)
{
    StopTimer();
    if (!IsPopupVisible())
        return;
    FListBox->Hide();
    const int index = ListIndex();
    if (index < 0) {
        SetListIndex(FOldItemIndex);
    } else if (index < Items()->Count() && Value) {
        if (FEdit) {
            FEdit->SetText(Items()->Get(index));
            FEdit->SelectAll();
        } else {
            SetText(Items()->Get(index));
            Repaint();
        }
        Click();
        SelectionChanged();
    } else {
        SetListIndex(FOldItemIndex);
    }
    FDropDown = false;
    Repaint();
    if (Value)
        Fire(OnCloseUp);
}

void TskSkinCustomComboBox::CancelMode(TControl* Sender)
{
    // The sender is only compared: it may be a control that is already gone.
    if (!FListBox)
        return;
    const TControl* own[] = {this, FListBox, FListBox->ScrollBar, FListBox->HScrollBar, FListBox->ListBox};
    if (Sender && std::find(std::begin(own), std::end(own), Sender) != std::end(own))
        return;
    CloseUp(false);
}

void TskSkinCustomComboBox::ListBoxWindowHook(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_LBUTTONDOWN:
        FLBDown = true;
        WasInLB = true;
        SetCapture(GetHandle());
        return;
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        return;
    case WM_MOUSEACTIVATE:
        FListBoxWindowProc(Message);
        Message.Result = MA_NOACTIVATE;
        return;
    default:
        FListBoxWindowProc(Message);
        return;
    }
}

void TskSkinCustomComboBox::ListBoxHotTrack(int X, int Y)
{
    const int i = FListBox->ItemAtPos(POINT{X, Y}, true);
    if (i >= 0 && i < Items()->Count())
        SetListIndex(i);
}

void TskSkinCustomComboBox::StartTimer(int Mode)
{
    if (TimerMode == Mode)
        return;
    TimerMode = Mode;
    KillTimer(GetHandle(), kScrollTimer);
    SetTimer(GetHandle(), kScrollTimer, kScrollInterval, nullptr);
}

void TskSkinCustomComboBox::StopTimer()
{
    if (HandleAllocated())
        KillTimer(GetHandle(), kScrollTimer);
    TimerMode = 0;
}

void TskSkinCustomComboBox::TrackDragOverList()
{
    TskListBox* list = FListBox->ListBox;
    POINT p{};
    GetCursorPos(&p);
    p = list->ScreenToClient(p);
    const bool bar = FListBox->ScrollBar != nullptr;
    if (p.y < 0 && bar && WasInLB) {
        StartTimer(1);
    } else if (p.y > list->GetHeight() && bar && WasInLB) {
        StartTimer(2);
    } else if (p.y >= 0 && p.y <= list->GetHeight()) {
        StopTimer();
        list->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(1, p.y));
        WasInLB = true;
    }
}

void TskSkinCustomComboBox::MouseDown(TMouseButton ButtonPressed, TShiftState Shift, int X, int Y)
{
    TskSkinCustomControl::MouseDown(ButtonPressed, Shift, X, Y);
    if (!Focused() && !FEdit && CanFocus())
        SetFocus();
    if (ButtonPressed != TMouseButton::mbLeft)
        return;
    const POINT pt{X, Y};
    const bool hit = Button.MouseIn || (PtInRect(&CBItem.R, pt) && !FEdit) || FToolButtonStyle;
    if (hit) {
        Button.Down = true;
        Repaint();
        if (!IsPopupVisible()) {
            WasInLB = false;
            FLBDown = true;
            DropDown();
        } else {
            CloseUp(false);
        }
    } else if (IsPopupVisible()) {
        CloseUp(false);
    }
}

void TskSkinCustomComboBox::MouseMove(TShiftState Shift, int X, int Y)
{
    TskSkinCustomControl::MouseMove(Shift, X, Y);
    if (FLBDown) {
        TrackDragOverList();
        return;
    }
    const POINT pt{X, Y};
    const bool in = PtInRect(&Button.R, pt) != FALSE;
    if (in != Button.MouseIn) {
        Button.MouseIn = in;
        Repaint();
    }
}

void TskSkinCustomComboBox::MouseUp(TMouseButton ButtonReleased, TShiftState Shift, int X, int Y)
{
    if (FLBDown && WasInLB) {
        ReleaseCapture();
        FLBDown = false;
        POINT cursor{};
        GetCursorPos(&cursor);
        CloseUp(WindowFromPoint(cursor) == FListBox->ListBox->GetHandle());
    } else {
        FLBDown = false;
    }
    TskSkinCustomControl::MouseUp(ButtonReleased, Shift, X, Y);
    if (Button.Down) {
        Button.Down = false;
        Repaint();
    }
}

void TskSkinCustomComboBox::KeyDown(WORD& Key, TShiftState Shift)
{
    TskSkinCustomControl::KeyDown(Key, Shift);
    const bool alt = Shift.Contains(ssAlt);
    switch (Key) {
    case VK_RETURN:
        if (IsPopupVisible())
            CloseUp(true);
        break;
    case VK_ESCAPE:
        if (IsPopupVisible())
            CloseUp(false);
        break;
    case VK_PRIOR:
        SelectPageUp(true);
        break;
    case VK_NEXT:
        SelectPageDown(true);
        break;
    case VK_LEFT:
    case VK_UP:
        if (!alt)
            SelectPrevious(true);
        else if (IsPopupVisible())
            CloseUp(false);
        break;
    case VK_RIGHT:
    case VK_DOWN:
        if (!alt)
            SelectNext(true);
        else if (!IsPopupVisible())
            DropDown();
        break;
    default:
        break;
    }
}

void TskSkinCustomComboBox::KeyPress(char32_t& Key)
{
    TskSkinCustomControl::KeyPress(Key);
    if (Key != 0)
        FindItemByTyping(CodePointToUtf8(Key));
}

void TskSkinCustomComboBox::SelectPrevious(bool Commit)
{
    const int l = ListIndex();
    if (l <= 0)
        return;
    if (Commit)
        SetItemIndex(l - 1);
    else
        SetListIndex(l - 1);
}

void TskSkinCustomComboBox::SelectNext(bool Commit)
{
    const int l = ListIndex();
    if (l >= Items()->Count() - 1)
        return;
    if (Commit)
        SetItemIndex(l + 1);
    else
        SetListIndex(l + 1);
}

void TskSkinCustomComboBox::SelectPageUp(bool Commit)
{
    const int target = std::max(0, ListIndex() - FDropDownCount - 1);
    if (Commit)
        SetItemIndex(target);
    else
        SetListIndex(target);
}

void TskSkinCustomComboBox::SelectPageDown(bool Commit)
{
    const int target = std::min(Items()->Count() - 1, ListIndex() + FDropDownCount - 1);
    if (Commit)
        SetItemIndex(target);
    else
        SetListIndex(target);
}

void TskSkinCustomComboBox::EditSelectPrevious(bool Commit)
{
    if (GetItemIndex() > 0)
        SetItemIndex(GetItemIndex() - 1);
    if (Commit && GetItemIndex() >= 0) {
        SetText(Items()->Get(GetItemIndex()));
        FEdit->SelectAll();
        Click();
    }
}

void TskSkinCustomComboBox::EditSelectNext(bool Commit)
{
    if (GetItemIndex() < Items()->Count() - 1)
        SetListIndex(ListIndex() + 1);
    if (Commit && GetItemIndex() >= 0) {
        SetText(Items()->Get(GetItemIndex()));
        FEdit->SelectAll();
        Click();
    }
}

void TskSkinCustomComboBox::FindItemByTyping(const std::string& S)
{
    std::string search = S;
    if (FAutoComplete) {
        const DWORD now = GetTickCount();
        if (now - FLastTime >= kSearchPause)
            FFilter.clear();
        FLastTime = now;
        FFilter += S;
        search = FFilter;
    }
    if (search.empty())
        return;
    const bool one = CodePoints(search) == 1;
    const int found = FindPrefix(search, one ? GetItemIndex() : -1);
    if (found >= 0)
        SetItemIndex(found);
}

void TskSkinCustomComboBox::AutoCompleteEditText(bool AfterPause)
{
    if (AfterPause) {
        const DWORD now = GetTickCount();
        if (now - FLastTime <= kCompletePause)
            return;
        FLastTime = now;
    }
    const std::string t = GetText();
    const int found = FindPrefix(t, CodePoints(t) == 1 ? GetItemIndex() : -1);
    if (found < 0)
        return;
    SetItemIndex(found);
    const int typed = CodePoints(t);
    FEdit->SetSelStart(typed);
    FEdit->SetSelLength(CodePoints(GetText()) - typed);
}

void TskSkinCustomComboBox::HandleEditMessage(TMessage& Message)
{
    const bool open = IsPopupVisible();
    switch (Message.Msg) {
    case WM_SETFOCUS:
        if (HasActiveRect()) {
            SetEditFontColor(ActiveFontColor);
            Invalidate();
        }
        break;
    case WM_KILLFOCUS:
        if (open)
            CloseUp(false);
        if (HasActiveRect()) {
            SetEditFontColor(FontColor);
            Invalidate();
        }
        break;
    case WM_KEYDOWN:
        FKeyClosedList = false;
        switch (Message.WParam) {
        case VK_RETURN:
        case VK_ESCAPE:
            if (open) {
                CloseUp(Message.WParam == VK_RETURN);
                FKeyClosedList = true;
            }
            break;
        case VK_PRIOR:
            if (open)
                SetListIndex(std::max(0, ListIndex() - FDropDownCount - 1));
            break;
        case VK_NEXT:
            if (open)
                SetListIndex(std::min(Items()->Count() - 1, ListIndex() + FDropDownCount - 1));
            break;
        case VK_UP:
            EditSelectPrevious(true);
            return;
        case VK_DOWN:
            EditSelectNext(true);
            return;
        default:
            break;
        }
        break;
    case WM_KEYUP:
    case WM_SYSKEYUP: {
        const WORD key = static_cast<WORD>(Message.WParam);
        if (IsCjk(SkinCharset())) {
            if (key == VK_DELETE || key == VK_BACK)
                break;
            FEdit->ClearSelection();
            FEditWindowProc(Message);
            if (FAutoComplete)
                AutoCompleteEditText(true);
            return;
        }
        if (Message.Msg == WM_KEYUP && key >= 48) {
            FEditWindowProc(Message);
            if (FAutoComplete)
                AutoCompleteEditText(true);
            return;
        }
        break;
    }
    case WM_CHAR:
        if (FKeyClosedList && (Message.WParam == 13 || Message.WParam == 27)) {
            FKeyClosedList = false;
            return;
        }
        break;
    case WM_IME_CHAR:
        // An input-method commit comes without the key release that completes the text: the
        // release step follows each committed character, never held back by the pause that
        // keeps fast typing from completing (the characters of one commit come at once).
        FEditWindowProc(Message);
        if (IsCjk(SkinCharset()))
            FEdit->ClearSelection();
        if (FAutoComplete)
            AutoCompleteEditText(false);
        return;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        if (open)
            CloseUp(false);
        break;
    case WM_MOUSEWHEEL:
        if (static_cast<int32_t>(Message.WParam) > 0)
            EditSelectPrevious(!open);
        else
            EditSelectNext(!open);
        break;
    default:
        break;
    }
    FEditWindowProc(Message);
}
