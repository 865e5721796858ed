#include "fullscreen/full_screen_logic.h"

#include "browser/main_window_logic.h"
#include "fullscreen/full_screen_layout.h"
#include "fullscreen/full_screen_tool_tips.h"

namespace sg {

FullScreenLogic::FullScreenLogic(
    SharedBrowserState& shared, BrowserApp& app, FullScreenView& view, BrowserControl& browser)
    : m_shared(shared)
    , m_app(app)
    , m_view(view)
    , m_browser(browser)
{
    m_s.panel = defaultAddPagePanel();
}

void FullScreenLogic::load()
{
    m_view.setCaption(fullScreenCaption(m_s.pageTitle));
    m_view.setGeometry(FullScreenControl::AddPagePanel, m_s.panel);
    hidePanel();
    m_view.setEnabled(FullScreenControl::BackButton, m_s.backEnabled);
    m_view.setEnabled(FullScreenControl::ForwardButton, m_s.forwardEnabled);
    fitToWorkArea();
    m_view.navigateWithoutHistory(m_shared.paths.DefPageUrl);
    applyToolTips();
}

void FullScreenLogic::resize()
{
    m_view.setNormalState();
    const FullScreenLayout layout = fullScreenLayout(m_view.clientSize());
    m_view.setGeometry(FullScreenControl::Browser, layout.browser);
    m_view.setGeometry(FullScreenControl::CloseButton, layout.closeButton);
    m_view.setGeometry(FullScreenControl::RefreshButton, layout.refreshButton);
    m_view.setGeometry(FullScreenControl::BackButton, layout.backButton);
    m_view.setGeometry(FullScreenControl::ForwardButton, layout.forwardButton);
    m_view.setGeometry(FullScreenControl::TitleStrip, layout.titleStrip);
    m_view.setGeometry(FullScreenControl::DockButton, dockButtonRect());
    m_view.setGeometry(FullScreenControl::AddPageButton, addPageButtonRect());
}

void FullScreenLogic::activate()
{
    m_s.active = true;
    m_view.setTitleStripActive(true);
}

void FullScreenLogic::deactivate()
{
    m_s.active = false;
    m_view.setTitleStripActive(false);
}

void FullScreenLogic::applyToolTips()
{
    const FullScreenToolTips tips
        = fullScreenToolTips(m_shared.toolTips, m_shared.settings.ToolTipsOff != 0, m_s.pageTitle);
    m_view.setToolTip(FullScreenControl::CloseButton, tips.close);
    m_view.setToolTip(FullScreenControl::AddPageButton, tips.addPage);
    m_view.setToolTip(FullScreenControl::TitleStrip, tips.titleStrip);
    m_view.setToolTip(FullScreenControl::DockButton, tips.dock);
    m_view.setToolTip(FullScreenControl::RefreshButton, tips.refresh);
    m_view.setToolTip(FullScreenControl::BackButton, tips.back);
    m_view.setToolTip(FullScreenControl::ForwardButton, tips.forward);
}

void FullScreenLogic::applyTitleStripToolTip()
{
    m_view.setToolTip(FullScreenControl::TitleStrip,
        fullScreenToolTips(m_shared.toolTips, m_shared.settings.ToolTipsOff != 0, m_s.pageTitle)
            .titleStrip);
}

void FullScreenLogic::open(const std::string& address)
{
    m_browser.navigate(address);
    m_view.showWindow();
}

void FullScreenLogic::showForNewWindow()
{
    m_view.showWindow();
}

void FullScreenLogic::fitToWorkArea()
{
    m_view.setNormalState();
    m_view.setWindowGeometry(fullScreenFit(m_view.workArea()));
    resize();
}

void FullScreenLogic::hidePanel()
{
    m_s.chooser.clear();
    m_view.setChooserItems(m_s.chooser, 0);
    m_s.panelVisible = false;
    m_view.setVisible(FullScreenControl::AddPagePanel, false);
}

void FullScreenLogic::close()
{
    hidePanel();
    m_view.hideWindow();
    fitToWorkArea();
    // The hidden window lives on: its page must not play sound or run scripts all day.
    m_view.navigateWithoutHistory(m_shared.paths.DefPageUrl);
}

void FullScreenLogic::onCloseClick()
{
    m_app.playClickSound();
    close();
}

bool FullScreenLogic::onKeyDown(const KeyEvent& key)
{
    if (key.key != Key::Escape)
        return false;
    close();
    return true;
}

void FullScreenLogic::onCloseRequest()
{
    close();
}

void FullScreenLogic::onDockClick()
{
    const Rect area = m_view.workArea();
    Rect window = m_view.windowGeometry();
    window.left = area.left;
    window.top = area.top;
    m_view.setWindowGeometry(window);
}

void FullScreenLogic::onRefreshClick()
{
    if (!m_browser.address().empty())
        m_browser.reloadPage(reloadModeOf(m_shared.settings.RefreshMode));
}

void FullScreenLogic::onBackClick()
{
    m_browser.goBack();
}

void FullScreenLogic::onForwardClick()
{
    m_browser.goForward();
}

void FullScreenLogic::onTitleStripMouseDown()
{
    m_view.beginWindowMove();
}

void FullScreenLogic::onAddPageClick()
{
    m_app.playClickSound();
    auto items = categoryChooserItems(m_shared.paths.UserDataDir);
    if (!items.ok()) {
        report(items.message);
        return;
    }
    m_s.chooser = std::move(items.value);
    m_view.setChooserItems(m_s.chooser, 1);
    m_s.panelVisible = true;
    m_view.setVisible(FullScreenControl::AddPagePanel, true);
}

void FullScreenLogic::onChooserClick(std::size_t selected)
{
    const bool separate = m_shared.settings.SeparateCategorySelector == 1;
    const auto added = addShownPage(m_shared.paths.UserDataDir, m_s.chooser, selected, separate,
        m_s.pageTitle, m_browser.address());
    if (!added.ok()) {
        report(added.message);
        return;
    }
    hidePanel();
    m_app.refillSiteSelectors();
}

void FullScreenLogic::onCancelClick()
{
    hidePanel();
}

void FullScreenLogic::onPanelMouseDown(PointPx inPanel)
{
    m_s.dragOffsetX = inPanel.x * kTwipsPerPixel;
    m_s.dragOffsetY = inPanel.y * kTwipsPerPixel;
}

void FullScreenLogic::onPanelDrop(PointPx inClient)
{
    m_s.panel = addPagePanelAfterDrop(m_s.panel, m_s.dragOffsetX, m_s.dragOffsetY,
        inClient.x * kTwipsPerPixel, inClient.y * kTwipsPerPixel, m_view.clientSize());
    m_view.setGeometry(FullScreenControl::AddPagePanel, m_s.panel);
}

void FullScreenLogic::report(const std::string& text)
{
    const ModalWindowHold hold(m_shared);
    m_view.showMessage(text);
}

void FullScreenLogic::onLoadFinished()
{
    fitToWorkArea();
}

void FullScreenLogic::onTitleChanged(const std::string& text)
{
    m_s.pageTitle = text;
    m_view.setCaption(fullScreenCaption(text));
    applyTitleStripToolTip();
}

void FullScreenLogic::onHistoryStateChanged(bool canGoBack, bool canGoForward)
{
    m_s.backEnabled = canGoBack;
    m_s.forwardEnabled = canGoForward;
    m_view.setEnabled(FullScreenControl::BackButton, canGoBack);
    m_view.setEnabled(FullScreenControl::ForwardButton, canGoForward);
}

NewWindowTarget FullScreenLogic::onNewWindowRequested()
{
    if (m_shared.ModalWindowOpen)
        return NewWindowTarget::Cancel;
    Settings& st = m_shared.settings;
    st.WindowLeft = fullScreenCascade(st.WindowLeft);
    st.WindowTop = fullScreenCascade(st.WindowTop);
    return NewWindowTarget::NewMainWindow;
}

} // namespace sg
