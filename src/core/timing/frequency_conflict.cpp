#include "core/timing/frequency_conflict.h"

#include "core/timing/run_texts.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace racedesk {
namespace {

// The first frequency of the last participant of that name, or nullptr.
const FixedText<7>* referenceOf(const ParticipantTable& participants, const CarSlot& slot) {
    const FixedText<7>* reference = nullptr;
    for (const Participant& p : participants) {
        if (p.name == slot.name.view())
            reference = &p.frequencies[0];
    }
    return reference;
}

} // namespace

bool canConflict(const FrequencyText& frequency) {
    return !frequency.empty() && std::strncmp(frequency.c_str(), "2.4Ghz", 7) != 0;
}

std::string frequencyConflictText(const CarSlots& slots, const ParticipantTable& participants) {
    std::vector<std::string> frequencies;
    std::string groups;
    for (const CarSlot& slot : slots) {
        const FixedText<7>* reference = referenceOf(participants, slot);
        if (reference == nullptr || !canConflict(*reference))
            continue;
        const std::string frequency(reference->view());
        if (std::find(frequencies.begin(), frequencies.end(), frequency) != frequencies.end())
            continue;
        std::string names;
        int sharing = 0;
        for (const CarSlot& other : slots) {
            const FixedText<7>* theirs = referenceOf(participants, other);
            if (theirs == nullptr || *theirs != reference->view())
                continue;
            names += (sharing++ == 0 ? "" : ", ") + std::string(other.name.view());
        }
        if (sharing < 2)
            continue;
        frequencies.push_back(frequency);
        groups += (groups.empty() ? "" : ", ") + frequency + " (" + names + ")";
    }
    if (groups.empty())
        return {};
    std::vector<char> text(groups.size() + 64);
    std::snprintf(text.data(), text.size(), tx(RunText::ConflictBanner), groups.c_str());
    return text.data();
}

} // namespace racedesk
