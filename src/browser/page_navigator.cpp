#include "browser/page_navigator.h"

#include "browser/address_display.h"
#include "browser/history_gate.h"
#include "browser/offline_mode.h"
#include "browser/text_case.h"
#include "browser/window_layout.h"
#include "common/data_lock.h"
#include "common/file_io.h"
#include "common/program.h"

#include <algorithm>

namespace sg {

std::string PageNavigator::startAddress() const
{
    const Settings& st = m_c.settings();
    if (!st.StartPage.empty())
        return st.StartPage;
    const std::string& blank = m_c.shared.paths.DefPagePath;
    if (!blank.empty() && FileMissing(blank) == 0)
        return blank;
    return {};
}

void PageNavigator::startNavigation()
{
    if (m_c.shared.StartNavigated)
        return; // a window opened for a page: the page's opener navigates it
    m_c.shared.StartNavigated = true;
    const std::string& pending = m_c.shared.PendingStartUrl;
    const std::string address = pending.empty() ? m_c.settings().StartPage : pending;
    if (!address.empty())
        m_c.browser.navigate(address);
}

void PageNavigator::uncheck(Control box)
{
    (box == Control::NewWindowBox ? m_s.newWindowChecked : m_s.fullScreenChecked) = false;
    m_c.view[box].checked = false;
}

void PageNavigator::uncheckBoxes()
{
    uncheck(Control::NewWindowBox);
    uncheck(Control::FullScreenBox);
}

bool PageNavigator::openAddress(const std::string& address)
{
    if (m_s.newWindowChecked) {
        m_c.browser.navigateInNewWindow(address);
        return false;
    }
    if (m_s.fullScreenChecked) {
        uncheck(Control::FullScreenBox);
        m_c.app.openInFullScreen(address);
        return false;
    }
    m_c.browser.navigate(address);
    return true;
}

void PageNavigator::go()
{
    m_c.app.playClickSound();
    openAddress(addressText());
}

void PageNavigator::onCheckBoxClick(Control box, bool checked)
{
    (box == Control::NewWindowBox ? m_s.newWindowChecked : m_s.fullScreenChecked) = checked;
    m_c.view[box].checked = checked;
}

void PageNavigator::openListEditor()
{
    m_c.app.openListEditor(m_s.pageTitle, m_c.browser.address());
}

void PageNavigator::openNewMainWindow()
{
    std::string address = startAddress();
    if (!m_c.shared.PendingStartUrl.empty())
        address = m_c.shared.PendingStartUrl;
    uncheckBoxes();
    m_c.shared.StartNavigated = false;
    m_c.browser.navigateInNewWindow(address);
}

void PageNavigator::onNewWindowMenu()
{
    const std::string address = startAddress();
    m_c.shared.StartNavigated = false;
    m_c.browser.navigateInNewWindow(address);
}

void PageNavigator::showPageAddress()
{
    setAddressText(AddressDisplayForm(m_c.browser.address()));
}

bool PageNavigator::onNavigationRequested(const std::string& address)
{
    if (upperAscii(address).find("MAILTO:") != std::string::npos)
        m_s.mailtoPending = true;
    if (!m_s.newWindowChecked && !m_s.fullScreenChecked)
        return false;
    m_c.browser.stopLoading();
    m_c.browser.navigateInNewWindow(address);
    return true;
}

void PageNavigator::onUrlChanged()
{
    m_c.shared.PendingStartUrl.clear();
    setAddressText(addressBoxTextFor(m_c.browser.address()));
}

void PageNavigator::onLoadStarted()
{
    if (m_c.settings().ScriptErrorsSilenced != 1)
        return;
    if (!m_s.mailtoPending)
        m_c.browser.setSilent(true);
    else
        m_s.mailtoPending = false; // the mail program's prompts are not silenced
}

void PageNavigator::onLoadFinished()
{
    m_s.postDownloadRunning = true;
    m_c.host.startTimer(MainWindowTimer::PostDownload, kPostDownloadMs);
    if (m_c.browser.silent())
        m_c.browser.setSilent(false);
}

void PageNavigator::onTitleChanged(const std::string& title)
{
    if (title != "KillPopUps.htm")
        m_c.shared.LastPageTitle = title;
    m_s.pageTitle = title;
    m_c.view.caption = m_c.shared.LastPageTitle + " - " + std::string(kProgramTitle);
}

void PageNavigator::onLoadProgress(int progress, int maximum)
{
    MainWindowViewState& v = m_c.view;
    if (progress <= 0) {
        v.progressValue = 0;
        v[Control::ProgressBar].visible = false;
        return;
    }
    v.progressMaximum = maximum > 0 ? maximum : 1;
    v.progressValue = std::min(progress, v.progressMaximum);
    v[Control::ProgressBar].visible = true;
}

void PageNavigator::onHistoryStateChanged(bool canGoBack, bool canGoForward)
{
    m_c.view[Control::BackButton].enabled = canGoBack;
    m_c.view[Control::ForwardButton].enabled = canGoForward;
}

void PageNavigator::onNavigationFailed(NavigationFailure failure)
{
    m_s.skipNextHistoryEntry = true;
    if (failure == NavigationFailure::HostNotFound)
        goOfflineIfDisconnected(m_c.shared, m_c.app);
}

NewWindowTarget PageNavigator::onNewWindowRequested()
{
    if (m_c.shared.ModalWindowOpen)
        return NewWindowTarget::Cancel;
    Settings& st = m_c.settings();
    st.WindowLeft = cascadeNewWindow(st.WindowLeft);
    st.WindowTop = cascadeNewWindow(st.WindowTop);
    const bool keepNewWindow = st.NewWindowStaysChecked == 1;
    const bool fullScreen = m_s.fullScreenChecked;
    if (fullScreen)
        uncheck(Control::FullScreenBox);
    if (!keepNewWindow)
        uncheck(Control::NewWindowBox);
    return fullScreen ? NewWindowTarget::FullScreen : NewWindowTarget::NewMainWindow;
}

// A page asked for a window width or height: recorded for the layout, the window resized.
void PageNavigator::applyExtentRequest(
    const ExtentRequest& request, double& requested, double Rect::*extent)
{
    requested = request.requested;
    Rect window = m_c.host.windowGeometry();
    window.*extent = request.windowExtent;
    m_c.host.setWindowGeometry(window);
}

void PageNavigator::onGeometryRequested(const RectPx& r)
{
    const Rect work = m_c.host.workArea();
    m_s.pageChangedWindow = true;
    m_s.requestedLeft = requestedLeftFor(r.left, work);
    m_s.requestedTop = requestedTopFor(r.top, work);
    applyExtentRequest(requestedWidthFor(r.width, work), m_s.requestedWidth, &Rect::width);
    applyExtentRequest(requestedHeightFor(r.height, work), m_s.requestedHeight, &Rect::height);
    m_popUps.onPageRequest();
}

void PageNavigator::onToolbarRequested(bool shown)
{
    m_s.pageWantsToolbar = shown;
    m_s.pageChangedWindow = true;
    m_popUps.onPageRequest();
}

void PageNavigator::stopPostDownloadPass()
{
    m_s.postDownloadRunning = false;
    m_c.host.stopTimer(MainWindowTimer::PostDownload);
}

void PageNavigator::onPostDownloadTick()
{
    if (!m_s.postDownloadRunning)
        return;
    if (m_popUps.killDue()) {
        stopPostDownloadPass();
        m_c.browser.navigate(m_c.shared.paths.KillPopUpsPath);
    } else {
        if (!placeAfterLoad())
            logPageInHistory();
        if (!m_popUps.passAgain())
            stopPostDownloadPass();
    }
    m_s.layoutPending = false;
    m_s.requestedLeft = kNoRequest;
    m_s.requestedTop = kNoRequest;
    m_s.requestedWidth = kNoRequest;
    m_s.requestedHeight = kNoRequest;
}

// True when the window was fitted to a page that placed it (such a page is not logged).
bool PageNavigator::placeAfterLoad()
{
    const WindowState state = m_c.host.windowState();
    if (state == WindowState::Minimized)
        return false;
    if (state == WindowState::Maximized) {
        if (m_popUps.stage() == 0) {
            stopPostDownloadPass();
            m_toolbar.fillBrowserArea();
        }
        return false;
    }
    m_s.layoutPending = m_s.requestedLeft >= 0 || m_s.requestedTop >= 0
        || m_s.requestedWidth >= kMinRequestedWidth || m_s.requestedHeight >= kMinRequestedHeight
        || m_s.pageChangedWindow;
    const Rect& area = m_toolbar.state().browserArea;
    m_s.requestedLeft = 0;
    if (m_s.requestedTop < 0)
        m_s.requestedTop = area.top;
    if (m_s.requestedWidth < kMinRequestedWidth)
        m_s.requestedWidth = area.width;
    if (m_s.requestedHeight < kMinRequestedHeight)
        m_s.requestedHeight = area.height;
    if (!m_s.layoutPending) {
        stopPostDownloadPass();
        m_toolbar.fillBrowserArea();
        return false;
    }
    refitWindowToPage();
    return true;
}

void PageNavigator::refitWindowToPage()
{
    RefitInput in;
    in.captionAllowance = captionAllowance(m_c.host.captionHeightPx());
    // Hidden once: pressing the button on a hidden toolbar would show it again.
    if (!m_s.pageWantsToolbar && m_toolbar.toolbarShown())
        m_toolbar.onToggleClick();
    in.browserTop = kToolbarHeight - m_toolbar.state().toolbarOffset;
    in.statusAllowance = m_s.pageWantsStatusBar ? kStatusBarAllowance : 0;
    m_toolbar.setStatusBarAllowance(m_s.pageWantsStatusBar ? 0 : kStatusBarAllowance);
    in.requestedWidth = m_s.requestedWidth;
    in.requestedHeight = m_s.requestedHeight;
    in.window = m_c.host.windowGeometry();
    in.workArea = m_c.host.workArea();
    const Refit fit = refitToPage(in);
    m_s.requestedWidth = fit.browser.width - 60;
    m_s.requestedHeight = fit.browser.height;
    m_toolbar.placeBrowserArea(fit.browser);
    m_c.host.setWindowGeometry(fit.window);
    m_s.layoutPending = false;
}

void PageNavigator::logPageInHistory()
{
    const Settings& st = m_c.settings();
    if (st.HistoryDaysToKeep <= 0)
        return;
    const std::string url = m_c.browser.address();
    const AppPaths& paths = m_c.shared.paths;
    const HistoryExclusions own { st.StartPage, m_c.shared.StartPageUrl, paths.KillPopUpsPath,
        paths.KillPopUpsUrl, paths.DefPagePath, paths.DefPageUrl };
    if (isExcludedFromHistory(m_s.pageTitle, url, own))
        return;
    if (m_s.skipNextHistoryEntry) {
        m_s.skipNextHistoryEntry = false;
        return;
    }
    const HistoryWrite written = m_c.history.AddHistoryEntry(
        { st.HistoryDaysToKeep, st.StoreDuplicateUrls != 0, m_c.shared.extra.LogSecurePages },
        m_c.app.todayList(), m_s.pageTitle, url);
    // The page goes unlogged; the status bar says so rather than a box over the page.
    if (written == HistoryWrite::Busy)
        m_c.view.panels[0].text = std::string(kDataFolderBusyMessage);
    else if (written == HistoryWrite::Failed)
        m_c.view.panels[0].text = "This Page Could Not Be Written To The History File.";
}

} // namespace sg
