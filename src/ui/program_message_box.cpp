#include "ui/program_message_box.h"

#include "common/program.h"
#include "ui/twips.h"

#include <QMessageBox>

namespace sg::ui {

void showProgramMessage(QWidget* parent, std::string_view text)
{
    QMessageBox box(QMessageBox::NoIcon, q(kProgramTitle), q(text), QMessageBox::Ok, parent);
    box.exec();
}

bool askProgramQuestion(QWidget* parent, std::string_view text)
{
    QMessageBox box(
        QMessageBox::NoIcon, q(kProgramTitle), q(text), QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace sg::ui
