#include "platform/kernel/AppPath.h"
#include "platform/kernel/DynLib.h"
#include "platform/kernel/Environment.h"

#include <gtest/gtest.h>


TEST(DynLib, LoadsBindsAndReportsTheSystemsErrorText)
{
    std::string error;
    LibHandle libm = LoadLibraryFile("libm.so.6", &error);
    ASSERT_NE(nullptr, libm) << error;
    auto cosine = reinterpret_cast<double (*)(double)>(GetLibrarySymbol(libm, "cos", &error));
    ASSERT_NE(nullptr, cosine);
    EXPECT_DOUBLE_EQ(1.0, cosine(0.0));

    EXPECT_EQ(nullptr, GetLibrarySymbol(libm, "zd_no_such_entry", &error));
    EXPECT_NE(std::string::npos, error.find("zd_no_such_entry")) << error;
    FreeLibraryFile(libm);

    EXPECT_EQ(nullptr, LoadLibraryFile("libzd-missing.so.1", &error));
    EXPECT_NE(std::string::npos, error.find("libzd-missing.so.1")) << error;
}

TEST(Environment, SetGetUnset)
{
    UnsetEnv("ZD_TEST_VARIABLE");
    EXPECT_FALSE(GetEnv("ZD_TEST_VARIABLE").has_value());
    SetEnv("ZD_TEST_VARIABLE", "视频=1");
    EXPECT_EQ("视频=1", GetEnv("ZD_TEST_VARIABLE").value_or(""));
    SetEnv("ZD_TEST_VARIABLE", "");
    EXPECT_EQ("", GetEnv("ZD_TEST_VARIABLE").value_or("unset"));
    UnsetEnv("ZD_TEST_VARIABLE");
    EXPECT_FALSE(GetEnv("ZD_TEST_VARIABLE").has_value());
}

TEST(AppPath, ExecutableAndFolderWithTestSeam)
{
    std::string path = GetExecutablePath();
    EXPECT_EQ('/', path.front());
    EXPECT_NE(std::string::npos, path.find("platform_tests"));
    EXPECT_EQ(path.substr(0, path.rfind('/') + 1), GetExecutableFolder());

    SetExecutablePathForTests("/opt/视频/bin/app");
    EXPECT_EQ("/opt/视频/bin/app", GetExecutablePath());
    EXPECT_EQ("/opt/视频/bin/", GetExecutableFolder());
    SetExecutablePathForTests("");
    EXPECT_EQ(path, GetExecutablePath());
}
