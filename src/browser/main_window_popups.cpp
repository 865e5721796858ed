// Pop-up killing and script-error suppression: the three menu toggles, shown in every main
// window, and the kill page closing its window.

#include "browser/main_window_logic.h"
#include "browser/popup_modes.h"
#include "browser/text_case.h"

namespace sg {

void MainWindowLogic::applyPopUpIndicators()
{
    const PopUpIndicators shown = popUpIndicatorsFor(settings());
    m_view.setMenuChecked(MenuItem::KillPopUps, shown.killPopsChecked);
    m_view.setMenuChecked(MenuItem::KillPopUpsWithBoom, shown.killPopsBoomChecked);
    m_view.setMenuChecked(MenuItem::SilenceScriptErrors, shown.scriptErrChecked);
    m_view.setStatusPanel(3, shown.panel3Text, shown.panel3Image);
}

void MainWindowLogic::onKillPopsMenu()
{
    toggleKillPops(settings());
    m_app.popUpModesChanged();
}

void MainWindowLogic::onKillPopsBoomMenu()
{
    toggleKillPopsBoom(settings());
    m_app.popUpModesChanged();
}

void MainWindowLogic::onScriptErrMenu()
{
    toggleScriptErrors(settings());
    m_app.popUpModesChanged();
}

void MainWindowLogic::onKillPageLoaded()
{
    const Settings& st = settings();
    if (st.PopUpKilling != 1 || m_s.KillPageHandled
        || !equalsIgnoringCase(m_browser.locationName(), "KillPopUps.htm"))
        return;
    m_s.KillPageHandled = true;
    if (st.PopUpKillBoom == 1)
        m_app.startBoomSound();
    m_view.closeWindow();
}

} // namespace sg
