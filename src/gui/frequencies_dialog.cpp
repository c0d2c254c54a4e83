#include "gui/frequencies_dialog.h"

#include "core/app/program.h"
#include "core/databases/frequencies.h"
#include "gui/database_frame.h"

namespace racedesk {
namespace {

constexpr FrameLayout kLayout{Text::DatabaseFrequenciesCaption,
                              Text::DatabaseFrequenciesTitle,
                              Text::DatabaseFrequenciesHeader,
                              Text::DatabaseNewFrequency,
                              330,
                              520,
                              3401,
                              3405,
                              kFrequencyLength,
                              false};

class FrequenciesDialog {
public:
    FrequenciesDialog(Program& program, QWidget* parent)
        : p_(program), frame_(parent, kLayout, nameTableOf(table_, kFrequencyNames)) {
        if (!readFrequencies(p_.path(kFrequenciesFile), table_))
            p_.showError(tx(Text::ErrFrequenciesDatabase));
        frame_.onOk([this] {
            if (!writeFrequencies(p_.path(kFrequenciesFile), table_))
                p_.showError(tx(Text::ErrFrequenciesDatabaseWrite));
        });
    }

    void run() { frame_.run(); }

private:
    Program& p_;
    FrequencyTable table_;
    DatabaseFrame frame_;
};

} // namespace

void runFrequenciesDialog(Program& program, QWidget* parent) {
    FrequenciesDialog(program, parent).run();
}

} // namespace racedesk
