#include "core/qualifying/qualifying_parameters_form.h"

#include "core/app/program.h"
#include "core/race/heat_storage.h"
#include "core/race/working_race_file.h"
#include "core/race/write_report.h"

namespace racedesk {

QualifyingParametersForm openQualifyingParameters(Program& p, int category) {
    QualifyingParametersForm form;
    form.category = category;
    SectionFile file(p.path(kWorkingRaceFile));
    if (!file.isOpen()) {
        p.showError(tx(Text::ErrRaceFile));
        return form;
    }
    RaceHeader header;
    readRaceHeader(file, header);
    if (category >= 1 && category <= kMaxCategories)
        form.categoryName = header.categories[std::size_t(category - 1)].name;
    readQualifyingParameters(file, category, form.parameters);
    return form;
}

bool confirmQualifyingParameters(Program& p, const QualifyingParametersForm& form) {
    WriteStatus status = WriteStatus::FileError;
    {
        SectionFile file(p.path(kWorkingRaceFile));
        if (file.isOpen())
            status = writeQualifyingParameters(file, form.category, form.parameters);
    }
    reportWrite(p, status, kQualifyingParametersTitleNotFound);
    if (status != WriteStatus::Written)
        return false;
    retakeQualifyingParameters(p, form.category);
    return true;
}

} // namespace racedesk
