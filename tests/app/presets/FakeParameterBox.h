#pragma once
// A parameter box that keeps the combo box's rules and logs what happens to it: clearing, a text
// change (the box's change event), enabling and disabling.

#include "app/presets/ParameterBoxes.h"

#include <string>
#include <utility>
#include <vector>

class FakeParameterBox : public TParameterBox {
public:
    FakeParameterBox(std::string name, std::vector<std::string>& log) : Name(std::move(name)), Log(log) {}

    void ClearItems() override
    {
        Items.clear();
        Index = -1;
        Log.push_back("clear " + Name);
    }
    void AddItem(const std::string& text) override { Items.push_back(text); }
    void SetItemIndex(int index) override
    {
        Index = index;
        if (index >= 0 && index < static_cast<int>(Items.size()) && Items[static_cast<std::size_t>(index)] != Text) {
            Text = Items[static_cast<std::size_t>(index)];
            Log.push_back("change " + Name);
        }
    }
    void SetEnabled(bool value) override
    {
        if (value != Enabled)
            Log.push_back((value ? "enable " : "disable ") + Name);
        Enabled = value;
    }

    std::string Name;
    std::vector<std::string>& Log;
    std::vector<std::string> Items;
    int Index = -1;
    std::string Text;
    bool Enabled = true;
};
