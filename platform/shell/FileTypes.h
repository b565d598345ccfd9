#pragma once
// What a file is, judged by its name only (never by its contents): the type name the user sees
// and the kind of icon the shell views draw for it.

#include <string>

// The icon kinds of the shell's items, in the order of the shell image lists.
enum class ShellIconKind {
    Desktop,
    Computer,
    Home,
    Drive,
    Removable,
    Folder,
    OpenFolder,
    File,
    Video,
    Audio,
    Picture,
    Text,
    Archive
};
inline constexpr int ShellIconKindCount = 13;

// The MIME database's description of the name's type in the process's language, cached per
// extension; for a name of unknown type its extension with the dot ("" without one).
std::string FileTypeName(const std::string& fileName);
// The description of a folder.
std::string FolderTypeName();
// Video, Audio, Picture, Text or Archive by the name's type; File otherwise.
ShellIconKind FileIconKind(const std::string& fileName);
