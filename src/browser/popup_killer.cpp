#include "browser/popup_killer.h"

#include "browser/popup_modes.h"
#include "browser/text_case.h"

namespace sg {

void PopUpKiller::onPageRequest()
{
    if (killing())
        m_stage = 1;
}

bool PopUpKiller::killDue()
{
    if (m_stage < 2)
        return false;
    // Marked again only by a new request: a kill page that cannot load must not send the
    // window to it after every load.
    m_stage = 0;
    return true;
}

bool PopUpKiller::passAgain()
{
    if (m_stage == 1 && killing()) {
        m_stage = 2;
        return true;
    }
    return false;
}

void PopUpKiller::onLoadFinished()
{
    if (!killing() || m_killPageHandled
        || !equalsIgnoringCase(m_c.browser.locationName(), "KillPopUps.htm"))
        return;
    m_killPageHandled = true;
    if (m_c.settings().PopUpKillBoom == 1)
        m_c.app.startBoomSound();
    m_c.host.closeWindow();
}

void PopUpKiller::onKillPopUpsMenu()
{
    toggleKillPops(m_c.settings());
    m_c.app.popUpModesChanged();
}

void PopUpKiller::onKillPopUpsWithBoomMenu()
{
    toggleKillPopsBoom(m_c.settings());
    m_c.app.popUpModesChanged();
}

void PopUpKiller::onSilenceScriptErrorsMenu()
{
    toggleScriptErrors(m_c.settings());
    m_c.app.popUpModesChanged();
}

void PopUpKiller::showModes()
{
    const PopUpIndicators shown = popUpIndicatorsFor(m_c.settings());
    m_c.view.menuCheck(MenuItem::KillPopUps) = shown.killPopsChecked;
    m_c.view.menuCheck(MenuItem::KillPopUpsWithBoom) = shown.killPopsBoomChecked;
    m_c.view.menuCheck(MenuItem::SilenceScriptErrors) = shown.scriptErrChecked;
    m_c.view.panels[2] = { shown.panel3Text, shown.panel3Image };
}

} // namespace sg
