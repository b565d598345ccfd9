#include "app/main/AddReport.h"

void TAddReport::Lose(const std::string& FileName, const std::string& Reason)
{
    // The engine's messages often start with the file's own path: the line names it once.
    const std::string own = FileName + ": ";
    const std::size_t start = Reason.starts_with(own) ? own.size() : 0;
    const auto end = Reason.find_last_not_of(" \r\n\t");
    FLost.push_back({FileName, end == std::string::npos || end < start ? "未知错误" : Reason.substr(start, end + 1 - start)});
}

void TAddReport::LoseRest(const std::vector<std::string>& Files, std::size_t From)
{
    for (std::size_t i = From; i < Files.size(); ++i)
        Lose(Files[i], NotTriedReason);
}

std::string TAddReport::Message() const
{
    std::string text = "以下文件没有添加：";
    for (const TLostFile& file : FLost)
        text += "\n" + file.FileName + ": " + file.Reason;
    return text;
}
