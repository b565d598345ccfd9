#include "app/secondary/SecondaryPresets.h"

#include "app/secondary/KeyedRows.h"

#include <algorithm>

const TOptionList* FindSecondaryList(std::string_view label)
{
    const auto& own = SecondaryOwnLists();
    auto list = std::find_if(own.begin(), own.end(), [label](const TOptionList& l) { return l.Id == label; });
    if (list != own.end())
        return &*list;
    const auto& shared = SecondarySharedListLabels();
    auto name =
        std::find_if(shared.begin(), shared.end(), [label](const TSharedListLabel& l) { return l.Label == label; });
    return name == shared.end() ? nullptr : FindOptionList(name->SharedId);
}

const TSecondaryPreset* FindSecondaryPreset(int key)
{
    return FindKeyedRow(SecondaryPresets(), key);
}
