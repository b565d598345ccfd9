#pragma once
// The window's own dialogs: the class library's message box; the file, folder and skin dialogs
// are not offered (each answers as cancelled).

#include "app/main/FrontEndDialogs.h"

class TOwnDialogs : public TFrontEndDialogs {
public:
    void ShowMessage(const std::string& Text, const std::string& Caption) override;
    std::vector<std::string> OpenFiles(TOpenDialogSetup& Dialog) override;
    bool SelectFolder(TFolderDialogSetup& Dialog) override;
    std::optional<int> ChooseSkin(int StartIndex) override;
};
