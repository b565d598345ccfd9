#include "engine/PngStreamHeader.h"
#include "engine/FFmpegEntries.h"
#include "engine/UnicodeProtocol.h"

#include "ConverterLibraries.h"
#include "TestPaths.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

void PutBe32(Bytes& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

// A chunk with a zero check sum (the reader does not check it).
Bytes Chunk(const std::string& type, const Bytes& body)
{
    Bytes out;
    PutBe32(out, static_cast<std::uint32_t>(body.size()));
    for (const char c : type)
        out.push_back(static_cast<std::uint8_t>(c));
    for (const std::uint8_t b : body)
        out.push_back(b);
    PutBe32(out, 0);
    return out;
}

Bytes Ihdr(std::uint8_t depth, std::uint8_t colourType, std::uint32_t width = 640)
{
    Bytes body;
    PutBe32(body, width);
    PutBe32(body, 480);
    for (const std::uint8_t b : {depth, colourType, std::uint8_t{0}, std::uint8_t{0}, std::uint8_t{0}})
        body.push_back(b);
    return Chunk("IHDR", body);
}

Bytes Phys(std::uint32_t x, std::uint32_t y)
{
    Bytes body;
    PutBe32(body, x);
    PutBe32(body, y);
    body.push_back(0);
    return Chunk("pHYs", body);
}

Bytes Png(const std::vector<Bytes>& chunks)
{
    Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    for (const Bytes& chunk : chunks)
        for (const std::uint8_t b : chunk)
            out.push_back(b);
    return out;
}

TEST(PngHeader, ReadsFormatAndAspectOrRefuses)
{
    const Bytes idat = Chunk("IDAT", {1, 2, 3});
    const Bytes truncated = [&] {
        Bytes data = Png({Ihdr(8, 2), idat});
        data.resize(data.size() - 5);
        return data;
    }();
    struct Case {
        const char* name;
        Bytes data;
        bool read;
        int pixFmt;
        bool hasAspect;
        AVRational aspect;
    };
    const std::vector<Case> cases = {
        {"RGB", Png({Ihdr(8, 2), idat}), true, AV_PIX_FMT_RGB24, false, {0, 1}},
        {"RGBA 16 bits", Png({Ihdr(16, 6), idat}), true, AV_PIX_FMT_RGBA64BE, false, {0, 1}},
        {"grey 1 bit", Png({Ihdr(1, 0), idat}), true, AV_PIX_FMT_MONOBLACK, false, {0, 1}},
        {"palette after text", Png({Ihdr(8, 3), Chunk("PLTE", {0, 0, 0}), Chunk("tEXt", {'a', 0, 'b'}), idat}),
         true, AV_PIX_FMT_PAL8, false, {0, 1}},
        {"physical size", Png({Ihdr(8, 4), Phys(2, 3), idat}), true, AV_PIX_FMT_YA8, true, {2, 3}},
        {"negative physical size", Png({Ihdr(8, 2), Phys(0x80000000u, 1), idat}), true, AV_PIX_FMT_RGB24, true,
         {0, 1}},
        {"palette of 4 bits", Png({Ihdr(4, 3), idat}), false, -1, false, {0, 1}},
        {"transparency", Png({Ihdr(8, 2), Chunk("tRNS", {0, 0, 0, 0, 0, 0}), idat}), false, -1, false, {0, 1}},
        {"colour profile", Png({Ihdr(8, 2), Chunk("gAMA", {0, 0, 0, 1}), idat}), false, -1, false, {0, 1}},
        {"no width", Png({Ihdr(8, 2, 0), idat}), false, -1, false, {0, 1}},
        {"width beyond int", Png({Ihdr(8, 2, 0x80000000u), idat}), false, -1, false, {0, 1}},
        {"no picture data", Png({Ihdr(8, 2)}), false, -1, false, {0, 1}},
        {"cut short", truncated, false, -1, false, {0, 1}},
        {"header not first", Png({Chunk("tEXt", {'a', 0, 'b'}), Ihdr(8, 2), idat}), false, -1, false, {0, 1}},
        {"no signature", Bytes{'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0, 0, 0}, false, -1, false, {0, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TPngHeader header;
        ASSERT_EQ(ReadPngHeader(c.data.data(), c.data.size(), header), c.read);
        if (!c.read)
            continue;
        EXPECT_EQ(header.PixFmt, c.pixFmt);
        EXPECT_EQ(header.Width, 640);
        EXPECT_EQ(header.Height, 480);
        EXPECT_EQ(header.HasSampleAspect, c.hasAspect);
        EXPECT_EQ(header.SampleAspect.num, c.aspect.num);
        EXPECT_EQ(header.SampleAspect.den, c.aspect.den);
    }
}

class PngStreamParameters : public ConverterLibrariesTest {
protected:
    AVFormatContext* Open(const std::string& file)
    {
        AVFormatContext* context = AllocFormatContext();
        EXPECT_GE(ff::avformat_open_input(&context, ToProtocolFileName(file).c_str(), nullptr, nullptr), 0) << file;
        return context;
    }
};

// Probing with the parameters filled in from the header leaves the library nothing to decode for,
// and ends where decoding the picture ends.
TEST_F(PngStreamParameters, MatchWhatTheDecoderFinds)
{
    for (const char* name : {"pictures.mkv", "picture.png", "picture_rgba.mkv", "picture_gray.mkv",
                             "picture_ya8.mkv", "picture_rgb48be.mkv", "picture_rgba64be.mkv",
                             "picture_gray16be.mkv", "picture_ya16be.mkv", "picture_pal8.mkv",
                             "picture_monob.mkv"}) {
        SCOPED_TRACE(name);
        const std::string file = zdtest::fixture(name);
        AVFormatContext* decoded = Open(file);
        AVFormatContext* filled = Open(file);
        ASSERT_TRUE(decoded && filled);
        ASSERT_EQ(filled->streams[0]->codecpar->format, AV_PIX_FMT_NONE);
        FillPngStreamParameters(filled);
        EXPECT_NE(filled->streams[0]->codecpar->format, AV_PIX_FMT_NONE);
        ASSERT_GE(ff::avformat_find_stream_info(decoded, nullptr), 0);
        ASSERT_GE(ff::avformat_find_stream_info(filled, nullptr), 0);
        const AVCodecParameters* want = decoded->streams[0]->codecpar;
        const AVCodecParameters* got = filled->streams[0]->codecpar;
        EXPECT_EQ(got->format, want->format);
        EXPECT_EQ(got->width, want->width);
        EXPECT_EQ(got->height, want->height);
        EXPECT_EQ(av_cmp_q(got->sample_aspect_ratio, want->sample_aspect_ratio), 0);
        EXPECT_EQ(filled->duration, decoded->duration);
        ff::avformat_close_input(&decoded);
        ff::avformat_close_input(&filled);
    }
}

} // namespace
