#include "classlib/Classes.h"
#include "classlib/SysUtils.h"
#include "engine/FFmpegConverter.h"
#include "engine/OptionValues.h"

#include <functional>
#include <string>
#include <vector>

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

// A task index outside the list raises the class library's list-index error with its text, which
// the main window shows as it stands.
TEST(EngineWithClassLib, TaskIndexOutsideTheListIsAListError)
{
    TFFmpegConverter converter;  // libraries never loaded: it must also go quietly
    struct Case {
        std::function<void()> Call;
        std::string Message;
    };
    const std::vector<Case> cases = {
        {[&] { converter.SetOutputFile(-1, "out.avi", ""); }, "List index out of bounds (-1)"},
        {[&] { converter.RemoveTask(99); }, "List index out of bounds (99)"},
        {[&] { converter.GetTaskAVProbe(0, 0); }, "List index out of bounds (0)"},
        {[&] { converter.AddInputFile(3, "in.avi", ""); }, "List index out of bounds (3)"},
        {[&] { converter.Exchange(0, 1); }, "List index out of bounds (0)"},
    };
    for (const Case& c : cases) {
        try {
            c.Call();
            ADD_FAILURE() << "no error for " << c.Message;
        } catch (const EListError& e) {
            EXPECT_EQ(e.Message(), c.Message);
        }
    }
}

} // namespace
