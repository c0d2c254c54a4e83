#include "core/race/write_report.h"

#include "core/app/program.h"

namespace racedesk {

void reportWrite(Program& p, WriteStatus status, Text titleMissing) {
    if (status == WriteStatus::FileError)
        p.showError(tx(Text::ErrRaceFile));
    else if (status == WriteStatus::TitleNotFound)
        p.showError(tx(titleMissing));
}

} // namespace racedesk
