#include "skin/core/skzlibcompress.h"

#include <algorithm>
#include <limits>

namespace {

const char* const kInvalidOperation = "Invalid stream operation";

int ZlibLevel(TCompressionLevel level)
{
    switch (level) {
    case TCompressionLevel::clNone:
        return Z_NO_COMPRESSION;
    case TCompressionLevel::clFastest:
        return Z_BEST_SPEED;
    case TCompressionLevel::clMax:
        return Z_BEST_COMPRESSION;
    case TCompressionLevel::clDefault:
        break;
    }
    return Z_DEFAULT_COMPRESSION;
}

void CCheck(int status)
{
    if (status < 0)
        throw ECompressionError("error");
}

void DCheck(int status)
{
    if (status < 0)
        throw EDecompressionError("compression error");
}

// zlib counts in 32-bit units; larger transfers go in slices.
constexpr std::int64_t kMaxSlice = std::numeric_limits<uInt>::max();

} // namespace

TCustomZlibStream::TCustomZlibStream(TStream* Strm)
    : FStrm(Strm), FStrmStart(Strm->Position()), FStrmPos(FStrmStart)
{
}

void TCustomZlibStream::Progress(TObject* Sender)
{
    if (OnProgress)
        OnProgress(Sender);
}

// --- compression ------------------------------------------------------------------------------

TCompressionStream::TCompressionStream(TCompressionLevel CompressionLevel, TStream* Dest) : TCustomZlibStream(Dest)
{
    FZRec.next_out = FBuffer.data();
    FZRec.avail_out = FBuffer.size();
    CCheck(deflateInit(&FZRec, ZlibLevel(CompressionLevel)));
}

TCompressionStream::~TCompressionStream()
{
    try {
        Finish();
    } catch (...) {
        // Nothing can be reported from here; callers that care call Finish themselves.
    }
    deflateEnd(&FZRec);
}

void TCompressionStream::WriteBufferOut(std::size_t count)
{
    FStrm->WriteBuffer(FBuffer.data(), static_cast<std::int64_t>(count));
    FZRec.next_out = FBuffer.data();
    FZRec.avail_out = FBuffer.size();
    FStrmPos = FStrm->Position();
    Progress(this);
}

std::int64_t TCompressionStream::Read(void*, std::int64_t)
{
    throw ECompressionError(kInvalidOperation);
}

std::int64_t TCompressionStream::Write(const void* Buffer, std::int64_t Count)
{
    if (FFinished)
        throw ECompressionError(kInvalidOperation);
    if (FStrm->Position() != FStrmPos)
        FStrm->SetPosition(FStrmPos);
    const auto* p = static_cast<const Bytef*>(Buffer);
    for (std::int64_t left = Count; left > 0;) {
        const std::int64_t slice = std::min(left, kMaxSlice);
        FZRec.next_in = const_cast<Bytef*>(p);
        FZRec.avail_in = static_cast<uInt>(slice);
        while (FZRec.avail_in > 0) {
            CCheck(deflate(&FZRec, Z_NO_FLUSH));
            if (FZRec.avail_out == 0)
                WriteBufferOut(FBuffer.size());
        }
        p += slice;
        left -= slice;
    }
    return Count;
}

std::int64_t TCompressionStream::Seek(std::int64_t Offset, TSeekOrigin Origin)
{
    if (Offset == 0 && Origin == TSeekOrigin::soCurrent)
        return static_cast<std::int64_t>(FZRec.total_in);
    throw ECompressionError(kInvalidOperation);
}

void TCompressionStream::Finish()
{
    if (FFinished)
        return;
    FFinished = true;
    FZRec.next_in = nullptr;
    FZRec.avail_in = 0;
    if (FStrm->Position() != FStrmPos)
        FStrm->SetPosition(FStrmPos);
    for (;;) {
        int status = deflate(&FZRec, Z_FINISH);
        CCheck(status);
        if (status == Z_STREAM_END)
            break;
        if (FZRec.avail_out == 0)
            WriteBufferOut(FBuffer.size());
    }
    if (FZRec.avail_out < FBuffer.size())
        WriteBufferOut(FBuffer.size() - FZRec.avail_out);
}

float TCompressionStream::CompressionRate() const
{
    if (FZRec.total_in == 0)
        return 0;
    return (1.0f - static_cast<float>(FZRec.total_out) / static_cast<float>(FZRec.total_in)) * 100.0f;
}

// --- decompression ----------------------------------------------------------------------------

TDecompressionStream::TDecompressionStream(TStream* Source) : TCustomZlibStream(Source)
{
    FZRec.next_in = FBuffer.data();
    FZRec.avail_in = 0;
    DCheck(inflateInit(&FZRec));
}

TDecompressionStream::~TDecompressionStream()
{
    inflateEnd(&FZRec);
}

std::int64_t TDecompressionStream::Read(void* Buffer, std::int64_t Count)
{
    if (FStrm->Position() != FStrmPos)
        FStrm->SetPosition(FStrmPos);
    auto* p = static_cast<Bytef*>(Buffer);
    std::int64_t delivered = 0;
    while (delivered < Count && !FEnded) {
        const std::int64_t slice = std::min(Count - delivered, kMaxSlice);
        FZRec.next_out = p + delivered;
        FZRec.avail_out = static_cast<uInt>(slice);
        while (FZRec.avail_out > 0) {
            if (FZRec.avail_in == 0) {
                std::int64_t n = FStrm->Read(FBuffer.data(), static_cast<std::int64_t>(FBuffer.size()));
                if (n <= 0)
                    return delivered + (slice - FZRec.avail_out);
                FZRec.next_in = FBuffer.data();
                FZRec.avail_in = static_cast<uInt>(n);
                FStrmPos = FStrm->Position();
                Progress(this);
            }
            int status = inflate(&FZRec, Z_NO_FLUSH);
            // The end of the zlib stream ends the data; bytes after it are not part of it (waiting
            // for more output there would never end). A preset dictionary is not part of the format.
            if (status == Z_STREAM_END) {
                FEnded = true;
                break;
            }
            if (status != Z_OK)
                throw EDecompressionError("compression error");
        }
        delivered += slice - FZRec.avail_out;
    }
    return delivered;
}

std::int64_t TDecompressionStream::Write(const void*, std::int64_t)
{
    throw EDecompressionError(kInvalidOperation);
}

void TDecompressionStream::Skip(std::int64_t Count)
{
    std::array<Bytef, 8192> scratch;
    while (Count > 0) {
        std::int64_t n = std::min<std::int64_t>(Count, scratch.size());
        if (Read(scratch.data(), n) < n)
            return;
        Count -= n;
    }
}

std::int64_t TDecompressionStream::Seek(std::int64_t Offset, TSeekOrigin Origin)
{
    const auto delivered = static_cast<std::int64_t>(FZRec.total_out);
    if (Offset == 0 && Origin == TSeekOrigin::soBeginning) {
        DCheck(inflateReset(&FZRec));
        FZRec.next_in = FBuffer.data();
        FZRec.avail_in = 0;
        FEnded = false;
        FStrm->SetPosition(FStrmStart);
        FStrmPos = FStrmStart;
    } else if (Offset >= 0 && Origin == TSeekOrigin::soCurrent) {
        Skip(Offset);
    } else if (Origin == TSeekOrigin::soBeginning && Offset > delivered) {
        Skip(Offset - delivered);
    } else {
        throw EDecompressionError(kInvalidOperation);
    }
    return static_cast<std::int64_t>(FZRec.total_out);
}

// --- whole skins ------------------------------------------------------------------------------

void CompressSkinStream(TMemoryStream* Source, TStream* Dest)
{
    TCompressionStream z(TCompressionLevel::clMax, Dest);
    z.WriteBuffer(Source->Memory(), Source->Size());
    z.Finish();
}

void DecompressSkinStream(TStream* Dest, TMemoryStream* Source)
{
    Source->SetPosition(0);
    TDecompressionStream z(Source);
    std::array<Bytef, 4096> buf;
    for (;;) {
        std::int64_t n = z.Read(buf.data(), buf.size());
        if (n == 0)
            break;
        Dest->WriteBuffer(buf.data(), n);
    }
    if (!z.StreamEnded())
        throw EDecompressionError("compression error");
}
