#include "platform/shell/ShellNamespace.h"

#include "platform/shell/ShellPlaces.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const xdgFolderKeys[] = {"DOCUMENTS", "DOWNLOAD", "MUSIC", "PICTURES", "VIDEOS"};

bool isFolderPath(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The XDG folders the desktop shows, in their fixed order.
std::vector<std::string> xdgFolders()
{
    const std::string home = HomeFolder();
    std::vector<std::string> folders;
    for (const char* key : xdgFolderKeys) {
        const std::string folder = UserFolder(key);
        if (!folder.empty() && folder != home && isFolderPath(folder) &&
            std::find(folders.begin(), folders.end(), folder) == folders.end())
            folders.push_back(folder);
    }
    return folders;
}

std::optional<ShellVolume> volumeAt(const std::string& mountPoint)
{
    for (const auto& volume : Volumes())
        if (volume.mountPoint == mountPoint)
            return volume;
    return std::nullopt;
}

int foldedCompare(const std::string& a, const std::string& b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        auto fold = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
        const int ca = fold(static_cast<unsigned char>(a[i]));
        const int cb = fold(static_cast<unsigned char>(b[i]));
        if (ca != cb)
            return ca - cb;
    }
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

bool isEntry(const ShellItemId& id)
{
    return !id.IsDesktop() && !IsFixedSegment(id.Last());
}

} // namespace

std::string ShellItemPath(const ShellItemId& id)
{
    const auto& segments = id.Segments();
    if (segments.empty())
        return DesktopFolder();
    std::string path;
    for (std::size_t i = 0; i < segments.size(); ++i) {
        const std::string& segment = segments[i];
        if (segment == ShellComputerSegment && i == 0)
            path.clear();
        else if (IsFixedSegment(segment))
            path = segment;
        else if (i == 0)
            path = JoinPath(DesktopFolder(), segment);
        else
            path = JoinPath(path, segment);
    }
    return path;
}

std::string ShellItemName(const ShellItemId& id)
{
    if (id.IsDesktop())
        return "Desktop";
    const std::string& last = id.Last();
    if (!IsFixedSegment(last))
        return ShellDisplayText(last);
    if (last == ShellComputerSegment)
        return "Computer";
    if (id.Count() == 1 && last == HomeFolder())
        return "Home";
    if (id.Count() == 2 && id.Segments()[0] == ShellComputerSegment) {
        if (auto volume = volumeAt(last))
            return volume->name;
    }
    return ShellDisplayText(PathBaseName(last));
}

bool ShellItemIsFolder(const ShellItemId& id)
{
    if (!isEntry(id))
        return true;
    const auto entry = StatEntry(ShellItemPath(id));
    return entry && entry->kind == EntryKind::Folder;
}

bool ShellItemHasSubfolders(const ShellItemId& id, bool hidden)
{
    if (id.IsDesktop() || id == ShellItemId({ShellComputerSegment}))
        return true;
    return ActiveFolderReader().HasSubfolder(ShellItemPath(id), hidden);
}

ShellIconKind ShellItemIconKind(const ShellItemId& id, bool open)
{
    if (id.IsDesktop())
        return ShellIconKind::Desktop;
    const std::string& last = id.Last();
    if (last == ShellComputerSegment)
        return ShellIconKind::Computer;
    if (IsFixedSegment(last)) {
        if (id.Count() == 1 && last == HomeFolder())
            return ShellIconKind::Home;
        if (id.Count() == 2 && id.Segments()[0] == ShellComputerSegment) {
            const auto volume = volumeAt(last);
            return volume && volume->removable ? ShellIconKind::Removable : ShellIconKind::Drive;
        }
    } else if (!ShellItemIsFolder(id)) {
        return FileIconKind(last);
    }
    return open ? ShellIconKind::OpenFolder : ShellIconKind::Folder;
}

std::vector<ShellItemId> ShellListFolder(const ShellItemId& folder, const ShellListOptions& options)
{
    std::vector<ShellItemId> fixed;
    std::string path;
    if (folder.IsDesktop()) {
        if (options.folders) {
            fixed.push_back(folder.Child(ShellComputerSegment));
            fixed.push_back(folder.Child(HomeFolder()));
            for (const auto& xdg : xdgFolders())
                fixed.push_back(folder.Child(xdg));
        }
        path = DesktopFolder();
    } else if (folder == ShellItemId({ShellComputerSegment})) {
        if (options.folders)
            for (const auto& volume : Volumes())
                fixed.push_back(folder.Child(volume.mountPoint));
        return fixed;
    } else {
        path = ShellItemPath(folder);
    }
    std::vector<FolderEntry> entries = ActiveFolderReader().Read(path);
    std::erase_if(entries, [&](const FolderEntry& e) {
        const bool isFolder = e.kind == EntryKind::Folder;
        return (!options.hidden && e.name[0] == '.') || (isFolder && !options.folders) ||
               (!isFolder && !options.nonFolders);
    });
    std::sort(entries.begin(), entries.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return foldedCompare(a.name, b.name) < 0; });
    for (const auto& entry : entries)
        fixed.push_back(folder.Child(entry.name));
    return fixed;
}

std::optional<ShellItemId> ShellParsePath(const std::string& path)
{
    const std::string normal = NormalizePath(path);
    struct stat st {};
    if (normal.empty() || lstat(normal.c_str(), &st) != 0)
        return std::nullopt;
    std::string volume = "/";
    for (const auto& candidate : Volumes())
        if (PathIsWithin(normal, candidate.mountPoint) && candidate.mountPoint.size() > volume.size())
            volume = candidate.mountPoint;
    ShellItemId id = ShellItemId({ShellComputerSegment, volume});
    std::size_t start = volume == "/" ? 1 : volume.size() + 1;
    while (start < normal.size()) {
        const std::size_t slash = normal.find('/', start);
        id = id.Child(normal.substr(start, slash == std::string::npos ? std::string::npos : slash - start));
        if (slash == std::string::npos)
            break;
        start = slash + 1;
    }
    return id;
}

bool ShellCanRename(const ShellItemId& id)
{
    return isEntry(id) && access(ShellItemPath(id.DropLast()).c_str(), W_OK) == 0;
}

ShellItemId ShellRename(const ShellItemId& id, const std::string& newName)
{
    const Exception failed("Rename to " + newName + " failed");
    if (!isEntry(id) || newName.empty() || newName == "." || newName == ".." ||
        newName.find('/') != std::string::npos)
        throw failed;
    const std::string folder = ShellItemPath(id.DropLast());
    const std::string from = JoinPath(folder, id.Last());
    const std::string to = JoinPath(folder, newName);
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) != 0) {
        // File systems without the no-replace flag: refuse an existing target ourselves.
        struct stat st {};
        if ((errno != EINVAL && errno != ENOSYS) || lstat(to.c_str(), &st) == 0 ||
            std::rename(from.c_str(), to.c_str()) != 0)
            throw failed;
    }
    return id.DropLast().Child(newName);
}

std::string ShellDisplayText(const std::string& raw)
{
    std::string out;
    std::size_t i = 0;
    while (i < raw.size()) {
        const auto c = static_cast<unsigned char>(raw[i]);
        int length = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        bool valid = length > 0 && i + length <= raw.size();
        std::uint32_t code = length == 1 ? c : length == 2 ? c & 0x1F : length == 3 ? c & 0x0F : c & 0x07;
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(raw[i + k]);
            valid = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        // Over-long forms, surrogates and values past U+10FFFF are not UTF-8 either.
        static const std::uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        valid = valid && code >= least[length] && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
        if (valid) {
            out.append(raw, i, length);
            i += length;
        } else {
            out += "\xEF\xBF\xBD";
            ++i;
        }
    }
    return out;
}
