#pragma once
// What the job list asks of the file system, behind one replaceable service: whether a file or a
// folder exists, whether a folder takes new files and which file a path names. Tests replace it
// where the disk cannot show a case (a folder the test's user may write anyway).

#include <compare>
#include <cstdint>
#include <optional>
#include <string>

// The file a path names, links followed: two paths with the same identity write one file.
struct TFileIdentity {
    std::uint64_t Device = 0;
    std::uint64_t Inode = 0;
    auto operator<=>(const TFileIdentity&) const = default;
};

class TJobFileSystem {
public:
    virtual ~TJobFileSystem() = default;
    // A file that is not a folder.
    virtual bool FileExists(const std::string& Path) = 0;
    virtual bool FolderExists(const std::string& Path) = 0;
    // The folder lets this process create files in it.
    virtual bool FolderWritable(const std::string& Path) = 0;
    // The file the path names, or none when nothing is there.
    virtual std::optional<TFileIdentity> Identity(const std::string& Path) = 0;
};

// The service in force: the disk's unless replaced.
TJobFileSystem& GetJobFileSystem();
// Replaces the service; nullptr restores the disk's. The caller keeps it alive.
void SetJobFileSystem(TJobFileSystem* Service);
