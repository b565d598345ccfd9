#include "skin/core/skSkinData.h"

#include "SkinFixtures.h"
#include "TestPaths.h"
#include "classlib/SysUtils.h"
#include "skin/core/skSkinPayload.h"
#include "skin/core/skzlibcompress.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

namespace {

struct Sent {
    UINT Message;
    bool Empty;
    bool Changing;
    friend bool operator==(const Sent&, const Sent&) = default;
};

// Records what the skin data broadcasts and in which state it is at each message.
class RecordingSkinData : public TskSkinData {
public:
    using TskSkinData::TskSkinData;
    void SendSkinDataMessage(UINT M) override { Log.push_back({M, Empty, ChangeSkinDataProcess}); }
    std::vector<Sent> Log;
};

static_assert(SKM_BEFORESKINCHANGE == 1225 && SKM_SKINCHANGE == 1226 && SKM_AFTERSKINCHANGE == 1227 &&
              SKM_RESOURCESTRCHANGED == 1274 && SKM_SKINNABLECHANGED == 1294 && SKM_LAYEREDBORDERSCHANGED == 1427);

const std::vector<Sent> kLoadSequence{{SKM_BEFORESKINCHANGE, true, true},
                                      {SKM_SKINCHANGE, false, true},
                                      {SKM_AFTERSKINCHANGE, false, false}};

std::string BmpBytes(TBitmap* b)
{
    TMemoryStream m;
    if (!b->Empty())
        b->SaveToStream(&m);
    return std::string(static_cast<const char*>(m.Memory()), static_cast<std::size_t>(m.Size()));
}

// Everything a skin consists of, as text: its written description and its pictures. FORMINFO's
// fix-ups apply again each time a written skin is read, so a re-read skin is compared without it.
std::string Fingerprint(TskSkinData& d, bool withFormInfo = true)
{
    TskMemIniFile ini;
    d.WriteSkinIni(ini);
    if (!withFormInfo)
        ini.EraseSection("FORMINFO");
    std::string s = ini.GetText();
    s += d.Empty ? "empty" : "loaded";
    s += BmpBytes(d.FPicture.get());
    s += BmpBytes(d.FInActivePicture.get());
    s += BmpBytes(d.FMask.get());
    for (auto& p : d.FActivePictures)
    {
        s += '|';
        s += BmpBytes(p.get());
    }
    return s;
}

std::string Int32(std::int32_t v)
{
    std::string s;
    for (int i = 0; i < 4; ++i)
        s += static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * i)) & 0xFF);
    return s;
}

// A stored skin holding the given package bytes.
void Store(TskCompressedStoredSkin& skin, const std::string& payload)
{
    TMemoryStream plain, packed;
    plain.WriteBuffer(payload.data(), static_cast<std::int64_t>(payload.size()));
    CompressSkinStream(&plain, &packed);
    TMemoryStream file;
    file.WriteBuffer(Int32(3).data(), 4);
    file.WriteBuffer(Int32(static_cast<std::int32_t>(packed.Size())).data(), 4);
    file.WriteBuffer(packed.Memory(), packed.Size());
    skin.LoadFromCompressStream(&file);
}

class SkinDataTest : public testing::Test {
protected:
    void SetUp() override
    {
        Ini = skintest::MakeSkinFolder(Dir.path());
        Sample.LoadFromIniFile(Ini);
    }

    zdtest::TempDir Dir;
    std::string Ini;
    TskCompressedStoredSkin Sample{nullptr};
};

} // namespace

TEST_F(SkinDataTest, FolderAndStoredSkinGiveTheSameSkin)
{
    RecordingSkinData fromFolder(nullptr), fromStored(nullptr);
    EXPECT_TRUE(fromFolder.Empty);
    fromFolder.LoadFromFile(Ini);
    fromStored.LoadCompressedStoredSkin(&Sample);
    EXPECT_EQ(fromFolder.Log, kLoadSequence);
    EXPECT_EQ(fromStored.Log, kLoadSequence);
    EXPECT_TRUE(Fingerprint(fromStored) == Fingerprint(fromFolder));
    EXPECT_EQ(fromStored.FPicture->GetWidth(), 240);
    ASSERT_EQ(fromStored.FActivePictures.size(), 3u);
    EXPECT_EQ(fromStored.FActivePictures[0]->GetWidth(), 5);
    EXPECT_EQ(fromStored.FActivePictures[0]->GetHeight(), 3);
    EXPECT_EQ(fromStored.GetControlIndex("panel"), 1);

    // Written back as a stored-skin file and read again: still the same skin.
    fromStored.SaveToCompressedFile(Dir.file("again.skn"));
    RecordingSkinData again(nullptr);
    again.LoadFromCompressedFile(Dir.file("again.skn"));
    EXPECT_TRUE(Fingerprint(again, false) == Fingerprint(fromFolder, false));
    EXPECT_EQ(again.ClRect, fromFolder.ClRect);
}

TEST_F(SkinDataTest, EmptySkinStoredAndReloaded)
{
    RecordingSkinData blank(nullptr);
    blank.SaveToCompressedFile(Dir.file("blank.skn"));
    RecordingSkinData back(nullptr);
    back.LoadFromCompressedFile(Dir.file("blank.skn"));
    EXPECT_FALSE(back.Empty);
    EXPECT_TRUE(back.FPicture->Empty());
    EXPECT_TRUE(back.FActivePictures.empty());
    EXPECT_TRUE(back.CtrlList.empty());
    EXPECT_EQ(back.LayerFrame->PictureIndex, -1);

    TskCompressedStoredSkin nothing(nullptr);
    back.Log.clear();
    back.LoadCompressedStoredSkin(&nothing);
    back.LoadCompressedStoredSkin(nullptr);
    EXPECT_TRUE(back.Log.empty());
}

TEST_F(SkinDataTest, ClearSkinSendsTheThreeMessagesWhileEmpty)
{
    RecordingSkinData d(nullptr);
    d.LoadCompressedStoredSkin(&Sample);
    d.Log.clear();
    d.ClearSkin();
    EXPECT_EQ(d.Log, (std::vector<Sent>{{SKM_BEFORESKINCHANGE, true, false},
                                        {SKM_SKINCHANGE, true, false},
                                        {SKM_AFTERSKINCHANGE, true, false}}));
    EXPECT_TRUE(d.CtrlList.empty());
    EXPECT_TRUE(d.FPicture->Empty());
    EXPECT_EQ(static_cast<unsigned>(d.SkinColors()->cWindow()), 0xFF000005u);
}

TEST_F(SkinDataTest, SkinIndexSelectsAListItem)
{
    TskCompressedSkinList list(nullptr);
    list.Skins()->Add();  // an empty item
    TMemoryStream m;
    Sample.SaveToCompressStream(&m);
    list.Skins()->Add()->Skin()->LoadFromCompressStream(&m);

    RecordingSkinData d(nullptr);
    d.SetSkinIndex(1);  // no list yet: only stored
    EXPECT_EQ(d.SkinIndex(), 1);
    EXPECT_TRUE(d.Log.empty());
    d.SetSkinList(&list);  // now item 1 loads
    EXPECT_EQ(d.Log, kLoadSequence);
    EXPECT_FALSE(d.Empty);

    d.Log.clear();
    d.SetSkinIndex(1);
    d.SetSkinIndex(2);
    d.SetSkinIndex(-1);
    EXPECT_TRUE(d.Log.empty());
    EXPECT_EQ(d.SkinIndex(), 1);

    d.SetSkinIndex(0);  // the empty item: the index moves, the skin stays
    EXPECT_EQ(d.SkinIndex(), 0);
    EXPECT_TRUE(d.Log.empty());
    EXPECT_FALSE(d.Empty);
}

TEST_F(SkinDataTest, MalformedStoredSkinsAreRefusedAndChangeNothing)
{
    TMemoryStream plain;
    Sample.DeCompressToStream(&plain);
    const std::string good(static_cast<const char*>(plain.Memory()), static_cast<std::size_t>(plain.Size()));
    const TskSkinPayload parsed = TskSkinPayload::Parse(good);
    const std::size_t mainAt = 5, bmpLen = parsed.Picture->size();
    // The count follows the three flagged pictures.
    const std::size_t countAt = 4 + (1 + parsed.Picture->size()) + (1 + parsed.InActivePicture->size()) +
                                (1 + parsed.Mask->size());

    auto with = [&](std::size_t at, const std::string& bytes) {
        std::string s = good;
        std::copy(bytes.begin(), bytes.end(), s.begin() + static_cast<std::ptrdiff_t>(at));
        return s;
    };
    struct Case {
        const char* What;
        std::string Payload;
    } cases[] = {
        {"payload version 4", with(0, Int32(4))},
        {"BMP size past the end", with(mainAt + 2, Int32(0x7FFFFFF0))},
        {"BMP size too small", with(mainAt + 2, Int32(20))},
        {"BMP width absurd", with(mainAt + 18, Int32(-100000))},
        {"BMP rows missing", with(mainAt + 2, Int32(static_cast<std::int32_t>(bmpLen - 300)))},
        {"negative picture count", with(countAt, Int32(-3))},
        {"picture count too large", with(countAt, Int32(4))},
        {"cut in the pictures", good.substr(0, good.size() / 2)},
        {"bad rectangle", good.substr(0, good.find("[button]")) + "[button]\r\nskinrect=1,2\r\n"},
    };

    RecordingSkinData d(nullptr);
    d.LoadFromFile(Ini);
    const std::string before = Fingerprint(d);
    for (const auto& c : cases) {
        TskCompressedStoredSkin broken(nullptr);
        Store(broken, c.Payload);
        d.Log.clear();
        EXPECT_ANY_THROW(d.LoadCompressedStoredSkin(&broken)) << c.What;
        EXPECT_TRUE(d.Log.empty()) << c.What;
        EXPECT_TRUE(Fingerprint(d) == before) << c.What;
    }

    // Compressed data cut short, behind a skin list index.
    TMemoryStream file;
    Sample.SaveToCompressStream(&file);
    std::string bytes(static_cast<const char*>(file.Memory()), static_cast<std::size_t>(file.Size()));
    bytes = bytes.substr(0, 8 + (bytes.size() - 8) / 2);
    bytes.replace(4, 4, Int32(static_cast<std::int32_t>(bytes.size() - 8)));
    TMemoryStream cut;
    cut.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    TskCompressedSkinList list(nullptr);
    list.Skins()->Add();
    list.Skins()->Add()->Skin()->LoadFromCompressStream(&cut);
    d.SetSkinList(&list);
    d.Log.clear();
    EXPECT_THROW(d.SetSkinIndex(1), EDecompressionError);
    EXPECT_EQ(d.SkinIndex(), 0);
    EXPECT_TRUE(d.Log.empty());
    EXPECT_TRUE(Fingerprint(d) == before);
}

TEST_F(SkinDataTest, BadFoldersChangeNothing)
{
    RecordingSkinData d(nullptr);
    EXPECT_EQ(d.SkinColors()->cBtnFace(), 0);  // nothing loaded yet
    std::string text = skintest::SampleSkinIni();
    skintest::WriteFile(Dir.file("partial.ini"), text.substr(0, text.find("[SKINOBJECTS]")));
    d.LoadFromFile(Dir.file("partial.ini"));
    EXPECT_TRUE(d.Empty);
    EXPECT_TRUE(d.Log.empty());

    d.LoadFromFile(Ini);
    const std::string before = Fingerprint(d);
    d.Log.clear();
    text.replace(text.find("p2.bmp"), 6, "gone.bmp");
    skintest::WriteFile(Dir.file("missing.ini"), text);
    EXPECT_THROW(d.LoadFromFile(Dir.file("missing.ini")), Exception);
    skintest::WriteFile(Dir.file("broken.bmp"), skintest::MakeBmp(4, 4, 1).substr(0, 40));
    text.replace(text.find("gone.bmp"), 8, "broken.bmp");
    skintest::WriteFile(Dir.file("broken.ini"), text);
    EXPECT_THROW(d.LoadFromFile(Dir.file("broken.ini")), Exception);
    EXPECT_TRUE(d.Log.empty());
    EXPECT_TRUE(Fingerprint(d) == before);
}

TEST_F(SkinDataTest, PropertyBroadcasts)
{
    RecordingSkinData d(nullptr);
    d.SetSkinnableForm(true);
    d.SetShowLayeredBorders(true);
    EXPECT_TRUE(d.Log.empty());
    d.SetSkinnableForm(false);
    d.SetShowLayeredBorders(false);
    TskResourceStrData store(nullptr);
    d.SetResourceStrData(&store);
    d.SetResourceStrData(&store);
    d.SetResourceStrData(nullptr);
    std::vector<UINT> sent;
    for (const auto& s : d.Log)
        sent.push_back(s.Message);
    EXPECT_EQ(sent, (std::vector<UINT>{SKM_SKINNABLECHANGED, SKM_LAYEREDBORDERSCHANGED, SKM_RESOURCESTRCHANGED,
                                       SKM_RESOURCESTRCHANGED, SKM_RESOURCESTRCHANGED}));

    d.Log.clear();
    d.BeginLoading();  // while the form is read, only the string store announces itself
    d.SetSkinnableForm(true);
    d.SetResourceStrData(&store);
    d.EndLoading();
    ASSERT_EQ(d.Log.size(), 1u);
    EXPECT_EQ(d.Log[0].Message, SKM_RESOURCESTRCHANGED);
}

TEST_F(SkinDataTest, FreedReferencesAreForgotten)
{
    TskSkinData d(nullptr);
    auto* list = new TskCompressedSkinList(nullptr);
    auto* store = new TskResourceStrData(nullptr);
    auto* stored = new TskCompressedStoredSkin(nullptr);
    d.SetSkinList(list);
    d.SetResourceStrData(store);
    d.SetCompressedStoredSkin(stored);
    list->Free();
    store->Free();
    stored->Free();
    EXPECT_EQ(d.SkinList(), nullptr);
    EXPECT_EQ(d.ResourceStrData(), nullptr);
    EXPECT_EQ(d.CompressedStoredSkin(), nullptr);
}

TEST_F(SkinDataTest, SaveAndStoreToDiskWriteAFolderThatLoadsTheSame)
{
    TskSkinData d(nullptr);
    d.LoadCompressedStoredSkin(&Sample);
    zdtest::TempDir out;
    skintest::WriteFile(out.file("skin.ini"), "[MINE]\r\nkeep=1\r\n");
    d.StoreToDisk(out.file("skin.ini"));
    const std::string ini = skintest::ReadFile(out.file("skin.ini"));
    EXPECT_NE(ini.find("[MINE]"), std::string::npos);
    EXPECT_TRUE(FileExists(out.file("p2.bmp")));

    TskSkinData back(nullptr);
    back.LoadFromFile(out.file("skin.ini"));
    EXPECT_EQ(BmpBytes(back.FActivePictures[1].get()), BmpBytes(d.FActivePictures[1].get()));
    EXPECT_EQ(BmpBytes(back.FMask.get()), BmpBytes(d.FMask.get()));
    EXPECT_EQ(back.GetControlIndex("gauge"), d.GetControlIndex("gauge"));
}

TEST_F(SkinDataTest, NumberedPicturesAddAndDelete)
{
    TskSkinData d(nullptr);
    d.LoadFromFile(Ini);
    d.AddBitMap(Dir.file("p1.bmp"));
    ASSERT_EQ(d.FActivePictures.size(), 4u);
    EXPECT_EQ(d.FActivePicturesNames.back(), "p1.bmp");
    d.DeleteBitMap(0);
    EXPECT_EQ(d.FActivePicturesNames.front(), "p1.bmp");
    EXPECT_EQ(d.FActivePictures.front()->GetWidth(), 16);
    EXPECT_THROW(d.DeleteBitMap(3), EListError);
}
