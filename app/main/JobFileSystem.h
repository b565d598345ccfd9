#pragma once
// What the job list asks of the file system, behind one replaceable service: whether a file or a
// folder exists and whether a folder takes new files. Tests replace it where the disk cannot
// show a case (a folder the test's user may write anyway).

#include <string>

class TJobFileSystem {
public:
    virtual ~TJobFileSystem() = default;
    // A file that is not a folder.
    virtual bool FileExists(const std::string& Path) = 0;
    virtual bool FolderExists(const std::string& Path) = 0;
    // The folder lets this process create files in it.
    virtual bool FolderWritable(const std::string& Path) = 0;
};

// The service in force: the disk's unless replaced.
TJobFileSystem& GetJobFileSystem();
// Replaces the service; nullptr restores the disk's. The caller keeps it alive.
void SetJobFileSystem(TJobFileSystem* Service);
