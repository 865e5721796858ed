#include "browser/shared_browser_state.h"

namespace sg {

SharedBrowserState sharedStateFromStartup(const StartupState& startup)
{
    SharedBrowserState shared;
    shared.settings = startup.settings;
    // A file that cannot be read leaves the defaults; it is written again when they change.
    shared.extra = readExtraSettingsFile(extraSettingsPath(startup.paths.UserDataDir))
                       .value_or(ExtraSettings {});
    shared.toolTips = startup.toolTips;
    shared.paths = startup.paths;
    shared.StartPageUrl = startup.StartPageUrl;
    shared.PendingStartUrl = startup.PendingStartUrl;
    shared.placementSaved = startup.placementSaved;
    return shared;
}

} // namespace sg
