#include "browser/shared_browser_state.h"

#include "browser/main_window_logic.h"

#include <algorithm>

namespace sg {

void MainWindowRegistry::add(MainWindowLogic* window)
{
    if (window && std::find(m_windows.begin(), m_windows.end(), window) == m_windows.end())
        m_windows.push_back(window);
}

void MainWindowRegistry::remove(MainWindowLogic* window)
{
    m_windows.erase(std::remove(m_windows.begin(), m_windows.end(), window), m_windows.end());
}

MainWindowLogic* MainWindowRegistry::first() const
{
    return m_windows.empty() ? nullptr : m_windows.front();
}

MainWindowLogic* MainWindowRegistry::find(std::string_view windowId) const
{
    for (MainWindowLogic* window : m_windows) {
        if (window->state().WindowId == windowId)
            return window;
    }
    return nullptr;
}

SharedBrowserState sharedStateFromStartup(const StartupState& startup)
{
    SharedBrowserState shared;
    shared.settings = startup.settings;
    shared.toolTips = startup.toolTips;
    shared.paths = startup.paths;
    shared.StartPageUrl = startup.StartPageUrl;
    shared.PendingStartUrl = startup.PendingStartUrl;
    shared.placementSaved = startup.placementSaved;
    return shared;
}

} // namespace sg
