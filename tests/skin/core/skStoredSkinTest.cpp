#include "skin/core/skCompressedSkinList.h"
#include "skin/core/skCompressedStoredSkin.h"
#include "skin/core/skSkinPayload.h"
#include "skin/core/skzlibcompress.h"

#include "SkinFixtures.h"
#include "TestPaths.h"
#include "classlib/SysUtils.h"

#include <gtest/gtest.h>

#include <cstdint>

using skintest::MakeBmp;

namespace {

std::string Int32(std::int32_t v)
{
    std::string s;
    for (int i = 0; i < 4; ++i)
        s += static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * i)) & 0xFF);
    return s;
}

std::string Bytes(TMemoryStream& m)
{
    return std::string(static_cast<const char*>(m.Memory()), static_cast<std::size_t>(m.Size()));
}

void Fill(TMemoryStream& m, const std::string& bytes)
{
    m.Clear();
    m.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
}

std::string Payload(TskCompressedStoredSkin& skin)
{
    TMemoryStream m;
    skin.DeCompressToStream(&m);
    return Bytes(m);
}

std::string StoredFile(const std::string& payload)
{
    TMemoryStream plain, packed;
    Fill(plain, payload);
    CompressSkinStream(&plain, &packed);
    return Int32(3) + Int32(static_cast<std::int32_t>(packed.Size())) + Bytes(packed);
}

} // namespace

TEST(skSkinPayload, BuildAndParseRoundTrip)
{
    TskSkinPayload p;
    p.Picture = MakeBmp(4, 4, 1);
    p.Mask = MakeBmp(2, 3, 2);
    p.ActivePictures = {MakeBmp(1, 1, 3), MakeBmp(7, 2, 4)};
    p.Text = "[VERSION]\r\nver=1\r\n";
    const std::string bytes = p.Build();
    EXPECT_EQ(bytes.substr(0, 5), Int32(3) + '\0');

    TskSkinPayload q = TskSkinPayload::Parse(bytes);
    EXPECT_EQ(q.Picture, p.Picture);
    EXPECT_FALSE(q.InActivePicture);
    EXPECT_EQ(q.Mask, p.Mask);
    EXPECT_EQ(q.ActivePictures, p.ActivePictures);
    EXPECT_EQ(q.Text, p.Text);
}

TEST(skSkinPayload, SkinWithoutPicturesAndVersionTwoExtras)
{
    TskSkinPayload bare = TskSkinPayload::Parse(Int32(3) + "\1\1\1" + Int32(0) + "[A]\r\nk=v\r\n");
    EXPECT_FALSE(bare.Picture);
    EXPECT_TRUE(bare.ActivePictures.empty());
    EXPECT_EQ(bare.Text, "[A]\r\nk=v\r\n");

    const std::string extra = MakeBmp(3, 3, 9);
    TskSkinPayload v2 = TskSkinPayload::Parse(Int32(2) + "\1\1\1" + '\0' + extra + "\1" + Int32(1) +
                                              MakeBmp(2, 2, 5) + "text");
    ASSERT_EQ(v2.ActivePictures.size(), 1u);
    EXPECT_EQ(v2.ActivePictures[0], MakeBmp(2, 2, 5));
    EXPECT_EQ(v2.Text, "text");
}

TEST(skSkinPayload, MalformedPayloadsAreRefused)
{
    const std::string bmp = MakeBmp(2, 2, 1);
    std::string longBmp = bmp;
    longBmp[2] = static_cast<char>(longBmp[2] + 1);  // claims one byte more than there is
    std::string tinyBmp = bmp;
    tinyBmp.replace(2, 4, Int32(10));
    struct Case {
        const char* What;
        std::string Bytes;
    } cases[] = {
        {"version 4", Int32(4) + "\1\1\1" + Int32(0)},
        {"no version", "\3\0"},
        {"ends before the flags", Int32(3) + "\1"},
        {"ends before the count", Int32(3) + "\1\1\1" + "\0\0"},
        {"negative count", Int32(3) + "\1\1\1" + Int32(-1)},
        {"count beyond the data", Int32(3) + "\1\1\1" + Int32(2) + bmp},
        {"huge count", Int32(3) + "\1\1\1" + Int32(0x7FFFFFFF) + bmp},
        {"not a BMP", Int32(3) + '\0' + "XY" + bmp.substr(2)},
        {"BMP longer than the data", Int32(3) + '\0' + longBmp},
        {"BMP shorter than its headers", Int32(3) + '\0' + tinyBmp},
        {"numbered BMP cut", Int32(3) + "\1\1\1" + Int32(1) + bmp.substr(0, 40)},
    };
    for (const auto& c : cases)
        EXPECT_THROW(TskSkinPayload::Parse(c.Bytes), EskSkinFormatError) << c.What;
}

TEST(skCompressedStoredSkin, EmptySkinIsEightBytes)
{
    TskCompressedStoredSkin skin(nullptr);
    EXPECT_TRUE(skin.Empty());
    TMemoryStream m;
    skin.SaveToCompressStream(&m);
    EXPECT_EQ(Bytes(m), Int32(3) + Int32(0));

    TskCompressedStoredSkin back(nullptr);
    back.LoadFromCompressStream(&m);
    EXPECT_TRUE(back.Empty());

    zdtest::TempDir dir;
    skin.SaveToCompressFile(dir.file("empty.skn"));
    EXPECT_FALSE(FileExists(dir.file("empty.skn")));
}

TEST(skCompressedStoredSkin, FolderPackedSavedAndReadBackGivesTheSamePayload)
{
    zdtest::TempDir dir;
    const std::string ini = skintest::MakeSkinFolder(dir.path());
    TskCompressedStoredSkin skin(nullptr);
    skin.LoadFromIniFile(ini);
    ASSERT_FALSE(skin.Empty());
    const std::string payload = Payload(skin);

    TskSkinPayload p = TskSkinPayload::Parse(payload);
    EXPECT_EQ(p.Picture, MakeBmp(240, 180, 1));
    EXPECT_EQ(p.InActivePicture, MakeBmp(240, 180, 2));
    ASSERT_EQ(p.ActivePictures.size(), 3u);
    EXPECT_EQ(p.ActivePictures[2], MakeBmp(1, 1, 6));
    EXPECT_EQ(p.Text, skintest::SampleSkinIni());

    skin.SaveToCompressFile(dir.file("skin.skn"));
    const std::string file = skintest::ReadFile(dir.file("skin.skn"));
    EXPECT_EQ(file.substr(0, 4), Int32(3));
    EXPECT_EQ(static_cast<unsigned char>(file[8]), 0x78);
    EXPECT_EQ(static_cast<unsigned char>(file[9]), 0xDA);

    TskCompressedStoredSkin back(nullptr);
    back.LoadFromCompressFile(dir.file("skin.skn"));
    EXPECT_EQ(Payload(back), payload);
}

TEST(skCompressedStoredSkin, BadFoldersLeaveThePreviousSkin)
{
    zdtest::TempDir dir;
    const std::string ini = skintest::MakeSkinFolder(dir.path());
    TskCompressedStoredSkin skin(nullptr);
    skin.LoadFromIniFile(ini);
    const std::string before = Payload(skin);

    std::string text = skintest::SampleSkinIni();
    skintest::WriteFile(dir.file("nocontrols.ini"), text.substr(0, text.find("[SKINCONTROLS]")));
    skin.LoadFromIniFile(dir.file("nocontrols.ini"));
    EXPECT_EQ(Payload(skin), before);

    std::string missing = text;
    missing.replace(missing.find("p1.bmp"), 6, "gone.bmp");
    skintest::WriteFile(dir.file("missing.ini"), missing);
    EXPECT_THROW(skin.LoadFromIniFile(dir.file("missing.ini")), Exception);
    EXPECT_EQ(Payload(skin), before);
}

TEST(skCompressedStoredSkin, MalformedFilesAreRefusedAndChangeNothing)
{
    const std::string good = StoredFile(Int32(3) + "\1\1\1" + Int32(0) + "[VERSION]\r\nver=1\r\n");
    struct Case {
        const char* What;
        std::string Bytes;
    } cases[] = {
        {"version 4", Int32(4) + good.substr(4)},
        {"negative length", Int32(3) + Int32(-8) + good.substr(8)},
        {"length beyond the data", Int32(3) + Int32(static_cast<std::int32_t>(good.size())) + good.substr(8)},
        {"no length", Int32(3) + "\1"},
        {"nothing", ""},
    };
    for (const auto& c : cases) {
        TskCompressedStoredSkin skin(nullptr);
        TMemoryStream m;
        Fill(m, good);
        skin.LoadFromCompressStream(&m);
        const std::string before = Payload(skin);
        Fill(m, c.Bytes);
        EXPECT_THROW(skin.LoadFromCompressStream(&m), Exception) << c.What;
        EXPECT_EQ(Payload(skin), before) << c.What;
    }
}

TEST(skCompressedSkinList, ItemsAreNamedByPositionAndCopied)
{
    TskCompressedSkinList list(nullptr);
    TskSkinListItem* first = list.Skins()->Add();
    TskSkinListItem* second = list.Skins()->Add();
    EXPECT_EQ(first->Name(), "skSkin0");
    EXPECT_EQ(second->Name(), "skSkin1");
    EXPECT_EQ(second->GetDisplayName(), "skSkin1");
    EXPECT_TRUE(first->Skin()->Empty());

    TMemoryStream m;
    Fill(m, StoredFile(Int32(3) + "\1\1\1" + Int32(0) + "[VERSION]\r\nver=1\r\n"));
    second->Skin()->LoadFromCompressStream(&m);
    second->SetDescription("dark");

    TskCompressedSkinList copy(nullptr);
    copy.SetSkins(list.Skins());
    ASSERT_EQ(copy.Skins()->Count(), 2);
    EXPECT_EQ(copy.Skins()->Items(1)->Description(), "dark");
    EXPECT_EQ(Payload(*copy.Skins()->Items(1)->Skin()), Payload(*second->Skin()));
    EXPECT_NE(copy.Skins()->Items(1)->Skin(), second->Skin());
}
