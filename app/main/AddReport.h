#pragma once
// What an add of files tells the user at its end: the files it could not add, each with its
// reason, in one message.

#include <string>
#include <vector>

inline constexpr const char* ListFullText = "列表最多只能添加501个文件！";
inline constexpr const char* EmptyFolderText = "在该目录没有发现可以用的视频或音频文件！";
inline constexpr const char* NoticeCaption = "提示";
inline constexpr const char* VanishedReason = "文件不存在";
inline constexpr const char* NotTriedReason = "添加已中止，没有处理";

struct TLostFile {
    std::string FileName;
    std::string Reason;
};

class TAddReport {
public:
    void Lose(const std::string& FileName, const std::string& Reason);
    // Every file from the list's position on was not tried because the add stopped.
    void LoseRest(const std::vector<std::string>& Files, std::size_t From);
    bool Empty() const { return FLost.empty(); }
    // "以下文件没有添加：" and one line "<file>: <reason>" per lost file.
    std::string Message() const;

private:
    std::vector<TLostFile> FLost;
};
