// TskSelectSkinDlgForm: the skin chooser's form, built in code, with its two list handlers.

#include "skin/input/skDialogs.h"

#include "platform/kernel/CommonErrors.h"
#include "skin/core/skCompressedSkinList.h"
#include "skin/core/skSkinData.h"
#include "skin/form/FormSkin.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/input/skMessages.h"
#include "skin/input/skSkinListBox.h"

namespace {

// Frees a half-built form when filling it raises, so that nothing of it stays with its owner.
template <class Fill>
TskSelectSkinDlgForm* Built(TskSelectSkinDlgForm* Form, Fill&& FillIt)
{
    try {
        FillIt();
    } catch (...) {
        Form->Free();
        throw;
    }
    return Form;
}

const std::string& ListedName(const std::string& Description, const std::string& Name)
{
    return Description.empty() ? Name : Description;
}

} // namespace

TskSelectSkinDlgForm::TskSelectSkinDlgForm(TComponent* AOwner, TskCompressedSkinList* ASkinList, int ASkinIndex)
    : TForm(AOwner), FCSkinList(ASkinList), FCSkinIndex(ASkinIndex)
{
    SetPosition(TPosition::poScreenCenter);
    SetBorderStyle(TFormBorderStyle::bsSingle);
}

TskSelectSkinDlgForm* TskSelectSkinDlgForm::CreateEx(TComponent* AOwner, TComponent* AForm,
                                                     TskCompressedStoredSkin* ADefaultSkin, TskSkinData* ACtrlSkinData)
{
    auto* form = new TskSelectSkinDlgForm(AOwner, nullptr, -1);
    return Built(form, [&] {
        form->BuildControls(ACtrlSkinData);
        form->FillFromStoredSkins(AForm, ADefaultSkin);
        form->ShowPreview();
    });
}

TskSelectSkinDlgForm* TskSelectSkinDlgForm::CreateEx2(TComponent* AOwner, TskCompressedSkinList* ASkinList,
                                                      int ASkinIndex, TskSkinData* ACtrlSkinData)
{
    auto* form = new TskSelectSkinDlgForm(AOwner, ASkinList, ASkinIndex);
    return Built(form, [&] {
        form->BuildControls(ACtrlSkinData);
        form->FillFromSkinList();
        form->ShowPreview();
    });
}

void TskSelectSkinDlgForm::BuildControls(TskSkinData* ACtrlSkinData)
{
    BSF = new TskFormSkin(this);

    PreviewForm = new TForm(this);
    PreviewForm->SetParent(this);
    PreviewForm->SetCaption(SkinDialogText(ACtrlSkinData, "MSG_PREVIEWSKIN", "Preview"));
    PreviewForm->SetEnabled(false);
    PreviewForm->SetWidth(220);
    PreviewForm->SetHeight(170);

    PreviewSkinData = new TskSkinData(this);
    if (ACtrlSkinData != nullptr && ACtrlSkinData->ResourceStrData() != nullptr)
        PreviewSkinData->SetResourceStrData(ACtrlSkinData->ResourceStrData());

    PreviewButton = new TskSkinButton(this);
    PreviewButton->SetParent(PreviewForm);
    PreviewButton->SetWidth(100);
    PreviewButton->SetCaption(SkinDialogText(ACtrlSkinData, "MSG_PREVIEWBUTTON", "Button"));
    PreviewButton->SetLeft(20);
    PreviewButton->SetTop(20);
    PreviewButton->SetSkinData(PreviewSkinData);

    PreviewBSF = new TskFormSkin(PreviewForm);
    PreviewBSF->SetSkinData(PreviewSkinData);
    PreviewBSF->PreviewMode = true;

    struct TButtonSetup {
        TskSkinButton*& Button;
        const char* Key;
        const char* Fallback;
        int Left;
        int Result;
    };
    for (const TButtonSetup& setup : {TButtonSetup{OpenButton, "MSG_BTN_OK", "OK", 260, mrOk},
                                      TButtonSetup{CancelButton, "MSG_BTN_CANCEL", "Cancel", 340, mrCancel}}) {
        auto* button = new TskSkinButton(this);
        setup.Button = button;
        button->SetCaption(SkinDialogText(ACtrlSkinData, setup.Key, setup.Fallback));
        button->SetCanFocused(true);
        button->SetLeft(setup.Left);
        button->SetTop(200);
        button->SetWidth(70);
        button->SetDefaultHeight(25);
        button->SetParent(this);
        button->SetModalResult(setup.Result);
    }
    OpenButton->SetDefault(true);
    CancelButton->SetCancel(true);

    SkinsListBox = new TskSkinListBox(this);
    SkinsListBox->SetParent(this);
    SkinsListBox->SetBounds(10, 10, 170, 170);
    SkinsListBox->OnListBoxClick = [this](TObject* Sender) { SLBOnChange(Sender); };
    SkinsListBox->OnListBoxDblClick = [this](TObject* Sender) { SLBOnDblClick(Sender); };
}

void TskSelectSkinDlgForm::FillFromSkinList()
{
    TskSkinListItems* skins = FCSkinList->Skins();
    for (int i = 0; i < skins->Count(); ++i)
        SkinsListBox->Items()->Add(ListedName(skins->Items(i)->Description(), skins->Items(i)->Name()));
    SkinsListBox->SetItemIndex(FCSkinIndex);
    // The index first: giving the list then loads the skin at that index, or none outside it.
    PreviewSkinData->SetSkinIndex(FCSkinIndex);
    PreviewSkinData->SetSkinList(FCSkinList);
}

void TskSelectSkinDlgForm::FillFromStoredSkins(TComponent* AForm, TskCompressedStoredSkin* ADefaultSkin)
{
    int start = 0;
    // Without a form there is nothing to list; the lookup below then raises as for an empty form.
    for (int i = 0; AForm != nullptr && i < AForm->ComponentCount(); ++i) {
        auto* skin = dynamic_cast<TskCompressedStoredSkin*>(AForm->Components(i));
        if (skin == nullptr)
            continue;
        SkinList.push_back(skin);
        SkinsListBox->Items()->Add(ListedName(skin->Description(), skin->GetName()));
        if (skin == ADefaultSkin)
            start = SkinsListBox->Items()->Count() - 1;
    }
    SkinsListBox->SetItemIndex(start);
    PreviewSkinData->SetCompressedStoredSkin(StoredSkinAt(SkinsListBox->GetItemIndex()));
}

void TskSelectSkinDlgForm::ShowPreview()
{
    PreviewForm->SetLeft(190);
    PreviewForm->SetTop(10);
    PreviewForm->Show();
    SetActiveControl(SkinsListBox->ListBox);
}

TskCompressedStoredSkin* TskSelectSkinDlgForm::StoredSkinAt(int Index) const
{
    if (Index < 0 || Index >= static_cast<int>(SkinList.size()))
        RaiseListIndexError(Index);
    return SkinList[static_cast<std::size_t>(Index)];
}

TskCompressedStoredSkin* TskSelectSkinDlgForm::GetSelectedSkin() const
{
    return PreviewSkinData->CompressedStoredSkin();
}

void TskSelectSkinDlgForm::SLBOnChange(TObject*)
{
    if (FCSkinList != nullptr)
        PreviewSkinData->SetSkinIndex(SkinsListBox->GetItemIndex());
    else
        PreviewSkinData->SetCompressedStoredSkin(StoredSkinAt(SkinsListBox->GetItemIndex()));
}

void TskSelectSkinDlgForm::SLBOnDblClick(TObject*)
{
    SetModalResult(mrOk);
}
