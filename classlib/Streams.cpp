#include "classlib/Streams.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

// --- TStream ---------------------------------------------------------------------------------

void TStream::ReadBuffer(void* Buffer, std::int64_t Count)
{
    if (Count != 0 && Read(Buffer, Count) != Count)
        throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* Buffer, std::int64_t Count)
{
    if (Count != 0 && Write(Buffer, Count) != Count)
        throw EWriteError("Stream write error");
}

std::int64_t TStream::CopyFrom(TStream* Source, std::int64_t Count)
{
    if (Count == 0) {
        Source->SetPosition(0);
        Count = Source->Size();
    }
    std::vector<std::uint8_t> buf(static_cast<std::size_t>(std::min<std::int64_t>(Count, 0xF000)));
    std::int64_t left = Count;
    while (left > 0) {
        std::int64_t n = std::min<std::int64_t>(left, static_cast<std::int64_t>(buf.size()));
        Source->ReadBuffer(buf.data(), n);
        WriteBuffer(buf.data(), n);
        left -= n;
    }
    return Count;
}

std::int64_t TStream::Size()
{
    std::int64_t pos = Seek(0, TSeekOrigin::soCurrent);
    std::int64_t end = Seek(0, TSeekOrigin::soEnd);
    Seek(pos, TSeekOrigin::soBeginning);
    return end;
}

// --- THandleStream ---------------------------------------------------------------------------

std::int64_t THandleStream::Read(void* Buffer, std::int64_t Count)
{
    auto* p = static_cast<char*>(Buffer);
    std::int64_t done = 0;
    while (done < Count) {
        ssize_t n = ::read(FHandle, p + done, static_cast<std::size_t>(Count - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += n;
    }
    return done;
}

std::int64_t THandleStream::Write(const void* Buffer, std::int64_t Count)
{
    auto* p = static_cast<const char*>(Buffer);
    std::int64_t done = 0;
    while (done < Count) {
        ssize_t n = ::write(FHandle, p + done, static_cast<std::size_t>(Count - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += n;
    }
    return done;
}

std::int64_t THandleStream::Seek(std::int64_t Offset, TSeekOrigin Origin)
{
    int whence = Origin == TSeekOrigin::soBeginning ? SEEK_SET : Origin == TSeekOrigin::soCurrent ? SEEK_CUR : SEEK_END;
    off_t r = ::lseek(FHandle, static_cast<off_t>(Offset), whence);
    return r < 0 ? -1 : static_cast<std::int64_t>(r);
}

void THandleStream::SetSize(std::int64_t NewSize)
{
    std::int64_t pos = Position();
    if (::ftruncate(FHandle, static_cast<off_t>(NewSize)) != 0)
        throw EStreamError(std::string("Stream size error. ") + std::strerror(errno));
    SetPosition(std::min(pos, NewSize));
}

// --- TFileStream -----------------------------------------------------------------------------

TFileStream::TFileStream(const std::string& AFileName, unsigned Mode)
    : THandleStream(-1), FFileName(AFileName)
{
    if ((Mode & fmCreate) == fmCreate) {
        FHandle = ::open(AFileName.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (FHandle < 0)
            throw EFCreateError("Cannot create file \"" + AFileName + "\". " + std::strerror(errno));
        return;
    }
    int flags = O_CLOEXEC;
    switch (Mode & 0x3) {
    case fmOpenWrite:
        flags |= O_WRONLY;
        break;
    case fmOpenReadWrite:
        flags |= O_RDWR;
        break;
    default:
        flags |= O_RDONLY;
        break;
    }
    FHandle = ::open(AFileName.c_str(), flags);
    if (FHandle < 0)
        throw EFOpenError("Cannot open file \"" + AFileName + "\". " + std::strerror(errno));
}

TFileStream::~TFileStream()
{
    if (FHandle >= 0)
        ::close(FHandle);
}

// --- TMemoryStream ---------------------------------------------------------------------------

std::int64_t TMemoryStream::Read(void* Buffer, std::int64_t Count)
{
    std::int64_t avail = Size() - FPosition;
    if (Count <= 0 || avail <= 0)
        return 0;
    std::int64_t n = std::min(Count, avail);
    std::memcpy(Buffer, FData.data() + FPosition, static_cast<std::size_t>(n));
    FPosition += n;
    return n;
}

std::int64_t TMemoryStream::Write(const void* Buffer, std::int64_t Count)
{
    if (Count <= 0 || FPosition < 0)
        return 0;
    std::int64_t end = FPosition + Count;
    if (end > Size())
        FData.resize(static_cast<std::size_t>(end));
    std::memcpy(FData.data() + FPosition, Buffer, static_cast<std::size_t>(Count));
    FPosition = end;
    return Count;
}

std::int64_t TMemoryStream::Seek(std::int64_t Offset, TSeekOrigin Origin)
{
    switch (Origin) {
    case TSeekOrigin::soBeginning:
        FPosition = Offset;
        break;
    case TSeekOrigin::soCurrent:
        FPosition += Offset;
        break;
    case TSeekOrigin::soEnd:
        FPosition = Size() + Offset;
        break;
    }
    return FPosition;
}

void TMemoryStream::SetSize(std::int64_t NewSize)
{
    FData.resize(static_cast<std::size_t>(std::max<std::int64_t>(NewSize, 0)));
    if (FPosition > NewSize)
        FPosition = NewSize;
}

void TMemoryStream::Clear()
{
    FData.clear();
    FData.shrink_to_fit();
    FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream* Stream)
{
    Stream->SetPosition(0);
    std::int64_t n = Stream->Size();
    SetSize(n);
    if (n > 0)
        Stream->ReadBuffer(FData.data(), n);
    FPosition = 0;
}

void TMemoryStream::LoadFromFile(const std::string& FileName)
{
    TFileStream f(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(&f);
}

void TMemoryStream::SaveToStream(TStream* Stream)
{
    if (!FData.empty())
        Stream->WriteBuffer(FData.data(), Size());
}

void TMemoryStream::SaveToFile(const std::string& FileName)
{
    TFileStream f(FileName, fmCreate);
    SaveToStream(&f);
}
