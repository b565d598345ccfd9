#include "platform/shell/FolderReader.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::mutex readerLock;
std::shared_ptr<const FolderReader> installedReader;

const FolderReader& systemReader()
{
    static const FolderReader reader;
    return reader;
}

EntryKind kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return EntryKind::Folder;
    if (S_ISREG(mode))
        return EntryKind::File;
    return EntryKind::Special;
}

// Fills an entry from fstatat relative to a folder descriptor; false when the entry is gone.
bool statAt(int dirFd, const char* name, FolderEntry& entry)
{
    struct stat st {};
    if (fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return false;
    entry.link = S_ISLNK(st.st_mode);
    if (entry.link) {
        struct stat target {};
        if (fstatat(dirFd, name, &target, 0) == 0) {
            st = target;
        } else {
            entry.kind = EntryKind::File;
            entry.size = 0;
            entry.modified = st.st_mtime;
            return true;
        }
    }
    entry.kind = kindOf(st.st_mode);
    entry.size = S_ISREG(st.st_mode) ? static_cast<std::uint64_t>(st.st_size) : 0;
    entry.modified = st.st_mtime;
    return true;
}

bool isDotOrDotDot(const char* name)
{
    return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

} // namespace

EFolderRead::EFolderRead(const std::string& path, int errorCode)
    : Exception(path + ": " + std::strerror(errorCode)), path_(path), errorCode_(errorCode)
{
}

std::string EFolderRead::Reason() const
{
    return std::strerror(errorCode_);
}

std::vector<FolderEntry> FolderReader::Read(const std::string& folder) const
{
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        throw EFolderRead(folder, errno);
    std::vector<FolderEntry> entries;
    const int fd = dirfd(dir);
    errno = 0;
    while (dirent* d = readdir(dir)) {
        if (isDotOrDotDot(d->d_name))
            continue;
        FolderEntry entry;
        entry.name = d->d_name;
        if (statAt(fd, d->d_name, entry))
            entries.push_back(std::move(entry));
        errno = 0;
    }
    const int readError = errno;
    closedir(dir);
    if (readError != 0)
        throw EFolderRead(folder, readError);
    return entries;
}

bool FolderReader::HasSubfolder(const std::string& folder, bool hidden) const
{
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return false;
    const int fd = dirfd(dir);
    bool found = false;
    while (dirent* d = readdir(dir)) {
        if (isDotOrDotDot(d->d_name) || (!hidden && d->d_name[0] == '.'))
            continue;
        if (d->d_type == DT_DIR) {
            found = true;
        } else if (d->d_type == DT_LNK || d->d_type == DT_UNKNOWN) {
            struct stat st {};
            found = fstatat(fd, d->d_name, &st, 0) == 0 && S_ISDIR(st.st_mode);
        }
        if (found)
            break;
    }
    closedir(dir);
    return found;
}

const FolderReader& ActiveFolderReader()
{
    std::lock_guard lock(readerLock);
    return installedReader ? *installedReader : systemReader();
}

void SetFolderReader(std::shared_ptr<const FolderReader> reader)
{
    std::lock_guard lock(readerLock);
    installedReader = std::move(reader);
}

std::optional<FolderEntry> StatEntry(const std::string& path)
{
    FolderEntry entry;
    const auto slash = path.find_last_of('/');
    entry.name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (!statAt(AT_FDCWD, path.c_str(), entry))
        return std::nullopt;
    return entry;
}

std::string JoinPath(const std::string& folder, const std::string& name)
{
    if (folder.empty())
        return name;
    if (folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}
