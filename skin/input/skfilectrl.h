#pragma once
// The file-system controls' path routines and the listings behind the drive box, the folder
// list, the file list and the filter box. "/" is the only delimiter; there are no drive letters
// or network names: the drives are the volumes of the shell's Computer, named by mount point.
// Routines that enter folders use the class library's working folder and restore it.

#include "classlib/Object.h"
#include "skin/input/skSkinComboBox.h"

#include <memory>
#include <string>
#include <vector>

class TCanvas;

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

struct TDriveItem {
    std::string Drive;  // the mount point
    std::string Text;   // its VolumeLabel
    bool Removable = false;
};
std::vector<TDriveItem> BuildDriveList();

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

protected:
    void CreateWnd() override;

private:
    void BuildFilterList();

    std::string FFilterText;
    std::unique_ptr<TStringList> FMaskList;
};
