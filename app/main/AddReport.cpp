#include "app/main/AddReport.h"

void TAddReport::Lose(const std::string& FileName, const std::string& Reason)
{
    const auto end = Reason.find_last_not_of(" \r\n\t");
    FLost.push_back({FileName, end == std::string::npos ? "未知错误" : Reason.substr(0, end + 1)});
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
