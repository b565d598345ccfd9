// Where outputs are written: the new file beside an existing one, even for the longest names, and
// the numbered names a stopped run's output is kept under.

#include "engine/OutputFiles.h"

#include "TestPaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

TEST(OutputFiles, NumberedNamesPutTheNumberBeforeTheExtension)
{
    const std::pair<const char*, const char*> cases[] = {
        {"dir/clip.mp4", "dir/clip_2.mp4"},
        {"dir.d/clip", "dir.d/clip_2"},
        {"dir/a.b.avi", "dir/a.b_2.avi"},
        {"clip.mp4", "clip_2.mp4"},
    };
    for (const auto& [path, numbered] : cases)
        EXPECT_EQ(numbered, NumberedFileName(path, 2)) << path;
}

// A name of 253 bytes of Chinese text: the replacing file's name stays a file name and whole
// characters; it takes the old file's permissions and, once settled, the old file's name.
TEST(OutputFiles, AReplacementOfALongNameIsMadeBesideIt)
{
    zdtest::TempDir dir;
    std::string longName;
    while (longName.size() + 3 <= 249)
        longName += "视";
    const std::string name = dir.file(longName + ".avi");
    std::ofstream(name) << "old";
    std::filesystem::permissions(name, std::filesystem::perms(0604));

    TOutputFile file;
    ASSERT_EQ(0, PrepareOutputFile(name, file));
    ASSERT_TRUE(file.Replaces());
    EXPECT_FALSE(file.Created);
    const std::filesystem::path writing(file.Writing);
    EXPECT_EQ(dir.path(), writing.parent_path().string());
    EXPECT_LE(writing.filename().string().size(), 255u);
    // Cut at a character's start: 66 whole characters.
    const std::string written = writing.filename().string();
    EXPECT_EQ('.', written.front());
    EXPECT_EQ(longName.substr(0, 198) + ".", written.substr(1, 199));
    EXPECT_EQ(std::filesystem::perms(0604), std::filesystem::status(writing).permissions());

    std::ofstream(file.Writing) << "new";
    const TOutputOutcome outcome = SettleOutputFile(file, TOutputEnd::Finished);
    EXPECT_EQ(0, outcome.Error);
    EXPECT_EQ("new", zdtest::contents(name));
    EXPECT_EQ(std::set<std::string>{longName + ".avi"}, zdtest::namesIn(dir.path()));
}

// A stopped run that wrote nothing keeps nothing.
TEST(OutputFiles, AnEmptyReplacementOfAStoppedRunGoes)
{
    zdtest::TempDir dir;
    const std::string name = dir.file("out.avi");
    std::ofstream(name) << "old";
    TOutputFile file;
    ASSERT_EQ(0, PrepareOutputFile(name, file));
    EXPECT_EQ("", SettleOutputFile(file, TOutputEnd::Stopped).KeptName);
    EXPECT_EQ(std::set<std::string>{"out.avi"}, zdtest::namesIn(dir.path()));
    EXPECT_EQ("old", zdtest::contents(name));
}

} // namespace
