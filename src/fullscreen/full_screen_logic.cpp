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

void FullScreenLogic::Load()
{
    m_view.setCaption(fullScreenCaption(m_s.pageTitle));
    m_view.setGeometry(FullScreenControl::Picture1, m_s.panel);
    hidePanel();
    m_view.setEnabled(FullScreenControl::Picture7, m_s.backEnabled);
    m_view.setEnabled(FullScreenControl::Picture8, m_s.forwardEnabled);
    fitToWorkArea();
    m_view.navigateWithoutHistory(m_shared.paths.DefPageUrl);
    F5ToolT();
}

void FullScreenLogic::Resize()
{
    m_view.setNormalState();
    const FullScreenLayout layout = fullScreenLayout(m_view.clientSize());
    m_view.setGeometry(FullScreenControl::WebBrowser1, layout.browser);
    m_view.setGeometry(FullScreenControl::Picture2, layout.closeButton);
    m_view.setGeometry(FullScreenControl::Picture6, layout.refreshButton);
    m_view.setGeometry(FullScreenControl::Picture7, layout.backButton);
    m_view.setGeometry(FullScreenControl::Picture8, layout.forwardButton);
    m_view.setGeometry(FullScreenControl::Picture4, layout.titleStrip);
    m_view.setGeometry(FullScreenControl::Picture5, dockButtonRect());
    m_view.setGeometry(FullScreenControl::Picture3, addPageButtonRect());
}

void FullScreenLogic::Activate()
{
    m_s.active = true;
    m_view.setTitleStripActive(true);
}

void FullScreenLogic::Deactivate()
{
    m_s.active = false;
    m_view.setTitleStripActive(false);
}

void FullScreenLogic::F5ToolT()
{
    const FullScreenToolTips tips
        = fullScreenToolTips(m_shared.toolTips, m_shared.settings.ToolTipsOff != 0, m_s.pageTitle);
    m_view.setToolTip(FullScreenControl::Picture2, tips.close);
    m_view.setToolTip(FullScreenControl::Picture3, tips.addPage);
    m_view.setToolTip(FullScreenControl::Picture4, tips.titleStrip);
    m_view.setToolTip(FullScreenControl::Picture5, tips.dock);
    m_view.setToolTip(FullScreenControl::Picture6, tips.refresh);
    m_view.setToolTip(FullScreenControl::Picture7, tips.back);
    m_view.setToolTip(FullScreenControl::Picture8, tips.forward);
}

void FullScreenLogic::applyTitleStripToolTip()
{
    m_view.setToolTip(FullScreenControl::Picture4,
        fullScreenToolTips(m_shared.toolTips, m_shared.settings.ToolTipsOff != 0, m_s.pageTitle)
            .titleStrip);
}

void FullScreenLogic::open(const std::string& address)
{
    m_browser.Navigate(address);
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
    Resize();
}

void FullScreenLogic::hidePanel()
{
    m_s.chooser.clear();
    m_view.setChooserItems(m_s.chooser, 0);
    m_s.panelVisible = false;
    m_view.setVisible(FullScreenControl::Picture1, false);
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
    if (!m_browser.LocationURL().empty())
        m_browser.Refresh2(m_shared.settings.RefreshMode);
}

void FullScreenLogic::onBackClick()
{
    m_browser.GoBack();
}

void FullScreenLogic::onForwardClick()
{
    m_browser.GoForward();
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
    m_view.setVisible(FullScreenControl::Picture1, true);
}

void FullScreenLogic::onChooserClick(std::size_t selected)
{
    const bool separate = m_shared.settings.SeparateCategorySelector == 1;
    const auto added = addShownPage(m_shared.paths.UserDataDir, m_s.chooser, selected, separate,
        m_s.pageTitle, m_browser.LocationURL());
    if (!added.ok()) {
        report(added.message);
        return;
    }
    hidePanel();
    refillMainWindowSelectors();
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
    m_view.setGeometry(FullScreenControl::Picture1, m_s.panel);
}

void FullScreenLogic::report(const std::string& text)
{
    const ModalWindowHold hold(m_shared);
    m_view.showMessage(text);
}

void FullScreenLogic::refillMainWindowSelectors()
{
    const bool separate = m_shared.settings.SeparateCategorySelector == 1;
    const std::vector<MainWindowLogic*> windows = m_shared.windows.windows();
    for (MainWindowLogic* window : windows) {
        if (separate)
            window->LodCombos();
        else
            window->UniLodCombo();
    }
}

bool FullScreenLogic::BeforeNavigate2(const std::string&)
{
    return false;
}

void FullScreenLogic::DownloadComplete()
{
    fitToWorkArea();
}

void FullScreenLogic::TitleChange(const std::string& text)
{
    m_s.pageTitle = text;
    m_view.setCaption(fullScreenCaption(text));
    applyTitleStripToolTip();
}

void FullScreenLogic::CommandStateChange(int command, bool enable)
{
    if (command == CSC_NAVIGATEBACK) {
        m_s.backEnabled = enable;
        m_view.setEnabled(FullScreenControl::Picture7, enable);
    } else if (command == CSC_NAVIGATEFORWARD) {
        m_s.forwardEnabled = enable;
        m_view.setEnabled(FullScreenControl::Picture8, enable);
    }
}

NewWindowTarget FullScreenLogic::NewWindow2()
{
    if (m_shared.ModalWindowOpen)
        return NewWindowTarget::Cancel;
    Settings& st = m_shared.settings;
    st.WindowLeft = fullScreenCascade(st.WindowLeft);
    st.WindowTop = fullScreenCascade(st.WindowTop);
    return NewWindowTarget::NewMainWindow;
}

} // namespace sg
