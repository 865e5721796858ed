#include "platform/connectivity.h"

#include <QNetworkInterface>
#include <QProcess>
#include <QStandardPaths>

namespace sg::platform {

namespace {

bool anyInterfaceUp()
{
    for (const QNetworkInterface& nic : QNetworkInterface::allInterfaces()) {
        const auto flags = nic.flags();
        if (!flags.testFlag(QNetworkInterface::IsLoopBack) && flags.testFlag(QNetworkInterface::IsUp)
            && flags.testFlag(QNetworkInterface::IsRunning))
            return true;
    }
    return false;
}

// The system's reachability, from the NetworkManager backend loaded on first use; nullopt
// where it does not load (no NetworkManager on the system bus).
std::optional<QNetworkInformation::Reachability> systemReachability()
{
    static const bool loaded = QNetworkInformation::loadBackendByName(u"networkmanager");
    const QNetworkInformation* info = loaded ? QNetworkInformation::instance() : nullptr;
    if (!info)
        return std::nullopt;
    return info->reachability();
}

} // namespace

bool connectedBy(std::optional<QNetworkInformation::Reachability> reachability, bool interfaceUp)
{
    using R = QNetworkInformation::Reachability;
    if (!reachability || *reachability == R::Unknown)
        return interfaceUp;
    return *reachability == R::Online;
}

ConnectionState queryConnectionState()
{
    const auto reachability = systemReachability();
    // The interfaces are looked at only when the system does not know.
    const bool unknown = !reachability || *reachability == QNetworkInformation::Reachability::Unknown;
    return { connectedBy(reachability, unknown && anyInterfaceUp()), false };
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
