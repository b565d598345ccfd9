#pragma once
// The fixed item lists of the six parameter boxes. A list is named by its box's letter (R
// resolution, V video bit rate, F frame rate, A audio bit rate, S sample rate, Z scaling) and a
// number; a box offers the items in list order, so an item's position is its box position.

#include <string_view>
#include <vector>

struct TOptionList {
    std::string_view Id;
    std::vector<std::string_view> Items;
};

// Every list, R lists first, then V, F, A, S and Z.
const std::vector<TOptionList>& OptionLists();
// The list of that name, or nullptr.
const TOptionList* FindOptionList(std::string_view id);
