#pragma once
// One row of the job list: the input path as caption and 24 texts (sub-items 0 to 23). Six are
// shown (duration, input size, output name, progress, current time, output size); the others
// carry what a batch needs to rebuild the file's conversion task. Also the texts the list shows
// for times, sizes and progress.

#include "engine/EngineRecords.h"

#include <array>
#include <cstdint>
#include <string>

// Sub-item numbers.
enum TJobColumn : int {
    jcDuration = 0,
    jcInputSize = 1,
    jcOutputName = 2,
    jcProgress = 3,
    jcFramesPerSecond = 4,
    jcCurrentTime = 5,
    jcOutputSize = 6,
    jcTaskNumber = 7,
    jcSelectionCode = 8,
    jcParameterCode = 9,
    jcVideoCodec = 10,
    jcAudioCodec = 11,
    jcAudioChannels = 12,
    jcVideoTag = 13,
    jcFileExt = 14,
    jcFrameSize = 15,
    jcVideoBitrate = 16,
    jcFrameRate = 17,
    jcAudioBitrate = 18,
    jcAudioSampleRate = 19,
    jcFrameAspectRatio = 20,
    jcDisableVideo = 21,
    jcTargetType = 22,
    jcNormType = 23,
};
inline constexpr int JobRowSubItems = 24;

// The progress column of a row whose task failed.
inline constexpr const char* FailedProgressText = "转换失败";

struct TJobRow {
    std::string Caption;
    std::array<std::string, JobRowSubItems> SubItems;
};

// Hours, minutes and seconds, "hh:mm:ss"; hours go past 23 ("25:00:00"), a negative time is 0.
std::string SecToDate(std::int64_t Sec);
// A probed duration in microseconds as SecToDate of its whole seconds, or "N/A" when not positive.
std::string DurationText(std::int64_t Microseconds);
// Bytes as mebibytes to the nearest hundredth (ties to even), shortest decimal form with the given
// separator, then "MB": 1234567 gives "1.18MB", 0 gives "0MB".
std::string MegabytesText(std::int64_t Bytes, char32_t DecimalSeparator);
// Current of total as a whole, truncated percentage ("25%", also past 100), or "N/A" without a
// positive total.
std::string ProgressText(std::int64_t CurrentDuration, std::int64_t TotalDuration);

// What an add knows of a new row.
struct TNewJobRow {
    std::string InputFileName;
    std::int64_t Duration = -1;  // microseconds, from the probe
    std::int64_t FileSize = 0;   // bytes
    int TaskIndex = 0;           // the validation task in the converter's list
    int SelectionCode = 0;
    std::string ParameterCode;
    const TOutputOptions* Output = nullptr;  // as handed to the converter, its file name set
};
// The row of an add: the output name without its folder, the task number (index + 1), the two
// codes, and sub-items 10 to 20 printed back from the output record; 3 to 6, 14 and 21 to 23 empty.
TJobRow MakeJobRow(const TNewJobRow& Facts, char32_t DecimalSeparator);

// The name part of a path (after its last "/").
std::string FileNamePart(const std::string& Path);
// A file name without its extension (from its last full stop).
std::string WithoutExtension(const std::string& Name);
// A file name with its extension (from its last full stop) replaced, or the extension appended.
std::string ReplaceExtension(const std::string& Name, const std::string& Extension);

// The refusal of a renamed output name that holds a "/" (it would leave the output folder).
inline constexpr const char* SlashInNameText = "输出文件名不能包含“/”字符！";
