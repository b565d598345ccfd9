// The context menu of TskCustomEdit: its items (captions, enabled states, commands), its position,
// and the skinned pop-up menu built from them.

#include "skin/input/skSkinEdits.h"

#include "platform/kernel/Utf8.h"
#include "platform/window/User.h"
#include "skin/core/skResourceStrData.h"
#include "skin/form/FormSkin.h"
#include "skin/form/skSkinMenus.h"

std::vector<TskEditMenuItem> TskCustomEdit::ContextMenuItems(TskResourceStrData* Store)
{
    HWND h = GetHandle();
    DWORD start = 0, end = 0;
    SendMessage(h, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const bool selection = start < end;
    const bool canUndo = SendMessage(h, EM_CANUNDO, 0, 0) != 0;
    const bool clipboardText = !GetClipboardText().empty();
    const auto length = static_cast<DWORD>(DecodeUtf8(GetText()).size());
    const bool allSelected = start == 0 && end == length;

    auto item = [&](const char* key, const char* fallback, bool enabled, UINT command, WPARAM wp = 0, LPARAM lp = 0) {
        return TskEditMenuItem{key, Store ? Store->GetResStr(key) : fallback, enabled, command, wp, lp};
    };
    const TskEditMenuItem separator{"", "-", true, 0, 0, 0};
    return {
        item("EDIT_UNDO", "Undo", canUndo, WM_UNDO),
        separator,
        item("EDIT_CUT", "Cut", selection && !FReadOnly, WM_CUT),
        item("EDIT_COPY", "Copy", selection, WM_COPY),
        item("EDIT_PASTE", "Paste", clipboardText && !FReadOnly, WM_PASTE),
        item("EDIT_DELETE", "Delete", selection && !FReadOnly, WM_CLEAR),
        separator,
        item("EDIT_SELECTALL", "Select All", !allSelected, EM_SETSEL, 0, -1),
    };
}

void TskCustomEdit::RunContextMenuItem(const TskEditMenuItem& Item)
{
    if (Item.Enabled && Item.Command != 0)
        SendMessage(GetHandle(), Item.Command, Item.WParam, Item.LParam);
}

POINT TskCustomEdit::ContextMenuPoint(LPARAM Pos)
{
    POINT p{GET_X_LPARAM(Pos), GET_Y_LPARAM(Pos)};
    if (p.x < 0 || p.y < 0) {
        p = ClientToScreen(POINT{0, 0});
        p.x += GetWidth() / 2;
        p.y += GetHeight() / 2;
    }
    return p;
}

void TskCustomEdit::releaseContextMenu()
{
    delete FSysPopupMenu;
    FSysPopupMenu = nullptr;
}

void TskCustomEdit::showContextMenu(LPARAM Pos)
{
    TCustomForm* form = GetParentForm(this);
    TskFormSkin* frame = form ? GetFormSkinComponent(form) : nullptr;
    // A menu still open shows the previous menu's items: close it before they go.
    if (FSysPopupMenu && frame && frame->SkinMenu() && frame->SkinMenu()->Visible())
        frame->SkinMenuClose();
    releaseContextMenu();
    FSysPopupMenu = new TskSkinPopupMenu(this);
    ++FSysPopupMenuNumber;
    const bool mdiChild = form && form->GetFormStyle() == TFormStyle::fsMDIChild;
    FSysPopupMenu->ComponentForm = mdiChild ? Application->MainForm() : form;

    TskSkinData* data = frame ? frame->GetSkinData() : nullptr;
    for (const TskEditMenuItem& entry : ContextMenuItems(data ? data->ResourceStrData() : nullptr)) {
        auto* item = new TMenuItem(FSysPopupMenu);
        item->SetCaption(entry.Caption);
        item->SetEnabled(entry.Enabled);
        if (entry.Command != 0)
            item->OnClick = [this, entry](TObject*) { RunContextMenuItem(entry); };
        FSysPopupMenu->Items()->Add(item);
    }
    const POINT p = ContextMenuPoint(Pos);
    FSysPopupMenu->Popup2(this, p.x, p.y);
}
