#pragma once
// The window's own dialogs in the window's skin: the skinned open dialog (one component per
// dialog record, so each keeps its folder, filter, view style and size between calls), the
// folder dialog, the message box and the skin chooser.

#include "app/main/FrontEndDialogs.h"

#include <map>
#include <memory>

class TskSkinData;
class TskSkinOpenDialog;

class TOwnDialogs : public TFrontEndDialogs {
public:
    explicit TOwnDialogs(TskSkinData* SkinData);
    ~TOwnDialogs() override;

    void ShowMessage(const std::string& Text, const std::string& Caption) override;
    std::vector<std::string> OpenFiles(TOpenDialogSetup& Dialog) override;
    bool SelectFolder(TFolderDialogSetup& Dialog) override;
    std::optional<int> ChooseSkin(int StartIndex) override;

    // The open dialog serving a record (made on its first run), nullptr before.
    TskSkinOpenDialog* OpenDialogOf(const TOpenDialogSetup& Dialog) const;

private:
    struct TFreed {
        void operator()(TskSkinOpenDialog* Dialog) const;
    };

    TskSkinData* FSkinData;
    std::map<const TOpenDialogSetup*, std::unique_ptr<TskSkinOpenDialog, TFreed>> FOpenDialogs;
};
