#include "gui/drivers_dialog.h"

#include "core/app/program.h"
#include "core/databases/drivers.h"
#include "gui/database_choices.h"
#include "gui/database_frame.h"
#include "gui/picture_area.h"
#include "gui/record_form.h"

#include <memory>

namespace racedesk {
namespace {

constexpr FrameLayout kLayout{Text::DatabaseDriversCaption,
                              Text::DatabaseDriversTitle,
                              Text::DatabaseDriversHeader,
                              Text::DatabaseNew,
                              800,
                              520,
                              3201,
                              3205,
                              38,
                              true};

constexpr int kFieldWidth = 273;
constexpr int kRowHeight = 31;

// The rows under the picture.
int rowY(int row) {
    return 188 + row * kRowHeight;
}

class DriversDialog {
public:
    DriversDialog(Program& program, QWidget* parent)
        : p_(program), frame_(parent, kLayout, nameTableOf(*table_, kDriverNames)) {
        if (!readDrivers(p_.path(kDriversFile), *table_))
            p_.showError(tx(Text::ErrDriversDatabase));
        const QStringList countries = countryChoices(p_);
        const auto clubs = std::make_unique<ClubTable>();
        if (!readClubs(p_.path(kClubsFile), *clubs))
            p_.showError(tx(Text::ErrClubsDatabase));
        forgetMissingClubs(*table_, *clubs);
        build(countries, clubChoices(*clubs));
    }

    void run() { frame_.run(); }

private:
    DriverRecord* current() {
        return frame_.selected() >= 0 ? &(*table_)[std::size_t(frame_.selected())] : nullptr;
    }

    void build(const QStringList& countries, const QStringList& clubs) {
        QDialog& d = frame_.dialog();
        form_.shown(d, 3206, {kLabelX, 31, 200, 28}, &DriverRecord::name, true);
        addLabel(d, Text::DatabaseBirthDate, {kLabelX, 66, 200, 22});
        form_.edit(d, 3214, {kLabelX, 88, 200, 28}, 18, &DriverRecord::birthDate);
        addLabel(d, Text::DatabaseLicence, {kLabelX, 122, 200, 22});
        form_.edit(d, 3215, {kLabelX, 144, 200, 28}, 18, &DriverRecord::licence);

        addLabel(d, Text::DatabaseAddress, labelAt(rowY(0)));
        form_.edit(d, 3207, fieldAt(rowY(0), kFieldWidth), 38, &DriverRecord::address);
        addLabel(d, Text::DatabaseAddress2, labelAt(rowY(1)));
        form_.edit(d, 3208, fieldAt(rowY(1), kFieldWidth), 38, &DriverRecord::address2);
        addLabel(d, Text::DatabasePostcode, labelAt(rowY(2)));
        form_.edit(d, 3209, fieldAt(rowY(2), 150), 13, &DriverRecord::postcode);
        addLabel(d, Text::DatabaseTown, labelAt(rowY(3)));
        form_.edit(d, 3210, fieldAt(rowY(3), kFieldWidth), 38, &DriverRecord::town);
        addLabel(d, Text::DatabaseCountry, labelAt(rowY(4)));
        form_.choice(d, 3211, fieldAt(rowY(4), kFieldWidth), countries, &DriverRecord::country);
        addLabel(d, Text::DatabaseTelephone, labelAt(rowY(5)));
        form_.edit(d, 3212, fieldAt(rowY(5), 200), 18, &DriverRecord::telephone);
        addLabel(d, Text::DatabaseEmail, labelAt(rowY(6)));
        form_.edit(d, 3213, fieldAt(rowY(6), kFieldWidth), 38, &DriverRecord::email);
        addLabel(d, Text::DatabaseTransponder, labelAt(rowY(7)));
        RecordForm<DriverRecord>::digitsOnly(form_.edit(
            d, 3216, fieldAt(rowY(7), 90), kTransponderDigits,
            [](const DriverRecord& r) { return r.transponder.view(); }, copyTransponder));
        addLabel(d, Text::DatabaseClub, labelAt(rowY(8)));
        form_.choice(d, 2317, fieldAt(rowY(8), kFieldWidth), clubs, &DriverRecord::club);

        picture_ = addRecordPicture<DriverRecord>(d, {541, 31}, p_, [this] { return current(); });
        frame_.onSelection([this](int) {
            form_.show();
            picture_->update();
        });
        frame_.onOk([this] {
            if (!writeDrivers(p_.path(kDriversFile), *table_))
                p_.showError(tx(Text::ErrDriversDatabase));
        });
    }

    Program& p_;
    std::unique_ptr<DriverTable> table_ = std::make_unique<DriverTable>();
    DatabaseFrame frame_;
    RecordForm<DriverRecord> form_{[this] { return current(); }};
    PictureArea* picture_ = nullptr;
};

} // namespace

void runDriversDialog(Program& program, QWidget* parent) {
    DriversDialog(program, parent).run();
}

} // namespace racedesk
