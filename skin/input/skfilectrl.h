#pragma once
// The file-system controls' path routines and the listings behind the drive box, the folder
// list, the file list and the filter box. "/" is the only delimiter; there are no drive letters
// or network names: the drives are the volumes of the shell's Computer, named by mount point.
// Routines that enter folders use the class library's working folder and restore it.

#include "classlib/Object.h"
#include "skin/input/skSkinComboBox.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TBitmap;
class TCanvas;
class TCustomEdit;
class TskSkinStdLabel;

// True when the path (relative ones from the working folder) is a folder.
bool IsExistingDirectory(const std::string& Path);
// Dir + Name with one "/" between; Name alone for an empty Dir.
std::string JoinFolderPath(const std::string& Dir, const std::string& Name);
// The path without its first folder, the cut marked ".../": "/a/b/c/" -> "/.../b/c/"; a single
// "/" gives "".
std::string DropFirstFolder(const std::string& S);
// FileName with folders dropped from the front until its width on the canvas is at most
// MaxWidth; the file name itself is never cut.
std::string ShortenPathToWidth(const std::string& FileName, TCanvas* Canvas, int MaxWidth);
// "[<name>]" of the volume mounted at the point ("File System" for "/"), or of the folder's
// base name.
std::string VolumeLabel(const std::string& MountPoint);
int CountSlashes(const std::string& S);

struct TPathParts {
    std::string Folder;
    std::string File;
};
// Splits a typed path into its folder and file parts: "[name]" is a folder of the list; a last
// component without "*" or "?" that is no file is taken as a folder. Raises EInOutError for a
// folder that cannot be entered; the working folder is left as it was in every case.
TPathParts ResolvePathParts(const std::string& EditText);

// --- the filter box -----------------------------------------------------------------------

struct TFilterItem {
    std::string Description;
    std::string Mask;
};
// "Text|*.txt|All|*.*" -> {Text, *.txt}, {All, *.*}; a trailing description without a mask is
// dropped.
std::vector<TFilterItem> ParseFilter(const std::string& Filter);

// --- the drive box ------------------------------------------------------------------------

enum class TDriveKind { Fixed, Removable, Network, CDROM };
struct TDriveItem {
    std::string Drive;   // the mount point
    std::string Label;   // its VolumeLabel, or for a network volume the remote name
    TDriveKind Kind = TDriveKind::Fixed;
};
// Computer's volumes: "/" first, then the user mounts. Removable: under /media or /run/media;
// CD-ROM: an ISO 9660 or UDF file system; network: a remote file system.
std::vector<TDriveItem> BuildDriveList();
// The mount point of the volume holding the path (relative ones from the working folder).
std::string VolumeOf(const std::string& Path);
// How the volume holding the path treats the letter case of names: FAT and exFAT keep it but
// match without regard to it; MS-DOS FAT keeps neither; the others keep and match it.
struct TVolumeCase {
    bool PreserveCase = true;
    bool CaseSensitive = true;
};
TVolumeCase VolumeCaseOf(const std::string& Path);

// --- the folder list ----------------------------------------------------------------------

enum class TFolderItemKind { Opened, Current, Closed };
struct TFolderItem {
    std::string Text;
    TFolderItemKind Kind;
};
// The root "/" and each ancestor (Opened), the folder itself (Current), then its subfolders
// sorted without regard to case (Closed); dot-folders are left out. Raises EInOutError when
// Directory cannot be read.
std::vector<TFolderItem> BuildFolderList(const std::string& Directory);
// The path an item of BuildFolderList(Directory) stands for; "" past the end.
std::string GetItemPath(const std::vector<TFolderItem>& Items, const std::string& Directory, int Index);
// The names of Parent's subfolders (dot-folders left out), in the file system's order.
std::vector<std::string> CollectSubfolders(const std::string& Parent);

// --- the file list ------------------------------------------------------------------------

enum TskFileAttr { skftReadOnly, skftHidden, skftSystem, skftVolumeID, skftDirectory, skftArchive, skftNormal };
using TskFileType = TSet<TskFileAttr>;
// The entries of Directory matching one of the ";"-separated patterns of Mask and the file
// type, sorted without regard to case, each once; folders as "[name]". Raises EInOutError when
// the folder cannot be read.
std::vector<std::string> ListFiles(const std::string& Directory, const std::string& Mask, TskFileType FileType);
// The index of Name in a listing: the exact name first, else the first equal without regard to
// case; -1 when none.
int SelectFileByName(const std::vector<std::string>& Items, const std::string& Name);

// --- the skinned filter box ---------------------------------------------------------------

class TskSkinDirectoryListBox;
class TskSkinFileListBox;

// A combo box of file filters: Filter holds descriptions and masks in turn, separated by "|";
// the items are the descriptions and Mask is the selected one's mask.
class TskSkinFilterComboBox : public TskSkinComboBox {
public:
    explicit TskSkinFilterComboBox(TComponent* AOwner);

    const std::string& GetFilter() const { return FFilterText; }
    // A text that differs only in letter case is ignored. The items follow once the window
    // exists; the first filter is selected.
    void SetFilter(const std::string& Value);
    // The selected filter's mask. With nothing selected the last filter is selected first; "*.*"
    // when there are no filters.
    std::string GetMask();
    // The masks, at their items' indexes.
    TStringList* MaskList() const { return FMaskList.get(); }
    // The file list whose Mask follows the selected filter.
    TskSkinFileListBox* GetFileList() const { return FFileList; }
    void SetFileList(TskSkinFileListBox* Value);
    // OnClick, then the selection hook (so the file list follows every click).
    void Click() override;

protected:
    void CreateWnd() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void SelectionChanged() override;

private:
    void BuildFilterList();

    std::string FFilterText;
    TskSkinFileListBox* FFileList = nullptr;
    std::unique_ptr<TStringList> FMaskList;
};

// --- the skinned drive box, folder list and file list -------------------------------------
// They browse through the class library's working folder: after a change of folder it is the
// folder shown. A folder that cannot be entered raises EInOutError from the call that tried,
// and the items keep what they showed.

// Enters Path from the folder Shown (a relative Path is taken from it), makes the working folder
// the new Shown and runs Refill. When Path cannot be entered it raises EInOutError and nothing
// changes; when Refill raises (a folder that can be entered but not read), Shown and the working
// folder go back before the error passes on.
void EnterShownFolder(std::string& Shown, const std::string& Path, const std::function<void()>& Refill);

// A 16-pixel glyph of the program's named bitmaps, drawn without its bottom-left pixel's colour.
std::unique_ptr<TBitmap> LoadFileCtrlBitmap(const std::string& Name);

enum TTextCase { tcLowerCase, tcUpperCase };

// The volumes of Computer, each with its glyph, the mount point and the label. Drive is the
// selected volume's mount point ("" for none); it drives a linked folder list.
class TskSkinDriveComboBox : public TskSkinComboBox {
public:
    explicit TskSkinDriveComboBox(TComponent* AOwner);
    ~TskSkinDriveComboBox() override;

    const std::string& GetDrive() const { return FDrive; }
    void SetDrive(const std::string& Value);
    // The labels' letter case (mount points are paths and keep theirs).
    TTextCase GetTextCase() const { return FTextCase; }
    void SetTextCase(TTextCase Value);
    TskSkinDirectoryListBox* GetDirList() const { return FDirList; }
    void SetDirList(TskSkinDirectoryListBox* Value);
    // The volume of each item, at the item's index.
    const std::vector<TDriveItem>& Drives() const { return FDrives; }
    virtual void BuildDriveList();

protected:
    void CreateWnd() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TskSkinDirectoryListBox;
    void DriveComboChange();
    void DrawDriveItem(TCanvas* Cnvs, int Index, RECT TxtRect);
    TBitmap* BitmapOf(TDriveKind Kind) const;

    TskSkinDirectoryListBox* FDirList = nullptr;
    std::string FDrive;
    TTextCase FTextCase = tcLowerCase;
    std::vector<TDriveItem> FDrives;
    std::unique_ptr<TBitmap> FloppyBMP, FixedBMP, NetworkBMP, CDROMBMP;
};

// The shown folder as an indented list: the root and each ancestor, the folder itself
// (selected), then its subfolders. Double-click or Enter opens the selected item.
class TskSkinDirectoryListBox : public TskSkinListBox {
public:
    explicit TskSkinDirectoryListBox(TComponent* AOwner);
    ~TskSkinDirectoryListBox() override;

    const std::string& GetDirectory() const { return FDirectory; }
    // A typed path (relative ones from the working folder; "[name]" as the file list shows a
    // folder); a last component that names a file is dropped.
    virtual void SetDirectory(const std::string& Value);
    // The mount point of the shown folder's volume.
    std::string GetDrive() const { return VolumeOf(FDirectory); }
    void SetDrive(const std::string& Value);
    bool PreserveCase() const { return FPreserveCase; }
    bool CaseSensitive() const { return FCaseSensitive; }
    TskSkinFileListBox* GetFileList() const { return FFileList; }
    void SetFileList(TskSkinFileListBox* Value);
    TskSkinStdLabel* GetDirLabel() const { return FDirLabel; }
    void SetDirLabel(TskSkinStdLabel* Value);

    std::string DisplayCase(const std::string& S) const;
    // 0 when A and B name the same folder.
    int FileCompareText(const std::string& A, const std::string& B) const;
    // The folder item Index stands for; "" past the items.
    std::string GetItemPath(int Index) const;
    void OpenCurrent();
    // Reads the folder again.
    void UpdateList();
    // The drive box moved to another volume: its mount point becomes the shown folder.
    void DriveChange(const std::string& NewDrive);

    int GetItemTextWidth(int Index, TCanvas* Cnvs) override;
    void ListBoxDblClick() override;
    void ListBoxKeyPress(char32_t& Key) override;

    TNotifyEvent OnChange;

protected:
    void CreateWnd() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    virtual void FolderChanged();
    virtual void BuildFolderList();

private:
    friend class TskSkinDriveComboBox;
    void ChangeToFolder(const std::string& Path);
    void UpdateDirLabel();
    void DrawFolderItem(TCanvas* Cnvs, int Index, RECT TxtRect);
    int Indent(int Index) const;
    TBitmap* BitmapOf(int Index) const;

    TskSkinFileListBox* FFileList = nullptr;
    TskSkinDriveComboBox* FDriveCombo = nullptr;
    TskSkinStdLabel* FDirLabel = nullptr;
    bool FInSetDir = false;
    bool FPreserveCase = true;
    bool FCaseSensitive = true;
    std::unique_ptr<TBitmap> ClosedBMP, OpenedBMP, CurrentBMP;
    std::string FDirectory;
    std::vector<TFolderItem> FFolderItems;
};

// The entries of a folder that match Mask (patterns separated by ";") and FileType, sorted;
// folders as "[name]". The selected name goes into a linked edit.
class TskSkinFileListBox : public TskSkinListBox {
public:
    explicit TskSkinFileListBox(TComponent* AOwner);

    const std::string& GetMask() const { return FMask; }
    void SetMask(const std::string& Value);
    TskFileType GetFileType() const { return FFileType; }
    void SetFileType(TskFileType Value);
    const std::string& GetDirectory() const { return FDirectory; }
    void SetDirectory(const std::string& Value) { ApplyFilePath(Value); }
    std::string GetDrive() const { return VolumeOf(FDirectory); }
    void SetDrive(const std::string& Value);
    // The selected file's path; "" with nothing selected.
    virtual std::string GetFileName();
    void SetFileName(const std::string& Value) { ApplyFilePath(Value); }
    TCustomEdit* GetFileEdit() const { return FFileEdit; }
    void SetFileEdit(TCustomEdit* Value);

    // Lists another folder (relative paths from the listed one).
    void EnterFolder(const std::string& Path);
    std::string SelectedFileText();
    // Selects the item of that name (the exact name first, else one equal without regard to
    // case; none when there is none).
    void SelectFileByName(const std::string& Name);
    // Reads the folder again.
    void UpdateList();
    // A typed path: its folder is entered (through a linked folder list), a file part with "*"
    // or "?" becomes the Mask, another file part is selected.
    virtual void ApplyFilePath(const std::string& EditText);

    void ListBoxClick() override;

    TNotifyEvent OnChange;

protected:
    void CreateWnd() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    virtual void FileListChanged();
    virtual void ListFiles();

private:
    friend class TskSkinDirectoryListBox;
    friend class TskSkinFilterComboBox;

    std::string FDirectory;
    std::string FMask = "*.*";
    TskFileType FFileType{skftNormal};
    TCustomEdit* FFileEdit = nullptr;
    TskSkinDirectoryListBox* FDirList = nullptr;
    TskSkinFilterComboBox* FFilterCombo = nullptr;
    int FLastSel = -1;
};
