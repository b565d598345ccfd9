#include "app/main/BatchOutputs.h"

#include "app/main/AddReport.h"
#include "app/main/JobFileSystem.h"

#include "TestPaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

// The disk, but with folders that refuse new files.
class ReadOnlyFolders : public TJobFileSystem {
public:
    std::string readOnly;
    bool FileExists(const std::string& path) override { return disk.FileExists(path); }
    bool FolderExists(const std::string& path) override { return disk.FolderExists(path); }
    bool FolderWritable(const std::string& path) override { return path != readOnly && disk.FolderWritable(path); }
    std::optional<TFileIdentity> Identity(const std::string& path) override { return disk.Identity(path); }
    TJobFileSystem& disk = GetJobFileSystem();
};

void Touch(const std::string& path)
{
    std::ofstream(path) << "x";
}

}  // namespace

TEST(BatchOutputs, NamesAreUniqueOnDiskAndInTheBatch)
{
    zdtest::TempDir dir;
    Touch(dir.file("clip.mp4"));
    TBatchOutputNames names(dir.path(), false);
    EXPECT_EQ(names.Claim("clip.mp4"), "clip_1.mp4");
    EXPECT_EQ(names.Claim("clip.mp4"), "clip_2.mp4");
    EXPECT_EQ(names.Claim("clip_1.mp4"), "clip_1_1.mp4");
    EXPECT_EQ(names.Claim("other.mp4"), "other.mp4");
    EXPECT_EQ(names.PathOf("other.mp4"), dir.file("other.mp4"));

    TBatchOutputNames overwriting(dir.path(), true);
    EXPECT_EQ(overwriting.Claim("clip.mp4"), "clip.mp4");
    EXPECT_EQ(overwriting.Claim("clip.mp4"), "clip_1.mp4");
}

TEST(BatchOutputs, OutputFolderProblems)
{
    zdtest::TempDir dir;
    ReadOnlyFolders fs;
    fs.readOnly = dir.file("locked");
    std::filesystem::create_directory(fs.readOnly);
    SetJobFileSystem(&fs);
    EXPECT_FALSE(OutputFolderProblem(dir.path()));
    EXPECT_EQ(OutputFolderProblem(dir.file("gone")), "输出文件夹不存在：" + dir.file("gone"));
    EXPECT_EQ(OutputFolderProblem(""), std::string("输出文件夹不存在："));
    EXPECT_EQ(OutputFolderProblem(fs.readOnly), "输出文件夹无法写入：" + fs.readOnly);
    Touch(dir.file("plain"));
    EXPECT_TRUE(OutputFolderProblem(dir.file("plain")));
    SetJobFileSystem(nullptr);
}

TEST(BatchOutputs, TaskRowMapSkipsRowsWithoutTask)
{
    TTaskRowMap map;
    map.Tie(0, 0);
    map.Tie(1, 2);
    EXPECT_EQ(map.RowOf(0), 0);
    EXPECT_EQ(map.RowOf(1), 2);
    EXPECT_EQ(map.RowOf(2), -1);
    EXPECT_EQ(map.RowOf(-1), -1);
    map.Clear();
    EXPECT_EQ(map.RowOf(0), -1);
}

TEST(AddReport, NamesEveryLostFileWithItsReason)
{
    TAddReport report;
    EXPECT_TRUE(report.Empty());
    report.Lose("/in/a.avi", "Invalid data found when processing input\r\n");
    report.Lose("/in/b.avi", "");
    // A reason that starts with the file's own path names it once; another path stays.
    report.Lose("/in/f.avi", "/in/f.avi: Invalid data found when processing input");
    report.Lose("/in/g.avi", "/out/g.avi: Permission denied");
    report.Lose("/in/h.avi", "/in/h.avi: ");
    report.LoseRest({"/in/c.avi", "/in/d.avi", "/in/e.avi"}, 1);
    EXPECT_EQ(report.Message(), "以下文件没有添加：\n/in/a.avi: Invalid data found when processing input\n"
                                "/in/b.avi: 未知错误\n/in/f.avi: Invalid data found when processing input\n"
                                "/in/g.avi: /out/g.avi: Permission denied\n/in/h.avi: 未知错误\n"
                                "/in/d.avi: 添加已中止，没有处理\n/in/e.avi: 添加已中止，没有处理");
}
