#pragma once
// The records that drive the converter and the records of its events, with their initial
// values, and the rules of the ExtOptions text.

#include "engine/FFPicture.h"

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

// A time value (microseconds) that is not given; the libraries use the same value.
inline constexpr std::int64_t NoValueTime = std::numeric_limits<std::int64_t>::min();

enum TOptionTargetType : std::int32_t { ttIgnore, ttVCD, ttSVCD, ttDVD };
enum TOptionNormType : std::int32_t { ntAuto, ntPAL, ntNTSC };
// The norm used when ntAuto cannot decide: ntPAL or ntNTSC.
using TOptionNormDefault = TOptionNormType;

// How one input file is read. Integers of -1 and empty texts are not set.
struct TInputOptions {
    std::string FileName;          // empty: the file name given to AddTask/AddInputFile
    std::string FileFormat;        // forced input format short name; empty = detect
    std::int64_t TimeStart = NoValueTime;  // microseconds
    std::int32_t ProgramID = -1;   // below 0 = none
    std::string ExtOptions;        // further converter options, ExtOptions text
    std::int32_t Tag = 0;          // the caller's own; never read by the engine
    void* Data = nullptr;          // the caller's own; never read by the engine
};
using PInputOptions = TInputOptions*;

// Metadata written into an output.
struct TStreamInfo {
    double TimeStamp = -1.0;  // days since 1899-12-30, local; <0 none, 0 = when the output is set up
    std::int32_t Year = -1;
    std::int32_t Track = -1;
    std::string Title;
    std::string Author;
    std::string Copyright;
    std::string Comment;
    std::string Album;
    std::string Genre;
};

// How one output file is written: 55 fields in this order. Integers of -1, floats of -1.0 and
// empty texts are not set; False leaves the converter unchanged.
struct TOutputOptions {
    std::string FileName;          // empty: the file name given to SetOutputFile
    std::string FileExt;           // the caller's note; never read by the engine
    std::string FileFormat;        // container short name; empty = guessed from the file name
    std::int32_t PacketSize = -1;
    std::int32_t MuxRate = -1;
    float MuxDelay = -1.0f;        // seconds
    float MuxPreload = -1.0f;      // seconds
    std::string AudioCodec;        // encoder name or "copy"
    std::string AudioPreset;
    bool DisableAudio = false;
    std::int32_t AudioVolume = -1;  // 256 = unchanged
    std::int32_t AudioChannels = -1;
    std::int32_t AudioSampleRate = -1;
    std::int32_t AudioBitrate = -1;  // bit/s
    std::int32_t AudioBitRateTolerance = -1;
    std::string AudioLanguage;
    std::int32_t AudioSyncMethod = 0;
    std::string AudioTag;          // FourCC
    std::string VideoCodec;        // encoder name or "copy"
    std::string VideoPreset;
    bool DisableVideo = false;
    std::string FrameRate;         // "25", "29.97", "30000/1001"
    std::string FrameSize;         // "640x480"
    std::string FrameAspectRatio;  // "16:9" or "1.7777"
    std::int32_t CropTop = -1;
    std::int32_t CropBottom = -1;
    std::int32_t CropLeft = -1;
    std::int32_t CropRight = -1;
    std::int32_t GroupPictureSize = -1;
    std::int32_t VideoBitrate = -1;  // bit/s
    std::int32_t VideoMaxRate = -1;
    std::int32_t VideoMinRate = -1;
    std::int32_t VideoBitRateTolerance = -1;
    std::int32_t VideoBufSize = -1;
    std::int32_t VideoSyncMethod = -1;
    std::string VideoTag;          // FourCC
    std::string VideoFilters;      // filter graph description
    std::string VideoLanguage;
    std::string SubtitleCodec;     // encoder name or "copy"
    std::string SubtitlePreset;
    bool DisableSubtitle = false;
    std::string SubtitleLanguage;
    bool InputSync = false;
    bool CopyTimestamp = false;
    std::int64_t TimeStart = NoValueTime;   // microseconds into the input
    std::int64_t TimeLength = NoValueTime;  // microseconds
    TStreamInfo Info;
    TOptionTargetType TargetType = ttIgnore;
    TOptionNormType NormType = ntAuto;
    TOptionNormDefault NormDefault = ntPAL;
    bool CustomHook = false;       // offer every decoded picture to OnCustomHook
    bool Join = false;             // join the task's inputs into this output
    std::string ExtOptions;        // further converter options, ExtOptions text
    std::int32_t Tag = 0;          // the caller's own; never read by the engine
    void* Data = nullptr;          // the caller's own; never read by the engine
};
using POutputOptions = TOutputOptions*;

void InitInputOptions(TInputOptions& options);
void InitOutputOptions(TOutputOptions& options);

// Progress of a task; OnProgress gets the component's own record, valid during the call.
struct TProgressInfo {
    std::int32_t TaskIndex = 0;
    std::int32_t FileIndex = 0;     // -1 in a task's last report
    std::int32_t FrameNumber = 0;
    std::int32_t FPS = 0;
    float Quality = 0.0f;
    float BitRate = 0.0f;           // kbit/s
    std::int64_t CurrentSize = 0;   // bytes
    std::int64_t CurrentDuration = 0;  // microseconds
    std::int64_t TotalDuration = 0;    // microseconds, -1 when unknown
};
using PProgressInfo = TProgressInfo*;

// The end of a task, or of the whole batch when TaskIndex is -1.
struct TTerminateInfo {
    std::int32_t TaskIndex = 0;
    bool Finished = false;
    bool Exception = false;
    std::string ExceptionMsg;
    // A stopped task whose output's name held a file: that file is left as it was and what the
    // task wrote is in this file (the output's next free "_N" name). Empty otherwise.
    std::string KeptFileName;
};

// A picture just encoded; the picture belongs to the task and is valid during the call.
struct TPreviewInfo {
    std::int32_t TaskIndex = 0;
    TFFPicture* Bitmap = nullptr;
    std::int32_t FrameNumber = 0;
    std::int64_t PTS = 0;  // microseconds
};

// A decoded picture offered to the application, which may paint on it.
struct THookInfo {
    std::int32_t TaskIndex = 0;
    TFFPicture* Bitmap = nullptr;
    std::int32_t FrameNumber = 0;
    std::int64_t PTS = 0;    // microseconds
    bool Update = true;      // set False to keep the picture as decoded
    bool StopHook = false;   // set True to receive no further pictures of this task
};
using PHookInfo = THookInfo*;

// One line of an ExtOptions text: the name as written, the name in lower case (names compare in
// lower case), and the value.
struct TExtOption {
    std::string Name;
    std::string Key;
    std::string Value;
    friend bool operator==(const TExtOption&, const TExtOption&) = default;
};

// Splits an ExtOptions text into its lines: the whole text is trimmed of blanks and control
// characters; CR LF, CR, LF and the literal "<CRLF>" end lines; a line splits at its first "="
// (without one the value is empty); neither part is trimmed.
std::vector<TExtOption> ParseExtOptions(const std::string& text);
