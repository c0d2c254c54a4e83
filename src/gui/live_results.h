#pragma once
#include "core/live/live_settings.h"
#include "platform/live_server.h"

#include <QObject>
#include <QString>

#include <mutex>

namespace racedesk {

struct Program;

// The live results as the program runs them: the settings of the working folder and the
// server they ask for. Belongs to the main window, so the server stops before the program's
// state goes away.
class LiveResults : public QObject {
    Q_OBJECT
public:
    LiveResults(Program& program, QObject* parent);
    ~LiveResults() override;

    const LiveSettings& settings() const { return settings_; }
    // Keeps the settings in the working folder and starts, moves or stops the server; an
    // error message says what failed.
    void apply(const LiveSettings& settings);
    bool running() const { return server_.running(); }
    int port() const { return server_.port(); }
    LiveServer& server() { return server_; }

private:
    void startServer();

    Program& program_;
    LiveSettings settings_;
    std::mutex pagesMutex_;
    LiveServer server_;
};

// The address people type or scan for a port: the first IPv4 address of a network interface
// that is up, other than the loopback; the loopback when the computer has no network.
QString liveAddress(int port);

} // namespace racedesk
