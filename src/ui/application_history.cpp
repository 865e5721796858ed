// The application's side of the History window.

#include "ui/application.h"

#include "ui/history_window.h"

namespace sg::ui {

void Application::showHistoryWindow()
{
    if (!m_historyWindow) {
        auto* window = new HistoryWindow(*this);
        m_historyWindow = window;
        auto forget = [this, window] {
            if (m_historyWindow == window)
                m_historyWindow = nullptr;
        };
        connect(window, &HistoryWindow::closed, this, forget);
        connect(window, &QObject::destroyed, this, forget);
        window->open();
    }
    HistoryWindow* window = m_historyWindow;
    if (window->isMinimized())
        window->showNormal();
    else
        window->show();
    window->raise();
    window->activateWindow();
}

TodayListListener* Application::todayList()
{
    if (m_historyWindow && m_historyWindow->isOpen())
        return m_historyWindow;
    return nullptr;
}

} // namespace sg::ui
