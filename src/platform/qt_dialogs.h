#pragma once
#include "core/platform/dialogs.h"

#include <QString>
#include <QVector>

class QWidget;

namespace racedesk {

// Message boxes with QMessageBox. A message raised while the tick runs is kept and shown
// once the tick has returned: a message box runs the event loop, and the tick must never
// run inside itself.
class QtDialogs : public Dialogs {
public:
    void setParent(QWidget* parent) { parent_ = parent; }

    void message(const char* text, const char* caption, Icon icon) override;
    Answer ask(const char* text, const char* caption, Buttons buttons, Icon icon) override;
    std::string chooseSaveFile(const char* description, const char* pattern,
                               const std::string& folder) override;
    std::string chooseOpenFile(const char* description, const char* pattern,
                               const std::string& folder) override;

    void beginTick() override { inTick_ = true; }
    // Ends the tick and shows what it raised, in order.
    void endTick() override;
    int pending() const { return int(queue_.size()); }

private:
    struct Pending {
        QString text;
        QString caption;
        Icon icon;
    };
    void show(const Pending& m);

    QWidget* parent_ = nullptr;
    bool inTick_ = false;
    QVector<Pending> queue_;
};

} // namespace racedesk
