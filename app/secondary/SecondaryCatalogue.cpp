#include "app/secondary/SecondaryCatalogue.h"

#include "app/secondary/KeyedRows.h"

const TSecondaryFormat* FindSecondaryFormat(int key)
{
    return FindKeyedRow(SecondaryFormats(), key);
}

std::vector<const TSecondaryFormat*> SecondaryFormatsOfCategory(int categoryPosition)
{
    std::vector<const TSecondaryFormat*> formats;
    const auto& categories = SecondaryCategories();
    if (categoryPosition < 0 || categoryPosition >= static_cast<int>(categories.size()))
        return formats;
    const TCategory& category = categories[static_cast<std::size_t>(categoryPosition)];
    for (int position = 0; position < category.Formats; ++position)
        formats.push_back(FindSecondaryFormat((category.Code + 1) * 100 + position));
    return formats;
}
