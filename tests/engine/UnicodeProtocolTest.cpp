#include "engine/UnicodeProtocol.h"

#include "engine/FFUtils.h"
#include "engine/FFmpegEntries.h"

#include "ConverterLibraries.h"
#include "TestPaths.h"

#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace {

// The character-type locale of the process for one scope.
class LocaleScope {
public:
    explicit LocaleScope(const char* name) : saved_(std::setlocale(LC_CTYPE, nullptr))
    {
        EXPECT_NE(nullptr, std::setlocale(LC_CTYPE, name)) << name;
    }
    ~LocaleScope() { std::setlocale(LC_CTYPE, saved_.c_str()); }

private:
    std::string saved_;
};

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

struct NameCase {
    std::string name;
    bool wrappedInC;
    bool wrappedInUtf8;
};

const NameCase kNames[] = {
    {"/tmp/video/a.avi", false, false},
    {"/tmp/视频/a.avi", true, false},
    {"Café.avi", true, false},
    {"clip:one.avi", true, true},        // the library would read "clip" as a protocol
    {":one.avi", true, true},
    {"dir/clip:one.avi", false, false},  // after a "/" the colon is part of the path
    {"/media/视频:1.avi", true, false},
    {"http://host/视频.avi", false, false},
    {"udp://239.0.0.1:1234", false, false},
    {"pipe:1", false, false},
    {"stream:3:视频", false, false},
    {"HTTP:视频", true, true},           // protocol names compare with case
    {"\xff\xfe.avi", true, true},        // not UTF-8: no locale carries it
    {"", false, false},
};

} // namespace

TEST(UnicodeProtocolNames, WrapOnlyWhatTheLibraryCannotTakeAndRoundTrip)
{
    for (const char* locale : {"C", "C.UTF-8"}) {
        LocaleScope scope(locale);
        const bool utf8 = std::string(locale) != "C";
        for (const NameCase& c : kNames) {
            SCOPED_TRACE(std::string(locale) + " [" + c.name + "]");
            EXPECT_EQ(utf8 ? c.wrappedInUtf8 : c.wrappedInC, NeedsUnicodeProtocol(c.name));
            const std::string protocolName = ToProtocolFileName(c.name);
            EXPECT_EQ(NeedsUnicodeProtocol(c.name), IsUnicodeProtocolName(protocolName));
            EXPECT_EQ(c.name, FromProtocolFileName(protocolName));
            EXPECT_EQ(c.name, DecodeProtocolName(EncodeProtocolName(c.name)));
        }
    }
    EXPECT_EQ("unicode:utf8:/tmp/视频/a.avi", EncodeProtocolName("/tmp/视频/a.avi"));
}

TEST(UnicodeProtocolNames, PrefixAloneIsAFileName)
{
    EXPECT_FALSE(IsUnicodeProtocolName("unicode:utf8:"));
    EXPECT_EQ("unicode:utf8:", FromProtocolFileName("unicode:utf8:"));
    EXPECT_TRUE(IsUnicodeProtocolName("unicode:utf8:x"));
    EXPECT_FALSE(IsUnicodeProtocolName("Unicode:utf8:x"));
    EXPECT_EQ("x", FromProtocolFileName("unicode:utf8:x"));
}

class UnicodeProtocolFiles : public ConverterLibrariesTest {
protected:
    // Opens a file stream through a fresh context's opener; the library's error code on failure.
    static int Open(const std::string& protocolName, int flags, AVIOContext** pb)
    {
        AVFormatContext* s = AllocFormatContext();
        const int ret = OpenProtocolFile(s, pb, protocolName, flags);
        ff::avformat_free_context(s);
        return ret;
    }

    zdtest::TempDir dir;
};

TEST_F(UnicodeProtocolFiles, ReadsAFileWithACjkNameInTheCLocale)
{
    LocaleScope scope("C");
    const std::string name = zdtest::fixture("视频 Café.avi");
    const std::string protocolName = ToProtocolFileName(name);
    ASSERT_TRUE(IsUnicodeProtocolName(protocolName));

    AVFormatContext* s = AllocFormatContext();
    ASSERT_EQ(0, ff::avformat_open_input(&s, protocolName.c_str(), nullptr, nullptr));
    EXPECT_EQ(2u, s->nb_streams);
    EXPECT_STREQ("avi", s->iformat->name);
    EXPECT_EQ(name, FromProtocolFileName(s->url));
    ff::avformat_close_input(&s);
}

TEST_F(UnicodeProtocolFiles, WritesAFileWithACjkNameAndEmptiesAnExistingOne)
{
    LocaleScope scope("C");
    const std::string name = dir.file("输出 文件.bin");
    AVIOContext* pb = nullptr;
    ASSERT_EQ(0, Open(ToProtocolFileName(name), AVIO_FLAG_WRITE, &pb));
    ff::avio_write(pb, reinterpret_cast<const unsigned char*>("hello"), 5);
    ff::avio_closep(&pb);
    EXPECT_EQ("hello", ReadAll(name));

    ASSERT_EQ(0, Open(ToProtocolFileName(name), AVIO_FLAG_READ, &pb));
    EXPECT_EQ(5, ff::avio_size(pb));  // the size query leaves the position alone
    unsigned char first = 0;
    EXPECT_EQ(1, ff::avio_read(pb, &first, 1));
    EXPECT_EQ('h', first);
    ff::avio_closep(&pb);

    ASSERT_EQ(0, Open(ToProtocolFileName(name), AVIO_FLAG_WRITE, &pb));
    ff::avio_closep(&pb);
    EXPECT_EQ(0u, std::filesystem::file_size(name));
}

TEST_F(UnicodeProtocolFiles, ARelativeNameWithAColonOpensAsAFile)
{
    const std::string saved = std::filesystem::current_path();
    ASSERT_EQ(0, chdir(zdtest::fixtureDir().c_str()));
    AVIOContext* pb = nullptr;
    EXPECT_EQ(AVERROR_PROTOCOL_NOT_FOUND, Open("clip:one.avi", AVIO_FLAG_READ, &pb));
    EXPECT_EQ(0, Open(ToProtocolFileName("clip:one.avi"), AVIO_FLAG_READ, &pb));
    EXPECT_EQ(static_cast<int64_t>(std::filesystem::file_size("clip:one.avi")), ff::avio_size(pb));
    ff::avio_closep(&pb);
    ASSERT_EQ(0, chdir(saved.c_str()));
}

TEST_F(UnicodeProtocolFiles, AMissingFileFailsWithItsErrno)
{
    for (const std::string& name : {dir.file("缺.avi"), dir.file("missing.avi")}) {
        AVIOContext* pb = nullptr;
        const int ret = Open(ToProtocolFileName(name), AVIO_FLAG_READ, &pb);
        EXPECT_EQ(AVERROR(ENOENT), ret);
        EXPECT_EQ(name + ": No such file or directory", ErrorCodeToStr(name, ret));
    }
    AVIOContext* pb = nullptr;
    const std::string inMissingFolder = dir.file("无/a.avi");
    EXPECT_EQ(AVERROR(ENOENT), Open(ToProtocolFileName(inMissingFolder), AVIO_FLAG_WRITE, &pb));
}

TEST_F(UnicodeProtocolFiles, RegisteringTwiceKeepsOneOpener)
{
    AVFormatContext* s = AllocFormatContext();
    const auto opener = s->io_open;
    RegisterUnicodeProtocol(s);
    RegisterUnicodeProtocol(s);
    EXPECT_EQ(opener, s->io_open);

    // An opener that had taken itself for the library's would call itself for ever on a name it
    // hands on.
    const std::string name = zdtest::fixture("sample.wav");
    ASSERT_EQ(0, ff::avformat_open_input(&s, name.c_str(), nullptr, nullptr));
    EXPECT_EQ(1u, s->nb_streams);
    ff::avformat_close_input(&s);
}
