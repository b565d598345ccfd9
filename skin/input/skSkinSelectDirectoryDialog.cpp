// TskSkinSelectDirectoryDialog: the component and its Execute.

#include "skin/input/skSkinSelectDirectoryDialog.h"

#include "skin/input/skfilectrl.h"

TskSkinSelectDirectoryDialog::TskSkinSelectDirectoryDialog(TComponent* AOwner)
    : TskSkinDialogComponent(AOwner, "Select folder", 200)
{
}

void TskSkinSelectDirectoryDialog::Configure(TskSelDirDlgForm* Form)
{
    ConfigureFrame(Form->BSF);
    TskSkinData* controls = GetCtrlSkinData();
    Form->DirTreeViewPanel->SetSkinData(controls);
    TskSkinDirTreeView* tree = Form->DirTreeView;
    tree->SetDefaultFont(DefaultFont());
    tree->SetSkinData(controls);
    if (!FDirectory.empty() && IsExistingDirectory(FDirectory))
        tree->SetPath(FDirectory);
    else
        tree->ExpandMyComputer();

    Form->VScrollBar->SetSkinData(controls);
    Form->HScrollBar->SetSkinData(controls);
    for (TskSkinButton* button : {Form->OkButton, Form->CancelButton}) {
        button->SetSkinData(controls);
        button->SetDefaultFont(DefaultFont());
    }
    Form->BottomPanel->SetSkinData(controls);
    if (Form->ToolPanel) {
        Form->ToolPanel->SetSkinData(controls);
        Form->NewFolderToolButton->SetSkinData(controls);
        Form->DirEdit->SetSkinData(controls);
    }
    SizeForm(Form->BSF, 280, 280);
    Form->SetActiveControl(tree);
}

bool TskSkinSelectDirectoryDialog::Execute()
{
    return RunDialog(
        [this] { return new TskSelDirDlgForm(Application, GetCtrlSkinData(), FShowToolBar, GetToolButtonsTransparent()); },
        [this] {
            Configure(Form());
            const bool result = Form()->ShowModal() == mrOk;
            KeepClientSize();
            if (result)
                FDirectory = Form()->DirTreeView->GetPath();
            return result;
        });
}
