#pragma once
// The look-in box of the file dialogs: a skinned combo box whose items are shell folders, each
// drawn with its small icon and indented by its depth. The list holds the root folder and its
// children (on the desktop also the volumes under Computer); the folder shown and the chain
// leading to it are inserted in their places, so the drop-down reads like a folded tree.
// Choosing an item moves the linked folder tree and file list; when they move, the box follows.

#include "skin/input/skShellViewLinks.h"
#include "skin/input/skSkinComboBox.h"

class TskItemEx : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;

    std::string Caption;
    // Owned by the combo box, which frees it.
    TskShellFolder* Data = nullptr;
    int Indent = 0;
    int ImageIndex = -1;
    // The root and enumerated children carry the image index here too; chain items leave 0.
    int SelectedImageIndex = 0;
};

class TskItemsEx : public TCollection {
public:
    TskItemsEx();
    TskItemEx* Add() { return static_cast<TskItemEx*>(TCollection::Add()); }
    TskItemEx* Insert(int Index) { return static_cast<TskItemEx*>(TCollection::Insert(Index)); }
    TskItemEx* AddItem(const std::string& ACaption, int AImageIndex, int ASelectedIndex, int AIdent, TskShellFolder* AFolder);
    TskItemEx* Items(int Index) const { return static_cast<TskItemEx*>(GetItem(Index)); }
};

class TskCustomShellComboBox : public TskSkinCustomComboBox {
public:
    explicit TskCustomShellComboBox(TComponent* AOwner);
    ~TskCustomShellComboBox() override;

    TskItemsEx* ItemsEx() const { return FItemsEx.get(); }
    // The selected item's file-system path; "" without one or for an item without a path.
    std::string GetPath();
    // Rebuilds the list around an existing path and selects it; the linked views stay. Raises
    // EInvalidPath "Error setting path: "<text>"" for any other text.
    void SetPath(const std::string& Value);
    const TRoot& GetRoot() const { return FRoot; }
    // A text equal to the current one without regard to case changes nothing; one that does not
    // resolve raises "Error setting path: "<text>"" and Root keeps its old value.
    void SetRoot(const TRoot& Value);
    TShellObjectTypes GetObjectTypes() const { return FObjectTypes; }
    virtual void SetObjectTypes(TShellObjectTypes Value);
    TskCustomShellTreeView* GetShellTreeView() const { return FTreeView; }
    // The tree takes the box's Root and links back.
    void SetShellTreeView(TskCustomShellTreeView* Value);
    TskShellListLink* GetShellListView() const { return FListView; }
    // The list view takes the box's Root and links back.
    void SetShellListView(TskShellListLink* Value);
    // The back links set by a partner's own setter (nullptr forgets it).
    void LinkTreeView(TskCustomShellTreeView* Value);
    void LinkListView(TskShellListLink* Value);

    // Called by the linked views: shows the folder unless it is the selected one.
    void FollowFolder(const ShellItemId& AbsoluteID);
    // The item's folder; an index past the end means the last item; nullptr without items.
    TskShellFolder* FolderAt(int Index) const;
    // The last item showing this folder, -1 when none.
    int IndexOfIdList(const ShellItemId& AbsoluteID) const;
    // The small icons (nullptr when the shell pictures are not registered) and their size.
    TImageList* ShellImageList() const { return FImages; }

protected:
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void BeforeDestruction() override;
    void SelectionChanged() override;
    // A chosen item gets the list rebuilt around it (an ancestor's deeper chain goes), then OnClick.
    void Click() override;
    // The root's children, and on the desktop (Root exactly "rfDesktop") Computer's volumes.
    virtual void AddRootChildren();

    // Rebuilds the list around a folder and selects it (the root item when it lies outside).
    void ShowIdList(const ShellItemId& AbsoluteID);

private:
    void ApplyRoot();
    void RebuildRootItems();
    void InsertChildItems(int Index, TskShellFolder* Folder);
    int FolderImageIndex(const TskShellFolder* Folder) const;
    void InsertFolderItem(int Index, const std::string& Caption, TskShellFolder* Folder);
    void SyncCaptions();
    void ClearFolderItems();
    void ApplyImageList(bool On);
    void DrawItem(TCanvas* Cnvs, int Index, RECT R, bool Indented);
    bool Loading() const;

    std::unique_ptr<TskItemsEx> FItemsEx;
    TImageList* FImages = nullptr;
    int FImageHeight = 16;
    int FImageWidth = 16;
    TRoot FOldRoot;
    TRoot FRoot = "rfDesktop";
    TskShellFolder* FRootFolder = nullptr;
    TskCustomShellTreeView* FTreeView = nullptr;
    TskShellListLink* FListView = nullptr;
    TShellObjectTypes FObjectTypes{otFolders};
    bool FUseShellImages = true;
    bool FUpdating = false;
};

class TskSkinShellComboBox : public TskCustomShellComboBox {
public:
    using TskCustomShellComboBox::TskCustomShellComboBox;
};
