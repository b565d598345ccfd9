// The form's own catalogue: its twelve categories, the formats of each, titles as the user sees
// them and the image index rule.

#include "app/secondary/SecondaryCatalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(SecondaryCatalogue, CategoriesAreTheirOwnCodesWithTheirFormats)
{
    const std::vector<std::string> captions = {"常用视频", "常用音频", "HD视频", "iPod视频", "iPhone视频", "PSP视频",
                                               "3GP视频", "APPLE视频", "XboX视频", "PMP视频", "MP4视频", "Flash视频"};
    const std::vector<int> counts = {15, 13, 10, 14, 6, 5, 14, 5, 10, 8, 5, 4};
    const auto& categories = SecondaryCategories();
    ASSERT_EQ(categories.size(), 12u);
    int total = 0;
    for (std::size_t i = 0; i < categories.size(); ++i) {
        const TCategory& c = categories[i];
        SCOPED_TRACE(c.Caption);
        EXPECT_EQ(c.Position, static_cast<int>(i));
        EXPECT_EQ(c.Code, c.Position);
        EXPECT_EQ(c.Caption, captions[i]);
        EXPECT_EQ(c.Formats, counts[i]);
        auto formats = SecondaryFormatsOfCategory(c.Position);
        ASSERT_EQ(static_cast<int>(formats.size()), c.Formats);
        for (int p = 0; p < c.Formats; ++p)
            EXPECT_EQ(formats[static_cast<std::size_t>(p)]->Key, (c.Position + 1) * 100 + p);
        EXPECT_EQ(FindSecondaryFormat((c.Position + 1) * 100 + c.Formats), nullptr);
        total += c.Formats;
    }
    EXPECT_EQ(total, 109);
    EXPECT_EQ(SecondaryFormats().size(), 109u);
    EXPECT_TRUE(SecondaryFormatsOfCategory(-1).empty());
    EXPECT_TRUE(SecondaryFormatsOfCategory(12).empty());
}

TEST(SecondaryCatalogue, ImageIndexesFollowTheCategoryRule)
{
    for (const TSecondaryFormat& f : SecondaryFormats()) {
        int category = f.Key / 100 - 1;
        int position = f.Key % 100;
        SCOPED_TRACE(f.Key);
        if (category <= 1)
            EXPECT_EQ(f.ImageIndex, position);
        else if (category <= 6)
            EXPECT_TRUE(f.ImageIndex == 20 || f.ImageIndex == 21);
        else
            EXPECT_EQ(f.ImageIndex, position <= 4 ? 22 + position : 21);
        EXPECT_FALSE(f.Caption.empty());
    }
    // Categories 2 to 6 list theirs one by one.
    const std::pair<int, int> listed[] = {{300, 20}, {301, 21}, {400, 20}, {502, 20}, {503, 21}, {504, 20},
                                          {602, 20}, {604, 20}, {700, 20}, {702, 21}, {704, 20}, {706, 20}};
    for (auto [key, image] : listed)
        EXPECT_EQ(FindSecondaryFormat(key)->ImageIndex, image) << key;
}

TEST(SecondaryCatalogue, TitlesAndCaptionsAsShown)
{
    const struct {
        int Key;
        const char* Title;
        const char* Caption;   // nullptr: authored
    } cases[] = {
        {100, "AVI - 音频视频交错格式(*.avi)", "AVI最常用的视频格式,语音和影像同步组合在一起的文件格式"},
        {202, "WAV - 波形音频格式(*.wav) ", nullptr},
        {211, "ALAC-Apple Lossless无损音频格式(*.alac) ", nullptr},
        {300, "高清AVI视频格式(*.avi)", "高清晰AVI视频格式(DivX视频编码)"},
        {301, "高清AVI视频格式(*.avi)", "高清晰AVI视频格式(XviD视频编码)"},
        {500, "iPhone MPEG-4视频(*.mp4)", nullptr},
        {505, "iPhone MPEG-4视频(480X320)(*.mp4)", nullptr},
        {700, "3GPP -  第三代合作项目-3GP视频+AMR音频(*.3gp)", nullptr},
        {702, "3GPP2 -  第三代合作项目2-3G2视频+AMR音频(*.3g2))", nullptr},
        {703, "3GPP2 -  第三代合作项目2-3G2视频+AAC音频(*.3g2)", nullptr},
        {710, "各种手机常用的MP4视频(*.mp4)", "为常用手机优化的MP4视频预置方案.(如索爱/三星/摩托罗拉等)"},
        {713, "各种手机常用的MP4视频(*.mp4)", "为手机优化的MP4视频预置方案."},
        {901, "Xbox360 MCE HD MPEG-2视频(*.mpg)", "为Xbox360优化的高清晰MPEG-2视频预置方案."},
        {902, "Xbox360 MCE HD MPEG-2视频(*.mpg)", "为Xbox360优化的高清晰MPEG-2视频预置方案."},
        {907, "Xbox360 MCE 高清晰AVI视频(*.avi)", "为Xbox360优化的AVI视频预置方案.(高清晰)."},
        {908, "Xbox360 MCE 高清晰AVI视频(*.avi)", "为Xbox360优化的AVI视频预置方案.(微软编码1)."},
        {909, "Xbox360 MCE 高清晰AVI视频(*.avi)", "为Xbox360优化的AVI视频预置方案.(微软编码2)."},
        {1003, "Zune MPEG-4 AVC视频(*.mp4)", "为微软Zune优化的MPEG-4 AVC视频预置方案"},
        {1004, "Zune MPEG-4 AVC视频(*.mp4)", "为微软Zune优化的MPEG-4 AVC视频预置方案"},
        {1202, "FLV在线网络音频格式(*.flv)", "在线视频网站常用的视频预置方案如(优酷、酷六、土豆网)(音频格式)"},
        {1203, "SWF动画视频FLASH动画音频格式(*.swf)", nullptr},
    };
    for (const auto& c : cases) {
        const TSecondaryFormat* f = FindSecondaryFormat(c.Key);
        ASSERT_NE(f, nullptr) << c.Key;
        EXPECT_EQ(f->Title, c.Title) << c.Key;
        if (c.Caption) {
            EXPECT_EQ(f->Caption, c.Caption) << c.Key;
        }
    }
}

}  // namespace
