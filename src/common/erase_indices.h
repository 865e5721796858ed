#pragma once
// Removing many rows of a long list in one pass.

#include <cstddef>
#include <utility>
#include <vector>

namespace sg {

// Removes the items at `indices` (in any order; repeats and indices past the end are
// ignored), keeping the others in order. One pass, however many are removed.
template <typename T>
void eraseIndices(std::vector<T>& items, const std::vector<std::size_t>& indices)
{
    std::vector<bool> drop(items.size(), false);
    for (const std::size_t i : indices) {
        if (i < items.size())
            drop[i] = true;
    }
    std::size_t kept = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (drop[i])
            continue;
        if (kept != i)
            items[kept] = std::move(items[i]);
        ++kept;
    }
    items.erase(items.begin() + static_cast<std::ptrdiff_t>(kept), items.end());
}

} // namespace sg
