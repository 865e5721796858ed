#include "browser/shared_browser_state.h"

namespace sg {

SharedBrowserState sharedStateFromStartup(const StartupState& startup)
{
    SharedBrowserState shared;
    shared.settings = startup.settings;
    shared.extra = startup.extra;
    shared.toolTips = startup.toolTips;
    shared.paths = startup.paths;
    shared.StartPageUrl = startup.StartPageUrl;
    shared.PendingStartUrl = startup.PendingStartUrl;
    shared.placementSaved = startup.placementSaved;
    return shared;
}

} // namespace sg
