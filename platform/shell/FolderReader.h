#pragma once
// Reading folders of the file system by their raw byte names (no conversion, so names that are
// not UTF-8 survive), behind a seam that tests replace to make a folder unreadable: mode bits
// stop nothing for the root user the tests may run as.

#include "platform/kernel/Exceptions.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

enum class EntryKind { Folder, File, Special };

struct FolderEntry {
    std::string name;
    // Links are followed for the kind; a dangling link is a file.
    EntryKind kind = EntryKind::File;
    bool link = false;
    std::uint64_t size = 0;
    // Last modification, seconds since 1970 (UTC).
    std::int64_t modified = 0;
};

// A folder that cannot be read: the path and the system's error number.
class EFolderRead : public Exception {
public:
    EFolderRead(const std::string& path, int errorCode);
    const std::string& Path() const { return path_; }
    int ErrorCode() const { return errorCode_; }
    // The system's text for the error number.
    std::string Reason() const;

private:
    std::string path_;
    int errorCode_;
};

class FolderReader {
public:
    virtual ~FolderReader() = default;
    // The folder's entries without "." and "..", in the file system's order. An entry removed
    // while the folder is read is left out. Raises EFolderRead when the folder cannot be read.
    virtual std::vector<FolderEntry> Read(const std::string& folder) const;
    // Whether the folder holds a subfolder (dot-names only when hidden is set); stops at the
    // first one. False for a folder that cannot be read.
    virtual bool HasSubfolder(const std::string& folder, bool hidden) const;
};

// The reader the shell model and the class library's file search use.
const FolderReader& ActiveFolderReader();
// Replaces the reader; nullptr restores the system's. For tests.
void SetFolderReader(std::shared_ptr<const FolderReader> reader);

// The entry at a path (its name is the last component); nullopt when nothing is there.
std::optional<FolderEntry> StatEntry(const std::string& path);

// Joins a folder and a name with one "/".
std::string JoinPath(const std::string& folder, const std::string& name);
