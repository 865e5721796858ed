// The application's side of the full-screen window.

#include "platform/web_browser.h"
#include "ui/application.h"
#include "ui/full_screen_window.h"

namespace sg::ui {

FullScreenWindow* Application::loadedFullScreenWindow()
{
    if (!m_windows.fullScreen) {
        m_windows.fullScreen = new FullScreenWindow(*this);
        m_windows.fullScreen->load();
    }
    return m_windows.fullScreen;
}

void Application::openInFullScreen(const std::string& address)
{
    loadedFullScreenWindow()->open(address);
}

QWebEnginePage* Application::fullScreenPage()
{
    FullScreenWindow* window = loadedFullScreenWindow();
    window->showForNewWindow();
    return window->browser()->page();
}

void Application::startSlideshow()
{
    loadedFullScreenWindow()->openSlideshowPanel();
}

} // namespace sg::ui
