#pragma once
#include <algorithm>
#include <cstddef>
#include <span>
#include <vector>

namespace racedesk {

// The order of every classification: the best remaining item is taken again and again, and of
// two items that tie completely the one standing later in the list goes first. 'before(a, b)'
// tells whether a is strictly better than b.
template <typename Item, typename Before>
void sortBySelection(std::span<Item> items, Before before) {
    const std::size_t count = items.size();
    std::vector<bool> taken(count, false);
    std::vector<Item> sorted;
    sorted.reserve(count);
    for (std::size_t placed = 0; placed < count; ++placed) {
        std::size_t best = count;
        for (std::size_t i = 0; i < count; ++i) {
            if (!taken[i] && (best == count || !before(items[best], items[i])))
                best = i;
        }
        taken[best] = true;
        sorted.push_back(items[best]);
    }
    std::copy(sorted.begin(), sorted.end(), items.begin());
}

} // namespace racedesk
