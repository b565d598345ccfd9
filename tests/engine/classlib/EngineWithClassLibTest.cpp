#include "classlib/Classes.h"
#include "classlib/SysUtils.h"
#include "engine/OptionValues.h"

#include <gtest/gtest.h>

namespace {

// Both libraries' number helpers live side by side, each reading by its own rules, and raise the
// one conversion error a program catches.
TEST(EngineWithClassLib, NumberHelpersKeepTheirOwnRules)
{
    EXPECT_EQ(StrToInt("$1F"), 31);
    EXPECT_EQ(StrToInt64("0x10"), 16);
    EXPECT_EQ(StrToIntDef("0x10", -1), 16);
    EXPECT_THROW(OptionValues::StrToInt("$1F"), EConvertError);
    EXPECT_EQ(OptionValues::StrToIntDef("0x10", -1), -1);
    EXPECT_EQ(OptionValues::StrToInt64(" -7"), -7);

    // The class library trims every control character, the options only blanks and line breaks.
    EXPECT_EQ(Trim("\x01 a\t\r\n"), "a");
    EXPECT_EQ(OptionValues::Trim("\x01 a\t\r\n"), "\x01 a");

    try {
        OptionValues::StrToInt("12x");
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'12x' is not a valid integer value");
    }
}

} // namespace
