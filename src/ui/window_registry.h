#pragma once
// The program's open windows: the main windows in the order they were made, the one the
// user activated last, and the windows that exist once each.

#include <QPointer>
#include <algorithm>
#include <vector>

namespace sg::ui {

class MainWindow;
class ListEditorWindow;
class FullScreenWindow;
class HistoryWindow;
class OptionsWindow;
class AboutWindow;
class SuggestionsWindow;

class WindowRegistry {
public:
    void addMainWindow(MainWindow* window) { m_mainWindows.push_back(window); }
    void removeMainWindow(MainWindow* window)
    {
        std::erase(m_mainWindows, window);
        if (m_active == window)
            m_active = nullptr;
    }
    const std::vector<MainWindow*>& mainWindows() const { return m_mainWindows; }
    MainWindow* firstMainWindow() const
    {
        return m_mainWindows.empty() ? nullptr : m_mainWindows.front();
    }
    void setActiveMainWindow(MainWindow* window) { m_active = window; }
    // Null when none was activated yet or the last one activated has closed.
    MainWindow* activeMainWindow() const { return m_active; }

    // The once-only windows; null until first needed and after they are gone.
    QPointer<ListEditorWindow> listEditor;
    QPointer<FullScreenWindow> fullScreen;
    QPointer<HistoryWindow> history;
    QPointer<OptionsWindow> options;
    QPointer<AboutWindow> about;
    QPointer<SuggestionsWindow> suggestions;

private:
    std::vector<MainWindow*> m_mainWindows;
    MainWindow* m_active = nullptr;
};

} // namespace sg::ui
