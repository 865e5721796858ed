#pragma once
// The program's offline mode, one state for every window: switched by the user, or on by
// itself when a page cannot reach its host while the machine has no connection (and off
// again once the connection is back). Every main window is told of each change.

#include "browser/browser_app.h"
#include "browser/shared_browser_state.h"

namespace sg {

// "&Work Offline" and the Offline cycle button: the user's choice stands.
void toggleOfflineMode(SharedBrowserState& shared, BrowserApp& app);
// A page could not reach its host: without a connection the program goes offline.
void goOfflineIfDisconnected(SharedBrowserState& shared, BrowserApp& app);
// The connection is back: offline mode that a failure switched on ends.
void endAutomaticOfflineMode(SharedBrowserState& shared, BrowserApp& app);

} // namespace sg
