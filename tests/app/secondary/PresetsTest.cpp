// The form's lists and key table: its own six lists item for item, the shared ones by identity,
// and every key's row against the catalogue and its lists.

#include "app/secondary/SecondaryCatalogue.h"
#include "app/secondary/SecondaryPresets.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

std::vector<std::string> ItemsOf(std::string_view label)
{
    const TOptionList* list = FindSecondaryList(label);
    if (!list)
        return {};
    return {list->Items.begin(), list->Items.end()};
}

TEST(SecondaryPresets, OwnListsItemForItem)
{
    const struct {
        const char* Label;
        std::vector<std::string> Items;
    } cases[] = {
        {"R9", {"112*96", "128*96", "160*112", "160*120", "176*144", "192*144", "208*176", "220*176", "320*208",
                "320*224", "320*240", "352*288", "480*360"}},
        {"R17", {"160*120", "320*240", "480*272", "640*480", "720*480"}},
        {"R18", {"320*240", "640*480"}},
        {"V10", {"8 kbps", "16 kbps", "24 kbps", "32 kbps", "48 kbps", "56 kbps", "64 kbps", "80 kbps", "96 kbps",
                 "128 kbps", "160 kbps", "192 kbps", "256 kbps", "320 kbps", "384 kbps", "512 kbps", "600 kbps"}},
        {"F7", {"1", "2", "3", "5", "10", "12", "15", "25"}},
        {"A6", {"32 kbps", "48 kbps", "56 kbps", "64 kbps", "80 kbps", "96 kbps", "112 kbps", "116 kbps",
                "128 kbps"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ItemsOf(c.Label), c.Items) << c.Label;
}

TEST(SecondaryPresets, FiftyLabelsOfWhichFortyFourAreTheSharedLists)
{
    const std::pair<char, int> kinds[] = {{'R', 19}, {'V', 10}, {'F', 7}, {'A', 6}, {'S', 5}, {'M', 3}};
    const auto& shared = OptionLists();
    std::set<const TOptionList*> distinct;
    int own = 0;
    for (auto [letter, count] : kinds)
        for (int n = 1; n <= count; ++n) {
            std::string label = letter + std::to_string(n);
            const TOptionList* list = FindSecondaryList(label);
            ASSERT_NE(list, nullptr) << label;
            distinct.insert(list);
            bool isShared = list >= shared.data() && list < shared.data() + shared.size();
            own += isShared ? 0 : 1;
        }
    EXPECT_EQ(distinct.size(), 50u);
    EXPECT_EQ(own, 6);
    // Labels that name another of the main window's lists.
    const std::pair<const char*, const char*> renamed[] = {{"R7", "R8"}, {"R8", "R12"}, {"R10", "R13"}, {"R15", "R18"},
                                                           {"R16", "R11"}, {"V9", "V14"}, {"M1", "Z1"}, {"M3", "Z3"}};
    for (auto [label, id] : renamed)
        EXPECT_EQ(FindSecondaryList(label), FindOptionList(id)) << label;
    EXPECT_EQ(FindSecondaryList("R19"), FindOptionList("R19"));
    for (const char* unknown : {"R20", "V11", "F8", "A7", "S6", "M4", "Z1", ""})
        EXPECT_EQ(FindSecondaryList(unknown), nullptr) << unknown;
}

TEST(SecondaryPresets, EveryCatalogueKeyHasARowWithinItsLists)
{
    const auto& rows = SecondaryPresets();
    ASSERT_EQ(rows.size(), SecondaryFormats().size());
    const char kindLetter[] = {'R', 'V', 'F', 'A', 'S', 'M'};
    std::set<int> audioOnly;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const TSecondaryPreset& row = rows[i];
        SCOPED_TRACE(row.Key);
        EXPECT_EQ(row.Key, SecondaryFormats()[i].Key);
        for (std::size_t box = 0; box < row.Choices.size(); ++box) {
            const TPresetChoice& choice = row.Choices[box];
            EXPECT_EQ(choice.List.front(), kindLetter[box]);
            const TOptionList* list = FindSecondaryList(choice.List);
            ASSERT_NE(list, nullptr) << choice.List;
            EXPECT_GE(choice.Position, 0);
            EXPECT_LT(choice.Position, static_cast<int>(list->Items.size()));
        }
        EXPECT_EQ(row.Choices[5].Position, row.Key == 411 || row.Key == 502 ? 2 : 0);
        if (row.AudioOnly) {
            audioOnly.insert(row.Key);
            const std::string noVideo[] = {"R3", "V6", "F3", "M3"};
            for (std::size_t box : {0u, 1u, 2u})
                EXPECT_EQ(row.Choices[box].List, noVideo[box]);
            EXPECT_EQ(row.Choices[5].List, "M3");
        }
    }
    std::set<int> expected{708, 1202, 1203};
    for (int key = 200; key <= 212; ++key)
        expected.insert(key);
    EXPECT_EQ(audioOnly, expected);
    EXPECT_EQ(FindSecondaryPreset(409)->Choices[0].List, "R6");
    EXPECT_EQ(FindSecondaryPreset(115), nullptr);
    EXPECT_EQ(FindSecondaryPreset(1300), nullptr);
}

}  // namespace
