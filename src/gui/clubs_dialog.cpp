#include "gui/clubs_dialog.h"

#include "core/app/program.h"
#include "core/databases/clubs.h"
#include "gui/database_choices.h"
#include "gui/database_frame.h"
#include "gui/record_form.h"

namespace racedesk {
namespace {

constexpr FrameLayout kLayout{Text::DatabaseClubsCaption,
                              Text::DatabaseClubsTitle,
                              Text::DatabaseClubsHeader,
                              Text::DatabaseNew,
                              800,
                              520,
                              3101,
                              3105,
                              48,
                              true};

constexpr int kFieldWidth = 290;

class ClubsDialog {
public:
    ClubsDialog(Program& program, QWidget* parent)
        : p_(program), frame_(parent, kLayout, nameTableOf(table_, kClubNames)) {
        if (!readClubs(p_.path(kClubsFile), table_))
            p_.showError(tx(Text::ErrClubsDatabase));
        build(countryChoices(p_));
    }

    void run() { frame_.run(); }

private:
    ClubRecord* current() {
        return frame_.selected() >= 0 ? &table_[std::size_t(frame_.selected())] : nullptr;
    }

    void build(const QStringList& countries) {
        QDialog& d = frame_.dialog();
        form_.shown(d, 3106, {kLabelX, 51, kFieldX + kFieldWidth - kLabelX, 28}, &ClubRecord::name,
                    true);
        addLabel(d, Text::DatabaseAcronym, labelAt(90));
        form_.edit(d, 3107, fieldAt(90, 150), 13, &ClubRecord::acronym);
        addLabel(d, Text::DatabaseAddress, labelAt(124));
        form_.edit(d, 3108, fieldAt(124, kFieldWidth), 38, &ClubRecord::address);
        addLabel(d, Text::DatabaseAddress2, labelAt(158));
        form_.edit(d, 3109, fieldAt(158, kFieldWidth), 38, &ClubRecord::address2);
        addLabel(d, Text::DatabasePostcode, labelAt(192));
        form_.edit(d, 3110, fieldAt(192, 150), 13, &ClubRecord::postcode);
        addLabel(d, Text::DatabaseTown, labelAt(226));
        form_.edit(d, 3111, fieldAt(226, kFieldWidth), 38, &ClubRecord::town);
        addLabel(d, Text::DatabaseCountry, labelAt(260));
        form_.choice(d, 3112, fieldAt(260, kFieldWidth), countries, &ClubRecord::country);
        addLabel(d, Text::DatabaseTelephone, labelAt(294));
        form_.edit(d, 3113, fieldAt(294, 200), 18, &ClubRecord::telephone);
        addLabel(d, Text::DatabaseEmail, labelAt(328));
        form_.edit(d, 3114, fieldAt(328, kFieldWidth), 38, &ClubRecord::email);

        frame_.onSelection([this](int) { form_.show(); });
        frame_.onOk([this] {
            if (!writeClubs(p_.path(kClubsFile), table_))
                p_.showError(tx(Text::ErrClubsDatabase));
        });
    }

    Program& p_;
    ClubTable table_;
    DatabaseFrame frame_;
    RecordForm<ClubRecord> form_{[this] { return current(); }};
};

} // namespace

void runClubsDialog(Program& program, QWidget* parent) {
    ClubsDialog(program, parent).run();
}

} // namespace racedesk
