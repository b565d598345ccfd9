// The preset filler on fake boxes that keep the combo box's rules and log what happens to them.

#include "app/presets/ParameterBoxes.h"
#include "tests/app/presets/FakeParameterBox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class Filler : public ::testing::Test {
protected:
    // Runs the filler; the events after the clearing.
    std::vector<std::string> Fill(int categoryPosition, int formatPosition)
    {
        Log.clear();
        FillParameterBoxes(Boxes, categoryPosition, formatPosition);
        std::vector<std::string> events;
        for (const std::string& e : Log)
            if (e.rfind("clear ", 0) != 0)
                events.push_back(e);
        return events;
    }
    std::vector<std::string> Texts() const
    {
        return {Box1.Text, Box2.Text, Box9.Text, Box3.Text, Box10.Text, Box4.Text};
    }

    std::vector<std::string> Log;
    FakeParameterBox Box1{"1", Log}, Box2{"2", Log}, Box3{"3", Log}, Box4{"4", Log}, Box9{"9", Log}, Box10{"10", Log};
    TParameterBoxes Boxes{&Box1, &Box2, &Box3, &Box4, &Box9, &Box10};
};

TEST_F(Filler, StartUpFillsAndRaisesEveryHandlerInFillOrder)
{
    EXPECT_EQ(Fill(0, 0), (std::vector<std::string>{"change 1", "change 2", "change 9", "change 3", "change 10",
                                                     "change 4"}));
    EXPECT_EQ(Texts(), (std::vector<std::string>{"保持原分辨率", "816 kbps", "25.00", "128 kbps", "44100",
                                                 "保持原视频模式"}));
    EXPECT_EQ(Box1.Items.size(), 28u);
    EXPECT_EQ(Box1.Index, 0);
    EXPECT_EQ(Box9.Index, 9);
}

TEST_F(Filler, ClearsThenEnablesInBoxOrderBeforeFilling)
{
    Fill(1, 0);
    Fill(0, 0);
    std::vector<std::string> head(Log.begin(), Log.begin() + 10);
    EXPECT_EQ(head, (std::vector<std::string>{"clear 1", "clear 2", "clear 3", "clear 4", "clear 9", "clear 10",
                                              "enable 1", "enable 2", "enable 4", "enable 9"}));
}

TEST_F(Filler, OnlyChangedTextsRaiseTheirHandlers)
{
    struct Case {
        int FromCategory, FromFormat, ToCategory, ToFormat;
        std::vector<std::string> Events;
    };
    const Case cases[] = {
        {0, 0, 0, 1, {"change 2"}},
        {0, 0, 1, 0, {"change 1", "change 2", "change 9", "change 4", "disable 1", "disable 2", "disable 4",
                      "disable 9"}},
        {0, 5, 0, 5, {}},
        {1, 0, 0, 0, {"enable 1", "enable 2", "enable 4", "enable 9", "change 1", "change 2", "change 9",
                      "change 4"}},
        {0, 0, 31, 12, {"change 1", "change 2", "change 9"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.ToCategory << "/" << c.ToFormat);
        Fill(c.FromCategory, c.FromFormat);
        EXPECT_EQ(Fill(c.ToCategory, c.ToFormat), c.Events);
    }
}

TEST_F(Filler, AudioOnlyRowDisablesTheFourVideoBoxes)
{
    Fill(1, 12);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"该格式无视频", "无视频", "无视频", "7.4 kbps", "8000", "无视频"}));
    EXPECT_EQ(Box3.Index, 4);
    EXPECT_FALSE(Box1.Enabled);
    EXPECT_FALSE(Box2.Enabled);
    EXPECT_FALSE(Box4.Enabled);
    EXPECT_FALSE(Box9.Enabled);
    EXPECT_TRUE(Box3.Enabled);
    EXPECT_TRUE(Box10.Enabled);
    EXPECT_EQ(Box1.Items, std::vector<std::string>{"该格式无视频"});
}

// A handler that runs while the filler works sees the boxes before it complete and the ones
// after it still empty.
TEST_F(Filler, BoxIsCompleteBeforeTheNextIsFilled)
{
    Fill(0, 0);
    std::vector<std::size_t> laterSizes;
    struct Watching : FakeParameterBox {
        using FakeParameterBox::FakeParameterBox;
        std::function<void()> OnChange;
        void SetItemIndex(int index) override
        {
            std::string before = Text;
            FakeParameterBox::SetItemIndex(index);
            if (Text != before && OnChange)
                OnChange();
        }
    } box2{"2", Log};
    box2.OnChange = [&] { laterSizes = {Box1.Items.size(), Box9.Items.size(), Box3.Items.size()}; };
    Boxes[pkVideoBitrate] = &box2;
    Fill(0, 0);
    EXPECT_EQ(laterSizes, (std::vector<std::size_t>{28u, 0u, 0u}));
}

TEST_F(Filler, KeyWithoutRowLeavesSixEmptyEnabledBoxes)
{
    const std::pair<int, int> cases[] = {{0, -1}, {0, 15}, {32, 0}, {-1, 0}};
    for (auto [category, format] : cases) {
        SCOPED_TRACE(testing::Message() << category << "/" << format);
        Fill(1, 0);
        auto texts = Texts();
        EXPECT_EQ(Fill(category, format), (std::vector<std::string>{"enable 1", "enable 2", "enable 4", "enable 9"}));
        for (FakeParameterBox* box : {&Box1, &Box2, &Box3, &Box4, &Box9, &Box10}) {
            EXPECT_TRUE(box->Items.empty());
            EXPECT_EQ(box->Index, -1);
            EXPECT_TRUE(box->Enabled);
        }
        EXPECT_EQ(Texts(), texts);
    }
}

}  // namespace
