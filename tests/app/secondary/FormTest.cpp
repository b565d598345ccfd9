// The form's handlers over fakes: creation, the selection cascade, the boxes' spot checks, OK and
// Cancel on the main window's fields, the output name and bad input.

#include "app/secondary/SecondaryCatalogue.h"
#include "platform/kernel/CommonErrors.h"
#include "tests/app/secondary/FakeSecondaryForm.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const std::vector<std::string> Key100Texts = {"保持原分辨率", "816 kbps", "25.00", "128 kbps", "44100", "保持原视频模式"};

std::vector<FakeFormatItem> ItemsOfCategory(int position)
{
    std::vector<FakeFormatItem> items;
    for (const TSecondaryFormat* f : SecondaryFormatsOfCategory(position))
        items.push_back({std::string(f->Title), std::string(f->Caption), f->ImageIndex});
    return items;
}

bool AllEnabled(const FakeSecondaryView& view)
{
    for (TParameterKind kind : ParameterFillOrder)
        if (!view.Box(kind).Enabled)
            return false;
    return true;
}

TEST(SecondaryForm, CreationFillsKey100AndWritesOnlyTheKeyAndTheMark)
{
    FakeSecondaryForm form(Untouched());
    EXPECT_EQ(Describe(form.Host.Fields),
              With(Describe(Untouched()), {{"All_Trant_Number", "100"}, {"DisableVideo", "False"}}));
    EXPECT_EQ(form.View.Formats.Items, ItemsOfCategory(0));
    EXPECT_EQ(form.View.Formats.Items.size(), 15u);
    EXPECT_EQ(form.View.Formats.Index, 0);
    EXPECT_EQ(form.Texts(), Key100Texts);
    EXPECT_TRUE(AllEnabled(form.View));
    EXPECT_EQ(form.Host.FolderReads, 0);
    EXPECT_EQ(form.Host.OverwriteReads, 0);
    EXPECT_EQ(form.View.Closes, 0);
}

TEST(SecondaryForm, ChoosingAndConfirmingAgain)
{
    FakeSecondaryForm form;
    form.ChooseCategory(1);
    EXPECT_EQ(form.Host.Fields.All_Trant_Number, 200);
    EXPECT_EQ(form.View.Formats.Items, ItemsOfCategory(1));
    for (TParameterKind kind : {pkResolution, pkVideoBitrate, pkScaling, pkFrameRate})
        EXPECT_FALSE(form.View.Box(kind).Enabled);
    EXPECT_TRUE(form.View.Box3.Enabled && form.View.Box10.Enabled);

    // The selected category again: the same list, its first format selected.
    form.ChooseFormat(4);
    EXPECT_EQ(form.Host.Fields.All_Trant_Number, 204);
    form.ChooseCategory(1);
    EXPECT_EQ(form.View.Formats.Index, 0);
    EXPECT_EQ(form.Host.Fields.All_Trant_Number, 200);
    EXPECT_EQ(form.View.Formats.Items, ItemsOfCategory(1));

    // The selected format again puts a changed box back to its default.
    form.ChooseCategory(0);
    EXPECT_TRUE(AllEnabled(form.View));
    form.View.Box2.SetItemIndex(0);
    EXPECT_EQ(form.View.Box2.Text, "128 kbps");
    form.ChooseFormat(0);
    EXPECT_EQ(form.Texts(), Key100Texts);

    form.Choose(1203);
    EXPECT_EQ(Describe(form.Host.Fields), With(Describe(MainWindowFields()), {{"All_Trant_Number", "1203"}}));
}

TEST(SecondaryForm, BoxesOfSingleKeys)
{
    const struct {
        int Key;
        std::vector<std::string> Texts;   // in fill order
        std::vector<std::size_t> Sizes;
        bool AudioOnly;
    } cases[] = {
        {109, {"176*144", "128 kbps", "12", "12 kbps", "8000", "保持原视频模式"}, {11, 15, 7, 6, 1, 2}, false},
        {212, {"该格式无视频", "无视频", "无视频", "7.4 kbps", "8000", "无视频"}, {1, 1, 1, 8, 1, 1}, true},
        {411, {"640*272", "768 kbps", "25.00", "128 kbps", "48000", "宽屏视频16:9模式"}, {12, 9, 10, 5, 4, 5}, false},
        {502, {"720*406", "768 kbps", "25.00", "128 kbps", "48000", "宽屏视频16:9模式"}, {13, 9, 10, 5, 4, 5}, false},
        {700, {"176*144", "128 kbps", "12", "12 kbps", "8000", "保持原视频模式"}, {11, 15, 7, 6, 1, 5}, false},
        {701, {"176*144", "128 kbps", "12", "48 kbps", "32000", "保持原视频模式"}, {11, 15, 7, 8, 7, 5}, false},
        {707, {"176*144", "160 kbps", "15", "48 kbps", "32000", "保持原视频模式"}, {13, 17, 8, 8, 7, 5}, false},
        {708, {"该格式无视频", "无视频", "无视频", "7.4 kbps", "8000", "无视频"}, {1, 1, 1, 8, 1, 1}, true},
        {709, {"176*144", "128 kbps", "12", "32 kbps", "32000", "保持原视频模式"}, {13, 17, 8, 9, 7, 5}, false},
        {906, {"1440*1080", "1800 kbps", "30.00", "128 kbps", "48000", "保持原视频模式"}, {4, 9, 10, 5, 4, 5}, false},
        {1000, {"480*272", "1000 kbps", "25.00", "128 kbps", "48000", "保持原视频模式"}, {5, 9, 10, 5, 4, 5}, false},
        {1007, {"640*480", "768 kbps", "25.00", "128 kbps", "48000", "保持原视频模式"}, {5, 9, 10, 5, 4, 5}, false},
        {1100, {"320*240", "816 kbps", "25.00", "128 kbps", "44100", "保持原视频模式"}, {19, 8, 12, 17, 6, 5}, false},
        {1202, {"该格式无视频", "无视频", "无视频", "128 kbps", "22050", "无视频"}, {1, 1, 1, 17, 3, 1}, true},
    };
    FakeSecondaryForm form;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Key);
        form.Choose(c.Key);
        EXPECT_EQ(form.Host.Fields.All_Trant_Number, c.Key);
        EXPECT_FALSE(form.Host.Fields.Scratch.Video_DisableVideo);
        EXPECT_EQ(form.Texts(), c.Texts);
        std::vector<std::size_t> sizes;
        for (TParameterKind kind : ParameterFillOrder)
            sizes.push_back(form.View.Box(kind).Items.size());
        EXPECT_EQ(sizes, c.Sizes);
        EXPECT_EQ(form.View.Box1.Enabled, !c.AudioOnly);
        EXPECT_EQ(form.View.Box2.Enabled, !c.AudioOnly);
        EXPECT_EQ(form.View.Box4.Enabled, !c.AudioOnly);
        EXPECT_EQ(form.View.Box9.Enabled, !c.AudioOnly);
        EXPECT_TRUE(form.View.Box3.Enabled && form.View.Box10.Enabled);
    }
}

TEST(SecondaryForm, OkWritesTheRowThenTheBoxesAndCloses)
{
    const TFieldTexts emptyTail = {{"NormType", ""}, {"CopyTimestamp", ""}, {"FileFormat", ""}, {"TargetType", ""}};
    const struct {
        int Key;
        TFieldTexts Written;   // and the empty tail
    } cases[] = {
        {100, {{"All_Trant_Number", "100"}, {"DisableVideo", "False"}, {"OutPutFileName", "/out/clip.avi"},
               {"FileExt", ".avi"}, {"VideoCodec", "mpeg4"}, {"VideoTag", "XVID"}, {"FrameRate", "25.00"},
               {"FrameSize", ""}, {"FrameAspectRatio", ""}, {"VideoFilters", ""}, {"VideoBitrate", "816000"},
               {"AudioCodec", "libmp3lame"}, {"AudioChannels", "2"}, {"AudioSampleRate", "44100"},
               {"AudioVolume", "256"}, {"AudioBitrate", "128000"}}},
        {212, {{"All_Trant_Number", "212"}, {"DisableVideo", "True"}, {"OutPutFileName", "/out/clip.amr"},
               {"FileExt", ".amr"}, {"AudioCodec", "libopencore_amrnb"}, {"AudioChannels", "1"},
               {"AudioSampleRate", "8000"}, {"AudioVolume", "256"}, {"AudioBitrate", "7400"},
               {"VideoBitrate", "-1000"}, {"FrameSize", ""}, {"FrameRate", ""}, {"FrameAspectRatio", ""}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Key);
        FakeSecondaryForm form;
        form.Choose(c.Key);
        form.Host.Fields = Untouched();
        form.Handlers.skSkinButton2Click();
        EXPECT_EQ(Describe(form.Host.Fields), With(With(Describe(Untouched()), c.Written), emptyTail));
        EXPECT_EQ(form.View.Closes, 1);
    }
}

TEST(SecondaryForm, CancelWritesNothing)
{
    FakeSecondaryForm form;
    form.Choose(212);
    form.Host.Fields = Untouched();
    form.Handlers.skSkinButton3Click();
    EXPECT_EQ(Describe(form.Host.Fields), Describe(Untouched()));
    EXPECT_EQ(form.View.Closes, 1);
    EXPECT_EQ(form.Host.FolderReads + form.Host.OverwriteReads, 0);
}

TEST(SecondaryForm, OutputNames)
{
    const struct {
        int Key;
        const char* Folder;
        const char* Input;
        std::set<std::string> Existing;
        bool Overwrite;
        const char* Expected;
        const char* FileExt;   // the row's, which may differ from the name's
    } cases[] = {
        {100, "/out", "/media/in/clip.wmv", {}, false, "/out/clip.avi", ".avi"},
        {100, "/out", "/media/in/clip.wmv", {"/out/clip.avi", "/out/clip_1.avi"}, false, "/out/clip_2.avi", ".avi"},
        {100, "/out", "/media/in/clip.wmv", {"/out/clip.avi", "/out/clip_1.avi"}, true, "/out/clip.avi", ".avi"},
        {100, "/out/", "/media/in/clip.wmv", {}, false, "/out//clip.avi", ".avi"},
        {100, "/out", "/media/in.d/clip", {}, false, "/out/clip.avi", ".avi"},
        {100, "/out", "/media/in/a:b.c.wmv", {}, false, "/out/a:b.c.avi", ".avi"},
        {100, "/out", "", {}, false, "/out/.avi", ".avi"},
        {206, "/out", "/media/in/clip.wmv", {}, false, "/out/clip.ra", ".rm"},
        {211, "/out", "/media/in/clip.wmv", {}, false, "/out/clip.m4a", ".alac"},
        {306, "/out", "/media/in/clip.wmv", {}, false, "/out/clip.wmv", ".asf"},
        {1203, "/out", "/media/in/clip.wmv", {"/out/clip.swf"}, false, "/out/clip_1.swf", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Expected);
        FakeSecondaryForm form;
        form.Choose(c.Key);
        form.Host.Folder = c.Folder;
        form.Host.Fields.Scratch.Video_AddFileName = c.Input;
        form.Existing = c.Existing;
        form.Host.Overwrite = c.Overwrite;
        form.Handlers.skSkinButton2Click();
        EXPECT_EQ(form.Host.Fields.Scratch.Video_OutPutFileName, c.Expected);
        EXPECT_EQ(form.Host.Fields.Scratch.Video_FileExt, c.FileExt);
    }
}

TEST(SecondaryForm, NameIsBuiltWhateverTheFolder)
{
    FakeSecondaryForm form;
    TSecondaryHandlers onDisk(form.View, form.Host);
    form.Host.Folder = "/no/such/folder";
    form.Host.Fields.Scratch.Video_AddFileName = "/media/in/clip.wmv";
    onDisk.Button5Click();
    EXPECT_EQ(form.Host.Fields.Scratch.Video_OutPutFileName, "/no/such/folder/clip.avi");

    std::filesystem::path folder = std::filesystem::temp_directory_path() / "secondary_form_names";
    std::filesystem::create_directories(folder / "clip.avi");   // a folder does not count as a file
    form.Host.Folder = folder.string();
    onDisk.Button5Click();
    EXPECT_EQ(form.Host.Fields.Scratch.Video_OutPutFileName, folder.string() + "/clip.avi");
    std::filesystem::remove_all(folder);
}

TEST(SecondaryForm, RowsLeaveWhatTheyDoNotName)
{
    FakeSecondaryForm form;
    form.Host.Fields.Scratch.Video_AddFileName = "/media/in/clip.wmv";
    form.Handlers.Button5Click();
    form.Choose(200);
    form.Handlers.Button5Click();
    const TScratchFields& s = form.Host.Fields.Scratch;
    EXPECT_TRUE(s.Video_DisableVideo);
    EXPECT_EQ(s.Video_VideoCodec, "mpeg4");
    EXPECT_EQ(s.Video_VideoBitrate, 816000);
    EXPECT_EQ(s.Video_FileExt, ".mp3");

    for (int key : {111, 112, 113, 1202, 1203}) {
        form.Choose(key);
        form.Host.Fields.Scratch.Video_FileExt = ".old";
        form.Handlers.Button5Click();
        EXPECT_EQ(form.Host.Fields.Scratch.Video_FileExt, ".old") << key;
    }
}

TEST(SecondaryForm, KeyWithoutRowOnlyCompletesTheName)
{
    const struct {
        const char* Previous;
        std::set<std::string> Existing;
        const char* Expected;
    } cases[] = {
        {"/elsewhere/old.mp4", {"/out/old.mp4"}, "/out/old_1.mp4"},
        {"", {}, "/out/"},
    };
    for (const auto& c : cases) {
        FakeSecondaryForm form;
        form.Choose(409);
        form.Host.Fields = Untouched();
        form.Host.Fields.Scratch.Video_OutPutFileName = c.Previous;
        form.Existing = c.Existing;
        TFieldTexts expected = With(Describe(form.Host.Fields), {{"All_Trant_Number", "409"},
                                                                 {"DisableVideo", "False"},
                                                                 {"OutPutFileName", c.Expected}});
        form.Handlers.Button5Click();
        EXPECT_EQ(Describe(form.Host.Fields), expected);
    }
}

TEST(SecondaryForm, ResetKeepsTheInputAndTheKey)
{
    FakeSecondaryForm form;
    form.Host.Fields = Untouched();
    form.Handlers.Button6Click();
    EXPECT_EQ(Describe(form.Host.Fields),
              With(Describe(MainWindowFields()), {{"All_Trant_Number", "555"}, {"AddFileName", "/media/in/clip.wmv"}}));
}

TEST(SecondaryForm, CategoryOutsideTheBoxLeavesEverythingEmpty)
{
    for (int category : {12, -1, 40}) {
        SCOPED_TRACE(category);
        FakeSecondaryForm form;
        form.ChooseCategory(category);
        EXPECT_TRUE(form.View.Formats.Items.empty());
        EXPECT_EQ(form.Host.Fields.All_Trant_Number, (category + 1) * 100 - 1);
        for (TParameterKind kind : ParameterFillOrder) {
            EXPECT_TRUE(form.View.Box(kind).Items.empty());
            EXPECT_TRUE(form.View.Box(kind).Enabled);
        }
        form.Handlers.skSkinButton2Click();
        EXPECT_EQ(form.Host.Fields.Scratch.Video_OutPutFileName, "/out/");
    }
}

TEST(SecondaryForm, BitRateThatIsNoNumberStopsTheConfirmation)
{
    const struct {
        TParameterKind Box;
        TFieldTexts Written;   // by the steps before the failing one
    } cases[] = {
        {pkVideoBitrate, {{"FrameSize", ""}, {"FrameRate", "25.00"}}},
        {pkAudioBitrate,
         {{"FrameSize", ""}, {"FrameRate", "25.00"}, {"VideoBitrate", "816000"}, {"AudioSampleRate", "44100"}}},
    };
    for (const auto& c : cases) {
        FakeSecondaryForm form;
        form.View.Box(c.Box).Text = "many kbps";
        form.Host.Fields = Untouched();
        EXPECT_THROW(form.Handlers.Button13Click(), EConvertError);
        EXPECT_EQ(Describe(form.Host.Fields), With(Describe(Untouched()), c.Written));
        EXPECT_THROW(form.Handlers.skSkinButton2Click(), EConvertError);
        EXPECT_EQ(form.View.Closes, 0);
    }
}

}  // namespace
