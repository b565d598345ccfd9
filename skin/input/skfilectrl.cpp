#include "skin/input/skfilectrl.h"

#include "classlib/Canvas.h"
#include "classlib/FileSystem.h"
#include "classlib/Masks.h"
#include "classlib/SysUtils.h"
#include "platform/shell/ShellPlaces.h"

#include <algorithm>
#include <set>

namespace {

// Sorts without regard to case, bytes breaking ties, and drops repeated names.
void sortUnique(std::vector<std::string>& names)
{
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const int c = CompareText(a, b);
        return c != 0 ? c < 0 : a < b;
    });
    names.erase(std::unique(names.begin(), names.end()), names.end());
}

// Restores the working folder it found when it goes.
class WorkingFolderGuard {
public:
    WorkingFolderGuard() : saved_(GetCurrentDir()) {}
    ~WorkingFolderGuard()
    {
        if (IsExistingDirectory(saved_))
            SetCurrentDir(saved_);
    }

private:
    std::string saved_;
};

std::string bracketed(const std::string& name)
{
    std::string text = "[";
    text.append(name);
    text.push_back(']');
    return text;
}

} // namespace

bool IsExistingDirectory(const std::string& Path)
{
    const int attr = Path.empty() ? -1 : FileGetAttr(Path);
    return attr >= 0 && (attr & faDirectory) != 0;
}

std::string JoinFolderPath(const std::string& Dir, const std::string& Name)
{
    if (Dir.empty())
        return Name;
    return Dir.back() == '/' ? Dir + Name : Dir + "/" + Name;
}

std::string DropFirstFolder(const std::string& S)
{
    if (S == "/")
        return "";
    std::string rest = S;
    const bool leading = !rest.empty() && rest[0] == '/';
    if (leading)
        rest.erase(0, 1);
    if (rest.compare(0, 4, ".../") == 0)
        rest.erase(0, 4);
    const auto slash = rest.find('/');
    rest = slash == std::string::npos ? std::string() : ".../" + rest.substr(slash + 1);
    return leading ? "/" + rest : rest;
}

std::string ShortenPathToWidth(const std::string& FileName, TCanvas* Canvas, int MaxWidth)
{
    std::string result = FileName;
    std::string dir = ExtractFilePath(FileName);
    const std::string name = ExtractFileName(FileName);
    while (!dir.empty() && Canvas->TextWidth(result) > MaxWidth) {
        dir = dir == "/.../" ? std::string(".../") : DropFirstFolder(dir);
        result = dir + name;
    }
    return result;
}

std::string VolumeLabel(const std::string& MountPoint)
{
    const std::string point = NormalizePath(MountPoint);
    for (const auto& volume : Volumes())
        if (volume.mountPoint == point)
            return bracketed(volume.name);
    return bracketed(PathBaseName(point.empty() ? MountPoint : point));
}

int CountSlashes(const std::string& S)
{
    return static_cast<int>(std::count(S.begin(), S.end(), '/'));
}

TPathParts ResolvePathParts(const std::string& EditText)
{
    std::string folder = EditText;
    if (EditText.size() >= 2 && EditText.front() == '[' && EditText.back() == ']')
        folder = EditText.substr(1, EditText.size() - 2);
    WorkingFolderGuard guard;
    std::string file = ExtractFileName(folder);
    if (folder.size() == file.size() + 1)
        folder = std::string(1, '/');
    else if (folder.size() > file.size())
        folder = folder.substr(0, folder.size() - file.size() - 1);
    else
        folder = GetCurrentDir();
    if (!folder.empty())
        ChDir(folder);
    if (!file.empty() && file.find_first_of("*?") == std::string::npos && !FileExists(ExpandFileName(file))) {
        ChDir(file);
        folder = JoinFolderPath(folder, file);
        file.clear();
    }
    return {folder, file};
}

void EnterShownFolder(std::string& Shown, const std::string& Path, const std::function<void()>& Refill)
{
    const std::string previous = Shown;
    if (IsExistingDirectory(previous))
        ChDir(previous);
    ChDir(Path);
    Shown = GetCurrentDir();
    try {
        Refill();
    } catch (...) {
        Shown = previous;
        SetCurrentDir(previous);
        throw;
    }
}

std::vector<TFilterItem> ParseFilter(const std::string& Filter)
{
    std::vector<TFilterItem> items;
    std::string s = Filter;
    for (auto bar = s.find('|'); bar != std::string::npos; bar = s.find('|')) {
        TFilterItem item;
        item.Description = s.substr(0, bar);
        s.erase(0, bar + 1);
        if (const auto next = s.find('|'); next != std::string::npos) {
            item.Mask = s.substr(0, next);
            s.erase(0, next + 1);
        } else {
            item.Mask = s;
            s.clear();
        }
        items.push_back(item);
    }
    return items;
}

std::vector<TDriveItem> BuildDriveList()
{
    static const std::set<std::string> remote = {"nfs", "nfs4", "cifs", "smb3", "smbfs", "fuse.sshfs", "sshfs", "9p", "ceph"};
    std::vector<TDriveItem> items;
    for (const auto& volume : Volumes()) {
        TDriveItem item{volume.mountPoint, bracketed(volume.name), TDriveKind::Fixed};
        if (remote.count(volume.fileSystem)) {
            item.Kind = TDriveKind::Network;
            item.Label = volume.device;
        } else if (volume.fileSystem == "iso9660" || volume.fileSystem == "udf") {
            item.Kind = TDriveKind::CDROM;
        } else if (volume.removable) {
            item.Kind = TDriveKind::Removable;
        }
        items.push_back(item);
    }
    return items;
}

namespace {

ShellVolume volumeHolding(const std::string& Path)
{
    const std::string path = NormalizePath(ExpandFileName(Path));
    const std::vector<ShellVolume> volumes = Volumes();
    ShellVolume best = volumes.front();
    for (const auto& volume : volumes)
        if (PathIsWithin(path, volume.mountPoint) && volume.mountPoint.size() > best.mountPoint.size())
            best = volume;
    return best;
}

} // namespace

std::string VolumeOf(const std::string& Path)
{
    return volumeHolding(Path).mountPoint;
}

TVolumeCase VolumeCaseOf(const std::string& Path)
{
    const std::string type = volumeHolding(Path).fileSystem;
    if (type == "msdos")
        return {false, false};
    if (type == "vfat" || type == "exfat")
        return {true, false};
    return {};
}

std::vector<std::string> CollectSubfolders(const std::string& Parent)
{
    std::vector<std::string> names;
    for (const auto& rec : FindFiles(Parent, "*.*", faDirectory))
        if (rec.Attr & faDirectory)
            names.push_back(rec.Name);
    return names;
}

std::vector<TFolderItem> BuildFolderList(const std::string& Directory)
{
    std::vector<std::string> subfolders = CollectSubfolders(Directory);
    sortUnique(subfolders);
    std::vector<TFolderItem> items;
    if (Directory == "/") {
        items.push_back({"/", TFolderItemKind::Current});
    } else {
        items.push_back({"/", TFolderItemKind::Opened});
        std::string rest = Directory.substr(1);
        for (auto slash = rest.find('/'); slash != std::string::npos; slash = rest.find('/')) {
            items.push_back({rest.substr(0, slash), TFolderItemKind::Opened});
            rest.erase(0, slash + 1);
        }
        items.push_back({rest, TFolderItemKind::Current});
    }
    for (const auto& name : subfolders)
        items.push_back({name, TFolderItemKind::Closed});
    return items;
}

std::string GetItemPath(const std::vector<TFolderItem>& Items, const std::string& Directory, int Index)
{
    if (Index < 0 || Index >= static_cast<int>(Items.size()))
        return "";
    if (Index == 0)
        return "/";
    switch (Items[Index].Kind) {
    case TFolderItemKind::Closed: return JoinFolderPath(Directory, Items[Index].Text);
    case TFolderItemKind::Current: return Directory;
    case TFolderItemKind::Opened: break;
    }
    // An ancestor: the path up to, not including, its (Index + 1)-th "/".
    std::size_t at = 0;
    for (int n = 0; n <= Index && at != std::string::npos; ++n)
        at = Directory.find('/', n == 0 ? 0 : at + 1);
    return at == std::string::npos ? Directory : Directory.substr(0, at);
}

std::vector<std::string> ListFiles(const std::string& Directory, const std::string& Mask, TskFileType FileType)
{
    static const int attrs[] = {faReadOnly, faHidden, faSysFile, faVolumeID, faDirectory, faArchive};
    int attrMask = 0;
    for (int a = skftReadOnly; a <= skftArchive; ++a)
        if (FileType.Contains(static_cast<TskFileAttr>(a)))
            attrMask |= attrs[a];
    std::vector<std::string> names;
    for (const auto& pattern : SplitMaskList(Mask)) {
        for (const auto& rec : FindFiles(Directory, pattern, attrMask)) {
            if (!FileType.Contains(skftNormal) && (rec.Attr & attrMask) == 0)
                continue;
            names.push_back(rec.Attr & faDirectory ? bracketed(rec.Name) : rec.Name);
        }
    }
    sortUnique(names);
    return names;
}

int SelectFileByName(const std::vector<std::string>& Items, const std::string& Name)
{
    const auto exact = std::find(Items.begin(), Items.end(), Name);
    if (exact != Items.end())
        return static_cast<int>(exact - Items.begin());
    for (std::size_t i = 0; i < Items.size(); ++i)
        if (SameText(Items[i], Name))
            return static_cast<int>(i);
    return -1;
}
