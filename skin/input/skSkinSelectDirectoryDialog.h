#pragma once
// The skinned select-folder dialog: each Execute builds a modal form with a skinned frame
// without caption buttons, an optional tool bar (new-folder button and path edit), a shell
// folder tree with two skinned scroll bars, and OK and Cancel. The component remembers the
// chosen folder and the client size the user left the window with.

#include "classlib/Forms.h"
#include "skin/form/FormSkin.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/form/skSkinScrollBar.h"
#include "skin/input/skShellTreeView.h"
#include "skin/input/skSkinDialogComponent.h"
#include "skin/input/skSkinEdits.h"

#include <string>

class TskSelDirDlgForm : public TForm {
public:
    TskSelDirDlgForm(TComponent* AOwner, TskSkinData* ACtrlSkinData, bool AShowToolBar, bool AToolButtonsTransparent);

    TskSkinData* CtrlSD = nullptr;
    bool ShowToolBar = false;
    TskFormSkin* BSF = nullptr;
    TskSkinPanel* DirTreeViewPanel = nullptr;
    TskSkinPanel* BottomPanel = nullptr;
    TskSkinDirTreeView* DirTreeView = nullptr;
    TskSkinScrollBar* VScrollBar = nullptr;
    TskSkinScrollBar* HScrollBar = nullptr;
    TskSkinButton* OkButton = nullptr;
    TskSkinButton* CancelButton = nullptr;
    // Only with the tool bar.
    TskSkinPanel* ToolPanel = nullptr;
    TskSkinSpeedButton* NewFolderToolButton = nullptr;
    TskSkinEdit* DirEdit = nullptr;

    // Creates "<selected folder>/<New Folder>" unless it exists or the selection has no folder
    // path, then lists it. A refused creation raises EInOutError with the reason.
    void NewFolder();

private:
    std::string Text(const std::string& Key, const std::string& Fallback) const;
    void BuildToolBar(bool Transparent);
    void TreeChange();
    void DirEditKeyPress(char32_t& Key);
};

class TskSkinSelectDirectoryDialog : public TskSkinDialogComponent {
public:
    explicit TskSkinSelectDirectoryDialog(TComponent* AOwner);

    // Shows the dialog modally; true when the user confirmed, with Directory the chosen folder.
    // The client size defaults to 280 x 280.
    bool Execute();

    // The folder to open at; after a confirmed Execute, the chosen one.
    const std::string& GetDirectory() const { return FDirectory; }
    void SetDirectory(const std::string& Value) { FDirectory = Value; }
    bool GetShowToolBar() const { return FShowToolBar; }
    void SetShowToolBar(bool Value) { FShowToolBar = Value; }
    // The form while Execute runs, else nullptr.
    TskSelDirDlgForm* Form() const { return static_cast<TskSelDirDlgForm*>(RunningForm()); }

private:
    void Configure(TskSelDirDlgForm* Form);

    std::string FDirectory;
    bool FShowToolBar = false;
};
