#pragma once
// zlib streams (RFC 1950) over another stream: a write-only compressing stream and a read-only
// decompressing one. Each remembers where in the underlying stream it reads or writes next and
// moves the stream back there before every transfer, so others may move it in between.

#include "classlib/Streams.h"
#include "platform/kernel/Exceptions.h"

#include <zlib.h>

#include <array>
#include <cstdint>

class EZlibError : public Exception {
public:
    using Exception::Exception;
};
class ECompressionError : public EZlibError {
public:
    using EZlibError::EZlibError;
};
class EDecompressionError : public EZlibError {
public:
    using EZlibError::EZlibError;
};

// zlib levels 0, 1, the library's default and 9. Scoped: the colour names clNone and clDefault
// live in the same namespace.
enum class TCompressionLevel { clNone, clFastest, clDefault, clMax };

class TCustomZlibStream : public TStream {
public:
    // Raised with this stream as sender each time a buffer of compressed data has been moved.
    TNotifyEvent OnProgress;

protected:
    explicit TCustomZlibStream(TStream* Strm);
    virtual void Progress(TObject* Sender);

    TStream* FStrm;  // not owned
    std::int64_t FStrmStart;  // where the zlib data begins in FStrm
    std::int64_t FStrmPos;
    z_stream FZRec{};
    std::array<Bytef, 8192> FBuffer{};
};

class TCompressionStream : public TCustomZlibStream {
public:
    TCompressionStream(TCompressionLevel CompressionLevel, TStream* Dest);
    // Finishes the zlib stream when Finish has not done so (an error is then lost).
    ~TCompressionStream() override;

    std::int64_t Read(void* Buffer, std::int64_t Count) override;
    std::int64_t Write(const void* Buffer, std::int64_t Count) override;
    // Only a seek by 0 from the current position: the number of bytes taken in so far.
    std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;
    // Writes the end of the zlib stream to Dest; later writes are refused. Errors are raised.
    void Finish();
    // (1 - bytes out / bytes in) x 100, or 0 before any input.
    float CompressionRate() const;

private:
    void WriteBufferOut(std::size_t count);
    bool FFinished = false;
};

class TDecompressionStream : public TCustomZlibStream {
public:
    explicit TDecompressionStream(TStream* Source);
    ~TDecompressionStream() override;

    // Up to Count bytes; fewer only when the compressed data ends or the source runs out.
    std::int64_t Read(void* Buffer, std::int64_t Count) override;
    std::int64_t Write(const void* Buffer, std::int64_t Count) override;
    // To 0 from the beginning restarts; forward from the current position or the beginning skips
    // by reading. The result is the number of bytes delivered so far.
    std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;
    // True once the whole zlib stream, with its check value, has been read.
    bool StreamEnded() const { return FEnded; }

private:
    void Skip(std::int64_t Count);
    bool FEnded = false;
};

// Compresses the whole of Source (from position 0) at TCompressionLevel::clMax into Dest at Dest's position; the
// zlib stream is complete when it returns.
void CompressSkinStream(TMemoryStream* Source, TStream* Dest);
// Writes the whole uncompressed content of Source (from position 0) into Dest at Dest's position.
// Compressed data that ends before its zlib stream does raises EDecompressionError.
void DecompressSkinStream(TStream* Dest, TMemoryStream* Source);
