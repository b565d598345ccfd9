// TskSkinFilterComboBox: the filter items and the selected mask.

#include "skin/input/skfilectrl.h"

#include "classlib/SysUtils.h"

namespace {

const char* const DefaultFilter = "All files (*.*)|*.*";

} // namespace

TskSkinFilterComboBox::TskSkinFilterComboBox(TComponent* AOwner)
    : TskSkinComboBox(AOwner), FFilterText(DefaultFilter), FMaskList(std::make_unique<TStringList>())
{
}

void TskSkinFilterComboBox::SetFilter(const std::string& Value)
{
    if (SameText(Value, FFilterText))
        return;
    FFilterText = Value;
    if (HandleAllocated())
        BuildFilterList();
    SelectionChanged();
}

std::string TskSkinFilterComboBox::GetMask()
{
    // Selecting fires the selection events, whose handlers may read the mask again: select only
    // when there is something to select, so that an empty box cannot recurse.
    if (GetItemIndex() < 0 && Items()->Count() > 0)
        SetItemIndex(Items()->Count() - 1);
    const int index = GetItemIndex();
    if (index < 0 || index >= FMaskList->Count())
        return "*.*";
    return FMaskList->Get(index);
}

void TskSkinFilterComboBox::SetFileList(TskSkinFileListBox* Value)
{
    if (FFileList)
        FFileList->FFilterCombo = nullptr;
    FFileList = Value;
    if (Value) {
        Value->FreeNotification(this);
        Value->FFilterCombo = this;
    }
}

void TskSkinFilterComboBox::Notification(TComponent* AComponent, TOperation Operation)
{
    TskSkinComboBox::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FFileList)
        FFileList = nullptr;
}

void TskSkinFilterComboBox::SelectionChanged()
{
    if (FFileList)
        FFileList->SetMask(GetMask());
    TskSkinComboBox::SelectionChanged();
}

void TskSkinFilterComboBox::Click()
{
    TskSkinComboBox::Click();
    SelectionChanged();
}

void TskSkinFilterComboBox::CreateWnd()
{
    TskSkinComboBox::CreateWnd();
    BuildFilterList();
}

void TskSkinFilterComboBox::BuildFilterList()
{
    Items()->Clear();
    FMaskList->Clear();
    for (const TFilterItem& item : ParseFilter(FFilterText)) {
        Items()->Add(item.Description);
        FMaskList->Add(item.Mask);
    }
    SetItemIndex(0);
}
