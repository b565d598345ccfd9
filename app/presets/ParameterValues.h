#pragma once
// What the texts of the six parameter boxes mean as output settings, the extension a format's
// title names, and the two codes a job row keeps of its choice: SelectionCode (category and
// format positions) and ParameterCode (the six box positions, two digits each).

#include "app/presets/ParameterBoxes.h"

#include <array>
#include <string>

// The special items of the boxes.
inline constexpr const char* KeepSizeItem = "保持原分辨率";
inline constexpr const char* NoVideoSizeItem = "该格式无视频";
inline constexpr const char* KeepRateItem = "保持原帧速率";
inline constexpr const char* NoVideoItem = "无视频";
inline constexpr const char* AutoAudioBitrateItem = "自动音频比特率";
inline constexpr const char* AutoSampleRateItem = "自动音频采样率";
inline constexpr const char* KeepAspectItem = "保持原视频模式";

// Empty for the keep and no-video items, else the text.
std::string FrameSizeValue(const std::string& text);
std::string FrameRateValue(const std::string& text);
// -1000 for the no-video item, else the whole number before the first "kbps", blanks trimmed,
// times 1000. A text without a number raises EConvertError.
int VideoBitrateValue(const std::string& text);
// -1000 for the automatic item, else the number before the first "kbps", blanks trimmed, read
// exactly as a decimal, times 1000 ("12.2 kbps" gives 12200; digits past thousandths are dropped).
// A text without a number raises EConvertError.
int AudioBitrateValue(const std::string& text);
// For the automatic item: empty in a box's change handling, "AUTO" when the boxes are confirmed
// for an add.
std::string SampleRateValue(const std::string& text, bool confirming);
// "4:3", "16:9", "37:20", "47:20" for the four display modes, empty for the keep and no-video
// items; any other text gives previous.
std::string FrameAspectRatioValue(const std::string& text, const std::string& previous);

// The output extension a format title names: the four characters before its last one, with
// "lac)", "flac", "aiff", "mpeg", "*.rm" and "*.ra" corrected to ".alac", ".flac", ".aiff",
// ".mpeg", ".rm", ".ra" ("...(*.mp4)" gives ".mp4"). Empty for a title of fewer than five
// characters.
std::string ExtensionFromTitle(const std::string& title);

// (category position + 1) * 100 + format position.
int SelectionCode(int categoryPosition, int formatPosition);
struct TSelection {
    int CategoryPosition;
    int FormatPosition;
};
TSelection DecodeSelectionCode(int code);

using TParameterPositions = std::array<int, ParameterKindCount>;  // by TParameterKind
// Twelve digits, two per box in TParameterKind order, a leading "0" below 10.
std::string ParameterCode(const TParameterPositions& positions);
// The six positions of a code; raises EConvertError when a pair is not a number.
TParameterPositions DecodeParameterCode(const std::string& code);
// The code with one box's pair replaced by position.
std::string ReplaceParameterPair(const std::string& code, TParameterKind kind, int position);

// The job-row column that holds a box's value (15 to 20).
int ParameterColumn(TParameterKind kind);
