#pragma once
// Byte streams: the abstract TStream with its checked buffer transfers, streams over a file
// descriptor and a file, and a growable memory stream.

#include "classlib/Object.h"
#include "platform/kernel/Exceptions.h"

#include <cstdint>
#include <string>
#include <vector>

class EStreamError : public Exception {
public:
    using Exception::Exception;
};
class EFCreateError : public EStreamError {
public:
    using EStreamError::EStreamError;
};
class EFOpenError : public EStreamError {
public:
    using EStreamError::EStreamError;
};
class EReadError : public EStreamError {
public:
    using EStreamError::EStreamError;
};
class EWriteError : public EStreamError {
public:
    using EStreamError::EStreamError;
};

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream : public TObject {
public:
    // Transfer up to Count bytes; the result is the number moved.
    virtual std::int64_t Read(void* Buffer, std::int64_t Count) = 0;
    virtual std::int64_t Write(const void* Buffer, std::int64_t Count) = 0;
    // The new position from the beginning.
    virtual std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) = 0;

    // Exactly Count bytes or EReadError "Stream read error" / EWriteError "Stream write error".
    void ReadBuffer(void* Buffer, std::int64_t Count);
    void WriteBuffer(const void* Buffer, std::int64_t Count);
    // Copies Count bytes from Source's position; Count 0 copies all of Source from its start.
    std::int64_t CopyFrom(TStream* Source, std::int64_t Count);

    std::int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
    void SetPosition(std::int64_t Value) { Seek(Value, TSeekOrigin::soBeginning); }
    virtual std::int64_t Size();
    virtual void SetSize(std::int64_t NewSize) { (void)NewSize; }
};

// A stream over a file descriptor it does not own.
class THandleStream : public TStream {
public:
    explicit THandleStream(int AHandle) : FHandle(AHandle) {}
    int Handle() const { return FHandle; }
    std::int64_t Read(void* Buffer, std::int64_t Count) override;
    std::int64_t Write(const void* Buffer, std::int64_t Count) override;
    std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;
    // Raises EStreamError when the file cannot be resized.
    void SetSize(std::int64_t NewSize) override;

protected:
    int FHandle;
};

// Open modes; the share flags are accepted and ignored.
inline constexpr unsigned fmOpenRead = 0x0000;
inline constexpr unsigned fmOpenWrite = 0x0001;
inline constexpr unsigned fmOpenReadWrite = 0x0002;
inline constexpr unsigned fmShareCompat = 0x0000;
inline constexpr unsigned fmShareExclusive = 0x0010;
inline constexpr unsigned fmShareDenyWrite = 0x0020;
inline constexpr unsigned fmShareDenyRead = 0x0030;
inline constexpr unsigned fmShareDenyNone = 0x0040;
// Create (or empty) the file and open it for reading and writing.
inline constexpr unsigned fmCreate = 0xFF00;

// A file opened by name. Failure raises EFCreateError 'Cannot create file "<name>". <reason>'
// or EFOpenError 'Cannot open file "<name>". <reason>' with the system's reason.
class TFileStream : public THandleStream {
public:
    TFileStream(const std::string& AFileName, unsigned Mode);
    ~TFileStream() override;
    const std::string& FileName() const { return FFileName; }

private:
    std::string FFileName;
};

// Bytes in memory; writing past the end grows the stream (a gap is zero-filled).
class TMemoryStream : public TStream {
public:
    std::int64_t Read(void* Buffer, std::int64_t Count) override;
    std::int64_t Write(const void* Buffer, std::int64_t Count) override;
    std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;
    std::int64_t Size() override { return static_cast<std::int64_t>(FData.size()); }
    void SetSize(std::int64_t NewSize) override;

    void* Memory() { return FData.data(); }
    const void* Memory() const { return FData.data(); }
    void Clear();
    // The whole of Stream from its start.
    void LoadFromStream(TStream* Stream);
    void LoadFromFile(const std::string& FileName);
    void SaveToStream(TStream* Stream);
    void SaveToFile(const std::string& FileName);

private:
    std::vector<std::uint8_t> FData;
    std::int64_t FPosition = 0;
};
