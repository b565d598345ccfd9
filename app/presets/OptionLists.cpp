#include "app/presets/OptionLists.h"

#include <algorithm>

const TOptionList* FindOptionList(std::string_view id)
{
    const auto& lists = OptionLists();
    auto it = std::find_if(lists.begin(), lists.end(), [id](const TOptionList& l) { return l.Id == id; });
    return it == lists.end() ? nullptr : &*it;
}
