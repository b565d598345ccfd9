#pragma once
// Lookup in a table whose rows stand in ascending order of their Key.

#include <algorithm>
#include <vector>

template <typename TRow>
const TRow* FindKeyedRow(const std::vector<TRow>& rows, int key)
{
    auto it = std::lower_bound(rows.begin(), rows.end(), key, [](const TRow& row, int k) { return row.Key < k; });
    return it != rows.end() && it->Key == key ? &*it : nullptr;
}
