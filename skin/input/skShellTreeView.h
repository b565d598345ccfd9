#pragma once
// The shell folder tree: a skinned tree view whose one root node is the Root folder (the desktop
// by default), filled lazily level by level as nodes expand, with the shell's names, kind icons
// and order. It follows and drives a linked look-in box and file list, renames folders in place,
// selects a folder by path and can refresh the selected folder when it changes on disk.

#include "skin/form/skSkinViews.h"
#include "skin/input/skShellViewLinks.h"
#include "skin/input/skSkinShellCtrls.h"

#include <functional>
#include <string>

using TAddFolderEvent = std::function<void(TObject* Sender, TskShellFolder* AFolder, bool& CanAdd)>;

class TskCustomShellTreeView : public TskSkinCustomTreeView, public IShellVerbHandler {
public:
    explicit TskCustomShellTreeView(TComponent* AOwner);
    ~TskCustomShellTreeView() override;

    // The selected folder's path; "" without a selection (or for Computer).
    std::string GetPath();
    // Selects an existing path, expanding the way to it (nothing selected when it lies outside
    // the root). Raises EInvalidPath "Error setting path: "<text>"" for any other text.
    void SetPath(const std::string& Value);
    const TRoot& GetRoot() const { return FRoot; }
    // A text equal to the current one without regard to case changes nothing; one that does not
    // resolve leaves the tree on the old root and raises "Error setting path: "<text>"".
    void SetRoot(const TRoot& Value);
    TShellObjectTypes GetObjectTypes() const { return FObjectTypes; }
    virtual void SetObjectTypes(TShellObjectTypes Value);
    bool GetAutoContextMenus() const { return FAutoContext; }
    void SetAutoContextMenus(bool Value) { FAutoContext = Value; }
    bool GetAutoRefresh() const { return FAutoRefresh; }
    // Watches the selected folder (or the root's) and refreshes the selected node on changes.
    void SetAutoRefresh(bool Value);
    bool GetUseShellImages() const { return FUseShellImages; }
    void SetUseShellImages(bool Value);
    TskShellListLink* GetShellListView() const { return FListView; }
    void SetShellListView(TskShellListLink* Value);
    TskCustomShellComboBox* GetShellComboBox() const { return FComboBox; }
    void SetShellComboBox(TskCustomShellComboBox* Value);
    // Back links set by the partners' own setters (nullptr forgets).
    void LinkListView(TskShellListLink* Value);
    void LinkComboBox(TskCustomShellComboBox* Value);

    TskShellFolder* SelectedFolder() const;
    TskShellFolder* FolderOf(const TTreeNode* Node) const;
    // Selects Computer and expands it.
    void ExpandMyComputer();
    // Builds the node and its subtree again, keeping expanded folders expanded and the selection.
    void Refresh(TTreeNode* Node);
    void RefreshSelectedNode();
    // Selects the node of a folder, expanding the way to it, and moves the linked views.
    void SelectIdList(const ShellItemId& AbsoluteID);
    // The first node showing the folder, from Start through its descendants; nullptr when none.
    TTreeNode* FindNodeByIdList(const ShellItemId& AbsoluteID, TTreeNode* Start) const;
    // Drops every node.
    virtual void ClearNodes();

    // The shell context menu's verbs: "rename" starts editing the selected label (Handled);
    // "open" keeps the working folder and enters the selected item's folder; afterwards a
    // deleted folder's node goes, "paste" refreshes and "open" restores the working folder.
    void ExecuteCommand(const std::string& Verb, bool& Handled) override;
    void CommandCompleted(const std::string& Verb, bool Succeeded) override;

    TAddFolderEvent OnAddFolder;

protected:
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void FillWindow() override;
    void BeforeDestruction() override;
    bool CanChange(TTreeNode* Node) override;
    bool CanExpand(TTreeNode* Node) override;
    void Edit(TTreeNode* Node, const std::string* Text) override;
    void Delete(TTreeNode* Node) override;
    // A right click shows the shell's context menu of the selected folder (AutoContextMenus,
    // unless the tree's own pop-up menu takes it).
    void Dispatch(TMessage& Message) override;

private:
    void ApplyRoot();
    void RebuildFromRoot();
    // Describes a new node for Folder (owned by the node from now on); false when OnAddFolder
    // refused it and the node was deleted.
    bool SetUpFolderNode(TTreeNode* Node, TskShellFolder* Folder);
    void EnumerateChildren(TTreeNode* Node);
    void SetNodeImages(TTreeNode* Node, const TskShellFolder* Folder);
    bool HasSubfolders(const TskShellFolder* Folder) const;
    void FreeAllNodes();
    void ApplyImageList();
    bool Loading() const;

    std::string FPath;
    TRoot FRoot = "rfDesktop";
    TRoot FOldRoot;
    TskShellFolder* FRootFolder = nullptr;
    TShellObjectTypes FObjectTypes{otFolders};
    bool FLoadingRoot = false;
    bool FAutoContext = true;
    bool FUpdating = false;
    TskShellListLink* FListView = nullptr;
    TskCustomShellComboBox* FComboBox = nullptr;
    bool FAutoRefresh = false;
    bool FUseShellImages = true;
    TskShellChangeNotifier* FNotifier = nullptr;
    std::string FSavePath;
    TTreeNode* FNodeToMonitor = nullptr;
};

class TskSkinDirTreeView : public TskCustomShellTreeView {
public:
    using TskCustomShellTreeView::TskCustomShellTreeView;
};
