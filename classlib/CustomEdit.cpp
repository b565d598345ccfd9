#include "classlib/CustomEdit.h"

#include "classlib/Forms.h"
#include "platform/gdi/Gdi.h"
#include "platform/kernel/Utf8.h"
#include "platform/window/User.h"

namespace {

std::u32string CaseOf(std::u32string s, TEditCharCase c)
{
    for (char32_t& ch : s) {
        if (c == TEditCharCase::ecUpperCase && ch >= 'a' && ch <= 'z')
            ch = ch - 'a' + 'A';
        else if (c == TEditCharCase::ecLowerCase && ch >= 'A' && ch <= 'Z')
            ch = ch - 'A' + 'a';
    }
    return s;
}

} // namespace

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner)
{
    FControlStyle = TControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    SetBounds(0, 0, 121, 21);
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
}

void TCustomEdit::CreateParams(TCreateParams& Params)
{
    TWinControl::CreateParams(Params);
    // The window is one of the class "EDIT": what the control leaves goes to the edit's procedure.
    RegisterEditClass();
    WNDCLASS wc;
    GetClassInfo(nullptr, kEditClassName, &wc);
    Params.DefWndProc = wc.lpfnWndProc;
    Params.ClassStyle = wc.style;
    Params.ClassCursor = wc.hCursor;
    Params.Style |= ES_AUTOHSCROLL;
    if (FPasswordChar)
        Params.Style |= ES_PASSWORD;
    if (FReadOnly)
        Params.Style |= ES_READONLY;
    if (!FHideSelection)
        Params.Style |= ES_NOHIDESEL;
    if (FOEMConvert)
        Params.Style |= ES_OEMCONVERT;
    if (FCharCase == TEditCharCase::ecUpperCase)
        Params.Style |= ES_UPPERCASE;
    else if (FCharCase == TEditCharCase::ecLowerCase)
        Params.Style |= ES_LOWERCASE;
    if (FBorderStyle == TBorderStyle::bsSingle)
        Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::CreateWnd()
{
    TWinControl::CreateWnd();
    SendMessage(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->GetHandle()), 0);
    SendMessage(FHandle, EM_LIMITTEXT, static_cast<WPARAM>(FMaxLength), 0);
    SendMessage(FHandle, EM_SETPASSWORDCHAR, static_cast<WPARAM>(FPasswordChar), 0);
    SendMessage(FHandle, EM_SETMODIFY, FModified, 0);
    SendMessage(FHandle, EM_SETSEL, FSavedSelStart, FSavedSelEnd);
}

void TCustomEdit::DestroyWnd()
{
    FModified = SendMessage(FHandle, EM_GETMODIFY, 0, 0) != 0;
    SendMessage(FHandle, EM_GETSEL, reinterpret_cast<WPARAM>(&FSavedSelStart), reinterpret_cast<LPARAM>(&FSavedSelEnd));
    TWinControl::DestroyWnd();
}

void TCustomEdit::SetBorderStyle(TBorderStyle Value)
{
    if (FBorderStyle != Value) {
        FBorderStyle = Value;
        RecreateWnd();
    }
}

void TCustomEdit::SetCharCase(TEditCharCase Value)
{
    if (FCharCase == Value)
        return;
    FCharCase = Value;
    RecreateWnd();
    const std::string converted = EncodeUtf8(CaseOf(DecodeUtf8(GetText()), Value));
    if (converted != GetText())
        SetText(converted);
}

void TCustomEdit::SetMaxLength(int Value)
{
    FMaxLength = std::max(Value, 0);
    if (HandleAllocated())
        SendMessage(FHandle, EM_LIMITTEXT, static_cast<WPARAM>(FMaxLength), 0);
}

void TCustomEdit::SetPasswordChar(char32_t Value)
{
    if (FPasswordChar == Value)
        return;
    FPasswordChar = IsValidCodePoint(Value) ? Value : 0;
    RecreateWnd();
}

void TCustomEdit::SetNativeReadOnly(bool Value)
{
    FReadOnly = Value;
    if (HandleAllocated())
        SendMessage(FHandle, EM_SETREADONLY, Value, 0);
}

void TCustomEdit::SetHideSelection(bool Value)
{
    if (FHideSelection != Value) {
        FHideSelection = Value;
        RecreateWnd();
    }
}

void TCustomEdit::SetOEMConvert(bool Value)
{
    if (FOEMConvert != Value) {
        FOEMConvert = Value;
        RecreateWnd();
    }
}

bool TCustomEdit::GetModified()
{
    return HandleAllocated() ? SendMessage(FHandle, EM_GETMODIFY, 0, 0) != 0 : FModified;
}

void TCustomEdit::SetModified(bool Value)
{
    FModified = Value;
    if (HandleAllocated())
        SendMessage(FHandle, EM_SETMODIFY, Value, 0);
}

int TCustomEdit::GetSelStart()
{
    DWORD start = 0;
    SendMessage(GetHandle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    return static_cast<int>(start);
}

void TCustomEdit::SetSelStart(int Value)
{
    SendMessage(GetHandle(), EM_SETSEL, static_cast<WPARAM>(std::max(Value, 0)), std::max(Value, 0));
}

int TCustomEdit::GetSelLength()
{
    DWORD start = 0, end = 0;
    SendMessage(GetHandle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(end - start);
}

void TCustomEdit::SetSelLength(int Value)
{
    const int start = GetSelStart();
    SendMessage(GetHandle(), EM_SETSEL, static_cast<WPARAM>(start), start + std::max(Value, 0));
}

std::string TCustomEdit::GetSelText()
{
    const std::u32string text = DecodeUtf8(GetText());
    const auto start = static_cast<std::size_t>(GetSelStart());
    return EncodeUtf8(std::u32string_view(text).substr(std::min(start, text.size()), static_cast<std::size_t>(GetSelLength())));
}

void TCustomEdit::SetSelText(const std::string& Value)
{
    SendMessage(GetHandle(), EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(Value.c_str()));
}

void TCustomEdit::SelectAll()
{
    if (HandleAllocated())
        SendMessage(FHandle, EM_SETSEL, 0, -1);
}

void TCustomEdit::ClearSelection()
{
    SendMessage(GetHandle(), WM_CLEAR, 0, 0);
}

void TCustomEdit::CopyToClipboard()
{
    SendMessage(GetHandle(), WM_COPY, 0, 0);
}

void TCustomEdit::CutToClipboard()
{
    SendMessage(GetHandle(), WM_CUT, 0, 0);
}

void TCustomEdit::PasteFromClipboard()
{
    SendMessage(GetHandle(), WM_PASTE, 0, 0);
}

void TCustomEdit::Clear()
{
    SetText(std::string());
}

bool TCustomEdit::CanUndo()
{
    return HandleAllocated() && SendMessage(FHandle, EM_CANUNDO, 0, 0) != 0;
}

void TCustomEdit::Undo()
{
    if (HandleAllocated())
        SendMessage(FHandle, WM_UNDO, 0, 0);
}

void TCustomEdit::ClearUndo()
{
    if (HandleAllocated())
        SendMessage(FHandle, EM_EMPTYUNDOBUFFER, 0, 0);
}

void TCustomEdit::DoEnter()
{
    if (FAutoSelect && !FRecreating && !ControlState().Contains(csLButtonDown) && !(GetKeyState(VK_LBUTTON) & 0x8000))
        SelectAll();
    TWinControl::DoEnter();
}

void TCustomEdit::Change()
{
    if (auto handler = OnChange)
        handler(this);
}

bool TCustomEdit::DoMouseWheel(TShiftState Shift, int WheelDelta, POINT MousePos)
{
    bool handled = false;
    if (auto handler = OnMouseWheel)
        handler(this, Shift, WheelDelta, MousePos, handled);
    if (handled)
        return true;
    if (WheelDelta < 0) {
        if (auto handler = OnMouseWheelDown)
            handler(this, Shift, MousePos, handled);
    } else if (auto handler = OnMouseWheelUp) {
        handler(this, Shift, MousePos, handled);
    }
    return handled;
}

void TCustomEdit::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    // The edit's window procedure paints the text, its background and the caret.
    case WM_PAINT:
    case WM_ERASEBKGND:
        DefaultHandler(Message);
        break;
    case CN_COMMAND:
        if (HIWORD(Message.WParam) == EN_CHANGE)
            Change();
        break;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC: {
        HDC dc = reinterpret_cast<HDC>(Message.WParam);
        SetTextColor(dc, ColorToRGB(Font()->GetColor()));
        SetBkColor(dc, ColorToRGB(GetColor()));
        Message.Result = reinterpret_cast<LRESULT>(Brush()->GetHandle());
        break;
    }
    case CM_RECREATEWND:
        FRecreating = true;
        TWinControl::Dispatch(Message);
        FRecreating = false;
        break;
    case CM_FONTCHANGED:
        TWinControl::Dispatch(Message);
        if (HandleAllocated())
            SendMessage(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->GetHandle()), TRUE);
        break;
    case WM_MOUSEWHEEL: {
        const POINT pos{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
        if (DoMouseWheel(KeysToShiftState(LOWORD(Message.WParam)), GET_WHEEL_DELTA_WPARAM(Message.WParam), pos))
            Message.Result = 1;
        else
            TWinControl::Dispatch(Message);
        break;
    }
    default:
        TWinControl::Dispatch(Message);
        break;
    }
}
