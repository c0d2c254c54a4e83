#include "gui/modal_driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

namespace racedesk::test {
namespace {

constexpr int kPollMs = 10;
constexpr int kPolls = 500;

void poll(std::function<bool(QWidget&)> matches, std::function<void(QWidget&)> step, int left) {
    QTimer::singleShot(kPollMs, [matches, step, left] {
        QWidget* w = QApplication::activeModalWidget();
        if (w == nullptr || !w->isVisible() || !matches(*w)) {
            if (left == 0)
                ADD_FAILURE() << "the expected modal dialog never showed";
            else
                poll(matches, step, left - 1);
            return;
        }
        QPointer<QWidget> shown(w);
        step(*w);
        if (shown && shown->isVisible()) {
            ADD_FAILURE() << "the step left its dialog open";
            if (auto* d = qobject_cast<QDialog*>(shown.data()))
                d->reject();
        }
    });
}

} // namespace

void whenModal(std::function<bool(QWidget&)> matches, std::function<void(QWidget&)> step) {
    poll(std::move(matches), std::move(step), kPolls);
}

void whenDialogWith(const char* controlName, std::function<void(QWidget&)> step) {
    const QString name = QString::fromUtf8(controlName);
    whenModal([name](QWidget& w) { return w.findChild<QWidget*>(name) != nullptr; },
              std::move(step));
}

void whenFileDialog(std::function<void(QFileDialog&)> step) {
    whenModal([](QWidget& w) { return qobject_cast<QFileDialog*>(&w) != nullptr; },
              [step = std::move(step)](QWidget& w) { step(static_cast<QFileDialog&>(w)); });
}

void clickButton(QWidget& dialog, const char* name) {
    auto* button = dialog.findChild<QAbstractButton*>(QString::fromUtf8(name));
    ASSERT_NE(button, nullptr) << "no button " << name;
    button->click();
}

} // namespace racedesk::test
