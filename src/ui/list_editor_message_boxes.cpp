#include "ui/list_editor_message_boxes.h"

#include "ui/program_message_box.h"

#include <QTimer>
#include <QWidget>

namespace sg::ui {

void ListEditorMessageBoxes::tell(const std::string& text)
{
    if (m_deferReports) {
        QTimer::singleShot(0, m_parent, [this, text] { tell(text); });
        return;
    }
    showProgramMessage(m_parent, text);
}

bool ListEditorMessageBoxes::ask(const std::string& text)
{
    return askProgramQuestion(m_parent, text);
}

} // namespace sg::ui
