// The pass that runs 250 ms after each download: the kill step of a marked pop-up, the fit
// of the window to a page that placed it, and the hand-over to the history writer.

#include "browser/history_gate.h"
#include "browser/main_window_logic.h"
#include "browser/page_placement.h"
#include "browser/text_case.h"
#include "browser/window_layout.h"

namespace sg {

void MainWindowLogic::stopPostDownloadTimer()
{
    m_s.postDownloadRunning = false;
    m_view.stopTimer(MainWindowTimer::PostDownload);
}

void MainWindowLogic::onPostDownloadTick()
{
    if (!m_s.postDownloadRunning)
        return;
    if (m_s.PageResizeState >= 2) {
        stopPostDownloadTimer();
        // Marked again only by a new request: a kill page that cannot load must not send
        // the window to it after every download.
        m_s.PageResizeState = 0;
        m_browser.navigate(m_shared.paths.KillPopUpsPath);
    } else {
        if (!placeAfterDownload())
            logPageInHistory();
        if (m_s.PageResizeState == 1 && settings().PopUpKilling == 1)
            m_s.PageResizeState = 2;
        else
            stopPostDownloadTimer();
    }
    m_s.layoutPending = false;
    m_s.RequestedLeft = kNoRequest;
    m_s.RequestedTop = kNoRequest;
    m_s.RequestedWidth = kNoRequest;
    m_s.RequestedHeight = kNoRequest;
}

bool MainWindowLogic::placeAfterDownload()
{
    const WindowState state = m_view.windowState();
    if (state == WindowState::Minimized)
        return false;
    if (state == WindowState::Maximized) {
        if (m_s.PageResizeState == 0)
            fillBrowserArea();
        return false;
    }
    m_s.layoutPending = m_s.RequestedLeft >= 0 || m_s.RequestedTop >= 0
        || m_s.RequestedWidth >= kMinRequestedWidth || m_s.RequestedHeight >= kMinRequestedHeight
        || m_s.PageChangedWindow;
    m_s.RequestedLeft = 0;
    if (m_s.RequestedTop < 0)
        m_s.RequestedTop = m_s.browserArea.top;
    if (m_s.RequestedWidth < kMinRequestedWidth)
        m_s.RequestedWidth = m_s.browserArea.width;
    if (m_s.RequestedHeight < kMinRequestedHeight)
        m_s.RequestedHeight = m_s.browserArea.height;
    if (!m_s.layoutPending) {
        fillBrowserArea();
        return false;
    }
    refitWindowToPage();
    return true;
}

void MainWindowLogic::fillBrowserArea()
{
    stopPostDownloadTimer();
    const Size client = m_view.clientSize();
    // The first, narrower size makes the page lay itself out again at the final one.
    placeBrowserArea(browserAreaRect(client, m_s.ToolbarOffset, m_s.statusBarAllowance, 45));
    placeBrowserArea(browserAreaRect(client, m_s.ToolbarOffset, m_s.statusBarAllowance, 60));
}

void MainWindowLogic::refitWindowToPage()
{
    RefitInput in;
    in.captionAllowance = captionAllowance(m_view.captionHeightPx());
    // Hidden once: pressing the button on a hidden toolbar would show it again.
    if (!m_s.pageWantsToolbar && toolbarShown())
        onHideShowToolbarClick();
    in.browserTop = kToolbarHeight - m_s.ToolbarOffset;
    in.statusAllowance = m_s.pageWantsStatusBar ? kStatusBarAllowance : 0;
    m_s.statusBarAllowance = m_s.pageWantsStatusBar ? 0 : kStatusBarAllowance;
    in.requestedWidth = m_s.RequestedWidth;
    in.requestedHeight = m_s.RequestedHeight;
    in.window = m_view.windowGeometry();
    in.workArea = m_view.workArea();
    const Refit fit = refitToPage(in);
    m_s.RequestedWidth = fit.browser.width - 60;
    m_s.RequestedHeight = fit.browser.height;
    placeBrowserArea(fit.browser);
    m_view.setWindowGeometry(fit.window);
    m_s.layoutPending = false;
}

void MainWindowLogic::logPageInHistory()
{
    const Settings& st = settings();
    if (st.HistoryDaysToKeep <= 0)
        return;
    const std::string url = m_browser.address();
    const AppPaths& paths = m_shared.paths;
    const HistoryExclusions own { st.StartPage, m_shared.StartPageUrl, paths.KillPopUpsPath,
        paths.KillPopUpsUrl, paths.DefPagePath, paths.DefPageUrl };
    if (isExcludedFromHistory(m_s.pageTitle, url, own))
        return;
    if (m_s.SkipNextHistoryEntry) {
        m_s.SkipNextHistoryEntry = false;
        return;
    }
    m_history.AddHistoryEntry({ st.HistoryDaysToKeep, st.StoreDuplicateUrls != 0 },
        m_app.todayList(), m_s.pageTitle, url);
}

} // namespace sg
