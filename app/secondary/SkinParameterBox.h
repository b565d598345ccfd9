#pragma once
// A skinned combo box as one of the six parameter boxes the preset filler fills: the box's own
// item list and selection, whose change event follows the shown text.

#include "app/presets/ParameterBoxes.h"

class TskSkinComboBox;

class TSkinComboParameterBox final : public TParameterBox {
public:
    explicit TSkinComboParameterBox(TskSkinComboBox* box) : FBox(box) {}

    void ClearItems() override;
    void AddItem(const std::string& text) override;
    void SetItemIndex(int index) override;
    void SetEnabled(bool value) override;

private:
    TskSkinComboBox* FBox;
};
