#pragma once
#include "core/common/fixed_text.h"
#include "core/databases/name_order.h"

#include <cstddef>
#include <span>
#include <string_view>
#include <type_traits>

namespace racedesk {

// What a database dialog's list of names refuses and does beyond the rules every list shares.
struct NameRules {
    // Drivers: two names that differ only in the case of A to Z are the same driver.
    bool duplicateIgnoringCase = false;
    // Refusals of the list's own, on the name as it would be stored; none when null.
    bool (*refuses)(std::string_view name) = nullptr;
    // Removing a name is followed by one "Ajouter" of the typed new name.
    bool addsAfterRemoving = false;
};

// A table edited by a database dialog: its records, which field is their name, and its rules.
template <typename Record, std::size_t N> struct NameList {
    FixedText<N> Record::*name;
    NameRules rules;
};

template <typename Record> using RecordSpan = std::type_identity_t<std::span<Record>>;

template <typename Record, std::size_t N>
std::string_view nameOf(const Record& record, const NameList<Record, N>& list) {
    return (record.*list.name).view();
}

// The names a dialog lists: the records from the first up to the first empty name.
template <typename Record, std::size_t N>
int listedCount(RecordSpan<const Record> table, const NameList<Record, N>& list) {
    std::size_t n = 0;
    while (n < table.size() && !nameOf(table[n], list).empty())
        ++n;
    return int(n);
}

// The position of the record with exactly this name, or -1.
template <typename Record, std::size_t N>
int positionOf(RecordSpan<const Record> table, const NameList<Record, N>& list,
               std::string_view name) {
    for (std::size_t i = 0; i < table.size(); ++i)
        if (!name.empty() && nameOf(table[i], list) == name)
            return int(i);
    return -1;
}

template <typename Record, std::size_t N>
void putInNameOrder(RecordSpan<Record> table, const NameList<Record, N>& list) {
    putInNameOrder(table, [&list](const Record& r) { return nameOf(r, list); });
}

// "Ajouter": the typed name, cut to the name's field, becomes a new record with every other
// field empty, in the first free record after the listed ones, and the table is put in name
// order. Gives the new record's position, or -1 when the name is refused: empty, beginning
// with a space, refused by the list's own rule, already there, or the table full. A refusal
// changes nothing.
template <typename Record, std::size_t N>
int addName(RecordSpan<Record> table, const NameList<Record, N>& list, std::string_view typed) {
    const FixedText<N> taken(typed);
    const std::string_view name = taken.view();
    if (name.empty() || name.front() == ' ')
        return -1;
    if (list.rules.refuses != nullptr && list.rules.refuses(name))
        return -1;
    for (const Record& r : table) {
        const std::string_view existing = nameOf(r, list);
        if (existing == name ||
            (list.rules.duplicateIgnoringCase && sameNameIgnoringCase(existing, name)))
            return -1;
    }
    const int free = listedCount<Record, N>(table, list);
    if (free == int(table.size()))
        return -1;
    Record& added = table[std::size_t(free)];
    added = Record{};
    added.*list.name = name;
    putInNameOrder<Record, N>(table, list);
    return positionOf<Record, N>(table, list, name);
}

// What "Supprimer" leaves selected: the typed name's record when it was added after the
// removal, else the first record, or -1 when the list is empty.
struct Removal {
    int select = -1;
    bool addedTyped = false;
};

// "Supprimer": every record with exactly this name is cleared whole and the table put in
// name order; then, for the lists that do so, the typed new name is added as "Ajouter" would.
template <typename Record, std::size_t N>
Removal removeName(RecordSpan<Record> table, const NameList<Record, N>& list,
                   std::string_view selected, std::string_view typed) {
    if (!selected.empty()) {
        for (Record& r : table)
            if (nameOf(r, list) == selected)
                r = Record{};
        putInNameOrder<Record, N>(table, list);
    }
    if (list.rules.addsAfterRemoving) {
        const int added = addName<Record, N>(table, list, typed);
        if (added >= 0)
            return {added, true};
    }
    return {listedCount<Record, N>(table, list) > 0 ? 0 : -1, false};
}

} // namespace racedesk
