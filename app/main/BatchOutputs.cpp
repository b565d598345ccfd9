#include "app/main/BatchOutputs.h"

#include "app/main/JobFileSystem.h"
#include "app/presets/ScratchFields.h"

#include <utility>

std::optional<std::string> OutputFolderProblem(const std::string& Folder)
{
    TJobFileSystem& fs = GetJobFileSystem();
    if (Folder.empty() || !fs.FolderExists(Folder))
        return "输出文件夹不存在：" + Folder;
    if (!fs.FolderWritable(Folder))
        return "输出文件夹无法写入：" + Folder;
    return std::nullopt;
}

TBatchOutputNames::TBatchOutputNames(std::string Folder, bool Overwrite)
    : FFolder(std::move(Folder)), FOverwrite(Overwrite)
{
}

std::string TBatchOutputNames::Claim(const std::string& Name)
{
    const auto taken = [this](const std::string& path) {
        return FTaken.count(path) != 0 || (!FOverwrite && GetJobFileSystem().FileExists(path));
    };
    const std::string path = UniqueOutputFileName(PathOf(Name), FFolder, false, taken);
    FTaken.insert(path);
    return path.substr(FFolder.size() + 1);
}

std::string TBatchOutputNames::PathOf(const std::string& Name) const
{
    return FFolder + "/" + Name;
}

int TTaskRowMap::RowOf(int Task) const
{
    const auto found = FRows.find(Task);
    return found == FRows.end() ? -1 : found->second;
}
