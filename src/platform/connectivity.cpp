#include "platform/connectivity.h"

#include <QNetworkInterface>
#include <QProcess>
#include <QStandardPaths>

namespace sg::platform {

ConnectionState queryConnectionState()
{
    ConnectionState state;
    for (const QNetworkInterface& nic : QNetworkInterface::allInterfaces()) {
        const auto flags = nic.flags();
        if (flags.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        if (flags.testFlag(QNetworkInterface::IsUp) && flags.testFlag(QNetworkInterface::IsRunning))
            state.connected = true;
    }
    return state;
}

void startNetworkSettings()
{
    if (!QStandardPaths::findExecutable(QStringLiteral("nm-connection-editor")).isEmpty())
        QProcess::startDetached(QStringLiteral("nm-connection-editor"), {});
    else if (!QStandardPaths::findExecutable(QStringLiteral("gnome-control-center")).isEmpty())
        QProcess::startDetached(
            QStringLiteral("gnome-control-center"), { QStringLiteral("network") });
}

void OfflineMode::interceptRequest(QWebEngineUrlRequestInfo& info)
{
    if (!m_offline)
        return;
    static const QStringList kNetworkSchemes = { QStringLiteral("http"), QStringLiteral("https"),
        QStringLiteral("ftp"), QStringLiteral("ws"), QStringLiteral("wss") };
    if (kNetworkSchemes.contains(info.requestUrl().scheme(), Qt::CaseInsensitive))
        info.block(true);
}

} // namespace sg::platform
