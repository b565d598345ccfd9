#include "app/main/OwnDialogs.h"

#include "skin/input/skDialogs.h"
#include "skin/input/skMessages.h"
#include "skin/input/skSkinOpenDialog.h"
#include "skin/input/skSkinSelectDirectoryDialog.h"

#include <memory>

namespace {

// A component made for one dialog run, freed the class library's way.
template <class T>
struct TFreed {
    void operator()(T* Object) const { Object->Free(); }
};
template <class T>
using TRunOnce = std::unique_ptr<T, TFreed<T>>;

} // namespace

TOwnDialogs::TOwnDialogs(TskSkinData* SkinData) : FSkinData(SkinData) {}

TOwnDialogs::~TOwnDialogs() = default;

void TOwnDialogs::TFreed::operator()(TskSkinOpenDialog* Dialog) const
{
    Dialog->Free();
}

void TOwnDialogs::ShowMessage(const std::string& Text, const std::string& Caption)
{
    TRunOnce<TskSkinMessage> message(new TskSkinMessage(nullptr));
    message->SetSkinData(FSkinData);
    message->SetCtrlSkinData(FSkinData);
    message->MessageDlg2(Text, Caption, mtInformation, {mbOK}, 0);
}

TskSkinOpenDialog* TOwnDialogs::OpenDialogOf(const TOpenDialogSetup& Dialog) const
{
    const auto found = FOpenDialogs.find(&Dialog);
    return found == FOpenDialogs.end() ? nullptr : found->second.get();
}

std::vector<std::string> TOwnDialogs::OpenFiles(TOpenDialogSetup& Dialog)
{
    auto& slot = FOpenDialogs[&Dialog];
    if (!slot)
        slot.reset(new TskSkinOpenDialog(nullptr));
    TskSkinOpenDialog* dialog = slot.get();
    dialog->SetSkinData(FSkinData);
    dialog->SetCtrlSkinData(FSkinData);
    dialog->SetTitle(Dialog.Title);
    dialog->SetFilter(Dialog.Filter);
    dialog->SetFilterIndex(Dialog.FilterIndex);
    dialog->SetMultiSelection(Dialog.MultiSelection);
    const bool confirmed = dialog->Execute();
    Dialog.FilterIndex = dialog->GetFilterIndex();
    if (!confirmed)
        return {};
    std::vector<std::string> files;
    for (int i = 0; i < dialog->Files()->Count(); ++i)
        files.push_back(dialog->Files()->Get(i));
    return files;
}

bool TOwnDialogs::SelectFolder(TFolderDialogSetup& Dialog)
{
    TRunOnce<TskSkinSelectDirectoryDialog> dialog(new TskSkinSelectDirectoryDialog(nullptr));
    dialog->SetSkinData(FSkinData);
    dialog->SetCtrlSkinData(FSkinData);
    dialog->SetTitle(Dialog.Title);
    dialog->SetDirectory(Dialog.Directory);
    if (!dialog->Execute())
        return false;
    Dialog.Directory = dialog->GetDirectory();
    return true;
}

std::optional<int> TOwnDialogs::ChooseSkin(int StartIndex)
{
    TRunOnce<TskSelectSkinDialog> dialog(new TskSelectSkinDialog(nullptr));
    dialog->SetSkinList(FSkinData->SkinList());
    dialog->SetSkinData(FSkinData);
    dialog->SetCtrlSkinData(FSkinData);
    if (!dialog->Execute(StartIndex))
        return std::nullopt;
    return dialog->SelectedSkinIndex();
}
