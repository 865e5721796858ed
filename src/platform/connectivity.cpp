#include "platform/connectivity.h"

#include <QNetworkInformation>
#include <QNetworkInterface>
#include <QProcess>
#include <QStandardPaths>
#include <optional>

namespace sg::platform {

namespace {

bool anyInterfaceUp()
{
    for (const QNetworkInterface& nic : QNetworkInterface::allInterfaces()) {
        const auto flags = nic.flags();
        if (!flags.testFlag(QNetworkInterface::IsLoopBack)
            && flags.testFlag(QNetworkInterface::IsUp)
            && flags.testFlag(QNetworkInterface::IsRunning))
            return true;
    }
    return false;
}

// The system's reachability, from the backend loaded on first use (NetworkManager, else
// any other that knows reachability); nullopt where none loads.
std::optional<QNetworkInformation::Reachability> systemReachability()
{
    static const bool loaded = QNetworkInformation::loadBackendByName(u"networkmanager")
        || QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability);
    const QNetworkInformation* info = loaded ? QNetworkInformation::instance() : nullptr;
    if (!info)
        return std::nullopt;
    return info->reachability();
}

} // namespace

ConnectionState queryConnectionState()
{
    using R = QNetworkInformation::Reachability;
    const std::optional<R> reachability = systemReachability();
    // The interfaces are looked at only when the system does not know.
    if (reachability && *reachability != R::Unknown)
        return { *reachability == R::Online, false };
    return { anyInterfaceUp(), false };
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
