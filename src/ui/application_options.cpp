// The application's side of the options, About and suggestions windows.

#include "ui/application.h"

#include "history/history_purge.h"
#include "ui/about_window.h"
#include "ui/history_window.h"
#include "ui/options_window.h"
#include "ui/suggestions_window.h"

#include <QApplication>
#include <QScreen>

namespace sg::ui {
namespace {

// What the options window's Save tells the other windows, through the application.
class OptionsBroadcasts final : public OptionsEffects {
public:
    explicit OptionsBroadcasts(Application& app)
        : m_app(app)
    {
    }

    void toolTipsChanged() override { m_app.toolTipsChanged(); }
    void siteSelectorModeChanged() override { m_app.refillSiteSelectors(); }
    void historyDaysLowered() override { m_app.historyDaysLowered(); }

private:
    Application& m_app;
};

// A new window in the middle of the window it was opened from (the screen when none).
void placeOverActiveWindow(QWidget* window)
{
    window->adjustSize();
    QWidget* opener = QApplication::activeWindow();
    const QRect area
        = opener ? opener->frameGeometry() : QGuiApplication::primaryScreen()->availableGeometry();
    QRect frame(QPoint(), window->size());
    frame.moveCenter(area.center());
    window->move(frame.topLeft());
}

} // namespace

void Application::showOptionsWindow(const std::string& currentAddress)
{
    // Modal: a second opening can only come from code, and the open one stays.
    if (m_windows.options) {
        bringToFront(m_windows.options);
        return;
    }
    auto* window
        = new OptionsWindow(m_shared, currentAddress, std::make_unique<OptionsBroadcasts>(*this));
    m_windows.options = window;
    window->openOver(QApplication::activeWindow());
}

void Application::historyDaysLowered()
{
    if (m_windows.history && m_windows.history->isOpen())
        m_windows.history->daysToKeepLowered();
    else
        purgeDayFiles(
            m_shared.paths.HistoryDir, m_clock.now(), m_shared.settings.HistoryDaysToKeep);
}

void Application::showAboutWindow()
{
    if (!m_windows.about) {
        m_windows.about = new AboutWindow;
        placeOverActiveWindow(m_windows.about);
    }
    bringToFront(m_windows.about);
}

void Application::showSuggestionsWindow()
{
    if (m_shared.SuggestionsWindowOpen)
        return;
    auto* window = new SuggestionsWindow(m_shared.SuggestionsWindowOpen);
    m_windows.suggestions = window;
    window->open();
    placeOverActiveWindow(window);
    bringToFront(window);
}

} // namespace sg::ui
