#pragma once
// The class library's working folder and file search. The working folder is kept here, for the
// whole process, and never changes the process's own folder (the engine's two-pass logs and
// every relative path of the system use that one). "/" is the only delimiter.

#include "platform/kernel/Exceptions.h"

#include <cstdint>
#include <string>
#include <vector>

// A folder that cannot be entered or read: the path and the system's error number, the message
// "<path>: <reason>".
class EInOutError : public Exception {
public:
    EInOutError(const std::string& path, int errorCode);
    const std::string& Path() const { return FPath; }
    int ErrorCode() const { return FErrorCode; }

private:
    std::string FPath;
    int FErrorCode;
};

// File attributes as Linux gives them: read-only = not writable, hidden = a dot-name,
// system = a special file (device, pipe, socket), directory = a folder, archive = a regular
// file. faVolumeID is never set.
constexpr int faReadOnly = 0x01;
constexpr int faHidden = 0x02;
constexpr int faSysFile = 0x04;
constexpr int faVolumeID = 0x08;
constexpr int faDirectory = 0x10;
constexpr int faArchive = 0x20;
constexpr int faAnyFile = 0x3F;

// The working folder, a normalised absolute path; at first the process's folder.
std::string GetCurrentDir();
// Enters a folder (a relative one taken from the working folder); false when it is no folder.
bool SetCurrentDir(const std::string& dir);
// SetCurrentDir that raises EInOutError with the folder and the reason.
void ChDir(const std::string& dir);
// An absolute, lexically normalised path; a relative name is taken from the working folder.
std::string ExpandFileName(const std::string& fileName);

struct TSearchRec {
    std::string Name;
    int Attr = 0;
    std::uint64_t Size = 0;
    // Last modification, seconds since 1970 (UTC).
    std::int64_t Time = 0;
};

// The entries of a folder (relative to the working folder) whose names match the pattern, in the
// file system's order. Hidden, system and folder entries come only when their attribute is in
// Attr. Raises EInOutError when the folder cannot be read.
std::vector<TSearchRec> FindFiles(const std::string& folder, const std::string& pattern, int Attr);
// The attribute word of the file at a path; -1 when there is none.
int FileGetAttr(const std::string& fileName);
