#include "app/secondary/SkinParameterBox.h"

#include "skin/input/skSkinComboBox.h"

void TSkinComboParameterBox::ClearItems()
{
    FBox->Items()->Clear();
}

void TSkinComboParameterBox::AddItem(const std::string& text)
{
    FBox->Items()->Add(text);
}

void TSkinComboParameterBox::SetItemIndex(int index)
{
    FBox->SetItemIndex(index);
}

void TSkinComboParameterBox::SetEnabled(bool value)
{
    FBox->SetEnabled(value);
}
