#include "classlib/Streams.h"
#include "classlib/Strings.h"

#include "TestPaths.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> items(const TStrings& s)
{
    std::vector<std::string> r;
    for (int i = 0; i < s.Count(); ++i)
        r.push_back(s[i]);
    return r;
}

using V = std::vector<std::string>;

TEST(Strings, TextSplitsAtEveryLineBreakKind)
{
    TStringList l;
    l.SetText("a\r\nb\rc\nd");
    EXPECT_EQ(items(l), (V{"a", "b", "c", "d"}));
    EXPECT_EQ(l.Text(), "a\nb\nc\nd\n");
    l.SetText("x\n\n");
    EXPECT_EQ(items(l), (V{"x", ""}));
    l.SetLineBreak("\r\n");
    EXPECT_EQ(l.Text(), "x\r\n\r\n");
}

TEST(Strings, CommaAndDelimitedText)
{
    struct Case {
        std::string text;
        V parsed;
        std::string written;
    };
    const Case cases[] = {
        {"a,b,c", {"a", "b", "c"}, "a,b,c"},
        {"\"one two\",three", {"one two", "three"}, "\"one two\",three"},
        {"one two", {"one", "two"}, "one,two"},               // a blank separates outside quotes
        {"\"say \"\"hi\"\"\",x", {"say \"hi\"", "x"}, "\"say \"\"hi\"\"\",x"},
        {"a,,b", {"a", "", "b"}, "a,,b"},
        {"a,", {"a", ""}, "a,"},
        {"\"\"", {""}, "\"\""},
    };
    for (const Case& c : cases) {
        TStringList l;
        l.SetCommaText(c.text);
        EXPECT_EQ(items(l), c.parsed) << c.text;
        EXPECT_EQ(l.CommaText(), c.written) << c.text;
    }

    TStringList l;
    l.SetDelimiter(';');
    l.SetQuoteChar('\'');
    l.SetStrictDelimiter(true);
    l.SetDelimitedText("a b;'c;d';e");
    EXPECT_EQ(items(l), (V{"a b", "c;d", "e"}));
    EXPECT_EQ(l.DelimitedText(), "a b;'c;d';e");
}

TEST(Strings, NameValueAccess)
{
    TStringList l;
    l.SetText("Width=10\nheight=20\nnoequals\nTitle=a=b");
    EXPECT_EQ(l.Values("WIDTH"), "10");
    EXPECT_EQ(l.Values("Title"), "a=b");
    EXPECT_EQ(l.Names(3), "Title");
    EXPECT_EQ(l.Names(2), "");
    EXPECT_EQ(l.ValueFromIndex(1), "20");
    EXPECT_EQ(l.IndexOfName("Height"), 1);
    l.SetValue("Height", "30");
    EXPECT_EQ(l[1], "Height=30");
    l.SetValue("New", "1");
    EXPECT_EQ(l[4], "New=1");
    l.SetValue("Width", "");
    EXPECT_EQ(l.IndexOfName("Width"), -1);
    l.SetValueFromIndex(0, "40");
    EXPECT_EQ(l[0], "Height=40");
}

TEST(Strings, SortedListHonoursDuplicatesAndCase)
{
    TStringList l;
    l.SetSorted(true);
    l.Add("b");
    l.Add("C");
    l.Add("a");
    EXPECT_EQ(items(l), (V{"a", "b", "C"}));
    EXPECT_EQ(l.Add("B"), 1);  // dupIgnore: the existing index, nothing added
    EXPECT_EQ(l.Count(), 3);
    EXPECT_EQ(l.IndexOf("c"), 2);
    EXPECT_THROW(l.Insert(0, "x"), EListError);

    l.SetDuplicates(TDuplicates::dupError);
    EXPECT_THROW(l.Add("A"), EListError);
    l.SetCaseSensitive(true);
    EXPECT_EQ(l.IndexOf("c"), -1);
    l.Add("A");  // different case is no duplicate now
    EXPECT_EQ(l.Count(), 4);

    l.SetDuplicates(TDuplicates::dupAccept);
    l.Add("b");
    EXPECT_EQ(l.Count(), 5);
}

TEST(Strings, ObjectsTravelWithTheirLines)
{
    TObject o1, o2;
    TStringList l;
    l.AddObject("one", &o1);
    l.AddObject("two", &o2);
    l.Exchange(0, 1);
    EXPECT_EQ(l.Objects(0), &o2);
    l.Move(0, 1);
    EXPECT_EQ(l[1], "two");
    EXPECT_EQ(l.IndexOfObject(&o2), 1);
    TStringList copy;
    copy.Assign(&l);
    EXPECT_EQ(copy.Objects(1), &o2);
    EXPECT_THROW(l.Get(2), EListError);
    try {
        l.Delete(-1);
    } catch (const EListError& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (-1)");
    }
}

TEST(Strings, ChangeEventsOncePerUpdateBlock)
{
    TStringList l;
    int changing = 0, changed = 0;
    l.OnChanging = [&](TObject* s) { EXPECT_EQ(s, &l); ++changing; };
    l.OnChange = [&](TObject*) { ++changed; };
    l.Add("a");
    EXPECT_EQ(changing, 1);
    EXPECT_EQ(changed, 1);
    l.BeginUpdate();
    l.Add("b");
    l.Delete(0);
    l.EndUpdate();
    EXPECT_EQ(changing, 2);
    EXPECT_EQ(changed, 2);
    l.SetText("x\ny");  // one change for the whole text
    EXPECT_EQ(changed, 3);
}

TEST(Strings, FilesAreUtf8AndSkipAByteOrderMark)
{
    zdtest::TempDir dir;
    std::string name = dir.file("lines.txt");
    {
        std::ofstream f(name, std::ios::binary);
        f << "\xEF\xBB\xBF" << "输出\r\nzwei\r\n";
    }
    TStringList l;
    l.LoadFromFile(name);
    EXPECT_EQ(items(l), (V{"输出", "zwei"}));
    l.SaveToFile(name);
    TStringList back;
    back.LoadFromFile(name);
    EXPECT_EQ(items(back), items(l));
    EXPECT_THROW(l.LoadFromFile(dir.file("missing.txt")), EFOpenError);
}

} // namespace
