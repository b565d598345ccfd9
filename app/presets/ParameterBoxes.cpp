#include "app/presets/ParameterBoxes.h"

#include "app/presets/FormatPresets.h"
#include "app/presets/OptionLists.h"

void FillParameterBoxes(const TParameterBoxes& boxes, int categoryPosition, int formatPosition)
{
    for (TParameterBox* box : boxes)
        box->ClearItems();
    for (TParameterBox* box : boxes)
        box->SetEnabled(true);
    auto key = PresetKeyOf(categoryPosition, formatPosition);
    const TFormatPreset* preset = key ? FindFormatPreset(*key) : nullptr;
    if (!preset)
        return;
    for (std::size_t i = 0; i < ParameterFillOrder.size(); ++i) {
        TParameterBox* box = boxes[ParameterFillOrder[i]];
        const TPresetChoice& choice = preset->Choices[i];
        for (std::string_view item : FindOptionList(choice.List)->Items)
            box->AddItem(std::string(item));
        box->SetItemIndex(choice.Position);
    }
    if (preset->AudioOnly)
        for (TParameterKind kind : {pkResolution, pkVideoBitrate, pkScaling, pkFrameRate})
            boxes[kind]->SetEnabled(false);
}
