#include "browser/offline_mode.h"

namespace sg {
namespace {

void setOfflineMode(SharedBrowserState& shared, BrowserApp& app, bool offline, bool automatic)
{
    shared.OfflineMode = offline;
    shared.OfflineModeAutomatic = automatic;
    shared.toolTips[ToolTip::OfflineCycle] = offlineToolTip(offline);
    app.offlineStateChanged();
}

} // namespace

void toggleOfflineMode(SharedBrowserState& shared, BrowserApp& app)
{
    bool offline = shared.OfflineMode;
    if (!offline && app.SetOffline())
        offline = true;
    else if (offline && app.SetOnline())
        offline = false;
    setOfflineMode(shared, app, offline, false);
}

void goOfflineIfDisconnected(SharedBrowserState& shared, BrowserApp& app)
{
    if (!shared.OfflineMode && !app.connectionState().connected && app.SetOffline())
        setOfflineMode(shared, app, true, true);
}

void endAutomaticOfflineMode(SharedBrowserState& shared, BrowserApp& app)
{
    // Without this a refresh while the network was down (say after sleep) would leave every
    // page blocked all day.
    if (shared.OfflineMode && shared.OfflineModeAutomatic && app.SetOnline())
        setOfflineMode(shared, app, false, false);
}

} // namespace sg
