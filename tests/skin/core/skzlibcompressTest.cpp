#include "skin/core/skzlibcompress.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// Compressible but not trivial: 100 000 bytes of a repeating counter pattern.
std::string Sample()
{
    std::string s;
    for (int i = 0; i < 100000; ++i)
        s += static_cast<char>((i * 7 + i / 100) & 0xFF);
    return s;
}

void Fill(TMemoryStream& m, const std::string& bytes)
{
    m.Clear();
    m.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
}

std::string Bytes(TMemoryStream& m)
{
    return std::string(static_cast<const char*>(m.Memory()), static_cast<std::size_t>(m.Size()));
}

std::string Compressed(const std::string& plain)
{
    TMemoryStream src, dst;
    Fill(src, plain);
    CompressSkinStream(&src, &dst);
    return Bytes(dst);
}

} // namespace

TEST(skzlibcompress, SkinStreamsRoundTripAtMaximumLevel)
{
    const std::string plain = Sample();
    TMemoryStream dst;
    dst.WriteBuffer("HEAD", 4);  // compressed data is appended at the destination's position
    TMemoryStream src;
    Fill(src, plain);
    CompressSkinStream(&src, &dst);
    const std::string z = Bytes(dst).substr(4);
    ASSERT_GE(z.size(), 2u);
    EXPECT_EQ(static_cast<unsigned char>(z[0]), 0x78);
    EXPECT_EQ(static_cast<unsigned char>(z[1]), 0xDA);
    EXPECT_LT(z.size(), plain.size());

    TMemoryStream zs, out;
    Fill(zs, z);
    DecompressSkinStream(&out, &zs);
    EXPECT_EQ(Bytes(out), plain);
}

TEST(skzlibcompress, CompressionStreamReportsProgressAndRate)
{
    TMemoryStream dst;
    int progress = 0;
    {
        TCompressionStream z(TCompressionLevel::clFastest, &dst);
        z.OnProgress = [&](TObject* sender) {
            EXPECT_EQ(sender, &z);
            ++progress;
        };
        EXPECT_EQ(z.CompressionRate(), 0.0f);
        std::string plain = Sample();
        for (int i = 0; i < 20; ++i)
            plain += Sample();
        EXPECT_EQ(z.Write(plain.data(), static_cast<std::int64_t>(plain.size())),
                  static_cast<std::int64_t>(plain.size()));
        EXPECT_EQ(z.Seek(0, TSeekOrigin::soCurrent), static_cast<std::int64_t>(plain.size()));
        EXPECT_THROW(z.Seek(1, TSeekOrigin::soCurrent), ECompressionError);
        char c;
        EXPECT_THROW(z.Read(&c, 1), ECompressionError);
        z.Finish();
        EXPECT_GT(z.CompressionRate(), 50.0f);
        EXPECT_THROW(z.Write("x", 1), ECompressionError);
    }
    EXPECT_GT(progress, 0);
}

TEST(skzlibcompress, DestructionFinishesTheStreamAndOthersMayMoveTheDestination)
{
    const std::string plain = Sample();
    TMemoryStream dst;
    {
        TCompressionStream z(TCompressionLevel::clDefault, &dst);
        z.WriteBuffer(plain.data(), 50000);
        dst.SetPosition(0);  // another user moves the stream in between
        z.WriteBuffer(plain.data() + 50000, 50000);
    }
    TMemoryStream out;
    DecompressSkinStream(&out, &dst);
    EXPECT_EQ(Bytes(out), plain);
}

TEST(skzlibcompress, DecompressionReadsSeeksAndRefusesWrites)
{
    const std::string plain = Sample();
    TMemoryStream zs;
    Fill(zs, Compressed(plain));
    zs.SetPosition(0);
    TDecompressionStream z(&zs);
    char buf[100];
    ASSERT_EQ(z.Read(buf, 100), 100);
    EXPECT_EQ(std::string(buf, 100), plain.substr(0, 100));
    EXPECT_EQ(z.Seek(900, TSeekOrigin::soCurrent), 1000);
    EXPECT_EQ(z.Seek(5000, TSeekOrigin::soBeginning), 5000);
    ASSERT_EQ(z.Read(buf, 10), 10);
    EXPECT_EQ(std::string(buf, 10), plain.substr(5000, 10));
    EXPECT_THROW(z.Seek(10, TSeekOrigin::soBeginning), EDecompressionError);
    EXPECT_THROW(z.Seek(-1, TSeekOrigin::soCurrent), EDecompressionError);
    EXPECT_THROW(z.Seek(0, TSeekOrigin::soEnd), EDecompressionError);
    EXPECT_EQ(z.Seek(0, TSeekOrigin::soBeginning), 0);
    ASSERT_EQ(z.Read(buf, 10), 10);
    EXPECT_EQ(std::string(buf, 10), plain.substr(0, 10));
    EXPECT_THROW(z.Write(buf, 1), EDecompressionError);

    // A read past the end delivers what is left.
    EXPECT_EQ(z.Seek(plain.size() - 10, TSeekOrigin::soBeginning), static_cast<std::int64_t>(plain.size() - 10));
    EXPECT_EQ(z.Read(buf, 100), 10);
    EXPECT_EQ(z.Read(buf, 100), 0);
}

TEST(skzlibcompress, DamagedDataIsRefusedAndNeverHangs)
{
    const std::string z = Compressed(Sample());
    struct Case {
        const char* What;
        std::string Bytes;
    } cases[] = {
        {"truncated", z.substr(0, z.size() / 2)},
        {"check value cut", z.substr(0, z.size() - 2)},
        {"no data", ""},
        {"bad header", "\x12\x34" + z.substr(2)},
        {"garbage", std::string(300, '\x55')},
    };
    for (const auto& c : cases) {
        TMemoryStream src, out;
        Fill(src, c.Bytes);
        EXPECT_THROW(DecompressSkinStream(&out, &src), EDecompressionError) << c.What;
    }

    // Bytes after the end of the zlib stream are not part of it.
    TMemoryStream src, out;
    Fill(src, z + std::string(5000, '\x01'));
    DecompressSkinStream(&out, &src);
    EXPECT_EQ(Bytes(out), Sample());
}
