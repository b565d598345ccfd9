#include "skin/input/skSkinShellCtrls.h"

#include "classlib/FileSystem.h"
#include "classlib/SysUtils.h"
#include "platform/shell/ShellPlaces.h"

#include <sys/stat.h>

namespace {

const char* const rootFolderNames[] = {
    "rfDesktop", "rfMyComputer", "rfNetwork", "rfRecycleBin", "rfAppData", "rfCommonDesktopDirectory",
    "rfCommonPrograms", "rfCommonStartMenu", "rfCommonStartup", "rfControlPanel", "rfDesktopDirectory",
    "rfFavorites", "rfFonts", "rfInternet", "rfPersonal", "rfPrinters", "rfPrintHood", "rfPrograms",
    "rfRecent", "rfSendTo", "rfStartMenu", "rfStartup", "rfTemplates"};

bool isFolderPath(const std::string& path)
{
    struct stat st {};
    return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::optional<ShellItemId> parseFolder(const std::string& path)
{
    return isFolderPath(path) ? ShellParsePath(path) : std::nullopt;
}

// The chain of a root name that Linux has; nullopt for the others.
std::optional<ShellItemId> rootFolderId(int value)
{
    switch (value) {
    case rfDesktop: return ShellItemId();
    case rfMyComputer: return ShellItemId({ShellComputerSegment});
    case rfDesktopDirectory: return parseFolder(DesktopFolder());
    case rfPersonal: {
        const std::string documents = UserFolder("DOCUMENTS");
        return parseFolder(isFolderPath(documents) ? documents : HomeFolder());
    }
    case rfAppData: return parseFolder(ConfigHome());
    case rfTemplates: return parseFolder(UserFolder("TEMPLATES"));
    default: return std::nullopt;
    }
}

} // namespace

int RootFolderValue(const std::string& Root)
{
    for (int i = 0; i < static_cast<int>(std::size(rootFolderNames)); ++i)
        if (SameText(Root, rootFolderNames[i]))
            return i;
    return -1;
}

int ObjectTypesToFlags(TShellObjectTypes ObjectTypes)
{
    return static_cast<int>(ObjectTypes.Bits() & 7) * 32;
}

TskShellFolder* FolderFromIdList(const ShellItemId& AbsoluteID)
{
    return new TskShellFolder(GlobalDesktopFolder(), AbsoluteID);
}

TskShellFolder* ResolveRootFolder(TskShellFolder* Current, const TRoot& Previous, TRoot& Root)
{
    const int value = RootFolderValue(Root);
    std::optional<ShellItemId> id;
    if (value >= 0)
        id = rootFolderId(value);
    else if (!Root.empty())
        id = ShellParsePath(Root);
    if (!id) {
        const std::string message = Format("Error setting path: \"%s\"", {Root});
        Root = Previous;
        throw Exception(message);
    }
    TskShellFolder* folder = FolderFromIdList(*id);
    delete Current;
    return folder;
}

std::vector<TskShellFolder*> ListShellFolder(TskShellFolder* Folder, TShellObjectTypes ObjectTypes)
{
    ShellListOptions options;
    options.folders = ObjectTypes.Contains(otFolders);
    options.nonFolders = ObjectTypes.Contains(otNonFolders);
    options.hidden = ObjectTypes.Contains(otHidden);
    std::vector<ShellItemId> children;
    try {
        children = ShellListFolder(Folder->AbsoluteID(), options);
    } catch (const EFolderRead& e) {
        throw EInOutError(e.Path(), e.ErrorCode());
    }
    std::vector<TskShellFolder*> folders;
    folders.reserve(children.size());
    for (const auto& child : children)
        folders.push_back(new TskShellFolder(Folder, child.LastItem()));
    return folders;
}

bool FolderHasItems(const TskShellFolder* Folder, int Flags)
{
    if (!Folder)
        return false;
    ShellListOptions options;
    options.folders = (Flags & SHCONTF_FOLDERS) != 0;
    options.nonFolders = (Flags & SHCONTF_NONFOLDERS) != 0;
    options.hidden = (Flags & SHCONTF_INCLUDEHIDDEN) != 0;
    try {
        return !ShellListFolder(Folder->AbsoluteID(), options).empty();
    } catch (const EFolderRead&) {
        return false;
    }
}

int ShellIconIndex(const ShellItemId& AbsoluteID, bool Large, bool Open)
{
    (void)Large;
    return static_cast<int>(ShellItemIconKind(AbsoluteID, Open));
}
