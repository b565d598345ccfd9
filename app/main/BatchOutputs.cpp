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

TBatchInputs::TBatchInputs(const std::vector<std::string>& Files) : FPaths(Files.begin(), Files.end())
{
    for (const std::string& file : Files)
        if (const auto identity = GetJobFileSystem().Identity(file))
            FFiles.insert(*identity);
}

bool TBatchInputs::Holds(const std::string& Path) const
{
    if (FPaths.count(Path) != 0)
        return true;
    if (FFiles.empty())
        return false;
    const auto identity = GetJobFileSystem().Identity(Path);
    return identity && FFiles.count(*identity) != 0;
}

TBatchOutputNames::TBatchOutputNames(std::string Folder, bool Overwrite, TBatchInputs Inputs)
    : FFolder(std::move(Folder)), FOverwrite(Overwrite), FInputs(std::move(Inputs))
{
}

std::string TBatchOutputNames::Claim(const std::string& Name)
{
    const auto taken = [this](const std::string& path) {
        return FTaken.count(path) != 0 || FInputs.Holds(path) ||
               (!FOverwrite && GetJobFileSystem().FileExists(path));
    };
    const std::string path = UniqueOutputFileName(PathOf(Name), FFolder, false, taken);
    FTaken.insert(path);
    return path.substr(FFolder.size() + 1);
}

std::string TBatchOutputNames::PathOf(const std::string& Name) const
{
    return FFolder + "/" + Name;
}

std::string InputAvoidedLogLine(const std::string& Wanted, const std::string& Given)
{
    return "***Output " + Wanted + " is an input file; writing " + Given + " instead.";
}

int TTaskRowMap::RowOf(int Task) const
{
    const auto found = FRows.find(Task);
    return found == FRows.end() ? -1 : found->second;
}
