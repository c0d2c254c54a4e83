#pragma once
#include <functional>

class QFileDialog;
class QWidget;

namespace racedesk::test {

// Modal dialogs run their own event loop, so a test acts on one from a timer that fires
// inside that loop. Each step must close its dialog; one left open is reported and closed,
// so a failing test never hangs.

// Runs 'step' on the next modal window that 'matches', once it is shown.
void whenModal(std::function<bool(QWidget&)> matches, std::function<void(QWidget&)> step);
// The next modal dialog that holds a control of this object name.
void whenDialogWith(const char* controlName, std::function<void(QWidget&)> step);
// Runs 'step' on the next file dialog of Qt's own, which the step must accept or reject.
void whenFileDialog(std::function<void(QFileDialog&)> step);
// Clicks the button of this object name in 'dialog'.
void clickButton(QWidget& dialog, const char* name);

} // namespace racedesk::test
