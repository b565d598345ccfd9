#include "app/main/WarningBox.h"

#include "classlib/Forms.h"

#include <utility>

namespace {

TWarningBox& Installed()
{
    static TWarningBox box;
    return box;
}

}  // namespace

void ShowWarningBox(const std::string& Text, const std::string& Caption)
{
    const TWarningBox box = Installed();
    if (box)
        box(Text, Caption);
    else
        Application->MessageBox(Text, Caption, MB_OK | MB_ICONWARNING);
}

void SetWarningBox(TWarningBox Box)
{
    Installed() = std::move(Box);
}
