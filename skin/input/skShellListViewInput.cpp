// TskCustomShellListView: keys, double clicks, the shell's context menu and renaming in place.

#include "skin/input/skShellListView.h"

#include "classlib/Menus.h"
#include "platform/window/Input.h"
#include "platform/window/User.h"

void TskCustomShellListView::KeyDown(WORD& Key, TShiftState Shift)
{
    TskSkinCustomListView::KeyDown(Key, Shift);
    if (!FAutoNavigate)
        return;
    switch (Key) {
    case VK_BACK:
        if (!IsEditing())
            Back();
        break;
    case VK_RETURN:
        if (Shift.Contains(ssAlt)) {
            if (TskShellFolder* folder = SelectedFolder())
                folder->RunVerb("properties");
            Key = 0;
        } else if (const TskShellFolder* folder = SelectedFolder(); folder && folder->IsFolder()) {
            OpenFolderID(ShellItemId(folder->AbsoluteID()));
        }
        break;
    case VK_F5: Refresh(); break;
    default: break;
    }
}

void TskCustomShellListView::DblClick()
{
    const TskShellFolder* folder = FAutoNavigate ? SelectedFolder() : nullptr;
    if (folder && folder->IsFolder()) {
        try {
            OpenFolderID(ShellItemId(folder->AbsoluteID()));
        } catch (...) {
            TskSkinCustomListView::DblClick();
            throw;
        }
    }
    TskSkinCustomListView::DblClick();
}

void TskCustomShellListView::Edit(TListItem* Item, const std::string* Text)
{
    const int index = Item->GetIndex();
    if (!Text || index >= FolderCount())
        return;
    TskShellFolder* folder = Folders(index);
    folder->Rename(*Text);
    UpdateItems(index, index);
    if (FTreeView && FTreeView->GetSelected())
        FTreeView->Refresh(FTreeView->GetSelected());
}

void TskCustomShellListView::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_CONTEXTMENU && FAutoContext && SelectedFolder()) {
        POINT p{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
        p = p.x == -1 && p.y == -1 ? POINT{0, 0} : ScreenToClient(p);
        Message.Result = 1;
        const std::shared_ptr<bool> alive = FAlive;
        ShowShellContextMenu(this, SelectedFolder(), p.x, p.y);
        // The menu's loop may have freed the view; an edit it started keeps its rows.
        if (*alive && !IsEditing())
            Refresh();
        return;
    }
    TskSkinCustomListView::Dispatch(Message);
}
