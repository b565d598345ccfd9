#pragma once
// The window's own dialogs: the skinned folder dialog, message box and skin chooser in the
// window's skin; the file dialogs are not offered yet (they answer as cancelled).

#include "app/main/FrontEndDialogs.h"

class TskSkinData;

class TOwnDialogs : public TFrontEndDialogs {
public:
    explicit TOwnDialogs(TskSkinData* SkinData) : FSkinData(SkinData) {}

    void ShowMessage(const std::string& Text, const std::string& Caption) override;
    std::vector<std::string> OpenFiles(TOpenDialogSetup& Dialog) override;
    bool SelectFolder(TFolderDialogSetup& Dialog) override;
    std::optional<int> ChooseSkin(int StartIndex) override;

private:
    TskSkinData* FSkinData;
};
