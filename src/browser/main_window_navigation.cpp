// Navigation: the address box, Go, Back, Forward, Refresh, the check boxes and the browser's
// navigation events.

#include "browser/address_display.h"
#include "browser/main_window_logic.h"
#include "browser/page_placement.h"
#include "browser/text_case.h"
#include "startup/startup_helpers.h"

#include <algorithm>

namespace sg {

void MainWindowLogic::uncheck(Control box)
{
    if (box == Control::NewWindowBox)
        m_s.newWindowChecked = false;
    else if (box == Control::FullScreenBox)
        m_s.fullScreenChecked = false;
    m_view.setChecked(box, false);
}

void MainWindowLogic::restartCountdownAfterNavigation()
{
    m_countdown.restart();
    if (m_countdown.running())
        showMinutesLeft();
}

void MainWindowLogic::openAddress(const std::string& address)
{
    if (m_s.newWindowChecked) {
        m_browser.navigateInNewWindow(address);
    } else if (m_s.fullScreenChecked) {
        uncheck(Control::FullScreenBox);
        m_app.openInFullScreen(address);
    } else {
        m_browser.navigate(address);
    }
}

bool MainWindowLogic::openPage(const std::string& address)
{
    setAddressText(AddressDisplayForm(address));
    restartCountdownAfterNavigation();
    const bool here = !m_s.newWindowChecked && !m_s.fullScreenChecked;
    openAddress(address);
    return here;
}

void MainWindowLogic::onGoClick()
{
    m_s.AutoHideSuspended = false;
    m_app.playClickSound();
    restartCountdownAfterNavigation();
    openAddress(m_s.addressText);
}

void MainWindowLogic::onAddressTextEdited(const std::string& text)
{
    m_s.addressText = text;
}

void MainWindowLogic::onAddressFocusChanged(bool focused)
{
    m_s.AddressBoxFocused = focused;
}

void MainWindowLogic::onBackClick()
{
    m_s.AutoHideSuspended = false;
    m_browser.goBack();
}

void MainWindowLogic::onForwardClick()
{
    m_s.AutoHideSuspended = false;
    m_browser.goForward();
}

void MainWindowLogic::onRefreshClick()
{
    const std::string url = m_browser.address();
    if (url.empty())
        return;
    m_s.AutoHideSuspended = false;
    m_app.playClickSound();
    m_countdown.restart();
    if (m_countdown.running()) {
        m_view.stopTimer(MainWindowTimer::RefreshTick);
        showMinutesLeft();
        m_view.startTimer(MainWindowTimer::RefreshTick, kRefreshTickMs);
    }
    setAddressText(AddressDisplayForm(url));
    m_browser.reloadPage(reloadModeOf(settings().RefreshMode));
}

void MainWindowLogic::onListButtonClick()
{
    m_s.AutoHideSuspended = false;
    m_app.openListEditor(m_s.pageTitle, m_browser.address());
}

void MainWindowLogic::onCheckBoxClick(Control box, bool checked)
{
    m_s.AutoHideSuspended = false;
    if (box == Control::NewWindowBox)
        m_s.newWindowChecked = checked;
    else if (box == Control::FullScreenBox)
        m_s.fullScreenChecked = checked;
}

bool MainWindowLogic::onNavigationRequested(const std::string& address)
{
    if (upperAscii(address).find("MAILTO:") != std::string::npos)
        m_s.MailtoPending = true;
    if (!m_s.newWindowChecked && !m_s.fullScreenChecked)
        return false;
    m_browser.stopLoading();
    m_browser.navigateInNewWindow(address);
    return true;
}

void MainWindowLogic::onUrlChanged()
{
    m_shared.PendingStartUrl.clear();
    setAddressText(addressBoxTextFor(m_browser.address()));
    restartCountdownAfterNavigation();
}

void MainWindowLogic::onLoadStarted()
{
    if (settings().ScriptErrorsSilenced != 1)
        return;
    if (!m_s.MailtoPending)
        m_browser.setSilent(true);
    else
        m_s.MailtoPending = false;
}

void MainWindowLogic::onLoadFinished()
{
    m_s.postDownloadRunning = true;
    m_view.startTimer(MainWindowTimer::PostDownload, kPostDownloadMs);
    if (m_browser.silent())
        m_browser.setSilent(false);
    onKillPageLoaded();
}

void MainWindowLogic::onTitleChanged(const std::string& text)
{
    if (text != "KillPopUps.htm")
        m_shared.LastPageTitle = text;
    m_s.pageTitle = text;
    m_view.setCaption(m_shared.LastPageTitle + " - " + std::string(kProgramTitle));
}

void MainWindowLogic::onStatusTextChanged(const std::string& text)
{
    m_view.setStatusPanel(1, text, 0);
}

void MainWindowLogic::onLoadProgress(int progress, int maximum)
{
    if (progress <= 0) {
        m_s.progressValue = 0;
        m_view.setVisible(Control::ProgressBar, false);
        m_view.setProgress(m_s.progressMaximum, 0);
        return;
    }
    m_s.progressMaximum = maximum > 0 ? maximum : 1;
    m_s.progressValue = std::min(progress, m_s.progressMaximum);
    m_view.setVisible(Control::ProgressBar, true);
    m_view.setProgress(m_s.progressMaximum, m_s.progressValue);
}

void MainWindowLogic::onHistoryStateChanged(bool canGoBack, bool canGoForward)
{
    m_s.backEnabled = canGoBack;
    m_s.forwardEnabled = canGoForward;
    m_view.setEnabled(Control::BackButton, canGoBack);
    m_view.setEnabled(Control::ForwardButton, canGoForward);
}

void MainWindowLogic::onNavigationFailed(NavigationFailure failure)
{
    m_s.SkipNextHistoryEntry = true;
    if (failure != NavigationFailure::HostNotFound || m_shared.OfflineMode)
        return;
    if (!m_app.connectionState().connected && m_app.SetOffline()) {
        m_shared.OfflineMode = true;
        m_shared.OfflineModeAutomatic = true;
        showOfflineMode();
    }
}

void MainWindowLogic::markPopUp()
{
    if (settings().PopUpKilling == 1)
        m_s.PageResizeState = 1;
}

// A page asked for a window width or height: recorded for the layout, the window resized.
void MainWindowLogic::applyExtentRequest(
    const ExtentRequest& request, double& requested, double Rect::*extent)
{
    m_s.PageChangedWindow = true;
    requested = request.requested;
    Rect window = m_view.windowGeometry();
    window.*extent = request.windowExtent;
    m_view.setWindowGeometry(window);
    markPopUp();
}

void MainWindowLogic::onGeometryRequested(const RectPx& r)
{
    m_s.PageChangedWindow = true;
    m_s.RequestedLeft = requestedLeftFor(r.left, m_view.workArea());
    markPopUp();
    m_s.RequestedTop = requestedTopFor(r.top, m_view.workArea());
    markPopUp();
    applyExtentRequest(
        requestedWidthFor(r.width, m_view.workArea()), m_s.RequestedWidth, &Rect::width);
    applyExtentRequest(
        requestedHeightFor(r.height, m_view.workArea()), m_s.RequestedHeight, &Rect::height);
}

void MainWindowLogic::onToolbarRequested(bool shown)
{
    m_s.pageWantsToolbar = shown;
    m_s.PageChangedWindow = true;
    markPopUp();
}

NewWindowTarget MainWindowLogic::onNewWindowRequested()
{
    if (m_shared.ModalWindowOpen)
        return NewWindowTarget::Cancel;
    Settings& st = settings();
    st.WindowLeft = cascadeNewWindow(st.WindowLeft);
    st.WindowTop = cascadeNewWindow(st.WindowTop);
    const bool keepNewWindow = st.NewWindowStaysChecked == 1;
    if (m_s.fullScreenChecked) {
        uncheck(Control::FullScreenBox);
        if (!keepNewWindow)
            uncheck(Control::NewWindowBox);
        return NewWindowTarget::FullScreen;
    }
    if (!keepNewWindow)
        uncheck(Control::NewWindowBox);
    return NewWindowTarget::NewMainWindow;
}

} // namespace sg
