#include "classlib/FileSystem.h"

#include "classlib/Masks.h"
#include "platform/shell/FolderReader.h"
#include "platform/shell/ShellPlaces.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::mutex folderLock;
std::string workingFolder;

std::string processFolder()
{
    char buffer[PATH_MAX];
    return getcwd(buffer, sizeof buffer) ? std::string(buffer) : std::string("/");
}

// 0 when the path is a folder, else the error number.
int folderError(const std::string& path)
{
    struct stat st {};
    if (stat(path.c_str(), &st) != 0)
        return errno;
    return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
}

int attributesOf(const std::string& folder, const FolderEntry& entry)
{
    int attr = 0;
    if (entry.kind == EntryKind::Folder)
        attr |= faDirectory;
    else if (entry.kind == EntryKind::File)
        attr |= faArchive;
    else
        attr |= faSysFile;
    if (!entry.name.empty() && entry.name[0] == '.')
        attr |= faHidden;
    if (access(JoinPath(folder, entry.name).c_str(), W_OK) != 0)
        attr |= faReadOnly;
    return attr;
}

} // namespace

EInOutError::EInOutError(const std::string& path, int errorCode)
    : Exception(path + ": " + std::strerror(errorCode)), FPath(path), FErrorCode(errorCode)
{
}

std::string GetCurrentDir()
{
    std::lock_guard lock(folderLock);
    if (workingFolder.empty())
        workingFolder = NormalizePath(processFolder());
    return workingFolder;
}

std::string ExpandFileName(const std::string& fileName)
{
    if (!fileName.empty() && fileName[0] == '/')
        return NormalizePath(fileName);
    return NormalizePath(GetCurrentDir() + "/" + fileName);
}

bool SetCurrentDir(const std::string& dir)
{
    const std::string path = ExpandFileName(dir);
    if (dir.empty() || folderError(path) != 0)
        return false;
    std::lock_guard lock(folderLock);
    workingFolder = path;
    return true;
}

void ChDir(const std::string& dir)
{
    const std::string path = ExpandFileName(dir);
    const int error = dir.empty() ? ENOENT : folderError(path);
    if (error != 0)
        throw EInOutError(dir, error);
    std::lock_guard lock(folderLock);
    workingFolder = path;
}

std::vector<TSearchRec> FindFiles(const std::string& folder, const std::string& pattern, int Attr)
{
    const std::string path = ExpandFileName(folder);
    std::vector<FolderEntry> entries;
    try {
        entries = ActiveFolderReader().Read(path);
    } catch (const EFolderRead& e) {
        throw EInOutError(path, e.ErrorCode());
    }
    std::vector<TSearchRec> found;
    const int excluded = (faHidden | faSysFile | faDirectory) & ~Attr;
    for (const auto& entry : entries) {
        const int attr = attributesOf(path, entry);
        if ((attr & excluded) != 0 || !MatchesMask(entry.name, pattern))
            continue;
        found.push_back({entry.name, attr, entry.size, entry.modified});
    }
    return found;
}

int FileGetAttr(const std::string& fileName)
{
    const std::string path = ExpandFileName(fileName);
    const auto entry = StatEntry(path);
    if (!entry)
        return -1;
    const auto slash = path.find_last_of('/');
    return attributesOf(slash == 0 ? "/" : path.substr(0, slash), *entry);
}
