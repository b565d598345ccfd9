// TskSkinSelectDirectoryDialog: the component and its Execute.

#include "skin/input/skSkinSelectDirectoryDialog.h"

#include "skin/input/skfilectrl.h"

#include <algorithm>

TskSkinSelectDirectoryDialog::TskSkinSelectDirectoryDialog(TComponent* AOwner)
    : TComponent(AOwner), FDefaultFont(std::make_unique<TFont>())
{
    FDefaultFont->SetName("Arial");
    FDefaultFont->SetHeight(14);
}

TskSkinSelectDirectoryDialog::~TskSkinSelectDirectoryDialog() = default;

void TskSkinSelectDirectoryDialog::SetSkinData(TskSkinData* Value)
{
    if (FSD)
        FSD->RemoveFreeNotification(this);
    FSD = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TskSkinSelectDirectoryDialog::SetCtrlSkinData(TskSkinData* Value)
{
    if (FCtrlFSD)
        FCtrlFSD->RemoveFreeNotification(this);
    FCtrlFSD = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TskSkinSelectDirectoryDialog::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == FSD)
        FSD = nullptr;
    if (AComponent == FCtrlFSD)
        FCtrlFSD = nullptr;
}

void TskSkinSelectDirectoryDialog::Configure(TskSelDirDlgForm* Form)
{
    Form->SetCaption(FTitle);
    TskFormSkin* frame = Form->BSF;
    frame->SetBorderIcons(TskBorderIcons{});
    frame->SetSkinData(FSD);
    frame->SetMenusSkinData(FCtrlFSD);
    frame->MinWidth = FDialogMinWidth;
    frame->MinHeight = FDialogMinHeight;
    frame->SetAlphaBlend(FAlphaBlend);
    frame->AlphaBlendAnimation = FAlphaBlendAnimation;
    frame->SetAlphaBlendValue(FAlphaBlendValue);

    Form->DirTreeViewPanel->SetSkinData(FCtrlFSD);
    TskSkinDirTreeView* tree = Form->DirTreeView;
    tree->SetDefaultFont(FDefaultFont.get());
    tree->SetSkinData(FCtrlFSD);
    if (!FDirectory.empty() && IsExistingDirectory(FDirectory))
        tree->SetPath(FDirectory);
    else
        tree->ExpandMyComputer();

    Form->VScrollBar->SetSkinData(FCtrlFSD);
    Form->HScrollBar->SetSkinData(FCtrlFSD);
    for (TskSkinButton* button : {Form->OkButton, Form->CancelButton}) {
        button->SetSkinData(FCtrlFSD);
        button->SetDefaultFont(FDefaultFont.get());
    }
    Form->BottomPanel->SetSkinData(FCtrlFSD);
    if (Form->ToolPanel) {
        Form->ToolPanel->SetSkinData(FCtrlFSD);
        Form->NewFolderToolButton->SetSkinData(FCtrlFSD);
        Form->DirEdit->SetSkinData(FCtrlFSD);
    }

    int width = FDialogWidth > 0 ? FDialogWidth : 280;
    int height = FDialogHeight > 0 ? FDialogHeight : 280;
    if (FSD && !FSD->Empty) {
        width = std::max(width, frame->GetMinWidth());
        height = std::max(height, frame->GetMinHeight());
    }
    Form->SetClientWidth(width);
    Form->SetClientHeight(height);
    Form->SetActiveControl(tree);
}

void TskSkinSelectDirectoryDialog::FinishExecute()
{
    // The form goes even when OnClose raises.
    struct Release {
        TskSkinSelectDirectoryDialog* dialog;
        ~Release()
        {
            TskSelDirDlgForm* form = dialog->FDlgFrm;
            dialog->FDlgFrm = nullptr;
            form->Free();
        }
    } release{this};
    if (auto handler = OnClose)
        handler(this);
}

bool TskSkinSelectDirectoryDialog::Execute()
{
    if (auto handler = OnShow)
        handler(this);
    FDlgFrm = new TskSelDirDlgForm(Application, FCtrlFSD, FShowToolBar, FToolButtonsTransparent);
    bool result = false;
    try {
        Configure(FDlgFrm);
        result = FDlgFrm->ShowModal() == mrOk;
        FDialogWidth = FDlgFrm->GetClientWidth();
        FDialogHeight = FDlgFrm->GetClientHeight();
        if (result)
            FDirectory = FDlgFrm->DirTreeView->GetPath();
    } catch (...) {
        FinishExecute();
        throw;
    }
    FinishExecute();
    return result;
}
