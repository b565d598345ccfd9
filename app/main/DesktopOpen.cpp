#include "app/main/DesktopOpen.h"

#include "app/main/FrontEndDialogs.h"
#include "platform/shell/ShellExecute.h"
#include "platform/window/User.h"

#include <cstdint>

std::string OpenFailedText(const std::string& Target)
{
    return "无法打开“" + Target + "”，系统没有可以打开它的程序。请手动打开。";
}

void TellOpenFailed(TFrontEndDialogs& Dialogs, const std::string& Target)
{
    Dialogs.ShowMessage(OpenFailedText(Target), "提示");
}

bool OpenOrTell(TFrontEndDialogs& Dialogs, const std::string& Target)
{
    const auto answer = reinterpret_cast<std::intptr_t>(
        ShellExecute(nullptr, "open", Target.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (answer > 32)
        return true;
    TellOpenFailed(Dialogs, Target);
    return false;
}
