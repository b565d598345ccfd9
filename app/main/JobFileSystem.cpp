#include "app/main/JobFileSystem.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

class TDiskFileSystem : public TJobFileSystem {
public:
    bool FileExists(const std::string& Path) override
    {
        struct stat info {};
        return stat(Path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
    }
    bool FolderExists(const std::string& Path) override
    {
        struct stat info {};
        return stat(Path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
    }
    bool FolderWritable(const std::string& Path) override
    {
        return FolderExists(Path) && access(Path.c_str(), W_OK | X_OK) == 0;
    }
    std::optional<TFileIdentity> Identity(const std::string& Path) override
    {
        struct stat info {};
        if (stat(Path.c_str(), &info) != 0)
            return std::nullopt;
        return TFileIdentity{static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
    }
};

TDiskFileSystem disk;
TJobFileSystem* current = nullptr;

}  // namespace

TJobFileSystem& GetJobFileSystem()
{
    return current ? *current : disk;
}

void SetJobFileSystem(TJobFileSystem* Service)
{
    current = Service;
}
