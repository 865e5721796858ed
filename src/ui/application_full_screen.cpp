// The application's side of the full-screen window.

#include "platform/web_browser.h"
#include "ui/application.h"
#include "ui/full_screen_window.h"

namespace sg::ui {
namespace {

FullScreenWindow* loadFullScreenWindow(Application& app)
{
    auto* window = new FullScreenWindow(app);
    window->logic().load();
    return window;
}

} // namespace

void Application::openInFullScreen(const std::string& address)
{
    if (!m_windows.fullScreen)
        m_windows.fullScreen = loadFullScreenWindow(*this);
    m_windows.fullScreen->logic().open(address);
}

QWebEnginePage* Application::fullScreenPage()
{
    if (!m_windows.fullScreen)
        m_windows.fullScreen = loadFullScreenWindow(*this);
    m_windows.fullScreen->logic().showForNewWindow();
    return m_windows.fullScreen->browser()->page();
}

} // namespace sg::ui
