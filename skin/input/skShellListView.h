#pragma once
// The shell file list: a skinned list view in owner-data mode showing the children of one shell
// folder (files and folders of a directory, or the items of a virtual folder such as the
// desktop). The rows are backed by the view's own list of folder items in display order; the
// control asks for a row's caption, icon and details only when it paints it. Non-folder items
// are filtered by a wildcard mask, folders come first, a report header click sorts by name,
// size, type or date. The view enters folders, goes up, renames in place, shows the shell's
// context menu, can refresh itself when its folder changes on disk, and follows and drives a
// linked folder tree and look-in box.

#include "classlib/Strings.h"
#include "skin/form/skSkinViews.h"
#include "skin/input/skShellTreeView.h"
#include "skin/input/skShellViewLinks.h"
#include "skin/input/skSkinShellCtrls.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TskCustomShellComboBox;

// Whether a file name passes a mask list ("*.avi;*.mkv|*.*"): segments split at ";" and "|",
// each matched as the shell model's masks do ("*.*" every name, case ignored, blanks around a
// segment trimmed); an empty segment matches nothing, and so does an empty list.
bool ShellNamePassesMask(const std::string& FileName, const std::string& Mask);

class TskCustomShellListView : public TskSkinCustomListView, public TskShellListLink, public IShellVerbHandler {
public:
    explicit TskCustomShellListView(TComponent* AOwner);
    ~TskCustomShellListView() override;

    // The folder whose children are shown (nullptr before the window exists).
    TskShellFolder* RootFolder() const { return FRootFolder; }
    // The root folder's path; "" without one (and for Computer).
    std::string GetPath() const;
    // Enters an existing path. Raises EInvalidPath "Error setting path: "<text>"" for any other
    // text, and "Cannot open folder "<path>": <reason>" when the folder cannot be read; the view
    // then stays where it was.
    void SetPath(const std::string& Value);
    const TRoot& GetRoot() const { return FRoot; }
    // A text equal to the current one without regard to case changes nothing; one that does not
    // resolve raises "Error setting path: "<text>"" and Root keeps its old value.
    void SetRoot(const TRoot& Value) override;
    const std::string& GetMask() const { return FMask; }
    void SetMask(const std::string& Value);
    TShellObjectTypes GetObjectTypes() const { return FObjectTypes; }
    void SetObjectTypes(TShellObjectTypes Value);
    bool GetSorted() const { return FSorted; }
    void SetSorted(bool Value);
    bool GetAutoContextMenus() const { return FAutoContext; }
    void SetAutoContextMenus(bool Value) { FAutoContext = Value; }
    bool GetAutoNavigate() const { return FAutoNavigate; }
    void SetAutoNavigate(bool Value) { FAutoNavigate = Value; }
    bool GetAutoRefresh() const { return FAutoRefresh; }
    // Watches the shown folder and refreshes the list when it changes on disk.
    void SetAutoRefresh(bool Value);
    void SetViewStyle(TViewStyle Value) override;

    TskCustomShellTreeView* GetShellTreeView() const { return FTreeView; }
    // The tree takes this view's Root and links back.
    void SetShellTreeView(TskCustomShellTreeView* Value);
    TskCustomShellComboBox* GetShellComboBox() const { return FComboBox; }
    // The look-in box takes this view's Root and links back.
    void SetShellComboBox(TskCustomShellComboBox* Value);
    void LinkComboBox(TskCustomShellComboBox* Value) override;
    void LinkTreeView(TskCustomShellTreeView* Value) override;

    // The rows' folder items in display order.
    int FolderCount() const { return static_cast<int>(FFolders.size()); }
    // The row's item; nullptr outside the rows.
    TskShellFolder* Folders(int Index) const;
    TskShellFolder* SelectedFolder() const;
    // The selected item's full name when it is not a folder, else "".
    std::string GetSelectedFile() const;
    // Clears AFiles and adds the full names of the selected non-folder rows in row order.
    void GetSelectedFiles(TStrings* AFiles) const;
    // The column last clicked for sorting (-1 none) and whether it sorts descending.
    int SortColumn() const { return FSortColumn; }
    bool SortDescending() const { return FSortDirection; }

    // Goes up to the root folder's parent (nothing at the desktop).
    void Back();
    // Reads the folder again, keeping the selected row index when it still exists.
    void Refresh();
    // Shows the folder unless it is already shown (nothing while the view updates itself).
    void FollowFolder(const ShellItemId& AbsoluteID) override;
    // Enters a folder: the view stays where it was and raises EInvalidPath "Cannot open folder
    // "<path>": <reason>" when it cannot be read. Raises OnPathChanged.
    void OpenFolderID(const ShellItemId& AbsoluteID);
    // Syncs the linked views, lists the folder again and rebuilds the report columns.
    void ReloadFolder();
    // Starts editing the selected row's name in place.
    void RenameSelected();

    // The shell context menu's verbs: "rename" edits the selected row's name (Handled); "open"
    // enters the selected item's folder as the working folder for the verb; afterwards "delete"
    // and "paste" refresh and "open" restores the working folder.
    void ExecuteCommand(const std::string& Verb, bool& Handled) override;
    void CommandCompleted(const std::string& Verb, bool Succeeded) override;

    TAddFolderEvent OnAddFolder;
    TNotifyEvent OnPathChanged;

protected:
    // Lists the root folder's children through the mask and OnAddFolder, sorted when Sorted.
    virtual void FillFolders();

    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void BeforeDestruction() override;
    void Dispatch(TMessage& Message) override;
    bool OwnerDataFetch(TListItem* Item, TItemRequest Request) override;
    int OwnerDataFind(TItemFind Find, const std::string& FindString, int StartIndex, bool Wrap) override;
    void ColClick(TListColumn* Column) override;
    void DblClick() override;
    void Edit(TListItem* Item, const std::string* Text) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;

private:
    // One row: its item, whether it is a folder (read once at filling) and its place in the
    // shell's order, the base order's tie-break.
    struct TRow {
        TskShellFolder* Folder;
        bool IsFolder;
        int Rank;
    };

    void ReleaseFolders();
    // Lists a folder item's children (prefetched or read now) into rows through the mask.
    void AddChildren(std::vector<TskShellFolder*> Children);
    // Enters a folder even when it is the one shown (Refresh).
    void EnterFolder(const ShellItemId& AbsoluteID);
    void MakeRootFolder();
    void SyncLinkedViews();
    void BuildColumns();
    void AddDefaultColumns();
    // Sorts the rows by a column (-1: the base order only); raises the details error of an item
    // whose file is gone, leaving the rows as they were.
    void SortFolders(int Column, bool Descending);
    void SetRowCount(int Count);
    bool Loading() const;

    int FOldSortColumn = -1;
    int FSortColumn = -1;
    bool FSortDirection = false;
    TRoot FOldRoot;
    TRoot FRoot = "rfDesktop";
    TskShellFolder* FRootFolder = nullptr;
    bool FAutoContext = true;
    bool FAutoRefresh = false;
    bool FAutoNavigate = true;
    bool FSorted = true;
    bool FUpdating = false;
    TShellObjectTypes FObjectTypes{otFolders, otNonFolders};
    std::vector<TRow> FFolders;
    // Children read while entering a folder, for the fill that follows.
    std::optional<std::vector<TskShellFolder*>> FPrefetched;
    // Cleared when the view goes: a nested message loop (the context menu) may outlive it.
    std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
    TskCustomShellTreeView* FTreeView = nullptr;
    TskCustomShellComboBox* FComboBox = nullptr;
    TskShellChangeNotifier* FNotifier = nullptr;
    bool FSettingRoot = false;
    std::string FSavePath;
    std::string FMask = "*.*|*.*";
};

// The published file list; it adds no behaviour.
class TskSkinFileListView : public TskCustomShellListView {
public:
    using TskCustomShellListView::TskCustomShellListView;
};
