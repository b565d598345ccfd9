#include "app/secondary/Unit6.h"

#include "skin/input/skSkinComboBox.h"
#include "skin/input/skSkinOfficeCtrls.h"

void TForm6::TOfficeFormatBox::ClearItems()
{
    FBox->Items()->Clear();
}

void TForm6::TOfficeFormatBox::AddItem(const std::string& title, const std::string& caption, int imageIndex)
{
    TskSkinOfficeItem* item = FBox->Items()->Add();
    item->SetTitle(title);
    item->SetCaption(caption);
    item->SetImageIndex(imageIndex);
}

void TForm6::TOfficeFormatBox::Refresh()
{
    FBox->Repaint();
}

int TForm6::TOfficeFormatBox::GetItemIndex() const
{
    return FBox->GetItemIndex();
}

void TForm6::TOfficeFormatBox::SetItemIndex(int index)
{
    // An index past the items (an empty category) selects nothing instead of raising; the box
    // still reports the selection.
    FBox->SetItemIndex(index < FBox->Items()->Count() ? index : -1);
}

int TForm6::CategoryIndex() const
{
    return skSkinOfficeComboBox2->GetItemIndex();
}

TParameterBoxes TForm6::ParameterBoxes()
{
    TParameterBoxes boxes{};
    for (std::size_t kind = 0; kind < boxes.size(); ++kind)
        boxes[kind] = FParameterBoxes[kind].get();
    return boxes;
}

TskSkinComboBox* TForm6::ParameterBox(TParameterKind kind) const
{
    switch (kind) {
    case pkResolution: return skSkinComboBox1;
    case pkVideoBitrate: return skSkinComboBox2;
    case pkAudioBitrate: return skSkinComboBox3;
    case pkScaling: return skSkinComboBox4;
    case pkFrameRate: return skSkinComboBox9;
    case pkSampleRate: return skSkinComboBox10;
    }
    return nullptr;
}

std::string TForm6::ParameterText(TParameterKind kind) const
{
    return ParameterBox(kind)->GetText();
}
