#include "classlib/ListBox.h"

#include "classlib/Canvas.h"
#include "classlib/CommCtrl.h"
#include "classlib/GraphicsObjects.h"
#include "classlib/ListBoxWindow.h"
#include "classlib/Messages.h"
#include "classlib/SysUtils.h"
#include "classlib/Utf8.h"
#include "platform/gdi/Gdi.h"
#include "platform/win/Rect.h"
#include "platform/kernel/Clock.h"
#include "platform/window/User.h"

#include <vector>

namespace {

constexpr DWORD incrementalSearchMs = 500;

} // namespace

// --- the items ------------------------------------------------------------------------------

int TListBoxStrings::Count() const
{
    if (!FListBox->HandleAllocated())
        return FListBox->FSaveItems->Count();
    return static_cast<int>(FListBox->send(LB_GETCOUNT));
}

std::string TListBoxStrings::Get(int Index) const
{
    if (!FListBox->HandleAllocated())
        return FListBox->FSaveItems->Get(Index);
    const LRESULT length = FListBox->send(LB_GETTEXTLEN, static_cast<WPARAM>(Index));
    if (length == LB_ERR)
        throw EListError(Format("List index out of bounds (%d)", {Index}));
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    FListBox->send(LB_GETTEXT, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

TObject* TListBoxStrings::GetObject(int Index) const
{
    if (!FListBox->HandleAllocated())
        return FListBox->FSaveItems->GetObject(Index);
    const LRESULT data = FListBox->send(LB_GETITEMDATA, static_cast<WPARAM>(Index));
    if (data == LB_ERR && (Index < 0 || Index >= Count()))
        throw EListError(Format("List index out of bounds (%d)", {Index}));
    return reinterpret_cast<TObject*>(data);
}

void TListBoxStrings::PutObject(int Index, TObject* AObject)
{
    if (!FListBox->HandleAllocated()) {
        FListBox->FSaveItems->PutObject(Index, AObject);
        return;
    }
    if (FListBox->send(LB_SETITEMDATA, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(AObject)) == LB_ERR)
        throw EListError(Format("List index out of bounds (%d)", {Index}));
}

void TListBoxStrings::Insert(int Index, const std::string& S)
{
    if (!FListBox->HandleAllocated()) {
        FListBox->FSaveItems->Insert(Index, S);
        return;
    }
    if (Index < 0 || Index > Count())
        throw EListError(Format("List index out of bounds (%d)", {Index}));
    FListBox->send(LB_INSERTSTRING, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(S.c_str()));
}

int TListBoxStrings::Add(const std::string& S)
{
    if (!FListBox->HandleAllocated()) {
        FListBox->FSaveItems->Add(S);
        return FListBox->FSaveItems->IndexOf(S);
    }
    return static_cast<int>(FListBox->send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(S.c_str())));
}

void TListBoxStrings::Delete(int Index)
{
    if (!FListBox->HandleAllocated()) {
        FListBox->FSaveItems->Delete(Index);
        return;
    }
    if (FListBox->send(LB_DELETESTRING, static_cast<WPARAM>(Index)) == LB_ERR)
        throw EListError(Format("List index out of bounds (%d)", {Index}));
}

void TListBoxStrings::Clear()
{
    if (!FListBox->HandleAllocated())
        FListBox->FSaveItems->Clear();
    else
        FListBox->send(LB_RESETCONTENT);
}

int TListBoxStrings::IndexOf(const std::string& S) const
{
    if (!FListBox->HandleAllocated())
        return FListBox->FSaveItems->IndexOf(S);
    return static_cast<int>(FListBox->send(LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(S.c_str())));
}

// --- the control ----------------------------------------------------------------------------

TCustomListBox::TCustomListBox(TComponent* AOwner)
    : TWinControl(AOwner),
      FItems(std::make_unique<TListBoxStrings>(this)),
      FSaveItems(std::make_unique<TStringList>()),
      FCanvas(std::make_unique<TControlCanvas>(this))
{
    SetControlStyle({csSetCaption, csDoubleClicks, csOpaque});
    SetBounds(GetLeft(), GetTop(), 121, 97);
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
}

TCustomListBox::~TCustomListBox() = default;

void TCustomListBox::BeforeDestruction()
{
    FCanvas.reset();
    TWinControl::BeforeDestruction();
}

LRESULT TCustomListBox::send(UINT Msg, WPARAM WParam, LPARAM LParam)
{
    return SendMessage(GetHandle(), Msg, WParam, LParam);
}

void TCustomListBox::CreateParams(TCreateParams& Params)
{
    TWinControl::CreateParams(Params);
    RegisterListBoxClass();
    CreateSubClass(Params, "LISTBOX");
    Params.Style |= LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | (FColumns > 0 ? WS_HSCROLL : WS_VSCROLL);
    Params.ExStyle |= WS_EX_CLIENTEDGE;
    if (FSorted)
        Params.Style |= LBS_SORT;
    if (FMultiSelect)
        Params.Style |= FExtendedSelect ? LBS_EXTENDEDSEL : LBS_MULTIPLESEL;
    if (FColumns > 0)
        Params.Style |= LBS_MULTICOLUMN;
    if (FStyle == TListBoxStyle::lbOwnerDrawFixed)
        Params.Style |= LBS_OWNERDRAWFIXED;
}

void TCustomListBox::CreateWnd()
{
    TWinControl::CreateWnd();
    sendFont();
    if (FItemHeight > 0)
        send(LB_SETITEMHEIGHT, 0, FItemHeight);
    if (FColumns > 0)
        send(LB_SETCOLUMNWIDTH, static_cast<WPARAM>(FColumns));
    for (int i = 0; i < FSaveItems->Count(); ++i) {
        const LRESULT at = send(FSorted ? LB_ADDSTRING : LB_INSERTSTRING, FSorted ? 0 : static_cast<WPARAM>(i),
                                reinterpret_cast<LPARAM>(FSaveItems->Get(i).c_str()));
        send(LB_SETITEMDATA, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(FSaveItems->GetObject(i)));
    }
    FSaveItems->Clear();
    if (FSaveItemIndex >= 0)
        SetItemIndex(FSaveItemIndex);
    SetTopIndex(FSaveTopIndex);
}

void TCustomListBox::DestroyWnd()
{
    FSaveItems->Clear();
    for (int i = 0; i < FItems->Count(); ++i)
        FSaveItems->AddObject(FItems->Get(i), FItems->GetObject(i));
    FSaveItemIndex = GetItemIndex();
    FSaveTopIndex = GetTopIndex();
    TWinControl::DestroyWnd();
}

void TCustomListBox::recreate()
{
    if (HandleAllocated())
        RecreateWnd();
}

void TCustomListBox::sendFont()
{
    if (HandleAllocated())
        SendMessage(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->GetHandle()), 1);
}

void TCustomListBox::PaintWindow(HDC DC)
{
    CallWindowProc(FDefWndProc, FHandle, WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
}

int TCustomListBox::GetItemIndex()
{
    // Without a window the index waits for the items; it selects nothing past them.
    if (!HandleAllocated())
        return FSaveItemIndex < Count() ? FSaveItemIndex : -1;
    if (!FMultiSelect)
        return static_cast<int>(send(LB_GETCURSEL));
    const int caret = static_cast<int>(send(LB_GETCARETINDEX));
    return caret >= 0 && caret < Count() && send(LB_GETSEL, static_cast<WPARAM>(caret)) > 0 ? caret : -1;
}

void TCustomListBox::SetItemIndex(int Value)
{
    if (!HandleAllocated()) {
        FSaveItemIndex = Value;
        return;
    }
    if (!FMultiSelect) {
        send(LB_SETCURSEL, static_cast<WPARAM>(Value));
        return;
    }
    send(LB_SETSEL, FALSE, -1);
    if (Value >= 0 && Value < Count()) {
        send(LB_SETSEL, TRUE, Value);
        send(LB_SETANCHORINDEX, static_cast<WPARAM>(Value));
    }
}

bool TCustomListBox::GetSelected(int Index)
{
    const LRESULT r = send(LB_GETSEL, static_cast<WPARAM>(Index));
    if (r == LB_ERR)
        throw EListError(Format("List index out of bounds (%d)", {Index}));
    return r > 0;
}

void TCustomListBox::SetSelected(int Index, bool Value)
{
    if (FMultiSelect) {
        if (send(LB_SETSEL, Value ? TRUE : FALSE, Index) == LB_ERR)
            throw EListError(Format("List index out of bounds (%d)", {Index}));
    } else if (Value) {
        SetItemIndex(Index);
    } else if (GetItemIndex() == Index) {
        SetItemIndex(-1);
    }
}

int TCustomListBox::SelCount()
{
    return static_cast<int>(send(LB_GETSELCOUNT));
}

int TCustomListBox::GetTopIndex()
{
    return HandleAllocated() ? static_cast<int>(send(LB_GETTOPINDEX)) : FSaveTopIndex;
}

void TCustomListBox::SetTopIndex(int Value)
{
    if (!HandleAllocated())
        FSaveTopIndex = Value;
    else if (GetTopIndex() != Value)
        send(LB_SETTOPINDEX, static_cast<WPARAM>(Value));
}

int TCustomListBox::GetItemHeight()
{
    return HandleAllocated() ? static_cast<int>(send(LB_GETITEMHEIGHT)) : FItemHeight;
}

void TCustomListBox::SetItemHeight(int Value)
{
    if (Value <= 0)
        return;
    FItemHeight = Value;
    if (HandleAllocated())
        send(LB_SETITEMHEIGHT, 0, Value);
}

int TCustomListBox::ItemAtPos(POINT Pos, bool Existing)
{
    const int count = Count();
    if (count > 0) {
        const LRESULT r = send(LB_ITEMFROMPOINT, 0, MAKELPARAM(Pos.x, Pos.y));
        const int index = LOWORD(r);
        RECT rect = ItemRect(index);
        if (index < count && HIWORD(r) == 0 && PtInRect(&rect, Pos))
            return index;
    }
    return Existing ? -1 : count;
}

RECT TCustomListBox::ItemRect(int Index)
{
    RECT r{};
    if (Index == 0 || Index < Count()) {
        send(LB_GETITEMRECT, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&r));
    } else if (Index == Count()) {
        send(LB_GETITEMRECT, static_cast<WPARAM>(Index - 1), reinterpret_cast<LPARAM>(&r));
        OffsetRect(&r, 0, r.bottom - r.top);
    }
    return r;
}

void TCustomListBox::SetMultiSelect(bool Value)
{
    if (FMultiSelect != Value) {
        FMultiSelect = Value;
        recreate();
    }
}

void TCustomListBox::SetExtendedSelect(bool Value)
{
    if (FExtendedSelect != Value) {
        FExtendedSelect = Value;
        recreate();
    }
}

void TCustomListBox::SetSorted(bool Value)
{
    if (FSorted != Value) {
        FSorted = Value;
        if (!HandleAllocated())
            FSaveItems->SetSorted(Value);
        recreate();
    }
}

void TCustomListBox::SetColumns(int Value)
{
    if (Value < 0 || FColumns == Value)
        return;
    const bool styleChanges = (FColumns == 0) != (Value == 0);
    FColumns = Value;
    if (styleChanges)
        recreate();
    else if (HandleAllocated())
        send(LB_SETCOLUMNWIDTH, static_cast<WPARAM>(Value));
}

void TCustomListBox::SetStyle(TListBoxStyle Value)
{
    if (FStyle != Value) {
        FStyle = Value;
        recreate();
    }
}

void TCustomListBox::KeyPress(char32_t& Key)
{
    TWinControl::KeyPress(Key);
    if (!FAutoComplete || (Key < 0x20 && Key != 8) || (Key == U' ' && FMultiSelect))
        return;
    const DWORD now = GetTickCount();
    if (now - FLastTime >= incrementalSearchMs)
        FFilter.clear();
    FLastTime = now;
    if (Key == 8) {
        while (!FFilter.empty() && (static_cast<unsigned char>(FFilter.back()) & 0xC0) == 0x80)
            FFilter.pop_back();
        if (!FFilter.empty())
            FFilter.pop_back();
    } else {
        FFilter += CodePointToUtf8(Key);
    }
    Key = 0;
    if (FFilter.empty())
        return;
    const LRESULT found = send(LB_FINDSTRING, static_cast<WPARAM>(GetItemIndex() - 1), reinterpret_cast<LPARAM>(FFilter.c_str()));
    if (found != LB_ERR && found != GetItemIndex()) {
        SetItemIndex(static_cast<int>(found));
        Click();
    }
}

void TCustomListBox::DrawItem(int Index, const RECT& Rect, TOwnerDrawState State)
{
    if (OnDrawItem) {
        auto handler = OnDrawItem;
        handler(this, Index, Rect, State);
        return;
    }
    TCanvas* canvas = FCanvas.get();
    canvas->Brush()->SetColor(State.Contains(odSelected) ? clHighlight : GetColor());
    canvas->FillRect(Rect);
    canvas->Font()->SetColor(State.Contains(odSelected) ? clHighlightText : Font()->GetColor());
    if (Index >= 0 && Index < Count())
        canvas->TextOut(Rect.left + 2, Rect.top, FItems->Get(Index));
}

void TCustomListBox::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CN_COMMAND:
        switch (HIWORD(Message.WParam)) {
        case LBN_SELCHANGE:
            Click();
            break;
        case LBN_DBLCLK:
            DblClick();
            break;
        default:
            break;
        }
        break;
    case CN_DRAWITEM: {
        const auto* dis = reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
        TOwnerDrawState state;
        if (dis->itemState & ODS_SELECTED)
            state << odSelected;
        if (dis->itemState & ODS_FOCUS)
            state << odFocused;
        if (dis->itemState & ODS_DISABLED)
            state << odDisabled;
        const int saved = SaveDC(dis->hDC);
        FCanvas->SetHandle(dis->hDC);
        FCanvas->Font()->Assign(Font());
        FCanvas->Brush()->Assign(Brush());
        DrawItem(static_cast<int>(dis->itemID), dis->rcItem, state);
        if (state.Contains(odFocused))
            DrawFocusRect(dis->hDC, &dis->rcItem);
        FCanvas->SetHandle(nullptr);
        RestoreDC(dis->hDC, saved);
        Message.Result = 1;
        break;
    }
    case CM_FONTCHANGED:
        TWinControl::Dispatch(Message);
        sendFont();
        break;
    default:
        TWinControl::Dispatch(Message);
        break;
    }
}
