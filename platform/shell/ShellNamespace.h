#pragma once
// The shell namespace as a model of the Linux file system. The desktop (virtual; its folder is
// the XDG desktop folder, else home) holds, in this order, Computer, Home, the XDG Documents,
// Downloads, Music, Pictures and Videos folders that exist and are not home, then the desktop
// folder's entries. Computer holds the volumes ("/" and the user's mounts). Items are named by
// ShellItemId chains; paths handed out keep the raw bytes of the names.

#include "platform/shell/FileTypes.h"
#include "platform/shell/FolderReader.h"
#include "platform/shell/ShellItemId.h"

#include <optional>
#include <string>
#include <vector>

// The file-system path of an item: the desktop's folder for the desktop, "" for Computer.
std::string ShellItemPath(const ShellItemId& id);
// The name shown for an item: "Desktop", "Computer", "Home", "File System" for "/", a volume's or
// XDG folder's base name, an entry's own name (bytes that are not UTF-8 shown as U+FFFD).
std::string ShellItemName(const ShellItemId& id);
// Virtual and fixed items are folders; an entry when it is a folder (links followed; a regular
// file, an archive too, never is).
bool ShellItemIsFolder(const ShellItemId& id);
// Whether a folder holds a subfolder (reads only up to the first one).
bool ShellItemHasSubfolders(const ShellItemId& id, bool hidden);
ShellIconKind ShellItemIconKind(const ShellItemId& id, bool open);

struct ShellListOptions {
    bool folders = true;
    bool nonFolders = true;
    // Dot-names are hidden unless this is set.
    bool hidden = false;
};
// The children of a folder item: the fixed items first, then entries by name ignoring case
// (bytes break ties). Raises EFolderRead for a folder that cannot be read.
std::vector<ShellItemId> ShellListFolder(const ShellItemId& folder, const ShellListOptions& options);

// An existing absolute path, normalised lexically (links unresolved), as
// Desktop > Computer > its volume (the longest mount point holding it) > its components;
// nullopt for any other text.
std::optional<ShellItemId> ShellParsePath(const std::string& path);

// Entries can be renamed when their folder is writable; fixed items never.
bool ShellCanRename(const ShellItemId& id);
// Renames an entry within its folder, never replacing an existing one. Raises Exception
// "Rename to <name> failed" for an empty name, "." or "..", a name holding "/", an existing
// target or a refusal of the system. Returns the renamed item's id.
ShellItemId ShellRename(const ShellItemId& id, const std::string& newName);

// The text with every byte sequence that is not UTF-8 replaced by U+FFFD.
std::string ShellDisplayText(const std::string& raw);
