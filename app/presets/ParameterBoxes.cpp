#include "app/presets/ParameterBoxes.h"

void ApplyPresetChoices(const TParameterBoxes& boxes, const TPresetChoices* choices, bool audioOnly,
                        TOptionListFinder find)
{
    for (TParameterBox* box : boxes)
        box->ClearItems();
    for (TParameterBox* box : boxes)
        box->SetEnabled(true);
    if (!choices)
        return;
    for (std::size_t i = 0; i < ParameterFillOrder.size(); ++i) {
        TParameterBox* box = boxes[ParameterFillOrder[i]];
        const TPresetChoice& choice = (*choices)[i];
        for (std::string_view item : find(choice.List)->Items)
            box->AddItem(std::string(item));
        box->SetItemIndex(choice.Position);
    }
    if (audioOnly)
        for (TParameterKind kind : {pkResolution, pkVideoBitrate, pkScaling, pkFrameRate})
            boxes[kind]->SetEnabled(false);
}

void FillParameterBoxes(const TParameterBoxes& boxes, int categoryPosition, int formatPosition)
{
    auto key = PresetKeyOf(categoryPosition, formatPosition);
    const TFormatPreset* preset = key ? FindFormatPreset(*key) : nullptr;
    ApplyPresetChoices(boxes, preset ? &preset->Choices : nullptr, preset && preset->AudioOnly, FindOptionList);
}
