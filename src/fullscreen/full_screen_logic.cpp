#include "fullscreen/full_screen_logic.h"

#include "common/program.h"
#include "common/record_codec.h"
#include "fullscreen/full_screen_layout.h"
#include "settings/extra_settings.h"

namespace sg {
namespace {

using Control = FullScreenControl;

// Entries of the shared tool-tip table.
constexpr std::size_t kCloseToolTip = 36;
constexpr std::size_t kAddPageToolTip = 37;
constexpr std::size_t kTitleStripToolTip = 38; // program title + " - Full Screen Window"
constexpr std::size_t kDockToolTip = 39;
constexpr std::size_t kRefreshPageToolTip = 40;
constexpr std::size_t kForwardToolTip = 41;
constexpr std::size_t kBackToolTip = 42;

constexpr std::string_view kStartSlideshowToolTip = "Show The Pages Of A Category In Turn";
constexpr std::string_view kEndSlideshowToolTip = "End The Slideshow (Esc)";

// The window's caption: the page title and " - " (once a page has a title) before the
// program title + " - Full Screen Window".
std::string fullScreenCaption(const std::string& pageTitle)
{
    const std::string window = std::string(kProgramTitle) + " - Full Screen Window";
    return pageTitle.empty() ? window : pageTitle + " - " + window;
}

// The strip's count-down shows whole seconds: the timer comes when the next one is due.
SlideshowTime untilNextSecond(SlideshowTime left)
{
    const auto ms = left.count();
    return SlideshowTime { ms <= 0 ? 0 : (ms - 1) % 1000 + 1 };
}

} // namespace

FullScreenLogic::FullScreenLogic(
    SharedBrowserState& shared, BrowserApp& app, FullScreenHost& host, BrowserControl& browser)
    : m_shared(shared)
    , m_app(app)
    , m_host(host)
    , m_browser(browser)
{
    m_view.control(Control::AddPagePanel) = { defaultAddPagePanel(), {}, false, true };
    m_view.control(Control::SlideshowPanel) = { slideshowPanelRect(), {}, false, true };
    m_view.control(Control::BackButton).enabled = false;
    m_view.control(Control::ForwardButton).enabled = false;
    m_view.dwellSeconds = shared.extra.SlideshowDwellSeconds;
}

void FullScreenLogic::load()
{
    showCaption();
    fitToWorkArea();
    m_host.navigateWithoutHistory(m_shared.paths.DefPageUrl);
    applyToolTips();
}

void FullScreenLogic::resize(const Size& client)
{
    layOut(client);
}

void FullScreenLogic::layOut(const Size& client)
{
    m_client = client;
    const FullScreenLayout layout = fullScreenLayout(client);
    m_view.control(Control::Strip).place = layout.strip;
    m_view.control(Control::DockButton).place = layout.dockButton;
    m_view.control(Control::AddPageButton).place = layout.addPageButton;
    m_view.control(Control::SlideshowButton).place = layout.slideshowButton;
    m_view.control(Control::TitleStrip).place = layout.titleStrip;
    m_view.control(Control::BackButton).place = layout.backButton;
    m_view.control(Control::ForwardButton).place = layout.forwardButton;
    m_view.control(Control::RefreshButton).place = layout.refreshButton;
    m_view.control(Control::CloseButton).place = layout.closeButton;
    m_view.control(Control::Browser).place = layout.browser;
}

void FullScreenLogic::setActive(bool active)
{
    m_view.stripActive = active;
}

void FullScreenLogic::applyToolTips()
{
    const bool off = m_shared.settings.ToolTipsOff != 0;
    const auto tip = [&](std::string_view text) { return off ? std::string() : std::string(text); };
    const ToolTipTexts& table = m_shared.toolTips;
    m_view.control(Control::CloseButton).toolTip = tip(table[kCloseToolTip]);
    m_view.control(Control::AddPageButton).toolTip = tip(table[kAddPageToolTip]);
    m_view.control(Control::DockButton).toolTip = tip(table[kDockToolTip]);
    m_view.control(Control::RefreshButton).toolTip = tip(table[kRefreshPageToolTip]);
    m_view.control(Control::ForwardButton).toolTip = tip(table[kForwardToolTip]);
    m_view.control(Control::BackButton).toolTip = tip(table[kBackToolTip]);
    m_view.control(Control::TitleStrip).toolTip
        = tip(m_pageTitle + " - " + table[kTitleStripToolTip]);
    m_view.control(Control::SlideshowButton).toolTip
        = tip(m_show.running() ? kEndSlideshowToolTip : kStartSlideshowToolTip);
}

void FullScreenLogic::showCaption()
{
    m_view.caption = fullScreenCaption(m_pageTitle);
    m_view.stripText = m_show.running() ? m_show.statusText(m_host.now()) : m_view.caption;
}

void FullScreenLogic::open(const std::string& address)
{
    endSlideshow();
    m_browser.navigate(address);
    m_host.showWindow();
}

void FullScreenLogic::showForNewWindow()
{
    endSlideshow();
    m_host.showWindow();
}

void FullScreenLogic::fitToWorkArea()
{
    const Rect window = fullScreenFit(m_host.workArea());
    m_host.placeWindow(window);
    layOut({ window.width, window.height });
}

void FullScreenLogic::hideAddPagePanel()
{
    m_view.pageCategories.clear();
    m_view.pageCategory = 0;
    m_view.control(Control::AddPagePanel).visible = false;
}

void FullScreenLogic::close()
{
    endSlideshow();
    hideAddPagePanel();
    m_view.control(Control::SlideshowPanel).visible = false;
    m_host.hideWindow();
    fitToWorkArea();
    // The hidden window lives on: its page must not play sound or run scripts all day.
    m_host.navigateWithoutHistory(m_shared.paths.DefPageUrl);
}

void FullScreenLogic::onCloseClick()
{
    m_app.playClickSound();
    close();
}

void FullScreenLogic::onEscape()
{
    if (m_show.running())
        endSlideshow();
    else
        close();
}

void FullScreenLogic::onCloseRequest()
{
    close();
}

void FullScreenLogic::onDockClick()
{
    const Rect area = m_host.workArea();
    Rect window = m_host.windowGeometry();
    window.left = area.left;
    window.top = area.top;
    m_host.placeWindow(window);
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
    m_host.beginWindowMove();
}

// --- the add-page panel ---------------------------------------------------------------

void FullScreenLogic::onAddPageClick()
{
    m_app.playClickSound();
    auto items = categoryChooserItems(m_shared.paths.UserDataDir);
    if (!items.ok()) {
        report(items.message);
        return;
    }
    m_view.pageCategories = std::move(items.value);
    m_view.pageCategory = 1;
    m_view.control(Control::SlideshowPanel).visible = false;
    m_view.control(Control::AddPagePanel).visible = true;
}

void FullScreenLogic::onChooserClick(std::size_t selected)
{
    const bool separate = m_shared.settings.SeparateCategorySelector == 1;
    const auto added = addShownPage(m_shared.paths.UserDataDir, m_view.pageCategories, selected,
        separate, m_pageTitle, m_browser.address());
    if (!added.ok()) {
        report(added.message);
        return;
    }
    hideAddPagePanel();
    m_app.refillSiteSelectors();
}

void FullScreenLogic::onCancelClick()
{
    hideAddPagePanel();
}

void FullScreenLogic::onPanelMouseDown(PointPx inPanel)
{
    m_dragOffsetX = inPanel.x * kTwipsPerPixel;
    m_dragOffsetY = inPanel.y * kTwipsPerPixel;
}

void FullScreenLogic::onPanelDrop(PointPx inClient)
{
    Rect& panel = m_view.control(Control::AddPagePanel).place;
    panel = addPagePanelAfterDrop(panel, m_dragOffsetX, m_dragOffsetY, inClient.x * kTwipsPerPixel,
        inClient.y * kTwipsPerPixel, m_client);
}

void FullScreenLogic::report(std::string_view text)
{
    const ModalWindowHold hold(m_shared);
    m_host.showMessage(std::string(text));
}

// --- the slideshow --------------------------------------------------------------------

void FullScreenLogic::onSlideshowClick()
{
    m_app.playClickSound();
    if (m_show.running()) {
        endSlideshow();
        return;
    }
    openSlideshowPanel();
}

void FullScreenLogic::openSlideshowPanel()
{
    m_host.showWindow();
    auto categories = slideshowCategories(m_shared.paths.UserDataDir);
    if (!categories.ok()) {
        report(categories.message);
        return;
    }
    m_slideshowCategories = std::move(categories.value);
    m_view.slideshowCategories.clear();
    m_view.slideshowCategory = 0;
    for (const CategoryRecord& category : m_slideshowCategories) {
        if (trimBlanks(category.CategoryName) == m_shared.extra.SlideshowCategory)
            m_view.slideshowCategory = m_view.slideshowCategories.size();
        m_view.slideshowCategories.push_back(trimBlanks(category.CategoryName));
    }
    m_view.dwellSeconds = m_shared.extra.SlideshowDwellSeconds;
    hideAddPagePanel();
    m_view.control(Control::SlideshowPanel).visible = true;
}

void FullScreenLogic::onSlideshowCategoryChosen(std::optional<std::size_t> index)
{
    m_view.slideshowCategory = index;
}

void FullScreenLogic::onDwellChanged(int seconds)
{
    m_view.dwellSeconds = seconds;
}

void FullScreenLogic::onSlideshowStart()
{
    const auto index = m_view.slideshowCategory;
    if (!index || *index >= m_slideshowCategories.size()) {
        report(kNoSlideshowCategorySelected);
        return;
    }
    const CategoryRecord& category = m_slideshowCategories[*index];
    const auto pages = slideshowPages(m_shared.paths.UserDataDir, category);
    if (!pages.ok()) {
        report(pages.message);
        return;
    }
    const std::string name = trimBlanks(category.CategoryName);
    const SlideshowStep first = m_show.start(name, pages.value, m_view.dwellSeconds, m_host.now());
    if (!m_show.running()) {
        report(kNoSlideshowPages);
        return;
    }
    m_view.dwellSeconds = m_show.dwellSeconds();
    m_view.control(Control::SlideshowPanel).visible = false;
    ExtraSettings& extra = m_shared.extra;
    if (extra.SlideshowCategory != name || extra.SlideshowDwellSeconds != m_view.dwellSeconds) {
        extra.SlideshowCategory = name;
        extra.SlideshowDwellSeconds = m_view.dwellSeconds;
        // A choice that cannot be kept is offered again next time; the show goes on.
        saveExtraSettingsFile(extraSettingsPath(m_shared.paths.UserDataDir), extra);
    }
    go(first);
}

void FullScreenLogic::onSlideshowCancel()
{
    m_view.control(Control::SlideshowPanel).visible = false;
}

void FullScreenLogic::onSlideshowKey(SlideshowCommand command)
{
    go(m_show.command(command, m_host.now()));
}

void FullScreenLogic::onPointerOverStrip(bool over)
{
    m_show.setPointerOverStrip(over, m_host.now());
    showSlideshow();
}

void FullScreenLogic::onSlideshowTick()
{
    go(m_show.tick(m_host.now()));
}

void FullScreenLogic::go(const SlideshowStep& step)
{
    if (step.kind == SlideshowStep::Kind::Load) {
        // A page that comes round again is loaded afresh, not taken from what is shown.
        if (m_browser.address() == step.url)
            m_browser.reloadPage(reloadModeOf(m_shared.settings.RefreshMode));
        else
            m_browser.navigate(step.url);
    }
    showSlideshow();
}

void FullScreenLogic::endSlideshow()
{
    go(m_show.command(SlideshowCommand::End, m_host.now()));
}

void FullScreenLogic::showSlideshow()
{
    const SlideshowTime now = m_host.now();
    m_view.slideshowRunning = m_show.running();
    const auto left = m_show.timeUntilNext(now);
    m_view.tickIn = left ? std::optional(untilNextSecond(*left)) : std::nullopt;
    showCaption();
    applyToolTips();
}

// --- the browser's events -------------------------------------------------------------

void FullScreenLogic::onLoadFinished()
{
    fitToWorkArea();
}

void FullScreenLogic::onTitleChanged(const std::string& text)
{
    m_pageTitle = text;
    showCaption();
    applyToolTips();
}

void FullScreenLogic::onHistoryStateChanged(bool canGoBack, bool canGoForward)
{
    m_view.control(Control::BackButton).enabled = canGoBack;
    m_view.control(Control::ForwardButton).enabled = canGoForward;
}

void FullScreenLogic::onNavigationFailed(NavigationFailure)
{
    m_show.pageFailed();
    showSlideshow();
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
