#pragma once
// The six parameter boxes' lists on the secondary settings form and its key table. The form names
// its lists with labels of its own (R1..R19, V1..V10, F1..F7, A1..A6, S1..S5, M1..M3); 44 of them
// are the main window's lists under another or the same name, and only six are its own.

#include "app/presets/FormatPresets.h"
#include "app/presets/OptionLists.h"

#include <string_view>
#include <vector>

// The lists only this form offers, under their labels.
const std::vector<TOptionList>& SecondaryOwnLists();

// A label of this form that names a list of the main window's boxes.
struct TSharedListLabel {
    std::string_view Label;
    std::string_view SharedId;   // its Id among OptionLists()
};
const std::vector<TSharedListLabel>& SecondarySharedListLabels();

// The list a label names, or nullptr.
const TOptionList* FindSecondaryList(std::string_view label);

// One key's list labels and default positions in the fill order, and whether it is audio only.
struct TSecondaryPreset {
    int Key;
    TPresetChoices Choices;
    bool AudioOnly;
};
// Every row in key order; the keys are those of the form's catalogue.
const std::vector<TSecondaryPreset>& SecondaryPresets();
// The row of a key, or nullptr.
const TSecondaryPreset* FindSecondaryPreset(int key);
