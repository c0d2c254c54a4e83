#include "core/finals/finals_parameters_form.h"

#include "core/app/program.h"
#include "core/finals/final_storage.h"
#include "core/race/working_race_file.h"
#include "core/race/write_report.h"

namespace racedesk {

using namespace finals_parameters_control;

FinalsParametersForm openFinalsParameters(Program& p, int category) {
    FinalsParametersForm form;
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
    readFinalsParameters(file, category, form.parameters);
    if (form.parameters.start == StartMode::Staggered)
        setFinalsControl(form.parameters, kStartStaggered);
    return form;
}

bool confirmFinalsParameters(Program& p, const FinalsParametersForm& form) {
    WriteStatus status = WriteStatus::FileError;
    {
        SectionFile file(p.path(kWorkingRaceFile));
        if (file.isOpen())
            status = writeFinalsParameters(file, form.category, form.parameters);
    }
    reportWrite(p, status, kFinalsParametersTitleNotFound);
    if (status != WriteStatus::Written)
        return false;
    retakeFinalSettings(p, form.category);
    return true;
}

void setFinalsControl(FinalsParameters& f, int control) {
    switch (control) {
    case kStartSignal:
        f.start = StartMode::Signal;
        break;
    case kStartFirstCar:
        f.start = StartMode::FirstCar;
        break;
    case kStartStaggered:
        f.start = StartMode::Staggered;
        f.endOfTime = EndOfTime::FinishLap;
        break;
    case kEndSignal:
        if (f.start != StartMode::Staggered)
            f.endOfTime = EndOfTime::Signal;
        break;
    case kEndFinishLap:
        f.endOfTime = EndOfTime::FinishLap;
        break;
    default:
        break;
    }
}

bool finalsControlChecked(const FinalsParameters& f, int control) {
    switch (control) {
    case kStartSignal:
        return f.start == StartMode::Signal;
    case kStartFirstCar:
        return f.start == StartMode::FirstCar;
    case kStartStaggered:
        return f.start == StartMode::Staggered;
    case kEndSignal:
        return f.endOfTime == EndOfTime::Signal;
    case kEndFinishLap:
        return f.endOfTime == EndOfTime::FinishLap;
    default:
        return false;
    }
}

bool finalsControlEnabled(const FinalsParameters& f, int control) {
    return control != kEndSignal || f.start != StartMode::Staggered;
}

TypedNumber typeFinalsCountdown(FinalsParameters& f, std::string_view text) {
    return typeInto(&f.countdownSeconds, &kFinalsCountdownField, text);
}

} // namespace racedesk
