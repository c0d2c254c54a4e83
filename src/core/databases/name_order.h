#pragma once
#include <algorithm>
#include <cstddef>
#include <numeric>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace racedesk {

// The letters A to Z lower-cased, every other byte as it is: accented capitals keep their own
// Windows-1252 values, whatever the locale.
char lowerAsciiLetter(char c);

// Negative, zero or positive as 'a' orders before, with or after 'b': byte by byte as unsigned
// values once A to Z are lower-cased, a name before any longer name it begins.
int compareNameKeys(std::string_view a, std::string_view b);

// Equal once A to Z are lower-cased in both.
bool sameNameIgnoringCase(std::string_view a, std::string_view b);

// Whether the record whose key is 'a', standing at 'aAt', goes before the one whose key is 'b',
// standing at 'bAt': ascending keys, empty keys after all others, and of two equal keys the one
// that stood later first.
bool goesBefore(std::string_view a, std::size_t aAt, std::string_view b, std::size_t bAt);

// Puts whole records in name order, the order of every list of names the program keeps. 'key'
// gives a record's name (or the part of it that counts) as a string_view into the record.
// The ties rule makes the order total, so the result never depends on the sorting algorithm.
template <typename Record, typename Key> void putInNameOrder(std::span<Record> records, Key key) {
    std::vector<std::size_t> order(records.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return goesBefore(key(records[a]), a, key(records[b]), b);
    });
    std::vector<Record> ordered;
    ordered.reserve(records.size());
    for (const std::size_t from : order)
        ordered.push_back(std::move(records[from]));
    std::move(ordered.begin(), ordered.end(), records.begin());
}

} // namespace racedesk
