#include "core/timing/frequency_conflict.h"

#include <cstring>

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

bool checkFrequencyConflict(const CarSlots& slots, const ParticipantTable& participants) {
    for (const CarSlot& slot : slots) {
        const FixedText<7>* reference = referenceOf(participants, slot);
        if (reference == nullptr || !canConflict(*reference))
            continue;
        int sharing = 0;
        for (const CarSlot& other : slots) {
            for (const Participant& p : participants) {
                if (p.name == other.name.view() && p.frequencies[0] == reference->view())
                    ++sharing;
            }
        }
        if (sharing >= 2)
            return true;
    }
    return false;
}

} // namespace racedesk
