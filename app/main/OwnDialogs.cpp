#include "app/main/OwnDialogs.h"

#include "classlib/Forms.h"

void TOwnDialogs::ShowMessage(const std::string& Text, const std::string& Caption)
{
    Application->MessageBox(Text, Caption, MB_OK | MB_ICONINFORMATION);
}

std::vector<std::string> TOwnDialogs::OpenFiles(TOpenDialogSetup&)
{
    return {};
}

bool TOwnDialogs::SelectFolder(TFolderDialogSetup&)
{
    return false;
}

std::optional<int> TOwnDialogs::ChooseSkin(int)
{
    return std::nullopt;
}
