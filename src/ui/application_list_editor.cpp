// The application's side of the list editor (Form2).

#include "ui/application.h"

namespace sg::ui {

void Application::openListEditor(const std::string&, const std::string&) { }

void Application::openListEditorFromHistory(const std::vector<HistoryHandOffRow>&) { }

} // namespace sg::ui
