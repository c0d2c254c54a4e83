#include "core/race/heat_flags.h"

#include "core/common/field_writer.h"
#include "core/race/section_reading.h"
#include "core/race/section_titles.h"
#include "core/race/working_race_file.h"

namespace racedesk {
namespace {

static_assert(kMaxCategories * kCategoryFlags == kHeatFlagCount);

// The flag's place in its category's row, or -1 when there is none.
int heatIndex(int round, int heat) {
    if (round < 1 || round > kMaxRounds || heat < 1 || heat > kMaxHeatsPerRound)
        return -1;
    return (round - 1) * kMaxHeatsPerRound + heat - 1;
}

int finalIndex(int level, bool isA) {
    if (level < 0 || level > kFinalLevels)
        return -1;
    const int inFinals = level == 0 ? 0 : (isA ? 2 * level - 1 : 2 * level);
    return kQualifyingFlags + inFinals;
}

bool inTable(int category, int index) {
    return category >= 1 && category <= kMaxCategories && index >= 0;
}

bool flagOf(const HeatFlags& flags, int category, int index) {
    return inTable(category, index) &&
           flags.categories[std::size_t(category - 1)][std::size_t(index)];
}

void setFlag(HeatFlags& flags, int category, int index, bool stored) {
    if (inTable(category, index))
        flags.categories[std::size_t(category - 1)][std::size_t(index)] = stored;
}

} // namespace

bool heatFlag(const HeatFlags& flags, int category, int round, int heat) {
    return flagOf(flags, category, heatIndex(round, heat));
}

void setHeatFlag(HeatFlags& flags, int category, int round, int heat, bool stored) {
    setFlag(flags, category, heatIndex(round, heat), stored);
}

bool finalFlag(const HeatFlags& flags, int category, int level, bool isA) {
    return flagOf(flags, category, finalIndex(level, isA));
}

void setFinalFlag(HeatFlags& flags, int category, int level, bool isA, bool stored) {
    setFlag(flags, category, finalIndex(level, isA), stored);
}

std::string composeHeatFlags(const HeatFlags& flags) {
    FieldWriter out;
    for (const auto& category : flags.categories) {
        for (const bool flag : category)
            out.integer(flag ? 1 : 0);
    }
    out.endLine();
    return out.contents();
}

HeatFlags parseHeatFlags(std::string_view body) {
    HeatFlags flags;
    FieldReader lines(body);
    FieldReader in(nextFilledLine(lines));
    for (auto& category : flags.categories) {
        for (bool& flag : category) {
            int value = 0;
            readClamped(in, value, 0, 1);
            flag = value == 1;
        }
    }
    return flags;
}

bool readHeatFlags(SectionFile& file, HeatFlags& flags) {
    const std::optional<std::string_view> body = file.body(kHeatFlagsTitle);
    flags = body ? parseHeatFlags(*body) : HeatFlags{};
    return body.has_value();
}

WriteStatus writeHeatFlags(SectionFile& file, const HeatFlags& flags) {
    return file.write(kHeatFlagsTitle, kHeatFlagsUnits, composeHeatFlags(flags));
}

} // namespace racedesk
