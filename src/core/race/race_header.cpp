#include "core/race/race_header.h"

#include "core/common/field_reader.h"
#include "core/common/field_writer.h"
#include "core/race/race_texts.h"

#include <algorithm>
#include <cstdio>

namespace racedesk {
namespace {

void readClamped(FieldReader& reader, int& value, int low, int high) {
    int read = 0;
    if (reader.integer(read))
        value = std::clamp(read, low, high);
}

} // namespace

CategoryName defaultCategoryName(int number) {
    char name[24];
    std::snprintf(name, sizeof name, tx(RaceText::DefaultCategoryName), number);
    return CategoryName(name);
}

RaceHeader newRaceHeader() {
    RaceHeader header;
    header.categories[0].name = defaultCategoryName(1);
    return header;
}

bool composeRaceHeader(const RaceHeader& header, std::string& content) {
    content.clear();
    if (header.categoryCount < 1 || header.categoryCount > kMaxCategories)
        return false;
    FieldWriter out;
    out.integer(header.selectedItem);
    out.integer(header.categoryCount);
    for (int i = 0; i < header.categoryCount; ++i) {
        const CategoryEntry& c = header.categories[std::size_t(i)];
        if (c.name.empty())
            return false;
        out.text(c.name.view());
        out.integer(c.participants);
        out.integer(c.qualifyingStarted);
        out.integer(c.finalsState);
        out.integer(c.rounds);
        out.integer(c.heatsPerRound);
        out.integer(c.finals);
    }
    content = out.contents();
    return true;
}

RaceHeader parseRaceHeader(std::string_view area) {
    RaceHeader header = newRaceHeader();
    FieldReader in(area);
    int selected = 0;
    if (in.integer(selected))
        header.selectedItem = selected;
    readClamped(in, header.categoryCount, 1, kMaxCategories);
    for (int i = 0; i < header.categoryCount; ++i) {
        CategoryEntry& c = header.categories[std::size_t(i)];
        in.text(c.name);
        if (c.name.empty())
            c.name = defaultCategoryName(i + 1);
        readClamped(in, c.participants, 0, kMaxParticipants);
        readClamped(in, c.qualifyingStarted, 0, 1);
        readClamped(in, c.finalsState, 0, 2);
        readClamped(in, c.rounds, 0, kMaxRounds);
        readClamped(in, c.heatsPerRound, 0, kMaxHeatsPerRound);
        readClamped(in, c.finals, 0, kMaxFinals);
    }
    return header;
}

bool readRaceHeader(SectionFile& file, RaceHeader& header) {
    header = file.isOpen() ? parseRaceHeader(file.header()) : newRaceHeader();
    return file.isOpen();
}

bool readRaceHeader(const std::string& path, RaceHeader& header) {
    SectionFile file(path);
    return readRaceHeader(file, header);
}

WriteStatus writeRaceHeader(SectionFile& file, const RaceHeader& header) {
    std::string content;
    if (!composeRaceHeader(header, content))
        return WriteStatus::Refused;
    return file.writeHeader(kRaceHeaderUnits, content);
}

WriteStatus writeRaceHeader(const std::string& path, const RaceHeader& header) {
    SectionFile file(path);
    return writeRaceHeader(file, header);
}

} // namespace racedesk
