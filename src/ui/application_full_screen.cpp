// The application's side of the full-screen window (Form5).

#include "ui/application.h"

namespace sg::ui {

void Application::openInFullScreen(const std::string&) { }

QWebEnginePage* Application::fullScreenPage()
{
    return nullptr;
}

} // namespace sg::ui
