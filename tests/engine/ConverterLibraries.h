#pragma once
// Tests that need the converter's libraries: loaded from the system with the log callback, and
// a logger of the test's own (so no ownerless process logger outlives the test).

#include "engine/FFmpegLoader.h"
#include "engine/FFmpegLogger.h"

#include <gtest/gtest.h>

class ConverterLibrariesTest : public testing::Test {
protected:
    void SetUp() override
    {
        FFLoader().SetInstallLogger(true);
        ASSERT_TRUE(FFLoader().Load(ConverterLibraries)) << FFLoader().GetLastErrMsg();
    }

    TFFLogger logger;
};
