#include "gui/start_check.h"

#include "platform/qt_text.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace racedesk {
namespace {

void say(const char* kind, const char* caption, const char* text) {
    std::fprintf(stderr, "%s: %s [%s] %s\n", qPrintable(QCoreApplication::applicationName()), kind,
                 toQString(caption).toUtf8().constData(), toQString(text).toUtf8().constData());
}

} // namespace

void StartCheck::message(const char* text, const char* caption, Icon icon) {
    const bool error = icon == Icon::Error || icon == Icon::Warning;
    if (error)
        ++errors_;
    say(error ? "error" : "message", caption, text);
}

Answer StartCheck::ask(const char* text, const char* caption, Buttons buttons, Icon) {
    say("question", caption, text);
    return buttons == Buttons::YesNoCancel ? Answer::Cancel : Answer::No;
}

int StartCheck::finish(const QWidget& window) {
    QEventLoop loop;
    QTimer::singleShot(0, &loop, &QEventLoop::quit);
    loop.exec();
    const qint64 elapsed = started_.elapsed();
    const bool usable = window.isVisible();
    std::printf("%s: main window %s %lld ms after the start, %d error message(s)\n",
                qPrintable(QCoreApplication::applicationName()), usable ? "usable" : "NOT shown",
                static_cast<long long>(elapsed), errors_);
    std::fflush(stdout);
    return usable && errors_ == 0 ? 0 : 1;
}

} // namespace racedesk
