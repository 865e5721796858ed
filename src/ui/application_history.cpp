// The application's side of the History window (Form6).

#include "ui/application.h"

namespace sg::ui {

void Application::showHistoryWindow() { }

TodayListListener* Application::todayList()
{
    return nullptr;
}

} // namespace sg::ui
