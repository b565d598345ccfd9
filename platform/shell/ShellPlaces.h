#pragma once
// The user's places as the shell model shows them: the home folder, the XDG configuration home
// and user folders (user-dirs.dirs), and the mounted volumes ("/" and the user's mounts).
// Everything is read afresh on each call, from the environment and the mounts table.

#include <string>
#include <vector>

// $HOME, else the password database's home of the user.
std::string HomeFolder();
// $XDG_CONFIG_HOME when it is an absolute path, else home + "/.config".
std::string ConfigHome();
// The folder of an XDG user folder key ("DESKTOP", "DOCUMENTS", ...) from
// <config home>/user-dirs.dirs; "" when the file lacks the key or the line is malformed. The
// folder need not exist.
std::string UserFolder(const std::string& key);
// The XDG desktop folder when it exists, else home.
std::string DesktopFolder();

struct ShellVolume {
    std::string mountPoint;
    // The point's base name; "File System" for "/".
    std::string name;
    // Mounted under /media or /run/media.
    bool removable = false;
    // The mounts table's source and file-system type ("" for "/").
    std::string device;
    std::string fileSystem;
};

// "/" first, then the user mounts of the mounts table in its order: points under /media,
// /run/media, /mnt or home, of real file systems, each once. Odd lines are skipped.
std::vector<ShellVolume> Volumes();
// The mounts table read by Volumes (default /proc/self/mounts); "" restores it. For tests.
void SetMountsTable(const std::string& path);

// Lexical normalisation of an absolute path: "//", "." and ".." collapsed, no trailing "/"
// except for "/" itself. A relative or empty path gives "".
std::string NormalizePath(const std::string& path);
// Whether path is base or lies inside it (component-wise).
bool PathIsWithin(const std::string& path, const std::string& base);
// The last component of a normalised path ("/" for the root).
std::string PathBaseName(const std::string& path);
