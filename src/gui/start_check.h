#pragma once
#include "core/platform/dialogs.h"

#include <QElapsedTimer>

class QWidget;

namespace racedesk {

// The program's start-up check ("--check-start"), for CI and the package test: the program
// starts as it always does, but its messages go to the standard error stream instead of
// boxes nobody would close. Once the main window is usable it says how long that took from
// the program's start and exits, with a failure when an error or a warning was shown.
inline constexpr const char* kStartCheckOption = "--check-start";

class StartCheck : public Dialogs {
public:
    // 'started' runs from the program's start.
    explicit StartCheck(const QElapsedTimer& started) : started_(started) {}

    void message(const char* text, const char* caption, Icon icon) override;
    // Said on the error stream and answered no (or cancel): nobody is there to answer.
    Answer ask(const char* text, const char* caption, Buttons buttons, Icon icon) override;
    std::string chooseSaveFile(const char*, const char*, const std::string&) override { return {}; }
    std::string chooseOpenFile(const char*, const char*, const std::string&) override { return {}; }

    int errors() const { return errors_; }
    // Lets the event loop show and paint the window, then reports; the program's exit status.
    int finish(const QWidget& window);

private:
    QElapsedTimer started_;
    int errors_ = 0;
};

} // namespace racedesk
