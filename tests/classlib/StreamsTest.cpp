#include "classlib/Streams.h"

#include "TestPaths.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(Streams, MemoryStreamSeeksFromEveryOriginAndGrowsOnWrite)
{
    TMemoryStream m;
    m.WriteBuffer("abcdef", 6);
    EXPECT_EQ(m.Seek(-2, TSeekOrigin::soEnd), 4);
    EXPECT_EQ(m.Seek(-1, TSeekOrigin::soCurrent), 3);
    char c;
    m.ReadBuffer(&c, 1);
    EXPECT_EQ(c, 'd');
    m.SetPosition(8);
    m.WriteBuffer("z", 1);  // the gap is zero-filled
    EXPECT_EQ(m.Size(), 9);
    EXPECT_EQ(static_cast<const char*>(m.Memory())[6], '\0');
    m.SetSize(2);
    EXPECT_EQ(m.Position(), 2);
}

TEST(Streams, ShortTransfersRaise)
{
    TMemoryStream m;
    m.WriteBuffer("abc", 3);
    m.SetPosition(1);
    char buf[8];
    try {
        m.ReadBuffer(buf, 3);
        FAIL();
    } catch (const EReadError& e) {
        EXPECT_STREQ(e.what(), "Stream read error");
    }
    zdtest::TempDir dir;
    std::string name = dir.file("r.bin");
    { TFileStream f(name, fmCreate); f.WriteBuffer("x", 1); }
    TFileStream ro(name, fmOpenRead);
    try {
        ro.WriteBuffer("y", 1);
        FAIL();
    } catch (const EWriteError& e) {
        EXPECT_STREQ(e.what(), "Stream write error");
    }
}

TEST(Streams, FileOpenFailuresCarryTheSystemReason)
{
    zdtest::TempDir dir;
    std::string missing = dir.file("nope/x.bin");
    try {
        TFileStream f(missing, fmOpenRead | fmShareDenyNone);
        FAIL();
    } catch (const EFOpenError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file \"" + missing + "\". " + std::strerror(ENOENT));
    }
    EXPECT_THROW(TFileStream(missing, fmCreate), EFCreateError);
}

TEST(Streams, FileStreamCreateTruncatesAndCopyFromTakesAll)
{
    zdtest::TempDir dir;
    std::string name = dir.file("c.bin");
    {
        TFileStream f(name, fmCreate);
        f.WriteBuffer("0123456789", 10);
    }
    {
        TFileStream f(name, fmOpenReadWrite);
        EXPECT_EQ(f.Size(), 10);
        f.Seek(4, TSeekOrigin::soBeginning);
        TMemoryStream m;
        EXPECT_EQ(m.CopyFrom(&f, 3), 3);
        EXPECT_EQ(std::string(static_cast<const char*>(m.Memory()), 3), "456");
        TMemoryStream all;
        EXPECT_EQ(all.CopyFrom(&f, 0), 10);
        f.SetSize(5);
        EXPECT_EQ(f.Size(), 5);
    }
    TFileStream again(name, fmCreate);
    EXPECT_EQ(again.Size(), 0);
}

} // namespace
