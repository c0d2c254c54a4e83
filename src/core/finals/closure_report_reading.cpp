#include "core/app/program.h"
#include "core/finals/closure_report.h"
#include "core/qualifying/classification_storage.h"
#include "core/race/classification_sections.h"
#include "core/race/working_race_file.h"

#include <memory>

namespace racedesk {
namespace {

int pointsOf(const OverallStanding& standing, const DriverName& name) {
    for (int i = 0; i < standing.count; ++i) {
        if (standing.entries[std::size_t(i)].name == name)
            return standing.entries[std::size_t(i)].totalPoints;
    }
    return 0;
}

// The order the finals were filled from: the stored one. Only a category whose overall
// classification was never stored takes the order computed afresh.
void readQualifyingOrder(SectionFile& file, const OverallClassificationState& overall,
                         std::vector<QualifiedDriver>& order) {
    const ClassificationContext& context = overall.context;
    const OverallStanding& standing = overall.standing;
    auto stored = std::make_unique<OverallClassification>();
    if (readOverallClassification(file, context.category, context.entry.participants, *stored)) {
        for (int i = 0; i < context.entry.participants && i < kMaxParticipants; ++i) {
            const DriverName& name = stored->names[std::size_t(i)];
            if (name.empty())
                break;
            order.push_back({name, pointsOf(standing, name)});
        }
        return;
    }
    for (int i = 0; i < standing.count; ++i) {
        const OverallEntry& e = standing.entries[std::size_t(i)];
        order.push_back({e.name, e.totalPoints});
    }
}

void readFinals(SectionFile& file, int category, ClosureSources& sources) {
    for (int i = 0; i < kFinalsCount; ++i) {
        std::optional<StoredRun>& run = sources.finals[std::size_t(i)];
        run.emplace();
        if (!readStoredRun(file, finalRunTitle(category, i), *run))
            run.reset();
    }
}

} // namespace

bool readClosureReport(SectionFile& file, int category, ClosureReport& report) {
    auto overall = std::make_unique<OverallClassificationState>();
    if (!readOverallClassificationState(file, category, *overall))
        return false;
    const CategoryEntry& entry = overall->context.entry;
    report.category = category;
    report.categoryName = entry.name;
    report.track = overall->context.track;
    auto sources = std::make_unique<ClosureSources>();
    readQualifyingOrder(file, *overall, sources->qualifying);
    readFinalsComposition(file, category, entry.participants, sources->composition);
    sources->levels = levelsOfFinals(entry.finals);
    readFinals(file, category, *sources);
    report.rows = closureRows(*sources);
    return true;
}

bool openClosureReport(Program& p, int category, ClosureReport& report) {
    SectionFile file(p.path(kWorkingRaceFile));
    if (!file.isOpen()) {
        p.showError(tx(Text::ErrRaceFile));
        return false;
    }
    readRaceHeader(file, p.header);
    return readClosureReport(file, category, report);
}

} // namespace racedesk
