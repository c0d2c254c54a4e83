#include "gui/live_results.h"

#include "core/app/program.h"
#include "core/live/live_texts.h"
#include "core/web/meeting_site.h"

#include <QNetworkInterface>

#include <cstdio>

namespace racedesk {

LiveResults::LiveResults(Program& program, QObject* parent)
    : QObject(parent), program_(program),
      server_(program.live, [this, source = MeetingSource{program.workDir}](std::string_view path) {
          // One page at a time reads the race file: readers that overlapped without end
          // would hold its shared lock for ever, and a commit waits for the file to be free.
          const std::lock_guard lock(pagesMutex_);
          return meetingPage(source, path, true);
      }) {
    readLiveSettings(program_.path(kLiveSettingsFile), settings_);
    if (settings_.on)
        startServer();
}

LiveResults::~LiveResults() {
    server_.stop();
}

void LiveResults::apply(const LiveSettings& settings) {
    const bool restart = settings.on && (!server_.running() || settings.port != server_.port());
    settings_ = settings;
    if (!writeLiveSettings(program_.path(kLiveSettingsFile), settings_))
        program_.showError(tx(LiveText::ErrSettings));
    if (!settings_.on)
        server_.stop();
    else if (restart)
        startServer();
}

void LiveResults::startServer() {
    if (server_.start(settings_.port))
        return;
    char message[256];
    std::snprintf(message, sizeof message, tx(LiveText::ErrPortUnavailable), settings_.port);
    program_.showError(message);
}

namespace {

QString lanHost() {
    for (const QNetworkInterface& i : QNetworkInterface::allInterfaces()) {
        const auto flags = i.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) ||
            !flags.testFlag(QNetworkInterface::IsRunning) ||
            flags.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& entry : i.addressEntries())
            if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol)
                return entry.ip().toString();
    }
    return QStringLiteral("127.0.0.1");
}

} // namespace

QString liveAddress(int port) {
    return QStringLiteral("http://%1:%2/").arg(lanHost()).arg(port);
}

} // namespace racedesk
