// TskCustomShellTreeView: refreshing a node from the disk, renaming in place, watching the
// selected folder and the shell context menu's verbs.

#include "skin/input/skShellTreeView.h"

#include "classlib/FileSystem.h"
#include "classlib/SysUtils.h"

void TskCustomShellTreeView::Refresh(TTreeNode* Node)
{
    TskShellFolder* old = FolderOf(Node);
    if (!old)
        return;
    const TskShellFolder* topFolder = FolderOf(GetTopItem());
    const std::optional<ShellItemId> top = topFolder ? std::optional(topFolder->AbsoluteID()) : std::nullopt;
    const TskShellFolder* selectedFolder = SelectedFolder();
    const std::optional<ShellItemId> selected = selectedFolder ? std::optional(selectedFolder->AbsoluteID()) : std::nullopt;

    TTreeNode* fresh = Items()->Insert(Node, "");
    auto* folder = new TskShellFolder(FolderOf(Node->GetParent()), old->RelativeID());
    fresh->SetData(folder);
    EnumerateChildren(fresh);
    fresh->SetImageIndex(ShellIconIndex(folder->AbsoluteID(), false, false));
    fresh->SetSelectedIndex(ShellIconIndex(folder->AbsoluteID(), false, true));
    fresh->SetHasChildren(fresh->Count() > 0 || HasSubfolders(folder));
    fresh->SetText(folder->DisplayName());

    // Expanded folders of the old subtree stay expanded.
    const int level = Node->Level();
    for (TTreeNode* n = Node; n && (n == Node || n->Level() > level); n = n->GetNext())
        if (n->GetExpanded())
            if (TTreeNode* same = FindNodeByIdList(FolderOf(n)->AbsoluteID(), fresh))
                same->Expand(false);
    Node->Delete();

    if (selected)
        SetSelected(FindNodeByIdList(*selected, Items()->GetFirstNode()));
    if (top)
        if (TTreeNode* topNode = FindNodeByIdList(*top, Items()->GetFirstNode()))
            SetTopItem(topNode);
}

void TskCustomShellTreeView::RefreshSelectedNode()
{
    if (TTreeNode* selected = GetSelected())
        Refresh(selected);
}

void TskCustomShellTreeView::Edit(TTreeNode* Node, const std::string* Text)
{
    if (!Text || !FolderOf(Node))
        return;
    std::string name = *Text;
    if (auto handler = OnEdited)
        handler(this, Node, name);
    if (FolderOf(Node)->Rename(name))
        Node->SetText(name);
    if (TTreeNode* parent = Node->GetParent())
        Refresh(parent);
}

void TskCustomShellTreeView::SetAutoRefresh(bool Value)
{
    FAutoRefresh = Value;
    if (Loading())
        return;
    const TskShellFolder* watched = FNodeToMonitor ? FolderOf(FNodeToMonitor) : FRootFolder;
    // Computer has no folder to watch (an empty path).
    const std::string path = Value && watched ? watched->PathName() : std::string();
    WatchShownFolder(FNotifier, this, path, [this] { RefreshSelectedNode(); });
}

void TskCustomShellTreeView::ExecuteCommand(const std::string& Verb, bool& Handled)
{
    TTreeNode* selected = GetSelected();
    if (SameText(Verb, "rename") && selected) {
        selected->EditText();
        Handled = true;
    } else if (SameText(Verb, "open")) {
        FSavePath = GetCurrentDir();
        if (const TskShellFolder* folder = SelectedFolder())
            SetCurrentDir(ExtractFilePath(folder->PathName()));
    }
}

void TskCustomShellTreeView::CommandCompleted(const std::string& Verb, bool Succeeded)
{
    TTreeNode* selected = GetSelected();
    if (!Succeeded || !selected)
        return;
    if (SameText(Verb, "delete")) {
        const std::string path = SelectedFolder() ? SelectedFolder()->PathName() : std::string();
        if (!FileExists(path) && !DirectoryExists(path))
            selected->Delete();
    } else if (SameText(Verb, "paste")) {
        Refresh(selected);
    } else if (SameText(Verb, "open")) {
        SetCurrentDir(FSavePath);
    }
}
