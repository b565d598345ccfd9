#pragma once
// The converter's libraries for a test, loaded from the system with the log callback installed.

#include "engine/FFmpegLoader.h"

#include <gtest/gtest.h>

inline void LoadConverterLibraries()
{
    FFLoader().SetInstallLogger(true);
    ASSERT_TRUE(FFLoader().Load(ConverterLibraries)) << FFLoader().GetLastErrMsg();
}
