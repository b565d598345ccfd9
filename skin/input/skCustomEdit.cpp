// TskCustomEdit: read-only filtering, Enter and Esc for the form, transparent refreshing.

#include "skin/input/skSkinEdits.h"

#include "classlib/Forms.h"
#include "platform/gdi/Gdi.h"
#include "platform/window/User.h"
#include "skin/form/skSkinMessages.h"

TskCustomEdit::TskCustomEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner)
{
    FControlStyle.Include(csOpaque);
}

void TskCustomEdit::CreateParams(TCreateParams& Params)
{
    TCustomMaskEdit::CreateParams(Params);
    Params.Style &= ~WS_BORDER;
    Params.ExStyle &= ~WS_EX_CLIENTEDGE;
    if (FEditTransparent)
        Params.ExStyle |= WS_EX_TRANSPARENT;
    Params.Style |= GetPasswordChar() != 0 ? ES_PASSWORD : ES_MULTILINE;
}

void TskCustomEdit::CreateWnd()
{
    TCustomMaskEdit::CreateWnd();
    SetWindowTakesText(FHandle, !FReadOnly);
}

void TskCustomEdit::SetReadOnly(bool Value)
{
    FReadOnly = Value;
    if (HandleAllocated())
        SetWindowTakesText(FHandle, !Value);
}

void TskCustomEdit::SetEditTransparent(bool Value)
{
    FEditTransparent = Value;
    RecreateWnd();
}

void TskCustomEdit::Invalidate()
{
    if (!FEditTransparent) {
        TCustomMaskEdit::Invalidate();
        return;
    }
    if (!FParent || !HandleAllocated() || !FParent->HandleAllocated())
        return;
    RECT r{};
    ::GetClientRect(FHandle, &r);
    MapWindowPoints(FHandle, FParent->GetHandle(), reinterpret_cast<POINT*>(&r), 2);
    InvalidateRect(FParent->GetHandle(), &r, TRUE);
    RedrawWindow(FHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

void TskCustomEdit::Refresh()
{
    if (FEditTransparent)
        Invalidate();
}

void TskCustomEdit::doChar(TMessage& Message)
{
    const auto c = static_cast<char32_t>(Message.WParam);
    if (c == 27 || c == 13) {
        // Enter and Esc belong to the form (default and cancel buttons), never to the text.
        char32_t copy = c;
        if (auto handler = OnKeyPress)
            handler(this, copy);
        // A handler that cleared the key took it.
        if (copy == 0)
            return;
        if (TCustomForm* form = GetParentForm(this))
            form->Perform(CM_DIALOGKEY, Message.WParam, Message.LParam);
        return;
    }
    if (FReadOnly)
        return;
    TCustomMaskEdit::Dispatch(Message);
}

void TskCustomEdit::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        // Enter and Esc come as characters (handled above); Tab still moves on.
        TCustomMaskEdit::Dispatch(Message);
        Message.Result |= DLGC_WANTALLKEYS;
        break;
    case WM_CHAR:
        doChar(Message);
        break;
    case WM_KEYDOWN:
        if (FReadOnly && Message.WParam == VK_DELETE)
            break;
        TCustomMaskEdit::Dispatch(Message);
        Refresh();
        break;
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO:
        if (FReadOnly)
            break;
        TCustomMaskEdit::Dispatch(Message);
        Refresh();
        break;
    case WM_IME_STARTCOMPOSITION:
    case WM_IME_COMPOSITION:
    case WM_IME_ENDCOMPOSITION:
    case WM_IME_CHAR:
        if (!FReadOnly)
            TCustomMaskEdit::Dispatch(Message);
        break;
    case WM_SETTEXT:
    case WM_MOVE:
    case WM_KILLFOCUS:
    case CM_TEXTCHANGED:
        TCustomMaskEdit::Dispatch(Message);
        Refresh();
        break;
    case CN_COMMAND:
        TCustomMaskEdit::Dispatch(Message);
        if (HIWORD(Message.WParam) == EN_CHANGE)
            Refresh();
        break;
    case WM_SETFOCUS:
        TCustomMaskEdit::Dispatch(Message);
        Refresh();
        if (GetAutoSelect() && !Recreating())
            SelectAll();
        break;
    case WM_LBUTTONDOWN:
        TCustomMaskEdit::Dispatch(Message);
        FDown = true;
        Refresh();
        break;
    case WM_LBUTTONUP:
        TCustomMaskEdit::Dispatch(Message);
        FDown = false;
        break;
    case WM_MOUSEMOVE:
        TCustomMaskEdit::Dispatch(Message);
        if (FDown)
            Refresh();
        break;
    case WM_SETFONT:
        TCustomMaskEdit::Dispatch(Message);
        SendMessage(FHandle, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(2, 0));
        break;
    case WM_ERASEBKGND:
        // The parent painted beneath (Invalidate repaints it first): nothing to erase.
        if (FEditTransparent)
            Message.Result = 1;
        else
            TCustomMaskEdit::Dispatch(Message);
        break;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC:
        if (FEditTransparent) {
            HDC dc = reinterpret_cast<HDC>(Message.WParam);
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, ColorToRGB(Font()->GetColor()));
            Message.Result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
        } else {
            TCustomMaskEdit::Dispatch(Message);
        }
        break;
    case CM_CANCELMODE:
        TCustomMaskEdit::Dispatch(Message);
        if (auto handler = OnEditCancelMode)
            handler(reinterpret_cast<TControl*>(Message.LParam));
        break;
    case WM_CONTEXTMENU:
        // With a PopupMenu the class library shows it; otherwise the edit's own skinned menu, and
        // never the native one.
        if (GetPopupMenu()) {
            TCustomMaskEdit::Dispatch(Message);
        } else {
            showContextMenu(Message.LParam);
            Message.Result = 1;
        }
        break;
    case SKM_SKINMENUCOMMAND:
        // The menu is still unwinding from the command: free it once that is over.
        if (FSysPopupMenu)
            PostMessage(FHandle, SKM_RELEASEMENU, FSysPopupMenuNumber, 0);
        break;
    case SKM_RELEASEMENU:
        if (Message.WParam == FSysPopupMenuNumber)
            releaseContextMenu();
        break;
    default:
        TCustomMaskEdit::Dispatch(Message);
        break;
    }
}
