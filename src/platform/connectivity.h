#pragma once
// The machine's connection state, the dial-up (network settings) program and the program's
// own offline mode.

#include "browser/browser_app.h"

#include <QWebEngineUrlRequestInterceptor>
#include <atomic>

namespace sg::platform {

// Connected when the system reports the internet reachable (NetworkManager, through
// QNetworkInformation); without such a report, when a network interface other than
// loopback is up and running. Never a modem.
ConnectionState queryConnectionState();

// Starts the desktop's network settings program, when one is installed.
void startNetworkSettings();

// While offline, blocks every network request of the browser profile (http, https, ftp,
// ws, wss); local files still load. Shared by all windows.
class OfflineMode : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void setOffline(bool offline) { m_offline = offline; }
    bool isOffline() const { return m_offline; }
    void interceptRequest(QWebEngineUrlRequestInfo& info) override;

private:
    std::atomic<bool> m_offline { false };
};

} // namespace sg::platform
