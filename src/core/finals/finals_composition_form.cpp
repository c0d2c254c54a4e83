#include "core/finals/finals_composition_form.h"

#include "core/app/program.h"
#include "core/finals/final_storage.h"
#include "core/finals/finals_structure.h"
#include "core/race/heat_storage.h"
#include "core/race/section_titles.h"
#include "core/race/working_race_file.h"
#include "core/race/write_report.h"

namespace racedesk {

bool openFinalsComposition(Program& p, int category, FinalsCompositionForm& form) {
    SectionFile file(p.path(kWorkingRaceFile));
    if (!file.isOpen()) {
        p.showError(tx(Text::ErrRaceFile));
        return false;
    }
    readRaceHeader(file, p.header);
    if (category < 1 || category > p.header.categoryCount)
        return false;
    const CategoryEntry& entry = p.header.categories[std::size_t(category - 1)];
    form.category = category;
    form.categoryName = entry.name;
    form.maxParticipants = entry.participants;
    form.frozen = entry.finalsState >= 2;
    readFinalsComposition(file, category, entry.participants, form.composition);
    FinalsComposition& c = form.composition;
    c.participants = std::min(c.participants, entry.participants);
    if (!form.frozen) {
        for (int row = 0; row < kFinalsRows - 1; ++row)
            c.movingUp[std::size_t(row)] =
                std::min(c.movingUp[std::size_t(row)], movingUpLimit(c, row));
    }
    deriveDirectCounts(c);
    return true;
}

bool generateFinalsComposition(Program& p, const FinalsCompositionForm& form) {
    if (!canGenerate(form.composition))
        return false;
    SectionFile file(p.path(kWorkingRaceFile));
    if (!file.isOpen()) {
        p.showError(tx(Text::ErrRaceFile));
        return false;
    }
    readRaceHeader(file, p.header);
    p.header.categories[std::size_t(form.category - 1)].finals =
        finalsStructure(form.composition).finals;
    const WriteStatus header = writeRaceHeader(file, p.header);
    reportWrite(p, header, Text::ErrRaceFile);
    const WriteStatus section =
        writeFinalsComposition(file, form.category, storedComposition(form.composition));
    reportWrite(p, section, kFinalsCompositionTitleNotFound);
    return header == WriteStatus::Written && section == WriteStatus::Written;
}

AfterFinalsComposition afterFinalsComposition(Program& p, int category) {
    AfterFinalsComposition after;
    RaceHeader header;
    if (!readRaceHeader(p.path(kWorkingRaceFile), header) || category < 1 ||
        category > header.categoryCount)
        return after;
    p.header = header;
    const bool finalsBegun = header.categories[std::size_t(category - 1)].finalsState >= 2;
    after.rebuildBranch = !finalsBegun;
    const LoadedRun& l = p.loaded;
    const bool finalOnBoard =
        l.loaded() && isFinalRunTitle(l.sectionTitle.view()) && l.category == category;
    if (!finalOnBoard || p.run.inProgress())
        return after;
    if (finalsBegun) {
        retakeFinalSettings(p, category);
    } else {
        unloadRun(p);
        after.boardEmptied = true;
    }
    return after;
}

} // namespace racedesk
