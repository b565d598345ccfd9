#include "app/artwork/Artwork.h"
#include "classlib/Bitmap.h"
#include "classlib/PngFile.h"
#include "classlib/Streams.h"
#include "tools/skingen/Chime.h"
#include "tools/skingen/Outputs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdint>
#include <set>

namespace {

TDibData Decode(std::string_view bytes, bool png)
{
    TMemoryStream m;
    m.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    m.Seek(0, TSeekOrigin::soBeginning);
    if (png)
        return ReadPng(&m).To32Bit();
    TBitmap b;
    b.LoadFromStream(&m);
    return b.GetDibData().To32Bit();
}

std::string Two(int n)
{
    char b[8];
    std::snprintf(b, sizeof b, "%02d", n);
    return b;
}

std::uint8_t Alpha(const TDibData& d, int x, int y)
{
    return d.Row(y)[x * 4 + 3];
}

int Le(std::string_view s, std::size_t at, int bytes)
{
    int v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v * 256 + static_cast<unsigned char>(s[at + static_cast<std::size_t>(i)]);
    return v;
}

// Energy of one frequency in a stretch of 16-bit samples (Goertzel).
double Energy(std::string_view pcm, int from, int count, double hz)
{
    const double w = 2 * std::acos(-1.0) * hz / kChimeSampleRate, c = 2 * std::cos(w);
    double s1 = 0, s2 = 0;
    for (int i = from; i < from + count; ++i) {
        const double x = static_cast<std::int16_t>(Le(pcm, static_cast<std::size_t>(i) * 2, 2));
        const double s = x + c * s1 - s2;
        s2 = s1;
        s1 = s;
    }
    return s1 * s1 + s2 * s2 - c * s1 * s2;
}

} // namespace

TEST(ArtworkPictures, EveryPictureHasItsSizeAndTransparency)
{
    struct TGroup {
        std::string Prefix;
        int First, Last, Size;
    };
    for (const TGroup& g : {TGroup{"toolbar/", 0, 17, 48}, TGroup{"categories/48/", 0, 34, 48}, TGroup{"categories/32/", 0, 34, 32}}) {
        std::set<std::string_view> distinct;
        for (int i = g.First; i <= g.Last; ++i) {
            const std::string name = g.Prefix + Two(i) + ".png";
            SCOPED_TRACE(name);
            const std::string_view bytes = ArtworkFile(name);
            ASSERT_FALSE(bytes.empty());
            const TDibData d = Decode(bytes, true);
            EXPECT_EQ(d.Width, g.Size);
            EXPECT_EQ(d.Height, g.Size);
            EXPECT_EQ(Alpha(d, 0, 0), 0);  // clear corners: the pictures are not rectangles
            distinct.insert(bytes);
        }
        EXPECT_EQ(distinct.size(), static_cast<std::size_t>(g.Last - g.First + 1)) << g.Prefix;
    }
    // A disabled tool bar picture is a fainter copy of its enabled one.
    const TDibData start = Decode(ArtworkFile("toolbar/03.png"), true), off = Decode(ArtworkFile("toolbar/13.png"), true);
    EXPECT_LT(Alpha(off, 24, 24), Alpha(start, 24, 24));

    for (int i = 4; i <= 17; ++i) {
        SCOPED_TRACE(i);
        const TDibData d = Decode(ArtworkFile("glyphs/Image" + std::to_string(i) + ".bmp"), false);
        ASSERT_EQ(d.Width, 16);
        ASSERT_EQ(d.Height, 16);
        const std::uint8_t* corner = d.Row(15);  // bottom-left pixel: the transparent colour
        EXPECT_EQ(corner[0] | corner[1] << 8 | corner[2] << 16, 0xFF00FF);
    }
    const TDibData cover = Decode(ArtworkFile("cover.png"), true);
    EXPECT_EQ(cover.Width, 520);
    EXPECT_EQ(cover.Height, 300);
    for (int size : {16, 32, 48}) {
        const TDibData icon = Decode(ArtworkFile("icon/" + std::to_string(size) + ".png"), true);
        EXPECT_EQ(icon.Width, size);
        EXPECT_EQ(Alpha(icon, size / 2, size / 2), 255);
    }
}

TEST(ArtworkPictures, EmbeddedFilesAreWhatTheGeneratorMakes)
{
    // Stored skins compare by their content in the lint's test.
    for (const TArtFile& f : ArtworkOutputs()) {
        if (f.Embedded && f.Name.rfind("skins/", 0) != 0) {
            EXPECT_EQ(ArtworkFile(f.Name), f.Bytes) << f.Name;
        }
    }
}

TEST(Chime, IsAShortTwoToneSixteenBitWave)
{
    const std::string wav = ChimeWav();
    EXPECT_EQ(wav, ChimeWav());
    ASSERT_GT(wav.size(), 44u);
    EXPECT_EQ(wav.substr(0, 4), "RIFF");
    EXPECT_EQ(wav.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(Le(wav, 20, 2), 1);   // PCM
    EXPECT_EQ(Le(wav, 22, 2), 1);   // mono
    EXPECT_EQ(Le(wav, 24, 4), kChimeSampleRate);
    EXPECT_EQ(Le(wav, 34, 2), 16);  // bits per sample
    EXPECT_EQ(wav.substr(36, 4), "data");
    const int bytes = Le(wav, 40, 4);
    ASSERT_EQ(static_cast<std::size_t>(bytes) + 44, wav.size());
    const std::string_view pcm = std::string_view(wav).substr(44);
    const int samples = bytes / 2;
    EXPECT_GT(samples, kChimeSampleRate);       // longer than a second
    EXPECT_LT(samples, kChimeSampleRate * 2);   // shorter than two
    // The first tone sounds alone first, the second one takes over after it.
    const int window = kChimeSampleRate / 10;
    EXPECT_GT(Energy(pcm, 0, window, 880), 50 * Energy(pcm, 0, window, 659.255));
    const int later = kChimeSampleRate * 6 / 10;
    EXPECT_GT(Energy(pcm, later, window, 659.255), 5 * Energy(pcm, later, window, 880));
    EXPECT_EQ(Le(wav, wav.size() - 2, 2), 0);  // ends in silence
}
