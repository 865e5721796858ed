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
        m_browser.NavigateNewWindow(address);
    } else if (m_s.fullScreenChecked) {
        uncheck(Control::FullScreenBox);
        m_app.openInFullScreen(address);
    } else {
        m_browser.Navigate(address);
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
    m_browser.GoBack();
}

void MainWindowLogic::onForwardClick()
{
    m_s.AutoHideSuspended = false;
    m_browser.GoForward();
}

void MainWindowLogic::onRefreshClick()
{
    const std::string url = m_browser.LocationURL();
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
    m_browser.Refresh2(settings().RefreshMode);
}

void MainWindowLogic::onListButtonClick()
{
    m_s.AutoHideSuspended = false;
    m_app.openListEditor(m_s.pageTitle, m_browser.LocationURL());
}

void MainWindowLogic::onCheckBoxClick(Control box, bool checked)
{
    m_s.AutoHideSuspended = false;
    if (box == Control::NewWindowBox)
        m_s.newWindowChecked = checked;
    else if (box == Control::FullScreenBox)
        m_s.fullScreenChecked = checked;
}

bool MainWindowLogic::BeforeNavigate2(const std::string& address)
{
    if (upperAscii(address).find("MAILTO:") != std::string::npos)
        m_s.MailtoPending = true;
    if (!m_s.newWindowChecked && !m_s.fullScreenChecked)
        return false;
    m_browser.Stop();
    m_browser.NavigateNewWindow(address);
    return true;
}

void MainWindowLogic::NavigateComplete2()
{
    m_shared.PendingStartUrl.clear();
    setAddressText(addressBoxTextFor(m_browser.LocationURL()));
    restartCountdownAfterNavigation();
}

void MainWindowLogic::DownloadBegin()
{
    if (settings().ScriptErrorsSilenced != 1)
        return;
    if (!m_s.MailtoPending)
        m_browser.setSilent(true);
    else
        m_s.MailtoPending = false;
}

void MainWindowLogic::DownloadComplete()
{
    m_s.postDownloadRunning = true;
    m_view.startTimer(MainWindowTimer::PostDownload, kPostDownloadMs);
    if (m_browser.Silent())
        m_browser.setSilent(false);
}

void MainWindowLogic::TitleChange(const std::string& text)
{
    if (text != "KillPopUps.htm")
        m_shared.LastPageTitle = text;
    m_s.pageTitle = text;
    m_view.setCaption(m_shared.LastPageTitle + " - " + std::string(kProgramTitle));
}

void MainWindowLogic::StatusTextChange(const std::string& text)
{
    m_view.setStatusPanel(1, text, 0);
}

void MainWindowLogic::ProgressChange(int progress, int maximum)
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

void MainWindowLogic::CommandStateChange(int command, bool enable)
{
    if (command == CSC_NAVIGATEFORWARD) {
        m_s.forwardEnabled = enable;
        m_view.setEnabled(Control::ForwardButton, enable);
    } else if (command == CSC_NAVIGATEBACK) {
        m_s.backEnabled = enable;
        m_view.setEnabled(Control::BackButton, enable);
    }
}

void MainWindowLogic::NavigateError(const std::string&, std::int32_t statusCode)
{
    m_s.SkipNextHistoryEntry = true;
    if (statusCode != INET_E_RESOURCE_NOT_FOUND || m_shared.OfflineMode)
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

void MainWindowLogic::WindowSetLeft(int x)
{
    m_s.PageChangedWindow = true;
    m_s.RequestedLeft = requestedLeftFor(x, m_view.workArea());
    markPopUp();
}

void MainWindowLogic::WindowSetTop(int y)
{
    m_s.PageChangedWindow = true;
    m_s.RequestedTop = requestedTopFor(y, m_view.workArea());
    markPopUp();
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

void MainWindowLogic::WindowSetWidth(int w)
{
    applyExtentRequest(requestedWidthFor(w, m_view.workArea()), m_s.RequestedWidth, &Rect::width);
}

void MainWindowLogic::WindowSetHeight(int h)
{
    applyExtentRequest(
        requestedHeightFor(h, m_view.workArea()), m_s.RequestedHeight, &Rect::height);
}

void MainWindowLogic::OnToolBar(bool shown)
{
    m_s.pageWantsToolbar = shown;
    m_s.PageChangedWindow = true;
    markPopUp();
}

void MainWindowLogic::OnStatusBar(bool shown)
{
    m_s.pageWantsStatusBar = shown;
}

NewWindowTarget MainWindowLogic::NewWindow2()
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
