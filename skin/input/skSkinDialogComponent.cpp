// TskSkinDialogComponent: the settings and the modal run the skinned dialogs share.

#include "skin/input/skSkinDialogComponent.h"

#include "skin/core/skSkinData.h"

#include <algorithm>

TskSkinDialogComponent::TskSkinDialogComponent(TComponent* AOwner, const std::string& ATitle, BYTE AAlphaBlendValue)
    : TComponent(AOwner), FDefaultFont(std::make_unique<TFont>()), FTitle(ATitle), FAlphaBlendValue(AAlphaBlendValue)
{
    FDefaultFont->SetName("Arial");
    FDefaultFont->SetHeight(14);
}

TskSkinDialogComponent::~TskSkinDialogComponent() = default;

void TskSkinDialogComponent::SetSkinData(TskSkinData* Value)
{
    SetWatchedComponent(this, FSD, Value);
}

void TskSkinDialogComponent::SetCtrlSkinData(TskSkinData* Value)
{
    SetWatchedComponent(this, FCtrlFSD, Value);
}

void TskSkinDialogComponent::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove)
        ForgetFreed(AComponent, FSD, FCtrlFSD);
}

void TskSkinDialogComponent::ConfigureFrame(TskFormSkin* Frame)
{
    FRunningForm->SetCaption(FTitle);
    Frame->SetBorderIcons(TskBorderIcons{});
    Frame->SetSkinData(FSD);
    Frame->SetMenusSkinData(FCtrlFSD);
    Frame->MinWidth = FDialogMinWidth;
    Frame->MinHeight = FDialogMinHeight;
    Frame->SetAlphaBlend(FAlphaBlend);
    Frame->AlphaBlendAnimation = FAlphaBlendAnimation;
    Frame->SetAlphaBlendValue(FAlphaBlendValue);
}

void TskSkinDialogComponent::SizeForm(TskFormSkin* Frame, int DefaultWidth, int DefaultHeight)
{
    int width = FDialogWidth > 0 ? FDialogWidth : DefaultWidth;
    int height = FDialogHeight > 0 ? FDialogHeight : DefaultHeight;
    if (FSD && !FSD->Empty) {
        width = std::max(width, Frame->GetMinWidth());
        height = std::max(height, Frame->GetMinHeight());
    }
    FRunningForm->SetClientWidth(width);
    FRunningForm->SetClientHeight(height);
}

void TskSkinDialogComponent::KeepClientSize()
{
    FDialogWidth = FRunningForm->GetClientWidth();
    FDialogHeight = FRunningForm->GetClientHeight();
}

void TskSkinDialogComponent::FinishRun()
{
    // The form goes even when OnClose raises.
    struct Release {
        TskSkinDialogComponent* dialog;
        ~Release()
        {
            TForm* form = dialog->FRunningForm;
            dialog->FRunningForm = nullptr;
            form->Free();
        }
    } release{this};
    if (auto handler = OnClose)
        handler(this);
}

bool TskSkinDialogComponent::RunDialog(const std::function<TForm*()>& MakeForm, const std::function<bool()>& Steps)
{
    if (auto handler = OnShow)
        handler(this);
    FRunningForm = MakeForm();
    bool result = false;
    try {
        result = Steps();
    } catch (...) {
        FinishRun();
        throw;
    }
    FinishRun();
    return result;
}
