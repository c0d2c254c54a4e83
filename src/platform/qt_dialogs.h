#pragma once
#include "core/platform/dialogs.h"

#include <QObject>
#include <QString>
#include <QVector>

class QWidget;

namespace racedesk {

// Message boxes with QMessageBox. A message raised while the tick runs is kept and shown
// once the timer's call that ran the tick has returned: a timer does not fire again while
// its own call is still running, so a box opened from inside it would stop the clock, the
// keep-alives and the passings until it is closed. Shown from the event loop instead, the
// box runs the event loop in which the tick goes on; boxes raised meanwhile wait for the
// open one to close and come in order.
class QtDialogs : public Dialogs {
public:
    void setParent(QWidget* parent) { parent_ = parent; }

    void message(const char* text, const char* caption, Icon icon) override;
    Answer ask(const char* text, const char* caption, Buttons buttons, Icon icon) override;
    std::string chooseSaveFile(const char* description, const char* pattern,
                               const std::string& folder) override;
    std::string chooseOpenFile(const char* description, const char* pattern,
                               const std::string& folder) override;
    std::string chooseFolder(const char* caption, const std::string& folder) override;

    void beginTick() override { inTick_ = true; }
    // Ends the tick; what it raised is shown, in order, once the caller has returned.
    void endTick() override;
    int pending() const { return int(queue_.size()); }

private:
    struct Pending {
        QString text;
        QString caption;
        Icon icon;
    };
    void show(const Pending& m);
    void showQueued();

    QWidget* parent_ = nullptr;
    bool inTick_ = false;
    bool showPosted_ = false;
    bool showing_ = false;
    QVector<Pending> queue_;
    QObject postedTo_; // a showing still posted goes with this object
};

} // namespace racedesk
