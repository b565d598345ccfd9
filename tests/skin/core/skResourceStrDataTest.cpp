#include "skin/core/skResourceStrData.h"

#include <gtest/gtest.h>

#include <set>

TEST(skResourceStrData, DefaultsHold131DistinctKeysAndCharSetOne)
{
    TskResourceStrData store(nullptr);
    ASSERT_EQ(store.ResStrings()->Count(), 131);
    EXPECT_EQ(store.CharSet(), 1);
    std::set<std::string> keys;
    for (int i = 0; i < store.ResStrings()->Count(); ++i)
        keys.insert(store.ResStrings()->Names(i));
    EXPECT_EQ(keys.size(), 131u);

    struct Case {
        const char* Key;
        const char* Text;
    } cases[] = {{"mi_closecaption", "&Close"}, {"MSG_BTN_OK", "OK"}, {"FLV_LOOKIN", "Look in: "},
                 {"MSG_BTN_NOTOALL", "N&oToAll"}, {"EDIT_SELECTALL", "Select All"}, {"RESTORE_HINT", "Restore"}};
    for (const auto& c : cases)
        EXPECT_EQ(store.GetResStr(c.Key), c.Text) << c.Key;
    EXPECT_NE(store.GetResStr("DBNAV_REFRESH"), "");
}

TEST(skResourceStrData, LookUpRules)
{
    TskResourceStrData store(nullptr);
    TStringList lines;
    lines.SetText("A=one=two\nb=first\nB=second\nnoequals\n=empty key\n");
    store.SetResStrings(&lines);
    EXPECT_EQ(store.ResStrings()->Count(), 5);
    EXPECT_EQ(store.GetResStr("a"), "one=two");
    EXPECT_EQ(store.GetResStr("B"), "first");
    EXPECT_EQ(store.GetResStr("noequals"), "");
    EXPECT_EQ(store.GetResStr("MSG_BTN_OK"), "");
    EXPECT_EQ(store.GetResStr(""), "empty key");
}
