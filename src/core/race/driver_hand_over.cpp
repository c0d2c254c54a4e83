#include "core/race/driver_hand_over.h"

#include "core/app/program.h"
#include "core/common/texts.h"
#include "core/race/transfer_files.h"

namespace racedesk {

bool handOverDriverResult(Program& p, int row) {
    if (row < 0 || row >= p.entryCount)
        return false;
    const int carNumber = p.entries[std::size_t(row)].carNumber;
    if (carNumber < 1 || carNumber > kCarCount)
        return false;
    const CarSlot& car = p.slots[std::size_t(carNumber - 1)];
    if (!writeDriverResult(p.path(kDriverResultFile), car, p.loaded.runTitle.view(),
                           p.track.circuit.view(), p.run.header.view()))
        p.showError(tx(Text::ErrDriverResultFile));
    return true;
}

} // namespace racedesk
