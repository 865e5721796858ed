#pragma once
// The program's own message boxes: the program title as caption, the text as given.

#include <string_view>

class QWidget;

namespace sg::ui {

// An OK box over `parent`; returns when it is closed.
void showProgramMessage(QWidget* parent, std::string_view text);

// A Yes/No box over `parent` (Yes the default, Esc answers No); true for Yes.
bool askProgramQuestion(QWidget* parent, std::string_view text);

} // namespace sg::ui
