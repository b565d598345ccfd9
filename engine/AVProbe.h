#pragma once
// The media probe. TCustomAVProbe opens a file through the format library (or is given a format
// context opened elsewhere) and reports what the container says about the file and its streams,
// as records and as a readable text. TAVProbe adds picture work on a file it opened itself:
// seeking, decoding the next picture, stepping back to the previous picture or key frame, and
// copying the current picture into a bitmap.
//
// A probe is used by one thread at a time. Every failure but two is a false or -1 result with the
// reason in LastErrMsg; the two exceptions are missing libraries (LoadFile, SetFileHandle) and
// seeking or decoding on an attached context.

#include "engine/EngineRecords.h"
#include "engine/FFBaseComponent.h"
#include "engine/FFPicture.h"
#include "engine/RGBConvert.h"

#include <cstdint>
#include <string>
#include <vector>

extern "C" {
#include <libavutil/rational.h>
}

struct AVCodecContext;
struct AVDictionary;
struct AVFormatContext;
struct AVFrame;
struct AVPacket;
struct AVStream;

// What the container says about the whole file. Without a file every number is -1.
struct TFileStreamInfo {
    std::int64_t StartTime = -1;  // microseconds; -1 when unknown
    std::int64_t Duration = -1;   // microseconds; -1 when unknown
    int BitRate = -1;             // bits per second; 0 when unknown
    std::int64_t TimeStamp = -1;  // creation time, seconds since 1970 (UTC); 0 when none
    int Year = -1;                // 0 when none
    int Track = -1;               // 0 when none
    std::string Title;
    std::string Author;
    std::string Copyright;
    std::string Comment;
    std::string Album;
    std::string Genre;
};

// Times in the stream's own time base (the no-value time copied as is) and scaled to
// microseconds (-1 when the source has no value).
struct TAudioStreamInfo {
    std::string Language;
    std::string CodecName;
    std::int64_t StartTime = -1;
    std::int64_t StartTimeScaled = -1;
    std::int64_t Duration = -1;
    std::int64_t DurationScaled = -1;
    int BitRate = -1;
    int Channels = -1;
    int SampleRate = -1;
    int SampleFormat = -1;  // the library's sample format number
};

struct TVideoStreamInfo {
    std::string Language;
    std::string CodecName;
    std::int64_t StartTime = -1;
    std::int64_t StartTimeScaled = -1;
    std::int64_t Duration = -1;
    std::int64_t DurationScaled = -1;
    int BitRate = -1;
    int Height = -1;
    int Width = -1;
    float AspectRatio = -1.0f;  // display aspect: width x sample aspect / height
    int PixFmt = -1;            // the library's pixel format number
    AVRational FrameRate{-1, -1};
};

struct TSubtitleStreamInfo {
    std::string Language;
    std::string CodecName;
};

// The library's picture types 0 to 7.
enum TPictureType { ptUnknown, ptI, ptP, ptB, ptS, ptSI, ptSP, ptBI };

// Four planes and their line sizes, laid over a buffer.
struct TAVPicture {
    std::uint8_t* data[4] = {};
    int linesize[4] = {};
};

// The picture a probe holds.
struct TFrameInfo {
    int PixFmt = -1;
    TYUVColours Colours;  // the matrix and range the picture carries
    int Width = -1;
    int Height = -1;
    bool IsKeyFrame = false;
    TPictureType PictureType = ptUnknown;
    std::int64_t PTS = NoValueTime;  // microseconds from the stream's start
    std::int64_t OriginalDTS = NoValueTime;  // the packet's stamps, stream time base
    std::int64_t OriginalPTS = NoValueTime;
    int StreamIndex = -1;
    std::int64_t Position = -1;    // the reader's byte position when the decoding call began
    bool Ready = false;            // a picture is held
    TAVPicture Picture;            // laid over Buffer
    std::uint8_t* Buffer = nullptr;  // owned by the probe; grows, never shrinks
    int Size = 0;
};

class TCustomAVProbe : public TFFBaseComponent {
public:
    TCustomAVProbe();
    ~TCustomAVProbe() override;

    // The probe's library set: codec, format, util, resample, scale and the C runtime.
    bool AVLibLoaded();
    // Sets the loader's library folder and loads the set; false with the loader's message.
    bool LoadAVLib(const std::string& APath);
    void UnloadAVLib();

    // Closes any file, then opens the file (an empty format name lets the library detect it).
    // Raises when a library is missing.
    bool LoadFile(const std::string& AFileName, const std::string& AFormatName = "");
    // Forgets the file, closing it when the probe opened it.
    virtual void CloseFile();

    AVFormatContext* GetFileHandle() const { return FFileHandle; }
    // Attaches a context opened elsewhere (nullptr allowed); it stays its opener's. Raises when
    // a library is missing.
    virtual void SetFileHandle(AVFormatContext* AHandle);

    bool IsAudioStream(int AStreamIndex);
    bool IsVideoStream(int AStreamIndex);
    bool IsSubtitleStream(int AStreamIndex);

    std::string FileName();
    std::int64_t FileSize() const { return FFileSize; }
    const std::string& ForceFormat() const { return FForceFormat; }
    std::string FormatName();
    std::string FormatLongName();
    int StreamCount() const { return FStreamCount; }
    int ProgramCount() const { return FProgramCount; }
    int AudioStreamCount() const { return FAudioStreamCount; }
    int VideoStreamCount() const { return FVideoStreamCount; }
    int SubtitleStreamCount() const { return FSubtitleStreamCount; }
    int FirstAudioStreamIndex() const { return FFirstAudioStreamIndex; }
    int FirstVideoStreamIndex() const { return FFirstVideoStreamIndex; }
    int FirstSubtitleStreamIndex() const { return FFirstSubtitleStreamIndex; }

    TFileStreamInfo FileStreamInfo();
    // A negative index means the first stream of the kind.
    TAudioStreamInfo GetAudioStreamInfo(int AStreamIndex);
    TVideoStreamInfo GetVideoStreamInfo(int AStreamIndex);
    TSubtitleStreamInfo GetSubtitleStreamInfo(int AStreamIndex);
    TAudioStreamInfo FirstAudioStreamInfo() { return GetAudioStreamInfo(-1); }
    TVideoStreamInfo FirstVideoStreamInfo() { return GetVideoStreamInfo(-1); }
    TSubtitleStreamInfo FirstSubtitleStreamInfo() { return GetSubtitleStreamInfo(-1); }

    // The file, its metadata, programs and streams as lines, each ended by CR LF.
    std::string FileInfoText();

    // The last message the probe reported, at any level (informational ones too).
    const std::string& LastErrMsg() const { return FLastErrMsg; }

protected:
    // Re-reads size, counts and first indexes from the context.
    virtual void ReadFileInfo();
    // Logs the text at the library's level (16 error, 24 warning, 32 info, 48 debug) with the
    // probe as sender, and keeps it in LastErrMsg.
    void ReportMessage(int ALevel, const std::string& AText);
    // Raises for the first of codec, format, util and scale that is not loaded.
    void CheckLibrariesLoaded();
    // Reports "file not loaded." (warning) and answers false without a file.
    bool HasFile();
    // The stream at the index, reporting a bad index; nullptr then.
    AVStream* StreamAt(int AStreamIndex);
    // The stream of a stream-information call: the first of the kind for a negative index.
    AVStream* InfoStream(int AStreamIndex, int AMediaType, int AFirstIndex, const char* AKind);

    AVFormatContext* FFileHandle = nullptr;
    bool FOwnHandle = false;
    std::string FLastErrMsg;
    std::string FForceFormat;
    std::int64_t FFileSize = -1;
    int FStreamCount = -1;
    int FProgramCount = -1;
    int FAudioStreamCount = -1;
    int FVideoStreamCount = -1;
    int FSubtitleStreamCount = -1;
    int FFirstAudioStreamIndex = -1;
    int FFirstVideoStreamIndex = -1;
    int FFirstSubtitleStreamIndex = -1;

private:
    void MetadataBlock(std::vector<std::string>& lines, const AVDictionary* dict, const std::string& indent);
    std::string StreamLine(int index);
};

class TAVProbe : public TCustomAVProbe {
public:
    TAVProbe();
    ~TAVProbe() override;

    void CloseFile() override;

    // APTS in microseconds from the start, or a byte position with sfByte.
    bool Seek(std::int64_t APTS, TSeekFlags ASeekFlags);
    // A negative stream index means the stream decoded last, else the first video stream.
    bool Decode(int AStreamIndex = -1);
    bool DecodeNextKeyFrame(int AStreamIndex = -1);
    bool DecodePreviousFrame(int AStreamIndex = -1);
    bool DecodePreviousKeyFrame(int AStreamIndex = -1);
    // Copies the held picture into the bitmap; when it cannot be converted the bitmap becomes a
    // black picture of its size and the result is false.
    bool CopyToBitmap(TFFPicture& ABitmap);

    // EOF (a C macro name): a read or a seek reached the end of the file.
    bool IsEOF() const { return FEOF; }
    const TFrameInfo& FrameInfo() const { return FPicture; }
    // The reader's byte position; -1 without a file or reader.
    std::int64_t Position();

protected:
    void ReadFileInfo() override;

private:
    bool CheckOwnHandle();
    bool CanSeek();
    bool IsImage2();
    int SelectDecodeStream(int AStreamIndex);
    void ResetPicture();
    AVCodecContext* OpenDecoder(int AStreamIndex);
    void CloseDecoder();
    void StorePicture(const AVFrame* frame, std::int64_t pos);
    std::int64_t ReaderPosition() const;
    // The decode stream's frame duration in microseconds.
    std::int64_t StreamFrameDuration(int AStreamIndex) const;

    AVCodecContext* FCodec = nullptr;
    int FCodecStream = -1;  // the stream FCodec decodes
    bool FDraining = false;  // the end of the file was handed to the decoder
    AVFrame* FFrame = nullptr;
    AVPacket* FPacket = nullptr;
    TRGBConvertContext FRGBContext;
    int FSeekIndex = -1;
    std::int64_t FStartTime = -1;
    int FDecodeIndex = -1;
    bool FEOF = false;
    TFrameInfo FPicture;
    std::int64_t FLastPTS = NoValueTime;
    std::int64_t FLastPos = -1;
};
