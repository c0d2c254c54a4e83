#pragma once

class QWidget;

namespace racedesk::test {

// The dialog's export button: enabled, named in the program's language, inside the dialog and
// clear of every other control, so that the director sees and reaches it whole.
void expectExportButton(QWidget& dialog);

} // namespace racedesk::test
