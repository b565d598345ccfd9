#include "app/main/Snapshots.h"

#include "app/main/OptionIni.h"

#include "classlib/Bitmap.h"
#include "classlib/GifImage.h"
#include "classlib/JpegImage.h"
#include "classlib/PngImage.h"
#include "classlib/SysUtils.h"
#include "MainFormSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>

namespace {

// A private user (HOME and XDG_CONFIG_HOME in a temporary folder); no window is made.
class SnapshotsTest : public MainFormTest {
protected:
    std::string Stored(const char* key) { return ReadOption("SnapShot", key); }
    void Store(const char* key, const std::string& value) { WriteOption("SnapShot", key, value); }

    const std::string defaultFolder = Home() + "/Velkor视频软件/快照";
};

// A 6 x 4 picture with a distinct colour in each corner.
TFFPicture Picture()
{
    TFFPicture p;
    p.Width = 6;
    p.Height = 4;
    p.Pixels.assign(6 * 4 * 4, 0);
    for (int i = 0; i < 6 * 4; ++i) {
        p.Pixels[i * 4 + 0] = 200;  // blue
        p.Pixels[i * 4 + 1] = 40;
        p.Pixels[i * 4 + 2] = 10;
        p.Pixels[i * 4 + 3] = 0;    // the player's alpha carries nothing
    }
    return p;
}

TEST_F(SnapshotsTest, WithoutSettingsFileTheDefaultsAreWrittenAndABitmapSaved)
{
    EXPECT_EQ(DefaultSnapshotFolder(), defaultFolder);
    const TSnapshotResult result = TakeSnapshot(Picture(), "/films/clip.mp4", FileExists);
    const std::string& saved = result.fileName;
    EXPECT_EQ(result.type, TSnapshotType::BMP);
    EXPECT_EQ(saved, defaultFolder + "/clip_1.bmp");
    EXPECT_TRUE(DirectoryExists(defaultFolder));
    EXPECT_EQ(Stored("Dir"), defaultFolder);
    EXPECT_EQ(Stored("Picture"), "BMP");
    TBitmap back;
    back.LoadFromFile(saved);
    EXPECT_EQ(back.GetWidth(), 6);
    EXPECT_EQ(back.GetHeight(), 4);
    EXPECT_EQ(back.GetPixelColor(5, 3), static_cast<COLORREF>(10 | 40 << 8 | 200 << 16));
}

TEST_F(SnapshotsTest, EmptyPictureSavesNothingButStillResolves)
{
    Store("Picture", "PNG");
    const TSnapshotResult result = TakeSnapshot(TFFPicture{}, "/films/clip.mp4", FileExists);
    EXPECT_EQ(result.fileName, "");
    EXPECT_EQ(result.type, TSnapshotType::PNG);
    EXPECT_EQ(Stored("Dir"), defaultFolder);
    EXPECT_TRUE(DirectoryExists(defaultFolder));
    EXPECT_FALSE(FileExists(defaultFolder + "/clip_1.png"));
}

TEST_F(SnapshotsTest, StoredValuesAndTheirReplacements)
{
    struct Case {
        const char* stored;
        TSnapshotType type;
        const char* after;
    } cases[] = {
        {"JPG", TSnapshotType::JPG, "JPG"}, {"GIF", TSnapshotType::GIF, "GIF"},
        {"PNG", TSnapshotType::PNG, "PNG"}, {"BMP", TSnapshotType::BMP, "BMP"},
        {"jpg", TSnapshotType::BMP, "BMP"}, {"", TSnapshotType::BMP, "BMP"},
        {"Error", TSnapshotType::BMP, "BMP"}, {"TIFF", TSnapshotType::BMP, "BMP"},
    };
    for (const Case& c : cases) {
        Store("Picture", c.stored);
        EXPECT_EQ(ResolveSnapshotType(), c.type) << c.stored;
        EXPECT_EQ(Stored("Picture"), c.after) << c.stored;
    }

    const std::string stored = dir.file("elsewhere/deeper");
    Store("Dir", stored);
    EXPECT_EQ(ResolveSnapshotFolder(), stored);
    EXPECT_TRUE(DirectoryExists(stored));
    Store("Dir", "Error");
    EXPECT_EQ(ResolveSnapshotFolder(), defaultFolder);
    EXPECT_EQ(Stored("Dir"), defaultFolder);

    WriteSnapshotFolder(dir.file("missing"));
    EXPECT_EQ(Stored("Dir"), defaultFolder);
    WriteSnapshotFolder(stored);
    EXPECT_EQ(Stored("Dir"), stored);
}

TEST_F(SnapshotsTest, NumbersAreTheFirstFreeOnesPerExtension)
{
    std::set<std::string> present;
    auto exists = [&present](const std::string& name) { return present.count(name) > 0; };
    EXPECT_EQ(SnapshotFileName("/s", "/films/clip.mp4", TSnapshotType::JPG, exists), "/s/clip_1.jpg");
    present = {"/s/clip_1.jpg"};
    EXPECT_EQ(SnapshotFileName("/s", "/films/clip.mp4", TSnapshotType::JPG, exists), "/s/clip_2.jpg");
    present = {"/s/clip_2.jpg"};
    EXPECT_EQ(SnapshotFileName("/s", "/films/clip.mp4", TSnapshotType::JPG, exists), "/s/clip_1.jpg");
    present = {"/s/clip_1.bmp"};
    EXPECT_EQ(SnapshotFileName("/s", "/films/clip.mp4", TSnapshotType::PNG, exists), "/s/clip_1.png");
    EXPECT_EQ(SnapshotFileName("/s", "/a.b.mp4", TSnapshotType::BMP, exists), "/s/a.b_1.bmp");
    EXPECT_EQ(SnapshotFileName("/s", "/films/noext", TSnapshotType::GIF, exists), "/s/noext_1.gif");
}

TEST_F(SnapshotsTest, EveryTypeIsReadBackAtTheFrameSize)
{
    struct Case {
        TSnapshotType type;
        TGraphic* reader;
    } cases[] = {
        {TSnapshotType::BMP, new TBitmap}, {TSnapshotType::JPG, new TJPEGImage},
        {TSnapshotType::GIF, new TGIFImage}, {TSnapshotType::PNG, new TPngImage},
    };
    for (const Case& c : cases) {
        std::unique_ptr<TGraphic> reader(c.reader);
        const std::string name = dir.file("frame" + SnapshotExtension(c.type));
        SaveSnapshotPicture(Picture(), c.type, name);
        reader->LoadFromFile(name);
        EXPECT_EQ(reader->GetWidth(), 6) << name;
        EXPECT_EQ(reader->GetHeight(), 4) << name;
        const std::uint32_t pixel = reader->GetDibData().PixelARGB(3, 2);
        EXPECT_NEAR(static_cast<int>(pixel & 0xff), 200, 8) << name;  // blue
        EXPECT_EQ(pixel >> 24, 0xffu) << name;                          // opaque
    }
}

TEST_F(SnapshotsTest, JpegIsBaseline)
{
    const std::string name = dir.file("frame.jpg");
    SaveSnapshotPicture(Picture(), TSnapshotType::JPG, name);
    std::ifstream in(name, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(bytes.find("\xff\xc0"), std::string::npos);  // baseline frame header
    EXPECT_EQ(bytes.find("\xff\xc2"), std::string::npos);  // no progressive one
}

TEST_F(SnapshotsTest, UnwritableFolderRaises)
{
    EXPECT_ANY_THROW(SaveSnapshotPicture(Picture(), TSnapshotType::PNG, dir.file("no/such/folder/x.png")));
}

}  // namespace
