// TskSelectSkinDialog: the component and its two Execute variants.

#include "skin/input/skDialogs.h"

#include "classlib/GraphicsObjects.h"
#include "skin/core/skCompressedSkinList.h"
#include "skin/core/skSkinData.h"
#include "skin/form/FormSkin.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/input/skSkinListBox.h"

#include <algorithm>

TskSelectSkinDialog::TskSelectSkinDialog(TComponent* AOwner)
    : TComponent(AOwner), FDefaultFont(std::make_unique<TFont>())
{
    FDefaultFont->SetName("Arial");
    FDefaultFont->SetHeight(14);
    FDefaultFont->SetStyle({});
}

TskSelectSkinDialog::~TskSelectSkinDialog() = default;

void TskSelectSkinDialog::SetSkinList(TskCompressedSkinList* Value)
{
    SetWatchedComponent(this, FSkinList, Value);
}

void TskSelectSkinDialog::SetSkinData(TskSkinData* Value)
{
    SetWatchedComponent(this, FSD, Value);
}

void TskSelectSkinDialog::SetCtrlSkinData(TskSkinData* Value)
{
    SetWatchedComponent(this, FCtrlFSD, Value);
}

void TskSelectSkinDialog::SetDefaultFont(TFont* Value)
{
    FDefaultFont->Assign(Value);
}

void TskSelectSkinDialog::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove)
        ForgetFreed(AComponent, FSD, FCtrlFSD, FSkinList);
}

bool TskSelectSkinDialog::Execute(int SkinIndex)
{
    if (FSkinList == nullptr)
        return false;
    FDlgFrm = TskSelectSkinDlgForm::CreateEx2(Application, FSkinList, SkinIndex, FCtrlFSD);
    FSelectedSkinIndex = -1;
    FSelectedSkin = nullptr;
    return Run(FDlgFrm);
}

bool TskSelectSkinDialog::Execute(TskCompressedStoredSkin* DefaultCompressedSkin)
{
    FDlgFrm = TskSelectSkinDlgForm::CreateEx(Application, GetOwner(), DefaultCompressedSkin, FCtrlFSD);
    FSelectedSkin = nullptr;
    return Run(FDlgFrm);
}

void TskSelectSkinDialog::Configure(TskSelectSkinDlgForm* Form)
{
    Form->SetCaption(FTitle);
    TskFormSkin* frame = Form->BSF;
    frame->SetBorderIcons(TskBorderIcons{});
    frame->SetSkinData(FSD);
    frame->SetMenusSkinData(FCtrlFSD);
    frame->SetAlphaBlend(FAlphaBlend);
    frame->AlphaBlendAnimation = FAlphaBlendAnimation;
    frame->SetAlphaBlendValue(FAlphaBlendValue);

    for (TskSkinButton* button : {Form->OpenButton, Form->CancelButton}) {
        button->SetDefaultFont(FDefaultFont.get());
        button->SetSkinData(FCtrlFSD);
    }
    Form->SkinsListBox->SetDefaultFont(FDefaultFont.get());
    Form->SkinsListBox->SetSkinData(FCtrlFSD);

    if (FSD == nullptr || FSD->Empty) {
        Form->SetClientWidth(420);
        Form->SetClientHeight(240);
    } else {
        Form->SetClientWidth(std::max(420, frame->GetMinWidth()));
        Form->SetClientHeight(std::max(240, frame->GetMinHeight()));
    }
}

bool TskSelectSkinDialog::Run(TskSelectSkinDlgForm* Form)
{
    // The form goes on every path, also when configuring or showing raises.
    struct TRelease {
        TskSelectSkinDialog* Self;
        ~TRelease()
        {
            TskSelectSkinDlgForm* form = Self->FDlgFrm;
            Self->FDlgFrm = nullptr;
            form->Free();
        }
    } release{this};
    Configure(Form);
    if (Form->ShowModal() != mrOk)
        return false;
    if (Form->FCSkinList != nullptr)
        FSelectedSkinIndex = Form->PreviewSkinData->SkinIndex();
    else
        FSelectedSkin = Form->GetSelectedSkin();
    return true;
}
