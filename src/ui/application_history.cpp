// The application's side of the History window.

#include "ui/application.h"

#include "ui/history_window.h"

namespace sg::ui {

void Application::showHistoryWindow()
{
    if (!m_windows.history) {
        auto* window = new HistoryWindow(*this);
        m_windows.history = window;
        connect(window, &HistoryWindow::closed, this, [this, window] {
            if (m_windows.history == window)
                m_windows.history = nullptr;
        });
        window->open();
    }
    bringToFront(m_windows.history);
}

TodayListListener* Application::todayList()
{
    if (m_windows.history && m_windows.history->isOpen())
        return m_windows.history;
    return nullptr;
}

} // namespace sg::ui
