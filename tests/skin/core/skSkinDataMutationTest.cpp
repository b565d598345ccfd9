// Thousands of deterministically corrupted stored skins: each one either loads completely or is
// refused with an error that leaves the previous skin untouched and sends nothing. Run it under
// the address and undefined-behaviour sanitizers as well (-DZD_SANITIZE=address,undefined).

#include "skin/core/skSkinData.h"

#include "SkinFixtures.h"
#include "skin/core/skSkinPayload.h"
#include "skin/core/skzlibcompress.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <algorithm>
#include <array>
#include <random>

namespace {

class CountingSkinData : public TskSkinData {
public:
    using TskSkinData::TskSkinData;
    void SendSkinDataMessage(UINT M) override { Sent.push_back(M); }
    std::vector<UINT> Sent;
};

std::string Int32(std::int32_t v)
{
    std::string s;
    for (int i = 0; i < 4; ++i)
        s += static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * i)) & 0xFF);
    return s;
}

std::string Compress(const std::string& payload)
{
    TMemoryStream plain, packed;
    plain.WriteBuffer(payload.data(), static_cast<std::int64_t>(payload.size()));
    CompressSkinStream(&plain, &packed);
    return std::string(static_cast<const char*>(packed.Memory()), static_cast<std::size_t>(packed.Size()));
}

std::string StoredFile(const std::string& compressed)
{
    return Int32(3) + Int32(static_cast<std::int32_t>(compressed.size())) + compressed;
}

// Characters that matter to the readers: digits, signs, separators, brackets, line breaks.
const char kTokens[] = "0123456789-+,:=[]; \r\n$xX\xFF\x7F";

} // namespace

TEST(skSkinDataMutation, CorruptedStoredSkinsLoadWhollyOrChangeNothing)
{
    TskSkinPayload sample;
    sample.Picture = skintest::MakeBmp(24, 18, 1);
    sample.InActivePicture = skintest::MakeBmp(24, 18, 2);
    sample.Mask = skintest::MakeBmp(24, 18, 3);
    sample.ActivePictures = {skintest::MakeBmp(5, 3, 4), skintest::MakeBmp(16, 16, 5), skintest::MakeBmp(1, 1, 6)};
    sample.Text = skintest::SampleSkinIni();
    const std::string good = sample.Build();
    const std::size_t textAt = good.size() - sample.Text.size();
    // Where the headers lie: the version, each flag and BMP header, the count.
    std::vector<std::size_t> headers{0};
    std::size_t at = 4;
    for (const auto* p : {&*sample.Picture, &*sample.InActivePicture, &*sample.Mask}) {
        headers.push_back(at);
        at += 1 + p->size();
    }
    headers.push_back(at);
    at += 4;
    for (const auto& p : sample.ActivePictures) {
        headers.push_back(at);
        at += p.size();
    }

    TskCompressedStoredSkin baseline(nullptr);
    {
        TMemoryStream f;
        const std::string file = StoredFile(Compress(good));
        f.WriteBuffer(file.data(), static_cast<std::int64_t>(file.size()));
        baseline.LoadFromCompressStream(&f);
    }
    CountingSkinData d(nullptr);
    d.LoadCompressedStoredSkin(&baseline);

    std::mt19937 rng(20261210);
    auto pick = [&rng](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng); };
    int loaded = 0, refused = 0;
    for (int i = 0; i < 4000; ++i) {
        std::string payload = good;
        std::string file;
        switch (i % 5) {
        case 0:  // bytes changed near a header
            for (std::size_t k = 0, n = 1 + pick(4); k < n; ++k)
                payload[std::min(payload.size() - 1, headers[pick(headers.size())] + pick(60))] =
                    static_cast<char>(pick(256));
            break;
        case 1:  // characters of the description replaced by ones its readers care about
            for (std::size_t k = 0, n = 1 + pick(6); k < n; ++k)
                payload[textAt + pick(sample.Text.size())] = kTokens[pick(sizeof(kTokens) - 1)];
            break;
        case 2:  // cut anywhere
            payload.resize(pick(payload.size()));
            break;
        case 3:  // a header field set to an extreme
        {
            const std::string v = Int32(static_cast<std::int32_t>(
                std::array<std::uint32_t, 6>{0, 1, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 65536}[pick(6)]));
            const std::size_t where = std::min(payload.size() - 4, headers[pick(headers.size())] + pick(24));
            std::copy(v.begin(), v.end(), payload.begin() + static_cast<std::ptrdiff_t>(where));
            break;
        }
        case 4:  // the compressed file itself damaged
            file = StoredFile(Compress(good));
            for (std::size_t k = 0, n = 1 + pick(3); k < n; ++k)
                file[pick(file.size())] = static_cast<char>(pick(256));
            if (pick(4) == 0)
                file.resize(pick(file.size()));
            break;
        }
        if (file.empty())
            file = StoredFile(Compress(payload));

        TBitmap* picture = d.FPicture.get();
        const std::size_t controls = d.CtrlList.size();
        d.Sent.clear();
        try {
            TskCompressedStoredSkin stored(nullptr);
            TMemoryStream f;
            f.WriteBuffer(file.data(), static_cast<std::int64_t>(file.size()));
            stored.LoadFromCompressStream(&f);
            d.LoadCompressedStoredSkin(&stored);
            if (d.Sent.empty())
                continue;  // an empty stored skin
            ++loaded;
            ASSERT_EQ(d.Sent, (std::vector<UINT>{SKM_BEFORESKINCHANGE, SKM_SKINCHANGE, SKM_AFTERSKINCHANGE})) << i;
            ASSERT_FALSE(d.Empty);
            d.LoadCompressedStoredSkin(&baseline);
        } catch (const Exception&) {
            ++refused;
            ASSERT_TRUE(d.Sent.empty()) << i;
            ASSERT_EQ(d.FPicture.get(), picture) << i;
            ASSERT_EQ(d.CtrlList.size(), controls) << i;
            ASSERT_FALSE(d.Empty) << i;
        }
    }
    EXPECT_GT(loaded, 100);
    EXPECT_GT(refused, 1000);
}
